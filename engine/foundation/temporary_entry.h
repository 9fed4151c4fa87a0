#pragma once
// The entries of the in-memory dictionary (temporary_dictionary.h).
//
// An entry owns its fine parts of speech and each of them its paraphrases, in
// lists with the newest first.  A cookie handed out by the entry is the
// address of the FinePOSRep_EX_Temporary or ParaphraseRep_EX_Temporary it
// names.
//
// Conjugated forms: a base form is its own base, and its chain link leads to
// its first conjugated form, whose link leads to the next one.  A family may
// span entries, even dictionaries, so every link is a plain pointer: removing
// a fine part of speech, or destroying an entry, first takes each of its fine
// parts of speech out of its family.
#include <exception>
#include <forward_list>
#include <optional>
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

class DictionaryRep_EX_Temporary;
class EntryRep_EX_Temporary;
class TempDict_EX_DictionaryLearningInterface;
struct FinePOSRep_EX_Temporary;

// A change was asked of a conjugated form that only its base form carries
// (paraphrases, domain weights).
class CannotSetThatOnCF : public std::exception {
public:
    char const* what() const noexcept override;
};

struct ParaphraseRep_EX_Temporary {
    explicit ParaphraseRep_EX_Temporary(FinePOSRep_EX_Temporary* owner);
    ParaphraseRep_EX_Temporary(ParaphraseRep_EX_Temporary const&) = delete;
    ParaphraseRep_EX_Temporary& operator=(ParaphraseRep_EX_Temporary const&) = delete;

    FinePOSRep_EX_Temporary* finePOS;
    std::string cookedTranslation;
    int paraID = 0;
    Dict_Semantics_E_Source semantics;
    std::optional<DomainIDSet> domains;  // never an empty set
    short pValue = 0;
    std::string transplant;
    unsigned transPOS : 9;
    unsigned theyTransType : 2;
    unsigned altOnly : 1;
};

struct FinePOSRep_EX_Temporary {
    explicit FinePOSRep_EX_Temporary(EntryRep_EX_Temporary* owner);
    FinePOSRep_EX_Temporary(FinePOSRep_EX_Temporary const&) = delete;
    FinePOSRep_EX_Temporary& operator=(FinePOSRep_EX_Temporary const&) = delete;

    bool IsBaseForm() const { return base == this; }

    EntryRep_EX_Temporary* entry;
    FinePOSRep_EX_Temporary* base;                   // itself for a base form
    FinePOSRep_EX_Temporary* nextInChain = nullptr;  // see the top of the file
    short pValue = 0;
    FeatureSets_E_Source featureSets;
    POS_E_Source pos{};
    bool primed = false;
    bool quoted = false;
    unsigned idiomType : 3;
    bool altOnly = false;
    bool hidden = false;
    bool cannotBeginSentence = false;
    bool cannotEndSentence = false;
    bool cannotBeginAndEndSentence = false;
    std::vector<DomainWeightInfoRecord> domainWeights;
    std::forward_list<ParaphraseRep_EX_Temporary> paraphrases;
};

// Handles on an element, made on the entry that owns it (which for a
// conjugated form's paraphrases is the base form's entry).
FinePOS_EX HandleOf(FinePOSRep_EX_Temporary& finePOS);
Paraphrase_EX HandleOf(ParaphraseRep_EX_Temporary& paraphrase);

class EntryRep_EX_Temporary : public EntryRep_EX {
public:
    // Copies the headword up to its first NUL byte: the dictionary orders and
    // finds headwords as NUL-terminated text.
    EntryRep_EX_Temporary(DictionaryRep_EX_Temporary* dictionary, std::string const& headword);
    ~EntryRep_EX_Temporary() override;
    EntryRep_EX_Temporary(EntryRep_EX_Temporary const&) = delete;
    EntryRep_EX_Temporary& operator=(EntryRep_EX_Temporary const&) = delete;

    char const* Headword() const { return fHeadword.c_str(); }
    // The holding dictionary, or null once it is gone.
    DictionaryRep_EX_Temporary* PeekDictionary() const { return fDictionary; }
    // Called by the dictionary as it dies: the entry may live on in handles.
    void DetachFromDictionary() { fDictionary = nullptr; }

    // Throws std::logic_error once the dictionary is gone.
    Dictionary_EX GetDictionary() const override;
    unsigned long GetSrcTextLen() const override;
    // NUL bytes fill the buffer after a shorter headword; a headword of size
    // bytes or more fills it without a terminator.
    void GetSrcText(char* buffer, unsigned long size) const override;
    char const* PeekSrcText() const override;
    bool Equal(EntryRep_LangPair_<Entry_EX> const& other) const override;

    ForwardIterator<FinePOS_EX> GetFinePOSIterator() override;
    FinePOS_EX CreateNewFinePOS() override;
    // Also removes every learning value recorded for the fine part of speech
    // or any of its paraphrases.
    void RemoveFinePOS(FinePOS_EX const& finePOS) override;

    FinePOS_EX GetBaseForm(FinePosCookieID_* fp) const override;
    // base == fp makes fp a base form of its own.
    void SetBaseForm(FinePosCookieID_* fp, FinePOS_EX const& base) override;
    // The base form, then its conjugated forms.
    ForwardIterator<FinePOS_EX> GetCFIterator_start(FinePosCookieID_* fp) const override;

    POS_E_Source GetFinePOS(FinePosCookieID_* fp) const override;
    void SetFinePOS(FinePosCookieID_* fp, POS_E_Source pos) override;
    bool GetPrimed(FinePosCookieID_* fp) const override;
    void SetPrimed(FinePosCookieID_* fp, bool primed) override;
    bool GetQuoted(FinePosCookieID_* fp) const override;
    void SetQuoted(FinePosCookieID_* fp, bool quoted) override;
    IdiomType GetIdiomType(FinePosCookieID_* fp) const override;
    void SetIdiomType(FinePosCookieID_* fp, IdiomType type) override;
    bool GetAltOnly(FinePosCookieID_* fp) const override;
    void SetAltOnly(FinePosCookieID_* fp, bool altOnly) override;
    bool GetHidden(FinePosCookieID_* fp) const override;
    void SetHidden(FinePosCookieID_* fp, bool hidden) override;
    bool GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const override;
    void SetCannotBeginSentenceFlag(FinePosCookieID_* fp, bool flag) override;
    bool GetCannotEndSentenceFlag(FinePosCookieID_* fp) const override;
    void SetCannotEndSentenceFlag(FinePosCookieID_* fp, bool flag) override;
    bool GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const override;
    void SetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp, bool flag) override;
    short GetPValue(FinePosCookieID_* fp) const override;
    void SetPValue(FinePosCookieID_* fp, short value) override;
    FeatureSets_E_Source GetFeatureSets(FinePosCookieID_* fp) const override;
    void SetFeatureSets(FinePosCookieID_* fp, FeatureSets_E_Source const& sets) override;
    FeatureSets_E_Source const* PeekFeatureSets(FinePosCookieID_* fp) const override;
    // Domain weights belong to the base form.
    unsigned long PeekDomainWeightsListSize(FinePosCookieID_* fp) const override;
    std::vector<DomainWeightInfoRecord> GetDomainWeights(FinePosCookieID_* fp) const override;
    void SetDomainWeights(FinePosCookieID_* fp, std::vector<DomainWeightInfoRecord> const& weights) override;

    // Paraphrases belong to the base form: a conjugated form lists its base
    // form's and may neither create nor remove any.
    ForwardIterator<Paraphrase_EX> GetParaphraseIterator(FinePosCookieID_* fp) override;
    Paraphrase_EX CreateNewParaphrase(FinePosCookieID_* fp) override;
    // Also removes every learning value recorded for the paraphrase.
    void RemoveParaphrase(FinePosCookieID_* fp, Paraphrase_EX const& paraphrase) override;
    FinePOS_EX GetFinePOS_EX(ParaphraseCookieID_* pp) override;

    // Made from the cooked translation on every call; setting it does nothing.
    std::string GetRawTranslation(ParaphraseCookieID_* pp) const override;
    void SetRawTranslation(ParaphraseCookieID_* pp, std::string const& text) override;
    std::string GetCookedTranslation(ParaphraseCookieID_* pp) const override;
    void SetCookedTranslation(ParaphraseCookieID_* pp, std::string const& text) override;
    // Kept in 9 bits.
    POS_J_Target GetTransPOS(ParaphraseCookieID_* pp) const override;
    void SetTransPOS(ParaphraseCookieID_* pp, POS_J_Target pos) override;
    short GetPValue(ParaphraseCookieID_* pp) const override;
    void SetPValue(ParaphraseCookieID_* pp, short value) override;
    int GetParaID(ParaphraseCookieID_* pp) const override;
    void SetParaID(ParaphraseCookieID_* pp, int id) override;
    Dict_Semantics_E_Source GetSemantics(ParaphraseCookieID_* pp) const override;
    void SetSemantics(ParaphraseCookieID_* pp, Dict_Semantics_E_Source const& semantics) override;
    Dict_Semantics_E_Source const* PeekSemantics(ParaphraseCookieID_* pp) const override;
    bool GetAltOnly(ParaphraseCookieID_* pp) const override;
    void SetAltOnly(ParaphraseCookieID_* pp, bool altOnly) override;
    DomainIDSet GetDomainIDSet(ParaphraseCookieID_* pp) const override;
    // An empty set is kept as none: PeekDomainIDSet then answers null.
    void SetDomainIDSet(ParaphraseCookieID_* pp, DomainIDSet const& domains) override;
    DomainIDSet const* PeekDomainIDSet(ParaphraseCookieID_* pp) const override;
    std::string GetTransplant(ParaphraseCookieID_* pp) const override;
    void SetTransplant(ParaphraseCookieID_* pp, std::string const& text) override;
    TheyTransType GetTheyTransType(ParaphraseCookieID_* pp) const override;
    void SetTheyTransType(ParaphraseCookieID_* pp, TheyTransType type) override;

private:
    static FinePOSRep_EX_Temporary& Rep(FinePosCookieID_* fp) {
        return *reinterpret_cast<FinePOSRep_EX_Temporary*>(fp);
    }
    static ParaphraseRep_EX_Temporary& Rep(ParaphraseCookieID_* pp) {
        return *reinterpret_cast<ParaphraseRep_EX_Temporary*>(pp);
    }
    // The dictionary's learning values, when it is alive and keeps any.
    TempDict_EX_DictionaryLearningInterface* Learning() const;
    void ForgetLearningOf(FinePOSRep_EX_Temporary& finePOS);

    DictionaryRep_EX_Temporary* fDictionary;  // not counted: the dictionary holds its entries
    std::string fHeadword;
    std::forward_list<FinePOSRep_EX_Temporary> fFinePOSes;
};
