#pragma once
// Test text held in a heap block of exactly its size (plus the NUL when
// asked for), so that AddressSanitizer reports any access past the end.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

class ExactText {
public:
    explicit ExactText(std::string const& bytes, bool terminated = true)
        : fSize(bytes.size()), fData(new char[bytes.size() + (terminated ? 1 : 0)]) {
        std::memcpy(fData.get(), bytes.data(), bytes.size());
        if (terminated) fData[fSize] = '\0';
    }
    char* begin() { return fData.get(); }
    char* end() { return fData.get() + fSize; }
    char const* begin() const { return fData.get(); }
    char const* end() const { return fData.get() + fSize; }
    unsigned char const* bytes() const { return reinterpret_cast<unsigned char const*>(fData.get()); }
    std::string str() const { return std::string(fData.get(), fSize); }

private:
    std::size_t fSize;
    std::unique_ptr<char[]> fData;
};
