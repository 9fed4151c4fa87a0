#pragma once
// A parse graph built by hand for tests: nodes and sources kept alive here,
// each given the next record serial, and installed as a sentence's graph.
#include <deque>
#include <vector>

#include "engine/parse/parse_graph.h"
#include "engine/parse/sentence.h"

class HandBuiltGraph {
public:
    ALLP_TOP* Top(uint16_t category, int d, int e) {
        ALLP_TOP& top = fTops.emplace_back();
        top.serial = fSerial++;
        top.category = category;
        top.view.category = category;
        top.view.start = static_cast<uint16_t>(d);
        top.view.end = static_cast<uint16_t>(e);
        return &top;
    }
    ALLP_SOURCE* Source(float score, ALLP_TOP* left = nullptr, ALLP_TOP* right = nullptr) {
        ALLP_SOURCE& source = fSources.emplace_back();
        source.serial = fSerial++;
        source.score = score;
        source.left = left;
        source.right = right;
        source.rule = 0;
        return &source;
    }
    // Hangs the sources under the top in their order.
    static void SetSources(ALLP_TOP* top, std::vector<ALLP_SOURCE*> const& sources) {
        for (auto it = sources.rbegin(); it != sources.rend(); ++it) {
            (*it)->next = top->sources;
            top->sources = *it;
        }
    }

    // Chains the whole-sentence tops into the sentence's graph and builds
    // (and scores) its choice tables.
    void Install(Sentence& sentence, std::vector<ALLP_TOP*> const& tops) const {
        for (std::size_t i = 0; i + 1 < tops.size(); ++i) tops[i]->next = tops[i + 1];
        sentence.SetGraphTops(tops.front());
        sentence.SetGraphNodeCount(fSerial);
        sentence.Choices().CMakeChoicePlatform();
    }

private:
    std::deque<ALLP_TOP> fTops;
    std::deque<ALLP_SOURCE> fSources;
    uint32_t fSerial = 0;
};
