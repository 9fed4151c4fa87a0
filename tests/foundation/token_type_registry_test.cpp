#include "engine/foundation/token_type_registry.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/foundation/token_types.h"

namespace {

// A registry of its own, so that tests may fill it without touching the
// process-wide one.
class TokenTypeRegistryTest : public ::testing::Test {
protected:
    TokenTypeRegistryTest() {
        EnglishTokens::RegisterTypes(fRegistry);
        POSTokens::RegisterTypes(fRegistry);
    }

    std::string NameOf(TokenTypeID id) const {
        std::string name = "<none>";
        fRegistry.GetName(id, &name);
        return name;
    }

    TokenTypeRegistry fRegistry;
};

TEST_F(TokenTypeRegistryTest, HoldsTheFixedTypes) {
    struct {
        char const* name;
        TokenTypeID id;
    } const cases[] = {
        {"Bad", 0},
        {"EOF", 1},
        {"EndOfSentence", 2},
        {"Number", 19},
        {"Word", 23},
        {"Colon", 30},
        {"IgnoredEndOfSentence", 31},
        {"Minus", 33},
        {"EndSelectionRegion", 42},
        {"POSNoun", 43},
        {"EndPOSNoun", 44},
        {"POSLiteral", 63},
        {"EndPOSAdverbPhrase", 68},
        {"NoSuchType", 0},
    };
    for (auto const& c : cases) EXPECT_EQ(fRegistry.NameToTokenTypeID(c.name), c.id) << c.name;

    EXPECT_EQ(NameOf(23), "Word");
    EXPECT_EQ(NameOf(32), "<none>") << "32 is left free";
    EXPECT_EQ(NameOf(69), "<none>");
}

TEST_F(TokenTypeRegistryTest, KnownNamesKeepTheirTypeAndNewNamesTakeTheLowestFreeOne) {
    EXPECT_EQ(fRegistry.Register("Number", 19), 19);
    EXPECT_EQ(fRegistry.Register("Number", 100), 19);
    EXPECT_EQ(NameOf(100), "<none>");

    EXPECT_EQ(fRegistry.Register("Fresh", 0), 32);
    EXPECT_EQ(fRegistry.Register("Fresher", 0), 69);
    EXPECT_EQ(fRegistry.Register("Chosen", 200), 200);
    EXPECT_EQ(fRegistry.NameToTokenTypeID("Fresh"), 32);
    EXPECT_EQ(NameOf(200), "Chosen");
}

TEST_F(TokenTypeRegistryTest, RefusesATypeAnotherNameHolds) {
    EXPECT_EQ(fRegistry.Register("Impostor", 23), 0);
    EXPECT_EQ(fRegistry.Register("Impostor", 0), 32) << "the refused name was not kept";
    EXPECT_EQ(NameOf(23), "Word");
    EXPECT_EQ(fRegistry.NameToTokenTypeID("Word"), 23);
}

TEST_F(TokenTypeRegistryTest, AFullRegistryRegistersNothing) {
    while (fRegistry.UniqueID() != 0) fRegistry.Register(("Filler" + std::to_string(fRegistry.UniqueID())).c_str(), 0);
    EXPECT_EQ(NameOf(255), "Filler255");

    EXPECT_EQ(fRegistry.Register("OneTooMany", 0), 0);
    EXPECT_EQ(fRegistry.NameToTokenTypeID("OneTooMany"), 0);
    EXPECT_EQ(NameOf(0), "Bad");
    EXPECT_EQ(fRegistry.NameToTokenTypeID("Bad"), 0);
    EXPECT_EQ(fRegistry.Register(nullptr, 0), 0);
}

TEST(TokenValue, SerialAboveTypeAndNoWrap) {
    Token const token = MakeToken(0x123456, 23);
    EXPECT_EQ(token, 0x12345617u);
    EXPECT_EQ(TokenTypeOf(token), 23);
    EXPECT_EQ(TokenSerialOf(token), 0x123456u);
    EXPECT_THROW(MakeToken(kMaxTokenSerial + 1, 23), std::out_of_range);

    TokenCreator creator = 0;
    EXPECT_EQ(TokenSerialOf(NewToken(&creator, 1)), 1u) << "serial 0 is never handed out";
    creator = kMaxTokenSerial - 1;
    EXPECT_EQ(TokenSerialOf(NewToken(&creator, 23)), kMaxTokenSerial);
    EXPECT_THROW(NewToken(&creator, 23), std::overflow_error);
    EXPECT_EQ(creator, kMaxTokenSerial) << "a refused serial is not used up";
}

}  // namespace
