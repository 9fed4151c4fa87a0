#include "engine/foundation/jpos_ids.h"

#include <cstring>

#include "engine/foundation/atom_databases.h"

char const* JPOSStrFromID(JPOSID id) {
    if (id < 1 || id > kJPOSIDCount) return "";
    return kJPOSStrs[id - 1] + 1;
}

JPOSID JPOSIDFromStr(char const* name) {
    if (name == nullptr) return 0;
    if (*name == ':') ++name;
    for (std::size_t i = 0; i < kJPOSIDCount; ++i) {
        if (std::strcmp(kJPOSStrs[i] + 1, name) == 0) return static_cast<JPOSID>(i + 1);
    }
    return 0;
}

POS_J_Target POS_J_TargetFromJPOSID(JPOSID id) {
    POS_J_Target target{};
    if (id >= 1 && id <= kJPOSIDCount) gTargetPOSDatabase().Lookup(JPOSStrFromID(id), &target);
    return target;
}
