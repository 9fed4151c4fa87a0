#include "engine/compiled/respelling_drawn_out.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every spelling GetRewrites makes, checking the empty slot after the last.
std::vector<std::string> DrawnOutSpellings(char const* word) {
    std::string out[kRewriteSlots];
    for (std::string& slot : out) slot = "stale";
    unsigned long count = 99;
    GetRewrites(out, count, word);
    EXPECT_LE(count, kMaxDrawnOutRewrites) << word;
    if (count > kMaxDrawnOutRewrites) return {};
    EXPECT_EQ(out[count], "") << word;
    return std::vector<std::string>(out, out + count);
}

using Spellings = std::vector<std::string>;

TEST(DrawnOutLettersTest, Spellings) {
    struct Case {
        char const* word;
        Spellings expected;
    };
    Case const cases[] = {
        {"soooo goood", {"so god", "so good", "soo god", "soo good"}},
        {"Aaaargh", {"Aargh", "Aaargh"}},
        {"sooo", {"so", "soo"}},
        {"raaadii", {"radii", "raadii"}},  // a final "i" run shorter than 5 stays
        {"hiiiiii", {"hi", "hii"}},        // a longer one is drawn out
        {"hiii", {}},                      // only the final "i" run is long
        {"aaaa", {}},                      // one run
        {"Aaaa", {}},                      // two runs of one letter
        {"xxxkkk", {}},                    // no vowel
        {"good", {}},                      // no run longer than 2
        {"sOOOo", {}},                     // capital after the first letter
        {"sooo!", {}},                     // not a letter
        {"s\xe9\xe9\xe9o", {}},            // bytes of 0x80 and above
        {"", {}},
    };
    for (Case const& c : cases) EXPECT_EQ(DrawnOutSpellings(c.word), c.expected) << c.word;
}

TEST(DrawnOutLettersTest, SixDoubledRunsFillEverySlot) {
    Spellings const spellings = DrawnOutSpellings("bbbooddeellmm");
    ASSERT_EQ(spellings.size(), 64u);
    EXPECT_EQ(spellings.front(), "bodelm");
    EXPECT_EQ(spellings[1], "bodelmm");  // the last run varies fastest
    EXPECT_EQ(spellings.back(), "bbooddeellmm");
}

TEST(DrawnOutLettersTest, SevenDoubledRuns) {
    // Seven runs that double freely would make 128 spellings: none.
    EXPECT_EQ(DrawnOutSpellings("bbbooddeellmmnn"), Spellings{});
    // With a rarely doubled letter among them, that letter stays single.
    Spellings const spellings = DrawnOutSpellings("bbbooddeellmmaa");
    ASSERT_EQ(spellings.size(), 64u);
    for (std::string const& s : spellings) EXPECT_EQ(s.substr(s.size() - 2), "ma") << s;
}

TEST(DrawnOutLettersTest, RunLimit) {
    std::string word = "sooo";
    while (word.size() < 34) word += word.size() % 2 == 0 ? 'b' : 'e';  // 2 + 30 runs
    EXPECT_EQ(DrawnOutSpellings(word.c_str()).size(), 2u);              // 32 runs
    word += 'b';
    EXPECT_EQ(DrawnOutSpellings(word.c_str()), Spellings{});  // 33 runs
}

}  // namespace
