#pragma once
// The front of the translation chain on its own: source characters through
// the tokenizer, the measure-unit splitter, the sentence-end finder and the
// retriever that files each sentence, all sharing one token creator and one
// string store.  The finder knows SGML markup, so the tags the tokenizer
// makes into tokens decide where line ends end sentences.  Tools, tests,
// benchmarks and fuzz targets that look at sentences use it instead of
// linking the stages by hand.
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/english_sentence_end_finder.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/sentence_retriever.h"
#include "engine/pipeline/sgml_markup_tags.h"
#include "engine/pipeline/text_stages.h"

class SentenceChain {
public:
    // Shift-JIS text as the source.
    explicit SentenceChain(std::string const& sjis) : SentenceChain(std::make_unique<CharacterTokenProducer>(sjis)) {}
    // Any source of character tokens; the chain gives it its creator and store.
    explicit SentenceChain(std::unique_ptr<Producer> source)
        : fSource(std::move(source)),
          fTokenizer(Prepared(fSource.get()), &fCreator, &fStrings, nullptr),
          fSplitter(&fTokenizer, &fStrings, &fCreator),
          fRetriever(Linked(&fFinder, &fSplitter), &fCreator, &fSentences) {}

    SentenceChain(SentenceChain const&) = delete;
    SentenceChain& operator=(SentenceChain const&) = delete;

    // The next token out of the chain; EOF at the end.
    Token Produce() { return fRetriever.Produce(); }

    // The tokens of the next filed sentence; false at the end of the text.
    bool NextSentence(std::vector<Token>* tokens) {
        for (Token token = Produce(); TokenTypeOf(token) != kEOFTokenType; token = Produce()) {
            if (TokenTypeOf(token) == EnglishTokens::kEndOfSentence && fSentences.Find(token, tokens)) return true;
        }
        return false;
    }

    // The text of every token up to and with the next end of sentence;
    // false when no end of sentence is left.
    bool NextSentenceText(std::wstring* text) {
        text->clear();
        for (Token token = Produce(); TokenTypeOf(token) != kEOFTokenType; token = Produce()) {
            std::wstring piece;
            if (fStrings.Find(token, &piece)) *text += piece;
            if (TokenTypeOf(token) == EnglishTokens::kEndOfSentence) return true;
        }
        return false;
    }

    TokenCreator& Creator() { return fCreator; }
    TokenStringDatabase& Strings() { return fStrings; }
    SentenceTokensDatabase& Sentences() { return fSentences; }
    EnglishSentenceEndFinder& Finder() { return fFinder; }

private:
    Producer* Prepared(Producer* source) {
        source->SetTokenCreator(&fCreator);
        source->SetTokenStringDatabase(&fStrings);
        return source;
    }
    Producer* Linked(EnglishSentenceEndFinder* finder, Producer* upstream) {
        finder->SetUpstreamProducer(upstream);
        finder->SetTokenCreator(&fCreator);
        finder->SetTokenStringDatabase(&fStrings);
        finder->SetMarkupTags(&fMarkupTags);
        return finder;
    }

    TokenCreator fCreator = 0;
    TokenStringDatabase fStrings;
    SentenceTokensDatabase fSentences;
    SGMLMarkupTags fMarkupTags{&fStrings};
    std::unique_ptr<Producer> fSource;
    LexTokenizer fTokenizer;
    MeasureUnitSplitter fSplitter;
    EnglishSentenceEndFinder fFinder;
    SentenceRetriever fRetriever;
};
