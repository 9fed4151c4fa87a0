#pragma once
// Hooks the engine offers its host program; the converter needs neither.

// Would forward a request of the engine; nothing is forwarded: 0.
unsigned long qwcCOMAppleEventSend(unsigned long request);
// Would give time to the host during long translations; nothing to do.
void qwcCOMTranslationIdle();
