// The dictionary facade's walk over a user dictionary by initial letter, and
// finding where a user word stands.
#include "corvan_dict_if_search_fixture.h"

namespace {

using facade_test::FacadeTest;

// Inflected forms that sort first among the words of their initial but are
// stored under a later word ("geese" under "goose", before "get") or under
// another initial's word ("went" under "go", before "wheel"); a noun and a
// verb "record"; words that begin with no letter.
class InitialWalkTest : public FacadeTest {
protected:
    void SetUp() override {
        FacadeTest::SetUp();
        OpenUserDict();
        AddNoun("goose", "鵞鳥", "geese");
        AddVerb({"go", "went", "gone", "goes", "going"}, "行う", "行った");
        AddNoun("get", "獲得");
        AddNoun("3D", "立体");
        AddNoun("-ism", "主義");
        AddNoun("Record", "記録簿");
        AddVerb({"record", "recorded", "recorded", "records", "recording"}, "記録する", "記録した");
        AddNoun("record", "記録");
        AddAdverb("wholly", "全く");
        AddNoun("wheel", "車輪");
    }

    // Every word GetInitialUserWord gives from a restart until it answers false.
    static std::vector<std::string> Walk(char initial) {
        std::vector<std::string> words;
        char word[kHeadwordBufferMinimum];
        char japanese[kJapaneseBufferMinimum];
        short kind = 0;
        for (unsigned char restart = 1; gCorvanEngine.GetInitialUserWord(0, restart, initial, word, &kind, japanese);
             restart = 0) {
            words.push_back(word);
        }
        return words;
    }
};

TEST_F(InitialWalkTest, CountsAndWalksTheWordsOfAnInitial) {
    struct Case {
        char initial;
        std::vector<std::string> words;
    };
    Case const cases[] = {
        {'G', {"get", "go", "goose"}},
        {'W', {"wheel", "wholly"}},
        {'R', {"Record", "record", "record"}},
        {'*', {"-ism", "3D"}},
        {'A', {}},
        {'Z', {}},
        // Initials are upper case.
        {'g', {}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.initial);
        EXPECT_EQ(gCorvanEngine.CountInitialUserWord(0, c.initial), static_cast<int>(c.words.size()));
        EXPECT_EQ(Walk(c.initial), c.words);
    }

    OpenUserDict("second.dic");
    AddNoun("goose", "鵞鳥", "geese", 1);
    AddNoun("game", "遊戯", "", 1);
    AddNoun("get", "獲得", "", 1);
    EXPECT_EQ(gCorvanEngine.CountInitialUserWord(1, 'G'), 3);
}

TEST_F(InitialWalkTest, WalkGoesOnFromWhereCountingLeftIt) {
    ASSERT_EQ(gCorvanEngine.CountInitialUserWord(0, 'W'), 2);
    char word[4];
    char japanese[4];
    short kind = 0;
    ASSERT_TRUE(gCorvanEngine.GetInitialUserWord(0, 0, 'W', word, sizeof word, &kind, japanese, sizeof japanese));
    EXPECT_STREQ(word, "whe");
    EXPECT_EQ(kind, eUserWordNoun);
    // A cut never leaves half a double-byte character.
    EXPECT_EQ(std::string(japanese), CP932("車"));
    ASSERT_TRUE(gCorvanEngine.GetInitialUserWord(0, 0, 'W', word, sizeof word, &kind, japanese, sizeof japanese));
    EXPECT_STREQ(word, "who");
    EXPECT_EQ(kind, eUserWordAdverb);
    EXPECT_EQ(std::string(japanese), CP932("全"));
    EXPECT_FALSE(gCorvanEngine.GetInitialUserWord(0, 0, 'W', word, sizeof word, &kind, japanese, sizeof japanese));

    EXPECT_THROW(gCorvanEngine.CountInitialUserWord(1, 'W'), std::out_of_range);
    EXPECT_FALSE(gCorvanEngine.GetInitialUserWord(1, 1, 'W', word, sizeof word, &kind, japanese, sizeof japanese));
}

TEST_F(InitialWalkTest, LocatesAWordByItsKindAndTranslation) {
    // Group indexes in the dictionary's order.
    auto indexOf = [](char const* word, short kind, char const* japanese) -> unsigned long {
        unsigned long const count = gCorvanEngine.CountUserDictEntry(0);
        for (unsigned long i = 0; i < count; ++i) {
            char base[kHeadwordBufferMinimum];
            char translation[kJapaneseBufferMinimum];
            short groupKind = 0;
            if (gCorvanEngine.GetSimpleUserWord(0, i, base, sizeof base, &groupKind, translation, sizeof translation) &&
                std::string(base) == word && groupKind == kind && std::string(translation) == CP932(japanese)) {
                return i;
            }
        }
        ADD_FAILURE() << word << " is not in the dictionary";
        return 0;
    };
    struct Case {
        char const* word;
        short kind;
        char const* japanese;
        bool found;
    };
    Case const cases[] = {
        {"-ism", eUserWordNoun, "主義", true},  // the first group: index 0
        {"record", eUserWordNoun, "記録", true},
        {"record", eUserWordVerb, "記録する", true},
        {"Record", eUserWordNoun, "記録簿", true},
        {"go", eUserWordVerb, "行う", true},
        // The base form must be the word: not a form of it, not in other case.
        {"went", eUserWordVerb, "行う", false},
        {"geese", eUserWordNoun, "鵞鳥", false},
        {"RECORD", eUserWordNoun, "記録", false},
        {"record", eUserWordNoun, "記録する", false},
        {"record", eUserWordAdverb, "記録", false},
        {"record", 0, "記録", false},
        {"record", 8, "記録", false},
        {"zebra", eUserWordNoun, "縞馬", false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.word + std::string(" ") + std::to_string(c.kind));
        unsigned long const expected = c.found ? indexOf(c.word, c.kind, c.japanese) : kUserWordLocationNotFound;
        EXPECT_EQ(gCorvanEngine.GetLocationWithData(0, c.word, c.kind, CP932(c.japanese).c_str()), expected);
    }
    EXPECT_EQ(gCorvanEngine.GetLocationWithData(0, "-ism", eUserWordNoun, CP932("主義").c_str()), 0u);
}

}  // namespace
