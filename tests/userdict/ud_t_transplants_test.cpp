// The verb particles: romaji as stored, kana as Shift-JIS that converts to
// the particles themselves.
#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/sjis_convert.h"
#include "engine/userdict/ud_transplants.h"

namespace {

TEST(UDTransplants, TenParticlesWhoseKanaAreTheParticlesInShiftJIS) {
    struct Particle {
        char const* romaji;
        wchar_t const* kana;
    };
    Particle const expected[] = {
        {"wo", L"\u3092"}, {"ni", L"\u306b"},         {"kara", L"\u304b\u3089"}, {"to", L"\u3068"}, {"de", L"\u3067"},
        {"he", L"\u3078"}, {"made", L"\u307e\u3067"}, {"yori", L"\u3088\u308a"}, {"no", L"\u306e"}, {"ga", L"\u304c"},
    };
    ASSERT_EQ(GetNumUDTransplants(), 10);
    for (int i = 0; i < GetNumUDTransplants(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(kUDTransplants[i].romaji, expected[i].romaji);
        EXPECT_EQ(MapSJISTowstring(GetUDPostpositionKana(i)), expected[i].kana);
    }
    EXPECT_EQ(GetUDPostpositionKana(-1), nullptr);
    EXPECT_EQ(GetUDPostpositionKana(10), nullptr);
}

}  // namespace
