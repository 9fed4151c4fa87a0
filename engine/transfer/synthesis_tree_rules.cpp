#include "engine/transfer/synthesis_tree_rules.h"

#include <cstring>
#include <vector>

#include "engine/foundation/cat_lists.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/pos_codes.h"
#include "engine/parse/semantic_match.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/synthesis_actors.h"
#include "engine/transfer/tree_edit.h"

namespace {

// The category lists the rules test.
constexpr int kClauseList = 0;
constexpr int kGappedClauseList = 1;
constexpr int kSentenceFinalList = 3;
constexpr int kTensedClauseList = 4;
constexpr int kVerbPhraseList = 5;
constexpr int kNegationList = 7;
constexpr int kTopicPhraseList = 9;
constexpr int kTopicLeafList = 10;

// Japanese parts of speech the "be" forms take.
constexpr uint32_t kJPosAdjective = 2;  // "na-i"
constexpr uint32_t kJPosVCr = 186;      // "ar-u"
constexpr uint32_t kJPosVV = 192;       // "i-ru"

// The n-th character (counting from 1) of the node's first feature string.
constexpr unsigned kTenseChar = 2;
constexpr unsigned kDefinitenessChar = 3;

// The Japanese of a glue piece.
constexpr char kGlomString[] = "\x81\x61";

// Subject nouns whose feature string fits one of these take "ha".
constexpr char const* kNomSpellFeats[] = {
    "***********2***", "***********1***", "***********3***", "***********4***", "***********5***",
    "***********6***", "***********7***", "***********8***", "***********9***",
};

bool InList(int list, PARSED_NODE const* node) { return InCategoryList(list, node->category); }

bool Is(PARSED_NODE const* node, POS_E_Source category) { return node != nullptr && node->category == category; }

char FeatureChar(PARSED_NODE const* node, unsigned n) { return node->features[0][n - 1]; }

bool HasNoJapanese(PARSED_NODE const* node) { return node->japanese == nullptr || node->japanese[0] == '\0'; }

// A new node the rules make: virtual, so that no rule takes it for the
// parser's own (a negation node found again would be inserted twice).
PARSED_NODE* NewNode(POS_E_Source category) { return NewVirtualNode(category); }

PARSED_NODE* NewTenseNode(char tense) {
    PARSED_NODE* tenseNode = NewNode(kCatTense);
    AppendChild(tenseNode, NewNode(tense == '1' ? kCatPresentTense : kCatPastTense));
    return tenseNode;
}

bool IsTenseChar(char c) { return c == '1' || c == '2'; }

// Visits node, its descendants and its right siblings, each node before its
// children.  Depth is the tree's, siblings are walked in a loop.
template <class Visit>
void PreOrder(PARSED_NODE* node, Visit const& visit) {
    for (PARSED_NODE* at = node; at != nullptr; at = at->rightSibling) {
        visit(at);
        PreOrder(at->firstChild, visit);
    }
}

// The same, each node after its children and the siblings to its right.
template <class Visit>
void PostOrder(PARSED_NODE* node, Visit const& visit) {
    std::vector<PARSED_NODE*> chain;
    for (PARSED_NODE* at = node; at != nullptr; at = at->rightSibling) chain.push_back(at);
    for (PARSED_NODE* at : chain) PostOrder(at->firstChild, visit);
    for (auto at = chain.rbegin(); at != chain.rend(); ++at) visit(*at);
}

// The last node of a chain, passing back over trailing negation nodes and
// closing quotes; null when nothing else is left.
PARSED_NODE* LastBeforeTrailers(PARSED_NODE* first) {
    PARSED_NODE* at = GetLastSibling(first);
    while (at != nullptr && (Is(at, kCatNegation) || Is(at, kCatCLOSEQ))) at = GetLeftSibling(at);
    return at;
}

// The clause's own tense, which its rule took from the word that carries
// it (in "What did John eat?" the auxiliary, which stays in front of the
// verb); else the tense of the verb that ends the clause; or 0.
char ClauseTense(PARSED_NODE* clause) {
    if (std::strlen(clause->features[0]) >= kTenseChar && IsTenseChar(FeatureChar(clause, kTenseChar)))
        return FeatureChar(clause, kTenseChar);
    for (PARSED_NODE* at = LastBeforeTrailers(clause->firstChild); at != nullptr;
         at = LastBeforeTrailers(at->firstChild)) {
        if (IsVerbishType(at) && IsTenseChar(FeatureChar(at, kTenseChar))) return FeatureChar(at, kTenseChar);
    }
    return 0;
}

// Down the rightmost line from first: the chain's last node, then its first
// child, then that child's chain's last node, and so on; the first node that
// passes.
template <class Test>
PARSED_NODE* FindOnRightmostLine(PARSED_NODE* first, Test const& test) {
    for (PARSED_NODE* at = GetLastSibling(first); at != nullptr; at = GetLastSibling(at->firstChild)) {
        if (test(at)) return at;
        if (at->firstChild != nullptr && test(at->firstChild)) return at->firstChild;
    }
    return nullptr;
}

// A negation word in the chain, searching below nodes that are not clauses
// or verb phrases; nodes the rules made are passed over.
bool FoundNeg(PARSED_NODE const* node) {
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        if ((at->flags & kVirtualNode) != 0) continue;
        if (InList(kNegationList, at)) return true;
        if (!InList(kTensedClauseList, at) && !InList(kVerbPhraseList, at) && FoundNeg(at->firstChild)) return true;
    }
    return false;
}

bool FoundADVONLY(PARSED_NODE const* node) {
    for (PARSED_NODE const* at = node; at != nullptr; at = at->rightSibling) {
        if (Is(at, kCatADVONLY)) return true;
        if (!InList(kTensedClauseList, at) && FoundADVONLY(at->firstChild)) return true;
    }
    return false;
}

bool MatchesANomSpellFeature(char const* features) {
    std::size_t const length = std::strlen(features);
    for (char const* pattern : kNomSpellFeats) {
        if (length == std::strlen(pattern) && FeatureCharsMatch(pattern, features)) return true;
    }
    return false;
}

// "ha" or "ga" for the subject particle after the noun phrase.
char const* SubjectParticle(PARSED_NODE* phrase) {
    PARSED_NODE* const np = FindRightmostNP(phrase);
    if (np == nullptr) return "ga";
    for (PARSED_NODE* at = np; at != nullptr; at = at->firstChild) {
        if (IsPPLike(at->category) || InList(kClauseList, at) || InList(kGappedClauseList, at)) break;
        if (at->category <= kMaxValidPOS_E_Source && IsArtLike(POS_E_Source{static_cast<uint16_t>(at->category)}) &&
            FeatureChar(at, kDefinitenessChar) != '1')
            return "ga";
        if (InList(kTopicPhraseList, at)) return "ha";
    }
    PARSED_NODE* leaf = np;
    while (leaf->firstChild != nullptr) leaf = GetLastSibling(leaf->firstChild);
    if (InList(kTopicLeafList, leaf)) return "ha";
    if (leaf->category <= kMaxValidPOS_E_Source && IsNounLike(POS_E_Source{static_cast<uint16_t>(leaf->category)}) &&
        MatchesANomSpellFeature(leaf->features[0]))
        return "ha";
    return "ga";
}

void NomSpellClauseChain(PARSED_NODE* node, bool inClause, bool* changed) {
    for (PARSED_NODE* at = node; at != nullptr; at = at->rightSibling) {
        bool childrenInClause = inClause;
        if (inClause) {
            PARSED_NODE* const last = GetLastChild(at);
            if (Is(at, kCatNP) && (at->flags & kPrimeNode) != 0 && Is(last, kCatNom) && HasNoJapanese(last)) {
                last->SetJapanese("ga");
                *changed = true;
            }
        } else {
            childrenInClause = at->category != kCatBad && InList(kClauseList, at) &&
                               !Is(at, kCatTopLevelNonClause) && !Is(at, kCatSentence);
        }
        NomSpellClauseChain(at->firstChild, childrenInClause, changed);
    }
}

}  // namespace

bool IsPPLike(uint32_t category) { return std::strncmp(CategoryName(category), "PP", 2) == 0; }

PARSED_NODE* FindRightmostNP(PARSED_NODE* node) {
    if (node == nullptr) return nullptr;
    if (PARSED_NODE* const below = FindRightmostNP(GetLastChild(node))) return below;
    return Is(node, kCatNP) ? node : nullptr;
}

bool TenseExtraction(PARSED_NODE* tree) {
    bool changed = false;
    PostOrder(tree, [&](PARSED_NODE* node) {
        if (!InList(kTensedClauseList, node)) return;
        char const tense = ClauseTense(node);
        if (tense == 0) return;
        AppendChild(node, NewTenseNode(tense));
        changed = true;
    });
    return changed;
}

bool VPTenseExtraction(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        if ((node->flags & kPrimeNode) == 0 || !InList(kVerbPhraseList, node)) return;
        PARSED_NODE* const first = node->firstChild;
        if (first == nullptr || first->category != node->category || (first->flags & kPrimeNode) != 0 ||
            !IsTenseChar(FeatureChar(first, kTenseChar)))
            return;
        PARSED_NODE* const coordinator = first->rightSibling;
        if (coordinator == nullptr || coordinator->rightSibling == nullptr ||
            coordinator->rightSibling->category != node->category)
            return;
        bool coordinated = false;
        for (PARSED_NODE* at = coordinator; at != nullptr && !coordinated; at = at->firstChild)
            coordinated = Is(at, kCatCoordinator);
        if (!coordinated) return;
        InsertRightOf(first, NewTenseNode(FeatureChar(first, kTenseChar)));
        changed = true;
    });
    return changed;
}

bool BERules(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        if (!InList(kTensedClauseList, node) || node->firstChild == nullptr) return;
        PARSED_NODE* subject = node->firstChild;
        while (subject != nullptr && !Is(subject, kCatNP)) subject = subject->rightSibling;
        if (subject == nullptr) return;
        bool const animate = SemExactMatch(subject, "animate");
        PARSED_NODE* predicate = subject->rightSibling;
        while (predicate != nullptr && !Is(predicate, kCatPredicate)) predicate = predicate->rightSibling;
        PARSED_NODE* be = predicate;
        while (be != nullptr && !Is(be, kCatBE)) be = be->firstChild;
        if (be == nullptr) return;
        changed = true;
        if (be->japanese == nullptr) return;
        // A new string, never written over the old one: "ina-" is longer
        // than "BE".
        if (std::strcmp(be->japanese, "BE") == 0) {
            be->SetJapanese(animate ? "i-" : "ar-");
            be->japanesePOS = animate ? kJPosVV : kJPosVCr;
        } else if (std::strcmp(be->japanese, "BE-Neg") == 0) {
            be->SetJapanese(animate ? "ina-" : "na-");
            be->japanesePOS = kJPosAdjective;
        }
    });
    return changed;
}

bool ForCompDeletion(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        PARSED_NODE* const child = node->firstChild;
        if (!Is(node, kCatForComplement) || !Is(child, kCatPREPADJ) || child->rightSibling != nullptr ||
            std::strcmp(child->features[0], "for") != 0)
            return;
        FreeSubtree(child);
        changed = true;
    });
    return changed;
}

bool NegationIncorporationInVP(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        if (!InList(kVerbPhraseList, node) || !FoundNeg(node->firstChild)) return;
        if (FindOnRightmostLine(node->firstChild, [](PARSED_NODE* at) { return IsVerbishType(at); }) == nullptr)
            return;
        InsertRightOf(node, NewNode(kCatNegation));
        changed = true;
    });
    return changed;
}

bool NegationIncorporationOutVP(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        if (!InList(kTensedClauseList, node) || !FoundNeg(node->firstChild)) return;
        for (PARSED_NODE* at = node->firstChild; at != nullptr;) {
            bool const nearTheEnd = at->rightSibling == nullptr || at->rightSibling->rightSibling == nullptr;
            if (nearTheEnd && InList(kSentenceFinalList, at)) {
                TreeInserter(at, TreeInserter::kAsLeftSibling).Insert(NewNode(kCatNegation));
                changed = true;
                return;
            }
            at = at->rightSibling != nullptr ? at->rightSibling : at->firstChild;
        }
    });
    return changed;
}

bool OnlyRule(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        if (!InList(kTensedClauseList, node) || !FoundADVONLY(node->firstChild)) return;
        PARSED_NODE* const tense =
            FindOnRightmostLine(node->firstChild, [](PARSED_NODE* at) { return Is(at, kCatTense); });
        if (tense == nullptr) return;
        PARSED_NODE* only = NewVirtualNode(kCatBad);
        only->SetJapanese("dakede-aru");
        InsertRightOf(tense, only);
        changed = true;
    });
    return changed;
}

bool NomSpellClause(PARSED_NODE* tree) {
    bool changed = false;
    NomSpellClauseChain(tree, false, &changed);
    return changed;
}

bool NomSpellNP(PARSED_NODE* tree) {
    bool changed = false;
    PreOrder(tree, [&](PARSED_NODE* node) {
        PARSED_NODE* const particle = node->rightSibling;
        if (!Is(node, kCatNP) || !Is(particle, kCatNom) || !HasNoJapanese(particle)) return;
        particle->SetJapanese(SubjectParticle(node));
        changed = true;
    });
    return changed;
}

bool PerformJSynTreeCodes(PARSED_NODE* tree) {
    bool changed = false;
    for (bool (*rule)(PARSED_NODE*) :
         {ObjectParticleRule, TenseExtraction, VPTenseExtraction, BERules, ForCompDeletion,
          NegationIncorporationInVP, NegationIncorporationOutVP, OnlyRule, NomSpellClause, TopicRules, NomSpellNP})
        changed = rule(tree) || changed;
    return changed;
}

void QuickSynthesis(PARSED_NODE* tree, bool skip) {
    if (skip) return;
    PreOrder(tree, [](PARSED_NODE* node) {
        if (Is(node, kCatGlomPiece)) node->SetJapanese(kGlomString);
    });
}
