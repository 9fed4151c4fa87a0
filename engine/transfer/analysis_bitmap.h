#pragma once
// The tree bitmap that keys the analysis rules: every string of the tree
// (Japanese strings and parts of speech, English surface and base forms,
// category names, semantic atoms and their ancestors) sets the bits its
// tries give for it, whole string and every prefix and suffix, so that a
// rule whose keys are not all set is skipped before any walk.
#include <cstdint>

#include "engine/parse/parsed_node.h"
#include "engine/transfer/analysis_rule_set.h"

using AnalBitmap = uint32_t[kAnalBitmapWords];
constexpr unsigned kAnalBitmapBits = kAnalBitmapWords * 32;

// Sets the global bit; bits outside the bitmap are ignored.
void SetInBitmap(unsigned bit, uint32_t* bitmap);
// False for bits outside the bitmap.
bool IsSetInBitmap(unsigned bit, uint32_t const* bitmap);

// Walks one trie over the text's bytes (backward: from the last byte to the
// first), setting the prefix bit of every record reached and the whole-string
// bit of the last one when the text is used up.  Records out of the map end
// the walk.
void FindInLMap(LetterMapRecord const* map, uint32_t recordCount, unsigned region, char const* text, bool backward,
                uint32_t* bitmap);
// Both tries of the region; nothing for an empty or null text or option.
void MaybeSetInBitmap(ANALOPT const* option, char const* text, uint32_t* bitmap);
// The node's semantic atoms and their is-a ancestors, by name.
void AllSFsToBitmap(PARSED_NODE const* node, ANALOPT const* option, uint32_t* bitmap);
// Every string of one node.
void NodeToBitmap(PARSED_NODE const* node, AnalysisRuleSet const& rules, uint32_t* bitmap);
// Every node of the tree: node, descendants, following siblings.
void ConstructBitmap_(PARSED_NODE const* tree, AnalysisRuleSet const& rules, uint32_t* bitmap);
