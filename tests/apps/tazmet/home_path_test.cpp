// The home folder, the "~/" shorthand of the preferences, and paths kept
// whole however long.
#include "platform/home_path.h"

#include <gtest/gtest.h>

#include <string>

#include "apps/tazmet/tazmet_test_support.h"

namespace {

TEST(HomePath, TildeSlashStandsForTheHomeFolder) {
    TestHome home;
    EXPECT_EQ(platform::qwcUserFolderCreateCopy(), home.Path());
    struct Case {
        std::string value;
        std::string expected;
    };
    Case const cases[] = {
        {"~/Documents", home.Path() + "/Documents"},
        {"~/", home.Path() + "/"},
        {"~Documents", "~Documents"},
        {"~", "~"},
        {"/Users/~/Documents", "/Users/~/Documents"},
        {"Documents", "Documents"},
        {"", ""},
    };
    for (auto const& c : cases) EXPECT_EQ(platform::ExpandUserFolderTilde(c.value), c.expected) << c.value;
}

TEST(HomePath, LongPathIsKeptWhole) {
    std::string const path = "/" + std::string(5000, 'd') + "/user.dic";
    EXPECT_EQ(platform::qwcCFStringToUTF8string(path), path);
}

TEST_F(TazmetTest, DocumentsFolderUnderTheHomeFolderHoldsTheDictionary) {
    ASSERT_TRUE(Initialize("~/Documents"));
    EXPECT_TRUE(std::filesystem::exists(fDictPath));
    gCorvanEngine.RemoveAllDict();
    std::string const elsewhere = fHome.Folder("elsewhere");
    ASSERT_TRUE(Initialize(elsewhere));
    EXPECT_TRUE(std::filesystem::exists(elsewhere + "/user.dic"));
}

}  // namespace
