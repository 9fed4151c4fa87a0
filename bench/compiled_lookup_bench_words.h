#pragma once
// The words of the compiled-dictionary lookup benchmarks, shared by the
// compiled reader's figures and the yardsticks (an in-memory hash map, an
// SQLite table) so that every one looks up the same keys.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace compiled_lookup_bench {

// Headword counts of the two dictionaries measured.
constexpr std::size_t kSmallDictionary = 20000;
constexpr std::size_t kLargeDictionary = 100000;
// Keys looked up per benchmark iteration.
constexpr std::size_t kKeysPerRound = 1000;

// Distinct lower-case headwords of 4 to 13 letters, some of two words, from
// a fixed pseudo-random sequence.
inline std::vector<std::string> Headwords(std::size_t count) {
    std::vector<std::string> words;
    words.reserve(count);
    uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    };
    for (std::size_t i = 0; i < count; ++i) {
        std::string word;
        std::size_t const length = 4 + next() % 8;
        for (std::size_t n = 0; n < length; ++n) word += static_cast<char>('a' + next() % 26);
        if (i % 10 == 0) word += " of";
        // The number keeps every word distinct.
        word += static_cast<char>('a' + i % 26);
        word += std::to_string(i);
        words.push_back(word);
    }
    return words;
}

enum class KeyKind { kHits, kMisses, kGrowingPrefixes };

// The keys of one round: headwords spread over the dictionary; the same
// with a letter that no headword has at that place; or every prefix of each
// headword in turn, as a translator looks up the words of a sentence.
inline std::vector<std::string> Keys(std::vector<std::string> const& headwords, KeyKind kind) {
    std::vector<std::string> keys;
    std::size_t const step = headwords.size() / kKeysPerRound;
    for (std::size_t i = 0; keys.size() < kKeysPerRound; i += step) {
        std::string const& word = headwords[i % headwords.size()];
        switch (kind) {
            case KeyKind::kHits:
                keys.push_back(word);
                break;
            case KeyKind::kMisses:
                keys.push_back(word.substr(0, 3) + "#" + word.substr(3));
                break;
            case KeyKind::kGrowingPrefixes:
                for (std::size_t length = 1; length <= word.size() && keys.size() < kKeysPerRound; ++length)
                    keys.push_back(word.substr(0, length));
                break;
        }
    }
    return keys;
}

inline char const* KindName(KeyKind kind) {
    switch (kind) {
        case KeyKind::kHits:
            return "hits";
        case KeyKind::kMisses:
            return "misses";
        case KeyKind::kGrowingPrefixes:
            return "growing_prefixes";
    }
    return "";
}

// Every dictionary size with every kind of key.
inline void SizesAndKinds(benchmark::internal::Benchmark* benchmark) {
    for (std::size_t const count : {kSmallDictionary, kLargeDictionary}) {
        for (KeyKind const kind : {KeyKind::kHits, KeyKind::kMisses, KeyKind::kGrowingPrefixes})
            benchmark->Args({static_cast<int64_t>(count), static_cast<int64_t>(kind)});
    }
}

}  // namespace compiled_lookup_bench
