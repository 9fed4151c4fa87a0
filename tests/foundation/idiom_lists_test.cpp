#include "engine/foundation/idiom_lists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"

namespace {

using Tag = AlmightyIdiomInterface_::AlmightyIdiomListTag;
using Lists = AlmightyIdiomInterfaceCompilerHelper::Lists;

// (tag, text, offset) for every entry of every list, tag by tag.
using Occurrence = std::tuple<unsigned, std::string, uint32_t>;

std::vector<Occurrence> Flatten(Lists const& lists) {
    std::vector<Occurrence> all;
    for (unsigned tag = 0; tag < lists.size(); ++tag) {
        for (AlmightyIdiomEntry const& entry : lists[tag]) all.emplace_back(tag, entry.text, entry.position);
    }
    return all;
}

std::vector<Occurrence> Flatten(AlmightyIdiomInterface_ const& idioms) {
    Lists lists;
    for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag)
        lists.push_back(idioms.GetIdiomList(static_cast<Tag>(tag)));
    return Flatten(lists);
}

struct CompileCase {
    char const* what;
    std::vector<std::string> idioms;
    std::vector<Occurrence> expected;
};

class IdiomCompile : public testing::TestWithParam<CompileCase> {};

TEST_P(IdiomCompile, ListsEveryInnerOccurrence) {
    SCOPED_TRACE(GetParam().what);
    Lists lists;
    AlmightyIdiomInterfaceCompilerHelper::Compile(GetParam().idioms, &lists);
    ASSERT_EQ(lists.size(), AlmightyIdiomInterface_::kListCount);
    EXPECT_EQ(Flatten(lists), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdiomCompile,
    testing::Values(
        CompileCase{"no idioms", {}, {}},
        CompileCase{"inner periods only, not the final one", {"U.S.A."}, {{0, "U.S.A.", 1}, {0, "U.S.A.", 3}}},
        CompileCase{"two apostrophes", {"rock'n'roll"}, {{5, "rock'n'roll", 4}, {5, "rock'n'roll", 6}}},
        CompileCase{"merely ending in punctuation", {"etc.", "Yahoo!", "(sic)"}, {}},
        CompileCase{"one idiom in several lists",
                    {"\"what-if\"?!x"},
                    {{1, "\"what-if\"?!x", 9},
                     {2, "\"what-if\"?!x", 10},
                     {3, "\"what-if\"?!x", 5},
                     {4, "\"what-if\"?!x", 0},
                     {4, "\"what-if\"?!x", 8}}},
        CompileCase{"brackets and parentheses", {"a) b] c"}, {{6, "a) b] c", 1}, {7, "a) b] c", 4}}},
        // 0x83 0x5D is one double-byte character whose trail byte is ']'.
        CompileCase{"a trail byte is no bracket", {"x\x83\x5D]y"}, {{7, "x\x83\x5D]y", 3}}},
        CompileCase{"white space kept as written", {"in  the\t\tlong-run"}, {{3, "in  the\t\tlong-run", 13}}},
        CompileCase{"sorted with lower-case initials first, duplicates once",
                    {"St.-Tropez", "s.o.b", "S.O.B", "s.o.b", "a.m"},
                    {{0, "a.m", 1},
                     {0, "s.o.b", 1},
                     {0, "s.o.b", 3},
                     {0, "S.O.B", 1},
                     {0, "S.O.B", 3},
                     {0, "St.-Tropez", 2},
                     {3, "St.-Tropez", 3}}},
        CompileCase{"spellings that differ in white space both kept",
                    {"x. y", "x.  y", "x. y"},
                    {{0, "x.  y", 1}, {0, "x. y", 1}}}),
    [](testing::TestParamInfo<CompileCase> const& info) { return "Case" + std::to_string(info.index); });

TEST(IdiomCompile, AddWordsToIndexAppendsToWhatIsThere) {
    AlmightyIdiomList list{{"e.g", 1}};
    AlmightyIdiomInterfaceCompilerHelper::AddWordsToIndex(&list, '.', "i.e.");
    AlmightyIdiomList const expected{{"e.g", 1}, {"i.e.", 1}};
    EXPECT_EQ(list, expected);
}

// ---- Selecting a list ------------------------------------------------------

// Answers each tag's list with one entry naming the tag.
class TaggedLists : public AlmightyIdiomInterface_ {
public:
    TaggedLists() {
        for (unsigned tag = 0; tag < kListCount; ++tag) fLists.push_back({{std::string(1, CharOf(tag)), tag}});
    }
    using AlmightyIdiomInterface_::GetIdiomList;
    AlmightyIdiomList const& GetIdiomList(AlmightyIdiomListTag tag) const override { return fLists.at(tag); }

private:
    Lists fLists;
};

TEST(IdiomSelection, EachCharacterSelectsItsList) {
    struct Case {
        std::vector<wchar_t> characters;
        unsigned tag;
    };
    Case const cases[] = {
        {{L'.', 0xFF0E}, 0},
        {{L'?', 0xFF1F}, 1},
        {{L'!', 0xFF01}, 2},
        {{L'-', 0xFF0D, 0x2010, 0x2012, 0x2015, 0x2022, 0x2023}, 3},
        {{L'"', 0xFF02, 0x201C, 0x201D}, 4},
        {{L'\'', 0x02BC, 0x2018, 0x2019, 0xFF07, 0xFF40}, 5},
        {{L')', 0xFF09}, 6},
        {{L']', 0xFF3D}, 7},
    };
    TaggedLists const idioms;
    for (Case const& c : cases) {
        for (wchar_t character : c.characters) {
            wchar_t const text[] = {character, L'x', 0};
            AlmightyIdiomList const* list = idioms.GetIdiomList(text);
            ASSERT_NE(list, nullptr) << std::hex << static_cast<unsigned>(character);
            EXPECT_EQ(list, &idioms.GetIdiomList(static_cast<Tag>(c.tag)))
                << std::hex << static_cast<unsigned>(character);
        }
    }
}

TEST(IdiomSelection, OtherCharactersAndNoTextSelectNothing) {
    TaggedLists const idioms;
    for (wchar_t character : {wchar_t(0x201A), wchar_t(0x2016), wchar_t(0x2024), wchar_t(L','), wchar_t(L'('),
                              wchar_t(L'['), wchar_t(0x00B7), wchar_t(0)}) {
        wchar_t const text[] = {character, L'.', 0};
        EXPECT_EQ(idioms.GetIdiomList(text), nullptr) << std::hex << static_cast<unsigned>(character);
    }
    EXPECT_EQ(idioms.GetIdiomList(static_cast<wchar_t const*>(nullptr)), nullptr);
}

TEST(IdiomSelection, CharOfNamesEachTagAndNothingPastThem) {
    std::string characters;
    for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag)
        characters += AlmightyIdiomInterface_::CharOf(tag);
    EXPECT_EQ(characters, ".?!-\"')]");
    EXPECT_EQ(AlmightyIdiomInterface_::CharOf(8), '\0');
    EXPECT_EQ(AlmightyIdiomInterface_::CharOf(1000), '\0');
}

// ---- Building from a dictionary --------------------------------------------

Entry_EX AddEntry(Dictionary_EX& dictionary, std::string const& headword, std::vector<IdiomType> types) {
    Entry_EX entry = dictionary.CreateNewEntry(headword);
    for (IdiomType type : types) entry.CreateNewFinePOS().SetIdiomType(type);
    return entry;
}

TEST(IdiomLookup, TakesTheEntriesWithAnAlmightyReading) {
    Dictionary_EX_Temporary dictionary;
    AddEntry(dictionary, "U.S.A.", {eIdiomNormal, eIdiomAlmighty, eIdiomAlmighty});
    AddEntry(dictionary, "rock'n'roll", {eIdiomAlmighty});
    AddEntry(dictionary, "e.g.", {eIdiomQuasiAlmighty, eIdiomPreferredAlways});
    AddEntry(dictionary, "i.e.", {});
    // A second entry with the same headword adds nothing new.
    AddEntry(dictionary, "U.S.A.", {eIdiomAlmighty});

    AlmightyIdiomInterface_Lookup const idioms(dictionary);
    std::vector<Occurrence> const expected{
        {0, "U.S.A.", 1}, {0, "U.S.A.", 3}, {5, "rock'n'roll", 4}, {5, "rock'n'roll", 6}};
    EXPECT_EQ(Flatten(idioms), expected);
}

TEST(IdiomLookup, ATagPastTheListsAnswersAnEmptyList) {
    Dictionary_EX_Temporary dictionary;
    AddEntry(dictionary, "a.b.c", {eIdiomAlmighty});
    AlmightyIdiomInterface_Lookup const idioms(dictionary);
    EXPECT_EQ(idioms.GetIdiomList(AlmightyIdiomInterface_::ePeriod).size(), 2u);
    EXPECT_TRUE(idioms.GetIdiomList(static_cast<Tag>(8)).empty());
    EXPECT_TRUE(idioms.GetIdiomList(static_cast<Tag>(0xFFFFFFFFu)).empty());
}

TEST(IdiomLookup, ADictionaryWithoutAlmightyIdiomsGivesEightEmptyLists) {
    Dictionary_EX_Temporary dictionary;
    AddEntry(dictionary, "U.S.A.", {eIdiomNormal});
    AlmightyIdiomInterface_Lookup const idioms(dictionary);
    for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag)
        EXPECT_TRUE(idioms.GetIdiomList(static_cast<Tag>(tag)).empty()) << tag;
}

TEST(IdiomLookup, TheAccessorFindsTheInterfaceByItsName) {
    // A temporary dictionary that also serves its idioms.
    class ServingIdioms : public DictionaryRep_EX_Temporary {
    public:
        DictionaryInterface_* GetNamedInterface(std::string const& name) override {
            if (name != AlmightyIdiomInterface_::kInterfaceName)
                return DictionaryRep_EX_Temporary::GetNamedInterface(name);
            if (!fIdioms) fIdioms = std::make_unique<AlmightyIdiomInterface_Lookup>(Dictionary_EX(this));
            return fIdioms.get();
        }

    private:
        std::unique_ptr<AlmightyIdiomInterface_Lookup> fIdioms;
    };
    Dictionary_EX serving(new ServingIdioms);
    AddEntry(serving, "x-ray", {eIdiomAlmighty});
    AlmightyIdiomInterface_* const idioms = serving.GetAlmightyIdiomInterface();
    ASSERT_NE(idioms, nullptr);
    EXPECT_EQ(serving.GetAlmightyIdiomInterface(), idioms);
    EXPECT_EQ(idioms->GetIdiomList(L"-")->size(), 1u);
    EXPECT_EQ(Dictionary_EX_Temporary().GetAlmightyIdiomInterface(), nullptr);
}

}  // namespace
