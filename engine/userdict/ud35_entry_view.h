#pragma once
// One English headword of a user dictionary as an entry of the engine's
// model.  The view keeps only the IDs of the file entries that spell the
// headword; every reading is answered from the file entry again.
//
// Readings come from the POS map: each file entry gives one fine part of
// speech per map row that fits its POS string, -ing flag and initial; the
// fine part of speech has exactly one paraphrase.  Both are named by the same
// cookie: the low 16 bits index the view's ID array, the high 16 bits are the
// map row.
//
// The view refuses every change: a user dictionary's entries change only
// through its entry groups.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/read_only_entry.h"
#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_t.h"

class DictionaryRep_EJ_35UserDict;

// ---- The POS map -------------------------------------------------------------

struct UDPOSMapRow {
    enum IngCondition : uint8_t { kAnyIng = 0, kNeedsIng = 1, kNeedsNoIng = 2 };
    enum CapitalCondition : uint8_t { kAnyInitial = 0, kCapitalInitial = 1, kSmallInitial = 2 };

    char const* posString;  // the file entry's POS string
    char const* mwKey;      // the missing-word assignment giving POS, features and p-value
    bool transplant;        // the reading carries the particle's transplant pattern
    IngCondition ing;       // on the flag string's 'Y' (second letter)
    CapitalCondition capital;
};

inline constexpr std::size_t kUDPOSMapRowCount = 34;
extern UDPOSMapRow const kUDPOSMap[kUDPOSMapRowCount];

// The rows whose POS string and conditions fit a file entry, in row order.
std::vector<uint16_t> UDPOSMapRowsFor(std::string const& pos, std::string const& flags, std::string const& english);

// Rows of the untyped verb strings ("V_INF" ... "V_GER"): their readings come
// in intransitive (even row) and transitive (odd row) pairs.
bool IsUDPairedVerbRow(uint16_t row);

// ---- Cookies -----------------------------------------------------------------

uint32_t MakeUDCookie(uint16_t row, uint16_t index);
inline uint16_t UDCookieRow(uint32_t cookie) { return static_cast<uint16_t>(cookie >> 16); }
inline uint16_t UDCookieIndex(uint32_t cookie) { return static_cast<uint16_t>(cookie & 0xFFFF); }
FinePosCookieID_* ToFinePosCookie(uint32_t cookie);
ParaphraseCookieID_* ToParaphraseCookie(uint32_t cookie);
uint32_t FromCookie(FinePosCookieID_* cookie);
uint32_t FromCookie(ParaphraseCookieID_* cookie);

// ---- The entry view ------------------------------------------------------------

class EntryRep_EJ_35UserDict : public ReadOnlyEntryRep, public UD35EntryOfFile_ {
public:
    // The headword of file entry `id`.  The dictionary representation must be
    // held by a handle: the view keeps one, so it outlives its dictionary's
    // removal.  Read codes are thrown.
    EntryRep_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary, ud_t& file, uint32_t id);
    // The view on IDs already known to be every entry of one spelling, in
    // record order (a lookup finds them on its own walk).
    EntryRep_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary, ud_t& file, std::vector<uint32_t> ids);

    // The file entries of the headword, in the order of their first-word record.
    std::vector<uint32_t> const& GetIDs() const { return fIDs; }
    bool HoldsID(uint32_t id) const;
    ud_t* GetUDFile() const override { return &fFile; }
    uint32_t GetUDEntryID() const override { return fIDs.front(); }
    // The fine parts of speech of one file entry of the view.
    ForwardIterator<FinePOS_EX> GetFinePOSIteratorForUDEntryID(uint32_t id);

    // ---- EntryRep_LangPair_
    Dictionary_EX GetDictionary() const override;
    unsigned long GetSrcTextLen() const override;
    void GetSrcText(char* buffer, unsigned long size) const override;
    char const* PeekSrcText() const override { return nullptr; }
    bool Equal(EntryRep_LangPair_<Entry_EX> const& other) const override;

    // ---- Fine parts of speech
    ForwardIterator<FinePOS_EX> GetFinePOSIterator() override;
    FinePOS_EX GetBaseForm(FinePosCookieID_* fp) const override;
    ForwardIterator<FinePOS_EX> GetCFIterator_start(FinePosCookieID_* fp) const override;
    POS_E_Source GetFinePOS(FinePosCookieID_* fp) const override;
    bool GetPrimed(FinePosCookieID_*) const override { return false; }
    bool GetQuoted(FinePosCookieID_*) const override { return false; }
    IdiomType GetIdiomType(FinePosCookieID_* fp) const override;
    bool GetAltOnly(FinePosCookieID_*) const override { return false; }
    bool GetHidden(FinePosCookieID_*) const override { return false; }
    bool GetCannotBeginSentenceFlag(FinePosCookieID_*) const override { return false; }
    bool GetCannotEndSentenceFlag(FinePosCookieID_*) const override { return false; }
    short GetPValue(FinePosCookieID_* fp) const override;
    FeatureSets_E_Source GetFeatureSets(FinePosCookieID_* fp) const override;
    FeatureSets_E_Source const* PeekFeatureSets(FinePosCookieID_*) const override { return nullptr; }
    unsigned long PeekDomainWeightsListSize(FinePosCookieID_*) const override { return 0; }
    std::vector<DomainWeightInfoRecord> GetDomainWeights(FinePosCookieID_*) const override { return {}; }
    ForwardIterator<Paraphrase_EX> GetParaphraseIterator(FinePosCookieID_* fp) override;

    // ---- Paraphrases
    FinePOS_EX GetFinePOS_EX(ParaphraseCookieID_* pp) override;
    std::string GetRawTranslation(ParaphraseCookieID_* pp) const override;
    std::string GetCookedTranslation(ParaphraseCookieID_* pp) const override;
    POS_J_Target GetTransPOS(ParaphraseCookieID_* pp) const override;
    short GetPValue(ParaphraseCookieID_* pp) const override;
    int GetParaID(ParaphraseCookieID_* pp) const override;
    Dict_Semantics_E_Source GetSemantics(ParaphraseCookieID_* pp) const override;
    Dict_Semantics_E_Source const* PeekSemantics(ParaphraseCookieID_*) const override { return nullptr; }
    bool GetAltOnly(ParaphraseCookieID_*) const override { return false; }
    DomainIDSet GetDomainIDSet(ParaphraseCookieID_*) const override { return {}; }
    DomainIDSet const* PeekDomainIDSet(ParaphraseCookieID_*) const override { return nullptr; }
    std::string GetTransplant(ParaphraseCookieID_* pp) const override;
    TheyTransType GetTheyTransType(ParaphraseCookieID_*) const override { return eTheyAny; }

private:
    // The file entry a cookie names (std::out_of_range for an index past the
    // ID array).
    uint32_t IDOf(uint32_t cookie) const;
    ud_entry_t ReadEntryOf(uint32_t cookie) const;
    Entry_EX Self() const;
    // This view when it holds the ID, else a new view on it.
    Entry_EX ViewOn(uint32_t id) const;
    // The readings of one file entry of `view`, in map-row order; only those
    // whose row parity matches `parityRow` when that row is a paired verb row.
    static std::vector<FinePOS_EX> FinePOSesOf(Entry_EX const& view, uint32_t id, uint16_t parityRow);

    Dictionary_EX fDictionary;  // first: released after the lock below
    DictionaryRep_EJ_35UserDict& fRep;
    ud_t& fFile;
    SimpleFileLocker_READ fLock;
    std::vector<uint32_t> fIDs;
};
