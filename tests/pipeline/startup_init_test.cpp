#include "engine/pipeline/startup_init.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "engine/foundation/token_type_registry.h"

namespace {

// The documented defaults, field by field: a wrong default in the
// constructor must not pass by being compared with itself.
TEST(TranslationStartup, GlobalsStartAtTheDefaults) {
    BasicTranslationOptions const& options = gOptions();
    EXPECT_TRUE(options.fDictionaries.empty());
    struct {
        char const* field;
        uint32_t value, expected;
    } const values[] = {
        {"speed", options.fSpeed, 50},
        {"user dictionary preferred", options.fUserDictPreferred, 0},
        {"POS preferred", options.fPOSPreferred, 0},
        {"the", options.fTheOption, 0},
        {"dialog", options.fDialog, 0},
        {"sentence flag 1", options.fSentenceFlag1, 0},
        {"sentence flag 2", options.fSentenceFlag2, 0},
        {"style", options.fStyle, 1},
        {"document", options.fDocument, 1},
        {"proper", options.fProper, 1},
        {"strength", options.fStrength, 1},
        {"they", options.fThey, 0},
        {"numeric", options.fNumeric, 2},
        {"you", options.fYou, 0},
        {"sentence flag 3", options.fSentenceFlag3, 0},
    };
    for (auto const& v : values) EXPECT_EQ(v.value, v.expected) << v.field;
    for (uint32_t word : options.fAuxiliaryVerbWords) EXPECT_EQ(word, 0u);
    for (unsigned i = 0; i < BasicTranslationOptions::kAuxiliaryVerbFlagCount; ++i)
        EXPECT_EQ(options.fAuxiliaryVerbFlags[i], i == 10 ? 1 : 0) << "auxiliary-verb flag " << i;
    EXPECT_TRUE(dictsVector().empty());
    EXPECT_EQ(&gOptions(), &gOptions()) << "one process-wide record";
}

TEST(TranslationStartup, RegistersTheEnglishTokenTypes) {
    ASSERT_NE(TokenTypeRegistry::Get(), nullptr);
    EXPECT_EQ(TokenTypeRegistry::Get()->NameToTokenTypeID("Word"), 23);
}

}  // namespace
