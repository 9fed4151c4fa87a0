#include "engine/transfer/decimal_numbers.h"

#include <cstring>
#include <vector>

#include "engine/foundation/cooked_text.h"
#include "engine/foundation/pos_codes.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/tree_analyzer.h"

namespace {

constexpr char kThousandUnit[] = "\x90\xE7";         // 千
constexpr char kTenThousandUnit[] = "\x96\x9C";      // 万
constexpr char kHundredMillionUnit[] = "\x89\xAD";   // 億
constexpr char kTrillionUnit[] = "\x92\x9B";         // 兆
constexpr char kJapaneseComma[] = "\x81\x41";        // 、
constexpr std::size_t kLongestEnglishNumber = 20;

enum class Scale { kNone, kThousand, kMillion, kBillion, kTrillion };

Scale ScaleOf(uint32_t category) {
    char const* name = CategoryName(category);
    if (name[0] == '#') ++name;
    if (std::strcmp(name, "NUMBER1000") == 0) return Scale::kThousand;
    if (std::strcmp(name, "NUMBER_MILLION") == 0) return Scale::kMillion;
    if (std::strcmp(name, "NUMBER_BILLION") == 0) return Scale::kBillion;
    if (std::strcmp(name, "NUMBER_TRILLION") == 0) return Scale::kTrillion;
    return Scale::kNone;
}

// The string as its Shift-JIS characters.
using Chars = std::vector<std::string>;

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

Chars Split(std::string const& text) {
    Chars chars;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t const length = IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        chars.push_back(text.substr(i, length));
        i += length;
    }
    return chars;
}

std::string Join(Chars const& chars) {
    std::string text;
    for (std::string const& c : chars) text += c;
    return text;
}

bool IsDigit(std::string const& c) {
    return c.size() == 2 && static_cast<unsigned char>(c[0]) == 0x82 && static_cast<unsigned char>(c[1]) >= 0x4F &&
           static_cast<unsigned char>(c[1]) <= 0x58;
}
bool IsZero(std::string const& c) { return c == "\x82\x4F"; }
bool IsPoint(std::string const& c) { return c == "."; }
bool IsUnit(std::string const& c) {
    return c == kThousandUnit || c == kTenThousandUnit || c == kHundredMillionUnit || c == kTrillionUnit;
}

// Only full-width digits, "." and units are counted in two-byte units safely.
bool IsJapaneseNumber(std::string const& text) {
    for (std::string const& c : Split(text))
        if (!IsDigit(c) && !IsPoint(c) && !IsUnit(c)) return false;
    return !text.empty();
}

bool RemoveLeadingZeroesAtEnd(Chars* s) {
    std::size_t start = s->size();
    while (start > 0 && (IsDigit((*s)[start - 1]) || IsPoint((*s)[start - 1]))) --start;
    if (start == s->size()) return false;
    bool allZeros = true;
    for (std::size_t i = start; i < s->size(); ++i) allZeros = allZeros && IsZero((*s)[i]);
    if (allZeros) {
        if (start > 0) s->erase(s->begin() + static_cast<std::ptrdiff_t>(start), s->end());
        return false;
    }
    while (start + 1 < s->size() && IsZero((*s)[start]) && !IsPoint((*s)[start + 1]))
        s->erase(s->begin() + static_cast<std::ptrdiff_t>(start));
    return true;
}

std::string WithoutSeparators(char const* japanese) {
    std::string out;
    for (std::string const& c : Split(japanese))
        if (c != "," && c != kJapaneseComma) out += c;
    return out;
}

// A decimal, then the unit word right after it.
class DecAdjustMatcherActor : public AnalyzerActorBase {
public:
    short Match(PARSED_NODE* node, short i) const {
        if (node->reading.IsNull()) return 0;
        if (i == 0) {
            if (node->category != kCatDECINUMBER) return 0;
            std::string const english = EnglishOf(node);
            return english.find_first_of("-/") == std::string::npos ? 2 : 0;
        }
        return ScaleOf(node->category) != Scale::kNone ? 1 : 0;
    }

    void PerformActions(PARSED_NODE** slots) {
        PARSED_NODE* const decimal = slots[0];
        PARSED_NODE* const unit = slots[1];
        std::string const english = EnglishOf(decimal);
        if (english.size() > kLongestEnglishNumber || decimal->japanese == nullptr) return;
        std::string japanese = WithoutSeparators(decimal->japanese);
        Scale const scale = ScaleOf(unit->category);
        bool scaled = true;
        switch (scale) {
            case Scale::kThousand:
                for (auto [position, text] : {std::pair<unsigned, char const*>{9, kTrillionUnit},
                                              {5, kHundredMillionUnit},
                                              {1, kTenThousandUnit},
                                              {0, kThousandUnit}})
                    scaled = scaled && Insert(&japanese, position, text);
                break;
            case Scale::kMillion:
                scaled = ShiftNumber(&japanese, english.c_str(), 2) && Insert(&japanese, 8, kTrillionUnit) &&
                         Insert(&japanese, 4, kHundredMillionUnit) && Insert(&japanese, 0, kTenThousandUnit);
                break;
            case Scale::kBillion:
                scaled = ShiftNumber(&japanese, english.c_str(), 1) && Insert(&japanese, 4, kTrillionUnit) &&
                         Insert(&japanese, 0, kHundredMillionUnit);
                break;
            case Scale::kTrillion:
            case Scale::kNone: break;
        }
        // Digits of another kind (half-width, say) would be cut inside a
        // character by the two-byte counting: such a number stays as it was.
        if (!scaled) return;
        decimal->SetJapanese(japanese.c_str());
        if (scale != Scale::kTrillion) unit->SetJapanese("");
        fChanged = true;
    }

    bool Changed() const { return fChanged; }

private:
    static std::string EnglishOf(PARSED_NODE const* node) {
        return node->reading.Get().GetFinePOS().GetEntry().GetSrcText();
    }

    static bool Insert(std::string* japanese, unsigned position, char const* unit) {
        if (!IsJapaneseNumber(*japanese)) return false;
        InsertJNumberUnit(japanese, position, unit);
        return true;
    }

    bool fChanged = false;
};

}  // namespace

bool RemoveLeadingZeroesAtEnd(std::string* text) {
    Chars chars = Split(*text);
    bool const result = RemoveLeadingZeroesAtEnd(&chars);
    *text = Join(chars);
    return result;
}

void InsertJNumberUnit(std::string* japanese, unsigned position, char const* unit) {
    Chars chars = Split(*japanese);
    std::size_t integerEnd = 0;
    while (integerEnd < chars.size() && !IsPoint(chars[integerEnd])) ++integerEnd;
    if (position >= integerEnd && position > 0) return;
    std::size_t const cut = integerEnd - position;
    Chars head(chars.begin(), chars.begin() + static_cast<std::ptrdiff_t>(position == 0 ? chars.size() : cut));
    if (RemoveLeadingZeroesAtEnd(&head)) head.push_back(unit);
    if (position > 0) head.insert(head.end(), chars.begin() + static_cast<std::ptrdiff_t>(cut), chars.end());
    *japanese = Join(head);
}

bool ShiftNumber(std::string* japanese, char const* english, int shift) {
    std::string integer;
    std::string fraction;
    bool afterPoint = false;
    for (char const* p = english; *p != '\0'; ++p) {
        if (*p == '.') afterPoint = true;
        if (*p >= '0' && *p <= '9') (afterPoint ? fraction : integer) += *p;
    }
    if (shift >= 0) {
        fraction.resize(std::max(fraction.size(), static_cast<std::size_t>(shift)), '0');
        integer += fraction.substr(0, static_cast<std::size_t>(shift));
        fraction.erase(0, static_cast<std::size_t>(shift));
    } else {
        std::size_t const moved = static_cast<std::size_t>(-shift);
        if (moved >= integer.size()) return false;
        fraction = integer.substr(integer.size() - moved) + fraction;
        integer.erase(integer.size() - moved);
    }
    std::size_t const firstKept = std::min(integer.find_first_not_of('0'), integer.empty() ? 0 : integer.size() - 1);
    integer.erase(0, firstKept);
    if (integer.empty()) integer = "0";
    std::string const number = fraction.empty() ? integer : integer + "." + fraction;
    *japanese = MakeJNum(number.c_str());
    return true;
}

bool AdjustDecimalNums(PARSED_NODE* tree) {
    DecAdjustMatcherActor actor;
    Analyzer<DecAdjustMatcherActor, false>(actor).MatchFirstConstit(tree);
    return actor.Changed();
}
