#pragma once
// Collects what the respelling rewriter gives out.
#include <string>
#include <vector>

#include "engine/compiled/respelling_rewriter.h"

class CollectingOutput : public E_Source_Morphology_Rewriter::Output {
public:
    void PerformOutputs(char const* rewrite) override { fRewrites.emplace_back(rewrite); }
    std::vector<std::string> fRewrites;
};

inline std::vector<std::string> RespellingsOf(char const* word, MaybeAnyLongerCallback* callback = nullptr) {
    CollectingOutput out;
    E_Source_Morphology_Rewriter::Rewrite(word, out, callback);
    return out.fRewrites;
}
