#include "engine/transfer/alt_word_learning.h"

#include <algorithm>

#include "engine/foundation/dictionary_learning.h"
#include "engine/transfer/alt_word_pos.h"
#include "engine/transfer/alt_word_readings.h"

namespace {

using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

// The learning interface of the reading's dictionary, when learning is in
// use there.
LearningInterface* LearningOf(POSAndParaphrase const& reading) {
    return reading.GetFinePOS().GetEntry().GetDictionary().GetDictionaryLearningInterface(true);
}

// Applies the change to the reading and to the readings folded into the
// entry that holds it.
template <class Change>
void ChangeWithHiddenReadings(AW_SET const* set, AltWordReading const& given, Change change) {
    if (set == nullptr || given.IsNull()) return;
    POSAndParaphrase const reading = MapToOriginalEntryIfNecessary(given.Get(), *set);
    auto apply = [&](POSAndParaphrase const& target) {
        if (LearningInterface* learning = LearningOf(target))
            change(*learning, target.GetFinePOS(), target.GetParaphrase());
    };
    apply(reading);
    auto holder = std::find_if(set->entries.begin(), set->entries.end(),
                               [&](ALTWORD_ENTRY const& entry) { return entry.reading == reading; });
    if (holder == set->entries.end()) return;
    for (POSAndParaphrase const& hidden : holder->hiddenReadings) apply(hidden);
}

}  // namespace

void IncStatistics(AW_SET const* set, AltWordReading const& given) {
    if (set == nullptr || given.IsNull()) return;
    POSAndParaphrase const reading = MapToOriginalEntryIfNecessary(given.Get(), *set);
    if (LearningInterface* learning = LearningOf(reading))
        learning->BumpUpLearning(reading.GetFinePOS(), reading.GetParaphrase());
}

bool IsLearningIntarfaceAvailable(AW_SET const* set, AltWordReading const& given) {
    if (set == nullptr || given.IsNull()) return false;
    LearningInterface* learning = LearningOf(MapToOriginalEntryIfNecessary(given.Get(), *set));
    return learning != nullptr && !learning->IsReadOnly();
}

float GetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& given) {
    if (set == nullptr || given.IsNull()) return 0;
    POSAndParaphrase const reading = MapToOriginalEntryIfNecessary(given.Get(), *set);
    LearningInterface* learning = LearningOf(reading);
    float value = 0;
    if (learning == nullptr || !learning->GetLearningValue(reading.GetFinePOS(), reading.GetParaphrase(), &value))
        return 0;
    return value;
}

void SetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& reading, float value) {
    ChangeWithHiddenReadings(
        set, reading, [value](LearningInterface& learning, FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
            learning.SetLearningValue(finePOS, paraphrase, value);
        });
}

void ResetAltWordEntryLearningValue(AW_SET const* set, AltWordReading const& reading) {
    ChangeWithHiddenReadings(
        set, reading, [](LearningInterface& learning, FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
            learning.ClearLearningValue(finePOS, paraphrase);
        });
}

void SetAltWordEntryEnabledState(AW_SET const* set, AltWordReading const& reading, ParaphraseEnabledState state) {
    ChangeWithHiddenReadings(
        set, reading, [state](LearningInterface& learning, FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
            if (state == kParaphraseDisabled)
                learning.SetLearningValue(finePOS, paraphrase, LearningInterface::kDisabledValue);
            else
                learning.ClearLearningValue(finePOS, paraphrase);
        });
}

void GetInflectionsFromAltWordID(AW_SET const* set, std::vector<InflectionAndUDPOSID>& out,
                                 AltWordReading const& given) {
    out.clear();
    if (set == nullptr || given.IsNull()) return;
    POSAndParaphrase const reading = MapToOriginalEntryIfNecessary(given.Get(), *set);
    FinePOS_EX const base = reading.GetFinePOS().GetBaseForm();
    for (ForwardIterator<FinePOS_EX> form = base.GetCFIterator_start(); !form.IsAtEnd(); ++form) {
        UDPOS const udpos = POSToEType(*form);
        bool const known = std::any_of(out.begin(), out.end(),
                                       [&](InflectionAndUDPOSID const& known) { return known.udpos == udpos; });
        if (!known) out.push_back({udpos, (*form).GetEntry().GetSrcText()});
    }
}
