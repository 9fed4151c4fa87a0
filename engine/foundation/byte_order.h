#pragma once
// Big-endian packing of the numbers in the engine's file formats.  Every
// on-disk integer goes through these byte by byte: never through memcpy of a
// struct, and never as `unsigned long`, which is 64-bit here.
#include <cstdint>

inline void USHORTToBuf(unsigned char* buf, uint16_t value) {
    buf[0] = static_cast<unsigned char>(value >> 8);
    buf[1] = static_cast<unsigned char>(value);
}

inline uint16_t BufToUSHORT(unsigned char const* buf) { return static_cast<uint16_t>(buf[0] * 256u + buf[1]); }

inline void ULONGToBuf(unsigned char* buf, uint32_t value) {
    buf[0] = static_cast<unsigned char>(value >> 24);
    buf[1] = static_cast<unsigned char>(value >> 16);
    buf[2] = static_cast<unsigned char>(value >> 8);
    buf[3] = static_cast<unsigned char>(value);
}

inline uint32_t BufToULONG(unsigned char const* buf) {
    return (uint32_t{buf[0]} << 24) | (uint32_t{buf[1]} << 16) | (uint32_t{buf[2]} << 8) | uint32_t{buf[3]};
}
