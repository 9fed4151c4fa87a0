// Reading text files by the encoding the file-type tool reports, and the
// maker's folders below the home folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "apps/quellit/tovik_common_module.h"
#include "cp932.h"
#include "platform/property_list_test_support.h"

namespace quellit {
namespace {

using Module = TovikCommonModule;
using platform_test::ScopedEnvironment;
using platform_test::WriteFile;

bool IsFolder(std::string const& path) { return std::filesystem::is_directory(path); }

TEST(CommonModuleFilesTest, ReadTextOfFileDecodesByTheReportedEncoding) {
    ScratchFolder folder;
    struct Case {
        char const* name;
        std::string bytes;
        std::optional<std::string> expectedText;
        int expectedJudgement;
    } const cases[] = {
        {"utf8.txt", "日本語のテキストです。\n", std::string("日本語のテキストです。\n"), Module::kJapanese},
        {"utf16.txt", std::string("\xFF\xFEh\0i\0 \0B0\n\0", 12), std::string("hi \u3042\n"), Module::kJapanese},
        {"latin1.txt", "caf\xE9 na\xEFve et d\xE9j\xE0 vu\n", std::string("café naïve et déjà vu\n"), Module::kEnglish},
        {"sjis.txt", CP932("これは日本語の文章です。漢字も含みます。\n"),
         std::string("これは日本語の文章です。漢字も含みます。\n"), Module::kJapanese},
        // The file name is no part of the description: "UTF-8" here must
        // not make Latin-1 bytes be read as UTF-8.
        {"UTF-8 named.txt", "caf\xE9 na\xEFve et d\xE9j\xE0 vu\n", std::string("café naïve et déjà vu\n"),
         Module::kEnglish},
        {"-x", "plain words\n", std::string("plain words\n"), Module::kEnglish},
    };
    for (Case const& c : cases) {
        std::string const path = folder / c.name;
        WriteFile(path, c.bytes);
        EXPECT_EQ(Module::ReadTextOfFile(path), c.expectedText) << c.name;
        EXPECT_EQ(Module::JudgeTextStringEorJOfFile(path), c.expectedJudgement) << c.name;
    }
    // A relative name that begins with "-" is a file, not an option.
    std::filesystem::path const previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    EXPECT_EQ(Module::ReadTextOfFile("-x"), std::optional<std::string>("plain words\n"));
    std::filesystem::current_path(previous);

    EXPECT_FALSE(Module::ReadTextOfFile(folder / "missing.txt"));
    EXPECT_EQ(Module::JudgeTextStringEorJOfFile(folder / "missing.txt"), Module::kUnreadable);
}

// A home folder of its own for each test.
class CommonModuleFoldersTest : public ::testing::Test {
protected:
    ScratchFolder home_;
    ScopedEnvironment homeVariable_{"HOME", home_.Path()};
};

TEST_F(CommonModuleFoldersTest, MakersFoldersAreMadeOneLevelOrGiveTheHomeFolder) {
    EXPECT_EQ(Module::HomeFolder(), home_.Path());
    // Without the parents nothing can be made.
    EXPECT_EQ(Module::DocumentQuorindal(), home_.Path());
    EXPECT_EQ(Module::PreferencesQuorindal(), home_.Path());
    EXPECT_EQ(Module::PreferencesFolder(), home_.Path());
    EXPECT_FALSE(IsFolder(home_ / "Library/Preferences"));  // never made

    std::filesystem::create_directories(home_ / "Documents");
    std::filesystem::create_directories(home_ / "Library/Preferences");
    EXPECT_EQ(Module::DocumentQuorindal(), home_ / "Documents/Quorindal/Dictionaries");
    EXPECT_TRUE(IsFolder(home_ / "Documents/Quorindal/Dictionaries"));
    EXPECT_EQ(Module::PreferencesFolder(), home_ / "Library/Preferences");
    EXPECT_EQ(Module::PreferencesQuorindalCache(), home_.Path());  // Quorindal itself is missing
    EXPECT_EQ(Module::PreferencesQuorindal(), home_ / "Library/Preferences/Quorindal");
    EXPECT_EQ(Module::PreferencesQuorindalCache(), home_ / "Library/Preferences/Quorindal/Cache");
    EXPECT_EQ(Module::PreferencesQuorindalCash(), home_ / "Library/Preferences/Quorindal/Cash");
    // Asking again finds what is there.
    EXPECT_EQ(Module::PreferencesQuorindalCash(), home_ / "Library/Preferences/Quorindal/Cash");

    // A plain file where a folder should be is no folder.
    WriteFile(home_ / "Documents/Quorindal/Dictionaries.tmp", "");
    std::filesystem::remove(home_ / "Documents/Quorindal/Dictionaries");
    std::filesystem::rename(home_ / "Documents/Quorindal/Dictionaries.tmp", home_ / "Documents/Quorindal/Dictionaries");
    EXPECT_EQ(Module::DocumentQuorindal(), home_.Path());
}

TEST_F(CommonModuleFoldersTest, RemoveFileInDirectoryKeepsSubFolders) {
    WriteFile(home_ / "box/a.txt", "a");
    WriteFile(home_ / "box/.hidden", "h");
    WriteFile(home_ / "box/inner/kept.txt", "k");
    EXPECT_TRUE(Module::RemoveFileInDirectory(home_ / "box"));
    EXPECT_FALSE(std::filesystem::exists(home_ / "box/a.txt"));
    EXPECT_FALSE(std::filesystem::exists(home_ / "box/.hidden"));
    EXPECT_TRUE(std::filesystem::exists(home_ / "box/inner/kept.txt"));

    EXPECT_FALSE(Module::RemoveFileInDirectory(home_ / "no such folder"));
}

TEST_F(CommonModuleFoldersTest, CreateDirectoriesAtPathMakesEveryMissingLevel) {
    std::string const deep = home_ / "a/b//c/";
    EXPECT_TRUE(Module::CreateDirectoriesAtPath(deep, 0700));
    EXPECT_TRUE(IsFolder(home_ / "a/b/c"));
    struct stat info {};
    ASSERT_EQ(stat((home_ / "a/b/c").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(Module::CreateDirectoriesAtPath(deep, 0700));  // all there already

    WriteFile(home_ / "file", "");
    EXPECT_FALSE(Module::CreateDirectoriesAtPath(home_ / "file/below", 0700));
    EXPECT_FALSE(Module::CreateDirectoriesAtPath("", 0700));
}

}  // namespace
}  // namespace quellit
