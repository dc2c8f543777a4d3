"""Times the web page's opening from file:// in a headless chromium: from the
start of the navigation until the page marks itself ready (the back end has
answered and the page shows the built-in puzzle, ready to play), in a new
browser each run, as the browser tests open it (tests/web/webpage.py).
Prints the median, least and most in milliseconds.
    TORVALY_WEB_PAGE=... TORVALY_CHROMIUM=... TORVALY_CHROMEDRIVER=... python3 bench/web_page.py [RUNS]"""

import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from webpage import Page  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 7
times = []
for _ in range(runs):
    with Page() as page:
        times.append(page.driver.execute_script('return performance.getEntriesByName("ready")[0].startTime'))
print(f"{statistics.median(times):.0f} ms (median of {runs}; {min(times):.0f} to {max(times):.0f} ms)")
