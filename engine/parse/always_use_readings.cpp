#include "engine/parse/always_use_readings.h"

#include <cstring>
#include <string>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/parse/idiom_filter.h"
#include "engine/parse/sentence.h"

namespace {

// Gross classes of FindGrossEPOS.
constexpr short kGrossNoun = 27;
constexpr short kGrossVerb = 28;
constexpr short kGrossAdjective = 29;
constexpr short kGrossPrepositionalPhrase = 31;
constexpr short kGrossAdverb = 32;
constexpr short kGrossPreposition = 33;
constexpr short kGrossConjunction = 34;

double Priority(FinePOS_EX const& fp, Sentence const& sentence) {
    return sentence.DictionaryPriorities().Get(fp.GetEntry().GetDictionary().GetID());
}

bool Named(FinePOS_EX const& fp, char const* name) { return std::strcmp(EnglishPOSName(fp.GetFinePOS()), name) == 0; }

}  // namespace

int AlwaysUseStrengthCmp(CanBeNull<FinePOS_EX> const& a, CanBeNull<FinePOS_EX> const& b, Sentence const& sentence) {
    if (b.IsNull()) return a.IsNull() ? 0 : 1;
    if (a.IsNull()) return -1;
    IdiomType const ta = FilterAUIdiomType(a.Get().GetIdiomType(), sentence);
    IdiomType const tb = FilterAUIdiomType(b.Get().GetIdiomType(), sentence);
    if (ta == eIdiomPreferredAlways) {
        if (tb != eIdiomPreferredAlways) return 1;
    } else if (ta == eIdiomPreferredPOS) {
        if (tb == eIdiomPreferredAlways) return -1;
    } else {
        return -1;
    }
    // A smaller priority makes the reading stronger; the difference is cut
    // toward zero.
    return static_cast<int>(Priority(b.Get(), sentence) - Priority(a.Get(), sentence));
}

bool AlwaysUseCatMatch(FinePOS_EX const& a, FinePOS_EX const& b) {
    POS_E_Source const pos = b.GetFinePOS();
    switch (FindGrossEPOS(a.GetFinePOS())) {
        case kGrossNoun:
            return IsNounLike(pos);
        case kGrossVerb:
            return IsVerbLike(pos);
        case kGrossAdjective:
            return IsAdjLike(pos);
        case kGrossPrepositionalPhrase:
            return Named(b, "PP");
        case kGrossAdverb:
            return IsAdvLike(pos);
        case kGrossPreposition:
            return IsPrepLike(pos) && PrepTypesMatch(a, b);
        case kGrossConjunction:
            return Named(b, "CONJ");
        default:
            return false;  // auxiliaries, interjections, no gross class
    }
}

int GetPrepositionType(FinePOS_EX const& f) {
    std::string const set = f.GetFeatureSets(1);
    bool const fourth = set.size() > 3 && set[3] == '1';
    bool const fifth = set.size() > 4 && set[4] == '1';
    return (fourth ? 1 : 0) | (fifth ? 2 : 0);
}

bool PrepTypesMatch(FinePOS_EX const& a, FinePOS_EX const& b) {
    int const ta = GetPrepositionType(a);
    int const tb = GetPrepositionType(b);
    return ta == tb || ta == 3 || tb == 3 || ta == 0 || tb == 0;
}
