#pragma once
// The stage after the translator that rewrites the digits of number-like
// output tokens to half-width or full-width forms, as the user's option asks.
#include <cstdint>

#include "engine/pipeline/pipeline_stages.h"

// 0 leaves digits as they are, 1 half-width, 2 full-width.
using RomajiConversionUserOption = uint32_t;

class DigitConverter : public Filter {
public:
    DigitConverter(Producer* upstream, TokenCreator* creator, RomajiConversionUserOption mode,
                   TokenStringDatabase* strings);

    void SetMode(RomajiConversionUserOption mode) { fMode = mode; }
    RomajiConversionUserOption GetMode() const { return fMode; }

    Token Produce() override;

private:
    RomajiConversionUserOption fMode;
};
