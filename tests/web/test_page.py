"""The page, opened from file://, offers the built-in puzzle and the shipped
ones, each with its best; a puzzle file chosen or dropped that cannot be
used is refused with the reader's reason, at its line and column; and the
page asks for nothing but its own files."""

import pathlib
import tempfile
import unittest

from webpage import PAGE_FOLDER, SHIPPED_FOLDER, PageTestCase, shipped_puzzle


class PageTest(PageTestCase):

    def test_offers_the_built_in_puzzle_then_the_shipped_ones_by_name_with_their_best(self):
        names = sorted(file.name.removesuffix(".crossing.toml") for file in SHIPPED_FOLDER.glob("*.crossing.toml"))
        self.assertEqual(self.page.puzzle_names(), ["torvaly"] + names)
        labels = [option.text for option in self.page.element("chooser").find_elements("tag name", "option")]
        for name, label in zip(names, labels[1:]):
            self.assertTrue(label.startswith(shipped_puzzle(name)["title"]), label)
        # The well-known answers: 23 trips, the wolf's 7, the four at night's 17 minutes.
        self.assertRegex(labels[0], r"\b23\b")
        self.assertRegex(labels[1 + names.index("wolf")], r"\b7\b")
        self.assertRegex(labels[1 + names.index("night")], r"\b17\b")

    def assert_refused(self, file, line, column):
        self.assertRegex(self.page.text("notice"), rf"{file}\D+{line}\D+{column}\D")
        self.assertEqual(self.page.element("chooser").get_attribute("value"), "0")
        self.assertEqual(len(self.page.puzzle_names()), 1 + len(list(SHIPPED_FOLDER.glob("*.crossing.toml"))))

    def test_a_chosen_file_that_cannot_be_used_is_refused_at_its_line_and_column(self):
        with tempfile.TemporaryDirectory() as folder:
            file = pathlib.Path(folder) / "boat.crossing.toml"
            file.write_text('title = "舟"\nseats = 9\n', encoding="utf-8")
            self.page.element("file").send_keys(str(file))
            self.page.wait(lambda: self.page.text("notice"))
        self.assert_refused("boat.crossing.toml", 2, 9)

    def test_a_dropped_file_that_is_not_utf8_is_refused_at_its_line_and_column(self):
        self.page.driver.execute_script("""
            const files = new DataTransfer();
            files.items.add(new File([new Uint8Array(arguments[0])], "bytes.crossing.toml"));
            document.getElementById("picture").dispatchEvent(
                new DragEvent("drop", { dataTransfer: files, bubbles: true, cancelable: true }));
        """, list('seats = 2\ntitle = "ab\xff"\n'.encode("latin-1")))
        self.page.wait(lambda: self.page.text("notice"))
        self.assert_refused("bytes.crossing.toml", 2, 12)

    def test_loads_only_its_own_files_and_writes_no_error(self):
        self.assertIn((PAGE_FOLDER / "torvaly-web.js").as_uri(), self.page.requested())
        self.page.choose("wolf")
        self.page.element("show-game").click()
        self.assertEqual(self.page.outside_requests(), [])
        self.assertEqual(self.page.console_errors(), [])


if __name__ == "__main__":
    unittest.main()
