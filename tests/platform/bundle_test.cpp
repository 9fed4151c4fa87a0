// Bundle resources and localized strings.
#include "platform/bundle.h"

#include <gtest/gtest.h>

#include "platform/property_list_test_support.h"

namespace platform {
namespace {

using platform_test::ScopedEnvironment;
using platform_test::WriteFile;
using platform_test::XmlPlist;

// A bundle with English and Japanese tables and two resources.
class BundleTest : public ::testing::Test {
protected:
    BundleTest() {
        WriteFile(folder_ / "Test.app/Resources/en.lproj/Localizable.strings",
                  XmlPlist("<dict><key>Greeting</key><string>Hello</string>"
                           "<key>English only</key><string>Only in English</string>"
                           "<key>Not text</key><integer>1</integer></dict>"));
        WriteFile(folder_ / "Test.app/Resources/ja.lproj/Localizable.strings",
                  XmlPlist("<dict><key>Greeting</key><string>こんにちは</string></dict>"));
        WriteFile(folder_ / "Test.app/Resources/Entity.plist", XmlPlist("<dict/>"));
        WriteFile(folder_ / "Test.app/Resources/Vorlip.app/Vorlip", "#!/bin/sh\n");
    }

    ScratchFolder folder_;
    Bundle bundle_{folder_ / "Test.app/"};
};

TEST_F(BundleTest, NamesAndResourcePaths) {
    EXPECT_EQ(bundle_.BundlePath(), folder_ / "Test.app");
    EXPECT_EQ(bundle_.BundleFileName(), "Test.app");
    EXPECT_EQ(bundle_.PathForResource("Entity", "plist"), folder_ / "Test.app/Resources/Entity.plist");
    EXPECT_EQ(bundle_.PathForResource("Vorlip", "app"), folder_ / "Test.app/Resources/Vorlip.app");
    EXPECT_EQ(bundle_.PathForResource("Tazmet", "app"), "");
    EXPECT_EQ(bundle_.PathForResource("Entity", "strings"), "");
}

TEST_F(BundleTest, LocalizedStringFollowsTheLanguageThenEnglishThenTheKey) {
    struct Case {
        std::optional<std::string> lcAll;
        std::optional<std::string> lang;
        std::string key;
        std::string value;
        std::string table;
        std::string expected;
    } const cases[] = {
        {std::nullopt, std::string("ja_JP.UTF-8"), "Greeting", "", "", "こんにちは"},
        {std::nullopt, std::string("C"), "Greeting", "", "", "Hello"},
        {std::nullopt, std::nullopt, "Greeting", "", "", "Hello"},
        {std::nullopt, std::string("fr_FR.UTF-8"), "Greeting", "", "", "Hello"},
        {std::string("ja_JP.UTF-8"), std::string("C"), "Greeting", "", "", "こんにちは"},
        {std::string("C"), std::string("ja_JP.UTF-8"), "Greeting", "", "", "Hello"},
        {std::nullopt, std::string("ja_JP.UTF-8"), "English only", "", "", "Only in English"},
        {std::nullopt, std::string("ja_JP.UTF-8"), "Missing key", "", "", "Missing key"},
        {std::nullopt, std::string("ja_JP.UTF-8"), "Missing key", "Given", "", "Given"},
        {std::nullopt, std::string("C"), "Not text", "", "", "Not text"},
        {std::nullopt, std::string("ja_JP.UTF-8"), "Greeting", "", "Missing table", "Greeting"},
    };
    ScopedEnvironment noMessages("LC_MESSAGES", std::nullopt);
    for (Case const& c : cases) {
        ScopedEnvironment lcAll("LC_ALL", c.lcAll);
        ScopedEnvironment lang("LANG", c.lang);
        EXPECT_EQ(bundle_.LocalizedString(c.key, c.value, c.table), c.expected)
            << c.key << " with LC_ALL=" << c.lcAll.value_or("(unset)") << " LANG=" << c.lang.value_or("(unset)");
    }
}

}  // namespace
}  // namespace platform
