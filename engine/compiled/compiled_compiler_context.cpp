#include "engine/compiled/compiled_compiler_context.h"

#include <algorithm>

CompileContext::CompileContext(Dictionary_EX const& source, CompiledFormatTraits const& traits, bool wideFeatures,
                               Stats* stats)
    : fSource(source), fTraits(traits), fWideFeatures(wideFeatures), fStats(stats), fImage(traits.headerSize, 0) {}

uint32_t CompileContext::WriteBLOB(Bytes const& bytes) {
    auto const length = static_cast<uint32_t>(bytes.size());
    Count(Stats::kItemBytesAsked, length);
    std::string key(bytes.begin(), bytes.end());
    auto found = fItems.find(key);
    if (found != fItems.end()) {
        Count(Stats::kItemsReused);
        Count(Stats::kItemBytesSaved, length);
        return found->second;
    }
    uint32_t const offset = WriteBlock(bytes);
    fItems.emplace(std::move(key), offset);
    Count(Stats::kItemsWritten);
    return offset;
}

uint32_t CompileContext::WriteBlock(Bytes const& bytes) {
    uint32_t const offset = Reserve(bytes.size());
    std::copy(bytes.begin(), bytes.end(), fImage.begin() + offset);
    return offset;
}

uint32_t CompileContext::Reserve(std::size_t size) {
    uint32_t const offset = Offset();
    // Past this the offsets no longer fit their 25 bits.
    if (fImage.size() + size >= kOff25Limit)
        ThrowCorruptDictionary("compiled dictionary: the file would reach 2^25 bytes");
    fImage.resize(fImage.size() + size, 0);
    return offset;
}

void CompileContext::Patch(uint32_t offset, Bytes const& bytes) {
    std::copy(bytes.begin(), bytes.end(), fImage.begin() + offset);
}

std::optional<uint32_t> CompileContext::FindEntry(Entry_EX const& entry) const {
    auto found = fEntriesByHeadword.find(entry.GetSrcText());
    if (found == fEntriesByHeadword.end()) return std::nullopt;
    for (std::size_t index : found->second) {
        if (fEntryList[index].first == entry) return fEntryList[index].second;
    }
    return std::nullopt;
}

void CompileContext::AddEntry(Entry_EX const& entry, uint32_t offset) {
    fEntriesByHeadword[entry.GetSrcText()].push_back(fEntryList.size());
    fEntryList.emplace_back(entry, offset);
}

void CompileContext::AddFinePOS(FinePOS_EX const& finePOS, uint32_t entryOffset, PendingFinePOS pending) {
    fFinePOSes[{entryOffset, finePOS.GetCookie()}] = pending.offset;
    fPending.push_back(std::move(pending));
}

std::optional<uint32_t> CompileContext::FindFinePOS(FinePOS_EX const& finePOS) const {
    std::optional<uint32_t> const entry = FindEntry(finePOS.GetEntry());
    if (!entry) return std::nullopt;
    auto found = fFinePOSes.find({*entry, finePOS.GetCookie()});
    if (found == fFinePOSes.end()) return std::nullopt;
    return found->second;
}
