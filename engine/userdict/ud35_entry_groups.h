#pragma once
// The entry groups of a 3.5 user dictionary: the named interface
// "UDEntryGroupInterface_EX_" that adds, reads, walks, changes and erases
// groups in the file, and its group iterator.  Every converted entry reaches
// the user's dictionary through CreateNew.
//
// The interface holds a read lock on the file for its whole life and keeps two
// maps built from the file and kept current by its own writers: every group
// leader's English to the leader's ID (the group map, built at construction),
// and every entry's English to its ID (the form map, built at the first
// prefix lookup, which alone needs it), both in the engine's English
// dictionary order.  A group iterator names its group by the leader's
// ID, so that an iterator whose group was erased is refused instead of
// reading freed memory.
//
// Changes refuse, before touching the file, a dictionary opened without write
// access (FileAccessDenied) and a record the file would not take (the bare
// 16-bit codes of UDErrorCode, in the order documented at CreateNew).  A
// failure while writing removes what was written; a process stopped midway
// leaves groups that are whole chains (the file layer repairs the rest).
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/foundation/cook_tables.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"
#include "engine/foundation/simple_file_lock.h"
#include "engine/foundation/string_compare.h"
#include "engine/userdict/ud_entry_group_info.h"
#include "engine/userdict/ud_entry_group_interface.h"
#include "engine/userdict/ud_t.h"

// The order of both maps: a before b when StringCompare_E_Source(a, b) < 0
// (ASCII letters case-folded).
struct WordCompare_ESource {
    bool operator()(std::string const& a, std::string const& b) const { return StringCompare_E_Source(a, b) < 0; }
};

using UDWordMap = std::multimap<std::string, uint32_t, WordCompare_ESource>;

// What the group layer needs of an entry of a 3.5 user dictionary: the entry
// view of the dictionary object layer (EntryRep_EJ_35UserDict) derives from
// this besides EntryRep_EX, so that GetIterator_fromhere finds its group.
class UD35EntryOfFile_ {
public:
    virtual ~UD35EntryOfFile_() = default;
    // The file the entry was read from.
    virtual ud_t* GetUDFile() const = 0;
    // The ID of the file entry the view stands for (its first one).
    virtual uint32_t GetUDEntryID() const = 0;
};

// The group map with a position for every leader, and the last index reached
// by GetIthEntry or GetIndexOf, so that a walk by increasing index is linear.
class UD35GroupOrder {
public:
    // The position after the last group.  Leader IDs are never 0.
    static constexpr uint32_t kEnd = 0;

    UDWordMap const& Groups() const { return fMap; }
    uint32_t Count() const { return static_cast<uint32_t>(fMap.size()); }
    bool Contains(uint32_t leader) const { return fPositions.count(leader) != 0; }

    void Clear();
    void Insert(std::string const& english, uint32_t leader);
    void Erase(uint32_t leader);

    // Stepping: kEnd after the last group; the first group and kEnd stay
    // where they are (GoBack at the start, GoForward at the end).  A leader
    // that is no group any more throws std::invalid_argument.
    uint32_t First() const;
    uint32_t After(uint32_t leader) const;
    uint32_t Before(uint32_t leader) const;

    // kEnd for an index at or past the count.
    uint32_t LeaderAt(uint32_t index);
    // Count() for kEnd.
    uint32_t IndexOf(uint32_t leader);

private:
    UDWordMap::const_iterator PositionOf(uint32_t leader) const;
    void Remember(uint32_t index, UDWordMap::const_iterator position);

    UDWordMap fMap;
    std::unordered_map<uint32_t, UDWordMap::const_iterator> fPositions;
    // Dropped on every change of the map.
    bool fHaveLastReached = false;
    uint32_t fLastIndex = 0;
    UDWordMap::const_iterator fLastPosition;
};

class UD35EntryGroupInterface_EJ : public UDEntryGroupInterface_EX_ {
public:
    // Takes the read lock (loading the file's caches) and builds the maps.
    // An entry that cannot be read is left out (the file layer warns about it
    // at load), so a dictionary with one damaged entry still serves the rest.
    explicit UD35EntryGroupInterface_EJ(ud_t& file);
    ~UD35EntryGroupInterface_EJ() override;

    // Under the write lock; refuses the record (bare codes, nothing written):
    //   204 an equal group exists (forms compared after NormalizeEnglish, the
    //       particle as it reads back);
    //   206 translation empty after trimming spaces, or 1,024 bytes or more;
    //   306 translation not valid Shift-JIS;
    //   203 answer over 1,039 bytes;  306 answer not valid Shift-JIS;
    //   301 a kind outside 1..7, a verb transitivity above 2, a preposition
    //       subtype above 1, or an answer the cook tables do not offer for
    //       the translation;
    //   310 a verb of transitivity 0 or 2 without one of the ten particles;
    //   206 a form over 255 bytes after normalising, or every form empty;
    //   311 a byte of 0x80 or above in a form;
    //   203 a word of a form 80 bytes or longer.
    UDEntryGroupIterator CreateNew(UDEntryGroupInfo_EX const& record, bool flag) override;
    // Writes the record as a new group (no duplicate test), then erases the
    // old one; gives the new group.
    UDEntryGroupIterator UpdateEntryGroup(UDEntryGroupIterator const& position,
                                          UDEntryGroupInfo_EX const& record) override;
    UDEntryGroupIterator Erase(UDEntryGroupIterator const& position) override;
    void ClearLearningData(UDEntryGroupIterator const& position) override;

    UDEntryGroupIterator LookupPrefix(std::string const& prefix) override;
    UDEntryGroupIterator LookupMatching(UDEntryGroupInfo_EX const& record) override;
    UDEntryGroupIterator GetIterator_start() override;
    UDEntryGroupIterator GetIterator_end() override;
    // The entry's representation must be a UD35EntryOfFile_ of this file
    // (std::bad_cast otherwise).
    UDEntryGroupIterator GetIterator_fromhere(Entry_EX const& entry) override;
    uint32_t GetCount() override;
    UDEntryGroupIterator GetIthEntry(uint32_t index) override;
    // The position must be a group iterator of this interface (std::bad_cast).
    uint32_t GetIndexOf(UDEntryGroupIterator const& position) override;

    // True for a dictionary opened without write access.
    bool IsReadOnly() override;
    // The file's blocks are damaged: nothing is written to it.
    bool IsDamaged() const { return fFile.IsDamaged(); }
    // Entries of the file that no group serves: see ud_t::MissingEntries.
    std::vector<uint32_t> MissingEntries() const { return fFile.MissingEntries(); }
    // The learning operations below do nothing and record nothing.
    void DeleteAllStats() override {}
    void FlushAllStats() override {}
    bool GetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float*) const override { return false; }
    void ClearLearningValue(FinePOS_EX const&, Paraphrase_EX const&) override {}
    void SetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float) override {}
    bool IsRecorded(FinePOS_EX const&, Paraphrase_EX const&) const override { return false; }
    bool GetUseLearning() const override { return true; }
    void SetUseLearning(char const*) override {}

    // The group led by the entry, read from the file: form i from the entry
    // whose POS string names it, frequency pair i from the i-th entry.  The
    // last group read is kept while the file's content stands, so that
    // reading the same group twice in a row (its kind, then its record)
    // reads the file once.
    UDEntryGroupInfo_EX ExtractInfoFrom(uint32_t leaderID);

    // The POS string stored for form `formIndex` of the record ("" for a
    // combination that has none).
    static char const* MapEntryGroupInfoToFilePOSString(UDEntryGroupInfo_EX const& record, uint32_t formIndex);

private:
    friend class InOrderGroupIteratorRep_EJ_35UserDict;
    friend uint32_t GetCurrentEntryGroup(UDEntryGroupIterator const& position);

    // Holds the write lock for one change.  Commit() releases it and lets a
    // failed write-back through; otherwise the destructor releases it and
    // drops a second failure (the first one is the one to report).
    class WriteLock {
    public:
        explicit WriteLock(ud_t& file);
        ~WriteLock();
        WriteLock(WriteLock const&) = delete;
        WriteLock& operator=(WriteLock const&) = delete;
        void Commit();

    private:
        ud_t& fFile;
        bool fHeld = true;
    };

    // ud35_entry_groups.cpp: maps, positions, iteration and lookups.
    // Builds the group map, and the form map once it is kept.
    void BuildInOrderMap();
    // The form map, built and kept from the first call on.
    UDWordMap const& Forms();
    void AddForm(std::string const& english, uint32_t id);
    void EnsureMapsCurrent();
    UD35GroupOrder& Order();
    UDEntryGroupIterator At(uint32_t leader);
    // The leader at a group iterator of this interface; kEnd at the end.
    uint32_t LeaderOf(UDEntryGroupIterator const& position);
    // The same, refusing the end (std::out_of_range).
    uint32_t GroupAt(UDEntryGroupIterator const& position);
    void RequireWritable() const;
    UDEntryGroupIterator LookUpInfo(UDEntryGroupInfo_EX const& record,
                                    bool (*match)(UDEntryGroupInfo_EX const&, UDEntryGroupInfo_EX const&));

    // ud35_entry_groups_write.cpp: checking and writing a new group.
    static UDEntryGroupInfo_EX AsStored(UDEntryGroupInfo_EX const& record);
    uint32_t AddNewEntryToFile(UDEntryGroupInfo_EX const& record);
    void WriteGroupEntries(std::vector<ud_entry_t>& entries);

    // ud35_entry_groups_read.cpp: reading a group back.
    static void Entry_callback(ud_entry_t const& entry, void* data);
    // The leader and the entries chained behind it.
    std::vector<uint32_t> CollectChain(uint32_t leader);

    // ud35_entry_groups_erase.cpp: removing entries.
    void RemoveEntryFromFile(uint32_t leader);
    // Removes the entries, last first, so that a process stopped midway
    // leaves a shorter chain that still begins at its leader.
    void RemoveEntries(std::vector<uint32_t> const& ids);
    void RemoveEntry(uint32_t id);
    void EraseForm(std::string const& english, uint32_t id);

    ud_t& fFile;
    SimpleFileLocker_READ fReadLock;
    UDWordMap fForms;
    bool fFormsKept = false;
    UD35GroupOrder fGroups;
    // A change failed after it began writing: the maps are rebuilt from the
    // file before they are used again.
    bool fMapsOutOfDate = false;
    // The file layer's cache generation the maps were built at: when it
    // dropped its caches since (a failed write gave up what was staged, or
    // another writer changed the file), the maps are rebuilt as well.
    uint64_t fMapsBuiltAt = 0;
    // The last group ExtractInfoFrom read, and the file's content generation
    // then (leader 0: none).
    struct ExtractedGroup {
        uint32_t leader = 0;
        uint64_t generation = 0;
        UDEntryGroupInfo_EX info;
    };
    ExtractedGroup fLastExtracted;
};

// A group iterator: the interface and the leader ID of its group
// (UD35GroupOrder::kEnd at the end).  Current reads the group from the file;
// it throws std::out_of_range at the end.  Current and the steps throw
// std::invalid_argument once the group was erased.
class InOrderGroupIteratorRep_EJ_35UserDict : public BidirectionalIteratorRep_<UDEntryGroupInfo_EX> {
public:
    InOrderGroupIteratorRep_EJ_35UserDict(UD35EntryGroupInterface_EJ& groups, uint32_t leaderID)
        : fGroups(&groups), fLeaderID(leaderID) {}

    InOrderGroupIteratorRep_EJ_35UserDict* Clone() const override;
    UDEntryGroupInfo_EX Current() const override;
    void GoForward() override;
    void GoBack() override;
    bool Equal(BidirectionalIteratorRep_<UDEntryGroupInfo_EX> const& other) const override;
    bool IsAtStart() const override;
    bool IsAtEnd() const override;

    UD35EntryGroupInterface_EJ& GetInterface() const { return *fGroups; }
    uint32_t GetLeaderID() const { return fLeaderID; }

private:
    UD35EntryGroupInterface_EJ* fGroups;
    uint32_t fLeaderID;
};

// The leader ID at a group iterator.  std::bad_cast for an iterator of
// another kind, std::out_of_range at the end, std::invalid_argument when its
// group was erased.
uint32_t GetCurrentEntryGroup(UDEntryGroupIterator const& position);

// The cook-table class of the entries with a POS string: "ADJ" and "PP" 0,
// "ADV" 1, "N_SING" and "N_PLURAL" 2, every verb string 3, "CONJ" 4,
// "PREPADJ" 5, "PREPADV" 6, anything else eCookNone (-1).
CookTableGrossPOS cvtUDPos(char const* posString);

// The cook-table class of a group kind (1..7) with the preposition's subtype
// (0 or 1); eCookNone for any other kind or subtype.
CookTableGrossPOS UDGroupGrossPOS(uint32_t kind, uint32_t subtype);

// The inverse of UDPOSString: the group kind, variant (verb transitivity or
// preposition subtype, else 0) and form index of a POS string; false for a
// string that is none of the UDPOS_ strings.
bool ParseUDPOSString(char const* posString, uint32_t* kind, uint32_t* variant, uint32_t* form);
