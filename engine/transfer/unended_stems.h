#pragma once
// A verb or copula stem whose ending never came: "{}dear-" of a "be" that no
// tense node followed (a glued fragment, an odd parse) leaves its romaji
// consonant pending, and the next node's text joins it (であ本rga).  Before
// the Japanese is read off the tree, such a stem takes its dictionary form
// (である, 行く, 買う), so that neither a romaji fragment nor a half-spelt
// form reaches the output.
#include <string>

#include "engine/parse/parsed_node.h"

// The romaji consonants a stem leaves pending at its joint ("r" of "dear-",
// "k" of "{書}k-"); empty when the text ends in no joint or the joint
// follows a vowel or a brace ("{食べ}-", "{勉強}su-"), which pend nothing.
std::string PendingStemConsonants(char const* japanese);

// Whether text, the Japanese that comes next, begins with a romaji syllable
// that the pending consonants start ("dear-" then "u" or "imasu"): false for
// a brace, a non-ASCII character, nothing, or letters that make no syllable
// with them ("r" then "ga").
bool EndsPendingStem(std::string const& pending, char const* text);

// Gives every node whose stem's ending never comes its dictionary form; the
// nodes are taken in the order their Japanese is read (a node, then its
// children, then its right siblings).
void FinishUnendedStems(PARSED_NODE* tree);
