// The alternate translator stage around its sentence work: the selection
// tokens it reads, the copies of the first sentence it hands on (one per
// distinct Japanese), what passes when nothing is translated, and EOF for
// ever after.
#include "engine/pipeline/etoj_alt_translator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "support/list_producer.h"

namespace {

using T = EnglishTokens;
EnglishTokens sEnglishTokens;

// Answers each choice with the Japanese listed for it (none: no translation).
class FakeAltWork : public EtoJAltSentenceWork {
public:
    uint16_t Prepare(EtoJTranslator&, std::vector<Token> const& source, bool, uint32_t start, uint32_t end) override {
        prepared.push_back({start, end});
        sentenceLength = source.size();
        return count;
    }
    bool TranslateChoice(EtoJTranslator&, uint16_t choice, bool selectChoice, std::wstring* japanese,
                         std::vector<DICT_SOURCE>* pieces) override {
        asked.push_back(choice);
        selected.push_back(selectChoice);
        auto const found = answers.find(choice);
        if (found == answers.end()) return false;
        *japanese = found->second;
        pieces->clear();
        return true;
    }
    uint16_t count = 0;
    std::map<uint16_t, std::wstring> answers;
    std::vector<EtoJAltTranslator::SelectionRegion> prepared;
    std::vector<uint16_t> asked;
    std::vector<bool> selected;
    std::size_t sentenceLength = 0;
};

struct AltStage {
    AltStage() {
        auto made = std::make_unique<FakeAltWork>();
        work = made.get();
        stage.SetTokenCreator(&creator);
        stage.SetTokenStringDatabase(&strings);
        stage.SetDictSourceDatabase(&dictSources);
        stage.SetAltSentenceWork(std::move(made));
    }
    Token Make(TokenTypeID type, std::wstring const& text = std::wstring()) {
        Token const token = NewToken(&creator, type);
        if (!text.empty()) strings.Insert(token, text);
        return token;
    }
    // "I saw him. Go." with the selection tokens given as '[' and ']' in
    // the text.
    std::vector<Token> Sentences(std::wstring const& marked) {
        std::vector<Token> tokens;
        for (wchar_t c : marked) {
            if (c == L'[')
                tokens.push_back(Make(T::kStartSelectionRegion));
            else if (c == L']')
                tokens.push_back(Make(T::kEndSelectionRegion));
            else if (c == L' ')
                tokens.push_back(Make(T::kSpace, L" "));
            else if (c == L'.')
                tokens.push_back(Make(T::kPeriod, L".")), tokens.push_back(Make(T::kEndOfSentence));
            else
                tokens.push_back(Make(T::kWord, std::wstring(1, c)));
        }
        return tokens;
    }
    // The stage's output up to its `eofs`-th EOF: "Type[text] ...".
    std::string Run(std::vector<Token> const& tokens, int eofs = 1) {
        ListProducer upstream(tokens);
        stage.SetUpstreamProducer(&upstream);
        std::string out;
        for (int seen = 0;;) {
            Token const token = stage.Produce();
            std::string name;
            TokenTypeRegistry::Get()->GetName(TokenTypeOf(token), &name);
            std::wstring text;
            if (strings.Find(token, &text)) name += "[" + std::string(text.begin(), text.end()) + "]";
            out += (out.empty() ? "" : " ") + name;
            if (TokenTypeOf(token) == kEOFTokenType && ++seen == eofs) return out;
        }
    }

    TokenCreator creator = 0;
    TokenStringDatabase strings;
    DictSourceDatabase dictSources;
    FakeAltWork* work;
    EtoJAltTranslator stage;
};

TEST(EtoJAltTranslatorStage, TheSelectionRegionInTheSentenceIsWhatTheWorkIsAsked) {
    struct {
        char const* name;
        std::wstring marked;
        uint32_t start, end;
    } const cases[] = {
        {"no selection", L"I saw him. Go.", 0, EtoJAltTranslator::kWholeSentenceEnd},
        {"a word", L"I [saw] him. Go.", 2, 5},
        {"nested: the inner one closes first", L"I [s[a]w] him. Go.", 3, 4},
        {"reversed: the end is ignored, the start runs to the end", L"I ]saw [him. Go.", 6, 10},
        {"left open", L"I [saw him. Go.", 2, 10},
        {"in the second sentence: not this one's", L"I saw him. [Go].", 0, EtoJAltTranslator::kWholeSentenceEnd},
    };
    for (auto const& c : cases) {
        AltStage s;
        s.work->count = 1;
        s.work->answers[0] = L"J";
        s.Run(s.Sentences(c.marked));
        ASSERT_EQ(s.work->prepared.size(), 1u) << c.name;
        EXPECT_EQ(s.work->prepared[0].start, c.start) << c.name;
        EXPECT_EQ(s.work->prepared[0].end, c.end) << c.name;
    }
}

TEST(EtoJAltTranslatorStage, EachDistinctTranslationOfTheFirstSentenceOnceThenEOFForEver) {
    AltStage s;
    s.work->count = 4;
    s.work->answers = {{0, L"A"}, {1, L"A"}, {3, L"B"}};  // choice 2 gives nothing
    EXPECT_EQ(s.Run(s.Sentences(L"I saw him. Go."), 3), "Word[A] EndOfSentence Word[B] EndOfSentence EOF EOF EOF");
    EXPECT_EQ(s.work->asked, (std::vector<uint16_t>{0, 1, 2, 3}));
    EXPECT_EQ(s.work->selected, (std::vector<bool>{true, true, true, true}));
}

TEST(EtoJAltTranslatorStage, OneChoiceIsTranslatedWithoutSelectingIt) {
    AltStage s;
    s.work->count = 1;
    s.work->answers[0] = L"A";
    EXPECT_EQ(s.Run(s.Sentences(L"I saw him. Go.")), "Word[A] EndOfSentence EOF");
    EXPECT_EQ(s.work->selected, std::vector<bool>{false});
}

TEST(EtoJAltTranslatorStage, WhatCannotBeTranslatedPassesOnceAsItStands) {
    for (uint16_t count : {0, 2}) {  // nothing to try, or every try failing
        AltStage s;
        s.work->count = count;
        EXPECT_EQ(s.Run(s.Sentences(L"I saw. Go."), 2),
                  "Word[I] Space[ ] Word[s] Word[a] Word[w] Period[.] EndOfSentence EOF EOF")
            << count;
    }
}

}  // namespace
