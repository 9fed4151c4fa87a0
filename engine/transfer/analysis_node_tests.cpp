#include "engine/transfer/analysis_node_tests.h"

#include <cstring>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/value_types.h"
#include "engine/transfer/tree_analyzer.h"
#include "engine/transfer/tree_edit.h"

bool AnalStringMatch(char const* text, char const* value) {
    if (value == nullptr) value = "";
    if (text[0] == '*') {
        char const* const rest = text + 1;
        std::size_t const restLength = std::strlen(rest);
        std::size_t const valueLength = std::strlen(value);
        if (restLength > valueLength) return false;
        std::size_t const from = valueLength - restLength;
        std::size_t at = 0;
        while (at < from) at += SJISCharSize(value + at);
        return at == from && std::memcmp(value + from, rest, restLength) == 0;
    }
    for (std::size_t i = 0;; ++i) {
        if (text[i] == '*') return true;
        if (text[i] != value[i]) return false;
        if (text[i] == '\0') return true;
    }
}

namespace {

bool FeatureCharMatches(char pattern, char feature) {
    switch (pattern) {
        case '&':
        case '*':
        case '@':
        case 'X':
        case 'Y':
        case 'Z':
            return true;
        case 'C':
            return feature == 'C' || feature == 'P' || feature == 'S';
        case 'P':
            return feature == 'C' || feature == 'P';
        case 'S':
            return feature == 'C' || feature == 'S';
        default:
            return pattern == feature;
    }
}

}  // namespace

bool FeatureCharsMatch(char const* pattern, char const* features) {
    for (std::size_t i = 0; pattern[i] != '\0'; ++i) {
        if (features[i] == '\0') return false;
        if (!FeatureCharMatches(pattern[i], features[i])) return false;
    }
    return true;
}

bool ConstituentMatchesNode(PARSED_NODE const* node, char const* pattern) {
    std::size_t const length = std::strlen(pattern);
    char const* const name = CategoryName(node->category);
    bool const primed = (node->flags & kPrimeNode) != 0;
    if (length > 0 && pattern[length - 1] == '\'') {
        return primed && std::strlen(name) == length - 1 && std::memcmp(name, pattern, length - 1) == 0;
    }
    if (primed) return false;
    if (length > 0 && pattern[length - 1] == '*') return std::strncmp(name, pattern, length - 1) == 0;
    return std::strcmp(name, pattern) == 0;
}

bool DominatesARealLeafNode(PARSED_NODE const* node) {
    if (node->firstChild == nullptr) return node->category != kGoneCategory;
    return AnyNodeOfTree(node->firstChild, [](PARSED_NODE const* at) {
        return at->firstChild == nullptr && at->category != kGoneCategory;
    });
}

PARSED_NODE* GetNthSiblingToTheRight(PARSED_NODE* node, int n) {
    for (; n > 0 && node->rightSibling != nullptr; --n) node = node->rightSibling;
    return node;
}

PARSED_NODE* GetLeftmostSibling(PARSED_NODE* node) {
    while (PARSED_NODE* const left = GetLeftSibling(node)) node = left;
    return node;
}

bool IsNumberLike(uint32_t category) { return std::strstr(CategoryName(category), "NUMBER") != nullptr; }

bool HasNumber(PARSED_NODE const* tree) {
    std::vector<PARSED_NODE const*> pending;
    if (tree != nullptr) pending.push_back(tree);
    while (!pending.empty()) {
        PARSED_NODE const* const at = pending.back();
        pending.pop_back();
        if (IsNumberLike(at->category)) return true;
        if (at->rightSibling != nullptr) pending.push_back(at->rightSibling);
        if (at->firstChild != nullptr) pending.push_back(at->firstChild);
    }
    return false;
}

char const* CategoryName(uint32_t category) {
    if (category > kMaxValidPOS_E_Source) return "";
    return EnglishPOSName(static_cast<POS_E_Source>(category));
}

char const* JapanesePOSName(uint32_t pos) {
    auto const& database = gTargetPOSDatabase();
    if (pos >= database.GetCount()) return "";
    char const* const name = database.GetNames()[pos];
    return name != nullptr ? name : "";
}
