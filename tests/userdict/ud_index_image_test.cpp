#include "engine/userdict/ud_index_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/userdict/ud_english.h"
#include "userdict/ud_fixture.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr uint32_t kOffset = 1000;  // where the images below lie in their file
constexpr uint32_t kBlockCount = 10;

// One record as it lies in a bucket: the word, its NUL, the IDs, a 0 word.
Bytes Record(std::string const& word, std::vector<uint32_t> const& ids, bool terminated = true) {
    Bytes bytes(word.begin(), word.end());
    bytes.push_back('\0');
    for (uint32_t id : ids) {
        bytes.resize(bytes.size() + 4);
        PutUlong(&bytes, bytes.size() - 4, id);
    }
    if (terminated) bytes.resize(bytes.size() + 4, 0);
    return bytes;
}

Bytes Concat(std::vector<Bytes> const& parts) {
    Bytes all;
    for (Bytes const& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Sets the checksum right for whatever the table says the index covers.
void Reseal(Bytes* image) {
    uint32_t const bucketCount = GetUlong(*image, 4);
    uint32_t const end = GetUlong(*image, 8 + 4 * uint64_t{bucketCount}) - kOffset;
    PutUlong(image, 0, UDByteSum(image->data() + 4, std::min<std::size_t>(end, image->size()) - 4));
}

// An index image at kOffset laid out by hand from the raw data of each bucket.
Bytes RawIndexImage(std::vector<Bytes> const& buckets) {
    Bytes image(8 + 4 * (buckets.size() + 1), 0);
    PutUlong(&image, 4, static_cast<uint32_t>(buckets.size()));
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        PutUlong(&image, 8 + 4 * i, static_cast<uint32_t>(kOffset + image.size()));
        image.insert(image.end(), buckets[i].begin(), buckets[i].end());
    }
    PutUlong(&image, 8 + 4 * buckets.size(), static_cast<uint32_t>(kOffset + image.size()));
    Reseal(&image);
    return image;
}

TEST(UDFirstwordIndex, FindsAndInsertsInDictionaryOrderIgnoringCase) {
    UDFirstwordIndex index(1);  // one bucket, so every word meets every other
    for (char const* word : {"PEAR", "APPLE", "U.S", "DON", "ZEBRA", "BANANA"}) {
        UDIndexPosition const position = index.Find(word);
        ASSERT_FALSE(position.found) << word;
        index.InsertRecord(position, word).ids.push_back(1);
    }
    std::vector<std::string> words;
    for (fword_t const& record : index.Bucket(0)) words.push_back(record.word);
    EXPECT_EQ(words, (std::vector<std::string>{"APPLE", "BANANA", "DON", "PEAR", "U.S", "ZEBRA"}));

    ASSERT_NE(index.FindFword("u.s"), nullptr);
    EXPECT_EQ(index.FindFword("u.s")->word, "U.S");
    EXPECT_EQ(index.FindFword("APPLES"), nullptr);
    EXPECT_EQ(index.Find("APPLES").slot, 1u);  // between APPLE and BANANA

    index.EraseRecord(index.Find("DON"));
    EXPECT_EQ(index.FindFword("DON"), nullptr);
    EXPECT_EQ(index.WordCount(), 5u);
    EXPECT_EQ(index.EntryCount(), 5u);
}

TEST(UDFirstwordIndex, FilesEachWordUnderItsHashBucket) {
    UDFirstwordIndex index;
    index.InsertRecord(index.Find("U.S"), "U.S");
    EXPECT_EQ(index.Bucket(509).size(), 1u);
    EXPECT_EQ(index.Find("u.s").bucket, 509u);
}

TEST(CompareUDEntryOrder, OrdersByEnglishThenPOSThenTranslationCaseFoldedFirst) {
    struct Case {
        UDEntryStrings a, b;
        int sign;
    };
    Case const cases[] = {
        {MakeEntry("apple"), MakeEntry("banana"), -1},
        {MakeEntry("Banana"), MakeEntry("apple"), 1},  // case is folded first
        {MakeEntry("apple", "N_PLURAL"), MakeEntry("apple", "N_SING"), -1},
        {MakeEntry("apple", "ADJ", "b"), MakeEntry("apple", "ADJ", "a"), 1},
        // All three folded come before any plain byte comparison...
        {MakeEntry("Apple", "ADJ", "z"), MakeEntry("apple", "ADJ", "a"), 1},
        // ...which decides only when all three are equal folded, English first.
        {MakeEntry("Apple", "ADJ", "a"), MakeEntry("apple", "ADJ", "A"), -1},
        {MakeEntry("apple", "ADJ", "A"), MakeEntry("apple", "ADJ", "a"), -1},
        {MakeEntry("apple", "ADJ", "a", "x"), MakeEntry("apple", "ADJ", "a", "y"), 0},  // answer not compared
    };
    for (Case const& c : cases) {
        int const order = CompareUDEntryOrder(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a.english << " / " << c.b.english;
        int const reverse = CompareUDEntryOrder(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.a.english << " / " << c.b.english;
    }
}

TEST(UDIndexImage, DecodeGivesBackWhatWasEncoded) {
    UDFirstwordIndex index;
    for (auto const& [word, ids] : std::vector<std::pair<std::string, std::vector<uint32_t>>>{
             {"APPLE", {3, 1}}, {"U.S", {2}}, {"DON", {7, 5, 4}}, {std::string(79, 'W'), {9}}}) {
        index.InsertRecord(index.Find(word.c_str()), word).ids = ids;
    }
    Bytes const image = EncodeUDIndexImage(index, kOffset);
    EXPECT_EQ(GetUlong(image, 4), kUDBucketCount);
    EXPECT_EQ(GetUlong(image, 8), kOffset + 8 + 4 * (kUDBucketCount + 1));
    EXPECT_EQ(GetUlong(image, 8 + 4 * kUDBucketCount), kOffset + image.size());

    UDFirstwordIndex decoded(1);
    UDChecksums sums;
    ASSERT_EQ(DecodeUDIndexImage(image.data(), image.size(), kOffset, kBlockCount, &decoded, &sums), kUDNoError);
    EXPECT_TRUE(sums.known);
    EXPECT_EQ(sums.stored, sums.computed);
    ASSERT_EQ(decoded.BucketCount(), kUDBucketCount);
    EXPECT_EQ(decoded.WordCount(), 4u);
    EXPECT_EQ(decoded.EntryCount(), 7u);
    for (uint32_t bucket = 0; bucket < kUDBucketCount; ++bucket) {
        ASSERT_EQ(decoded.Bucket(bucket).size(), index.Bucket(bucket).size()) << bucket;
        for (std::size_t i = 0; i < index.Bucket(bucket).size(); ++i) {
            EXPECT_EQ(decoded.Bucket(bucket)[i].word, index.Bucket(bucket)[i].word);
            EXPECT_EQ(decoded.Bucket(bucket)[i].ids, index.Bucket(bucket)[i].ids);
        }
    }
}

TEST(UDIndexImage, DecodeRefusesEveryMalformedIndex) {
    std::string const w80(80, 'W');
    char const* const a = "ABC";
    uint32_t const aBucket = DHashFunc(a, 2);
    struct Case {
        char const* what;
        Bytes image;
        unsigned short code;
    };
    auto damaged = [](Bytes image, std::function<void(Bytes*)> damage) {
        damage(&image);
        return image;
    };
    Bytes const sound = RawIndexImage({Concat({Record("ABC", {1, 2}), Record("DEF", {3})}), {}, Record("XYZ", {9})});
    // Table words of `sound`: [0] 1024, [1] 1052, [2] 1052, [3] 1064; 64 bytes.
    // (ABC and DEF hash to bucket 0 of 3, XYZ to bucket 2.)
    Case const cases[] = {
        {"sound", sound, kUDNoError},
        {"empty buckets only", RawIndexImage({{}, {}}), kUDNoError},
        {"79-byte word", RawIndexImage({Record(std::string(79, 'W'), {1})}), kUDNoError},
        {"ID past the blocks", RawIndexImage({Record("ABC", {kBlockCount})}), kUDMapOrIndexInvalid},
        {"ID listed twice in a record", RawIndexImage({Record("ABC", {1, 1})}), kUDMapOrIndexInvalid},
        {"ID listed under two words", RawIndexImage({Concat({Record("ABC", {1}), Record("DEF", {1})})}),
         kUDMapOrIndexInvalid},
        {"80-byte word", RawIndexImage({Record(w80, {1})}), kUDMapOrIndexInvalid},
        {"record with no ID", RawIndexImage({Record("ABC", {})}), kUDMapOrIndexInvalid},
        {"record without its 0 word", RawIndexImage({Record("ABC", {1}, false)}), kUDMapOrIndexInvalid},
        {"word without NUL", RawIndexImage({Bytes{'A', 'B', 'C'}}), kUDMapOrIndexInvalid},
        {"words out of order", RawIndexImage({Concat({Record("DEF", {1}), Record("ABC", {2})})}), kUDMapOrIndexInvalid},
        {"one word twice, case apart", RawIndexImage({Concat({Record("abc", {1}), Record("ABC", {2})})}),
         kUDMapOrIndexInvalid},
        {"word in another bucket than its hash",
         RawIndexImage(aBucket == 0 ? std::vector<Bytes>{{}, Record(a, {1})} : std::vector<Bytes>{Record(a, {1}), {}}),
         kUDMapOrIndexInvalid},
        {"no buckets", damaged(sound, [](Bytes* m) { PutUlong(m, 4, 0); }), kUDMapOrIndexInvalid},
        {"bucket count past the file", damaged(sound, [](Bytes* m) { PutUlong(m, 4, 0xFFFFFFFF); }),
         kUDMapOrIndexInvalid},
        {"decreasing table",
         damaged(sound,
                 [](Bytes* m) {
                     PutUlong(m, 12, 1060);
                     Reseal(m);
                 }),
         kUDMapOrIndexInvalid},
        {"first table word not right behind the table",
         damaged(sound,
                 [](Bytes* m) {
                     PutUlong(m, 8, 1028);
                     Reseal(m);
                 }),
         kUDMapOrIndexInvalid},
        {"table word before the index", damaged(sound, [](Bytes* m) { PutUlong(m, 12, 5); }), kUDMapOrIndexInvalid},
        {"end past the file", damaged(sound, [](Bytes* m) { PutUlong(m, 20, 1065); }), kUDMapOrIndexInvalid},
        {"checksum", damaged(sound, [](Bytes* m) { (*m)[3] ^= 1; }), kUDMapOrIndexInvalid},
        {"ID changed under the checksum", damaged(sound, [](Bytes* m) { (*m)[31] ^= 4; }), kUDMapOrIndexInvalid},
        {"cut short", Bytes(sound.begin(), sound.begin() + 7), kUDMapOrIndexInvalid},
    };
    for (Case const& c : cases) {
        UDFirstwordIndex index(1);
        index.InsertRecord(index.Find("KEEP"), "KEEP");
        EXPECT_EQ(DecodeUDIndexImage(c.image.data(), c.image.size(), kOffset, kBlockCount, &index), c.code) << c.what;
        if (c.code != kUDNoError) {
            EXPECT_NE(index.FindFword("KEEP"), nullptr) << c.what << ": index changed";
        }
    }
}

TEST(UDIndexImage, ReadNeverTrustsTheTableBeyondTheFile) {
    Bytes const image = RawIndexImage({Record("ABC", {1})});
    Bytes file(kOffset, 0);
    file.insert(file.end(), image.begin(), image.end());
    MemoryFile memory(file);
    UDFirstwordIndex index;
    uint64_t const size = file.size();
    EXPECT_EQ(ReadUDIndex(memory.Fd(), size, kOffset, kBlockCount, &index), kUDNoError);
    EXPECT_NE(index.FindFword("ABC"), nullptr);
    EXPECT_EQ(ReadUDIndex(memory.Fd(), size, 0, kBlockCount, &index), kUDMapOrIndexInvalid);  // none on disk
    EXPECT_EQ(ReadUDIndex(memory.Fd(), size - 1, kOffset, kBlockCount, &index), kUDMapOrIndexInvalid);
    EXPECT_EQ(ReadUDIndex(memory.Fd(), size, static_cast<uint32_t>(size - 4), kBlockCount, &index),
              kUDMapOrIndexInvalid);
    EXPECT_EQ(ReadUDIndex(memory.Fd(), size, 0xFFFFFFF0, kBlockCount, &index), kUDMapOrIndexInvalid);
}

}  // namespace
