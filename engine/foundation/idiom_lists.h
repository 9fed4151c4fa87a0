#pragma once
// Almighty idioms by punctuation.  An almighty idiom is a headword with a fine
// part of speech of idiom type eIdiomAlmighty; some hold punctuation inside
// them ("U.S.A.", "rock'n'roll", "well-to-do").  The sentence-end finder,
// meeting one of eight punctuation characters, asks for the idioms holding it
// inside, each with the position of that character, so that it does not end a
// sentence in the middle of one.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"

// One occurrence of a list's character inside an idiom.
struct AlmightyIdiomEntry {
    // The idiom's headword as the dictionary holds it.
    std::string text;
    // Byte offset of the character in text.
    uint32_t position = 0;

    bool operator==(AlmightyIdiomEntry const& other) const { return text == other.text && position == other.position; }
};

using AlmightyIdiomList = std::vector<AlmightyIdiomEntry>;

class AlmightyIdiomInterface_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "AlmightyIdiomInterface_";

    // The eight lists, each named by its ASCII character.
    enum AlmightyIdiomListTag : unsigned {
        ePeriod = 0,        // .
        eQuestionMark = 1,  // ?
        eExclamation = 2,   // !
        eHyphen = 3,        // -
        eDoubleQuote = 4,   // "
        eApostrophe = 5,    // '
        eCloseParen = 6,    // )
        eCloseBracket = 7,  // ]
    };
    static constexpr unsigned kListCount = 8;

    // The tag's list; an empty list for a tag above 7.
    virtual AlmightyIdiomList const& GetIdiomList(AlmightyIdiomListTag tag) const = 0;

    // The list selected by the first character of the text (ASCII, full-width
    // or typographic forms of the eight characters); null for any other
    // character, for an empty text and for null.
    AlmightyIdiomList const* GetIdiomList(wchar_t const* text) const;

    // The tag's ASCII character; 0 for a tag above 7.
    static char CharOf(unsigned tag);
};

// The steps that turn a list of idioms into the eight lists.
class AlmightyIdiomInterfaceCompilerHelper {
public:
    using Lists = std::vector<AlmightyIdiomList>;

    // Fills lists (resized to the eight tags) from the idioms: sorted by
    // InitialCaseStringCompare, exact duplicates dropped, then indexed.
    static void Compile(std::vector<std::string> const& idioms, Lists* lists);
    // For each idiom in order, for each tag in order, AddWordsToIndex.
    static void IdiomsToIndex(std::vector<std::string> const& idioms, Lists* lists);
    // Appends (idiom, offset) for every occurrence of the character inside
    // the idiom, not as its last character.  The idiom is walked by Shift-JIS
    // characters: a trail byte equal to the character is no occurrence.
    static void AddWordsToIndex(AlmightyIdiomList* list, char character, std::string const& idiom);
};

// Builds the lists in memory from a dictionary's entries at construction.
class AlmightyIdiomInterface_Lookup : public AlmightyIdiomInterface_ {
public:
    explicit AlmightyIdiomInterface_Lookup(Dictionary_EX const& dictionary);

    using AlmightyIdiomInterface_::GetIdiomList;
    AlmightyIdiomList const& GetIdiomList(AlmightyIdiomListTag tag) const override;

private:
    AlmightyIdiomInterfaceCompilerHelper::Lists fLists;
};
