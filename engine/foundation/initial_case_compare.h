#pragma once
// The order of word-list tables, and the search of such a table for a word as
// it stands in a sentence.
//
// Strings that differ only in case are grouped together, a lower-case initial
// first: "apple" < "Apple" < "apricot".  Strings that differ only in the case
// of later characters ("USA", "Usa") are equivalent.  A table is searched for
// a word with its later characters lower-cased, so a word written in capitals
// is found like the same word written normally.
#include <algorithm>
#include <string>

#include "engine/foundation/sjis_chars.h"

// a is ordered before b: compared case-folded in dictionary order
// (StringCompare_E_Source: the trail byte of a double-byte character is never
// taken for a letter), and among case variants a lower-case initial first.
struct InitialCaseStringCompare {
    bool operator()(std::string const& a, std::string const& b) const;
};

// The text begins with an ASCII lower-case letter (false for null).
bool BeginsWithLowerCaseLetter(char const* text);

// The word with every character after the first lower-cased: the form in
// which word-list tables hold their words.
std::string LowerCasedAfterInitial(std::string word);

// Whether a table sorted by InitialCaseStringCompare lists the word: a word
// with a capital initial ("Apple", "APPLE") matches an entry spelled with that
// capital or with a lower-case initial ("apple"); a word with a lower-case
// initial matches only the lower-case spelling.  The case of later characters
// never matters.
template <class Iterator>
bool IsInInitialStringTable(std::string const& word, Iterator first, Iterator last) {
    InitialCaseStringCompare const order;
    // Equivalence in the table's order is equality once later characters are
    // lower-cased, so every spelling in the equal range is a match.
    std::string const asWritten = LowerCasedAfterInitial(word);
    if (std::binary_search(first, last, asWritten, order)) return true;
    std::string allLower = asWritten;
    // A lead byte is no letter, so this never changes a double-byte initial.
    if (!allLower.empty()) allLower[0] = ASCIIToLower(allLower[0]);
    return allLower != asWritten && std::binary_search(first, last, allLower, order);
}
