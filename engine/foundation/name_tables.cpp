#include "engine/foundation/name_tables.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct KnownName {
    unsigned code;
    char const* name;
};

constexpr KnownName kKnownSourcePOSNames[] = {
#define POS_NAME(code, name) {code, name},
#include "engine/foundation/e_source_pos_names.inc"
#undef POS_NAME
};

constexpr KnownName kKnownTargetPOSNames[] = {
#define JPOS_NAME(code, name) {code, name},
#include "engine/foundation/j_target_pos_names.inc"
#undef JPOS_NAME
};

constexpr KnownName kKnownSemanticAtomNames[] = {
#define SEMANTIC_ATOM(code, name) {code, name},
#include "engine/foundation/semantic_atom_names.inc"
#undef SEMANTIC_ATOM
};

constexpr KnownName kKnownDomainNames[] = {
#define DOMAIN_NAME(code, name) {code, name},
#include "engine/foundation/domain_names.inc"
#undef DOMAIN_NAME
};

// A complete table: the known names at their codes, a placeholder made of the
// prefix and the code everywhere else, then the null end.  Built in place and
// never moved, so the pointers into the placeholder strings stay valid.
class NameTable {
public:
    template <unsigned long N>
    NameTable(KnownName const (&known)[N], unsigned long count, char const* placeholderPrefix)
        : fNames(count + 1, nullptr) {
        for (KnownName const& entry : known) {
            // A bad data line must fail loudly rather than shift or hide a code.
            if (entry.code >= count || fNames[entry.code] != nullptr)
                throw std::logic_error(std::string("bad name-table line for ") + entry.name);
            fNames[entry.code] = entry.name;
        }
        fPlaceholders.reserve(count);
        for (unsigned long code = 0; code < count; ++code) {
            if (fNames[code] == nullptr) {
                fPlaceholders.push_back(placeholderPrefix + std::to_string(code));
                fNames[code] = fPlaceholders.back().c_str();
            }
        }
    }

    NameTable(NameTable const&) = delete;
    NameTable& operator=(NameTable const&) = delete;

    char const* const* Names() const { return fNames.data(); }

private:
    std::vector<char const*> fNames;
    std::vector<std::string> fPlaceholders;  // reserved up front: never reallocates
};

}  // namespace

char const* const* kE_Source_POSNames() {
    static NameTable const table(kKnownSourcePOSNames, kE_Source_POSNameCount, "pos");
    return table.Names();
}

char const* const* kJ_Target_POSNames() {
    static NameTable const table(kKnownTargetPOSNames, kJ_Target_POSNameCount, "jpos");
    return table.Names();
}

char const* const* kPredefinedSemanticAtom_E_SourceDatabase() {
    static NameTable const table(kKnownSemanticAtomNames, kPredefinedSemanticAtomCount, "sem");
    return table.Names();
}

char const* const* kDomainNames() {
    static NameTable const table(kKnownDomainNames, kDomainNameCount, "domain");
    return table.Names();
}
