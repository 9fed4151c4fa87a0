#include "engine/foundation/word_list_interfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/initial_case_compare.h"
#include "engine/foundation/lower_case_words.h"
#include "foundation/fake_dictionary.h"

namespace {

using fake::MakeDictionary;
using fake::Options;
using fake::Probe;

// Two katakana in Shift-JIS whose trail bytes are the codes of "A" and "a":
// lower-casing must not turn the first into the second.
constexpr char kKatakanaA[] = "\x83\x41";
constexpr char kKatakanaTrailLowerA[] = "\x83\x61";

// ---- Headword shapes -----------------------------------------------------------

TEST(WordListTextTests, HasPeriodBeforeSpace) {
    struct Case {
        char const* text;
        bool expected;
    };
    Case const cases[] = {
        {"a.m.", true}, {"St. Louis", true}, {"et al.", false}, {"abc", false},
        {"", false},    {"a b", false},      {".", true},       {" .", false},
    };
    for (Case const& c : cases) EXPECT_EQ(HasPeriodBeforeSpace(c.text), c.expected) << '"' << c.text << '"';
}

TEST(WordListTextTests, OneWord) {
    struct Case {
        char const* text;
        bool expected;
    };
    Case const cases[] = {
        {"e.g.", true}, {"  e.g.", true}, {"e.g. ", false}, {"i. e.", false}, {"", true}, {"   ", true},
    };
    for (Case const& c : cases) EXPECT_EQ(OneWord(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(OneWord(nullptr));
}

TEST(WordListTextTests, PeriodListEntryTests) {
    struct Case {
        char const* headword;
        bool canUseUpPeriod;
        bool singleWordWithPeriod;
    };
    Case const cases[] = {
        {"a.m.", true, true},     {"U.S.A.", true, true}, {"St. Louis", true, false},
        {"et al.", false, false}, {"abc", false, false},  {"e.g. ", true, false},
    };
    auto dictionary = MakeDictionary().first;
    for (Case const& c : cases) {
        Entry_EX const entry = fake::AddEntry(dictionary, c.headword);
        EXPECT_EQ(ThisEntryOKCanUseUpPeriod(entry), c.canUseUpPeriod) << c.headword;
        EXPECT_EQ(ThisEntryOKSingleWordWithPeriod(entry), c.singleWordWithPeriod) << c.headword;
    }
}

// ---- Table order ---------------------------------------------------------------

TEST(InitialCaseStringCompareTest, OrdersCaseFoldedThenLowerCaseInitialFirst) {
    struct Case {
        std::string a;
        std::string b;
        bool aBeforeB;
        bool bBeforeA;
    };
    Case const cases[] = {
        {"apple", "Apple", true, false},
        {"USA", "Usa", false, false},  // later characters' case does not count
        {"aB", "Ab", true, false},
        {"Apple", "apricot", true, false},
        {"ab", "abc", true, false},
        {"[", "A", true, false},  // folded to lower case: "[" (0x5B) before "a" (0x61)
        {"", "", false, false},
        {"", "a", true, false},
        // Double-byte characters are not letters: "ア" is not "\x83" + "a".
        {kKatakanaA, kKatakanaTrailLowerA, true, false},
        {std::string("a") + kKatakanaA, std::string("a") + kKatakanaTrailLowerA, true, false},
    };
    InitialCaseStringCompare const before;
    for (Case const& c : cases) {
        EXPECT_EQ(before(c.a, c.b), c.aBeforeB) << '"' << c.a << "\" < \"" << c.b << '"';
        EXPECT_EQ(before(c.b, c.a), c.bBeforeA) << '"' << c.b << "\" < \"" << c.a << '"';
    }
}

TEST(InitialCaseStringCompareTest, SortsCaseVariantsTogether) {
    std::vector<std::string> words = {"Banana", "Apple", "banana", "apple", "apricot"};
    std::sort(words.begin(), words.end(), InitialCaseStringCompare());
    EXPECT_EQ(words, (std::vector<std::string>{"apple", "Apple", "apricot", "banana", "Banana"}));
}

// ---- String tables -------------------------------------------------------------

struct TableCase {
    std::vector<std::string> words;
    std::string query;
    bool expected;
};

std::string Describe(TableCase const& c) {
    std::string text = "{";
    for (std::string const& word : c.words) text += " " + word;
    return text + " } \"" + c.query + '"';
}

TEST(WordListStringTable, CapitalInitialFindsBothSpellingsLowerCaseOnlyItsOwn) {
    using Words = std::vector<std::string>;
    std::string const aA = std::string("a") + kKatakanaA;
    TableCase const cases[] = {
        {Words{"apple", "Apple"}, "Apple", true},
        {Words{"apple", "Apple"}, "APPLE", true},
        {Words{"apple", "Apple"}, "apple", true},
        {Words{"apple", "Apple"}, "aPPLE", true},
        {Words{"apple", "Apple"}, "Apples", false},
        {Words{"apple", "Apple"}, "appl", false},
        {Words{"Apple"}, "apple", false},
        {Words{"Apple"}, "APPLE", true},
        {Words{"apple"}, "Apple", true},
        {Words{"USA", "Usa"}, "USA", true},
        {Words{"USA", "Usa"}, "Usa", true},
        {Words{"USA", "Usa"}, "usa", false},
        {Words{"USA"}, "USA", true},
        {Words{"McDonald"}, "McDonald", true},
        {Words{"McDonald"}, "MCDONALD", true},
        {Words{"McDonald"}, "mcdonald", false},
        {Words{"e.g.", "etc."}, "E.G.", true},
        {Words{kKatakanaA}, kKatakanaA, true},
        {Words{kKatakanaA}, kKatakanaTrailLowerA, false},
        {Words{aA}, std::string("A") + kKatakanaA, true},
        {Words{aA}, std::string("a") + kKatakanaTrailLowerA, false},
        {Words{}, "a", false},
    };
    for (TableCase const& c : cases) {
        SingleWordsWithPeriodsInterface_StringTable const table(c.words);
        EXPECT_EQ(table.IsInInitialStringTable(c.query.c_str()), c.expected) << Describe(c);
        EXPECT_EQ(table.IsInInitialStringTable(c.query), c.expected) << Describe(c) << " as std::string";

        // The search alone, over the words as given, only sorted.
        std::vector<std::string> sorted = c.words;
        std::sort(sorted.begin(), sorted.end(), InitialCaseStringCompare());
        EXPECT_EQ(IsInInitialStringTable(c.query, sorted.begin(), sorted.end()), c.expected) << Describe(c) << " raw";
    }
}

TEST(WordListStringTable, NullWordIsNotListed) {
    CannotEndSentInterface_StringTable const table({"etc."});
    EXPECT_FALSE(table.IsInInitialStringTable(static_cast<char const*>(nullptr)));
}

// ---- Lookup and factory, for every list ----------------------------------------

// One list of the family, as the tests make and fill it.
struct ListKind {
    char const* name;
    // Makes a listed entry of what AddEntry gave (a headword with a period and
    // two fine parts of speech); null for the lists that follow the headword.
    void (*list)(Entry_EX& entry);
    std::unique_ptr<WordListInterface_> (*makeLookup)(DictionaryRep_<Entry_EX>* dictionary);
    std::unique_ptr<WordListInterface_> (*makeTable)(Dictionary_EX const& dictionary);
};

void PrintTo(ListKind const& kind, std::ostream* out) { *out << kind.name; }

template <class List>
std::unique_ptr<WordListInterface_> MakeLookup(DictionaryRep_<Entry_EX>* dictionary) {
    return std::make_unique<WordListInterface_Lookup<List>>(dictionary);
}

// The flag goes on the second fine part of speech: any one of them counts.
FinePOS_EX SecondFinePOS(Entry_EX const& entry) { return entry.GetIthFinePOS(1); }

ListKind const kListKinds[] = {
    {"CannotBeginSent", [](Entry_EX& e) { SecondFinePOS(e).SetCannotBeginSentenceFlag(true); },
     MakeLookup<CannotBeginSentInterface_>,
     [](Dictionary_EX const& d) -> std::unique_ptr<WordListInterface_> { return mkCannotBeginSentInterface(d); }},
    {"CannotEndSent", [](Entry_EX& e) { SecondFinePOS(e).SetCannotEndSentenceFlag(true); },
     MakeLookup<CannotEndSentInterface_>,
     [](Dictionary_EX const& d) -> std::unique_ptr<WordListInterface_> { return mkCannotEndSentInterface(d); }},
    {"CannotBeginAndEndSent",
     [](Entry_EX& e) { e->SetCannotBeginAndEndSentenceFlag(SecondFinePOS(e).GetCookie(), true); },
     MakeLookup<CannotBeginAndEndSentInterface_>,
     [](Dictionary_EX const& d) -> std::unique_ptr<WordListInterface_> { return mkCannotBeginAndEndSentInterface(d); }},
    {"CanUseUpPeriod", nullptr, MakeLookup<CanUseUpPeriodInterface_>,
     [](Dictionary_EX const& d) -> std::unique_ptr<WordListInterface_> { return mkCanUseUpPeriodInterface(d); }},
    {"SingleWordsWithPeriods", nullptr, MakeLookup<SingleWordsWithPeriodsInterface_>,
     [](Dictionary_EX const& d) -> std::unique_ptr<WordListInterface_> {
         return mkSingleWordsWithPeriodsInterface(d);
     }},
};

class WordListFamily : public testing::TestWithParam<ListKind> {
protected:
    static Options DictionaryOptions(Probe* probe) {
        Options options;
        options.probe = probe;
        options.lookupIgnoresCase = true;
        options.servesEntryIteration = true;
        options.entriesKeepNeitherFlag = true;
        return options;
    }

    WordListFamily() {
        auto made = MakeDictionary(DictionaryOptions(&fProbe));
        fDictionary.reset(new Dictionary_EX(made.first));
        fRep = made.second;
    }

    // An entry with two fine parts of speech; listed or not.  The lists that
    // follow the headword list every headword given here that has a period.
    void AddEntry(std::string const& headword, bool listed) {
        Entry_EX entry = fake::AddEntry(*fDictionary, headword, {POS_E_Source{22}, POS_E_Source{22}});
        if (listed && GetParam().list != nullptr) GetParam().list(entry);
    }

    Probe fProbe;
    std::unique_ptr<Dictionary_EX> fDictionary;
    fake::FakeDictionaryRep* fRep = nullptr;
};

TEST_P(WordListFamily, LookupAndTableAnswerAlike) {
    AddEntry("Jan.", true);   // listed with a capital only
    AddEntry("etc.", true);   // listed in lower case
    AddEntry("vs", false);    // not listed: no flag, no period
    AddEntry("Dec.", false);  // not listed by the flag lists (the period lists list it)
    bool const followsHeadword = GetParam().list == nullptr;

    struct Case {
        char const* query;
        bool expected;
    };
    Case const cases[] = {
        {"Jan.", true},
        {"JAN.", true},
        {"jan.", false},  // the lookup finds "Jan." but the word is lower case
        {"etc.", true},
        {"Etc.", true},
        {"ETC.", true},
        {"vs", false},
        {"Vs", false},
        {"May.", false},
        {"Dec.", followsHeadword},
        {"", false},
    };
    auto const lookup = GetParam().makeLookup(fRep);
    auto const table = GetParam().makeTable(*fDictionary);
    for (Case const& c : cases) {
        EXPECT_EQ(lookup->IsInInitialStringTable(c.query), c.expected) << "lookup \"" << c.query << '"';
        EXPECT_EQ(table->IsInInitialStringTable(std::string(c.query)), c.expected) << "table \"" << c.query << '"';
    }
    EXPECT_FALSE(lookup->IsInInitialStringTable(static_cast<char const*>(nullptr)));
}

TEST_P(WordListFamily, LookupFindsNothingForAWordOver255Bytes) {
    std::string const longWord = std::string(255, 'a') + ".";
    AddEntry(longWord, true);
    AddEntry(longWord.substr(1), true);
    auto const lookup = GetParam().makeLookup(fRep);

    EXPECT_TRUE(lookup->IsInInitialStringTable(longWord.substr(1))) << "255 bytes";
    int const lookupsBefore = fProbe.lookups;
    EXPECT_FALSE(lookup->IsInInitialStringTable(longWord)) << "256 bytes";
    EXPECT_EQ(fProbe.lookups, lookupsBefore) << "the dictionary is not asked";
}

INSTANTIATE_TEST_SUITE_P(AllLists, WordListFamily, testing::ValuesIn(kListKinds),
                         [](testing::TestParamInfo<ListKind> const& info) { return std::string(info.param.name); });

TEST(WordListFamilyTest, EachListHasItsOwnName) {
    std::vector<std::string> const names = {
        CannotBeginSentInterface_::kInterfaceName, CannotEndSentInterface_::kInterfaceName,
        CannotBeginAndEndSentInterface_::kInterfaceName, CanUseUpPeriodInterface_::kInterfaceName,
        SingleWordsWithPeriodsInterface_::kInterfaceName};
    EXPECT_EQ(names, (std::vector<std::string>{"CannotBeginSentInterface_", "CannotEndSentInterface_",
                                               "CannotBeginAndEndSentInterface_", "CanUseUpPeriodInterface_",
                                               "SingleWordsWithPeriodsInterface_"}));
}

// ---- Composite -----------------------------------------------------------------

TEST(WordListComposite, AsksMembersInOrderUntilOneAnswers) {
    Probe firstProbe;
    Probe secondProbe;
    Options options;
    options.lookupIgnoresCase = true;
    options.probe = &firstProbe;
    auto [first, firstRep] = MakeDictionary(options);
    options.probe = &secondProbe;
    auto [second, secondRep] = MakeDictionary(options);
    fake::AddEntry(first, "etc.").CreateNewFinePOS().SetCannotEndSentenceFlag(true);
    fake::AddEntry(second, "Jan.").CreateNewFinePOS().SetCannotEndSentenceFlag(true);
    CannotEndSentInterface_Lookup const firstList(firstRep);
    CannotEndSentInterface_Lookup const secondList(secondRep);

    CannotEndSentInterface_Composite composite;
    EXPECT_FALSE(composite.IsInInitialStringTable("etc.")) << "no members";
    composite.Append(&firstList);
    composite.Append(&secondList);

    EXPECT_TRUE(composite.IsInInitialStringTable("etc."));
    EXPECT_EQ(secondProbe.lookups, 0) << "the first member answered";
    EXPECT_TRUE(composite.IsInInitialStringTable(std::string("Jan.")));
    EXPECT_FALSE(composite.IsInInitialStringTable("jan."));
    EXPECT_FALSE(composite.IsInInitialStringTable("vs"));
}

// ---- The dictionary's accessors ------------------------------------------------

struct Accessor {
    char const* name;
    DictionaryInterface_* (*get)(Dictionary_EX const& dictionary);
    DictionaryInterface_* (*make)(DictionaryRep_EX* dictionary);
};

Accessor const kAccessors[] = {
    {CannotBeginSentInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetCannotBeginSentInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new CannotBeginSentInterface_Lookup(r); }},
    {CannotEndSentInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetCannotEndSentInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new CannotEndSentInterface_Lookup(r); }},
    {CannotBeginAndEndSentInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetCannotBeginAndEndSentInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new CannotBeginAndEndSentInterface_Lookup(r); }},
    {CanUseUpPeriodInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetCanUseUpPeriodInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new CanUseUpPeriodInterface_Lookup(r); }},
    {SingleWordsWithPeriodsInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetSingleWordsWithPeriodsInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new SingleWordsWithPeriodsInterface_Lookup(r); }},
    {LowerCaseWordsInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetLowerCaseWordsInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new LowerCaseWordsInterface_Lookup(r); }},
    {GrammaticalFormWordsInterface_::kInterfaceName,
     [](Dictionary_EX const& d) -> DictionaryInterface_* { return d.GetGrammaticalFormWordsInterface(); },
     [](DictionaryRep_EX* r) -> DictionaryInterface_* { return new GrammaticalFormWordsInterface_Lookup(r); }},
};

TEST(WordListAccessors, EachFindsTheInterfaceServedUnderItsName) {
    Options options;
    options.makeInterface = [](DictionaryRep_EX* rep, std::string const& name) -> DictionaryInterface_* {
        for (Accessor const& accessor : kAccessors) {
            if (name == accessor.name) return accessor.make(rep);
        }
        return nullptr;
    };
    auto const serving = MakeDictionary(options).first;
    auto const servingNone = MakeDictionary().first;
    for (Accessor const& accessor : kAccessors) {
        DictionaryInterface_* const found = accessor.get(serving);
        ASSERT_NE(found, nullptr) << accessor.name;
        EXPECT_EQ(found, serving.GetNamedInterface(accessor.name)) << accessor.name;
        EXPECT_EQ(accessor.get(serving), found) << accessor.name << ": the same object every time";
        EXPECT_EQ(accessor.get(servingNone), nullptr) << accessor.name;
    }
}

TEST(WordListAccessors, AnInterfaceOfAnotherListUnderTheNameIsNotTaken) {
    Options options;
    options.makeInterface = [](DictionaryRep_EX* rep, std::string const&) -> DictionaryInterface_* {
        return new CannotBeginSentInterface_Lookup(rep);
    };
    auto const dictionary = MakeDictionary(options).first;
    EXPECT_NE(dictionary.GetCannotBeginSentInterface(), nullptr);
    EXPECT_EQ(dictionary.GetCannotEndSentInterface(), nullptr);
    EXPECT_EQ(dictionary.GetLowerCaseWordsInterface(), nullptr);
}

}  // namespace
