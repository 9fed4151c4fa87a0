#include "engine/pipeline/sentence_end_scanner.h"

#include "engine/foundation/token_types.h"

Token SentenceEndScanner::Produce() {
    for (;;) {
        Token const token = PullUpstream();
        TokenTypeID const type = TokenTypeOf(token);
        if (type == EnglishTokens::kEndOfSentence || type == kEOFTokenType) return token;
    }
}
