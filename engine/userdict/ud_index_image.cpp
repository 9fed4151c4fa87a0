#include "engine/userdict/ud_index_image.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

#include "engine/foundation/byte_order.h"
#include "engine/foundation/string_compare.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_file_io.h"

namespace {

constexpr std::size_t kIndexHeaderSize = 8;  // checksum, bucket count

int WordCompare(char const* a, char const* b) {
    return StringCompare_E_Source(reinterpret_cast<unsigned char const*>(a), reinterpret_cast<unsigned char const*>(b));
}

uint64_t TableSize(uint32_t bucketCount) { return 4 * (uint64_t{bucketCount} + 1); }

void AppendUlong(std::vector<unsigned char>* bytes, uint32_t value) {
    unsigned char word[4];
    ULONGToBuf(word, value);
    bytes->insert(bytes->end(), word, word + 4);
}

// The bytes of one bucket's data: per record the word, its NUL, the IDs and a
// 0 word.
void AppendBucketData(std::vector<fword_t> const& records, std::vector<unsigned char>* data) {
    for (fword_t const& record : records) {
        data->insert(data->end(), record.word.begin(), record.word.end());
        data->push_back('\0');
        for (uint32_t id : record.ids) AppendUlong(data, id);
        AppendUlong(data, 0);
    }
}

uint64_t DataStart(uint32_t bucketCount) { return kIndexHeaderSize + TableSize(bucketCount); }

void ThrowIfPast4GiB(uint64_t end) {
    if (end > std::numeric_limits<uint32_t>::max())
        throw std::length_error("the first-word index would end past 4 GiB");
}

// How many leading bytes `old` (of `oldSize`) and `now` have in common.
std::size_t CommonPrefix(unsigned char const* old, std::size_t oldSize, std::vector<unsigned char> const& now) {
    std::size_t const n = std::min(oldSize, now.size());
    return static_cast<std::size_t>(std::mismatch(now.data(), now.data() + n, old).first - now.data());
}

// Replaces bytes [at, at + oldSize) of `bytes` with `with`.
void Splice(std::vector<unsigned char>* bytes, std::size_t at, std::size_t oldSize,
            std::vector<unsigned char> const& with) {
    auto const position = bytes->begin() + static_cast<std::ptrdiff_t>(at);
    if (with.size() > oldSize) {
        bytes->insert(position + static_cast<std::ptrdiff_t>(oldSize), with.size() - oldSize, 0);
    } else if (with.size() < oldSize) {
        bytes->erase(position + static_cast<std::ptrdiff_t>(with.size()),
                     position + static_cast<std::ptrdiff_t>(oldSize));
    }
    std::copy(with.begin(), with.end(), bytes->begin() + static_cast<std::ptrdiff_t>(at));
}

// Parses the records of one bucket, bytes [begin, end) of the image.
class BucketParser {
public:
    BucketParser(unsigned char const* image, uint32_t bucket, uint32_t bucketCount, uint32_t blockCount)
        : fImage(image), fBucket(bucket), fBucketCount(bucketCount), fBlockCount(blockCount) {}

    // Appends the bucket's records to the index.
    bool Parse(std::size_t begin, std::size_t end, UDFirstwordIndex* index) {
        std::size_t at = begin;
        while (at < end) {
            fword_t record;
            if (!ParseWord(&at, end, &record.word) || !ParseIDs(&at, end, &record.ids)) return false;
            auto const& records = index->Bucket(fBucket);
            if (!records.empty() && WordCompare(records.back().word.c_str(), record.word.c_str()) >= 0) return false;
            UDIndexPosition const endOfBucket{fBucket, records.size(), false};
            index->InsertRecord(endOfBucket, std::move(record.word)).ids = std::move(record.ids);
        }
        return true;
    }

private:
    bool ParseWord(std::size_t* at, std::size_t end, std::string* word) const {
        auto const* begin = fImage + *at;
        auto const* nul = static_cast<unsigned char const*>(std::memchr(begin, '\0', end - *at));
        if (nul == nullptr) return false;
        std::size_t const length = static_cast<std::size_t>(nul - begin);
        if (length >= kUDFirstwordTooLong) return false;
        word->assign(reinterpret_cast<char const*>(begin), length);
        if (DHashFunc(word->c_str(), fBucketCount) != fBucket) return false;
        *at += length + 1;
        return true;
    }

    bool ParseIDs(std::size_t* at, std::size_t end, std::vector<uint32_t>* ids) const {
        for (;;) {
            if (end - *at < 4) return false;  // no 0 word before the bucket ends
            uint32_t const id = BufToULONG(fImage + *at);
            *at += 4;
            if (id == 0) return !ids->empty();
            if (id >= fBlockCount) return false;
            ids->push_back(id);
        }
    }

    unsigned char const* fImage;
    uint32_t fBucket;
    uint32_t fBucketCount;
    uint32_t fBlockCount;
};

bool HasDuplicateID(UDFirstwordIndex const& index) {
    std::vector<uint32_t> all;
    for (uint32_t bucket = 0; bucket < index.BucketCount(); ++bucket) {
        for (fword_t const& record : index.Bucket(bucket)) all.insert(all.end(), record.ids.begin(), record.ids.end());
    }
    std::sort(all.begin(), all.end());
    return std::adjacent_find(all.begin(), all.end()) != all.end();
}

}  // namespace

UDFirstwordIndex::UDFirstwordIndex(uint32_t bucketCount) {
    if (bucketCount == 0) throw std::invalid_argument("an index needs at least one bucket");
    fBuckets.resize(bucketCount);
}

UDIndexPosition UDFirstwordIndex::Find(char const* word) const {
    UDIndexPosition position;
    position.bucket = DHashFunc(word, BucketCount());
    auto const& records = fBuckets[position.bucket];
    auto it = std::lower_bound(records.begin(), records.end(), word, [](fword_t const& record, char const* w) {
        return WordCompare(record.word.c_str(), w) < 0;
    });
    position.slot = static_cast<std::size_t>(it - records.begin());
    position.found = it != records.end() && WordCompare(it->word.c_str(), word) == 0;
    return position;
}

fword_t* UDFirstwordIndex::FindFword(char const* word) {
    UDIndexPosition const position = Find(word);
    return position.found ? &Record(position) : nullptr;
}

fword_t& UDFirstwordIndex::Record(UDIndexPosition const& position) { return fBuckets[position.bucket][position.slot]; }

fword_t& UDFirstwordIndex::InsertRecord(UDIndexPosition const& position, std::string word) {
    auto& records = fBuckets[position.bucket];
    auto it = records.insert(records.begin() + static_cast<std::ptrdiff_t>(position.slot), fword_t{});
    it->word = std::move(word);
    return *it;
}

void UDFirstwordIndex::EraseRecord(UDIndexPosition const& position) {
    auto& records = fBuckets[position.bucket];
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(position.slot));
}

uint32_t UDFirstwordIndex::WordCount() const {
    std::size_t count = 0;
    for (auto const& records : fBuckets) count += records.size();
    return static_cast<uint32_t>(count);
}

uint32_t UDFirstwordIndex::EntryCount() const {
    std::size_t count = 0;
    for (auto const& records : fBuckets) {
        for (fword_t const& record : records) count += record.ids.size();
    }
    return static_cast<uint32_t>(count);
}

int CompareUDEntryOrder(UDEntryStrings const& a, UDEntryStrings const& b) {
    return CompareUDEntryOrder(UDEntryKey::Of(a), UDEntryKey::Of(b));
}

int CompareUDEntryOrder(UDEntryKey const& a, UDEntryKey const& b) {
    using Field = char const* UDEntryKey::*;
    static constexpr Field kKeys[] = {&UDEntryKey::english, &UDEntryKey::pos, &UDEntryKey::translation};
    for (Field key : kKeys) {
        if (int order = WordCompare(a.*key, b.*key)) return order;
    }
    for (Field key : kKeys) {
        if (int order = std::strcmp(a.*key, b.*key)) return order;
    }
    return 0;
}

std::vector<unsigned char> EncodeUDIndexImage(UDFirstwordIndex const& index, uint32_t indexOffset) {
    uint32_t const bucketCount = index.BucketCount();
    std::vector<unsigned char> data;
    std::vector<uint64_t> starts;
    starts.reserve(bucketCount + 1);
    uint64_t const dataOffset = uint64_t{indexOffset} + DataStart(bucketCount);
    for (uint32_t bucket = 0; bucket < bucketCount; ++bucket) {
        starts.push_back(dataOffset + data.size());
        AppendBucketData(index.Bucket(bucket), &data);
    }
    starts.push_back(dataOffset + data.size());
    ThrowIfPast4GiB(starts.back());

    std::vector<unsigned char> image;
    image.reserve(static_cast<std::size_t>(starts.back() - indexOffset));
    AppendUlong(&image, 0);  // checksum, filled in below
    AppendUlong(&image, bucketCount);
    for (uint64_t start : starts) AppendUlong(&image, static_cast<uint32_t>(start));
    image.insert(image.end(), data.begin(), data.end());
    ULONGToBuf(image.data(), UDByteSum(image.data() + 4, image.size() - 4));
    return image;
}

void UDIndexImageEncoder::MarkBucketChanged(uint32_t bucket) {
    if (!fHaveImage || bucket >= fIsMarked.size() || fIsMarked[bucket]) return;
    fIsMarked[bucket] = true;
    fChanged.push_back(bucket);
}

void UDIndexImageEncoder::Reset() {
    fHaveImage = false;
    fImage.clear();
    fChanged.clear();
}

std::vector<unsigned char> const& UDIndexImageEncoder::Encode(UDFirstwordIndex const& index, uint32_t indexOffset) {
    try {
        if (!fHaveImage || index.BucketCount() != fBucketSizes.size()) {
            EncodeWhole(index, indexOffset);
            fFirstChanged = 0;
        } else {
            fFirstChangedInData = SpliceChangedBuckets(index);
            fFirstChangedInTable = WriteTable(indexOffset);
            fFirstChanged = indexOffset != fOffset ? 0 : std::min(fFirstChangedInData, fFirstChangedInTable);
            fOffset = indexOffset;
        }
    } catch (...) {
        Reset();  // an image half spliced is no base for the next call
        throw;
    }
    WriteChecksum();
    return fImage;
}

std::vector<UDByteRun> UDIndexImageEncoder::ChangedRuns() const {
    if (fFirstChanged == 0) return {{0, fImage.size()}};
    auto const dataStart = static_cast<std::size_t>(DataStart(static_cast<uint32_t>(fBucketSizes.size())));
    std::vector<UDByteRun> runs;
    if (fFirstChangedInTable < dataStart) runs.push_back({fFirstChangedInTable, dataStart});
    if (fFirstChangedInData < fImage.size()) {
        if (!runs.empty() && runs.back().end == fFirstChangedInData) {
            runs.back().end = fImage.size();
        } else {
            runs.push_back({fFirstChangedInData, fImage.size()});
        }
    }
    return runs;
}

void UDIndexImageEncoder::EncodeWhole(UDFirstwordIndex const& index, uint32_t indexOffset) {
    uint32_t const bucketCount = index.BucketCount();
    fBucketSizes.assign(bucketCount, 0);
    fBucketSums.assign(bucketCount, 0);
    fIsMarked.assign(bucketCount, false);
    fChanged.clear();
    fDataSum = 0;
    fImage.assign(static_cast<std::size_t>(DataStart(bucketCount)), 0);
    ULONGToBuf(fImage.data() + 4, bucketCount);
    std::vector<unsigned char> bucketData;
    for (uint32_t bucket = 0; bucket < bucketCount; ++bucket) {
        bucketData.clear();
        AppendBucketData(index.Bucket(bucket), &bucketData);
        fBucketSizes[bucket] = static_cast<uint32_t>(bucketData.size());
        fBucketSums[bucket] = UDByteSum(bucketData.data(), bucketData.size());
        fDataSum += fBucketSums[bucket];
        fImage.insert(fImage.end(), bucketData.begin(), bucketData.end());
    }
    fOffset = indexOffset;
    fHaveImage = true;
    WriteTable(indexOffset);
}

std::size_t UDIndexImageEncoder::SpliceChangedBuckets(UDFirstwordIndex const& index) {
    uint32_t const bucketCount = static_cast<uint32_t>(fBucketSizes.size());
    std::vector<uint64_t> starts(uint64_t{bucketCount} + 1);
    starts[0] = DataStart(bucketCount);
    for (uint32_t bucket = 0; bucket < bucketCount; ++bucket)
        starts[bucket + 1] = starts[bucket] + fBucketSizes[bucket];

    // From the last changed bucket down, so that splicing one never moves the
    // data of a bucket still to come.
    std::sort(fChanged.begin(), fChanged.end(), std::greater<>());
    std::size_t first = fImage.size();
    std::vector<unsigned char> bucketData;
    for (uint32_t bucket : fChanged) {
        fIsMarked[bucket] = false;
        bucketData.clear();
        AppendBucketData(index.Bucket(bucket), &bucketData);
        auto const at = static_cast<std::size_t>(starts[bucket]);
        std::size_t const oldSize = fBucketSizes[bucket];
        std::size_t const common = CommonPrefix(fImage.data() + at, oldSize, bucketData);
        if (common == oldSize && common == bucketData.size()) continue;
        Splice(&fImage, at, oldSize, bucketData);
        uint32_t const sum = UDByteSum(bucketData.data(), bucketData.size());
        fDataSum += sum - fBucketSums[bucket];
        fBucketSums[bucket] = sum;
        fBucketSizes[bucket] = static_cast<uint32_t>(bucketData.size());
        first = std::min(first, at + common);
    }
    fChanged.clear();
    return first;
}

std::size_t UDIndexImageEncoder::WriteTable(uint32_t indexOffset) {
    uint32_t const bucketCount = static_cast<uint32_t>(fBucketSizes.size());
    uint64_t start = uint64_t{indexOffset} + DataStart(bucketCount);
    uint64_t end = start;
    for (uint32_t size : fBucketSizes) end += size;
    ThrowIfPast4GiB(end);

    std::size_t first = fImage.size();
    unsigned char* table = fImage.data() + kIndexHeaderSize;
    for (uint32_t i = 0; i <= bucketCount; ++i) {
        unsigned char* word = table + 4 * std::size_t{i};
        if (BufToULONG(word) != start) {
            ULONGToBuf(word, static_cast<uint32_t>(start));
            first = std::min(first, kIndexHeaderSize + 4 * std::size_t{i});
        }
        if (i < bucketCount) start += fBucketSizes[i];
    }
    return first;
}

void UDIndexImageEncoder::WriteChecksum() {
    std::size_t const tableSize = static_cast<std::size_t>(TableSize(static_cast<uint32_t>(fBucketSizes.size())));
    uint32_t const sum = UDByteSum(fImage.data() + 4, 4 + tableSize) + fDataSum;
    ULONGToBuf(fImage.data(), sum);
}

unsigned short DecodeUDIndexImage(unsigned char const* image, std::size_t available, uint32_t indexOffset,
                                  uint32_t blockCount, UDFirstwordIndex* index, UDChecksums* checksums) {
    if (checksums != nullptr) *checksums = UDChecksums{};
    if (available < kIndexHeaderSize) return kUDMapOrIndexInvalid;
    uint32_t const bucketCount = BufToULONG(image + 4);
    if (bucketCount == 0) return kUDMapOrIndexInvalid;
    uint64_t const tableEnd = kIndexHeaderSize + TableSize(bucketCount);  // relative to the index
    if (available < tableEnd) return kUDMapOrIndexInvalid;

    // Table words relative to the index; the first must be right behind the
    // table, each no less than the one before, the last within the file.
    std::vector<uint64_t> starts(uint64_t{bucketCount} + 1);
    for (uint32_t i = 0; i <= bucketCount; ++i) {
        uint32_t const word = BufToULONG(image + kIndexHeaderSize + 4 * uint64_t{i});
        if (word < indexOffset) return kUDMapOrIndexInvalid;
        starts[i] = word - indexOffset;
        if (i == 0 ? starts[i] != tableEnd : starts[i] < starts[i - 1]) return kUDMapOrIndexInvalid;
    }
    uint64_t const end = starts[bucketCount];
    if (end > available) return kUDMapOrIndexInvalid;

    uint32_t const stored = BufToULONG(image);
    uint32_t const computed = UDByteSum(image + 4, static_cast<std::size_t>(end - 4));
    if (checksums != nullptr) *checksums = UDChecksums{true, stored, computed};
    if (stored != computed) return kUDMapOrIndexInvalid;

    UDFirstwordIndex decoded(bucketCount);
    for (uint32_t bucket = 0; bucket < bucketCount; ++bucket) {
        BucketParser parser(image, bucket, bucketCount, blockCount);
        if (!parser.Parse(static_cast<std::size_t>(starts[bucket]), static_cast<std::size_t>(starts[bucket + 1]),
                          &decoded)) {
            return kUDMapOrIndexInvalid;
        }
    }
    if (HasDuplicateID(decoded)) return kUDMapOrIndexInvalid;
    *index = std::move(decoded);
    return kUDNoError;
}

unsigned short ReadUDIndex(int fd, uint64_t fileSize, uint32_t indexOffset, uint32_t blockCount,
                           UDFirstwordIndex* index, UDChecksums* checksums) {
    if (checksums != nullptr) *checksums = UDChecksums{};
    if (indexOffset == 0 || fileSize < indexOffset) return kUDMapOrIndexInvalid;
    uint64_t const available = fileSize - indexOffset;
    if (available < kIndexHeaderSize) return kUDMapOrIndexInvalid;

    // Learn the index's length from its last table word before reading it whole.
    uint32_t const bucketCount = UDReadUlongAt(fd, uint64_t{indexOffset} + 4);
    if (bucketCount == 0 || available < kIndexHeaderSize + TableSize(bucketCount)) return kUDMapOrIndexInvalid;
    uint32_t const last = UDReadUlongAt(fd, uint64_t{indexOffset} + kIndexHeaderSize + 4 * uint64_t{bucketCount});
    if (last < indexOffset || last - indexOffset > available) return kUDMapOrIndexInvalid;
    uint64_t const size = std::max<uint64_t>(last - indexOffset, kIndexHeaderSize + TableSize(bucketCount));

    std::vector<unsigned char> image(static_cast<std::size_t>(size));
    UDReadAt(fd, indexOffset, image.data(), image.size());
    return DecodeUDIndexImage(image.data(), image.size(), indexOffset, blockCount, index, checksums);
}
