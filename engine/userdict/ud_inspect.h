#pragma once
// Read-only inspection of a user dictionary file: what its header says, whether
// its map and index would be taken as they are, what its blocks hold, and
// whether all of it agrees.  Nothing is written and nothing is repaired.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/userdict/ud_file_basics.h"
#include "engine/userdict/ud_map_image.h"

enum class UDFileState {
    kEmpty,               // 0 bytes: a new dictionary is created in it on open
    kNotAUserDictionary,  // under 4 bytes, or no magic
    kUnopenable,          // ReadUDFileBasics refused it: see openCode
    kOpened,
};

struct UDInspection {
    UDFileState state = UDFileState::kEmpty;
    unsigned short openCode = kUDNoError;  // kUDWrongVersion or kUDFileCorrupt when kUnopenable
    UDFileBasics basics;

    // kUDMapOrIndexInvalid when the map or index on disk would be rebuilt.
    unsigned short mapCode = kUDNoError;
    UDChecksums mapChecksums;
    unsigned short indexCode = kUDNoError;
    UDChecksums indexChecksums;
    uint32_t bucketCount = 0;
    uint32_t indexedWords = 0;
    uint32_t indexedEntries = 0;

    // kUDFileCorrupt when some block or entry cannot be read.
    unsigned short blocksCode = kUDNoError;
    uint32_t freeBlocks = 0;
    uint32_t headBlocks = 0;  // one per entry
    uint32_t continuationBlocks = 0;
    uint32_t badBlocks = 0;
    uint32_t groups = 0;  // entries that lead a group

    // Every disagreement found, the first kMaxProblemTexts of them in words.
    static constexpr std::size_t kMaxProblemTexts = 50;
    uint32_t problemCount = 0;
    std::vector<std::string> problems;

    // Opened, map and index valid, every block and entry readable, and no
    // disagreement between blocks, map, index and header.
    bool Verified() const;
};

// Inspects the dictionary file open on `fd`.  Problems of the file are
// reported in the result; only file exceptions (a failing read) are thrown.
UDInspection InspectUDFile(int fd);
