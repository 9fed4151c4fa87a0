#pragma once
// Which of two alternate words with the same Japanese from the same
// dictionary gives way to the other, by the first rule that decides.
#include <string>

// What the rules know of one of the two entries.
struct DuplicateFacts {
    bool bestMatch = false;        // in the best-match list
    bool hasBestMatchPOS = false;  // its English part of speech is the first best match's
    bool caseMatches = true;       // CaseMatches of the source word and its headword
    bool altOnly = false;          // its paraphrase or fine part of speech is alternate-only
    short finePOSPValue = 0;
    short paraphrasePValue = 0;
};

enum class DuplicateLoser { kNeither, kFirst, kSecond };

// The rules, first to last: two best matches both stay; a best match wins;
// with a first best match (withBestMatchPOS), the entry of its English part
// of speech wins; the entry whose headword matches the source word's case
// wins; an entry that is not alternate-only wins; the higher fine part of
// speech p-value wins, then the higher paraphrase p-value, and the second
// entry loses a tie.
DuplicateLoser ChooseDuplicateLoser(DuplicateFacts const& first, DuplicateFacts const& second, bool withBestMatchPOS);

// Exactly equal when the two are equal ignoring ASCII case; otherwise true
// when both or neither begin with an ASCII capital.
bool CaseMatches(std::string const& sourceWord, std::string const& headword);
