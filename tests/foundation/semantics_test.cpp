#include "engine/foundation/semantics.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/atom_databases.h"

namespace {

// The code of a predefined atom, looked up by name as the engine does.
int Atom(char const* name) {
    unsigned short atom = 0;
    EXPECT_TRUE(gSemanticAtomDatabase_E_Source().Lookup(name, &atom)) << name;
    return atom;
}

constexpr uint16_t kN = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
constexpr uint16_t kSel = SemanticRecord::kSelRes;

// An expected record; negative atoms stand for negated ones.
struct RecordParts {
    RecordParts(uint16_t flags = 0, std::vector<int> atoms = {}, std::string name0 = "", std::string name1 = "")
        : flags(flags), atoms(std::move(atoms)), name0(std::move(name0)), name1(std::move(name1)) {}

    uint16_t flags;
    std::vector<int> atoms;
    std::string name0;
    std::string name1;
};

SemanticRecord MakeRecord(RecordParts const& parts) {
    SemanticRecord record;
    record.flags = parts.flags;
    for (std::size_t i = 0; i < parts.atoms.size(); ++i) record.atoms[i] = static_cast<unsigned short>(parts.atoms[i]);
    // A name longer than the field is a fault of the expectation, not cut.
    for (std::string const* name : {&parts.name0, &parts.name1}) {
        EXPECT_LT(name->size(), sizeof record.names[0]) << "expected name \"" << *name << "\" does not fit";
    }
    parts.name0.copy(record.names[0], sizeof record.names[0] - 1);
    parts.name1.copy(record.names[1], sizeof record.names[1] - 1);
    return record;
}

template <typename T>
std::string Printed(T const& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// --- Text form ------------------------------------------------------------------

struct TextCase {
    char const* label;
    std::string text;
    std::vector<RecordParts> records;  // records not listed are blank
    unsigned dictRecords;              // records the dictionary form keeps
};

std::vector<TextCase> TextCases() {
    int const human = Atom("human"), product = Atom("product"), place = Atom("place");
    std::string const twoByte = "\x82\xa0";  // one double-byte kana
    return {
        {"ProperNoun", "N townname personname product", {{kN, {Atom("townname"), Atom("personname"), product}}}, 1},
        {"SubjectDoSpeak", "SUBJ dospeak", {{kSel, {human, Atom("dospeak")}}}, 3},
        {"NegatedAtom", "N -human +product", {{kN, {-human, product}}}, 1},
        {"EleventhAtomIgnored",
         "N all animate any human nonhuman organization personname place product state townname",
         {{kN,
           {Atom("all"), Atom("animate"), Atom("any"), human, Atom("nonhuman"), Atom("organization"),
            Atom("personname"), place, product, Atom("state")}}},
         1},
        {"RestartClearsAtomsAndNames",
         "N human product \"one\" \"two\" N place \"three\"",
         {{kN, {place}, "three"}},
         1},
        {"SubjectRestartsNounRecordKeepingFlags", "N human SUBJ dospeak", {{kN | kSel, {human, Atom("dospeak")}}}, 1},
        {"LoneQuoteAndEmptyQuotesIgnored", "N \" human \"\"", {{kN, {human}}}, 1},
        {"ThirdNameIgnored", "N \"a\" \"b\" \"c\"", {{kN, {}, "a", "b"}}, 1},
        {"TwelveLetterNameCutToTen", "N \"abcdefghijkl\"", {{kN, {}, "abcdefghij"}}, 1},
        {"BangNameCutToEleven", "N \"!abcdefghijkl\"", {{kN, {}, "!abcdefghij"}}, 1},
        // 11 bytes, the last character double-byte at bytes 10-11: it goes whole.
        {"DoubleByteNameCutAtCharacter",
         "N \"a" + twoByte + twoByte + twoByte + twoByte + twoByte + "\"",
         {{kN, {}, "a" + twoByte + twoByte + twoByte + twoByte}},
         1},
        {"DoubleByteBangNameCutAtCharacter",
         "N \"!a" + twoByte + twoByte + twoByte + twoByte + twoByte + "\"",
         {{kN, {}, "!a" + twoByte + twoByte + twoByte + twoByte}},
         1},
        {"UnknownWordsIgnored", "N human frobnicate - + product", {{kN, {human, product}}}, 1},
        {"AtomsBeforeAnyKeywordGoToRecord0", "human", {{0, {human}}}, 3},
        {"ThreeSlots",
         "SUBJ human OBJ1 product OBJ2 -place",
         {{kSel, {human}}, {kSel, {product}}, {kSel, {-place}}},
         3},
        {"DoSpeakAdjustedOnlyAfterSubject", "OBJ1 dospeak", {{}, {kSel, {Atom("dospeak")}}}, 3},
        // A one-slot record 0 makes the dictionary form drop the other records.
        {"OneSlotDropsOtherRecordsInDictionaryForm", "OBJ1 product N human", {{kN, {human}}, {kSel, {product}}}, 1},
        {"Empty", "", {}, 3},
    };
}

void PrintTo(TextCase const& c, std::ostream* out) { *out << c.label; }

class SemanticText : public testing::TestWithParam<TextCase> {};

TEST_P(SemanticText, ParsesToRecordsInBothForms) {
    TextCase const& c = GetParam();
    Semantics_E_Source const parsed(c.text.c_str());
    Dict_Semantics_E_Source const dict = ConvertNounSemanticsFromText(c.text.c_str());
    for (unsigned i = 0; i < Semantics_E_Source::kRecordCount; ++i) {
        SemanticRecord const expected = i < c.records.size() ? MakeRecord(c.records[i]) : kNullSemantics;
        EXPECT_EQ(parsed.records[i], expected) << "record " << i;
        if (i < Dict_Semantics_E_Source::kRecordCount) {
            EXPECT_EQ(dict.records[i], i < c.dictRecords ? expected : kNullSemantics) << "dictionary record " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SemanticText, testing::ValuesIn(TextCases()),
                         [](auto const& info) { return std::string(info.param.label); });

TEST(SemanticText, NegatedAtomIsStoredAsTwosComplement) {
    Semantics_E_Source const parsed("N -human");
    EXPECT_EQ(parsed.records[0].atoms[0], 0x10000 - Atom("human"));
}

TEST(SemanticText, NullTextGivesBlankRecords) {
    EXPECT_TRUE(Semantics_E_Source(static_cast<char const*>(nullptr)).IsBlank());
    EXPECT_TRUE(ConvertNounSemanticsFromText(nullptr).IsBlank());
}

TEST(SemanticDefaults, BuiltOnceFromTheDefaultTexts) {
    Dict_Semantics_E_Source const& noun = GetDefaultNounSemantics();
    EXPECT_EQ(noun.records[0], MakeRecord({kN}));
    EXPECT_EQ(&noun, &GetDefaultNounSemantics());

    Dict_Semantics_E_Source const& proper = GetDefaultProperNounSemantics();
    EXPECT_EQ(proper.records[0], MakeRecord({kN, {Atom("townname"), Atom("personname"), Atom("product")}}));
    EXPECT_TRUE(proper.records[1].IsBlank());
}

// --- AdjustDoSpeakSelRes ----------------------------------------------------------

struct DoSpeakCase {
    char const* label;
    std::vector<int> before;
    std::vector<int> after;  // atoms up to the end of the list
};

TEST(AdjustDoSpeakSelRes, FirstDoSpeakBecomesHumanAndDoSpeakIsAppendedWhenThereIsRoom) {
    int const speak = Atom("dospeak"), human = Atom("human"), a = Atom("all");
    DoSpeakCase const cases[] = {
        {"One", {speak}, {human, speak}},
        {"NineAtoms", {a, a, speak, a, a, a, a, a, a}, {a, a, human, a, a, a, a, a, a, speak}},
        {"TenAtomsHasNoRoom", {a, a, speak, a, a, a, a, a, a, a}, {a, a, human, a, a, a, a, a, a, a}},
        {"OnlyTheFirstReplaced", {speak, speak}, {human, speak, speak}},
        {"NoDoSpeak", {a, human}, {a, human}},
        {"NegatedDoSpeakIsNotDoSpeak", {-speak}, {-speak}},
    };
    for (DoSpeakCase const& c : cases) {
        SemanticRecord record = MakeRecord({kSel, c.before});
        // Junk past the end of the list must not survive as atoms.
        if (c.before.size() + 2 < SemanticRecord::kMaxAtoms) record.atoms[c.before.size() + 2] = 999;
        AdjustDoSpeakSelRes(&record);
        std::vector<int> atoms(record.atoms, record.atoms + record.AtomCount());
        for (int& atom : atoms) atom = SemanticRecord::SignedAtom(static_cast<unsigned short>(atom));
        EXPECT_EQ(atoms, c.after) << c.label;
    }
    AdjustDoSpeakSelRes(nullptr);
}

// --- Copy, equality, blankness ----------------------------------------------------

// A record whose storage holds junk beyond its value: flag bits above the
// three, an atom after the terminating 0, bytes after a name's NUL.
SemanticRecord RecordWithJunk() {
    SemanticRecord record = MakeRecord({kN, {Atom("human")}, "ab", "cd"});
    record.flags |= 0x8000;
    record.atoms[2] = 77;
    record.names[0][5] = 'x';
    return record;
}

TEST(SemanticRecord, CopyAndEqualityConcernTheValueOnly) {
    SemanticRecord const junk = RecordWithJunk();
    SemanticRecord const clean = MakeRecord({kN, {Atom("human")}, "ab", "cd"});
    EXPECT_EQ(junk, clean);

    SemanticRecord const copy(junk);
    EXPECT_EQ(copy.flags, kN);
    EXPECT_EQ(copy.atoms[2], 0);
    EXPECT_EQ(copy.names[0][5], '\0');

    SemanticRecord target;
    target.flags = 0x8000 | SemanticRecord::kSelRes;
    target.atoms[5] = 12;
    target = clean;
    EXPECT_EQ(target.flags, 0x8000 | kN) << "bits outside the value stay the target's";
    EXPECT_EQ(target.atoms[5], 0);

    // A second name without a first is no name.
    SemanticRecord secondOnly = MakeRecord({0, {}, "", "cd"});
    EXPECT_TRUE(SemanticRecord(secondOnly).IsBlank());
}

TEST(SemanticRecord, EachPartOfTheValueMakesADifference) {
    SemanticRecord const base = MakeRecord({kN, {Atom("human"), Atom("place")}, "ab", "cd"});
    RecordParts const differing[] = {
        {kSel, {Atom("human"), Atom("place")}, "ab", "cd"}, {kN, {Atom("human")}, "ab", "cd"},
        {kN, {Atom("human"), -Atom("place")}, "ab", "cd"},  {kN, {Atom("human"), Atom("place")}, "ab", "ce"},
        {kN, {Atom("human"), Atom("place")}, "abc", "cd"},
    };
    for (RecordParts const& parts : differing) EXPECT_NE(MakeRecord(parts), base) << MakeRecord(parts);
}

TEST(SemanticRecord, NullSemanticsIsBlankAndIgnoresBitsOutsideTheValue) {
    EXPECT_TRUE(kNullSemantics.IsBlank());
    SemanticRecord record;
    record.flags = 0x0100;
    EXPECT_TRUE(record.IsBlank());
    EXPECT_EQ(record, kNullSemantics);
    for (RecordParts const& parts :
         {RecordParts{SemanticRecord::kSelRes}, RecordParts{0, {Atom("all")}}, RecordParts{0, {}, "a"}}) {
        EXPECT_FALSE(MakeRecord(parts).IsBlank());
        EXPECT_NE(MakeRecord(parts), kNullSemantics);
    }
}

TEST(SemanticSets, AssignedFromTheDictionaryForm) {
    Semantics_E_Source target("SUBJ human OBJ1 human OBJ2 human");
    target.records[3] = MakeRecord({kSel, {Atom("place")}});

    target = ConvertNounSemanticsFromText("SUBJ product OBJ1 all");
    EXPECT_EQ(target.records[0], MakeRecord({kSel, {Atom("product")}}));
    EXPECT_EQ(target.records[1], MakeRecord({kSel, {Atom("all")}}));
    EXPECT_TRUE(target.records[2].IsBlank());
    EXPECT_EQ(target.records[3], MakeRecord({kSel, {Atom("place")}})) << "record 3 kept";

    target = ConvertNounSemanticsFromText("N human");
    EXPECT_EQ(target.records[0], MakeRecord({kN, {Atom("human")}}));
    for (unsigned i = 1; i < Semantics_E_Source::kRecordCount; ++i) EXPECT_TRUE(target.records[i].IsBlank()) << i;

    Semantics_E_Source const built(ConvertNounSemanticsFromText("OBJ2 place"));
    EXPECT_EQ(built.records[2], MakeRecord({kSel, {Atom("place")}}));
    EXPECT_TRUE(built.records[3].IsBlank());
}

// --- Validity --------------------------------------------------------------------

TEST(SemanticValidity, AtomsUpToTheLargestCodeEitherSign) {
    struct {
        int atom;
        bool valid;
    } const cases[] = {{1, true}, {1459, true}, {1460, false}, {-1459, true}, {-1460, false}, {-32768, false}};
    for (auto const& c : cases) {
        SemanticRecord const record = MakeRecord({0, {Atom("all"), c.atom}});
        EXPECT_EQ(CSEMANT_Valid(record), c.valid) << c.atom;

        Semantics_E_Source semantics;
        semantics.records[3] = record;
        EXPECT_EQ(Semantics_E_Source_Valid(semantics), c.valid) << c.atom;
    }
}

TEST(SemanticValidity, DictionaryFormChecksOnlyTheRecordsThatCount) {
    SemanticRecord const bad = MakeRecord({kSel, {2000}});
    Dict_Semantics_E_Source dict;
    dict.records[2] = bad;
    EXPECT_FALSE(Dict_Semantics_E_Source_Valid(dict));
    dict.records[0] = MakeRecord({kN, {Atom("human")}});
    EXPECT_TRUE(Dict_Semantics_E_Source_Valid(dict));
    dict.records[0] = bad;
    EXPECT_FALSE(Dict_Semantics_E_Source_Valid(dict));
}

// --- Printing ----------------------------------------------------------------------

TEST(SemanticPrinting, RecordsSetsAndDictionaryForm) {
    std::string const twoByte = "\x82\xa0";
    EXPECT_EQ(Printed(Semantics_E_Source("N townname -human \"ab\"")),
              "(((one-slot noun-like )\ttownname -human \"ab\" ))");
    // Records are printed up to the first blank one.
    EXPECT_EQ(Printed(Semantics_E_Source("SUBJ dospeak OBJ2 product")), "(((selres )\thuman dospeak ))");
    EXPECT_EQ(Printed(ConvertNounSemanticsFromText(("SUBJ human OBJ1 \"x" + twoByte + "\"").c_str())),
              "(((selres )\thuman )((selres )\t\"x" + twoByte + "\" )(()\t))");
    EXPECT_EQ(Printed(ConvertNounSemanticsFromText("N human OBJ1 all")), "(((one-slot noun-like )\thuman ))");
    // Atoms beyond the name table print as their number.
    EXPECT_EQ(Printed(MakeRecord({0, {1000, -1000}})), "(()\t1000 -1000 )");
    // A name filling its whole field without a NUL is not read past the field.
    SemanticRecord full;
    std::fill(std::begin(full.names[0]), std::end(full.names[0]), 'z');
    EXPECT_EQ(Printed(full), "(()\t\"zzzzzzzzzzzz\" )");
}

}  // namespace
