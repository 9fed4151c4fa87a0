#include "engine/pipeline/measure_unit_splitter.h"

#include <string>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

MeasureUnitSplitter::MeasureUnitSplitter(Producer* upstream, TokenStringDatabase* strings, TokenCreator* creator)
    : Filter(upstream, creator, strings) {}

Token MeasureUnitSplitter::Produce() {
    if (!fQueue.empty()) {
        Token const queued = fQueue.front();
        fQueue.pop_front();
        return queued;
    }
    Token const token = PullUpstream();
    std::wstring text;
    if (TokenTypeOf(token) != EnglishTokens::kWord || fTokenStringDatabase == nullptr ||
        !fTokenStringDatabase->Find(token, &text))
        return token;

    measure_units::Split const split = measure_units::SplitWord(text, fConversions);
    auto const make = [this](TokenTypeID type, std::wstring const& piece) {
        Token const made = NewToken(fTokenCreator, type);
        fTokenStringDatabase->Insert(made, piece);
        return made;
    };
    switch (split.kind) {
        case measure_units::Split::kNumberThenUnit: {
            Token const number = make(EnglishTokens::kNumber, split.number);
            if (!split.word.empty()) fQueue.push_back(make(EnglishTokens::kWord, split.word));
            return number;
        }
        case measure_units::Split::kPrefixThenNumber: {
            Token const word = make(EnglishTokens::kWord, split.word);
            fQueue.push_back(make(EnglishTokens::kNumber, split.number));
            return word;
        }
        case measure_units::Split::kNone:
            break;
    }
    return token;
}
