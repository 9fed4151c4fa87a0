// e2j words: the preparsed words of each sentence of a text.  Each sentence
// opens with "# " and its text; then one line a word: its index, its text
// (made-up words by their names), its span in bytes of the Shift-JIS
// sentence, and its flags; then the extra chart words.  --senses adds the
// spans the preparser marked; --setpos applies part-of-speech settings to
// each sentence and shows the answer and the settings kept.  With --dict the
// capitalisation tests ask the dictionaries' word lists.  --alt translates
// each sentence instead and lists each source word's Japanese and the other
// translations it could take.
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine/parse/pos_setting.h"
#include "engine/parse/sentence.h"
#include "tools/e2j/alternate_words_listing.h"
#include "tools/e2j/analysis_arguments.h"
#include "tools/e2j/preparsed_sentences.h"
#include "tools/e2j/subcommands.h"

namespace {

struct WordsRequest {
    bool senses = false;
    std::vector<POS_SETTING> settings;
};

std::string ShownCode(uint16_t code) {
    uint16_t const pos = code & POS_SETTING::kCodeMask;
    std::string shown = pos >= 'A' && pos <= 'E' ? std::string(1, static_cast<char>(pos)) : std::to_string(pos);
    if (code & POS_SETTING::kLiteralMark) shown += "L";
    return shown;
}

std::string ShownSetting(POS_SETTING const& setting) {
    return ShownCode(setting.code) + ":" + std::to_string(setting.start) + "-" + std::to_string(setting.end);
}

std::string ShownStatus(uint16_t status) {
    switch (status) {
        case kSetPOSDone:
            return "done";
        case kSetPOSNests:
            return "nests";
        case kSetPOSCrosses:
            return "crosses";
        default:
            return "refused";
    }
}

std::string WordFlags(PreparsedWord const& word) {
    std::ostringstream flags;
    if (word.Has(PreparsedWord::kTrulyCapitalised)) flags << " truecap";
    if (word.Has(PreparsedWord::kAllCapitals)) flags << " allcaps";
    if ((word.fFlags2 & PreparsedWord::kQuotedEndMark) == PreparsedWord::kQuotedEndMark) flags << " quoted-end";
    if (word.Has2(PreparsedWord::kClockSuffixSplit)) flags << " ampm";
    if (word.Has2(PreparsedWord::kHourNumber)) flags << " hour";
    if (word.WhiteFollows()) flags << " white";
    if (word.fHyphenSequencesBegun != 0) flags << " hyphen-begins=" << word.fHyphenSequencesBegun;
    if (word.fHyphenSequencesEnded != 0) flags << " hyphen-ends=" << word.fHyphenSequencesEnded;
    return flags.str();
}

char const* SenseKindName(uint32_t kind) {
    switch (kind) {
        case PreparseSense::kHyphenSequence:
            return "hyphens";
        case PreparseSense::kNumericHyphenSequence:
            return "numeric-hyphens";
        case PreparseSense::kCapitalSequence:
            return "capitals";
        default:
            return "unknown";
    }
}

void PrintSentence(Sentence& sentence, WordsRequest const& request, bool sjis, std::ostream& out) {
    std::vector<PreparsedWord> const& words = sentence.Words();
    for (std::size_t i = 0; i < words.size(); ++i) {
        PreparsedWord const& word = words[i];
        out << i << "\t" << ShownText(word.fText, sjis) << "\t" << word.fStart << "-" << word.fEnd << WordFlags(word)
            << "\n";
    }
    for (ExtraChartWord const& extra : sentence.ExtraWords())
        out << "extra\t" << ShownText(extra.fText, sjis) << "\t" << extra.fFirst << "-" << extra.fLast << "\n";
    if (request.senses) {
        for (PreparseSense const& sense : sentence.Senses()) {
            out << "sense\t" << SenseKindName(sense.fKind) << "\t" << sense.fFirstWord << "-" << sense.fLastWord;
            for (std::size_t i = sense.fFirstWord; i <= sense.fLastWord && i < words.size(); ++i)
                out << (i == sense.fFirstWord ? "\t" : " ") << ShownText(words[i].fText, sjis);
            out << "\n";
        }
    }
    for (POS_SETTING setting : request.settings) {
        POS_SETTING result;
        uint16_t const status = CSetPOS(&sentence, &result, &setting);
        out << "setpos\t" << ShownSetting(setting) << "\t" << ShownStatus(status) << "\t" << ShownSetting(result)
            << "\n";
    }
    if (!request.settings.empty()) {
        out << "settings";
        for (POS_SETTING const& setting : sentence.Settings()) out << "\t" << ShownSetting(setting);
        out << "\n";
    }
}

}  // namespace

int RunWords(Invocation& invocation) {
    WordsRequest request;
    bool alternatives = false;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        if (argument == "--senses") {
            request.senses = true;
        } else if (argument == "--alt") {
            alternatives = true;
        } else if (argument == "--setpos" || argument.rfind("--setpos=", 0) == 0) {
            std::string value = argument.size() > 8 ? argument.substr(9) : "";
            if (argument.size() == 8) {
                if (i + 1 == arguments.size()) throw UsageError("words: --setpos needs FLAGS:START-END");
                value = arguments[++i];
            }
            request.settings.push_back(ParseSetting(value, "words"));
        } else if (argument.rfind("--", 0) == 0 && argument != "--") {
            RefuseArgument("words", argument);
        } else {
            words.push_back(argument);
        }
    }
    if (alternatives) {
        if (request.senses || !request.settings.empty()) throw UsageError("words: --alt takes no --senses or --setpos");
        return ListAlternateWords(invocation, words);
    }
    return ForEachPreparsedSentence(invocation, words, "words", [&](Sentence& sentence, Dictionary_EX const&) {
        PrintSentence(sentence, request, invocation.options.sjis, invocation.out);
    });
}
