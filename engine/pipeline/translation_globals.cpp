#include "engine/pipeline/translation_globals.h"

std::atomic<uint8_t> gStop{1};
bool haveSD = false;
