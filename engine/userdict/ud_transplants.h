#pragma once
// The verb particles a user dictionary knows: a verb entry stores the romaji
// name of its particle, the user sees and gives the Shift-JIS kana.
#include <cstddef>

struct UDTransplant {
    char const* romaji;  // as stored in an entry
    char const* kana;    // Shift-JIS (CP932)
    // What a transitive verb's entry attaches to its object: the particle
    // and the case it marks, in the transfer rules' pattern syntax.
    char const* pattern;
};

inline constexpr std::size_t kNumUDTransplants = 10;

// In this order: wo, ni, kara, to, de, he, made, yori, no, ga.
extern UDTransplant const kUDTransplants[kNumUDTransplants];

// 10.
int GetNumUDTransplants();
// The kana of row i, or null when i is not a row.
char const* GetUDPostpositionKana(int i);
// The pattern of the row whose romaji is `romaji`, or null when none is.
char const* FindUDTransplantPattern(char const* romaji);
