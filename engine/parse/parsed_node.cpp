#include "engine/parse/parsed_node.h"

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "engine/foundation/cat_lists.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/parse/sentence.h"

namespace {

constexpr int kVerbCategoryList = 6;

char* Duplicate(char const* text) {
    if (text == nullptr) return nullptr;
    std::size_t const size = std::strlen(text) + 1;
    char* copy = new char[size];
    std::memcpy(copy, text, size);
    return copy;
}

// Links child as parent's first child, keeping the back-link invariant.
void LinkFirstChild(PARSED_NODE* parent, PARSED_NODE* child) {
    parent->firstChild = child;
    if (child != nullptr) child->back = parent;
}

void LinkRightSibling(PARSED_NODE* left, PARSED_NODE* right) {
    left->rightSibling = right;
    if (right != nullptr) right->back = left;
}

}  // namespace

PARSED_NODE::PARSED_NODE(PARSED_NODE const& other)
    : category(other.category),
      flags(other.flags),
      secondWord(other.secondWord),
      pureRule(other.pureRule),
      span(other.span),
      endWord(other.endWord),
      graphNode(other.graphNode),
      firstExtent(other.firstExtent),
      extent(other.extent),
      japanesePOS(other.japanesePOS),
      secondJapanesePOS(other.secondJapanesePOS),
      reading(other.reading) {
    std::memcpy(features, other.features, sizeof features);
    for (unsigned i = 0; i < kSemanticSetCount; ++i) semantics[i] = other.semantics[i];
    scores[0] = other.scores[0];
    scores[1] = other.scores[1];
    std::unique_ptr<char[]> japaneseCopy(Duplicate(other.japanese));
    transplant = Duplicate(other.transplant);
    japanese = japaneseCopy.release();
}

PARSED_NODE::~PARSED_NODE() { ClearStrings(); }

void PARSED_NODE::SetJapanese(char const* text) {
    char* copy = Duplicate(text);
    delete[] japanese;
    japanese = copy;
}

void PARSED_NODE::SetTransplant(char const* text) {
    char* copy = Duplicate(text);
    delete[] transplant;
    transplant = copy;
}

void PARSED_NODE::ClearStrings() {
    delete[] japanese;
    japanese = nullptr;
    delete[] transplant;
    transplant = nullptr;
}

PARSED_NODE* PARSED_NODE::DetachThisFromSiblings() {
    PARSED_NODE* const right = rightSibling;
    if (back != nullptr) {
        if (back->firstChild == this)
            back->firstChild = right;
        else
            back->rightSibling = right;
        if (right != nullptr) right->back = back;
    } else if (right != nullptr) {
        right->back = nullptr;
    }
    rightSibling = nullptr;
    back = nullptr;
    return right;
}

// Iterative: a long sibling chain or a deep tree must not exhaust the stack.
PARSED_NODE* CopySubtree(PARSED_NODE const* node) {
    if (node == nullptr) return nullptr;
    struct Pending {
        PARSED_NODE const* original;
        PARSED_NODE* copy;
    };
    PARSED_NODE* const root = new PARSED_NODE(*node);
    std::vector<Pending> pending{{node, root}};
    try {
        while (!pending.empty()) {
            Pending const at = pending.back();
            pending.pop_back();
            if (at.original->firstChild != nullptr) {
                LinkFirstChild(at.copy, new PARSED_NODE(*at.original->firstChild));
                pending.push_back({at.original->firstChild, at.copy->firstChild});
            }
            if (at.original->rightSibling != nullptr) {
                LinkRightSibling(at.copy, new PARSED_NODE(*at.original->rightSibling));
                pending.push_back({at.original->rightSibling, at.copy->rightSibling});
            }
        }
    } catch (...) {
        FreeSubtree(root);
        throw;
    }
    return root;
}

void FreeSubtree(PARSED_NODE* node) {
    if (node == nullptr) return;
    // Cut from whatever holds it on the left; its right chain goes with it.
    if (PARSED_NODE* const back = node->back) {
        if (back->firstChild == node)
            back->firstChild = nullptr;
        else
            back->rightSibling = nullptr;
        node->back = nullptr;
    }
    // Without recursion: a long chain or a deep tree needs no deep stack.
    std::vector<PARSED_NODE*> pending{node};
    while (!pending.empty()) {
        PARSED_NODE* const at = pending.back();
        pending.pop_back();
        if (at->firstChild != nullptr) pending.push_back(at->firstChild);
        if (at->rightSibling != nullptr) pending.push_back(at->rightSibling);
        delete at;
    }
}

void ChomskyAdjoin(PARSED_NODE* node, PARSED_NODE* other, bool otherFirst) {
    PARSED_NODE* const copy = new PARSED_NODE(*node);
    // A node still hanging in another chain would be owned twice.
    if (other != nullptr) other->DetachThisFromSiblings();
    LinkFirstChild(copy, node->firstChild);
    if (other != nullptr && otherFirst) {
        LinkFirstChild(node, other);
        LinkRightSibling(other, copy);
    } else {
        LinkFirstChild(node, copy);
        LinkRightSibling(copy, other);
    }
    node->ClearStrings();
    node->japanesePOS = 0;
    node->reading.Clear();
    node->flags &= static_cast<uint16_t>(~(PARSED_NODE::kDictionaryLeaf | PARSED_NODE::kViewBit5));
}

bool IsVerbishType(PARSED_NODE const* node) {
    if (node == nullptr || node->category == 0 || node->category > kMaxValidPOS_E_Source) return false;
    auto const pos = static_cast<unsigned short>(node->category);
    if (CatMatch(kVerbCategoryList, pos, false, false)) return true;
    char const* name = EnglishPOSName(POS_E_Source{pos});
    return name != nullptr && (std::strncmp(name, "VI", 2) == 0 || std::strncmp(name, "VT", 2) == 0) &&
           name[2] >= '0' && name[2] <= '9' && name[3] >= '0' && name[3] <= '9';
}

bool SpanToExtent(int d, int e, Sentence const& sentence, EXTENT* out) {
    std::vector<PreparsedWord> const& words = sentence.Words();
    if (d < 0 || d > e || e >= static_cast<int>(words.size())) return false;
    out->start = words[static_cast<std::size_t>(e - d)].fStart;
    out->end = words[static_cast<std::size_t>(e)].fEnd;
    return true;
}
