"""答えを見る on the page: the wolf's answer steps forward and back by its
buttons, its keys and its slider, and plays to its last step."""

import unittest

from selenium.webdriver.common.keys import Keys

from webpage import Page, shipped_puzzle

WOLF = shipped_puzzle("wolf")
FARMER, _, GOAT, _ = (traveller["name"] for traveller in WOLF["traveller"])
START, FAR = WOLF["banks"]
# Seven trips, each boarded and landed, after the start.
STEPS = 15


class AnswerTest(unittest.TestCase):

    def setUp(self):
        self.page = Page()
        self.addCleanup(self.page.__exit__)
        self.page.choose("wolf")

    def step(self):
        step, steps = self.page.numbers("caption")
        self.assertEqual(steps, STEPS)
        self.assertEqual(self.page.element("slider").get_attribute("value"), str(step - 1))
        return step

    def test_steps_forward_and_back(self):
        self.assertEqual(self.step(), 1)
        self.assertEqual(len(self.page.place(START)), 4)
        self.page.element("next").click()
        # The only first trip that leaves nobody in danger.
        self.assertEqual(self.step(), 2)
        self.assertEqual(self.page.place("舟"), [FARMER, GOAT])
        self.page.element("next").click()
        self.assertEqual(self.page.place(FAR), [FARMER, GOAT])
        self.page.element("previous").click()
        self.assertEqual(self.step(), 2)
        self.page.element("picture").click()
        self.page.keys(Keys.END)
        self.assertEqual(self.step(), STEPS)
        self.assertEqual(len(self.page.place(FAR)), 4)
        self.page.keys(Keys.LEFT)
        self.assertEqual(self.step(), STEPS - 1)
        self.page.keys(Keys.HOME)
        self.assertEqual(self.step(), 1)
        self.page.element("last").click()
        self.page.element("first").click()
        self.assertEqual(self.step(), 1)

    def test_plays_to_the_last_step_and_stops(self):
        for _ in range(STEPS - 4):
            self.page.element("next").click()
        self.page.element("picture").click()
        self.page.keys(Keys.SPACE)
        self.assertEqual(self.page.element("play").get_attribute("aria-pressed"), "true")
        self.page.wait(lambda: self.page.element("play").get_attribute("aria-pressed") == "false")
        self.assertEqual(self.step(), STEPS)
        self.assertEqual(len(self.page.place(FAR)), 4)


if __name__ == "__main__":
    unittest.main()
