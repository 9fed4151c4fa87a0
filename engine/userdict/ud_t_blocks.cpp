// Block allocation, the map in memory, and block writes in the order that
// keeps the file openable whenever the writer stops.
#include <algorithm>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_map_image.h"
#include "engine/userdict/ud_t.h"

namespace {

// The map grows by this many bytes when no block is free.
constexpr std::size_t kMapGrowth = 32;

// The most bytes of appended blocks held back before they are written, and
// the least room made at the end of the file at once.
constexpr uint64_t kHeldBackBytes = uint64_t{256} * 1024;
constexpr uint64_t kRoomGrowth = uint64_t{256} * 1024;

}  // namespace

void ud_t::CheckBlockNumber(uint32_t n) const {
    if (n == 0 || n >= fBlockCount) ThrowIfError(kUDFileCorrupt);
}

UDBlockImage const* ud_t::CurrentBlockImage() const {
    bool const locked = GetReadLockCount() > 0 || GetWriteLockCount() > 0;
    return locked ? &fBlockImage : nullptr;
}

UDFileBlockSource ud_t::Blocks() const {
    return UDFileBlockSource(fFd, fBlockAreaOffset, fBlockCount, CurrentBlockImage());
}

uint32_t ud_t::ReadDataBlockType(uint32_t n) {
    CheckBlockNumber(n);
    UDBlockImage const* image = CurrentBlockImage();
    if (image != nullptr && image->Holds(n)) return BufToULONG(image->Block(n)) & 0xF;
    return UDReadUlongAt(fFd, BlockOffset(n)) & 0xF;
}

unsigned short ud_t::ReadDataBlock(uint32_t n, dblock_t* block) { return Blocks().ReadBlock(n, block); }

void ud_t::WriteBlockBytes(uint64_t offset, void const* bytes, std::size_t size) {
    if (fDamaged) ThrowIfError(kUDFileCorrupt);
    ++fContentGeneration;
    try {
        UDWriteAt(fFd, offset, bytes, size);
    } catch (...) {
        // Blocks held back live only in the image: they go with it.
        if (fBlockCountOnDisk < fBlockCount) {
            GiveUpUnwrittenBlocks();
        } else {
            fBlockImage.Drop();
        }
        throw;
    }
    fBlockImage.Wrote(offset - fBlockAreaOffset, bytes, size);
    NoteFileReaches(offset + size);
}

void ud_t::WriteDataBlock(dblock_t const& block) {
    RequireWriteLock("WriteDataBlock");
    CacheGuard guard(*this);
    CheckBlockNumber(block.number);
    // Never write a block that a reader would refuse.
    unsigned char bytes[kUDBlockSize];
    EncodeUDBlock(block, bytes);
    dblock_t decoded;
    if (DecodeUDBlock(bytes, fBlockCount, &decoded) != kUDNoError) ThrowIfError(kUDFileCorrupt);
    MarkMapAndIndexStale();
    WriteBlocks({block});
}

uint32_t ud_t::GetDblockSlot() {
    RequireWriteLock("GetDblockSlot");
    CacheGuard guard(*this);
    uint32_t const n = LowestFreeBlock();
    if (n == fBlockCount) {
        // The map on disk no longer counts every block.
        MarkMapAndIndexStale();
        ++fBlockCount;
        fKeyHolder.resize(fBlockCount, 0);
        AllocMap();
    }
    MapAssign(n, false);
    return n;
}

// Every bit from the block count on is set, so the lowest free block is at
// most the block count.
uint32_t ud_t::LowestFreeBlock() {
    auto const withFree = std::find_if(fMap.begin() + static_cast<std::ptrdiff_t>(fFirstFreeByte), fMap.end(),
                                       [](unsigned char byte) { return byte != 0; });
    fFirstFreeByte = static_cast<std::size_t>(withFree - fMap.begin());
    if (withFree == fMap.end()) fMap.resize(fMap.size() + kMapGrowth, 0xFF);
    unsigned char const byte = fMap[fFirstFreeByte];
    return static_cast<uint32_t>(fFirstFreeByte * 8) + static_cast<uint32_t>(__builtin_ctz(byte));
}

void ud_t::MarkDeleted(uint32_t n) {
    RequireWriteLock("MarkDeleted");
    CacheGuard guard(*this);
    CheckBlockNumber(n);
    MarkMapAndIndexStale();
    dblock_t freeBlock;
    freeBlock.number = n;
    freeBlock.kind = kUDFreeBlock;
    WriteBlocks({freeBlock});
    MapAssign(n, true);
}

void ud_t::MarkMapAndIndexStale() {
    RequireWriteLock("MarkMapAndIndexStale");
    CacheGuard guard(*this);
    if (fMapOffset != 0 || fIndexOffset != 0) {
        WriteZeroedHeaderWords(fMapOffset != 0, fIndexOffset != 0);
        fMapOffset = 0;
        fIndexOffset = 0;
    }
    if (fLookupsInProgress > 0) fIndexChangedDuringLookup = true;
}

void ud_t::AllocMap() {
    std::size_t const needed = UDMapBitmapSize(fBlockCount);
    std::size_t const rounded = (needed + kMapGrowth - 1) / kMapGrowth * kMapGrowth;
    if (fMap.size() < rounded) fMap.resize(rounded, 0xFF);
    MapAssign(0, false);  // block 0 holds the count and is never handed out
}

void ud_t::MapAssign(uint32_t n, bool isFree) {
    UDMapSetFree(&fMap, n, isFree);
    if (isFree) fFirstFreeByte = std::min<std::size_t>(fFirstFreeByte, n / 8);
}

void ud_t::WriteZeroedHeaderWords(bool map, bool index) {
    unsigned char const zeros[8] = {};
    if (map && index) {
        UDWriteAt(fFd, kUDHeaderMapOffset, zeros, 8);
    } else if (map || index) {
        UDWriteAt(fFd, map ? kUDHeaderMapOffset : kUDHeaderIndexOffset, zeros, 4);
    }
}

// Blocks allocated past the end are staged in the block image, not written:
// until block 0 counts them no reader looks past the old count, and nothing
// on disk links to them, so they can wait for the next ordering point
// (WriteStagedBlocks).  Those given are staged with their content, the rest
// free.  Without an image to hold them they are written at once.
void ud_t::StageAppendedBlocks(std::vector<dblock_t> const& blocks) {
    if (fDamaged) ThrowIfError(kUDFileCorrupt);
    if (fBlockCountOnDisk >= fBlockCount) return;
    if (!fBlockImage.IsHeld()) {
        fBlocksStaged = fBlockCountOnDisk;
        WriteAppendedBlocksNow(blocks);
        return;
    }
    if (fBlocksStaged < fBlockCount) {
        std::vector<unsigned char> bytes(std::size_t{fBlockCount - fBlocksStaged} * kUDBlockSize);
        dblock_t freeBlock;
        for (std::size_t at = 0; at < bytes.size(); at += kUDBlockSize) EncodeUDBlock(freeBlock, bytes.data() + at);
        StageBlockBytes(fBlocksStaged, bytes.data(), bytes.size());
        fBlocksStaged = fBlockCount;
    }
    unsigned char bytes[kUDBlockSize];
    for (dblock_t const& block : blocks) {
        EncodeUDBlock(block, bytes);
        StageBlockBytes(block.number, bytes, sizeof bytes);
    }
}

void ud_t::StageBlockBytes(uint32_t firstBlock, unsigned char const* bytes, std::size_t size) {
    ++fContentGeneration;
    fBlockImage.Wrote(uint64_t{firstBlock} * kUDBlockSize, bytes, size);
}

// The old way, for when no image holds the area: every appended block at
// once, then block 0.
void ud_t::WriteAppendedBlocksNow(std::vector<dblock_t> const& blocks) {
    try {
        std::vector<unsigned char> bytes(std::size_t{fBlockCount - fBlockCountOnDisk} * kUDBlockSize);
        dblock_t freeBlock;
        for (std::size_t at = 0; at < bytes.size(); at += kUDBlockSize) EncodeUDBlock(freeBlock, bytes.data() + at);
        for (dblock_t const& block : blocks) {
            EncodeUDBlock(block, bytes.data() + std::size_t{block.number - fBlockCountOnDisk} * kUDBlockSize);
        }
        WriteBlockBytes(BlockOffset(fBlockCountOnDisk), bytes.data(), bytes.size());
        WriteBlockZero(fBlockCount);
        fBlockCountOnDisk = fBlockCount;
        fBlocksStaged = fBlockCount;
    } catch (FileException const&) {
        // Block 0 does not count the blocks, which may hold content now:
        // memory follows the file, so that nothing reads them as part of it.
        fBlockCount = fBlockCountOnDisk;
        DropCaches();
        throw;
    }
}

void ud_t::WriteBlockZero(uint32_t blockCount) {
    unsigned char blockZero[kUDBlockSize];
    EncodeUDBlockZero(blockCount, blockZero);
    WriteBlockBytes(BlockOffset(0), blockZero, sizeof blockZero);
}

// The held-back blocks below `through` go out in the order that keeps every
// stop safe: the range (one write per piece of the image that holds it),
// then block 0 counting it, then the group count that counts its groups.
// When any of these fails, every block past those on disk is given up: block
// 0 is put back if it was written, and memory is loaded again from the file,
// which is as it was before they were staged.
void ud_t::WriteHeldBackBlocks(uint32_t through) {
    if (fBlockCountOnDisk >= through) return;
    StageAppendedBlocks({});
    uint32_t const countBefore = fBlockCountOnDisk;
    bool blockZeroWritten = false;
    try {
        uint64_t const begin = uint64_t{countBefore} * kUDBlockSize;
        uint64_t const end = uint64_t{through} * kUDBlockSize;
        for (uint64_t at = begin; at < end;) {
            unsigned char const* bytes = nullptr;
            std::size_t const piece = fBlockImage.Piece(at, static_cast<std::size_t>(end - at), &bytes);
            UDWriteAt(fFd, fBlockAreaOffset + at, bytes, piece);
            NoteFileReaches(fBlockAreaOffset + at + piece);
            at += piece;
        }
        WriteBlockZero(through);
        blockZeroWritten = true;
        if (fGroupCount != fGroupCountOnDisk) UDWriteUlongAt(fFd, kUDHeaderGroupCount, fGroupCount);
    } catch (FileException const&) {
        if (blockZeroWritten) {
            try {
                WriteBlockZero(countBefore);
            } catch (...) {
                // Then the groups are on disk after all; loading finds
                // them and counts them.
            }
        }
        GiveUpUnwrittenBlocks();
        throw;
    }
    fBlockCountOnDisk = through;
    fGroupCountOnDisk = fGroupCount;
}

void ud_t::WriteStagedBlocks() { WriteHeldBackBlocks(fBlockCount); }

void ud_t::GiveUpUnwrittenBlocks() {
    fBlockCount = fBlockCountOnDisk;
    fBlocksStaged = fBlockCountOnDisk;
    fGroupCount = fGroupCountOnDisk;
    DropCaches();
}

// A new group past the blocks in use is held back in the image.  It waits
// for the next ordering point unless the held-back range would pass the
// bound, or the file has no room yet where its blocks go: then what is held
// back goes out first, and room for the new blocks is made by writing zeros
// past the end of the file.  So a full disk fails the add that needed the
// room, after every group held back before it reached the file.
void ud_t::HoldBackAppendedGroup(std::vector<dblock_t> const& blocks, uint32_t countBefore) {
    uint64_t const end = BlockOffset(fBlockCount);
    bool const pastRoom = end > fFileEnd;
    bool const pastBound = uint64_t{fBlockCount - fBlockCountOnDisk} * kUDBlockSize > kHeldBackBytes;
    if (pastRoom || pastBound) WriteHeldBackBlocks(countBefore);
    if (pastRoom) MakeRoom(end);
    for (dblock_t const& block : blocks) ForgetEntryHolding(block.number);
    StageAppendedBlocks(blocks);
}

// Everything past the counted blocks is unread while header words 12 and 16
// are zero (a writer appending has zeroed them), so zeros may go anywhere
// there.  They never reach below the counted blocks.
void ud_t::MakeRoom(uint64_t end) {
    uint64_t const from = std::max(fFileEnd, BlockOffset(fBlockCountOnDisk));
    uint64_t const to = std::max(end, from + kRoomGrowth);
    try {
        std::vector<unsigned char> const zeros(static_cast<std::size_t>(to - from), 0);
        UDWriteAt(fFd, from, zeros.data(), zeros.size());
    } catch (FileException const&) {
        GiveUpUnwrittenBlocks();
        throw;
    }
    NoteFileReaches(to);
    fRoomMade = true;
}

void ud_t::NoteFileReaches(uint64_t end) { fFileEnd = std::max(fFileEnd, end); }

// Writes the blocks (ascending runs of consecutive numbers in one write each),
// after the staged blocks they may link to.  The caller orders the calls:
// what links to a block is written after it.  Blocks that all lie past the
// counted ones go out with the staged blocks: block 0 makes them part of the
// file together, so their order no longer matters.  Either way they are on
// disk when this returns; only AppendGroup holds blocks back.
void ud_t::WriteBlocks(std::vector<dblock_t> const& blocks) {
    for (dblock_t const& block : blocks) ForgetEntryHolding(block.number);
    bool const allAppended = std::all_of(blocks.begin(), blocks.end(), [this](dblock_t const& block) {
        return block.number >= fBlockCountOnDisk && block.number < fBlockCount;
    });
    if (allAppended && fBlockCountOnDisk < fBlockCount) {
        StageAppendedBlocks(blocks);
        WriteStagedBlocks();
        return;
    }
    // What is written into the counted blocks may link to staged ones.
    WriteStagedBlocks();
    try {
        std::vector<unsigned char> run;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            run.resize(run.size() + kUDBlockSize);
            EncodeUDBlock(blocks[i], run.data() + run.size() - kUDBlockSize);
            bool const runGoesOn = i + 1 < blocks.size() && blocks[i + 1].number == blocks[i].number + 1;
            if (runGoesOn) continue;
            uint32_t const first = blocks[i].number - static_cast<uint32_t>(run.size() / kUDBlockSize - 1);
            WriteBlockBytes(BlockOffset(first), run.data(), run.size());
            run.clear();
        }
    } catch (FileException const&) {
        // Memory no longer knows which of the blocks reached the file.
        DropCaches();
        throw;
    }
}
