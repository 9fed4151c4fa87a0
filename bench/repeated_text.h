#pragma once
// Benchmark inputs of a given size, made by repeating a paragraph and
// cutting the last copy short.
#include <cstddef>

template <typename String>
String RepeatedToSize(String const& paragraph, std::size_t size) {
    String text;
    while (text.size() < size) text += paragraph;
    text.resize(size);
    return text;
}
