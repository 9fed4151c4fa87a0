#include "engine/transfer/alt_duplicate_rules.h"

#include "engine/foundation/string_compare.h"

namespace {

bool BeginsWithCapital(std::string const& s) { return !s.empty() && s[0] >= 'A' && s[0] <= 'Z'; }

// The loser by a rule that prefers entries where `wins` holds; kNeither when
// it holds for both or neither.
DuplicateLoser ByPreference(bool firstWins, bool secondWins) {
    if (firstWins == secondWins) return DuplicateLoser::kNeither;
    return firstWins ? DuplicateLoser::kSecond : DuplicateLoser::kFirst;
}

}  // namespace

bool CaseMatches(std::string const& sourceWord, std::string const& headword) {
    if (CaseInsensitiveEqual(sourceWord.c_str(), headword.c_str())) return sourceWord == headword;
    return BeginsWithCapital(sourceWord) == BeginsWithCapital(headword);
}

DuplicateLoser ChooseDuplicateLoser(DuplicateFacts const& first, DuplicateFacts const& second, bool withBestMatchPOS) {
    if (first.bestMatch && second.bestMatch) return DuplicateLoser::kNeither;
    if (DuplicateLoser loser = ByPreference(first.bestMatch, second.bestMatch); loser != DuplicateLoser::kNeither)
        return loser;
    if (withBestMatchPOS) {
        if (DuplicateLoser loser = ByPreference(first.hasBestMatchPOS, second.hasBestMatchPOS);
            loser != DuplicateLoser::kNeither)
            return loser;
    }
    if (DuplicateLoser loser = ByPreference(first.caseMatches, second.caseMatches); loser != DuplicateLoser::kNeither)
        return loser;
    if (DuplicateLoser loser = ByPreference(!first.altOnly, !second.altOnly); loser != DuplicateLoser::kNeither)
        return loser;
    if (first.finePOSPValue != second.finePOSPValue)
        return first.finePOSPValue < second.finePOSPValue ? DuplicateLoser::kFirst : DuplicateLoser::kSecond;
    return first.paraphrasePValue < second.paraphrasePValue ? DuplicateLoser::kFirst : DuplicateLoser::kSecond;
}
