// Judging where the sentences of a text begin and end: byte spans of the
// Shift-JIS text, one after the other, with the white space after an end
// counted into the next sentence.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cp932.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/judge_terminal.h"
#include "engine/pipeline/judge_translator.h"
#include "support/list_producer.h"

namespace {

using Spans = std::vector<std::pair<uint32_t, uint32_t>>;

// The spans the facade judges text to have; false when it answers false.
bool Judge(std::string text, Spans* spans) {
    CorvanIF facade;
    std::vector<ScanIF*> sentences;
    bool const judged = facade.JudgeTranslate(&text, &sentences);
    spans->clear();
    for (ScanIF const* sentence : sentences) spans->emplace_back(sentence->start, sentence->end);
    DeleteScanIFs(sentences);
    return judged;
}

TEST(JudgeTranslate, SentencesAreByteSpansThatFollowEachOther) {
    struct {
        std::string text;
        Spans spans;
    } const cases[] = {
        {"", {}},
        // The blank after the first period opens the second sentence.
        {"One. Two.", {{0, 4}, {4, 9}}},
        // A double-byte character counts two bytes.
        {CP932("日本. Two."), {{0, 5}, {5, 10}}},
        // The end marker the finder adds has no text of its own.
        {"Hello world", {{0, 11}}},
        {"He asked \"why?\" She left.", {{0, 15}, {15, 25}}},
        // A NUL character is a byte of the text like any other.
        {std::string("It\0 ran. We sat.", 16), {{0, 8}, {8, 16}}},
    };
    for (auto const& c : cases) {
        Spans spans;
        EXPECT_TRUE(Judge(c.text, &spans)) << c.text;
        EXPECT_EQ(spans, c.spans) << c.text;
    }
}

TEST(JudgeTranslate, NullArgumentsAnswerFalse) {
    CorvanIF facade;
    std::string text = "One.";
    std::vector<ScanIF*> sentences;
    EXPECT_FALSE(facade.JudgeTranslate(nullptr, &sentences));
    EXPECT_FALSE(facade.JudgeTranslate(&text, nullptr));
    EXPECT_TRUE(sentences.empty());
}

// A judging chain whose token serials are all but used up.
class NearlyExhaustedJudge : public ZRJudgeTranslator {
public:
    NearlyExhaustedJudge(std::string text, std::vector<ScanIF*>* sentences, uint32_t serialsLeft)
        : ZRJudgeTranslator(std::move(text), sentences, BasicTranslationOptions()) {
        *GetTokenCreator() = kMaxTokenSerial - serialsLeft;
    }
};

TEST(JudgeTranslate, RunningOutOfTokenSerialsFailsTheRunInsteadOfWrappingThem) {
    for (uint32_t left : {5u, 40u}) {
        std::vector<ScanIF*> sentences;
        NearlyExhaustedJudge judge("One. Two. Three. Four. Five.", &sentences, left);
        judge.TranslateAll();
        EXPECT_TRUE(judge.Failed()) << left;
        EXPECT_LT(sentences.size(), 5u) << left;
        DeleteScanIFs(sentences);
    }
}

// The terminal fed by hand: sentence ends whose token lists are filed, or not.
struct JudgingTerminal {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    SentenceTokensDatabase sentenceTokens;
    std::vector<ScanIF*> records;

    ~JudgingTerminal() { DeleteScanIFs(records); }

    Token Word(wchar_t const* text) {
        Token const token = NewToken(&creator, EnglishTokens::kWord);
        strings.Insert(token, text);
        return token;
    }
    // A sentence end filed with the given tokens.
    Token End(std::vector<Token> tokens) {
        Token const end = NewToken(&creator, EnglishTokens::kEndOfSentence);
        tokens.push_back(end);
        sentenceTokens.Add(end, tokens);
        return end;
    }
    // Runs the terminal over the tokens; whether it failed.
    bool Run(std::vector<Token> tokens) {
        ListProducer producer(std::move(tokens));
        ZRTerminalConsumer terminal(&producer, &strings, &sentenceTokens, &records);
        while (terminal.ConsumeSome()) {
        }
        return terminal.Failed();
    }
    Spans RecordSpans() const {
        Spans spans;
        for (ScanIF const* record : records) spans.emplace_back(record->start, record->end);
        return spans;
    }
};

TEST(JudgingTerminal, ASentenceWithoutBytesIsPassedOverAndTheRunGoesOn) {
    JudgingTerminal judging;
    Token const first = judging.Word(L"Ab.");
    Token const inserted = NewToken(&judging.creator, EnglishTokens::kNewline);  // no text
    Token const second = judging.Word(L" Cd.");
    std::vector<Token> const tokens = {judging.End({first}), judging.End({inserted}), judging.End({second})};
    EXPECT_FALSE(judging.Run(tokens));
    EXPECT_EQ(judging.RecordSpans(), (Spans{{0, 3}, {3, 7}}));
}

TEST(JudgingTerminal, ASentenceWhoseTokensAreNotFiledFailsTheRun) {
    JudgingTerminal judging;
    Token const filed = judging.End({judging.Word(L"Ab.")});
    Token const unfiled = NewToken(&judging.creator, EnglishTokens::kEndOfSentence);
    EXPECT_TRUE(judging.Run({filed, unfiled, judging.End({judging.Word(L"Cd.")})}));
    EXPECT_EQ(judging.RecordSpans(), (Spans{{0, 3}}));
}

TEST(JudgingTerminal, AStopFailsTheRunAndASkippedSentenceDoesNot) {
    JudgingTerminal judging;
    Token const skipped = NewToken(&judging.creator, EnglishTokens::kSkippedSent);
    judging.sentenceTokens.Add(skipped, {judging.Word(L"Ab."), skipped});
    EXPECT_FALSE(judging.Run({skipped, judging.End({judging.Word(L" Cd.")})}));
    EXPECT_EQ(judging.RecordSpans(), (Spans{{3, 7}}));

    JudgingTerminal stopped;
    EXPECT_TRUE(
        stopped.Run({stopped.End({stopped.Word(L"Ab.")}), NewToken(&stopped.creator, EnglishTokens::kUserCancel)}));
}

}  // namespace
