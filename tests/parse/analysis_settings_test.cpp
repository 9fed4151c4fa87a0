// The grammar's created particles and the free features' names as the
// analysis reads them.
#include "engine/parse/analysis_settings.h"

#include <gtest/gtest.h>

#include "engine/foundation/free_features_database.h"

namespace {

TEST(AnalysisSettings, ParticleRegistryTakesTheTableUpToItsEnd) {
    GrammarCreatedParticleRegistry const& registry = kGrammarCreatedParticleRegistry();
    EXPECT_EQ(*registry.Names().begin(), "around_timehr");
    EXPECT_TRUE(registry.Contains("with_to_play"));
    EXPECT_FALSE(registry.Contains(""));

    char const table[][kGrammarCreatedParticleBytes] = {"from_to", "in_time", "", "after_the_end"};
    GrammarCreatedParticleRegistry const cut(table, 4);
    EXPECT_EQ(cut.Names().size(), 2u);
    EXPECT_FALSE(cut.Contains("after_the_end"));
    EXPECT_EQ(kzxjPRDor0, "zxjPRDor0");
}

TEST(AnalysisSettings, FreeFeatureNamesOfBadAtomsAreTheBadValue) {
    for (unsigned atom : {0u, 60000u})
        EXPECT_EQ(gFreeFeatures_E_SourceDBase().GetName(static_cast<FreeFeatures_E_Source>(atom)),
                  "<<FreeFeaturesBadValue>>")
            << atom;
    EXPECT_EQ(gFreeFeatures_E_SourceDBase().GetName(static_cast<FreeFeatures_E_Source>(1)), "with");
}

}  // namespace
