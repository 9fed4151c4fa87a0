#include "engine/userdict/ud_t_survey.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/string_compare.h"
#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_map_image.h"

namespace {

// No sound entry has more continuations than its seven strings, each as long
// as a reader takes, can fill; a longer chain is broken.
constexpr std::size_t kMaxContinuations = 7 * kUDStringReadLimit / kUDContinuationTextSize + 1;

int WordCompare(std::string const& a, std::string const& b) {
    return StringCompare_E_Source(reinterpret_cast<unsigned char const*>(a.c_str()),
                                  reinterpret_cast<unsigned char const*>(b.c_str()));
}

// Serves the blocks that decode to the entry reader, from the area's bytes.
class SurveyedBlockSource : public UDBlockSource {
public:
    SurveyedBlockSource(unsigned char const* blockArea, std::vector<bool> const& readable)
        : fBlockArea(blockArea), fReadable(readable) {}

    uint32_t BlockCount() const override { return static_cast<uint32_t>(fReadable.size()); }

    unsigned short ReadBlock(uint32_t n, dblock_t* block) override {
        if (n == 0 || n >= fReadable.size() || !fReadable[n]) return kUDFileCorrupt;
        block->number = n;
        return DecodeUDBlock(fBlockArea + std::size_t{n} * kUDBlockSize, BlockCount(), block);
    }

private:
    unsigned char const* fBlockArea;
    std::vector<bool> const& fReadable;
};

}  // namespace

unsigned short ReadWholeUDEntry(UDBlockSource& source, dblock_t const& head, UDEntryStrings* strings,
                                std::vector<uint32_t>* blocks) {
    UDEntryStrings read;
    if (unsigned short code = ReadUDEntryText(source, head, &read)) return code;
    std::vector<uint32_t> chain;
    if (unsigned short code = WalkUDEntryChain(source, head, &chain)) return code;
    if (chain.size() != LayOutUDEntryText(read).continuations.size()) return kUDFileCorrupt;
    *strings = std::move(read);
    blocks->assign(1, head.number);
    blocks->insert(blocks->end(), chain.begin(), chain.end());
    return kUDNoError;
}

UDBlockSurvey::UDBlockSurvey(unsigned char const* blockArea, uint32_t blockCount)
    : fBlocks(blockCount), fStates(blockCount, State::kUnreadable), fReached(blockCount, false) {
    DecodeBlocks(blockArea);
    WalkChains();
    ReadEntries(blockArea);
}

void UDBlockSurvey::DecodeBlocks(unsigned char const* blockArea) {
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        dblock_t block;
        unsigned char const* bytes = blockArea + std::size_t{n} * kUDBlockSize;
        if (DecodeUDBlock(bytes, BlockCount(), &block) != kUDNoError) {
            fAllChainsWhole = false;  // whatever it held may have been a link of a chain
            if ((BufToULONG(bytes) & 0xF) == kUDHeadBlock) fSkippedHeads.push_back(n);
            continue;
        }
        fBlocks[n] = {n, block.link, block.prevID, block.nextID};
        switch (block.kind) {
            case kUDFreeBlock:
                fStates[n] = State::kFree;
                break;
            case kUDHeadBlock:
                fStates[n] = State::kHead;
                break;
            case kUDContinuationBlock:
                fStates[n] = State::kContinuation;
                break;
        }
    }
}

void UDBlockSurvey::WalkChains() {
    // The head whose walk last met each block: meeting a block twice in one
    // walk is a cycle.
    std::vector<uint32_t> metBy(BlockCount(), 0);
    for (uint32_t head = 1; head < BlockCount(); ++head) {
        if (fStates[head] != State::kHead) continue;
        metBy[head] = head;
        uint32_t next = fBlocks[head].link;
        for (std::size_t steps = 0; next != 0; ++steps) {
            if (fStates[next] != State::kContinuation || metBy[next] == head || steps == kMaxContinuations) {
                fAllChainsWhole = false;
                break;
            }
            metBy[next] = head;
            fReached[next] = true;
            next = fBlocks[next].link;
        }
    }
}

void UDBlockSurvey::ReadEntries(unsigned char const* blockArea) {
    std::vector<bool> readable(BlockCount(), false);
    for (uint32_t n = 1; n < BlockCount(); ++n) readable[n] = fStates[n] != State::kUnreadable;
    SurveyedBlockSource source(blockArea, readable);
    fEntries.reserve(static_cast<std::size_t>(std::count(fStates.begin(), fStates.end(), State::kHead)));
    std::vector<uint32_t> blocks;
    for (uint32_t head = 1; head < BlockCount(); ++head) {
        if (fStates[head] != State::kHead) continue;
        UDEntryStrings strings;
        dblock_t headBlock;
        unsigned short code = source.ReadBlock(head, &headBlock);
        if (code == kUDNoError) code = ReadWholeUDEntry(source, headBlock, &strings, &blocks);
        char firstWord[kUDFirstwordBufferSize];
        if (code == kUDNoError) UDFwStrncpy(firstWord, strings.english.c_str(), kUDFirstwordLength);
        // An entry whose text breaks off may have lost the links to its
        // last blocks: no block is then taken for an orphan.
        if (code != kUDNoError) fAllChainsWhole = false;
        if (code != kUDNoError || std::strlen(firstWord) >= kUDFirstwordTooLong) {
            fSkippedHeads.push_back(head);
            continue;
        }
        Entry entry;
        entry.id = head;
        entry.key.english = std::move(strings.english);
        entry.key.pos = std::move(strings.pos);
        entry.key.translation = std::move(strings.translation);
        entry.firstWord = firstWord;
        fEntries.push_back(std::move(entry));
    }
    std::sort(fSkippedHeads.begin(), fSkippedHeads.end());
}

bool UDBlockSurvey::ShouldBeFree(uint32_t block) const {
    if (block == 0 || block >= BlockCount()) return false;
    if (fStates[block] == State::kFree) return true;
    return fStates[block] == State::kContinuation && !fReached[block] && fAllChainsWhole;
}

std::vector<uint32_t> UDBlockSurvey::OrphanContinuations() const {
    std::vector<uint32_t> orphans;
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (fStates[n] == State::kContinuation && ShouldBeFree(n)) orphans.push_back(n);
    }
    return orphans;
}

std::vector<unsigned char> UDBlockSurvey::BuildBitmap() const {
    std::vector<unsigned char> bitmap(UDMapBitmapSize(BlockCount()), 0xFF);
    for (uint32_t n = 0; n < BlockCount(); ++n) UDMapSetFree(&bitmap, n, ShouldBeFree(n));
    return bitmap;
}

bool UDBlockSurvey::MapAgrees(std::vector<unsigned char> const& bitmap) const {
    if (bitmap.size() < UDMapBitmapSize(BlockCount())) return false;
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (UDMapIsFree(bitmap, n) != ShouldBeFree(n)) return false;
    }
    return true;
}

UDFirstwordIndex UDBlockSurvey::BuildIndex(uint32_t bucketCount) const {
    struct Filing {
        uint32_t bucket;
        Entry const* entry;
    };
    std::vector<Filing> filings;
    filings.reserve(fEntries.size());
    for (Entry const& entry : fEntries) filings.push_back({DHashFunc(entry.firstWord.c_str(), bucketCount), &entry});
    // Inserting one by one in ascending ID puts an entry before the equal ones
    // already listed: among equals, the higher ID comes first.
    std::sort(filings.begin(), filings.end(), [](Filing const& a, Filing const& b) {
        if (a.bucket != b.bucket) return a.bucket < b.bucket;
        if (int order = WordCompare(a.entry->firstWord, b.entry->firstWord)) return order < 0;
        if (int order = CompareUDEntryOrder(a.entry->key, b.entry->key)) return order < 0;
        return a.entry->id > b.entry->id;
    });

    UDFirstwordIndex index(bucketCount);
    for (Filing const& filing : filings) {
        auto const& records = index.Bucket(filing.bucket);
        UDIndexPosition const end{filing.bucket, records.size(), false};
        if (!records.empty() && WordCompare(records.back().word, filing.entry->firstWord) == 0) {
            index.Record({filing.bucket, records.size() - 1, true}).ids.push_back(filing.entry->id);
        } else {
            index.InsertRecord(end, filing.entry->firstWord).ids.push_back(filing.entry->id);
        }
    }
    return index;
}

bool UDBlockSurvey::IndexAgrees(UDFirstwordIndex const& index) const {
    std::vector<Entry const*> entryOf(BlockCount(), nullptr);
    for (Entry const& entry : fEntries) entryOf[entry.id] = &entry;
    std::size_t listed = 0;
    for (uint32_t bucket = 0; bucket < index.BucketCount(); ++bucket) {
        for (fword_t const& record : index.Bucket(bucket)) {
            Entry const* previous = nullptr;
            for (uint32_t id : record.ids) {
                Entry const* entry = id < BlockCount() ? entryOf[id] : nullptr;
                if (entry == nullptr || entry->firstWord != record.word) return false;
                if (previous != nullptr && CompareUDEntryOrder(previous->key, entry->key) > 0) return false;
                previous = entry;
                ++listed;
            }
        }
    }
    return listed == fEntries.size();
}

std::vector<UDGroupLinks> UDBlockSurvey::RepairGroups() {
    std::vector<bool> changed(BlockCount(), false);
    CutLinksToNonHeads(&changed);
    PairLinks(&changed);
    LimitGroups(&changed);
    std::vector<UDGroupLinks> repairs;
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (changed[n]) repairs.push_back({n, fBlocks[n].prevID, fBlocks[n].nextID});
    }
    return repairs;
}

std::vector<uint32_t> UDBlockSurvey::MissingEntries() const {
    std::vector<uint32_t> missing = fSkippedHeads;
    missing.insert(missing.end(), fLinkedNonHeads.begin(), fLinkedNonHeads.end());
    std::sort(missing.begin(), missing.end());
    missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
    return missing;
}

void UDBlockSurvey::CutLinksToNonHeads(std::vector<bool>* changed) {
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (!IsHead(n)) continue;
        BlockLinks& head = fBlocks[n];
        for (uint32_t* link : {&head.prevID, &head.nextID}) {
            if (*link != 0 && (*link == n || !IsHead(*link))) {
                if (*link != n) fLinkedNonHeads.push_back(*link);
                *link = 0;
                (*changed)[n] = true;
            }
        }
    }
}

void UDBlockSurvey::PairLinks(std::vector<bool>* changed) {
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (!IsHead(n) || fBlocks[n].prevID == 0) continue;
        BlockLinks& previous = fBlocks[fBlocks[n].prevID];
        if (previous.nextID == n) continue;
        if (previous.nextID == 0 || fBlocks[previous.nextID].prevID != previous.number) {
            previous.nextID = n;  // the write of this link was lost
            (*changed)[previous.number] = true;
        } else {
            fBlocks[n].prevID = 0;  // the previous entry has another next entry
            (*changed)[n] = true;
        }
    }
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (!IsHead(n) || fBlocks[n].nextID == 0 || fBlocks[fBlocks[n].nextID].prevID == n) continue;
        fBlocks[n].nextID = 0;
        (*changed)[n] = true;
    }
}

void UDBlockSurvey::LimitGroups(std::vector<bool>* changed) {
    // The links pair up now, so following next IDs from a leader meets each
    // entry of its group once; what no leader reaches lies on cycles.
    std::vector<bool> met(BlockCount(), false);
    auto walkGroup = [&](uint32_t leader) {
        std::vector<uint32_t> leaders{leader};
        while (!leaders.empty()) {
            uint32_t n = leaders.back();
            leaders.pop_back();
            met[n] = true;
            for (uint32_t size = 1; fBlocks[n].nextID != 0; ++size) {
                uint32_t const next = fBlocks[n].nextID;
                if (size == kUDMaxGroupSize) {
                    fBlocks[n].nextID = 0;
                    fBlocks[next].prevID = 0;
                    (*changed)[n] = (*changed)[next] = true;
                    leaders.push_back(next);
                    break;
                }
                met[next] = true;
                n = next;
            }
        }
    };
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (IsHead(n) && fBlocks[n].prevID == 0 && !met[n]) walkGroup(n);
    }
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (!IsHead(n) || met[n]) continue;
        fBlocks[fBlocks[n].prevID].nextID = 0;
        (*changed)[fBlocks[n].prevID] = true;
        fBlocks[n].prevID = 0;
        (*changed)[n] = true;
        walkGroup(n);
    }
}

uint32_t UDBlockSurvey::GroupCount() const {
    uint32_t groups = 0;
    for (uint32_t n = 1; n < BlockCount(); ++n) {
        if (IsHead(n) && fBlocks[n].prevID == 0) ++groups;
    }
    return groups;
}
