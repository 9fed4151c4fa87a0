#pragma once
// The other ways one sentence could be analysed over a stretch the user
// selected: the selection is mapped to a stretch that really has
// alternatives, the choices for it are built from the K-best scored parse
// graph, each can be made current (the caller then extracts and translates
// the sentence), and a choice can be pinned so that later extractions keep
// it.  The state lives in the sentence's choice tables; pins last as long as
// the sentence.
#include <cstdint>

#include "engine/parse/array.h"
#include "engine/parse/parsed_node.h"

class Sentence;

class AlternateTranslate {
public:
    // Status codes.
    static constexpr uint16_t kOK = 0;
    static constexpr uint16_t kNoJapaneseExtent = 31;
    static constexpr uint16_t kNoPinCovers = 91;
    static constexpr uint16_t kNothingToChoose = 101;
    // Flags of the extent calls.
    static constexpr uint16_t kJapaneseUnits = 0x1;
    static constexpr uint16_t kExact = 0x2;

    explicit AlternateTranslate(Sentence* sentence) : fSentence(sentence) {}

    // kNothingToChoose when the sentence has one analysis.
    uint16_t CIsAmbiguous() const;
    bool IsAmbiguous() const { return CIsAmbiguous() == kOK; }

    // Makes the narrowest stretch with at least two analyses that covers the
    // selection (clamped to the sentence) the current system extent.
    uint16_t CUserToSysExtent(uint16_t start, uint16_t end, uint16_t flags);
    // Builds the choices for the current extent; *count is their number (0
    // on failure).
    uint16_t CConsiderPin(uint16_t* count);
    // Makes a choice current for the next extraction.
    uint16_t CSetCurrChoice(uint16_t choice);
    // The Japanese extent of the current tree (kJapaneseUnits) or the
    // current system extent; both 0 on failure.
    uint16_t CGetExtentBounds(uint16_t* start, uint16_t* end, uint16_t flags) const;
    // Keeps the choice for the current extent from now on.
    uint16_t CPin(uint16_t choice);
    // Removes the widest pin covering the extent.
    uint16_t CUnpin(uint16_t start, uint16_t end, uint16_t flags);
    // Abandons the choices: the best analysis under the remaining pins is
    // extracted and translated again.
    void CUnconsiderPin();
    // The pinned extents, in source units or as the current tree's Japanese.
    Array<EXTENT> ShowPinningExtent(bool japanese) const;

    uint16_t ChoiceCount() const { return fChoiceCount; }

private:
    bool HasGraph() const;
    // The index of the widest pin covering the extent, or -1; with Japanese
    // units the extent becomes the system extent of the pin covering it.
    int BiggestDomPin(EXTENT* extent, bool japanese) const;
    uint16_t Unpin(EXTENT extent, bool japanese);
    void FreeCurrentTree();
    // Any failure inside a rewrite of the score records rescores the graph
    // from scratch and forgets the pins, so the records are never left half
    // rewritten.
    template <class Work>
    auto RestoringScores(Work work) -> decltype(work());
    void DropPinState();

    Sentence* fSentence;
    uint16_t fChoiceCount = 0;
};
