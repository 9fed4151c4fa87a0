#include "engine/userdict/ud_valid_prep_phrase.h"

#include <gtest/gtest.h>

namespace {

TEST(UDValidPrepPhrase, FirstWordMustBeAPreposition) {
    struct {
        std::string phrase;
        bool valid;
    } const cases[] = {
        {"in the end", true},
        {"In the end", false},
        {"inside out", true},
        {"into", true},
        {"", false},
        {"aboard ship", true},
        {"without fail", true},
        {"through", true},
        {"toward\thome", true},
        {"intothe", false},
        {" in the end", false},
        {"zzz", false},
        {std::string("in\0x", 4), false},
    };
    for (auto const& c : cases) EXPECT_EQ(UDValidPrepPhrase(c.phrase), c.valid) << '"' << c.phrase << '"';
}

}  // namespace
