#pragma once
// An entry representation that refuses every change: its dictionary's file
// is read-only, or its entries change another way.  Each setter throws
// NotSupportedOnReadOnlyDictionary naming the dictionary.
#include <string>
#include <vector>

#include "engine/foundation/entry.h"

class DictionaryRep_EX;

class ReadOnlyEntryRep : public EntryRep_EX {
public:
    FinePOS_EX CreateNewFinePOS() final;
    void RemoveFinePOS(FinePOS_EX const&) final;
    void SetBaseForm(FinePosCookieID_*, FinePOS_EX const&) final;
    void SetFinePOS(FinePosCookieID_*, POS_E_Source) final;
    void SetPrimed(FinePosCookieID_*, bool) final;
    void SetQuoted(FinePosCookieID_*, bool) final;
    void SetIdiomType(FinePosCookieID_*, IdiomType) final;
    void SetAltOnly(FinePosCookieID_*, bool) final;
    void SetHidden(FinePosCookieID_*, bool) final;
    void SetCannotBeginSentenceFlag(FinePosCookieID_*, bool) final;
    void SetCannotEndSentenceFlag(FinePosCookieID_*, bool) final;
    void SetPValue(FinePosCookieID_*, short) final;
    void SetFeatureSets(FinePosCookieID_*, FeatureSets_E_Source const&) final;
    void SetDomainWeights(FinePosCookieID_*, std::vector<DomainWeightInfoRecord> const&) final;
    Paraphrase_EX CreateNewParaphrase(FinePosCookieID_*) final;
    void RemoveParaphrase(FinePosCookieID_*, Paraphrase_EX const&) final;
    void SetRawTranslation(ParaphraseCookieID_*, std::string const&) final;
    void SetCookedTranslation(ParaphraseCookieID_*, std::string const&) final;
    void SetTransPOS(ParaphraseCookieID_*, POS_J_Target) final;
    void SetPValue(ParaphraseCookieID_*, short) final;
    void SetParaID(ParaphraseCookieID_*, int) final;
    void SetSemantics(ParaphraseCookieID_*, Dict_Semantics_E_Source const&) final;
    void SetAltOnly(ParaphraseCookieID_*, bool) final;
    void SetDomainIDSet(ParaphraseCookieID_*, DomainIDSet const&) final;
    void SetTransplant(ParaphraseCookieID_*, std::string const&) final;
    void SetTheyTransType(ParaphraseCookieID_*, TheyTransType) final;

protected:
    // The refusals name `dictionary`, which must outlive the entry (the
    // derived entry holds a handle on it).
    explicit ReadOnlyEntryRep(DictionaryRep_EX& dictionary) : fRefusingDictionary(dictionary) {}

private:
    [[noreturn]] void RefuseChange() const;

    DictionaryRep_EX& fRefusingDictionary;
};
