// Extracting the tree of a chosen parse from a scored graph: following the
// kept scores back down, the Japanese side of dictionary leaves, English kept
// where no Japanese is, and literal stretches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/parser_features.h"
#include "engine/parse/sentence.h"
#include "parse/hand_built_graph.h"

namespace {

EnglishTokens const sEnglishTokens;

// A sentence of blank-separated words with a graph built by hand over
// readings of a small dictionary.
class Extraction {
public:
    Extraction(std::string const& text, uint16_t k) : fSentence(SentenceUserOptions()) {
        std::vector<PreparsedWord> words;
        uint16_t offset = 0;
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t const to = std::min(text.find(' ', from), text.size());
            PreparsedWord word;
            word.fText = text.substr(from, to - from);
            word.fToken = MakeToken(static_cast<uint32_t>(fTokens.size() + 1), EnglishTokens::kWord);
            fStrings.Insert(word.fToken, std::wstring(word.fText.begin(), word.fText.end()).c_str());
            fTokens.push_back(word.fToken);
            Token const space = MakeToken(static_cast<uint32_t>(fTokens.size() + 1), EnglishTokens::kSpace);
            fStrings.Insert(space, L" ");
            fTokens.push_back(space);
            word.fStart = offset;
            word.fEnd = static_cast<uint16_t>(offset + word.fText.size());
            offset = static_cast<uint16_t>(word.fEnd + 1);
            words.push_back(word);
            from = to + 1;
        }
        fSentence.SetSourceTokens(fTokens, &fStrings);
        fSentence.SetPreparsedWords(words, {}, {}, false);
        fSentence.Chart().Allocate(words.size());
        fSentence.SetMaxSavedParses(k);
        if (k == 1) fSentence.SetFlags(Sentence::kOneParseKept);
    }

    // A leaf over word w: the first reading of `headword`, scored s.
    // Its category is the reading's part of speech unless given.
    ALLP_TOP* Leaf(int w, std::string const& headword, float s, uint16_t category = 0) {
        FinePOS_EX const fp = *(*fDictionary.Lookup(headword, nullptr)).GetFinePOSIterator();
        if (category == 0) category = fp.GetFinePOS();
        ALLP_TOP* top = Top(category, 0, w);
        top->view = EXPERT_VIEW(fp, *fp.GetParaphraseIterator());
        top->view.category = category;
        top->view.flags = EXPERT_VIEW::kDictionaryLeaf;
        top->view.end = static_cast<uint16_t>(w);
        top->sources = Source(s);
        return top;
    }
    ALLP_TOP* Top(uint16_t category, int d, int e) { return fGraph.Top(category, d, e); }
    ALLP_SOURCE* Source(float score, ALLP_TOP* left = nullptr, ALLP_TOP* right = nullptr) {
        return fGraph.Source(score, left, right);
    }

    // Scores the graph of these whole-sentence tops and extracts parse n.
    PARSED_NODE* Extract(std::vector<ALLP_TOP*> const& tops, uint16_t n = 0) {
        fGraph.Install(fSentence, tops);
        fSentence.Choices().selectedParse = n;
        return ParseTreeCreator(&fSentence).ExtractForTrans();
    }

    Sentence& Get() { return fSentence; }

    void UseDictionary(std::string const& text) { fDictionary = DictionaryFromText(text); }

private:
    TokenStringDatabase fStrings;
    std::vector<Token> fTokens;
    Sentence fSentence;
    Dictionary_EX fDictionary = DictionaryFromText("");
    HandBuiltGraph fGraph;
};

std::string const kDictionary =
    "entry\tapple\nfpos\tpos=N\npara\tcooked=ringo\n"
    "entry\tpear\nfpos\tpos=N\npara\tcooked=nashi\n"
    "entry\tate\nfpos\tpos=VT01\npara\tcooked=tabeta\ttransplant=NP:+wo\n"
    "entry\tfrob\nfpos\tpos=VT01\npara\tcooked=\n"
    "entry\tfast\nfpos\tpos=ADV\npara\tcooked=\n"
    "entry\tglorb\nfpos\tpos=N\npara\tcooked=zxqUSE_SURFACE_FORMdesu\n"
    "entry\tzorp\nfpos\tpos=N\npara\tcooked=zxqUSE_SURFACE_FORM\n"
    "entry\tsooo\nfpos\tpos=ADV\npara\tcooked=totemo\n";

// Leaves' Japanese texts, left to right.
void CollectLeaves(PARSED_NODE const* node, std::vector<std::string>* texts) {
    for (; node != nullptr; node = node->rightSibling) {
        if (node->firstChild == nullptr)
            texts->push_back(node->japanese != nullptr ? node->japanese : "-");
        else
            CollectLeaves(node->firstChild, texts);
    }
}

std::vector<std::string> Leaves(PARSED_NODE const* node) {
    std::vector<std::string> texts;
    CollectLeaves(node, &texts);
    return texts;
}

TEST(BestTreeExtraction, TheSelectedParseIsFollowedBackDown) {
    for (uint16_t k : {1, 2}) {
        Extraction sentence("ate apple", k);
        sentence.UseDictionary(kDictionary);
        // Two readings of the object: "pear" (score 1) and "apple" (score 2).
        ALLP_TOP* verb = sentence.Leaf(0, "ate", 0);
        ALLP_TOP* object = sentence.Top(22, 0, 1);
        ALLP_TOP* apple = sentence.Leaf(1, "apple", 2);
        ALLP_TOP* pear = sentence.Leaf(1, "pear", 1);
        object->sources = sentence.Source(0, apple);
        object->sources->next = sentence.Source(0, pear);
        ALLP_TOP* top = sentence.Top(42, 1, 1);
        top->sources = sentence.Source(0, verb, object);
        // The sentence node's features sit in its cell's heap, after the unused first word.
        FeatureSlot slots[kFeatureSlotCount];
        slots[0].set = 1;
        slots[0].words[0] = 0x0005;
        FeatureVector const features = MakeFeatures(slots);
        std::vector<uint16_t>& heap = sentence.Get().Chart().Cell(1, 1).featureHeap;
        heap.assign(1, 0);
        heap.insert(heap.end(), features.words, features.words + features.size);
        top->view.featureOffset = 2;

        PARSED_NODE* best = sentence.Extract({top});
        ASSERT_NE(best, nullptr);
        EXPECT_NE(std::string(best->features[0]), "");
        EXPECT_EQ(best->features[0], FeatureBitsToChars(features, 0));
        EXPECT_STREQ(best->features[1], "");
        EXPECT_STREQ(best->firstChild->features[0], "");
        EXPECT_EQ(Leaves(best), (std::vector<std::string>{"tabeta", "ringo"})) << k;
        EXPECT_STREQ(best->firstChild->transplant, "NP:+wo");
        EXPECT_EQ(best->firstChild->extent.start, 0);
        EXPECT_EQ(best->firstChild->extent.end, 3);
        EXPECT_EQ(best->firstChild->rightSibling->firstChild->extent.start, 4);
        FreeSubtree(best);
        if (k == 1) continue;
        PARSED_NODE* second = ParseTreeCreator(&sentence.Get())
                                  .FindInTopList(1, sentence.Get().Choices().resultFrom, sentence.Get().GraphTops());
        ASSERT_NE(second, nullptr);
        EXPECT_EQ(Leaves(second), (std::vector<std::string>{"tabeta", "nashi"}));
        FreeSubtree(second);
        // Only two parses exist: a third is none, not the last again.
        EXPECT_EQ(ParseTreeCreator(&sentence.Get())
                      .FindInTopList(2, sentence.Get().Choices().resultFrom, sentence.Get().GraphTops()),
                  nullptr);
    }
}

TEST(BestTreeExtraction, LeavesWithoutJapaneseOrWithTheSurfaceFormKeepTheEnglish) {
    struct Case {
        char const* word;
        char const* japanese;
    };
    Case const cases[] = {
        {"frob", "{ frob }su-"}, {"fast", "{ fast }-ni"}, {"glorb", "{glorb }desu"},
        {"zorp", "{zorp}"},      {"sooo", "@$@$totemo"},
    };
    for (Case const& c : cases) {
        Extraction sentence(c.word, 1);
        sentence.UseDictionary(kDictionary);
        ALLP_TOP* leaf = sentence.Leaf(0, c.word, 0);
        PARSED_NODE* tree = sentence.Extract({leaf});
        ASSERT_NE(tree, nullptr) << c.word;
        EXPECT_STREQ(tree->japanese, c.japanese) << c.word;
        FreeSubtree(tree);
    }
}

TEST(BestTreeExtraction, ALiteralStretchBecomesOneEnglishNode) {
    Extraction sentence("New York", 1);
    sentence.UseDictionary(
        "entry\tNew\nfpos\tpos=ADJ\npara\tcooked=atarashii\n"
        "entry\tYork\nfpos\tpos=N\npara\tcooked=yooku\n");
    // Any category, kept as written.
    sentence.Get().Chart().Cell(1, 1).settingCode = POS_SETTING::kLiteralMark | kPOSCodeAnyCategory;
    ALLP_TOP* top = sentence.Top(22, 1, 1);
    top->sources = sentence.Source(0, sentence.Leaf(0, "New", 0), sentence.Leaf(1, "York", 0));
    PARSED_NODE* tree = sentence.Extract({top});
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->firstChild, nullptr);
    EXPECT_EQ(tree->pureRule, PARSED_NODE::kLiteralRule);
    EXPECT_EQ(tree->japanesePOS, 134u);
    EXPECT_STREQ(tree->japanese, "{New York}");
    FreeSubtree(tree);
}

}  // namespace
