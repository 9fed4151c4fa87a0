// Writing and reading entries, group links, learning frequencies, and the
// cache of the entries' sort keys.
#include <algorithm>
#include <cstring>
#include <memory>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_t.h"
#include "engine/userdict/ud_t_survey.h"

namespace {

// Offsets of words within a head block.
constexpr uint32_t kHeadInteractiveFreq = 8;
constexpr uint32_t kHeadBatchFreq = 12;

// What a reader takes back of each string, and the code for one it would not.
struct StringLimit {
    std::string UDEntryStrings::*member;
    std::size_t shortest;
    std::size_t longest;
    unsigned short code;
};

constexpr StringLimit kStringLimits[] = {
    {&UDEntryStrings::english, 1, kUDEnglishLimit, kUDBadTextLength},
    {&UDEntryStrings::pos, 0, kUDPOSStringLimit, kUDBadTextLength},
    {&UDEntryStrings::translation, 1, kUDTranslationLimit, kUDBadTextLength},
    {&UDEntryStrings::answer, 0, kUDAnswerLimit, kUDTooLong},
    {&UDEntryStrings::flags, 0, kUDFlagsLimit, kUDBadTextLength},
    {&UDEntryStrings::particle, 0, kUDParticleLimit, kUDBadTextLength},
};

unsigned short CheckStringLimits(UDEntryStrings const& strings) {
    for (StringLimit const& limit : kStringLimits) {
        std::size_t const length = std::strlen((strings.*limit.member).c_str());  // as laid out: up to a NUL
        if (length < limit.shortest || length > limit.longest) return limit.code;
    }
    return kUDNoError;
}

}  // namespace

// The head first, then the continuations: the lowest free blocks in turn.
std::vector<dblock_t> ud_t::LayOutEntryBlocks(ud_entry_t const& entry) {
    UDEntryText const text = LayOutUDEntryText(entry.strings);
    std::vector<dblock_t> blocks(1 + text.continuations.size());
    for (dblock_t& block : blocks) block.number = GetDblockSlot();
    dblock_t& head = blocks[0];
    head.kind = kUDHeadBlock;
    head.interactiveFreq = entry.interactiveFreq;
    head.batchFreq = entry.batchFreq;
    head.prevID = entry.prevID;
    head.nextID = entry.nextID;
    std::copy(text.head.begin(), text.head.end(), head.text);
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        blocks[i - 1].link = blocks[i].number;
        blocks[i].kind = kUDContinuationBlock;
        std::copy(text.continuations[i - 1].begin(), text.continuations[i - 1].end(), blocks[i].text);
    }
    return blocks;
}

void ud_t::RememberWrittenEntry(ud_entry_t* entry, std::vector<dblock_t> const& blocks) {
    entry->id = blocks.front().number;
    std::vector<uint32_t> textBlocks;
    for (dblock_t const& block : blocks) textBlocks.push_back(block.number);
    CacheEntryKey(entry->id, entry->strings, textBlocks);
}

void ud_t::WriteEntry(ud_entry_t* entry, dblock_t* headWritten) {
    RequireWriteLock("WriteEntry");
    CacheGuard guard(*this);
    ThrowIfError(CheckStringLimits(entry->strings));
    for (uint32_t link : {entry->prevID, entry->nextID}) {
        if (link >= fBlockCount) ThrowIfError(kUDFileCorrupt);
    }
    MarkMapAndIndexStale();
    std::vector<dblock_t> const blocks = LayOutEntryBlocks(*entry);
    dblock_t const& head = blocks[0];

    // The entry exists once its head is on disk, and not before: until then
    // its continuations are blocks that no head reaches.  An entry wholly past
    // the counted blocks goes in one call, which block 0 makes whole at once.
    std::vector<dblock_t> continuations(blocks.begin() + 1, blocks.end());
    std::sort(continuations.begin(), continuations.end(),
              [](dblock_t const& a, dblock_t const& b) { return a.number < b.number; });
    bool const allAppended = std::all_of(blocks.begin(), blocks.end(),
                                         [this](dblock_t const& block) { return block.number >= fBlockCountOnDisk; });
    if (allAppended) {
        continuations.push_back(head);
        WriteBlocks(continuations);
    } else {
        WriteBlocks(continuations);
        WriteBlocks({head});
    }

    if (headWritten != nullptr) *headWritten = head;
    RememberWrittenEntry(entry, blocks);
}

// Every block is taken past the last one in use, so the whole group goes out
// in the one write of appended blocks that block 0 then makes part of the
// file: it is held back until then (HoldBackAppendedGroup).
bool ud_t::AppendGroup(std::vector<ud_entry_t>* entries) {
    RequireWriteLock("AppendGroup");
    CacheGuard guard(*this);
    for (ud_entry_t const& entry : *entries) ThrowIfError(CheckStringLimits(entry.strings));
    if (entries->empty() || LowestFreeBlock() < fBlockCount) return false;
    MarkMapAndIndexStale();
    uint32_t const countBefore = fBlockCount;

    std::vector<std::vector<dblock_t>> laidOut;
    for (ud_entry_t const& entry : *entries) laidOut.push_back(LayOutEntryBlocks(entry));
    // Each head links to its neighbours' heads, now that their numbers are known.
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        dblock_t& head = laidOut[i].front();
        head.prevID = i > 0 ? laidOut[i - 1].front().number : 0;
        head.nextID = i + 1 < laidOut.size() ? laidOut[i + 1].front().number : 0;
        (*entries)[i].prevID = head.prevID;
        (*entries)[i].nextID = head.nextID;
    }
    std::vector<dblock_t> all;
    for (std::vector<dblock_t> const& blocks : laidOut) all.insert(all.end(), blocks.begin(), blocks.end());
    if (fBlockImage.IsHeld()) {
        HoldBackAppendedGroup(all, countBefore);
    } else {
        WriteBlocks(all);
    }

    for (std::size_t i = 0; i < entries->size(); ++i) RememberWrittenEntry(&(*entries)[i], laidOut[i]);
    return true;
}

unsigned short ud_t::ReadEntry(uint32_t id, ud_entry_t* entry) {
    std::vector<uint32_t> textBlocks;
    return ReadEntryText(id, entry, &textBlocks);
}

unsigned short ud_t::ReadEntryText(uint32_t id, ud_entry_t* entry, std::vector<uint32_t>* textBlocks) {
    dblock_t head;
    if (unsigned short code = ReadDataBlock(id, &head)) return code;
    if (head.kind != kUDHeadBlock) throw UserDictionaryFileCorrupt(kUDFileName);
    UDFileBlockSource source = Blocks();
    if (unsigned short code = ReadWholeUDEntry(source, head, &entry->strings, textBlocks)) return code;
    entry->batchFreq = head.batchFreq;
    entry->interactiveFreq = head.interactiveFreq;
    entry->id = id;
    entry->prevID = head.prevID;
    entry->nextID = head.nextID;
    return kUDNoError;
}

unsigned short ud_t::UDReadID(uint32_t id, EntryCallback callback, void* data) {
    ud_entry_t entry;
    if (unsigned short code = ReadEntry(id, &entry)) return code;
    callback(entry, data);
    return kUDNoError;
}

dblock_t ud_t::ReadHead(uint32_t id) {
    dblock_t head;
    ThrowIfError(ReadDataBlock(id, &head));
    if (head.kind != kUDHeadBlock) throw UserDictionaryFileCorrupt(kUDFileName);
    return head;
}

uint32_t ud_t::UDGetPrevID(uint32_t id) { return ReadHead(id).prevID; }

uint32_t ud_t::UDGetNextID(uint32_t id) { return ReadHead(id).nextID; }

uint32_t ud_t::FindLeader(uint32_t id) {
    uint32_t current = id;
    for (uint32_t entries = 0; entries < kUDMaxGroupSize; ++entries) {
        uint32_t const previous = UDGetPrevID(current);
        if (previous == 0) return current;
        current = previous;
    }
    ThrowIfError(kUDFileCorrupt);  // a cycle, or a group no writer makes
    return 0;
}

uint32_t ud_t::UDGetInteractiveFreq(uint32_t id) {
    CacheGuard guard(*this);
    return ReadHead(id).interactiveFreq;
}

uint32_t ud_t::UDGetBatchFreq(uint32_t id) {
    CacheGuard guard(*this);
    return ReadHead(id).batchFreq;
}

void ud_t::UDSetInteractiveFreq(uint32_t id, uint32_t frequency) {
    CacheGuard guard(*this);
    WriteHeadWord(id, kHeadInteractiveFreq, frequency);
}

void ud_t::UDSetBatchFreq(uint32_t id, uint32_t frequency) {
    CacheGuard guard(*this);
    WriteHeadWord(id, kHeadBatchFreq, frequency);
}

// A frequency changes no text, map or index: one word of the head is written
// in place, after making sure that the block is a head.
void ud_t::WriteHeadWord(uint32_t id, uint32_t offsetInBlock, uint32_t value) {
    ReadHead(id);
    unsigned char word[4];
    ULONGToBuf(word, value);
    WriteBlockBytes(BlockOffset(id) + offsetInBlock, word, sizeof word);
}

// ---- The sort keys (English, POS string, translation) by entry ID, cached as
// filing an ID in entry order reads the listed entries, so that the next
// filing under the same word compares without reading them again.  A key is
// forgotten as soon as any block its text came from is written.

void ud_t::CacheEntryKey(uint32_t id, UDEntryStrings const& strings, std::vector<uint32_t> const& textBlocks) {
    ForgetEntryHolding(id);
    std::size_t const size = std::max<std::size_t>(fBlockCount, id + 1);
    if (fEntryKeys.size() < size) fEntryKeys.resize(size);
    for (uint32_t block : textBlocks) {
        ForgetEntryHolding(block);
        if (block >= fKeyHolder.size()) fKeyHolder.resize(std::max<std::size_t>(size, block + 1), 0);
        fKeyHolder[block] = id;
    }
    // Each string is cut at its first NUL, as the file lays it out.
    char const* const parts[] = {strings.english.c_str(), strings.pos.c_str(), strings.translation.c_str()};
    std::size_t total = 0;
    for (char const* part : parts) total += std::strlen(part) + 1;
    auto packed = std::make_unique<char[]>(total);
    char* at = packed.get();
    for (char const* part : parts) {
        std::size_t const length = std::strlen(part) + 1;
        std::memcpy(at, part, length);
        at += length;
    }
    fEntryKeys[id] = std::move(packed);
}

void ud_t::ForgetEntryHolding(uint32_t block) {
    if (block >= fKeyHolder.size() || fKeyHolder[block] == 0) return;
    fEntryKeys[fKeyHolder[block]].reset();
    fKeyHolder[block] = 0;
}

unsigned short ud_t::EntryKey(uint32_t id, UDEntryKey* key) {
    if (id >= fEntryKeys.size() || fEntryKeys[id] == nullptr) {
        ud_entry_t entry;
        std::vector<uint32_t> textBlocks;
        if (unsigned short code = ReadEntryText(id, &entry, &textBlocks)) return code;
        CacheEntryKey(id, entry.strings, textBlocks);
    }
    key->english = fEntryKeys[id].get();
    key->pos = key->english + std::strlen(key->english) + 1;
    key->translation = key->pos + std::strlen(key->pos) + 1;
    return kUDNoError;
}
