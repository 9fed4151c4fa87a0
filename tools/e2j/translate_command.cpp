// e2j translate: a text through the translation facade's normal road.
#include <iostream>
#include <string>
#include <vector>

#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/translation_host_hooks.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

// Stops the run after a number of progress notices (one per sentence).
struct Stopper {
    CorvanIF* facade;
    long after;
    long notices = 0;
};

void CountNotice(void* context) {
    auto* stopper = static_cast<Stopper*>(context);
    if (++stopper->notices == stopper->after) stopper->facade->StopTranslation();
}

}  // namespace

// Adds each --dict file, as a compiled dictionary or else a user dictionary
// opened read-only; false (with a message) for one that is neither.
bool AddDictionaries(CorvanIF& facade, Invocation& invocation) {
    for (std::string const& path : invocation.options.dictionaries) {
        if (facade.AddSysDict(path) > 0 || facade.AddUserDict(path, false) > 0) continue;
        invocation.err << "e2j: cannot open dictionary '" << path << "'\n";
        return false;
    }
    return true;
}

int RunTranslate(Invocation& invocation) {
    bool postInfo = false;
    long stopAfter = 0;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--post-info") {
            postInfo = true;
        } else if (arguments[i] == "--stop-after") {
            if (i + 1 == arguments.size()) throw UsageError("translate: --stop-after needs a value");
            std::string const& value = arguments[++i];
            if (value.empty() || value.size() > 9 || value.find_first_not_of("0123456789") != std::string::npos ||
                std::stol(value) == 0)
                throw UsageError("translate: --stop-after takes a number of sentences from 1, not '" + value + "'");
            stopAfter = std::stol(value);
        } else if (arguments[i].rfind("--", 0) == 0) {
            RefuseArgument("translate", arguments[i]);
        } else {
            words.push_back(arguments[i]);
        }
    }

    CorvanIF facade;
    facade.SetTranslationStyle(invocation.options.style + 1);
    if (!AddDictionaries(facade, invocation)) return kExitFailure;
    std::string text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);

    Stopper stopper{&facade, stopAfter};
    if (stopAfter > 0) SetTranslationIdleCallback(CountNotice, &stopper);
    bool const translated = facade.Translation(&text);
    SetTranslationIdleCallback(nullptr, nullptr);
    if (!translated) {
        bool const stopped = stopAfter > 0 && stopper.notices >= stopAfter;
        invocation.err << "e2j: translation " << (stopped ? "stopped" : "failed") << "\n";
        return stopped ? kExitUsage : kExitFailure;
    }

    std::string translation;
    facade.GetSink(translation, nullptr);
    invocation.out << UserTextFromEngine(translation, invocation.options.sjis);
    if (postInfo) {
        std::vector<PostIF> info;
        facade.GetPostInfo(info, std::string(), translation);
        if (!translation.empty() && translation.back() != '\n') invocation.out << "\n";
        for (PostIF const& word : info)
            invocation.out << "src " << word.sourceStart << "+" << word.sourceLength << " -> tgt " << word.targetStart
                           << "+" << word.targetLength << " dict " << word.entryDictionary << "\n";
    }
    return kExitOk;
}
