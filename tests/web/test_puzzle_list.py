"""The page, opened from file://, lists the built-in puzzle and the shipped
ones, each with what the back end says of its solution, and makes no
request but for its own files."""

import os
import pathlib
import tomllib
import unittest

from selenium.webdriver.common.by import By

from webpage import PAGE_FOLDER, Page

SHIPPED_FOLDER = pathlib.Path(os.environ["TORVALY_SHIPPED_PUZZLES"])

# The fewest trips of each puzzle: the built-in puzzle's 23, and the three
# classics' well-known answers.
FEWEST_TRIPS = {"torvaly": 23, "couples": 11, "missionaries": 11, "wolf": 7}


class PuzzleListTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.page = Page()
        cls.addClassCleanup(cls.page.__exit__)
        cls.page.wait_until_ready()
        cls.items = cls.page.driver.find_elements(By.CSS_SELECTOR, "#puzzles li")

    def shown(self, part):
        return {item.get_attribute("data-name"): item.find_element(By.CLASS_NAME, part).text for item in self.items}

    def test_lists_the_built_in_puzzle_then_the_shipped_ones_by_name(self):
        files = sorted(SHIPPED_FOLDER.glob("*.crossing.toml"))
        names = ["torvaly"] + [file.name.removesuffix(".crossing.toml") for file in files]
        self.assertEqual([item.get_attribute("data-name") for item in self.items], names)
        titles = ["Torvalyパズル"] + [tomllib.loads(file.read_text(encoding="utf-8"))["title"] for file in files]
        self.assertEqual(list(self.shown("title").values()), titles)

    def test_gives_each_puzzle_its_fewest_trips_and_shortest_plans(self):
        summaries = self.shown("summary")
        self.assertEqual(summaries["wolf"], "最短 7 回・最短の渡り方 2 通り")
        for name, trips in FEWEST_TRIPS.items():
            self.assertRegex(summaries[name], f"^最短 {trips} 回・最短の渡り方 [1-9][0-9]* 通り")

    def test_loads_only_its_own_files_and_writes_no_error(self):
        self.assertIn((PAGE_FOLDER / "torvaly-web.js").as_uri(), self.page.requested())
        self.assertEqual(self.page.outside_requests(), [])
        self.assertEqual(self.page.console_errors(), [])


if __name__ == "__main__":
    unittest.main()
