#include "engine/transfer/unended_stems.h"

#include <cstring>
#include <vector>

#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/sjis_chars.h"

namespace {

bool IsRomajiVowel(char c) { return std::strchr("aiueoAIUEO", c) != nullptr; }

bool IsLowerASCIILetter(char c) { return c >= 'a' && c <= 'z'; }

// Whether the romaji reads as kana with no letter left over.
bool IsKanaSyllable(std::string const& romaji) {
    std::string const kana = RomajiToKana(romaji, false);
    char const* const end = kana.data() + kana.size();
    for (char const* p = kana.data(); p < end; p += SJISCharSize(p, end)) {
        if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')) return false;
    }
    return true;
}

// Past what reads as nothing: joints, blanks and empty braces ("will" of
// plain style is "{}").
char const* SkipSilent(char const* text) {
    for (;;) {
        if (*text == '-' || *text == ' ') {
            ++text;
        } else if (text[0] == '{' && text[1] == '}') {
            text += 2;
        } else {
            return text;
        }
    }
}

bool HasJapanese(PARSED_NODE const* node) { return node->japanese != nullptr && *SkipSilent(node->japanese) != '\0'; }

// Nodes with Japanese, in reading order.
void CollectSpelt(PARSED_NODE* node, std::vector<PARSED_NODE*>* spelt) {
    for (; node != nullptr; node = node->rightSibling) {
        if (HasJapanese(node)) spelt->push_back(node);
        CollectSpelt(node->firstChild, spelt);
    }
}

// "dear-" is である, "{行}k-" 行く; a "w" stem has no "wu": "{買}w-" is 買う.
std::string DictionaryForm(std::string stem, std::string const& pending) {
    stem.pop_back();  // the joint
    if (pending.back() == 'w') stem.pop_back();
    return stem + "u";
}

}  // namespace

std::string PendingStemConsonants(char const* japanese) {
    if (japanese == nullptr) return std::string();
    std::size_t const length = std::strlen(japanese);
    if (length < 2 || japanese[length - 1] != '-') return std::string();
    std::size_t start = length - 1;
    while (start > 0 && IsLowerASCIILetter(japanese[start - 1]) && !IsRomajiVowel(japanese[start - 1])) --start;
    return std::string(japanese + start, japanese + length - 1);
}

bool EndsPendingStem(std::string const& pending, char const* text) {
    if (text == nullptr) return false;
    text = SkipSilent(text);
    std::string syllable = pending;
    for (; IsLowerASCIILetter(*text); ++text) {
        syllable += *text;
        if (IsRomajiVowel(*text)) return IsKanaSyllable(syllable);
    }
    return false;
}

void FinishUnendedStems(PARSED_NODE* tree) {
    std::vector<PARSED_NODE*> spelt;
    CollectSpelt(tree, &spelt);
    for (std::size_t i = 0; i < spelt.size(); ++i) {
        std::string const pending = PendingStemConsonants(spelt[i]->japanese);
        if (pending.empty()) continue;
        char const* next = i + 1 < spelt.size() ? spelt[i + 1]->japanese : nullptr;
        if (!EndsPendingStem(pending, next)) spelt[i]->SetJapanese(DictionaryForm(spelt[i]->japanese, pending).c_str());
    }
}
