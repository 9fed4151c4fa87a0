#include "engine/pipeline/translation_host_hooks.h"

namespace {
TranslationIdleCallback sIdleCallback = nullptr;
void* sIdleContext = nullptr;
}  // namespace

unsigned long qwcCOMAppleEventSend(unsigned long /*critical*/) { return 0; }

void qwcCOMTranslationIdle() {
    if (sIdleCallback != nullptr) sIdleCallback(sIdleContext);
}

void SetTranslationIdleCallback(TranslationIdleCallback callback, void* context) {
    sIdleCallback = callback;
    sIdleContext = context;
}
