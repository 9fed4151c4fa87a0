// Old dictionary -> the reader's lines -> the converter -> new dictionary:
// every group comes back as it was, but for what the lines do not carry.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/vorlip/old_dictionary.h"
#include "apps/vorlip/vorlip_test_support.h"
#include "engine/userdict/corvan_dict_state.h"
#include "engine/userdict/uw_convert.h"

namespace {

std::string Describe(UDEntryGroupInfo_EX const& group) {
    std::ostringstream out;
    out << "kind " << group.kind << " transitivity " << group.transitivity << " subtype " << group.subtype;
    for (auto const& form : group.forms) out << " [" << form << "]";
    out << " translation [" << group.translation << "] answer [" << group.answer << "] particle [" << group.particle
        << "] idiom " << group.idiomKind << " frequencies";
    for (auto const& pair : group.frequencies) out << ' ' << pair.batch << '/' << pair.interactive;
    return out.str();
}

// Every group of the dictionary file, in the dictionary's order.
std::vector<std::string> Groups(std::string const& path) {
    gCorvanEngine.RemoveAllDict();
    EXPECT_EQ(gCorvanEngine.AddUserDict(path, true), kUserDictOpenedReadOnly);
    std::vector<std::string> groups;
    UD35EntryGroupInterface_EJ& interface = UserDictAt(0).GetGroups();
    for (uint32_t i = 0; i < interface.GetCount(); ++i) groups.push_back(Describe(*interface.GetIthEntry(i)));
    gCorvanEngine.RemoveAllDict();
    return groups;
}

// Learning counts on the first group (a one-entry group) and a non-normal
// idiom kind on the second.
void GiveLearningAndIdiom(std::string const& path) {
    gCorvanEngine.RemoveAllDict();
    ASSERT_EQ(gCorvanEngine.AddUserDict(path, false), kUserDictOpenedReadWrite);
    UD35EntryGroupInterface_EJ& interface = UserDictAt(0).GetGroups();
    for (uint32_t i : {0u, 1u}) {
        UDEntryGroupIterator const position = interface.GetIthEntry(i);
        UDEntryGroupInfo_EX group = *position;
        if (i == 0) {
            group.frequencies[0] = {3, 5};
        } else {
            group.idiomKind = UDEntryGroupInfo_EX::kIdiomPreferential;
        }
        interface.UpdateEntryGroup(position, group);
    }
    gCorvanEngine.RemoveAllDict();
}

TEST_F(VorlipTest, RoundTripThroughTheConverterKeepsEveryGroup) {
    old_dictionary::MakeTenKinds(fDictPath);
    GiveLearningAndIdiom(fDictPath);
    std::vector<std::string> const original = Groups(fDictPath);

    ASSERT_TRUE(Initialize());
    std::string file;  // as the front end writes it
    int32_t const count = EntryNumber().value_or(0);
    ASSERT_EQ(count, 10);
    for (int32_t i = 0; i < count; ++i) file += "\n" + ReadEntry(i).value_or("(missing)");
    gCorvanEngine.RemoveAllDict();

    std::string const textPath = fHome.Path() + "/oldUD.txt";
    std::ofstream(textPath, std::ios::binary) << file;
    std::string const newPath = fHome.Path() + "/new.dic";
    ASSERT_EQ(gCorvanEngine.AddUserDict(newPath, false), kUserDictOpenedReadWrite);
    EXPECT_EQ(uwConvert(textPath.c_str()), "");

    // What the lines do not carry: learning counts start again at 0 and the
    // idiom kind is the normal one.
    std::vector<std::string> expected = original;
    std::string const learned = " frequencies 3/5 ";
    std::string const fresh = " frequencies 0/0 ";
    ASSERT_NE(expected[0].find(learned), std::string::npos) << expected[0];
    expected[0].replace(expected[0].find(learned), learned.size(), fresh);
    ASSERT_NE(expected[1].find(" idiom 1 "), std::string::npos) << expected[1];
    expected[1].replace(expected[1].find(" idiom 1 "), 9, " idiom 0 ");
    EXPECT_EQ(Groups(newPath), expected);
}

}  // namespace
