#pragma once
// How the printed-dictionary formatter reads one reading: its part-of-speech
// name and gross class, the kind of inflected form it is, its printable
// Japanese, and the particle of a phrasal verb.
#include <string>

#include "engine/foundation/entry.h"
#include "engine/foundation/value_types.h"

// Gross parts of speech of a printed headline; each picks the label of the
// same number.
enum PaperGrossPOS : unsigned short {
    kPaperNoun = 0,
    kPaperVerb = 1,
    kPaperAdjective = 2,
    kPaperAdverb = 3,
    kPaperPreposition = 4,
    kPaperSpecial = 5,
};

// Kinds of inflected form, ordering the forms of a headline.
enum PaperInflectType : unsigned short {
    kInflectOther = 0,
    kInflectAdjective = 1,
    kInflectAdverb = 2,
    kInflectNounSingular = 3,
    kInflectNounPlural = 4,
    kInflectVerbPlain = 5,  // also the base of an untyped verb
    kInflectVerbPast = 6,
    kInflectVerbThirdPerson = 7,
    kInflectVerbGerund = 8,
};

// The name of the fine part of speech's English part of speech; "" for a
// code outside the name table.
std::string DGetConstit(FinePOS_EX const& finePOS);

// "N" or a two-character "N..." noun; "VI" or "VT" and a digit verb;
// "ADJ..." (not "ADJUNCT...") adjective; "ADV..." adverb; "PREP..."
// preposition; anything else special.
PaperGrossPOS ConstitToGrossPOS(std::string const& name);

// The kind of form named `name` with first feature set `features`: a noun
// whose features begin "P" is plural; a verb's kind is its form letter in the
// grammar's verb feature set.  A character the features lack matches nothing.
PaperInflectType GetInflectType(std::string const& name, std::string const& features);
// Orders the past forms among themselves: 1 a past, 2 a past that is the
// participle too, 3 a participle only; 0 for other kinds.
long GetInflectSubType(PaperInflectType type, std::string const& features);

// The paraphrase's cooked translation without the engine's internal marks;
// *targetPOS (when given) receives its Japanese part of speech.
std::string DRealJapanese(Paraphrase_EX const& paraphrase, POS_J_Target* targetPOS = nullptr);
// Some paraphrase gives a non-empty DRealJapanese.
bool HasRealJapanese(FinePOS_EX const& finePOS);

// False for the parts of speech never printed ("VT31...", "VI16...",
// "VI19...").
bool OKPaperConstit(FinePOS_EX const& finePOS);

// The text is one of the 25 verb particles ("about" ... "up"), any case.
bool IsParticle(std::string const& text);

// For a "VI01" reading whose headword's last word is a particle ("get up"):
// the headword without it ("get"); otherwise the headword unchanged.
std::string GetWordsAdjustVI01(std::string const& headword, std::string const& name);

// 10 raised to p / 2048.
float DecodePValue(short pValue);
