// File specifications: only existing files, and the 63-byte Shift-JIS
// display name.
#include "apps/vorlip/file_specifier.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "apps/test_home.h"
#include "cp932.h"

namespace {

std::string Repeat(std::string const& text, int times) {
    std::string repeated;
    while (times-- > 0) repeated += text;
    return repeated;
}

TEST(FileSpec, OnlyAnExistingFileHasOne) {
    TestHome home;
    std::string const file = home.Path() + "/old.dic";
    std::ofstream(file) << "x";
    FSSpec spec;
    EXPECT_TRUE(qwcCFStringToFSSpec(file, &spec));
    EXPECT_EQ(spec.path, file);
    EXPECT_FALSE(qwcCFStringToFSSpec(home.Path() + "/missing.dic", &spec));
    EXPECT_FALSE(qwcCFStringToFSSpec(home.Path(), &spec));  // a folder
    EXPECT_FALSE(qwcCFStringToFSSpec("", &spec));
}

TEST(FileSpec, DisplayNameFitsSixtyThreeShiftJISBytes) {
    struct Case {
        std::string fileName;  // UTF-8
        int expected;
        std::string name;  // Shift-JIS when expected is 0
    };
    Case const cases[] = {
        {"old.dic", kFSSpecNoErr, "old.dic"},
        {"辞書.dic", kFSSpecNoErr, CP932("辞書.dic")},
        {std::string(63, 'a'), kFSSpecNoErr, std::string(63, 'a')},
        {std::string(64, 'a'), kFSSpecIOErr, ""},
        {Repeat("辞", 30) + "abc", kFSSpecNoErr, CP932(Repeat("辞", 30) + "abc")},
        {Repeat("辞", 30) + "abcd", kFSSpecIOErr, ""},
        {"\xF0\x9F\x98\x80.dic", kFSSpecParamErr, ""},  // no Shift-JIS form
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.fileName);
        unsigned char name[64] = {0xEE};
        EXPECT_EQ(qwcFSSpecStr63Name(FSSpec{"/some/folder/" + c.fileName}, name), c.expected);
        if (c.expected == kFSSpecNoErr) {
            EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), c.name);
        } else {
            EXPECT_EQ(name[0], 0xEE);
        }
    }
}

}  // namespace
