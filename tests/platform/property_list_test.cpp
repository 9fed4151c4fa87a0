// Reading property lists of both file formats into plain values.
#include "platform/property_list.h"

#include <gtest/gtest.h>

#include "platform/property_list_test_support.h"

namespace platform {
namespace {

using platform_test::ToBinaryPlist;
using platform_test::XmlPlist;

std::string const kEveryKind = XmlPlist(R"(<dict>
  <key>name</key><string>辞書 &amp; dictionary</string>
  <key>count</key><integer>-5</integer>
  <key>big</key><integer>4294967296</integer>
  <key>ratio</key><real>0.25</real>
  <key>on</key><true/>
  <key>off</key><false/>
  <key>blob</key><data>AAEC/w==</data>
  <key>when</key><date>2001-01-02T00:00:00Z</date>
  <key>list</key><array><string>a</string><integer>2</integer></array>
  <key>nested</key><dict><key>inner</key><string>x</string></dict>
</dict>)");

TEST(PropertyListTest, XmlAndBinaryListsGiveTheSameValues) {
    for (std::string const& bytes : {kEveryKind, ToBinaryPlist(kEveryKind)}) {
        SCOPED_TRACE(bytes.substr(0, 8));
        std::optional<PropertyValue> const root = ParsePropertyList(bytes);
        ASSERT_TRUE(root);
        ASSERT_NE(root->AsDictionary(), nullptr);
        EXPECT_EQ(root->dictionary.size(), 10u);

        ASSERT_NE(root->Member("name")->AsString(), nullptr);
        EXPECT_EQ(*root->Member("name")->AsString(), "辞書 & dictionary");
        EXPECT_EQ(root->Member("count")->kind, PropertyValue::Kind::Integer);
        EXPECT_EQ(root->Member("count")->integer, -5);
        EXPECT_EQ(root->Member("big")->integer, 4294967296LL);
        EXPECT_DOUBLE_EQ(root->Member("ratio")->real, 0.25);
        EXPECT_TRUE(root->Member("on")->boolean);
        EXPECT_EQ(root->Member("off")->kind, PropertyValue::Kind::Boolean);
        EXPECT_FALSE(root->Member("off")->boolean);
        EXPECT_EQ(root->Member("blob")->kind, PropertyValue::Kind::Data);
        EXPECT_EQ(root->Member("blob")->text, std::string("\x00\x01\x02\xFF", 4));
        EXPECT_EQ(root->Member("when")->kind, PropertyValue::Kind::Date);
        EXPECT_DOUBLE_EQ(root->Member("when")->real, 86400.0);

        std::vector<PropertyValue> const* list = root->Member("list")->AsArray();
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->size(), 2u);
        EXPECT_EQ((*list)[0].text, "a");
        EXPECT_EQ((*list)[1].integer, 2);
        EXPECT_EQ(root->Member("nested")->Member("inner")->text, "x");

        // Typed views refuse other kinds.
        EXPECT_EQ(root->Member("count")->AsString(), nullptr);
        EXPECT_EQ(root->Member("name")->AsArray(), nullptr);
        EXPECT_EQ(root->Member("list")->AsDictionary(), nullptr);
        EXPECT_EQ(root->Member("name")->Member("x"), nullptr);
        EXPECT_EQ(root->Member("absent"), nullptr);
    }
}

// The binary form of xml with the first `from` replaced by `to`.
std::string PatchedBinary(std::string const& xml, std::string const& from, std::string const& to) {
    std::string binary = ToBinaryPlist(xml);
    std::string::size_type const at = binary.find(from);
    if (at == std::string::npos) throw std::runtime_error("nothing to patch");
    return binary.replace(at, from.size(), to);
}

TEST(PropertyListTest, MalformedInputGivesNothing) {
    std::string const binary = ToBinaryPlist(kEveryKind);
    std::string const nul(1, '\0');
    struct Case {
        char const* what;
        std::string bytes;
    } const cases[] = {
        {"empty", ""},
        {"not a list", "hello, world"},
        {"unclosed XML", XmlPlist("<dict><key>a</key><string>b</string>")},
        {"binary cut short", binary.substr(0, binary.size() / 2)},
        {"binary header only", "bplist00"},
        // The list library cannot hand out such keys; no NUL gets through.
        {"binary key holding NUL",
         PatchedBinary(XmlPlist("<dict><key>aXb</key><true/></dict>"), "aXb", "a" + nul + "b")},
        {"binary UTF-16 key holding NUL", PatchedBinary(XmlPlist("<dict><key>\u3042X</key><true/></dict>"),
                                                        std::string("\x30\x42\x00X", 4), "\x30\x42" + nul + nul)},
        {"binary string holding NUL",
         PatchedBinary(XmlPlist("<array><string>aXb</string></array>"), "aXb", "a" + nul + "b")},
    };
    for (Case const& c : cases) {
        EXPECT_FALSE(ParsePropertyList(c.bytes)) << c.what;
    }
}

TEST(PropertyListTest, ReadsFilesAndRefusesMissingOnes) {
    ScratchFolder folder;
    platform_test::WriteFile(folder / "list.plist", ToBinaryPlist(XmlPlist("<array><true/></array>")));
    std::optional<PropertyValue> const read = ReadPropertyListFile(folder / "list.plist");
    ASSERT_TRUE(read);
    ASSERT_NE(read->AsArray(), nullptr);
    EXPECT_TRUE(read->array.at(0).boolean);

    EXPECT_FALSE(ReadPropertyListFile(folder / "missing.plist"));
    EXPECT_FALSE(ReadPropertyListFile(folder.Path()));  // a folder is no file
}

}  // namespace
}  // namespace platform
