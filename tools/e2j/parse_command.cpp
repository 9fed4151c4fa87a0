// e2j parse: each sentence of a text preparsed, its chart built and parsed.
// Per sentence, after "# " and its text: whether an unprimed sentence
// analysis spans it ("sentence yes" or "sentence no"), the number of
// analyses made ("entries N"), the parse time ("time T ms") and the limit
// reached ("limit none" or "limit hit").  --segments first prints the
// pieces a long sentence is cut into ("segments" and the segmenter's
// trace).  --chart then prints every cell
// that holds something: "cell D,E" and one line an entry: its index,
// category (' when primed), how it is made (dict, unary, or split K), its
// daughters, rule, score, flags and feature slots.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/foundation/name_tables.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"
#include "engine/parse/sentence_segmenter.h"
#include "tools/e2j/analysis_arguments.h"
#include "tools/e2j/preparsed_sentences.h"
#include "tools/e2j/subcommands.h"

namespace {

EnglishTokens const sEnglishTokens;

struct ParseRequest {
    unsigned speed = 10;
    bool chart = false;
    bool segments = false;
};

// The segmenter's trace of the sentence: the pieces it cuts it into.
std::string SegmentTrace(Sentence& sentence) {
    std::FILE* trace = std::tmpfile();
    if (trace == nullptr) return "(no trace file)";
    gfpSegF_Knob = trace;
    SentenceSegmenter(&sentence).SegmentSentence();
    gfpSegF_Knob = nullptr;
    std::string text;
    std::rewind(trace);
    for (int c; (c = std::fgetc(trace)) != EOF;) text += static_cast<char>(c);
    std::fclose(trace);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

std::string Flags(ParseChartEntry const& entry) {
    static constexpr struct {
        uint8_t flag;
        char const* name;
    } kNames[] = {{ParseChartEntry::kDisabled, "member"},
                  {ParseChartEntry::kPreferred, "idiom"},
                  {ParseChartEntry::kAlwaysUse, "marked"}};
    std::string text;
    for (auto const& name : kNames) {
        if (entry.Has(name.flag)) text += std::string(" ") + name.name;
    }
    return text;
}

void PrintEntry(PCHART_CELL const& cell, std::size_t i, std::ostream& out) {
    ParseChartEntry const& entry = cell.entries[i];
    out << "  " << i << "\t" << CategoryName(entry.category) << (entry.Has(ParseChartEntry::kPrimed) ? "'" : "")
        << "\t";
    if (entry.kind == ParseChartEntry::kDictionaryReading)
        out << "dict " << entry.a;
    else if (entry.kind == ParseChartEntry::kUnaryEntry)
        out << "unary " << entry.a;
    else
        out << "split " << unsigned{entry.kind} << " " << entry.a << " " << entry.b;
    unsigned const rule = entry.rule < kRuleListCount ? kPureRules[kRuleList[entry.rule].pureRule].id : 0;
    char score[32];
    std::snprintf(score, sizeof score, "%.3f", static_cast<double>(entry.score));
    out << "\trule " << rule << "\t" << score << Flags(entry);
    if (entry.featureOffset != 0) {
        FeatureVector const features = CellFeaturesAt(cell, entry.featureOffset);
        for (unsigned slot = 0; slot < kFeatureSlotCount; ++slot) out << "\t" << FeatureBitsToChars(features, slot);
    }
    out << "\n";
}

void PrintChart(ParseChart const& chart, std::ostream& out) {
    for (std::size_t d = 0; d < chart.WordCount(); ++d) {
        for (std::size_t e = d; e < chart.WordCount(); ++e) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            if (cell.entries.empty()) continue;
            out << "cell " << d << "," << e << "\n";
            for (std::size_t i = 0; i < cell.entries.size(); ++i) PrintEntry(cell, i, out);
        }
    }
}

}  // namespace

int RunParse(Invocation& invocation) {
    ParseRequest request;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        if (argument == "--chart") {
            request.chart = true;
        } else if (argument == "--segments") {
            request.segments = true;
        } else if (argument == "--speed") {
            if (i + 1 == arguments.size()) throw UsageError("parse: --speed needs a value");
            request.speed = NumberArgument(arguments[++i], 0, 100, "parse", "--speed");
        } else if (argument.rfind("--speed=", 0) == 0) {
            request.speed = NumberArgument(argument.substr(8), 0, 100, "parse", "--speed");
        } else if (argument.rfind("--", 0) == 0 && argument != "--") {
            RefuseArgument("parse", argument);
        } else {
            words.push_back(argument);
        }
    }
    SentenceUserOptions options;
    options.fSpeed = static_cast<uint16_t>(request.speed);
    int status = kExitOk;
    int const preparsed = ForEachPreparsedSentence(
        invocation, words, "parse",
        [&](Sentence& sentence, Dictionary_EX const& lookup) {
            bool limitHit = false;
            auto const start = std::chrono::steady_clock::now();
            try {
                CBeforeParse(&sentence, nullptr, nullptr, false, lookup);
                if (request.segments) invocation.out << "segments " << SegmentTrace(sentence) << "\n";
                Parser(&sentence).CParse();
            } catch (HitLimitException const&) {
                limitHit = true;
                status = kExitFailure;
            }
            std::chrono::duration<double, std::milli> const elapsed = std::chrono::steady_clock::now() - start;
            ParseChart const& chart = sentence.Chart();
            std::size_t const n = chart.Exists() ? chart.WordCount() : 0;
            bool const spans = n != 0 && Parser::CellHasAnalysis(chart.Cell(n - 1, n - 1), grammar::kS);
            char time[32];
            std::snprintf(time, sizeof time, "%.3f", elapsed.count());
            invocation.out << "sentence " << (spans ? "yes" : "no") << "\nentries " << sentence.ParserEntryCount()
                           << "\ntime " << time << " ms\nlimit " << (limitHit ? "hit" : "none") << "\n";
            if (request.chart && chart.Exists()) PrintChart(chart, invocation.out);
        },
        options);
    return preparsed != kExitOk ? preparsed : status;
}
