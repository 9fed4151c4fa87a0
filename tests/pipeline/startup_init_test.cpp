#include "engine/pipeline/startup_init.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/foundation/token_type_registry.h"

namespace {

// Field by field: the record has no equality of its own.
void ExpectSameOptions(BasicTranslationOptions const& a, BasicTranslationOptions const& b) {
    EXPECT_EQ(a.fDictionaries.size(), b.fDictionaries.size());
    struct {
        char const* field;
        uint32_t a, b;
    } const values[] = {
        {"speed", a.fSpeed, b.fSpeed},
        {"user dictionary preferred", a.fUserDictPreferred, b.fUserDictPreferred},
        {"POS preferred", a.fPOSPreferred, b.fPOSPreferred},
        {"the", a.fTheOption, b.fTheOption},
        {"dialog", a.fDialog, b.fDialog},
        {"sentence flag 1", a.fSentenceFlag1, b.fSentenceFlag1},
        {"sentence flag 2", a.fSentenceFlag2, b.fSentenceFlag2},
        {"style", a.fStyle, b.fStyle},
        {"document", a.fDocument, b.fDocument},
        {"proper", a.fProper, b.fProper},
        {"strength", a.fStrength, b.fStrength},
        {"they", a.fThey, b.fThey},
        {"numeric", a.fNumeric, b.fNumeric},
        {"you", a.fYou, b.fYou},
        {"sentence flag 3", a.fSentenceFlag3, b.fSentenceFlag3},
    };
    for (auto const& v : values) EXPECT_EQ(v.a, v.b) << v.field;
    EXPECT_EQ(std::memcmp(a.fAuxiliaryVerbWords, b.fAuxiliaryVerbWords, sizeof a.fAuxiliaryVerbWords), 0);
    EXPECT_EQ(std::memcmp(a.fAuxiliaryVerbFlags, b.fAuxiliaryVerbFlags, sizeof a.fAuxiliaryVerbFlags), 0);
}

TEST(TranslationStartup, GlobalsStartAtTheDefaults) {
    ExpectSameOptions(gOptions(), BasicTranslationOptions());
    EXPECT_TRUE(dictsVector().empty());
    EXPECT_EQ(&gOptions(), &gOptions()) << "one process-wide record";
}

TEST(TranslationStartup, RegistersTheEnglishTokenTypes) {
    ASSERT_NE(TokenTypeRegistry::Get(), nullptr);
    EXPECT_EQ(TokenTypeRegistry::Get()->NameToTokenTypeID("Word"), 23);
}

}  // namespace
