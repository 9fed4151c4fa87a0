// e2j sentences: the sentences the chain finds in a text, one a line, each
// the texts of its tokens joined as they came (line ends shown as \n), as
// the word lists of the dictionaries given with --dict decide; with --trace
// each line also names the rule that ended the sentence.
#include <iostream>
#include <string>
#include <vector>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/sentence_chain.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

EnglishTokens const sEnglishTokens;

std::string ShownLine(std::wstring const& sentence, bool sjis) {
    std::wstring shown;
    for (wchar_t c : sentence) {
        if (c == L'\n') {
            shown += L"\\n";
        } else if (c == L'\r') {
            shown += L"\\r";
        } else {
            shown += c;
        }
    }
    return UserTextFromEngine(EncodeSJISLenient(shown.data(), shown.size()), sjis);
}

}  // namespace

int RunSentences(Invocation& invocation) {
    std::vector<std::string> words;
    for (std::string const& argument : invocation.arguments) {
        if (argument.rfind("--", 0) == 0) RefuseArgument("sentences", argument);
        words.push_back(argument);
    }
    // The word lists (titles that end no sentence, words that begin none, ...)
    // are those of the dictionaries given; with none, only the built-in ones.
    std::vector<Dictionary_EX> const dictionaries = OpenDictionaries(DictionaryPaths(invocation.options));

    std::string const text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);
    SentenceChain chain(text);
    chain.Finder().SetDictionaries(dictionaries);

    for (std::wstring sentence; chain.NextSentenceText(&sentence);) {
        invocation.out << ShownLine(sentence, invocation.options.sjis);
        if (invocation.options.trace) invocation.out << "\t(" << chain.Finder().LastEndRule() << ")";
        invocation.out << "\n";
    }
    return kExitOk;
}
