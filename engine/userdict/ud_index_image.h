#pragma once
// The first-word index: from the first word of each entry's English to the
// IDs of the entries that begin with it.
//
// In memory it is B buckets (DHashFunc of the word); each bucket holds its
// records in ascending StringCompare_E_Source order of their words, and each
// record its IDs in entry order (CompareUDEntryOrder).  The open file object
// keeps one of these as its live index.
//
// On disk, right behind the block map:
//   +0 checksum (byte sum of everything from +4 to the end of the index data)
//   +4 bucket count B
//   +8 bucket table: B + 1 absolute offsets; word i starts bucket i's data,
//      word B is the end of the index data
//   then the bucket data: per record the word and its NUL, the IDs, a 0 word.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/userdict/ud_entry_text.h"
#include "engine/userdict/ud_format.h"
#include "engine/userdict/ud_map_image.h"

// One first word and the IDs of its entries, in entry order.
struct fword_t {
    std::string word;  // upper-cased first word, under 80 bytes
    std::vector<uint32_t> ids;
};

// Where a word is, or would go, in the index.
struct UDIndexPosition {
    uint32_t bucket = 0;
    std::size_t slot = 0;  // the word's record, or where it would be inserted
    bool found = false;
};

class UDFirstwordIndex {
public:
    // An empty index; bucketCount must not be 0 (std::invalid_argument).
    explicit UDFirstwordIndex(uint32_t bucketCount = kUDBucketCount);

    uint32_t BucketCount() const { return static_cast<uint32_t>(fBuckets.size()); }
    std::vector<fword_t> const& Bucket(uint32_t bucket) const { return fBuckets[bucket]; }

    // The bucket of the word, and its record or insert point there (binary
    // search; ASCII case is ignored as StringCompare_E_Source ignores it).
    UDIndexPosition Find(char const* word) const;
    // The record of the word, or null.
    fword_t* FindFword(char const* word);

    // The record at a position Find reported as found.
    fword_t& Record(UDIndexPosition const& position);
    // Inserts a record with no IDs at a position Find reported as not found.
    fword_t& InsertRecord(UDIndexPosition const& position, std::string word);
    // Removes the record at a position Find reported as found.
    void EraseRecord(UDIndexPosition const& position);

    uint32_t WordCount() const;   // records
    uint32_t EntryCount() const;  // IDs in all records

private:
    std::vector<std::vector<fword_t>> fBuckets;
};

// Entry order, the order of the IDs of one record: by English, then POS
// string, then translation, each under StringCompare_E_Source, ties broken by
// plain byte comparison of the same three in the same order.  Negative, 0 or
// positive like strcmp.
int CompareUDEntryOrder(UDEntryStrings const& a, UDEntryStrings const& b);

// The three strings entry order compares, each up to its first NUL.
struct UDEntryKey {
    char const* english;
    char const* pos;
    char const* translation;
    static UDEntryKey Of(UDEntryStrings const& strings) {
        return {strings.english.c_str(), strings.pos.c_str(), strings.translation.c_str()};
    }
};
int CompareUDEntryOrder(UDEntryKey const& a, UDEntryKey const& b);

// The whole index as it goes to the file at `indexOffset` (one write), its
// checksum included.  Throws std::length_error when the index would end past
// the 4 GiB the format's offsets can address.
std::vector<unsigned char> EncodeUDIndexImage(UDFirstwordIndex const& index, uint32_t indexOffset);

// Keeps the image of the last Encode so that the next one, after changes to a
// few buckets, re-encodes only those (MarkBucketChanged) and splices them in:
// writing the index back after each of many small changes stays cheap.  The
// checksum is kept as per-bucket byte sums.  Encode gives exactly the bytes of
// EncodeUDIndexImage.
class UDIndexImageEncoder {
public:
    // The bucket's records changed since the last Encode.
    void MarkBucketChanged(uint32_t bucket);
    // Forgets the kept image; the next Encode encodes every bucket.
    void Reset();

    // The image of `index` at `indexOffset`.  Throws std::length_error as
    // EncodeUDIndexImage does.  The reference stays valid until the next call.
    std::vector<unsigned char> const& Encode(UDFirstwordIndex const& index, uint32_t indexOffset);

    // After Encode: bytes [4, FirstChangedByte()) equal those of the image the
    // call before gave, so a file holding that image needs only the rest and
    // the checksum word.  0 when there was no image before (Reset) or it was
    // for another offset or bucket count.
    std::size_t FirstChangedByte() const { return fFirstChanged; }
    // After Encode: the bytes past the checksum that may differ from the
    // image the call before gave, in at most two ascending runs (the changed
    // tail of the bucket table, the data from its first changed byte on);
    // the whole image when FirstChangedByte() is 0.  The checksum word at +0
    // changes with any of them.
    std::vector<UDByteRun> ChangedRuns() const;

private:
    void EncodeWhole(UDFirstwordIndex const& index, uint32_t indexOffset);
    // Splices the changed buckets into the image; gives the first changed byte.
    std::size_t SpliceChangedBuckets(UDFirstwordIndex const& index);
    // Rewrites the bucket table for the current bucket sizes; gives the first
    // changed byte.
    std::size_t WriteTable(uint32_t indexOffset);
    void WriteChecksum();

    std::vector<unsigned char> fImage;
    bool fHaveImage = false;
    uint32_t fOffset = 0;
    std::vector<uint32_t> fBucketSizes;  // bytes of each bucket's data
    std::vector<uint32_t> fBucketSums;   // byte sum of each bucket's data
    uint32_t fDataSum = 0;
    std::vector<uint32_t> fChanged;
    std::vector<bool> fIsMarked;
    std::size_t fFirstChanged = 0;
    std::size_t fFirstChangedInTable = 0;
    std::size_t fFirstChangedInData = 0;
};

// Checks an index image and gives it as an in-memory index.  `image` holds the
// `available` bytes from `indexOffset` to the end of the file.  Returns
// kUDMapOrIndexInvalid, with *index untouched, when anything is malformed: a
// bucket count of 0; a table that does not fit, does not start right behind
// itself, decreases, or ends past the file; a wrong checksum; a record without
// its 0 word or without any ID; a word of 80 bytes or more, in the wrong
// bucket, or out of order; an ID outside 1 .. blockCount - 1 or listed twice.
// `checksums`, when given, receives the stored and computed sums once the
// table is sound enough to sum the index.
unsigned short DecodeUDIndexImage(unsigned char const* image, std::size_t available, uint32_t indexOffset,
                                  uint32_t blockCount, UDFirstwordIndex* index, UDChecksums* checksums = nullptr);

// Reads and checks the index at `indexOffset` of a file of `fileSize` bytes;
// an index offset of 0 (no valid index on disk) also gives
// kUDMapOrIndexInvalid.  Nothing larger than the file is ever allocated.  File
// exceptions pass through.
unsigned short ReadUDIndex(int fd, uint64_t fileSize, uint32_t indexOffset, uint32_t blockCount,
                           UDFirstwordIndex* index, UDChecksums* checksums = nullptr);
