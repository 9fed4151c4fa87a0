#include "tools/e2j/preparsed_sentences.h"

#include <iostream>

#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/text_io.h"

namespace {

EnglishTokens const sEnglishTokens;

}  // namespace

std::string ShownText(std::wstring const& text, bool sjis) {
    std::wstring escaped;
    for (wchar_t c : text) {
        if (c == L'\n')
            escaped += L"\\n";
        else if (c == L'\r')
            escaped += L"\\r";
        else if (c == L'\t')
            escaped += L"\\t";
        else
            escaped += c;
    }
    return UserTextFromEngine(EncodeSJISLenient(escaped.data(), escaped.size()), sjis);
}

std::string ShownText(std::string const& sjisText, bool sjis) { return ShownText(DecodeSJISLenient(sjisText), sjis); }

int ForEachPreparsedSentence(Invocation& invocation, std::vector<std::string> const& textWords, char const* subcommand,
                             std::function<void(Sentence& sentence, Dictionary_EX const& lookup)> const& each,
                             SentenceUserOptions const& options) {
    // The preparser asks the dictionaries' word lists, and later stages look
    // words up, through the rewriting composite the translator uses.
    std::vector<Dictionary_EX> const dictionaries = OpenDictionaries(DictionaryPaths(invocation.options));
    Dictionary_EX const lookup = dictionaries.empty() ? Dictionary_EX(Dictionary_EX_Temporary())
                                                      : Dictionary_EX(mkRewritingCompositeDictionary(dictionaries));

    bool const sjis = invocation.options.sjis;
    std::string const text = EngineTextFromUser(ReadUserText(textWords, std::cin), sjis);
    SentenceChain chain(text);
    if (!dictionaries.empty()) chain.Finder().SetDictionaries(dictionaries);
    int status = kExitOk;
    for (std::vector<Token> tokens; chain.NextSentence(&tokens);) {
        std::wstring source;
        for (Token const part : tokens) {
            std::wstring piece;
            if (chain.Strings().Find(part, &piece)) source += piece;
        }
        invocation.out << "# " << ShownText(source, sjis) << "\n";

        PreparsedSentence preparsed;
        try {
            PreparseSentence(chain, tokens, dictionaries.empty() ? nullptr : &lookup, &preparsed);
        } catch (HitLimitException const&) {
            invocation.err << "e2j " << subcommand << ": a sentence is too long to preparse (over "
                           << EtoJPreparser::kMaxSentenceBytes << " bytes); it is left out\n";
            status = kExitFailure;
            continue;
        }
        Sentence sentence{options};
        // Readings that keep the English (words in capitals) take it from
        // the source tokens.
        sentence.SetSourceTokens(tokens, &chain.Strings());
        sentence.SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
        each(sentence, lookup);
    }
    return status;
}
