#pragma once
// Dictionaries opened through ud_t in the tests: FILE handles on memory
// files, entries added the way the entry-group layer adds them, and what a
// dictionary holds read back through ud_t.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud_t.h"
#include "support/faulty_file_system.h"
#include "userdict/ud_fixture.h"

// A FILE handle of its own on a memory file, read-write or read-only (a
// descriptor opened O_RDONLY); closed on destruction.
class DictionaryStream {
public:
    explicit DictionaryStream(MemoryFile const& file, bool writable = true) {
        std::string const path = "/proc/self/fd/" + std::to_string(file.Fd());
        int const fd = ::open(path.c_str(), writable ? O_RDWR : O_RDONLY);
        if (fd < 0) throw std::runtime_error("cannot reopen the memory file");
        fStream = ::fdopen(fd, writable ? "r+" : "r");
        if (fStream == nullptr) {
            ::close(fd);
            throw std::runtime_error("fdopen failed");
        }
    }
    ~DictionaryStream() { std::fclose(fStream); }
    DictionaryStream(DictionaryStream const&) = delete;
    DictionaryStream& operator=(DictionaryStream const&) = delete;

    FILE* Get() const { return fStream; }

private:
    FILE* fStream;
};

// A memory file holding `bytes`, opened as a dictionary.
struct OpenedDictionary {
    explicit OpenedDictionary(std::vector<unsigned char> const& bytes, bool writable = true)
        : file(bytes), stream(file, writable), dictionary(stream.Get()) {}

    MemoryFile file;
    DictionaryStream stream;
    ud_t dictionary;
};

// Adds one entry as the entry-group layer does: the entry's blocks, its ID in
// the index, then the previous entry's link to it or, for a new group, the
// group count.  The caller holds the write lock.  Gives the entry's ID.
inline uint32_t AddEntry(ud_t& dictionary, UDEntryStrings strings, uint32_t prevID = 0) {
    dictionary.MarkMapAndIndexStale();
    ud_entry_t entry;
    entry.strings = std::move(strings);
    entry.prevID = prevID;
    dictionary.WriteEntry(&entry);
    ThrowIfError(dictionary.AddIDtoFirstword(entry));
    if (prevID != 0) {
        dblock_t previous;
        ThrowIfError(dictionary.ReadDataBlock(prevID, &previous));
        previous.nextID = entry.id;
        dictionary.WriteDataBlock(previous);
    } else {
        dictionary.UDIncGroupID(1);
    }
    return entry.id;
}

// Adds one entry under a write lock of its own; the write-back at its release
// may throw.
inline uint32_t AddEntryAndRelease(ud_t& dictionary, UDEntryStrings strings, uint32_t prevID = 0) {
    dictionary.AcquireWriteLock(0.0f);
    uint32_t id = 0;
    try {
        id = AddEntry(dictionary, std::move(strings), prevID);
    } catch (...) {
        try {
            dictionary.ReleaseWriteLock();
        } catch (...) {
        }
        throw;
    }
    dictionary.ReleaseWriteLock();
    return id;
}

// The English of every entry whose text reads, by ID.
inline std::map<uint32_t, std::string> EnglishByID(ud_t& dictionary) {
    SimpleFileLocker_READ lock(&dictionary);
    std::map<uint32_t, std::string> entries;
    for (uint32_t n = 1; n < dictionary.GetBlockCount(); ++n) {
        if (dictionary.ReadDataBlockType(n) != kUDHeadBlock) continue;
        ud_entry_t entry;
        if (dictionary.ReadEntry(n, &entry) == kUDNoError) entries[n] = entry.strings.english;
    }
    return entries;
}

// The IDs listed under a first word, or none.
inline std::vector<uint32_t> IDsFiledUnder(ud_t& dictionary, char const* firstWord) {
    SimpleFileLocker_READ lock(&dictionary);
    fword_t const* record = dictionary.FindFword(firstWord);
    return record != nullptr ? record->ids : std::vector<uint32_t>{};
}

// Runs `writer(dictionary, files)` on a dictionary opened on a copy of `file`
// in a forked child that stops dead, as a killed process would, right after
// its k-th write; the child must end cleanly either way.
template <class Writer>
void RunChildStoppedAfter(MemoryFile const& file, int k, Writer const& writer) {
    pid_t const child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            DictionaryStream stream(file);
            ud_t dictionary(stream.Get());
            FaultyFileSystem files;
            files.StopAfter(FaultyFileSystem::Call::kWrite, k);
            writer(dictionary, files);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
}
