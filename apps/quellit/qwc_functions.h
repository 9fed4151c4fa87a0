#pragma once
// Plain helper functions of the front end's utility module.
#include <cstddef>
#include <string>

namespace quellit {

// Classes of one byte of Shift-JIS text, as qwcSJISCode answers them.
enum SJISByteClass { kSJISSingle = 0, kSJISLead = 1, kSJISTrail = 2, kSJISEmpty = 3 };

// Class of the byte that follows a byte of class `previous` (pass kSJISSingle
// for the first byte): a trail byte is 0x40-0xFC after a lead byte; a lead
// byte is 0x81-0x9F or 0xE0-0xFC that is not a trail byte.
SJISByteClass NextSJISByteClass(SJISByteClass previous, unsigned char byte);

// Class of byte n of NUL-terminated Shift-JIS text, scanning from its start:
// a NUL at or before n ends the scan with the class of the last byte read,
// and kSJISEmpty when no byte was read.
int qwcSJISCode(char const* bytes, std::size_t n);

// 1 when some byte of the NUL-terminated text is a Shift-JIS lead byte.
int qwcIsJapanese(char const* bytes);

// Strings are UTF-8 already: the copy is the text itself.
std::string CreateUTF8CStringFromCFString(std::string const& text);

}  // namespace quellit
