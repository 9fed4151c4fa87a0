#pragma once
// The particles a reading may need.  A feature set of a fine part of speech
// that begins with a lower-case letter names a particle (a preposition such
// as "on") that must occur in the sentence for the reading to apply.  The
// particles found in a chart are collected per chart; the grammar makes some
// particles itself, and a reading needing one of those is always kept.
#include <cstddef>
#include <set>
#include <string>

#include "engine/foundation/entry.h"
#include "engine/parse/analysis_settings.h"

// The particles of one chart: the first feature sets of its readings that
// name one.
class ParticleRegistry {
public:
    // Adds fp's first feature set when it names a particle.
    void MaybeRegisterParticle(FinePOS_EX const& fp);
    // Every feature set of fp that names a particle is registered here or is
    // made by the grammar.
    bool ParticlesForThisEntryAppearInSentence(FinePOS_EX const& fp) const;
    bool Found(std::string const& particle) const { return fParticles.count(particle) != 0; }

private:
    std::set<std::string> fParticles;
};

// Whether a feature set names a particle: it begins with a lower-case letter.
bool NamesParticle(char const* featureSet);
