#include "engine/foundation/paraphrase_checks.h"

#include "engine/foundation/active_domains.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"

namespace {

using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

// The learning of the reading's dictionary, null when it has none in use.
LearningInterface const* LearningInUse(FinePOS_EX const& finePOS) {
    return finePOS.GetEntry().GetDictionary().GetDictionaryLearningInterface(true);
}

}  // namespace

bool TheyOK(Paraphrase_EX const& paraphrase, TheyTransUserOption const& option) {
    switch (paraphrase.GetTheyTransType()) {
        case eTheyAny:
            return true;
        case eTheyHuman:
            return option.fAllowHuman;
        case eTheyNonHuman:
            return option.fAllowNonHuman;
        case eTheyCombined:
            return option.fAllowCombined;
        default:
            return false;
    }
}

bool IsParaAltOnly(ActiveDomains const& domains, FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
    if (!paraphrase.GetAltOnly() || domains.AnyMatch(paraphrase)) return false;
    LearningInterface const* learning = LearningInUse(finePOS);
    float value = 0.0f;
    return learning == nullptr || !learning->GetLearningValue(finePOS, paraphrase, &value);
}

bool ParaDisabledForAnyReason(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, ActiveDomains const& domains,
                              TheyTransUserOption const& option) {
    if (IsParaAltOnly(domains, finePOS, paraphrase) || !TheyOK(paraphrase, option)) return true;
    LearningInterface const* learning = LearningInUse(finePOS);
    return learning != nullptr && learning->IsDisabled(finePOS, paraphrase);
}
