// The dictionary facade's searches: listing headwords under a prefix over
// every open dictionary, browsing the list, and printing a word's entries.
#include <cstring>

#include "corvan_dict_if_search_fixture.h"

namespace {

using facade_test::EntryText;
using facade_test::FacadeTest;

// Open dictionaries, front first: a technical dictionary (position 0), a
// system dictionary whose hidden-only entry the browse filter drops
// (position 1), and user dictionary 0 (position 2), whose words are added
// out of order and include a noun and a verb "record".
class SearchTest : public FacadeTest {
protected:
    void SetUp() override {
        FacadeTest::SetUp();
        OpenUserDict();
        AddNoun("rest", "休息");
        AddVerb({"record", "recorded", "recorded", "records", "recording"}, "記録する", "記録した");
        AddNoun("record", "記録");
        AddNoun("rabbit", "兎");
        ASSERT_EQ(gCorvanEngine.AddSysDict(CompiledFile(
                      "system.cdict", 7, EntryText("race", "N", "競走") + EntryText("rack", "N", "棚", true))),
                  1);
        ASSERT_EQ(gCorvanEngine.AddTechDict(CompiledFile("tech.cdict", 200,
                                                         EntryText("rerun", "VT01", "再実行する") +
                                                             EntryText("run", "VT01", "走らせる") +
                                                             EntryText("runs", "N", "得点"))),
                  1);
    }

    // Every listed headword through GetDictEntry, until it answers false.
    static std::vector<std::string> Browse() {
        std::vector<std::string> listed;
        char headword[kHeadwordBufferMinimum];
        while (gCorvanEngine.GetDictEntry(headword)) listed.push_back(headword);
        return listed;
    }
};

TEST_F(SearchTest, ListsHeadwordsUnderAPrefixUpToTheMaximum) {
    struct Case {
        char const* prefix;
        int maximum;
        std::vector<std::string> listed;
        std::vector<short> from;  // positions of the dictionaries
    };
    Case const cases[] = {
        {"r",
         100,
         {"rerun", "run", "runs", "race", "rabbit", "record", "recorded", "recording", "records", "rest"},
         {0, 0, 0, 1, 2, 2, 2, 2, 2, 2}},
        // The technical dictionary fills the listing: nothing of the others.
        {"r", 3, {"rerun", "run", "runs"}, {0, 0, 0}},
        // The user dictionary's listing is sorted before it is cut.
        {"r", 6, {"rerun", "run", "runs", "race", "rabbit", "record"}, {0, 0, 0, 1, 2, 2}},
        {"REC", 100, {"record", "recorded", "recording", "records"}, {2, 2, 2, 2}},
        {"rac", 100, {"race"}, {1}},
        {"r", 0, {}, {}},
        {"r", -5, {}, {}},
        {"", 100, {}, {}},
        {"x", 100, {}, {}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + " max " + std::to_string(c.maximum));
        EXPECT_EQ(gCorvanEngine.SearchEntryListSet(c.prefix, c.maximum), static_cast<int>(c.listed.size()));
        EXPECT_EQ(nDictType, c.from);
        EXPECT_EQ(Browse(), c.listed);
    }
}

// Spellings that differ only in case sort equal: they stay in the order the
// dictionary gives them (its blocks, here the order of adding), however many.
TEST_F(SearchTest, HeadwordsOfEqualOrderKeepTheDictionarysOrder) {
    std::vector<std::string> spellings;
    for (unsigned variant = 0; variant < 32; ++variant) {
        std::string spelling = "knave";
        for (unsigned letter = 0; letter < spelling.size(); ++letter) {
            if ((variant * 7 + 3) % 32 & (1u << letter)) spelling[letter] = static_cast<char>(spelling[letter] - 32);
        }
        spellings.push_back(spelling);
        AddNoun(spelling.c_str(), "悪漢");
    }
    ASSERT_EQ(gCorvanEngine.SearchEntryListSet("KNAVE", 100), 32);
    EXPECT_EQ(Browse(), spellings);
}

TEST_F(SearchTest, BrowsingWrapsAroundAfterTheLastHeadword) {
    ASSERT_EQ(gCorvanEngine.SearchEntryListSet("ru", 100), 2);
    EXPECT_EQ(Browse(), (std::vector<std::string>{"run", "runs"}));
    // Past the end once, then from the first again.
    EXPECT_EQ(Browse(), (std::vector<std::string>{"run", "runs"}));

    ASSERT_EQ(gCorvanEngine.SearchEntryListSet("x", 100), 0);
    char headword[kHeadwordBufferMinimum] = "unchanged";
    EXPECT_FALSE(gCorvanEngine.GetDictEntry(headword));
    EXPECT_STREQ(headword, "unchanged");
}

TEST_F(SearchTest, BrowsingCutsAHeadwordToTheBufferBetweenCharacters) {
    std::string const nihon = CP932("日本");
    ASSERT_EQ(gCorvanEngine.AddTechDict(CompiledFile("japanese.cdict", 300, EntryText(nihon, "N", "日本"))), 1);
    ASSERT_EQ(gCorvanEngine.SearchEntryListSet(nihon.c_str(), 100), 1);
    struct Case {
        std::size_t size;
        std::string copied;
    };
    Case const cases[] = {{5, nihon}, {4, nihon.substr(0, 2)}, {3, nihon.substr(0, 2)}, {2, ""}, {1, ""}};
    for (Case const& c : cases) {
        SCOPED_TRACE(c.size);
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        ASSERT_TRUE(gCorvanEngine.GetDictEntry(buffer, c.size));
        EXPECT_EQ(std::string(buffer), c.copied);
        EXPECT_EQ(buffer[c.size], 'x') << "written past the buffer";
        gCorvanEngine.GetDictEntry(buffer, sizeof buffer);  // past the end: back to the first
    }
}

TEST_F(SearchTest, SearchMatchPrintsEveryEntryOfTheWordOncePerSpelling) {
    std::string out = "kept";
    EXPECT_TRUE(gCorvanEngine.SearchMatch("RUN", &out));
    EXPECT_EQ(out, "kept" + CP932("★\rrun\rrun (v)\n  (vt)\n    走らせる\r\r"));

    // The noun and the verb "record" of the user dictionary: their readings
    // printed once.
    out.clear();
    EXPECT_TRUE(gCorvanEngine.SearchMatch("record", &out));
    EXPECT_EQ(out.rfind(CP932("★")), 0u) << out;
    EXPECT_EQ(out.find(CP932("記録する")), out.rfind(CP932("記録する"))) << out;
    EXPECT_EQ(out.find(CP932("    記録\n")), out.rfind(CP932("    記録\n"))) << out;
    EXPECT_NE(out.find(CP932("    記録\n")), std::string::npos) << out;

    struct Case {
        char const* word;
        bool result;
    };
    Case const nothing[] = {{"ru", true}, {"rack", true}, {"records ", true}, {"", false}};
    for (Case const& c : nothing) {
        SCOPED_TRACE(c.word);
        out.clear();
        EXPECT_EQ(gCorvanEngine.SearchMatch(c.word, &out), c.result);
        EXPECT_EQ(out, "");
    }
}

}  // namespace
