#include "engine/userdict/ud_file_basics.h"

#include <cstring>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_io.h"

namespace {

// True when the file holds `size` bytes from `offset` on.
bool Holds(uint64_t fileSize, uint64_t offset, uint64_t size) {
    return offset <= fileSize && size <= fileSize - offset;
}

}  // namespace

unsigned short ReadUDFileBasics(int fd, UDFileBasics* basics) {
    uint64_t const fileSize = UDFileSize(fd);
    basics->fileSize = fileSize;

    unsigned char header[kUDHeaderSize];
    if (!Holds(fileSize, 0, 4)) throw NotAUserDictionaryFile(kUDFileName);
    UDReadAt(fd, 0, header, 4);
    if (!HasUDMagic(header)) throw NotAUserDictionaryFile(kUDFileName);

    if (!Holds(fileSize, kUDHeaderVersion, 4)) return kUDFileCorrupt;
    if (UDReadUlongAt(fd, kUDHeaderVersion) != kUDFormatVersion) return kUDWrongVersion;
    if (!Holds(fileSize, 0, kUDHeaderSize)) return kUDFileCorrupt;
    UDReadAt(fd, 0, header, sizeof header);
    basics->header = DecodeUDHeader(header);

    uint64_t const descriptionOffset = basics->header.descriptionOffset;
    if (!Holds(fileSize, descriptionOffset, kUDDescriptionSize)) return kUDFileCorrupt;
    char description[kUDDescriptionSize];
    UDReadAt(fd, descriptionOffset, description, sizeof description);
    description[kUDDescriptionSize - 1] = '\0';
    basics->description = description;

    uint64_t const blockAreaOffset = basics->header.blockAreaOffset;
    if (!Holds(fileSize, blockAreaOffset, 4)) return kUDFileCorrupt;
    basics->blockCount = UDReadUlongAt(fd, blockAreaOffset);
    if (basics->blockCount == 0) return kUDFileCorrupt;
    if (!Holds(fileSize, blockAreaOffset, kUDBlockSize * uint64_t{basics->blockCount})) return kUDFileCorrupt;
    return kUDNoError;
}
