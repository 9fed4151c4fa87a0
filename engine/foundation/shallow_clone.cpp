#include "engine/foundation/shallow_clone.h"

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;
void CopyLearningValue(FinePOS_EX const& sourceFinePOS, Paraphrase_EX const& source, FinePOS_EX const& targetFinePOS,
                       Paraphrase_EX const& target) {
    auto* sourceLearning = source.GetEntry().GetDictionary().GetDictionaryLearningInterface(true);
    auto* targetLearning = target.GetEntry().GetDictionary().GetDictionaryLearningInterface(true);
    if (sourceLearning == nullptr || targetLearning == nullptr) return;
    float value = 0.0f;
    if (sourceLearning->GetLearningValue(sourceFinePOS, source, &value))
        targetLearning->SetLearningValue(targetFinePOS, target, value);
}
}  // namespace

void ShallowCloneFinePOS(FinePOS_EX const& source, FinePOS_EX target) {
    target.SetFinePOS(source.GetFinePOS());
    target.SetPrimed(source.GetPrimed());
    target.SetQuoted(source.GetQuoted());
    target.SetIdiomType(source.GetIdiomType());
    target.SetAltOnly(source.GetAltOnly());
    target.SetHidden(source.GetHidden());
    target.SetCannotBeginSentenceFlag(source.GetCannotBeginSentenceFlag());
    target.SetCannotEndSentenceFlag(source.GetCannotEndSentenceFlag());
    target.SetPValue(source.GetPValue());
    target.SetFeatureSets(source.GetFeatureSets());
    if (source.PeekDomainWeightsListSize() != 0) target.SetDomainWeights(source.GetDomainWeights());
}

FinePOS_EX ShallowCloneFinePOS(FinePOS_EX const& source, Entry_EX target) {
    FinePOS_EX const clone = target.CreateNewFinePOS();
    ShallowCloneFinePOS(source, clone);
    return clone;
}

Paraphrase_EX ShallowCloneParaphrase(FinePOS_EX const& sourceFinePOS, Paraphrase_EX const& source, FinePOS_EX target) {
    Paraphrase_EX clone = target.CreateNewParaphrase();
    clone.SetCookedTranslation(source.GetCookedTranslation());
    clone.SetTransPOS(source.GetTransPOS());
    clone.SetTransplant(source.GetTransplant());
    clone.SetTheyTransType(source.GetTheyTransType());
    clone.SetAltOnly(source.GetAltOnly());
    clone.SetDomainIDSet(source.GetDomainIDSet());
    clone.SetSemantics(source.GetSemantics());
    clone.SetParaID(source.GetParaID());
    clone.SetPValue(source.GetPValue());
    CopyLearningValue(sourceFinePOS, source, target, clone);
    return clone;
}
