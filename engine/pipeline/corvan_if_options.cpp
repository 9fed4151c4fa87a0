// The facade's option setters and getters: the facade's 1-based choices to
// and from the fields of gOptions.
#include <algorithm>

#include "engine/foundation/fixed_type.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/startup_init.h"

namespace {

int OneOrTwo(bool on) { return on ? 1 : 2; }

}  // namespace

void CorvanIF::SetDefault() {
    BasicTranslationOptions& options = gOptions();
    options.fSpeed = 50;
    options.fStyle = 1;
    options.fThey = 0;
    options.fProper = 1;
    options.fNumeric = 2;
    options.fTheOption = false;
    options.fYou = 0;
    options.fDocument = 1;
    options.fDialog = false;
    options.fUserDictPreferred = false;
    options.fStrength = 2;
    options.fPOSPreferred = false;
}

void CorvanIF::SetFixedType(bool fixed) { gFixedType = fixed ? 1 : 0; }

void CorvanIF::SetTranslationSpeed(int speed) { gOptions().fSpeed = static_cast<uint32_t>(std::clamp(speed, 0, 100)); }
void CorvanIF::SetTranslationStyle(int style) { gOptions().fStyle = style == 1 ? 0 : style == 2 ? 1 : 2; }
void CorvanIF::SetTranslationThey(int they) { gOptions().fThey = they == 2 ? 1 : they == 3 ? 2 : 0; }
void CorvanIF::SetTranslationProper(int proper) { gOptions().fProper = proper == 1 ? 0 : proper == 3 ? 2 : 1; }
void CorvanIF::SetTranslationNumeric(int numeric) { gOptions().fNumeric = numeric == 1 ? 2 : numeric == 2 ? 1 : 0; }
void CorvanIF::SetTranslationThe(int the) { gOptions().fTheOption = the != 2; }
void CorvanIF::SetTranslationYou(int you) { gOptions().fYou = you != 1 ? 1 : 0; }
void CorvanIF::SetTranslationDocument(int document) { gOptions().fDocument = document == 1 ? 1 : 0; }
void CorvanIF::SetTranslationDialog(int dialog) { gOptions().fDialog = dialog == 1; }
void CorvanIF::SetTranslationStrength(int strength) {
    gOptions().fStrength = strength == 1 ? 0 : strength == 3 ? 2 : 1;
}
void CorvanIF::SetTranslationPOS(int pos) { gOptions().fPOSPreferred = pos == 1; }
void CorvanIF::SetUserDictPreferred(int preferred) { gOptions().fUserDictPreferred = preferred == 1; }

int CorvanIF::GetTranslationSpeed() const { return static_cast<int>(gOptions().fSpeed); }
int CorvanIF::GetTranslationStyle() const {
    uint32_t const style = gOptions().fStyle;
    return style == 0 ? 1 : style == 1 ? 2 : 3;
}
int CorvanIF::GetTranslationThey() const {
    uint32_t const they = gOptions().fThey;
    return they == 1 ? 2 : they == 2 ? 3 : 1;
}
int CorvanIF::GetTranslationProper() const {
    uint32_t const proper = gOptions().fProper;
    return proper == 0 ? 1 : proper == 2 ? 3 : 2;
}
int CorvanIF::GetTranslationNumeric() const {
    uint32_t const numeric = gOptions().fNumeric;
    return numeric == 2 ? 1 : numeric == 1 ? 2 : 3;
}
int CorvanIF::GetTranslationThe() const { return OneOrTwo(gOptions().fTheOption); }
int CorvanIF::GetTranslationYou() const { return gOptions().fYou == 0 ? 1 : 2; }
int CorvanIF::GetTranslationDocument() const { return OneOrTwo(gOptions().fDocument == 1); }
int CorvanIF::GetTranslationDialog() const { return OneOrTwo(gOptions().fDialog); }
int CorvanIF::GetTranslationStrength() const {
    uint32_t const strength = gOptions().fStrength;
    return strength == 0 ? 1 : strength == 2 ? 3 : 2;
}
int CorvanIF::GetTranslationPOS() const { return OneOrTwo(gOptions().fPOSPreferred); }
int CorvanIF::GetUserDictPreferred() const { return OneOrTwo(gOptions().fUserDictPreferred); }

void CorvanIF::GetObject(int* out) const {
    if (out == nullptr) return;
    int const values[] = {
        GetTranslationSpeed(),   GetTranslationStyle(),    GetTranslationThey(), GetTranslationProper(),
        GetTranslationNumeric(), GetTranslationThe(),      GetTranslationYou(),  GetTranslationDocument(),
        GetTranslationDialog(),  GetTranslationStrength(), GetTranslationPOS(),  GetUserDictPreferred(),
    };
    std::copy(std::begin(values), std::end(values), out);
}

void CorvanIF::SetObject(int const* in) {
    if (in == nullptr) return;
    SetTranslationSpeed(in[0]);
    SetTranslationStyle(in[1]);
    SetTranslationThey(in[2]);
    SetTranslationProper(in[3]);
    SetTranslationNumeric(in[4]);
    SetTranslationThe(in[5]);
    SetTranslationYou(in[6]);
    SetTranslationDocument(in[7]);
    SetTranslationDialog(in[8]);
    SetTranslationStrength(in[9]);
    SetTranslationPOS(in[10]);
    SetUserDictPreferred(in[11]);
}
