#include "engine/foundation/token_string_blocks.h"

#include <algorithm>

namespace {
// A piece with this many characters left or fewer is dropped when used.
constexpr unsigned long kLostRemainder = 2;
}  // namespace

wchar_t* TSDBBlockList::GetPointer(unsigned long n) {
    for (auto piece = fFree.begin(); piece != fFree.end(); ++piece) {
        if (piece->length < n) continue;
        wchar_t* const start = piece->start;
        unsigned long const rest = piece->length - n;
        if (rest > kLostRemainder)
            *piece = Piece{start + n, rest};
        else
            fFree.erase(piece);
        return start;
    }
    return NewBlock(n);
}

wchar_t* TSDBBlockList::NewBlock(unsigned long n) {
    unsigned long const length = n + kLostRemainder >= kBlockLength ? n : kBlockLength;
    // Not zeroed: every piece handed out is written in full by its user.
    fBlocks.push_back(Block{std::unique_ptr<wchar_t[]>(new wchar_t[length]), length});
    wchar_t* const start = fBlocks.back().characters.get();
    if (length > n) AddFreePiece(Piece{start + n, length - n});
    return start;
}

void TSDBBlockList::AddFreePiece(Piece piece) {
    fFree.push_back(piece);
    if (fFree.size() <= kMaxFreePieces) return;
    fFree.erase(std::min_element(fFree.begin(), fFree.end(),
                                 [](Piece const& a, Piece const& b) { return a.length < b.length; }));
}

std::vector<unsigned long> TSDBBlockList::BlockLengths() const {
    std::vector<unsigned long> lengths;
    for (Block const& block : fBlocks) lengths.push_back(block.length);
    return lengths;
}

std::vector<unsigned long> TSDBBlockList::FreePieceLengths() const {
    std::vector<unsigned long> lengths;
    for (Piece const& piece : fFree) lengths.push_back(piece.length);
    return lengths;
}
