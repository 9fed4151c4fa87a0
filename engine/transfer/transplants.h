#pragma once
// Transplant strings: a dictionary reading's pattern over the words to the
// left of its word, with the Japanese to attach to them ("NP:+ni" gives the
// noun phrase before "meet" the particle "ni").  The word's node carries the
// string; the pattern is read leftwards from it, the last term nearest.
//
//   term   := [?? | ?] TEST [*] ['] [{...}] [ : SIGN [CATEGORY | romaji] [<JAPANESE>] [: JPOS] ]
//   TEST   := CATEGORY | *CATEGORY | english_word | :JPOS
//   SIGN   := # the node itself | + a new node adjoined | - the same, flagged
//             | = the node's last child | @ a new right sibling
// "??" lets the term match any node further left, "?" makes it optional.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/parse/parsed_node.h"

struct TRANS_TERM {
    enum TestKind : uint32_t { kNoTest = 0, kCategory = 1, kEnglishWord = 2, kJapanesePOS = 3 };
    enum Action : uint32_t {
        kNewRightSibling = 0,   // @
        kAdjoin = 1,            // +
        kLastChild = 2,         // =
        kNoAction = 3,
        kSelf = 4,              // #
        kAdjoinFlagged = 5,     // -
    };
    static constexpr std::size_t kMaxWord = 50;
    static constexpr std::size_t kMaxRomaji = 2000;
    static constexpr std::size_t kMaxJapanese = 2002;

    TestKind test = kNoTest;
    std::string word;  // '_' already a space in English words
    bool prime = false;
    bool prefix = false;  // the value starts with the word
    bool suffix = false;  // the value ends with the word
    uint8_t matchMode = 0;  // as the analyzer's constituents: 0 next, 1 any, 3 optional
    Action action = kNoAction;
    uint32_t category = 0;     // given to the target; 0 keeps it
    uint32_t japanesePOS = 0;  // given to the target; 0 keeps it
    std::string romaji;
    std::string japanese;  // Shift-JIS, from between '<' and '>'
};

// The terms of a transplant string; at most kMaxTransplantTerms, the rest
// ignored.  Fields are cut to their bounds.
constexpr std::size_t kMaxTransplantTerms = 10;
std::vector<TRANS_TERM> ParseTransplantString(char const* text);

// Applies every node's transplant string, right to left; whether any
// changed the tree.
bool ApplyTransplants(PARSED_NODE* tree);
