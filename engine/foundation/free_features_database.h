#pragma once
// The free-feature database: lower-case feature names met in dictionary
// feature sets are numbered as they are first seen, possibly by several
// translations at once, so every access goes through the database's own
// critical section.
#include <string>

#include "engine/foundation/atom_database.h"
#include "engine/foundation/critical_section.h"
#include "engine/foundation/grammar_data_sizes.h"
#include "engine/foundation/value_types.h"

// The free features the grammar tests, generated from it: atom n (1 on) is
// the NUL-terminated name at kFreeHeap + kFreeIndex[n].
extern uint16_t const kFreeIndex[kFreeIndex_SIZE];
extern char const kFreeHeap[kFreeHeapBytes];

class FreeFeatures_E_SourceDBase {
public:
    // Starts from the given names (atom 0 first).
    explicit FreeFeatures_E_SourceDBase(AtomDatabase<FreeFeatures_E_Source> initial);

    FreeFeatures_E_SourceDBase(FreeFeatures_E_SourceDBase const&) = delete;
    FreeFeatures_E_SourceDBase& operator=(FreeFeatures_E_SourceDBase const&) = delete;

    // As `AtomDatabase::Enter` and `AtomDatabase::GetName`, under the lock;
    // an atom never entered is named "<<FreeFeaturesBadValue>>".
    FreeFeatures_E_Source Enter(char const* name);
    std::string GetName(FreeFeatures_E_Source atom) const;

private:
    mutable CorvanCriticalSection fLock;
    AtomDatabase<FreeFeatures_E_Source> fAtoms;
};

// "<<FreeFeaturesBadValue>>" as atom 0, then the grammar's free features.
AtomDatabase<FreeFeatures_E_Source> GetInitialFFDBase();

// The process-wide free-feature database, starting from GetInitialFFDBase;
// built on first use (thread-safe).
FreeFeatures_E_SourceDBase& gFreeFeatures_E_SourceDBase();
