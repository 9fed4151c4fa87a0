// Arbitrary Shift-JIS text judged by the translation facade: no crash, an
// answer of true, and spans that start at 0, follow each other without a
// gap and are never empty; what they leave at the end of the text is no
// sentence.
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

// The spans the facade judges text to have; traps when it answers false.
std::vector<ScanIF*> Judge(std::string text) {
    CorvanIF facade;
    std::vector<ScanIF*> sentences;
    Check(facade.JudgeTranslate(&text, &sentences));
    return sentences;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::vector<ScanIF*> sentences = Judge(std::string(reinterpret_cast<char const*>(data), size));
    uint32_t at = 0;
    for (ScanIF const* sentence : sentences) {
        Check(sentence->start == at);
        Check(sentence->end > sentence->start);
        at = sentence->end;
    }
    DeleteScanIFs(sentences);

    // Each byte that starts no character counts as the one "?" it becomes.
    std::wstring const decoded = DecodeSJISLenient(std::string(reinterpret_cast<char const*>(data), size));
    std::string const text = EncodeSJISLenient(decoded.data(), decoded.size());
    Check(at <= text.size());
    // What follows the last sentence (white space after its end) is no
    // sentence by itself.
    if (at < text.size()) {
        std::vector<ScanIF*> rest = Judge(text.substr(at));
        Check(rest.empty());
    }
    return 0;
}
