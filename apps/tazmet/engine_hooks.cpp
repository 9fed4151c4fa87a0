#include "apps/tazmet/engine_hooks.h"

unsigned long qwcCOMAppleEventSend(unsigned long /*request*/) { return 0; }

void qwcCOMTranslationIdle() {}
