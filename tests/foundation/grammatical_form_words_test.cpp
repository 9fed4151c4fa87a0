#include "engine/foundation/grammatical_form_words.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "foundation/fake_dictionary.h"

namespace {

using fake::MakeDictionary;
using fake::Options;
using fake::Probe;

// Codes of the English name table.
constexpr POS_E_Source kN{22};
constexpr POS_E_Source kPREPADJ{31};
constexpr POS_E_Source kADJ{3};
constexpr POS_E_Source kART{82};
constexpr POS_E_Source kCONJ{99};
constexpr POS_E_Source kCONJthat{112};
constexpr POS_E_Source kPREP{201};
constexpr POS_E_Source kPastNameTable{2760};
constexpr POS_E_Source kAboveValidCodes{15000};
constexpr POS_E_Source kLargestCode{65535};

TEST(ThisEntryOKGrammaticalFormTest, SomeFinePOSIsAPrepositionArticleOrConjunction) {
    struct Case {
        char const* what;
        std::initializer_list<POS_E_Source> finePOSes;
        bool expected;
    };
    Case const cases[] = {
        {"noun", {kN}, false},
        {"noun and preposition", {kN, kPREP}, true},
        {"article", {kART}, true},
        {"conjunction", {kCONJ}, true},
        {"named conjunction", {kCONJthat}, true},
        {"prepositional adjective", {kPREPADJ}, true},
        {"adjective", {kADJ}, false},
        {"no fine part of speech", {}, false},
        {"code past the name table", {kPastNameTable}, false},
        {"code above 14999", {kAboveValidCodes, kLargestCode}, false},
    };
    auto dictionary = MakeDictionary().first;
    for (Case const& c : cases) {
        EXPECT_EQ(ThisEntryOKGrammaticalForm(fake::AddEntry(dictionary, "word", c.finePOSes)), c.expected) << c.what;
    }
}

// A dictionary that looks words up ignoring case, as the engine's do.
Options LookupOptions(Probe* probe) {
    Options options;
    options.probe = probe;
    options.lookupIgnoresCase = true;
    return options;
}

TEST(GrammaticalFormWordsLookup, AnswersFromTheEntriesFound) {
    Probe probe;
    auto [dictionary, rep] = MakeDictionary(LookupOptions(&probe));
    fake::AddEntry(dictionary, "record", {kN});
    fake::AddEntry(dictionary, "round", {kN});
    fake::AddEntry(dictionary, "round", {kN, kPREP});  // a second entry of the same headword
    fake::AddEntry(dictionary, "the", {kART});
    std::string const longWord(256, 'a');
    fake::AddEntry(dictionary, longWord, {kPREP});
    GrammaticalFormWordsInterface_Lookup const lookup(rep);

    struct Case {
        std::string word;
        bool expected;
    };
    Case const cases[] = {
        {"record", false}, {"round", true}, {"The", true}, {"THE", true}, {"a", false}, {"", false},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(lookup.IsWordThere(c.word.c_str()), c.expected) << '"' << c.word << '"';
        EXPECT_EQ(lookup.IsWordThere(c.word), c.expected) << '"' << c.word << "\" as std::string";
    }
    EXPECT_FALSE(lookup.IsWordThere(static_cast<char const*>(nullptr)));

    int const lookupsBefore = probe.lookups;
    EXPECT_FALSE(lookup.IsWordThere(longWord)) << "256 bytes";
    EXPECT_EQ(probe.lookups, lookupsBefore) << "the dictionary is not asked";
}

TEST(GrammaticalFormWordsComposite, AsksMembersInOrderUntilOneAnswers) {
    Probe firstProbe;
    Probe secondProbe;
    auto [first, firstRep] = MakeDictionary(LookupOptions(&firstProbe));
    auto [second, secondRep] = MakeDictionary(LookupOptions(&secondProbe));
    fake::AddEntry(first, "in", {kPREP});
    fake::AddEntry(second, "and", {kCONJ});
    GrammaticalFormWordsInterface_Lookup const firstLookup(firstRep);
    GrammaticalFormWordsInterface_Lookup const secondLookup(secondRep);

    GrammaticalFormWordsInterface_Composite composite;
    EXPECT_FALSE(composite.IsWordThere("in")) << "no members";
    composite.Append(&firstLookup);
    composite.Append(&secondLookup);

    EXPECT_TRUE(composite.IsWordThere("in"));
    EXPECT_EQ(secondProbe.lookups, 0) << "the first member answered";
    EXPECT_TRUE(composite.IsWordThere(std::string("And")));
    EXPECT_FALSE(composite.IsWordThere("book"));
}

TEST(BuildGramaticalFormsWordsTableTest, LowerCasedSortedDistinctWords) {
    auto dictionary = MakeDictionary().first;
    std::vector<Entry_EX> const entries = {
        fake::AddEntry(dictionary, "In", {kPREP}),
        fake::AddEntry(dictionary, "the", {kART}),
        fake::AddEntry(dictionary, "book", {kN}),
        fake::AddEntry(dictionary, "in", {kN, kPREP}),
        fake::AddEntry(dictionary, "AND", {kCONJ}),
        // "ア" (trail byte the code of "A") after a letter: stays "ア".
        fake::AddEntry(dictionary, "X\x83\x41", {kPREP}),
    };
    std::vector<std::string> const table =
        BuildGramaticalFormsWordsTable(VectorByValueForwardIterator<Entry_EX>(entries));
    EXPECT_EQ(table, (std::vector<std::string>{"and", "in", "the", "x\x83\x41"}));
    EXPECT_TRUE(BuildGramaticalFormsWordsTable(EmptyForwardIterator<Entry_EX>()).empty());
}

}  // namespace
