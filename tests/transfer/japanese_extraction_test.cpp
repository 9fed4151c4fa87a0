// Reading the Japanese off hand-built trees: kana, blanks around romaji, the
// dropped article, English added for capitalised nouns, each node's Japanese
// stretch, and the dictionary sources listed from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/sentence.h"
#include "engine/transfer/japanese_extraction.h"

namespace {

constexpr unsigned short kUserDictionary = 10000;

struct Leaf {
    char const* japanese;
    char const* english;
    uint16_t flags = PARSED_NODE::kDictionaryLeaf;
};

// A sentence node over one leaf per word, each a reading of a user
// dictionary; leaf i covers English bytes [4i, 4i + 3).
class Tree {
public:
    explicit Tree(std::vector<Leaf> const& leaves, POS_E_Source pos = kCatN) {
        fDictionary.SetID(kUserDictionary);
        fRoot = new PARSED_NODE;
        fRoot->category = 42;
        fRoot->span = static_cast<uint16_t>(leaves.size() - 1);
        fRoot->endWord = fRoot->span;
        PARSED_NODE* previous = nullptr;
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            auto* node = new PARSED_NODE;
            node->category = pos;
            node->flags = leaves[i].flags;
            node->endWord = static_cast<uint16_t>(i);
            node->extent = {static_cast<uint16_t>(4 * i), static_cast<uint16_t>(4 * i + 3)};
            node->SetJapanese(leaves[i].japanese);
            FinePOS_EX fp = fDictionary.CreateNewEntry(leaves[i].english).CreateNewFinePOS();
            fp.SetFinePOS(pos);
            Paraphrase_EX paraphrase = fp.CreateNewParaphrase();
            paraphrase.SetCookedTranslation(leaves[i].japanese);
            node->reading.Set(POSAndParaphrase(fp, paraphrase));
            if (previous == nullptr) {
                fRoot->firstChild = node;
                node->back = fRoot;
            } else {
                previous->rightSibling = node;
                node->back = previous;
            }
            previous = node;
            PreparsedWord word;
            word.fText = leaves[i].english;
            fWords.push_back(word);
        }
    }
    ~Tree() { FreeSubtree(fRoot); }
    Tree(Tree const&) = delete;
    Tree& operator=(Tree const&) = delete;

    PARSED_NODE* Root() const { return fRoot; }
    PARSED_NODE* LeafNode(std::size_t i) const {
        PARSED_NODE* node = fRoot->firstChild;
        while (i-- > 0) node = node->rightSibling;
        return node;
    }
    std::vector<PreparsedWord> const& Words() const { return fWords; }

private:
    Dictionary_EX_Temporary fDictionary;
    PARSED_NODE* fRoot = nullptr;
    std::vector<PreparsedWord> fWords;
};

// Shift-JIS: いぬ, が, その, 東京.
#define INU "\x82\xA2\x82\xCA"
#define GA "\x82\xAA"
#define SONO "\x82\xBB\x82\xCC"
#define TOKYO "\x93\x8C\x8B\x9E"

struct Options {
    bool showArticles = false;
    bool noSpacing = false;
    uint32_t capSequence = CapSequenceUserOption::kBoth;
};

std::string Extract(Tree const& tree, Options const& options) {
    CapSequenceUserOption capSequence;
    capSequence.value = options.capSequence;
    ShowArticlesUserOption articles;
    articles.show = options.showArticles;
    AuxiliaryVerbsUserOption_J auxiliary;
    auxiliary.fFlags[JTranslationExtractor::kNoRomajiSpacingFlag] = options.noSpacing ? 1 : 0;
    return ExtractTranslation(tree.Root(), capSequence, tree.Words(), articles, auxiliary);
}

TEST(JapaneseExtraction, TheTreeReadsAsKanaWithItsSpacingRules) {
    Options const plain;
    Options articles;
    articles.showArticles = true;
    Options noSpacing;
    noSpacing.noSpacing = true;
    Options englishOnly;
    englishOnly.capSequence = CapSequenceUserOption::kEnglishOnly;
    Options translationOnly;
    translationOnly.capSequence = CapSequenceUserOption::kTranslationOnly;
    struct {
        char const* name;
        std::vector<Leaf> leaves;
        Options options;
        std::string japanese;
    } const cases[] = {
        {"kana", {{"inu", "dog"}, {"ga", "ga"}}, plain, INU GA},
        {"leading blanks go", {{"  inu", "dog"}}, plain, INU},
        {"romaji between kana", {{"inu", "dog"}, {"{CPU}", "cpu"}, {"ga", "ga"}}, plain, INU " CPU " GA},
        {"two romaji in a row", {{"{CPU}", "cpu"}, {"{USB}", "usb"}}, plain, "CPU USB "},
        {"no romaji spacing", {{"inu", "dog"}, {"{CPU}", "cpu"}, {"ga", "ga"}}, noSpacing, INU "CPU" GA},
        {"the article goes", {{"sono", "the"}, {"inu", "dog"}}, plain, INU},
        {"unless shown", {{"sono", "the"}, {"inu", "dog"}}, articles, SONO INU},
        {"only for the", {{"sono", "that"}, {"inu", "dog"}}, plain, SONO INU},
        {"a capitalised noun shows its English", {{"{" TOKYO "}", "Tokyo"}}, plain, TOKYO " (Tokyo) "},
        {"not with translation only", {{"{" TOKYO "}", "Tokyo"}}, translationOnly, TOKYO},
        {"its English alone", {{"{" TOKYO "}", "Tokyo"}}, englishOnly, "Tokyo "},
        {"nothing when both read alike", {{"{Tokyo}", "Tokyo"}}, plain, "Tokyo "},
        {"lower-case English adds nothing", {{"{" TOKYO "}", "tokyo"}}, plain, TOKYO},
        {"romaji pending across nodes", {{"k", "x"}, {"a", "y"}}, plain, "\x82\xA9"},  // か
    };
    for (auto const& c : cases) {
        Tree tree(c.leaves);
        EXPECT_EQ(Extract(tree, c.options), c.japanese) << c.name;
    }
}

TEST(JapaneseExtraction, NodesRecordTheirJapaneseStretchPastAnInsertedBlank) {
    Tree tree({{"inu", "dog"}, {"{CPU}", "cpu"}, {"ga", "ga"}});
    EXPECT_EQ(Extract(tree, Options()), INU " CPU " GA);
    struct {
        PARSED_NODE const* node;
        uint16_t start, end;
    } const cases[] = {
        {tree.LeafNode(0), 0, 4}, {tree.LeafNode(1), 5, 9}, {tree.LeafNode(2), 9, 11}, {tree.Root(), 0, 11}};
    for (auto const& c : cases) {
        EXPECT_EQ(c.node->firstExtent.start, c.start) << c.node->japanese;
        EXPECT_EQ(c.node->firstExtent.end, c.end) << c.node->japanese;
    }
}

TEST(JapaneseExtraction, EnglishAddedRawHangsUnderItsNodeAsTheLastChild) {
    Tree tree(std::vector<Leaf>{{"{" TOKYO "}", "Tokyo"}});
    Extract(tree, Options());
    PARSED_NODE const* raw = tree.LeafNode(0)->firstChild;
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->category, JTranslationExtractor::kRawCapSeqCategory);
    EXPECT_EQ(raw->firstExtent.start, 4);
    EXPECT_EQ(raw->firstExtent.end, 13);
}

TEST(JapaneseExtraction, DictionarySourcesListReadingsWithBothStretches) {
    constexpr uint16_t kLeaf = PARSED_NODE::kDictionaryLeaf;
    Tree tree({{"inu", "dog", kLeaf | PARSED_NODE::kAlwaysUseJapanese | PARSED_NODE::kViewBit0},
               {"{CPU}", "cpu", kLeaf | PARSED_NODE::kOtherAlwaysUseJapanese},
               {"ga", "ga", 0},  // no dictionary leaf
               {"sono", "the", kLeaf}});
    tree.LeafNode(1)->secondWord = 0x0400;  // a mark of the Japanese
    Extract(tree, Options());               // "the" is dropped: an empty stretch
    Sentence sentence{SentenceUserOptions()};
    std::vector<DICT_SOURCE> const sources = CreateDictSourceList(tree.Root(), &sentence);
    ASSERT_EQ(sources.size(), 2u);
    struct {
        uint16_t japaneseStart, japaneseLength, englishStart, englishLength, kind;
    } const expected[] = {{0, 4, 0, 3, DICT_SOURCE::kAlwaysUseReading | DICT_SOURCE::kFromAnalysisTop},
                          {5, 4, 4, 3, DICT_SOURCE::kOtherAlwaysUseReading}};
    for (std::size_t i = 0; i < 2; ++i) {
        DICT_SOURCE const& s = sources[i];
        EXPECT_EQ(s.japaneseStart, expected[i].japaneseStart) << i;
        EXPECT_EQ(s.japaneseLength, expected[i].japaneseLength) << i;
        EXPECT_EQ(s.englishStart, expected[i].englishStart) << i;
        EXPECT_EQ(s.englishLength, expected[i].englishLength) << i;
        EXPECT_EQ(s.kind, expected[i].kind) << i;
        EXPECT_EQ(s.dictionaryID, kUserDictionary) << i;
        EXPECT_EQ(s.englishPOS, POS_E_SourceToEPOSN(kCatN)) << i;
        EXPECT_EQ(s.translationLength, 3u) << i;  // the romaji of いぬ, and CPU
    }
    EXPECT_EQ(sources[1].japanesePOS & 0xFC00, 0x0400);
}

TEST(JapaneseExtraction, ReadingsOfTheEnginesOwnDictionariesTakeTheirFixedNumbers) {
    struct {
        unsigned short id;
        uint16_t expected;
    } const cases[] = {{kUserDictionary, kUserDictionary},
                       {kMissingWordDictionaryID, kMissingWordDictionaryID},
                       {kSpecialDictionaryID, kDefaultDictionaryID}};
    for (auto const& c : cases) {
        Dictionary_EX_Temporary dictionary;
        dictionary.SetID(c.id);
        EXPECT_EQ(DictSourceDictionaryID(dictionary), c.expected) << c.id;
    }
}

}  // namespace
