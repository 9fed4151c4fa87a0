#pragma once
// From a parsed sentence to its Japanese: the best tree is extracted, put
// into Japanese order and forms by the transfer steps in their fixed order,
// and read off as a Japanese string with its dictionary sources.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/parse/parsed_node.h"
#include "engine/pipeline/dict_source.h"
#include "engine/transfer/conversion_codes.h"
#include "engine/transfer/tree_repair.h"

class Sentence;

// Frees a whole tree.
struct ParsedTreeDeleter {
    void operator()(PARSED_NODE* tree) const { FreeSubtree(tree); }
};
using ParsedTree = std::unique_ptr<PARSED_NODE, ParsedTreeDeleter>;

// ---- Synthesis --------------------------------------------------------------
// The transplant patterns, the fixed synthesis rules, the analysis rules and
// the decimal numbers, in that order.
void PerformJSynthesis(PARSED_NODE* tree, Sentence* sentence, uint8_t synthesisFlag);
// The analysis rules; singleOnly keeps to the rules of one constituent.
void AnalyzeCodes(PARSED_NODE* tree, Sentence* sentence, uint8_t synthesisFlag, bool singleOnly);

// The sentence's selected tree, transferred; null when the sentence has none.
ParsedTree ExtractAndTrans(Sentence* sentence);

// The Japanese (Shift-JIS) of the sentence and its dictionary sources
// (Shift-JIS byte offsets); false when the sentence has no tree.
bool CTranslate(std::string* japanese, std::vector<DICT_SOURCE>* sources, Sentence* sentence);
