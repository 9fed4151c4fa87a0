#include "engine/userdict/ud_english.h"

#include <cstring>

namespace {

// The split must fit the 2,000-byte buffer the index code has always used, NUL
// included; a longer one is not split at all.
constexpr std::size_t kWordSplitLimit = 1999;

bool IsAsciiSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsAsciiAlnum(unsigned char c) { return IsAsciiLetter(c) || IsAsciiDigit(c); }
bool IsWordOrSpace(unsigned char c) { return IsAsciiAlnum(c) || IsAsciiSpace(c); }
unsigned char AsciiUpper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

// Worst-case length of the split, counted as the format has always counted it:
// one more byte for each apostrophe and two more for each byte that is not a
// letter, digit or white space (an apostrophe is such a byte as well).
std::size_t WorstCaseSplitLength(unsigned char const* text, std::size_t length) {
    std::size_t worst = length + 1;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '\'') worst += 1;
        if (!IsWordOrSpace(text[i])) worst += 2;
    }
    return worst;
}

// Drops a period that ends the text so far (a single "." is kept).
bool DropFinalPeriod(std::string* copy) {
    if (copy->size() >= 2 && copy->back() == '.') {
        copy->pop_back();
        return true;
    }
    return false;
}

}  // namespace

std::optional<std::string> NormalizeEnglish(char const* english, std::size_t limit) {
    std::string normalized;
    auto const* p = reinterpret_cast<unsigned char const*>(english);
    while (*p != '\0') {
        while (IsAsciiSpace(*p)) ++p;
        if (*p == '\0') break;
        if (!normalized.empty()) normalized += ' ';
        while (*p != '\0' && !IsAsciiSpace(*p)) normalized += static_cast<char>(*p++);
        if (normalized.size() > limit) return std::nullopt;
    }
    return normalized;
}

UDWordSplit DExtractAllWords(char const* text) {
    auto const* bytes = reinterpret_cast<unsigned char const*>(text);
    std::size_t const length = std::strlen(text);
    UDWordSplit split;
    if (WorstCaseSplitLength(bytes, length) > kWordSplitLimit) {
        split.words = text;
        return split;
    }

    std::string& copy = split.words;
    bool spaceSeen = false;
    bool firstBlankMet = false;
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char const c = bytes[i];
        bool const isFirst = i == 0;
        bool const isLast = i + 1 == length;
        unsigned char const before = isFirst ? 0 : bytes[i - 1];
        unsigned char const after = bytes[i + 1];  // the NUL for the last byte

        if (c == '\'') {
            if (!isFirst) {
                copy += ' ';
                spaceSeen = true;
            }
            copy += static_cast<char>(c);
        } else if (c == '.' || (c == ',' && IsAsciiDigit(before) && IsAsciiDigit(after)) ||
                   (c == '_' && IsAsciiAlnum(before) && IsAsciiAlnum(after))) {
            copy += static_cast<char>(c);
        } else if (IsWordOrSpace(c)) {
            if (c == ' ' && !firstBlankMet) {
                // The blank that ends the first word: "U.S. Army" keeps "U.S".
                firstBlankMet = true;
                spaceSeen = true;
                if (DropFinalPeriod(&copy)) split.droppedPeriod = true;
            }
            copy += static_cast<char>(c);
        } else {
            if (!isFirst && !IsAsciiSpace(before)) {
                copy += ' ';
                spaceSeen = true;
            }
            copy += static_cast<char>(c);
            if (!isLast && !IsAsciiSpace(after)) {
                copy += ' ';
                spaceSeen = true;
            }
        }
    }
    // A single word loses its final period too: "etc." -> "etc".
    if (!spaceSeen && DropFinalPeriod(&copy)) split.droppedPeriod = true;
    return split;
}

std::size_t DGetFirstwordEnd(char const* english, std::size_t length) {
    UDWordSplit const split = DExtractAllWords(english);
    auto const* original = reinterpret_cast<unsigned char const*>(english);
    auto const* words = reinterpret_cast<unsigned char const*>(split.words.c_str());
    std::size_t n = 0;
    while (n < length && original[n] != '\0' && words[n] != '\0' && !IsAsciiSpace(words[n])) ++n;
    return n;
}

void UDFwStrncpy(char* dest, char const* english, std::size_t length) {
    std::memset(dest, 0, length + 1);
    std::size_t const end = DGetFirstwordEnd(english, length);
    for (std::size_t i = 0; i < end; ++i) {
        dest[i] = static_cast<char>(AsciiUpper(static_cast<unsigned char>(english[i])));
    }
}

uint32_t DHashFunc(char const* word, uint32_t bucketCount) {
    if (bucketCount == 0) return 0;
    uint32_t hash = 0;
    auto const* p = reinterpret_cast<unsigned char const*>(word);
    for (uint32_t i = 0; p[i] != '\0'; ++i) {
        hash += static_cast<uint32_t>(AsciiUpper(p[i])) << (i % 32);
    }
    return hash % bucketCount;
}
