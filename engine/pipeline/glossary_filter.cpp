#include "engine/pipeline/glossary_filter.h"

#include <utility>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

GlossaryFilter::GlossaryFilter(std::wstring english, std::wstring japanese, TokenDictSource reading,
                               DictSourceDatabase* sources)
    : PassThroughFilter("glossary"),
      fEnglish(std::move(english)),
      fJapanese(std::move(japanese)),
      fReading(std::move(reading)),
      fSources(sources) {}

Token GlossaryFilter::Produce() {
    if (fNext == fOut.size()) FillSentence();
    return fOut[fNext++];
}

// A whole sentence at a time: its records are filed under its end token.
void GlossaryFilter::FillSentence() {
    fOut.clear();
    fNext = 0;
    std::vector<TokenDictSource> records;
    for (;;) {
        Token const token = PullUpstream();
        TokenTypeID const type = TokenTypeOf(token);
        std::wstring text;
        if (type == kEOFTokenType || type == EnglishTokens::kEndOfSentence ||
            !fTokenStringDatabase->Find(token, &text) || text != fEnglish) {
            fOut.push_back(token);
            if (type == kEOFTokenType || type == EnglishTokens::kEndOfSentence) break;
            continue;
        }
        Token const japanese = NewToken(fTokenCreator, EnglishTokens::kWord);
        // An empty translation leaves the token without text: the word is
        // dropped, as a reading that makes no output.
        if (!fJapanese.empty()) fTokenStringDatabase->Insert(japanese, fJapanese);
        TokenDictSource record = fReading;
        record.fSourceTokens = {token};
        record.fOutputTokens = {japanese};
        records.push_back(std::move(record));
        fOut.push_back(japanese);
    }
    Token const last = fOut.back();
    if (!records.empty() && TokenTypeOf(last) == EnglishTokens::kEndOfSentence)
        fSources->Append(TokenSerialOf(last), records);
}
