#include "engine/pipeline/digit_converter.h"

#include <string>

#include "engine/foundation/sjis_convert.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

DigitConverter::DigitConverter(Producer* upstream, TokenCreator* creator, RomajiConversionUserOption mode,
                               TokenStringDatabase* strings)
    : Filter(upstream, creator, strings), fMode(mode) {}

Token DigitConverter::Produce() {
    Token const token = PullUpstream();
    if (fMode != 1 && fMode != 2) return token;
    switch (TokenTypeOf(token)) {
        case EnglishTokens::kWord:
        case EnglishTokens::kNumber:
        case EnglishTokens::kNumberSequence:
        case EnglishTokens::kPhoneNumber:
            break;
        default:
            return token;
    }
    std::wstring text;
    if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->Find(token, &text)) return token;
    bool const changed = fMode == 1 ? ConvertToHalfWidthChars(&text) : ConvertToFullWidthChars(&text);
    if (changed) fTokenStringDatabase->Insert(token, text);
    return token;
}
