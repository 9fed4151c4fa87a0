#include "engine/foundation/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "support/scratch_folder.h"

namespace {

class FileAccess : public testing::Test {
protected:
    std::string PathOf(std::string const& name) const { return fFolder / name; }
    FFSSpec SpecOf(std::string const& name) const { return FFSSpec(PathOf(name).c_str()); }

    void Write(std::string const& name, std::string const& content) const { WriteWholeFile(PathOf(name), content); }
    std::string Read(std::string const& name) const { return ReadWholeFile(PathOf(name)); }
    bool Exists(std::string const& name) const { return std::filesystem::exists(PathOf(name)); }

    ScratchFolder fFolder{"file_access_test"};
    std::string const fDir = fFolder.Path();
};

// A FileException's code, or -1 when nothing was thrown.
template <class Action>
int FileExceptionCode(Action action) {
    try {
        action();
    } catch (FileException const& e) {
        return e.Code();
    }
    return -1;
}

TEST(FFSSpec, HoldsPathsThatFitAndRefusesLongerOnes) {
    EXPECT_STREQ(FFSSpec().Path(), "");
    EXPECT_STREQ(FFSSpec(nullptr).Path(), "");
    std::string const longest(1023, 'a');
    EXPECT_EQ(FFSSpec(longest.c_str()).Path(), longest);
    EXPECT_TRUE(FFSSpec("a/b") == FFSSpec("a/b"));
    EXPECT_FALSE(FFSSpec("a/b") == FFSSpec("a/bc"));

    std::string const tooLong(1024, 'a');
    try {
        FFSSpec spec(tooLong.c_str());
        FAIL() << "a cut path was kept";
    } catch (FileException const& e) {
        EXPECT_EQ(e.Code(), ENAMETOOLONG);
        EXPECT_EQ(e.Message(), std::string(1020, 'a') + "...");
    }
    FFSSpec spec("kept");
    EXPECT_EQ(FileExceptionCode([&] { FullPathToFSSpec(tooLong, &spec); }), ENAMETOOLONG);
    EXPECT_STREQ(spec.Path(), "kept");
    FullPathToFSSpec("/x/y", &spec);
    EXPECT_EQ(NameFromFSSpec(spec), "/x/y");
    EXPECT_EQ(FSSpecToFullPath(spec, 0), "/x/y");
}

TEST(ConcatDirAndFileName, JoinsWithOneSlash) {
    struct Case {
        char const* dir;
        char const* name;
        char const* joined;
    };
    Case const cases[] = {{"", "x", "x"}, {"/dir", "x", "/dir/x"}, {"/dir/", "x", "/dir/x"}, {"/", "x", "/x"}};
    for (Case const& c : cases) EXPECT_STREQ(ConcatDirAndFileName(FFSSpec(c.dir), c.name).Path(), c.joined);
}

TEST(ConcatDirAndFileName, RefusesResultsThatDoNotFit) {
    std::string const dir(1000, 'd');
    std::string const fits(1022 - dir.size(), 'n');  // dir + "/" + name = 1023
    EXPECT_EQ(std::strlen(ConcatDirAndFileName(FFSSpec(dir.c_str()), fits.c_str()).Path()), 1023u);
    std::string const tooLong = fits + "n";
    EXPECT_EQ(FileExceptionCode([&] { ConcatDirAndFileName(FFSSpec(dir.c_str()), tooLong.c_str()); }), ENAMETOOLONG);
}

TEST_F(FileAccess, FCreateMakesANewFile) {
    FILE* file = FCreate(SpecOf("new"), "w+b");
    ASSERT_NE(file, nullptr);
    std::fputs("data", file);
    std::fclose(file);
    EXPECT_EQ(Read("new"), "data");
}

TEST_F(FileAccess, FCreateLeavesAnExistingFileUntouched) {
    Write("old", "precious");
    EXPECT_EQ(FCreate(SpecOf("old"), "w"), nullptr);
    EXPECT_EQ(Read("old"), "precious");
}

TEST_F(FileAccess, FCreateLeavesNoFileWhenTheStreamCannotBeMade) {
    EXPECT_EQ(FileExceptionCode([&] { FCreate(SpecOf("bad"), "invalid mode"); }), EINVAL);
    EXPECT_FALSE(Exists("bad"));
}

TEST_F(FileAccess, FCreateInAReadOnlyDirectoryIsAccessDenied) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores directory permissions";
    std::filesystem::permissions(fDir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(FCreate(SpecOf("denied"), "w"), FileAccessDenied);
}

TEST_F(FileAccess, FCreateInAMissingDirectoryThrowsWithErrno) {
    EXPECT_EQ(FileExceptionCode([&] { FCreate(SpecOf("missing/x"), "w"); }), ENOENT);
}

TEST_F(FileAccess, FOpenAndCreateIfNotThereCreatesOnlyMissingFiles) {
    FILE* file = FOpenAndCreateIfNotThere(SpecOf("made"), "r");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(Read("made"), "");

    Write("kept", "content");
    file = FOpenAndCreateIfNotThere(SpecOf("kept"), "r+");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(Read("kept"), "content");

    // The open fails on an existing file: the creation step must not truncate it.
    EXPECT_EQ(FOpenAndCreateIfNotThere(SpecOf("kept"), "invalid mode"), nullptr);
    EXPECT_EQ(Read("kept"), "content");

    EXPECT_EQ(FOpenAndCreateIfNotThere(SpecOf("missing/x"), "r"), nullptr);
}

TEST_F(FileAccess, OpenFunctionsReportMissingFilesTheirOwnWay) {
    EXPECT_EQ(FileExceptionCode([&] { OpenReadOnly(SpecOf("none")); }), 0);
    EXPECT_EQ(FileExceptionCode([&] { OpenReadWrite(SpecOf("none")); }), ENOENT);
    EXPECT_EQ(HandleOpenExisting(SpecOf("none"), O_RDONLY), -1);
    EXPECT_EQ(FOpenExisting(SpecOf("none"), "r", false, false, false), nullptr);
    EXPECT_EQ(FOpenExistingEvenIfInUse(SpecOf("none"), "r", false, false), nullptr);

    Write("some", "x");
    for (int fd :
         {OpenReadOnly(SpecOf("some")), OpenReadWrite(SpecOf("some")), HandleOpenExisting(SpecOf("some"), O_RDONLY)}) {
        EXPECT_GE(fd, 0);
        close(fd);
    }
}

TEST_F(FileAccess, FileSizeMeasuresAndKeepsThePosition) {
    Write("five", "12345");
    FILE* file = FOpenExisting(SpecOf("five"), "rb", false, false, false);
    ASSERT_NE(file, nullptr);
    std::fgetc(file);
    std::fgetc(file);
    EXPECT_EQ(FileSize(file, "five"), 5);
    EXPECT_EQ(std::ftell(file), 2);
    file = FReOpenExisting(file, SpecOf("five"), "ab");
    ASSERT_NE(file, nullptr);
    std::fputs("6", file);
    EXPECT_EQ(ReallyFlushFile(file), 0);
    std::fclose(file);
    EXPECT_EQ(FileSize(PathOf("five")), 6);
}

TEST_F(FileAccess, FileSizeThrowsInsteadOfGivingANegativeSize) {
    EXPECT_EQ(FileExceptionCode([&] { FileSize(PathOf("none")); }), ENOENT);

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    FILE* pipeStream = fdopen(ends[0], "r");
    ASSERT_NE(pipeStream, nullptr);
    EXPECT_EQ(FileExceptionCode([&] { FileSize(pipeStream, "pipe"); }), ESPIPE);
    std::fclose(pipeStream);
    close(ends[1]);
}

TEST_F(FileAccess, FDeleteUnlinks) {
    Write("gone", "x");
    EXPECT_EQ(FDelete(SpecOf("gone")), 0);
    EXPECT_FALSE(Exists("gone"));
    EXPECT_EQ(FDelete(SpecOf("gone")), -1);
}

TEST_F(FileAccess, CreateUniqueFileNumbersAndCutsTheStem) {
    std::vector<std::string> const expected = {"abc.txt",  "abc0.txt", "abc1.txt", "abc2.txt", "abc3.txt",
                                               "abc4.txt", "abc5.txt", "abc6.txt", "abc7.txt", "abc8.txt",
                                               "abc9.txt", "ab10.txt", "ab11.txt"};
    for (std::string const& name : expected) {
        FFSSpec made;
        FILE* file = nullptr;
        CreateUniqueFile(&made, &file, FFSSpec(fDir.c_str()), "abc", ".txt", 8, "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
        EXPECT_EQ(NameFromFSSpec(made), PathOf(name));
    }
}

TEST_F(FileAccess, CreateUniqueFileNeverSplitsADoubleByteCharacter) {
    std::string const base = "a\x82\xa0";  // 'a' and one double-byte character
    Write(base + ".txt", "");
    FFSSpec made;
    FILE* file = nullptr;
    CreateUniqueFile(&made, &file, FFSSpec(fDir.c_str()), base.c_str(), ".txt", 7, "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(NameFromFSSpec(made), PathOf("a0.txt"));
}

TEST_F(FileAccess, CreateUniqueFilePassesOnOtherErrors) {
    FFSSpec made;
    FILE* file = nullptr;
    std::string const missing = PathOf("missing");
    EXPECT_EQ(FileExceptionCode([&] { CreateUniqueFile(&made, &file, FFSSpec(missing.c_str()), "a", ".t", 8, "w"); }),
              ENOENT);
}

}  // namespace
