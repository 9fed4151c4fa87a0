#include "engine/parse/segment_rules.h"

#include <cctype>

namespace {

struct Row {
    char const* pattern;  // words separated by blanks
    uint16_t flags;
    uint16_t connectorLength;
};

constexpr uint16_t kBefore = SegmentRule::kExceptionBefore;
constexpr uint16_t kAfter = SegmentRule::kExceptionAfter;

// Word classes: NN (a noun), PRO (a subject pronoun), AUXV (an auxiliary),
// SID (a section label), * (any word).
constexpr Row kRows[] = {
    {":", 0, 1},
    {"SID", kBefore, 0},
    {"; and", 0, 2},
    {"; but", 0, 2},
    {"; or", 0, 2},
    {";", 0, 1},
    {"zxjDASH", 0, 1},
    {", and , ( SID )", 0, 3},
    {",", kAfter, 0},
    {";", kAfter, 0},
    {"(", kAfter, 0},
    {", ( SID )", 0, 1},
    {")", kBefore, 0},
    {",", kAfter, 0},
    {";", kAfter, 0},
    {"(", kAfter, 0},
    {", and ( SID )", 0, 2},
    {",", kAfter, 0},
    {";", kAfter, 0},
    {"(", kAfter, 0},
    {", PRO", 0, 1},
    {"which", kBefore, 0},
    {"whom", kBefore, 0},
    {"who", kBefore, 0},
    {")", kAfter, 0},
    {"* ,", kAfter, 0},
    {", and PRO", 0, 2},
    {", but PRO", 0, 2},
    {", whereby", 0, 1},
    {", wherein", 0, 1},
    {", whereof", 0, 1},
    {", whereon", 0, 1},
    {", whereupon", 0, 1},
    {", why AUXV", 0, 1},
    {", or PRO", 0, 2},
    {"so therefore", 0, 1},
    {"so why", 0, 1},
    {"and so PRO", 0, 1},
    {"and so AUXV", 0, 1},
    {", for PRO", 0, 2},
    {"to", kAfter, 0},
    {", for this AUXV", 0, 2},
    {", for that AUXV", 0, 2},
    {", but if", 0, 2},
    {", but when", 0, 2},
    {", but after", 0, 2},
    {", so after", 0, 2},
    {", but during", 0, 2},
    {", but while", 0, 2},
    {", so while", 0, 2},
    {", but according to", 0, 2},
    {", but compared to", 0, 2},
    {", but apart from", 0, 2},
    {", and apart from", 0, 2},
    {", but as far as", 0, 2},
    {", and as far as", 0, 2},
    {", yet because", 0, 2},
    {", but despite", 0, 2},
    {", but since", 0, 2},
    {", but given", 0, 2},
    {", and yet PRO", 0, 2},
    {", yet PRO", 0, 1},
    {", so instead PRO", 0, 2},
    {", but instead PRO", 0, 2},
    {", let 's", 0, 1},
    {"face", kAfter, 0},
    {"* ,", kAfter, 0},
    {", let us", 0, 1},
    {"* ,", kAfter, 0},
    {", so let 's", 0, 2},
    {", but let 's", 0, 2},
    {", and let 's", 0, 2},
    {", then let 's", 0, 2},
    {", the * said", 0, 1},
    {",", kAfter, 0},
    {"* ,", kAfter, 0},
    {", Mr. * said", 0, 1},
    {",", kAfter, 0},
    {"* ,", kAfter, 0},
    {", Ms. * said", 0, 1},
    {",", kAfter, 0},
    {"* ,", kAfter, 0},
    {", Mrs. * said", 0, 1},
    {",", kAfter, 0},
    {"* ,", kAfter, 0},
    {", Mr. * AUXV", 0, 1},
    {", Ms. * AUXV", 0, 1},
    {", Mrs. * AUXV", 0, 1},
    {", the * AUXV", 0, 1},
    {", this AUXV", 0, 1},
    {", this * AUXV", 0, 1},
    {", these AUXV", 0, 1},
    {", these * AUXV", 0, 1},
    {", those AUXV", 0, 1},
    {", those * AUXV", 0, 1},
    {", but this", 0, 2},
    {"time ,", kAfter, 0},
    {"year ,", kAfter, 0},
    {"week ,", kAfter, 0},
    {", but these", 0, 2},
    {", but those", 0, 2},
    {"that ,", kAfter, 0},
    {"who ,", kAfter, 0},
    {", and this", 0, 2},
    {"time ,", kAfter, 0},
    {"year ,", kAfter, 0},
    {"week ,", kAfter, 0},
    {", and these", 0, 2},
    {", and those AUXV", 0, 2},
    {", and the * AUXV", 0, 2},
    {", each shall", 0, 1},
    {", each * shall", 0, 1},
    {", and each shall", 0, 2},
    {", and each * shall", 0, 2},
    {", but each shall", 0, 2},
    {", but each * shall", 0, 2},
    {", no * shall", 0, 1},
    {", and no * shall", 0, 2},
    {", but no * shall", 0, 2},
    {"and he", 0, 1},
    {"and it", 0, 1},
    {"and no one", 0, 1},
    {"and nobody", 0, 1},
    {"and they", 0, 1},
    {"and we", 0, 1},
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == kBreakRuleRows, "every break rule and exception row is listed");

std::vector<std::string> SplitWords(char const* pattern) {
    std::vector<std::string> words;
    std::string word;
    for (char const* p = pattern;; ++p) {
        if (*p == '\0' || std::isspace(static_cast<unsigned char>(*p))) {
            if (!word.empty()) words.push_back(word);
            word.clear();
            if (*p == '\0') break;
        } else {
            word += *p;
        }
    }
    return words;
}

}  // namespace

std::vector<SegmentRule> const& BreakRules() {
    static std::vector<SegmentRule> const rules = [] {
        std::vector<SegmentRule> split;
        for (Row const& row : kRows) split.push_back({SplitWords(row.pattern), row.flags, row.connectorLength});
        return split;
    }();
    return rules;
}
