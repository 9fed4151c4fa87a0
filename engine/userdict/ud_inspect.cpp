#include "engine/userdict/ud_inspect.h"

#include <map>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_entry_text.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_index_image.h"

namespace {

// An entry group has at most five forms, so its leader is at most four
// previous IDs away.
constexpr int kMaxGroupSize = 5;

// Every data block read once, then served from memory to the entry readers.
class SurveyedBlocks : public UDBlockSource {
public:
    SurveyedBlocks(int fd, UDFileBasics const& basics)
        : fBlocks(basics.blockCount), fCodes(basics.blockCount, kUDFileCorrupt) {
        UDFileBlockSource file(fd, basics.header.blockAreaOffset, basics.blockCount);
        for (uint32_t n = 1; n < basics.blockCount; ++n) fCodes[n] = file.ReadBlock(n, &fBlocks[n]);
    }

    uint32_t BlockCount() const override { return static_cast<uint32_t>(fBlocks.size()); }

    unsigned short ReadBlock(uint32_t n, dblock_t* block) override {
        if (n >= fBlocks.size() || fCodes[n] != kUDNoError) return kUDFileCorrupt;
        *block = fBlocks[n];
        return kUDNoError;
    }

    bool IsReadable(uint32_t n) const { return n < fBlocks.size() && fCodes[n] == kUDNoError; }
    bool IsHead(uint32_t n) const { return IsReadable(n) && fBlocks[n].kind == kUDHeadBlock; }
    dblock_t const& Block(uint32_t n) const { return fBlocks[n]; }

private:
    std::vector<dblock_t> fBlocks;
    std::vector<unsigned short> fCodes;
};

std::string Quoted(std::string const& text) { return "\"" + text + "\""; }

class Inspector {
public:
    Inspector(int fd, UDInspection* result) : fFd(fd), fResult(*result) {}

    void Run() {
        if (UDFileSize(fFd) == 0) {
            fResult.state = UDFileState::kEmpty;
            return;
        }
        try {
            fResult.openCode = ReadUDFileBasics(fFd, &fResult.basics);
        } catch (NotAUserDictionaryFile const&) {
            fResult.state = UDFileState::kNotAUserDictionary;
            return;
        }
        if (fResult.openCode != kUDNoError) {
            fResult.state = UDFileState::kUnopenable;
            return;
        }
        fResult.state = UDFileState::kOpened;
        CheckHeader();
        SurveyedBlocks blocks(fFd, fResult.basics);
        ReadMapAndIndex();
        CountBlocks(blocks);
        ReadEntries(blocks);
        CheckGroups(blocks);
        CheckGroupFields(blocks);
        if (fResult.mapCode == kUDNoError) CheckMap(blocks);
        if (fResult.indexCode == kUDNoError) CheckIndex(blocks);
    }

private:
    void Problem(std::string text) {
        if (fResult.problems.size() < UDInspection::kMaxProblemTexts) fResult.problems.push_back(std::move(text));
        ++fResult.problemCount;
    }

    // The words a writer always writes the same, and regions that do not
    // overlap: header, description, block area.
    void CheckHeader() {
        unsigned char header[kUDHeaderSize];
        UDReadAt(fFd, 0, header, sizeof header);
        if (BufToULONG(header + kUDHeaderConstantOne) != 1) Problem("header: word 28 is not 1");
        if (BufToULONG(header + kUDHeaderConstantZero) != 0) Problem("header: word 32 is not 0");
        for (std::size_t i = kUDHeaderChangeCount + 4; i < sizeof header; ++i) {
            if (header[i] != 0) {
                Problem("header: byte " + std::to_string(i) + " is not 0");
                break;
            }
        }
        UDHeader const& h = fResult.basics.header;
        uint64_t const description = h.descriptionOffset;
        uint64_t const blocksStart = h.blockAreaOffset;
        uint64_t const blocksEnd = blocksStart + uint64_t{kUDBlockSize} * fResult.basics.blockCount;
        if (description < kUDHeaderSize) {
            Problem("header: the description at " + std::to_string(description) + " overlaps the header");
        } else if (description < blocksEnd && blocksStart < description + kUDDescriptionSize) {
            Problem("header: the description at " + std::to_string(description) + " overlaps the blocks");
        }
        if (blocksStart < kUDHeaderSize)
            Problem("header: the blocks at " + std::to_string(blocksStart) + " overlap the header");
    }

    void ReadMapAndIndex() {
        UDFileBasics const& basics = fResult.basics;
        fResult.mapCode = ReadUDMap(fFd, basics.fileSize, basics.header.mapOffset, basics.blockCount, &fBitmap,
                                    &fResult.mapChecksums);
        fResult.indexCode = ReadUDIndex(fFd, basics.fileSize, basics.header.indexOffset, basics.blockCount, &fIndex,
                                        &fResult.indexChecksums);
        if (fResult.indexCode == kUDNoError) {
            fResult.bucketCount = fIndex.BucketCount();
            fResult.indexedWords = fIndex.WordCount();
            fResult.indexedEntries = fIndex.EntryCount();
        }
    }

    void CountBlocks(SurveyedBlocks const& blocks) {
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (!blocks.IsReadable(n)) {
                ++fResult.badBlocks;
                fResult.blocksCode = kUDFileCorrupt;
                Problem("block " + std::to_string(n) + ": unknown kind, or a link or ID outside the file");
                continue;
            }
            switch (blocks.Block(n).kind) {
                case kUDFreeBlock:
                    ++fResult.freeBlocks;
                    break;
                case kUDHeadBlock:
                    ++fResult.headBlocks;
                    break;
                case kUDContinuationBlock:
                    ++fResult.continuationBlocks;
                    break;
            }
        }
    }

    // Reads every entry's text and walks its chain; each continuation must
    // belong to exactly one entry.
    void ReadEntries(SurveyedBlocks& blocks) {
        std::vector<uint32_t> owner(blocks.BlockCount(), 0);
        bool everyChainWalked = true;
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (!blocks.IsHead(n)) continue;
            UDEntryStrings strings;
            if (ReadUDEntryText(blocks, blocks.Block(n), &strings) == kUDNoError) {
                fEntries.emplace(n, std::move(strings));
            } else {
                fResult.blocksCode = kUDFileCorrupt;
                Problem("entry " + std::to_string(n) + ": its text cannot be read");
            }
            std::vector<uint32_t> chain;
            if (WalkUDEntryChain(blocks, blocks.Block(n), &chain) != kUDNoError) {
                fResult.blocksCode = kUDFileCorrupt;
                everyChainWalked = false;
                Problem("entry " + std::to_string(n) + ": its block chain is broken");
                continue;
            }
            for (uint32_t block : chain) {
                if (owner[block] != 0) {
                    Problem("block " + std::to_string(block) + ": continuation of entries " +
                            std::to_string(owner[block]) + " and " + std::to_string(n));
                }
                owner[block] = n;
            }
        }
        if (!everyChainWalked) return;  // a broken chain leaves its blocks unowned
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (blocks.IsReadable(n) && blocks.Block(n).kind == kUDContinuationBlock && owner[n] == 0) {
                Problem("block " + std::to_string(n) + ": continuation of no entry");
            }
        }
    }

    // Previous and next IDs must pair up, and every entry must reach its
    // group's leader.
    void CheckGroups(SurveyedBlocks const& blocks) {
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (!blocks.IsHead(n)) continue;
            dblock_t const& head = blocks.Block(n);
            std::string const entry = "entry " + std::to_string(n);
            if (head.prevID == 0) ++fResult.groups;
            if (head.nextID != 0 && (!blocks.IsHead(head.nextID) || blocks.Block(head.nextID).prevID != n)) {
                Problem(entry + ": its next entry " + std::to_string(head.nextID) + " does not point back");
            }
            if (head.prevID != 0 && (!blocks.IsHead(head.prevID) || blocks.Block(head.prevID).nextID != n)) {
                Problem(entry + ": its previous entry " + std::to_string(head.prevID) + " does not point back");
            }
            if (!ReachesLeader(blocks, n)) {
                Problem(entry + ": no group leader within " + std::to_string(kMaxGroupSize) + " entries");
            }
        }
        if (fResult.groups != fResult.basics.header.groupCount) {
            Problem("the header counts " + std::to_string(fResult.basics.header.groupCount) +
                    " groups, the entries form " + std::to_string(fResult.groups));
        }
    }

    // The entries of a group are the forms of one word: one kind of group,
    // each form once and in order, and the same translation, answer, flags
    // and particle throughout.
    void CheckGroupFields(SurveyedBlocks const& blocks) {
        for (uint32_t leader = 1; leader < blocks.BlockCount(); ++leader) {
            if (!blocks.IsHead(leader) || blocks.Block(leader).prevID != 0) continue;
            auto const first = fEntries.find(leader);
            if (first == fEntries.end()) continue;  // unreadable, reported already
            UDEntryStrings const& lead = first->second;
            std::string const group = "group " + std::to_string(leader) + " (" + Quoted(lead.english) + ")";
            uint32_t kind = 0, variant = 0, form = 0;
            if (!ParseUDPOSString(lead.pos.c_str(), &kind, &variant, &form)) {
                Problem(group + ": part of speech " + Quoted(lead.pos) + " is none of the format's");
                continue;
            }
            uint32_t lastForm = form;
            uint32_t n = blocks.Block(leader).nextID;
            for (uint32_t members = 1; n != 0 && blocks.IsHead(n) && members < kMaxGroupSize; ++members) {
                auto const entry = fEntries.find(n);
                if (entry == fEntries.end()) break;
                CheckMember(group, n, lead, kind, variant, &lastForm, entry->second);
                n = blocks.Block(n).nextID;
            }
        }
    }

    void CheckMember(std::string const& group, uint32_t id, UDEntryStrings const& lead, uint32_t kind, uint32_t variant,
                     uint32_t* lastForm, UDEntryStrings const& member) {
        std::string const where = group + ": entry " + std::to_string(id);
        uint32_t memberKind = 0, memberVariant = 0, memberForm = 0;
        if (!ParseUDPOSString(member.pos.c_str(), &memberKind, &memberVariant, &memberForm) || memberKind != kind ||
            memberVariant != variant) {
            Problem(where + ": part of speech " + Quoted(member.pos) + " is not of the group's kind");
        } else if (memberForm <= *lastForm) {
            Problem(where + ": form " + Quoted(member.pos) + " repeated or out of order");
        }
        *lastForm = memberForm;
        struct Field {
            char const* name;
            std::string const UDEntryStrings::*member;
        };
        static Field const kShared[] = {{"translation", &UDEntryStrings::translation},
                                        {"inflection answer", &UDEntryStrings::answer},
                                        {"flags", &UDEntryStrings::flags},
                                        {"particle", &UDEntryStrings::particle}};
        for (Field const& field : kShared) {
            if (member.*field.member != lead.*field.member)
                Problem(where + ": its " + field.name + " differs from the leader's");
        }
    }

    static bool ReachesLeader(SurveyedBlocks const& blocks, uint32_t n) {
        for (int step = 0; step < kMaxGroupSize; ++step) {
            if (!blocks.IsHead(n)) return false;
            n = blocks.Block(n).prevID;
            if (n == 0) return true;
        }
        return false;
    }

    void CheckMap(SurveyedBlocks const& blocks) {
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (!blocks.IsReadable(n)) continue;
            bool const isFree = blocks.Block(n).kind == kUDFreeBlock;
            if (UDMapIsFree(fBitmap, n) != isFree) {
                Problem("map: block " + std::to_string(n) +
                        (isFree ? " is free but marked in use" : " is in use but marked free"));
            }
        }
    }

    // Every ID must name an entry filed under its first word in entry order,
    // and every entry must be listed (the decoder already refused an ID listed
    // twice).
    void CheckIndex(SurveyedBlocks const& blocks) {
        std::vector<bool> indexed(blocks.BlockCount(), false);
        for (uint32_t bucket = 0; bucket < fIndex.BucketCount(); ++bucket) {
            for (fword_t const& record : fIndex.Bucket(bucket)) CheckRecord(blocks, record, &indexed);
        }
        for (uint32_t n = 1; n < blocks.BlockCount(); ++n) {
            if (blocks.IsHead(n) && !indexed[n]) Problem("index: entry " + std::to_string(n) + " is not listed");
        }
    }

    void CheckRecord(SurveyedBlocks const& blocks, fword_t const& record, std::vector<bool>* indexed) {
        std::string const where = "index: " + Quoted(record.word) + " lists ";
        UDEntryStrings const* previous = nullptr;
        for (uint32_t id : record.ids) {
            if (!blocks.IsHead(id)) {
                Problem(where + "block " + std::to_string(id) + ", which is not an entry");
                continue;
            }
            (*indexed)[id] = true;
            auto entry = fEntries.find(id);
            if (entry == fEntries.end()) continue;  // unreadable, reported already
            char firstWord[kUDFirstwordBufferSize];
            UDFwStrncpy(firstWord, entry->second.english.c_str(), kUDFirstwordLength);
            UDIndexPosition const filed = fIndex.Find(firstWord);
            if (!filed.found || &fIndex.Record(filed) != &record) {
                Problem(where + "entry " + std::to_string(id) + ", whose first word is " + Quoted(firstWord));
            }
            if (previous != nullptr && CompareUDEntryOrder(*previous, entry->second) > 0) {
                Problem(where + "entry " + std::to_string(id) + " out of entry order");
            }
            previous = &entry->second;
        }
    }

    int fFd;
    UDInspection& fResult;
    std::vector<unsigned char> fBitmap;
    UDFirstwordIndex fIndex;
    std::map<uint32_t, UDEntryStrings> fEntries;
};

}  // namespace

bool UDInspection::Verified() const {
    return state == UDFileState::kOpened && mapCode == kUDNoError && indexCode == kUDNoError &&
           blocksCode == kUDNoError && problemCount == 0;
}

UDInspection InspectUDFile(int fd) {
    UDInspection result;
    Inspector(fd, &result).Run();
    return result;
}
