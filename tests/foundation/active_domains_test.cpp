#include "engine/foundation/active_domains.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "engine/foundation/entry.h"
#include "foundation/fake_dictionary.h"

namespace {

DomainIDSet SetOf(std::initializer_list<unsigned> domains) {
    DomainIDSet set;
    for (unsigned domain : domains) set.Set(DomainID{domain});
    return set;
}

TEST(ActiveDomains, ADomainIsActiveFromACountOf3) {
    struct {
        int32_t count;
        bool active;
    } const cases[] = {{-5, false}, {0, false}, {2, false}, {3, true}, {40, true}};
    for (auto const& c : cases) {
        ActiveDomains domains;
        domains.AddToDomainCount(DomainID{7}, c.count);
        EXPECT_EQ(domains.GetActiveDomains(), c.active ? SetOf({7}) : DomainIDSet()) << c.count;
        EXPECT_EQ(domains.Empty(), !c.active) << c.count;
    }
}

TEST(ActiveDomains, CountsAddUpAndSaturate) {
    ActiveDomains domains;
    domains.AddToDomainCount(DomainID{80}, 2);
    domains.AddToDomainCount(DomainID{80}, 1);
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({80}));
    domains.AddToDomainCount(DomainID{80}, -1);
    EXPECT_TRUE(domains.GetActiveDomains().Empty());

    // No overflow either way (the sanitizer build would report one).
    domains.AddToDomainCount(DomainID{5}, std::numeric_limits<int32_t>::max());
    domains.AddToDomainCount(DomainID{5}, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({5}));
    domains.AddToDomainCount(DomainID{6}, std::numeric_limits<int32_t>::min());
    domains.AddToDomainCount(DomainID{6}, -1);
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({5}));
}

TEST(ActiveDomains, ExplicitAndCountedDomainsTogether) {
    ActiveDomains domains;
    domains.ActivateDomainsExplicitly(SetOf({1, 33}));
    domains.ActivateDomainsExplicitly(SetOf({80}));
    domains.AddToDomainCount(DomainID{40}, 3);
    domains.AddToDomainCount(DomainID{41}, 2);
    EXPECT_FALSE(domains.Empty());
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({1, 33, 40, 80}));

    domains.ClearDomainCountAndDeactivate(DomainID{33});
    domains.ClearDomainCountAndDeactivate(DomainID{40});
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({1, 80}));

    // A domain both activated and counted is gone after one clear.
    domains.AddToDomainCount(DomainID{80}, 5);
    domains.ClearDomainCountAndDeactivate(DomainID{80});
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({1}));

    domains.Clear();
    EXPECT_TRUE(domains.Empty());
    EXPECT_TRUE(domains.GetActiveDomains().Empty());
}

TEST(ActiveDomains, DomainsOutside1To80AreIgnored) {
    ActiveDomains domains;
    domains.AddToDomainCount(DomainID{3}, 3);
    domains.ActivateDomainsExplicitly(SetOf({4}));
    DomainIDSet junk;
    junk.words[2] = 0xFFFF0000u;  // bits beyond domain 80, as a file might hold
    domains.ActivateDomainsExplicitly(junk);
    for (unsigned domain : {0u, 81u, 1000u, 0xFFFFFFFFu}) {
        domains.AddToDomainCount(DomainID{domain}, 10);
        domains.ClearDomainCountAndDeactivate(DomainID{domain});
    }
    EXPECT_EQ(domains.GetActiveDomains(), SetOf({3, 4}));
    EXPECT_EQ(domains.GetActiveDomains().words[2], 0u);
}

TEST(ActiveDomains, EmptyOnlyInNormalModeWithNothingActive) {
    ActiveDomains domains;
    EXPECT_TRUE(domains.Empty());
    domains.SetGeneralMode(true);
    EXPECT_TRUE(domains.IsGeneralMode());
    EXPECT_FALSE(domains.Empty());
    EXPECT_TRUE(domains.GetActiveDomains().Empty());
    domains.SetGeneralMode(false);
    EXPECT_TRUE(domains.Empty());

    domains.SetGeneralMode(true);
    domains.Clear();
    EXPECT_FALSE(domains.IsGeneralMode());
}

// --- Matching readings ---------------------------------------------------------------

// One fine part of speech whose domain weights name `domains`, with one
// paraphrase whose domain set holds the same domains (those that fit a set).
struct Reading {
    explicit Reading(std::vector<unsigned> const& domains)
        : dictionary(fake::MakeDictionary().first),
          pos(dictionary.CreateNewEntry("word").CreateNewFinePOS()),
          paraphrase(pos.CreateNewParaphrase()) {
        std::vector<DomainWeightInfoRecord> weights;
        DomainIDSet set;
        for (unsigned domain : domains) {
            weights.push_back({DomainID{domain}, 100});
            set.Set(DomainID{domain});
        }
        pos.SetDomainWeights(weights);
        paraphrase.SetDomainIDSet(set);
    }

    Dictionary_EX dictionary;
    FinePOS_EX pos;
    Paraphrase_EX paraphrase;
};

struct MatchCase {
    char const* label;
    bool generalMode;
    std::vector<unsigned> activated;
    std::vector<std::pair<unsigned, int32_t>> counts;
    std::vector<unsigned> readingDomains;
    bool general;
    bool match;
};

TEST(ActiveDomainsMatch, FinePOSAndParaphraseAgree) {
    MatchCase const cases[] = {
        {"NoDomains", true, {1, 2}, {}, {}, false, false},
        {"Count2DoesNotMatch", false, {}, {{7, 2}}, {7}, false, false},
        {"Count3Matches", false, {}, {{7, 3}}, {7}, false, true},
        {"ExplicitMatches", false, {9}, {}, {3, 9}, false, true},
        {"OtherDomainsDoNotMatch", false, {9}, {{8, 3}}, {3, 10, 80}, false, false},
        {"Domain1IsGeneralInMode62", true, {}, {}, {5, 1}, true, false},
        {"Domain1IsNotGeneralInMode61", false, {}, {}, {1}, false, false},
        {"Domain1GeneralAndActive", true, {1}, {}, {1}, true, true},
        {"Domain80Matches", false, {80}, {}, {80}, false, true},
        {"DomainsOutside1To80Ignored", true, {80}, {{1, 5}}, {0, 81, 96, 300}, false, false},
    };
    for (MatchCase const& c : cases) {
        ActiveDomains domains;
        domains.SetGeneralMode(c.generalMode);
        DomainIDSet activated;
        for (unsigned domain : c.activated) activated.Set(DomainID{domain});
        domains.ActivateDomainsExplicitly(activated);
        for (auto const& [domain, count] : c.counts) domains.AddToDomainCount(DomainID{domain}, count);

        Reading const reading(c.readingDomains);
        bool general = !c.general, match = !c.match;
        domains.Match(&general, &match, reading.pos);
        EXPECT_EQ(general, c.general) << c.label << " (fine part of speech)";
        EXPECT_EQ(match, c.match) << c.label << " (fine part of speech)";
        EXPECT_EQ(domains.AnyMatch(reading.pos), c.general || c.match) << c.label;

        general = !c.general, match = !c.match;
        domains.Match(&general, &match, reading.paraphrase);
        EXPECT_EQ(general, c.general) << c.label << " (paraphrase)";
        EXPECT_EQ(match, c.match) << c.label << " (paraphrase)";
        EXPECT_EQ(domains.AnyMatch(reading.paraphrase), c.general || c.match) << c.label;
    }
}

TEST(ActiveDomainsMatch, EitherAnswerMayBeLeftOut) {
    ActiveDomains domains;
    domains.SetGeneralMode(true);
    Reading const reading({1});
    bool general = false;
    domains.Match(&general, nullptr, reading.pos);
    EXPECT_TRUE(general);
    bool match = true;
    domains.Match(nullptr, &match, reading.paraphrase);
    EXPECT_FALSE(match);
}

}  // namespace
