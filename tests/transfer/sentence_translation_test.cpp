// The sentence work of the translator stage: the speed ladder on parse
// limits, which failures leave the stage, and sentences through the whole
// facade.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/engine_exceptions.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/sentence_translation.h"
#include "support/list_producer.h"

namespace {

using T = EnglishTokens;
EnglishTokens sEnglishTokens;

// Records the speed of every parse; a parse below `realFrom` throws what
// `fail` throws, the others run the real parser.
class RecordingTranslation : public EtoJSentenceTranslation {
public:
    std::vector<uint16_t> speeds;
    uint16_t realFrom = 0xFFFF;
    void (*fail)() = [] { throw HitLimitException(); };

protected:
    bool ParseSentence(Sentence* sentence, bool* stopped) override {
        speeds.push_back(sentence->Speed());
        if (sentence->Speed() < realFrom) fail();
        return EtoJSentenceTranslation::ParseSentence(sentence, stopped);
    }
};

// "John eats an apple." as the stage receives it.
struct Sentence5 {
    explicit Sentence5(uint16_t speed) {
        stage.SetTokenCreator(&creator);
        stage.SetTokenStringDatabase(&strings);
        SentenceUserOptions options;
        options.fSpeed = speed;
        stage.SetSentenceUserOptions(options);
        for (auto const& [type, text] : std::vector<std::pair<TokenTypeID, std::wstring>>{{T::kWord, L"John"},
                                                                                          {T::kSpace, L" "},
                                                                                          {T::kWord, L"eats"},
                                                                                          {T::kSpace, L" "},
                                                                                          {T::kWord, L"an"},
                                                                                          {T::kSpace, L" "},
                                                                                          {T::kWord, L"apple"},
                                                                                          {T::kPeriod, L"."}}) {
            Token const token = NewToken(&creator, type);
            strings.Insert(token, text);
            tokens.push_back(token);
        }
        tokens.push_back(NewToken(&creator, T::kEndOfSentence));
    }
    bool Translate(EtoJSentenceWork& work) { return work.Translate(stage, &out, &sources, false, tokens); }

    TokenCreator creator = 0;
    TokenStringDatabase strings;
    EtoJTranslator stage;
    std::vector<Token> tokens;
    std::vector<Token> out;
    std::vector<TokenDictSource> sources;
};

TEST(SentenceTranslation, ALimitAtTheFirstSpeedRetriesHigherWithTheParsersOwnLimits) {
    Sentence5 sentence(0);
    RecordingTranslation work;
    // A parse at speed 0 may make one analysis only; at 50 the defaults hold.
    work.SetParserLimits([](uint16_t speed) {
        ParserLimits limits;
        if (speed == 0) limits.sentenceEntries = 1;
        return limits;
    });
    work.realFrom = 0;
    sentence.Translate(work);
    EXPECT_EQ(work.speeds, (std::vector<uint16_t>{0, 50}));
    EXPECT_EQ(sentence.stage.GetSentenceUserOptions().fSpeed, 0);
}

void ThrowHitLimit() { throw HitLimitException(); }
void ThrowOutOfMemory() { throw xalloc_dead_core(); }
void ThrowOther() { throw std::runtime_error("broken"); }
void ThrowLock() { throw LockAttemptFailed("lock"); }
void ThrowSilentExit() { throw SilentExitException(); }

TEST(SentenceTranslation, TheSpeedLadderAndWhatLeavesTheStage) {
    enum Outcome { kUntranslated, kLeaves };
    struct {
        char const* name;
        uint16_t speed;
        void (*fail)();
        std::vector<uint16_t> speeds;
        Outcome outcome;
    } const cases[] = {
        {"0 climbs to 50, then 100", 0, ThrowHitLimit, {0, 50, 100}, kUntranslated},
        {"40 climbs to 80, then 100", 40, ThrowHitLimit, {40, 80, 100}, kUntranslated},
        {"60 goes to 100", 60, ThrowHitLimit, {60, 100}, kUntranslated},
        {"100 has nowhere to go", 100, ThrowHitLimit, {100}, kUntranslated},
        {"a speed off the ladder", 55, ThrowHitLimit, {55}, kUntranslated},
        {"memory runs out", 0, ThrowOutOfMemory, {0}, kUntranslated},
        {"any other failure", 0, ThrowOther, {0}, kUntranslated},
        {"a lock that cannot be had", 0, ThrowLock, {0}, kLeaves},
        {"a silent exit", 0, ThrowSilentExit, {0}, kLeaves},
    };
    for (auto const& c : cases) {
        Sentence5 sentence(c.speed);
        RecordingTranslation work;
        work.fail = c.fail;
        bool left = false;
        try {
            EXPECT_FALSE(sentence.Translate(work)) << c.name;
        } catch (...) {
            left = true;
        }
        EXPECT_EQ(left, c.outcome == kLeaves) << c.name;
        EXPECT_EQ(work.speeds, c.speeds) << c.name;
        EXPECT_EQ(sentence.stage.GetSentenceUserOptions().fSpeed, c.speed) << c.name;
    }
}

TEST(SentenceTranslation, TheSpeedClimbsByTheLadder) {
    struct {
        uint16_t speed, raised;
    } const cases[] = {{0, 50}, {20, 50}, {30, 80}, {50, 80}, {60, 100}, {90, 100}, {100, 100}, {15, 15}};
    for (auto const& c : cases) EXPECT_EQ(EtoJSentenceTranslation::RaisedSpeed(c.speed), c.raised) << c.speed;
}

// Installs the sentence translation, or another work, for one test.
class Installed {
public:
    explicit Installed(EtoJSentenceWork* work = nullptr) {
        if (work != nullptr)
            EtoJTranslator::InstallSentenceWork(work);
        else
            InstallSentenceTranslation();
    }
    ~Installed() { EtoJTranslator::InstallSentenceWork(nullptr); }
};

TEST(SentenceTranslation, TextsTheEngineCannotTranslateComeBackAsTheyStood) {
    Installed const installed;
    std::string const longWord(81, 'x');
    std::string const texts[] = {"", "   ", "A " + longWord + " here.",
                                 "Two " + longWord + ". Sentences " + longWord + "."};
    for (std::string const& text : texts) {
        CorvanIF facade;
        std::string copy = text;
        ASSERT_TRUE(facade.Translation(&copy)) << text;
        std::string out;
        facade.GetSink(out, nullptr);
        EXPECT_EQ(out, text);
    }
}

TEST(SentenceTranslation, CheckingWordsOnlySendsWhiteAndTheEndAndCollectsUnknownWords) {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    std::set<uint32_t> missing;
    Dictionary_EX_Temporary known;
    FinePOS_EX john = known.CreateNewEntry("John").CreateNewFinePOS();
    john.SetFinePOS(kCatN);
    john.CreateNewParaphrase().SetCookedTranslation("{jon}");
    FinePOS_EX stop = known.CreateNewEntry(".").CreateNewFinePOS();
    stop.SetFinePOS(POS_E_Source{grammar::kPERIOD});
    stop.CreateNewParaphrase().SetCookedTranslation("{.}");
    EtoJSentenceTranslation work;
    EtoJTranslator stage;
    stage.SetSentenceWork(&work);
    stage.SetTokenCreator(&creator);
    stage.SetTokenStringDatabase(&strings);
    stage.SetDictionary({known});
    stage.SetMissingWordSet(&missing);
    stage.SetWordCheckOnly(true);
    std::vector<Token> tokens;
    for (auto const& [type, text] : std::vector<std::pair<TokenTypeID, std::wstring>>{
             {T::kSpace, L" "}, {T::kWord, L"John"}, {T::kSpace, L" "}, {T::kWord, L"zork"}, {T::kPeriod, L"."}}) {
        tokens.push_back(NewToken(&creator, type));
        strings.Insert(tokens.back(), text);
    }
    tokens.push_back(NewToken(&creator, T::kEndOfSentence));
    ListProducer upstream(tokens);
    stage.SetUpstreamProducer(&upstream);
    EXPECT_EQ(stage.Produce(), tokens[0]);
    EXPECT_EQ(stage.Produce(), tokens.back());
    EXPECT_EQ(missing, std::set<uint32_t>{TokenSerialOf(tokens[3])});
}

// A work that fails as the table says.
class FailingWork : public EtoJSentenceWork {
public:
    explicit FailingWork(void (*fail)()) : fFail(fail) {}
    bool Translate(EtoJTranslator&, std::vector<Token>*, std::vector<TokenDictSource>*, bool,
                   std::vector<Token> const&) override {
        fFail();
        return false;
    }

private:
    void (*fFail)();
};

TEST(SentenceTranslation, WhatLeavesTheStageReachesTheFacadeAsAFailedTranslation) {
    for (void (*fail)() : {ThrowLock, ThrowSilentExit, ThrowHitLimit}) {
        FailingWork work(fail);
        Installed const installed(&work);
        CorvanIF facade;
        std::string text = "John eats an apple.";
        EXPECT_FALSE(facade.Translation(&text));
    }
}

}  // namespace
