// The two passes of conversion codes over the analysis tree.
#include "engine/transfer/conversion_codes.h"

#include <algorithm>
#include <cstring>

#include "engine/parse/grammar_tables.h"
#include "engine/transfer/tree_edit.h"

static_assert(sizeof(PureCCodeRecord{}.code) == kConversionCodeBytes, "a compiled code is read with its size");

namespace {

bool IsMarker(PureCCodeRecord const& record) {
    return strnlen(record.code, kConversionCodeBytes) == sizeof kTargetLangStart - 1 &&
           std::memcmp(record.code, kTargetLangStart, sizeof kTargetLangStart - 1) == 0;
}

void ApplyCodesOfNode(PARSED_NODE* node, bool japanese, Sentence* sentence) {
    if (node->pureRule == 0 || node->pureRule == PARSED_NODE::kLiteralRule || node->pureRule >= kPureRuleCount) return;
    PureRuleRecord const& rule = kPureRules[node->pureRule];
    if (rule.firstCode >= kPureCCodeCount) return;
    std::size_t const count = std::min<std::size_t>(rule.codeCount, kPureCCodeCount - rule.firstCode);
    UseCodeRun(node, &kPureCCodes[rule.firstCode], count, japanese, sentence);
}

// Post-order: a node's codes see its children already converted.
void RecursiveUseConvCodes(PARSED_NODE* node, bool japanese, Sentence* sentence) {
    for (PARSED_NODE* child = node->firstChild; child != nullptr; child = child->rightSibling)
        RecursiveUseConvCodes(child, japanese, sentence);
    ApplyCodesOfNode(node, japanese, sentence);
}

}  // namespace

void UseCodeRun(PARSED_NODE* node, PureCCodeRecord const* codes, std::size_t count, bool japanese, Sentence* sentence) {
    std::vector<PARSED_NODE*> used;  // virtual nodes a code of the run has taken
    bool passed = false;             // the marker is behind
    for (std::size_t i = 0; i < count; ++i) {
        PureCCodeRecord const& record = codes[i];
        if (IsMarker(record)) {
            if (!japanese) return;
            passed = true;
            continue;
        }
        if (japanese && !passed) continue;
        PARSED_NODE* target = node;
        if (record.vCategory != 0 && !FindVNode(node->firstChild, record.vCategory, &target, &used)) return;
        ReorderTerms(target, record.code, sentence);
    }
}

bool FindVNode(PARSED_NODE* first, unsigned short category, PARSED_NODE** found, std::vector<PARSED_NODE*>* used) {
    for (PARSED_NODE* at = first; at != nullptr; at = at->rightSibling) {
        if ((at->flags & kVirtualNode) == 0) continue;
        if (at->category == category && std::find(used->begin(), used->end(), at) == used->end()) {
            *found = at;
            used->push_back(at);
            return true;
        }
        if (FindVNode(at->firstChild, category, found, used)) return true;
    }
    return false;
}

void UseConvCodes(PARSED_NODE* tree, bool japanese, Sentence* sentence) {
    if (tree != nullptr) RecursiveUseConvCodes(tree, japanese, sentence);
}

void UseGenericCCodes(PARSED_NODE* tree, Sentence* sentence) { UseConvCodes(tree, false, sentence); }

void UseJapaneseCCodes(PARSED_NODE* tree, Sentence* sentence) { UseConvCodes(tree, true, sentence); }
