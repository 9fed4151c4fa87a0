#pragma once
// Benchmark inputs of a given size, made by repeating a paragraph and
// cutting the last copy short.
#include <cstddef>
#include <string>

template <typename String>
String RepeatedToSize(String const& paragraph, std::size_t size) {
    String text;
    while (text.size() < size) text += paragraph;
    text.resize(size);
    return text;
}

// Prose with the marks that make sentence ends hard: abbreviations, prices,
// times, telephone numbers, quotes, addresses, dates; `size` bytes of it.
inline std::string SampleProse(std::size_t size) {
    std::string const paragraph =
        "Mr. Green paid $5 at 12:30, then called (555) 123-4567 about the 3.5km walk. "
        "\"Don't worry,\" she said; the U.S.A. office (see http://example.com/a) opens at 9am.\n"
        "The report -- all 1,250 pages of it -- arrived on 12/03/2024 by e-mail to info@example.org! "
        "Did it? Fig. 3 shows why.\n\n";
    return RepeatedToSize(paragraph, size);
}
