#include "engine/foundation/browse_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/pos_codes.h"
#include "foundation/temporary_test_support.h"

namespace {

using temporary_test::Drain;

constexpr unsigned short kSystem = 1;
constexpr unsigned short kTechnical = 100;
constexpr unsigned short kUser = 10000;
constexpr POS_E_Source kBeyondTable{kE_Source_POSNameCount + 5};

struct Reading {
    POS_E_Source pos;
    bool hidden;
};

// Readings are created in the order given; the dictionary lists them newest
// first.
Entry_EX MakeEntry(Dictionary_EX& dictionary, std::string const& headword, std::vector<Reading> const& readings) {
    Entry_EX entry = dictionary.CreateNewEntry(headword);
    for (Reading const& reading : readings) {
        FinePOS_EX fp = entry.CreateNewFinePOS();
        fp.SetFinePOS(reading.pos);
        fp.SetHidden(reading.hidden);
        fp.CreateNewParaphrase().SetCookedTranslation("{x}");
    }
    return entry;
}

std::vector<POS_E_Source> POSes(Entry_EX const& entry) {
    std::vector<POS_E_Source> poses;
    for (FinePOS_EX const& fp : Drain(entry.GetFinePOSIterator())) poses.push_back(fp.GetFinePOS());
    return poses;
}

enum class Outcome { kSame, kNothing, kCopy };

TEST(BrowseFilter, DecidesPerEntry) {
    struct Case {
        char const* what;
        unsigned short dictionaryID;
        char const* headword;
        std::vector<Reading> readings;
        Outcome outcome;
        std::vector<POS_E_Source> copied;  // for kCopy, in listing order
    };
    Case const cases[] = {
        {"user entry, all hidden", kUser, "walk", {{kCatN, true}}, Outcome::kSame, {}},
        {"technical entry, all hidden", kTechnical, "walk", {{kCatN, true}, {kCat5SKIP, false}}, Outcome::kSame, {}},
        {"only hidden", kSystem, "walk", {{kCatN, true}}, Outcome::kNothing, {}},
        {"all showable", kSystem, "walk", {{kCatN, false}, {kCatVT01, false}}, Outcome::kSame, {}},
        {"two words N and VT01", kSystem, "walk out", {{kCatN, false}, {kCatVT01, false}}, Outcome::kSame, {}},
        {"three words N and VT01",
         kSystem,
         "walk it out",
         {{kCatN, false}, {kCatVT01, false}},
         Outcome::kCopy,
         {kCatN}},
        {"three words PRN", kSystem, "each and every", {{kCatPRN, false}}, Outcome::kSame, {}},
        {"name not viewable", kSystem, "walk", {{kCat5SKIP, false}}, Outcome::kNothing, {}},
        {"code beyond the name table", kSystem, "walk", {{kBeyondTable, false}}, Outcome::kNothing, {}},
        {"code beyond the table beside N",
         kSystem,
         "walk",
         {{kBeyondTable, false}, {kCatN, false}},
         Outcome::kCopy,
         {kCatN}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        Dictionary_EX_Temporary source;
        source.SetID(c.dictionaryID);
        Entry_EX const entry = MakeEntry(source, c.headword, c.readings);
        BrowseFilter filter;
        CanBeNull<Entry_EX> const shown = filter.FilterEntryIfNecessary(entry);
        switch (c.outcome) {
            case Outcome::kNothing:
                EXPECT_TRUE(shown.IsNull());
                break;
            case Outcome::kSame:
                ASSERT_FALSE(shown.IsNull());
                EXPECT_TRUE(shown.Get() == entry);
                break;
            case Outcome::kCopy:
                ASSERT_FALSE(shown.IsNull());
                EXPECT_FALSE(shown.Get() == entry);
                EXPECT_EQ(shown.Get().GetSrcText(), c.headword);
                EXPECT_EQ(POSes(shown.Get()), c.copied);
                break;
        }
    }
}

TEST(BrowseFilter, CountsWordsByBlanks) {
    EXPECT_EQ(BrowseFilter::CountWords(""), 1u);
    EXPECT_EQ(BrowseFilter::CountWords("walk"), 1u);
    EXPECT_EQ(BrowseFilter::CountWords("walk it out"), 3u);
    EXPECT_EQ(BrowseFilter::CountWords("walk\tit"), 1u);
}

// The copy lists readings and translations the other way round from the
// source (cloned in order, listed newest first), and keeps the learning values
// of the translations.
TEST(BrowseFilter, CopyListsTheReadingsReversedAndKeepsLearning) {
    Dictionary_EX_Temporary source;
    source.SetID(kSystem);
    Entry_EX entry = source.CreateNewEntry("on and off");
    for (POS_E_Source pos : {kCatPRN, kCatVT01, kCatN}) {
        FinePOS_EX fp = entry.CreateNewFinePOS();
        fp.SetFinePOS(pos);
        for (char const* cooked : {"{a}", "{b}", "{c}"}) fp.CreateNewParaphrase().SetCookedTranslation(cooked);
    }
    auto translations = [](FinePOS_EX const& fp) {
        std::vector<std::string> texts;
        for (Paraphrase_EX const& pp : Drain(fp.GetParaphraseIterator())) texts.push_back(pp.GetCookedTranslation());
        return texts;
    };
    FinePOS_EX const sourceN = *entry.GetFinePOSIterator();
    Paraphrase_EX const learned = *sourceN.GetParaphraseIterator();
    source.GetDictionaryLearningInterface(true)->SetLearningValue(sourceN, learned, 0.25f);

    BrowseFilter filter;
    CanBeNull<Entry_EX> const shown = filter.FilterEntryIfNecessary(entry);
    ASSERT_FALSE(shown.IsNull());
    Entry_EX const copy = shown.Get();
    EXPECT_EQ(POSes(entry), (std::vector<POS_E_Source>{kCatN, kCatVT01, kCatPRN}));
    EXPECT_EQ(POSes(copy), (std::vector<POS_E_Source>{kCatPRN, kCatN}));
    std::vector<FinePOS_EX> const copied = Drain(copy.GetFinePOSIterator());
    EXPECT_EQ(translations(sourceN), (std::vector<std::string>{"{c}", "{b}", "{a}"}));
    for (FinePOS_EX const& fp : copied) EXPECT_EQ(translations(fp), (std::vector<std::string>{"{a}", "{b}", "{c}"}));
    FinePOS_EX const copiedN = copied[1];
    Paraphrase_EX const copiedLearned = Drain(copiedN.GetParaphraseIterator()).back();

    float value = 0.0f;
    auto* learning = copy.GetDictionary().GetDictionaryLearningInterface(true);
    ASSERT_NE(learning, nullptr);
    EXPECT_TRUE(learning->GetLearningValue(copiedN, copiedLearned, &value));
    EXPECT_EQ(value, 0.25f);

    // A copy handed out stays usable after the filter starts afresh.
    filter.Reset();
    EXPECT_EQ(POSes(copy), (std::vector<POS_E_Source>{kCatPRN, kCatN}));
}

}  // namespace
