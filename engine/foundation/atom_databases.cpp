#include "engine/foundation/atom_databases.h"

#include "engine/foundation/name_tables.h"

ConstantAtomDatabase<POS_E_Source> const& gSourcePOSDatabase() {
    static ConstantAtomDatabase<POS_E_Source> const database(kE_Source_POSNames());
    return database;
}

ConstantAtomDatabase<POS_J_Target> const& gTargetPOSDatabase() {
    static ConstantAtomDatabase<POS_J_Target> const database(kJ_Target_POSNames());
    return database;
}

ConstantAtomDatabase<unsigned short> const& gSemanticAtomDatabase_E_Source() {
    static ConstantAtomDatabase<unsigned short> const database(kPredefinedSemanticAtom_E_SourceDatabase());
    return database;
}

AtomDatabase<DomainID> const& gDomainIDNameDBase() {
    static AtomDatabase<DomainID> const database(kDomainNames());
    return database;
}
