// Stand-ins until the selectional-restriction, distance and word-sense
// association experts are built: they score 0.
#include "engine/parse/expert_context.h"

float ExpertContext::SelResExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::DistanceExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
float ExpertContext::WSANExpert(EXPERT_VIEW*, ALLP_TOP const*, ALLP_TOP const*, uint16_t) { return 0.0f; }
