// The chart passes that drop readings (missing particles, disabled or
// alternate-only paraphrases), register S-words, give technical readings
// system semantics and count subject domains, over small charts of readings
// from temporary dictionaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/chart_domains.h"
#include "engine/parse/chart_filters.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/particle_registry.h"
#include "engine/parse/sentence.h"

namespace {

constexpr unsigned short kSystem = 1;
constexpr unsigned short kTechnical = 100;
constexpr POS_E_Source kPrep{201};

Dictionary_EX_Temporary DictionaryNumbered(unsigned short id) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(id);
    return dictionary;
}

// A noun-like one-slot record of the atoms.
Dict_Semantics_E_Source NounSemantics(std::vector<uint16_t> const& atoms) {
    Dict_Semantics_E_Source semantics;
    semantics.records[0].flags = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
    for (std::size_t i = 0; i < atoms.size(); ++i) semantics.records[0].atoms[i] = atoms[i];
    return semantics;
}

std::vector<uint16_t> AtomsFrom(uint16_t first, uint16_t count) {
    std::vector<uint16_t> atoms;
    for (uint16_t i = 0; i < count; ++i) atoms.push_back(static_cast<uint16_t>(first + i));
    return atoms;
}

// A new reading of `headword` with one paraphrase per Japanese text.
FinePOS_EX AddReading(Dictionary_EX dictionary, std::string const& headword, POS_E_Source pos,
                      std::vector<std::string> const& japanese = {"x"}) {
    FinePOS_EX fp = dictionary.CreateNewEntry(headword).CreateNewFinePOS();
    fp.SetFinePOS(pos);
    for (std::string const& text : japanese) fp.CreateNewParaphrase().SetCookedTranslation(text);
    return fp;
}

void SetFeatureSets(FinePOS_EX fp, char const* first, char const* second, char const* third) {
    FeatureSets_E_Source sets;
    sets.SetSet(0, first);
    sets.SetSet(1, second);
    sets.SetSet(2, third);
    fp.SetFeatureSets(sets);
}

void SetSemantics(FinePOS_EX const& fp, Dict_Semantics_E_Source const& semantics) {
    for (auto paraphrases = fp.GetParaphraseIterator(); !paraphrases.IsAtEnd(); ++paraphrases)
        (*paraphrases).SetSemantics(semantics);
}

Paraphrase_EX FirstParaphrase(FinePOS_EX const& fp) { return *fp.GetParaphraseIterator(); }

DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>& LearningOf(Dictionary_EX const& dictionary) {
    return *dictionary.GetDictionaryLearningInterface(false);
}

// A sentence of the given words with an empty chart, and the chart builder.
class Chart {
public:
    explicit Chart(std::vector<std::string> const& words) {
        std::vector<PreparsedWord> preparsed(words.size());
        for (std::size_t i = 0; i < words.size(); ++i) preparsed[i].fText = words[i];
        fSentence.SetPreparsedWords(preparsed, {}, {}, false);
        fSentence.Chart().Allocate(words.size());
    }

    // Adds a reading over words first..first+d.
    void Add(FinePOS_EX const& fp, int first, int d = 0) { fCreator.FillChartEntry(fp, first, d, false); }

    std::vector<FinePOS_EX> Readings(int d, int e) const {
        std::vector<FinePOS_EX> readings;
        ParseChart const& chart = fSentence.Chart();
        for (ParseChartEntry const& entry :
             chart.Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e)).entries)
            readings.push_back(chart.FinePOSOf(entry));
        return readings;
    }

    Sentence& GetSentence() { return fSentence; }
    ParseChartCreator& Creator() { return fCreator; }

private:
    Sentence fSentence{SentenceUserOptions()};
    ParseChartCreator fCreator{&fSentence};
};

TEST(ChartFilters, ReadingsNeedingAParticleStayOnlyWhenTheChartOrTheGrammarHasIt) {
    EXPECT_EQ(kGrammarCreatedParticleRegistry().Names().size(), 59u);
    struct Case {
        char const* sets[3];       // of the reading looked at
        char const* otherSets[3];  // of another reading of the sentence
        bool kept;
    } const cases[] = {
        {{"B1T0", "", ""}, {"", "", ""}, true},       // needs no particle
        {{"", "with", ""}, {"", "", ""}, true},       // the grammar makes "with"
        {{"", "", "upon"}, {"", "", ""}, false},      // the third set counts too
        {{"", "", "upon"}, {"upon", "", ""}, true},   // "upon" is in the sentence
        {{"", "upon", ""}, {"", "upon", ""}, false},  // only first sets are registered
        {{"upon", "", ""}, {"", "", ""}, true},       // it registers its own first set
        {{"", "on", "upon"}, {"on", "", ""}, false},  // every set must be found
        {{"", "Upon", "_on"}, {"", "", ""}, true},    // not lower-case letters
    };
    for (Case const& c : cases) {
        Dictionary_EX_Temporary system = DictionaryNumbered(kSystem);
        Chart chart({"relies", "upon"});
        FinePOS_EX const looked = AddReading(system, "relies", kCatVT01);
        SetFeatureSets(looked, c.sets[0], c.sets[1], c.sets[2]);
        FinePOS_EX const other = AddReading(system, "upon", kPrep);
        SetFeatureSets(other, c.otherSets[0], c.otherSets[1], c.otherSets[2]);
        chart.Add(looked, 0);
        chart.Add(other, 1);
        chart.Creator().EliminateEntriesWithAbsentParticles();
        EXPECT_EQ(chart.Readings(0, 0).size(), c.kept ? 1u : 0u) << c.sets[0] << "/" << c.sets[1] << "/" << c.sets[2];
    }
}

TEST(ChartFilters, ReadingsGoWhenLearningDisablesEveryParaphraseOrNothingCallsForTheirAlternateOnlyUse) {
    struct Case {
        char const* name;
        bool altOnly;
        bool disableFirst, disableSecond;
        bool domainActive;   // the reading's domain is active
        float learnedValue;  // recorded for the first paraphrase when not 0
        bool keptByParaphrases, keptByAltOnly;
    } const cases[] = {
        {"plain", false, false, false, false, 0, true, true},
        {"one disabled", false, true, false, false, 0, true, true},
        {"all disabled", false, true, true, false, 0, false, true},
        {"alt-only", true, false, false, false, 0, true, false},
        {"alt-only, domain active", true, false, false, true, 0, true, true},
        {"alt-only, learned", true, false, false, false, 0.5f, true, true},
    };
    for (Case const& c : cases) {
        for (bool paraphrasePass : {true, false}) {
            Dictionary_EX_Temporary system = DictionaryNumbered(kSystem);
            Chart chart({"mouse"});
            FinePOS_EX fp = AddReading(system, "mouse", kCatN, {"nezumi", "mausu"});
            fp.SetAltOnly(c.altOnly);
            fp.SetDomainWeights({{DomainID{5}, 1}});
            std::vector<Paraphrase_EX> paraphrases;
            for (auto it = fp.GetParaphraseIterator(); !it.IsAtEnd(); ++it) paraphrases.push_back(*it);
            auto& learning = LearningOf(system);
            if (c.disableFirst) learning.SetLearningValue(fp, paraphrases[0], -1.0f);
            if (c.disableSecond) learning.SetLearningValue(fp, paraphrases[1], -1.0f);
            if (c.learnedValue != 0) learning.SetLearningValue(fp, paraphrases[0], c.learnedValue);
            if (c.domainActive) {
                DomainIDSet domains;
                domains.Set(DomainID{5});
                chart.GetSentence().Domains().ActivateDomainsExplicitly(domains);
            }
            chart.Add(fp, 0);
            if (paraphrasePass)
                chart.Creator().EliminateEntriesWithNoEnabledParaphrases();
            else
                chart.Creator().EliminateAlternateOnlyEntries();
            bool const kept = paraphrasePass ? c.keptByParaphrases : c.keptByAltOnly;
            EXPECT_EQ(chart.Readings(0, 0).size(), kept ? 1u : 0u)
                << c.name << (paraphrasePass ? " (paraphrases)" : " (alt-only)");
        }
    }
}

TEST(ChartFilters, SWordsAreTheLastWordsOfNounLikeReadingsCutAsSemanticNames) {
    struct Case {
        char const* headword;
        bool nounLike;
        char const* registered;  // null: nothing
    } const cases[] = {
        {"keyboard", true, "keyboard"},
        {"keyboard", false, nullptr},
        {"abcdefghijkl", true, "abcdefghij"},          // 12 characters: 10 kept
        {"!bcdefghijkl", true, "!bcdefghijk"},         // 11 for a marked word
        {"disk drivecontroller", true, "drivecontr"},  // the last word only
    };
    for (Case const& c : cases) {
        Dictionary_EX_Temporary system = DictionaryNumbered(kSystem);
        Chart chart({"w"});
        FinePOS_EX const fp = AddReading(system, c.headword, kCatN, {"a", "b"});
        if (c.nounLike) (*fp.GetParaphraseIterator()).SetSemantics(NounSemantics({3}));
        chart.Add(fp, 0);
        SWordRegistry& registry = chart.GetSentence().SWords();
        registry.RegisterAllSWord(&chart.GetSentence());
        if (c.registered == nullptr) {
            EXPECT_TRUE(registry.Words().empty()) << c.headword;
        } else {
            EXPECT_EQ(registry.Words(), std::set<std::string>{c.registered}) << c.headword;
            EXPECT_TRUE(registry.SWordFound(c.registered));
        }
    }
}

// The count of a domain as far as activation tells it: 0 to 3 (3 for any
// active one).
int CountOf(ActiveDomains const& domains, unsigned domain) {
    for (int added = 0; added <= 3; ++added) {
        ActiveDomains probe = domains;
        probe.AddToDomainCount(DomainID{domain}, added);
        if (probe.GetActiveDomains().Contains(DomainID{domain})) return 3 - added;
    }
    return 0;
}

class DomainCounting : public ::testing::Test {
protected:
    void TearDown() override {
        gDomainClearThreshold = 0;
        gbTrackDomainActivation = false;
    }
    Dictionary_EX_Temporary fSystem = DictionaryNumbered(kSystem);
};

TEST_F(DomainCounting, AWordCountsFullyOnceThenOnlyItsWeightsOf1OnceMoreThenNoMore) {
    FinePOS_EX disk = AddReading(fSystem, "disk", kCatN);
    disk.SetDomainWeights({{DomainID{7}, 2}, {DomainID{9}, 1}});
    Chart chart({"disk", "Disk", "DISK"});
    for (int w = 0; w < 3; ++w) chart.Add(disk, w);
    gbTrackDomainActivation = true;
    testing::internal::CaptureStdout();
    chart.Creator().CountDomains();
    std::string const trace = testing::internal::GetCapturedStdout();
    ActiveDomains const& domains = chart.GetSentence().Domains();
    EXPECT_EQ(CountOf(domains, 7), 2);
    EXPECT_EQ(CountOf(domains, 9), 2);
    std::string const seven = gDomainIDNameDBase().GetName(DomainID{7});
    std::string const nine = gDomainIDNameDBase().GetName(DomainID{9});
    EXPECT_EQ(trace, "DOMAINS: 'disk' adds 2 for " + seven + "\nDOMAINS: 'disk' adds 1 for " + nine +
                         "\nSecond instance of 'disk' adds another 1 for " + nine + "\nACTIVE domains:\n");
}

TEST_F(DomainCounting, DomainsOutside1To80AreIgnoredAndEachCellCountsItsLargestWeight) {
    FinePOS_EX odd = AddReading(fSystem, "odd", kCatN);
    odd.SetDomainWeights({{DomainID{0}, 5}, {DomainID{81}, 5}, {DomainID{0xFFFFFFFFu}, 5}, {DomainID{80}, 1}});
    FinePOS_EX light = AddReading(fSystem, "odd", kCatN);
    light.SetDomainWeights({{DomainID{4}, 1}, {DomainID{80}, 2}});
    FinePOS_EX heavy = AddReading(fSystem, "odd", kCatN);
    heavy.SetDomainWeights({{DomainID{4}, 3}});
    Chart chart({"odd"});
    for (FinePOS_EX const& fp : {odd, light, heavy}) chart.Add(fp, 0);
    gbTrackDomainActivation = true;  // the names of 80 and of those ignored must not be looked past the table
    testing::internal::CaptureStdout();
    chart.Creator().CountDomains();
    testing::internal::GetCapturedStdout();
    ActiveDomains const& domains = chart.GetSentence().Domains();
    EXPECT_EQ(CountOf(domains, 4), 3);
    EXPECT_EQ(CountOf(domains, 80), 2);
    DomainIDSet expected;
    expected.Set(DomainID{4});
    EXPECT_EQ(domains.GetActiveDomains(), expected);
}

TEST_F(DomainCounting, ClearingDropsEarlierDomainsAndRestoresThemWhenNoNewOneComes) {
    struct Case {
        int threshold;
        uint16_t weightOf4;  // what the sentence brings to domain 4
        bool earlierActive, fourActive;
    } const cases[] = {
        {0, 3, true, true},   // clearing off: earlier domains stay
        {1, 3, false, true},  // a new domain replaces them
        {1, 2, true, false},  // no new domain: they come back
    };
    for (Case const& c : cases) {
        FinePOS_EX fp = AddReading(fSystem, "cpu", kCatN);
        fp.SetDomainWeights({{DomainID{4}, c.weightOf4}});
        Chart chart({"cpu"});
        chart.Add(fp, 0);
        DomainIDSet earlier;
        earlier.Set(DomainID{12});
        earlier.Set(DomainID{1});  // domain 1 is never cleared
        chart.GetSentence().Domains().ActivateDomainsExplicitly(earlier);
        gDomainClearThreshold = c.threshold;
        chart.Creator().CountDomains();
        DomainIDSet const active = chart.GetSentence().Domains().GetActiveDomains();
        EXPECT_EQ(active.Contains(DomainID{12}), c.earlierActive) << c.threshold << " " << c.weightOf4;
        EXPECT_EQ(active.Contains(DomainID{4}), c.fourActive) << c.threshold << " " << c.weightOf4;
        EXPECT_TRUE(active.Contains(DomainID{1}));
    }
}

TEST_F(DomainCounting, EveryActiveDomainFitsTheList) {
    ActiveDomains domains;
    DomainIDSet all;
    for (unsigned d = 1; d <= kDomainCount; ++d) all.Set(DomainID{d});
    domains.ActivateDomainsExplicitly(all);
    DomainList list = {};
    ASSERT_EQ(FindListOfActiveDomains(domains, list, true), kDomainCount - 1);
    EXPECT_EQ(list[0], 2u);
    EXPECT_EQ(list[kDomainCount - 2], kDomainCount);
    DomainIDSet one;
    one.Set(DomainID{1});
    EXPECT_EQ(domains.GetActiveDomains(), one);
}

class SemanticInheritance : public ::testing::Test {
protected:
    Dictionary_EX_Temporary fSystem = DictionaryNumbered(kSystem);
    Dictionary_EX_Temporary fTechnical = DictionaryNumbered(kTechnical);
};

TEST_F(SemanticInheritance, ATechnicalReadingTakesTheSemanticsOfASystemNounWithItsJapanese) {
    struct Case {
        char const* features;
        char const* inherited;
    } const cases[] = {
        {"0123456789AM_", "0123456789AN_"},
        {"0123456789AU", "0123456789A9"},
        {"0123456789M", "0123456789M"},  // too short to change
    };
    for (Case const& c : cases) {
        FinePOS_EX const animal = AddReading(fSystem, "mouse", kCatN, {"nezumi"});
        SetSemantics(animal, NounSemantics({40, 41}));
        FinePOS_EX const device = AddReading(fSystem, "mouse", kCatN, {"mausu"});
        SetSemantics(device, NounSemantics({50}));
        FinePOS_EX const technical = AddReading(fTechnical, "mouse", kCatN, {"mausu"});
        SetFeatureSets(technical, c.features, "", "");
        Chart chart({"mouse"});
        for (FinePOS_EX const& fp : {animal, device, technical}) chart.Add(fp, 0);
        chart.Creator().InheritFromSD();

        std::vector<FinePOS_EX> const readings = chart.Readings(0, 0);
        ASSERT_EQ(readings.size(), 3u);
        FinePOS_EX const& made = readings[2];
        Dictionary_EX const dictionary = made.GetEntry().GetDictionary();
        EXPECT_TRUE(chart.GetSentence().AliasingDictionaries().Holds(dictionary));
        EXPECT_EQ(dictionary.GetID(), kTechnical);
        EXPECT_EQ(made.GetEntry().GetSrcText(), "mouse");
        EXPECT_STREQ(made.GetFeatureSets().GetSet(0), c.inherited);
        EXPECT_EQ(FirstParaphrase(made).GetCookedTranslation(), "mausu");
        EXPECT_EQ(FirstParaphrase(made).GetSemantics().records[0], NounSemantics({50}).records[0]);
    }
}

TEST_F(SemanticInheritance, WithoutSameJapaneseTheSpanOrItsHeadNounGivesItsAtomsTenPerReading) {
    struct Case {
        char const* name;
        int nounD;                           // the system nouns lie in cell (nounD, 1)
        std::vector<uint16_t> nounAtoms[2];  // of the two system nouns
        std::size_t technicalReadings;
    } const cases[] = {
        {"25 atoms", 1, {AtomsFrom(100, 12), AtomsFrom(112, 13)}, 3},
        {"overlapping", 1, {AtomsFrom(100, 10), AtomsFrom(105, 10)}, 2},
        {"head noun", 0, {AtomsFrom(100, 4), AtomsFrom(200, 1)}, 1},
        {"no nouns", 0, {{}, {}}, 1},
    };
    for (Case const& c : cases) {
        Chart chart({"disk", "drive"});
        std::vector<uint16_t> all;
        for (auto const& atoms : c.nounAtoms) {
            FinePOS_EX noun = AddReading(fSystem, "drive", kCatN, {"n"});
            // A record holds 10 atoms: spread the rest over paraphrases.
            for (std::size_t first = 0; first < atoms.size(); first += 10) {
                std::vector<uint16_t> const part(
                    atoms.begin() + static_cast<std::ptrdiff_t>(first),
                    atoms.begin() + static_cast<std::ptrdiff_t>(std::min(atoms.size(), first + 10)));
                noun.CreateNewParaphrase().SetSemantics(NounSemantics(part));
            }
            chart.Add(noun, 1 - c.nounD, c.nounD);
            all.insert(all.end(), atoms.begin(), atoms.end());
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        FinePOS_EX const technical = AddReading(fTechnical, "disk drive", kCatN, {"dhisuku"});
        chart.Add(technical, 0, 1);

        chart.Creator().InheritFromSD();
        chart.Creator().InheritFromSD();  // re-made readings are not made again

        std::vector<uint16_t> inherited;
        std::size_t technicalReadings = 0;
        for (FinePOS_EX const& fp : chart.Readings(1, 1)) {
            if (fp.GetEntry().GetDictionary().GetID() != kTechnical) continue;
            ++technicalReadings;
            SemanticRecord const record = FirstParaphrase(fp).GetSemantics().records[0];
            EXPECT_LE(record.AtomCount(), 10u);
            inherited.insert(inherited.end(), record.atoms, record.atoms + record.AtomCount());
            if (!all.empty()) {
                EXPECT_EQ(record.flags & SemanticRecord::kValueFlags,
                          SemanticRecord::kOneSlot | SemanticRecord::kNounLike);
            }
        }
        EXPECT_EQ(technicalReadings, c.technicalReadings) << c.name;
        EXPECT_EQ(inherited, all) << c.name;
    }
}

TEST_F(SemanticInheritance, ATechnicalReadingCoveredByASystemReadingOfItsDomainsIsDropped) {
    struct Case {
        std::vector<DomainWeightInfoRecord> systemWeights;
        bool dropped;
    } const cases[] = {
        {{{DomainID{7}, 2}, {DomainID{8}, 1}}, true},
        {{{DomainID{7}, 2}}, false},
        {{}, false},
    };
    for (Case const& c : cases) {
        DomainIDSet technicalDomains;
        technicalDomains.Set(DomainID{7});
        technicalDomains.Set(DomainID{8});
        fTechnical->SetDomainIDSet(technicalDomains);
        FinePOS_EX system = AddReading(fSystem, "port", kCatN, {"minato"});
        system.SetDomainWeights(c.systemWeights);
        FinePOS_EX const technical = AddReading(fTechnical, "port", kCatN, {"poto"});
        Chart chart({"port"});
        chart.Add(technical, 0);
        chart.Add(system, 0);
        chart.Creator().InheritFromSD();
        std::vector<FinePOS_EX> const readings = chart.Readings(0, 0);
        ASSERT_EQ(readings.size(), c.dropped ? 1u : 2u);
        EXPECT_TRUE(readings.back() == system);
    }
}

}  // namespace
