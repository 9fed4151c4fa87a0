#include "engine/foundation/value_types.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "engine/foundation/pos_codes.h"

namespace {

template <typename T>
std::string Printed(T const& value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

DomainIDSet SetOf(std::initializer_list<unsigned> domains) {
    DomainIDSet set;
    for (unsigned domain : domains) set.Set(DomainID{domain});
    return set;
}

// --- DomainIDSet ------------------------------------------------------------------

TEST(DomainIDSet, DomainsMapToWordAndBit) {
    struct {
        unsigned domain;
        unsigned word;
        unsigned bit;
    } const cases[] = {{1, 0, 0}, {32, 0, 31}, {33, 1, 0}, {64, 1, 31}, {65, 2, 0}, {80, 2, 15}};
    for (auto const& c : cases) {
        DomainIDSet set;
        set.Set(DomainID{c.domain});
        for (unsigned w = 0; w < DomainIDSet::kWordCount; ++w)
            EXPECT_EQ(set.words[w], w == c.word ? uint32_t{1} << c.bit : 0u) << "domain " << c.domain;
        EXPECT_TRUE(set.Contains(DomainID{c.domain}));
        EXPECT_FALSE(set.Empty());
        set.Clear(DomainID{c.domain});
        EXPECT_TRUE(set.Empty()) << "domain " << c.domain;
    }
}

TEST(DomainIDSet, DomainsOutside1To80AreIgnored) {
    DomainIDSet full;
    for (uint32_t& word : full.words) word = 0xFFFFFFFFu;
    for (unsigned domain : {0u, 81u, 96u, 97u, 1000u, 0xFFFFFFFFu}) {
        DomainIDSet set = full;
        set.Clear(DomainID{domain});
        EXPECT_EQ(set, full) << domain;
        EXPECT_FALSE(set.Contains(DomainID{domain})) << domain;

        DomainIDSet empty;
        empty.Set(DomainID{domain});
        EXPECT_TRUE(empty.Empty()) << domain;
        EXPECT_EQ(std::memcmp(empty.words, DomainIDSet().words, sizeof empty.words), 0) << domain;
    }
}

TEST(DomainIDSet, UnusedHighBitsFromAFileAreNoDomains) {
    DomainIDSet junk;
    junk.words[2] = 0xFFFF0000u;
    EXPECT_TRUE(junk.Empty());
    EXPECT_EQ(junk, DomainIDSet());
    EXPECT_EQ(Printed(junk), "()");

    DomainIDSet combined = SetOf({80});
    combined |= junk;
    EXPECT_EQ(combined.words[2], 0x00008000u);
}

TEST(DomainIDSet, UnionAndEquality) {
    DomainIDSet set = SetOf({1, 40});
    set |= SetOf({40, 80});
    EXPECT_EQ(set, SetOf({1, 40, 80}));
    EXPECT_NE(set, SetOf({1, 40}));
}

// --- Printing --------------------------------------------------------------------------

TEST(ValuePrinting, DomainsPrintByNameAndUnnamedOnesByNumber) {
    EXPECT_EQ(Printed(DomainIDSet()), "()");
    EXPECT_EQ(Printed(SetOf({1, 2, 79, 80})), "(technical manual co_occurrence8 80 )");
    EXPECT_EQ(Printed(DomainWeightInfoRecord{kDomainTechnical, 7}), "(technical, 7)");
    EXPECT_EQ(Printed(DomainWeightInfoRecord{DomainID{200}, 3}), "(200, 3)");
}

TEST(ValuePrinting, CodesPrintByNameAndCodesOutsideTheirTableByNumber) {
    EXPECT_EQ(Printed(kCatN), "N");
    EXPECT_EQ(Printed(kCatBad), "<<BAD>>");
    EXPECT_EQ(Printed(POS_E_Source{2760}), "2760");
    EXPECT_EQ(Printed(POS_E_Source{65535}), "65535");
    EXPECT_EQ(Printed(kJPOS_N), "N");
    EXPECT_EQ(Printed(POS_J_Target{298}), "298");
    EXPECT_EQ(Printed(eIdiomQuasiAlmighty), "eIdiomQuasiAlmighty");
    EXPECT_EQ(Printed(eTheyCombined), "eTheyCombined");
}

TEST(ValuePrinting, EnumerationsOutsideTheirListPrintNothing) {
    EXPECT_EQ(Printed(IdiomType{6}), "");
    EXPECT_EQ(Printed(TheyTransType{200}), "");
}

// --- FeatureSets_E_Source --------------------------------------------------------------

TEST(FeatureSets, SetsAreCutTo100BytesAndLeaveNoTail) {
    FeatureSets_E_Source sets;
    std::string const longText(150, 'a');
    sets.SetSet(0, longText.c_str());
    EXPECT_EQ(std::string(sets.GetSet(0)), longText.substr(0, 100));

    sets.SetSet(1, "abcdef");
    sets.SetSet(1, "xy");
    EXPECT_STREQ(sets.GetSet(1), "xy");
    EXPECT_EQ(sets.sets[1][3], '\0') << "the earlier, longer text must not linger";

    sets.SetSet(2, nullptr);
    EXPECT_STREQ(sets.GetSet(2), "");

    FeatureSets_E_Source const before = sets;
    sets.SetSet(3, "ignored");
    EXPECT_EQ(sets, before);
    EXPECT_STREQ(sets.GetSet(3), "");
}

TEST(FeatureSets, EqualityComparesEachSet) {
    FeatureSets_E_Source a, b;
    a.SetSet(2, "n");
    EXPECT_NE(a, b);
    b.SetSet(2, "n");
    EXPECT_EQ(a, b);
}

}  // namespace
