#pragma once
// The first step of opening a user dictionary file: its header, description
// and block count, with every length check.  The map and the index are read
// apart (ReadUDMap, ReadUDIndex), as they may be stale and rebuilt.
#include <cstdint>
#include <string>

#include "engine/userdict/ud_format.h"

struct UDFileBasics {
    uint64_t fileSize = 0;
    UDHeader header;
    std::string description;  // at most 255 bytes
    uint32_t blockCount = 0;  // block 0 included
};

// Reads the basics of a dictionary file.  Throws NotAUserDictionaryFile
// (named kUDFileName) when the file is shorter than 4 bytes or does not begin
// with the magic; an empty file is to be created (CreateUDFile), not opened.
// Returns, leaving *basics partly filled:
//   kUDWrongVersion  the version word is not 2;
//   kUDFileCorrupt   the file cannot hold the header's version word, the
//                    whole header, the description, block 0 or all its
//                    blocks, or the block count is 0.
// File exceptions pass through.
unsigned short ReadUDFileBasics(int fd, UDFileBasics* basics);
