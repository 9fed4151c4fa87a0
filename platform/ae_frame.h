#pragma once
// The frame around one encoded event: 4 bytes of magic and version, the
// payload length as 8 bytes (most significant first), then the payload; the
// whole wire form is in doc/messaging-format.md.
#include <cstddef>
#include <cstdint>

namespace platform {

constexpr std::size_t kFrameHeaderSize = 12;
constexpr char kFrameMagic[4] = {'A', 'E', 'v', '1'};
// Replies carry conversion logs of tens of megabytes; this only keeps a
// lying header from making a reader collect gigabytes.
constexpr uint64_t kMaxFramePayload = uint64_t{1} << 30;

// The payload length of a frame header; false for a foreign or oversized one.
bool ParseFrameHeader(char const* header, uint64_t* payloadLength);

}  // namespace platform
