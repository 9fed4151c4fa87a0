// Per-user preference files: where they are, and what a read gives.
#include "platform/preferences.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/property_list_test_support.h"

namespace platform {
namespace {

using platform_test::ScopedEnvironment;
using platform_test::ToBinaryPlist;
using platform_test::WriteFile;
using platform_test::XmlPlist;

std::string const kTovikPathXml = XmlPlist(R"(<dict>
  <key>DictionaryPath</key>
  <dict><key>UserDictionaryEJName</key><string>ユーザー辞書</string></dict>
  <key>DocumentsFolder</key><string>~/Documents</string>
</dict>)");

// Preferences read from a private configuration folder.  The cache of read
// files lives for the whole process, so every test uses its own names.
class PreferencesTest : public ::testing::Test {
protected:
    std::string Identifier(std::string const& name) const {
        return "/Library/Application Support/Quorindal/Tovikan/" + name;
    }
    void WritePreferences(std::string const& name, std::string const& bytes) const {
        WriteFile(config_ / ("Quorindal/Tovikan/" + name + ".plist"), bytes);
    }

    ScratchFolder config_;
    ScopedEnvironment xdg_{"XDG_CONFIG_HOME", config_.Path()};
};

TEST_F(PreferencesTest, IdentifierMapsBelowTheConfigurationFolder) {
    ScratchFolder home;
    ScopedEnvironment homeVariable("HOME", home.Path());
    struct Case {
        std::optional<std::string> xdgConfigHome;
        std::string expectedFolder;
    } const cases[] = {
        {std::string("/etc/xdg-test"), "/etc/xdg-test"},
        {std::nullopt, home.Path() + "/.config"},
        {std::string(""), home.Path() + "/.config"},
        {std::string("relative/config"), home.Path() + "/.config"},
    };
    for (Case const& c : cases) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
        EXPECT_EQ(PreferencesFilePath(Identifier("TovikPath")), c.expectedFolder + "/Quorindal/Tovikan/TovikPath.plist")
            << c.xdgConfigHome.value_or("(unset)");
    }
}

TEST_F(PreferencesTest, XmlAndBinaryFilesAreRead) {
    WritePreferences("XmlPrefs", kTovikPathXml);
    WritePreferences("BinaryPrefs", ToBinaryPlist(kTovikPathXml));
    for (char const* name : {"XmlPrefs", "BinaryPrefs"}) {
        SCOPED_TRACE(name);
        std::string const id = Identifier(name);
        ASSERT_TRUE(PreferencesSynchronize(id));
        EXPECT_EQ(PreferencesCopyString("DocumentsFolder", id), std::optional<std::string>("~/Documents"));
        std::optional<PropertyValue> const paths = PreferencesCopyDictionary("DictionaryPath", id);
        ASSERT_TRUE(paths);
        EXPECT_EQ(paths->Member("UserDictionaryEJName")->text, "ユーザー辞書");
        EXPECT_FALSE(PreferencesCopyString("Absent", id));
    }
}

TEST_F(PreferencesTest, AValueOfTheWrongTypeCountsAsMissing) {
    WritePreferences("Typed", kTovikPathXml);
    std::string const id = Identifier("Typed");
    ASSERT_TRUE(PreferencesSynchronize(id));
    EXPECT_FALSE(PreferencesCopyString("DictionaryPath", id));
    EXPECT_FALSE(PreferencesCopyDictionary("DocumentsFolder", id));
}

TEST_F(PreferencesTest, SynchronizeFailsOnUnusableFilesAndForgetsOldValues) {
    struct Case {
        char const* what;
        std::optional<std::string> contents;  // nullopt: no file at all
    } const cases[] = {
        {"missing", std::nullopt},
        {"malformed", std::string("<?xml version=\"1.0\"?><plist><dict><key>")},
        {"not a dictionary", XmlPlist("<array><string>DocumentsFolder</string></array>")},
        {"empty", std::string()},
    };
    int serial = 0;
    for (Case const& c : cases) {
        std::string const name = "Unusable" + std::to_string(serial++);
        std::string const id = Identifier(name);
        // A good file first, so that a failed synchronize has values to forget.
        WritePreferences(name, kTovikPathXml);
        ASSERT_TRUE(PreferencesSynchronize(id));
        std::remove((config_ / ("Quorindal/Tovikan/" + name + ".plist")).c_str());
        if (c.contents) WritePreferences(name, *c.contents);

        EXPECT_FALSE(PreferencesSynchronize(id)) << c.what;
        EXPECT_FALSE(PreferencesCopyString("DocumentsFolder", id)) << c.what;
    }
}

TEST_F(PreferencesTest, FileIsLoadedOnFirstUseWithoutSynchronize) {
    WritePreferences("NeverSynchronized", kTovikPathXml);
    EXPECT_EQ(PreferencesCopyString("DocumentsFolder", Identifier("NeverSynchronized")),
              std::optional<std::string>("~/Documents"));
}

TEST(UserHomeFolderTest, HomeVariableFirstThenThePasswordDatabase) {
    {
        ScopedEnvironment home("HOME", std::string("/home/someone"));
        EXPECT_EQ(UserHomeFolder(), "/home/someone");
    }
    passwd const* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    ScopedEnvironment noHome("HOME", std::nullopt);
    EXPECT_EQ(UserHomeFolder(), entry->pw_dir);
}

}  // namespace
}  // namespace platform
