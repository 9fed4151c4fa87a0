#pragma once
// The entry model: one English headword with its readings.  An entry has fine
// parts of speech (an English part of speech with flags, feature sets and
// domain weights); each fine part of speech has paraphrases (a Japanese
// translation with its part of speech, semantics and domains).
//
// Entry_EX, FinePOS_EX and Paraphrase_EX are handles.  Every read or write of
// a field is one virtual operation of the entry's representation, which alone
// knows how its dictionary stores the data; a fine part of speech or a
// paraphrase is named to it by an opaque cookie that only it interprets.
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/iterators.h"
#include "engine/foundation/qj_shared.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

// Never defined: a cookie is a pointer-sized value that only the
// representation of the entry it came from may interpret.
class FinePosCookieID_;
class ParaphraseCookieID_;

// ---- Representation --------------------------------------------------------

template <class EntryT>
class EntryRep_LangPair_;

// The language-independent part of an entry representation.
template <>
class EntryRep_LangPair_<Entry_EX> : public QJSharedRep {
public:
    // The dictionary holding the entry.
    virtual Dictionary_EX GetDictionary() const = 0;
    // Headword length in bytes.
    virtual unsigned long GetSrcTextLen() const = 0;
    // Copies at most `size` bytes of the headword; need not terminate it.
    virtual void GetSrcText(char* buffer, unsigned long size) const = 0;
    // The stored headword, or null when the representation keeps none whole.
    virtual char const* PeekSrcText() const = 0;
    // Same entry.
    virtual bool Equal(EntryRep_LangPair_ const& other) const = 0;
};

// Base of every concrete entry representation.  A fine part of speech or a
// paraphrase handed in as a handle (SetBaseForm, RemoveFinePOS, ...) may come
// from an entry of another kind: check it with EntryRepOfKind before reading
// its cookie.
class EntryRep_EX : public EntryRep_LangPair_<Entry_EX> {
public:
    virtual ForwardIterator<FinePOS_EX> GetFinePOSIterator() = 0;
    virtual FinePOS_EX CreateNewFinePOS() = 0;
    virtual void RemoveFinePOS(FinePOS_EX const& finePOS) = 0;

    // The fine part of speech whose conjugated form fp is; fp itself when it
    // is a base form.
    virtual FinePOS_EX GetBaseForm(FinePosCookieID_* fp) const = 0;
    virtual void SetBaseForm(FinePosCookieID_* fp, FinePOS_EX const& base) = 0;
    // The conjugated forms attached to fp's base form.
    virtual ForwardIterator<FinePOS_EX> GetCFIterator_start(FinePosCookieID_* fp) const = 0;

    virtual POS_E_Source GetFinePOS(FinePosCookieID_* fp) const = 0;
    virtual void SetFinePOS(FinePosCookieID_* fp, POS_E_Source pos) = 0;
    virtual bool GetPrimed(FinePosCookieID_* fp) const = 0;
    virtual void SetPrimed(FinePosCookieID_* fp, bool primed) = 0;
    virtual bool GetQuoted(FinePosCookieID_* fp) const = 0;
    virtual void SetQuoted(FinePosCookieID_* fp, bool quoted) = 0;
    virtual IdiomType GetIdiomType(FinePosCookieID_* fp) const = 0;
    virtual void SetIdiomType(FinePosCookieID_* fp, IdiomType type) = 0;
    // A fine part of speech used only for alternates.
    virtual bool GetAltOnly(FinePosCookieID_* fp) const = 0;
    virtual void SetAltOnly(FinePosCookieID_* fp, bool altOnly) = 0;
    virtual bool GetHidden(FinePosCookieID_* fp) const = 0;
    virtual void SetHidden(FinePosCookieID_* fp, bool hidden) = 0;
    virtual bool GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const = 0;
    virtual void SetCannotBeginSentenceFlag(FinePosCookieID_* fp, bool flag) = 0;
    virtual bool GetCannotEndSentenceFlag(FinePosCookieID_* fp) const = 0;
    virtual void SetCannotEndSentenceFlag(FinePosCookieID_* fp, bool flag) = 0;
    // Most kinds of entry do not keep this flag: by default it reads false and
    // setting it throws NotSupportedOnReadOnlyDictionary for the entry's
    // dictionary.
    virtual bool GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const;
    virtual void SetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp, bool flag);
    virtual short GetPValue(FinePosCookieID_* fp) const = 0;
    virtual void SetPValue(FinePosCookieID_* fp, short value) = 0;
    virtual FeatureSets_E_Source GetFeatureSets(FinePosCookieID_* fp) const = 0;
    virtual void SetFeatureSets(FinePosCookieID_* fp, FeatureSets_E_Source const& sets) = 0;
    // The stored feature sets, or null when not held in memory.
    virtual FeatureSets_E_Source const* PeekFeatureSets(FinePosCookieID_* fp) const = 0;
    virtual unsigned long PeekDomainWeightsListSize(FinePosCookieID_* fp) const = 0;
    virtual std::vector<DomainWeightInfoRecord> GetDomainWeights(FinePosCookieID_* fp) const = 0;
    virtual void SetDomainWeights(FinePosCookieID_* fp, std::vector<DomainWeightInfoRecord> const& weights) = 0;

    virtual ForwardIterator<Paraphrase_EX> GetParaphraseIterator(FinePosCookieID_* fp) = 0;
    virtual Paraphrase_EX CreateNewParaphrase(FinePosCookieID_* fp) = 0;
    virtual void RemoveParaphrase(FinePosCookieID_* fp, Paraphrase_EX const& paraphrase) = 0;
    // The fine part of speech the paraphrase belongs to.
    virtual FinePOS_EX GetFinePOS_EX(ParaphraseCookieID_* pp) = 0;

    virtual std::string GetRawTranslation(ParaphraseCookieID_* pp) const = 0;
    virtual void SetRawTranslation(ParaphraseCookieID_* pp, std::string const& text) = 0;
    virtual std::string GetCookedTranslation(ParaphraseCookieID_* pp) const = 0;
    virtual void SetCookedTranslation(ParaphraseCookieID_* pp, std::string const& text) = 0;
    virtual POS_J_Target GetTransPOS(ParaphraseCookieID_* pp) const = 0;
    virtual void SetTransPOS(ParaphraseCookieID_* pp, POS_J_Target pos) = 0;
    virtual short GetPValue(ParaphraseCookieID_* pp) const = 0;
    virtual void SetPValue(ParaphraseCookieID_* pp, short value) = 0;
    // The paraphrase number.
    virtual int GetParaID(ParaphraseCookieID_* pp) const = 0;
    virtual void SetParaID(ParaphraseCookieID_* pp, int id) = 0;
    virtual Dict_Semantics_E_Source GetSemantics(ParaphraseCookieID_* pp) const = 0;
    virtual void SetSemantics(ParaphraseCookieID_* pp, Dict_Semantics_E_Source const& semantics) = 0;
    // The stored semantics, or null when not held in memory.
    virtual Dict_Semantics_E_Source const* PeekSemantics(ParaphraseCookieID_* pp) const = 0;
    virtual bool GetAltOnly(ParaphraseCookieID_* pp) const = 0;
    virtual void SetAltOnly(ParaphraseCookieID_* pp, bool altOnly) = 0;
    virtual DomainIDSet GetDomainIDSet(ParaphraseCookieID_* pp) const = 0;
    virtual void SetDomainIDSet(ParaphraseCookieID_* pp, DomainIDSet const& domains) = 0;
    // The stored set, or null.
    virtual DomainIDSet const* PeekDomainIDSet(ParaphraseCookieID_* pp) const = 0;
    virtual std::string GetTransplant(ParaphraseCookieID_* pp) const = 0;
    virtual void SetTransplant(ParaphraseCookieID_* pp, std::string const& text) = 0;
    virtual TheyTransType GetTheyTransType(ParaphraseCookieID_* pp) const = 0;
    virtual void SetTheyTransType(ParaphraseCookieID_* pp, TheyTransType type) = 0;
};

// ---- Entry handles ---------------------------------------------------------

template <class EntryT, class RepT>
class Entry_LangPair;

template <>
class Entry_LangPair<Entry_EX, EntryRep_EX> : public QJShared<EntryRep_EX> {
public:
    // Takes a reference on the representation.
    explicit Entry_LangPair(EntryRep_EX* rep) : QJShared(rep) {}

    Dictionary_EX GetDictionary() const;
    char const* PeekSrcText() const;
    // The headword; cut to its first 255 bytes when the representation cannot
    // peek it.
    std::string GetSrcText() const;

    // Asks the left representation's Equal().
    bool operator==(Entry_LangPair const& other) const;
    bool operator!=(Entry_LangPair const& other) const { return !(*this == other); }
};

class Entry_EX : public Entry_LangPair<Entry_EX, EntryRep_EX> {
public:
    explicit Entry_EX(EntryRep_EX* rep) : Entry_LangPair(rep) {}

    ForwardIterator<FinePOS_EX> GetFinePOSIterator() const;
    FinePOS_EX CreateNewFinePOS();
    void RemoveFinePOS(FinePOS_EX const& finePOS);

    // The number of fine parts of speech the iterator yields.
    unsigned long GetFinePOSCount() const;
    // The i-th fine part of speech (from 0); the first one when i is at or
    // past the count.  Throws std::out_of_range when the entry has none.
    FinePOS_EX GetIthFinePOS(unsigned long i) const;
    void RemoveAllFinePOSes();
};

// ---- Reading handles -------------------------------------------------------

// One fine part of speech of an entry.  Each accessor is one call of the
// entry representation's operation of the same name with the cookie.
class FinePOS_EX {
public:
    FinePOS_EX(Entry_EX const& entry, FinePosCookieID_* cookie) : fEntry(entry), fCookie(cookie) {}

    Entry_EX const& GetEntry() const { return fEntry; }
    FinePosCookieID_* GetCookie() const { return fCookie; }

    // Equal entries and the same cookie.
    bool operator==(FinePOS_EX const& other) const;
    bool operator!=(FinePOS_EX const& other) const { return !(*this == other); }

    FinePOS_EX GetBaseForm() const { return fEntry->GetBaseForm(fCookie); }
    // A conjugated form: its base form is another fine part of speech.
    bool IsACF() const { return GetBaseForm() != *this; }
    ForwardIterator<FinePOS_EX> GetCFIterator_start() const { return fEntry->GetCFIterator_start(fCookie); }
    // The start iterator advanced to its end.
    ForwardIterator<FinePOS_EX> GetCFIterator_end() const;

    POS_E_Source GetFinePOS() const { return fEntry->GetFinePOS(fCookie); }
    bool GetPrimed() const { return fEntry->GetPrimed(fCookie); }
    bool GetQuoted() const { return fEntry->GetQuoted(fCookie); }
    IdiomType GetIdiomType() const { return fEntry->GetIdiomType(fCookie); }
    bool GetAltOnly() const { return fEntry->GetAltOnly(fCookie); }
    bool GetHidden() const { return fEntry->GetHidden(fCookie); }
    bool GetCannotBeginSentenceFlag() const { return fEntry->GetCannotBeginSentenceFlag(fCookie); }
    bool GetCannotEndSentenceFlag() const { return fEntry->GetCannotEndSentenceFlag(fCookie); }
    bool GetCannotBeginAndEndSentenceFlag() const { return fEntry->GetCannotBeginAndEndSentenceFlag(fCookie); }
    short GetPValue() const { return fEntry->GetPValue(fCookie); }
    FeatureSets_E_Source GetFeatureSets() const { return fEntry->GetFeatureSets(fCookie); }
    // Set 0, 1 or 2; any other number gives "".
    std::string GetFeatureSets(unsigned set) const { return GetFeatureSets().GetSet(set); }
    FeatureSets_E_Source const* PeekFeatureSets() const { return fEntry->PeekFeatureSets(fCookie); }
    unsigned long PeekDomainWeightsListSize() const { return fEntry->PeekDomainWeightsListSize(fCookie); }
    std::vector<DomainWeightInfoRecord> GetDomainWeights() const { return fEntry->GetDomainWeights(fCookie); }
    ForwardIterator<Paraphrase_EX> GetParaphraseIterator() const;

    // The setters change the entry, not the handle.  There is no setter for
    // the can-neither-begin-nor-end flag.
    void SetBaseForm(FinePOS_EX const& base) { fEntry->SetBaseForm(fCookie, base); }
    void SetFinePOS(POS_E_Source pos) { fEntry->SetFinePOS(fCookie, pos); }
    void SetPrimed(bool primed) { fEntry->SetPrimed(fCookie, primed); }
    void SetQuoted(bool quoted) { fEntry->SetQuoted(fCookie, quoted); }
    void SetIdiomType(IdiomType type) { fEntry->SetIdiomType(fCookie, type); }
    void SetAltOnly(bool altOnly) { fEntry->SetAltOnly(fCookie, altOnly); }
    void SetHidden(bool hidden) { fEntry->SetHidden(fCookie, hidden); }
    void SetCannotBeginSentenceFlag(bool flag) { fEntry->SetCannotBeginSentenceFlag(fCookie, flag); }
    void SetCannotEndSentenceFlag(bool flag) { fEntry->SetCannotEndSentenceFlag(fCookie, flag); }
    void SetPValue(short value) { fEntry->SetPValue(fCookie, value); }
    void SetFeatureSets(FeatureSets_E_Source const& sets) { fEntry->SetFeatureSets(fCookie, sets); }
    void SetDomainWeights(std::vector<DomainWeightInfoRecord> const& weights) {
        fEntry->SetDomainWeights(fCookie, weights);
    }
    Paraphrase_EX CreateNewParaphrase();

private:
    Entry_EX fEntry;
    FinePosCookieID_* fCookie;
};

// One paraphrase of a fine part of speech.  Each accessor is one call of the
// entry representation's operation of the same name with the cookie.
class Paraphrase_EX {
public:
    Paraphrase_EX(Entry_EX const& entry, ParaphraseCookieID_* cookie) : fEntry(entry), fCookie(cookie) {}

    Entry_EX const& GetEntry() const { return fEntry; }
    ParaphraseCookieID_* GetCookie() const { return fCookie; }

    // Equal entries and the same cookie.
    bool operator==(Paraphrase_EX const& other) const;
    bool operator!=(Paraphrase_EX const& other) const { return !(*this == other); }

    // The fine part of speech the paraphrase belongs to.
    FinePOS_EX GetFinePOS() const { return fEntry->GetFinePOS_EX(fCookie); }
    std::string GetRawTranslation() const { return fEntry->GetRawTranslation(fCookie); }
    std::string GetCookedTranslation() const { return fEntry->GetCookedTranslation(fCookie); }
    POS_J_Target GetTransPOS() const { return fEntry->GetTransPOS(fCookie); }
    short GetPValue() const { return fEntry->GetPValue(fCookie); }
    int GetParaID() const { return fEntry->GetParaID(fCookie); }
    Dict_Semantics_E_Source GetSemantics() const { return fEntry->GetSemantics(fCookie); }
    Dict_Semantics_E_Source const* PeekSemantics() const { return fEntry->PeekSemantics(fCookie); }
    bool GetAltOnly() const { return fEntry->GetAltOnly(fCookie); }
    DomainIDSet GetDomainIDSet() const { return fEntry->GetDomainIDSet(fCookie); }
    std::string GetTransplant() const { return fEntry->GetTransplant(fCookie); }
    TheyTransType GetTheyTransType() const { return fEntry->GetTheyTransType(fCookie); }

    // The setters change the entry, not the handle.  The raw translation has
    // no setter: it follows from the cooked one.
    void SetCookedTranslation(std::string const& text) { fEntry->SetCookedTranslation(fCookie, text); }
    void SetTransPOS(POS_J_Target pos) { fEntry->SetTransPOS(fCookie, pos); }
    void SetPValue(short value) { fEntry->SetPValue(fCookie, value); }
    void SetParaID(int id) { fEntry->SetParaID(fCookie, id); }
    void SetSemantics(Dict_Semantics_E_Source const& semantics) { fEntry->SetSemantics(fCookie, semantics); }
    void SetAltOnly(bool altOnly) { fEntry->SetAltOnly(fCookie, altOnly); }
    void SetDomainIDSet(DomainIDSet const& domains) { fEntry->SetDomainIDSet(fCookie, domains); }
    void SetTransplant(std::string const& text) { fEntry->SetTransplant(fCookie, text); }
    void SetTheyTransType(TheyTransType type) { fEntry->SetTheyTransType(fCookie, type); }

private:
    Entry_EX fEntry;
    ParaphraseCookieID_* fCookie;
};

// One dictionary reading: a fine part of speech with one of its paraphrases.
class POSAndParaphrase {
public:
    POSAndParaphrase(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase)
        : fFinePOS(finePOS), fParaphrase(paraphrase) {}

    FinePOS_EX const& GetFinePOS() const { return fFinePOS; }
    Paraphrase_EX const& GetParaphrase() const { return fParaphrase; }

    bool operator==(POSAndParaphrase const& other) const {
        return fFinePOS == other.fFinePOS && fParaphrase == other.fParaphrase;
    }
    bool operator!=(POSAndParaphrase const& other) const { return !(*this == other); }

private:
    FinePOS_EX fFinePOS;
    Paraphrase_EX fParaphrase;
};

// Both absent, or both present and equal.
bool operator==(CanBeNull<POSAndParaphrase> const& left, CanBeNull<POSAndParaphrase> const& right);
bool operator!=(CanBeNull<POSAndParaphrase> const& left, CanBeNull<POSAndParaphrase> const& right);

// ---- Checking the kind of a handed-in element ------------------------------

// The representation of an entry handed to a representation (directly, or as
// the entry of a fine part of speech or paraphrase) as the receiver's own kind
// RepKind.  An entry of another kind is refused with NotSupportedOnDictionary
// naming the receiver's dictionary: its cookies mean nothing to the receiver
// and must not be read.
template <class RepKind>
RepKind& EntryRepOfKind(Entry_EX const& entry, EntryRep_EX const& receiver) {
    auto* rep = dynamic_cast<RepKind*>(entry.GetRep());
    if (rep == nullptr) throw NotSupportedOnDictionary<Dictionary_EX>(receiver.GetDictionary());
    return *rep;
}

// The same for a dictionary representation receiving an entry.
template <class RepKind>
RepKind& EntryRepOfKind(Entry_EX const& entry, DictionaryRep_EX& receiver) {
    auto* rep = dynamic_cast<RepKind*>(entry.GetRep());
    if (rep == nullptr) ThrowNotSupported(receiver);
    return *rep;
}
