"""Links: the address that リンクをコピー gives, opened as a new page, shows
the same puzzle at the same position, for every shipped puzzle, for a
puzzle file of sixteen travellers, and for a step of the answer; a link
whose puzzle cannot be used says why, and the page shows the built-in
puzzle."""

import pathlib
import tempfile
import unittest

from webpage import SHIPPED_FOLDER, PageTestCase


def sixteen_travellers():
    """A puzzle file of sixteen, who all row, in a boat of two, with a rule
    of each kind."""
    lines = ['title = "十六人"', 'banks = ["東", "西"]', "seats = 2"]
    for traveller in range(1, 17):
        lines += ["[[traveller]]", f'name = "T{traveller}"', "rows = true"]
    lines += ['[[rule]]', 'kind = "apart"', 'who = "T1"', 'from = ["T2"]', 'unless = ["T3"]',
              '[[rule]]', 'kind = "with"', 'who = "T4"', 'of = ["T5", "T6"]',
              '[[rule]]', 'kind = "alone"', 'who = "T7"', 'unless = ["T8"]', 'where = "boat"',
              '[[rule]]', 'kind = "outnumbered"', 'group = ["T9", "T12"]', 'by = ["T10", "T11"]']
    return "\n".join(lines) + "\n"


class LinkTest(PageTestCase):

    def shown(self):
        page = self.page
        return (page.driver.title, page.text("caption"), page.text("sentence"), page.places(), page.text("rules"),
                page.element("show-game").get_attribute("aria-pressed"))

    def assert_link_keeps(self):
        """The link made by リンクをコピー, opened as a new page, shows what
        this page shows."""
        page = self.page
        page.element("copy-link").click()
        link = page.wait(lambda: page.element("link").get_attribute("value"))
        before = self.shown()
        page.open(link)
        self.assertEqual(self.shown(), before)
        self.assertEqual(page.text("notice"), "")

    def make_first_trip_of_the_answer(self):
        self.page.element("next").click()
        first_trip = self.page.place("舟")
        self.page.element("show-game").click()
        for name in first_trip:
            self.page.click_traveller(name)
        self.page.element("cross").click()
        self.assertEqual(self.page.numbers("caption")[0], 1)

    def test_every_shipped_puzzle_and_its_trips_round_trip(self):
        for file in sorted(SHIPPED_FOLDER.glob("*.crossing.toml")):
            with self.subTest(file.name):
                self.page.open(self.page.address(""))
                self.page.choose(file.name.removesuffix(".crossing.toml"))
                self.make_first_trip_of_the_answer()
                self.assert_link_keeps()

    def test_a_file_of_sixteen_travellers_and_its_trips_round_trip(self):
        with tempfile.TemporaryDirectory() as folder:
            file = pathlib.Path(folder) / "sixteen.crossing.toml"
            file.write_text(sixteen_travellers(), encoding="utf-8")
            self.page.element("file").send_keys(str(file))
            self.page.wait(lambda: self.page.driver.title.endswith("十六人"))
        self.make_first_trip_of_the_answer()
        self.assert_link_keeps()
        self.assertEqual(len(self.page.place("東")) + len(self.page.place("西")), 16)

    def test_a_step_of_the_answer_round_trips(self):
        self.page.choose("night")
        for _ in range(3):
            self.page.element("next").click()
        self.assert_link_keeps()
        self.assertEqual(self.page.numbers("caption")[0], 4)

    def test_a_link_that_cannot_be_used_says_why_and_shows_the_built_in_puzzle(self):
        for fragment, reason in (("wolves&trips=1", "wolves"), ("file=AAAA&name=mine.crossing.toml", "")):
            with self.subTest(fragment):
                self.page.open(self.page.address(fragment))
                self.assertIn(reason, self.page.text("notice"))
                self.assertNotEqual(self.page.text("notice"), "")
                self.assertEqual(self.page.element("chooser").get_attribute("value"), "0")
                self.assertEqual(self.page.numbers("caption")[0], 1)


if __name__ == "__main__":
    unittest.main()
