// e2j translate on everyday sentences that once came out wrong: possessive
// pronouns, verbs used without their object, phrasal verbs and clock times,
// each English sentence with the exact Japanese in plain and polite style.
#include <gtest/gtest.h>

#include "e2j_translations.h"

namespace {

// "mine", "yours", "his", ... standing alone are the owner's thing (私のもの),
// never a noun of the same spelling (a mine is 機雷); before a noun "his"
// stays the determiner 彼の.
TEST(E2jEveryday, PossessivePronounsNameTheOwnersThing) {
    StyledTranslation const cases[] = {
        {"The book is mine.", "本は私のものだ。", "本は私のものです。"},
        {"This pen is yours.", "このペンはあなたのものだ。", "このペンはあなたのものです。"},
        {"The bag is his.", "かばんは彼のものだ。", "かばんは彼のものです。"},
        {"Those books are theirs.", "あれらの本は彼らのものだ。", "あれらの本は彼らのものです。"},
        {"His bag is red.", "彼のかばんは赤い。", "彼のかばんは赤いです。"},
    };
    ExpectPlainAndPolite(cases);
}

// A transitive verb without its object still makes a sentence, and "a lot"
// after it is how much (たくさん), while "a lot of" before a noun stays
// たくさんの.
TEST(E2jEveryday, VerbsWithoutTheirObjectAndALot) {
    StyledTranslation const cases[] = {
        {"I ate a lot.", "私はたくさん食べた。", "私はたくさん食べました。"},
        {"She studied a lot.", "彼女はたくさん勉強した。", "彼女はたくさん勉強しました。"},
        {"I ate quickly.", "私は速く食べた。", "私は速く食べました。"},
        {"He has a lot of books.", "彼はたくさんの本を持っている。", "彼はたくさんの本を持っています。"},
    };
    ExpectPlainAndPolite(cases);
}

}  // namespace
