#pragma once
// The open user dictionary file: its header values, the block map and the
// first-word index in memory, block allocation, entry writing and reading,
// learning frequencies and the group count, all tied to the dictionary's
// nested read/write lock.
//
// Lock protocol.  The first read lock loads the caches (map, index, block
// area; entry sort keys are cached as filing reads them) unless they are in
// memory and the file's change count (header word 36) still says what this
// object last read or wrote; the last write-lock release writes back the map
// and index that writers marked stale, then the change count.  Loading
// checks the map and index read from the file against the blocks themselves
// and rebuilds whatever disagrees, so a file left by an interrupted writer
// opens with every entry that was complete.  A descriptor opened read-only
// is repaired in memory only; nothing is ever written to it.
//
// Crash safety.  Writers obey the staleness rule (header words 12 and 16 are
// zeroed before the first block of an entry is written or freed) and this
// object orders its writes: appended blocks are written (free, or with
// content that links only to blocks already on disk or appended with them)
// and block 0 counts them before anything else links to them, an entry's
// continuation blocks are written before its head, and words 12 and 16 are
// set again only after the map and index are whole on disk.  A process
// stopped after any write leaves a file that opens with every entry complete
// before that write.
//
// Placement.  The map and the index lie behind the last block, where header
// words 12 and 16 say.  When the blocks have grown, the write-back places
// them with room in front for more blocks (and room in the map for their
// bits): later releases that append no further than that room find both
// where they were and write only the bytes that changed.  Blocks that reach
// the map move both behind the last block again, written whole.
//
// Held back.  Under the write lock, a new group past the blocks in use
// (AppendGroup) is staged in the block image and written with the groups
// before it at the next ordering point: the release of the last write lock,
// any write into the counted blocks, or once 256 KB are held back.  Then the
// staged range goes out in one write, block 0 counts it, and the group count
// counts its groups: three writes for many groups.  Room for the staged
// blocks is made first (zeros written past the end of the file), so that a
// full disk fails the add that needed the room, never a group added before
// it.  A process killed while groups are held back loses them, and only
// them; every other block write is on disk when it returns.
//
// All file I/O is positioned reads and writes through the file seam
// (platform/files/file_system.h) on the descriptor of the FILE handle given,
// which stays open and is not owned.  Under a lock, blocks are read from a
// copy of the block area taken when the caches were loaded and kept in step
// with every block this object writes (UDBlockImage).  Failures throw the
// FileException family named "hi mom" (a full disk as FileNoSpaceError) or
// bare 16-bit codes of UDErrorCode (ThrowIfError); a failed write leaves the
// file openable.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/userdict/ud_block_image.h"
#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_entry_text.h"
#include "engine/userdict/ud_format.h"
#include "engine/userdict/ud_index_image.h"

// Throws a non-zero code as a bare unsigned short; 0 does nothing.
void ThrowIfError(unsigned short code);

// An entry as read from or written to the file.
struct ud_entry_t {
    UDEntryStrings strings;
    uint32_t batchFreq = 0;
    uint32_t interactiveFreq = 0;
    uint32_t id = 0;  // the number of its head block
    uint32_t prevID = 0;
    uint32_t nextID = 0;
};

class UDBlockSurvey;
struct UDFileBasics;
struct UDGroupLinks;

class ud_t : public Dictionary<Entry_EX>::LockingInterface_ {
public:
    // Opens the dictionary in `file`: a file of 0 bytes gets a new, empty
    // dictionary.  Otherwise reads header, description and block count (a
    // file too short for them, the magic notwithstanding, is kUDFileCorrupt).  Throws
    // NotAUserDictionaryFile, kUDWrongVersion, kUDFileCorrupt (too short) and
    // file exceptions; std::invalid_argument for a null handle.  Map and index
    // are read at the first read lock.
    explicit ud_t(FILE* file);
    ~ud_t() override;

    std::string const& GetDescription() const { return fDescription; }
    uint32_t GetBlockCount() const { return fBlockCount; }
    uint32_t GetGroupCount() const { return fGroupCount; }
    // The change count last read from or written to the file.
    uint32_t GetChangeCount() const { return fChangeCount; }
    // False when the descriptor was opened read-only, or once the caches
    // found the blocks damaged.
    bool IsWritable() const { return fWritable && !fDamaged; }
    // The blocks hold what no writer leaves (a block of no kind, a broken
    // chain, an entry that cannot be read): known once the caches are loaded.
    // Nothing is then written to the file, repairs included; every write
    // throws kUDFileCorrupt, so that the damage is not buried under new
    // entries.
    bool IsDamaged() const { return fDamaged; }
    // The entries found missing when the caches were loaded (see
    // UDBlockSurvey::MissingEntries): block numbers, ascending.
    std::vector<uint32_t> const& MissingEntries() const { return fMissingEntries; }
    // Changes whenever what reading an entry gives may have changed: at every
    // write into the block area and every load or drop of the caches.  What
    // was read under a lock at one value still holds while it stands.
    uint64_t GetContentGeneration() const { return fContentGeneration; }
    // Changes whenever the caches are dropped (to be loaded again): what was
    // built from them, or from the staged blocks, must be built again.
    uint64_t GetCacheGeneration() const { return fCacheGeneration; }

    // ---- Blocks.  Block numbers outside 1 .. block count - 1 give
    // kUDFileCorrupt.  Everything that writes or allocates needs the write
    // lock (std::logic_error otherwise).

    // The kind in the low 4 bits of block n's first word (thrown code for n).
    uint32_t ReadDataBlockType(uint32_t n);
    // Reads block n; kUDFileCorrupt for a kind other than free, head or
    // continuation and for a link or ID outside the file.
    unsigned short ReadDataBlock(uint32_t n, dblock_t* block);
    // Writes a block as it is (the map is not changed); links and IDs must be
    // 0 or blocks of the file.  Marks map and index stale first.
    void WriteDataBlock(dblock_t const& block);
    // Allocates the lowest free block in memory; when none is free the block
    // count grows by one (and map and index become stale).  The block itself
    // is not written.
    uint32_t GetDblockSlot();
    // Writes block n as free and frees it in the map.
    void MarkDeleted(uint32_t n);
    // Writes the blocks held back, block 0 and the group count now; on
    // failure they are given up and the file exception passes on.
    void WriteStagedBlocks();
    // The staleness rule: zeroes header words 12 and 16 (in memory and on
    // disk) unless they are zero already, and notes an index change for the
    // lookups in progress.
    void MarkMapAndIndexStale();

    // ---- Entries.

    // Writes a new entry and sets entry->id.  Throws kUDBadTextLength for a
    // string that a reader would not take back (empty or over-long English or
    // translation, POS string, flags or particle over their limits),
    // kUDTooLong for an answer over 1,039 bytes, kUDFileCorrupt for a previous
    // or next ID outside the file.  Needs the write lock.  When `headWritten`
    // is given it receives the head block as written, so that a caller
    // linking the next entry to it need not read it back.
    void WriteEntry(ud_entry_t* entry, dblock_t* headWritten = nullptr);
    // Writes the entries of a new group, each linked to the one before and
    // after it, and sets their IDs and links, when every block they need lies
    // past the blocks in use: then the group reaches the file in one write,
    // so a writer stopped at any point leaves all of it or none.  False,
    // with nothing written, when a block in use is free (the caller then
    // writes entry by entry).  Throws as WriteEntry.  Needs the write lock.
    bool AppendGroup(std::vector<ud_entry_t>* entries);
    // Reads an entry: the read code (kUDFileCorrupt also for a block chain
    // that does not end where the text does), or UserDictionaryFileCorrupt
    // when block `id` is not an entry head.
    unsigned short ReadEntry(uint32_t id, ud_entry_t* entry);
    // Reads the entry and hands it to the callback; the read code or 0.
    using EntryCallback = void (*)(ud_entry_t const& entry, void* data);
    unsigned short UDReadID(uint32_t id, EntryCallback callback, void* data);

    // Group links read from the entry's head (codes thrown;
    // UserDictionaryFileCorrupt when `id` is not a head).
    uint32_t UDGetPrevID(uint32_t id);
    uint32_t UDGetNextID(uint32_t id);
    // Follows previous IDs to the group's leader; a group is at most five
    // entries, so a longer walk (a cycle) throws kUDFileCorrupt.
    uint32_t FindLeader(uint32_t id);

    // The learning frequencies of an entry, under a read lock.  Setting one
    // writes that word of the head at once and leaves the change count alone.
    uint32_t UDGetInteractiveFreq(uint32_t id);
    uint32_t UDGetBatchFreq(uint32_t id);
    void UDSetInteractiveFreq(uint32_t id, uint32_t frequency);
    void UDSetBatchFreq(uint32_t id, uint32_t frequency);

    // Adds `delta` to the group count (not below 0), writes header word 20
    // under the write lock (after block 0 while appended blocks wait), and
    // gives the new count.
    uint32_t UDIncGroupID(int16_t delta);

    // ---- First-word index (under a read lock; changes need the write lock).

    uint32_t GetBucketCount();
    // The record of a first word (ASCII case ignored), or null.  The pointer
    // is good until the index changes.
    fword_t const* FindFword(char const* firstWord);
    // Where the entry goes in the record's ID list: before the first listed
    // entry that is not less than it in entry order (CompareUDEntryOrder).
    // Gives the read code of a listed entry that cannot be read.
    unsigned short FindIDInsertPoint(fword_t const& record, ud_entry_t const& entry, std::size_t* position);
    // Files entry.id under the first word of entry.strings.english, making
    // the word's record if it has none; nothing when the ID is listed
    // already.  kUDTooLong when the first word is 80 bytes or longer,
    // kUDFileCorrupt for an ID that is no block of the file, else a read code
    // of FindIDInsertPoint.  Marks map and index stale.
    unsigned short AddIDtoFirstword(ud_entry_t const& entry);
    // Takes entry.id off the record of its English's first word, and the
    // record out of the index when it was its only ID.  False when it was not
    // listed there.  Marks map and index stale.
    bool RemoveIDFromFirstword(ud_entry_t const& entry);

    // ---- Lookups walking an ID list.  A writer that changes the index while
    // one is in progress raises the flag; the walk stops at its next step,
    // and the flag drops when the last walk ends.
    void BeginLookup();
    void EndLookup();
    uint32_t GetLookupsInProgress() const { return fLookupsInProgress; }
    bool IndexChangedDuringLookup() const { return fIndexChangedDuringLookup; }

protected:
    void AcquiredReadLock() override;
    void AboutToReleaseWriteLock() override;

private:
    // Holds a read lock for one operation and makes sure the caches are in
    // memory (a block write that failed halfway drops them, even under a lock).
    class CacheGuard {
    public:
        explicit CacheGuard(ud_t& file);
        ~CacheGuard() { fFile.ReleaseReadLock(); }
        CacheGuard(CacheGuard const&) = delete;
        CacheGuard& operator=(CacheGuard const&) = delete;

    private:
        ud_t& fFile;
    };

    // ud_t.cpp: opening, the header.
    bool IsToBeCreated();
    void AdoptBasics(UDFileBasics const& basics);
    void RequireWriteLock(char const* operation) const;

    // ud_t_writeback.cpp: writing back map and index.
    struct Placement {
        uint32_t map = 0;
        uint32_t index = 0;
    };
    void WriteBack();
    // Where a stale map and the index behind it go.
    Placement PlaceMapAndIndex();
    void WriteMapImage(uint32_t mapOffset);
    void WriteIndexImage(uint32_t indexOffset);
    void DropRoomLeft();
    // Forgets what the map and index images on disk hold: the next write-back
    // writes them whole.
    void ForgetImagesOnDisk();
    // The map (as read) and the index just loaded from the file are what the
    // next write-back changes, in place where the blocks leave them room.
    void AdoptImagesOnDisk(std::vector<unsigned char> mapImage);

    // ud_t_load.cpp: loading, checking and repairing the caches.
    void LoadCaches();
    void DropCaches();
    void InstallMap(std::vector<unsigned char> bitmap);
    void StoreRepairs(UDBlockSurvey const& survey, std::vector<UDGroupLinks> const& links, UDHeader const& onDisk);
    void RepairLinksInMemory(std::vector<UDGroupLinks> const& links);

    // ud_t_blocks.cpp: the map and the writing of blocks.
    uint64_t BlockOffset(uint32_t n) const { return fBlockAreaOffset + uint64_t{kUDBlockSize} * n; }
    // The block GetDblockSlot would give (the block count when none is free).
    uint32_t LowestFreeBlock();
    void CheckBlockNumber(uint32_t n) const;
    void AllocMap();
    void MapAssign(uint32_t n, bool isFree);
    void WriteZeroedHeaderWords(bool map, bool index);
    void StageAppendedBlocks(std::vector<dblock_t> const& blocks);
    void StageBlockBytes(uint32_t firstBlock, unsigned char const* bytes, std::size_t size);
    void WriteAppendedBlocksNow(std::vector<dblock_t> const& blocks);
    // Writes the held-back blocks below `through` (WriteStagedBlocks: all).
    void WriteHeldBackBlocks(uint32_t through);
    // Memory follows the file again: the blocks past those on disk and their
    // groups are forgotten, and the caches dropped.
    void GiveUpUnwrittenBlocks();
    // Stages the blocks of a group appended past `countBefore`, writing what
    // is held back first when the bound or the room requires it.
    void HoldBackAppendedGroup(std::vector<dblock_t> const& blocks, uint32_t countBefore);
    void MakeRoom(uint64_t end);
    void NoteFileReaches(uint64_t end);
    void WriteBlockZero(uint32_t blockCount);
    void WriteBlocks(std::vector<dblock_t> const& blocks);
    // Every write into the block area goes through here, so that the block
    // image follows the file (a failed write drops the image and throws).
    void WriteBlockBytes(uint64_t offset, void const* bytes, std::size_t size);
    // The block image while a lock is held (the caches, and the image with
    // them, are only known current then), else null: reads go to the file.
    UDBlockImage const* CurrentBlockImage() const;
    UDFileBlockSource Blocks() const;

    // ud_t_entries.cpp: reading entries and the cache of their sort keys.
    // Allocates and fills an entry's blocks, head first (nothing written).
    std::vector<dblock_t> LayOutEntryBlocks(ud_entry_t const& entry);
    // Sets the ID of an entry whose blocks were written and caches its key.
    void RememberWrittenEntry(ud_entry_t* entry, std::vector<dblock_t> const& blocks);
    unsigned short ReadEntryText(uint32_t id, ud_entry_t* entry, std::vector<uint32_t>* textBlocks);
    dblock_t ReadHead(uint32_t id);
    void WriteHeadWord(uint32_t id, uint32_t offsetInBlock, uint32_t value);
    void CacheEntryKey(uint32_t id, UDEntryStrings const& strings, std::vector<uint32_t> const& textBlocks);
    void ForgetEntryHolding(uint32_t block);
    unsigned short EntryKey(uint32_t id, UDEntryKey* key);

    // ud_t_index.cpp.
    void NoteListedIDs();
    bool IsListedIn(fword_t const& record, uint32_t id) const;

    int fFd;
    bool fWritable;
    std::string fDescription;

    // Mirrors of the header; map and index offsets are 0 while stale.
    uint32_t fBlockAreaOffset = 0;
    uint32_t fMapOffset = 0;
    uint32_t fIndexOffset = 0;
    uint32_t fGroupCount = 0;
    uint32_t fChangeCount = 0;
    uint32_t fBlockCount = 0;
    uint32_t fBlockCountOnDisk = 0;  // what block 0 says; less while appended blocks are unwritten
    uint32_t fBlocksStaged = 0;      // blocks below this are on disk or staged in the image
    uint32_t fGroupCountOnDisk = 0;  // header word 20 as last read or written
    uint64_t fFileEnd = 0;           // the file holds at least this many bytes
    bool fRoomMade = false;          // zeros were written past the data since the last write-back

    // The caches.  Dropped, to be loaded again, when another writer changed
    // the file or a block write failed halfway.
    bool fCachesLoaded = false;
    bool fDamaged = false;
    std::vector<uint32_t> fMissingEntries;
    std::vector<unsigned char> fMap;  // bit set = free; a multiple of 32 bytes, bits past the count set
    std::size_t fFirstFreeByte = 0;   // no free bit in the map before this byte
    UDFirstwordIndex fIndex{1};
    // By entry ID: set when the ID may be listed in the index (always when it
    // is), so that filing a new entry need not scan its word's whole list.
    std::vector<bool> fMayBeListed;
    UDIndexImageEncoder fIndexEncoder;
    bool fIndexImageOnDisk = false;  // the encoder's last image is whole at fIndexImageOffset
    uint32_t fIndexImageOffset = 0;
    uint64_t fIndexImageSize = 0;
    // The map image last written, whole at fMapImageOffset while
    // fMapImageOnDisk; the index was placed at fPlacedIndexOffset behind it,
    // leaving the map room up to there.
    std::vector<unsigned char> fMapImage;
    bool fMapImageOnDisk = false;
    uint32_t fMapImageOffset = 0;
    uint32_t fPlacedIndexOffset = 0;
    // The block count when the map was last placed: a count above it calls
    // for room in front of the map at the next placement.
    uint32_t fBlockCountPlaced = 0;
    // By entry ID: English, POS string and translation, each ended by a NUL
    // (one allocation an entry); null when not cached.
    std::vector<std::unique_ptr<char[]>> fEntryKeys;
    // By block: the entry whose key was cached from it.  A key is forgotten
    // when any of its blocks is written; a holder left behind by a key
    // forgotten through another block costs at most one needless forgetting.
    std::vector<uint32_t> fKeyHolder;
    UDBlockImage fBlockImage;  // the block area as on disk

    uint64_t fContentGeneration = 0;
    uint64_t fCacheGeneration = 0;
    uint32_t fLookupsInProgress = 0;
    bool fIndexChangedDuringLookup = false;
};
