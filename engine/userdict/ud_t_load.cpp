// Loading the caches: the map and index read from the file are taken only
// when they agree with the blocks; otherwise they are rebuilt from the
// blocks, and broken group links are mended.  Through a writable descriptor
// the repairs are written back at once, unless the blocks are damaged: then
// the file is left exactly as it is.
#include <string>
#include <utility>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/warning.h"
#include "engine/userdict/ud_file_basics.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_map_image.h"
#include "engine/userdict/ud_t.h"
#include "engine/userdict/ud_t_survey.h"

namespace {

// Byte offset of the previous and next IDs within a head block.
constexpr uint32_t kHeadGroupLinks = 16;

void WarnSkippedHeads(UDBlockSurvey const& survey) {
    for (uint32_t head : survey.SkippedHeads()) {
        PWarning("user dictionary: an entry that cannot be read is left out of the index", kUDFileName,
                 ("block " + std::to_string(head)).c_str(), __LINE__);
    }
}

}  // namespace

void ud_t::LoadCaches() {
    DropCaches();
    UDFileBasics basics;
    ThrowIfError(ReadUDFileBasics(fFd, &basics));
    AdoptBasics(basics);
    std::vector<unsigned char> area = ReadUDBlockArea(fFd, fBlockAreaOffset, fBlockCount);
    UDBlockSurvey survey(area.data(), fBlockCount);

    std::vector<unsigned char> bitmap;
    bool const mapAgrees =
        ReadUDMap(fFd, basics.fileSize, fMapOffset, fBlockCount, &bitmap) == kUDNoError && survey.MapAgrees(bitmap);
    UDFirstwordIndex index(1);
    bool const indexAgrees =
        ReadUDIndex(fFd, basics.fileSize, fIndexOffset, fBlockCount, &index) == kUDNoError && survey.IndexAgrees(index);
    std::vector<unsigned char> mapOnDisk;
    if (mapAgrees && indexAgrees) mapOnDisk = UDMapImageOfBits(fBlockCount, bitmap);
    if (!mapAgrees) {
        bitmap = survey.BuildBitmap();
        fMapOffset = 0;
    }
    if (!indexAgrees) {
        index = survey.BuildIndex(kUDBucketCount);
        WarnSkippedHeads(survey);
    }
    // A new map moves the index behind it.
    if (!mapAgrees || !indexAgrees) fIndexOffset = 0;

    InstallMap(std::move(bitmap));
    fIndex = std::move(index);
    NoteListedIDs();
    fKeyHolder.assign(fBlockCount, 0);
    fBlockImage.Adopt(std::move(area));
    fCachesLoaded = true;
    if (!mapOnDisk.empty()) AdoptImagesOnDisk(std::move(mapOnDisk));
    fDamaged = survey.FoundDamage();
    std::vector<UDGroupLinks> const links = survey.RepairGroups();
    fMissingEntries = survey.MissingEntries();
    if (IsWritable()) {
        StoreRepairs(survey, links, basics.header);
    } else {
        RepairLinksInMemory(links);
    }
    fGroupCount = survey.GroupCount();
}

// A file that is not written to still reads with mended group links: they
// are put into the block image only, so every group is met once.
void ud_t::RepairLinksInMemory(std::vector<UDGroupLinks> const& links) {
    for (UDGroupLinks const& head : links) {
        unsigned char words[8];
        ULONGToBuf(words, head.prevID);
        ULONGToBuf(words + 4, head.nextID);
        fBlockImage.Wrote(BlockOffset(head.id) + kHeadGroupLinks - fBlockAreaOffset, words, sizeof words);
    }
}

void ud_t::DropCaches() {
    ++fContentGeneration;
    ++fCacheGeneration;
    fCachesLoaded = false;
    fMap.clear();
    fFirstFreeByte = 0;
    fIndex = UDFirstwordIndex(1);
    fMayBeListed.clear();
    ForgetImagesOnDisk();
    fEntryKeys.clear();
    fKeyHolder.clear();
    fBlockImage.Drop();
}

void ud_t::InstallMap(std::vector<unsigned char> bitmap) {
    fMap = std::move(bitmap);
    AllocMap();
    // Only the block count is ever handed out past the last block.
    for (uint64_t n = fBlockCount; n < uint64_t{fMap.size()} * 8; ++n) MapAssign(static_cast<uint32_t>(n), true);
    fFirstFreeByte = 0;
}

// Order: the header words of what is rebuilt are zeroed first, so that the
// file stays stale on disk until the new map and index are whole; then
// orphaned continuations (free in the map) are written free, group links
// mended, the group count set, and map and index written back.  A write that
// fails only leaves the repair for later: memory holds the repaired state,
// and map and index stay stale until a write-lock release writes them.
void ud_t::StoreRepairs(UDBlockSurvey const& survey, std::vector<UDGroupLinks> const& links, UDHeader const& onDisk) {
    try {
        bool const zeroMap = fMapOffset == 0 && onDisk.mapOffset != 0;
        bool const zeroIndex = fIndexOffset == 0 && onDisk.indexOffset != 0;
        WriteZeroedHeaderWords(zeroMap, zeroIndex);
        dblock_t freeBlock;
        unsigned char freeBytes[kUDBlockSize];
        EncodeUDBlock(freeBlock, freeBytes);
        for (uint32_t orphan : survey.OrphanContinuations()) {
            WriteBlockBytes(BlockOffset(orphan), freeBytes, sizeof freeBytes);
        }
        for (UDGroupLinks const& head : links) {
            unsigned char words[8];
            ULONGToBuf(words, head.prevID);
            ULONGToBuf(words + 4, head.nextID);
            WriteBlockBytes(BlockOffset(head.id) + kHeadGroupLinks, words, sizeof words);
        }
        if (survey.GroupCount() != onDisk.groupCount) {
            UDWriteUlongAt(fFd, kUDHeaderGroupCount, survey.GroupCount());
            fGroupCountOnDisk = survey.GroupCount();
        }
        if (fMapOffset == 0 || fIndexOffset == 0) WriteBack();
    } catch (FileException const& e) {
        PWarning("user dictionary: a repair could not be written", kUDFileName, e.Message(), __LINE__);
    }
}
