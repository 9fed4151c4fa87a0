#include "engine/foundation/lower_case_words.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/entry.h"
#include "foundation/fake_dictionary.h"

namespace {

using fake::MakeDictionary;
using fake::Options;
using fake::Probe;

constexpr POS_E_Source kNoun{22};

// A dictionary that looks words up ignoring case, as the engine's do.
struct LowerCaseFixture {
    LowerCaseFixture() : made(MakeDictionary(LookupOptions(&probe))), lookup(made.second) {}

    static Options LookupOptions(Probe* probe) {
        Options options;
        options.probe = probe;
        options.lookupIgnoresCase = true;
        return options;
    }

    Probe probe;
    std::pair<Dictionary_EX, fake::FakeDictionaryRep*> made;
    LowerCaseWordsInterface_Lookup lookup;
};

TEST(LowerCaseWordsLookup, FindsWordsTheDictionaryWritesInLowerCase) {
    LowerCaseFixture f;
    Dictionary_EX& dictionary = f.made.first;
    fake::AddEntry(dictionary, "apple", {kNoun});
    fake::AddEntry(dictionary, "Paris", {kNoun});  // a name: written with a capital only
    fake::AddEntry(dictionary, "Bill", {kNoun});
    fake::AddEntry(dictionary, "bill", {kNoun});
    // A letter and "ア", whose trail byte is the code of "A".
    fake::AddEntry(dictionary, "a\x83\x41", {kNoun});

    struct Case {
        std::string word;
        bool expected;
    };
    Case const cases[] = {
        {"apple", true}, {"Apple", true}, {"APPLE", true},     {"Paris", false}, {"paris", false},
        {"BILL", true},  {"pear", false}, {"A\x83\x41", true},  // lower-cased to "a" + "ア", not to "a\x83" + "a"
        {"", false},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(f.lookup.IsWordThere(c.word.c_str()), c.expected) << '"' << c.word << '"';
        EXPECT_EQ(f.lookup.IsWordThere(c.word), c.expected) << '"' << c.word << "\" as std::string";
        EXPECT_EQ(f.lookup.IsInInitialStringTable(c.word), c.expected) << '"' << c.word << "\" by the list query";
    }
    EXPECT_FALSE(f.lookup.IsWordThere(static_cast<char const*>(nullptr)));
}

TEST(LowerCaseWordsLookup, AWordOver255BytesFindsNothing) {
    LowerCaseFixture f;
    std::string const longWord(256, 'a');
    fake::AddEntry(f.made.first, longWord, {kNoun});
    fake::AddEntry(f.made.first, longWord.substr(1), {kNoun});

    EXPECT_TRUE(f.lookup.IsWordThere(longWord.substr(1))) << "255 bytes";
    int const lookupsBefore = f.probe.lookups;
    EXPECT_FALSE(f.lookup.IsWordThere(longWord)) << "256 bytes";
    EXPECT_EQ(f.probe.lookups, lookupsBefore) << "the dictionary is not asked";
}

TEST(LowerCaseWordsComposite, AsksMembersInOrderUntilOneAnswers) {
    LowerCaseFixture first;
    LowerCaseFixture second;
    fake::AddEntry(first.made.first, "apple", {kNoun});
    fake::AddEntry(second.made.first, "pear", {kNoun});

    LowerCaseWordsInterface_Composite composite;
    EXPECT_FALSE(composite.IsWordThere("apple")) << "no members";
    composite.Append(&first.lookup);
    composite.Append(&second.lookup);

    EXPECT_TRUE(composite.IsWordThere("Apple"));
    EXPECT_EQ(second.probe.lookups, 0) << "the first member answered";
    EXPECT_TRUE(composite.IsInInitialStringTable("PEAR"));
    EXPECT_FALSE(composite.IsWordThere("plum"));
}

}  // namespace
