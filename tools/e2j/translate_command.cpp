// e2j translate: a text through the translation facade's normal road.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/glossary_filter.h"
#include "engine/pipeline/translation_host_hooks.h"
#include "engine/transfer/sentence_translation.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/subcommands.h"
#include "tools/e2j/text_io.h"

namespace {

// The status of a run stopped by --stop-after.
constexpr int kExitStopped = 2;

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

// --glossary WORD=JAPANESE: a stand-in reading for one word, put before the
// translator of each run, so that a word's way through the road and its
// spans in --post-info can be watched before the dictionaries translate.
struct Glossary {
    struct Pair {
        std::wstring english, japanese;
    };
    std::vector<Pair> pairs;
    std::vector<std::unique_ptr<GlossaryFilter>> filters;  // live until the run is over
};

Glossary::Pair GlossaryPair(std::string const& value, bool sjis) {
    std::size_t const equals = value.find('=');
    if (equals == 0 || equals == std::string::npos || equals + 1 == value.size())
        throw UsageError("translate: --glossary takes WORD=TRANSLATION, not '" + value + "'");
    return {DecodeSJISLenient(EngineTextFromUser(value.substr(0, equals), sjis)),
            DecodeSJISLenient(EngineTextFromUser(value.substr(equals + 1), sjis))};
}

void AddGlossary(BasicTranslator& translator, void* context) {
    auto* glossary = static_cast<Glossary*>(context);
    for (Glossary::Pair const& pair : glossary->pairs) {
        glossary->filters.push_back(std::make_unique<GlossaryFilter>(pair.english, pair.japanese, TokenDictSource(),
                                                                     &translator.GetDictSourceDatabase()));
        translator.AddHookFilter(BasicTranslator::kBeforeTranslator, glossary->filters.back().get());
    }
}

}  // namespace

int RunTranslate(Invocation& invocation) {
    bool postInfo = false;
    long stopAfter = 0;
    Glossary glossary;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--post-info") {
            postInfo = true;
        } else if (arguments[i] == "--glossary") {
            if (i + 1 == arguments.size()) throw UsageError("translate: --glossary needs a value");
            glossary.pairs.push_back(GlossaryPair(arguments[++i], invocation.options.sjis));
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

    InstallSentenceTranslation();
    CorvanIF facade;
    facade.SetTranslationStyle(invocation.options.style + 1);
    AddDictionaries(facade, DictionaryPaths(invocation.options));
    std::string text = EngineTextFromUser(ReadUserText(words, std::cin), invocation.options.sjis);

    Stopper stopper{&facade, stopAfter};
    if (stopAfter > 0) SetTranslationIdleCallback(CountNotice, &stopper);
    if (!glossary.pairs.empty()) SetTranslatorBuiltCallback(AddGlossary, &glossary);
    bool const translated = facade.Translation(&text);
    SetTranslationIdleCallback(nullptr, nullptr);
    SetTranslatorBuiltCallback(nullptr, nullptr);
    if (!translated) {
        bool const stopped = stopAfter > 0 && stopper.notices >= stopAfter;
        invocation.err << "e2j: translation " << (stopped ? "stopped" : "failed") << "\n";
        return stopped ? kExitStopped : kExitFailure;
    }

    std::string translation;
    facade.GetSink(translation, nullptr);
    invocation.out << UserTextFromEngine(translation, invocation.options.sjis);
    if (postInfo) {
        std::vector<PostIF> info;
        CPostEdit const* post = facade.GetPostEdit();
        if (post != nullptr) facade.GetPostInfo(info, post->fSentenceSource, post->fSentenceTarget);
        if (!translation.empty() && translation.back() != '\n') invocation.out << "\n";
        for (PostIF const& word : info) {
            invocation.out << "src " << word.sourceStart << "+" << word.sourceLength << " -> tgt " << word.targetStart
                           << "+" << word.targetLength << " dict " << word.entryDictionary;
            for (uint32_t i = 0; i < word.count; ++i)
                invocation.out << (i == 0 ? " alt " : "/")
                               << UserTextFromEngine(word.alternatives[i].text, invocation.options.sjis);
            invocation.out << "\n";
        }
    }
    return kExitOk;
}
