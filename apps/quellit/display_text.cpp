#include "apps/quellit/display_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace quellit {

namespace {

constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";
constexpr char kBuiltInCountFormat[] = "Entry item %d.";

class ShiftJISDecoder {
public:
    ShiftJISDecoder() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~ShiftJISDecoder() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    ShiftJISDecoder(ShiftJISDecoder const&) = delete;
    ShiftJISDecoder& operator=(ShiftJISDecoder const&) = delete;

    std::string Decode(std::string const& input) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return input;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> buffer(input.size() * 3 + 16);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            std::size_t const result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), outPtr);
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a lead byte at the end): show one mark, step one byte.
            out += kReplacementCharacter;
            ++in;
            --inLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string DecodeForDisplay(std::string const& shiftJIS) {
    thread_local ShiftJISDecoder decoder;
    return decoder.Decode(shiftJIS);
}

bool IsSingleIntegerFormat(std::string const& format) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 >= format.size()) return false;
        char const next = format[i + 1];
        if (next == '%') {
            ++i;
            continue;
        }
        if (next != 'd' && next != 'i') return false;
        ++conversions;
        ++i;
    }
    return conversions == 1;
}

std::string FormatCountLine(std::string const& format, int32_t count) {
    char const* const chosen = IsSingleIntegerFormat(format) ? format.c_str() : kBuiltInCountFormat;
    int const size = std::snprintf(nullptr, 0, chosen, static_cast<int>(count));
    if (size < 0) return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), chosen, static_cast<int>(count));
    text.resize(static_cast<std::size_t>(size));
    return text;
}

}  // namespace quellit
