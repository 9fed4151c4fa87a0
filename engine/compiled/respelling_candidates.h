#pragma once
// The spellings the respelling rewriter proposes for a word, before any
// caching: British and variant spellings found inside the word ("colour" ->
// "color"), at its end ("travelling" -> "traveling"), and the word with its
// drawn-out letters shortened ("soooo" -> "so", "soo").
#include <string>
#include <vector>

enum class RespellingKind {
    kWordInternal,
    kSuffix,
    kRepeatedLetters,
};

struct RespellingCandidate {
    RespellingKind kind;
    std::string text;
};

// Whether the first n bytes of a and b are equal after toupper; true at once
// when both end together before n.
bool StrNUpMatch(char const* a, char const* b, unsigned short n);

// Word-internal variants: at every byte position of a word longer than 4
// bytes, each applicable row of "ourth" (stops, so "fourth" keeps its
// "our"), "ae" -> "e", "our" -> "or", "ise" -> "ize".
void AppendWordInternalRespellings(char const* word, std::vector<RespellingCandidate>& out);

// Suffix variants, one per suffix pattern that applies (both directions of
// "-lling/-ling", "-i/-uses", "-os/-oes", "-ise/-ize", "-tre/-ter" ...).
void AppendSuffixRespellings(char const* word, std::vector<RespellingCandidate>& out);

// All candidates in the rewriter's order: word-internal, suffix, drawn-out.
std::vector<RespellingCandidate> ProduceRespellings(char const* word);
