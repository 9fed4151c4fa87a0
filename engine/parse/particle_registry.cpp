#include "engine/parse/particle_registry.h"

bool NamesParticle(char const* featureSet) { return featureSet[0] >= 'a' && featureSet[0] <= 'z'; }

void ParticleRegistry::MaybeRegisterParticle(FinePOS_EX const& fp) {
    FeatureSets_E_Source const sets = fp.GetFeatureSets();
    if (NamesParticle(sets.GetSet(0))) fParticles.insert(sets.GetSet(0));
}

bool ParticleRegistry::ParticlesForThisEntryAppearInSentence(FinePOS_EX const& fp) const {
    FeatureSets_E_Source const sets = fp.GetFeatureSets();
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
        char const* set = sets.GetSet(i);
        if (NamesParticle(set) && !Found(set) && !kGrammarCreatedParticleRegistry().Contains(set)) return false;
    }
    return true;
}
