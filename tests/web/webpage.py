"""The web page in a headless chromium, as the browser tests open it: from
file://, in a fresh profile, keeping what the page wrote to the console and
every address the browser asked for on its behalf; and what a user sees and
does there.

The tests find the page's folder, the browser and its driver in the
environment that CTest gives them (tests/web/CMakeLists.txt)."""

import json
import os
import pathlib
import re
import tempfile
import tomllib
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

PAGE_FOLDER = pathlib.Path(os.environ["TORVALY_WEB_PAGE"]).resolve()
SHIPPED_FOLDER = pathlib.Path(os.environ["TORVALY_SHIPPED_PUZZLES"])

# Headless, as root, and with none of the browser's own traffic (updates,
# sync, field trials) that would blur what the page asks for.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]

# How long the page may take to do what a test waits for before the test
# fails; a safeguard against a hang, not a measure of speed.
WAIT_SECONDS = 30


def shipped_puzzle(name):
    """A shipped puzzle file as TOML, read apart from the program."""
    return tomllib.loads((SHIPPED_FOLDER / f"{name}.crossing.toml").read_text(encoding="utf-8"))


class Page:
    """The page opened in a new browser, at a fragment of its address; use
    it in a with statement."""

    def __init__(self, fragment=""):
        self._profile = tempfile.TemporaryDirectory(prefix="torvaly-web-profile-", ignore_cleanup_errors=True)
        options = webdriver.ChromeOptions()
        options.binary_location = os.environ["TORVALY_CHROMIUM"]
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self._profile.name]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        self.driver = webdriver.Chrome(service=Service(os.environ["TORVALY_CHROMEDRIVER"]), options=options)
        self.driver.set_window_size(1280, 1000)
        self._console = []
        self._requests = []
        self.open(self.address(fragment))

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.driver.quit()
        self._profile.cleanup()

    @staticmethod
    def address(fragment):
        return (PAGE_FOLDER / "index.html").as_uri() + (f"#{fragment}" if fragment else "")

    def open(self, address):
        """Opens an address, in this tab, as a new page, and waits until it
        is ready; fails at once if the page writes an error first."""
        self.driver.get("about:blank")
        self.driver.get(address)

        def ready(driver):
            return driver.find_elements(By.CSS_SELECTOR, '#page[aria-busy="false"]')

        WebDriverWait(self.driver, WAIT_SECONDS).until(lambda driver: ready(driver) or self.console_errors())
        if not ready(self.driver):
            raise AssertionError(f"the page wrote errors before it was ready: {self.console_errors()}")

    def wait(self, condition):
        return WebDriverWait(self.driver, WAIT_SECONDS).until(lambda driver: condition())

    def element(self, id):
        return self.driver.find_element(By.ID, id)

    def text(self, id):
        return self.element(id).get_attribute("textContent")

    def numbers(self, id):
        """The numbers in an element's text, such as a counter's."""
        return [int(number) for number in re.findall(r"\d+", self.text(id))]

    def choose(self, name):
        Select(self.element("chooser")).select_by_index(self.puzzle_names().index(name))

    def puzzle_names(self):
        return [option.get_attribute("data-name") for option in Select(self.element("chooser")).options]

    def place(self, name):
        """The travellers in the list that screen readers find named name."""
        items = f'#picture [role="list"][aria-label="{name}"] [aria-label]'
        return [item.get_attribute("aria-label") for item in self.driver.find_elements(By.CSS_SELECTOR, items)]

    def places(self):
        lists = self.driver.find_elements(By.CSS_SELECTOR, '#picture [role="list"]')
        return {place.get_attribute("aria-label"): self.place(place.get_attribute("aria-label")) for place in lists}

    def click_traveller(self, name):
        self.driver.find_element(By.CSS_SELECTOR, f'#picture [role="checkbox"][aria-label="{name}"]').click()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def tab_to_picture(self):
        for _ in range(20):
            if self.driver.switch_to.active_element.get_attribute("id") == "picture":
                return
            self.keys(Keys.TAB)
        raise AssertionError("Tab never reached the picture")

    def focused(self):
        """The traveller in the picture's focus ring."""
        focused = self.element("picture").get_attribute("aria-activedescendant")
        return self.element(focused).get_attribute("aria-label") if focused else None

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
        return [url for url in self.requested() if not url.startswith((own, "data:", "about:blank"))]


class PageTestCase(unittest.TestCase):
    """Tests that share one browser, each starting on the page as opened."""

    @classmethod
    def setUpClass(cls):
        cls.page = Page()
        cls.addClassCleanup(cls.page.__exit__)

    def setUp(self):
        self.page.open(self.page.address(""))
