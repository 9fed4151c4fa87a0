#include "engine/transfer/analysis_bitmap.h"

#include <cstring>
#include <string>

#include "engine/parse/semantic_atoms.h"
#include "engine/transfer/analysis_node_tests.h"

void SetInBitmap(unsigned bit, uint32_t* bitmap) {
    if (bit >= kAnalBitmapBits) return;
    bitmap[bit / 32] |= uint32_t{1} << (bit % 32);
}

bool IsSetInBitmap(unsigned bit, uint32_t const* bitmap) {
    return bit < kAnalBitmapBits && (bitmap[bit / 32] & (uint32_t{1} << (bit % 32))) != 0;
}

namespace {

void SetRegionBit(unsigned region, uint16_t bit, uint32_t* bitmap) {
    if (bit != 0) SetInBitmap(region * 32 + bit, bitmap);
}

}  // namespace

void FindInLMap(LetterMapRecord const* map, uint32_t recordCount, unsigned region, char const* text, bool backward,
                uint32_t* bitmap) {
    std::size_t const length = std::strlen(text);
    if (map == nullptr || recordCount == 0 || length == 0) return;
    uint32_t current = 0;
    for (std::size_t i = 0; i < length; ++i) {
        auto const letter = static_cast<uint8_t>(backward ? text[length - 1 - i] : text[i]);
        LetterMapRecord const& parent = map[current];
        uint32_t found = recordCount;
        for (uint32_t child = parent.firstChild; child < uint32_t{parent.firstChild} + parent.childCount; ++child) {
            if (child >= recordCount || map[child].letter > letter) break;
            if (map[child].letter == letter) {
                found = child;
                break;
            }
        }
        if (found == recordCount) return;
        current = found;
        SetRegionBit(region, map[current].prefixBit, bitmap);
    }
    SetRegionBit(region, map[current].wholeBit, bitmap);
}

void MaybeSetInBitmap(ANALOPT const* option, char const* text, uint32_t* bitmap) {
    if (option == nullptr || text == nullptr || text[0] == '\0') return;
    FindInLMap(option->forward, option->forwardCount, option->forwardRegion, text, false, bitmap);
    FindInLMap(option->backward, option->backwardCount, option->backwardRegion, text, true, bitmap);
}

void AllSFsToBitmap(PARSED_NODE const* node, ANALOPT const* option, uint32_t* bitmap) {
    if (option == nullptr) return;
    SemanticAtomTable const& atoms = SemanticAtomTable::Get();
    CSEMANT_X<unsigned short> const& set = node->semantics[0];
    for (unsigned i = 0; i < set.AtomCount(); ++i) {
        uint16_t const atom = set.atoms[i];
        MaybeSetInBitmap(option, atoms.Name(atom), bitmap);
        SemanticAtomTable::Ancestors const ancestors = atoms.AncestorsOf(atom);
        for (SemanticParentRecord const* at = ancestors.begin; at != ancestors.end; ++at)
            if (at->indirect == 0) MaybeSetInBitmap(option, atoms.Name(at->ancestor), bitmap);
    }
}

void NodeToBitmap(PARSED_NODE const* node, AnalysisRuleSet const& rules, uint32_t* bitmap) {
    AllSFsToBitmap(node, rules.semant, bitmap);
    MaybeSetInBitmap(rules.constit, CategoryName(node->category), bitmap);
    if (!node->reading.IsNull()) {
        FinePOS_EX const& finePOS = node->reading.Get().GetFinePOS();
        MaybeSetInBitmap(rules.esurface, finePOS.GetEntry().GetSrcText().c_str(), bitmap);
        MaybeSetInBitmap(rules.ebase, finePOS.GetBaseForm().GetEntry().GetSrcText().c_str(), bitmap);
    }
    MaybeSetInBitmap(rules.jpos, JapanesePOSName(node->japanesePOS), bitmap);
    MaybeSetInBitmap(rules.jstr, node->japanese, bitmap);
}

void ConstructBitmap_(PARSED_NODE const* tree, AnalysisRuleSet const& rules, uint32_t* bitmap) {
    AnyNodeOfTree(tree, [&](PARSED_NODE const* at) {
        NodeToBitmap(at, rules, bitmap);
        return false;  // every node
    });
}
