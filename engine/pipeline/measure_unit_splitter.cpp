#include "engine/pipeline/measure_unit_splitter.h"

MeasureUnitSplitter::MeasureUnitSplitter(Producer* upstream, TokenStringDatabase* strings, TokenCreator* creator)
    : Filter(upstream, creator, strings) {}

Token MeasureUnitSplitter::Produce() { return PullUpstream(); }
