// e2j learn: a text through the translation facade, then the user's choice
// of one alternative for one word of its last sentence, recorded in a
// learning-statistics file as the facade's learning strength says.
#include <iostream>
#include <string>
#include <vector>

#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/sentence_translation.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

// A whole number of at most nine digits.
bool IsCount(std::string const& text) {
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

struct Choice {
    std::string word;  // Shift-JIS
    int index = 0;     // 0-based, in the order of the word's alternatives
};

Choice ParseChoice(std::string const& value, bool sjis) {
    std::size_t const colon = value.rfind(':');
    if (colon == 0 || colon == std::string::npos || !IsCount(value.substr(colon + 1)))
        throw UsageError("learn: --choose takes WORD:N, not '" + value + "'");
    return {EngineTextFromUser(value.substr(0, colon), sjis), std::stoi(value.substr(colon + 1))};
}

}  // namespace

int RunLearn(Invocation& invocation) {
    std::string stats;
    Choice choice;
    bool chosen = false;
    int strength = 0;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        bool const takesValue = argument == "--stats" || argument == "--choose" || argument == "--strength";
        if (takesValue && i + 1 == arguments.size()) throw UsageError("learn: " + argument + " needs a value");
        if (argument == "--stats") {
            stats = arguments[++i];
        } else if (argument == "--choose") {
            choice = ParseChoice(arguments[++i], invocation.options.sjis);
            chosen = true;
        } else if (argument == "--strength") {
            std::string const& value = arguments[++i];
            if (value != "1" && value != "2" && value != "3")
                throw UsageError("learn: --strength takes 1, 2 or 3, not '" + value + "'");
            strength = std::stoi(value);
        } else if (argument.rfind("--", 0) == 0) {
            RefuseArgument("learn", argument);
        } else {
            words.push_back(argument);
        }
    }
    if (stats.empty() || !chosen) throw UsageError("learn: --stats FILE and --choose WORD:N are needed");

    InstallSentenceTranslation();
    CorvanIF facade;
    facade.SetTranslationStyle(invocation.options.style + 1);
    if (strength != 0) facade.SetTranslationStrength(strength);
    AddDictionaries(facade, DictionaryPaths(invocation.options), stats);
    std::string text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);
    if (!facade.Translation(&text)) {
        invocation.err << "e2j: translation failed\n";
        return kExitFailure;
    }

    std::vector<PostIF> info;
    CPostEdit const* post = facade.GetPostEdit();
    if (post != nullptr) facade.GetPostInfo(info, post->fSentenceSource, post->fSentenceTarget);
    for (PostIF& word : info) {
        if (BytesWithin(post->fSentenceSource, word.sourceStart, word.sourceLength) != choice.word) continue;
        std::string const japanese = BytesWithin(post->fSentenceTarget, word.targetStart, word.targetLength);
        // The statistics file is written when the facade lets go of its
        // dictionaries.
        facade.DoLearning(word, choice.word, japanese, choice.index);
        return kExitOk;
    }
    invocation.err << "e2j: the last sentence has no word '" << UserTextFromEngine(choice.word, invocation.options.sjis)
                   << "' with a translation\n";
    return kExitFailure;
}
