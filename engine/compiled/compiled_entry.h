#pragma once
// One entry of a compiled dictionary.  The representation names its entry
// record by offset and decodes the records each time a field is asked for;
// the cookies of its fine parts of speech and paraphrases are their record
// offsets.  A conjugated form takes its paraphrases, domain weights and
// chain from its base form's record, and everything else from its own.
// Every change is refused: the file is read-only.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/compiled/compiled_file_access.h"
#include "engine/compiled/compiled_format.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/read_only_entry.h"

class CompiledDictionaryRep;

class CompiledEntryRep : public ReadOnlyEntryRep {
public:
    // The dictionary representation must be held by a handle: the entry keeps
    // one, so it never reads a file its dictionary has closed.
    CompiledEntryRep(CompiledDictionaryRep& dictionary, uint32_t entryID);

    uint32_t GetEntryID() const { return fEntryID; }

    // ---- EntryRep_LangPair_
    Dictionary_EX GetDictionary() const override { return fDictionary; }
    unsigned long GetSrcTextLen() const override;
    // Copies at most size bytes and fills the rest of the buffer with NUL:
    // no NUL when the headword fills it.
    void GetSrcText(char* buffer, unsigned long size) const override;
    char const* PeekSrcText() const override { return nullptr; }
    // Same dictionary representation and entry record.
    bool Equal(EntryRep_LangPair_<Entry_EX> const& other) const override;

    // ---- Fine parts of speech
    ForwardIterator<FinePOS_EX> GetFinePOSIterator() override;
    // Its own fine part of speech (same entry) when it is no conjugated form.
    FinePOS_EX GetBaseForm(FinePosCookieID_* fp) const override;
    // From the head of the chain, the base form.
    ForwardIterator<FinePOS_EX> GetCFIterator_start(FinePosCookieID_* fp) const override;
    POS_E_Source GetFinePOS(FinePosCookieID_* fp) const override;
    bool GetPrimed(FinePosCookieID_* fp) const override;
    bool GetQuoted(FinePosCookieID_* fp) const override;
    IdiomType GetIdiomType(FinePosCookieID_* fp) const override;
    bool GetAltOnly(FinePosCookieID_* fp) const override;
    bool GetHidden(FinePosCookieID_* fp) const override;
    bool GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const override;
    bool GetCannotEndSentenceFlag(FinePosCookieID_* fp) const override;
    // Formats that store the flag answer it; the others answer false.
    bool GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const override;
    short GetPValue(FinePosCookieID_* fp) const override;
    FeatureSets_E_Source GetFeatureSets(FinePosCookieID_* fp) const override;
    FeatureSets_E_Source const* PeekFeatureSets(FinePosCookieID_*) const override { return nullptr; }
    unsigned long PeekDomainWeightsListSize(FinePosCookieID_* fp) const override;
    std::vector<DomainWeightInfoRecord> GetDomainWeights(FinePosCookieID_* fp) const override;
    ForwardIterator<Paraphrase_EX> GetParaphraseIterator(FinePosCookieID_* fp) override;

    // ---- Paraphrases
    // The owning fine part of speech, as a fine part of speech of this entry.
    FinePOS_EX GetFinePOS_EX(ParaphraseCookieID_* pp) override;
    // Derived from the cooked translation by the cook tables.
    std::string GetRawTranslation(ParaphraseCookieID_* pp) const override;
    std::string GetCookedTranslation(ParaphraseCookieID_* pp) const override;
    POS_J_Target GetTransPOS(ParaphraseCookieID_* pp) const override;
    short GetPValue(ParaphraseCookieID_* pp) const override;
    int GetParaID(ParaphraseCookieID_* pp) const override;
    // Blank when none is stored.
    Dict_Semantics_E_Source GetSemantics(ParaphraseCookieID_* pp) const override;
    Dict_Semantics_E_Source const* PeekSemantics(ParaphraseCookieID_*) const override { return nullptr; }
    bool GetAltOnly(ParaphraseCookieID_* pp) const override;
    // Empty when none is stored.
    DomainIDSet GetDomainIDSet(ParaphraseCookieID_* pp) const override;
    DomainIDSet const* PeekDomainIDSet(ParaphraseCookieID_*) const override { return nullptr; }
    // Empty when none is stored.
    std::string GetTransplant(ParaphraseCookieID_* pp) const override;
    TheyTransType GetTheyTransType(ParaphraseCookieID_* pp) const override;

private:
    Entry_EX Self() const;
    std::string Headword() const;
    CompiledFinePOSRecord FinePOSRecord(FinePosCookieID_* fp) const;
    // The record a conjugated form borrows from: its base form's, else its own.
    CompiledFinePOSRecord BaseRecordOf(FinePosCookieID_* fp) const;
    uint32_t BaseOffsetOf(FinePosCookieID_* fp) const;
    CompiledParaphraseRecord ParaphraseRecord(ParaphraseCookieID_* pp) const;

    Dictionary_EX fDictionary;
    CompiledDictionaryRep& fRep;
    CompiledFileAccess fFile;
    CompiledFormatTraits const& fTraits;
    uint32_t fEntryID;
};
