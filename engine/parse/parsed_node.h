#pragma once
// The analysis tree that leaves the parser: one node per constituent, with
// its category, features, span, the Japanese text and reading chosen for it,
// and its semantic sets.  Extraction builds one tree per sentence; transfer
// reads, rewrites, copies and frees it.  A tree is owned through its root:
// freeing a node frees its first-child subtree and its right-sibling chain.
#include <cstdint>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/semantics.h"

struct ALLP_TOP;
class Sentence;

// A stretch of the sentence, in bytes of its Shift-JIS text (the unit of
// every offset of the analysis); 0xFFFF, 0xFFFF when unknown.
struct EXTENT {
    static constexpr uint16_t kUnknown = 0xFFFF;
    uint16_t start = kUnknown;
    uint16_t end = kUnknown;
};

struct PARSED_NODE {
    // flags
    static constexpr uint16_t kViewBit0 = 0x01;           // bit 0 of the graph node's view flags
    static constexpr uint16_t kDictionaryLeaf = 0x08;     // reading and Japanese come from a dictionary entry
    static constexpr uint16_t kViewBit5 = 0x10;           // bit 5 of the graph node's view flags
    static constexpr uint16_t kAlwaysUseJapanese = 0x20;  // an idiom always used supplied the Japanese
    static constexpr uint16_t kLiteral = 0x40;            // to be written as the English it stands for
    static constexpr uint16_t kOtherAlwaysUseJapanese = 0x80;
    // The pure rule of a span turned into literal text.
    static constexpr uint16_t kLiteralRule = 0xFFFF;
    static constexpr unsigned kFeatureSetCount = 3;
    static constexpr unsigned kFeatureTextSize = 101;
    static constexpr unsigned kSemanticSetCount = 4;

    PARSED_NODE* rightSibling = nullptr;
    PARSED_NODE* firstChild = nullptr;
    // The parent for a first child, else the sibling to the left; null for a root.
    PARSED_NODE* back = nullptr;
    uint32_t category = 0;
    char features[kFeatureSetCount][kFeatureTextSize] = {};
    uint16_t flags = 0;
    uint16_t secondWord = 0;
    uint16_t pureRule = 0;
    uint16_t span = 0;              // words covered less one
    uint16_t endWord = 0;           // the last word covered
    ALLP_TOP* graphNode = nullptr;  // borrowed: lives in the sentence's graph heap
    EXTENT firstExtent;
    EXTENT extent;
    char* japanese = nullptr;    // owned, Shift-JIS
    char* transplant = nullptr;  // owned
    uint32_t japanesePOS = 0;
    uint32_t secondJapanesePOS = 0;
    CanBeNull<POSAndParaphrase> reading;
    CSEMANT_X<unsigned short> semantics[kSemanticSetCount];
    float scores[2] = {0, 0};

    PARSED_NODE() = default;
    // Copies every field but the links; the strings are duplicated.
    PARSED_NODE(PARSED_NODE const& other);
    PARSED_NODE& operator=(PARSED_NODE const&) = delete;
    // Releases the strings and the reading; the links are not touched.
    ~PARSED_NODE();

    // Takes the node out of its sibling chain (its children stay); returns
    // its former right sibling.
    PARSED_NODE* DetachThisFromSiblings();

    void SetJapanese(char const* text);
    void SetTransplant(char const* text);
    void ClearStrings();
};

// A copy of the node, its descendants and its whole right-sibling chain; null
// for null.
PARSED_NODE* CopySubtree(PARSED_NODE const* node);
// Frees the node, its descendants and every sibling to its right; the node
// before it (its parent or left sibling) is left pointing at nothing.
void FreeSubtree(PARSED_NODE* node);
// Gives node two daughters: a copy of itself (taking over its children) and
// other, other first or second.  Node loses its Japanese side and reading.
// A null other leaves the copy as the only daughter; other is taken out of
// any chain it hangs in first.
void ChomskyAdjoin(PARSED_NODE* node, PARSED_NODE* other, bool otherFirst);
// Whether the node's category is a verb's.
bool IsVerbishType(PARSED_NODE const* node);
// Whether found(node) holds for a node of the tree: the node, its
// descendants and its right-sibling chain, each first before its children.
// Stops at the first it holds for.  Without recursion: a long chain or a
// deep tree needs no deep stack.
template <typename Predicate>
bool AnyNodeOfTree(PARSED_NODE const* tree, Predicate found) {
    std::vector<PARSED_NODE const*> pending;
    if (tree != nullptr) pending.push_back(tree);
    while (!pending.empty()) {
        PARSED_NODE const* const at = pending.back();
        pending.pop_back();
        if (found(at)) return true;
        if (at->rightSibling != nullptr) pending.push_back(at->rightSibling);
        if (at->firstChild != nullptr) pending.push_back(at->firstChild);
    }
    return false;
}
// The extent of words e - d .. e of the sentence; false (out
// unchanged) when the span is not in the sentence.
bool SpanToExtent(int d, int e, Sentence const& sentence, EXTENT* out);
