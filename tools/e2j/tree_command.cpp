// e2j tree: the tree of each sentence's best analysis (or of the N-th with
// --parse N), or with --kbest N the N best scores of its analyses, parsed
// at the speed given with --speed (10 unless given), with the
// part-of-speech settings given with --setpos FLAGS:START-END; --switch N
// turns on the sentence option switch N (13: no word-sense association).
//
// Per sentence, after "# " and its text: "parses C" (the analyses in its
// graph), "result R" (the parser's answer: 62 for a glue analysis), then
// "parse N score S" and the tree, one node a line, indented two blanks a
// level: its category (' when primed), its words "from-to", the best score
// of its graph node, and at a leaf "= " and its Japanese.  A sentence
// without the analysis asked for prints "no parse N"; one that reached a
// limit prints "limit hit".  --kbest N prints "kbest" and one score a line,
// best first.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"
#include "tools/e2j/analysis_arguments.h"
#include "tools/e2j/preparsed_sentences.h"
#include "tools/e2j/subcommands.h"

namespace {

struct TreeRequest {
    unsigned speed = 10;
    unsigned parse = 0;
    unsigned kbest = 0;  // 0: print the tree
    std::vector<unsigned> switches;
    std::vector<POS_SETTING> settings;
};

std::string Score(float score) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(score));
    return text;
}

// The best score kept for a graph node: its record's first when the
// sentence keeps several, else its one source's.
float BestScore(Sentence& sentence, ALLP_TOP const* top) {
    if (top == nullptr) return 0.0f;
    if (sentence.Choices().HasRecords()) return sentence.Choices().Record(top->serial).Score(0);
    return top->sources != nullptr ? top->sources->score : 0.0f;
}

// Depth first without recursion: a long sentence makes a deep tree.
void PrintTree(Sentence& sentence, PARSED_NODE const* root, bool sjis, std::ostream& out) {
    std::vector<std::pair<PARSED_NODE const*, unsigned>> pending{{root, 0}};
    while (!pending.empty()) {
        auto const [node, depth] = pending.back();
        pending.pop_back();
        if (node->rightSibling != nullptr) pending.emplace_back(node->rightSibling, depth);
        if (node->firstChild != nullptr) pending.emplace_back(node->firstChild, depth + 1);
        out << std::string(2 * depth, ' ') << CategoryName(node->category)
            << ((node->flags & PARSED_NODE::kViewBit0) ? "'" : "") << " " << (node->endWord - node->span) << "-"
            << node->endWord << " " << Score(BestScore(sentence, node->graphNode));
        if (node->firstChild == nullptr) out << " = " << (node->japanese ? ShownText(node->japanese, sjis) : "");
        out << "\n";
    }
}

}  // namespace

int RunTree(Invocation& invocation) {
    TreeRequest request;
    std::vector<std::string> words;
    std::vector<std::string> const& arguments = invocation.arguments;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        bool const parse = argument == "--parse", kbest = argument == "--kbest";
        if (parse || kbest) {
            if (i + 1 == arguments.size()) throw UsageError("tree: " + argument + " needs a value");
            unsigned const most = parse ? kMostSavedParses - 1 : kMostSavedParses;
            (parse ? request.parse : request.kbest) = NumberArgument(arguments[++i], parse ? 0 : 1, most, "tree", argument);
        } else if (argument == "--setpos") {
            if (i + 1 == arguments.size()) throw UsageError("tree: --setpos needs FLAGS:START-END");
            request.settings.push_back(ParseSetting(arguments[++i], "tree"));
        } else if (argument == "--speed") {
            if (i + 1 == arguments.size()) throw UsageError("tree: --speed needs a value");
            request.speed = NumberArgument(arguments[++i], 0, 100, "tree", "--speed");
        } else if (argument == "--switch") {
            if (i + 1 == arguments.size()) throw UsageError("tree: --switch needs a value");
            request.switches.push_back(
                NumberArgument(arguments[++i], 1, AuxiliaryVerbsUserOption_J::kFlagCount, "tree", "--switch"));
        } else if (argument.rfind("--", 0) == 0 && argument != "--") {
            RefuseArgument("tree", argument);
        } else {
            words.push_back(argument);
        }
    }
    SentenceUserOptions options;
    options.fSpeed = static_cast<uint16_t>(request.speed);
    options.fMaxSavedParses = static_cast<uint16_t>(std::max(request.kbest, request.parse + 1));
    for (unsigned n : request.switches) options.fAuxiliaryVerbs.fFlags[n - 1] = 1;
    int status = kExitOk;
    int const preparsed = ForEachPreparsedSentence(
        invocation, words, "tree",
        [&](Sentence& sentence, Dictionary_EX const& lookup) {
            PARSED_NODE* tree = nullptr;
            try {
                for (POS_SETTING setting : request.settings) {
                    POS_SETTING result;
                    CSetPOS(&sentence, &result, &setting);
                }
                CBeforeParse(&sentence, nullptr, nullptr, false, lookup);
                uint16_t const result = Parser(&sentence).CParse();
                sentence.Choices().CMakeChoicePlatform();
                float count = 0;
                for (ALLP_TOP const* top = sentence.GraphTops(); top != nullptr; top = top->next)
                    count += top->analysisCount;
                invocation.out << "parses " << count << "\nresult " << result << "\n";
                CHOICE_PLATFORM& choices = sentence.Choices();
                if (request.kbest != 0) {
                    invocation.out << "kbest\n";
                    for (unsigned i = 0; i < request.kbest && i < count && choices.HasRecords(); ++i)
                        invocation.out << Score(choices.resultScores[i]) << "\n";
                    if (!choices.HasRecords() && sentence.GraphTops() != nullptr)
                        invocation.out << Score(BestScore(sentence, sentence.GraphTops())) << "\n";
                    return;
                }
                choices.selectedParse = static_cast<uint16_t>(request.parse);
                if (sentence.GraphTops() != nullptr) tree = ParseTreeCreator(&sentence).ExtractForTrans();
                if (tree == nullptr) {
                    invocation.out << "no parse " << request.parse << "\n";
                    status = kExitFailure;
                    return;
                }
                float const score =
                    choices.HasRecords() ? choices.resultScores[request.parse] : BestScore(sentence, sentence.GraphTops());
                invocation.out << "parse " << request.parse << " score " << Score(score) << "\n";
                PrintTree(sentence, tree, invocation.options.sjis, invocation.out);
                FreeSubtree(tree);
            } catch (HitLimitException const&) {
                if (tree != nullptr) FreeSubtree(tree);
                invocation.out << "limit hit\n";
                status = kExitFailure;
            }
        },
        options);
    return preparsed != kExitOk ? preparsed : status;
}
