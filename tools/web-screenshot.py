"""Takes the README's picture of the web page: the wolf, the goat and the
cabbage after three trips, with a fourth one refused, in a headless
chromium, light colours, 1100 by 900 pixels. The page is opened from a copy
in /tmp/torvaly-puzzle/web, so that its address names no checkout.
    tools/web.sh && /usr/bin/python3 tools/web-screenshot.py docs/web-page.png"""

import os
import pathlib
import shutil
import sys

top = pathlib.Path(__file__).resolve().parent.parent
page_copy = pathlib.Path("/tmp/torvaly-puzzle/web")
shutil.rmtree(page_copy, ignore_errors=True)
shutil.copytree(top / "build" / "web" / "page", page_copy)
os.environ.update(TORVALY_WEB_PAGE=str(page_copy), TORVALY_SHIPPED_PUZZLES=str(top / "puzzle" / "shipped"),
                  TORVALY_CHROMIUM=shutil.which("chromium"), TORVALY_CHROMEDRIVER=shutil.which("chromedriver"))
sys.path.insert(0, str(top / "tests" / "web"))
from webpage import Page, shipped_puzzle  # noqa: E402

FARMER, WOLF, GOAT, CABBAGE = (traveller["name"] for traveller in shipped_puzzle("wolf")["traveller"])

with Page() as page:
    page.driver.set_window_size(1100, 900)
    page.choose("wolf")
    page.element("show-game").click()
    for trip in ((FARMER, GOAT), (FARMER,), (FARMER, CABBAGE), (FARMER,)):
        for name in trip:
            page.click_traveller(name)
        page.element("cross").click()
    page.wait(lambda: "moving" not in page.element("picture").get_attribute("class"))
    page.driver.save_screenshot(sys.argv[1])
shutil.rmtree(page_copy)
