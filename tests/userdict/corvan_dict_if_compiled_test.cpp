// The dictionary facade on compiled dictionaries: opening them in front of
// the open dictionaries, refusing other files without leaking descriptors,
// and closing the technical ones.
#include <fstream>

#include "corvan_dict_if_search_fixture.h"

namespace {

using facade_test::EntryText;
using facade_test::FacadeTest;
using facade_test::OpenDescriptorCount;

using CompiledDictTest = FacadeTest;

TEST_F(CompiledDictTest, AddsOnlyCompiledDictionariesAndLeavesNoDescriptorOfARefusedOne) {
    std::string const compiled = CompiledFile("tech.cdict", 200, EntryText("run", "N", "走り"));
    std::string const text = PathOf("text.txt");
    std::ofstream(text) << "entry\trun\nthis is no compiled dictionary\n";
    std::string const empty = PathOf("empty");
    std::ofstream{empty};

    struct Case {
        std::string path;
        bool system;
        short expected;
    };
    Case const cases[] = {
        {text, true, 0},     {text, false, 0},     {empty, true, 0}, {PathOf("missing"), false, 0},
        {compiled, true, 1}, {compiled, false, 1},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.path + (c.system ? " as system" : " as technical"));
        std::size_t const dictionariesBefore = fOpenDictionaries.size();
        std::size_t const descriptorsBefore = OpenDescriptorCount();
        short const result = c.system ? gCorvanEngine.AddSysDict(c.path) : gCorvanEngine.AddTechDict(c.path);
        EXPECT_EQ(result, c.expected);
        if (c.expected == 1) {
            ASSERT_EQ(fOpenDictionaries.size(), dictionariesBefore + 1);
            EXPECT_EQ(fOpenDictionaries.front().GetID(), 200);
        } else {
            EXPECT_EQ(fOpenDictionaries.size(), dictionariesBefore);
            EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
        }
    }
    // Closing everything closes the compiled files too.
    std::size_t const descriptorsOpen = OpenDescriptorCount();
    gCorvanEngine.RemoveAllDict();
    EXPECT_EQ(OpenDescriptorCount(), descriptorsOpen - 2);
}

TEST_F(CompiledDictTest, RemoveAllTechDictKeepsTheOthersInOrder) {
    OpenUserDict();
    ASSERT_EQ(gCorvanEngine.AddSysDict(CompiledFile("system.cdict", 7, EntryText("apple", "N", "林檎"))), 1);
    ASSERT_EQ(gCorvanEngine.AddTechDict(CompiledFile("tech1.cdict", 100, EntryText("bolt", "N", "ボルト"))), 1);
    ASSERT_EQ(gCorvanEngine.AddSysDict(CompiledFile("system2.cdict", 99, EntryText("cat", "N", "猫"))), 1);
    ASSERT_EQ(gCorvanEngine.AddTechDict(CompiledFile("tech2.cdict", 997, EntryText("diode", "N", "ダイオード"))), 1);

    EXPECT_EQ(gCorvanEngine.RemoveAllTechDict(), 1);
    std::vector<unsigned short> ids;
    std::vector<OpenDictionaryRecord::Kind> kinds;
    for (OpenDictionaryRecord const& dictionary : fOpenDictionaries) {
        ids.push_back(dictionary.GetID());
        kinds.push_back(dictionary.kind);
    }
    EXPECT_EQ(ids, (std::vector<unsigned short>{99, 7, fOpenDictionaries.back().GetID()}));
    EXPECT_EQ(kinds, (std::vector<OpenDictionaryRecord::Kind>{
                         OpenDictionaryRecord::kSystem, OpenDictionaryRecord::kSystem, OpenDictionaryRecord::kUser}));
    EXPECT_GE(fOpenDictionaries.back().GetID(), 10000);
    // The user dictionary is still number 0.
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 0u);
}

}  // namespace
