#pragma once
// The English scanner: a pure function from wide text to the one token at its
// front.  The caller keeps the text and the position; the scanner keeps no
// state, so each rule can be tested alone and the pipeline stage that feeds
// it (LexTokenizer) decides how text arrives.
//
// Every rule looks at the text from its first character and answers how many
// characters it matches and how many of them it keeps as the token's text
// (a rule may look at a character it does not keep).  The longest match
// wins; between matches of equal length the lower rule wins.  The rule table
// is in scanner.cpp, the character classes in scanner_char_classes.cpp.
#include <cstddef>

#include "engine/foundation/token.h"

namespace lex {

// What the scanner found at the front of the text.
struct Match {
    unsigned rule = 0;  // the rule that matched, for traces
    TokenTypeID type = 0;
    std::size_t length = 0;   // characters kept as the token's text (at least 1)
    std::size_t matched = 0;  // characters the rule looked at, length included
};

enum class ScanStatus {
    kToken,     // *match holds the token at the front of the text
    kNeedMore,  // the answer depends on characters after the text: call again with more
    kEnd,       // the text is empty and final
};

// Scans the token at the front of the size characters at text.  final tells
// that no character follows them: rules that depend on what follows are then
// decided (a pattern cut off by the end is not matched) instead of asking for
// more.  A non-final call never answers kEnd.
ScanStatus ScanToken(wchar_t const* text, std::size_t size, bool final, Match* match);

// The default rule: a character no other rule takes becomes a one-character
// Word.
constexpr unsigned kDefaultRule = 95;
// Markup: a start tag (also a declaration or processing instruction) and an
// end tag, each one markup token from its "<" through its ">".  A "<" that no
// ">" closes is text.
constexpr unsigned kStartTagRule = 96;
constexpr unsigned kEndTagRule = 97;
constexpr unsigned kHighestRule = kEndTagRule;

// A short description of the rule, for traces; "" for a number that is no rule.
char const* RuleDescription(unsigned rule);

}  // namespace lex
