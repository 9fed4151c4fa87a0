#include "engine/parse/pos_setting.h"

#include <algorithm>

#include "engine/foundation/cat_lists.h"
#include "engine/foundation/feature_tables.h"
#include "engine/parse/sentence.h"

namespace {

// The codes whose settings may not have another setting nested with them.
bool IsPhraseCode(uint16_t code) { return code >= 1 && code <= 6; }

// The smallest stored setting that encloses the selection, or null.
POS_SETTING const* FindSmallestEnclosing(POS_SETTING const& selection, uint16_t count, POS_SETTING const* list) {
    POS_SETTING const* best = nullptr;
    for (uint16_t i = 0; i < count; ++i) {
        POS_SETTING const& setting = list[i];
        if (!(setting.start <= selection.start && selection.end <= setting.end)) continue;
        if (setting.SameRange(selection)) return &setting;
        if (best == nullptr || setting.start > best->start || (setting.start == best->start && setting.end < best->end))
            best = &setting;
    }
    return best;
}

}  // namespace

POS_SETTING SetPOSManager::ClipEdges(POS_SETTING selection) const {
    std::vector<PreparsedWord> const& words = fSentence->Words();
    uint16_t const first = words.front().fStart;
    uint16_t const last = words.back().fEnd;
    selection.start = std::min(std::max(selection.start, first), last);
    selection.end = std::min(std::max(selection.end, first), last);
    return selection;
}

bool SetPOSManager::GrowSelection(POS_SETTING* selection) const {
    uint16_t start = 0;
    for (PreparsedWord const& word : fSentence->Words()) {
        if (word.fStart == word.fEnd) continue;
        if (word.fStart <= selection->start) start = word.fStart;
        if (word.fEnd >= selection->end) {
            bool const changed = start != selection->start || word.fEnd != selection->end;
            selection->start = start;
            selection->end = word.fEnd;
            return changed;
        }
    }
    return false;  // no word reaches the end: the clipped range stays
}

uint16_t SetPOSManager::SetUPS(POS_SETTING* result, POS_SETTING const& request) {
    if (fSentence->Words().empty()) {
        *result = request;
        return kPOSNotFound;
    }
    POS_SETTING wanted = request;
    if (wanted.start > wanted.end) std::swap(wanted.start, wanted.end);
    wanted = ClipEdges(wanted);
    GrowSelection(&wanted);
    wanted.code &= POS_SETTING::kCodeMask | POS_SETTING::kLiteralMark;
    uint16_t const s = wanted.start;
    uint16_t const e = wanted.end;

    std::vector<POS_SETTING>& settings = fSentence->Settings();
    std::size_t same = settings.size();
    for (std::size_t i = 0; i < settings.size(); ++i) {
        POS_SETTING const& stored = settings[i];
        uint16_t const si = stored.start;
        uint16_t const ei = stored.end;
        if (si == s && ei == e) {
            same = i;
            continue;
        }
        if (e <= si || s >= ei) continue;
        if ((s < si && si < e && e < ei) || (si < s && s < ei && ei < e)) {
            *result = stored;
            return kSetPOSCrosses;
        }
        POS_SETTING const& outer = (s <= si && e >= ei) ? wanted : stored;
        if (IsPhraseCode(outer.POSCode())) {
            *result = stored;
            return kSetPOSNests;
        }
    }

    if (wanted.POSCode() == kPOSCodeRemove) {
        if (same != settings.size()) {
            settings[same] = settings.back();
            settings.pop_back();
        }
        wanted.code = kPOSCodeRemove;
        *result = wanted;
        return kSetPOSDone;
    }
    bool const bareMark = wanted.POSCode() == 0 && wanted.IsLiteral();
    if (same == settings.size()) {
        if (bareMark) wanted.code = POS_SETTING::kLiteralMark | kPOSCodeAnyCategory;
        settings.push_back(wanted);
        *result = wanted;
        return kSetPOSDone;
    }
    POS_SETTING& stored = settings[same];
    if (bareMark)
        stored.code ^= POS_SETTING::kLiteralMark;
    else
        stored.code = static_cast<uint16_t>((stored.code & POS_SETTING::kLiteralMark) | wanted.POSCode());
    *result = stored;
    return kSetPOSDone;
}

uint16_t CSetPOS(Sentence* sentence, POS_SETTING* result, POS_SETTING* request) {
    return SetPOSManager(sentence).SetUPS(result, *request);
}

void CGetPOSList(Sentence const* sentence, uint16_t* count, POS_SETTING** list) {
    std::vector<POS_SETTING> const& settings = sentence->Settings();
    *count = static_cast<uint16_t>(std::min<std::size_t>(settings.size(), UINT16_MAX));
    *list = nullptr;
    if (*count == 0) return;
    *list = new POS_SETTING[*count];
    std::copy(settings.begin(), settings.begin() + *count, *list);
}

uint16_t CGetPOS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list) {
    POS_SETTING const* found = FindSmallestEnclosing(*selection, count, list);
    if (found == nullptr) return kPOSNotFound;
    *result = *found;
    return kSetPOSDone;
}

uint16_t GetUPS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list) {
    return CGetPOS(result, selection, count, list);
}

uint16_t CFindPOS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list) {
    POS_SETTING const* enclosing = FindSmallestEnclosing(*selection, count, list);
    if (enclosing != nullptr && !enclosing->SameRange(*selection)) {
        *result = *enclosing;
        return kSetPOSDone;
    }
    POS_SETTING const* next = nullptr;
    for (uint16_t i = 0; i < count; ++i) {
        POS_SETTING const& setting = list[i];
        bool const after =
            setting.start > selection->start || (setting.start == selection->start && setting.end > selection->end);
        if (!after) continue;
        if (next == nullptr || setting.start < next->start || (setting.start == next->start && setting.end < next->end))
            next = &setting;
    }
    if (next == nullptr) return kPOSNotFound;
    *result = *next;
    return kSetPOSDone;
}

bool SetPOSMatch(uint16_t code, uint16_t category) {
    static constexpr struct {
        uint8_t code;
        uint8_t list;
    } kCodeLists[] = {{1, 18},   {2, 19},   {3, 20},   {4, 21},   {5, 37},  {6, 38},
                      {'A', 22}, {'B', 23}, {'C', 26}, {'D', 24}, {'E', 25}};
    uint16_t const posCode = code & POS_SETTING::kCodeMask;
    if (posCode == kPOSCodeAnyCategory) return category < 14999;
    for (auto const& entry : kCodeLists) {
        if (entry.code == posCode) return CatMatch(entry.list, category, false, false);
    }
    return false;
}

uint16_t FindNumber(uint16_t const* featureBits, uint16_t featureSet, uint16_t position) {
    if (featureBits == nullptr || featureSet >= kFeatSets_SIZE) return 0;
    FeatureSetRecord const& set = kFeatSets[featureSet];
    if (position >= set.positionCount) return 0;
    unsigned const record = set.firstPosition + position;
    if (record >= kFeatPosCount) return 0;
    unsigned const bit = kFeatPos[record].firstBit;
    auto const isSet = [&](unsigned b) { return (featureBits[b / 16] & kFPUBits[b % 16]) != 0; };
    return static_cast<uint16_t>((isSet(bit) ? 2 : 0) + (isSet(bit + 1) ? 1 : 0));
}
