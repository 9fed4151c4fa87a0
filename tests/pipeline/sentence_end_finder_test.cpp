// Sentences of English text: the tokenizer, the splitter, the quote closer
// and the end finder together, as a chain runs them.
#include "engine/pipeline/english_sentence_end_finder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/compound_token_database.h"
#include "engine/pipeline/lex_tokenizer.h"
#include "engine/pipeline/markup_tags.h"
#include "engine/pipeline/measure_unit_splitter.h"
#include "engine/pipeline/sentence_chain.h"
#include "engine/pipeline/sentence_end_scanner.h"
#include "engine/pipeline/sentence_retriever.h"
#include "foundation/fake_dictionary.h"
#include "support/scratch_folder.h"

namespace {

using T = EnglishTokens;
EnglishTokens sEnglishTokens;
MarkupTokens sMarkupTokens;

// One Word token per character of a wide text, then EOF.
class WideCharacterProducer : public Producer {
public:
    explicit WideCharacterProducer(std::wstring text) : fText(std::move(text)) {}
    Token Produce() override {
        if (fNext >= fText.size()) return NewToken(fTokenCreator, kEOFTokenType);
        Token const token = NewToken(fTokenCreator, T::kWord);
        fTokenStringDatabase->Insert(token, &fText[fNext++], 1);
        return token;
    }

private:
    std::wstring fText;
    std::size_t fNext = 0;
};

struct SplitRun {
    std::vector<std::wstring> sentences;  // each sentence's texts joined
    std::vector<std::string> types;       // every token's type name, in order
    std::set<uint32_t> marked;
    std::size_t sjisBytes = 0;  // of every token's text
    std::size_t filed = 0;      // sentences filed by the retriever
};

SplitRun Sentences(std::wstring const& text, std::vector<Dictionary_EX> const& dictionaries = {}) {
    SplitRun run;
    SentenceChain chain(std::make_unique<WideCharacterProducer>(text));
    chain.Finder().SetMarkedSerials(&run.marked);
    chain.Finder().SetDictionaries(dictionaries);
    std::wstring sentence;
    for (;;) {
        Token const token = chain.Produce();
        std::string name;
        TokenTypeRegistry::Get()->GetName(TokenTypeOf(token), &name);
        run.types.push_back(name);
        if (TokenTypeOf(token) == kEOFTokenType) break;
        std::wstring piece;
        if (chain.Strings().Find(token, &piece)) {
            sentence += piece;
            run.sjisBytes += EncodeSJISLenient(piece.data(), piece.size()).size();
        }
        if (TokenTypeOf(token) == T::kEndOfSentence) {
            run.sentences.push_back(sentence);
            sentence.clear();
            std::vector<Token> list;
            if (chain.Sentences().Find(token, &list) && list.back() == token) ++run.filed;
        }
    }
    EXPECT_TRUE(sentence.empty()) << "text after the last sentence";
    return run;
}

std::string Narrow(std::wstring const& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string Joined(std::vector<std::wstring> const& sentences) {
    std::string out;
    for (std::wstring const& s : sentences) out += "[" + Narrow(s) + "]";
    return out;
}

TEST(SentenceEnds, TextsSplitIntoTheSentencesTheRulesGive) {
    struct {
        std::wstring text;
        char const* sentences;
    } const cases[] = {
        {L"Subject: hello\nNext", "[Subject: hello][\nNext]"},
        {L"Introduction\nThe text.", "[Introduction][\nThe text.]"},
        {L"He asked \"why?\" She left.", "[He asked \"why?\"][ She left.]"},
        {L"Wait -- no.", "[Wait -- no.]"},
        {L"Chapter 5. Intro", "[Chapter 5. Intro]"},
        {L"Mr. Smith went home.", "[Mr. Smith went home.]"},      // a title of the built-in list
        {L"Mr.  Smith went home.", "[Mr.][  Smith went home.]"},  // two spaces end it all the same
        {L"It ended. \u00C9lan followed.", "[It ended.][ ?lan followed.]"},
        {L"Fig. 3 and no. 12 here. Fig. A is next.", "[Fig. 3 and no. 12 here.][ Fig.][ A is next.]"},
        {L"Acme Corp. President Jones spoke. Acme Corp. The end.",
         "[Acme Corp. President Jones spoke.][ Acme Corp.][ The end.]"},
        {L"at 5 p.m. Tuesday we met.", "[at 5 p.m. Tuesday we met.]"},
        {L"Wait... what? Yes!", "[Wait... what?][ Yes!]"},
        {L"a period. before lower case", "[a period. before lower case]"},
        {L"one\n\ntwo", "[one][\n\ntwo]"},
        {L"Whereas a;\nb", "[Whereas a;][\nb]"},
        {L"a;\nb", "[a;\nb]"},
        {L"This line is far too long to be taken for a title\n1. First",
         "[This line is far too long to be taken for a title][\n1. First]"},
        {L"One. %CONT% Two.", "[One. %CONT% Two.]"},
        {L"Hello world", "[Hello world]"},
        {L"x%END%%END%y", "[x%END%%END%][y]"},
        {L"x%CONT%%END%y", "[x%CONT%%END%y]"},
        {L"", ""},
    };
    for (auto const& c : cases) EXPECT_EQ(Joined(Sentences(c.text).sentences), c.sentences) << Narrow(c.text);
}

// A dictionary whose entries say which words a sentence cannot end after,
// cannot begin with, or neither.
Dictionary_EX WordListFixture() {
    fake::Options options;
    options.lookupIgnoresCase = true;
    Dictionary_EX dictionary = fake::MakeDictionary(options).first;
    for (char const* title : {"Mr", "Dr"})
        fake::AddEntry(dictionary, title).CreateNewFinePOS().SetCannotEndSentenceFlag(true);
    fake::AddEntry(dictionary, "etc.").CreateNewFinePOS().SetCannotBeginSentenceFlag(true);
    fake::AddEntry(dictionary, "paris");
    return dictionary;
}

TEST(SentenceEnds, WordListsOfTheDictionariesDecideWithAndWithoutThem) {
    struct {
        std::wstring text;
        char const* without;
        char const* with;
    } const cases[] = {
        {L"Mr. Smith went home.", "[Mr. Smith went home.]", "[Mr. Smith went home.]"},
        {L"Ask Dr. Jones now. Go.", "[Ask Dr.][ Jones now.][ Go.]", "[Ask Dr. Jones now.][ Go.]"},
        {L"See Dr. The end.", "[See Dr.][ The end.]", "[See Dr.][ The end.]"},  // a common word starts one
        {L"Apples. Etc. follow.", "[Apples.][ Etc. follow.]", "[Apples. Etc. follow.]"},
        {L"at 5 p.m. The end.", "[at 5 p.m.][ The end.]", "[at 5 p.m.][ The end.]"},
        {L"Acme Inc. All rights reserved.", "[Acme Inc.][ All rights reserved.]", "[Acme Inc.][ All rights reserved.]"},
        {L"The U.S. Army came. J. Smith too.", "[The U.S. Army came.][ J. Smith too.]",
         "[The U.S. Army came.][ J. Smith too.]"},
        {L"In the U.S.  The end.", "[In the U.S.][  The end.]", "[In the U.S.][  The end.]"},
    };
    std::vector<Dictionary_EX> const fixture = {WordListFixture()};
    for (auto const& c : cases) {
        EXPECT_EQ(Joined(Sentences(c.text).sentences), c.without) << Narrow(c.text);
        EXPECT_EQ(Joined(Sentences(c.text, fixture).sentences), c.with) << Narrow(c.text);
    }
}

// A compiled dictionary whose almighty idioms hold a mark inside: the mark
// ends no sentence there.
TEST(SentenceEnds, IdiomsOfACompiledDictionaryKeepTheirMarksInside) {
    ScratchFolder const folder("sentence_idioms");
    std::string const path = folder / "idioms.cdict";
    auto const idiom = [](char const* headword) {
        return std::string("entry\t") + headword +
               "\nfpos\tpos=N\tidiom=4\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
               "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\n"
               "para\tid=0\tcooked={x}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains="
               "\tsem=\n";
    };
    std::vector<Dictionary_EX> const fixture = {
        compiled_test::CompileText40("dictionary\tid=7\tdomains=\n" + idiom("Yahoo! Answers"), path)};
    struct {
        std::wstring text;
        char const* without;
        char const* with;
    } const cases[] = {
        {L"I use Yahoo! Answers daily.", "[I use Yahoo!][ Answers daily.]", "[I use Yahoo! Answers daily.]"},
        {L"Yahoo! Mail is new.", "[Yahoo!][ Mail is new.]", "[Yahoo!][ Mail is new.]"},
    };
    for (auto const& c : cases) {
        EXPECT_EQ(Joined(Sentences(c.text).sentences), c.without) << Narrow(c.text);
        EXPECT_EQ(Joined(Sentences(c.text, fixture).sentences), c.with) << Narrow(c.text);
    }
}

// Character classes come from one fixed locale, not the host's: a capital
// outside ASCII starts a sentence under any LANG.
TEST(SentenceEnds, DecisionsDoNotDependOnTheHostLocale) {
    std::string const saved = std::setlocale(LC_ALL, nullptr);
    for (char const* locale : {"C", "C.UTF-8", "POSIX"}) {
        if (std::setlocale(LC_ALL, locale) == nullptr) continue;
        EXPECT_EQ(Joined(Sentences(L"It ended. \u00C9lan followed.").sentences), "[It ended.][ ?lan followed.]")
            << locale;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

// Tags are tokens of their own; PRE, SCRIPT and STYLE decide whether line
// ends end sentences, and markup waits with the token before it in the quote
// closer, so that decisions look past it.
TEST(SentenceEnds, MarkupTagsAreTokensThatSwitchLineEnds) {
    struct {
        std::wstring text;
        char const* sentences;
    } const cases[] = {
        {L"<p>One. Two.</p>", "[<p>One.][ Two.][</p>]"},
        {L"<IMG SRC=\"a b.gif\" WIDTH=10> Done.", "[<IMG SRC=\"a b.gif\" WIDTH=10> Done.]"},
        // A title line ends a sentence, until a PRE element has ended; the
        // next PRE, SCRIPT or STYLE start tag lets line ends end them again.
        {L"Introduction\nThe text.", "[Introduction][\nThe text.]"},
        {L"<pre>x</pre>Introduction\nThe text.", "[<pre>x</pre>Introduction\nThe text.]"},
        {L"<pre>x</PRE>a\n<Script>Introduction\nThe text.", "[<pre>x</PRE>a\n<Script>Introduction][\nThe text.]"},
        {L"</style>Subject: hi\nNext\n\nLast", "[</style>Subject: hi\nNext\n\nLast]"},
        {L"<a x=\"never closed> Here.", "[<a x=\"never closed> Here.]"},
    };
    for (auto const& c : cases) EXPECT_EQ(Joined(Sentences(c.text).sentences), c.sentences) << Narrow(c.text);

    SplitRun const minus = Sentences(L"a <b>-5</b>");
    EXPECT_EQ(minus.types, (std::vector<std::string>{"Word", "Space", "MarkupStartTag", "Minus", "Number",
                                                     "MarkupEndTag", "Newline", "EndOfSentence", "EOF"}));
}

TEST(SentenceEnds, MarksAndInsertedTokensAreTheOnesTheRulesName) {
    SplitRun const hello = Sentences(L"Hello world");
    EXPECT_EQ(hello.types, (std::vector<std::string>{"Word", "Space", "Word", "Newline", "EndOfSentence", "EOF"}));
    EXPECT_EQ(hello.filed, 1u);

    SplitRun const twice = Sentences(L"x%END%%END%");
    EXPECT_EQ(twice.types, (std::vector<std::string>{"Word", "IgnoredEndOfSentence", "EndOfSentence", "EOF"}));

    EXPECT_EQ(Sentences(L"Chapter 5. Intro").marked.size(), 1u);
    EXPECT_EQ(Sentences(L"Chapter 5.\nIntro").sentences.size(), 2u);
}

TEST(SentenceEnds, LongTextsAreCutAtTheLimits) {
    std::wstring words;
    for (int i = 0; i < 200; ++i) words += L"w ";
    SplitRun const bare = Sentences(words);
    ASSERT_EQ(bare.sentences.size(), 2u);
    EXPECT_EQ(bare.sentences[0].size(), 151u * 2);  // 151 words and their spaces
    EXPECT_EQ(bare.sentences[1].size(), 49u * 2);

    std::wstring marks;
    for (int i = 0; i < 5002; ++i) marks += L"%CONT%";
    SplitRun const continued = Sentences(marks);  // marks count no words: only the 5,000-token cut ends them
    ASSERT_EQ(continued.sentences.size(), 2u);
    EXPECT_EQ(continued.sentences[0].size(), 5001u * 6);
    EXPECT_EQ(continued.sentences[1].size(), 6u);

    // Runs that look ahead far or cut often still come out whole.
    for (std::wstring const& text :
         {std::wstring(5000, L'\n') + L"x", std::wstring(10000, L'.') + L" x", std::wstring(5000, L'"') + L"a"}) {
        std::wstring joined;
        for (std::wstring const& sentence : Sentences(text).sentences) joined += sentence;
        EXPECT_EQ(joined, text);
    }

    // Past 50 words the first semicolon ends the sentence, but not inside parentheses.
    std::wstring longer;
    for (int i = 0; i < 60; ++i) longer += L"w ";
    EXPECT_EQ(Sentences(L"a; " + longer + L"end.").sentences.size(), 2u);
    EXPECT_EQ(Sentences(L"(a; " + longer + L") end.").sentences.size(), 1u);
}

TEST(SentenceEnds, QuotesApostrophesAndDashesAreDecided) {
    struct {
        std::wstring text;
        std::vector<std::string> types;
    } const cases[] = {
        {L"don't", {"Word", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"the boys\u2019 toys", {"Word", "Space", "Word", "Word", "Space", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"a -5", {"Word", "Space", "Minus", "Number", "Newline", "EndOfSentence", "EOF"}},
        {L"well-known", {"Word", "Word", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"pre- and", {"Word", "NonClosingHyphen", "Space", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"use .NET", {"Word", "Space", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"\"Hi\" she said",
         {"OpenQuote", "Word", "CloseQuote", "Space", "Word", "Space", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"the boys' toys", {"Word", "Space", "Word", "Word", "Space", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"x *y", {"Word", "Space", "Bullet", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"x*y", {"Word", "Word", "Word", "Newline", "EndOfSentence", "EOF"}},
        {L"..x", {"Period", "Period", "Word", "Newline", "EndOfSentence", "EOF"}},  // never after a period
    };
    for (auto const& c : cases) {
        SplitRun const run = Sentences(c.text);
        EXPECT_EQ(run.types, c.types) << Narrow(c.text);
        EXPECT_EQ(run.sjisBytes, EncodeSJISLenient(c.text.data(), c.text.size()).size()) << Narrow(c.text);
    }
}

TEST(SentenceEnds, TheScannerPassesOnlyBoundaries) {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    WideCharacterProducer source(L"One. Two.");
    source.SetTokenCreator(&creator);
    source.SetTokenStringDatabase(&strings);
    LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
    EnglishSentenceEndFinder finder;
    finder.SetUpstreamProducer(&tokenizer);
    finder.SetTokenCreator(&creator);
    finder.SetTokenStringDatabase(&strings);
    SentenceEndScanner scanner(&finder, &creator);
    EXPECT_EQ(TokenTypeOf(scanner.Produce()), T::kEndOfSentence);
    EXPECT_EQ(TokenTypeOf(scanner.Produce()), T::kEndOfSentence);
    EXPECT_EQ(TokenTypeOf(scanner.Produce()), kEOFTokenType);
}

// Without a quote closer the ender reads upstream directly: the scanner's
// marks stay as they came.
TEST(SentenceEnds, WithoutAQuoteCloserMarksStayUndecided) {
    TokenCreator creator = 0;
    TokenStringDatabase strings;
    WideCharacterProducer source(L"don't");
    source.SetTokenCreator(&creator);
    source.SetTokenStringDatabase(&strings);
    LexTokenizer tokenizer(&source, &creator, &strings, nullptr);
    EnglishSentenceEndFinder finder;
    finder.SetQuoteCloser(nullptr);
    finder.SetUpstreamProducer(&tokenizer);
    finder.SetTokenCreator(&creator);
    finder.SetTokenStringDatabase(&strings);
    std::vector<TokenTypeID> types;
    for (Token token = 0; TokenTypeOf(token) != kEOFTokenType;) types.push_back(TokenTypeOf(token = finder.Produce()));
    EXPECT_EQ(types, (std::vector<TokenTypeID>{T::kWord, T::kSingleOpenQuote, T::kWord, T::kNewline, T::kEndOfSentence,
                                               kEOFTokenType}));
}

TEST(SentenceEnds, CompleteSentencesEndLikeOne) {
    auto const token = [](TokenTypeID type) { return MakeToken(1, type); };
    EXPECT_TRUE(EnglishSentenceEndFinder::LooksLikeCompleteSentence(
        {token(T::kWord), token(T::kPeriod), token(T::kSpace), token(T::kEndOfSentence)}));
    EXPECT_TRUE(EnglishSentenceEndFinder::LooksLikeCompleteSentence(
        {token(T::kWord), token(T::kQuestionMark), token(T::kCloseQuote)}));
    EXPECT_FALSE(EnglishSentenceEndFinder::LooksLikeCompleteSentence({token(T::kWord), token(T::kCloseQuote)}));
    EXPECT_FALSE(EnglishSentenceEndFinder::LooksLikeCompleteSentence({token(T::kSpace)}));
}

}  // namespace
