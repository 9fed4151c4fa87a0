#include "engine/userdict/ud_t.h"

#include <fcntl.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_create.h"
#include "engine/userdict/ud_file_basics.h"
#include "engine/userdict/ud_file_io.h"
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
    fBlockCountPlaced = basics.blockCount;
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
