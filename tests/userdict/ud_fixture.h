#pragma once
// Small user dictionary files made in memory for the tests, and descriptors
// that hold given bytes.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/byte_order.h"
#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_entry_text.h"
#include "engine/userdict/ud_format.h"
#include "engine/userdict/ud_index_image.h"
#include "engine/userdict/ud_map_image.h"

// An anonymous in-memory file holding the given bytes, closed on destruction.
class MemoryFile {
public:
    explicit MemoryFile(std::vector<unsigned char> const& bytes) : fFd(::memfd_create("ud-test", 0)) {
        if (fFd < 0) throw std::runtime_error("memfd_create failed");
        if (!bytes.empty() && ::pwrite(fFd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("memfd write failed");
        }
    }
    ~MemoryFile() { ::close(fFd); }
    MemoryFile(MemoryFile const&) = delete;
    MemoryFile& operator=(MemoryFile const&) = delete;

    int Fd() const { return fFd; }
    std::vector<unsigned char> Bytes() const {
        std::vector<unsigned char> bytes(static_cast<std::size_t>(::lseek(fFd, 0, SEEK_END)));
        if (::pread(fFd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
            throw std::runtime_error("memfd read failed");
        }
        return bytes;
    }

private:
    int fFd;
};

// An entry's strings; by default a noun with a two-byte translation.
inline UDEntryStrings MakeEntry(std::string english, std::string pos = UDPOS_N_SING,
                                std::string translation = "\x8c\xa2", std::string answer = "", std::string flags = "N",
                                std::string particle = "") {
    return UDEntryStrings{std::move(english), std::move(pos),   std::move(translation),
                          std::move(answer),  std::move(flags), std::move(particle)};
}

// A dictionary laid out as this system writes one: entries in consecutive
// blocks, then the map and the index built from them.
class UDFixture {
public:
    explicit UDFixture(uint32_t bucketCount = kUDBucketCount) : fBucketCount(bucketCount) {}

    // Adds the entries of one group, chained by previous and next IDs; gives
    // their IDs.
    std::vector<uint32_t> AddGroup(std::vector<UDEntryStrings> const& forms) {
        std::vector<uint32_t> ids;
        for (UDEntryStrings const& form : forms) {
            uint32_t const id = AddBlocks(form, ids.empty() ? 0 : ids.back());
            if (!ids.empty()) fBlocks[ids.back()].nextID = id;
            ids.push_back(id);
        }
        ++fGroupCount;
        return ids;
    }

    uint32_t AddFreeBlock() {
        fBlocks.push_back(dblock_t{});
        fBlocks.back().number = BlockCount() - 1;
        return fBlocks.back().number;
    }

    uint32_t BlockCount() const { return static_cast<uint32_t>(fBlocks.size()); }
    dblock_t& Block(uint32_t n) { return fBlocks[n]; }

    uint64_t BlockOffset(uint32_t n) const { return kUDNewBlockAreaOffset + uint64_t{kUDBlockSize} * n; }
    uint32_t MapOffset() const { return static_cast<uint32_t>(BlockOffset(BlockCount())); }
    uint32_t IndexOffset() const { return MapOffset() + static_cast<uint32_t>(UDMapImageSize(BlockCount())); }

    std::vector<unsigned char> Bytes() const {
        UDHeader header;
        header.mapOffset = MapOffset();
        header.indexOffset = IndexOffset();
        header.groupCount = fGroupCount;
        std::vector<unsigned char> bytes(static_cast<std::size_t>(BlockOffset(BlockCount())), 0);
        EncodeUDHeader(header, bytes.data());
        std::memcpy(bytes.data() + kUDNewDescriptionOffset, kUDNewDescription, sizeof kUDNewDescription);
        EncodeUDBlockZero(BlockCount(), bytes.data() + BlockOffset(0));
        for (uint32_t n = 1; n < BlockCount(); ++n) EncodeUDBlock(fBlocks[n], bytes.data() + BlockOffset(n));
        Append(&bytes, EncodeUDMapImage(BlockCount(), Bitmap()));
        Append(&bytes, EncodeUDIndexImage(Index(), IndexOffset()));
        return bytes;
    }

    std::vector<unsigned char> Bitmap() const {
        std::vector<unsigned char> bitmap(UDMapBitmapSize(BlockCount()), 0);
        for (uint32_t n = 1; n < BlockCount(); ++n) UDMapSetFree(&bitmap, n, fBlocks[n].kind == kUDFreeBlock);
        return bitmap;
    }

    UDFirstwordIndex Index() const {
        UDFirstwordIndex index(fBucketCount);
        for (auto const& [id, strings] : fEntries) {
            char firstWord[kUDFirstwordBufferSize];
            UDFwStrncpy(firstWord, strings.english.c_str(), kUDFirstwordLength);
            UDIndexPosition const position = index.Find(firstWord);
            fword_t& record = position.found ? index.Record(position) : index.InsertRecord(position, firstWord);
            auto at = record.ids.begin();
            while (at != record.ids.end() && CompareUDEntryOrder(EntryOf(*at), strings) < 0) ++at;
            record.ids.insert(at, id);
        }
        return index;
    }

private:
    uint32_t AddBlocks(UDEntryStrings const& strings, uint32_t prevID) {
        UDEntryText const text = LayOutUDEntryText(strings);
        dblock_t head;
        head.kind = kUDHeadBlock;
        head.number = BlockCount();
        head.prevID = prevID;
        std::memcpy(head.text, text.head.data(), text.head.size());
        fBlocks.push_back(head);
        uint32_t previous = head.number;
        for (auto const& area : text.continuations) {
            dblock_t block;
            block.kind = kUDContinuationBlock;
            block.number = BlockCount();
            std::memcpy(block.text, area.data(), area.size());
            fBlocks[previous].link = block.number;
            fBlocks.push_back(block);
            previous = block.number;
        }
        fEntries.emplace_back(head.number, strings);
        return head.number;
    }

    UDEntryStrings const& EntryOf(uint32_t id) const {
        for (auto const& entry : fEntries) {
            if (entry.first == id) return entry.second;
        }
        throw std::logic_error("no such entry");
    }

    static void Append(std::vector<unsigned char>* bytes, std::vector<unsigned char> const& more) {
        bytes->insert(bytes->end(), more.begin(), more.end());
    }

    uint32_t fBucketCount;
    std::vector<dblock_t> fBlocks{1};  // block 0 holds only the count
    std::vector<std::pair<uint32_t, UDEntryStrings>> fEntries;
    uint32_t fGroupCount = 0;
};

// The fixture's blocks served from their encoded bytes, so that reads go
// through DecodeUDBlock as they do from a file.
class FixtureBlockSource : public UDBlockSource {
public:
    explicit FixtureBlockSource(UDFixture& fixture) : fFixture(fixture) {}

    uint32_t BlockCount() const override { return fFixture.BlockCount(); }
    unsigned short ReadBlock(uint32_t n, dblock_t* block) override {
        if (n == 0 || n >= BlockCount()) return kUDFileCorrupt;
        unsigned char bytes[kUDBlockSize];
        EncodeUDBlock(fFixture.Block(n), bytes);
        block->number = n;
        return DecodeUDBlock(bytes, BlockCount(), block);
    }

private:
    UDFixture& fFixture;
};

// Byte patches used to damage a file in the tests.
inline void PutUlong(std::vector<unsigned char>* bytes, uint64_t offset, uint32_t value) {
    ULONGToBuf(bytes->data() + offset, value);
}
inline uint32_t GetUlong(std::vector<unsigned char> const& bytes, uint64_t offset) {
    return BufToULONG(bytes.data() + offset);
}
