#include "engine/userdict/ud_create.h"

#include <cstring>
#include <vector>

#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_index_image.h"
#include "engine/userdict/ud_map_image.h"

namespace {

constexpr uint32_t kNewBlockCount = 1;

// Header, description and block 0, with the map and index not yet written.
std::vector<unsigned char> Skeleton(UDHeader const& header) {
    std::vector<unsigned char> bytes(header.blockAreaOffset + kUDBlockSize, 0);
    EncodeUDHeader(header, bytes.data());
    std::memcpy(bytes.data() + header.descriptionOffset, kUDNewDescription, sizeof kUDNewDescription);
    EncodeUDBlockZero(kNewBlockCount, bytes.data() + header.blockAreaOffset);
    return bytes;
}

}  // namespace

UDHeader CreateUDFile(int fd) {
    UDHeader header;  // offsets 256 and 512, no map, no index, version 2
    std::vector<unsigned char> const skeleton = Skeleton(header);
    UDWriteAt(fd, 0, skeleton.data(), skeleton.size());

    // Only block 0 exists, and it is in use.
    std::vector<unsigned char> const map = EncodeUDMapImage(kNewBlockCount, {});
    header.mapOffset = header.blockAreaOffset + kUDBlockSize * kNewBlockCount;
    UDWriteAt(fd, header.mapOffset, map.data(), map.size());
    UDWriteUlongAt(fd, kUDHeaderMapOffset, header.mapOffset);

    header.indexOffset = header.mapOffset + static_cast<uint32_t>(map.size());
    std::vector<unsigned char> const index = EncodeUDIndexImage(UDFirstwordIndex(kUDBucketCount), header.indexOffset);
    UDWriteAt(fd, header.indexOffset, index.data(), index.size());
    UDWriteUlongAt(fd, kUDHeaderIndexOffset, header.indexOffset);

    UDWriteUlongAt(fd, kUDHeaderChangeCount, header.changeCount);
    return header;
}
