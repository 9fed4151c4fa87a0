#include "engine/foundation/english_pos_classes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/name_tables.h"

namespace {

POS_E_Source Code(char const* name) {
    POS_E_Source pos{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &pos)) << name;
    return pos;
}

EPOSN NumberOf(char const* name) {
    for (POSClassName const& pair : fEPOSMap) {
        if (std::strcmp(pair.name, name) == 0) return pair.number;
    }
    ADD_FAILURE() << name << " is no English class";
    return 0;
}

TEST(EPOSMapTest, SortedByStrcmpWithoutDuplicates) {
    for (std::size_t i = 1; i < kEPOSMapSize; ++i)
        EXPECT_LT(std::strcmp(fEPOSMap[i - 1].name, fEPOSMap[i].name), 0) << fEPOSMap[i].name;
}

TEST(EPOSMapTest, KeepsThePinnedNumbers) {
    EXPECT_EQ(fEPOSMap[0].number, 2u);
    EXPECT_STREQ(fEPOSMap[0].name, "ABOUT");
    EXPECT_EQ(NumberOf("ADJ"), 3u);
    EXPECT_EQ(NumberOf("ADJ01"), 4u);
    EXPECT_EQ(fEPOSMap[kEPOSMapSize - 1].number, 609u);
    EXPECT_STREQ(fEPOSMap[kEPOSMapSize - 1].name, "years");
}

// Every named part of speech from "ABOUT" on is a class, and every class
// but "years" is a named part of speech.
TEST(EPOSMapTest, CoversTheNameTable) {
    std::set<std::string> classes;
    for (POSClassName const& pair : fEPOSMap) classes.insert(pair.name);
    std::set<std::string> named;
    char const* const* names = kE_Source_POSNames();
    for (unsigned long code = 0; code < kE_Source_POSNameCount; ++code) {
        std::string const name = names[code];
        bool const placeholder =
            name.compare(0, 3, "pos") == 0 && name.size() > 3 && std::isdigit(static_cast<unsigned char>(name[3]));
        if (!placeholder && std::strcmp(name.c_str(), "ABOUT") >= 0) named.insert(name);
    }
    named.insert("years");
    EXPECT_EQ(classes, named);
}

TEST(POS_E_SourceToEPOSNTest, MapsNamesOfTheSameClass) {
    struct Case {
        char const* name;
        char const* className;
    } const cases[] = {
        {"TITLE2Human", "N"}, {"TITLEyearsg", "N"}, {"N_number", "N"},  {"ADJUNCT", "ADV"}, {"CONJthat", "CONJ"},
        {"CONJ2", "CONJ"},    {"ABOUT", "ABOUT"},   {"VT16b", "VT16b"}, {"YET", "YET"},     {"N", "N"},
    };
    for (auto const& c : cases) EXPECT_EQ(POS_E_SourceToEPOSN(Code(c.name)), NumberOf(c.className)) << c.name;
}

TEST(POS_E_SourceToEPOSNTest, UnknownClassesGiveOne) {
    for (char const* name : {"<<BAD>>", "5SKIP", "#NUMBER1000", "<t>"})
        EXPECT_EQ(POS_E_SourceToEPOSN(Code(name)), kUnknownEPOSN) << name;
    EXPECT_EQ(POS_E_SourceToEPOSN(POS_E_Source(1234)), kUnknownEPOSN);   // a placeholder name
    EXPECT_EQ(POS_E_SourceToEPOSN(POS_E_Source(15000)), kUnknownEPOSN);  // no name at all
}

TEST(EPOSNToPOS_E_SourceTest, GivesThePartOfSpeechOfTheClassName) {
    for (char const* name : {"ABOUT", "ADJ", "N", "VT01", "YET"})
        EXPECT_EQ(EPOSNToPOS_E_Source(NumberOf(name)), Code(name)) << name;
    EXPECT_EQ(EPOSNToPOS_E_Source(609), POS_E_Source{0});  // "years" names no part of speech
    for (EPOSN unknown : {0ul, 1ul, 600ul, 610ul}) EXPECT_EQ(EPOSNToPOS_E_Source(unknown), POS_E_Source{0}) << unknown;
}

TEST(JPOSMapTest, AsListed) {
    ASSERT_EQ(kJPOSMapSize, 85u);
    EXPECT_EQ(fJPOSMap[0].number, 1u);
    EXPECT_STREQ(fJPOSMap[0].name, "OTHER");
    EXPECT_EQ(fJPOSMap[20].number, 47u);
    EXPECT_STREQ(fJPOSMap[20].name, "Vzu");
    EXPECT_EQ(fJPOSMap[21].number, 101u);
    EXPECT_STREQ(fJPOSMap[21].name, "ADJ");
    EXPECT_EQ(fJPOSMap[80].number, 171u);
    EXPECT_STREQ(fJPOSMap[80].name, "ADJTAcik");
    EXPECT_EQ(fJPOSMap[84].number, 2u);
    EXPECT_STREQ(fJPOSMap[84].name, "AuxWill");
    // Every name is a Japanese part of speech, so every class converts back.
    for (POSClassName const& pair : fJPOSMap) {
        POS_J_Target pos{};
        EXPECT_TRUE(gTargetPOSDatabase().Lookup(pair.name, &pos)) << pair.name;
    }
}

TEST(JPOSNTest, ConvertsBothWays) {
    struct Case {
        char const* name;
        JPOSN number;
    } const cases[] = {
        {"N", 11}, {"VCr", 37}, {"Vsu", 44}, {"ADJ", 101}, {"NAno", 148}, {"NAzero", 174}, {"SUPPRESS", 2},
    };
    for (auto const& c : cases) {
        POS_J_Target pos{};
        ASSERT_TRUE(gTargetPOSDatabase().Lookup(c.name, &pos)) << c.name;
        EXPECT_EQ(JPOSStrToN(pos), c.number) << c.name;
        EXPECT_EQ(JPOSNToStr(c.number), pos) << c.name;
    }
    POS_J_Target auxWill{};
    ASSERT_TRUE(gTargetPOSDatabase().Lookup("AuxWill", &auxWill));
    EXPECT_EQ(JPOSStrToN(auxWill), 2u);  // shares 2 with "SUPPRESS" ...
    EXPECT_NE(JPOSNToStr(2), auxWill);   // ... which the number names first

    EXPECT_EQ(JPOSNameToN("XDUMMYX"), 2u);  // any dummy is suppressed
    EXPECT_EQ(JPOSNameToN("DET"), 0u);      // a Japanese part of speech without class
    EXPECT_EQ(JPOSNameToN(nullptr), 0u);
    EXPECT_EQ(JPOSStrToN(POS_J_Target(kJ_Target_POSNameCount)), 0u);
    for (JPOSN unknown : {0ul, 3ul, 175ul}) EXPECT_EQ(JPOSNToStr(unknown), POS_J_Target{0}) << unknown;
}

TEST(FindGrossEPOSTest, ClassesByListAndName) {
    struct Case {
        char const* name;
        short gross;
    } const cases[] = {
        {"N", 27},       {"N_number", 27}, {"VT01", 28},  {"VT16b", 28},  // VT16b: by name only
        {"ADJUNCT", -1}, {"ADJ01", 29},    {"ADJP", 29},  {"AUXCAN", 30},   {"PP", 31},
        {"PREPADJ", 31}, {"ADVP", 32},     {"PREP2", 33}, {"CONJthat", 34}, {"INTERJhey", 35},
        {"ART", -1},     {"<<BAD>>", -1},  {"5SKIP", -1},
    };
    for (auto const& c : cases) EXPECT_EQ(FindGrossEPOS(Code(c.name)), c.gross) << c.name;
    EXPECT_EQ(FindGrossEPOS(POS_E_Source(15000)), -1);
}

TEST(MatchPlus2DigitsTest, PrefixAndTwoDigits) {
    struct Case {
        char const* s;
        char const* prefix;
        bool matches;
    } const cases[] = {
        {"VT01x", "VT", true}, {"VT01", "VT", true},   {"VT1", "VT", false},
        {"VT", "VT", false},   {"VTa1", "VT", false},  {"VI01", "VT", false},
        {"vt01", "VT", false}, {"ADJ99", "ADJ", true}, {"", "VT", false},
    };
    for (auto const& c : cases) EXPECT_EQ(MatchPlus2Digits(c.s, c.prefix), c.matches) << c.s;
    EXPECT_FALSE(MatchPlus2Digits(nullptr, "VT"));
}

}  // namespace
