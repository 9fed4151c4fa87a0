#pragma once
// A small in-memory dictionary and entry representation for exercising the
// dictionary and entry model in tests.  It stores every field plainly and
// records what the model asks of it; it is not the engine's temporary
// dictionary.
//
// Both are templates over a kind tag so that tests get two unrelated
// representation types (FakeEntryRep and ForeignEntryRep) to hand elements
// of one to the other.
#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/string_compare.h"

namespace fake {

// What the fakes were asked; owned by the test so that it outlives them.
struct Probe {
    int lookups = 0;
    unsigned long lastLookupLength = 0;
    int prefixLookups = 0;
    int interfacesDeleted = 0;
    int dictionariesDeleted = 0;
};

struct Options {
    Probe* probe = nullptr;
    bool servesLearning = false;
    bool servesLocking = false;
    // Entries keep the can-neither-begin-nor-end flag instead of using the
    // model's default.
    bool entriesKeepNeitherFlag = false;
    // Entries answer PeekSrcText() with their headword.
    bool entriesPeekHeadword = true;
    // Lookups ignore case as the engine's dictionaries do (dictionary order,
    // StringCompare_E_Source) instead of matching the headword exactly.
    bool lookupIgnoresCase = false;
    // The entry iterators walk the entries in creation order instead of
    // refusing.
    bool servesEntryIteration = false;
    // Makes the interface of a name the dictionary is asked for (null: none);
    // the dictionary makes each at most once and owns it.
    std::function<DictionaryInterface_*(DictionaryRep_EX* dictionary, std::string const& name)> makeInterface;
};

using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

class FakeLearningInterface : public LearningInterface {
public:
    explicit FakeLearningInterface(Probe* probe) : fProbe(probe) {}
    ~FakeLearningInterface() override { ++fProbe->interfacesDeleted; }

    bool IsReadOnly() override { return false; }
    void DeleteAllStats() override { fValues.clear(); }
    void FlushAllStats() override {}
    bool GetLearningValue(FinePOS_EX const& fp, Paraphrase_EX const& pp, float* value) const override {
        auto found = fValues.find(KeyOf(fp, pp));
        if (found == fValues.end()) return false;
        *value = found->second;
        return true;
    }
    void ClearLearningValue(FinePOS_EX const& fp, Paraphrase_EX const& pp) override { fValues.erase(KeyOf(fp, pp)); }
    void SetLearningValue(FinePOS_EX const& fp, Paraphrase_EX const& pp, float value) override {
        fValues[KeyOf(fp, pp)] = value;
    }
    bool IsRecorded(FinePOS_EX const& fp, Paraphrase_EX const& pp) const override {
        return fValues.count(KeyOf(fp, pp)) != 0;
    }
    bool GetUseLearning() const override { return fUseLearning; }
    void SetUseLearning(char const* path) override { fUseLearning = path != nullptr; }
    using LearningInterface::SetUseLearning;

private:
    // Fake entries are equal only to themselves, so identity is a fit key.
    using Key = std::tuple<EntryRep_EX const*, FinePosCookieID_*, EntryRep_EX const*, ParaphraseCookieID_*>;
    static Key KeyOf(FinePOS_EX const& fp, Paraphrase_EX const& pp) {
        return Key(fp.GetEntry().GetRep(), fp.GetCookie(), pp.GetEntry().GetRep(), pp.GetCookie());
    }

    Probe* fProbe;
    bool fUseLearning = true;
    std::map<Key, float> fValues;
};

// State a test can read through the pointer the locking accessor returns.
class FakeLockingInterface : public Dictionary<Entry_EX>::LockingInterface_ {
public:
    static constexpr int kMarker = 0x5EED;

    explicit FakeLockingInterface(Probe* probe) : fProbe(probe) {}
    ~FakeLockingInterface() override { ++fProbe->interfacesDeleted; }

    int fMarker = kMarker;
    int fReadLocksTaken = 0;

protected:
    void AcquiredReadLock() override { ++fReadLocksTaken; }

private:
    Probe* fProbe;
};

template <class Kind>
class BasicFakeEntryRep : public EntryRep_EX {
public:
    BasicFakeEntryRep(DictionaryRep_EX* dictionary, std::string headword, Options const& options)
        : fDictionary(dictionary), fHeadword(std::move(headword)), fOptions(options) {}

    // -- headword and identity
    Dictionary_EX GetDictionary() const override { return Dictionary_EX(fDictionary); }
    unsigned long GetSrcTextLen() const override { return fHeadword.size(); }
    // Copies without terminating, as a representation may.
    void GetSrcText(char* buffer, unsigned long size) const override {
        std::memcpy(buffer, fHeadword.data(), std::min<unsigned long>(size, fHeadword.size()));
    }
    char const* PeekSrcText() const override { return fOptions.entriesPeekHeadword ? fHeadword.c_str() : nullptr; }
    bool Equal(EntryRep_LangPair_<Entry_EX> const& other) const override { return &other == this; }

    // -- fine parts of speech, in creation order
    ForwardIterator<FinePOS_EX> GetFinePOSIterator() override {
        std::vector<FinePOS_EX> all;
        for (auto const& record : fFinePOSes) all.push_back(Handle(record.get()));
        return VectorByValueForwardIterator<FinePOS_EX>(all);
    }
    FinePOS_EX CreateNewFinePOS() override {
        fFinePOSes.push_back(std::make_unique<FinePOSRecord>());
        return Handle(fFinePOSes.back().get());
    }
    void RemoveFinePOS(FinePOS_EX const& finePOS) override {
        if (&EntryRepOfKind<BasicFakeEntryRep>(finePOS.GetEntry(), *this) != this) return;
        EraseByCookie(fFinePOSes, finePOS.GetCookie(), &FinePosCookie);
    }

    // -- base forms: a conjugated form names its base; a base lists its forms
    FinePOS_EX GetBaseForm(FinePosCookieID_* fp) const override {
        FinePOSRecord const* record = Record(fp);
        if (record->base == nullptr) return Handle(const_cast<FinePOSRecord*>(record));
        return record->baseEntry->Handle(record->base);
    }
    void SetBaseForm(FinePosCookieID_* fp, FinePOS_EX const& base) override {
        BasicFakeEntryRep& baseEntry = EntryRepOfKind<BasicFakeEntryRep>(base.GetEntry(), *this);
        FinePOSRecord* baseRecord = Record(base.GetCookie());
        Record(fp)->baseEntry = &baseEntry;
        Record(fp)->base = baseRecord;
        baseRecord->forms.emplace_back(this, Record(fp));
    }
    ForwardIterator<FinePOS_EX> GetCFIterator_start(FinePosCookieID_* fp) const override {
        FinePOS_EX const base = GetBaseForm(fp);
        std::vector<FinePOS_EX> family = {base};
        for (auto const& [entry, form] : Record(base.GetCookie())->forms) family.push_back(entry->Handle(form));
        return VectorByValueForwardIterator<FinePOS_EX>(family);
    }

    // -- fine part of speech fields
    POS_E_Source GetFinePOS(FinePosCookieID_* fp) const override { return Record(fp)->pos; }
    void SetFinePOS(FinePosCookieID_* fp, POS_E_Source pos) override { Record(fp)->pos = pos; }
    bool GetPrimed(FinePosCookieID_* fp) const override { return Record(fp)->primed; }
    void SetPrimed(FinePosCookieID_* fp, bool value) override { Record(fp)->primed = value; }
    bool GetQuoted(FinePosCookieID_* fp) const override { return Record(fp)->quoted; }
    void SetQuoted(FinePosCookieID_* fp, bool value) override { Record(fp)->quoted = value; }
    IdiomType GetIdiomType(FinePosCookieID_* fp) const override { return Record(fp)->idiomType; }
    void SetIdiomType(FinePosCookieID_* fp, IdiomType type) override { Record(fp)->idiomType = type; }
    bool GetAltOnly(FinePosCookieID_* fp) const override { return Record(fp)->altOnly; }
    void SetAltOnly(FinePosCookieID_* fp, bool value) override { Record(fp)->altOnly = value; }
    bool GetHidden(FinePosCookieID_* fp) const override { return Record(fp)->hidden; }
    void SetHidden(FinePosCookieID_* fp, bool value) override { Record(fp)->hidden = value; }
    bool GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const override { return Record(fp)->cannotBegin; }
    void SetCannotBeginSentenceFlag(FinePosCookieID_* fp, bool value) override { Record(fp)->cannotBegin = value; }
    bool GetCannotEndSentenceFlag(FinePosCookieID_* fp) const override { return Record(fp)->cannotEnd; }
    void SetCannotEndSentenceFlag(FinePosCookieID_* fp, bool value) override { Record(fp)->cannotEnd = value; }
    bool GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const override {
        if (!fOptions.entriesKeepNeitherFlag) return EntryRep_EX::GetCannotBeginAndEndSentenceFlag(fp);
        return Record(fp)->cannotBeginAndEnd;
    }
    void SetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp, bool value) override {
        if (!fOptions.entriesKeepNeitherFlag) return EntryRep_EX::SetCannotBeginAndEndSentenceFlag(fp, value);
        Record(fp)->cannotBeginAndEnd = value;
    }
    short GetPValue(FinePosCookieID_* fp) const override { return Record(fp)->pValue; }
    void SetPValue(FinePosCookieID_* fp, short value) override { Record(fp)->pValue = value; }
    FeatureSets_E_Source GetFeatureSets(FinePosCookieID_* fp) const override { return Record(fp)->featureSets; }
    void SetFeatureSets(FinePosCookieID_* fp, FeatureSets_E_Source const& sets) override {
        Record(fp)->featureSets = sets;
    }
    FeatureSets_E_Source const* PeekFeatureSets(FinePosCookieID_* fp) const override {
        return &Record(fp)->featureSets;
    }
    unsigned long PeekDomainWeightsListSize(FinePosCookieID_* fp) const override {
        return Record(fp)->domainWeights.size();
    }
    std::vector<DomainWeightInfoRecord> GetDomainWeights(FinePosCookieID_* fp) const override {
        return Record(fp)->domainWeights;
    }
    void SetDomainWeights(FinePosCookieID_* fp, std::vector<DomainWeightInfoRecord> const& weights) override {
        Record(fp)->domainWeights = weights;
    }

    // -- paraphrases, in creation order
    ForwardIterator<Paraphrase_EX> GetParaphraseIterator(FinePosCookieID_* fp) override {
        std::vector<Paraphrase_EX> all;
        for (auto const& record : Record(fp)->paraphrases) all.push_back(Handle(record.get()));
        return VectorByValueForwardIterator<Paraphrase_EX>(all);
    }
    Paraphrase_EX CreateNewParaphrase(FinePosCookieID_* fp) override {
        auto& paraphrases = Record(fp)->paraphrases;
        paraphrases.push_back(std::make_unique<ParaphraseRecord>());
        paraphrases.back()->owner = Record(fp);
        return Handle(paraphrases.back().get());
    }
    void RemoveParaphrase(FinePosCookieID_* fp, Paraphrase_EX const& paraphrase) override {
        if (&EntryRepOfKind<BasicFakeEntryRep>(paraphrase.GetEntry(), *this) != this) return;
        EraseByCookie(Record(fp)->paraphrases, paraphrase.GetCookie(), &ParaphraseCookie);
    }
    FinePOS_EX GetFinePOS_EX(ParaphraseCookieID_* pp) override { return Handle(Record(pp)->owner); }

    // -- paraphrase fields
    std::string GetRawTranslation(ParaphraseCookieID_* pp) const override { return Record(pp)->raw; }
    void SetRawTranslation(ParaphraseCookieID_* pp, std::string const& text) override { Record(pp)->raw = text; }
    std::string GetCookedTranslation(ParaphraseCookieID_* pp) const override { return Record(pp)->cooked; }
    void SetCookedTranslation(ParaphraseCookieID_* pp, std::string const& text) override { Record(pp)->cooked = text; }
    POS_J_Target GetTransPOS(ParaphraseCookieID_* pp) const override { return Record(pp)->transPOS; }
    void SetTransPOS(ParaphraseCookieID_* pp, POS_J_Target pos) override { Record(pp)->transPOS = pos; }
    short GetPValue(ParaphraseCookieID_* pp) const override { return Record(pp)->pValue; }
    void SetPValue(ParaphraseCookieID_* pp, short value) override { Record(pp)->pValue = value; }
    int GetParaID(ParaphraseCookieID_* pp) const override { return Record(pp)->paraID; }
    void SetParaID(ParaphraseCookieID_* pp, int id) override { Record(pp)->paraID = id; }
    Dict_Semantics_E_Source GetSemantics(ParaphraseCookieID_* pp) const override {
        return Record(pp)->semantics.value_or(Dict_Semantics_E_Source());
    }
    void SetSemantics(ParaphraseCookieID_* pp, Dict_Semantics_E_Source const& semantics) override {
        Record(pp)->semantics = semantics;
    }
    // Null until set, like a representation that keeps none in memory.
    Dict_Semantics_E_Source const* PeekSemantics(ParaphraseCookieID_* pp) const override {
        auto const& stored = Record(pp)->semantics;
        return stored ? &*stored : nullptr;
    }
    bool GetAltOnly(ParaphraseCookieID_* pp) const override { return Record(pp)->altOnly; }
    void SetAltOnly(ParaphraseCookieID_* pp, bool value) override { Record(pp)->altOnly = value; }
    DomainIDSet GetDomainIDSet(ParaphraseCookieID_* pp) const override {
        return Record(pp)->domains.value_or(DomainIDSet());
    }
    void SetDomainIDSet(ParaphraseCookieID_* pp, DomainIDSet const& domains) override { Record(pp)->domains = domains; }
    DomainIDSet const* PeekDomainIDSet(ParaphraseCookieID_* pp) const override {
        auto const& stored = Record(pp)->domains;
        return stored ? &*stored : nullptr;
    }
    std::string GetTransplant(ParaphraseCookieID_* pp) const override { return Record(pp)->transplant; }
    void SetTransplant(ParaphraseCookieID_* pp, std::string const& text) override { Record(pp)->transplant = text; }
    TheyTransType GetTheyTransType(ParaphraseCookieID_* pp) const override { return Record(pp)->theyType; }
    void SetTheyTransType(ParaphraseCookieID_* pp, TheyTransType type) override { Record(pp)->theyType = type; }

private:
    struct FinePOSRecord;

    struct ParaphraseRecord {
        FinePOSRecord* owner = nullptr;
        std::string raw;
        std::string cooked;
        std::string transplant;
        POS_J_Target transPOS{};
        short pValue = 0;
        int paraID = 0;
        bool altOnly = false;
        TheyTransType theyType = eTheyAny;
        std::optional<Dict_Semantics_E_Source> semantics;
        std::optional<DomainIDSet> domains;
    };

    struct FinePOSRecord {
        // Null for a base form.  Plain pointers: a fine part of speech of an
        // entry must not keep its own entry alive.
        BasicFakeEntryRep* baseEntry = nullptr;
        FinePOSRecord* base = nullptr;
        std::vector<std::pair<BasicFakeEntryRep*, FinePOSRecord*>> forms;

        POS_E_Source pos{};
        bool primed = false;
        bool quoted = false;
        IdiomType idiomType = eIdiomNormal;
        bool altOnly = false;
        bool hidden = false;
        bool cannotBegin = false;
        bool cannotEnd = false;
        bool cannotBeginAndEnd = false;
        short pValue = 0;
        FeatureSets_E_Source featureSets;
        std::vector<DomainWeightInfoRecord> domainWeights;
        std::vector<std::unique_ptr<ParaphraseRecord>> paraphrases;
    };

    static FinePosCookieID_* FinePosCookie(FinePOSRecord* record) {
        return reinterpret_cast<FinePosCookieID_*>(record);
    }
    static ParaphraseCookieID_* ParaphraseCookie(ParaphraseRecord* record) {
        return reinterpret_cast<ParaphraseCookieID_*>(record);
    }
    static FinePOSRecord* Record(FinePosCookieID_* fp) { return reinterpret_cast<FinePOSRecord*>(fp); }
    static ParaphraseRecord* Record(ParaphraseCookieID_* pp) { return reinterpret_cast<ParaphraseRecord*>(pp); }

    // Handles count the entry, so a const getter handing one out casts.
    FinePOS_EX Handle(FinePOSRecord* record) const {
        return FinePOS_EX(Entry_EX(const_cast<BasicFakeEntryRep*>(this)), FinePosCookie(record));
    }
    Paraphrase_EX Handle(ParaphraseRecord* record) const {
        return Paraphrase_EX(Entry_EX(const_cast<BasicFakeEntryRep*>(this)), ParaphraseCookie(record));
    }

    // Compares cookies without following them.
    template <class Records, class Cookie, class MakeCookie>
    static void EraseByCookie(Records& records, Cookie* cookie, MakeCookie makeCookie) {
        records.erase(std::remove_if(records.begin(), records.end(),
                                     [&](auto const& record) { return makeCookie(record.get()) == cookie; }),
                      records.end());
    }

    DictionaryRep_EX* fDictionary;  // not counted: the dictionary owns its entries
    std::string fHeadword;
    Options fOptions;
    std::vector<std::unique_ptr<FinePOSRecord>> fFinePOSes;
};

// Walks its own copy of a list of entries, both ways.
class EntryListIteratorRep : public BidirectionalIteratorRep_<Entry_EX> {
public:
    explicit EntryListIteratorRep(std::vector<Entry_EX> entries, std::size_t position = 0)
        : fEntries(std::move(entries)), fPosition(position) {}

    EntryListIteratorRep* Clone() const override { return new EntryListIteratorRep(*this); }
    Entry_EX Current() const override { return fEntries[fPosition]; }
    void GoForward() override { ++fPosition; }
    void GoBack() override { --fPosition; }
    bool Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const override {
        auto const* list = dynamic_cast<EntryListIteratorRep const*>(&other);
        return list != nullptr && list->fPosition == fPosition;
    }
    bool IsAtStart() const override { return fPosition == 0; }
    bool IsAtEnd() const override { return fPosition == fEntries.size(); }

private:
    std::vector<Entry_EX> fEntries;
    std::size_t fPosition;
};

template <class EntryRep>
class BasicFakeDictionaryRep : public DictionaryRep_EX {
public:
    explicit BasicFakeDictionaryRep(Options const& options = Options())
        : fOptions(options), fProbe(options.probe != nullptr ? options.probe : &fOwnProbe) {
        fOptions.probe = fProbe;
    }
    ~BasicFakeDictionaryRep() override {
        if (fProbe != &fOwnProbe) ++fProbe->dictionariesDeleted;
    }

    unsigned short GetID() const override { return fID; }
    void SetID(unsigned short id) override { fID = id; }
    DomainIDSet GetDomainIDSet() const override { return fDomains; }
    void SetDomainIDSet(DomainIDSet const& domains) override { fDomains = domains; }

    // Every lookup tells the callback that longer headwords may exist.
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override {
        ++fProbe->lookups;
        fProbe->lastLookupLength = length;
        if (callback != nullptr) callback->FoundOne();
        std::string const wanted(key, length);
        if (fOptions.lookupIgnoresCase)
            return Collect([&](std::string const& headword) { return StringCompare_E_Source(headword, wanted) == 0; });
        return Collect([&](std::string const& headword) { return headword == wanted; });
    }
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override {
        ++fProbe->prefixLookups;
        return Collect([&](std::string const& headword) { return headword.compare(0, prefix.size(), prefix) == 0; });
    }

    DictionaryInterface_* GetNamedInterface(std::string const& name) override {
        if (fOptions.servesLearning && name == LearningInterface::kInterfaceName) {
            if (!fLearning) fLearning = std::make_unique<FakeLearningInterface>(fProbe);
            return fLearning.get();
        }
        if (fOptions.servesLocking && name == Dictionary<Entry_EX>::LockingInterface_::kInterfaceName) {
            if (!fLocking) fLocking = std::make_unique<FakeLockingInterface>(fProbe);
            return fLocking.get();  // the DictionaryInterface_ part, as dictionaries answer
        }
        if (fOptions.makeInterface) {
            auto made = fMadeInterfaces.find(name);
            if (made == fMadeInterfaces.end()) {
                std::unique_ptr<DictionaryInterface_> interface(fOptions.makeInterface(this, name));
                made = fMadeInterfaces.emplace(name, std::move(interface)).first;
            }
            return made->second.get();
        }
        return nullptr;
    }

    bool IsModifyable() const override { return true; }

    // Refused unless servesEntryIteration: refusing exercises ThrowNotSupported.
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override {
        if (!fOptions.servesEntryIteration) ThrowNotSupported(*this);
        return BidirectionalIterator<Entry_EX>(new EntryListIteratorRep(fEntries));
    }
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override {
        if (!fOptions.servesEntryIteration) ThrowNotSupported(*this);
        return BidirectionalIterator<Entry_EX>(new EntryListIteratorRep(fEntries, fEntries.size()));
    }
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& /*entry*/) override {
        ThrowNotSupported(*this);
    }

    Entry_EX CreateNewEntry(std::string const& headword) override {
        fEntries.push_back(Entry_EX(new EntryRep(this, headword, fOptions)));
        return fEntries.back();
    }
    void RemoveEntry(Entry_EX const& entry) override {
        EntryRepOfKind<EntryRep>(entry, *this);
        fEntries.erase(std::remove(fEntries.begin(), fEntries.end(), entry), fEntries.end());
    }

    FakeLearningInterface* Learning() const { return fLearning.get(); }
    FakeLockingInterface* Locking() const { return fLocking.get(); }

private:
    template <class Match>
    ForwardIterator<Entry_EX> Collect(Match match) const {
        std::vector<Entry_EX> found;
        for (Entry_EX const& entry : fEntries) {
            if (match(entry.GetSrcText())) found.push_back(entry);
        }
        return VectorByValueForwardIterator<Entry_EX>(found);
    }

    Options fOptions;
    Probe fOwnProbe;
    Probe* fProbe;
    unsigned short fID = kDefaultDictionaryID;
    DomainIDSet fDomains;
    std::vector<Entry_EX> fEntries;
    std::unique_ptr<FakeLearningInterface> fLearning;
    std::unique_ptr<FakeLockingInterface> fLocking;
    std::map<std::string, std::unique_ptr<DictionaryInterface_>> fMadeInterfaces;
};

using FakeEntryRep = BasicFakeEntryRep<struct PrimaryKind>;
using ForeignEntryRep = BasicFakeEntryRep<struct ForeignKind>;
using FakeDictionaryRep = BasicFakeDictionaryRep<FakeEntryRep>;
using ForeignDictionaryRep = BasicFakeDictionaryRep<ForeignEntryRep>;

// A dictionary handle on a new fake representation, and that representation.
template <class Rep = FakeDictionaryRep>
std::pair<Dictionary_EX, Rep*> MakeDictionary(Options const& options = Options()) {
    auto* rep = new Rep(options);
    return {Dictionary_EX(rep), rep};
}

// A new entry of the dictionary with one fine part of speech per code, in
// order.
inline Entry_EX AddEntry(Dictionary_EX& dictionary, std::string const& headword,
                         std::initializer_list<POS_E_Source> finePOSes = {}) {
    Entry_EX entry = dictionary.CreateNewEntry(headword);
    for (POS_E_Source pos : finePOSes) entry.CreateNewFinePOS().SetFinePOS(pos);
    return entry;
}

}  // namespace fake
