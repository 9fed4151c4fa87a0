// The generated analysis rules spell the Japanese of trees shaped as the
// synthesis rules leave them: verb endings per conjugation class, tense,
// negation and style; the copula and adjective forms; the particle nodes;
// the question marker.  The tree's Japanese is read through the kana
// converter in document order, as the extraction reads it.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis_rule_builder.h"
#include "cp932.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/transfer/analyze_codes.h"
#include "platform/text_recode.h"

namespace {

using analysis_test::Category;
using analysis_test::JapanesePOS;

void Collect(PARSED_NODE const* node, KanaConverter* converter) {
    for (; node != nullptr; node = node->rightSibling) {
        if (node->japanese != nullptr && *node->japanese != 0) converter->ConvertToKana(node->japanese);
        Collect(node->firstChild, converter);
    }
}

// The tree's Japanese in document order, as kana, in UTF-8.
std::string Reading(PARSED_NODE const* tree) {
    KanaConverter converter(true);
    Collect(tree, &converter);
    std::string utf8;
    if (!Recode("UTF-8", "CP932", converter.Output(), &utf8)) throw std::runtime_error("not CP932");
    return utf8;
}

enum Style : uint32_t { kPlain = 21, kPolite = 22, kWritten = 23 };

// Runs the generated rules over the shape in the style; the rules walked.
unsigned Analyze(PARSED_NODE* tree, Style style) {
    PolitenessLevelUserOption politeness;
    politeness.SetPolitenessLevel(style);
    return AnalyzeCodes(tree, politeness, 0, AuxiliaryVerbsUserOption_J(), false, false);
}

std::string Spelt(std::string const& shape, Style style) {
    ParsedTree const tree(BuildTree(shape));
    Analyze(tree.get(), style);
    return Reading(tree.get());
}

// A clause around a verb phrase (the leaf, or a whole phrase), as the tense
// and negation rules leave it.
std::string Clause(std::string const& phrase, char const* tense) {
    return "SDECL(NP(N:{ジョン}) Nom:ha PRED(VP(" + phrase + ")) TENSE(" + tense + "))";
}
// Do-support: the auxiliary and "not" stay as empty words after the verb,
// and the negation node follows the verb phrase.
std::string Negated(std::string const& phrase, char const* tense) {
    return "SDECL(NP(N:{ジョン}) Nom:ha PRED(VP(" + phrase + ") <neg> AUXP(AUXP(AUX:{}) Not:{})) TENSE(" + tense + "))";
}
// The negation node after the auxiliary's phrase instead.
std::string NegatedAfterAux(std::string const& phrase, char const* tense) {
    return "SDECL(NP(N:{ジョン}) Nom:ha PRED(VP(" + phrase + ") AUXP(AUXP(AUX:{}) Not:{}) <neg>) TENSE(" + tense + "))";
}

struct Case {
    std::string shape;
    Style style;
    char const* japanese;
};

void ExpectSpelt(std::vector<Case> const& cases) {
    for (Case const& c : cases) EXPECT_EQ(Spelt(c.shape, c.style), c.japanese) << c.shape << " in style " << c.style;
}

TEST(AnalysisRules, VerbEndingsPerClassTenseAndStyle) {
    std::string const eat = "VT01:{食べ}-/VV";
    std::string const write = "VT01:{書}k-/VCk";
    ExpectSpelt({
        {Clause(eat, "PRES"), kPlain, "ジョンは食べる"},
        {Clause(eat, "PAST"), kPlain, "ジョンは食べた"},
        {Clause(eat, "PAST"), kWritten, "ジョンは食べた"},
        {Clause(eat, "PRES"), kPolite, "ジョンは食べます"},
        {Clause(eat, "PAST"), kPolite, "ジョンは食べました"},
        {Clause(write, "PRES"), kPlain, "ジョンは書く"},
        {Clause(write, "PAST"), kPlain, "ジョンは書いた"},
        {Clause(write, "PRES"), kPolite, "ジョンは書きます"},
        {Clause(write, "PAST"), kPolite, "ジョンは書きました"},
        {Clause("VI01:{行}k-/VCik", "PAST"), kPlain, "ジョンは行った"},
        {Clause("VI01:{泳}g-/VCg", "PAST"), kPlain, "ジョンは泳いだ"},
        {Clause("VI01:{話}s-/VCs", "PAST"), kPlain, "ジョンは話した"},
        {Clause("VT01:{待}t-/VCt", "PRES"), kPlain, "ジョンは待つ"},
        {Clause("VT01:{待}t-/VCt", "PAST"), kPolite, "ジョンは待ちました"},
        {Clause("VI01:{走}r-/VCr", "PAST"), kPlain, "ジョンは走った"},
        {Clause("VT01:{会}w-/VCw", "PRES"), kPlain, "ジョンは会う"},
        {Clause("VT01:{会}w-/VCw", "PAST"), kWritten, "ジョンは会った"},
        // The i-form "wi-" one rule writes unlocks the rule that mends it.
        {Clause("VT01:{会}w-/VCw", "PRES"), kPolite, "ジョンは会います"},
        {Clause("VT01:{読}m-/VCm", "PAST"), kPlain, "ジョンは読んだ"},
        {Clause("VI01:{飛}b-/VCb", "PAST"), kPlain, "ジョンは飛んだ"},
        {Clause("VI01:{死}n-/VCn", "PAST"), kPlain, "ジョンは死んだ"},
        {Clause("VT01:{勉強}su-/Vsu", "PRES"), kPlain, "ジョンは勉強する"},
        {Clause("VT01:{勉強}su-/Vsu", "PAST"), kPlain, "ジョンは勉強した"},
        {Clause("VT01:{勉強}su-/Vsu", "PRES"), kPolite, "ジョンは勉強します"},
        {Clause("VI01:{来}-/Vku", "PRES"), kPlain, "ジョンは来る"},
        {Clause("VI01:{来}-/Vku", "PAST"), kPolite, "ジョンは来ました"},
        // The verb after its object and the object particle.
        {Clause("NP(NP(N:{りんご}) Acc:-wo) " + eat, "PAST"), kPlain, "ジョンはりんごを食べた"},
    });
}

TEST(AnalysisRules, NegatedVerbs) {
    std::string const eat = "VT01:{食べ}-/VV";
    ExpectSpelt({
        {Negated(eat, "PRES"), kPlain, "ジョンは食べない"},
        {Negated(eat, "PAST"), kPlain, "ジョンは食べなかった"},
        {Negated(eat, "PRES"), kWritten, "ジョンは食べない"},
        {Negated(eat, "PRES"), kPolite, "ジョンは食べません"},
        {Negated(eat, "PAST"), kPolite, "ジョンは食べませんでした"},
        {NegatedAfterAux(eat, "PRES"), kPlain, "ジョンは食べない"},
        {NegatedAfterAux(eat, "PAST"), kPolite, "ジョンは食べませんでした"},
        {Negated("VT01:{書}k-/VCk", "PRES"), kPlain, "ジョンは書かない"},
        {Negated("VT01:{書}k-/VCk", "PRES"), kPolite, "ジョンは書きません"},
        {Negated("VT01:{会}w-/VCw", "PRES"), kPlain, "ジョンは会わない"},
        {Negated("VT01:{会}w-/VCw", "PAST"), kPolite, "ジョンは会いませんでした"},
        {Negated("NP(NP(N:{本}) Acc:-wo) VT01:{読}m-/VCm", "PAST"), kPlain, "ジョンは本を読まなかった"},
        {Negated("VT01:{勉強}su-/Vsu", "PRES"), kPlain, "ジョンは勉強しない"},
    });
}

TEST(AnalysisRules, CopulaAfterANoun) {
    std::string const student = "NP(N:{学生}) BEP(BE:{}dear-)";
    std::string const notStudent = "NP(N:{学生}) BEP(BE:{}dear- Not:{})";
    auto negated = [](std::string const& phrase, char const* tense) {
        return "SDECL(NP(N:{ジョン}) Nom:ha PRED(VP(" + phrase + ") <neg>) TENSE(" + tense + "))";
    };
    ExpectSpelt({
        {Clause(student, "PRES"), kPlain, "ジョンは学生だ"},
        {Clause(student, "PRES"), kPolite, "ジョンは学生です"},
        {Clause(student, "PRES"), kWritten, "ジョンは学生である"},
        {Clause(student, "PAST"), kPlain, "ジョンは学生だった"},
        {Clause(student, "PAST"), kPolite, "ジョンは学生でした"},
        {Clause(student, "PAST"), kWritten, "ジョンは学生であった"},
        {negated(notStudent, "PRES"), kPlain, "ジョンは学生ではない"},
        {negated(notStudent, "PRES"), kWritten, "ジョンは学生ではない"},
        {negated(notStudent, "PAST"), kPlain, "ジョンは学生ではなかった"},
        {negated(notStudent, "PRES"), kPolite, "ジョンは学生ではありません"},
        {negated(notStudent, "PAST"), kPolite, "ジョンは学生ではありませんでした"},
    });
}

TEST(AnalysisRules, AdjectivesDropTheCopulaAndTakeItsEndings) {
    std::string const big = "ADJP(ADJ:{大き}-/ADJ) BEP(BE:{}dear-)";
    std::string const notBig = "ADJP(ADJ:{大き}-/ADJ) BEP(BE:{}dear- Not:{})";
    auto negated = [](std::string const& phrase, char const* tense) {
        return "SDECL(NP(N:{犬}) Nom:ha PRED(VP(" + phrase + ") <neg>) TENSE(" + tense + "))";
    };
    auto clause = [](std::string const& phrase, char const* tense) {
        return "SDECL(NP(N:{犬}) Nom:ha PRED(VP(" + phrase + ")) TENSE(" + tense + "))";
    };
    ExpectSpelt({
        {clause(big, "PRES"), kPlain, "犬は大きい"},
        {clause(big, "PRES"), kWritten, "犬は大きい"},
        {clause(big, "PRES"), kPolite, "犬は大きいです"},
        {clause(big, "PAST"), kPlain, "犬は大きかった"},
        {clause(big, "PAST"), kPolite, "犬は大きかったです"},
        {negated(notBig, "PRES"), kPlain, "犬は大きくない"},
        {negated(notBig, "PAST"), kPlain, "犬は大きくなかった"},
        {negated(notBig, "PRES"), kPolite, "犬は大きくありません"},
        {negated(notBig, "PAST"), kPolite, "犬は大きくありませんでした"},
        // Before the noun it modifies, in every style.
        {"NP(NBAR(ADJP(ADJ:{大き}-/ADJ) NBAR(N:{犬})))", kPlain, "大きい犬"},
        {"NP(NBAR(ADJP(ADJ:{大き}-/ADJ) NBAR(N:{犬})))", kPolite, "大きい犬"},
        {"NP(NBAR(ADJP(ADJ:{静か}-/NAna) NBAR(N:{部屋})))", kPolite, "静かな部屋"},
        {"NP(NBAR(ADJP(ADJ:{緑}-/NAno) NBAR(N:{車})))", kPlain, "緑の車"},
    });
}

TEST(AnalysisRules, TheBeFormsOfSynthesis) {
    ExpectSpelt({
        {Clause("BE:i-/VV", "PRES"), kPlain, "ジョンはいる"},
        {Clause("BE:i-/VV", "PRES"), kPolite, "ジョンはいます"},
        {Clause("BE:ar-/VCr", "PAST"), kPlain, "ジョンはあった"},
        {Clause("BE:ar-/VCr", "PAST"), kPolite, "ジョンはありました"},
        {Clause("BE:na-/ADJ", "PRES"), kPlain, "ジョンはない"},
        {Clause("BE:ina-/ADJ", "PAST"), kWritten, "ジョンはいなかった"},
    });
}

TEST(AnalysisRules, ParticlesAndTheQuestionMarker) {
    std::string const question = "S(SQ(NP(N:{ジョン}) Nom:ha PRED(VP(VT01:{食べ}-/VV)) TENSE(PRES)) INTERROG:{？})";
    ExpectSpelt({
        {"VP(NP(NP(N:{メアリー}) Dat_ni) NP(N:{本}))", kPlain, "メアリーに本"},
        {"S(NP(NP(N:{犬}) Nom_ga) NP(NP(N:{ジョン}) Nom_ha))", kPolite, "犬がジョンは"},
        {"NP(PP(NP(N:{公園}) PREP:{で}) NP(N:{犬}))", kPlain, "公園の犬"},
        {"NP(PP(NP(N:{テーブル}) PREP:{の上に}) NP(N:{本}))", kPlain, "テーブルの上の本"},
        // A phrase of the verb keeps its particle.
        {Clause("PP(NP(N:{図書館}) PREP:{で}) VT01:{読}m-/VCm", "PRES"), kPlain, "ジョンは図書館で読む"},
        {question, kPlain, "ジョンは食べるか？"},
        {question, kPolite, "ジョンは食べますか？"},
    });
}

TEST(AnalysisRules, RulesKeyedOnStringsTheTreeLacksAreNeverWalked) {
    ParsedTree const noun(BuildTree("S(NP(N:{犬}))"));
    EXPECT_EQ(Analyze(noun.get(), kPlain), 0u);
    // Of all the rules, only the one for this class and tense in this style.
    ParsedTree const eaten(BuildTree(Clause("VT01:{食べ}-/VV", "PAST")));
    EXPECT_EQ(Analyze(eaten.get(), kPlain), 1u);
    EXPECT_EQ(Reading(eaten.get()), "ジョンは食べた");
}

}  // namespace
