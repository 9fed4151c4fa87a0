#!/usr/bin/env python3
"""Turns the readable core lexicon (data/lexicon/core.lex) into dictionary
text (data/lexicon/core.txt), which the build compiles with cdictcompile into
the engine's core system dictionary.

    gen_lexicon.py [--check] [SOURCE OUT]

writes OUT (with --check: exits 1 when OUT is not what SOURCE gives); run from
the project folder, SOURCE and OUT default to the files above.

The source format is described in doc/core-lexicon.md.  The generator checks
every line (known categories and Japanese parts of speech, well-formed cooked
Japanese, keys its category takes, forms that do not repeat) and derives the
feature strings of each category and of its irregular forms, which it stores
as conjugated forms linked to their base reading.  Regular inflections are
left to the engine's morphology.
"""

import re
import sys

GRAMMAR = "tools/grammar"

# ---- Feature strings ---------------------------------------------------------

NOUN_USE = "000000000000000"
PROPER_USE = "010000000000000"
NOUN_CLASS = "________________________"
ADVERB = "111100100000____________"


# Nouns as the engine's compiled dictionaries store them: the plural suffix
# rule of morphology derives "dogs" from a reading with exactly these.
SINGULAR_NOUN = "SSSC1101110M0__"
IRREGULAR_PLURAL_NOUN = "PPPC1100120M0__"
UNCOUNTABLE_NOUN = "SSSU1101110M0__"
PROPER_NOUN = "SSSC1112110M0__"


# ---- Regular English verb forms ------------------------------------------------

VOWELS = "aeiou"


def ends_consonant_y(word):
    return len(word) >= 2 and word.endswith("y") and word[-2] not in VOWELS


def third_person(word):
    if word.endswith(("s", "x", "z", "ch", "sh", "o")):
        return word + "es"
    if ends_consonant_y(word):
        return word[:-1] + "ies"
    return word + "s"


def past_tense(word):
    if word.endswith("e"):
        return word + "d"
    if ends_consonant_y(word):
        return word[:-1] + "ied"
    return word + "ed"


def present_participle(word):
    if word.endswith("ie"):
        return word[:-2] + "ying"
    if word.endswith("e") and not word.endswith(("ee", "ye", "oe")):
        return word[:-1] + "ing"
    return word + "ing"


# Verb forms: letter, tense, whether it is a participle (passive when
# transitive, perfect), subject number and person.
VERB_FORMS = {
    "base": ("B", "1", False, "__"),
    "third": ("S", "1", False, "S3"),
    "past": ("D", "2", False, "__"),
    "pastpart": ("N", "0", True, "__"),
    "pastandpart": ("D", "2", True, "__"),
    "ing": ("G", "0", False, "__"),
}


# The complements a verb takes besides an object ("takes=to,ing"): a
# to-infinitive ("want to eat") and an -ing form ("like swimming").
VERB_COMPLEMENTS = ("to", "ing")


def verb_features(form, transitive, takes=()):
    letter, tense, participle, subject = VERB_FORMS[form]
    passive = "1" if participle and transitive else "0"
    perfect = "1" if participle else "0"
    complements = "0" + "".join("1" if complement in takes else "0" for complement in VERB_COMPLEMENTS)
    return (letter + tense + ("T" if transitive else "I") + passive + subject + "0" + perfect +
            "00" + complements + "_" + "0" + "_" * 9)


ADJECTIVE_DEGREES = {"plain": "P", "comparative": "C", "superlative": "S"}


def adjective_features(degree):
    return ADJECTIVE_DEGREES[degree] + "BY"


# ---- The grammar's names -----------------------------------------------------


def read_names(path, keyword):
    names = set()
    with open(path, encoding="utf-8") as source:
        for line in source:
            parts = line.split()
            if len(parts) >= 3 and parts[0] == keyword:
                names.add(parts[2])
    return names


def read_atom_names(path):
    """The semantic atoms that have a name of their own."""
    with open(path, encoding="utf-8") as source:
        return set(re.findall(r'^SEMANTIC_ATOM\(\d+, "([a-z_]+)"\)', source.read(), re.MULTILINE))


SEMANTIC_ATOMS = read_atom_names("engine/foundation/semantic_atom_names.inc")

# ---- The source --------------------------------------------------------------


class LexiconError(Exception):
    pass


COOKED = re.compile(r"^\{[^{}]*\}[a-z-]*$")
FEATURE = re.compile(r"^[A-Za-z0-9_?#]*$")
PARTICLE = re.compile(r"^[a-z][a-z_]*$")

# The keys each kind of category takes, besides "p" (the p-value),
# "transplant" and "idiom" (the idiom type, 0 to 5).
NOUN_KEYS = {"plural", "mass", "proper", "sem"}
VERB_KEYS = {"third", "past", "pastpart", "ing", "needs", "subj", "obj", "pp", "takes"}
ADJECTIVE_KEYS = {"comparative", "superlative"}
FIXED_KEYS = {"f0", "f1", "f2", "forms"}
COMMON_KEYS = {"p", "transplant", "idiom"}


class Reading:
    """One fine part of speech with its one paraphrase."""

    def __init__(self, headword, category, cooked, jpos, features, pvalue, transplant, sem, line, idiom=0):
        self.headword = headword
        self.idiom = idiom
        self.category = category
        self.cooked = cooked
        self.jpos = jpos
        self.features = features
        self.pvalue = pvalue
        self.transplant = transplant
        self.sem = sem
        self.line = line
        self.base = None  # the reading this is an irregular form of
        self.forms = []   # irregular forms of this reading, in order


def check_atoms(atoms, line):
    for atom in atoms.split(","):
        if atom.lstrip("-") not in SEMANTIC_ATOMS:
            raise LexiconError(f"line {line}: unknown semantic atom {atom}")
    if len(atoms.split(",")) > 10:
        raise LexiconError(f"line {line}: at most 10 semantic atoms: {atoms}")


def semantics(atoms, line):
    """A noun's: one record, one-slot and noun-like."""
    if not atoms:
        return ""
    check_atoms(atoms, line)
    return f"3:{atoms}::"


# A verb's requirements, as selres records: the subject, the object, and a
# prepositional phrase it takes well ("pp=with:instrument"), which names its
# preposition as a filled slot does.
def verb_semantics(keys, line):
    if not any(key in keys for key in ("subj", "obj", "pp")):
        return ""
    records = []
    for key in ("subj", "obj"):
        atoms = keys.get(key, "")
        if atoms:
            check_atoms(atoms, line)
        records.append(f"4:{atoms}::" if atoms else "0:::")
    preposition, _, atoms = keys.get("pp", "").partition(":")
    if preposition:
        if not PARTICLE.match(preposition) or not atoms or len(preposition) > 11:
            raise LexiconError(f"line {line}: pp=PREPOSITION:ATOM,...")
        check_atoms(atoms, line)
        records.append(f"4:{atoms}:xdummy:{preposition}")
    else:
        records.append("0:::")
    return "|".join(records)


def parse_line(text, number, categories, jposes):
    parts = text.split()
    if len(parts) < 3:
        raise LexiconError(f"line {number}: needs a category, a headword and the Japanese")
    category, headword, cooked = parts[0], parts[1], parts[2]
    # Pseudo-words keep their "_"; elsewhere it stands for a space.
    if not headword.startswith(("zxj", "zxq")):
        headword = headword.replace("_", " ")
    rest = parts[3:]
    if category not in categories:
        raise LexiconError(f"line {number}: unknown category {category}")
    if not COOKED.match(cooked):
        raise LexiconError(f"line {number}: cooked Japanese must be {{...}} and a romaji tail: {cooked}")
    jpos = "OTHER"
    if rest and "=" not in rest[0] and rest[0] not in ("mass", "proper"):
        jpos = rest.pop(0)
    if jpos not in jposes:
        raise LexiconError(f"line {number}: unknown Japanese part of speech {jpos}")
    keys = {}
    for item in rest:
        key, _, value = item.partition("=")
        if key in keys:
            raise LexiconError(f"line {number}: {key} given twice")
        keys[key] = value.replace("_", " ") if key in ("plural", "third", "past", "pastpart", "ing",
                                                      "comparative", "superlative") else value
    return category, headword, cooked, jpos, keys


def check_keys(keys, allowed, category, number):
    for key in keys:
        if key not in allowed | COMMON_KEYS:
            raise LexiconError(f"line {number}: {category} takes no {key}")


def readings_of_line(category, headword, cooked, jpos, keys, number):
    """The line's reading and its irregular forms as (form headword, reading)."""
    pvalue = int(keys.get("p", "0"))
    transplant = keys.get("transplant", "")
    idiom = keys.get("idiom", "0")
    if idiom not in ("0", "1", "2", "3", "4", "5"):
        raise LexiconError(f"line {number}: an idiom type is 0 to 5: {idiom}")
    forms = []

    def reading(word, features, sem=""):
        return Reading(word, category, cooked, jpos, features, pvalue, transplant, sem, number, int(idiom))

    if category == "N":
        check_keys(keys, NOUN_KEYS, category, number)
        proper = "proper" in keys
        singular = PROPER_NOUN if proper else UNCOUNTABLE_NOUN if "mass" in keys else SINGULAR_NOUN
        use = PROPER_USE if proper else NOUN_USE
        sem = semantics(keys.get("sem", ""), number)
        base = reading(headword, [singular, use, NOUN_CLASS], sem)
        if "plural" in keys:
            forms.append(reading(keys["plural"], [IRREGULAR_PLURAL_NOUN, use, NOUN_CLASS], sem))
    elif category in ("VT01", "VI01"):
        check_keys(keys, VERB_KEYS, category, number)
        transitive = category == "VT01"
        needs = keys.get("needs", "")
        if needs and not PARTICLE.match(needs):
            raise LexiconError(f"line {number}: a needed particle is a lower-case name: {needs}")
        if needs and not transitive:
            raise LexiconError(f"line {number}: only VT01 readings name the preposition they need")
        sem = verb_semantics(keys, number)
        takes = tuple(filter(None, keys.get("takes", "").split(",")))
        for complement in takes:
            if complement not in VERB_COMPLEMENTS:
                raise LexiconError(f"line {number}: a verb takes=to,ing, not {complement}")

        # A feature text ends at its first empty string: a verb that names
        # its preposition leaves the object's set open instead.
        object_set = "_" * 15 if needs else ""

        def verb(word, form):
            features = verb_features(form, transitive, takes)
            sets = [features, object_set, needs] if transitive else [features]
            return reading(word, sets, sem)

        # Every form is stored, irregular ones as given, the others spelt by
        # rule; a participle not given is the past.
        base = verb(headword, "base")
        past = keys.get("past") or past_tense(headword)
        pastpart = keys.get("pastpart") or past
        forms.append(verb(keys.get("third") or third_person(headword), "third"))
        if past == pastpart:
            forms.append(verb(past, "pastandpart"))
        else:
            forms.append(verb(past, "past"))
            forms.append(verb(pastpart, "pastpart"))
        forms.append(verb(keys.get("ing") or present_participle(headword), "ing"))
    elif category == "ADJ":
        check_keys(keys, ADJECTIVE_KEYS, category, number)
        base = reading(headword, [adjective_features("plain")])
        for degree in ("comparative", "superlative"):
            if degree in keys:
                forms.append(reading(keys[degree], [adjective_features(degree)]))
    elif category == "ADV":
        check_keys(keys, set(), category, number)
        base = reading(headword, [ADVERB])
    elif category == "PREP":
        # The first set names the preposition as a particle: readings that
        # need it stay in a sentence only where it stands.
        check_keys(keys, set(), category, number)
        base = reading(headword, [headword.replace(" ", "_"), "00000__________"])
    else:
        # Closed classes: feature strings as written, and irregular forms as
        # "word:f0" pairs joined by ",".
        # A pronoun names what it stands for as a noun does ("he" is human).
        check_keys(keys, FIXED_KEYS | ({"sem"} if category == "PRN" else set()), category, number)
        sets = [keys.get("f0", ""), keys.get("f1", ""), keys.get("f2", "")]
        for value in sets:
            if not FEATURE.match(value):
                raise LexiconError(f"line {number}: bad feature string {value}")
        base = reading(headword, sets, semantics(keys.get("sem", ""), number))
        for form in filter(None, keys.get("forms", "").split(",")):
            word, _, features = form.partition(":")
            if not word or not FEATURE.match(features):
                raise LexiconError(f"line {number}: a form is word:features: {form}")
            forms.append(reading(word.replace("_", " "), [features, sets[1], sets[2]]))
    for form in forms:
        form.base = base
        base.forms.append(form)
    return [base] + forms


def read_source(path):
    categories = read_names(f"{GRAMMAR}/categories.gram", "cat")
    jposes = read_names(f"{GRAMMAR}/jpos.gram", "jpos")
    readings = []
    seen = set()
    with open(path, encoding="utf-8") as source:
        for number, text in enumerate(source, 1):
            text = text.split(" #", 1)[0].strip()
            if not text or text.startswith("#"):
                continue
            category, headword, cooked, jpos, keys = parse_line(text, number, categories, jposes)
            key = (headword, category, cooked, tuple(sorted(keys.items())))
            if key in seen:
                raise LexiconError(f"line {number}: {headword} {category} {cooked} given twice")
            seen.add(key)
            readings.extend(readings_of_line(category, headword, cooked, jpos, keys, number))
    return readings


# ---- Dictionary text -----------------------------------------------------------


def dictionary_order(word):
    # ASCII letters folded, bytes compared unsigned: the engine's order.
    return word.lower().encode("utf-8")


def escape(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t")


def add_shadowed_plurals(readings):
    """A countable noun's regular plural that is also another word's form
    ("lists", "changes", "files"): a lookup that finds the headword as
    written strips no ending, so the plural is stored with it, as an
    irregular one is; only where no noun reading of the headword is there."""
    headwords = {reading.headword for reading in readings}
    nouns = {reading.headword for reading in readings if reading.category == "N"}
    plurals = []
    for reading in readings:
        if reading.category != "N" or reading.base is not None or reading.features[0] != SINGULAR_NOUN:
            continue
        plural = third_person(reading.headword)
        if plural not in headwords or plural in nouns:
            continue
        form = Reading(plural, "N", reading.cooked, reading.jpos,
                       [IRREGULAR_PLURAL_NOUN] + reading.features[1:], reading.pvalue, reading.transplant,
                       reading.sem, reading.line, reading.idiom)
        form.base = reading
        reading.forms.append(form)
        plurals.append(form)
    return readings + plurals


def write_text(readings, source="data/lexicon/core.lex", dictionary_id=1):
    readings = add_shadowed_plurals(readings)
    by_headword = {}
    for reading in readings:
        by_headword.setdefault(reading.headword, []).append(reading)
    headwords = sorted(by_headword, key=lambda word: (dictionary_order(word), word))
    label = {}
    for e, headword in enumerate(headwords, 1):
        for f, reading in enumerate(by_headword[headword], 1):
            label[id(reading)] = f"{e}.{f}"
    lines = [f"# Generated by tools/gen_lexicon.py from {source}: do not edit.",
             f"dictionary\tid={dictionary_id}"]
    for headword in headwords:
        lines.append(f"entry\t{escape(headword)}")
        # Paraphrases are numbered apart within their entry: the number names
        # a reading of the entry (learning keys, mapping a rewritten reading
        # back to the dictionary's own).
        paraphrase_id = 0
        for reading in by_headword[headword]:
            sets = (reading.features + ["", "", ""])[:3]
            fields = [f"pos={reading.category}"] + ([f"idiom={reading.idiom}"] if reading.idiom else []) + [
                      f"pvalue={reading.pvalue}",
                      f"features0={sets[0]}", f"features1={sets[1]}", f"features2={sets[2]}"]
            if reading.base is not None:
                fields.append(f"base={label[id(reading.base)]}")
            if reading.forms:
                fields.append("cfs=" + ",".join(label[id(form)] for form in reading.forms))
            lines.append("fpos\t" + "\t".join(fields))
            if reading.base is None:
                lines.append(f"para\tid={paraphrase_id}\tcooked={escape(reading.cooked)}\tjpos={reading.jpos}"
                             f"\ttransplant={escape(reading.transplant)}\tsem={reading.sem}")
                paraphrase_id += 1
    return "\n".join(lines) + "\n"


def main(argv):
    args = argv[1:]
    check = bool(args) and args[0] == "--check"
    if check:
        args = args[1:]
    if len(args) not in (0, 2):
        print("usage: gen_lexicon.py [--check] [SOURCE OUT]", file=sys.stderr)
        return 2
    source, out = args if args else ("data/lexicon/core.lex", "data/lexicon/core.txt")
    try:
        text = write_text(read_source(source))
    except LexiconError as error:
        print(f"gen_lexicon.py: {source}: {error}", file=sys.stderr)
        return 1
    if check:
        with open(out, encoding="utf-8") as current:
            if current.read() != text:
                print(f"gen_lexicon.py: {out} is not what {source} gives; run tools/gen_lexicon.py",
                      file=sys.stderr)
                return 1
        return 0
    with open(out, "w", encoding="utf-8") as written:
        written.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
