#pragma once
// The free-feature database: lower-case feature names met in dictionary
// feature sets are numbered as they are first seen, possibly by several
// translations at once, so every access goes through the database's own
// critical section.
#include <string>

#include "engine/foundation/atom_database.h"
#include "engine/foundation/critical_section.h"
#include "engine/foundation/value_types.h"

class FreeFeatures_E_SourceDBase {
public:
    // Starts from the given names (atom 0 first).
    explicit FreeFeatures_E_SourceDBase(AtomDatabase<FreeFeatures_E_Source> initial);

    FreeFeatures_E_SourceDBase(FreeFeatures_E_SourceDBase const&) = delete;
    FreeFeatures_E_SourceDBase& operator=(FreeFeatures_E_SourceDBase const&) = delete;

    // As `AtomDatabase::Enter` and `AtomDatabase::GetName`, under the lock.
    FreeFeatures_E_Source Enter(char const* name);
    std::string GetName(FreeFeatures_E_Source atom) const;

private:
    mutable CorvanCriticalSection fLock;
    AtomDatabase<FreeFeatures_E_Source> fAtoms;
};

// The process-wide free-feature database, empty until the first feature is
// entered; built on first use (thread-safe).
FreeFeatures_E_SourceDBase& gFreeFeatures_E_SourceDBase();
