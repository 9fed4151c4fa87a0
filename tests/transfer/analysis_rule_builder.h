#pragma once
// Hand-built analysis rules, tries and trees for the analyzer's tests.
//
// Trees are written as text (support/tree_text.h): "S(NP:inu N' VP(V:tabe
// PAST))" is a node of category S with three children.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/analysis_rule_set.h"
#include "engine/transfer/analyze_codes.h"
#include "engine/transfer/transfer_steps.h"
#include "engine/transfer/tree_edit.h"
#include "tests/support/tree_text.h"

namespace analysis_test {

inline uint32_t Category(std::string const& name) {
    POS_E_Source pos{};
    if (!gSourcePOSDatabase().Lookup(name.c_str(), &pos)) throw std::invalid_argument("no category " + name);
    return pos;
}

inline uint32_t JapanesePOS(std::string const& name) {
    POS_J_Target pos{};
    if (!gTargetPOSDatabase().Lookup(name.c_str(), &pos)) throw std::invalid_argument("no Japanese POS " + name);
    return pos;
}

inline ParsedTree Tree(std::string const& text) { return ParsedTree(BuildTree(text)); }

// The n-th node of the tree in pre-order (0 the root).
inline PARSED_NODE* NodeAt(PARSED_NODE* tree, int n) {
    std::vector<PARSED_NODE*> pending{tree};
    while (!pending.empty()) {
        PARSED_NODE* const at = pending.back();
        pending.pop_back();
        if (n-- == 0) return at;
        if (at->rightSibling != nullptr) pending.push_back(at->rightSibling);
        if (at->firstChild != nullptr) pending.push_back(at->firstChild);
    }
    return nullptr;
}

// A byte trie of keyed strings; each string gets its own region bit.
class KeyTrie {
public:
    explicit KeyTrie(uint16_t region) : fRegion(region) { fNodes.emplace_back(); }

    // The global bit set when a string equals text (backward tries read the
    // text from its last byte).
    uint16_t Whole(std::string const& text) { return Global(&Walk(text).whole); }
    // The global bit set when a string begins (backward: ends) with text.
    uint16_t Prefix(std::string const& text) { return Global(&Walk(text).prefix); }

    // Children of every node sit together, sorted by letter.
    std::vector<LetterMapRecord> const& Records() {
        fRecords.clear();
        std::vector<std::size_t> order{0};
        std::vector<uint16_t> index(fNodes.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            for (auto const& [letter, child] : fNodes[order[i]].children) {
                index[child] = static_cast<uint16_t>(order.size());
                order.push_back(child);
            }
        for (std::size_t i = 0; i < order.size(); ++i) {
            TrieNode const& node = fNodes[order[i]];
            LetterMapRecord record{};
            record.letter = node.letter;
            record.wholeBit = node.whole;
            record.prefixBit = node.prefix;
            record.childCount = static_cast<uint16_t>(node.children.size());
            record.firstChild = node.children.empty() ? 0 : index[node.children.begin()->second];
            fRecords.push_back(record);
        }
        return fRecords;
    }
    uint16_t Region() const { return fRegion; }

private:
    struct TrieNode {
        uint8_t letter = 0;
        uint16_t whole = 0;
        uint16_t prefix = 0;
        std::map<uint8_t, std::size_t> children;
    };

    TrieNode& Walk(std::string const& text) {
        std::size_t at = 0;
        for (char c : text) {
            auto const letter = static_cast<uint8_t>(c);
            auto found = fNodes[at].children.find(letter);
            if (found == fNodes[at].children.end()) {
                fNodes.emplace_back();
                fNodes.back().letter = letter;
                found = fNodes[at].children.emplace(letter, fNodes.size() - 1).first;
            }
            at = found->second;
        }
        return fNodes[at];
    }

    uint16_t Global(uint16_t* bit) {
        if (*bit == 0) *bit = fNextBit++;
        return static_cast<uint16_t>(fRegion * 32 + *bit);
    }

    uint16_t fRegion;
    uint16_t fNextBit = 1;
    std::vector<TrieNode> fNodes;
    std::vector<LetterMapRecord> fRecords;
};

// Rules written one after another: Rule, then its constituents, each
// followed by its terms.
class RuleSetBuilder {
public:
    RuleSetBuilder() = default;
    RuleSetBuilder(RuleSetBuilder const&) = delete;
    RuleSetBuilder& operator=(RuleSetBuilder const&) = delete;

    RuleSetBuilder& Rule(uint8_t options = 0) {
        AnalysisRule rule{};
        rule.firstConstit = static_cast<uint32_t>(fConstits.size());
        rule.number = static_cast<uint16_t>(fRules.size() + 1);
        rule.options = options;
        fRules.push_back(rule);
        return *this;
    }
    RuleSetBuilder& Keys(std::vector<uint16_t> const& keys) {
        for (std::size_t i = 0; i < keys.size() && i < AnalysisRule::kMaxKeys; ++i) fRules.back().keys[i] = keys[i];
        return *this;
    }
    AnalysisRule& LastRule() { return fRules.back(); }

    RuleSetBuilder& Constit(uint8_t matchMode = AnalConstit::kNext, uint8_t advance = 0) {
        AnalConstit constit{};
        constit.firstTerm = static_cast<uint32_t>(fTerms.size());
        constit.modes = static_cast<uint8_t>(matchMode | (advance << 2));
        fConstits.push_back(constit);
        ++fRules.back().constitCount;
        return *this;
    }
    RuleSetBuilder& Test(uint8_t kind, std::string const& text, uint8_t featureIndex = 0) {
        return Term(kind, text, nullptr, featureIndex, 0, 0, 0);
    }
    RuleSetBuilder& Act(uint8_t kind, std::string const& text, char const* text2 = nullptr, uint8_t flags = 0,
                        uint8_t moveMode = 0, int8_t distance = 0, uint8_t featureIndex = 0) {
        return Term(kind, text, text2, featureIndex, static_cast<uint8_t>(flags | AnalTerm::kAction), moveMode,
                    distance);
    }

    KeyTrie& JStr() { return fJStr; }
    KeyTrie& JStrBackward() { return fJStrBackward; }
    KeyTrie& Constits() { return fConstitTrie; }
    KeyTrie& JapanesePOSNames() { return fJPOSTrie; }

    AnalysisRuleSet const& Set() {
        fSet.rules = fRules.data();
        fSet.ruleCount = static_cast<unsigned>(fRules.size());
        fSet.constits = fConstits.data();
        fSet.constitCount = static_cast<unsigned>(fConstits.size());
        fSet.terms = fTerms.data();
        fSet.termCount = static_cast<unsigned>(fTerms.size());
        fJStrOption = Option(fJStr, &fJStrBackward);
        fConstitOption = Option(fConstitTrie, nullptr);
        fJPOSOption = Option(fJPOSTrie, nullptr);
        fSet.jstr = &fJStrOption;
        fSet.constit = &fConstitOption;
        fSet.jpos = &fJPOSOption;
        return fSet;
    }
    void SetFirstNumberRule(unsigned index) { fSet.firstNumberRule = index; }

private:
    RuleSetBuilder& Term(uint8_t kind, std::string const& text, char const* text2, uint8_t featureIndex, uint8_t flags,
                         uint8_t moveMode, int8_t distance) {
        fTexts.push_back(text);
        char const* second = nullptr;
        if (text2 != nullptr) {
            fTexts.emplace_back(text2);
            second = fTexts.back().c_str();
        }
        fTerms.push_back({fTexts[fTexts.size() - (text2 != nullptr ? 2 : 1)].c_str(), second, featureIndex, kind, flags,
                          moveMode, distance});
        ++fConstits.back().termCount;
        return *this;
    }

    static ANALOPT Option(KeyTrie& forward, KeyTrie* backward) {
        ANALOPT option{};
        std::vector<LetterMapRecord> const& records = forward.Records();
        option.forward = records.data();
        option.forwardCount = static_cast<uint32_t>(records.size());
        option.forwardRegion = forward.Region();
        if (backward != nullptr) {
            std::vector<LetterMapRecord> const& backwardRecords = backward->Records();
            option.backward = backwardRecords.data();
            option.backwardCount = static_cast<uint32_t>(backwardRecords.size());
            option.backwardRegion = backward->Region();
        }
        return option;
    }

    std::vector<AnalysisRule> fRules;
    std::vector<AnalConstit> fConstits;
    std::vector<AnalTerm> fTerms;
    std::deque<std::string> fTexts;
    KeyTrie fJStr{113};
    KeyTrie fJStrBackward{169};
    KeyTrie fConstitTrie{1};
    KeyTrie fJPOSTrie{104};
    ANALOPT fJStrOption{};
    ANALOPT fConstitOption{};
    ANALOPT fJPOSOption{};
    AnalysisRuleSet fSet;
};

inline PolitenessLevelUserOption Politeness(uint32_t level) {
    PolitenessLevelUserOption politeness;
    politeness.SetPolitenessLevel(level);
    return politeness;
}

// Runs the set over the tree with polite style and default options.
inline unsigned RunRules(PARSED_NODE* tree, AnalysisRuleSet const& set, bool singleOnly = false, bool option = false,
                         uint32_t politeness = 22) {
    return AnalyzeCodes(tree, Politeness(politeness), 0, AuxiliaryVerbsUserOption_J(), option, singleOnly, set);
}

}  // namespace analysis_test
