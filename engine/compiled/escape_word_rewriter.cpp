#include "engine/compiled/escape_word_rewriter.h"

#include <cstring>

#include "engine/foundation/lookup_match.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

ZXJString const ZXJStrings[kZXJStringCount] = {
    {"zxjDASH", "--"}, {"zxjOPENQ", "\""}, {"zxjCLOSEQ", "\""}, {"zxjBULLET", "*"}, {"zxjMINUS", "-"}, {"zxjPLUS", "+"},
};

namespace {

// The replacements hold no letters, so a replacement never completes another
// escape word: one left-to-right pass leaves none behind.
void ReplaceAll(std::string* text, char const* from, char const* to) {
    std::size_t const fromLength = std::strlen(from);
    std::size_t const toLength = std::strlen(to);
    for (std::size_t at = text->find(from); at != std::string::npos; at = text->find(from, at + toLength))
        text->replace(at, fromLength, to);
}

}  // namespace

std::string ReplaceZXJStrings(std::string text) {
    for (ZXJString const& pair : ZXJStrings) ReplaceAll(&text, pair.escapeWord, pair.replacement);
    return text;
}

using Result = RuleApplicationResult<Entry_EX>;
using Rep = ZXJRewriter_EX_RewriterRuleSet::ZXJRewriter_EX_RewriterRuleSetRep;

ForwardIterator<Result> Rep::ApplyRule(char const* text, MaybeAnyLongerCallback* /*callback*/) {
    if (std::strstr(text, "zxj") == nullptr) return SingleEltForwardIterator<Result>(Result(text));
    std::string const replaced = ReplaceZXJStrings(text);
    if (dictlookdump != nullptr)
        std::fprintf(dictlookdump, "ZXJ rewriter from string |%s| to |%s|\n", text, replaced.c_str());
    return SingleEltForwardIterator<Result>(Result(replaced));
}

Rep* Rep::Clone() const { return new Rep; }

ZXJRewriter_EX_RewriterRuleSet::ZXJRewriter_EX_RewriterRuleSet() : RuleSet(new Rep) {}
