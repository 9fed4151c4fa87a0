#include "engine/userdict/ud_entry_group_interface.h"

UDEntryGroupInterface_EX_* Dictionary_EX::GetUDEntryGroupInterface() const {
    return GetNamedInterfaceOf<UDEntryGroupInterface_EX_>();
}
