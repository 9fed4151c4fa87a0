#include "engine/userdict/ud_transplants.h"

#include <cstring>

UDTransplant const kUDTransplants[kNumUDTransplants] = {
    {"wo", "\x82\xf0", "(NP* : +wo:Acc)"},
    {"ni", "\x82\xc9", "(NP* : +ni:Dat)"},
    {"kara", "\x82\xa9\x82\xe7", "(NP* : +kara:Abl)"},
    {"to", "\x82\xc6", "(NP* : +to:Com)"},
    {"de", "\x82\xc5", "(NP* : +de:Loc)"},
    {"he", "\x82\xd6", "(NP* : +he:All)"},
    {"made", "\x82\xdc\x82\xc5", "(NP* : +made:Term)"},
    {"yori", "\x82\xe6\x82\xe8", "(NP* : +yori:Comp)"},
    {"no", "\x82\xcc", "(NP* : +no:Gen)"},
    {"ga", "\x82\xaa", "(NP* : +ga:Nom)"},
};

int GetNumUDTransplants() { return static_cast<int>(kNumUDTransplants); }

char const* GetUDPostpositionKana(int i) {
    if (i < 0 || i >= GetNumUDTransplants()) return nullptr;
    return kUDTransplants[i].kana;
}

char const* FindUDTransplantPattern(char const* romaji) {
    if (romaji == nullptr) return nullptr;
    for (UDTransplant const& row : kUDTransplants) {
        if (std::strcmp(row.romaji, romaji) == 0) return row.pattern;
    }
    return nullptr;
}
