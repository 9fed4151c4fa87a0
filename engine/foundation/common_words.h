#pragma once
// The English function words common enough that the engine treats them
// apart (they never stand for a name or a technical term).
#include <cstddef>

constexpr std::size_t kCommonWordCount = 277;

// Lower-case, in order of frequency.
extern char const* const pcCommon[kCommonWordCount];

// The word is one of pcCommon, ignoring ASCII case.  The wide form asks the
// same of wide text; a character outside ASCII never matches.  Null: false.
bool CommonGrammaticalWord(char const* word);
bool CommonGrammaticalWord(wchar_t const* word);
