// Writing back the map and the index at the release of the last write lock:
// where they go, and which of their bytes are written.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_map_image.h"
#include "engine/userdict/ud_t.h"
#include "platform/files/file_system.h"

namespace {

// Room left in front of a map placed behind grown blocks: a thirty-second of
// the blocks, at least 32.  Adds released one by one then move the map and
// index about once per thirty-second of growth, and the file carries at most
// that share of bytes not yet used by blocks.
constexpr uint64_t kLeastRoomBlocks = 32;
constexpr uint64_t kRoomShare = 32;

// Changed map bytes closer than this go out in one write.
constexpr std::size_t kJoinMapRuns = 16;

}  // namespace

// Writes back what writers marked stale: the map, the index, and only then
// the header words that make them valid; last the change count, raised by one
// for each of map and index written.  While words 12 and 16 are zero nothing
// reads the map or the index, so they may be written in place, piece by piece.
void ud_t::WriteBack() {
    // Nothing is written through a read-only descriptor, and after a failed
    // block write memory no longer knows what the blocks hold: the file stays
    // stale on disk and is rebuilt from its blocks when loaded again.
    if (!IsWritable() || !fCachesLoaded) return;
    WriteStagedBlocks();
    if (fMapOffset == 0 || fIndexOffset == 0) {
        bool const mapStale = fMapOffset == 0;
        Placement place;
        if (mapStale) {
            place = PlaceMapAndIndex();
            WriteMapImage(place.map);
            fPlacedIndexOffset = place.index;
        } else {
            bool const placedHere = fMapImageOnDisk && fMapImageOffset == fMapOffset;
            place.map = fMapOffset;
            place.index =
                placedHere ? fPlacedIndexOffset : fMapOffset + static_cast<uint32_t>(UDMapImageSize(fBlockCount));
        }
        WriteIndexImage(place.index);
        fChangeCount += mapStale ? 2 : 1;
        unsigned char offsets[8];
        ULONGToBuf(offsets, place.map);
        ULONGToBuf(offsets + 4, place.index);
        UDWriteAt(fFd, kUDHeaderMapOffset, offsets, sizeof offsets);
        fMapOffset = place.map;
        fIndexOffset = place.index;
    }
    UDWriteUlongAt(fFd, kUDHeaderChangeCount, fChangeCount);
    DropRoomLeft();
}

// The map stays where it was while the blocks have not reached it (its room
// holds the bits of every block that fits in front of it).  Otherwise it goes
// right behind the last block, or, when the blocks have grown since it was
// last placed, behind room for more of them.  That room is written with
// zeros first, so that blocks held back and written into it later never meet
// a full disk; a disk that cannot take it gets no room.
ud_t::Placement ud_t::PlaceMapAndIndex() {
    uint64_t const blocksEnd = BlockOffset(fBlockCount);
    if (fMapImageOnDisk && blocksEnd <= fMapImageOffset &&
        fMapImageOffset + UDMapImageSize(fBlockCount) <= fPlacedIndexOffset) {
        return {fMapImageOffset, fPlacedIndexOffset};
    }
    auto placeFor = [this](uint64_t blocks) {
        uint64_t const map = fBlockAreaOffset + uint64_t{kUDBlockSize} * blocks;
        return std::pair<uint64_t, uint64_t>(map, map + 8 + (blocks + 7) / 8);
    };
    uint64_t room = 0;
    if (fBlockCount > fBlockCountPlaced) room = std::max(kLeastRoomBlocks, uint64_t{fBlockCount} / kRoomShare);
    auto [map, index] = placeFor(fBlockCount + room);
    // Offsets are 32-bit words: what would pass them gets no room.
    if (index > std::numeric_limits<uint32_t>::max()) std::tie(map, index) = placeFor(fBlockCount);
    if (index > blocksEnd + UDMapImageSize(fBlockCount) && fFileEnd < index) {
        try {
            uint64_t const from = std::max(fFileEnd, blocksEnd);
            std::vector<unsigned char> const zeros(static_cast<std::size_t>(index - from), 0);
            UDWriteAt(fFd, from, zeros.data(), zeros.size());
            NoteFileReaches(index);
        } catch (FileException const&) {
            std::tie(map, index) = placeFor(fBlockCount);  // no room to spare: none left
        }
    }
    fBlockCountPlaced = fBlockCount;
    return {static_cast<uint32_t>(map), static_cast<uint32_t>(index)};
}

// Where the map image on disk is the last one written, only its changed
// bytes are written; otherwise all of it.
void ud_t::WriteMapImage(uint32_t mapOffset) {
    std::vector<unsigned char> image = EncodeUDMapImage(fBlockCount, fMap);
    bool const inPlace = fMapImageOnDisk && fMapImageOffset == mapOffset;
    fMapImageOnDisk = false;
    if (inPlace) {
        for (UDByteRun const& run : UDChangedRuns(fMapImage, image, kJoinMapRuns)) {
            UDWriteAt(fFd, uint64_t{mapOffset} + run.begin, image.data() + run.begin, run.end - run.begin);
        }
    } else {
        UDWriteAt(fFd, mapOffset, image.data(), image.size());
    }
    NoteFileReaches(mapOffset + image.size());
    fMapImage = std::move(image);
    fMapImageOnDisk = true;
    fMapImageOffset = mapOffset;
}

// The index is written whole where it moved; where it stayed, only its
// changed runs (the tail of the bucket table behind the buckets that changed,
// the data from the first changed bucket on), and then its checksum.
void ud_t::WriteIndexImage(uint32_t indexOffset) {
    std::vector<unsigned char> const& image = fIndexEncoder.Encode(fIndex, indexOffset);
    bool const sameImageOnDisk = fIndexImageOnDisk && fIndexImageOffset == indexOffset;
    fIndexImageOnDisk = false;
    if (!sameImageOnDisk || fIndexEncoder.FirstChangedByte() == 0) {
        UDWriteAt(fFd, indexOffset, image.data(), image.size());
    } else {
        for (UDByteRun const& run : fIndexEncoder.ChangedRuns()) {
            UDWriteAt(fFd, uint64_t{indexOffset} + run.begin, image.data() + run.begin, run.end - run.begin);
        }
        UDWriteAt(fFd, indexOffset, image.data(), 4);
    }
    fIndexImageOnDisk = true;
    fIndexImageOffset = indexOffset;
    fIndexImageSize = image.size();
    NoteFileReaches(indexOffset + image.size());
}

// Zeros written for held-back blocks that the blocks, map and index did not
// take are cut off, so that the file ends with its index.  Left there, they
// are harmless: nothing reads past the index.
void ud_t::DropRoomLeft() {
    if (!fRoomMade) return;
    fRoomMade = false;
    uint64_t const indexEnd = uint64_t{fIndexOffset} + fIndexImageSize;
    bool const indexIsLast = fIndexImageOnDisk && fIndexImageOffset == fIndexOffset && fFileEnd > indexEnd;
    if (indexIsLast && Files().Truncate(fFd, indexEnd) == 0) fFileEnd = indexEnd;
}

void ud_t::ForgetImagesOnDisk() {
    fIndexEncoder.Reset();
    fIndexImageOnDisk = false;
    fMapImageOnDisk = false;
    fMapImage.clear();
}

// Only a map in front of its index and behind the blocks can stay where it is.
void ud_t::AdoptImagesOnDisk(std::vector<unsigned char> mapImage) {
    if (BlockOffset(fBlockCount) > fMapOffset || uint64_t{fMapOffset} + mapImage.size() > fIndexOffset) return;
    // The index read was checked byte for byte (order, table, checksum), so
    // encoding it again gives the bytes on disk.
    std::vector<unsigned char> const& index = fIndexEncoder.Encode(fIndex, fIndexOffset);
    fIndexImageOnDisk = true;
    fIndexImageOffset = fIndexOffset;
    fIndexImageSize = index.size();
    fMapImage = std::move(mapImage);
    fMapImageOnDisk = true;
    fMapImageOffset = fMapOffset;
    fPlacedIndexOffset = fIndexOffset;
}
