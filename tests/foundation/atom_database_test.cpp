#include "engine/foundation/atom_database.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/free_features_database.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/pos_codes.h"

namespace {

// --- ConstantAtomDatabase ---------------------------------------------------

std::string const kName255(255, 'x');
std::string const kName256(256, 'x');
char const* const kSmallTable[] = {"<<BAD>>", "dup", "Case", "dup", kName255.c_str(), kName256.c_str(), "", nullptr};

TEST(ConstantAtomDatabase, AnswersTheCodeOfTheFirstEqualName) {
    ConstantAtomDatabase<unsigned short> const database(kSmallTable);
    EXPECT_EQ(database.GetCount(), 7u);

    struct Case {
        char const* key;
        bool found;
        unsigned short code;
    };
    std::string const key254(254, 'x');
    std::string const key257(257, 'x');
    Case const cases[] = {
        {"<<BAD>>", true, 0},
        {"dup", true, 1},  // the second "dup" at 3 is never answered
        {"Case", true, 2},
        {"case", false, 0},  // exact comparison
        {"Cas", false, 0},
        {"Case ", false, 0},
        {kName255.c_str(), true, 4},
        {kName256.c_str(), true, 5},
        {key254.c_str(), false, 0},
        {key257.c_str(), false, 0},
        {"", true, 6},
        {nullptr, false, 0},
    };
    for (Case const& c : cases) {
        unsigned short code = 999;
        EXPECT_EQ(database.Lookup(c.key, &code), c.found) << (c.key ? c.key : "(null)");
        EXPECT_EQ(code, c.found ? c.code : 999) << "an unknown name leaves the output alone";
    }
}

TEST(ConstantAtomDatabase, IgnoresNamesBeyondItsCount) {
    ConstantAtomDatabase<unsigned short> const database(kSmallTable, 2);
    unsigned short code = 0;
    EXPECT_TRUE(database.Lookup("dup", &code));
    EXPECT_FALSE(database.Lookup("Case", &code));
}

// The index must answer exactly what a search from the start of the table
// answers, for every name of every real table.
template <class T>
void ExpectIndexMatchesLinearSearch(ConstantAtomDatabase<T> const& database) {
    char const* const* names = database.GetNames();
    for (std::size_t i = 0; i < database.GetCount(); ++i) {
        std::size_t first = 0;
        while (std::strcmp(names[first], names[i]) != 0) ++first;
        T code{};
        ASSERT_TRUE(database.Lookup(names[i], &code)) << names[i];
        EXPECT_EQ(static_cast<std::size_t>(code), first) << names[i];
    }
}

TEST(ConstantAtomDatabase, GlobalDatabasesAnswerEveryNameOfTheirTables) {
    EXPECT_EQ(gSourcePOSDatabase().GetCount(), kE_Source_POSNameCount);
    EXPECT_EQ(gTargetPOSDatabase().GetCount(), kJ_Target_POSNameCount);
    EXPECT_EQ(gSemanticAtomDatabase_E_Source().GetCount(), kPredefinedSemanticAtomCount);
    ExpectIndexMatchesLinearSearch(gSourcePOSDatabase());
    ExpectIndexMatchesLinearSearch(gTargetPOSDatabase());
    ExpectIndexMatchesLinearSearch(gSemanticAtomDatabase_E_Source());
}

TEST(ConstantAtomDatabase, GlobalDatabasesKnowTheNamesTheEngineLooksUp) {
    POS_E_Source category{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup("Nom_ga", &category));
    EXPECT_TRUE(gSourcePOSDatabase().Lookup("GONE", &category));
    EXPECT_EQ(category, kCatGONE);
    EXPECT_FALSE(gSourcePOSDatabase().Lookup("gone", &category));

    POS_J_Target jpos{};
    EXPECT_TRUE(gTargetPOSDatabase().Lookup("Vsu", &jpos));
    EXPECT_EQ(jpos, kJPOS_Vsu);

    unsigned short atom = 0;
    EXPECT_TRUE(gSemanticAtomDatabase_E_Source().Lookup("dospeak", &atom));
    EXPECT_EQ(atom, kSemDospeak);
    EXPECT_TRUE(gSemanticAtomDatabase_E_Source().Lookup("human", &atom));
    EXPECT_EQ(atom, kSemHuman);
}

// --- AtomDatabase -------------------------------------------------------------

TEST(AtomDatabase, NumbersNewNamesDenselyInOrderOfFirstEntry) {
    char const* const initial[] = {"zero", "one", nullptr};
    AtomDatabase<unsigned> database(initial);
    EXPECT_EQ(database.Enter("two"), 2u);
    EXPECT_EQ(database.Enter("one"), 1u);  // known: same atom, nothing added
    EXPECT_EQ(database.Enter("a"), 3u);    // numbering follows entry, not name order
    EXPECT_EQ(database.Enter("One"), 4u);
    EXPECT_EQ(database.GetCount(), 5u);
    for (unsigned atom = 0; atom < database.GetCount(); ++atom)
        EXPECT_EQ(database.Enter(database.GetName(atom).c_str()), atom);
}

TEST(AtomDatabase, GetNameAnswersACopyAndNumbersBeyondTheNames) {
    char const* const initial[] = {"zero", nullptr};
    AtomDatabase<unsigned> database(initial);
    std::string name = database.GetName(0);
    name[0] = 'Z';
    EXPECT_EQ(database.GetName(0), "zero");
    EXPECT_EQ(database.GetName(1), "1");
    EXPECT_EQ(database.GetName(4000000000u), "4000000000");
}

TEST(AtomDatabase, RefusesANullName) {
    AtomDatabase<unsigned> database;
    EXPECT_THROW(database.Enter(nullptr), std::invalid_argument);
    EXPECT_EQ(database.GetCount(), 0u);
}

enum TinyAtom : uint8_t {};

TEST(AtomDatabase, RefusesANameWhoseAtomWouldNotFit) {
    AtomDatabase<TinyAtom> database;
    for (int i = 0; i < 256; ++i) ASSERT_EQ(database.Enter(std::to_string(i).c_str()), static_cast<TinyAtom>(i));
    EXPECT_THROW(database.Enter("one too many"), std::length_error);
    EXPECT_EQ(database.GetCount(), 256u);
    EXPECT_EQ(database.Enter("255"), static_cast<TinyAtom>(255));
}

TEST(AtomDatabase, DomainDatabaseNamesEveryDomain) {
    AtomDatabase<DomainID> const& domains = gDomainIDNameDBase();
    EXPECT_EQ(domains.GetCount(), kDomainNameCount);
    EXPECT_EQ(domains.GetName(kDomainNone), "0");
    EXPECT_EQ(domains.GetName(kDomainTechnical), "technical");
    EXPECT_EQ(domains.GetName(kDomainCoOccurrence8), "co_occurrence8");
    // Domain 80 is a valid domain without a name.
    EXPECT_EQ(domains.GetName(DomainID{80}), "80");
}

// --- FreeFeatures_E_SourceDBase ---------------------------------------------

TEST(FreeFeatures_E_SourceDBase, ConcurrentEntriesGetOneDenseAtomPerName) {
    char const* const initial[] = {"<<FreeFeaturesBadValue>>", nullptr};
    FreeFeatures_E_SourceDBase database{AtomDatabase<FreeFeatures_E_Source>(initial)};
    constexpr int kNames = 1000;

    // Both threads enter the same names, in opposite orders, to collide often.
    std::vector<FreeFeatures_E_Source> forward(kNames), backward(kNames);
    std::atomic<int> ready{0};
    auto enterAll = [&](std::vector<FreeFeatures_E_Source>* atoms, bool reverse) {
        ++ready;
        while (ready < 2) {
        }
        for (int k = 0; k < kNames; ++k) {
            int i = reverse ? kNames - 1 - k : k;
            (*atoms)[i] = database.Enter(("feature" + std::to_string(i)).c_str());
        }
    };
    std::thread first(enterAll, &forward, false);
    std::thread second(enterAll, &backward, true);
    first.join();
    second.join();

    std::set<unsigned> atoms;
    for (int i = 0; i < kNames; ++i) {
        EXPECT_EQ(forward[i], backward[i]) << i;
        atoms.insert(forward[i]);
        EXPECT_EQ(database.GetName(forward[i]), "feature" + std::to_string(i));
    }
    ASSERT_EQ(atoms.size(), static_cast<std::size_t>(kNames));
    EXPECT_EQ(*atoms.begin(), 1u);
    EXPECT_EQ(*atoms.rbegin(), static_cast<unsigned>(kNames));
    EXPECT_EQ(database.GetName(FreeFeatures_E_Source{0}), "<<FreeFeaturesBadValue>>");
}

}  // namespace
