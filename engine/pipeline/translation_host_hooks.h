#pragma once
// Calls the translation engine makes into its host program.  A host that
// wants to hear of them installs a callback; by default both do nothing.

// After the memory sink appends translated text; 0.
unsigned long qwcCOMAppleEventSend(unsigned long critical);
// While a translation runs, after each progress notice.
void qwcCOMTranslationIdle();

// The callback qwcCOMTranslationIdle makes (null: none); the previous one is
// returned.  A host may, for example, ask the facade to stop from it.
using TranslationIdleCallback = void (*)(void* context);
void SetTranslationIdleCallback(TranslationIdleCallback callback, void* context);
