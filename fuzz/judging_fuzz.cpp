// Arbitrary Shift-JIS text judged by the translation facade: no crash, an
// answer of true, and spans that start at 0, follow each other without a
// gap, are never empty and together cover the bytes of the text's
// characters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/pipeline/corvan_if.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string text(reinterpret_cast<char const*>(data), size);
    CorvanIF facade;
    std::vector<ScanIF*> sentences;
    Check(facade.JudgeTranslate(&text, &sentences));

    uint32_t at = 0;
    for (ScanIF const* sentence : sentences) {
        Check(sentence->start == at);
        Check(sentence->end > sentence->start);
        at = sentence->end;
    }
    // Each byte that starts no character counts as the one "?" it becomes.
    std::wstring const decoded = DecodeSJISLenient(text);
    Check(at == EncodeSJISLenient(decoded.data(), decoded.size()).size());
    DeleteScanIFs(sentences);
    return 0;
}
