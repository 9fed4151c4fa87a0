// One conversion code applied to one node's children.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/parse/sentence.h"
#include "engine/transfer/conversion_codes.h"
#include "engine/transfer/tree_edit.h"

namespace {

constexpr std::string_view kSpecialPrefix = "CCspecial";

// The code as a record; false for a code that names nothing (an unknown
// special id, or text that is not a digit string).  *diagnosticId is the
// number the diagnostics give: the special id, or the digits' value.
bool ReadCode(char const* text, CONVERSION_CODE* code, long long* diagnosticId) {
    std::string_view const written(text, strnlen(text, kConversionCodeBytes));
    if (written.substr(0, kSpecialPrefix.size()) == kSpecialPrefix) {
        std::string_view const digits = written.substr(kSpecialPrefix.size());
        if (digits.empty() || digits.size() > 5) return false;
        unsigned id = 0;
        for (char const c : digits) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
            id = id * 10 + static_cast<unsigned>(c - '0');
        }
        CONVERSION_CODE const* const special = FindConversionCode(id);
        if (special == nullptr) return false;
        *code = *special;
        *diagnosticId = id;
        return true;
    }
    if (written.empty() || written.size() > CONVERSION_CODE::kMaxTerms) return false;
    *code = CONVERSION_CODE{0, static_cast<uint16_t>(written.size()), false, false, 0, 0, "", {}};
    *diagnosticId = 0;
    bool ended = false;  // a '0' ends the terms
    for (std::size_t i = 0; i < written.size(); ++i) {
        char const c = written[i];
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        *diagnosticId = std::min<long long>(*diagnosticId * 10 + (c - '0'), INT_MAX);
        if (c == '0') ended = true;
        if (!ended) code->terms[i] = static_cast<uint16_t>(c - '0');
    }
    return true;
}

std::size_t CountChildren(PARSED_NODE const* node) {
    std::size_t count = 0;
    for (PARSED_NODE const* child = node->firstChild; child != nullptr; child = child->rightSibling) ++count;
    return count;
}

// Term count 99: the node's Japanese becomes its English words in braces.
void ReplaceByEnglish(PARSED_NODE* node, Sentence const* sentence) {
    if (sentence == nullptr) return;
    std::size_t const last = node->endWord;
    std::size_t const first = node->span <= last ? last - node->span : 0;
    node->SetJapanese(MapWideToSJISChars(sentence->MakeETrans(first, last).c_str()).c_str());
    FreeSubtree(node->firstChild);
    node->firstChild = nullptr;
}

void ReportWrongChildCount(char const* format, long long id) {
    std::snprintf(gErrBuf, kErrBufSize, format, static_cast<int>(id));
    gErrDataBuf[0] = '\0';
}

// Inserts the node at the place unless it is null (a term that named no child).
void InsertTerm(TreeInserter* place, PARSED_NODE* node) {
    if (node != nullptr) place->Insert(node);
}

}  // namespace

PARSED_NODE* GetThenZero(PARSED_NODE** slots, unsigned short term, CONVERSION_CODE const* code) {
    if (term == CONVERSION_CODE::kNewNode) {
        char const* const name = code->createdName;
        if (std::islower(static_cast<unsigned char>(name[0]))) {
            PARSED_NODE* const node = NewVirtualNode(0);
            node->SetJapanese(name);
            return node;
        }
        POS_E_Source category{0};
        if (*name == '\0' || !gSourcePOSDatabase().Lookup(name, &category)) {
            std::snprintf(gErrBuf, kErrBufSize, "Conv code %d creates a node of unknown category '%s'",
                          static_cast<int>(code->id), name);
            gErrDataBuf[0] = '\0';
            category = POS_E_Source{0};
        }
        return NewVirtualNode(static_cast<uint32_t>(category));
    }
    if (term == 0 || term > code->termCount) return nullptr;
    PARSED_NODE* const node = slots[term - 1];
    slots[term - 1] = nullptr;
    return node;
}

void ReorderTerms(PARSED_NODE* node, char const* text, Sentence* sentence) {
    CONVERSION_CODE code;
    long long id = 0;
    if (node == nullptr || text == nullptr || !ReadCode(text, &code, &id)) return;
    if (code.termCount == CONVERSION_CODE::kEnglishWords) {
        ReplaceByEnglish(node, sentence);
        return;
    }
    // Counted before anything is detached, so that a code the children do
    // not fit leaves them exactly as they were.
    std::size_t const children = CountChildren(node);
    if (children < code.termCount) {
        ReportWrongChildCount("Data lacks enough terms for conv code %d", id);
        return;
    }
    if (children > code.termCount && !code.extraChildrenAllowed) {
        ReportWrongChildCount("Too many data terms for conv code %d", id);
        return;
    }

    PARSED_NODE* slots[CONVERSION_CODE::kMaxTerms] = {};
    PARSED_NODE* extras = node->firstChild;
    for (std::size_t i = 0; i < code.termCount; ++i) {
        slots[i] = extras;
        extras = extras->DetachThisFromSiblings();
    }
    // The rest, the extras, stay one chain.
    if (extras != nullptr) extras->back = nullptr;
    node->firstChild = nullptr;

    TreeInserter level(node, TreeInserter::kAsFirstChild);
    std::size_t t = 0;
    auto const termAt = [&code](std::size_t i) { return i < code.terms.size() ? code.terms[i] : uint16_t{0}; };
    if (code.lowerCount > 0) {
        // Terms up to the split stay at the node's level; the last of them
        // (the split node) takes the next lowerCount terms below it.
        PARSED_NODE* split = nullptr;
        for (; t <= code.splitIndex && termAt(t) != 0; ++t) {
            if (PARSED_NODE* const placed = GetThenZero(slots, termAt(t), &code)) {
                level.Insert(placed);
                split = placed;
            }
        }
        if (split != nullptr && code.adjoin) ChomskyAdjoin(split, nullptr, false);
        for (int n = 0; n < code.lowerCount && termAt(t) != 0; ++n, ++t) {
            PARSED_NODE* const lowered = GetThenZero(slots, termAt(t), &code);
            if (lowered == nullptr) continue;
            if (split != nullptr) {
                AppendChild(split, lowered);
            } else {
                level.Insert(lowered);
            }
        }
    }
    for (; termAt(t) != 0; ++t) InsertTerm(&level, GetThenZero(slots, termAt(t), &code));
    while (extras != nullptr) {
        PARSED_NODE* const next = extras->DetachThisFromSiblings();
        level.Insert(extras);
        extras = next;
    }
    // Children no term named are dropped.
    for (PARSED_NODE*& left : slots) {
        if (left == nullptr) continue;
        FreeSubtree(left);
        left = nullptr;
    }
}
