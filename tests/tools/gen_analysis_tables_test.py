#!/usr/bin/env python3
"""The analysis rule generator refuses bad sources, naming the line at fault,
and derives sound keys and tries from a good one."""
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
GENERATOR = ROOT / "tools" / "gen_analysis_tables.py"

GOOD = """\
arule past-k style=plain,written
  c: jpos=VCk j~ "*k-"        do j~ "*k-" => "\\1i-"
  c: star cat=AUX
  c: cat=PAST                 do j:="ta"
"""


def compile_rules(text):
    with tempfile.TemporaryDirectory() as folder:
        source = pathlib.Path(folder) / "analysis.gram"
        source.write_text(text, encoding="utf-8")
        out = pathlib.Path(folder) / "analysis_tables.cpp"
        run = subprocess.run([sys.executable, str(GENERATOR), "--source", str(source), "--out", str(out)],
                             capture_output=True, text=True)
        return run.returncode, run.stderr, out.read_text(encoding="utf-8") if out.exists() else ""


def constituents(count):
    return "arule long\n" + "  c: cat=N\n" * count


class RefusesBadSources(unittest.TestCase):
    # (what, source, error, line)
    CASES = [
        ("unknown category", "arule a\n  c: cat=NOUNPHRASE\n", "unknown category 'NOUNPHRASE'", 2),
        ("category prefix naming nothing", "arule a\n  c: cat=QQ*\n", "unknown category 'QQ*'", 2),
        ("unknown Japanese part of speech", "arule a\n  c: jpos=VZ\n", "unknown Japanese part of speech", 2),
        ("unknown semantic atom", "arule a\n  c: sem=edible\n", "unknown semantic atom 'edible'", 2),
        ("unknown ancestor", "arule a\n  c: cat=N anc=\"PP XP\"\n", "unknown category 'XP'", 2),
        ("unknown created category", "arule a\n  c: cat=N do cat:=NOUNISH\n", "unknown category", 2),
        ("too many constituents", constituents(51), "more than 50 constituents", 52),
        ("copy slot past 5", "arule a\n  c: cat=N do copy 6\n", "outside 1 to 5", 2),
        ("feature operand past 2", "arule a\n  c: f3=S\n", "feature operand 3 is outside 0 to 2", 2),
        ("number rule not last", "arule a number\n  c: cat=N\narule b\n  c: cat=N\n", "number rules come last", 3),
        ("unknown test", "arule a\n  c: colour=red\n", "unknown test 'colour='", 2),
        ("unknown action", "arule a\n  c: cat=N do paint:=red\n", "unknown action 'paint:='", 2),
        ("unknown rule option", "arule a mood=good\n  c: cat=N\n", "unknown rule option", 1),
        ("unknown style", "arule a style=casual\n  c: cat=N\n", "style is plain, polite or written", 1),
        ("unknown statement", "rule a\n", "unknown statement 'rule'", 1),
        ("action on a star constituent", "arule a\n  c: cat=N\n  c: star cat=AUX do j:=\"\"\n", "takes no action", 3),
        ("paste without a place", "arule a\n  c: cat=N do paste 1\n", "paste needs after or before", 2),
        ("inner star in a string test", "arule a\n  c: j=a*b\n", "one '*'", 2),
        ("rule named twice", "arule a\n  c: cat=N\narule a\n  c: cat=N\n", "declared twice", 3),
        ("text without Shift-JIS", "arule a\n  c: cat=N do j:=\"\U0001F600\"\n", "no Shift-JIS form", 2),
        ("more keys than the region holds",
         "".join(f"arule r{i}\n  c: esurf=w{i}\n" for i in range(12 * 32)), "holds 383 keys", 767),
    ]

    def test_each_fault_is_refused_with_its_line(self):
        for what, source, error, line in self.CASES:
            with self.subTest(what):
                code, stderr, _ = compile_rules(source)
                self.assertEqual(code, 1, stderr)
                self.assertIn(f"analysis.gram:{line}:", stderr)
                self.assertIn(error, stderr)


class DerivesKeys(unittest.TestCase):
    def keys_of(self, source):
        code, stderr, cpp = compile_rules(source)
        self.assertEqual(code, 0, stderr)
        rows = re.findall(r"^    \{\d+, \d+, \d+, 0x[0-9a-f]+, \{[^}]*\}, 0x[0-9a-f]+, \{([^}]*)\}\},", cpp, re.M)
        return [[int(k) for k in row.split(", ") if k] for row in rows], cpp

    def test_a_rule_of_two_styles_is_two_table_rules_sharing_constituents(self):
        keys, cpp = self.keys_of(GOOD)
        self.assertEqual(len(keys), 2)
        self.assertEqual(keys[0], keys[1])
        self.assertIn("0x02, {}, 0x0", cpp)
        self.assertIn("0x04, {}, 0x0", cpp)
        self.assertIn("unsigned const kAnalConstitCount = 3;", cpp)

    def test_keys_come_only_from_tests_that_must_hold(self):
        # The star constituent and the wildcard with '?' give none; the
        # Japanese suffix is rarer than the part of speech, which is rarer
        # than the category.
        keys, _ = self.keys_of("arule a\n  c: jpos=VCk j~ \"*k-\"\n  c: star cat=AUX\n  c: cat=PAST j~ \"t?\"\n")
        jstr_backward, jpos_forward, constit_forward = 169 * 32, 104 * 32, 1 * 32
        self.assertEqual(len(keys[0]), 3)
        self.assertGreater(keys[0][0], jstr_backward)
        self.assertTrue(jpos_forward < keys[0][1] < jpos_forward + 9 * 32)
        self.assertTrue(constit_forward < keys[0][2] < constit_forward + 44 * 32)

    def test_ancestor_names_are_keys(self):
        keys, _ = self.keys_of("arule a\n  c: cat=TENSE anc=\"SQ S*\"\n")
        self.assertEqual(len(keys[0]), 3)

    def test_at_most_ten_keys(self):
        source = "arule a\n  c: cat=N\n" + "".join(f"  c: any cat=N j=w{i}\n" for i in range(12))
        keys, _ = self.keys_of(source)
        self.assertEqual(len(keys[0]), 10)

    def test_number_rules_start_where_the_table_says(self):
        _, cpp = self.keys_of(GOOD + "arule n number\n  c: cat=NUMBER\n")
        self.assertIn("unsigned const kFirstNumberRule = 2;", cpp)
        _, cpp = self.keys_of(GOOD)
        self.assertIn("unsigned const kFirstNumberRule = 2;", cpp)
        self.assertIn("unsigned const kAnalysisRuleCount = 2;", cpp)


if __name__ == "__main__":
    unittest.main()
