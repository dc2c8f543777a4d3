"""The wolf, the goat and the cabbage on the page, as a user plays it: its
answer steps forward and back and plays to the end; its game is played to
the end from the keyboard, undone and redone; a trip the judge refuses
crosses nobody, says why, highlights the rule and frames those it
concerns."""

import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from webpage import PageTestCase, shipped_puzzle

WOLF = shipped_puzzle("wolf")
FARMER, WOLF_, GOAT, CABBAGE = (traveller["name"] for traveller in WOLF["traveller"])
START, FAR = WOLF["banks"]
GOAT_RULE = next(rule for rule in WOLF["rule"] if rule["who"] == GOAT)
# The classic crossing: 7 trips, each boarded and landed, after the start.
CROSSING = [(FARMER, GOAT), (FARMER,), (FARMER, WOLF_), (FARMER, GOAT), (FARMER, CABBAGE), (FARMER,), (FARMER, GOAT)]
STEPS = 2 * len(CROSSING) + 1


class PlayTest(PageTestCase):

    def setUp(self):
        super().setUp()
        self.page.choose("wolf")

    def step(self):
        step, steps = self.page.numbers("caption")
        self.assertEqual(steps, STEPS)
        self.assertEqual(self.page.element("slider").get_attribute("value"), str(step - 1))
        return step

    def test_the_answer_steps_forward_and_back(self):
        self.assertEqual((self.step(), len(self.page.place(START))), (1, 4))
        self.page.element("next").click()
        self.assertEqual((self.step(), self.page.place("舟")), (2, list(CROSSING[0])))
        self.page.element("next").click()
        self.page.element("previous").click()
        self.assertEqual(self.step(), 2)
        self.page.element("picture").click()
        self.page.keys(Keys.END)
        self.assertEqual((self.step(), len(self.page.place(FAR))), (STEPS, 4))
        self.page.keys(Keys.LEFT)
        self.assertEqual(self.step(), STEPS - 1)
        self.page.keys(Keys.HOME)
        self.assertEqual(self.step(), 1)

    def test_the_answer_plays_to_its_last_step(self):
        self.page.element("last").click()
        self.page.element("first").click()
        for _ in range(STEPS - 4):
            self.page.element("next").click()
        self.page.element("picture").click()
        self.page.keys(Keys.SPACE)
        self.assertEqual(self.page.element("play").get_attribute("aria-pressed"), "true")
        self.page.wait(lambda: self.page.element("play").get_attribute("aria-pressed") == "false")
        self.assertEqual((self.step(), len(self.page.place(FAR))), (STEPS, 4))

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

    def test_the_game_is_played_to_the_end_from_the_keyboard(self):
        self.page.element("show-game").click()
        self.page.tab_to_picture()
        for trip in CROSSING:
            for name in trip:
                self.focus_on(name)
                self.page.keys(Keys.SPACE)
            self.assertEqual(len(self.page.driver.find_elements(By.CSS_SELECTOR, '[aria-checked="true"]')), len(trip))
            self.page.keys(Keys.ENTER)
        self.assertEqual(self.page.place(START), [])
        self.assertEqual(self.page.numbers("caption")[0], len(CROSSING))
        self.assertFalse(self.page.element("cross").is_enabled())
        self.page.chord(Keys.CONTROL, "z")
        self.assertEqual((self.page.place(START), self.page.numbers("caption")[0]), ([FARMER, GOAT], 6))
        self.page.chord(Keys.CONTROL, "y")
        self.assertEqual((self.page.place(START), self.page.numbers("caption")[0]), ([], 7))

    def test_a_refused_trip_crosses_nobody_says_why_and_frames_those_concerned(self):
        self.page.element("show-game").click()
        self.page.click_traveller(FARMER)
        self.page.click_traveller(WOLF_)
        self.page.element("cross").click()
        # The goat would be left with the cabbage.
        self.assertEqual((len(self.page.place(START)), self.page.numbers("caption")[0]), (4, 0))
        highlighted = self.page.driver.find_element(By.CSS_SELECTOR, "#rules [aria-current]")
        for text in (self.page.text("sentence"), highlighted.text):
            self.assertIn(GOAT, text)
            self.assertIn(CABBAGE, text)
        framed = self.page.driver.find_elements(By.CSS_SELECTOR, "#picture .traveller.concerned .name")
        self.assertCountEqual([name.get_attribute("textContent") for name in framed],
                              [GOAT, *GOAT_RULE["from"], *GOAT_RULE["unless"]])


if __name__ == "__main__":
    unittest.main()
