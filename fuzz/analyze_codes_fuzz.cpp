// A small random tree (categories, Japanese strings and parts of speech,
// primes and shapes drawn from the input) run through the compiled analysis
// rules, then through one rule drawn from the input as well, whose tests and
// actions (moves, inserted and pasted nodes, emptied nodes, endings) reach
// anywhere in the tree.  Afterwards every back link must agree with the forward links, and
// the tree must be no larger than the actions could have made it.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/transfer/analyze_codes.h"
#include "engine/transfer/transfer_steps.h"
#include "engine/transfer/tree_edit.h"
#include "tree_fuzz_support.h"

namespace {


// Categories the rules and the search treat specially, and some plain ones.
uint32_t const kCategories[] = {1,  3,  4,  9,  10, 13, 15, 19, 21, 22,  24, 25,
                                26, 28, 29, 32, 34, 42, 46, 53, 54, 182, 193};
char const* const kJapanese[] = {nullptr,
                                 "",
                                 "ta",
                                 "tabe",
                                 "taberu",
                                 "-wo",
                                 "ina-",
                                 "\x90\x48\x82\xD7",
                                 "\x82\xE9",
                                 "\x90",
                                 "kaQ-",
                                 "BE",
                                 "{\x90\x48\x82\xD7}-",
                                 "{\x8F\x91}k-",
                                 "{}dear-",
                                 "{\x91\xE5\x82\xAB}-"};
// Japanese parts of speech the compiled rules test: none, ADJ, VCk, VV, N.
uint32_t const kJapanesePOS[] = {0, 2, 183, 192, 134};
char const* const kTexts[] = {"",  "*",  "N", "NP", "N*",  "*P",       "GONE",  "PAST",  "ta",     "*ta",   "ru",
                              "1", "2+", "3", "S",  "ADJ", "\x82\xE9", "*\xE9", "human", "-human", "a b,c", "XX1"};
char const* const kSecondTexts[] = {nullptr, "", "ta", "\x90\x48", "ita"};

constexpr int kMaxNodes = 40;

ParsedTree RandomTree(FuzzInput& in) {
    auto* root = NewVirtualNode(42);
    int nodes = 1;
    PARSED_NODE* parent = root;
    while (!in.Empty() && nodes < kMaxNodes) {
        uint8_t const shape = in.Byte();
        if (shape % 4 == 0 && GetParent(parent) != nullptr) {
            parent = GetParent(parent);
            continue;
        }
        PARSED_NODE* const node = NewVirtualNode(in.Pick(kCategories));
        if (char const* japanese = in.Pick(kJapanese)) node->SetJapanese(japanese);
        node->japanesePOS = in.Pick(kJapanesePOS);
        if (shape & 0x10) node->flags |= kPrimeNode;
        AppendChild(parent, node);
        ++nodes;
        if (shape % 4 == 1) parent = node;
    }
    return ParsedTree(root);
}

struct DrawnRule {
    std::vector<AnalConstit> constits;
    std::vector<AnalTerm> terms;
    AnalysisRule rule{};
};

DrawnRule RandomRule(FuzzInput& in) {
    DrawnRule drawn;
    unsigned const constits = 1 + in.Byte() % 4;
    for (unsigned c = 0; c < constits; ++c) {
        AnalConstit constit{};
        constit.firstTerm = static_cast<uint32_t>(drawn.terms.size());
        constit.modes = in.Byte() & 0x0F;
        unsigned const terms = 1 + in.Byte() % 3;
        for (unsigned t = 0; t < terms; ++t) {
            AnalTerm term{};
            term.text = in.Pick(kTexts);
            term.text2 = in.Pick(kSecondTexts);
            term.kind = static_cast<uint8_t>(in.Byte() % 30);
            term.featureIndex = in.Byte() % 4;
            term.flags = in.Byte() & 0x07;
            term.moveMode = in.Byte() % 6;
            term.moveDistance = static_cast<int8_t>(static_cast<int8_t>(in.Byte()) % 4);
            drawn.terms.push_back(term);
        }
        constit.termCount = static_cast<uint8_t>(terms);
        drawn.constits.push_back(constit);
    }
    drawn.rule.constitCount = static_cast<uint8_t>(constits);
    drawn.rule.options = in.Byte() & AnalysisRule::kDepthFirst;
    return drawn;
}


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    FuzzInput in(data, size);
    uint8_t const politeness = static_cast<uint8_t>(21 + in.Byte() % 3);
    ParsedTree const tree = RandomTree(in);
    PolitenessLevelUserOption level;
    level.SetPolitenessLevel(politeness);
    AuxiliaryVerbsUserOption_J const aux;
    AnalyzeCodes(tree.get(), level, 0, aux, true, false);
    int const before = CheckTreeLinks(tree.get(), nullptr);

    DrawnRule drawn = RandomRule(in);
    AnalysisRuleSet set;
    set.rules = &drawn.rule;
    set.ruleCount = 1;
    set.constits = drawn.constits.data();
    set.constitCount = static_cast<unsigned>(drawn.constits.size());
    set.terms = drawn.terms.data();
    set.termCount = static_cast<unsigned>(drawn.terms.size());
    AnalyzeCodes(tree.get(), level, 0, aux, false, false, set);
    int const after = CheckTreeLinks(tree.get(), nullptr);
    // One node per action term at most, per capped match.
    FuzzCheck(after <= before + static_cast<int>(drawn.terms.size()) * (2 * before + 16));
    return 0;
}
