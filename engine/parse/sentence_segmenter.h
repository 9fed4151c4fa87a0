#pragma once
// Cuts a long sentence into pieces before it is parsed: a sentence of 40
// words or more is too long to parse as one triangle in time, so the cells
// of its pieces (found at semicolons, colons, clause-opening conjunctions
// after a comma, bracketed and quoted stretches) are marked to be parsed as
// units.  It only marks cells; the words stay as they are.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/parse/segment_rules.h"

class Sentence;
struct PreparsedWord;

// When it holds an open file, the segmenter marks nothing and writes the
// pieces it would make there instead, one sentence a line.
extern std::FILE* gfpSegF_Knob;

class SentenceSegmenter {
public:
    static constexpr int kMinWordsToSegment = 40;
    // A piece of fewer words than this (to - from < 11) is not cut again.
    static constexpr int kMinWordsToCut = 11;

    // A bracketed or quoted stretch: its opener and the position after its closer.
    struct ParenBreak {
        int open;
        int after;
    };

    explicit SentenceSegmenter(Sentence* sentence);

    void SegmentSentence();

    std::vector<ParenBreak> const& ParenBreaks() const { return fParenBreaks; }

    // Whether the word matches a pattern word: a text, compared ignoring
    // case, or one of the word classes.
    static bool TargetMatch(PreparsedWord const& word, std::string const& target);

private:
    int WordCount() const;
    std::string const& Text(int w) const;
    // The cut position of the first break rule that matches at pos, or -1;
    // *secondBreak is set past the connector when the rule has one.
    int SeekBreakOneList(int pos, std::vector<SegmentRule> const& rules, int* secondBreak) const;
    bool PatternMatchesAt(std::vector<std::string> const& words, int start) const;
    bool ExceptionMatch(SegmentRule const& exception, int pos, int ruleWords) const;
    int ShouldSegment(int from, int to, int segStart, int segEnd, bool skipFirst, int* secondBreak) const;
    void ExamineOneSegment(int from, int to, int segStart, int segEnd, bool skipFirst, bool afterCut);
    bool FindParens(int from, int to);
    bool NoOLap(int a, bool aMayTouch, int b, bool bMayTouch) const;
    bool NoParenOverlap(int start, int pos, int end) const;
    void MarkChart(int from, int to);
    void TracePiece(int from, int to, bool afterCut) const;

    Sentence* fSentence;
    std::vector<ParenBreak> fParenBreaks;
    int fLastSplitStart = -1;
    int fLastSplitEnd = -1;
};

// Whether a cell crossing (d, e) carries a flag of mask.
bool IsCellOverlap(int d, int e, uint16_t mask, Sentence* sentence);
