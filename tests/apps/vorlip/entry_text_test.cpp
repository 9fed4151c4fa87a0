// The text makers: the exact line for every part-of-speech key, and no line
// at all for a record whose field would break it.
#include "apps/vorlip/entry_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cp932.h"

namespace {

struct MakerCase {
    char const* name;
    std::function<bool(std::string*)> make;
    std::string expected;
};

CorvanUserVerb Verb(JITA_status transitivity) {
    CorvanUserVerb verb;
    verb.SetGenkei("eat");
    verb.SetYakugo(CP932("食べる").c_str());
    verb.SetKakokei("ate");
    verb.SetKakobunshi("eaten");
    verb.SetSannin("eats");
    verb.SetIngkei("eating");
    verb.SetJoshi(CP932("を").c_str());
    verb.SetYakugoKakokei(CP932("食べた").c_str());
    verb.SetJiTadoushi(transitivity);
    return verb;
}

CorvanUserAdj Adjective() {
    CorvanUserAdj adjective;
    adjective.SetGenkei("running");
    adjective.SetYakugo(CP932("走っている").c_str());
    adjective.SetMotoninaruDoushi(CP932("走く").c_str());
    return adjective;
}

CorvanUserAdv Adverb() {
    CorvanUserAdv adverb;
    adverb.SetGenkei("so");
    adverb.SetYakugo(CP932("だから").c_str());
    return adverb;
}

CorvanUserPrepos Preposition(char const* youhou) {
    CorvanUserPrepos preposition;
    preposition.SetGenkei("by");
    preposition.SetYakugo(CP932("のそばに").c_str());
    preposition.SetYouhou(youhou);
    return preposition;
}

TEST(TextMakers, MakeTheLineOfEveryKey) {
    CorvanUserNoun noun;
    noun.SetGenkei("cat");
    noun.SetYakugo(CP932("猫").c_str());
    noun.SetFukusuukei("cats");
    std::string const verbTail = "\tate\teats\teating\teaten\t";
    MakerCase const cases[] = {
        {"NOUN", [&](std::string* t) { return makeENoun(noun, t); }, "cat\t" + CP932("猫") + "\tNOUN\tcats\r"},
        {"VERB", [](std::string* t) { return makeEVerb(Verb(eJitaNotSpecified), t); },
         "eat\t" + CP932("食べる") + "\tVERB" + verbTail + CP932("を") + "\t\t" + CP932("食べた") + "\r"},
        {"VT", [](std::string* t) { return makeEVerb(Verb(eJitaTransitive), t); },
         "eat\t" + CP932("食べる") + "\tVT" + verbTail + CP932("を") + "\t\t" + CP932("食べた") + "\r"},
        // The stored particle is left out: the converter gives VI its own.
        {"VI", [](std::string* t) { return makeEVerb(Verb(eJitaIntransitive), t); },
         "eat\t" + CP932("食べる") + "\tVI" + verbTail + "\t\t" + CP932("食べた") + "\r"},
        {"ADJ", [](std::string* t) { return makeEAdj(Adjective(), t, true); },
         "running\t" + CP932("走っている") + "\tADJ\t\t\t\t\t\t\t" + CP932("走く") + "\r"},
        {"PP", [](std::string* t) { return makeEAdj(Adjective(), t, false); },
         "running\t" + CP932("走っている") + "\tPP\t\t\t\t\t\t\t" + CP932("走く") + "\r"},
        {"ADV", [](std::string* t) { return makeEAdv(Adverb(), t, true); }, "so\t" + CP932("だから") + "\tADV\r"},
        {"CONJ", [](std::string* t) { return makeEAdv(Adverb(), t, false); }, "so\t" + CP932("だから") + "\tCONJ\r"},
        {"PREPV", [](std::string* t) { return makeEPrepos(Preposition(YouhouFukushi), t); },
         "by\t" + CP932("のそばに") + "\tPREPV\r"},
        {"PREPA", [](std::string* t) { return makeEPrepos(Preposition(YouhouKeiyoushi), t); },
         "by\t" + CP932("のそばに") + "\tPREPA\r"},
        {"PREPA for any other usage", [](std::string* t) { return makeEPrepos(Preposition(""), t); },
         "by\t" + CP932("のそばに") + "\tPREPA\r"},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "before";
        EXPECT_TRUE(c.make(&text));
        EXPECT_EQ(text, "before" + c.expected);
    }
}

TEST(TextMakers, RefuseAFieldThatWouldBreakTheLine) {
    for (char const* breaker : {"\t", "\r", "\n"}) {
        SCOPED_TRACE(static_cast<int>(breaker[0]));
        CorvanUserNoun noun;
        noun.SetGenkei("cat");
        noun.SetYakugo((CP932("猫") + breaker + "x").c_str());
        CorvanUserVerb verb = Verb(eJitaTransitive);
        verb.SetYakugoKakokei((std::string("a") + breaker).c_str());
        CorvanUserAdj adjective = Adjective();
        adjective.SetMotoninaruDoushi(breaker);
        CorvanUserAdv adverb = Adverb();
        adverb.SetGenkei((std::string("so") + breaker + "ADV").c_str());

        std::string text;
        EXPECT_FALSE(makeENoun(noun, &text));
        EXPECT_FALSE(makeEVerb(verb, &text));
        EXPECT_FALSE(makeEAdj(adjective, &text, true));
        EXPECT_FALSE(makeEAdv(adverb, &text, true));
        EXPECT_EQ(text, "");
    }
}

}  // namespace
