#include "engine/compiled/missing_word_entries.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/pos_codes.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

struct Reading {
    std::string headword;
    POS_E_Source pos;
    std::string cooked;

    bool operator==(Reading const& other) const {
        return headword == other.headword && pos == other.pos && cooked == other.cooked;
    }
};

std::ostream& operator<<(std::ostream& out, Reading const& reading) {
    return out << reading.headword << " " << reading.pos << " " << reading.cooked;
}

std::vector<Reading> Readings(std::vector<Paraphrase_EX> const& paraphrases) {
    std::vector<Reading> readings;
    for (Paraphrase_EX const& paraphrase : paraphrases)
        readings.push_back({paraphrase.GetEntry().GetSrcText(), paraphrase.GetFinePOS().GetFinePOS(),
                            paraphrase.GetCookedTranslation()});
    return readings;
}

// The reading an assignment key gives a word.
Reading FromKey(std::string const& word, char const* key) {
    MW_POS const* const row = FindMWAssignment(key);
    EXPECT_NE(row, nullptr) << key;
    std::string cooked = std::string("zxqUSE_SURFACE_FORM ") + row->japaneseEnding;
    while (!cooked.empty() && cooked.back() == ' ') cooked.pop_back();
    return {word, row->sourcePOS, cooked};
}

std::vector<Paraphrase_EX> MissingWordReadings(char const* word, bool affixOnly) {
    Dictionary_EX_Temporary temporary;
    std::vector<Paraphrase_EX> out;
    CreateMWEntries(&out, word, affixOnly, temporary);
    return out;
}

}  // namespace

TEST(MakeOrCreateEntry, FindsOnlyTheExactHeadword) {
    Dictionary_EX_Temporary dictionary;
    Entry_EX const apple = dictionary.CreateNewEntry("Apple");

    EXPECT_EQ(MakeOrCreateEntry(dictionary, "Apple"), apple);
    Entry_EX const lower = MakeOrCreateEntry(dictionary, "apple");
    EXPECT_NE(lower, apple);
    EXPECT_EQ(lower.GetSrcText(), "apple");
    EXPECT_EQ(MakeOrCreateEntry(dictionary, "apple"), lower);
}

TEST(MakeOrCreateEntry, RefusesHeadwordsTooLongToBeFoundAgain) {
    Dictionary_EX_Temporary dictionary;
    std::string const longest(255, 'a');
    Entry_EX const made = MakeOrCreateEntry(dictionary, longest);
    EXPECT_EQ(MakeOrCreateEntry(dictionary, longest), made);

    EXPECT_THROW(MakeOrCreateEntry(dictionary, std::string(256, 'a')), std::length_error);
    std::size_t entries = 0;
    for (BidirectionalIterator<Entry_EX> it = dictionary.GetEntryIterator_start(); !it.IsAtEnd(); ++it) ++entries;
    EXPECT_EQ(entries, 1u);

    std::vector<Paraphrase_EX> out;
    CreateMWEntries(&out, std::string(256, 'A').c_str(), false, dictionary);
    EXPECT_TRUE(out.empty());
}

TEST(EndsWithCI, ComparesLowerCaseAndRespectsDoubleByteCharacters) {
    struct Case {
        char const* text;
        char const* ending;
        bool ends;
    };
    Case const cases[] = {
        {"ABCs", "s", true},
        {"ABCS", "s", true},
        {"happiness", "ness", true},
        {"s", "ss", false},
        {"word", "", true},
        {"abc", "abd", false},
        // 0x82 0x73 is one double-byte character whose second byte reads "s".
        {"a\x82s", "s", false},
        {"\x82sx\x82s", "xs", false},
        {"\x82\x73s", "s", true},
    };
    for (Case const& c : cases) EXPECT_EQ(EndsWithCI(c.text, c.ending), c.ends) << c.text << " / " << c.ending;
}

TEST(SetFinePOSAndParaphraseFromMWTable, FillsFromTheAssignment) {
    struct Case {
        char const* key;
        char const* word;
        char const* cooked;
        char const* firstFeatures;
        Dict_Semantics_E_Source const* semantics;  // null: none set
    };
    Case const cases[] = {
        {"sb.", "dog", "{inu}", "SSSC1101110M00_", &GetDefaultNounSemantics()},
        {"PN_SING", "Tokyo", "{toukyou}", "SSSC1112110U00_", &GetDefaultProperNounSemantics()},
        {"intr.", "run", "{hashiru} su-", "P1I0__0000______________", nullptr},
        {"PP", "in time", "{maniau}", "in time", nullptr},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.key);
        Dictionary_EX_Temporary dictionary;
        FinePOS_EX fp = dictionary.CreateNewEntry(c.word).CreateNewFinePOS();
        Paraphrase_EX const pp = fp.CreateNewParaphrase();
        std::string const japanese = std::string(c.cooked).substr(0, std::string(c.cooked).find(' '));
        SetFinePOSAndParaphraseFromMWTable(fp, pp, c.word, japanese.c_str(), c.key);

        MW_POS const& row = *FindMWAssignment(c.key);
        EXPECT_EQ(fp.GetFinePOS(), row.sourcePOS);
        EXPECT_EQ(fp.GetPValue(), row.pValue / 2);
        EXPECT_EQ(fp.GetFeatureSets(0), c.firstFeatures);
        EXPECT_EQ(fp.GetFeatureSets(1), row.featureSets.GetSet(1));
        EXPECT_EQ(pp.GetCookedTranslation(), c.cooked);
        EXPECT_EQ(pp.GetTransPOS(), row.targetPOS);
        if (c.semantics != nullptr)
            EXPECT_EQ(pp.GetSemantics().records[0], c.semantics->records[0]);
        else
            EXPECT_TRUE(pp.GetSemantics().IsBlank());
    }
}

TEST(SetFinePOSAndParaphraseFromMWTable, UnknownKeyChangesNothing) {
    Dictionary_EX_Temporary dictionary;
    FinePOS_EX fp = dictionary.CreateNewEntry("x").CreateNewFinePOS();
    Paraphrase_EX const pp = fp.CreateNewParaphrase();
    SetFinePOSAndParaphraseFromMWTable(fp, pp, "x", "{x}", "n_s");
    EXPECT_EQ(fp.GetFinePOS(), POS_E_Source{});
    EXPECT_EQ(pp.GetCookedTranslation(), "");
}

TEST(CreateVHNDictEntry, RowsGivingTheSameReadingAddOneReading) {
    Dictionary_EX_Temporary dictionary;
    std::vector<Paraphrase_EX> out;
    MWRowsUsed used = {};
    // Both adverb guesses carry the same parts of speech and feature sets.
    for (char const* key : {"ADV_S", "ADV_ED", "ADV_S", "N_S", "no such key"})
        CreateVHNDictEntry(&out, "glorbs", key, false, dictionary, used);
    EXPECT_EQ(Readings(out), (std::vector<Reading>{FromKey("glorbs", "ADV_S"), FromKey("glorbs", "N_S")}));
    EXPECT_EQ(out[0].GetEntry(), out[1].GetEntry());
}

TEST(CreateMWEntries, ReadingsOfUnknownWords) {
    Reading const mcBride{"McBride", kCatN, "{McBride}"};
    struct Case {
        char const* word;
        bool affixOnly;
        std::vector<Reading> readings;
    };
    Case const cases[] = {
        {"McBride", false, {mcBride, FromKey("McBride", "PN_SING")}},
        {"McBride", true, {mcBride, FromKey("McBride", "PN_SING")}},
        {"Glorbs",
         false,
         {FromKey("glorbs", "N_S"), FromKey("glorbs", "VI01_S"), FromKey("glorbs", "VT01_S"),
          FromKey("glorbs", "ADJ_S"), FromKey("glorbs", "ADV_S"), FromKey("Glorbs", "PN_PL")}},
        {"Glorbs", true, {FromKey("Glorbs", "PN_PL")}},
        {"glorbs", true, {}},
        {"Zibbing",
         false,
         {FromKey("zibbing", "N_ING"), FromKey("zibbing", "VI01_ING_1"), FromKey("zibbing", "VT01_ING_1"),
          FromKey("zibbing", "VI01_ING_2"), FromKey("zibbing", "VT01_ING_2"), FromKey("zibbing", "ADJ_ING"),
          FromKey("zibbing", "ADV_ING"), FromKey("Zibbing", "PN_SING")}},
        {"frob",
         false,
         {FromKey("frob", "N_GENERIC"), FromKey("frob", "VI01_GENERIC"), FromKey("frob", "VT01_GENERIC"),
          FromKey("frob", "ADJ_GENERIC"), FromKey("frob", "ADV_GENERIC")}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string(c.word) + (c.affixOnly ? " affix only" : ""));
        EXPECT_EQ(Readings(MissingWordReadings(c.word, c.affixOnly)), c.readings);
    }
}

TEST(CreateMWEntries, McBrideIsAPersonName) {
    std::vector<Paraphrase_EX> const out = MissingWordReadings("McBride", false);
    ASSERT_FALSE(out.empty());
    Dict_Semantics_E_Source const expected = ConvertNounSemanticsFromText("N personname");
    EXPECT_EQ(out[0].GetSemantics().records[0], expected.records[0]);
}

TEST(POSGuess, ClassesAndStemFromTheEnding) {
    struct Case {
        char const* word;
        unsigned short classes;
        char const* stem;  // null: none
    };
    Case const cases[] = {
        {"happiness", kGuessNoun, nullptr},
        {"quickly", kGuessAdverb, nullptr},
        {"cities", kGuessNoun, "city"},
        {"running", kGuessVerb, "runn"},
        {"xyz", 0, nullptr},
        {"", 0, nullptr},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.word);
        unsigned short classes = 0xFFFF;
        char* stem = nullptr;
        POSGuess(&classes, &stem, c.word);
        EXPECT_EQ(classes, c.classes);
        if (c.stem == nullptr)
            EXPECT_EQ(stem, nullptr);
        else
            EXPECT_STREQ(stem, c.stem);
        delete[] stem;
    }
}
