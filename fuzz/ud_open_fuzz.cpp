// Treats the input as a user dictionary file and opens it as the converter
// does, read-write: the first read lock loads the caches and rebuilds or
// repairs whatever disagrees with the blocks (writing the repairs back).  If
// it opened, a first word is looked up and every entry it lists is read, with
// the leader of its group.  Whatever the bytes: no crash, no hang, no
// sanitizer report; refusals are codes and file exceptions.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_t.h"

namespace {

// The first word of the first entry that reads, or an empty string.
std::vector<char> SomeFirstWord(ud_t& dictionary) {
    std::vector<char> firstWord(kUDFirstwordBufferSize, '\0');
    for (uint32_t n = 1; n < dictionary.GetBlockCount(); ++n) {
        ud_entry_t entry;
        if (dictionary.ReadDataBlockType(n) != kUDHeadBlock || dictionary.ReadEntry(n, &entry) != kUDNoError) continue;
        UDFwStrncpy(firstWord.data(), entry.strings.english.c_str(), kUDFirstwordLength);
        break;
    }
    return firstWord;
}

void LookUpAndRead(ud_t& dictionary) {
    dictionary.AcquireReadLock(0.0f);
    try {
        std::vector<char> const word = SomeFirstWord(dictionary);
        if (fword_t const* record = dictionary.FindFword(word.data())) {
            std::vector<uint32_t> const ids = record->ids;
            for (uint32_t id : ids) {
                ud_entry_t entry;
                if (dictionary.ReadEntry(id, &entry) == kUDNoError) dictionary.FindLeader(id);
            }
        }
    } catch (...) {
        dictionary.ReleaseReadLock();
        throw;
    }
    dictionary.ReleaseReadLock();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int const fd = ::memfd_create("ud_open_fuzz", 0);
    if (fd < 0) return 0;
    if (size > 0 && ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        ::close(fd);
        return 0;
    }
    FILE* file = ::fdopen(fd, "r+");
    if (file == nullptr) {
        ::close(fd);
        return 0;
    }
    try {
        ud_t dictionary(file);
        LookUpAndRead(dictionary);
    } catch (unsigned short) {
        // A code of the user-dictionary layer: the file was refused.
    } catch (FileException const&) {
        // Not a dictionary, a read past its end, or a damaged entry.
    }
    std::fclose(file);
    return 0;
}
