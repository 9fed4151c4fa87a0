// Opening a dictionary file through ud_t: creation, the files it refuses,
// and the lock cycle on a file that needs nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_create.h"
#include "engine/userdict/ud_inspect.h"
#include "userdict/ud_t_helpers.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes NewDictionaryBytes() {
    MemoryFile file({});
    CreateUDFile(file.Fd());
    return file.Bytes();
}

TEST(UDTOpen, AnEmptyFileBecomesTheNewDictionaryByteForByteAndStaysSoThroughALockCycle) {
    OpenedDictionary d({});
    EXPECT_EQ(d.dictionary.GetChangeCount(), 0u);
    EXPECT_EQ(d.dictionary.GetDescription(), "hi mom");
    EXPECT_EQ(d.dictionary.GetBlockCount(), 1u);
    {
        SimpleFileLocker_READ read(&d.dictionary);
        SimpleFileLocker_WRITE write(&d.dictionary);
        EXPECT_EQ(d.dictionary.GetBucketCount(), kUDBucketCount);
    }
    Bytes const bytes = d.file.Bytes();
    EXPECT_EQ(bytes.size(), 16601u);
    EXPECT_EQ(bytes, NewDictionaryBytes());
    EXPECT_EQ(d.dictionary.GetChangeCount(), 0u);
}

TEST(UDTOpen, ASkeletonWithoutMapAndIndexOpensAndIsCompleted) {
    Bytes skeleton = NewDictionaryBytes();
    skeleton.resize(kUDNewBlockAreaOffset + kUDBlockSize);  // what creation writes first
    PutUlong(&skeleton, kUDHeaderMapOffset, 0);
    PutUlong(&skeleton, kUDHeaderIndexOffset, 0);
    OpenedDictionary d(skeleton);
    { SimpleFileLocker_READ read(&d.dictionary); }
    UDInspection const inspection = InspectUDFile(d.file.Fd());
    EXPECT_TRUE(inspection.Verified());
    EXPECT_EQ(d.dictionary.GetChangeCount(), 2u);  // map and index written
}

struct RefusedFile {
    char const* what;
    Bytes bytes;
    unsigned short code;  // 0: NotAUserDictionaryFile
};

TEST(UDTOpen, RefusesWhatIsNoDictionaryOrCannotBeOne) {
    Bytes const fresh = NewDictionaryBytes();
    Bytes wrongVersion = fresh;
    PutUlong(&wrongVersion, kUDHeaderVersion, 3);
    Bytes wrongMagic = fresh;
    wrongMagic[0] = 0x2E;
    Bytes missingBlocks = fresh;
    PutUlong(&missingBlocks, kUDNewBlockAreaOffset, 300);  // block 0 counts more blocks than the file has
    Bytes const tiny{0x2F, 0xAD, 0x08};

    auto cut = [&fresh](std::size_t size) { return Bytes(fresh.begin(), fresh.begin() + std::ptrdiff_t(size)); };

    // A file with the magic but too short for block 0 is never overwritten:
    // only an empty file becomes a new dictionary.
    RefusedFile const cases[] = {
        {"under 4 bytes", tiny, 0},
        {"no magic", wrongMagic, 0},
        {"version 3", wrongVersion, kUDWrongVersion},
        {"blocks missing", missingBlocks, kUDFileCorrupt},
        {"the magic alone", cut(4), kUDFileCorrupt},
        {"cut in the header", cut(23), kUDFileCorrupt},
        {"the header alone", cut(256), kUDFileCorrupt},
        {"cut in the description", cut(300), kUDFileCorrupt},
        {"cut in block 0", cut(575), kUDFileCorrupt},
    };
    for (RefusedFile const& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryFile file(c.bytes);
        DictionaryStream stream(file);
        try {
            ud_t dictionary(stream.Get());
            ADD_FAILURE() << "opened";
        } catch (NotAUserDictionaryFile const& e) {
            EXPECT_EQ(c.code, 0);
            EXPECT_STREQ(e.Message(), "hi mom");
        } catch (unsigned short code) {
            EXPECT_EQ(code, c.code);
        }
        EXPECT_EQ(file.Bytes(), c.bytes);
    }
}

TEST(UDTOpen, ANullFileIsRefused) { EXPECT_THROW(ud_t dictionary(nullptr), std::invalid_argument); }

}  // namespace
