// Arbitrary bytes as a word, a suffix pattern and its replacement (the input
// split at its first two newlines): suffix substitution into buffers of every
// small size, regular inflection in every form, and the respelling rewriter
// with its drawn-out spellings.  Besides staying inside their texts, results
// must fit their buffers and agree with the rules they come from.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/compiled/english_inflection.h"
#include "engine/compiled/respelling_drawn_out.h"
#include "engine/compiled/respelling_rewriter.h"
#include "engine/compiled/suffix_pattern.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// The next newline-separated piece of the input, NUL bytes cut off.
std::string NextPiece(char const*& p, char const* end) {
    char const* stop = p;
    while (stop != end && *stop != '\n') ++stop;
    std::string piece(p, stop);
    p = stop == end ? end : stop + 1;
    return piece.substr(0, piece.find('\0'));
}

void Substitute(std::string const& word, std::string const& pattern, std::string const& replacement) {
    for (unsigned long size = 0; size < 24; ++size) {
        char dst[24];
        std::memset(dst, 'x', sizeof dst);
        if (!MakeVCSubst(dst, size, word.c_str(), replacement.c_str(), pattern.c_str(), 1)) continue;
        std::size_t const length = ::strnlen(dst, sizeof dst);
        Check(length < size);
        Check(length == word.size() - pattern.size() + replacement.size());
        Check(std::memcmp(dst, word.data(), word.size() - pattern.size()) == 0);
    }
}

void Inflect(std::string const& word) {
    for (int form = 0; form <= 25; ++form) {
        std::string const inflected = CreateInflectionWithoutDictionary(word, static_cast<GrossPOS_E_Source>(form));
        Check(inflected.size() <= word.size() + 5);
    }
}

// A respelling grows a word by at most three letters (suffix "i" to "uses").
constexpr std::size_t kLongestRespellingGrowth = 3;

class CheckingOutput : public E_Source_Morphology_Rewriter::Output {
public:
    explicit CheckingOutput(std::size_t wordSize) : fWordSize(wordSize) {}
    void PerformOutputs(char const* rewrite) override {
        Check(rewrite != nullptr && std::strlen(rewrite) <= fWordSize + kLongestRespellingGrowth);
    }

private:
    std::size_t fWordSize;
};

void Respell(std::string const& word) {
    CheckingOutput out(word.size());
    E_Source_Morphology_Rewriter::Rewrite(word.c_str(), out, nullptr);
    std::string spellings[kRewriteSlots];
    unsigned long count = 0;
    GetRewrites(spellings, count, word.c_str());
    Check(count <= kMaxDrawnOutRewrites && spellings[count].empty());
    for (unsigned long i = 0; i < count; ++i) Check(spellings[i].size() < word.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
    if (size > 4096) return 0;
    char const* p = reinterpret_cast<char const*>(data);
    char const* const end = p + size;
    std::string const word = NextPiece(p, end);
    std::string const pattern = NextPiece(p, end);
    std::string const replacement = NextPiece(p, end);
    Substitute(word, pattern, replacement);
    Inflect(word);
    Respell(word);
    return 0;
}
