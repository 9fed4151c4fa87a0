// The front end's bundle resources: the entity list, the localized texts,
// and the conversions that use them.
#include <gtest/gtest.h>

#include <string>

#include "apps/quellit/tovik_common_module.h"
#include "platform/property_list_test_support.h"

namespace quellit {
namespace {

using platform_test::ScopedEnvironment;
using platform_test::WriteFile;
using platform_test::XmlPlist;

platform::Bundle const& BuiltBundle() {
    static platform::Bundle const bundle(BUNDLE_DIR);
    return bundle;
}

// Localized lookups under one language, with nothing else in the way.
class LanguageScope {
public:
    explicit LanguageScope(char const* lang) : lang_("LANG", std::string(lang)) {}

private:
    ScopedEnvironment lcAll_{"LC_ALL", std::nullopt};
    ScopedEnvironment lcMessages_{"LC_MESSAGES", std::nullopt};
    ScopedEnvironment lang_;
};

TEST(CommonModuleResourcesTest, EveryLanguageHasEveryKey) {
    struct Key {
        char const* key;
        char const* character;  // the text of a typographic key; null for messages
    } const keys[] = {
        {"Entry item %d.", nullptr},  {"No Entry.", nullptr},    {"Proc End", nullptr},
        {"ShortHyphen", "\u2010"},    {"LongHyphen", "\u2015"},  {"HidariApostrophe", "\u2018"},
        {"MigiApostrophe", "\u2019"}, {"HidariQuote", "\u201C"}, {"MigiQuote", "\u201D"},
    };
    for (char const* lang : {"C", "ja_JP.UTF-8"}) {
        LanguageScope scope(lang);
        bool const english = std::string(lang) == "C";
        for (Key const& k : keys) {
            std::string const text = BuiltBundle().LocalizedString(k.key, "unlocalized", "");
            if (k.character != nullptr) {
                EXPECT_EQ(text, k.character) << lang << ": " << k.key;
            } else if (english) {
                EXPECT_EQ(text, k.key) << k.key;
            } else {
                EXPECT_NE(text, k.key) << k.key;
                EXPECT_NE(text, "unlocalized") << k.key;
            }
        }
    }
    LanguageScope japanese("ja_JP.UTF-8");
    std::string const countLine = BuiltBundle().LocalizedString("Entry item %d.", "", "");
    EXPECT_NE(countLine.find("%d"), std::string::npos);
}

TEST(CommonModuleResourcesTest, ConvertEntitiesInOneLeftToRightPass) {
    TovikCommonModule const module(BuiltBundle());
    ASSERT_FALSE(module.EntityArray().empty());
    struct Case {
        std::string in;
        std::string expected;
    } const cases[] = {
        {"&amp;lt;", "&lt;"},     {"a &lt;b&gt; &quot;c&quot; &apos;d&apos;", "a <b> \"c\" 'd'"},
        {"x&nbsp;y", "x\u00A0y"}, {"&unknown; & plain", "&unknown; & plain"},
        {"&amp", "&amp"},         {"", ""},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(module.ConvertEntities(c.in), c.expected) << c.in;
    }
}

TEST(CommonModuleResourcesTest, EntityListProblemsAreLoggedAndLeaveNoEntities) {
    struct Case {
        char const* what;
        std::optional<std::string> entityFile;  // nullopt: no resource
        char const* expectedLog;
    } const cases[] = {
        {"missing resource", std::nullopt, "Error file : Entity.plist\n"},
        {"unreadable", std::string("<plist><dict>"), "Error read : Entity.plist\n"},
        {"not a dictionary", XmlPlist("<array/>"), "Error read : Entity.plist\n"},
        {"no Entity key", XmlPlist("<dict><key>Other</key><array/></dict>"), "Error item : Entity.plist\n"},
        {"good",
         XmlPlist("<dict><key>Entity</key><array>"
                  "<dict><key>character</key><string>&amp;</string>"
                  "<key>entity</key><string>&amp;amp;</string></dict>"
                  "<dict><key>character</key><string>x</string></dict>"
                  "</array></dict>"),
         ""},
    };
    for (Case const& c : cases) {
        ScratchFolder folder;
        WriteFile(folder / "Q.app/Resources/placeholder", "");
        if (c.entityFile) WriteFile(folder / "Q.app/Resources/Entity.plist", *c.entityFile);
        testing::internal::CaptureStderr();
        TovikCommonModule const module{platform::Bundle(folder / "Q.app")};
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expectedLog) << c.what;
        EXPECT_EQ(module.EntityArray().size(), c.entityFile && *c.expectedLog == '\0' ? 1u : 0u) << c.what;
        EXPECT_EQ(module.ConvertEntities("&amp;"), *c.expectedLog == '\0' ? "&" : "&amp;") << c.what;
    }
}

TEST(CommonModuleResourcesTest, AssistEngTranslateSentenceMakesPunctuationAscii) {
    std::string const typographic = "He said \u201Chi\u201D, \u2018x\u2019 a\u2010b c\u2015d.\")";
    std::string const ascii = "He said \"hi\", 'x' a-b c-d.\" )";
    for (char const* lang : {"C", "ja_JP.UTF-8"}) {
        LanguageScope scope(lang);
        std::string text = typographic;
        TovikCommonModule::AssistEngTranslateSentence(&text, BuiltBundle());
        EXPECT_EQ(text, ascii) << lang;
    }

    // Without tables the keys come back as themselves: those are no
    // characters, and a text that happens to hold one is left alone.
    ScratchFolder folder;
    LanguageScope scope("C");
    std::string text = "ShortHyphen \u2010 .\")";
    TovikCommonModule::AssistEngTranslateSentence(&text, platform::Bundle(folder / "Empty.app"));
    EXPECT_EQ(text, "ShortHyphen \u2010 .\" )");
}

}  // namespace
}  // namespace quellit
