#pragma once
// Readings for words that no dictionary holds, and the small entry helpers
// the rewriting acceptors share with them.  Unknown words get readings from
// the affix rules that make entries for missing words, or else from the
// standard assignments chosen by the word's ending; a capitalised word also
// gets a proper-noun reading.  Every reading is a paraphrase of a new fine
// part of speech of the word's entry in a temporary dictionary.
#include <cstddef>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/missing_word_table.h"

// Longest headword a dictionary lookup can find.
constexpr std::size_t kMaxLookupHeadwordLength = 255;

// The first entry of the dictionary whose headword equals `headword`
// exactly (byte for byte, so "Apple" is not "apple"); a new entry with that
// headword when there is none.  A headword over kMaxLookupHeadwordLength
// bytes could never be found again, so it is refused with
// std::length_error rather than given a new entry on every call.
template <class EntryT>
EntryT MakeOrCreateEntry(Dictionary<EntryT> dictionary, std::string const& headword);

template <>
Entry_EX MakeOrCreateEntry<Entry_EX>(Dictionary<Entry_EX> dictionary, std::string const& headword);

// Whether the text ends with `ending` (given in lower case), the text's
// ASCII letters compared in lower case.  For a one-byte ending the text is
// walked by Shift-JIS characters: the trail byte of a double-byte character
// never counts as the ending.
bool EndsWithCI(char const* text, char const* ending);

// Fills a fine part of speech and one of its paraphrases from a standard
// assignment: its source part of speech, primed flag and half its p-value;
// its feature sets (a first set "#" standing for the word); the Japanese
// text, a blank and the assignment's ending as the cooked translation; its
// Japanese part of speech; and, for nouns, the default proper-noun semantics
// when the word begins with an ASCII capital, else the default noun ones.
void SetFinePOSAndParaphraseFromMWTable(FinePOS_EX finePOS, Paraphrase_EX paraphrase, char const* word,
                                        char const* japanese, MW_POS const& assignment);
// The same from the assignment named `key`; an unknown key changes nothing.
void SetFinePOSAndParaphraseFromMWTable(FinePOS_EX finePOS, Paraphrase_EX paraphrase, char const* word,
                                        char const* japanese, char const* key);

// Flags of the assignment rows already used for one word, one per row.
using MWRowsUsed = bool[kMissingWordAssignmentCount];

// Adds to *out one reading of `word` in `dictionary` from the first row named
// `key` not yet used for this word, unless a row used before gives the same
// parts of speech and feature sets.  Its Japanese is the marker that tells
// generation to use the English surface form.  The bool is not read.
void CreateVHNDictEntry(std::vector<Paraphrase_EX>* out, char const* word, char const* key, bool,
                        Dictionary<Entry_EX> const& dictionary, MWRowsUsed& used);

// Appends the readings of an unknown word made in `dictionary`: the
// missing-word affix readings; when there are none and affixOnly is false,
// the readings of its ending class (of the lower-cased word); and for a word
// beginning with an ASCII capital, one proper-noun reading.  A word too long
// for a headword gets none.
void CreateMWEntries(std::vector<Paraphrase_EX>* out, char const* word, bool affixOnly,
                     Dictionary<Entry_EX> dictionary);

// Word-class bits guessed from a word's ending.
enum POSGuessClass : unsigned short {
    kGuessAdjective = 0x1,
    kGuessAdverb = 0x2,
    kGuessNoun = 0x4,
    kGuessVerb = 0x8,
};

// Guesses the classes of `word` from its ending.  *stem receives a new[]
// copy of the guessed stem (the caller deletes it) when a class was found and
// the stem differs from the word; otherwise it is null.
void POSGuess(unsigned short* classes, char** stem, char const* word);
