// e2j judge: where the translation facade judges the sentences of a text to
// begin and end, one "start end" line per sentence, in bytes of the
// Shift-JIS text.
#include <iostream>
#include <string>
#include <vector>

#include "engine/pipeline/corvan_if.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

int RunJudge(Invocation& invocation) {
    std::vector<std::string> words;
    for (std::string const& argument : invocation.arguments) {
        if (argument.rfind("--", 0) == 0) RefuseArgument("judge", argument);
        words.push_back(argument);
    }
    CorvanIF facade;
    AddDictionaries(facade, DictionaryPaths(invocation.options));
    std::string text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);

    std::vector<ScanIF*> sentences;
    bool const judged = facade.JudgeTranslate(&text, &sentences);
    for (ScanIF const* sentence : sentences) invocation.out << sentence->start << " " << sentence->end << "\n";
    DeleteScanIFs(sentences);
    if (judged) return kExitOk;
    invocation.err << "e2j: judging failed\n";
    return kExitFailure;
}
