#include "engine/pipeline/alternate_word_service.h"

#include <atomic>

namespace {
std::atomic<AlternateWordService*> gInstalled{nullptr};
}  // namespace

AlternateWordService* InstalledAlternateWords() { return gInstalled.load(); }

void InstallAlternateWords(AlternateWordService* service) { gInstalled.store(service); }
