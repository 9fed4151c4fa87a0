#include "engine/pipeline/translation_host_hooks.h"

namespace {
TranslationIdleCallback sIdleCallback = nullptr;
void* sIdleContext = nullptr;
TranslatorBuiltCallback sBuiltCallback = nullptr;
void* sBuiltContext = nullptr;
}  // namespace

unsigned long qwcCOMAppleEventSend(unsigned long /*critical*/) { return 0; }

void qwcCOMTranslationIdle() {
    if (sIdleCallback != nullptr) sIdleCallback(sIdleContext);
}

void qwcCOMTranslatorBuilt(BasicTranslator& translator) {
    if (sBuiltCallback != nullptr) sBuiltCallback(translator, sBuiltContext);
}

void SetTranslationIdleCallback(TranslationIdleCallback callback, void* context) {
    sIdleCallback = callback;
    sIdleContext = context;
}

void SetTranslatorBuiltCallback(TranslatorBuiltCallback callback, void* context) {
    sBuiltCallback = callback;
    sBuiltContext = context;
}
