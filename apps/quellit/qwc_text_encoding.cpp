#include "apps/quellit/qwc_text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "tools/recode.h"

namespace quellit {

namespace {

// Code page 932 as the engine uses it: 0x5C and 0x7E stay ASCII.
char const* IconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::ISOLatin1: return "ISO-8859-1";
        case TextEncoding::UTF8: return "UTF-8";
        case TextEncoding::ShiftJIS: return "CP932";
        case TextEncoding::Unicode: return "UTF-16";
    }
    return "UTF-8";
}

// Bytes of the UTF-8 sequence a lead byte announces (1 for a stray byte).
std::size_t UTF8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

class IconvHandle {
public:
    IconvHandle(char const* to, char const* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (IsOpen()) iconv_close(cd_);
    }
    IconvHandle(IconvHandle const&) = delete;
    IconvHandle& operator=(IconvHandle const&) = delete;

    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> DecodeText(std::string const& bytes, TextEncoding encoding) {
    std::string utf8;
    if (!Recode("UTF-8", IconvName(encoding), bytes, &utf8)) return std::nullopt;
    return utf8;
}

std::string EncodeTextLossy(std::string const& utf8, TextEncoding encoding) {
    IconvHandle converter(IconvName(encoding), "UTF-8");
    if (!converter.IsOpen()) return std::string();
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(utf8.data());  // iconv's prototype lacks the const
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* outCursor = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t const result = iconv(converter.Get(), &in, &inLeft, &outCursor, &outLeft);
        out.append(buffer, outCursor);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ or EINVAL: one character (or stray byte) without a form.
        std::size_t const announced = UTF8SequenceLength(static_cast<unsigned char>(*in));
        std::size_t skip = 1;
        while (skip < announced && skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
        out += '?';
        in += skip;
        inLeft -= skip;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace quellit
