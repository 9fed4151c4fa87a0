// Post-editing: each source word's span, its twin in the translation and the
// alternatives the alternate-word service offers for it; the selected word's
// alternatives; and learning a chosen one.
#include "engine/pipeline/post_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pipeline/alternate_learning.h"
#include "fake_alternate_words.h"

namespace {

// "The bank is big." as "BANK wa BIG." in ASCII stand-ins: "The" and "is"
// have no Japanese; "." is the last word and has none either.
struct Sentence {
    std::string source = "The bank is big.";
    std::string target = "BANK wa BIG.";
    BasicTranslationOptions options;
    CPostEdit post{&options};

    Sentence() {
        post.fSourceWords = {{0, 3, 0, Word_X::kNoEntry},
                             {4, 4, 0, 0},
                             {9, 2, 0, Word_X::kNoEntry},
                             {12, 3, 0, 1},
                             {15, 1, 0, Word_X::kNoEntry}};
        post.fTargetWords = {{0, 4, 3, 0}, {8, 3, 5, 1}};
        post.fEntries = {{2, 9}, {3, 4}};
    }
    std::vector<PostIF> Info() const {
        std::vector<PostIF> info;
        post.GetPostInfo(info, source, target);
        return info;
    }
};

std::vector<FakeAlternateWords::Alternative> Alternatives(std::vector<std::string> const& japanese) {
    std::vector<FakeAlternateWords::Alternative> alternatives;
    for (std::string const& text : japanese) alternatives.push_back({text, 1, true});
    return alternatives;
}

std::vector<std::string> Texts(PostIF const& info) {
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < info.count; ++i) texts.push_back(info.alternatives[i].text);
    return texts;
}

TEST(PostEdit, EachSourceWordGetsItsTwinAndItsInflectedAlternatives) {
    FakeAlternateWords service;
    service.table["bank"] = Alternatives({"BANK", "DOTE", "TEIBOU"});
    service.table["big"] = Alternatives({"BIG"});
    Sentence sentence;
    std::vector<PostIF> const info = sentence.Info();
    ASSERT_EQ(info.size(), 5u);
    EXPECT_EQ(info[1].sourceStart, 4u);
    EXPECT_EQ(info[1].targetLength, 4u);
    EXPECT_EQ(info[1].japanesePOS, 3u);
    EXPECT_EQ(info[1].entryDictionary, 2);
    EXPECT_EQ(info[1].entryTranslationLength, 9u);
    EXPECT_EQ(Texts(info[1]), (std::vector<std::string>{"BANK+", "DOTE+", "TEIBOU+"}));
    // Only its own translation: no choice.
    EXPECT_EQ(info[3].count, 0u);
    EXPECT_EQ(info[3].targetStart, 8u);
    // Words without Japanese (first, middle, last) take nothing of the next
    // word's, and the service is not asked about them.
    for (std::size_t i : {0u, 2u, 4u}) {
        EXPECT_EQ(info[i].targetStart + info[i].targetLength + info[i].japanesePOS, 0u) << i;
        EXPECT_EQ(info[i].entryDictionary, 0) << i;
        EXPECT_EQ(info[i].count, 0u) << i;
    }
    EXPECT_EQ(service.lists, 2);
    EXPECT_EQ(service.liveSets, 0);
}

TEST(PostEdit, AlternativeListsAreCappedAndCutAtAFailedInflection) {
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) many.push_back("ALT" + std::to_string(i));
    struct {
        char const* what;
        std::vector<std::string> alternatives;
        uint32_t count;
    } const cases[] = {
        {"over the cap", many, 256},
        {"the third fails", {"BANK", "DOTE", "FAIL", "TEIBOU"}, 2},
        {"the second fails", {"BANK", "FAIL", "DOTE"}, 0},
        {"none", {}, 0},
    };
    for (auto const& c : cases) {
        FakeAlternateWords service;
        service.table["bank"] = Alternatives(c.alternatives);
        service.table["big"] = Alternatives({"BIG", "OOKII"});
        std::vector<PostIF> const info = Sentence().Info();
        ASSERT_EQ(info.size(), 5u) << c.what;
        EXPECT_EQ(info[1].count, c.count) << c.what;
        if (c.count > 0) {
            EXPECT_EQ(info[1].alternatives[c.count - 1].text, c.alternatives[c.count - 1] + "+") << c.what;
        }
        // The words after it are still listed.
        EXPECT_EQ(info[3].count, 2u) << c.what;
    }
}

TEST(PostEdit, SpansOutsideTheGivenTextsAreCutToWhatTheyHold) {
    FakeAlternateWords service;
    service.table[""] = Alternatives({"X", "Y"});
    service.table["ba"] = Alternatives({"P", "Q"});
    Sentence sentence;
    sentence.source = "The ba";
    sentence.target = "";
    std::vector<PostIF> const info = sentence.Info();
    ASSERT_EQ(info.size(), 5u);
    EXPECT_EQ(info[1].count, 2u);  // "bank" cut to "ba"
    EXPECT_EQ(info[1].alternatives[0].text, "P+");
    EXPECT_EQ(info[3].count, 2u);  // "big" lies past the end: ""
}

TEST(PostEdit, NoServiceMeansNoAlternatives) {
    std::vector<PostIF> const info = Sentence().Info();
    ASSERT_EQ(info.size(), 5u);
    EXPECT_EQ(info[1].count, 0u);
    EXPECT_EQ(info[1].targetLength, 4u);
}

TEST(PostEdit, ASelectionFindsTheWordAndItsTwinInHalfOpenSpans) {
    Sentence sentence;
    struct {
        long position;
        LANG side;
        bool found;
        uint32_t sourceStart;
    } const cases[] = {
        {4, kSourceSide, true, 4},
        {7, kSourceSide, true, 4},
        {8, kSourceSide, false, 0},
        {0, kSourceSide, false, 0},
        {15, kSourceSide, false, 0},
        {-1, kSourceSide, false, 0},
        {9, kTargetSide, true, 12},
        {3, kTargetSide, true, 4},
        {4, kTargetSide, false, 0},
        {11, kTargetSide, false, 0},
        {4, 2, false, 0},
    };
    for (auto const& c : cases) {
        Word_X source;
        Word_X target;
        long sourceStart = -1;
        long targetStart = -1;
        unsigned first = 0;
        unsigned second = 0;
        EXPECT_EQ(sentence.post.GetTwinWordsAtSelection(c.position, c.side, source, sourceStart, target, targetStart,
                                                        first, second),
                  c.found)
            << c.position << " " << c.side;
        if (c.found) {
            EXPECT_EQ(sourceStart, static_cast<long>(c.sourceStart)) << c.position;
        }
    }
}

TEST(PostEdit, AnAlternativeTakesTheSelectedWordsPlaceAndAnyOtherKRestoresIt) {
    FakeAlternateWords service;
    service.table["bank"] = Alternatives({"BANK", "DOTE", "FAIL"});
    Sentence sentence;
    std::vector<AltWordInfo> alternatives;
    sentence.post.GenerateAlternatesForWordAtSelection(5, kSourceSide, sentence.source.c_str(), sentence.target.c_str(),
                                                       alternatives);
    ASSERT_EQ(alternatives.size(), 3u);
    EXPECT_EQ(alternatives[1].target, "DOTE");
    struct {
        short k;
        char const* translation;
    } const cases[] = {{1, "DOTE+ wa BIG."}, {0, "BANK+ wa BIG."}, {2, "BANK wa BIG."},
                       {3, "BANK wa BIG."},  {-1, "BANK wa BIG."}, {999, "BANK wa BIG."}};
    for (auto const& c : cases) {
        std::string out;
        sentence.post.AltTranslation(c.k, out);
        EXPECT_EQ(out, c.translation) << c.k;
    }
    EXPECT_EQ(service.liveSets, 0);

    // A position in no word selects nothing and forgets the last selection.
    sentence.post.GenerateAlternatesForWordAtSelection(1, kSourceSide, sentence.source.c_str(), nullptr, alternatives);
    EXPECT_TRUE(alternatives.empty());
    std::string out;
    sentence.post.AltTranslation(1, out);
    EXPECT_EQ(out, "");
}

TEST(PostEdit, TheChosenInflectionReportsTheResultsSource) {
    FakeAlternateWords service;
    service.table["bank"] = Alternatives({"BANK", "DOTE"});
    service.table["bank"][1].dictionary = 9;
    Sentence sentence;
    AltWordInfo w;
    w.source = "bank";
    w.target = "BANK";
    std::string out;
    unsigned jpos = 0;
    unsigned length = 0;
    unsigned dictionary = 0;
    EXPECT_TRUE(sentence.post.GenerateChosenInflection(w, 1, &out, &jpos, &length, &dictionary));
    EXPECT_EQ(out, "DOTE+");
    EXPECT_EQ(jpos, 7u);
    EXPECT_EQ(dictionary, 9u);
    for (int k : {2, -1, 1000})
        EXPECT_FALSE(sentence.post.GenerateChosenInflection(w, k, &out, &jpos, &length, &dictionary)) << k;
    EXPECT_EQ(service.liveSets, 0);
    EXPECT_EQ(sentence.post.NewAlternateWord(w, 5), "BANK");
}

// ---- Learning ---------------------------------------------------------------------

PostIF BankRecord(std::vector<std::string> const& shown) {
    PostIF info;
    for (std::string const& text : shown) info.alternatives[info.count++] = {text + "+", 1};
    return info;
}

TEST(AlternateLearning, TheChosenAlternativeIsCountedAsOftenAsTheStrengthSays) {
    struct {
        uint32_t strength;
        int choice;
        int bumps;
    } const cases[] = {
        {0, 1, 1},
        {1, 1, 2},
        {2, 1, 3},
        {2, 0, 3},
        // Outside the list: nothing, not a crash.
        {2, 3, 0},
        {2, 99, 0},
        {2, -1, 0},
    };
    for (auto const& c : cases) {
        FakeAlternateWords service;
        service.table["bank"] = Alternatives({"BANK", "DOTE", "TEIBOU"});
        BasicTranslationOptions options;
        options.fStrength = c.strength;
        ZRAlternateLearning(&options).DoLearning(BankRecord({"BANK", "DOTE", "TEIBOU"}), "bank", "BANK", c.choice);
        int total = 0;
        for (auto const& learnt : service.learnt) total += learnt.second;
        EXPECT_EQ(total, c.bumps) << c.strength << " " << c.choice;
        if (c.bumps > 0) {
            EXPECT_EQ(service.learnt[service.table["bank"][c.choice].japanese], c.bumps);
        }
        EXPECT_EQ(service.liveSets, 0);
    }
}

TEST(AlternateLearning, ADisabledOrChangedAlternativeIsNotCounted) {
    BasicTranslationOptions options;
    options.fStrength = 2;
    {
        FakeAlternateWords service;
        service.table["bank"] = Alternatives({"BANK", "DOTE"});
        service.table["bank"][1].enabled = false;
        ZRAlternateLearning(&options).DoLearning(BankRecord({"BANK", "DOTE"}), "bank", "BANK", 1);
        EXPECT_TRUE(service.learnt.empty());
    }
    {
        // The host was shown a list from other dictionaries.
        FakeAlternateWords service;
        service.table["bank"] = Alternatives({"BANK", "DOTE"});
        service.table["bank"][1].dictionary = 5;
        ZRAlternateLearning(&options).DoLearning(BankRecord({"BANK", "DOTE"}), "bank", "BANK", 1);
        EXPECT_TRUE(service.learnt.empty());
    }
}

}  // namespace
