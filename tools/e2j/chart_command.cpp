// e2j chart: the parse chart of each sentence of a text.  Each sentence
// opens with "# " and its text; then one line a word (its index and text);
// then, cell by cell (by first word, then by length), a line for the cell's
// flags when it has any and one line a reading: the cell as START+WORDS, the
// reading's category, its headword, its Japanese and its flags; then the
// words no dictionary knows (text and byte offset) and the status chart
// building answered (56 when some word is unknown, else 0).
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/english_pos_classes.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"
#include "tools/e2j/preparsed_sentences.h"
#include "tools/e2j/subcommands.h"

namespace {

template <class Flag, std::size_t N>
std::string FlagNames(unsigned flags, std::pair<Flag, char const*> const (&names)[N]) {
    std::string shown;
    for (auto const& name : names)
        if (flags & name.first) shown += std::string(shown.empty() ? "" : " ") + name.second;
    return shown;
}

std::string CellFlags(uint16_t flags) {
    static std::pair<uint16_t, char const*> const kNames[] = {
        {PCHART_CELL::kCapitalInitial, "capital"},
        {PCHART_CELL::kTrulyCapitalised, "truecap"},
        {PCHART_CELL::kMatchedCapitalised, "matched-capital"},
        {PCHART_CELL::kMatchedLowerCase, "matched-lower"},
        {PCHART_CELL::kCapitalSequence, "capital-sequence"},
        {PCHART_CELL::kParseAsUnit, "unit"},
        {PCHART_CELL::kClosed, "closed"},
        {PCHART_CELL::kAlwaysUseShadow, "always-use-shadow"},
        {PCHART_CELL::kKeepsAlmighty, "keeps-almighty"},
        {PCHART_CELL::kHasAlmighty, "almighty"},
        {PCHART_CELL::kStartLiteral, "start-literal"},
        {PCHART_CELL::kEndLiteral, "end-literal"},
        {PCHART_CELL::kForcedUnitCrossing, "crosses-unit"},
        {PCHART_CELL::kDominated, "dominated"},
    };
    return FlagNames(flags, kNames);
}

std::string EntryFlags(uint8_t flags) {
    static std::pair<uint8_t, char const*> const kNames[] = {
        {ParseChartEntry::kPrimed, "primed"},
        {ParseChartEntry::kPreferred, "preferred"},
        {ParseChartEntry::kAlwaysUse, "always-use"},
    };
    return FlagNames(flags, kNames);
}

// The Japanese of a reading: its paraphrases' translations, "/" between.
std::string Japanese(FinePOS_EX const& fp, bool sjis) {
    std::string japanese;
    for (ForwardIterator<Paraphrase_EX> paraphrase = fp.GetParaphraseIterator(); !paraphrase.IsAtEnd(); ++paraphrase)
        japanese += (japanese.empty() ? "" : "/") + ShownText((*paraphrase).GetRawTranslation(), sjis);
    return japanese;
}

struct UnknownWord {
    std::string text;
    uint16_t offset;
};

void NoteUnknownWord(std::string const& text, uint16_t offset, void* data) {
    static_cast<std::vector<UnknownWord>*>(data)->push_back({text, offset});
}

void PrintChart(Sentence const& sentence, bool sjis, std::ostream& out) {
    ParseChart const& chart = sentence.Chart();
    int const n = static_cast<int>(chart.WordCount());
    for (int first = 0; first < n; ++first) {
        for (int e = first; e < n; ++e) {
            PCHART_CELL const& cell = chart.Cell(e - first, e);
            std::string const where = std::to_string(first) + "+" + std::to_string(e - first + 1);
            if (cell.flags != 0) out << where << "\tflags\t" << CellFlags(cell.flags) << "\n";
            for (ParseChartEntry const& entry : cell.entries) {
                FinePOS_EX const& fp = chart.FinePOSOf(entry);
                out << where << "\t" << EnglishPOSName(fp.GetFinePOS()) << "\t"
                    << ShownText(fp.GetEntry().GetSrcText(), sjis) << "\t" << Japanese(fp, sjis);
                std::string const flags = EntryFlags(entry.flags);
                if (!flags.empty()) out << "\t" << flags;
                out << "\n";
            }
        }
    }
}

}  // namespace

int RunChart(Invocation& invocation) {
    std::vector<std::string> words;
    for (std::string const& argument : invocation.arguments) {
        if (argument.rfind("--", 0) == 0 && argument != "--") RefuseArgument("chart", argument);
        words.push_back(argument);
    }
    bool const sjis = invocation.options.sjis;
    int failed = kExitOk;
    int const status =
        ForEachPreparsedSentence(invocation, words, "chart", [&](Sentence& sentence, Dictionary_EX const& lookup) {
            std::vector<PreparsedWord> const& preparsed = sentence.Words();
            for (std::size_t i = 0; i < preparsed.size(); ++i)
                invocation.out << i << "\t" << ShownText(preparsed[i].fText, sjis) << "\n";
            std::vector<UnknownWord> unknown;
            int answer = 0;
            try {
                answer = CBeforeParse(&sentence, &NoteUnknownWord, &unknown, false, lookup);
            } catch (HitLimitException const&) {
                invocation.err << "e2j chart: a sentence has too many readings for its chart; it is left out\n";
                failed = kExitFailure;
                return;
            }
            PrintChart(sentence, sjis, invocation.out);
            for (UnknownWord const& word : unknown)
                invocation.out << "unknown\t" << ShownText(word.text, sjis) << "\t" << word.offset << "\n";
            invocation.out << "status\t" << answer << "\n";
        });
    return status != kExitOk ? status : failed;
}
