// Arbitrary Shift-JIS text through the tokenizer, the splitter and the
// sentence-end finder: no crash, every sentence closed by one EndOfSentence,
// and the sentences' texts together are the decoded text again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string const text(reinterpret_cast<char const*>(data), size);
    SentenceChain chain(text);

    std::wstring joined;
    bool open = false;
    for (;;) {
        Token const token = chain.Produce();
        if (TokenTypeOf(token) == kEOFTokenType) break;
        std::wstring piece;
        if (chain.Strings().Find(token, &piece)) joined += piece;
        open = TokenTypeOf(token) != EnglishTokens::kEndOfSentence;
    }
    Check(!open);
    Check(joined == DecodeSJISLenient(text));
    return 0;
}
