#include "engine/transfer/alt_inflection.h"

#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/pipeline/dictionary_priorities.h"
#include "engine/transfer/dictionary_length.h"
#include "engine/transfer/inflection_pattern.h"

namespace {

constexpr uint16_t kJPOSNMask = 0x00FF;

void SetDictionaryID(DICT_SOURCE* source, Dictionary_EX const& dictionary) {
    switch (GetDictType(dictionary)) {
        case kSystemDictType:
        case kUserDictType:
        case kTechnicalDictType:
            source->dictionaryID = dictionary.GetID();
            break;
        case kSpecialDictType:
            source->dictionaryID = kDefaultDictionaryID;
            break;
        default:
            break;
    }
}

// The record of the current inflection that the reading (class jposn) can
// take, or null.  A pattern numbers a record within the set of the gross
// class it was read with, so a reading of another gross class cannot take it.
ALTWORD_INFLECT_ATOM const* RecordFor(JPOSN jposn, AW_SET const& set, int pattern) {
    if (jposn == 0 || pattern < 0) return nullptr;
    int16_t const gross = GrossClassOfJPOSN(jposn);
    if (gross != set.grossJPOS) return nullptr;
    AltWordInflectionSet const* const table = GetAWSetOfGrossJPOS(gross);
    int const row = table != nullptr ? FindAWSetRow(*table, jposn) : -1;
    if (row < 0 || pattern >= table->patternsPerRow || static_cast<std::size_t>(pattern) >= kAWFormCount)
        return nullptr;
    ALTWORD_INFLECT_ATOM const& record = table->primary[row][pattern];
    return record.ending != nullptr ? &record : nullptr;
}

}  // namespace

std::optional<std::string> CInflectAltword(DICT_SOURCE* outSource, char const* currentJapanese,
                                           DICT_SOURCE const& currentSource, AW_SET const& set,
                                           CanBeNull<POSAndParaphrase> const& chosen) {
    *outSource = currentSource;
    if (chosen.IsNull()) {
        outSource->translationLength = DICT_SOURCE::kNoInflectionInfo;
        outSource->japanesePOS &= kJPOSNMask;
        outSource->dictionaryID = kDefaultDictionaryID;
        return std::nullopt;
    }
    Paraphrase_EX const& paraphrase = chosen.Get().GetParaphrase();
    std::string const cooked = paraphrase.GetCookedTranslation();
    outSource->translationLength = DictionaryRomajiLength(cooked, set.romajiMode);
    JPOSN jposn = JPOSStrToN(paraphrase.GetTransPOS());
    if (jposn <= kJPOSNMask)
        outSource->japanesePOS = static_cast<uint16_t>(jposn);
    else
        jposn = 0;
    outSource->englishPOS = static_cast<uint32_t>(POS_E_SourceToEPOSN(chosen.Get().GetFinePOS().GetFinePOS()));
    SetDictionaryID(outSource, paraphrase.GetEntry().GetDictionary());

    JInfl_t const* const current =
        SearchJInflList(set, currentJapanese != nullptr ? currentJapanese : "", currentSource);
    ALTWORD_INFLECT_ATOM const* const record = current != nullptr ? RecordFor(jposn, set, current->pattern) : nullptr;
    std::string const stripped = StripInternalStuffFromJapanese(cooked);
    std::string japanese;
    if (record != nullptr && !stripped.empty()) {
        outSource->japanesePOS |= record->flags & kAWJPOSFlagMask;
        japanese = InflectCookedByRecord(stripped, *record, jposn, current->tail);
    } else {
        japanese = paraphrase.GetRawTranslation();
    }
    return set.ConvertRomajiIfNecessary(japanese);
}
