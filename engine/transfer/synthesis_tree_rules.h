#pragma once
// The fixed tree rules of Japanese synthesis.  After the conversion codes
// have put the tree into Japanese order, they add what English leaves
// implicit: tense and negation nodes, the Japanese forms of "be", the topic
// and subject particles, the only-construction; and drop a "for"
// complementizer.  They write romaji with "-" joints ("ina-", "-wo") that
// the analysis rules complete.  Each returns whether it changed the tree.
#include "engine/parse/parsed_node.h"

// Every rule in its fixed order: the object particle (synthesis_actors.h),
// the rules below, the topic rules, then the subject particles left.
bool PerformJSynTreeCodes(PARSED_NODE* tree);

// A tense node (past or present below it) after the last child of every
// clause whose verb carries a tense.
bool TenseExtraction(PARSED_NODE* tree);
// A tense node between the first of two coordinated verb phrases and the
// coordinator.
bool VPTenseExtraction(PARSED_NODE* tree);
// "BE" and "BE-Neg" spelled by whether the subject is animate.
bool BERules(PARSED_NODE* tree);
// A "for" complementizer standing alone is dropped.
bool ForCompDeletion(PARSED_NODE* tree);
// A negation node after a verb phrase holding a negation word, and one in a
// clause holding one outside its verb phrases.
bool NegationIncorporationInVP(PARSED_NODE* tree);
bool NegationIncorporationOutVP(PARSED_NODE* tree);
// "only" becomes "dakede-aru" after the clause's tense.
bool OnlyRule(PARSED_NODE* tree);
// The subject particle of a primed noun phrase inside a clause is "ga".
bool NomSpellClause(PARSED_NODE* tree);
// The subject particle after a noun phrase, "ha" or "ga" by what the phrase
// is made of.
bool NomSpellNP(PARSED_NODE* tree);

// The quick pass: every glue piece gets the glue mark; nothing when skip.
void QuickSynthesis(PARSED_NODE* tree, bool skip);

// Whether the category's name begins "PP" (never a temporary category).
bool IsPPLike(uint32_t category);
// The deepest, rightmost noun phrase of the node's subtree (the node itself
// last); null when there is none.
PARSED_NODE* FindRightmostNP(PARSED_NODE* node);
