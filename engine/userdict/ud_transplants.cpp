#include "engine/userdict/ud_transplants.h"

UDTransplant const kUDTransplants[kNumUDTransplants] = {
    {"wo", "\x82\xf0"},
    {"ni", "\x82\xc9"},
    {"kara", "\x82\xa9\x82\xe7"},
    {"to", "\x82\xc6"},
    {"de", "\x82\xc5"},
    {"he", "\x82\xd6"},
    {"made", "\x82\xdc\x82\xc5"},
    {"yori", "\x82\xe6\x82\xe8"},
    {"no", "\x82\xcc"},
    {"ga", "\x82\xaa"},
};

int GetNumUDTransplants() { return static_cast<int>(kNumUDTransplants); }

char const* GetUDPostpositionKana(int i) {
    if (i < 0 || i >= GetNumUDTransplants()) return nullptr;
    return kUDTransplants[i].kana;
}
