#pragma once
// The text of an entry: seven NUL-terminated strings laid one after another
// into the head block's 32 text bytes and then 56 bytes per continuation
// block.  A string may break anywhere, its NUL included; the seventh string is
// always empty and never read.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/userdict/ud_block_source.h"
#include "engine/userdict/ud_format.h"

// The six strings an entry keeps (the seventh is always empty).
struct UDEntryStrings {
    std::string english;      // normalised, ASCII, at most 255 bytes
    std::string pos;          // one of the UDPOS_ strings
    std::string translation;  // Shift-JIS, at most 1,023 bytes
    std::string answer;       // Shift-JIS inflection answer, at most 1,039 bytes
    std::string flags;        // idiom letter 'N', 'P' or 'A', then 'Y' for a verb with an -ing form
    std::string particle;     // romaji name of a verb particle, or empty
};

// The text areas an entry fills: the head's, then one per continuation block.
// No continuation is left empty: text that exactly fills an area ends there.
struct UDEntryText {
    std::array<unsigned char, kUDHeadTextSize> head{};
    std::vector<std::array<unsigned char, kUDContinuationTextSize>> continuations;
};

// Lays out the six strings (each taken up to its first NUL) and the empty
// seventh; the rest of the last area is zero.  The limits are the writer's to
// check before.
UDEntryText LayOutUDEntryText(UDEntryStrings const& strings);

// Reads the six strings of the entry whose head block is `head`, following the
// links into continuation blocks.  Returns kUDFileCorrupt when `head` is not a
// head block, a string is longer than its field allows, the text runs into a
// link of 0, a block that is not a continuation, or a block already met; any
// code of the source is returned as it is.
unsigned short ReadUDEntryText(UDBlockSource& source, dblock_t const& head, UDEntryStrings* strings);

// Follows the whole link chain from `head` (a head block) and gives the
// continuation blocks in chain order.  Returns kUDFileCorrupt for a link to a
// block that is not a continuation, and for a chain longer than any entry can
// be (so a cycle ends the walk instead of hanging it).
unsigned short WalkUDEntryChain(UDBlockSource& source, dblock_t const& head, std::vector<uint32_t>* continuations);
