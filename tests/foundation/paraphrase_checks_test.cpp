#include "engine/foundation/paraphrase_checks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/foundation/active_domains.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "foundation/fake_dictionary.h"

namespace {

TheyTransUserOption Option(bool human, bool nonHuman, bool combined) {
    TheyTransUserOption option;
    option.fAllowHuman = human;
    option.fAllowNonHuman = nonHuman;
    option.fAllowCombined = combined;
    return option;
}

// One entry with one reading in a fake dictionary.
struct Reading {
    explicit Reading(fake::Options const& options = fake::Options())
        : dictionary(fake::MakeDictionary(options).first),
          entry(dictionary.CreateNewEntry("run")),
          finePOS(entry.CreateNewFinePOS()),
          paraphrase(finePOS.CreateNewParaphrase()) {}

    fake::LearningInterface* Learning() const { return dictionary.GetDictionaryLearningInterface(false); }

    Dictionary_EX dictionary;
    Entry_EX entry;
    FinePOS_EX finePOS;
    Paraphrase_EX paraphrase;
};

TEST(TheyOKTest, EachTypeByItsFlag) {
    struct Case {
        TheyTransUserOption option;
        bool any, human, nonHuman, combined;
    } const cases[] = {
        {Option(true, true, true), true, true, true, true},
        {Option(true, false, false), true, true, false, false},
        {Option(false, true, false), true, false, true, false},
        {Option(false, false, true), true, false, false, true},
        {Option(false, false, false), true, false, false, false},
    };
    Reading reading;
    for (auto const& c : cases) {
        bool const expected[] = {c.any, c.human, c.nonHuman, c.combined};
        for (int type = eTheyAny; type <= eTheyCombined; ++type) {
            reading.paraphrase.SetTheyTransType(TheyTransType(type));
            EXPECT_EQ(TheyOK(reading.paraphrase, c.option), expected[type]) << "type " << type;
        }
        reading.paraphrase.SetTheyTransType(TheyTransType(7));  // read from a damaged file
        EXPECT_FALSE(TheyOK(reading.paraphrase, c.option));
    }
}

enum class Learning { kNone, kInUse, kSwitchedOff };

struct UseCase {
    char const* what;
    bool altOnly;
    bool domainActive;
    TheyTransType they;
    Learning learning;
    std::optional<float> learned;
    bool expectAltOnly;
    bool expectDisabled;
};

UseCase const kUseCases[] = {
    {"plain reading", false, false, eTheyAny, Learning::kNone, {}, false, false},
    {"alternate only", true, false, eTheyAny, Learning::kNone, {}, true, true},
    {"alternate only, its domain active", true, true, eTheyAny, Learning::kNone, {}, false, false},
    {"alternate only, no value learned", true, false, eTheyAny, Learning::kInUse, {}, true, true},
    {"alternate only, chosen by the user", true, false, eTheyAny, Learning::kInUse, 0.5f, false, false},
    {"alternate only, learning off", true, false, eTheyAny, Learning::kSwitchedOff, 0.5f, true, true},
    {"they not allowed", false, false, eTheyHuman, Learning::kNone, {}, false, true},
    {"disabled by the user", false, false, eTheyAny, Learning::kInUse, -1.0f, false, true},
    {"disabled, learning off", false, false, eTheyAny, Learning::kSwitchedOff, -1.0f, false, false},
    {"alternate only and disabled", true, false, eTheyAny, Learning::kInUse, -1.0f, false, true},
};

TEST(ParaphraseUseTest, AlternateOnlyAndDisabled) {
    DomainIDSet medical;
    medical.Set(DomainID{5});
    TheyTransUserOption const nonHumanOnly = Option(false, true, false);

    for (UseCase const& c : kUseCases) {
        SCOPED_TRACE(c.what);
        fake::Options options;
        options.servesLearning = c.learning != Learning::kNone;
        Reading reading(options);
        reading.paraphrase.SetAltOnly(c.altOnly);
        reading.paraphrase.SetDomainIDSet(medical);
        reading.paraphrase.SetTheyTransType(c.they);
        if (c.learned) reading.Learning()->SetLearningValue(reading.finePOS, reading.paraphrase, *c.learned);
        if (c.learning == Learning::kSwitchedOff) reading.Learning()->SetUseLearning(nullptr);
        ActiveDomains domains;
        if (c.domainActive) domains.ActivateDomainsExplicitly(medical);

        EXPECT_EQ(IsParaAltOnly(domains, reading.finePOS, reading.paraphrase), c.expectAltOnly);
        EXPECT_EQ(ParaDisabledForAnyReason(reading.finePOS, reading.paraphrase, domains, nonHumanOnly),
                  c.expectDisabled);
    }
}

}  // namespace
