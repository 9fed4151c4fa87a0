#include "engine/pipeline/markup_tags.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/sgml_markup_tags.h"
#include "engine/pipeline/tag_attribute_parser.h"

namespace {

using TagType = MarkupTags::TagType;

// A small table: TABLE holds TR, TR holds TD, BR is empty, LI needs UL.
SGMLMarkupTags TableTags() {
    SGMLMarkupTags tags;
    MarkupTagInfo table;
    table.contains = {L"tr"};
    tags.AddTag(L"table", table);
    MarkupTagInfo row;
    row.contains = {L"TD"};
    tags.AddTag(L"TR", row);
    tags.AddTag(L"TD", MarkupTagInfo{});
    MarkupTagInfo lineBreak;
    lineBreak.flags[MarkupTagInfo::kEmpty] = 1;
    tags.AddTag(L"BR", lineBreak);
    MarkupTagInfo list;
    list.contains = {L"LI"};
    tags.AddTag(L"UL", list);
    MarkupTagInfo item;
    item.requiredContainers = {L"ul"};
    tags.AddTag(L"li", item);
    return tags;
}

TEST(MarkupTags, KeysAndKinds) {
    struct Case {
        wchar_t const* text;
        bool isTag;
        wchar_t const* key;
        TagType type;
    } const cases[] = {
        {L"  <p class=x>", true, L"p", MarkupTags::kStartTag},
        {L"\t\n</P>", true, L"P", MarkupTags::kEndTag},
        {L"&amp;", true, L"amp", MarkupTags::kReference},
        {L"&#38;", true, L"38", MarkupTags::kReference},
        {L"<!DOCTYPE html>", true, L"!DOCTYPE", MarkupTags::kStartTag},
        {L"<!-- note -->", true, L"!--", MarkupTags::kStartTag},
        {L"<?xml version=1?>", true, L"?xml", MarkupTags::kStartTag},
        {L"<b.c-d_e>", true, L"b.c-d", MarkupTags::kStartTag},
        {L"<>", false, L"", MarkupTags::kReference},
        {L"plain", false, L"", MarkupTags::kReference},
        {L"<!", false, L"", MarkupTags::kReference},
        {L"</", false, L"", MarkupTags::kReference},
        {L"<", false, L"", MarkupTags::kReference},
        {L"&", false, L"", MarkupTags::kReference},
        {L"", false, L"", MarkupTags::kReference},
        {L"< b>", false, L"", MarkupTags::kReference},
        {L"\r<b>", false, L"", MarkupTags::kReference},
        {L"<\u00e9>", false, L"", MarkupTags::kReference},
    };
    SGMLMarkupTags const tags;
    for (Case const& c : cases) {
        std::wstring key = L"unchanged";
        TagType type = MarkupTags::kReference;
        EXPECT_EQ(tags.GetKey(c.text, &key, &type), c.isTag) << c.text;
        EXPECT_EQ(key, c.isTag ? std::wstring(c.key) : L"unchanged") << c.text;
        if (c.isTag) {
            EXPECT_EQ(type, c.type) << c.text;
        }
    }
    EXPECT_FALSE(tags.GetKey(nullptr, nullptr, nullptr));
    EXPECT_TRUE(tags.GetKey(L"<b>", nullptr, nullptr));
}

TEST(MarkupTags, KeysStayInsideTheGivenLength) {
    SGMLMarkupTags const tags;
    // Exactly sized and unterminated, so that the sanitizer sees any read past it.
    std::vector<wchar_t> const text = {L'<', L'T', L'A', L'B'};
    std::wstring key;
    EXPECT_TRUE(tags.GetKey(text.data(), text.size(), &key, nullptr));
    EXPECT_EQ(key, L"TAB");
    EXPECT_TRUE(tags.GetKey(text.data(), 2, &key, nullptr));
    EXPECT_EQ(key, L"T");
    EXPECT_FALSE(tags.GetKey(text.data(), 1, &key, nullptr));
    EXPECT_FALSE(tags.IsMDOorPIO(text.data(), 0));

    // A tag longer than any buffer keeps its whole key.
    std::wstring const longName(70000, L'a');
    EXPECT_TRUE(tags.GetKey((L"<" + longName + L" x=1>").c_str(), &key, nullptr));
    EXPECT_EQ(key, longName);
    EXPECT_EQ(tags.GetMatchingEnd((L"<" + longName + L">").c_str()), L"</" + longName + L">");
}

TEST(MarkupTags, MatchingTags) {
    struct Case {
        wchar_t const* text;
        wchar_t const* end;
        wchar_t const* start;
    } const cases[] = {
        {L"<TABLE border=1>", L"</TABLE>", L""},
        {L" \n<b>", L"</b>", L""},
        {L"</TABLE>", L"", L"<TABLE>"},
        {L"  </b >", L"", L"<b >"},
        {L"&amp;", L"", L""},
        {L"<", L"", L""},
        {L"/", L"", L""},
        {L"x", L"", L""},
        {L"", L"", L""},
    };
    SGMLMarkupTags const tags;
    for (Case const& c : cases) {
        EXPECT_EQ(tags.GetMatchingEnd(c.text), c.end) << c.text;
        EXPECT_EQ(tags.GetMatchingStart(c.text), c.start) << c.text;
    }

    struct Pair {
        wchar_t const* a;
        wchar_t const* b;
        bool match;
        bool sameKey;
    } const pairs[] = {
        {L"<b>", L"</B>", true, false},   {L"</b>", L"<b>", false, false}, {L"<b>", L"<B x>", false, true},
        {L"<b>", L"</bb>", false, false}, {L"&b;", L"</b>", false, false}, {L"</i>", L"</I >", false, true},
        {L"<b>", L"plain", false, false},
    };
    for (Pair const& p : pairs) {
        EXPECT_EQ(tags.Match(p.a, p.b), p.match) << p.a << " " << p.b;
        EXPECT_EQ(tags.SameKey(p.a, p.b), p.sameKey) << p.a << " " << p.b;
    }
    EXPECT_TRUE(tags.Match(L"<i>", L"</i>tail", 4));
    EXPECT_FALSE(tags.Match(L"<i>", L"</ix>", 5));
    EXPECT_FALSE(tags.Match(L"<ix>", L"</ix>", 3));
}

TEST(MarkupTags, ContainmentByTheTable) {
    struct Case {
        wchar_t const* outer;
        wchar_t const* inner;
        bool canContain;
    } const cases[] = {
        {L"<TABLE>", L"<TR>", true},  {L"<table width=1>", L"<tr>", true}, {L"<TABLE>", L"<TD>", false},
        {L"<TR>", L"<TD x=1>", true}, {L"<td>", L"<table>", false},        {L"<TABLE>", L"</TD>", false},
        {L"</TABLE>", L"<TD>", true}, {L"<TABLE>", L"<SPAN>", true},       {L"<SPAN>", L"<TD>", true},
        {L"<TABLE>", L"&amp;", true}, {L"<TABLE>", L"plain", true},        {L"plain", L"<TD>", true},
    };
    SGMLMarkupTags const tags = TableTags();
    SGMLMarkupTags const noTable;
    for (Case const& c : cases) {
        EXPECT_EQ(tags.CanContain(c.outer, c.inner), c.canContain) << c.outer << " " << c.inner;
        EXPECT_TRUE(noTable.CanContain(c.outer, c.inner)) << c.outer << " " << c.inner;
    }

    struct Required {
        wchar_t const* container;
        wchar_t const* tag;
        bool required;
    } const required[] = {
        {L"<UL>", L"<LI>", true},   {L"<ul class=a>", L"</li>", true}, {L"<OL>", L"<LI>", false},
        {L"</UL>", L"<LI>", false}, {L"<UL>", L"<TD>", false},         {L"plain", L"<LI>", false},
        {L"<UL>", L"&li;", false},
    };
    for (Required const& r : required) {
        EXPECT_EQ(tags.IsRequiredContainer(r.container, r.tag), r.required) << r.container << " " << r.tag;
        EXPECT_FALSE(noTable.IsRequiredContainer(r.container, r.tag)) << r.container << " " << r.tag;
    }
}

TEST(MarkupTags, EmptyTagsAndDeclarations) {
    struct Case {
        wchar_t const* text;
        bool empty;
        bool declaration;
    } const cases[] = {
        {L"<BR>", true, false},           {L"<br/>", true, false},
        {L"</BR>", false, false},         {L"<TABLE>", false, false},
        {L"<SPAN>", false, false},        {L"&amp;", true, false},
        {L"<!DOCTYPE html>", true, true}, {L"<?xml?>", true, true},
        {L"plain", false, false},         {L"<!", false, false},
    };
    SGMLMarkupTags const tags = TableTags();
    for (Case const& c : cases) {
        EXPECT_EQ(tags.IsEmpty(c.text), c.empty) << c.text;
        EXPECT_EQ(tags.IsMDOorPIO(c.text), c.declaration) << c.text;
    }
    EXPECT_FALSE(tags.IsEmpty(nullptr));
    EXPECT_FALSE(tags.IsMDOorPIO(static_cast<wchar_t const*>(nullptr)));
}

class MarkupTokens : public ::testing::Test {
protected:
    Token Make(TokenTypeID type, wchar_t const* text) {
        Token const token = NewToken(&fCreator, type);
        if (text != nullptr) fStrings.Insert(token, text);
        return token;
    }

    TokenCreator fCreator{};
    TokenStringDatabase fStrings;
    SGMLMarkupTags fTags = TableTags();
    Token const fTable = Make(kMarkupStartTagToken, L"<TABLE>");
    Token const fCell = Make(kMarkupStartTagToken, L"<TD>");
    Token const fCellEnd = Make(kMarkupEndTagToken, L"</TD>");
    Token const fReference = Make(kMarkupReferenceToken, L"&amp;");
    Token const fWord = Make(EnglishTokens::kWord, L"<TD>");
    Token const fNoText = Make(kMarkupStartTagToken, nullptr);
};

TEST_F(MarkupTokens, AnswerFromTheirTexts) {
    fTags.SetTokenStringDatabase(&fStrings);
    struct Case {
        Token outer;
        Token inner;
        bool canContain;
    } const cases[] = {
        {fTable, fCell, false}, {fCell, fTable, false},  {fCellEnd, fCell, true},  {fWord, fCell, true},
        {fTable, fWord, true},  {fNoText, fCell, false}, {fTable, fNoText, false}, {fTable, fReference, true},
    };
    for (Case const& c : cases) EXPECT_EQ(fTags.CanContain(c.outer, c.inner), c.canContain) << &c - cases;
    EXPECT_FALSE(fTags.CanContain(fTable, L"<TD>"));
    EXPECT_FALSE(fTags.CanContain(L"<TABLE>", fCell));
    EXPECT_TRUE(fTags.CanContain(fWord, L"<TD>"));
    EXPECT_FALSE(fTags.CanContain(fNoText, L"<TD>"));

    EXPECT_EQ(fTags.GetMatchingEnd(fTable), L"</TABLE>");
    EXPECT_EQ(fTags.GetMatchingEnd(fCellEnd), L"");
    EXPECT_EQ(fTags.GetMatchingStart(fCellEnd), L"<TD>");
    EXPECT_EQ(fTags.GetMatchingStart(fWord), L"");
    EXPECT_EQ(fTags.GetMatchingEnd(fNoText), L"");
    EXPECT_TRUE(fTags.IsThisTag(fCellEnd, L"td"));
    EXPECT_FALSE(fTags.IsThisTag(fWord, L"td"));
    EXPECT_FALSE(fTags.IsThisTag(fTable, nullptr));
    EXPECT_TRUE(fTags.IsMarkup(fReference));
    EXPECT_FALSE(fTags.IsMarkup(fWord));
    EXPECT_FALSE(fTags.IsMarkup(fNoText));
    EXPECT_FALSE(fTags.IsMDOorPIO(fTable));
}

TEST_F(MarkupTokens, CopiesKeepTheTableButNotTheTexts) {
    fTags.SetTokenStringDatabase(&fStrings);
    std::unique_ptr<MarkupTags> const clone = fTags.Clone();
    EXPECT_FALSE(clone->CanContain(L"<TABLE>", L"<TD>"));
    EXPECT_FALSE(clone->IsMarkup(fTable));  // no texts: a markup token has none
    EXPECT_FALSE(clone->CanContain(fTable, fReference));
    clone->SetTokenStringDatabase(&fStrings);
    EXPECT_TRUE(clone->IsMarkup(fTable));

    SGMLMarkupTags& self = fTags;
    fTags = self;
    EXPECT_FALSE(fTags.CanContain(fTable, fCell));
    EXPECT_TRUE(fTags.IsEmpty(L"<BR>"));
}

TEST(MarkupTags, CaseInsensitiveComparison) {
    EXPECT_EQ(CaseInsensitiveStrCmp(L"TABLE", L"table"), 0);
    EXPECT_LT(CaseInsensitiveStrCmp(L"a", L"B"), 0);
    EXPECT_GT(CaseInsensitiveStrCmp(L"tr", L"TD"), 0);
    EXPECT_NE(CaseInsensitiveStrCmp(L"\u00c9", L"\u00e9"), 0);  // only ASCII folds
}

TEST(TagAttributeParser, NamesAndAttributes) {
    struct Case {
        std::wstring tag;
        std::wstring name;
        std::map<std::wstring, std::wstring> attributes;
        std::wstring printed;
    } const cases[] = {
        {L"<IMG SRC=\"a b.gif\" ALT='x' WIDTH=10>",
         L"IMG",
         {{L"SRC", L"\"a b.gif\""}, {L"ALT", L"'x'"}, {L"WIDTH", L"10"}},
         L"<IMG ALT='x' SRC=\"a b.gif\" WIDTH=10>"},
        {L"<img>", L"IMG", {}, L"<IMG>"},
        {L"<a href = x b=1 b=2>", L"A", {{L"href", L"x"}, {L"b", L"1"}}, L"<A b=1 href=x>"},
        {L"<A HREF=\"x y>", L"A", {{L"HREF", L"\"x y>"}}, L"<A HREF=\"x y>>"},
        {L"<INPUT CHECKED NAME=x>", L"INPUT", {{L"CHECKED", L""}, {L"NAME", L"x"}}, L"<INPUT CHECKED NAME=x>"},
        {L"<IMG SRC=x ISMAP", L"IMG", {{L"SRC", L"x"}, {L"ISMAP", L""}}, L"<IMG ISMAP SRC=x>"},
        {L"<IMG SRC=x ISMAP>", L"IMG", {{L"SRC", L"x"}, {L"ISMAP", L""}}, L"<IMG ISMAP SRC=x>"},
        {L"<P x=>", L"P", {{L"x", L""}}, L"<P x>"},
        {L"", L"", {}, L"<>"},
    };
    for (Case const& c : cases) {
        TagAttributeParser<std::wstring> const parser(c.tag);
        EXPECT_EQ(parser.Name(), c.name) << c.tag;
        EXPECT_EQ(parser.Attributes(), c.attributes) << c.tag;
        EXPECT_EQ(parser.Print(), c.printed) << c.tag;
    }
    TagAttributeParser<std::string> const narrow("<font size='2' color=red>");
    EXPECT_EQ(narrow.Print(), "<FONT color=red size='2'>");
    // A two-byte name whose second byte is a lower-case letter's.
    std::string const twoByteName = "\x83\x61";
    EXPECT_EQ(TagAttributeParser<std::string>("<" + twoByteName + "b x=1>").Name(), twoByteName + "B");
}

}  // namespace
