"""The page's answer to every shipped puzzle is torvaly-solve's: the best
(the fewest trips, or the least time), the number of best plans, also by
type, and the first best plan, trip by trip."""

import json
import os
import subprocess
import unittest

from webpage import SHIPPED_FOLDER, Page


def native_answer(name):
    run = subprocess.run([os.environ["TORVALY_SOLVE"], "--puzzle", name, "--json"], capture_output=True, check=True)
    return json.loads(run.stdout)


class AgreementTest(unittest.TestCase):

    def test_every_shipped_puzzle_is_answered_as_torvaly_solve_answers_it(self):
        with Page() as page:
            for file in sorted(SHIPPED_FOLDER.glob("*.crossing.toml")):
                name = file.name.removesuffix(".crossing.toml")
                with self.subTest(name):
                    native = native_answer(name)
                    page.choose(name)
                    best = "fastest" if native.get("fastest") is not None else "shortest"
                    counts = page.numbers("summary")
                    self.assertEqual(counts[:2], [native[best], native[f"{best}_plans"]])
                    # The count by type, where the puzzle declares types.
                    self.assertEqual(counts[2:], [native[f"{best}_plans_by_type"]] if "types" in native["puzzle"] else [])
                    trips = [f"{trip['trip']} {trip['direction']} {' '.join(trip['travellers'])}"
                             for trip in native["trips"]]
                    self.assertEqual(page.text("trip-list").splitlines(), trips)
                    self.assertEqual(page.numbers("caption")[1], 2 * len(trips) + 1)


if __name__ == "__main__":
    unittest.main()
