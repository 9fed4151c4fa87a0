// The user's part-of-speech settings over a sentence: widening to whole
// words, nesting and crossing, replacing, flipping and removing, and the
// queries hosts make.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "engine/foundation/cat_lists.h"
#include "engine/parse/pos_setting.h"
#include "engine/parse/sentence.h"

namespace {

// A sentence whose words cover the given byte spans.
std::unique_ptr<Sentence> SentenceOver(std::initializer_list<std::pair<uint16_t, uint16_t>> spans) {
    auto sentence = std::make_unique<Sentence>(SentenceUserOptions());
    std::vector<PreparsedWord> words;
    for (auto const& span : spans) {
        PreparsedWord word;
        word.fText = "w";
        word.fStart = span.first;
        word.fEnd = span.second;
        words.push_back(word);
    }
    sentence->SetPreparsedWords(words, {}, {}, false);
    return sentence;
}

// "The old man  walked home." with a line end word of no width after "man".
std::unique_ptr<Sentence> FiveWords() { return SentenceOver({{0, 3}, {4, 7}, {8, 11}, {11, 11}, {13, 19}, {20, 24}}); }

POS_SETTING Setting(uint16_t code, uint16_t start, uint16_t end) {
    POS_SETTING setting;
    setting.code = code;
    setting.start = start;
    setting.end = end;
    return setting;
}

uint16_t Set(Sentence* sentence, POS_SETTING request, POS_SETTING* result = nullptr) {
    POS_SETTING ignored;
    return CSetPOS(sentence, result != nullptr ? result : &ignored, &request);
}

TEST(POSSetting, ARequestIsClippedAndWidenedToWholeWords) {
    struct {
        char const* what;
        POS_SETTING request;
        POS_SETTING stored;
    } const cases[] = {
        {"exactly one word", Setting(1, 4, 7), Setting(1, 4, 7)},
        {"inside one word", Setting(1, 5, 6), Setting(1, 4, 7)},
        {"from a blank into a word", Setting(1, 3, 9), Setting(1, 0, 11)},
        {"over several words", Setting(2, 5, 15), Setting(2, 4, 19)},
        {"start before the sentence", Setting(3, 0, 2), Setting(3, 0, 3)},
        {"past the end", Setting(4, 22, 400), Setting(4, 20, 24)},
        {"wholly past the end: the last word", Setting(4, 300, 400), Setting(4, 20, 24)},
        {"reversed edges", Setting(5, 15, 5), Setting(5, 4, 19)},
        {"the zero-width word is skipped", Setting(6, 11, 12), Setting(6, 8, 19)},
    };
    for (auto const& c : cases) {
        auto sentence = FiveWords();
        POS_SETTING result;
        EXPECT_EQ(Set(sentence.get(), c.request, &result), kSetPOSDone) << c.what;
        EXPECT_EQ(result, c.stored) << c.what;
        ASSERT_EQ(sentence->Settings().size(), 1u) << c.what;
        EXPECT_EQ(sentence->Settings()[0], c.stored) << c.what;
    }
}

TEST(POSSetting, NestingAndCrossingAgainstAStoredSetting) {
    struct {
        char const* what;
        POS_SETTING stored;
        POS_SETTING request;
        uint16_t status;
    } const cases[] = {
        {"a word inside a noun phrase", Setting(1, 0, 11), Setting('A', 4, 7), kSetPOSNests},
        {"a noun phrase around a word", Setting('A', 4, 7), Setting(1, 0, 11), kSetPOSNests},
        {"a word inside a word-class stretch", Setting('A', 0, 11), Setting('B', 4, 7), kSetPOSDone},
        {"any category around a phrase is fine", Setting(1, 4, 7), Setting(129, 0, 11), kSetPOSDone},
        {"words 1-3 against words 2-4", Setting('A', 0, 11), Setting('B', 4, 19), kSetPOSCrosses},
        {"words 2-4 against words 1-3", Setting('A', 4, 19), Setting('B', 0, 11), kSetPOSCrosses},
        {"sharing one edge nests", Setting(1, 0, 11), Setting('C', 0, 3), kSetPOSNests},
        {"disjoint", Setting(1, 0, 7), Setting(2, 13, 24), kSetPOSDone},
        {"touching", Setting(1, 0, 7), Setting(2, 8, 11), kSetPOSDone},
    };
    for (auto const& c : cases) {
        auto sentence = FiveWords();
        ASSERT_EQ(Set(sentence.get(), c.stored), kSetPOSDone) << c.what;
        POS_SETTING result;
        EXPECT_EQ(Set(sentence.get(), c.request, &result), c.status) << c.what;
        if (c.status != kSetPOSDone) {
            EXPECT_EQ(result, c.stored) << c.what;  // the setting in the way
            EXPECT_EQ(sentence->Settings().size(), 1u) << c.what;
        } else {
            EXPECT_EQ(sentence->Settings().size(), 2u) << c.what;
        }
    }
}

TEST(POSSetting, TheSameRangeIsChangedFlippedOrRemoved) {
    auto sentence = FiveWords();
    constexpr uint16_t kMark = POS_SETTING::kLiteralMark;
    POS_SETTING result;
    // A bare mark on a new range stands for any category, kept as English.
    EXPECT_EQ(Set(sentence.get(), Setting(kMark, 4, 11), &result), kSetPOSDone);
    EXPECT_EQ(result, Setting(kMark | 129, 4, 11));
    // A new code keeps the stored mark.
    EXPECT_EQ(Set(sentence.get(), Setting('D', 5, 9), &result), kSetPOSDone);
    EXPECT_EQ(result, Setting(kMark | 'D', 4, 11));
    // A bare mark flips it, twice back again.
    Set(sentence.get(), Setting(kMark, 4, 11), &result);
    EXPECT_EQ(result, Setting('D', 4, 11));
    Set(sentence.get(), Setting(kMark, 4, 11), &result);
    EXPECT_EQ(result, Setting(kMark | 'D', 4, 11));
    ASSERT_EQ(sentence->Settings().size(), 1u);

    // Removing: the last setting takes the removed one's place.
    Set(sentence.get(), Setting(1, 13, 24));
    Set(sentence.get(), Setting(2, 0, 3));
    EXPECT_EQ(Set(sentence.get(), Setting(kPOSCodeRemove, 4, 11), &result), kSetPOSDone);
    ASSERT_EQ(sentence->Settings().size(), 2u);
    EXPECT_EQ(sentence->Settings()[0], Setting(2, 0, 3));
    // Nothing to remove changes nothing and answers the widened range.
    EXPECT_EQ(Set(sentence.get(), Setting(kPOSCodeRemove, 5, 6), &result), kSetPOSDone);
    EXPECT_EQ(result, Setting(kPOSCodeRemove, 4, 7));
    EXPECT_EQ(sentence->Settings().size(), 2u);
}

TEST(POSSetting, ASentenceWithoutWordsTakesNoSetting) {
    auto sentence = SentenceOver({});
    POS_SETTING result;
    EXPECT_EQ(Set(sentence.get(), Setting(1, 0, 5), &result), kPOSNotFound);
    EXPECT_TRUE(sentence->Settings().empty());
    uint16_t count = 9;
    POS_SETTING dummy;
    POS_SETTING* list = &dummy;
    CGetPOSList(sentence.get(), &count, &list);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(list, nullptr);
}

TEST(POSSetting, QueriesFindTheSmallestEnclosingAndTheNextSetting) {
    POS_SETTING const list[] = {Setting(1, 0, 24), Setting('A', 4, 7), Setting('B', 4, 11), Setting('C', 13, 19)};
    struct {
        char const* what;
        POS_SETTING selection;
        uint16_t getStatus;
        POS_SETTING got;  // CGetPOS
        uint16_t findStatus;
        POS_SETTING found;  // CFindPOS
    } const cases[] = {
        {"an exact match", Setting(0, 4, 7), kSetPOSDone, Setting('A', 4, 7), kSetPOSDone, Setting('B', 4, 11)},
        {"inside two: the later start", Setting(0, 8, 9), kSetPOSDone, Setting('B', 4, 11), kSetPOSDone,
         Setting('B', 4, 11)},
        {"only the whole sentence encloses", Setting(0, 10, 14), kSetPOSDone, Setting(1, 0, 24), kSetPOSDone,
         Setting(1, 0, 24)},
        {"the last setting exactly", Setting(0, 13, 19), kSetPOSDone, Setting('C', 13, 19), kPOSNotFound, POS_SETTING()},
        {"past everything", Setting(0, 30, 31), kPOSNotFound, POS_SETTING(), kPOSNotFound, POS_SETTING()},
    };
    for (auto const& c : cases) {
        POS_SETTING selection = c.selection;
        POS_SETTING result;
        EXPECT_EQ(CGetPOS(&result, &selection, 4, list), c.getStatus) << c.what;
        if (c.getStatus == kSetPOSDone) {
            EXPECT_EQ(result, c.got) << c.what;
        }
        EXPECT_EQ(CFindPOS(&result, &selection, 4, list), c.findStatus) << c.what;
        if (c.findStatus == kSetPOSDone) {
            EXPECT_EQ(result, c.found) << c.what;
        }
    }
    POS_SETTING selection = Setting(0, 4, 7);
    POS_SETTING result;
    EXPECT_EQ(CGetPOS(&result, &selection, 0, nullptr), kPOSNotFound);

    auto sentence = FiveWords();
    Set(sentence.get(), Setting(1, 0, 3));
    Set(sentence.get(), Setting(2, 13, 19));
    uint16_t count = 0;
    POS_SETTING* copy = nullptr;
    CGetPOSList(sentence.get(), &count, &copy);
    ASSERT_EQ(count, 2u);
    EXPECT_EQ(copy[1], Setting(2, 13, 19));
    delete[] copy;
}

TEST(POSSetting, CodesAdmitTheCategoriesOfTheirLists) {
    // The first part of speech of each list the codes name.
    struct {
        uint16_t code;
        int list;
    } const codes[] = {{1, 18},   {2, 19},   {3, 20},   {4, 21},   {5, 37},  {6, 38},
                       {'A', 22}, {'B', 23}, {'C', 26}, {'D', 24}, {'E', 25}};
    for (auto const& c : codes) {
        if (kNumCats[c.list] == 0) continue;
        uint16_t const member = kCatLists[c.list][0].pos;
        EXPECT_TRUE(SetPOSMatch(c.code, member)) << c.code;
        EXPECT_TRUE(SetPOSMatch(c.code | POS_SETTING::kLiteralMark, member)) << c.code;  // the mark is not read
    }
    EXPECT_TRUE(SetPOSMatch(129, 1));
    EXPECT_TRUE(SetPOSMatch(129, 14998));
    EXPECT_FALSE(SetPOSMatch(129, 14999));
    EXPECT_FALSE(SetPOSMatch(0, 1));
    EXPECT_FALSE(SetPOSMatch(7, 1));
    EXPECT_FALSE(SetPOSMatch(130, 1));
}

}  // namespace
