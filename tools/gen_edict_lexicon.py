#!/usr/bin/env python3
"""Makes a second system dictionary from EDICT, the Japanese-English
dictionary of Debian's edict package: its common entries, inverted into
English headwords with their Japanese translations.

    gen_edict_lexicon.py EDICT CORE_LEX WORDNET_DIR OUT

EDICT is the EUC-JP file (/usr/share/edict/edict), CORE_LEX the core
lexicon's source (its headwords are left to it), WORDNET_DIR the folder of
WordNet's exception lists (verb.exc, noun.exc, adj.exc) for irregular English
forms, OUT the dictionary text to write (the format cdictcompile reads).

Of each entry marked common, every gloss that is one English word (nouns: up
to two) becomes a reading of that word: EDICT's part-of-speech tags give the
category and the cooked Japanese (godan endings, ichidan, suru verbs, i- and
na-adjectives, nouns), vt/vi the transitivity.  Several translations of one
word become its readings in order: earlier senses and glosses early in their
sense first, abbreviations, archaic, rare and slang words late, then the
shorter Japanese; all but the first rank lower.  A sense marked as usually
written in kana gives its reading.  Regular English forms are spelt by the
rules the core lexicon's generator uses, irregular ones come from WordNet.
"""

import re
import sys

import gen_lexicon

# EDICT's godan tags: the romaji of the verb's last kana, and its class.
GODAN = {
    "v5k": ("く", "k", "VCk"), "v5k-s": ("く", "k", "VCik"), "v5g": ("ぐ", "g", "VCg"),
    "v5s": ("す", "s", "VCs"), "v5t": ("つ", "t", "VCt"), "v5r": ("る", "r", "VCr"),
    "v5u": ("う", "w", "VCw"), "v5m": ("む", "m", "VCm"), "v5b": ("ぶ", "b", "VCb"),
    "v5n": ("ぬ", "n", "VCn"),
}

# The p-value of a word's second and later translations in a category.
LATER_TRANSLATION_P = -20

ENTRY = re.compile(r"^(\S+)(?: \[(\S+)\])? /(.*)/$")
WORD = re.compile(r"^[a-z][a-z-]*[a-z]$")
NOUN_PHRASE = re.compile(r"^[a-z][a-z-]*[a-z]( [a-z][a-z-]*[a-z])?$")
# A gloss's own notes: "(uk)", "(col)", "(1)", "(medical)".
NOTE = re.compile(r"\([^)]*\)")


def read_exceptions(path):
    forms = {}
    with open(path, encoding="utf-8") as exceptions:
        for line in exceptions:
            parts = line.split()
            if len(parts) == 2 and "_" not in line:
                forms.setdefault(parts[1], []).append(parts[0])
    return forms


def core_words(path):
    """Every word the core lexicon answers for: its headwords and their forms,
    the irregular ones it gives and the regular ones morphology makes."""
    words = set()
    with open(path, encoding="utf-8") as source:
        for text in source:
            text = text.split(" #", 1)[0].strip()
            if not text or text.startswith("#"):
                continue
            parts = text.split()
            if len(parts) < 2:
                continue
            word = parts[1].replace("_", " ").lower()
            words.update({word, gen_lexicon.third_person(word), gen_lexicon.past_tense(word),
                          gen_lexicon.present_participle(word), word + "er", word + "est"})
            for item in parts[3:]:
                key, _, value = item.partition("=")
                if key in ("plural", "third", "past", "pastpart", "ing", "comparative", "superlative"):
                    words.add(value.replace("_", " ").lower())
                elif key == "forms":
                    words.update(form.partition(":")[0].replace("_", " ").lower() for form in value.split(","))
    return words


# EDICT's notes on a sense that make its word a poor first choice, with how
# far each pushes it down: abbreviations, archaic, obsolete, rare, slang,
# vulgar and other marked words.
NOTE_PENALTY = {
    "abbr": 3, "arch": 6, "obs": 6, "obsc": 6, "rare": 4, "sl": 3, "m-sl": 3, "male-sl": 3,
    "vulg": 6, "X": 6, "derog": 4, "poet": 3, "chn": 2, "col": 1, "hon": 1, "hum": 1,
}


class Sense:
    """One gloss of an entry with what ranks it: the part-of-speech tags
    carried forward, the sense's number, the gloss's place within its sense,
    and the sense's notes ("uk": usually written in kana)."""

    def __init__(self, tags, number, place, notes, gloss):
        self.tags, self.number, self.place, self.notes, self.gloss = tags, number, place, notes, gloss

    def penalty(self):
        return sum(NOTE_PENALTY.get(note, 0) for note in self.notes)


def senses(glosses):
    """A Sense for each gloss, tags and notes carried forward within a sense."""
    tags, number, place, notes = [], 0, 0, set()
    for gloss in glosses:
        gloss = gloss.strip()
        while True:
            match = re.match(r"^\(([^)]*)\)\s*", gloss)
            if not match:
                break
            inner = match.group(1)
            if inner.isdigit():
                number, place, notes = int(inner) - 1, 0, set()
            elif re.match(r"^[a-z0-9-]+(,[a-z0-9-]+)*$", inner) and any(
                    t.startswith(("n", "v", "adj", "adv")) for t in inner.split(",")):
                tags = inner.split(",")
            else:
                notes |= set(inner.split(","))
            gloss = gloss[match.end():]
        yield Sense(tags, number, place, frozenset(notes), NOTE.sub("", gloss).strip())
        place += 1


def cooked_and_category(japanese, tags, gloss):
    """(category, english, cooked, jpos) of a gloss under the tags, or None."""
    transitive = "vi" not in tags
    verb_category = "VT01" if transitive else "VI01"
    for tag in tags:
        if tag in GODAN and gloss.startswith("to "):
            kana, romaji, jpos = GODAN[tag]
            if japanese.endswith(kana):
                return verb_category, gloss[3:], "{" + japanese[:-1] + "}" + romaji + "-", jpos
        if tag == "v1" and gloss.startswith("to ") and japanese.endswith("る"):
            return verb_category, gloss[3:], "{" + japanese[:-1] + "}-", "VV"
        if tag == "vs-i" and gloss.startswith("to ") and japanese.endswith("する"):
            return verb_category, gloss[3:], "{" + japanese[:-2] + "}su-", "Vsu"
        if tag == "vs" and gloss.startswith("to "):
            return verb_category, gloss[3:], "{" + japanese + "}su-", "Vsu"
    if gloss.startswith("to "):
        return None
    if "adj-i" in tags and japanese.endswith("い"):
        return "ADJ", gloss, "{" + japanese[:-1] + "}-", "ADJ"
    if "adj-na" in tags:
        return "ADJ", gloss, "{" + japanese + "}-", "NAna"
    if "n" in tags:
        return "N", gloss, "{" + japanese + "}", "N"
    return None


def keys_of(category, english, exceptions):
    """The irregular forms of the word, as the core lexicon writes them."""
    verbs, nouns, adjectives = exceptions
    keys = {}
    if category in ("VT01", "VI01"):
        forms = [form for form in verbs.get(english, []) if not form.endswith("ing")]
        # Participles end in n (eaten, given) or take u where the past has a
        # (swum beside swam, sung beside sang).
        participles = [form for form in forms if form.endswith("n")] or [
            form for form in forms if len(forms) == 2 and "u" in form and "a" in (set(forms) - {form}).pop()]
        pasts = [form for form in forms if form not in participles]
        if pasts or participles:
            keys["past"] = (pasts or participles)[0]
            keys["pastpart"] = (participles or pasts)[0]
        for form in verbs.get(english, []):
            if form.endswith("ing"):
                keys["ing"] = form
    elif category == "N" and english in nouns:
        keys["plural"] = nouns[english][0]
    elif category == "ADJ" and english in adjectives:
        for form in adjectives[english]:
            keys["comparative" if form.endswith("er") else "superlative"] = form
    return keys


def is_regular_plural(english, nouns):
    """Whether the gloss is the regular plural of another noun ("requirements"
    of "requirement", "boxes" of "box", "cities" of "city")."""
    if not english.endswith("s"):
        return False
    candidates = {english[:-1], english[:-2], english[:-3] + "y"}
    return any(singular in nouns and english in (singular + "s", gen_lexicon.third_person(singular))
               for singular in candidates if singular)


def encodable(text):
    try:
        text.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def lexicon_lines(edict_path, core, exceptions):
    """(category, english, cooked, jpos, keys, plural) in the order readings
    rank; plural tells a noun gloss that is another noun's plural."""
    found = {}
    with open(edict_path, encoding="euc_jp", errors="replace") as edict:
        for order, line in enumerate(edict):
            match = ENTRY.match(line.rstrip("\n"))
            if not match or "/(P)/" not in line + "/":
                continue
            written, reading = match.group(1), match.group(2) or match.group(1)
            for sense in senses(match.group(3).split("/")):
                if not sense.gloss or sense.gloss == "(P)":
                    continue
                # A word usually written in kana is given in kana.
                japanese = reading if "uk" in sense.notes else written
                if not encodable(japanese) or "\ufffd" in japanese:
                    continue
                made = cooked_and_category(japanese, sense.tags, sense.gloss)
                if made is None:
                    continue
                category, english, cooked, jpos = made
                pattern = NOUN_PHRASE if category == "N" else WORD
                if not pattern.match(english) or english in core:
                    continue
                key = (english, category, cooked)
                # Earlier senses, and glosses early in their sense, name the
                # word's main meaning; marked words come late; then shorter
                # Japanese first.
                rank = (2 * sense.number + sense.place + sense.penalty(), len(japanese), order)
                if key not in found or rank < found[key][0]:
                    found[key] = (rank, jpos)
    lines = sorted(found.items(), key=lambda item: (item[0][0], item[1][0]))
    # A core noun's regular plurals are the core's already: only EDICT's
    # own nouns can make a gloss a plural.
    nouns = {english for english, category, _ in found if category == "N"}
    # Of one word's translations in one category, the first is the one the
    # parser should pick: the others rank lower.
    earlier = {}
    for (english, category, cooked), (rank, jpos) in lines:
        keys = keys_of(category, english, exceptions)
        later = earlier.get((english, category), 0)
        earlier[(english, category)] = later + 1
        if later:
            keys["p"] = str(LATER_TRANSLATION_P)
        plural = category == "N" and is_regular_plural(english, nouns)
        yield category, english, cooked, jpos, keys, plural


def main(argv):
    if len(argv) != 5:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    edict_path, core_path, wordnet, out = argv[1:]
    exceptions = tuple(read_exceptions(f"{wordnet}/{kind}.exc") for kind in ("verb", "noun", "adj"))
    core = core_words(core_path)
    readings = []
    lines = lexicon_lines(edict_path, core, exceptions)
    for number, (category, english, cooked, jpos, keys, plural) in enumerate(lines, 1):
        try:
            base = gen_lexicon.readings_of_line(category, english, cooked, jpos, keys, number)[0]
        except gen_lexicon.LexiconError:
            continue
        # A plural glossed as a headword of its own ("vegetables" of 菜) is
        # stored plural, as the core lexicon stores its irregular plurals, so
        # that it agrees with "these" and a plural verb.
        if plural:
            base.features[0] = gen_lexicon.IRREGULAR_PLURAL_NOUN
        # A form that is a word of the core lexicon ("interesting" of
        # "interest") is left to the core, as the word itself would be.
        base.forms = [form for form in base.forms if form.headword.lower() not in core]
        readings.extend([base] + base.forms)
    text = gen_lexicon.write_text(readings, source="EDICT (" + edict_path + ")", dictionary_id=2)
    with open(out, "w", encoding="utf-8") as written:
        written.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
