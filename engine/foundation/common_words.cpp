#include "engine/foundation/common_words.h"

#include <iterator>
#include <string_view>
#include <type_traits>
#include <unordered_set>

#include "engine/foundation/sjis_chars.h"

constexpr char const* const pcCommon[kCommonWordCount] = {
    "the",       "of",          "to",           "a",           "and",         "in",         "that",       "for",
    "is",        "it",          "on",           "with",        "as",          "was",        "by",         "be",
    "he",        "at",          "this",         "are",         "from",        "or",         "his",        "have",
    "an",        "not",         "they",         "which",       "but",         "had",        "you",        "were",
    "their",     "has",         "been",         "one",         "we",          "she",        "all",        "her",
    "would",     "there",       "will",         "can",         "more",        "if",         "its",        "no",
    "so",        "who",         "what",         "about",       "up",          "out",        "them",       "when",
    "some",      "than",        "my",           "into",        "other",       "only",       "also",       "then",
    "could",     "do",          "any",          "these",       "him",         "may",        "our",        "two",
    "over",      "me",          "after",        "such",        "most",        "like",       "very",       "should",
    "where",     "those",       "just",         "now",         "because",     "how",        "many",       "each",
    "much",      "before",      "through",      "between",     "both",        "under",      "well",       "being",
    "must",      "did",         "down",         "back",        "even",        "own",        "here",       "still",
    "while",     "off",         "away",         "might",       "since",       "us",         "against",    "without",
    "except",    "does",        "however",      "upon",        "again",       "few",        "during",     "another",
    "why",       "every",       "same",         "until",       "your",        "among",      "within",     "whether",
    "though",    "yet",         "around",       "nor",         "although",    "whose",      "either",     "once",
    "neither",   "whom",        "shall",        "above",       "below",       "across",     "behind",     "beyond",
    "toward",    "towards",     "per",          "via",         "onto",        "throughout", "despite",    "unlike",
    "unless",    "whereas",     "thus",         "hence",       "therefore",   "three",      "first",      "last",
    "next",      "several",     "less",         "least",       "rather",      "quite",      "almost",     "already",
    "ago",       "always",      "never",        "often",       "sometimes",   "perhaps",    "instead",    "else",
    "enough",    "too",         "ever",         "indeed",      "anyway",      "besides",    "meanwhile",  "otherwise",
    "moreover",  "furthermore", "nevertheless", "nonetheless", "accordingly", "likewise",   "somewhat",   "herself",
    "himself",   "itself",      "myself",       "ourselves",   "themselves",  "yourself",   "yourselves", "anyone",
    "anybody",   "anything",    "everyone",     "everybody",   "everything",  "someone",    "somebody",   "something",
    "nobody",    "nothing",     "none",         "nowhere",     "somewhere",   "anywhere",   "everywhere", "whatever",
    "whoever",   "whichever",   "whenever",     "wherever",    "hers",        "ours",       "theirs",     "yours",
    "mine",      "i",           "am",           "cannot",      "let",         "near",       "along",      "beside",
    "inside",    "outside",     "beneath",      "underneath",  "amid",        "amidst",     "till",       "unto",
    "whilst",    "lest",        "whereby",      "wherein",     "whereupon",   "thereby",    "therein",    "thereof",
    "hereby",    "herein",      "four",         "five",        "six",         "seven",      "eight",      "nine",
    "ten",       "hundred",     "thousand",     "million",     "half",        "twice",      "second",     "third",
    "ought",     "need",        "dare",         "used",        "regarding",   "concerning", "including",  "excluding",
    "following", "plus",        "minus",        "versus",      "yes",
};

namespace {

// No common word is longer.
constexpr std::size_t kLongestCommonWord = 12;

constexpr bool AllWordsFit() {
    for (std::string_view word : pcCommon) {
        if (word.size() > kLongestCommonWord) return false;
    }
    return true;
}
static_assert(AllWordsFit(), "a common word is longer than kLongestCommonWord");

class CommonWordSet {
public:
    CommonWordSet() : fWords(std::begin(pcCommon), std::end(pcCommon)) {}

    // Lower-cases the word into a buffer first; a word too long or holding a
    // byte outside ASCII cannot be common, and a Shift-JIS trail byte must
    // never be folded into a letter.
    template <typename Unit>
    bool Contains(Unit const* word) const {
        char folded[kLongestCommonWord];
        std::size_t length = 0;
        for (; word[length] != 0; ++length) {
            auto const unit = static_cast<std::make_unsigned_t<Unit>>(word[length]);
            if (length == kLongestCommonWord || unit > 0x7F) return false;
            folded[length] = ASCIIToLower(static_cast<char>(unit));
        }
        return fWords.count(std::string_view(folded, length)) != 0;
    }

private:
    std::unordered_set<std::string_view> fWords;
};

CommonWordSet const& CommonWords() {
    static CommonWordSet const words;
    return words;
}

}  // namespace

bool CommonGrammaticalWord(char const* word) { return word != nullptr && CommonWords().Contains(word); }

bool CommonGrammaticalWord(wchar_t const* word) { return word != nullptr && CommonWords().Contains(word); }
