#pragma once
// The stage right after the tokenizer that splits a word made of a number and
// a measure unit ("5km") into a Number and a Word, and one made of a currency
// prefix and a number ("EUR5") into a Word and a Number.  The second token of
// a split waits in the stage until the next Produce.
#include <deque>

#include "engine/pipeline/measure_units.h"
#include "engine/pipeline/pipeline_stages.h"

class MeasureUnitSplitter : public Filter {
public:
    MeasureUnitSplitter(Producer* upstream, TokenStringDatabase* strings, TokenCreator* creator);

    // The conversions between wide text and the unit tables' code page.
    void SetConversions(measure_units::Conversions const& conversions) { fConversions = conversions; }

    Token Produce() override;

private:
    std::deque<Token> fQueue;
    measure_units::Conversions fConversions;
};
