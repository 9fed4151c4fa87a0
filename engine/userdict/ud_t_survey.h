#pragma once
// What the block area of a user dictionary holds, read in one pass when the
// file object loads its caches: which blocks are free, which hold entries,
// each entry's sort key and first word, and how the entries link into groups.
//
// The blocks are the truth of the file; the map and the index only summarise
// them.  The loader checks the map and the index it read against the survey
// and rebuilds whichever disagrees, so that a file left by an interrupted
// writer (or damaged otherwise) opens with every entry it still holds.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/userdict/ud_entry_text.h"
#include "engine/userdict/ud_format.h"
#include "engine/userdict/ud_index_image.h"

// An entry group holds at most five entries (the forms of one word).
inline constexpr uint32_t kUDMaxGroupSize = 5;

// Reads the six strings of the entry whose head is `head` (ReadUDEntryText)
// and gives its blocks, head first, checking that its chain ends where its
// text does, as every writer leaves it: a chain that links on past the text
// (a damaged link, which may lead into another entry's blocks) is
// kUDFileCorrupt as well.
unsigned short ReadWholeUDEntry(UDBlockSource& source, dblock_t const& head, UDEntryStrings* strings,
                                std::vector<uint32_t>* blocks);

// A head whose group links were mended, with its new links.
struct UDGroupLinks {
    uint32_t id = 0;
    uint32_t prevID = 0;
    uint32_t nextID = 0;
};

class UDBlockSurvey {
public:
    // An entry that reads cleanly and can be indexed.
    struct Entry {
        uint32_t id = 0;
        UDEntryStrings key;     // English, POS string and translation only
        std::string firstWord;  // as the index files it
    };

    // Surveys a block area given as its bytes: `blockCount` blocks of 64
    // bytes, block 0 first (block 0 itself is not looked at).
    UDBlockSurvey(unsigned char const* blockArea, uint32_t blockCount);

    uint32_t BlockCount() const { return static_cast<uint32_t>(fStates.size()); }

    // Readable, indexable entries in ascending ID.
    std::vector<Entry> const& Entries() const { return fEntries; }
    // Heads left out of a rebuilt index: their text cannot be read, or their
    // first word is too long for the index.  Their blocks stay in use.
    std::vector<uint32_t> const& SkippedHeads() const { return fSkippedHeads; }
    // Some block does not decode, some chain is broken or some entry cannot
    // be read or indexed: what an interrupted writer never leaves.
    bool FoundDamage() const { return !fAllChainsWhole || !fSkippedHeads.empty(); }
    // Entries that cannot be served: the skipped heads, and the blocks a
    // group links to that hold no entry (a head marked free, or an erase
    // that stopped half-way), found by RepairGroups; ascending, each once.
    std::vector<uint32_t> MissingEntries() const;

    // Whether the block is free by the blocks: a free block, or a continuation
    // that no head reaches (left by an interrupted writer) while every block
    // decodes, every chain is whole and every entry's text reads.  Otherwise
    // a continuation no head reaches may be the lost tail of an entry, and it
    // stays in use.
    bool ShouldBeFree(uint32_t block) const;
    // Continuations that ShouldBeFree: on disk they still say continuation.
    std::vector<uint32_t> OrphanContinuations() const;

    // The map the blocks call for: ShouldBeFree bits, UDMapBitmapSize bytes,
    // bits past the last block set.
    std::vector<unsigned char> BuildBitmap() const;
    // Whether a map read from the file says the same (bits of blocks only).
    bool MapAgrees(std::vector<unsigned char> const& bitmap) const;

    // The index of Entries(), ordered as inserting the entries one by one in
    // ascending ID would order it (an entry equal to one already listed goes
    // before it).
    UDFirstwordIndex BuildIndex(uint32_t bucketCount) const;
    // Whether an index read from the file lists every entry once, under its
    // first word, in entry order, and nothing else.
    bool IndexAgrees(UDFirstwordIndex const& index) const;

    // Mends the group links of the heads so that previous and next IDs pair
    // up and every group has a leader and at most five entries:
    //   - a link to a block that is not a head, or to the head itself, is cut;
    //   - a member whose previous entry has no next entry, or one that does not
    //     link back, is linked back by it; when the previous entry's next one
    //     does link back, the member leads a group of its own;
    //   - a next ID whose entry does not link back is cut;
    //   - a group longer than five entries is cut after the fifth;
    //   - a cycle is opened before its lowest ID, which then leads the group.
    // Gives the heads whose links changed, in ascending ID.
    std::vector<UDGroupLinks> RepairGroups();
    // Heads that lead a group (previous ID 0).
    uint32_t GroupCount() const;

private:
    enum class State : unsigned char { kFree, kHead, kContinuation, kUnreadable };
    // What the survey needs of a block after decoding it: its chain and
    // group links (the text is read from the area's bytes).
    struct BlockLinks {
        uint32_t number = 0;
        uint32_t link = 0;
        uint32_t prevID = 0;
        uint32_t nextID = 0;
    };

    bool IsHead(uint32_t n) const { return n != 0 && n < BlockCount() && fStates[n] == State::kHead; }
    void DecodeBlocks(unsigned char const* blockArea);
    void WalkChains();
    void ReadEntries(unsigned char const* blockArea);
    void CutLinksToNonHeads(std::vector<bool>* changed);
    void PairLinks(std::vector<bool>* changed);
    void LimitGroups(std::vector<bool>* changed);

    std::vector<BlockLinks> fBlocks;  // of the blocks that decode; zero for the others
    std::vector<State> fStates;
    std::vector<bool> fReached;  // a continuation some head's chain reaches
    bool fAllChainsWhole = true;
    std::vector<Entry> fEntries;
    std::vector<uint32_t> fSkippedHeads;
    std::vector<uint32_t> fLinkedNonHeads;
};
