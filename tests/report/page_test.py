# SPDX-License-Identifier: GPL-3.0-or-later
"""The comparison page of the two example databases: a strict HTML5 reading, nothing from
outside, and the numbers that `diff --csv` and `check --format csv` print, run here on their own.

usage: page_test.py TABULON_BATCH EXAMPLES_DIR"""

import csv
import io
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import strict_html  # noqa: E402

BATCH, EXAMPLES = sys.argv[1], sys.argv[2]
DB1, DB2 = os.path.join(EXAMPLES, "therm_a.dat"), os.path.join(EXAMPLES, "therm_b.dat")


def batch(*args, status=0):
    run = subprocess.run([BATCH, *args], capture_output=True, timeout=60)
    assert run.returncode == status, (args, run.returncode, run.stderr)
    return run.stdout.decode("latin-1")


def cells(row):
    return [c for c in row.children if isinstance(c, strict_html.Element)]


class ExamplePage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as scratch:
            page = os.path.join(scratch, "page.html")
            batch("report", DB1, DB2, "--out", page)
            with open(page, "rb") as f:
                cls.bytes = f.read()
        cls.text = cls.bytes.decode("utf-8")
        cls.tree, cls.errors = strict_html.parse(cls.bytes)
        cls.diff = list(csv.DictReader(io.StringIO(batch("diff", DB1, DB2, "--csv"))))
        cls.checks = [list(csv.DictReader(io.StringIO(batch("check", db, "--format", "csv",
                                                            status=status))))
                      for db, status in ((DB1, 0), (DB2, 1))]

    def test_parses_as_html5_without_errors(self):
        self.assertEqual(self.errors, [])
        self.assertTrue(self.text.startswith("<!DOCTYPE html>"))

    def test_refers_to_nothing_outside_itself(self):
        self.assertEqual(strict_html.external_references(self.text), [])

    def test_counts_of_the_name_sets(self):
        species = self.tree.find("section", id="species")
        counts = [c.text() for c in cells(species.find("tbody").find("tr"))]
        self.assertEqual(counts, [str(len(self.diff)), "3", "3"])

    def test_deviation_rows_hold_the_values_diff_gives(self):
        table = self.tree.find("table", id="deviation-table")
        rows = {cells(tr)[0].text(): cells(tr)[1:] for tr in table.find("tbody").iter("tr")}
        self.assertEqual(sorted(rows), sorted(r["name"] for r in self.diff))
        for expected in self.diff:
            with self.subTest(expected["name"]):
                row = rows[expected["name"]]
                self.assertEqual([row[0].text(), row[1].text()], [expected["t_from"], expected["t_to"]])
                for k, key in enumerate(["dcp", "dh", "ds"]):
                    value, at = row[2 + 2 * k], row[3 + 2 * k]
                    self.assertEqual(value.attrs["title"], expected[key + "_max"])
                    self.assertEqual(value.text().split()[0],
                                     format(float(expected[key + "_max"]), ".4g"))
                    self.assertEqual(at.text(), expected[key + "_t"])
        # The two rows of the walk-through, written out.
        self.assertEqual(rows["H2O"][2].attrs["title"], "0.012901971537397472")
        self.assertEqual(rows["CH4"][2].text(), "0.06162")

    def test_one_drawing_with_its_paths_per_species_that_differs(self):
        differing = [r["name"] for r in self.diff
                     if any(float(r[k]) != 0 for k in ("dcp_max", "dh_max", "ds_max"))]
        plots = [s for s in self.tree.find("section", id="plots").iter("section")]
        self.assertEqual(sorted(s.find("h3").text() for s in plots), sorted(differing))
        self.assertEqual(len(list(self.tree.iter("svg"))), len(differing))
        for section in plots:
            svgs = list(section.iter("svg"))
            self.assertEqual(len(svgs), 1)
            # Four charts, each: two records of four pieces, a dashed line and a legend sample
            # each, and the grid.
            self.assertEqual(len(list(svgs[0].iter("path"))), 4 * (2 * (4 + 1 + 1) + 1))

    def test_check_findings_are_those_of_check(self):
        findings = self.tree.find("section", id="checks")
        shown = [[c.text() for c in cells(tr)] for tr in findings.iter("tr")
                 if cells(tr)[0].tag == "td"]
        expected = [[f["line"], f["name"], f["detail"]] for rows in self.checks for f in rows]
        self.assertEqual(shown, expected)
        self.assertEqual(len(expected), 1)  # CO2 twice in therm_b.dat


class StrictReading(unittest.TestCase):
    """The strict reading finds each kind of fault it promises, so a page it accepts is clean."""
    HEAD = "<!DOCTYPE html><html><head><title>t</title></head><body>"

    def test_each_fault_is_found(self):
        faults = [
            ("<p>open", "</body> closes <p>"),
            ("<p><b>x</p></b>", "</p> closes <b>"),
            ("<p id=a></p><p id=a></p>", "id 'a' used twice"),
            ("<blink></blink>", "unknown element <blink>"),
            ("<p>a & b</p>", "a bare &"),
            ("<div/>", "<div/> closes itself outside SVG"),
            ("<table><td></td></table>", "<td> inside <table>"),
            ("<p class=a class=b></p>", "an attribute repeated in <p>"),
            ("<br></br>", "end tag of the void element br"),
        ]
        for body, expected in faults:
            with self.subTest(body):
                _, errors = strict_html.parse((self.HEAD + body + "</body></html>").encode())
                self.assertTrue(errors)  # the first one names the fault; others may follow
                self.assertIn(expected, errors[0])
        _, errors = strict_html.parse((self.HEAD + "<p>fine &amp; well</p></body></html>").encode())
        self.assertEqual(errors, [])

    def test_each_reference_outside_is_found(self):
        for text in ['<img src="a.png">', '<a href="https://x">', '@import "a.css";',
                     'background: url(a.png)', "<a href='b.html'>"]:
            with self.subTest(text):
                self.assertEqual(len(strict_html.external_references(text)), 1)
        self.assertEqual(strict_html.external_references('<a href="#plots">'), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
