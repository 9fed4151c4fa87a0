#include "engine/pipeline/scanner.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/foundation/token_type_registry.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/markup_tags.h"
#include "engine/pipeline/scanner_char_classes.h"

namespace {

EnglishTokens sEnglishTokens;
MarkupTokens sMarkupTokens;

std::string TypeName(TokenTypeID type) {
    std::string name = "type" + std::to_string(type);
    TokenTypeRegistry::Get()->GetName(type, &name);
    return name;
}

std::string Narrow(std::wstring const& text) {
    std::string out;
    for (wchar_t c : text) {
        bool const shown = (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        out += shown ? static_cast<char>(c) : '?';
    }
    return out;
}

struct Scanned {
    std::vector<lex::Match> matches;
    std::vector<std::wstring> texts;
};

// Scans the whole text, letting the scanner see only `chunk` more characters
// each time it asks for more, as a stage that reads its input in pieces does.
Scanned ScanAll(std::wstring const& text, std::size_t chunk = std::wstring::npos) {
    Scanned out;
    std::size_t position = 0, visible = std::min(text.size(), chunk);
    for (;;) {
        lex::Match match;
        lex::ScanStatus const status =
            lex::ScanToken(text.data() + position, visible - position, visible == text.size(), &match);
        if (status == lex::ScanStatus::kEnd) break;
        if (status == lex::ScanStatus::kNeedMore) {
            EXPECT_LT(visible, text.size()) << "asked for more past the end";
            if (visible == text.size()) break;
            visible = std::min(text.size(), visible + chunk);
            continue;
        }
        EXPECT_GE(match.length, 1u);
        EXPECT_GE(match.matched, match.length);
        out.matches.push_back(match);
        out.texts.push_back(text.substr(position, match.length));
        position += match.length;
    }
    return out;
}

// "Type[text] Type[text] ..."
std::string Describe(Scanned const& scanned) {
    std::string out;
    for (std::size_t i = 0; i < scanned.matches.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += TypeName(scanned.matches[i].type) + "[" + Narrow(scanned.texts[i]) + "]";
    }
    return out;
}

struct Case {
    std::wstring text;
    char const* tokens;
};

TEST(ScannerRules, TextsScanIntoTheTokensTheRulesGive) {
    Case const cases[] = {
        {L"Mr. Green paid $5 at 12:30.",
         "Word[Mr] Period[.] Space[ ] Word[Green] Space[ ] Word[paid] Space[ ] Word[$] Number[5] Space[ ] Word[at] "
         "Space[ ] Number[12] Colon[:] Number[30] Period[.]"},
        {L"U.S.A.", "Word[U.S.A] Period[.]"},
        {L"x...", "Word[x] Period[.] Period[.] Period[.]"},
        {L"don't", "Word[don] SingleOpenQuote['] Word[t]"},
        {L"\"hi\" ''so`` `a'",
         "OpenQuote[\"] Word[hi] OpenQuote[\"] Space[ ] OpenQuote[''] Word[so] OpenQuote[``] "
         "Space[ ] SingleOpenQuote[`] Word[a] SingleOpenQuote[']"},
        {L"\u201Cx\u201D \u2018y\u2019",
         "OpenQuote[?] Word[x] CloseQuote[?] Space[ ] SingleOpenQuote[?] Word[y] "
         "SingleCloseQuote[?]"},
        {L"a   b  c\td", "Word[a] Tab[   ] Word[b] Space[  ] Word[c] Tab[\t] Word[d]"},
        {L"a\r\nb\n\nc\rd\fe",
         "Word[a] Newline[\r\n] Word[b] Newline[\n] Newline[\n] Word[c] Newline[\r] Word[d] "
         "Newline[\f] Word[e]"},
        {L"call 555-1234 now", "Word[call] Space[ ] NumberSequence[555-1234] Space[ ] Word[now]"},
        {L"1-800-555-1212 3/4", "NumberSequence[1-800-555-1212] Space[ ] NumberSequence[3/4]"},
        {L"1/2/3-4/5", "NumberSequence[1/2/3] Dash[-] NumberSequence[4/5]"},
        {L"(555) 123-4567 x", "PhoneNumber[(555) 123-4567] Space[ ] Word[x]"},
        {L"(555)123-4567,", "PhoneNumber[(555)123-4567] Word[,]"},
        {L"(555)123-45678", "OpenParen[(] Number[555] CloseParen[)] NumberSequence[123-45678]"},
        {L"3.14 1,000,000.50 .5 800.555.1212",
         "Number[3.14] Space[ ] Number[1,000,000.50] Space[ ] Number[.5] "
         "Space[ ] Number[800.555.1212]"},
        {L"12,30 1,0000", "Number[12] Word[,] Number[30] Space[ ] Number[1] Word[,] Number[0000]"},
        {L"1st 50km 12TH 1a2b ab12",
         "Word[1st] Space[ ] Word[50km] Space[ ] Word[12TH] Space[ ] Word[1a2b] Space[ ] "
         "Word[ab12]"},
        {L"$US5 $A5", "Word[$US] Number[5] Space[ ] Word[$A] Number[5]"},
        {L"x%END%y %cont%", "Word[x] EndOfSentence[%END%] Word[y] Space[ ] ContinueSentence[%cont%]"},
        {L"---- == -- ***", "Separator[---- ] Separator[== ] Dash[--] Space[ ] Word[*] Word[*] Word[*]"},
        {L"--- __\n", "Separator[--- ] Separator[__] Newline[\n]"},
        {L"~~~~\n~~ ~/a", "Separator[~~~~] Newline[\n] Word[~] Word[~] Space[ ] Word[~] Word[/] Word[a]"},
        {L"* item **x", "Bullet[*] Space[ ] Word[item] Space[ ] Word[*] Bullet[*] Word[x]"},
        {L"a+b++c", "Word[a] Plus[+] Word[b] Word[++] Word[c]"},
        {L"#1, =_", "Word[#] Number[1] Word[,] Space[ ] Word[=] Word[_]"},
        {L"(a)[b]{c};!?",
         "OpenParen[(] Word[a] CloseParen[)] OpenBracket[[] Word[b] CloseBracket[]] OpenBrace[{] "
         "Word[c] CloseBrace[}] Semicolon[;] ExclamationMark[!] QuestionMark[?]"},
        {L"a\u0001b", "Word[a] TokenBreak[?] Word[b]"},
        {L"see http://example.com/a?b=1. Or (ftp://x/y)",
         "Word[see] Space[ ] InternetName[http://example.com/a?b=1] "
         "Period[.] Space[ ] Word[Or] Space[ ] OpenParen[(] "
         "InternetName[ftp://x/y] CloseParen[)]"},
        {L"mail john.doe@example.co.uk.", "Word[mail] Space[ ] InternetName[john.doe@example.co.uk] Period[.]"},
        {L"www.x.com/a mailto:a@b", "InternetName[www.x.com/a] Space[ ] InternetName[mailto:a@b]"},
        {L"\u00E9t\u00E9 \u00BF\u00E9", "Word[?t?] Space[ ] Word[??]"},
        {L"\uFF11\uFF12\u3042\u6F22\uFF0E", "Word[????] Period[?]"},
        {L"\u0391\u03B2\u0436", "Word[??] Word[?]"},
        // Markup: a tag is one token from its "<" through the ">" that closes it.
        {L"<IMG SRC=\"a b.gif\" WIDTH=10>", "MarkupStartTag[<IMG SRC=\"a b.gif\" WIDTH=10>]"},
        {L"a<b>bold</B>.", "Word[a] MarkupStartTag[<b>] Word[bold] MarkupEndTag[</B>] Period[.]"},
        {L"<a title=\"x>y\" alt='<'>", "MarkupStartTag[<a title=\"x>y\" alt='<'>]"},
        {L"<!DOCTYPE html><!-- a > b --><?xml v?>",
         "MarkupStartTag[<!DOCTYPE html>] MarkupStartTag[<!-- a > b -->] MarkupStartTag[<?xml v?>]"},
        {L"<p\nclass=x>", "MarkupStartTag[<p\nclass=x>]"},
        // A "<" that nothing closes is text, whatever follows it.
        {L"<IMG SRC=\"a", "Word[<] Word[IMG] Space[ ] Word[SRC] Word[=] OpenQuote[\"] Word[a]"},
        {L"<a <b>", "Word[<] Word[a] Space[ ] MarkupStartTag[<b>]"},
        {L"x < y > z <1> </ a>",
         "Word[x] Space[ ] Word[<] Space[ ] Word[y] Space[ ] Word[>] Space[ ] Word[z] Space[ ] Word[<] Number[1] "
         "Word[>] Space[ ] Word[<] Word[/] Space[ ] Word[a] Word[>]"},
        {L"<a x=\"never closed>",
         "Word[<] Word[a] Space[ ] Word[x] Word[=] OpenQuote[\"] Word[never] Space[ ] "
         "Word[closed] Word[>]"},
    };
    for (Case const& c : cases) EXPECT_EQ(Describe(ScanAll(c.text)), c.tokens) << Narrow(c.text);
}

// Characters no rule names still become one-character words, so no text is
// lost and positions never drift; characters beyond U+FFFF are words too, not
// whatever their low 16 bits would be.
TEST(ScannerRules, CharactersNoRuleNamesBecomeOneCharacterWords) {
    std::wstring const text = {L'a', L'\0', 0xD800, 0x2002E, 0x2000A, 0x20001, 0x1F600, L'.'};
    EXPECT_EQ(Describe(ScanAll(text)), "Word[a] Word[?] Word[?] Word[?] Word[?] Word[?] Word[?] Period[.]");
}

TEST(ScannerRules, EveryCharacterOfTheBasicPlaneHasAClass) {
    for (uint32_t c = 1; c <= 0xFFFF; ++c) {
        bool const surrogate = c >= 0xD800 && c <= 0xDFFF;
        EXPECT_EQ(lex::CharClassOf(c) == 0, surrogate) << std::hex << c;
    }
}

// Where a range of the class table meets the next, the type changes as the
// rules say.
TEST(ScannerRules, RangeBoundariesTakeTheirRulesTypes) {
    struct Boundary {
        uint32_t c;
        char const* type;
    };
    Boundary const boundaries[] = {
        {0x0008, "Word"},
        {0x0009, "Tab"},
        {0x000B, "Word"},
        {0x000C, "Newline"},
        {0x001F, "Word"},
        {0x0094, "Word"},
        {0x0095, "Dash"},
        {0x0096, "Dash"},
        {0x0098, "Word"},
        {0x00B7, "Dash"},
        {0x02BC, "SingleOpenQuote"},
        {0x2010, "Dash"},
        {0x2015, "Dash"},
        {0x2016, "Word"},
        {0x2018, "SingleOpenQuote"},
        {0x2019, "SingleCloseQuote"},
        {0x201C, "OpenQuote"},
        {0x201D, "CloseQuote"},
        {0x2022, "Dash"},
        {0x2023, "Dash"},
        {0x2024, "Word"},
        {0x3000, "Space"},
        {0xFF01, "ExclamationMark"},
        {0xFF02, "OpenQuote"},
        {0xFF07, "SingleOpenQuote"},
        {0xFF08, "OpenParen"},
        {0xFF09, "CloseParen"},
        {0xFF0C, "Word"},
        {0xFF0D, "Dash"},
        {0xFF0E, "Period"},
        {0xFF1A, "Colon"},
        {0xFF1B, "Semicolon"},
        {0xFF1F, "QuestionMark"},
        {0xFF3B, "OpenBracket"},
        {0xFF3D, "CloseBracket"},
        {0xFF40, "SingleOpenQuote"},
        {0xFF5B, "OpenBrace"},
        {0xFF5D, "CloseBrace"},
        {0xFFFF, "Word"},
    };
    for (Boundary const& b : boundaries) {
        Scanned const scanned = ScanAll(std::wstring(1, static_cast<wchar_t>(b.c)));
        ASSERT_EQ(scanned.matches.size(), 1u) << std::hex << b.c;
        EXPECT_EQ(TypeName(scanned.matches[0].type), b.type) << std::hex << b.c;
    }
}

// Whatever the text, the kept texts are the text again, and scanning it in
// small pieces finds the same tokens as scanning it whole.
TEST(ScannerRules, RandomTextsComeBackWholeInAnyPieces) {
    std::wstring const palette = L"aZ09 .,-/()@:%$*+=_#'\"`<>!?\t\n\r\u0001\u00E9\u3042\uFF11\u2019\u201D";
    wchar_t const* const kSnippets[] = {
        L"http://a.b/c", L"(555)123-4567", L"%END%", L"1,000.5", L"555-1234", L"x@y.z",   L"www.a",      L"$US5",
        L"12TH",         L"----",          L"*a",    L"<b>",     L"</i x>",   L"<a x=\"", L"<!-- c -->", L"<p"};
    std::mt19937 random(29);
    for (int i = 0; i < 10000; ++i) {
        std::wstring text(random() % 24, L' ');
        for (wchar_t& c : text) c = palette[random() % palette.size()];
        if (random() % 4 == 0) text.insert(random() % (text.size() + 1), kSnippets[random() % std::size(kSnippets)]);
        Scanned const whole = ScanAll(text);
        std::wstring joined;
        for (std::wstring const& piece : whole.texts) joined += piece;
        ASSERT_EQ(joined, text);
        Scanned const pieces = ScanAll(text, 1 + random() % 5);
        ASSERT_EQ(pieces.texts, whole.texts) << Narrow(text);
        for (std::size_t t = 0; t < whole.matches.size(); ++t)
            ASSERT_EQ(pieces.matches[t].rule, whole.matches[t].rule) << Narrow(text);
    }
}

TEST(ScannerRules, EmptyTextEndsOrAsksForMore) {
    lex::Match match;
    EXPECT_EQ(lex::ScanToken(L"", 0, true, &match), lex::ScanStatus::kEnd);
    EXPECT_EQ(lex::ScanToken(L"", 0, false, &match), lex::ScanStatus::kNeedMore);
    EXPECT_EQ(lex::ScanToken(L"ab", 2, false, &match), lex::ScanStatus::kNeedMore);
    ASSERT_EQ(lex::ScanToken(L"ab ", 3, false, &match), lex::ScanStatus::kToken);
    EXPECT_EQ(match.length, 2u);
}

TEST(ScannerRules, AVeryLongWordIsOneToken) {
    std::wstring const word(200000, L'x');
    Scanned const scanned = ScanAll(word + L" .", 8192);
    ASSERT_EQ(scanned.matches.size(), 3u);
    EXPECT_EQ(scanned.texts[0].size(), word.size());
}

}  // namespace
