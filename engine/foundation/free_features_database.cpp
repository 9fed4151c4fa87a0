#include "engine/foundation/free_features_database.h"

#include <utility>

FreeFeatures_E_SourceDBase::FreeFeatures_E_SourceDBase(AtomDatabase<FreeFeatures_E_Source> initial)
    : fAtoms(std::move(initial)) {}

FreeFeatures_E_Source FreeFeatures_E_SourceDBase::Enter(char const* name) {
    AutoCriticalSection lock(fLock);
    return fAtoms.Enter(name);
}

std::string FreeFeatures_E_SourceDBase::GetName(FreeFeatures_E_Source atom) const {
    AutoCriticalSection lock(fLock);
    return fAtoms.GetName(atom);
}

FreeFeatures_E_SourceDBase& gFreeFeatures_E_SourceDBase() {
    static FreeFeatures_E_SourceDBase database{AtomDatabase<FreeFeatures_E_Source>()};
    return database;
}
