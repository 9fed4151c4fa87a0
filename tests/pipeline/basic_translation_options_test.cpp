#include "engine/pipeline/basic_translation_options.h"

#include <gtest/gtest.h>

namespace {

TEST(BasicTranslationOptions, StartsAtTheDocumentedDefaults) {
    BasicTranslationOptions const options;
    EXPECT_TRUE(options.fDictionaries.empty());

    struct {
        char const* field;
        uint32_t value;
        uint32_t expected;
    } const numbers[] = {
        {"speed", options.fSpeed, 50},    {"style", options.fStyle, 1},       {"document", options.fDocument, 1},
        {"proper", options.fProper, 1},   {"strength", options.fStrength, 1}, {"they", options.fThey, 0},
        {"numeric", options.fNumeric, 2}, {"you", options.fYou, 0},
    };
    for (auto const& n : numbers) EXPECT_EQ(n.value, n.expected) << n.field;

    bool const flags[] = {options.fUserDictPreferred, options.fPOSPreferred,  options.fTheOption,    options.fDialog,
                          options.fSentenceFlag1,     options.fSentenceFlag2, options.fSentenceFlag3};
    for (bool flag : flags) EXPECT_FALSE(flag);

    for (uint32_t word : options.fAuxiliaryVerbWords) EXPECT_EQ(word, 0u);
    for (unsigned i = 0; i < BasicTranslationOptions::kAuxiliaryVerbFlagCount; ++i)
        EXPECT_EQ(options.fAuxiliaryVerbFlags[i], i == 10 ? 1 : 0) << "auxiliary-verb flag " << i;
}

}  // namespace
