#pragma once
// One iconv direction, owned: opened when made, closed when destroyed.
// Descriptors carry conversion state, so each thread keeps its own and
// resets it before every use.
#include <iconv.h>

#include <cerrno>
#include <cstddef>

class IconvConverter {
public:
    IconvConverter(char const* to, char const* from) : fDescriptor(iconv_open(to, from)) {}
    ~IconvConverter() {
        if (IsOpen()) iconv_close(fDescriptor);
    }
    IconvConverter(IconvConverter const&) = delete;
    IconvConverter& operator=(IconvConverter const&) = delete;

    IconvConverter& Reset() {
        if (IsOpen()) iconv(fDescriptor, nullptr, nullptr, nullptr, nullptr);
        return *this;
    }

    // Converts as much of the input as the output takes, moving both cursors;
    // 0 when all input was converted, else the errno value that stopped it.
    int Convert(char const** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
        if (!IsOpen()) return EBADF;
        char* inCursor = const_cast<char*>(*in);  // iconv's prototype lacks the const
        std::size_t const result = iconv(fDescriptor, &inCursor, inLeft, out, outLeft);
        *in = inCursor;
        return result == static_cast<std::size_t>(-1) ? errno : 0;
    }

private:
    bool IsOpen() const { return fDescriptor != reinterpret_cast<iconv_t>(-1); }

    iconv_t fDescriptor;
};
