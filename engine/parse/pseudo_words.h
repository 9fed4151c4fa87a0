#pragma once
// The texts the preparser gives the parser for punctuation and layout.  The
// dictionaries must hold an entry for each (that is how the grammar sees them
// as words), so the lexicon and the preparser take the names from here.
#include <array>

namespace pseudo_words {

// Layout and marks that become made-up words.
constexpr char kLineEnd[] = "zxjCR";
constexpr char kTab[] = "zxjTAB";
constexpr char kDash[] = "zxjDASH";
constexpr char kHyphen[] = "zxqHYPHEN";  // a hyphen that closes no word: "zxq", not "zxj"
constexpr char kOpenQuote[] = "zxjOPENQ";
constexpr char kCloseQuote[] = "zxjCLOSEQ";
constexpr char kBullet[] = "zxjBULLET";
constexpr char kMinus[] = "zxjMINUS";
constexpr char kPlus[] = "zxjPLUS";
// A run of two or more periods (an ellipsis), spaces between them included.
constexpr char kEllipsis[] = "zxjDOTDOT";

// A sentence-final mark inside a closing quote becomes two words: one before
// the quote that may be nothing, one after it that may end the sentence.
constexpr char kPeriodOrNothing[] = "zxjPRDor0";
constexpr char kExclamationOrNothing[] = "zxjEXMRKor0";
constexpr char kExclamationOrPeriod[] = "zxjEXMRKorPRD";
constexpr char kQuestionOrNothing[] = "zxjQMARKor0";
constexpr char kQuestionOrPeriod[] = "zxjQMARKorPRD";

// An extra chart word over a colon with no space on either side ("12:30").
constexpr char kColonWithoutSpace[] = "zxjCOLON_NOSPACE";

// Every made-up text above.
constexpr std::array<char const*, 16> kAll = {
    kLineEnd,
    kTab,
    kDash,
    kHyphen,
    kOpenQuote,
    kCloseQuote,
    kBullet,
    kMinus,
    kPlus,
    kEllipsis,
    kPeriodOrNothing,
    kExclamationOrNothing,
    kExclamationOrPeriod,
    kQuestionOrNothing,
    kQuestionOrPeriod,
    kColonWithoutSpace,
};

// Punctuation reaches the parser as its one-byte text (a full-width mark is
// written in its one-byte form first); "," and "-" arrive as words, and "&"
// joins capitalised names.  The dictionaries need these too.
constexpr std::array<char const*, 14> kPunctuation = {
    ".", "?", "!", ",", ";", ":", "(", ")", "[", "]", "{", "}", "-", "&",
};

// An "am"/"pm" written right after a number is split off as its own word,
// kept as written; the dictionaries need an entry for each form.
constexpr std::array<char const*, 8> kClockSuffixes = {
    "am", "AM", "a.m", "A.M", "pm", "PM", "p.m", "P.M",
};

}  // namespace pseudo_words
