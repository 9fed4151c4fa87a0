// Arbitrary bytes as a transplant string: reading it must stay inside the
// text and inside every bound, and applying it to a small tree must leave a
// tree whose links hold.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/parse/parsed_node.h"
#include "engine/transfer/transplants.h"
#include "engine/transfer/tree_edit.h"
#include "tree_fuzz_support.h"

namespace {

// NP(N) ADV NP(N) VT01 under a clause, the verb carrying the string.
PARSED_NODE* SmallTree() {
    PARSED_NODE* clause = NewVirtualNode(43);
    for (uint32_t category : {26u, 5u, 26u, 54u}) {
        PARSED_NODE* node = NewVirtualNode(category);
        if (category == 26) AppendChild(node, NewVirtualNode(22));
        AppendChild(clause, node);
    }
    return clause;
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string const text(reinterpret_cast<char const*>(data), size);
    for (TRANS_TERM const& term : ParseTransplantString(text.c_str())) {
        FuzzCheck(term.word.size() <= TRANS_TERM::kMaxWord);
        FuzzCheck(term.romaji.size() <= TRANS_TERM::kMaxRomaji);
        FuzzCheck(term.japanese.size() <= TRANS_TERM::kMaxJapanese);
    }
    FuzzCheck(ParseTransplantString(text.c_str()).size() <= kMaxTransplantTerms);
    PARSED_NODE* tree = SmallTree();
    GetLastChild(tree)->SetTransplant(text.c_str());
    ApplyTransplants(tree);
    CheckTreeLinks(tree, nullptr);
    FreeSubtree(tree);
    return 0;
}
