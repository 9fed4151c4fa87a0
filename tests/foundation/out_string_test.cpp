#include "engine/foundation/out_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/foundation/warning.h"

namespace {

class OutString : public testing::Test {
protected:
    void TearDown() override { delete[] fOut; }
    char* fOut = nullptr;
};

TEST_F(OutString, MakeReplacesTheOldBufferWithRoomForLenAndNul) {
    char* first = MakeOutString(&fOut, 3);
    EXPECT_EQ(first, fOut);
    std::memcpy(fOut, "abc", 4);  // len + 1 bytes are usable
    MakeOutString(&fOut, 0);      // the old buffer is freed (leak check)
    EXPECT_STREQ(fOut, "");
}

TEST_F(OutString, FillCopiesTextOrReplacesDummies) {
    struct Case {
        char const* text;
        char const* stored;
    };
    Case const cases[] = {
        {"abc", "abc"},       {"", ""},
        {"xK-dummyy", "=="},  {"K-dummy", "=="},
        {"K-dumm", "K-dumm"}, {"\x82\xa0\x82\xa2", "\x82\xa0\x82\xa2"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FillOutString(&fOut, c.text), fOut);
        EXPECT_STREQ(fOut, c.stored);
    }
}

TEST_F(OutString, FillTakesTextsOf64KiBAndMore) {
    for (std::size_t size : {std::size_t{65535}, std::size_t{65536}, std::size_t{70000}}) {
        std::string const text(size, 'a');
        FillOutString(&fOut, text.c_str());
        EXPECT_EQ(std::strlen(fOut), size);
    }
}

TEST_F(OutString, FillTakesTextInsideTheOldString) {
    FillOutString(&fOut, "hello world");
    FillOutString(&fOut, fOut + 6);
    EXPECT_STREQ(fOut, "world");
    FillOutString(&fOut, fOut);
    EXPECT_STREQ(fOut, "world");
}

TEST(MemAppend, CopiesNBytesOrAStringWithItsNul) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    char* end = MemAppend(buffer, "ab", 0);
    EXPECT_EQ(end, buffer + 3);
    EXPECT_STREQ(buffer, "ab");

    end = MemAppend(end, "cdef", 2);
    EXPECT_EQ(end, buffer + 5);
    EXPECT_EQ(std::string(buffer, 6), std::string("ab\0cdx", 6));
}

struct LoggedWarning {
    int calls = 0;
    unsigned short level = 99;
    bool flag = true;
    std::string a, b, c;
    int line = 0;
};
LoggedWarning gLogged;

void RecordWarning(unsigned short level, bool flag, char const* a, char const* b, char const* c, int line) {
    ++gLogged.calls;
    gLogged.level = level;
    gLogged.flag = flag;
    gLogged.a = a;
    gLogged.b = b;
    gLogged.c = c;
    gLogged.line = line;
}

TEST(PWarning, GoesToTheInstalledLogFunctionOnly) {
    gLogged = LoggedWarning();
    SetLogFunction(nullptr);
    PWarning("dropped", "b", "c", 1);
    EXPECT_EQ(gLogged.calls, 0);

    SetLogFunction(&RecordWarning);
    PWarning(nullptr, "second", "third", 42);
    EXPECT_EQ(gLogged.calls, 1);
    EXPECT_EQ(gLogged.level, 0);
    EXPECT_FALSE(gLogged.flag);
    EXPECT_EQ(gLogged.a, "");
    EXPECT_EQ(gLogged.b, "second");
    EXPECT_EQ(gLogged.c, "third");
    EXPECT_EQ(gLogged.line, 42);

    SetLogFunction(nullptr);
    PWarning("a", "b", "c", 2);
    EXPECT_EQ(gLogged.calls, 1);
}

}  // namespace
