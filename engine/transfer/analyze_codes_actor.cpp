#include "engine/transfer/analyze_codes_actor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/cat_lists.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/parse/semantic_match.h"
#include "engine/transfer/analysis_bitmap.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/pin_tail.h"
#include "engine/transfer/wildcard_match.h"

namespace {

// Term kinds.
enum : uint8_t {
    kCategoryKind = 1,
    kFeatureKind = 2,
    kJapanesePOSKind = 11,
    kAncestorsKind = 12,  // a test; as an action, the ending
    kJapaneseKind = 13,
    kSurfaceKind = 14,
    kBaseKind = 15,
    kSemanticKind = 16,
    kLeftmostKind = 17,
    kAncestorsKind2 = 18,
    kJapaneseStartKind = 19,
    kCopyKind = 20,
    kPasteKind = 21,
    kRealChildrenKind = 22,
    kLiftSkipKind = 23,
    kRightmostKind = 24,
    kSpanStartKind = 25,
    kSpanEndKind = 26,
    kWildcardKind = 27,
    kBaseIgnoringCaseKind = 28,
    kSlot0Kind = 50,
    kSlot2Kind = 52,
    kAlwaysKind = 53,
};

// Move modes of an action.
enum : uint8_t { kMoveUp = 0, kMoveAlong = 1, kMoveFromLeftmost = 2, kMoveFromRightmost = 3, kMoveToSpan = 4 };

// Clauses spelt in plain style whatever the sentence's style.
constexpr int kPlainStyleClauseList = 36;

char const kGoneName[] = "GONE";
char const kGlomText[] = "\x81\x61";

// The number a term's text gives (0 when it gives none).
int TextNumber(char const* text) { return text != nullptr ? static_cast<int>(std::strtol(text, nullptr, 10)) : 0; }

// An English text of the node's dictionary reading, or null without one.
std::string ReadingText(PARSED_NODE const* node, bool baseForm) {
    FinePOS_EX const& finePOS = node->reading.Get().GetFinePOS();
    return baseForm ? finePOS.GetBaseForm().GetEntry().GetSrcText() : finePOS.GetEntry().GetSrcText();
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = ASCIIToLower(c);
    return text;
}

// Whether every category name of the list names the next ancestor upward;
// an ancestor of its child's category with the prime flag may be passed.
bool AncestorsMatch(PARSED_NODE const* node, char const* list) {
    PARSED_NODE const* child = node;
    char const* at = list;
    for (;;) {
        while (*at == ' ') ++at;
        if (*at == '\0') return true;
        char const* const end = std::strchr(at, ' ') != nullptr ? std::strchr(at, ' ') : at + std::strlen(at);
        std::string const name(at, end);
        at = end;
        bool const prefix = !name.empty() && name.back() == '*';
        std::string const wanted = prefix ? name.substr(0, name.size() - 1) : name;
        for (PARSED_NODE const* ancestor = GetParent(child);; ancestor = GetParent(ancestor)) {
            if (ancestor == nullptr) return false;
            char const* const category = CategoryName(ancestor->category);
            bool const matches =
                prefix ? std::strncmp(category, wanted.c_str(), wanted.size()) == 0 : wanted == category;
            if (matches) {
                child = ancestor;
                break;
            }
            bool const passable = ancestor->category == child->category && (ancestor->flags & kPrimeNode) != 0;
            if (!passable) return false;
            child = ancestor;
        }
    }
}

bool IsAnyPattern(char const* text) { return std::strcmp(text, "*") == 0; }

bool AncestorMatches(PARSED_NODE const* ancestor, char const* text) {
    return IsAnyPattern(text) || ConstituentMatchesNode(ancestor, text);
}

// No sibling but emptied ones before the node, at every level up to the
// first ancestor the text matches; at the root, only the empty text holds.
bool LeftmostUpTo(PARSED_NODE const* node, char const* text) {
    for (PARSED_NODE const* at = node;;) {
        for (PARSED_NODE const* left = GetLeftSibling(at); left != nullptr; left = GetLeftSibling(left))
            if (left->category != kGoneCategory) return false;
        PARSED_NODE const* const parent = GetParent(at);
        if (parent == nullptr) return text[0] == '\0';
        if (AncestorMatches(parent, text)) return true;
        at = parent;
    }
}

// No right sibling at all at every level up to the first ancestor the text
// matches; at the root, only the empty text holds.
bool RightmostUpTo(PARSED_NODE const* node, char const* text) {
    for (PARSED_NODE const* at = node;;) {
        if (at->rightSibling != nullptr) return false;
        PARSED_NODE const* const parent = GetParent(at);
        if (parent == nullptr) return text[0] == '\0';
        if (AncestorMatches(parent, text)) return true;
        at = parent;
    }
}

bool RealChildrenCount(PARSED_NODE const* node, char const* text) {
    char* rest = nullptr;
    long const wanted = std::strtol(text, &rest, 10);
    long count = 0;
    for (PARSED_NODE const* child = node->firstChild; child != nullptr; child = child->rightSibling)
        if (DominatesARealLeafNode(child)) ++count;
    if (*rest == '+') return count > wanted;
    if (*rest == '-') return count < wanted;
    return count == wanted;
}

// A list of free-feature values ("-" first negates) against the whole string.
bool FeatureValueListMatch(char const* text, char const* features) {
    bool const negated = text[0] == '-';
    bool found = false;
    for (char const* at = negated ? text + 1 : text; *at != '\0';) {
        std::size_t const length = std::strcspn(at, " -,");
        if (length > 0 && std::strlen(features) == length && std::strncmp(at, features, length) == 0) found = true;
        at += length;
        if (*at != '\0') ++at;
    }
    return found != negated;
}

bool StartsLowerCase(char const* text) { return text[0] >= 'a' && text[0] <= 'z'; }

// A copy of the node and its descendants, without its right siblings.
PARSED_NODE* CopyNodeAndDescendants(PARSED_NODE const* node) {
    auto* copy = new PARSED_NODE(*node);
    if (node->firstChild != nullptr) {
        try {
            copy->firstChild = CopySubtree(node->firstChild);
        } catch (...) {
            delete copy;
            throw;
        }
        copy->firstChild->back = copy;
    }
    return copy;
}

}  // namespace

AnalyzeCodesContext::~AnalyzeCodesContext() {
    for (PARSED_NODE* subtree : fRemoved) {
        // A later action may have put a node before the chain's head.
        while (subtree->back != nullptr) subtree = subtree->back;
        FreeSubtree(subtree);
    }
}

bool InPlainStyleClause(PARSED_NODE const* node) {
    for (PARSED_NODE const* at = node; at != nullptr; at = GetParent(at))
        if (InCategoryList(kPlainStyleClauseList, at->category)) return true;
    return false;
}

bool HasPlainStyleClause(PARSED_NODE const* tree) {
    return AnyNodeOfTree(
        tree, [](PARSED_NODE const* at) { return InCategoryList(kPlainStyleClauseList, at->category); });
}

short AnalyzeCodesMatcherActor::Match(PARSED_NODE* node, short i) {
    if (i == 0 && fContext->actionBudget == 0) return 0;
    if (i == 0 && fScope != PlainClauseScope::kAnywhere &&
        InPlainStyleClause(node) != (fScope == PlainClauseScope::kInside))
        return 0;
    fSkipIsBarrier = 1;
    AnalTerm const* const terms = TermsOf(i);
    for (unsigned t = 0; t < fConstits[i].termCount; ++t) {
        if ((terms[t].flags & AnalTerm::kAction) != 0) continue;
        if (!TermMatch(node, terms[t])) return 0;
    }
    return fCount;
}

bool AnalyzeCodesMatcherActor::TermMatch(PARSED_NODE* node, AnalTerm const& term) {
    char const* const text = term.text != nullptr ? term.text : "";
    switch (term.kind) {
        case kCategoryKind:
            return AnalStringMatch(text, CategoryName(node->category));
        case kFeatureKind:
            return FeatureTest(node, term);
        case kJapanesePOSKind:
            return AnalStringMatch(text, JapanesePOSName(node->japanesePOS));
        case kAncestorsKind:
        case kAncestorsKind2:
            return AncestorsMatch(node, text);
        case kJapaneseKind:
            return node->japanese != nullptr ? AnalStringMatch(text, node->japanese) : IsAnyPattern(text);
        case kSurfaceKind:
            return !node->reading.IsNull() && AnalStringMatch(text, ReadingText(node, false).c_str());
        case kBaseKind:
            return !node->reading.IsNull() && AnalStringMatch(text, ReadingText(node, true).c_str());
        case kBaseIgnoringCaseKind:
            return !node->reading.IsNull() &&
                   AnalStringMatch(LowerCase(text).c_str(), LowerCase(ReadingText(node, true)).c_str());
        case kSemanticKind: {
            bool const negated = text[0] == '-';
            unsigned short atom = 0;
            if (!gSemanticAtomDatabase_E_Source().Lookup(negated ? text + 1 : text, &atom)) return false;
            return SemAtomMatch(node, negated ? static_cast<uint16_t>(-atom) : atom);
        }
        case kLeftmostKind:
            return LeftmostUpTo(node, text);
        case kRealChildrenKind:
            return RealChildrenCount(node, text);
        case kLiftSkipKind:
            fSkipIsBarrier = 0;
            return true;
        case kRightmostKind:
            return RightmostUpTo(node, text);
        case kSpanStartKind:
            return SpanStartTest(node, text);
        case kSpanEndKind:
            return SpanEndTest(node);
        case kWildcardKind:
            return node->japanese != nullptr && FancyWildcardMatch(text, node->japanese);
        case kSlot0Kind:
        case kSlot0Kind + 1:
        case kSlot2Kind:
            return SemExactSlotMatch(node, static_cast<uint16_t>(term.kind - kSlot0Kind), text);
        case kCopyKind:
        case kPasteKind:
        case kAlwaysKind:
            return true;
        default:
            return AnalStringMatch(text, "");
    }
}

bool AnalyzeCodesMatcherActor::FeatureTest(PARSED_NODE const* node, AnalTerm const& term) const {
    if (term.featureIndex >= PARSED_NODE::kFeatureSetCount) return false;
    char features[PARSED_NODE::kFeatureTextSize + 1] = {};
    std::memcpy(features, node->features[term.featureIndex], PARSED_NODE::kFeatureTextSize);
    if (StartsLowerCase(term.text) || StartsLowerCase(features)) return FeatureValueListMatch(term.text, features);
    return FeatureCharsMatch(term.text, features);
}

// Climbing while the node is a first child, the ancestors so reached that
// match the text, nearest first; kept for the span end test.
bool AnalyzeCodesMatcherActor::SpanStartTest(PARSED_NODE const* node, char const* text) {
    fSpanPattern = text;
    fAncestors.clear();
    for (PARSED_NODE const* at = node; at->back != nullptr && at->back->firstChild == at; at = at->back)
        if (AncestorMatches(at->back, text)) fAncestors.push_back(at->back);
    return !fAncestors.empty();
}

// Climbing while the node is a last child, the ancestors that match the
// stored pattern; the first of the start test's list among them spans both.
bool AnalyzeCodesMatcherActor::SpanEndTest(PARSED_NODE const* node) {
    std::vector<PARSED_NODE const*> ends;
    for (PARSED_NODE const* at = node; at->rightSibling == nullptr;) {
        PARSED_NODE const* const parent = GetParent(at);
        if (parent == nullptr) break;
        if (AncestorMatches(parent, fSpanPattern.c_str())) ends.push_back(parent);
        at = parent;
    }
    fSpanningNode = nullptr;
    for (PARSED_NODE const* start : fAncestors) {
        if (std::find(ends.begin(), ends.end(), start) != ends.end()) {
            fSpanningNode = const_cast<PARSED_NODE*>(start);
            return true;
        }
    }
    return false;
}

void AnalyzeCodesMatcherActor::PerformActions(PARSED_NODE** slots) {
    if (fContext->actionBudget == 0) return;
    --fContext->actionBudget;
    ++fContext->actionsPerformed;
    // The copies are taken before any action changes the tree.
    struct CopiesHolder {
        PARSED_NODE** copies;
        ~CopiesHolder() {
            for (unsigned n = 0; n <= kCopySlots; ++n) {
                FreeSubtree(copies[n]);
                copies[n] = nullptr;
            }
        }
    } const holder{fCopies};
    for (short c = 0; c < fCount; ++c) {
        if (slots[c] == nullptr) continue;
        AnalTerm const* const terms = TermsOf(c);
        for (unsigned t = 0; t < fConstits[c].termCount; ++t) {
            if (terms[t].kind != kCopyKind) continue;
            int const n = TextNumber(terms[t].text);
            if (n < 1 || n > static_cast<int>(kCopySlots)) continue;
            FreeSubtree(fCopies[n]);
            fCopies[n] = nullptr;
            fCopies[n] = CopyNodeAndDescendants(slots[c]);
        }
    }
    for (short c = 0; c < fCount; ++c) {
        AnalTerm const* const terms = TermsOf(c);
        for (unsigned t = 0; t < fConstits[c].termCount; ++t) {
            AnalTerm const& term = terms[t];
            // A starred constituent matched zero times has no node to act on.
            if ((term.flags & AnalTerm::kAction) == 0 || slots[c] == nullptr) continue;
            PARSED_NODE* target = MoveTarget(slots[c], term);
            if (target == nullptr) continue;
            if ((term.flags & (AnalTerm::kInsertAfter | AnalTerm::kInsertBefore)) != 0) {
                // A root has no siblings its owner would know of.
                if (GetParent(target) == nullptr) continue;
                int const n = TextNumber(term.text);
                bool const paste =
                    term.kind == kPasteKind && n >= 1 && n <= static_cast<int>(kCopySlots) && fCopies[n] != nullptr;
                PARSED_NODE* const inserted = paste ? CopyNodeAndDescendants(fCopies[n]) : NewVirtualNode(0);
                if ((term.flags & AnalTerm::kInsertAfter) != 0)
                    InsertRightOf(target, inserted);
                else
                    InsertLeftOf(target, inserted);
                target = inserted;
                slots[c] = inserted;
            }
            PerformAction(target, term);
        }
    }
}

PARSED_NODE* AnalyzeCodesMatcherActor::MoveTarget(PARSED_NODE* node, AnalTerm const& term) const {
    int const distance = term.moveDistance;
    switch (term.moveMode) {
        case kMoveUp:
            for (int n = 0; n < distance && node != nullptr; ++n) node = GetParent(node);
            return node;
        case kMoveAlong:
            for (int n = 0; n < distance && node != nullptr; ++n) node = node->rightSibling;
            for (int n = 0; n > distance && node != nullptr; --n) node = GetLeftSibling(node);
            return node;
        case kMoveFromLeftmost:
            return GetNthSiblingToTheRight(GetLeftmostSibling(node), distance);
        case kMoveFromRightmost: {
            // Counted leftward from the last sibling, whichever sign the
            // distance is written with; stops at the first.
            node = GetLastSibling(node);
            for (int n = distance < 0 ? -distance : distance; n > 0 && GetLeftSibling(node) != nullptr; --n)
                node = GetLeftSibling(node);
            return node;
        }
        case kMoveToSpan:
            return fSpanningNode;
        default:
            return nullptr;
    }
}

void AnalyzeCodesMatcherActor::SetJapanese(PARSED_NODE* node, char const* text) {
    node->SetJapanese(text);
    MaybeSetInBitmap(fContext->Rules().jstr, node->japanese, fContext->Bitmap());
}

// Frees the children and resets every field but the links, then marks the
// node emptied.
void AnalyzeCodesMatcherActor::EmptyNode(PARSED_NODE* node) {
    if (PARSED_NODE* const children = node->firstChild) {
        node->firstChild = nullptr;
        children->back = nullptr;
        fContext->Remove(children);
    }
    PARSED_NODE* const right = node->rightSibling;
    PARSED_NODE* const back = node->back;
    node->~PARSED_NODE();
    new (node) PARSED_NODE();
    node->rightSibling = right;
    node->back = back;
}

void AnalyzeCodesMatcherActor::PerformAction(PARSED_NODE* node, AnalTerm const& term) {
    char const* const text = term.text != nullptr ? term.text : "";
    uint32_t* const bitmap = fContext->Bitmap();
    switch (term.kind) {
        case kCategoryKind: {
            POS_E_Source category{};
            if (!gSourcePOSDatabase().Lookup(text, &category)) return;
            if (std::strcmp(text, kGoneName) == 0) EmptyNode(node);
            node->category = category;
            MaybeSetInBitmap(fContext->Rules().constit, CategoryName(node->category), bitmap);
            return;
        }
        case kFeatureKind: {
            if (term.featureIndex >= PARSED_NODE::kFeatureSetCount) return;
            char* const features = node->features[term.featureIndex];
            for (std::size_t i = 0; text[i] != '\0' && i + 1 < PARSED_NODE::kFeatureTextSize; ++i)
                if (std::strchr("XYZ*&@", text[i]) == nullptr) features[i] = text[i];
            return;
        }
        case kJapanesePOSKind: {
            POS_J_Target pos{};
            if (!gTargetPOSDatabase().Lookup(text, &pos)) return;
            node->japanesePOS = pos;
            MaybeSetInBitmap(fContext->Rules().jpos, JapanesePOSName(pos), bitmap);
            return;
        }
        case kAncestorsKind: {  // the ending: text is replaced by text2
            if (term.text2 == nullptr) return;
            std::string word = node->japanese != nullptr ? node->japanese : "";
            uint16_t count = 0;
            char* const pin = WherePinTail(&word[0], text, &count, node);
            std::string result(word.data(), pin);
            char const* ending = term.text2;
            for (uint16_t n = 0; n < count && *ending != '\0'; ++n) ending += SJISCharSize(ending);
            result += ending;
            SetJapanese(node, result.c_str());
            return;
        }
        case kJapaneseKind:
            // The glom mark is only written when the sentence asks for it.
            if (std::strcmp(text, kGlomText) == 0 && !fContext->Option()) return;
            SetJapanese(node, text);
            return;
        case kJapaneseStartKind: {
            if (term.text2 == nullptr) return;
            char const* const japanese = node->japanese != nullptr ? node->japanese : "";
            std::size_t const length = std::strlen(text);
            if (std::strncmp(japanese, text, length) != 0) {
                std::snprintf(gErrBuf, kErrBufSize, "In synthesis, word %s should start with %s but does not", japanese,
                              text);
                std::snprintf(gErrDataBuf, kErrBufSize, "%s, %s", japanese, text);
                return;
            }
            SetJapanese(node, (std::string(term.text2) + (japanese + length)).c_str());
            return;
        }
        case kWildcardKind:
            if (term.text2 == nullptr || node->japanese == nullptr) return;
            SetJapanese(node, DoWildcardReplacement(text, term.text2, node->japanese).c_str());
            return;
        case kSurfaceKind:
        case kBaseKind:
        case kLeftmostKind:
        case kAncestorsKind2:
        case kRightmostKind:
        case kSpanStartKind:
        case kSpanEndKind:
        case kBaseIgnoringCaseKind:
        case kAlwaysKind: {
            int const n = TextNumber(text);
            if (n >= 1 && n <= 6) node->secondWord |= static_cast<uint16_t>(0x8000u >> (n - 1));
            return;
        }
        default:
            return;
    }
}
