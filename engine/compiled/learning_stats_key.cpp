#include "engine/compiled/learning_stats_key.h"

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/sjis_convert.h"

namespace {

// Distance every character of the features key is raised by.
constexpr wchar_t kFeaturesKeyShift = 13;

// The feature sets that begin with a lower-case letter, joined by "/".
std::string LowerCaseFeatureSets(FeatureSets_E_Source const& sets) {
    std::string joined;
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
        char const* const set = sets.GetSet(i);
        if (set[0] < 'a' || set[0] > 'z') continue;  // ASCII only, whatever the locale
        if (!joined.empty()) joined += '/';
        joined += set;
    }
    return joined;
}

}  // namespace

Dict70CompiledLearningDataKey Dict70CompiledLearningDataKey::Make(FinePOS_EX const& finePOS,
                                                                  Paraphrase_EX const& paraphrase) {
    FeatureSets_E_Source const sets = finePOS.GetFeatureSets();
    Dict70CompiledLearningDataKey key;
    key.headwordKey = MapSJISTowstring((finePOS.GetEntry().GetSrcText() + LowerCaseFeatureSets(sets)).c_str());
    std::string const features = std::string(EnglishPOSName(finePOS.GetFinePOS())) + "/" + sets.GetSet(0);
    key.featuresKey = MapSJISTowstring(features.c_str());
    for (wchar_t& c : key.featuresKey) c += kFeaturesKeyShift;
    key.paraphraseKey = std::to_wstring(paraphrase.GetParaID());
    return key;
}

std::wstring Dict70CompiledLearningDataKey::GetKeyString() const {
    return headwordKey + L"/" + featuresKey + L"/" + paraphraseKey;
}

bool Dict70CompiledLearningDataKey::Key_MapSorter::operator()(Dict70CompiledLearningDataKey const& a,
                                                              Dict70CompiledLearningDataKey const& b) const {
    return a.GetKeyString() < b.GetKeyString();
}
