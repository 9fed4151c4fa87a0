#pragma once
// Finding where an inflectional ending sits at the end of a Japanese word,
// in whole Shift-JIS characters, so that an ending can be replaced without
// cutting a two-byte character.  Used by the analysis rules' ending action
// and by the inflection of alternate words.
#include <cstdint>

struct PARSED_NODE;

// a ends with b, comparing whole characters: b's bytes must start on a
// character boundary of a.  Null counts as "".
bool KEndsWith(char const* a, char const* b);

// Where the ending `tail` begins in `word`, and in *count how many of the
// tail's leading characters are not present in the word:
// - a word of fewer characters than the tail: the word's end, count = the
//   tail's characters;
// - a tail of single bytes, and a word whose last two-byte character and the
//   single bytes after it are fewer characters than the tail: the start of
//   those single bytes, count = the tail characters they lack;
// - otherwise the start of the word's last (tail characters) characters and
//   count 0; when those differ from the tail, "In synthesis, word %s should
//   end with %s but ends with %s" goes to the diagnostic buffer and the
//   answer is the word's end with count = the tail's characters.
// node is not read.
char* WherePinTail(char* word, char const* tail, uint16_t* count, PARSED_NODE const* node);
