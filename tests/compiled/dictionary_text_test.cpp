// The dictionary text format: its value syntax and the lines it refuses.
#include <gtest/gtest.h>

#include "compiled/compiled_test_support.h"
#include "cp932.h"

namespace {

TEST(DictionaryTextTest, EscapedTextsReadBackByteForByte) {
    std::string const texts[] = {
        "",
        "plain words",
        "tab\there\\and\r\nbreaks",
        CP932("表示"),               // 0x5C as a trail byte stays raw
        std::string("\x81", 1),      // a lead byte alone
        std::string("\x95\x09", 2),  // a lead byte before a tab
        std::string("\x01\x7F\xFF", 3),
    };
    for (std::string const& text : texts) {
        std::string const escaped = EscapeText(text, ":|,");
        EXPECT_EQ(escaped.find_first_of("\t\n\r|,:"), std::string::npos) << escaped;
        EXPECT_EQ(UnescapeText(escaped), text) << escaped;
    }
    EXPECT_EQ(EscapeText(CP932("表")), CP932("表"));
}

TEST(DictionaryTextTest, ValuesReadBackAsPrinted) {
    Dict_Semantics_E_Source const semantics = ParseSemantics("4:human,-dospeak,#1000:a\\x3Ab:c|0:::|2:human::");
    EXPECT_EQ(FormatSemantics(semantics), "4:human,-dospeak,#1000:a\\x3Ab:c|0:::|2:human::");
    EXPECT_EQ(std::string(semantics.records[0].names[0]), "a:b");
    EXPECT_EQ(FormatSemantics(ParseSemantics("")), "");
    DomainIDSet const domains = ParseDomainSet("technical,#80");
    EXPECT_EQ(FormatDomainSet(domains), "technical,#80");
    EXPECT_EQ(FormatDomainWeights(ParseDomainWeights("manual:3,#200:65535")), "manual:3,#200:65535");
    EXPECT_EQ(FormatEnglishPOS(ParseEnglishPOS("#7")), FormatEnglishPOS(POS_E_Source{7}));
}

TEST(DictionaryTextTest, RefusesWhatItCannotRead) {
    std::string const lines[] = {
        "fpos\tpos=N",                 // before any entry
        "entry\tw\npara\tcooked={a}",  // before any fpos
        "entry\tw\nfpos\tpos=NoSuchPOS",
        "entry\tw\nfpos\tpos=N\tpos=N",  // twice
        "entry\tw\nfpos\tcolour=red",
        "entry\tw\nfpos\tprimed=2",
        "entry\tw\nfpos\tidiom=8",
        "entry\tw\nfpos\tfeatures0=" + std::string(101, 'a'),
        "entry\tw\nfpos\tweights=technical",
        "entry\tw\nfpos\nfpos\tbase=1.1",  // base does not list it
        "entry\tw\nfpos\tcfs=1.2\nfpos",   // member does not name it
        "entry\tw\nfpos\tcfs=1.9",
        "entry\tw\nfpos\tbase=1.1\tcfs=1.1",
        "entry\tw\nfpos\tcfs=1.2\nfpos\tbase=1.1\npara\tid=1",  // paraphrase of a form
        "entry\tw\nfpos\npara\tsem=1:human::|0:::",             // one-slot with more records
        "entry\tw\nfpos\npara\tsem=0:nosuchatom::",
        "entry\tw\nfpos\npara\tcooked=a\\qb",
        "entry\tw\nfpos\npara\tcooked=a\\x0",
        "entry\tw\nfpos\npara\tcooked=a\\x00b",
        "entry\tw\nfpos\npara\tdomains=technical,technical",
        "entry\tw\nfpos\npara\tjpos=#512",
        "entry\t",
        "entry\tw\ndictionary\tid=1",
        "dictionary\tid=65536",
        "mystery\tline",
    };
    for (std::string const& text : lines) EXPECT_THROW(DictionaryFromText(text + "\n"), DictionaryTextError) << text;
}

TEST(DictionaryTextTest, ErrorsNameTheLine) {
    try {
        DictionaryFromText("# comment\n\nentry\tw\nfpos\tprimed=yes\n");
        FAIL() << "read";
    } catch (DictionaryTextError const& error) {
        EXPECT_EQ(std::string(error.what()).rfind("line 4: ", 0), 0u) << error.what();
    }
}

}  // namespace
