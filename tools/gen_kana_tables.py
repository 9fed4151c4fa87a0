#!/usr/bin/env python3
"""Writes engine/foundation/kana_tables.cpp: the kana and romaji tables.

    tools/gen_kana_tables.py            rewrite the file
    tools/gen_kana_tables.py --check    exit 1 when the checked-in file differs

The tables hold Shift-JIS bytes, written as escapes (each row shows its kana
in a comment); this script holds the readable source.  The build does not
run it.

Romaji scheme (Kunrei style): "si", "zi", "ti", "tu", "hu", "tya"; "di" and
"du" for the two voiced kana that sound like "zi" and "zu", so that no two
kana share a romaji; "N" for the syllabic n, "Q" for the small tu, ":" for the
long-vowel mark; upper case for small kana ("A" for the small a, "wA" for the
small wa).  Every row of Kana reads back to its kana.

How the counts arise:

  Hiragana (83)  every kana of the hiragana block 0x829F-0x82F1 once.  The
                 small ya, yu, yo come first and read as their bare vowels
                 "a", "u", "o", so that a plain character-by-character reading
                 of a contracted syllable keeps its vowel.
  Katakana (86)  the katakana block 0x8340-0x8396 has 86 kana (0x837F is no
                 character).  The small ke is left out: it is an abbreviation
                 of a counter kanji, read "ka", "ga" or "ko" by context, so it
                 stays as written like a kanji.  The long-vowel mark 0x815B
                 from the punctuation row makes up the 86th row.
  Kana (116)     the romaji reader's table, one-to-one: the 80 hiragana other
                 than the small ya, yu, yo (whose bare-vowel romaji would
                 clash with "a", "u", "o"), plus the 36 contracted syllables
                 of the twelve i-row kana ki gi si zi ti di ni hi bi pi mi ri
                 with small ya, yu, yo.  A closing ("<<BAD>>") row follows.

Python 3 standard library only; Shift-JIS comes from the "cp932" codec.
"""
import argparse
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "engine" / "foundation" / "kana_tables.cpp"

# Romaji of every hiragana, by the kana itself.
HIRAGANA_ROMAJI = """
ぁ A   あ a   ぃ I   い i   ぅ U   う u   ぇ E   え e   ぉ O   お o
か ka  が ga  き ki  ぎ gi  く ku  ぐ gu  け ke  げ ge  こ ko  ご go
さ sa  ざ za  し si  じ zi  す su  ず zu  せ se  ぜ ze  そ so  ぞ zo
た ta  だ da  ち ti  ぢ di  っ Q   つ tu  づ du  て te  で de  と to  ど do
な na  に ni  ぬ nu  ね ne  の no
は ha  ば ba  ぱ pa  ひ hi  び bi  ぴ pi  ふ hu  ぶ bu  ぷ pu
へ he  べ be  ぺ pe  ほ ho  ぼ bo  ぽ po
ま ma  み mi  む mu  め me  も mo
ゃ a   や ya  ゅ u   ゆ yu  ょ o   よ yo
ら ra  り ri  る ru  れ re  ろ ro
ゎ wA  わ wa  ゐ wi  ゑ we  を wo  ん N
"""

SMALL_Y = "ゃゅょ"
I_ROW = "きぎしじちぢにひびぴみり"

# Katakana whose romaji is not their hiragana's: those with no hiragana
# counterpart, and the small wa, "WA".  The hiragana small wa is "wA" instead
# because the romaji reader holds only lower-case consonants while it waits
# for a vowel, and hiragana must read back; katakana never are.
KATAKANA_ROMAJI = {"ヴ": "vu", "ヵ": "KA", "ヮ": "WA"}
KATAKANA_LEFT_OUT = "ヶ"
LONG_VOWEL_MARK = ("ー", ":")

OPEN_PARENS = ["(", "[", "<", "（", "｛", "「"]
CLOSE_PARENS = [")", "]", ">", "）", "｝", "」"]
PAREN_SLOT = 11

HIRAGANA_BLOCK = (0x829F, 0x82F1)
KATAKANA_BLOCK = (0x8340, 0x8396)

EXPECTED = {"Kana": 116, "Hiragana": 83, "Katakana": 86}


def block(first, last):
    """The characters of a Shift-JIS code range, in code order."""
    chars = []
    for code in range(first, last + 1):
        try:
            chars.append(bytes([code >> 8, code & 0xFF]).decode("cp932"))
        except UnicodeDecodeError:
            pass  # 0x7F is no trail byte
    return chars


def romaji_by_kana():
    words = HIRAGANA_ROMAJI.split()
    pairs = dict(zip(words[0::2], words[1::2]))
    block_kana = block(*HIRAGANA_BLOCK)
    if sorted(pairs) != sorted(block_kana):
        sys.exit("HIRAGANA_ROMAJI must name every kana of the hiragana block once")
    return pairs, block_kana


def build_tables():
    romaji, block_kana = romaji_by_kana()

    hiragana = [(romaji[k], k) for k in SMALL_Y]
    hiragana += [(romaji[k], k) for k in block_kana if k not in SMALL_Y]

    katakana = []
    for k in block(*KATAKANA_BLOCK):
        if k == KATAKANA_LEFT_OUT:
            continue
        counterpart = chr(ord(k) - 0x60)  # the same kana in the hiragana block
        katakana.append((KATAKANA_ROMAJI.get(k) or romaji[counterpart], k))
    katakana.append((LONG_VOWEL_MARK[1], LONG_VOWEL_MARK[0]))

    kana = []
    for k in block_kana:
        if k in SMALL_Y:
            continue
        kana.append((romaji[k], k))
        if k in I_ROW:
            consonant = romaji[k][:-1]
            for small in SMALL_Y:
                kana.append((consonant + "y" + romaji[small], k + small))

    tables = {"Kana": kana, "Hiragana": hiragana, "Katakana": katakana}
    for name, rows in tables.items():
        if len(rows) != EXPECTED[name]:
            sys.exit(f"{name} has {len(rows)} rows, expected {EXPECTED[name]}")
    for side in (0, 1):
        if len({row[side] for row in kana}) != len(kana):
            sys.exit("Kana must be one-to-one")
    return tables


def c_literal(text):
    """A C string literal of text's Shift-JIS bytes; every byte of a
    double-byte character is an escape, even one that reads as ASCII."""
    out = []
    after_escape = False
    for char in text:
        encoded = char.encode("cp932")
        if len(encoded) > 1 or encoded[0] >= 0x80 or char in '"\\':
            out += [f"\\x{byte:02X}" for byte in encoded]
            after_escape = True
            continue
        if after_escape and char in "0123456789abcdefABCDEF":
            out.append('" "')  # a hex digit would extend the escape
        out.append(char)
        after_escape = False
    return '"' + "".join(out) + '"'


def comment(text):
    return f"  // {text}" if not text.isascii() else ""


def pair_rows(rows):
    return [f"    {{{c_literal(r)}, {c_literal(k)}}},{comment(k)}" for r, k in rows]


def paren_rows(parens):
    return [f"    {c_literal(p)},{comment(p)}" for p in parens]


HEADER = """\
// Generated by tools/gen_kana_tables.py from its readable table; do not edit.
// The script explains the romaji scheme and how the row counts arise.
#include "engine/foundation/kana_tables.h"

#include <algorithm>
#include <cstring>
#include <iterator>
"""

SORTED_TABLE = """\
std::vector<KanaPair> const& kKanaToRomajiTable() {
    static std::vector<KanaPair> const table = [] {
        std::vector<KanaPair> rows(std::begin(Hiragana), std::end(Hiragana));
        rows.insert(rows.end(), std::begin(Katakana), std::end(Katakana));
        std::sort(rows.begin(), rows.end(), [](KanaPair const& a, KanaPair const& b) {
            int const byRomaji = std::strcmp(a.romaji, b.romaji);
            return byRomaji != 0 ? byRomaji < 0 : std::strcmp(a.kana, b.kana) < 0;
        });
        return rows;
    }();
    return table;
}
"""


def render(tables):
    lines = [HEADER]
    # The header's bounds would silently zero-fill missing rows.
    for name, constant in (("Kana", "kKanaCount"), ("Hiragana", "kHiraganaCount"), ("Katakana", "kKatakanaCount")):
        lines.append(f'static_assert({constant} == {len(tables[name])}, "kana_tables.h disagrees with the generator");')
    lines.append(f'static_assert(kParenListCount == {len(OPEN_PARENS)} && kParenSlotSize == {PAREN_SLOT}, '
                 '"kana_tables.h disagrees with the generator");\n')
    lines.append("KanaPair const Kana[] = {")
    lines += pair_rows(tables["Kana"])
    lines.append('    {"<<BAD>>", "<<BAD>>"},')
    lines.append("};\n")
    for name in ("Hiragana", "Katakana"):
        lines.append(f"KanaPair const {name}[] = {{")
        lines += pair_rows(tables[name])
        lines.append("};\n")
    for name, parens in (("kOpenParenList", OPEN_PARENS), ("kCloseParenList", CLOSE_PARENS)):
        lines.append(f"char const {name}[][{PAREN_SLOT}] = {{")
        lines += paren_rows(parens)
        lines.append("};\n")
    lines.append(SORTED_TABLE)
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    args = parser.parse_args()

    text = render(build_tables())
    if args.check:
        current = OUTPUT.read_text(encoding="utf-8") if OUTPUT.exists() else ""
        if current != text:
            print(f"{OUTPUT.relative_to(ROOT)} is out of date; run {pathlib.Path(__file__).name}")
            return 1
        print(f"{OUTPUT.relative_to(ROOT)} is up to date")
        return 0
    OUTPUT.write_text(text, encoding="utf-8")
    print(f"wrote {OUTPUT.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
