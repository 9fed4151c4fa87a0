#include "engine/pipeline/basic_translator.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/token_types.h"
#include "engine/pipeline/chain_description.h"
#include "engine/pipeline/text_stages.h"

namespace {

// Counts the tokens that pass it, by serial.
class CountingFilter : public PassThroughFilter {
public:
    using PassThroughFilter::PassThroughFilter;

    Token Produce() override {
        Token const token = PullUpstream();
        ++fSeen[TokenSerialOf(token)];
        return token;
    }

    std::map<uint32_t, int> fSeen;
};

// A chain over a text, with a marker filter at each hook.
struct Chain {
    explicit Chain(std::string text, BasicTranslationOptions const& options = BasicTranslationOptions())
        : source(std::move(text)), translator(&source, &terminal, options) {
        for (int hook = 3; hook <= 6; ++hook) translator.AddHookFilter(hook, &markers[hook - 3]);
        terminal.SetTokenStringDatabase(&translator.GetTokenStringDatabase());
    }

    CharacterTokenProducer source;
    TextCollectingTerminal terminal;
    CountingFilter markers[4] = {CountingFilter("h3"), CountingFilter("h4"), CountingFilter("h5"),
                                 CountingFilter("h6")};
    BasicTranslator translator;
};

TEST(BasicTranslator, LinksTheStagesInTheFixedOrderAndEchoesPassThroughText) {
    struct {
        char const* what;
        std::string in, out;
    } const cases[] = {
        {"two sentences", "Hello world. Bye.", "Hello world. Bye."},
        {"no final punctuation, trailing white space", "It rains  \n", "It rains  \n"},
        {"empty", "", ""},
        {"double-byte text", "The \x8C\xA2 runs.", "The \x8C\xA2 runs."},
        {"a stray byte becomes one replacement", "Hi \x80there.", "Hi ?there."},
    };
    for (auto const& c : cases) {
        Chain chain(c.in);
        chain.translator.TranslateAll();
        EXPECT_EQ(chain.terminal.GetText(), c.out) << c.what;
        EXPECT_EQ(DescribeChainLine(chain.terminal),
                  "source>h3>LexTokenizer>MeasureUnitSplitter>h4>EnglishSentenceEndFinder>SentenceRetriever>h5>"
                  "EtoJTranslator>DigitConverter>h6>terminal")
            << c.what;
    }
}

TEST(BasicTranslator, EveryHookSeesEveryTokenOnceAndSentencesAreFiled) {
    Chain chain("Hello world. Bye.");
    chain.translator.TranslateAll();

    for (auto const& marker : chain.markers) {
        ASSERT_FALSE(marker.fSeen.empty()) << marker.GetName();
        for (auto const& [serial, count] : marker.fSeen)
            EXPECT_EQ(count, 1) << marker.GetName() << " serial " << serial;
    }
    // Behind the sentence ender each sentence is closed by its own end token.
    auto endTokens = [&](CountingFilter const& marker) {
        int ends = 0;
        for (auto const& [serial, count] : marker.fSeen) {
            std::vector<Token> sentence;
            if (chain.translator.GetSentenceTokensDatabase().Find(MakeToken(serial, EnglishTokens::kEndOfSentence),
                                                                  &sentence))
                ++ends;
        }
        return ends;
    };
    EXPECT_EQ(endTokens(chain.markers[0]), 0);
    EXPECT_EQ(endTokens(chain.markers[2]), 2);

    // An untranslated sentence files an empty dictionary-source list.
    for (auto const& [serial, count] : chain.markers[3].fSeen) {
        std::vector<Token> sentence;
        if (!chain.translator.GetSentenceTokensDatabase().Find(MakeToken(serial, 2), &sentence)) continue;
        std::vector<TokenDictSource> sources{TokenDictSource()};
        EXPECT_TRUE(chain.translator.GetDictSourceDatabase().Find(serial, &sources));
        EXPECT_TRUE(sources.empty());
    }
}

TEST(BasicTranslator, ReplacedStagesAreRelinkedAndDefaultsFreedOnce) {
    Chain chain("One. Two.");
    chain.translator.TranslateAll();
    EXPECT_EQ(chain.terminal.TakeText(), "One. Two.");

    // The stage a slot already holds is kept as it is.
    MeasureUnitSplitter* const defaultSplitter = chain.translator.GetMeasureUnitSplitter();
    chain.translator.SetMeasureUnitSplitter(defaultSplitter);
    EXPECT_EQ(chain.translator.GetMeasureUnitSplitter(), defaultSplitter);

    // A caller's stage replaces (and frees) the default; the chain is relinked.
    MeasureUnitSplitter mine(nullptr, nullptr, nullptr);
    chain.translator.SetMeasureUnitSplitter(&mine);
    chain.source.SetText("Three.");
    chain.translator.TranslateAll();
    EXPECT_EQ(chain.terminal.TakeText(), "Three.");
    EXPECT_EQ(mine.GetUpstreamProducer(), chain.translator.GetTokenizer());

    // Back to a default: the caller's stage is not freed by the chain.
    chain.translator.SetMeasureUnitSplitter(nullptr);
    EXPECT_NE(chain.translator.GetMeasureUnitSplitter(), &mine);
}

TEST(BasicTranslator, OptionsReachTheStages) {
    BasicTranslationOptions options;
    options.fUserDictPreferred = true;
    options.fDocument = 0;
    options.fNumeric = 0;
    Chain chain("x", options);
    chain.translator.TranslateAll();

    EtoJTranslator const* translator = chain.translator.GetEtoJTranslator();
    EXPECT_TRUE(translator->GetUserDictPreferred());
    EXPECT_FALSE(translator->GetPOSPreferred());
    EXPECT_FALSE(translator->GetDocumentMode());
    EXPECT_EQ(translator->GetSentenceUserOptions().fPoliteness.GetPolitenessLevel(), 22u);
    EXPECT_EQ(chain.translator.GetDigitConverter()->GetMode(), 2u);
    // The digit converter is the one stage that makes no tokens.
    EXPECT_EQ(chain.translator.GetDigitConverter()->GetTokenCreator(), nullptr);
    EXPECT_NE(chain.translator.GetMeasureUnitSplitter()->GetTokenCreator(), nullptr);
}

TEST(BasicTranslator, FaultsPassOutOfTheRun) {
    class Throwing : public PassThroughFilter {
    public:
        Throwing() : PassThroughFilter("throws") {}
        Token Produce() override { throw std::runtime_error("stage failed"); }
    };
    Chain chain("text");
    Throwing throwing;
    chain.translator.AddHookFilter(BasicTranslator::kBeforeTranslator, &throwing);
    EXPECT_THROW(chain.translator.TranslateAll(), std::runtime_error);

    for (int hook : {0, 2, 7, -1}) EXPECT_THROW(chain.translator.AddHookFilter(hook, &throwing), std::out_of_range);

    // Serials run out: the run stops instead of reusing one.
    Chain exhausted("abc");
    exhausted.translator.LinkTogetherChainIfNeeded();
    TokenCreator* creator = exhausted.source.GetTokenCreator();
    *creator = kMaxTokenSerial - 1;
    EXPECT_THROW(exhausted.translator.TranslateAll(), std::overflow_error);
}

}  // namespace
