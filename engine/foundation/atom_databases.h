#pragma once
// The engine's global atom databases over its name tables.  Each is built on
// first use (thread-safe) and read-only afterwards, so none can be read
// before it exists, whatever the start-up order.
#include "engine/foundation/atom_database.h"
#include "engine/foundation/value_types.h"

// English source parts of speech (`kE_Source_POSNames`).
ConstantAtomDatabase<POS_E_Source> const& gSourcePOSDatabase();
// Japanese target parts of speech (`kJ_Target_POSNames`).
ConstantAtomDatabase<POS_J_Target> const& gTargetPOSDatabase();
// Predefined semantic atoms (`kPredefinedSemanticAtom_E_SourceDatabase`).
ConstantAtomDatabase<unsigned short> const& gSemanticAtomDatabase_E_Source();
// Subject domains (`kDomainNames`); domains 0 to 79 have names.
AtomDatabase<DomainID> const& gDomainIDNameDBase();
