#include "engine/pipeline/pipeline_stages.h"

#include <stdexcept>

Token Filter::PullUpstream() {
    if (fUpstream == nullptr) throw std::logic_error("pipeline stage has no upstream stage");
    return fUpstream->Produce();
}
