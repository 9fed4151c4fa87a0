#include "engine/foundation/token_type_registry.h"

namespace {
// Constant-initialised, so it is null before any initialiser runs.
TokenTypeRegistry* sRegistry = nullptr;
constexpr unsigned kTypeCount = 256;
}  // namespace

unsigned Token_ModuleInit::sCount = 0;

TokenTypeRegistry::TokenTypeRegistry() {
    Register("Bad", 0);
    Register("EOF", 1);
}

void TokenTypeRegistry::AssureSingletonConstructed() {
    if (sRegistry == nullptr) sRegistry = new TokenTypeRegistry;
}

TokenTypeRegistry* TokenTypeRegistry::Get() { return sRegistry; }

void TokenTypeRegistry::Kill() {
    delete sRegistry;
    sRegistry = nullptr;
}

TokenTypeID TokenTypeRegistry::Register(char const* name, TokenTypeID id) {
    if (name == nullptr) return 0;
    auto const known = fTypes.find(name);
    if (known != fTypes.end()) return known->second;
    // An empty registry gives 0 to the first name ("Bad") itself.
    if (id == 0 && !fNames.empty()) {
        id = UniqueID();
        if (id == 0) return 0;
    }
    if (!fNames.emplace(id, name).second) return 0;
    fTypes.emplace(name, id);
    return id;
}

TokenTypeID TokenTypeRegistry::NameToTokenTypeID(std::string const& name) const {
    auto const known = fTypes.find(name);
    return known == fTypes.end() ? 0 : known->second;
}

TokenTypeID TokenTypeRegistry::UniqueID() const {
    for (unsigned id = 0; id < kTypeCount; ++id)
        if (fNames.count(static_cast<TokenTypeID>(id)) == 0) return static_cast<TokenTypeID>(id);
    return 0;
}

bool TokenTypeRegistry::GetName(TokenTypeID id, std::string* name) const {
    auto const known = fNames.find(id);
    if (known == fNames.end()) return false;
    *name = known->second;
    return true;
}

Token_ModuleInit::Token_ModuleInit() {
    if (sCount++ == 0) TokenTypeRegistry::AssureSingletonConstructed();
}

Token_ModuleInit::~Token_ModuleInit() {
    if (--sCount == 0) TokenTypeRegistry::Kill();
}
