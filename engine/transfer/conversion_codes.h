#pragma once
// The conversion codes of the grammar's rules, applied to the analysis tree:
// each node built by a rule has its children reordered, dropped or extended
// toward Japanese order.  The codes of a rule before its "TargetLangStart"
// marker are generic, those after it Japanese; each pass walks the tree in
// post-order and applies its own.
#include <cstddef>
#include <vector>

#include "engine/parse/grammar_tables.h"
#include "engine/parse/parsed_node.h"
#include "engine/transfer/conversion_code_table.h"

class Sentence;

// The marker between a rule's generic and Japanese codes.
inline constexpr char kTargetLangStart[] = "TargetLangStart";
// Bytes of a compiled code (NUL-padded, not always terminated).
inline constexpr std::size_t kConversionCodeBytes = 16;

// The generic pass and the Japanese pass over a whole tree.
void UseGenericCCodes(PARSED_NODE* tree, Sentence* sentence);
void UseJapaneseCCodes(PARSED_NODE* tree, Sentence* sentence);
void UseConvCodes(PARSED_NODE* tree, bool japanese, Sentence* sentence);

// The codes of one rule's run, in order, applied to a node the rule built:
// the generic pass stops at the marker, the Japanese pass starts after it.
// A code naming a V category applies to the first virtual node of that
// category below the node that no earlier code of the run took; when there
// is none, the node's remaining codes are skipped.
void UseCodeRun(PARSED_NODE* node, PureCCodeRecord const* codes, std::size_t count, bool japanese, Sentence* sentence);

// Applies one code (at most kConversionCodeBytes bytes: digits, or
// "CCspecial" and an id) to the node's children.  A code the node's children
// do not fit leaves them as they are and says so in gErrBuf; an unknown code
// does nothing.  The sentence gives the English words of term count 99.
void ReorderTerms(PARSED_NODE* node, char const* code, Sentence* sentence);

// The node for a term: the child in its slot (the slot then empties; null
// when the slot is empty or past the code's term count), or a new virtual
// node for CONVERSION_CODE::kNewNode.
PARSED_NODE* GetThenZero(PARSED_NODE** slots, unsigned short term, CONVERSION_CODE const* code);

// Searches first's sibling chain, and below virtual nodes only, for a
// virtual node of the category not yet in *used; the one found goes into
// *found and onto *used.  False when there is none.
bool FindVNode(PARSED_NODE* first, unsigned short category, PARSED_NODE** found, std::vector<PARSED_NODE*>* used);
