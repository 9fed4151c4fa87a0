#include "engine/transfer/transfer_steps.h"

#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/sentence.h"
#include "engine/transfer/analyze_codes.h"
#include "engine/transfer/decimal_numbers.h"
#include "engine/transfer/japanese_extraction.h"
#include "engine/transfer/synthesis_tree_rules.h"
#include "engine/transfer/transplants.h"

void PerformJSynthesis(PARSED_NODE* tree, Sentence* sentence, uint8_t synthesisFlag) {
    ApplyTransplants(tree);
    PerformJSynTreeCodes(tree);
    AnalyzeCodes(tree, sentence, synthesisFlag, false);
    AdjustDecimalNums(tree);
}

void AnalyzeCodes(PARSED_NODE* tree, Sentence* sentence, uint8_t synthesisFlag, bool singleOnly) {
    PolitenessLevelUserOption politeness;
    politeness.SetPolitenessLevel(sentence->Politeness());
    AnalyzeCodes(tree, politeness, sentence->YouMode(), sentence->OptionBlock(), synthesisFlag != 0, singleOnly);
}

ParsedTree ExtractAndTrans(Sentence* sentence) {
    ParsedTree tree(ParseTreeCreator(sentence).ExtractForTrans());
    if (!tree) return tree;
    uint8_t const synthesisFlag = sentence->QuickSynthesisSwitch();
    if (sentence->Flags() & Sentence::kQuickSynthesis) {
        QuickSynthesis(tree.get(), synthesisFlag != 0);
        AnalyzeCodes(tree.get(), sentence, synthesisFlag, true);
        return tree;
    }
    RemoveTempCats(tree.get());
    InsertVirtCats(tree.get());
    ReconstructTraces(tree.get());
    UseGenericCCodes(tree.get(), sentence);
    UseJapaneseCCodes(tree.get(), sentence);
    PerformJSynthesis(tree.get(), sentence, synthesisFlag);
    return tree;
}

bool CTranslate(std::string* japanese, std::vector<DICT_SOURCE>* sources, Sentence* sentence) {
    ParsedTree const tree = ExtractAndTrans(sentence);
    if (!tree) return false;
    CapSequenceUserOption capSequence;
    capSequence.value = sentence->ProperNounMode();
    ShowArticlesUserOption showArticles;
    showArticles.show = sentence->ArticleFlag() != 0;
    *japanese = ExtractTranslation(tree.get(), capSequence, sentence->Words(), showArticles, sentence->OptionBlock());
    *sources = CreateDictSourceList(tree.get(), sentence);
    return true;
}
