"""The web page in a headless chromium, as the browser tests open it: from
file://, in a fresh profile, keeping what the page wrote to the console and
every address the browser asked for on its behalf.

The tests find the page's folder, the browser and its driver in the
environment that CTest gives them (tests/web/CMakeLists.txt)."""

import json
import os
import pathlib
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

PAGE_FOLDER = pathlib.Path(os.environ["TORVALY_WEB_PAGE"]).resolve()

# Headless, as root, and with none of the browser's own traffic (updates,
# sync, field trials) that would blur what the page asks for.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]

# How long the page may take to do what a test waits for before the test
# fails; a safeguard against a hang, not a measure of speed.
WAIT_SECONDS = 30


class Page:
    """The page opened in a new browser; use it in a with statement."""

    def __init__(self):
        self._profile = tempfile.TemporaryDirectory(prefix="torvaly-web-profile-", ignore_cleanup_errors=True)
        options = webdriver.ChromeOptions()
        options.binary_location = os.environ["TORVALY_CHROMIUM"]
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self._profile.name]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(os.environ["TORVALY_CHROMEDRIVER"]), options=options)
        self._console = []
        self._requests = []
        self.driver.get((PAGE_FOLDER / "index.html").as_uri())

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.driver.quit()
        self._profile.cleanup()

    def wait_until_ready(self):
        """Waits until the back end has answered and the page shows it; fails
        at once if the page writes an error first."""
        def ready(driver):
            return driver.find_elements(By.CSS_SELECTOR, '#puzzles[aria-busy="false"]')

        WebDriverWait(self.driver, WAIT_SECONDS).until(lambda driver: ready(driver) or self.console_errors())
        if not ready(self.driver):
            raise AssertionError(f"the page wrote errors before it was ready: {self.console_errors()}")

    def console_errors(self):
        """The errors that the page wrote to the console so far."""
        self._console += self.driver.get_log("browser")
        return [entry["message"] for entry in self._console if entry["level"] == "SEVERE"]

    def requested(self):
        """Every address the browser asked for on the page's behalf so far:
        not for its own pages (chrome://), such as the tab it starts with."""
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                if not message["params"]["documentURL"].startswith("chrome://"):
                    self._requests.append(message["params"]["request"]["url"])
        return list(self._requests)

    def outside_requests(self):
        """The requested addresses that are neither the page's own files nor
        data held in the page (the WebAssembly is one)."""
        own = PAGE_FOLDER.as_uri() + "/"
        return [url for url in self.requested() if not url.startswith((own, "data:"))]
