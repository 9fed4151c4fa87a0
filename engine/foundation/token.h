#pragma once
// A token of the translation pipeline: a 32-bit value whose low 8 bits are its
// type and whose high 24 bits are the serial its pipeline's TokenCreator gave
// it.  Everything else known about a token lives in stores keyed by the
// serial.
#include <cstdint>
#include <stdexcept>

#include "engine/foundation/token_creator.h"

using Token = uint32_t;
using TokenTypeID = uint8_t;

constexpr TokenTypeID TokenTypeOf(Token token) { return static_cast<TokenTypeID>(token & 0xFFu); }
constexpr uint32_t TokenSerialOf(Token token) { return token >> 8; }

// The token of that serial and type; a serial that does not fit in 24 bits
// throws std::out_of_range.
inline Token MakeToken(uint32_t serial, TokenTypeID type) {
    if (serial > kMaxTokenSerial) throw std::out_of_range("token serial over 24 bits");
    return serial << 8 | type;
}

// A new token of the type with the creator's next serial.
inline Token NewToken(TokenCreator* creator, TokenTypeID type) { return MakeToken(NextTokenSerial(creator), type); }
