// Printers of the coded values that print by a name from the engine's name
// tables (declared in value_types.h).  A code with no name in its table (read
// from a file, or beyond the named ones) prints as its number, so printing
// never reads past a table.
#include <ostream>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/value_types.h"

namespace {

template <typename Code>
std::ostream& WriteTableName(std::ostream& out, Code code, ConstantAtomDatabase<Code> const& table) {
    auto const index = static_cast<std::size_t>(code);
    if (index < table.GetCount()) return out << table.GetNames()[index];
    return out << index;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, POS_E_Source pos) { return WriteTableName(out, pos, gSourcePOSDatabase()); }

std::ostream& operator<<(std::ostream& out, POS_J_Target pos) { return WriteTableName(out, pos, gTargetPOSDatabase()); }

std::ostream& operator<<(std::ostream& out, DomainIDSet const& set) {
    out << '(';
    for (unsigned domain = 1; domain <= kDomainCount; ++domain) {
        if (set.Contains(DomainID{domain})) out << gDomainIDNameDBase().GetName(DomainID{domain}) << ' ';
    }
    return out << ')';
}

std::ostream& operator<<(std::ostream& out, DomainWeightInfoRecord const& record) {
    return out << '(' << gDomainIDNameDBase().GetName(record.domain) << ", " << record.weight << ')';
}
