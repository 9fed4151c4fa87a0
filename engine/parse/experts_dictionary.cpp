// The experts that judge a dictionary reading: its part-of-speech
// probability weighed by the dictionary it comes from, how its headword's
// capitals fit the word at the sentence start, and the user's learned
// usage of it.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/foundation/dictionary_learning.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/dictionary_priorities.h"

namespace {

// What the type of a reading's dictionary adds, per word of the span.
float DictTypeValue(int type) {
    switch (type) {
        case kMissingWordDictType:
            return kExpertConstant_DICTF_MISSING;
        case kSpecialDictType:
            return kExpertConstant_DICTF_SPECIAL;
        default:
            return 0.0f;
    }
}

std::string HeadwordOf(FinePOS_EX const& finePOS) {
    Entry_EX const& entry = finePOS.GetEntry();
    if (char const* text = entry.PeekSrcText()) return text;
    return entry.GetSrcText();
}

bool BeginsWithCapital(std::string const& text) { return !text.empty() && text[0] >= 'A' && text[0] <= 'Z'; }

// The cost of a reading at the sentence start, by the word's cell flags
// (truly capitalised, matched with a capital, matched in lower case) and
// whether the reading's headword begins with a capital.
struct CapRow {
    float capital;
    float lowerCase;
};
// Indexed by truly-capitalised * 4 + matched-capitalised * 2 + matched-lower-case.
constexpr CapRow kCapTable[8] = {
    {0.0f, -5.0f},   // none
    {-40.0f, 0.0f},  // matched in lower case only
    {0.0f, 0.0f},    // matched with a capital only
    {0.0f, -1.5f},   // matched both ways
    {0.0f, -10.0f},  // truly capitalised, unmatched
    {-8.0f, 0.0f},   // truly capitalised, matched in lower case
    {0.0f, -10.0f},  // truly capitalised, matched with a capital
    {0.0f, -10.0f},  // truly capitalised, matched both ways
};

bool HasReading(EXPERT_VIEW const* view) {
    return (view->flags & EXPERT_VIEW::kDictionaryLeaf) && !view->paraphrase.IsNull();
}

}  // namespace

bool ExpertContext::WordHyphenWord(char const* text) {
    if (text == nullptr) return false;
    char const* blank = std::strchr(text, ' ');
    if (blank == nullptr || std::strncmp(blank, " - ", 3) != 0) return false;
    return std::strchr(blank + 3, ' ') == nullptr;
}

uint16_t ExpertContext::WordCellFlags(unsigned e) const {
    ParseChart const& chart = fSentence->Chart();
    if (!chart.Exists() || e >= chart.WordCount()) return 0;
    return chart.Cell(0, e).flags;
}

float ExpertContext::POSProbFunc(PruningExpertData const& data) {
    FinePOS_EX const& finePOS = data.finePOS;
    int const type = GetDictType(finePOS.GetEntry().GetDictionary());
    double const order = DictTypeValue(type) + kExpertConstant_DICT_TDORDER * GetNormalizedDictPriority(finePOS);
    float const typeTerm = static_cast<float>(order * (data.d + 1));

    float p = static_cast<float>(finePOS.GetPValue()) / kExpertConstant_PROBABILITY_UNIT;
    if (type == kUserDictType && WordHyphenWord(HeadwordOf(finePOS).c_str())) p += kExpertConstant_UD_HYPHENATED_WORD;

    float result = static_cast<float>(data.d) * kExpertConstant_DICT_MULTIWORD_BONUS + p;
    if (!fDomains->Empty()) {
        bool technical = false;
        bool domain = false;
        fDomains->Match(&technical, &domain, finePOS);
        if (technical)
            result += kExpertConstant_TECHNICAL_POS_BOOST;
        else if (domain)
            result += kExpertConstant_DOMAIN_POS_BOOST;
    }
    return result + typeTerm;
}

float ExpertContext::POSProbExpert(EXPERT_VIEW* view, ALLP_TOP const*, ALLP_TOP const*, uint16_t) {
    if (!HasReading(view)) return 0.0f;
    POSAndParaphrase const& reading = view->paraphrase.Get();
    Paraphrase_EX const& paraphrase = reading.GetParaphrase();
    float result = POSProbFunc(PruningExpertData{view->start, view->end, reading.GetFinePOS()});
    result += static_cast<float>(paraphrase.GetPValue()) / kExpertConstant_PROBABILITY_UNIT;
    if (!fDomains->Empty()) {
        bool technical = false;
        bool domain = false;
        fDomains->Match(&technical, &domain, paraphrase);
        if (technical)
            result += kExpertConstant_TECHNICAL_PARA_BOOST;
        else if (domain)
            result += kExpertConstant_DOMAIN_PARA_BOOST;
    }
    return result;
}

float ExpertContext::CapExpert(PruningExpertData const& data) {
    if (data.d != 0) return 0.0f;
    uint16_t const flags = WordCellFlags(data.e);
    if (!(flags & PCHART_CELL::kCapitalInitial)) return 0.0f;
    unsigned const row = ((flags & PCHART_CELL::kTrulyCapitalised) ? 4u : 0u) |
                         ((flags & PCHART_CELL::kMatchedCapitalised) ? 2u : 0u) |
                         ((flags & PCHART_CELL::kMatchedLowerCase) ? 1u : 0u);
    CapRow const& cost = kCapTable[row];
    return BeginsWithCapital(HeadwordOf(data.finePOS)) ? cost.capital : cost.lowerCase;
}

float ExpertContext::CapExpert(EXPERT_VIEW* view, ALLP_TOP const*, ALLP_TOP const*, uint16_t) {
    if (!HasReading(view)) return 0.0f;
    return CapExpert(PruningExpertData{view->start, view->end, view->paraphrase.Get().GetFinePOS()});
}

float ExpertContext::UserTotalProbExpert(EXPERT_VIEW* view, ALLP_TOP const*, ALLP_TOP const*, uint16_t) {
    if (!HasReading(view)) return 0.0f;
    POSAndParaphrase const& reading = view->paraphrase.Get();
    Paraphrase_EX const& paraphrase = reading.GetParaphrase();
    Dictionary_EX const dictionary = paraphrase.GetEntry().GetDictionary();
    auto* learning = dictionary.GetDictionaryLearningInterface(true);
    float value = 0.0f;
    if (learning == nullptr || !learning->GetLearningValue(reading.GetFinePOS(), paraphrase, &value)) return 0.0f;
    // The values come from a file the user can edit: one that is not a
    // number counts as none, others are kept to the range learning writes.
    if (std::isnan(value)) return 0.0f;
    value = std::clamp(value, kExpertConstant_LEARNED_MIN, kExpertConstant_LEARNED_MAX);
    view->flags |= EXPERT_VIEW::kLearnedUsage;
    return kExpertConstant_LEARNED_SCALE * value;
}

float ExpertContext::UserTotalProbExpert(PruningExpertData const&) { return 0.0f; }
