#include "engine/pipeline/memory_translation.h"

#include <climits>
#include <cstring>
#include <utility>

#include "engine/pipeline/translation_host_hooks.h"

void MemoryTranslationSource::SpecifySourceText(int length, char const* text) {
    fWorkingText = length > 0 && text != nullptr ? std::string(text, static_cast<std::size_t>(length)) : std::string();
    fFullText = fWorkingText;
}

bool MemoryTranslationSource::ReadCharacters(std::string* out) {
    if (out == nullptr) return false;
    try {
        *out = std::move(fWorkingText);
        fWorkingText.clear();
        return true;
    } catch (...) {
        return false;
    }
}

std::string MemoryTranslationSource::ReferSourceText() { return fFullText; }

unsigned long MemoryTranslationSource::CopyOut(unsigned long position, unsigned long count, char* dest) const {
    if (dest == nullptr || position == 0 || position > fFullText.size()) return 0;
    unsigned long const available = fFullText.size() - (position - 1);
    unsigned long const copied = count < available ? count : available;
    std::memcpy(dest, fFullText.data() + (position - 1), copied);
    return copied;
}

void MemoryTranslationSink::SetCritical(unsigned long id) {
    fCritical = id;
    fSourceSize = 0;
}

bool MemoryTranslationSink::WriteCharacters(std::string text) {
    try {
        fText += text;
        qwcCOMAppleEventSend(fCritical);
        return true;
    } catch (...) {
        return false;
    }
}

bool MemoryTranslationSink::ReferTranslatedText(std::string& out) {
    out.clear();
    if (fText.empty()) return false;
    out.swap(fText);
    return true;
}

std::string MemoryTranslationSink::ReferTranslatedText() {
    std::string out;
    ReferTranslatedText(out);
    return out;
}

void MemoryTranslationSink::MemoryTranslateSourceSize(long bytes) {
    if (bytes > SHRT_MAX) bytes = SHRT_MAX;
    if (bytes < 0) bytes = 0;
    fSourceSize = static_cast<short>(bytes);
}

void SimpleTranslationProgress::NoteBytesProcessed(int processed) {
    fProcessed = processed;
    qwcCOMTranslationIdle();
}

void SimpleTranslationProgress::SetTotalSize(int total) {
    fTotal = total;
    fProcessed = 0;
}

int SimpleTranslationProgress::GetRatio() const {
    if (fTotal < 1) return 0;
    return static_cast<int>(static_cast<float>(fProcessed) / static_cast<float>(fTotal) * 100.0f);
}
