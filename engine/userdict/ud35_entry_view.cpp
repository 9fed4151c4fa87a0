#include "engine/userdict/ud35_entry_view.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "engine/foundation/cook_translation.h"
#include "engine/foundation/fixed_type.h"
#include "engine/foundation/jpos_ids.h"
#include "engine/foundation/missing_word_table.h"
#include "engine/userdict/ud35_dictionary.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_transplants.h"

namespace {

using Ing = UDPOSMapRow::IngCondition;
using Cap = UDPOSMapRow::CapitalCondition;

constexpr Ing kAny = UDPOSMapRow::kAnyIng;
constexpr Ing kY = UDPOSMapRow::kNeedsIng;
constexpr Ing kNoY = UDPOSMapRow::kNeedsNoIng;

// The fixed p-value of every reading while gFixedType is set.
constexpr short kFixedPValue = 0x3000;
// The English part of speech "N": its readings get noun semantics.
constexpr POS_E_Source kNounPOS{22};

bool IsASCIICapital(char c) { return c >= 'A' && c <= 'Z'; }
bool IsASCIISmall(char c) { return c >= 'a' && c <= 'z'; }

bool HasIngForm(std::string const& flags) { return flags.size() >= 2 && flags[1] == 'Y'; }

bool RowFits(UDPOSMapRow const& row, std::string const& pos, bool ing, bool capital) {
    if (pos != row.posString) return false;
    if ((row.ing == kY && !ing) || (row.ing == kNoY && ing)) return false;
    if ((row.capital == UDPOSMapRow::kCapitalInitial && !capital) ||
        (row.capital == UDPOSMapRow::kSmallInitial && capital)) {
        return false;
    }
    return true;
}

UDPOSMapRow const& MapRowOf(uint32_t cookie) {
    uint16_t const row = UDCookieRow(cookie);
    if (row >= kUDPOSMapRowCount) throw std::out_of_range("not a POS map row");
    return kUDPOSMap[row];
}

// The first feature set "#" stands for the headword itself, as one token.
std::string HeadwordFeature(std::string const& english) {
    std::string feature = english;
    for (char& c : feature) {
        if (c == ' ') c = '_';
    }
    if (!feature.empty()) {
        if (IsASCIICapital(feature[0])) {
            feature[0] = static_cast<char>(feature[0] - 'A' + 'a');
        } else if (!IsASCIISmall(feature[0])) {
            feature[0] = 'q';
        }
    }
    return feature;
}

// Cooks the translation with the entry's answer; false when it cannot be
// cooked.  A translation the cook tables cannot hold is refused before they
// see it.
bool CookEntry(ud_entry_t const& entry, std::string* cooked, JPOSID* jpos) {
    *jpos = 0;
    if (entry.strings.translation.size() > kMaxJTransBytes) return false;
    CookTableGrossPOS const gross = cvtUDPos(entry.strings.pos.c_str());
    JPOSID reported = 0;
    if (CookTranslation(cooked, &reported, gross, entry.strings.translation.c_str(), entry.strings.answer.c_str()) !=
        kCookOK) {
        return false;
    }
    *jpos = reported;
    return true;
}

}  // namespace

// ---- The POS map -------------------------------------------------------------

UDPOSMapRow const kUDPOSMap[kUDPOSMapRowCount] = {
    {"ADJ", "adj.", false, kAny, UDPOSMapRow::kAnyInitial},               // 0
    {"ADV", "adv.", false, kAny, UDPOSMapRow::kAnyInitial},               // 1
    {"N_SING", "sb.", false, kAny, UDPOSMapRow::kSmallInitial},           // 2
    {"N_PLURAL", "PL_N", false, kAny, UDPOSMapRow::kSmallInitial},        // 3
    {"N_SING", "PN_SING", false, kAny, UDPOSMapRow::kCapitalInitial},     // 4
    {"N_PLURAL", "UD_PN_PL", false, kAny, UDPOSMapRow::kCapitalInitial},  // 5
    {"V_INF", "intr.", false, kAny, UDPOSMapRow::kAnyInitial},            // 6
    {"V_INF", "trans.", true, kAny, UDPOSMapRow::kAnyInitial},            // 7
    {"V_3RD", "INTR_3RD", false, kAny, UDPOSMapRow::kAnyInitial},         // 8
    {"V_3RD", "TRANS_3RD", true, kAny, UDPOSMapRow::kAnyInitial},         // 9
    {"V_PAST", "INTR_PAST", false, kY, UDPOSMapRow::kAnyInitial},         // 10
    {"V_PAST", "TRANS_PAST", true, kY, UDPOSMapRow::kAnyInitial},         // 11
    {"V_PASTP", "INTR_PPL_ONLY", false, kY, UDPOSMapRow::kAnyInitial},    // 12
    {"V_PASTP", "TRANS_PPL_ONLY", true, kY, UDPOSMapRow::kAnyInitial},    // 13
    {"V_GER", "INTR_GERUND", false, kAny, UDPOSMapRow::kAnyInitial},      // 14
    {"V_GER", "TRANS_GERUND", true, kAny, UDPOSMapRow::kAnyInitial},      // 15
    {"VI_INF", "intr.", false, kAny, UDPOSMapRow::kAnyInitial},           // 16
    {"VI_3RD", "INTR_3RD", false, kAny, UDPOSMapRow::kAnyInitial},        // 17
    {"VI_PAST", "INTR_PAST", false, kY, UDPOSMapRow::kAnyInitial},        // 18
    {"VI_PASTP", "INTR_PPL_ONLY", false, kY, UDPOSMapRow::kAnyInitial},   // 19
    {"VI_GER", "INTR_GERUND", false, kAny, UDPOSMapRow::kAnyInitial},     // 20
    {"VT_INF", "trans.", true, kAny, UDPOSMapRow::kAnyInitial},           // 21
    {"VT_3RD", "TRANS_3RD", true, kAny, UDPOSMapRow::kAnyInitial},        // 22
    {"VT_PAST", "TRANS_PAST", true, kY, UDPOSMapRow::kAnyInitial},        // 23
    {"VT_PASTP", "TRANS_PPL_ONLY", true, kY, UDPOSMapRow::kAnyInitial},   // 24
    {"VT_GER", "TRANS_GERUND", true, kAny, UDPOSMapRow::kAnyInitial},     // 25
    {"CONJ", "CONJ", false, kAny, UDPOSMapRow::kAnyInitial},              // 26
    {"PREPADJ", "PREPADJ", false, kAny, UDPOSMapRow::kAnyInitial},        // 27
    {"PREPADV", "PREPADV", false, kAny, UDPOSMapRow::kAnyInitial},        // 28
    {"PP", "PP", false, kAny, UDPOSMapRow::kAnyInitial},                  // 29
    {"V_PAST", "INTR_PPL", false, kNoY, UDPOSMapRow::kAnyInitial},        // 30
    {"V_PAST", "TRANS_PPL", true, kNoY, UDPOSMapRow::kAnyInitial},        // 31
    {"VI_PAST", "INTR_PPL", false, kNoY, UDPOSMapRow::kAnyInitial},       // 32
    {"VT_PAST", "TRANS_PPL", true, kNoY, UDPOSMapRow::kAnyInitial},       // 33
};

std::vector<uint16_t> UDPOSMapRowsFor(std::string const& pos, std::string const& flags, std::string const& english) {
    bool const ing = HasIngForm(flags);
    bool const capital = !english.empty() && IsASCIICapital(english[0]);
    std::vector<uint16_t> rows;
    for (uint16_t row = 0; row < kUDPOSMapRowCount; ++row) {
        if (RowFits(kUDPOSMap[row], pos, ing, capital)) rows.push_back(row);
    }
    return rows;
}

bool IsUDPairedVerbRow(uint16_t row) { return (row >= 6 && row <= 15) || row == 30 || row == 31; }

// ---- Cookies -----------------------------------------------------------------

uint32_t MakeUDCookie(uint16_t row, uint16_t index) { return (uint32_t{row} << 16) | index; }

FinePosCookieID_* ToFinePosCookie(uint32_t cookie) {
    return reinterpret_cast<FinePosCookieID_*>(static_cast<uintptr_t>(cookie));
}
ParaphraseCookieID_* ToParaphraseCookie(uint32_t cookie) {
    return reinterpret_cast<ParaphraseCookieID_*>(static_cast<uintptr_t>(cookie));
}
uint32_t FromCookie(FinePosCookieID_* cookie) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(cookie)); }
uint32_t FromCookie(ParaphraseCookieID_* cookie) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(cookie)); }

// ---- The entry view ------------------------------------------------------------

EntryRep_EJ_35UserDict::EntryRep_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary, ud_t& file, uint32_t id)
    : ReadOnlyEntryRep(dictionary), fDictionary(&dictionary), fRep(dictionary), fFile(file), fLock(&file) {
    std::string english;
    ThrowIfError(fRep.ReadEnglish(id, &english));
    std::size_t const end = DGetFirstwordEnd(english.c_str(), english.size());
    std::string const firstWord = english.substr(0, end);
    if (fword_t const* record = end < kUDFirstwordTooLong ? fFile.FindFword(firstWord.c_str()) : nullptr) {
        // Copied: reading an entry may reload the index the record lives in.
        std::vector<uint32_t> const ids = record->ids;
        for (uint32_t other : ids) {
            std::string otherEnglish;
            ThrowIfError(fRep.ReadEnglish(other, &otherEnglish));
            if (otherEnglish == english) fIDs.push_back(other);
        }
    }
    // An entry missing from its word's record is still its own headword.
    if (!HoldsID(id)) fIDs.insert(fIDs.begin(), id);
}

EntryRep_EJ_35UserDict::EntryRep_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary, ud_t& file,
                                               std::vector<uint32_t> ids)
    : ReadOnlyEntryRep(dictionary),
      fDictionary(&dictionary),
      fRep(dictionary),
      fFile(file),
      fLock(&file),
      fIDs(std::move(ids)) {
    if (fIDs.empty()) throw std::invalid_argument("an entry view needs an entry");
}

bool EntryRep_EJ_35UserDict::HoldsID(uint32_t id) const {
    for (uint32_t held : fIDs) {
        if (held == id) return true;
    }
    return false;
}

uint32_t EntryRep_EJ_35UserDict::IDOf(uint32_t cookie) const { return fIDs.at(UDCookieIndex(cookie)); }

ud_entry_t EntryRep_EJ_35UserDict::ReadEntryOf(uint32_t cookie) const {
    ud_entry_t entry;
    ThrowIfError(fFile.ReadEntry(IDOf(cookie), &entry));
    return entry;
}

Entry_EX EntryRep_EJ_35UserDict::Self() const { return Entry_EX(const_cast<EntryRep_EJ_35UserDict*>(this)); }

Entry_EX EntryRep_EJ_35UserDict::ViewOn(uint32_t id) const {
    if (HoldsID(id)) return Self();
    return Entry_EX(new EntryRep_EJ_35UserDict(fRep, fFile, id));
}

ForwardIterator<FinePOS_EX> EntryRep_EJ_35UserDict::GetFinePOSIteratorForUDEntryID(uint32_t id) {
    return VectorByValueForwardIterator<FinePOS_EX>(FinePOSesOf(Self(), id, 0));
}

std::vector<FinePOS_EX> EntryRep_EJ_35UserDict::FinePOSesOf(Entry_EX const& view, uint32_t id, uint16_t parityRow) {
    auto& rep = static_cast<EntryRep_EJ_35UserDict&>(*view.GetRep());
    std::vector<FinePOS_EX> finePOSes;
    for (uint16_t index = 0; index < rep.fIDs.size(); ++index) {
        if (rep.fIDs[index] != id) continue;
        ud_entry_t const entry = rep.ReadEntryOf(MakeUDCookie(0, index));
        for (uint16_t row : UDPOSMapRowsFor(entry.strings.pos, entry.strings.flags, entry.strings.english)) {
            if (IsUDPairedVerbRow(parityRow) && row % 2 != parityRow % 2) continue;
            finePOSes.emplace_back(view, ToFinePosCookie(MakeUDCookie(row, index)));
        }
        break;
    }
    return finePOSes;
}

Dictionary_EX EntryRep_EJ_35UserDict::GetDictionary() const { return fDictionary; }

unsigned long EntryRep_EJ_35UserDict::GetSrcTextLen() const {
    std::string english;
    ThrowIfError(fRep.ReadEnglish(fIDs.front(), &english));
    return english.size();
}

void EntryRep_EJ_35UserDict::GetSrcText(char* buffer, unsigned long size) const {
    std::string english;
    ThrowIfError(fRep.ReadEnglish(fIDs.front(), &english));
    std::memcpy(buffer, english.data(), std::min<std::size_t>(size, english.size()));
}

bool EntryRep_EJ_35UserDict::Equal(EntryRep_LangPair_<Entry_EX> const& other) const {
    if (&other == this) return true;
    auto const* view = dynamic_cast<EntryRep_EJ_35UserDict const*>(&other);
    return view != nullptr && &view->fRep == &fRep && view->fIDs == fIDs;
}

ForwardIterator<FinePOS_EX> EntryRep_EJ_35UserDict::GetFinePOSIterator() {
    Entry_EX const self = Self();
    std::vector<FinePOS_EX> finePOSes;
    for (uint32_t id : fIDs) {
        std::vector<FinePOS_EX> const ofID = FinePOSesOf(self, id, 0);
        finePOSes.insert(finePOSes.end(), ofID.begin(), ofID.end());
    }
    return VectorByValueForwardIterator<FinePOS_EX>(finePOSes);
}

// The base form is read from the group's leader alone: a headword shared with
// another group (the noun "record" beside the verb) must not lend its reading.
FinePOS_EX EntryRep_EJ_35UserDict::GetBaseForm(FinePosCookieID_* fp) const {
    uint32_t const cookie = FromCookie(fp);
    uint32_t const leader = fFile.FindLeader(IDOf(cookie));
    std::vector<FinePOS_EX> const candidates = FinePOSesOf(ViewOn(leader), leader, UDCookieRow(cookie));
    // A leader with no reading of its own (a past participle without an -ing
    // form) leaves the reading as its own base form.
    if (candidates.empty()) return FinePOS_EX(Self(), fp);
    return candidates.front();
}

ForwardIterator<FinePOS_EX> EntryRep_EJ_35UserDict::GetCFIterator_start(FinePosCookieID_* fp) const {
    uint32_t const cookie = FromCookie(fp);
    uint16_t const row = UDCookieRow(cookie);
    std::vector<FinePOS_EX> forms;
    uint32_t id = fFile.FindLeader(IDOf(cookie));
    // A group holds at most five entries; the bound stops a broken chain.
    for (uint32_t step = 0; id != 0 && step < 5; ++step) {
        std::vector<FinePOS_EX> const ofID = FinePOSesOf(ViewOn(id), id, row);
        forms.insert(forms.end(), ofID.begin(), ofID.end());
        id = fFile.UDGetNextID(id);
    }
    return VectorByValueForwardIterator<FinePOS_EX>(forms);
}

POS_E_Source EntryRep_EJ_35UserDict::GetFinePOS(FinePosCookieID_* fp) const {
    POS_E_Source pos{};
    ReadFromMWTable(&pos, nullptr, nullptr, nullptr, MapRowOf(FromCookie(fp)).mwKey);
    return pos;
}

IdiomType EntryRep_EJ_35UserDict::GetIdiomType(FinePosCookieID_* fp) const {
    std::string const flags = ReadEntryOf(FromCookie(fp)).strings.flags;
    if (flags.empty()) return eIdiomNormal;
    if (flags[0] == 'A') return eIdiomPreferredAlways;
    if (flags[0] == 'P') return eIdiomPreferredPOS;
    return eIdiomNormal;
}

short EntryRep_EJ_35UserDict::GetPValue(FinePosCookieID_*) const { return gFixedType != 0 ? kFixedPValue : 0; }

FeatureSets_E_Source EntryRep_EJ_35UserDict::GetFeatureSets(FinePosCookieID_* fp) const {
    uint32_t const cookie = FromCookie(fp);
    FeatureSets_E_Source sets;
    ReadFromMWTable(nullptr, &sets, nullptr, nullptr, MapRowOf(cookie).mwKey);
    if (std::strcmp(sets.GetSet(0), "#") == 0) {
        sets.SetSet(0, HeadwordFeature(ReadEntryOf(cookie).strings.english).c_str());
    }
    return sets;
}

ForwardIterator<Paraphrase_EX> EntryRep_EJ_35UserDict::GetParaphraseIterator(FinePosCookieID_* fp) {
    return SingleEltForwardIterator<Paraphrase_EX>(Paraphrase_EX(Self(), ToParaphraseCookie(FromCookie(fp))));
}

FinePOS_EX EntryRep_EJ_35UserDict::GetFinePOS_EX(ParaphraseCookieID_* pp) {
    return FinePOS_EX(Self(), ToFinePosCookie(FromCookie(pp)));
}

std::string EntryRep_EJ_35UserDict::GetRawTranslation(ParaphraseCookieID_* pp) const {
    return ReadEntryOf(FromCookie(pp)).strings.translation;
}

std::string EntryRep_EJ_35UserDict::GetCookedTranslation(ParaphraseCookieID_* pp) const {
    ud_entry_t const entry = ReadEntryOf(FromCookie(pp));
    std::string cooked;
    JPOSID jpos = 0;
    if (!CookEntry(entry, &cooked, &jpos)) return entry.strings.translation;
    return cooked;
}

POS_J_Target EntryRep_EJ_35UserDict::GetTransPOS(ParaphraseCookieID_* pp) const {
    std::string cooked;
    JPOSID jpos = 0;
    CookEntry(ReadEntryOf(FromCookie(pp)), &cooked, &jpos);
    return POS_J_TargetFromJPOSID(jpos);
}

short EntryRep_EJ_35UserDict::GetPValue(ParaphraseCookieID_*) const { return gFixedType != 0 ? kFixedPValue : 0; }

int EntryRep_EJ_35UserDict::GetParaID(ParaphraseCookieID_* pp) const { return static_cast<int>(IDOf(FromCookie(pp))); }

Dict_Semantics_E_Source EntryRep_EJ_35UserDict::GetSemantics(ParaphraseCookieID_* pp) const {
    uint32_t const cookie = FromCookie(pp);
    POS_E_Source pos{};
    ReadFromMWTable(&pos, nullptr, nullptr, nullptr, MapRowOf(cookie).mwKey);
    if (pos != kNounPOS) return Dict_Semantics_E_Source{};
    std::string const english = ReadEntryOf(cookie).strings.english;
    return !english.empty() && IsASCIICapital(english[0]) ? GetDefaultProperNounSemantics() : GetDefaultNounSemantics();
}

std::string EntryRep_EJ_35UserDict::GetTransplant(ParaphraseCookieID_* pp) const {
    uint32_t const cookie = FromCookie(pp);
    if (!MapRowOf(cookie).transplant) return {};
    std::string const particle = ReadEntryOf(cookie).strings.particle;
    if (particle.empty()) return {};
    char const* pattern = FindUDTransplantPattern(particle.c_str());
    return pattern != nullptr ? pattern : "";
}
