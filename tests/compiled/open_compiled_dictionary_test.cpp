// Opening a compiled dictionary in whichever format it is: the format
// chosen, the errors passed on, and no descriptor left behind either way.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "compiled/compiled_test_support.h"
#include "engine/compiled/open_compiled_dictionary.h"
#include "engine/foundation/file_errors.h"

namespace {

using compiled_test::ScratchFile;

// Descriptors the process holds now.
int OpenDescriptorCount() {
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr) return -1;
    int count = 0;
    while (readdir(dir) != nullptr) ++count;
    closedir(dir);
    return count;
}

Dictionary_EX OpenFile(std::string const& path) {
    return OpenCompiledDictionaryInAppropriateFormat(open(path.c_str(), O_RDONLY));
}

bool IsOpen(int fd) { return fcntl(fd, F_GETFD) != -1; }

TEST(OpenCompiledDictionaryTest, OpensEitherFormatOrRefusesWithoutLeavingADescriptor) {
    struct Case {
        char const* what;
        std::function<void(std::string const&)> write;
        bool opens;
    };
    Dictionary_EX const source = DictionaryFromText("dictionary\tid=9\tdomains=\nentry\tw\nfpos\tpos=N\n");
    auto const compiled = [&source](int format) {
        return [&source, format](std::string const& path) {
            compiled_test::CompileAs(compiled_test::Formats()[format], source, path);
        };
    };
    auto const bytes = [](Bytes content) {
        return [content](std::string const& path) { compiled_test::WriteFileBytes(path, content); };
    };
    // A 4.0 header alone, 118 to 125 bytes: long enough for 4.0, too short
    // for a 5.0 header.
    auto const headerOnly40 = [](std::size_t size) {
        return [size](std::string const& path) {
            CompiledHeader header;
            header.entryOrderTable = header.headwordEntryTable = header.headwordStringTable = 100;
            Bytes image = EncodeCompiledHeader(header, kFormat40Traits);
            image.resize(size, 0);
            compiled_test::WriteFileBytes(path, image);
        };
    };
    Case const cases[] = {
        {"format 5.0", compiled(1), true},
        {"format 4.0", compiled(0), true},
        {"4.0 header of 118 bytes", headerOnly40(118), true},
        {"4.0 header of 125 bytes", headerOnly40(125), true},
        {"text file", bytes(Bytes(300, 'a')), false},
        {"empty file", bytes({}), false},
    };
    for (Case const& c : cases) {
        ScratchFile file;
        c.write(file.Path());
        int const before = OpenDescriptorCount();
        if (c.opens) {
            Dictionary_EX const dictionary = OpenFile(file.Path());
            EXPECT_EQ(OpenDescriptorCount(), before + 1) << c.what;
        } else {
            EXPECT_THROW(OpenFile(file.Path()), CorruptDictionary) << c.what;
        }
        EXPECT_EQ(OpenDescriptorCount(), before) << c.what;
    }
}

TEST(OpenCompiledDictionaryTest, ReadsEachFormatWithItsOwnReader) {
    ScratchFile file50;
    compiled_test::CompileAs(compiled_test::Formats()[1],
                             DictionaryFromText("dictionary\tid=9\tdomains=#70\nentry\tw\nfpos\tpos=N\n"),
                             file50.Path());
    Dictionary_EX const dictionary = OpenFile(file50.Path());
    EXPECT_NE(dynamic_cast<DictionaryRep_EX_50Compiled*>(dictionary.GetRep()), nullptr);
    EXPECT_EQ(dictionary.GetID(), 9);
    EXPECT_TRUE(dictionary.GetDomainIDSet().Contains(static_cast<DomainID>(70)));

    ScratchFile file40;
    compiled_test::CompileAs(compiled_test::Formats()[0], DictionaryFromText("entry\tw\nfpos\tpos=N\n"), file40.Path());
    EXPECT_NE(dynamic_cast<DictionaryRep_EX_40Compiled*>(OpenFile(file40.Path()).GetRep()), nullptr);
}

// With no descriptor left for the second attempt the caller hears so,
// instead of being told the file is corrupt; the descriptor given is closed.
TEST(OpenCompiledDictionaryTest, NoDescriptorLeftIsReportedAsSuch) {
    ScratchFile file;
    compiled_test::CompileAs(compiled_test::Formats()[0], DictionaryFromText("entry\tw\nfpos\tpos=N\n"), file.Path());
    int const fd = open(file.Path().c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    int const lowestFree = dup(fd);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    bool tooMany = false;
    try {
        OpenCompiledDictionaryInAppropriateFormat(fd);
    } catch (TooManyFilesOpened const&) {
        tooMany = true;
    } catch (...) {
    }
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(tooMany);
    EXPECT_FALSE(IsOpen(fd));
}

}  // namespace
