// Cutting long sentences into pieces parsed as units: which cells are
// marked, the break rules and their exceptions, brackets, and the trace.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/parse/sentence.h"
#include "engine/parse/sentence_segmenter.h"

namespace {

// A sentence of the blank-separated words, its chart allocated and empty.
class Segmented {
public:
    explicit Segmented(std::string const& text) : fSentence(SentenceUserOptions()) {
        std::istringstream in(text);
        std::vector<PreparsedWord> words;
        for (std::string word; in >> word;) {
            PreparsedWord preparsed;
            preparsed.fText = word;
            words.push_back(preparsed);
        }
        fSentence.SetPreparsedWords(words, {}, {}, false);
        fSentence.Chart().Allocate(words.size());
    }

    Sentence& Get() { return fSentence; }

    // The marked cells as "first-last" word spans, by last word then span.
    std::vector<std::string> Segment() {
        SentenceSegmenter(&fSentence).SegmentSentence();
        std::vector<std::string> spans;
        std::size_t const n = fSentence.Chart().WordCount();
        for (std::size_t e = 0; e < n; ++e)
            for (std::size_t d = 0; d <= e; ++d)
                if (fSentence.Chart().Cell(d, e).Has(PCHART_CELL::kParseAsUnit))
                    spans.push_back(std::to_string(e - d) + "-" + std::to_string(e));
        return spans;
    }

    // What the trace writes instead of marking.
    std::string Trace() {
        char* buffer = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&buffer, &size);
        gfpSegF_Knob = out;
        SentenceSegmenter(&fSentence).SegmentSentence();
        gfpSegF_Knob = nullptr;
        std::fclose(out);
        std::string const text(buffer, size);
        std::free(buffer);
        return text;
    }

private:
    Sentence fSentence;
};

// `count` filler words.
std::string Words(int count, char const* word = "x") {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(word) + " ";
    return text;
}

TEST(SentenceSegmenter, CutsOnlyLongSentencesAtTheirBreaksAndKeepsConnectorsApart) {
    struct Case {
        char const* what;
        std::string text;
        std::vector<std::string> marked;
    };
    Case const cases[] = {
        {"39 words", Words(19) + ", and we " + Words(16) + ".", {}},
        // 0..19 before the comma; the connector ", and"; "we" (22) on, the
        // last word before the final period left to the parser.
        {"a comma, and, a pronoun", Words(20) + ", and we " + Words(21) + ".", {"0-19", "22-42"}},
        {"no break", Words(45), {}},
        {"a pronoun after which", Words(20) + "which , we " + Words(21) + ".", {}},
        {"a pronoun before a closing bracket", Words(20) + ", we ) " + Words(21) + ".", {}},
        {"a semicolon", Words(20) + "; " + Words(23) + ".", {"0-19", "21-42"}},
    };
    for (Case const& c : cases) {
        Segmented sentence(c.text);
        EXPECT_EQ(sentence.Segment(), c.marked) << c.what;
    }
}

TEST(SentenceSegmenter, BracketedStretchesAreUnitsThatNoCutCrosses) {
    // "( a b ; c )" at 20..25: its inside is a unit; the semicolon inside
    // it is no cut, the one after it is.
    Segmented sentence(Words(20) + "( a b ; c ) " + Words(4) + "; " + Words(15) + ".");
    EXPECT_EQ(sentence.Segment(), (std::vector<std::string>{"21-24", "0-29", "31-44"}));
    ASSERT_EQ(sentence.Get().Words().size(), 47u);

    // A quote whose closer follows a period ends at the period word: its
    // inside, a b c, is the unit.
    Segmented quoted(Words(20) + "zxjOPENQ a b c zxjPRDor0 zxjCLOSEQ " + Words(20) + ".");
    SentenceSegmenter segmenter(&quoted.Get());
    segmenter.SegmentSentence();
    ASSERT_EQ(segmenter.ParenBreaks().size(), 1u);
    EXPECT_EQ(segmenter.ParenBreaks()[0].open, 20);
    EXPECT_EQ(segmenter.ParenBreaks()[0].after, 25);
    EXPECT_TRUE(quoted.Get().Chart().Cell(2, 23).Has(PCHART_CELL::kParseAsUnit));
}

TEST(SentenceSegmenter, TraceWritesThePiecesInsteadOfMarking) {
    Segmented sentence(Words(20, "a") + ", and we " + Words(21, "b") + ".");
    // Each piece examined reaches to the word where the next begins.
    EXPECT_EQ(sentence.Trace(), Words(20, "a") + ", |1| , and we |1| we " + Words(21, "b") + "\n");
    EXPECT_EQ(sentence.Segment().size(), 2u);  // the trace marked nothing
}

TEST(SentenceSegmenter, VeryLongSentencesAreSegmentedWithoutLimit) {
    std::string text;
    for (int i = 0; i < 30; ++i) text += Words(9) + "; ";
    Segmented sentence(text + ".");
    EXPECT_EQ(sentence.Get().Words().size(), 301u);
    EXPECT_GE(sentence.Segment().size(), 29u);
}

TEST(SentenceSegmenter, PatternWordsMatchTextsIgnoringCaseOrWordClasses) {
    struct Case {
        char const* text;
        char const* target;
        bool matches;
    };
    Case const cases[] = {
        {"AND", "and", true},          {"We", "PRO", true},       {"there", "PRO", true},  {"cat", "PRO", false},
        {"Doesn", "AUXV", true},       {"may", "AUXV", false},    {"7", "SID", true},      {"a1", "SID", true},
        {"1a", "SID", true},           {"b12", "SID", true},      {"12b", "SID", true},    {"xiv", "SID", true},
        {"XIV", "SID", true},          {"xIv", "SID", false},     {"ab", "SID", false},    {"", "SID", false},
        {"viiii", "SID", false},       {"RUNNING", "*ING", true}, {"SING", "*ING", false}, {"june", "MONTH", true},
        {"friday", "DAYOFWEEK", true}, {"anything", "*", true},   {"dog", "NN", false},
    };
    for (Case const& c : cases) {
        PreparsedWord word;
        word.fText = c.text;
        EXPECT_EQ(SentenceSegmenter::TargetMatch(word, c.target), c.matches) << c.text << " / " << c.target;
    }
}

}  // namespace
