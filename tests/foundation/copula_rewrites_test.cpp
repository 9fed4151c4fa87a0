#include "engine/foundation/copula_rewrites.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/jpos_ids.h"
#include "foundation/japanese_text.h"

namespace {

constexpr unsigned short kVCr = kCopulaJPOSN;

std::string FromSurface(std::string text, unsigned short jposn = kVCr) {
    MaybeVCrFromSurface(text, jposn);
    return text;
}

std::string ToSurface(std::string text, unsigned short jposn = kVCr) {
    MaybeVCrToSurface(text, jposn);
    return text;
}

TEST(CopulaRewritesTest, PairsAreRomajiThatNameTheCopula) {
    for (auto const& pair : kAltWordDearu) {
        std::string const surface = pair[0], cooked = pair[1];
        EXPECT_FALSE(surface.empty());
        EXPECT_TRUE(cooked.find("dear") != std::string::npos || cooked.find("deaQ") != std::string::npos) << cooked;
        // Both directions give back the text they were given.
        EXPECT_EQ(ToSurface(FromSurface("x" + surface)), "x" + surface);
    }
}

TEST(CopulaRewritesTest, AnalysisThenGenerationKeepsTheVariant) {
    std::string text = "yuuyouzyanai";
    ASSERT_TRUE(MaybeVCrFromSurface(text, kVCr));
    EXPECT_EQ(text, "yuuyoudear-anai");
    ASSERT_TRUE(MaybeVCrToSurface(text, kVCr));
    EXPECT_EQ(text, "yuuyouzyanai");
    // Without an analysis first, the usual wording.
    MaybeVCrFromSurface(text = "nothing", kVCr);
    EXPECT_EQ(ToSurface("yuuyoudear-anai"), "yuuyoudehanai");
}

// The pair remembered from one word is not forced on the next one.
TEST(CopulaRewritesTest, ConversionRightAfterAnUnrelatedWord) {
    std::string unrelated = "yuuyoudenakute";
    ASSERT_TRUE(MaybeVCrFromSurface(unrelated, kVCr));
    EXPECT_EQ(ToSurface("kiredear-anakaQta"), "kiredehanakaQta");
    EXPECT_EQ(ToSurface("kiredeaQ-ta"), "kiredeaQta");

    std::string word = "hon";
    EXPECT_FALSE(MaybeVCrFromSurface(word, kVCr));
    EXPECT_EQ(word, "hon");
    EXPECT_EQ(ToSurface("yuuyoudear-anakute"), "yuuyoudehanakute");
}

TEST(CopulaRewritesTest, OnlyTheCopulaClass) {
    std::string text = "yuuyouzyanai";
    ASSERT_TRUE(MaybeVCrFromSurface(text, kVCr));
    std::string other = "denai";
    EXPECT_FALSE(MaybeVCrFromSurface(other, 42));
    EXPECT_EQ(other, "denai");
    EXPECT_FALSE(MaybeVCrToSurface(other = "dear-anai", 42));
    EXPECT_EQ(other, "dear-anai");
    // The other class left the remembered pair alone.
    EXPECT_EQ(ToSurface(text), "yuuyouzyanai");
}

TEST(CopulaRewritesTest, FormsEndTheTextAtACharacterBoundary) {
    EXPECT_EQ(ToSurface("abc"), "abc");
    EXPECT_EQ(ToSurface("dear-anaix"), "dear-anaix");
    // 0x88 0x64 is one double-byte character: its "d" begins no form.
    std::string const kanji =
        "\x88"
        "dear-u";
    EXPECT_EQ(ToSurface(kanji), kanji);
    EXPECT_EQ(FromSurface("\x88"
                          "da"),
              "\x88"
              "da");
}

TEST(CopulaRewritesTest, RememberedPairIsPerThread) {
    std::string text = "zyanai";
    ASSERT_TRUE(MaybeVCrFromSurface(text, kVCr));
    std::string seenByOtherThread;
    std::thread([&] { seenByOtherThread = ToSurface("dear-anai"); }).join();
    EXPECT_EQ(seenByOtherThread, "dehanai");
    EXPECT_EQ(ToSurface(text), "zyanai");
}

// Inflected forms of the copula come out as Japanese says them.
TEST(CopulaRewritesTest, InflectedCopula) {
    std::string text = "reset";
    MaybeVCrFromSurface(text, kVCr);
    POS_J_Target const vcr = POS_J_TargetFromJPOSID(JPOSIDFromStr("VCr"));
    struct Case {
        char const* form;
        char const* expected;
    } const cases[] = {
        {"Present", "有用である"}, {"Past", "有用であった"},     {"Neg", "有用ではない"},
        {"Cont", "有用であって"},  {"Polite", "有用であります"},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(CreateInflectedTranslation(SJIS("{有用}dear-"), vcr, eCookVerb, c.form), SJIS(c.expected)) << c.form;
    }
}

}  // namespace
