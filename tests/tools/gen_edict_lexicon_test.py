#!/usr/bin/env python3
"""The EDICT lexicon generator on a small EDICT of its own: only common
entries, one-word glosses (nouns up to two words), the conjugation class and
transitivity from the tags, the core lexicon's words left to it, main
meanings and shorter Japanese first, and irregular English forms from
WordNet."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
GENERATOR = ROOT / "tools" / "gen_edict_lexicon.py"

EDICT = """\
　？？？ /EDICT header/
書く [かく] /(v5k,vt) (1) to write/to compose/(P)/
行く [いく] /(v5k-s,vi) to go/to move/(P)/
走る [はしる] /(v5r,vi) (1) to run/(2) to travel (movement of vehicles)/(P)/
泳ぐ [およぐ] /(v5g,vi) to swim/(P)/
勉強 [べんきょう] /(n,vs) (1) study/(2) to study/(P)/
食べる [たべる] /(v1,vt) to eat/(P)/
大きい [おおきい] /(adj-i) big/large/great/(P)/
静か [しずか] /(adj-na) (1) quiet/silent/(P)/
自転車 [じてんしゃ] /(n) bicycle/bike/(P)/
自転車道 [じてんしゃどう] /(n) bicycle path/bicycle lane/bikeway/(P)/
単車 [たんしゃ] /(n) motorbike/bike/(P)/
珍品 [ちんぴん] /(n) curio/rare article/
医者 [いしゃ] /(n) (medical) doctor/physician/(P)/
子供 [こども] /(n) child/(P)/
豆類 [まめるい] /(n) beans/pulses/(P)/
食 [しょく] /(n) eating/(P)/
見限る [みかぎる] /(v5r,vt) to give up on/to turn one's back on/to abandon/(P)/
見捨てる [みすてる] /(v1,vt) to abandon/to desert/(P)/
発 [はつ] /(n,n-suf) (1) departure/(n,n-suf) (2) (abbr) engine/(P)/
機関 [きかん] /(n) (1) engine/(n) (2) agency/(P)/
煙草 [たばこ] /(n) (uk) tobacco/cigarette/(P)/
交じる [まじる] /(v5r,vi) to interest/(P)/
菜 [な] /(n) (1) greens/vegetables/(P)/
野菜 [やさい] /(n,adj-no) vegetable/(P)/
都市群 [としぐん] /(n) cities/(P)/
都市 [とし] /(n) city/(P)/
ニュース /(n) news/(P)/
"""
CORE = """\
VT01  eat  {食べ}-  VV
N  bean  {豆}  N
ADJ  interesting  {面白}-  ADJ
"""
VERB_EXC = "wrote write\nwritten write\nran run\nswam swim\nswum swim\nswimming swim\n"
NOUN_EXC = "children child\n"
ADJ_EXC = "bigger big\nbiggest big\n"


def generate():
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        (folder / "edict").write_bytes(EDICT.encode("euc_jp"))
        (folder / "core.lex").write_text(CORE, encoding="utf-8")
        for name, text in (("verb.exc", VERB_EXC), ("noun.exc", NOUN_EXC), ("adj.exc", ADJ_EXC)):
            (folder / name).write_text(text, encoding="utf-8")
        out = folder / "edict.txt"
        subprocess.run([sys.executable, str(GENERATOR), str(folder / "edict"), str(folder / "core.lex"),
                        str(folder), str(out)], cwd=ROOT, check=True)
        return out.read_text(encoding="utf-8")


def entries(text):
    """headword -> [(category, cooked, jpos)] in order, and the forms' fpos lines."""
    found, headword, category = {}, None, None
    for line in text.splitlines():
        fields = line.split("\t")
        if fields[0] == "entry":
            headword = fields[1]
            found.setdefault(headword, [])
        elif fields[0] == "fpos":
            category = fields[1][len("pos="):]
            if not any(f.startswith("base=") for f in fields):
                found[headword].append([category, None, None])
        elif fields[0] == "para":
            values = dict(f.split("=", 1) for f in fields[1:])
            found[headword][-1][1:] = [values["cooked"], values["jpos"]]
    return found


class EdictLexicon(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.text = generate()
        cls.entries = entries(cls.text)

    def test_classes_and_transitivity(self):
        expected = {
            "write": [["VT01", "{書}k-", "VCk"]],
            "go": [["VI01", "{行}k-", "VCik"]],
            "run": [["VI01", "{走}r-", "VCr"]],
            "swim": [["VI01", "{泳}g-", "VCg"]],
            "study": [["N", "{勉強}", "N"], ["VT01", "{勉強}su-", "Vsu"]],
            "big": [["ADJ", "{大き}-", "ADJ"]],
            "quiet": [["ADJ", "{静か}-", "NAna"]],
            "child": [["N", "{子供}", "N"]],
        }
        for word, readings in expected.items():
            self.assertEqual(self.entries.get(word), readings, word)

    def test_alternatives_rank_first_senses_and_short_japanese_first(self):
        self.assertEqual([r[1] for r in self.entries["bike"]], ["{単車}", "{自転車}"])
        bike = self.text[self.text.index("entry\tbike\n"):]
        self.assertEqual([line.split("\t")[2] for line in bike.splitlines()[1:5:2]], ["pvalue=0", "pvalue=-20"])
        self.assertEqual(self.entries["bicycle path"], [["N", "{自転車道}", "N"]])

    def test_main_meanings_rank_before_later_glosses_and_marked_words(self):
        expected = {
            "abandon": ["{見捨て}-", "{見限}r-"],
            "engine": ["{機関}", "{発}"],
            # Usually written in kana: the reading, not the kanji.
            "tobacco": ["{たばこ}"],
        }
        for word, cooked in expected.items():
            self.assertEqual([r[1] for r in self.entries[word]], cooked, word)

    def test_what_is_left_out(self):
        # A core word and its forms, words of an entry not marked common, a
        # gloss of three words, a note.
        # Forms of core words: a regular plural, an -ing form.
        for word in ("eat", "beans", "eating", "curio", "rare article", "movement of vehicles", "medical"):
            self.assertNotIn(word, self.entries, word)
        # A form of a word of its own that is a core word: the verb keeps its
        # other forms.
        self.assertNotIn("interesting", self.entries)
        self.assertIn("interested", self.entries)
        self.assertEqual(self.entries["doctor"], [["N", "{医者}", "N"]])

    def test_irregular_forms_come_from_wordnet(self):
        for form in ("wrote", "written", "ran", "swam", "swum", "swimming", "children", "bigger", "biggest"):
            self.assertIn(form, self.entries, form)
        swum = next(line for line in self.text.splitlines() if line.startswith("fpos") and "base=" in line and
                    self.text.splitlines()[self.text.splitlines().index(line) - 1] == "entry\tswum")
        self.assertIn("features0=N", swum)
        self.assertIn("dictionary\tid=2", self.text)

    def test_a_plural_spelt_as_a_verb_form_is_stored_with_the_form(self):
        # "studies" is found as written, so morphology would not strip it to
        # the noun: the plural stands in its entry beside the verb's form.
        lines = self.text.splitlines()
        at = lines.index("entry\tstudies")
        fpos = [line for line in lines[at + 1:at + 3] if line.startswith("fpos")]
        self.assertEqual([line.split("\t")[1] for line in fpos], ["pos=VT01", "pos=N"])
        self.assertIn("features0=PPPC1100120M0__", fpos[1])
        self.assertIn("base=", fpos[1])
        # Not where the plural is no other word's form.
        self.assertNotIn("bicycles", self.entries)
    def test_a_gloss_that_is_another_nouns_plural_is_stored_plural(self):
        # The plural of an EDICT noun, of a -y noun; "news" is no
        # noun's plural, "greens" no other gloss's.
        lines = self.text.splitlines()

        def number_of(word):
            fpos = lines[lines.index("entry\t" + word) + 1]
            return fpos.split("features0=")[1][:3]

        self.assertEqual({word: number_of(word) for word in ("vegetables", "cities", "vegetable", "news", "greens")},
                         {"vegetables": "PPP", "cities": "PPP", "vegetable": "SSS", "news": "SSS", "greens": "SSS"})
        self.assertEqual(self.entries["vegetables"], [["N", "{菜}", "N"]])


if __name__ == "__main__":
    unittest.main()
