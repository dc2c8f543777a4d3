"""自分で解く on the page, as a user plays it: the wolf, the goat and the
cabbage from the keyboard to the end, undone and redone with Ctrl+Z and
Ctrl+Y; and a trip the judge refuses, which crosses nobody, says why and
frames those it concerns."""

import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from webpage import Page, shipped_puzzle

WOLF = shipped_puzzle("wolf")
FARMER, WOLF_, GOAT, CABBAGE = (traveller["name"] for traveller in WOLF["traveller"])
START, FAR = WOLF["banks"]
# The rule that keeps the goat from the cabbage.
GOAT_RULE = next(rule for rule in WOLF["rule"] if rule["who"] == GOAT)
# The classic crossing, in its 7 trips.
CROSSING = [(FARMER, GOAT), (FARMER,), (FARMER, WOLF_), (FARMER, GOAT), (FARMER, CABBAGE), (FARMER,), (FARMER, GOAT)]


class GameTest(unittest.TestCase):

    def setUp(self):
        self.page = Page()
        self.addCleanup(self.page.__exit__)
        self.page.choose("wolf")
        self.page.element("show-game").click()

    def move(self, key):
        before = self.page.focused()
        self.page.keys(key)
        return self.page.focused() != before

    def focus_on(self, name):
        """Walks the focus ring row by row, by the arrows, to a traveller."""
        self.page.keys(Keys.HOME)
        while self.page.focused() != name:
            while self.move(Keys.LEFT):
                pass
            while self.page.focused() != name and self.move(Keys.RIGHT):
                pass
            if self.page.focused() != name and not self.move(Keys.DOWN):
                self.fail(f"the arrows never reached {name}")

    def test_plays_the_wolf_to_the_end_from_the_keyboard(self):
        self.page.tab_to_picture()
        for trip in CROSSING:
            for name in trip:
                self.focus_on(name)
                self.page.keys(Keys.SPACE)
            self.assertEqual(len(self.page.driver.find_elements(By.CSS_SELECTOR, '[aria-checked="true"]')), len(trip))
            self.page.keys(Keys.ENTER)
        self.assertEqual(self.page.place(START), [])
        self.assertCountEqual(self.page.place(FAR), [FARMER, WOLF_, GOAT, CABBAGE])
        self.assertEqual(self.page.numbers("caption")[0], 7)
        self.assertFalse(self.page.element("cross").is_enabled())

        self.page.chord(Keys.CONTROL, "z")
        self.assertCountEqual(self.page.place(START), [FARMER, GOAT])
        self.assertEqual(self.page.numbers("caption")[0], 6)
        self.page.chord(Keys.CONTROL, "y")
        self.assertEqual(self.page.place(START), [])
        self.assertEqual(self.page.numbers("caption")[0], 7)

    def test_a_refused_trip_crosses_nobody_says_why_and_frames_those_concerned(self):
        self.page.click_traveller(FARMER)
        self.page.click_traveller(WOLF_)
        self.page.element("cross").click()
        # The goat would be left with the cabbage.
        self.assertCountEqual(self.page.place(START), [FARMER, WOLF_, GOAT, CABBAGE])
        self.assertEqual(self.page.numbers("caption")[0], 0)
        highlighted = self.page.driver.find_element(By.CSS_SELECTOR, "#rules [aria-current]")
        for text in (self.page.text("sentence"), highlighted.text):
            self.assertIn(GOAT, text)
            self.assertIn(CABBAGE, text)
        framed = self.page.driver.find_elements(By.CSS_SELECTOR, "#picture .traveller.concerned .name")
        self.assertCountEqual([name.get_attribute("textContent") for name in framed],
                              [GOAT, *GOAT_RULE["from"], *GOAT_RULE["unless"]])


if __name__ == "__main__":
    unittest.main()
