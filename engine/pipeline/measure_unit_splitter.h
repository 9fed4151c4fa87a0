#pragma once
// The stage right after the tokenizer that splits a number from the measure
// unit written against it ("5km").  The unit tables are read through a
// narrow code page this system does not convert to, so no unit ever matches
// and every token is handed on unchanged.
#include "engine/pipeline/pipeline_stages.h"

class MeasureUnitSplitter : public Filter {
public:
    MeasureUnitSplitter(Producer* upstream, TokenStringDatabase* strings, TokenCreator* creator);

    Token Produce() override;
};
