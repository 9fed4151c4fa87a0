#pragma once
// The derived values of an entry's English: its normalised form, its word
// split, its first word and the index bucket of that first word.  All case
// folding and white space here is ASCII only; bytes of 0x80 and above are never
// letters, digits or white space.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Skips leading white space, writes one space between runs of non-space bytes
// and drops trailing white space.  No result when it is longer than `limit`
// bytes (the file keeps English of at most 255).
std::optional<std::string> NormalizeEnglish(char const* english, std::size_t limit);

struct UDWordSplit {
    std::string words;           // the text with spaces put around punctuation
    bool droppedPeriod = false;  // a period ending the first word (or the only word) was removed
};

// Splits the text into words: a space goes before an apostrophe and around
// other punctuation (periods, commas between digits and underscores inside a
// word stay), a period that ends the first word is dropped ("U.S. Army" ->
// "U.S Army", "don't" -> "don 't").  A text whose split could pass 1,999 bytes
// is given back unchanged.
UDWordSplit DExtractAllWords(char const* text);

// The number of leading bytes of the English that make its first word: as
// many as its word split has before its first white space or its end, at most
// `length`.
std::size_t DGetFirstwordEnd(char const* english, std::size_t length);

// Writes the first word of the English, ASCII letters upper-cased, into dest
// and zero-fills dest up to and including dest[length]: dest must hold
// length + 1 bytes (kUDFirstwordBufferSize for the usual length of
// kUDFirstwordLength), so the result is always NUL-terminated.
void UDFwStrncpy(char* dest, char const* english, std::size_t length);

// The index bucket of a first word: the sum of its bytes, ASCII letters
// upper-cased, each shifted left by (its position mod 32), in 32-bit
// arithmetic, modulo the bucket count (a bucket count of 0 gives 0).
uint32_t DHashFunc(char const* word, uint32_t bucketCount);
