#include "engine/foundation/free_features_database.h"

#include <utility>

namespace {

constexpr char kBadValueName[] = "<<FreeFeaturesBadValue>>";

}  // namespace

FreeFeatures_E_SourceDBase::FreeFeatures_E_SourceDBase(AtomDatabase<FreeFeatures_E_Source> initial)
    : fAtoms(std::move(initial)) {}

FreeFeatures_E_Source FreeFeatures_E_SourceDBase::Enter(char const* name) {
    AutoCriticalSection lock(fLock);
    return fAtoms.Enter(name);
}

std::string FreeFeatures_E_SourceDBase::GetName(FreeFeatures_E_Source atom) const {
    AutoCriticalSection lock(fLock);
    if (static_cast<std::size_t>(atom) >= fAtoms.GetCount()) return kBadValueName;
    return fAtoms.GetName(atom);
}

AtomDatabase<FreeFeatures_E_Source> GetInitialFFDBase() {
    AtomDatabase<FreeFeatures_E_Source> atoms;
    atoms.Enter(kBadValueName);
    for (unsigned atom = 1; atom < kFreeIndex_SIZE; ++atom) atoms.Enter(kFreeHeap + kFreeIndex[atom]);
    return atoms;
}

FreeFeatures_E_SourceDBase& gFreeFeatures_E_SourceDBase() {
    static FreeFeatures_E_SourceDBase database{GetInitialFFDBase()};
    return database;
}
