// The parser's pruning settings for a sentence, from its length (rows of
// five words, the last row for 55 words and more) and the user's speed
// (columns of ten, rounded).  Faster and longer means harder pruning.
#include <algorithm>
#include <cstdint>

#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr int kRows = 12;
constexpr int kColumns = 11;

// How many analyses of a cell the parser keeps (0: all).
constexpr uint32_t ppuPrunelen[kRows][kColumns] = {
    {0, 19, 17, 15, 13, 13, 11, 9, 7, 4, 1}, {0, 18, 16, 15, 13, 13, 11, 9, 7, 4, 1},
    {0, 17, 15, 14, 13, 13, 11, 9, 7, 4, 1}, {0, 16, 15, 14, 13, 12, 11, 9, 7, 4, 1},
    {0, 15, 14, 13, 12, 12, 11, 9, 7, 4, 1}, {0, 14, 13, 13, 12, 12, 11, 9, 7, 4, 1},
    {0, 13, 12, 12, 11, 11, 10, 8, 6, 4, 1}, {0, 13, 12, 11, 10, 10, 9, 8, 6, 4, 1},
    {0, 13, 11, 10, 10, 10, 9, 8, 6, 4, 1},  {0, 13, 11, 10, 10, 9, 8, 7, 6, 3, 1},
    {0, 13, 11, 10, 9, 9, 8, 7, 6, 3, 1},    {0, 10, 9, 9, 9, 9, 8, 7, 6, 3, 1},
};

// How far below the best an analysis the parser keeps may score.
constexpr float ppPruneScoreDiffs[kRows][kColumns] = {
    {0, 6, 4.8f, 3.5f, 2.9f, 2.5f, 2.2f, 1.9f, 1.6f, 1.2f, 0},
    {0, 5.7f, 4.5f, 3.5f, 2.9f, 2.5f, 2.2f, 1.9f, 1.6f, 1.2f, 0},
    {0, 5.3f, 4.2f, 3.5f, 2.9f, 2.5f, 2.2f, 1.9f, 1.6f, 1.2f, 0},
    {0, 5, 3.9f, 3.2f, 2.5f, 2.2f, 1.9f, 1.7f, 1.5f, 1.1f, 0},
    {0, 4.7f, 3.7f, 2.8f, 2.2f, 1.9f, 1.7f, 1.5f, 1.3f, 1.1f, 0},
    {0, 4.3f, 3.3f, 2.5f, 1.9f, 1.6f, 1.4f, 1.4f, 1.3f, 1.1f, 0},
    {0, 4, 3.1f, 2.2f, 1.7f, 1.4f, 1.3f, 1.3f, 1.3f, 1.1f, 0},
    {0, 4, 3, 1.9f, 1.5f, 1.24f, 1.2f, 1.2f, 1.1f, 1.1f, 0},
    {0, 4, 2.9f, 1.8f, 1.4f, 1.12f, 1.1f, 1.1f, 1.1f, 1.1f, 0},
    {0, 4, 2.9f, 1.8f, 1.3f, 1.07f, 1.07f, 1.07f, 1.07f, 1, 0},
    {0, 4, 2.9f, 1.8f, 1.3f, 1.07f, 1.07f, 1.07f, 1.07f, 1, 0},
    {0, 3, 2.3f, 1.8f, 1.3f, 1.07f, 1.07f, 1.07f, 1.07f, 1, 0},
};

// The graph's margin for semantic pruning, by row; the column scales it.
constexpr float puSemanticPruneScoreDiffs[kRows] = {3,     3,     3,     1.91f, 2.53f, 3.41f,
                                                    2.34f, 1.71f, 1.66f, 1.57f, 1.31f, 0.3f};

// No semantic pruning at all.
constexpr float kNoSemanticPruning = 3.0e38f;

}  // namespace

void ParseChartCreator::DoSetCoreSpeed(Sentence* sentence) {
    int const row = std::min(sentence->WordCount() / 5, kRows - 1);
    int const column = std::min((sentence->Speed() + 5) / 10, kColumns - 1);
    uint32_t const length = ppuPrunelen[row][column];
    float const difference = length != 0 ? ppPruneScoreDiffs[row][column] : 0.0f;
    float semantic = puSemanticPruneScoreDiffs[row];
    if (column == 0)
        semantic = kNoSemanticPruning;
    else if (column <= 4)
        semantic = 5 + semantic - static_cast<float>(column);
    else if (column >= 9)
        semantic *= 0.5f;
    sentence->SetPruning(static_cast<uint16_t>(length), difference, semantic);
}
