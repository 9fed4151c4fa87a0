#pragma once
// The compiled word-sense associations (generated from
// tools/grammar/word_senses.gram by tools/gen_semantic_tables.py into
// word_sense_tables.cpp).  Texts are offsets into kWSANStrings, a run of
// NUL-terminated strings: targets and associates in English, translations in
// Shift-JIS, as a reading's cooked translation reads without its braces.
#include <cstdint>

// A word, or several words separated by single blanks, whose readings the
// context tells apart.  Rows 0 and 1 are placeholders.
struct WSANTarget {
    uint32_t translationCount;
    uint32_t firstTranslation;  // index into kWSANTranslations
    uint32_t text;
};

struct WSANTranslation {
    uint32_t associateCount;
    uint32_t firstAssociate;  // index into kWSANAssociates
    uint32_t text;
};

// A word or words found near the target, or (first word "zxjSWANSEM") a
// semantic atom named by the second word.
struct WSANAssociate {
    uint32_t text;
    float weight;
};

extern WSANTarget const kWSANTargets[];
extern unsigned const kWSANTargetCount;
extern WSANTranslation const kWSANTranslations[];
extern unsigned const kWSANTranslationCount;
extern WSANAssociate const kWSANAssociates[];
extern unsigned const kWSANAssociateCount;
extern char const kWSANStrings[];
extern unsigned const kWSANStringBytes;
