#include "engine/compiled/affix_pattern.h"

#include <cstdio>
#include <cstring>

#include "engine/compiled/suffix_pattern.h"
#include "engine/foundation/lookup_match.h"
#include "engine/foundation/sjis_chars.h"

namespace {

bool BeginsWithLowerCased(char const* word, char const* prefix) {
    for (; *prefix != '\0'; ++word, ++prefix) {
        if (*word == '\0' || ASCIIToLower(*word) != *prefix) return false;
    }
    return true;
}

bool StripSuffix(std::string* stem, char const* word, AffixPattern const& row) {
    char buffer[AffixPattern::kStemBufferSize];
    if (!MakeVCSubst(buffer, sizeof buffer, word, row.stemEnd, row.surfaceEnd, AffixPattern::kMinSuffixStem) ||
        buffer[0] == '\0')
        return false;
    *stem = buffer;
    if (dictlookdump != nullptr)
        std::fprintf(dictlookdump, "     Did suffix substitution from |%s| to yield stem |%s|\n", word, buffer);
    return true;
}

bool StripPrefix(std::string* stem, char const* word, AffixPattern const& row) {
    if (!BeginsWithLowerCased(word, row.surfaceEnd)) return false;
    std::string stripped = std::string(row.stemEnd) + (word + std::strlen(row.surfaceEnd));
    if (stripped.empty() || stripped.size() > AffixPattern::kMaxPrefixStemLength) return false;
    if (word[0] >= 'A' && word[0] <= 'Z') stripped[0] = ASCIIToUpper(stripped[0]);
    *stem = stripped;
    if (dictlookdump != nullptr)
        std::fprintf(dictlookdump, "  Stripped off prefix from |%s| to yield stem |%s|\n", word, stem->c_str());
    return true;
}

}  // namespace

bool AffixPattern::Apply(std::string* stem, char const* word) const {
    stem->clear();
    return isPrefix ? StripPrefix(stem, word, *this) : StripSuffix(stem, word, *this);
}

bool ApplyNextMatchingPattern(int* index, char const* word, char* stem, AffixActionRule const** rule) {
    int const total = static_cast<int>(kPrefixPatternCount + kSuffixPatternCount);
    std::string found;
    for (int i = *index < 0 ? 0 : *index; i < total; ++i) {
        auto const prefixRows = static_cast<int>(kPrefixPatternCount);
        AffixPattern const& row = i < prefixRows ? kPrefixPatterns[i] : kSuffixPatterns[i - prefixRows];
        if (!row.Apply(&found, word)) continue;
        std::memcpy(stem, found.c_str(), found.size() + 1);
        *rule = row.rule;
        *index = i + 1;
        return true;
    }
    *index = total;
    return false;
}
