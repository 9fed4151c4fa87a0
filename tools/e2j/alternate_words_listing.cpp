#include "tools/e2j/alternate_words_listing.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/post_edit.h"
#include "engine/pipeline/sentence_chain.h"
#include "engine/pipeline/startup_init.h"
#include "engine/transfer/alt_inflection.h"
#include "engine/transfer/alternate_words.h"
#include "engine/transfer/sentence_translation.h"
#include "tools/e2j/dictionaries.h"
#include "tools/e2j/text_io.h"

namespace {

using SetHolder = std::unique_ptr<AW_SET, void (*)(AW_SET*)>;

// The sentences of the text, each as Shift-JIS.
std::vector<std::string> SentencesOf(std::string const& text, std::vector<Dictionary_EX> const& dictionaries) {
    SentenceChain chain(text);
    chain.Finder().SetDictionaries(dictionaries);
    std::vector<std::string> sentences;
    for (std::wstring sentence; chain.NextSentenceText(&sentence);)
        sentences.push_back(EncodeSJISLenient(sentence.data(), sentence.size()));
    return sentences;
}

std::string Slice(std::string const& text, uint32_t start, uint32_t length) {
    if (start >= text.size()) return std::string();
    return text.substr(start, length);
}

// The word's Japanese as the translation writes it.  The spans of the
// translation cover the reading's own characters; an inflected word goes on
// with its endings up to the next word.
std::string CurrentJapanese(std::string const& translation, Word_X const& target, std::vector<Word_X> const& targets) {
    uint32_t end = target.start + target.length;
    short const gross = FindGrossJPOS(JPOSNToStr(target.pos & 0xFF));
    if (gross == kGrossJPOSVerb || gross == kGrossJPOSAdjectival) {
        uint32_t next = static_cast<uint32_t>(translation.size());
        for (Word_X const& other : targets) {
            if (other.start >= end && other.start < next) next = other.start;
        }
        end = next;
    }
    return Slice(translation, target.start, end - target.start);
}

// What the dictionaries say of the word, made as post-editing makes it.
DICT_SOURCE SourceOf(Word_X const& source, Word_X const& target, SharedWordEntry_X const& entry) {
    DICT_SOURCE dictSource;
    dictSource.japanesePOS = static_cast<uint16_t>(target.pos);
    dictSource.translationLength = static_cast<uint16_t>(entry.translationLength);
    dictSource.englishPOS = source.pos;
    return dictSource;
}

std::string WordLine(std::string const& english, std::string const& current,
                     std::vector<std::string> const& alternatives, bool sjis) {
    std::string line = UserTextFromEngine(english, sjis) + ": " + UserTextFromEngine(current, sjis);
    std::vector<std::string> shown{current};
    for (std::string const& alternative : alternatives) {
        if (alternative.empty() || std::find(shown.begin(), shown.end(), alternative) != shown.end()) continue;
        shown.push_back(alternative);
        line += " | " + UserTextFromEngine(alternative, sjis);
    }
    return line + "\n";
}

void ListSentenceWords(Invocation& invocation, CPostEdit const& postEdit, std::string const& sentence,
                       std::string const& translation) {
    for (Word_X const& source : postEdit.fSourceWords) {
        auto target = std::find_if(postEdit.fTargetWords.begin(), postEdit.fTargetWords.end(),
                                   [&](Word_X const& t) { return t.entry == source.entry; });
        if (target == postEdit.fTargetWords.end() || source.entry >= postEdit.fEntries.size()) continue;
        std::string const english = Slice(sentence, source.start, source.length);
        std::string const current = CurrentJapanese(translation, *target, postEdit.fTargetWords);
        DICT_SOURCE const dictSource = SourceOf(source, *target, postEdit.fEntries[source.entry]);

        std::vector<CanBeNull<POSAndParaphrase>> readings;
        AltFormCallback const collect = [&](uint16_t, bool, std::string const&, std::string const&, JPOSID,
                                            UDPOS const&, AlwaysUseFlag, ParaphraseEnabledState, float,
                                            CanBeNull<POSAndParaphrase> const& reading) {
            readings.push_back(reading);
        };
        SetHolder const set(GetTranslations(english, current, dictSource, &gOptions(), collect), FreeTranslations);
        // The first reported is the reading that matches the current
        // translation, already shown as the translation writes it.
        std::vector<std::string> inflected;
        for (std::size_t i = 1; i < readings.size(); ++i) {
            DICT_SOURCE alternativeSource;
            inflected.push_back(
                CInflectAltword(&alternativeSource, current.c_str(), dictSource, *set, readings[i]).value_or(""));
        }
        invocation.out << WordLine(english, current, inflected, invocation.options.sjis);
    }
}

}  // namespace

int ListAlternateWords(Invocation& invocation, std::vector<std::string> const& textWords) {
    InstallSentenceTranslation();
    CorvanIF facade;
    facade.SetTranslationStyle(invocation.options.style + 1);
    std::vector<std::string> const paths = DictionaryPaths(invocation.options);
    AddDictionaries(facade, paths);
    std::string const text = EngineTextFromUser(ReadUserText(textWords, std::cin), invocation.options.sjis);

    int status = kExitOk;
    for (std::string sentence : SentencesOf(text, OpenDictionaries(paths))) {
        invocation.out << "# " << UserTextFromEngine(sentence, invocation.options.sjis) << "\n";
        std::string const source = sentence;
        if (!facade.Translation(&sentence)) {
            invocation.err << "e2j: translation failed\n";
            status = kExitFailure;
            continue;
        }
        std::string translation;
        facade.GetSink(translation, nullptr);
        if (CPostEdit const* postEdit = facade.GetPostEdit())
            ListSentenceWords(invocation, *postEdit, source, translation);
    }
    return status;
}
