#include "engine/foundation/temporary_conjugated_forms.h"

void LeaveFamily(FinePOSRep_EX_Temporary& finePOS) {
    if (finePOS.IsBaseForm()) {
        FinePOSRep_EX_Temporary* const heir = finePOS.nextInChain;
        finePOS.nextInChain = nullptr;
        // The heir's chain link already leads to the rest of the family.
        for (FinePOSRep_EX_Temporary* member = heir; member != nullptr; member = member->nextInChain)
            member->base = heir;
        return;
    }
    FinePOSRep_EX_Temporary* link = finePOS.base;
    while (link != nullptr && link->nextInChain != &finePOS) link = link->nextInChain;
    if (link != nullptr) link->nextInChain = finePOS.nextInChain;
    finePOS.base = &finePOS;
    finePOS.nextInChain = nullptr;
}

void AttachToBaseForm(FinePOSRep_EX_Temporary& finePOS, FinePOSRep_EX_Temporary& base) {
    if (finePOS.base == &base) return;
    LeaveFamily(finePOS);
    // A fine part of speech is never its own conjugated form.
    if (&base == &finePOS) return;
    if (!base.IsBaseForm()) LeaveFamily(base);
    finePOS.nextInChain = base.nextInChain;
    base.nextInChain = &finePOS;
    finePOS.base = &base;
}

std::vector<FinePOSRep_EX_Temporary*> FamilyOf(FinePOSRep_EX_Temporary const& finePOS) {
    std::vector<FinePOSRep_EX_Temporary*> family;
    for (FinePOSRep_EX_Temporary* member = finePOS.base; member != nullptr; member = member->nextInChain)
        family.push_back(member);
    return family;
}
