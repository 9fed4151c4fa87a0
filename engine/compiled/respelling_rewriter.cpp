#include "engine/compiled/respelling_rewriter.h"

#include <cstdio>
#include <string>
#include <vector>

#include "engine/compiled/respelling_candidates.h"
#include "engine/compiled/rewrite_cache.h"
#include "engine/foundation/lookup_match.h"

namespace {

constexpr int kMaxSpeedForAnyRewrite = 79;
constexpr int kMaxSpeedForLongTexts = 29;
constexpr unsigned long kMaxWordsOfLongText = 2;

unsigned long CountBlankSeparatedWords(char const* text) {
    unsigned long words = 0;
    bool inWord = false;
    for (char const* p = text; *p != '\0'; ++p) {
        bool const blank = *p == ' ';
        if (!blank && !inWord) ++words;
        inWord = !blank;
    }
    return words;
}

bool TooBusyToRewrite(char const* word, MaybeAnyLongerCallback* callback) {
    if (callback == nullptr) return false;
    int const speed = callback->GetCoreSpeed();
    return speed > kMaxSpeedForAnyRewrite ||
           (speed > kMaxSpeedForLongTexts && CountBlankSeparatedWords(word) > kMaxWordsOfLongText);
}

void Trace(char const* word, RespellingCandidate const& candidate) {
    if (dictlookdump == nullptr) return;
    char const* format = nullptr;
    switch (candidate.kind) {
        case RespellingKind::kWordInternal:
            format = "   Rewriting (word-internal) |%s| to |%s|\n";
            break;
        case RespellingKind::kSuffix:
            format = "    Rewriting (suffix) |%s| to |%s|\n";
            break;
        case RespellingKind::kRepeatedLetters:
            format = "    Removing repeated letters from |%s| to |%s|\n";
            break;
    }
    std::fprintf(dictlookdump, format, word, candidate.text.c_str());
}

// The cached answer for word, when its slot holds it: true, with rewrite
// set to its one rewrite or left empty.
bool LookUpCache(char const* word, std::string& rewrite) {
    MemoizedRewriteRuler::HitPtrWrapper hit = sMemoizer.CacheLookup(word);
    if (!hit) return false;
    if (hit->fNumRewrites > 0) rewrite = hit->fRewrite;
    return true;
}

// The slot is filled only once every candidate is known, so it never holds
// part of a word's answer, whatever the producing or the receiver throws.
void EnterIntoCache(char const* word, std::vector<RespellingCandidate> const& candidates) {
    MemoizedRewriteRuler::HitPtrWrapper hit = sMemoizer.EnterCache(word);
    if (!hit) return;
    for (RespellingCandidate const& candidate : candidates) {
        if (!hit->AppendRewrite(candidate.text.c_str())) break;
    }
}

}  // namespace

void E_Source_Morphology_Rewriter::Rewrite(char const* word, Output& out, MaybeAnyLongerCallback* callback) {
    if (TooBusyToRewrite(word, callback)) return;

    std::string cached;
    if (LookUpCache(word, cached)) {
        if (!cached.empty()) out.PerformOutputs(cached.c_str());
        return;
    }

    std::vector<RespellingCandidate> const candidates = ProduceRespellings(word);
    EnterIntoCache(word, candidates);
    for (RespellingCandidate const& candidate : candidates) {
        Trace(word, candidate);
        out.PerformOutputs(candidate.text.c_str());
    }
}
