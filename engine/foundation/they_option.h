#pragma once
// The user's choice of how "they" may be translated, as the translator hands
// it to every sentence.  Paraphrases carry a "they" translation type
// (`TheyTransType`); each flag here allows the paraphrases of one type.
#include <cstdint>

class TheyTransUserOption {
public:
    // The option's code as the translator stores it.
    enum CPVAL_THEY : uint32_t {
        kTheyAnyTranslation = 41,   // all three flags set
        kTheyHumanOnly = 42,        // only the first
        kTheyNonHumanOnly = 43,     // only the second
        kTheyCombinedOnly = 44,     // only the third
    };

    // Allows paraphrases of type `eTheyHuman`, `eTheyNonHuman`, `eTheyCombined`.
    bool fAllowHuman = true;
    bool fAllowNonHuman = true;
    bool fAllowCombined = true;
    CPVAL_THEY fValue = kTheyAnyTranslation;
};
static_assert(sizeof(TheyTransUserOption) == 8, "three flag bytes, then the 32-bit value");
