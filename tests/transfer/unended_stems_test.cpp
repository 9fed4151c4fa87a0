// Stems whose ending never comes take their dictionary form, so no romaji
// consonant is left to join the next node's text.
#include "engine/transfer/unended_stems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UnendedStems, PendingConsonantsAreTheLettersBeforeTheJoint) {
    struct Case {
        char const* japanese;
        char const* pending;
    } const cases[] = {
        {"{}dear-", "r"}, {"{X}k-", "k"}, {"bekidear-", "r"}, {"{X}-", ""}, {"{X}su-", ""}, {"{X}", ""}, {"-wo", ""},
    };
    for (Case const& c : cases) EXPECT_EQ(PendingStemConsonants(c.japanese), c.pending) << c.japanese;
}

TEST(UnendedStems, AnEndingMustMakeASyllableWithThePendingLetters) {
    struct Case {
        char const* pending;
        char const* next;
        bool ends;
    } const cases[] = {
        {"r", "u", true},    {"r", "imasu", true}, {"r", "-anai", true},  {"r", "ga", false}, {"r", "{X}", false},
        {"r", "{}-u", true}, {"r", "", false},     {"r", nullptr, false}, {"k", "ta", false},
    };
    for (Case const& c : cases)
        EXPECT_EQ(EndsPendingStem(c.pending, c.next), c.ends) << c.pending << " + " << (c.next ? c.next : "null");
}

// A root over leaves with these Japanese texts, in reading order.
std::vector<std::string> FinishedLeaves(std::vector<char const*> const& texts) {
    PARSED_NODE root;
    PARSED_NODE* previous = nullptr;
    for (char const* text : texts) {
        auto* leaf = new PARSED_NODE;
        leaf->SetJapanese(text);
        if (previous == nullptr) {
            root.firstChild = leaf;
        } else {
            previous->rightSibling = leaf;
        }
        leaf->back = previous != nullptr ? previous : &root;
        previous = leaf;
    }
    FinishUnendedStems(&root);
    std::vector<std::string> finished;
    for (PARSED_NODE const* leaf = root.firstChild; leaf != nullptr; leaf = leaf->rightSibling)
        finished.push_back(leaf->japanese);
    FreeSubtree(root.firstChild);
    root.firstChild = nullptr;
    return finished;
}

TEST(UnendedStems, AStemNoEndingFollowsTakesItsDictionaryForm) {
    struct Case {
        std::vector<char const*> texts;
        std::vector<std::string> finished;
    } const cases[] = {
        // A copula before a noun and its particle: である, never であ...rga.
        {{"{}dear-", "{X}", "ga"}, {"{}dearu", "{X}", "ga"}},
        // The last word of the tree, and a "w" stem (買う).
        {{"{X}", "{Y}w-"}, {"{X}", "{Y}u"}},
        // Stems their ending follows stay as they are.
        {{"{X}k-", "u", "{Y}"}, {"{X}k-", "u", "{Y}"}},
        {{"ar-", "imasu"}, {"ar-", "imasu"}},
        {{"{X}k-", "{}", "-", "u"}, {"{X}k-", "{}", "-", "u"}},
        {{"{X}-", "{Y}"}, {"{X}-", "{Y}"}},
    };
    for (Case const& c : cases) EXPECT_EQ(FinishedLeaves(c.texts), c.finished) << c.texts.front();
}

}  // namespace
