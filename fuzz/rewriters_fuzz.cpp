// Arbitrary bytes as a looked-up text (NUL bytes cut it short): the
// escape-word, hyphen, morphology and case-matching rule sets applied to it,
// then the missing-word readings and the class guess of its first word.
// Every result must fit a lookup key, begin with the text as the rule set
// normalises it, and escape words must leave no "zxj" they know behind.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/compiled/case_matching_acceptor.h"
#include "engine/compiled/escape_word_rewriter.h"
#include "engine/compiled/hyphen_rewriter.h"
#include "engine/compiled/missing_word_entries.h"
#include "engine/compiled/morphology_rule_set.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

std::vector<std::string> Apply(RuleSet<Entry_EX> ruleSet, std::string const& text) {
    std::vector<std::string> texts;
    for (ForwardIterator<RuleApplicationResult<Entry_EX>> it = ruleSet.ApplyRule(text.c_str(), nullptr); !it.IsAtEnd();
         ++it) {
        std::string const result = (*it).GetText();
        Check(result.size() <= RuleApplicationResult<Entry_EX>::kMaxTextLength);
        texts.push_back(result);
    }
    Check(!texts.empty());
    return texts;
}

std::string Clip(std::string const& text) { return text.substr(0, RuleApplicationResult<Entry_EX>::kMaxTextLength); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    std::string text(reinterpret_cast<char const*>(data), size);
    text = text.substr(0, text.find('\0'));

    std::vector<std::string> const escaped = Apply(ZXJRewriter_EX_RewriterRuleSet(), text);
    Check(escaped.size() == 1 && escaped[0] == Clip(ReplaceZXJStrings(text)));
    for (ZXJString const& pair : ZXJStrings) Check(ReplaceZXJStrings(text).find(pair.escapeWord) == std::string::npos);

    std::vector<std::string> const hyphens = Apply(HyphenRewriter_EX_RewriterRuleSet(), text);
    Check(hyphens[0] == Clip(FixNonRewritingHyphens(text)) && (hyphens.size() == 1 || hyphens.size() == 3));

    std::vector<std::string> const morphology = Apply(Morphology_E_Source_RewriterRuleSet(), text);
    Check(morphology[0] == Clip(text));

    Apply(CaseMatchingAcceptor_EX_RewriterRuleSet(), text);

    std::string const word = text.substr(0, text.find(' '));
    Dictionary_EX_Temporary temporary;
    std::vector<Paraphrase_EX> readings;
    CreateMWEntries(&readings, word.c_str(), false, temporary);
    Check(word.size() > kMaxLookupHeadwordLength || !readings.empty());

    unsigned short classes = 0;
    char* stem = nullptr;
    POSGuess(&classes, &stem, word.c_str());
    Check(stem == nullptr || classes != 0);
    delete[] stem;
    return 0;
}
