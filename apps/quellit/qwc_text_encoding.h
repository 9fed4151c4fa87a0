#pragma once
// Re-encoding between the UTF-8 strings of the front end and the byte
// encodings it meets in files and in the engine's Shift-JIS text.
#include <optional>
#include <string>

namespace quellit {

// The encodings by the numbers the platform's string classes give them.
enum class TextEncoding { ISOLatin1 = 3, UTF8 = 4, ShiftJIS = 8, Unicode = 10 };

// The bytes decoded into UTF-8, all or nothing: nullopt when any byte does
// not decode.  Unicode is UTF-16, byte order from its mark, else big-endian.
std::optional<std::string> DecodeText(std::string const& bytes, TextEncoding encoding);

// UTF-8 text encoded with loss allowed: each character without a form in
// the encoding (and each byte that is not UTF-8) becomes '?'.
std::string EncodeTextLossy(std::string const& utf8, TextEncoding encoding);

}  // namespace quellit
