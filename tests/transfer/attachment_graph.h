#pragma once
// A hand-built parse graph (a node's d counts its words less one, e is its
// last word) of "I saw man with scope" (words at bytes 2w to
// 2w + 1) with the two attachments of "with scope":
//   S  = I + VP                      (0..9)
//   VP = saw+man + PP  (verb, best)  (2..9)
//      | saw + NP      (noun)
//   NP = man + PP                    (4..9)
//   PP = with + scope                (6..9)
#include <vector>

#include "engine/parse/choice_platform.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"
#include "parse/hand_built_graph.h"

class AttachmentGraph {
public:
    explicit AttachmentGraph(uint16_t k = 5, unsigned words = 5) : fSentence(SentenceUserOptions()) {
        std::vector<PreparsedWord> preparsed(words);
        for (uint16_t w = 0; w < words; ++w) {
            preparsed[w].fStart = static_cast<uint16_t>(2 * w);
            preparsed[w].fEnd = static_cast<uint16_t>(2 * w + 1);
        }
        fSentence.SetPreparsedWords(preparsed, {}, {}, false);
        fSentence.Chart().Allocate(words);
        fSentence.SetMaxSavedParses(k);
    }

    // The attachment graph, installed and scored.
    void BuildAttachment() {
        ALLP_TOP *i = Word(0), *saw = Word(1), *man = Word(2), *with = Word(3), *scope = Word(4);
        pp = Node(4, 1, 4, {fGraph.Source(1, with, scope)});
        np = Node(5, 2, 4, {fGraph.Source(0.5f, man, pp)});
        ALLP_TOP* sawMan = Node(6, 1, 2, {fGraph.Source(1, saw, man)});
        vp = Node(6, 3, 4, {fGraph.Source(3, sawMan, pp), fGraph.Source(2, saw, np)});
        s = Node(7, 4, 4, {fGraph.Source(0, i, vp)});
        Install({s});
    }

    ALLP_TOP* Word(int w, std::vector<float> const& scores = {1}) {
        std::vector<ALLP_SOURCE*> sources;
        for (float score : scores) sources.push_back(fGraph.Source(score));
        return Node(1, 0, w, sources);
    }
    ALLP_TOP* Node(uint16_t category, int d, int e, std::vector<ALLP_SOURCE*> const& sources) {
        ALLP_TOP* top = fGraph.Top(category, d, e);
        HandBuiltGraph::SetSources(top, sources);
        fNodes.push_back(top);
        return top;
    }
    ALLP_SOURCE* Source(float score, ALLP_TOP* left = nullptr, ALLP_TOP* right = nullptr) {
        return fGraph.Source(score, left, right);
    }
    void Install(std::vector<ALLP_TOP*> const& tops) {
        for (ALLP_TOP* top : fNodes)
            for (ALLP_SOURCE* source = top->sources; source != nullptr; source = source->next)
                fSerials.push_back(source->serial);
        for (ALLP_TOP* top : fNodes) fSerials.push_back(top->serial);
        fGraph.Install(fSentence, tops);
    }

    // Every score record and the sentence's result, as bytes.
    std::vector<unsigned char> Snapshot() {
        CHOICE_PLATFORM& platform = fSentence.Choices();
        std::vector<unsigned char> bytes;
        auto add = [&](void const* p, std::size_t n) {
            auto const* c = static_cast<unsigned char const*>(p);
            bytes.insert(bytes.end(), c, c + n);
        };
        for (uint32_t serial : fSerials) {
            ScoreRecord const record = platform.Record(serial);
            for (unsigned i = 0; i <= record.K(); ++i) {
                float const score = record.Score(i);
                SINDEX const from = record.From(i);
                add(&score, sizeof score);
                add(&from, sizeof from);
            }
            uint16_t const flags = record.Flags();
            add(&flags, sizeof flags);
        }
        add(platform.resultScores, sizeof platform.resultScores);
        add(platform.resultFrom, sizeof platform.resultFrom);
        return bytes;
    }

    Sentence& Get() { return fSentence; }

    ALLP_TOP* pp = nullptr;
    ALLP_TOP* np = nullptr;
    ALLP_TOP* vp = nullptr;
    ALLP_TOP* s = nullptr;

private:
    Sentence fSentence;
    HandBuiltGraph fGraph;
    std::vector<ALLP_TOP*> fNodes;
    std::vector<uint32_t> fSerials;
};
