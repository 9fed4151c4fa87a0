// The paraphrase operations of temporary entries.
#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/temporary_entry.h"
#include "engine/foundation/temporary_learning.h"

namespace {

// Bits kept of a Japanese part of speech.
constexpr unsigned kTransPOSMask = 0x1FF;

ParaphraseCookieID_* CookieOf(ParaphraseRep_EX_Temporary& paraphrase) {
    return reinterpret_cast<ParaphraseCookieID_*>(&paraphrase);
}

}  // namespace

ParaphraseRep_EX_Temporary::ParaphraseRep_EX_Temporary(FinePOSRep_EX_Temporary* owner)
    : finePOS(owner), transPOS(0), theyTransType(eTheyAny), altOnly(0) {}

Paraphrase_EX HandleOf(ParaphraseRep_EX_Temporary& paraphrase) {
    return Paraphrase_EX(Entry_EX(paraphrase.finePOS->entry), CookieOf(paraphrase));
}

ForwardIterator<Paraphrase_EX> EntryRep_EX_Temporary::GetParaphraseIterator(FinePosCookieID_* fp) {
    std::vector<Paraphrase_EX> all;
    for (ParaphraseRep_EX_Temporary& paraphrase : Rep(fp).base->paraphrases) all.push_back(HandleOf(paraphrase));
    return VectorByValueForwardIterator<Paraphrase_EX>(all);
}

Paraphrase_EX EntryRep_EX_Temporary::CreateNewParaphrase(FinePosCookieID_* fp) {
    FinePOSRep_EX_Temporary& finePOS = Rep(fp);
    if (!finePOS.IsBaseForm()) throw CannotSetThatOnCF();
    finePOS.paraphrases.emplace_front(&finePOS);
    return HandleOf(finePOS.paraphrases.front());
}

void EntryRep_EX_Temporary::RemoveParaphrase(FinePosCookieID_* fp, Paraphrase_EX const& paraphrase) {
    FinePOSRep_EX_Temporary& finePOS = Rep(fp);
    if (!finePOS.IsBaseForm()) throw CannotSetThatOnCF();
    auto before = finePOS.paraphrases.before_begin();
    for (auto it = finePOS.paraphrases.begin(); it != finePOS.paraphrases.end(); before = it++) {
        if (CookieOf(*it) != paraphrase.GetCookie() || paraphrase.GetEntry().GetRep() != finePOS.entry) continue;
        if (TempDict_EX_DictionaryLearningInterface* learning = Learning()) learning->RemovePP(HandleOf(*it));
        finePOS.paraphrases.erase_after(before);
        return;
    }
}

FinePOS_EX EntryRep_EX_Temporary::GetFinePOS_EX(ParaphraseCookieID_* pp) { return HandleOf(*Rep(pp).finePOS); }

std::string EntryRep_EX_Temporary::GetRawTranslation(ParaphraseCookieID_* pp) const {
    ParaphraseRep_EX_Temporary const& paraphrase = Rep(pp);
    return CreateRawJapaneseFromCooked(paraphrase.cookedTranslation, GetTransPOS(pp), paraphrase.finePOS->pos);
}

void EntryRep_EX_Temporary::SetRawTranslation(ParaphraseCookieID_* /*pp*/, std::string const& /*text*/) {}

std::string EntryRep_EX_Temporary::GetCookedTranslation(ParaphraseCookieID_* pp) const {
    return Rep(pp).cookedTranslation;
}

void EntryRep_EX_Temporary::SetCookedTranslation(ParaphraseCookieID_* pp, std::string const& text) {
    Rep(pp).cookedTranslation = text;
}

POS_J_Target EntryRep_EX_Temporary::GetTransPOS(ParaphraseCookieID_* pp) const {
    return static_cast<POS_J_Target>(Rep(pp).transPOS);
}

void EntryRep_EX_Temporary::SetTransPOS(ParaphraseCookieID_* pp, POS_J_Target pos) {
    Rep(pp).transPOS = pos & kTransPOSMask;
}

short EntryRep_EX_Temporary::GetPValue(ParaphraseCookieID_* pp) const { return Rep(pp).pValue; }
void EntryRep_EX_Temporary::SetPValue(ParaphraseCookieID_* pp, short value) { Rep(pp).pValue = value; }
int EntryRep_EX_Temporary::GetParaID(ParaphraseCookieID_* pp) const { return Rep(pp).paraID; }
void EntryRep_EX_Temporary::SetParaID(ParaphraseCookieID_* pp, int id) { Rep(pp).paraID = id; }

Dict_Semantics_E_Source EntryRep_EX_Temporary::GetSemantics(ParaphraseCookieID_* pp) const { return Rep(pp).semantics; }

// Record by record, so that only each record's value is carried over.
void EntryRep_EX_Temporary::SetSemantics(ParaphraseCookieID_* pp, Dict_Semantics_E_Source const& semantics) {
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i)
        Rep(pp).semantics.records[i] = semantics.records[i];
}

Dict_Semantics_E_Source const* EntryRep_EX_Temporary::PeekSemantics(ParaphraseCookieID_* pp) const {
    return &Rep(pp).semantics;
}

bool EntryRep_EX_Temporary::GetAltOnly(ParaphraseCookieID_* pp) const { return Rep(pp).altOnly != 0; }
void EntryRep_EX_Temporary::SetAltOnly(ParaphraseCookieID_* pp, bool altOnly) { Rep(pp).altOnly = altOnly ? 1 : 0; }

DomainIDSet EntryRep_EX_Temporary::GetDomainIDSet(ParaphraseCookieID_* pp) const {
    return Rep(pp).domains.value_or(DomainIDSet());
}

void EntryRep_EX_Temporary::SetDomainIDSet(ParaphraseCookieID_* pp, DomainIDSet const& domains) {
    if (domains.Empty())
        Rep(pp).domains.reset();
    else
        Rep(pp).domains = domains;
}

DomainIDSet const* EntryRep_EX_Temporary::PeekDomainIDSet(ParaphraseCookieID_* pp) const {
    auto const& stored = Rep(pp).domains;
    return stored ? &*stored : nullptr;
}

std::string EntryRep_EX_Temporary::GetTransplant(ParaphraseCookieID_* pp) const { return Rep(pp).transplant; }
void EntryRep_EX_Temporary::SetTransplant(ParaphraseCookieID_* pp, std::string const& text) {
    Rep(pp).transplant = text;
}

TheyTransType EntryRep_EX_Temporary::GetTheyTransType(ParaphraseCookieID_* pp) const {
    return static_cast<TheyTransType>(Rep(pp).theyTransType);
}

void EntryRep_EX_Temporary::SetTheyTransType(ParaphraseCookieID_* pp, TheyTransType type) {
    Rep(pp).theyTransType = type & 0x3u;
}
