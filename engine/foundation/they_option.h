#pragma once
// The user's choice of how "they" may be translated, as the translator hands
// it to every sentence.  Paraphrases carry a "they" translation type
// (`TheyTransType`); each flag here allows the paraphrases of one type.
#include <cstdint>

class TheyTransUserOption {
public:
    // The option's code as the translator stores it.
    enum CPVAL_THEY : uint32_t {
        kTheyAnyTranslation = 41,  // all three flags set
        kTheyHumanOnly = 42,       // only the first
        kTheyNonHumanOnly = 43,    // only the second
        kTheyCombinedOnly = 44,    // only the third
    };

    // Stores the code; 41 to 44 also set the flags to the code's choice, any
    // other code keeps the flags as they were.
    void SetCPVAL_THEY_TRANS(CPVAL_THEY value) {
        fValue = value;
        switch (value) {
            case kTheyAnyTranslation:
                SetFlags(true, true, true);
                break;
            case kTheyHumanOnly:
                SetFlags(true, false, false);
                break;
            case kTheyNonHumanOnly:
                SetFlags(false, true, false);
                break;
            case kTheyCombinedOnly:
                SetFlags(false, false, true);
                break;
            default:
                break;
        }
    }
    CPVAL_THEY GetCPVAL_THEY_TRANS() const { return fValue; }

    // Allows paraphrases of type `eTheyHuman`, `eTheyNonHuman`, `eTheyCombined`.
    bool fAllowHuman = true;
    bool fAllowNonHuman = true;
    bool fAllowCombined = true;
    CPVAL_THEY fValue = kTheyAnyTranslation;

private:
    void SetFlags(bool human, bool nonHuman, bool combined) {
        fAllowHuman = human;
        fAllowNonHuman = nonHuman;
        fAllowCombined = combined;
    }
};
static_assert(sizeof(TheyTransUserOption) == 8, "three flag bytes, then the 32-bit value");
