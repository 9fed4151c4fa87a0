#pragma once
// The dictionary facade's module state, shared by its source files: the open
// dictionaries, the opened user dictionaries by number, the user-dictionary
// lock and the browse state.  Only the facade uses these.
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/browse_filter.h"
#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/userdict/ud35_dictionary.h"
#include "engine/userdict/ud35_entry_groups.h"

// One opened user dictionary: a handle on it, its entry-group interface
// (owned by the dictionary) and the current group position, which the
// replacing and erasing operations act on.
class EJUserDict {
public:
    explicit EJUserDict(Dictionary_EJ_35UserDict const& dictionary);
    virtual ~EJUserDict() = default;
    EJUserDict(EJUserDict const&) = delete;
    EJUserDict& operator=(EJUserDict const&) = delete;

    // Adds the group, which becomes the current one: 1; the 3.5 layer's
    // refusals: 204 (duplicate) -1, 311 -2, any other code 0.  Other
    // exceptions pass through.
    virtual short CreateEntry(UDEntryGroupInfo_EX const& info);
    // The current position becomes group i: true; false (position unchanged)
    // for an index at or above the count or any failure.
    virtual bool GetIterator(unsigned long i);
    // Replaces the current group; the new group becomes current.  False on
    // any failure.
    virtual bool UpdateEntry(UDEntryGroupInfo_EX const& info);
    // Erases the current group; the position the erasure gives becomes
    // current.  False on any failure.
    virtual bool EraseEntry();

    Dictionary_EX const& GetDictionary() const { return fDictionary; }
    UD35EntryGroupInterface_EJ& GetGroups() const { return *fGroups; }

private:
    Dictionary_EX fDictionary;
    UD35EntryGroupInterface_EJ* fGroups;
    UDEntryGroupIterator fCurrent;
};

// One open dictionary with what its opener recorded of it: its kind and the
// display name of its file (empty where the opener records none).
struct OpenDictionaryRecord : Dictionary_EX {
    enum Kind : short { kSystem = 0, kUser = 1, kTechnical = 2 };

    OpenDictionaryRecord(Dictionary_EX const& dictionary, Kind dictionaryKind, std::string name = std::string())
        : Dictionary_EX(dictionary), kind(dictionaryKind), displayName(std::move(name)) {}

    Kind kind;
    std::string displayName;
};

// Every open dictionary; a newly opened one is at the front.
extern std::vector<OpenDictionaryRecord> fOpenDictionaries;
// The opened user dictionaries in opening order: the index is the number the
// user-word operations take.
extern std::vector<std::unique_ptr<EJUserDict>> fEJUserDict;

// The write lock taken by LockUserDict: a list of 0 or 1 locks.
struct EJUserDictLockHolder {
    std::vector<SimpleFileLock_*> locks;
};
extern std::unique_ptr<EJUserDictLockHolder> fEJUserDictLock;

// Browse state: what the last search found, the browse cursor over it (an
// index into fEntries; fEntries.size() is the end), the filter every found
// entry passes (its copies live until the next reset), and the cursor of the
// walk over a user dictionary by initial letter.
extern std::vector<Entry_EX> fEntries;
extern std::vector<short> nDictType;
extern int nEntryNum;
extern std::size_t currentDictEntry;
extern BrowseFilter fBrowseFilter;
extern CanBeNull<UDEntryGroupIterator> fUDIterator;

// Empties the browse state, resets the browse filter and drops the walk
// cursor (so no iterator of a closed dictionary outlives it).
void ResetGlobal();

// The user dictionary numbered n; std::out_of_range when none is.
EJUserDict& UserDictAt(short n);

// Puts an opened user dictionary at the front of the open dictionaries and
// gives it the next user-dictionary number; learning is on when it is
// writable.  The lists change together or not at all.  The AddUserDict
// result for it: read-write or read-only.
short RegisterUserDictionary(Dictionary_EJ_35UserDict const& dictionary, bool writable,
                             std::string const& displayName = std::string());

// The facade's user-word kind of an entry-group kind, 0 for none of the
// seven; and the entry-group kind of a user-word kind, kNoKind for none.
short UserWordKindOfGroup(uint32_t groupKind);
uint32_t GroupKindOfUserWord(short userWordKind);
