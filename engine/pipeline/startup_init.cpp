#include "engine/pipeline/startup_init.h"

#include <ios>

#include "engine/foundation/module_init.h"
#include "engine/foundation/token_types.h"

namespace {
// The module counters of the translation options' source, before anything of
// its own, so that the shared tables outlive the globals below.
BlockAllocation_ModuleInit sBlockAllocation;
Shared_ModuleInit sShared;
Token_ModuleInit sTokens;
EnglishTokens sEnglishTokens;
Grammar_ModuleInit sGrammar;
std::ios_base::Init sStreams;
}  // namespace

BasicTranslationOptions& gOptions() {
    static BasicTranslationOptions options;
    return options;
}

DictionaryList& dictsVector() {
    static DictionaryList dictionaries;
    return dictionaries;
}
