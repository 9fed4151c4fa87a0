// e2j alt: the alternative translations of the first sentence of the text
// over a selected stretch (--select START:END, character offsets in the
// text; the whole sentence when not given), through the translation
// facade's alternate road: one line per alternative, best first, at most
// --max N (20 unless given).  A sentence with one analysis gives its one
// translation.
#include <iostream>
#include <string>
#include <vector>

#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/alternate_sentence_work.h"
#include "engine/transfer/sentence_translation.h"
#include "tools/e2j/analysis_arguments.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

constexpr unsigned kMostOffset = 32767;  // the facade takes 16-bit signed offsets
constexpr unsigned kMostAlternatives = 20;

struct Selection {
    short start = -1;  // -1: the whole text
    short end = -1;
};

Selection ParseSelection(std::string const& text) {
    std::size_t const colon = text.find(':');
    if (colon == std::string::npos) throw UsageError("alt: --select takes START:END, not '" + text + "'");
    Selection selection;
    selection.start = static_cast<short>(NumberArgument(text.substr(0, colon), 0, kMostOffset, "alt", "--select"));
    selection.end = static_cast<short>(NumberArgument(text.substr(colon + 1), 0, kMostOffset, "alt", "--select"));
    return selection;
}

}  // namespace

int RunAlt(Invocation& invocation) {
    Selection selection;
    unsigned most = kMostAlternatives;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--select") {
            if (i + 1 == arguments.size()) throw UsageError("alt: --select needs START:END");
            selection = ParseSelection(arguments[++i]);
        } else if (arguments[i] == "--max") {
            if (i + 1 == arguments.size()) throw UsageError("alt: --max needs a value");
            most = NumberArgument(arguments[++i], 0, kMostAlternatives, "alt", "--max");
        } else if (arguments[i].rfind("--", 0) == 0) {
            RefuseArgument("alt", arguments[i]);
        } else {
            words.push_back(arguments[i]);
        }
    }

    InstallSentenceTranslation();
    InstallAlternateTranslation();
    CorvanIF facade;
    facade.SetTranslationStyle(invocation.options.style + 1);
    AddDictionaries(facade, DictionaryPaths(invocation.options));
    std::string text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);
    // Without a selection the facade selects the whole text.
    if (!facade.AlternateTranslate(&text, selection.start, selection.end, static_cast<unsigned short>(most))) {
        invocation.err << "e2j: alternate translation failed\n";
        return kExitFailure;
    }
    for (unsigned long i = 0; i < facade.GetNumberAlternate(); ++i) {
        std::string translation;
        facade.GetSinkAlternate(translation, i);
        invocation.out << UserTextFromEngine(translation, invocation.options.sjis) << "\n";
    }
    return kExitOk;
}
