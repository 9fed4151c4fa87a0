#include "engine/transfer/alt_word_readings.h"

#include <cctype>

#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/transfer/alt_word_pos.h"

namespace {

// The feature sets that may name particles.
constexpr unsigned kFirstParticleSet = 1;
constexpr unsigned kLastParticleSet = 2;

AlwaysUseFlag AlwaysUseOf(IdiomType type) {
    if (type == eIdiomPreferredPOS) return kAlwaysUseIdiom;
    if (type == eIdiomPreferredAlways) return kAlwaysUseOtherIdiom;
    return kNotAlwaysUse;
}

char const* TargetPOSName(POS_J_Target pos) { return pos < kJ_Target_POSNameCount ? kJ_Target_POSNames()[pos] : ""; }

// The headword and the particle words the fine part of speech names ("look
// for"), with the offset of the particle words; "" and 0 without.
void ParticlePhraseOf(FinePOS_EX const& finePOS, std::string* phrase, uint16_t* offset) {
    for (unsigned set = kFirstParticleSet; set <= kLastParticleSet; ++set) {
        std::string code = finePOS.GetFeatureSets(set);
        if (code.empty() || !std::islower(static_cast<unsigned char>(code[0]))) continue;
        if (phrase->empty()) {
            *phrase = finePOS.GetEntry().GetSrcText();
            *offset = static_cast<uint16_t>(phrase->size() + 1);
        }
        for (char& c : code) {
            if (c == '_') c = ' ';
        }
        *phrase += " " + code;
    }
}

}  // namespace

void AddToListIfGoodFinePOSOrDisabled(AW_SET& set, FinePOS_EX const& finePOS) {
    POS_E_Source const englishPOS = finePOS.GetFinePOS();
    if (set.grossEPOS == -1 || FindGrossEPOS(englishPOS) != set.grossEPOS || finePOS.GetHidden()) return;
    std::string phrase;
    uint16_t offset = 0;
    ParticlePhraseOf(finePOS, &phrase, &offset);
    UDPOS const udpos = POSToEType(finePOS);
    AlwaysUseFlag const alwaysUse = AlwaysUseOf(finePOS.GetIdiomType());

    for (ForwardIterator<Paraphrase_EX> it = finePOS.GetParaphraseIterator(); !it.IsAtEnd(); ++it) {
        Paraphrase_EX const paraphrase = *it;
        std::string const raw = paraphrase.GetRawTranslation();
        if (raw.empty() || StripInternalStuffFromJapanese(paraphrase.GetCookedTranslation()).empty()) continue;
        POSAndParaphrase const reading = MapToOriginalEntryIfNecessary(POSAndParaphrase(finePOS, paraphrase), set);
        ALTWORD_ENTRY entry(reading);
        entry.englishPOS = englishPOS;
        entry.japanese = set.ConvertRomajiIfNecessary(raw);
        entry.particlePhrase = phrase;
        entry.particleOffset = offset;
        POS_J_Target const targetPOS = paraphrase.GetTransPOS();
        entry.japanesePOSID = JPOSIDFromStr(TargetPOSName(targetPOS));
        entry.udpos = udpos;
        entry.alwaysUse = alwaysUse;
        entry.grossJPOS = FindGrossJPOS(targetPOS);
        Dictionary_EX const dictionary = reading.GetFinePOS().GetEntry().GetDictionary();
        if (auto* learning = dictionary.GetDictionaryLearningInterface(true)) {
            if (learning->IsDisabled(reading.GetFinePOS(), reading.GetParaphrase()))
                entry.enabledState = kParaphraseDisabled;
            float value = 0;
            if (learning->GetLearningValue(reading.GetFinePOS(), reading.GetParaphrase(), &value))
                entry.learningValue = value;
        }
        set.entries.push_back(std::move(entry));
    }
}

void AddReadingsOfWord(AW_SET& set, std::string const& word) {
    set.dictionaries.GetRep()->SetAllowReverseEntryMapping(true);
    for (ForwardIterator<Entry_EX> found = set.dictionaries.Lookup(word, nullptr); !found.IsAtEnd(); ++found) {
        Entry_EX const entry = *found;
        for (ForwardIterator<FinePOS_EX> finePOS = entry.GetFinePOSIterator(); !finePOS.IsAtEnd(); ++finePOS)
            AddToListIfGoodFinePOSOrDisabled(set, *finePOS);
    }
}

POSAndParaphrase MapToOriginalEntryIfNecessary(POSAndParaphrase const& reading, AW_SET const& set) {
    Entry_EX const& entry = reading.GetFinePOS().GetEntry();
    Entry_EX const original = set.dictionaries.GetRep()->MapToOriginal(entry);
    if (original.GetRep() == nullptr || original == entry) return reading;
    int const paraID = reading.GetParaphrase().GetParaID();
    for (ForwardIterator<FinePOS_EX> finePOS = original.GetFinePOSIterator(); !finePOS.IsAtEnd(); ++finePOS) {
        for (ForwardIterator<Paraphrase_EX> paraphrase = (*finePOS).GetParaphraseIterator(); !paraphrase.IsAtEnd();
             ++paraphrase) {
            if ((*paraphrase).GetParaID() == paraID) return POSAndParaphrase(*finePOS, *paraphrase);
        }
    }
    return reading;
}
