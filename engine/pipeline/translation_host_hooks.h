#pragma once
// Calls the translation engine makes into its host program.  A host that
// wants to hear of them installs a callback; by default they do nothing.

class BasicTranslator;

// After the memory sink appends translated text; 0.
unsigned long qwcCOMAppleEventSend(unsigned long critical);
// While a translation runs, after each progress notice.
void qwcCOMTranslationIdle();
// With each translator the facade builds, before it runs.
void qwcCOMTranslatorBuilt(BasicTranslator& translator);

// The callback qwcCOMTranslationIdle makes (null: none).  A host may, for
// example, ask the facade to stop from it.
using TranslationIdleCallback = void (*)(void* context);
void SetTranslationIdleCallback(TranslationIdleCallback callback, void* context);

// The callback qwcCOMTranslatorBuilt makes (null: none).  A host may add
// hook filters of its own to the translator there, such as a stand-in
// glossary; they must outlive the translation call.
using TranslatorBuiltCallback = void (*)(BasicTranslator& translator, void* context);
void SetTranslatorBuiltCallback(TranslatorBuiltCallback callback, void* context);
