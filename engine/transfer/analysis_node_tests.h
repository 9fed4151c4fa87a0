#pragma once
// The node tests the analysis rules are built from: the string test, the
// feature-character test, category patterns and position helpers.
#include <cstdint>

#include "engine/parse/parsed_node.h"

// The rules' string test.  A text beginning "*" matches when the rest equals
// the end of the value, counted in whole Shift-JIS characters (an end inside
// a two-byte character fails; an empty rest matches anything).  Any other
// text is compared from the start and matches when both end together or the
// text reaches a "*".  A null value counts as "".
bool AnalStringMatch(char const* text, char const* value);

// Position by position until the pattern ends: "&", "*", "@", "X", "Y" and
// "Z" match anything; "C" matches C, P or S; "P" matches C or P; "S" matches
// C or S; other characters must be equal.  A shorter feature string fails.
bool FeatureCharsMatch(char const* pattern, char const* features);

// A category pattern against a node: "NAME'" matches only a primed node of
// category NAME, and a primed node matches only such a pattern; "NAME*" is a
// prefix; else the category name must equal the pattern.
bool ConstituentMatchesNode(PARSED_NODE const* node, char const* pattern);

// The node, or one of its descendants, is a leaf not emptied ("GONE").
bool DominatesARealLeafNode(PARSED_NODE const* node);
// The n-th sibling right of node, or its last sibling when there are fewer.
PARSED_NODE* GetNthSiblingToTheRight(PARSED_NODE* node, int n);
// The first of node's siblings (node itself for a first child or a root).
PARSED_NODE* GetLeftmostSibling(PARSED_NODE* node);
// The category's name holds "NUMBER".
bool IsNumberLike(uint32_t category);
// Some node of the tree (node, descendants, following siblings) is.
bool HasNumber(PARSED_NODE const* tree);

// The source category's name; "" for temporary categories (15000 and up)
// and unknown ones.
char const* CategoryName(uint32_t category);
// The Japanese part of speech's name; "" for an unknown one.
char const* JapanesePOSName(uint32_t pos);
