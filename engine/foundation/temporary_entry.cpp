#include "engine/foundation/temporary_entry.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "engine/foundation/temporary_conjugated_forms.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/temporary_learning.h"

namespace {

FinePosCookieID_* CookieOf(FinePOSRep_EX_Temporary& finePOS) { return reinterpret_cast<FinePosCookieID_*>(&finePOS); }

}  // namespace

char const* CannotSetThatOnCF::what() const noexcept {
    return "only a base form carries paraphrases and domain weights";
}

FinePOSRep_EX_Temporary::FinePOSRep_EX_Temporary(EntryRep_EX_Temporary* owner)
    : entry(owner), base(this), idiomType(eIdiomNormal) {}

FinePOS_EX HandleOf(FinePOSRep_EX_Temporary& finePOS) { return FinePOS_EX(Entry_EX(finePOS.entry), CookieOf(finePOS)); }

// ---- Entry -----------------------------------------------------------------

EntryRep_EX_Temporary::EntryRep_EX_Temporary(DictionaryRep_EX_Temporary* dictionary, std::string const& headword)
    : fDictionary(dictionary), fHeadword(headword.c_str()) {}

// No handle on this entry may be made any more (its count is 0), so the links
// are undone on the representations.
EntryRep_EX_Temporary::~EntryRep_EX_Temporary() {
    for (FinePOSRep_EX_Temporary& finePOS : fFinePOSes) LeaveFamily(finePOS);
    if (fDictionary != nullptr) fDictionary->ForgetEntry(this);
}

Dictionary_EX EntryRep_EX_Temporary::GetDictionary() const {
    if (fDictionary == nullptr) throw std::logic_error("the entry's temporary dictionary no longer exists");
    return Dictionary_EX(fDictionary);
}

unsigned long EntryRep_EX_Temporary::GetSrcTextLen() const { return fHeadword.size(); }

void EntryRep_EX_Temporary::GetSrcText(char* buffer, unsigned long size) const {
    unsigned long const copied = std::min<unsigned long>(size, fHeadword.size());
    std::memcpy(buffer, fHeadword.data(), copied);
    std::memset(buffer + copied, 0, size - copied);
}

char const* EntryRep_EX_Temporary::PeekSrcText() const { return fHeadword.c_str(); }

bool EntryRep_EX_Temporary::Equal(EntryRep_LangPair_<Entry_EX> const& other) const { return &other == this; }

TempDict_EX_DictionaryLearningInterface* EntryRep_EX_Temporary::Learning() const {
    return fDictionary != nullptr ? fDictionary->PeekLearningInterface() : nullptr;
}

// ---- Fine parts of speech --------------------------------------------------

ForwardIterator<FinePOS_EX> EntryRep_EX_Temporary::GetFinePOSIterator() {
    std::vector<FinePOS_EX> all;
    for (FinePOSRep_EX_Temporary& finePOS : fFinePOSes) all.push_back(HandleOf(finePOS));
    return VectorByValueForwardIterator<FinePOS_EX>(all);
}

FinePOS_EX EntryRep_EX_Temporary::CreateNewFinePOS() {
    fFinePOSes.emplace_front(this);
    return HandleOf(fFinePOSes.front());
}

void EntryRep_EX_Temporary::RemoveFinePOS(FinePOS_EX const& finePOS) {
    if (finePOS.GetEntry().GetRep() != this) return;
    auto before = fFinePOSes.before_begin();
    for (auto it = fFinePOSes.begin(); it != fFinePOSes.end(); before = it++) {
        if (CookieOf(*it) != finePOS.GetCookie()) continue;
        ForgetLearningOf(*it);
        LeaveFamily(*it);
        fFinePOSes.erase_after(before);
        return;
    }
}

void EntryRep_EX_Temporary::ForgetLearningOf(FinePOSRep_EX_Temporary& finePOS) {
    TempDict_EX_DictionaryLearningInterface* const learning = Learning();
    if (learning == nullptr) return;
    learning->RemoveFP(HandleOf(finePOS));
    for (ParaphraseRep_EX_Temporary& paraphrase : finePOS.paraphrases) learning->RemovePP(HandleOf(paraphrase));
}

// ---- Base forms ------------------------------------------------------------

FinePOS_EX EntryRep_EX_Temporary::GetBaseForm(FinePosCookieID_* fp) const { return HandleOf(*Rep(fp).base); }

void EntryRep_EX_Temporary::SetBaseForm(FinePosCookieID_* fp, FinePOS_EX const& base) {
    EntryRepOfKind<EntryRep_EX_Temporary>(base.GetEntry(), *this);
    AttachToBaseForm(Rep(fp), *reinterpret_cast<FinePOSRep_EX_Temporary*>(base.GetCookie()));
}

ForwardIterator<FinePOS_EX> EntryRep_EX_Temporary::GetCFIterator_start(FinePosCookieID_* fp) const {
    std::vector<FinePOS_EX> family;
    for (FinePOSRep_EX_Temporary* member : FamilyOf(Rep(fp))) family.push_back(HandleOf(*member));
    return VectorByValueForwardIterator<FinePOS_EX>(family);
}

// ---- Fine part of speech fields --------------------------------------------

POS_E_Source EntryRep_EX_Temporary::GetFinePOS(FinePosCookieID_* fp) const { return Rep(fp).pos; }
void EntryRep_EX_Temporary::SetFinePOS(FinePosCookieID_* fp, POS_E_Source pos) { Rep(fp).pos = pos; }
bool EntryRep_EX_Temporary::GetPrimed(FinePosCookieID_* fp) const { return Rep(fp).primed; }
void EntryRep_EX_Temporary::SetPrimed(FinePosCookieID_* fp, bool primed) { Rep(fp).primed = primed; }
bool EntryRep_EX_Temporary::GetQuoted(FinePosCookieID_* fp) const { return Rep(fp).quoted; }
void EntryRep_EX_Temporary::SetQuoted(FinePosCookieID_* fp, bool quoted) { Rep(fp).quoted = quoted; }
IdiomType EntryRep_EX_Temporary::GetIdiomType(FinePosCookieID_* fp) const {
    return static_cast<IdiomType>(Rep(fp).idiomType);
}
void EntryRep_EX_Temporary::SetIdiomType(FinePosCookieID_* fp, IdiomType type) { Rep(fp).idiomType = type & 0x7u; }
bool EntryRep_EX_Temporary::GetAltOnly(FinePosCookieID_* fp) const { return Rep(fp).altOnly; }
void EntryRep_EX_Temporary::SetAltOnly(FinePosCookieID_* fp, bool altOnly) { Rep(fp).altOnly = altOnly; }
bool EntryRep_EX_Temporary::GetHidden(FinePosCookieID_* fp) const { return Rep(fp).hidden; }
void EntryRep_EX_Temporary::SetHidden(FinePosCookieID_* fp, bool hidden) { Rep(fp).hidden = hidden; }
bool EntryRep_EX_Temporary::GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const {
    return Rep(fp).cannotBeginSentence;
}
void EntryRep_EX_Temporary::SetCannotBeginSentenceFlag(FinePosCookieID_* fp, bool flag) {
    Rep(fp).cannotBeginSentence = flag;
}
bool EntryRep_EX_Temporary::GetCannotEndSentenceFlag(FinePosCookieID_* fp) const { return Rep(fp).cannotEndSentence; }
void EntryRep_EX_Temporary::SetCannotEndSentenceFlag(FinePosCookieID_* fp, bool flag) {
    Rep(fp).cannotEndSentence = flag;
}
bool EntryRep_EX_Temporary::GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const {
    return Rep(fp).cannotBeginAndEndSentence;
}
void EntryRep_EX_Temporary::SetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp, bool flag) {
    Rep(fp).cannotBeginAndEndSentence = flag;
}
short EntryRep_EX_Temporary::GetPValue(FinePosCookieID_* fp) const { return Rep(fp).pValue; }
void EntryRep_EX_Temporary::SetPValue(FinePosCookieID_* fp, short value) { Rep(fp).pValue = value; }

FeatureSets_E_Source EntryRep_EX_Temporary::GetFeatureSets(FinePosCookieID_* fp) const { return Rep(fp).featureSets; }

void EntryRep_EX_Temporary::SetFeatureSets(FinePosCookieID_* fp, FeatureSets_E_Source const& sets) {
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) Rep(fp).featureSets.SetSet(i, sets.sets[i]);
}

FeatureSets_E_Source const* EntryRep_EX_Temporary::PeekFeatureSets(FinePosCookieID_* fp) const {
    return &Rep(fp).featureSets;
}

unsigned long EntryRep_EX_Temporary::PeekDomainWeightsListSize(FinePosCookieID_* fp) const {
    return Rep(fp).base->domainWeights.size();
}

std::vector<DomainWeightInfoRecord> EntryRep_EX_Temporary::GetDomainWeights(FinePosCookieID_* fp) const {
    return Rep(fp).base->domainWeights;
}

void EntryRep_EX_Temporary::SetDomainWeights(FinePosCookieID_* fp, std::vector<DomainWeightInfoRecord> const& weights) {
    if (!Rep(fp).IsBaseForm()) throw CannotSetThatOnCF();
    Rep(fp).domainWeights = weights;
}
