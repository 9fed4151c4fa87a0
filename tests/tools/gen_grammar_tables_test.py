#!/usr/bin/env python3
"""The grammar generator refuses bad sources, naming the line at fault, and
compiles a good one whose dump reads back to the same tables."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
GENERATOR = ROOT / "tools" / "gen_grammar_tables.py"

CATEGORIES = """\
cat 0 <<BAD>>
cat 22 N
cat 26 NP
cat 42 S
cat 51 VI01
cat 54 VT01
cat 82 ART
"""
FEATURES = """\
featset 1 NOUN
  pos num 2 S=10 P=01 M=11 default S
featset 2 VERB
  pos num 2 S=10 P=01 M=11
  pos tense 2 0=00 1=01 2=10 default 0
sets N NOUN - -
sets NP NOUN - -
sets VI01 VERB - -
sets VT01 VERB NOUN FREE
sets S VERB - -
"""
RULES = """\
free with
rule 1 NP -> N
  copy 0 <- 1.0
rule 2 S -> NP VI01
  agree 1.0.num 2.0.num
  copy 0 <- 2.0
  sem selres 1.0 2.0
"""


def compile_grammar(rules, categories=CATEGORIES):
    with tempfile.TemporaryDirectory() as folder:
        source = pathlib.Path(folder) / "grammar"
        source.mkdir()
        (source / "categories.gram").write_text(categories)
        (source / "features.gram").write_text(FEATURES)
        (source / "rules.gram").write_text(rules)
        out = pathlib.Path(folder) / "out"
        run = subprocess.run([sys.executable, str(GENERATOR), "--source", str(source), "--out", str(out)],
                             capture_output=True, text=True)
        dump = (out / "engine" / "parse" / "grammar.dump")
        return run.returncode, run.stderr, dump.read_text() if dump.exists() else ""


class RefusesBadSources(unittest.TestCase):
    # (what, text added to the rules or None, categories or None, error, line)
    CASES = [
        ("unary cycle", "rule 3 S -> NP\nrule 4 NP -> S\n", None, "cycle", "rules.gram:[89]"),
        ("positive unary probability", "rule 3 S -> NP p 0.5\n", None, "positive probability", "rules.gram:8"),
        ("feature operation after a semantic one",
         "rule 3 S -> NP VT01\n  sem selres 1.0 2.0\n  copy 0 <- 2.0\n", None, "before the semantic", "rules.gram:10"),
        ("two-daughter operation in a unary rule", "rule 3 S -> VI01\n  sem selres 1.0 2.0\n", None,
         "two daughters", "rules.gram:9"),
        ("copy from a right daughter in a unary rule", "rule 3 S -> VI01\n  copy 0 <- 2.0\n", None,
         "daughter 2 is outside", "rules.gram:9"),
        ("test naming another set than the slot's", "rule 3 S -> NP VI01\n  test 1.0 VERB: num=S\n", None,
         "slot holds set NOUN", "rules.gram:9"),
        ("test on a slot without a set", "rule 3 S -> NP VI01\n  test 1.1 num=S\n", None,
         "holds no feature set", "rules.gram:9"),
        ("position of another set", "rule 3 S -> NP VI01\n  test 2.0 +tense=1\n  test 1.0 tense=1\n", None,
         "no position 'tense'", "rules.gram:10"),
        ("copy between different sets", "rule 3 S -> NP VI01\n  copy 0 <- 1.0\n", None,
         "holds set VERB, not NOUN", "rules.gram:9"),
        ("category 14999", "", CATEGORIES + "cat 14999 ODD\n", "14999 is never assigned", "categories.gram:8"),
        ("pinned code reused", "", CATEGORIES + "cat 22 M\n", "already pinned to N", "categories.gram:8"),
        ("terms differ from daughters", "rule 3 S -> NP VI01\n  terms - - -\n", None, "3 daughter terms for 2",
         "rules.gram:8"),
        ("rule id past u16", "rule 70000 S -> NP VI01\n", None, "outside 1 to 65534", "rules.gram:8"),
        ("probability past i16", "rule 3 S -> NP VI01 p 20\n", None, "past the i16 range", "rules.gram:8"),
        ("smallest start word past u8", "rule 3 S -> NP VI01 minstart 300\n", None, "outside 0 to 255",
         "rules.gram:8"),
        ("unknown conversion code", "rule 3 S -> NP VI01\n  cc CC63\n", None, "no conversion code",
         "rules.gram:9"),
        ("digit code not one per child", "rule 3 S -> NP VI01\n  cc 213\n", None, "one digit per child",
         "rules.gram:9"),
        ("digit code repeating a child", "rule 3 S -> NP VI01\n  cc | 11\n", None, "repeats a child",
         "rules.gram:9"),
        ("digit code naming a child past its length", "rule 3 S -> NP VI01\n  cc | 31\n", None,
         "past its own 2 terms", "rules.gram:9"),
        ("special code creating an undeclared category", "rule 3 S -> NP VI01\n  cc | CC67\n", None,
         "category Dat_ni", "rules.gram:9"),
        ("repeated rule id", "rule 2 S -> NP VT01\n", None, "used twice", "rules.gram:8"),
        ("undeclared free feature", "rule 3 S -> NP VT01\n  test 2.2 without\n", None, "free feature",
         "rules.gram:9"),
        ("glue pieces without glue nodes", "glue S 1\n", None, "names no glue nodes", "rules.gram:8"),
        ("glue piece named twice", "gluenodes S S S\nglue S 1\nglue S 2\n", None, "glue piece twice",
         "rules.gram:10"),
        ("no whole-sentence glue piece", "gluenodes S S S\nglue NP 3\n", None, "no glue piece of cost 1",
         "rules.gram:8"),
        ("comma list parent not primed", "commalist NP NP NP\n", None, "PARENT' PARENT", "rules.gram:8"),
    ]

    def test_each_fault_is_refused_with_its_line(self):
        for what, added, categories, error, line in self.CASES:
            with self.subTest(what):
                code, stderr, _ = compile_grammar(RULES + added, categories or CATEGORIES)
                self.assertEqual(code, 2, stderr)
                self.assertRegex(stderr, line + ":")
                self.assertIn(error, stderr)


class CompilesGoodSources(unittest.TestCase):
    def test_long_rules_split_over_temporary_categories(self):
        code, stderr, dump = compile_grammar(RULES + "rule 3 S -> NP VT01 NP N p -0.5\n  test 4.0 num=S\n"
                                             "  alt dialog -0.1\n")
        self.assertEqual(code, 0, stderr)
        self.assertIn("# ~15000 <- NP VT01 (rule 3)", dump)
        self.assertIn("# ~15001 <- ~15000 NP (rule 3)", dump)
        self.assertIn("# S <- ~15001 N (rule 3)", dump)
        self.assertIn("size kRuleIndex 15002", dump)
        self.assertIn('alt 0 3 -205 "dialog"', dump)


if __name__ == "__main__":
    unittest.main()
