// Static initialisers of this source read the token-type registry, which
// other sources build: the module counters make that work in any link order.
#include <gtest/gtest.h>

#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"

namespace {

Token_ModuleInit sTokens;
EnglishTokens sEnglishTokens;
TokenTypeID const sWordAtStartup = TokenTypeRegistry::Get()->NameToTokenTypeID("Word");

TEST(StartupInit, AStaticInitialiserSeesTheEnglishTokenTypes) {
    EXPECT_EQ(sWordAtStartup, 23);
    ASSERT_NE(TokenTypeRegistry::Get(), nullptr);
    EXPECT_EQ(TokenTypeRegistry::Get()->NameToTokenTypeID("EOF"), 1);
}

TEST(StartupInit, TheRegistryLivesWhileAnyCounterDoes) {
    unsigned const before = Token_ModuleInit::sCount;
    TokenTypeRegistry* const registry = TokenTypeRegistry::Get();
    {
        Token_ModuleInit another;
        EXPECT_EQ(Token_ModuleInit::sCount, before + 1);
        EXPECT_EQ(TokenTypeRegistry::Get(), registry) << "only the first counter builds it";
    }
    EXPECT_EQ(TokenTypeRegistry::Get(), registry) << "only the last counter frees it";
}

}  // namespace
