#include "engine/userdict/ud_t.h"

#include <fcntl.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_create.h"
#include "engine/userdict/ud_file_basics.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_map_image.h"
#include "platform/files/file_system.h"

void ThrowIfError(unsigned short code) {
    if (code != kUDNoError) throw code;
}

namespace {

int DescriptorOf(FILE* file) {
    if (file == nullptr) throw std::invalid_argument("a user dictionary needs an open file");
    return ::fileno(file);
}

bool IsReadOnly(int fd) {
    int const mode = Files().AccessMode(fd);
    if (mode < 0) FileException::ThrowLastError(kUDFileName);
    return mode == O_RDONLY;
}

}  // namespace

ud_t::ud_t(FILE* file) : fFd(DescriptorOf(file)), fWritable(!IsReadOnly(fFd)) {
    if (IsToBeCreated()) CreateUDFile(fFd);
    UDFileBasics basics;
    ThrowIfError(ReadUDFileBasics(fFd, &basics));
    AdoptBasics(basics);
}

ud_t::~ud_t() = default;

// Only an empty file: one that begins with the magic but is too short for
// block 0 is refused as corrupt, never overwritten.
bool ud_t::IsToBeCreated() { return UDFileSize(fFd) == 0; }

void ud_t::AdoptBasics(UDFileBasics const& basics) {
    fDescription = basics.description;
    fBlockAreaOffset = basics.header.blockAreaOffset;
    fMapOffset = basics.header.mapOffset;
    fIndexOffset = basics.header.indexOffset;
    fGroupCount = basics.header.groupCount;
    fChangeCount = basics.header.changeCount;
    fBlockCount = basics.blockCount;
    fBlockCountOnDisk = basics.blockCount;
    fBlocksStaged = basics.blockCount;
    fGroupCountOnDisk = basics.header.groupCount;
    fFileEnd = basics.fileSize;
}

void ud_t::RequireWriteLock(char const* operation) const {
    if (GetWriteLockCount() == 0) throw std::logic_error(std::string(operation) + " needs the dictionary's write lock");
    if (fDamaged) ThrowIfError(kUDFileCorrupt);
}

ud_t::CacheGuard::CacheGuard(ud_t& file) : fFile(file) {
    fFile.AcquireReadLock(0.0f);
    try {
        if (!fFile.fCachesLoaded) fFile.LoadCaches();
    } catch (...) {
        fFile.ReleaseReadLock();
        throw;
    }
}

// ---- The lock hooks

void ud_t::AcquiredReadLock() {
    if (fCachesLoaded && UDReadUlongAt(fFd, kUDHeaderChangeCount) == fChangeCount) return;
    LoadCaches();
}

void ud_t::AboutToReleaseWriteLock() { WriteBack(); }

// Writes back what writers marked stale: the map (which moves behind the last
// block, so the index is written after it as well), the index, and only then
// the header words that make them valid; last the change count, raised by one
// for each of map and index written.
void ud_t::WriteBack() {
    // Nothing is written through a read-only descriptor, and after a failed
    // block write memory no longer knows what the blocks hold: the file stays
    // stale on disk and is rebuilt from its blocks when loaded again.
    if (!IsWritable() || !fCachesLoaded) return;
    WriteStagedBlocks();
    if (fMapOffset == 0 || fIndexOffset == 0) {
        bool const mapStale = fMapOffset == 0;
        uint32_t const mapOffset = mapStale ? static_cast<uint32_t>(BlockOffset(fBlockCount)) : fMapOffset;
        uint32_t const indexOffset = mapOffset + static_cast<uint32_t>(UDMapImageSize(fBlockCount));
        if (mapStale) WriteMapImage(mapOffset);
        WriteIndexImage(indexOffset);
        fChangeCount += mapStale ? 2 : 1;
        unsigned char offsets[8];
        ULONGToBuf(offsets, mapOffset);
        ULONGToBuf(offsets + 4, indexOffset);
        UDWriteAt(fFd, kUDHeaderMapOffset, offsets, sizeof offsets);
        fMapOffset = mapOffset;
        fIndexOffset = indexOffset;
    }
    UDWriteUlongAt(fFd, kUDHeaderChangeCount, fChangeCount);
    DropRoomLeft();
}

// Zeros written for room that the blocks, map and index did not take are
// cut off, so that the file ends with its index.  Left there, they are
// harmless: nothing reads past the index.
void ud_t::DropRoomLeft() {
    if (!fRoomMade) return;
    fRoomMade = false;
    uint64_t const indexEnd = uint64_t{fIndexOffset} + fIndexImageSize;
    bool const indexIsLast = fIndexImageOnDisk && fIndexImageOffset == fIndexOffset && fFileEnd > indexEnd;
    if (indexIsLast && Files().Truncate(fFd, indexEnd) == 0) fFileEnd = indexEnd;
}

void ud_t::WriteMapImage(uint32_t mapOffset) {
    std::vector<unsigned char> const image = EncodeUDMapImage(fBlockCount, fMap);
    UDWriteAt(fFd, mapOffset, image.data(), image.size());
    NoteFileReaches(mapOffset + image.size());
}

// The index is written whole where it moved (it moves whenever the block
// count grows); where it stayed, only from its first changed byte on, and
// then its checksum.
void ud_t::WriteIndexImage(uint32_t indexOffset) {
    std::vector<unsigned char> const& image = fIndexEncoder.Encode(fIndex, indexOffset);
    bool const sameImageOnDisk = fIndexImageOnDisk && fIndexImageOffset == indexOffset;
    std::size_t const first = sameImageOnDisk ? fIndexEncoder.FirstChangedByte() : 0;
    fIndexImageOnDisk = false;
    if (first == 0) {
        UDWriteAt(fFd, indexOffset, image.data(), image.size());
    } else {
        if (first < image.size())
            UDWriteAt(fFd, uint64_t{indexOffset} + first, image.data() + first, image.size() - first);
        UDWriteAt(fFd, indexOffset, image.data(), 4);
    }
    fIndexImageOnDisk = true;
    fIndexImageOffset = indexOffset;
    fIndexImageSize = image.size();
    NoteFileReaches(indexOffset + image.size());
}

uint32_t ud_t::UDIncGroupID(int16_t delta) {
    AcquireWriteLock(0.0f);
    try {
        RequireWriteLock("UDIncGroupID");
        auto const count = static_cast<uint32_t>(std::clamp<int64_t>(int64_t{fGroupCount} + delta, 0, UINT32_MAX));
        // Counting staged groups on disk would count groups block 0 does not
        // hold yet: the count waits for them.
        if (fBlockCountOnDisk == fBlockCount) {
            UDWriteUlongAt(fFd, kUDHeaderGroupCount, count);
            fGroupCountOnDisk = count;
        }
        fGroupCount = count;
    } catch (...) {
        try {
            ReleaseWriteLock();
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
    ReleaseWriteLock();
    return fGroupCount;
}
