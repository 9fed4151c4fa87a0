#include "engine/compiled/hyphen_rewriter.h"

#include <cstring>
#include <vector>

#include "engine/foundation/lookup_match.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/sjis_chars.h"

namespace {

ModuleCounters const sModuleCounters;

using Result = RuleApplicationResult<Entry_EX>;

bool IsASCIILetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The next "-" at or after p that is a character of its own, or null.
char const* FindHyphen(char const* p) {
    for (std::size_t size; (size = SJISCharSize(p)) != 0; p += size) {
        if (*p == '-') return p;
    }
    return nullptr;
}

// [first, last) without blanks at either end, its kept hyphens fixed.
std::string Part(char const* first, char const* last) {
    while (first < last && IsASCIIWhite(*first)) ++first;
    while (last > first && IsASCIIWhite(last[-1])) --last;
    return FixNonRewritingHyphens(std::string(first, last));
}

void Trace(char const* from, std::string const& to) {
    if (dictlookdump != nullptr) std::fprintf(dictlookdump, " Hyphen rewriter from |%s| to |%s|\n", from, to.c_str());
}

}  // namespace

std::string FixNonRewritingHyphens(std::string text) {
    char const* const marker = HyphenRewriter_EX_RewriterRuleSet::kNonRewritingHyphenString;
    std::size_t const markerLength = std::strlen(marker);
    for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1))
        text.replace(at, markerLength, "-");
    return text;
}

using Rep = HyphenRewriter_EX_RewriterRuleSet::HyphenRewriter_EX_RewriterRuleSetRep;

ForwardIterator<Result> Rep::ApplyRule(char const* text, MaybeAnyLongerCallback* callback) {
    std::vector<Result> results;
    results.emplace_back(FixNonRewritingHyphens(text));
    char const* hyphen = FindHyphen(text);
    if (hyphen == nullptr) return VectorByValueForwardIterator<Result>(results);
    if (hyphen[1] == '\0' && callback != nullptr) callback->FoundOne();

    std::string joined;
    std::string spaced;
    for (char const* position = text; hyphen != nullptr;) {
        char const* const next = FindHyphen(hyphen + 1);
        std::string const left = Part(position, hyphen);
        std::string const right = Part(hyphen + 1, next != nullptr ? next : hyphen + std::strlen(hyphen));
        if (left.empty() || right.empty() || !IsASCIILetter(left.back()) || !IsASCIILetter(right.front()))
            return VectorByValueForwardIterator<Result>(results);
        if (joined.empty()) joined = left;
        if (spaced.empty()) spaced = left;
        joined += right;
        spaced += " " + right;
        position = hyphen + 1;
        hyphen = next;
    }
    Trace(text, joined);
    results.emplace_back(joined);
    Trace(text, spaced);
    results.emplace_back(spaced);
    return VectorByValueForwardIterator<Result>(results);
}

Rep* Rep::Clone() const { return new Rep; }

HyphenRewriter_EX_RewriterRuleSet::HyphenRewriter_EX_RewriterRuleSet() : RuleSet(new Rep) {}
