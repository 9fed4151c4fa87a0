#include "engine/parse/analysis_settings.h"

#include <cstring>

#include "engine/parse/pseudo_words.h"

bool gbKeepRareParas = false;
long glGraphNodeCutoff = 4000000;
bool gbUsingSWAN = true;
bool gbUseSWANUnderMultiword = false;
bool gbSuppressDomains = false;
bool gbTrackSWAN = false;
bool gbTrackDomainActivation = false;
bool gbTraceDistance = false;
bool gbTraceSelres = false;

std::string const kzxjPRDor0 = pseudo_words::kPeriodOrNothing;
std::string const kPeriod = ".";

GrammarCreatedParticleRegistry::GrammarCreatedParticleRegistry(char const (*names)[kGrammarCreatedParticleBytes],
                                                               std::size_t count) {
    for (std::size_t i = 0; i < count && names[i][0] != '\0'; ++i)
        fNames.emplace(names[i], strnlen(names[i], kGrammarCreatedParticleBytes));
}

GrammarCreatedParticleRegistry const& kGrammarCreatedParticleRegistry() {
    static GrammarCreatedParticleRegistry const registry(kGrammarCreatedParticles, kGrammarCreatedParticleCount);
    return registry;
}
