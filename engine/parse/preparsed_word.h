#pragma once
// The words the preparser makes of one sentence's tokens, the spans it marks
// over them, and the extra words it adds to the chart.  Offsets count
// Shift-JIS bytes from the start of the sentence, over the texts of all its
// tokens in order (white space and line ends included).
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "engine/foundation/token.h"

struct PreparsedWord {
    // Bits of fFlags.
    static constexpr uint8_t kMatchedCapitalised = 0x01;  // a dictionary form matched with a capital
    static constexpr uint8_t kMatchedLowerCase = 0x02;    // a dictionary form matched in lower case
    static constexpr uint8_t kTrulyCapitalised = 0x04;    // a capital inside running text
    static constexpr uint8_t kAllCapitals = 0x08;         // written in capitals, two bytes or more
    static constexpr uint8_t kAllCapitalReading = 0x10;   // an all-capital reading was made for it
    static constexpr uint8_t kFlagsMask = 0x1F;

    // Bits of fFlags2.
    static constexpr uint16_t kQuotedEndMark = 0x0022;     // one of the two words of an end mark in a closing quote
    static constexpr uint16_t kClockSuffixSplit = 0x0040;  // a number that had "am"/"pm" split off
    static constexpr uint16_t kHourNumber = 0x0080;        // that number is below 25
    static constexpr uint16_t kWhiteFollows = 0x0100;      // white space follows it in the source
    static constexpr uint16_t kFlags2Mask = 0x01FF;

    // The token of a word that stands for no token of the source.
    static constexpr Token kNoToken = 0xFF00;

    uint8_t fFlags = 0;
    Token fToken = kNoToken;
    std::string fText;  // Shift-JIS
    uint16_t fStart = 0;
    uint16_t fEnd = 0;
    std::vector<FinePOS_EX> fEntries;
    uint16_t fHyphenSequencesBegun = 0;  // hyphen sequences that begin at this word
    uint16_t fHyphenSequencesEnded = 0;  // and that end at it
    uint16_t fFlags2 = 0;

    void AddDEToWord(FinePOS_EX const& entry) { fEntries.push_back(entry); }

    bool Has(uint8_t flag) const { return (fFlags & flag) != 0; }
    bool Has2(uint16_t flag) const { return (fFlags2 & flag) != 0; }
    bool WhiteFollows() const { return Has2(kWhiteFollows); }
    TokenTypeID Type() const { return TokenTypeOf(fToken); }
};

// A span of words the preparser found to belong together.
struct PreparseSense {
    enum Kind : uint32_t {
        kHyphenSequence = 1,
        kNumericHyphenSequence = 2,
        kCapitalSequence = 3,
    };

    uint32_t fKind = kHyphenSequence;
    std::string fMarker;
    uint16_t fFirstWord = 0;
    uint16_t fLastWord = 0;
};

// A word the chart gets besides the preparsed ones, over words first..last.
struct ExtraChartWord {
    ExtraChartWord() = default;
    ExtraChartWord(char const* text, uint16_t first, uint16_t last) : fText(text), fFirst(first), fLast(last) {}

    std::string fText;
    uint16_t fFirst = 0;
    uint16_t fLast = 0;
};
