#pragma once
// Families of base forms and conjugated forms among the fine parts of speech
// of temporary entries (links described in temporary_entry.h).  Everything
// here works on the representations alone and makes no handle, so it is safe
// while an entry is being destroyed.
#include <vector>

#include "engine/foundation/temporary_entry.h"

// Takes finePOS out of its family and leaves it its own base form with no
// conjugated forms.  A base form's first conjugated form becomes the base
// form of the others.
void LeaveFamily(FinePOSRep_EX_Temporary& finePOS);

// Makes finePOS the first conjugated form of base.  Nothing changes when base
// already is its base form; base == finePOS only takes it out of its family;
// a base that is a conjugated form first leaves its own family.
void AttachToBaseForm(FinePOSRep_EX_Temporary& finePOS, FinePOSRep_EX_Temporary& base);

// The base form of finePOS, then its conjugated forms in chain order.
std::vector<FinePOSRep_EX_Temporary*> FamilyOf(FinePOSRep_EX_Temporary const& finePOS);
