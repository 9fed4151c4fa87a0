#pragma once
// The text storage behind a TokenStringDatabase: wide-character blocks that
// are handed out in pieces and released only with the whole list, so a
// pointer into them stays valid as long as the list.
#include <cstddef>
#include <list>
#include <memory>
#include <vector>

class TSDBBlockList {
public:
    // The usual size of a block, in characters.
    static constexpr unsigned long kBlockLength = 16384;
    // Free pieces kept at most.  Each new block can leave one; keeping them
    // all would make the first-fit scan grow with the number of blocks.  The
    // smallest piece, the least likely to be used, is dropped first.
    static constexpr std::size_t kMaxFreePieces = 8;

    TSDBBlockList() = default;
    TSDBBlockList(TSDBBlockList const&) = delete;
    TSDBBlockList& operator=(TSDBBlockList const&) = delete;

    // Room for n characters (n > 0), first fit among the free pieces: a piece
    // is used from its start and keeps its rest when more than 2 characters
    // are left; a piece of 2 or fewer is dropped.  When no piece fits, a new
    // block of max(n, kBlockLength) characters is made (exactly n when
    // n + 2 >= kBlockLength) and its rest becomes a free piece at the end of
    // the list.
    wchar_t* GetPointer(unsigned long n);

    // For tests: the lengths of the blocks and of the free pieces, in order.
    std::vector<unsigned long> BlockLengths() const;
    std::vector<unsigned long> FreePieceLengths() const;

private:
    struct Piece {
        wchar_t* start;
        unsigned long length;
    };
    struct Block {
        std::unique_ptr<wchar_t[]> characters;
        unsigned long length;
    };

    wchar_t* NewBlock(unsigned long n);
    void AddFreePiece(Piece piece);

    std::vector<Block> fBlocks;
    std::list<Piece> fFree;
};
