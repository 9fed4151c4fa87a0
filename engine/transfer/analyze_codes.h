#pragma once
// The analysis rules over a transferred tree: each rule whose bitmap keys,
// options and number condition hold is walked over the tree in table order,
// and acts wherever its constituents match.  Strings the actions set are
// keyed at once, so a later rule can match on them in the same call.
#include <cstdint>

#include "engine/parse/parsed_node.h"
#include "engine/pipeline/sentence_user_options.h"
#include "engine/transfer/analysis_rule_set.h"

// The rule's option conditions hold for the sentence's options: its
// politeness and you-translation bits, its masks over the auxiliary-verb
// fields (several values for one field: any of them) and its flag mask
// (every flag set); the conditions of different fields must all hold.
bool AnalysisRuleOptionsHold(AnalysisRule const& rule, PolitenessLevelUserOption politeness, uint32_t youMode,
                             AuxiliaryVerbsUserOption_J const& auxiliaryVerbs);

// Runs the rules over the tree; option lets the glom mark be written,
// singleOnly keeps to rules of one constituent.  Returns how many rules were
// walked over the tree.
unsigned AnalyzeCodes(PARSED_NODE* tree, PolitenessLevelUserOption politeness, uint32_t youMode,
                      AuxiliaryVerbsUserOption_J const& auxiliaryVerbs, bool option, bool singleOnly,
                      AnalysisRuleSet const& rules = AnalysisRuleSet::Generated());
