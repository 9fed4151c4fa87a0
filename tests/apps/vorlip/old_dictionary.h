#pragma once
// Old user dictionaries for the reader's tests, made through the dictionary
// facade: one word of each of the ten line keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp932.h"
#include "engine/userdict/corvan_dict_if.h"

namespace old_dictionary {

// The first candidate Japanese past form of the verb's translation (a form
// the dictionary accepts for it).
inline std::string FirstJapanesePast(CorvanUserVerb& verb) {
    char candidate[kUserWordFieldSize] = "";
    verb.AnalyseYakugo(candidate, sizeof candidate);
    return candidate;
}

inline CorvanUserVerb Verb(JITA_status transitivity, char const* base, char const* yakugo,
                           std::vector<char const*> forms, char const* particle) {
    CorvanUserVerb verb;
    verb.SetGenkei(base);
    verb.SetYakugo(CP932(yakugo).c_str());
    verb.SetKakokei(forms[0]);
    verb.SetKakobunshi(forms[1]);
    verb.SetSannin(forms[2]);
    verb.SetIngkei(forms[3]);
    verb.SetJoshi(CP932(particle).c_str());
    verb.SetJiTadoushi(transitivity);
    verb.SetYakugoKakokei(FirstJapanesePast(verb).c_str());
    return verb;
}

template <typename Record>
Record Simple(char const* genkei, char const* yakugo) {
    Record record;
    record.SetGenkei(genkei);
    record.SetYakugo(CP932(yakugo).c_str());
    return record;
}

inline CorvanUserAdj Adjective(char const* genkei, char const* yakugo, char const* sourceVerb) {
    auto record = Simple<CorvanUserAdj>(genkei, yakugo);
    record.SetMotoninaruDoushi(CP932(sourceVerb).c_str());
    return record;
}

inline CorvanUserPrepos Preposition(char const* genkei, char const* yakugo, char const* youhou) {
    auto record = Simple<CorvanUserPrepos>(genkei, yakugo);
    record.SetYouhou(youhou);
    return record;
}

// Adds one word of every key to user dictionary n.
inline void AddTenKinds(short n) {
    CorvanUserNoun noun = Simple<CorvanUserNoun>("apple", "りんご");
    noun.SetFukusuukei("apples");
    CorvanUserVerb const verb = Verb(eJitaNotSpecified, "run", "走る", {"ran", "run", "runs", "running"}, "を");
    CorvanUserVerb const vt = Verb(eJitaTransitive, "eat", "食べる", {"ate", "eaten", "eats", "eating"}, "を");
    // Stored with a particle, which an intransitive verb's line leaves out.
    CorvanUserVerb const vi = Verb(eJitaIntransitive, "sleep", "眠る", {"slept", "slept", "sleeps", "sleeping"}, "に");
    ASSERT_EQ(gCorvanEngine.AddUserNoun(n, &noun, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserVerb(n, &verb, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserVerb(n, &vt, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserVerb(n, &vi, 1), kUserWordAdded);
    CorvanUserAdj const adjective = Adjective("running", "走っている", "走く");
    CorvanUserAdj const phrase = Adjective("on the run", "走っている", "走く");
    ASSERT_EQ(gCorvanEngine.AddUserAdj(n, &adjective, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserPPhrase(n, &phrase, 1), kUserWordAdded);
    CorvanUserAdv const adverb = Simple<CorvanUserAdv>("quickly", "速く");
    CorvanUserAdv const conjunction = Simple<CorvanUserAdv>("because", "なぜなら");
    ASSERT_EQ(gCorvanEngine.AddUserAdv(n, &adverb, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserConj(n, &conjunction, 1), kUserWordAdded);
    CorvanUserPrepos const adverbial = Preposition("about", "について", YouhouFukushi);
    CorvanUserPrepos const adjectival = Preposition("beside", "のそばに", YouhouKeiyoushi);
    ASSERT_EQ(gCorvanEngine.AddUserPrepos(n, &adverbial, 1), kUserWordAdded);
    ASSERT_EQ(gCorvanEngine.AddUserPrepos(n, &adjectival, 1), kUserWordAdded);
}

// A new dictionary file at path holding the ten words; every dictionary of
// the facade is closed afterwards.
inline void MakeTenKinds(std::string const& path) {
    gCorvanEngine.RemoveAllDict();
    ASSERT_EQ(gCorvanEngine.AddUserDict(path, false), kUserDictOpenedReadWrite);
    AddTenKinds(0);
    gCorvanEngine.RemoveAllDict();
}

}  // namespace old_dictionary
