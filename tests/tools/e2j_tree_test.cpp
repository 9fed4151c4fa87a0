// e2j tree: the tree of a sentence's best or N-th analysis, and the N best
// scores of its analyses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tools/e2j_golden.h"

namespace {

// One printed node: its depth, its category and the rest of its line.
struct Node {
    std::size_t depth;
    std::string category;
    std::string line;
};

// The nodes of the first tree printed.
std::vector<Node> Tree(std::string const& output) {
    std::istringstream lines(output);
    std::vector<Node> nodes;
    bool inTree = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("parse ", 0) == 0) {
            inTree = true;
            continue;
        }
        if (!inTree) continue;
        if (line.rfind("# ", 0) == 0) break;
        std::size_t const depth = line.find_first_not_of(' ') / 2;
        std::string const text = line.substr(depth * 2);
        nodes.push_back({depth, text.substr(0, text.find(' ')), text});
    }
    return nodes;
}

// The category of the parent of the first node of `category`.
std::string ParentOf(std::vector<Node> const& nodes, std::string const& category) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].category != category) continue;
        for (std::size_t j = i; j-- > 0;)
            if (nodes[j].depth < nodes[i].depth) return nodes[j].category;
    }
    return "";
}

// The leaves' texts after "= ", left to right.
std::vector<std::string> Leaves(std::vector<Node> const& nodes) {
    std::vector<std::string> leaves;
    for (Node const& node : nodes) {
        std::size_t const at = node.line.find(" = ");
        if (at != std::string::npos) leaves.push_back(node.line.substr(at + 3));
    }
    return leaves;
}

// The tree without the scores, which any change of a weight moves.
std::string Shape(std::vector<Node> const& nodes) {
    std::string shape;
    for (Node const& node : nodes) {
        std::istringstream words(node.line);
        std::string word;
        shape += std::string(node.depth * 2, ' ');
        while (words >> word)
            if (word.find_first_not_of("-0123456789.") != std::string::npos || word.find('-', 1) != std::string::npos)
                shape += word + " ";
        shape += "\n";
    }
    return shape;
}

TEST(E2jTree, RefusesBadArguments) {
    struct Case {
        char const* arguments;
        char const* message;
    } const cases[] = {
        {"tree --parse 20 x", "e2j: tree: --parse takes 0 to 19, not '20'"},
        {"tree --kbest 0 x", "e2j: tree: --kbest takes 1 to 20, not '0'"},
        {"tree --kbest many x", "e2j: tree: --kbest takes 1 to 20, not 'many'"},
        {"tree --speed 101 x", "e2j: tree: --speed takes 0 to 100, not '101'"},
        {"tree --kbest", "e2j: tree: --kbest needs a value"},
        {"tree --depth 3 x", "e2j: tree: unknown option '--depth'"},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(c.arguments);
        EXPECT_EQ(outcome.exitCode, 2) << c.arguments;
        EXPECT_EQ(outcome.output.rfind(c.message, 0), 0u) << c.arguments << ":\n" << outcome.output;
    }
}

TEST(E2jTree, TheBestTreeHasTheDictionaryJapaneseAtItsLeaves) {
    CommandOutcome const outcome = E2j("tree 'I ate an apple.'");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("\nresult 0\n"), std::string::npos) << outcome.output;
    std::vector<Node> const tree = Tree(outcome.output);
    ASSERT_FALSE(tree.empty()) << outcome.output;
    EXPECT_EQ(tree.front().category, "S");
    EXPECT_EQ(tree.front().line.rfind("S 0-4 ", 0), 0u);
    EXPECT_EQ(Leaves(tree), (std::vector<std::string>{"{私}", "{食べ}-", "{}", "{りんご}", "{。}"})) << outcome.output;
}

TEST(E2jTree, TwoAttachmentsGiveTwoParsesAndTheSecondIsAnotherTree) {
    std::string const sentence = "'I saw the man with a telescope.'";
    CommandOutcome const best = E2j("tree " + sentence);
    CommandOutcome const second = E2j("tree --parse 1 " + sentence);
    CommandOutcome const third = E2j("tree --parse 2 " + sentence);
    CommandOutcome const kbest = E2j("tree --kbest 3 " + sentence);
    ASSERT_EQ(best.exitCode, 0) << best.output;
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_NE(best.output.find("\nparses 2\n"), std::string::npos) << best.output;
    EXPECT_NE(Shape(Tree(best.output)), Shape(Tree(second.output)));
    EXPECT_EQ(ParentOf(Tree(best.output), "PP") == "VP", ParentOf(Tree(second.output), "PP") == "NP");
    // Only two analyses exist: a third is none.
    EXPECT_EQ(third.exitCode, 1);
    EXPECT_NE(third.output.find("\nno parse 2\n"), std::string::npos) << third.output;
    // The kept scores, best first, one per analysis.
    std::istringstream lines(kbest.output.substr(kbest.output.find("kbest\n") + 6));
    std::vector<double> scores;
    for (std::string line; std::getline(lines, line);) scores.push_back(std::strtod(line.c_str(), nullptr));
    ASSERT_EQ(scores.size(), 2u) << kbest.output;
    EXPECT_GE(scores[0], scores[1]);
}

TEST(E2jTree, ASentenceWithoutAnAnalysisIsGluedFromPieces) {
    CommandOutcome const outcome = E2j("tree 'dog the meat eats .'");
    ASSERT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("\nresult 62\n"), std::string::npos) << outcome.output;
    std::vector<Node> const tree = Tree(outcome.output);
    ASSERT_FALSE(tree.empty()) << outcome.output;
    EXPECT_EQ(tree.front().category, "GLUETOP");
    EXPECT_EQ(Leaves(tree), (std::vector<std::string>{"{犬}", "{}", "{肉}", "{食べ}-", "{。}"})) << outcome.output;
}

// What a phrase attaches to, and which sense a word takes, follow from the
// meanings of the words around it; with the word-sense expert switched off
// the dictionary's first translation stands; a stretch the user sets as
// literal is kept as it is.
TEST(E2jTree, MeaningsAndSettingsDecideAttachmentAndLeaves) {
    struct Case {
        char const* arguments;
        char const* category;
        char const* parent;    // of the first node of `category`, or null
        char const* japanese;  // a leaf that must be there, or null
    } const cases[] = {
        {"'I ate rice with chopsticks.'", "PP", "VP", nullptr},
        {"'I ate rice with beans.'", "PP", "NP", nullptr},
        {"'I checked the balance of my account.'", "N", nullptr, "{口座}"},
        {"'He gave an account of his trip.'", "N", nullptr, "{説明}"},
        {"--switch 13 'I checked the balance of my account.'", "N", nullptr, "{口座}"},
        {"--switch 13 'He gave an account of his trip.'", "N", nullptr, "{口座}"},
        // A stretch set literal stays the English it is, one node.
        {"'I read New York Times.'", "N", nullptr, "{ニューヨーク・タイムズ}"},
        {"--setpos 0x8000:7-21 'I read New York Times.'", "N", nullptr, "{New York Times}"},
    };
    for (Case const& c : cases) {
        CommandOutcome const outcome = E2j(std::string("tree ") + c.arguments);
        ASSERT_EQ(outcome.exitCode, 0) << c.arguments << ":\n" << outcome.output;
        std::vector<Node> const tree = Tree(outcome.output);
        if (c.parent != nullptr) {
            EXPECT_EQ(ParentOf(tree, c.category), c.parent) << c.arguments << ":\n" << outcome.output;
        }
        if (c.japanese != nullptr) {
            std::vector<std::string> const leaves = Leaves(tree);
            EXPECT_NE(std::find(leaves.begin(), leaves.end(), c.japanese), leaves.end())
                << c.arguments << ":\n" << outcome.output;
        }
    }
}

// Pruning harder may cost time saved, never the analysis: each structure
// of the grammar gets the same best tree at the slowest, a middle and the
// fastest speed.
TEST(E2jTree, TheBestTreeIsTheSameAtEverySpeed) {
    char const* const sentences[] = {
        "The dog eats meat.",          "I ate an apple.",
        "A dog runs.",                 "The cat ate the fish.",
        "She reads a book in the library.", "He went to the station.",
        "John met Mary.",              "Do not eat the meat.",
        "The big dog runs in the park.", "The book on the table is red.",
        "Does the dog eat meat?",      "What does the dog eat?",
        "The dog does not eat meat.",  "Eat the apple!",
        "I saw the man with a telescope.", "The dog and the cat eat meat.",
        "He is a teacher.",            "She can read the book.",
        "The dog runs quickly.",       "Is the book red?",
        "Who broke the window?",       "Where does she live?",
        "Is he a student?",            "The man who lives here is a teacher.",
        "The book that I bought is red.", "I stayed home because it rained.",
        "If it rains, I will stay home.", "John eats fish and Mary eats meat.",
    };
    for (char const* sentence : sentences) {
        std::string shapes[3];
        unsigned const speeds[] = {0, 50, 100};
        for (int i = 0; i < 3; ++i) {
            CommandOutcome const outcome = E2j("tree --speed " + std::to_string(speeds[i]) + " '" + sentence + "'");
            EXPECT_EQ(outcome.exitCode, 0) << sentence << " at " << speeds[i] << ":\n" << outcome.output;
            shapes[i] = Shape(Tree(outcome.output));
        }
        EXPECT_EQ(shapes[0].rfind("S 0-", 0), 0u) << sentence << ":\n" << shapes[0];
        EXPECT_EQ(shapes[1], shapes[0]) << sentence << " at 50";
        EXPECT_EQ(shapes[2], shapes[0]) << sentence << " at 100";
    }
}

}  // namespace
