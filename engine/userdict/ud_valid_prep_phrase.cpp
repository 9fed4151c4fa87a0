#include "engine/userdict/ud_valid_prep_phrase.h"

namespace {

// In ascending byte order: the scan stops at the first word sorting after
// the one looked for.
char const* const kMiscList[] = {
    "aboard",     "about",  "above",   "across",    "after",  "against", "albeit",  "along",      "alongside",
    "amid",       "amidst", "among",   "around",    "as",     "at",      "before",  "behind",     "below",
    "beneath",    "beside", "besides", "between",   "beyond", "by",      "circa",   "concerning", "despite",
    "down",       "during", "except",  "for",       "from",   "in",      "inside",  "into",       "like",
    "minus",      "near",   "of",      "off",       "on",     "onto",    "out",     "over",       "past",
    "per",        "plus",   "re",      "regarding", "round",  "since",   "than",    "through",    "through",
    "throughout", "thru",   "till",    "to",        "toward", "towards", "under",   "underneath", "unlike",
    "until",      "up",     "upon",    "via",       "with",   "within",  "without",
};

static_assert(sizeof(kMiscList) / sizeof(kMiscList[0]) == 70, "the preposition table has 70 entries");

bool IsAsciiWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

bool UDValidPrepPhrase(std::string const& phrase) {
    std::string::size_type end = 0;
    while (end < phrase.size() && !IsAsciiWhite(phrase[end])) ++end;
    std::string const word = phrase.substr(0, end);
    for (char const* preposition : kMiscList) {
        int const order = word.compare(preposition);
        if (order == 0) return true;
        if (order < 0) return false;
    }
    return false;
}
