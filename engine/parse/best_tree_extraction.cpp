#include "engine/parse/best_tree_extraction.h"

#include <cstring>
#include <vector>

#include "engine/compiled/respelling_drawn_out.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/parse/always_use_readings.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/graph_walker.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/idiom_filter.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/parser_features.h"
#include "engine/parse/pos_setting.h"
#include "engine/parse/sentence.h"

namespace {

constexpr char kUseSurfaceForm[] = "zxqUSE_SURFACE_FORM";
constexpr std::size_t kUseSurfaceFormLength = sizeof kUseSurfaceForm - 1;
// Marks a leaf whose English has letters drawn out for emphasis.
constexpr char kDrawnOutMark[] = "@$@$";

// Japanese parts of speech given to English kept as it stands.
constexpr uint32_t kJPOSEnglishNoun = 134;
constexpr uint32_t kJPOSEnglishVerb = 194;
constexpr uint32_t kJPOSEnglishAdjective = 136;
constexpr uint32_t kJPOSEnglishAdverb = 49;

constexpr POS_E_Source kNounPOS{22};
constexpr POS_E_Source kNounPhraseListPOS{31};

// The English of words e - d .. e in Shift-JIS, in braces.
std::string EnglishOfSpan(Sentence const& sentence, int d, int e) {
    return MapWideToSJISChars(
        sentence.MakeETrans(static_cast<std::size_t>(e - d), static_cast<std::size_t>(e)).c_str());
}

bool Begins(std::string const& text, char const* prefix) { return text.compare(0, std::strlen(prefix), prefix) == 0; }

bool SameSpan(PARSED_NODE const* a, PARSED_NODE const* b) { return a->span == b->span && a->endWord == b->endWord; }

}  // namespace

bool ParseTreeCreator::OneParse() const { return (fSentence->Flags() & Sentence::kOneParseKept) != 0; }

PARSED_NODE* ParseTreeCreator::ExtractForTrans() {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    return FindInTopList(platform.selectedParse, platform.resultFrom, fSentence->GraphTops());
}

PARSED_NODE* ParseTreeCreator::FindInTopList(uint16_t n, SINDEX const* result, ALLP_TOP* first) {
    if (first == nullptr) return nullptr;
    ALLP_TOP* top = first;
    uint16_t position = 0;
    if (!OneParse()) {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        // A parse past those kept is no parse, not the last one again.
        if (n >= kResultSlots || n >= platform.K() || IsScoreEnd(platform.resultScores[n])) return nullptr;
        position = result[n] & 31;
        unsigned item = result[n] >> 5;
        for (top = first; top != nullptr; top = top->next) {
            if (platform.Record(top->serial).Has(ScoreRecord::kDropped)) continue;
            if (item-- == 0) break;
        }
        if (top == nullptr) return nullptr;
    }
    fDepth = 0;
    PARSED_NODE* root = MakeParsedNode(top, position);
    PruneLiterals(root);
    return root;
}

PARSED_NODE* ParseTreeCreator::MakeParsedNode(ALLP_TOP* top, uint16_t position) {
    // One path through the graph: as deep as a graph walk may go.
    if (++fDepth > GraphWalker::kMostDepth) throw HitLimitException();
    EXPERT_VIEW const& view = top->view;
    int const d = view.start;
    int const e = view.end;
    PCHART_CELL const& cell = fSentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e));

    auto* node = new PARSED_NODE;
    try {
        node->category = static_cast<uint32_t>(view.category);
        if (view.flags & EXPERT_VIEW::kPrimed) node->flags |= PARSED_NODE::kViewBit0;
        if (view.flags & EXPERT_VIEW::kCapitalSequenceCell) node->flags |= PARSED_NODE::kViewBit5;
        node->span = static_cast<uint16_t>(d);
        node->endWord = static_cast<uint16_t>(e);
        bool const leaf = (view.flags & EXPERT_VIEW::kDictionaryLeaf) != 0;
        bool const literalSetting = (cell.settingCode & POS_SETTING::kLiteralMark) != 0;
        if (literalSetting && (leaf || SetPOSMatch(cell.settingCode, static_cast<uint16_t>(view.category))))
            node->flags |= PARSED_NODE::kLiteral;
        node->graphNode = top;
        if (view.featureOffset != 0) {
            FeatureVector const features = CellFeaturesAt(cell, view.featureOffset);
            for (unsigned slot = 0; slot < PARSED_NODE::kFeatureSetCount; ++slot) {
                std::string const text = FeatureBitsToChars(features, slot);
                std::strncpy(node->features[slot], text.c_str(), PARSED_NODE::kFeatureTextSize - 1);
            }
        }

        if (leaf && !view.paraphrase.IsNull()) {
            node->flags |= PARSED_NODE::kDictionaryLeaf;
            node->reading = view.paraphrase;
            POSAndParaphrase const& reading = view.paraphrase.Get();
            AUAndParseJ(node, reading.GetFinePOS(), reading.GetParaphrase());
            SpanToExtent(d, e, *fSentence, &node->extent);
            std::string english = EnglishOfSpan(*fSentence, d, e);
            if (english.size() >= 2 && english.front() == '{' && english.back() == '}')
                english = english.substr(1, english.size() - 2);
            std::string rewrites[kRewriteSlots];
            unsigned long count = 0;
            GetRewrites(rewrites, count, english.c_str());
            if (count > 0 && node->japanese != nullptr && node->japanese[0] != '{')
                node->SetJapanese((kDrawnOutMark + std::string(node->japanese)).c_str());
        } else if (view.flags & EXPERT_VIEW::kEmptyGluePiece) {
            node->SetJapanese(EnglishOfSpan(*fSentence, d, e).c_str());
            node->japanesePOS = kJPOSEnglishNoun;
            SpanToExtent(d, e, *fSentence, &node->extent);
        }
        for (unsigned i = 0; i < EXPERT_VIEW::kSemanticSetCount; ++i) node->semantics[i] = view.semantics[i];

        PARSED_NODE* daughters = FindInSource(&node->pureRule, position, top);
        node->firstChild = daughters;
        if (daughters != nullptr) daughters->back = node;
    } catch (...) {
        FreeSubtree(node);
        throw;
    }
    --fDepth;
    return node;
}

PARSED_NODE* ParseTreeCreator::FindInSource(uint16_t* pureRule, uint16_t position, ALLP_TOP* top) {
    ALLP_SOURCE* source = top->sources;
    uint16_t r = 0;
    if (!OneParse() && source != nullptr) {
        CHOICE_PLATFORM& platform = fSentence->Choices();
        SINDEX const s = platform.Record(top->serial).From(position);
        r = s & 31;
        unsigned item = s >> 5;
        for (; source != nullptr; source = source->next) {
            if (platform.Record(source->serial).Has(ScoreRecord::kDropped)) continue;
            if (item-- == 0) break;
        }
    }
    if (source == nullptr) return nullptr;
    uint16_t const rule = source->rule;
    if (rule == 0 || rule == ALLP_SOURCE::kNoRule)
        *pureRule = rule;
    else
        *pureRule = rule < guNumRules ? kRuleList[rule].pureRule : 0;
    return FindInTop(r, source);
}

PARSED_NODE* ParseTreeCreator::FindInTop(uint16_t position, ALLP_SOURCE* source) {
    if (source->left == nullptr) return nullptr;
    if (source->right == nullptr) return MakeParsedNode(source->left, position);
    SINDEX const s = OneParse() ? 0 : fSentence->Choices().Record(source->serial).From(position);
    PARSED_NODE* left = MakeParsedNode(source->left, s & 0xFF);
    try {
        PARSED_NODE* right = MakeParsedNode(source->right, s >> 8);
        left->rightSibling = right;
        right->back = left;
    } catch (...) {
        FreeSubtree(left);
        throw;
    }
    return left;
}

CanBeNull<FinePOS_EX> ParseTreeCreator::AlwaysUseReading(int d, int e) const {
    auto const replaced =
        fAlwaysUseReplaced.find(ParseChart::CellIndex(static_cast<std::size_t>(d), static_cast<std::size_t>(e)));
    if (replaced != fAlwaysUseReplaced.end()) return replaced->second;
    return fSentence->Chart().Cell(static_cast<std::size_t>(d), static_cast<std::size_t>(e)).alwaysUseReading;
}

void ParseTreeCreator::AUAndParseJ(PARSED_NODE* node, FinePOS_EX const& chosen, Paraphrase_EX const& paraphrase) {
    CanBeNull<FinePOS_EX> const alwaysUse = AlwaysUseReading(node->span, node->endWord);
    if (alwaysUse.IsNull()) {
        ParseJapaneseEntry(node, paraphrase, paraphrase);
        return;
    }
    FinePOS_EX const& au = alwaysUse.Get();
    ForwardIterator<Paraphrase_EX> first = au.GetParaphraseIterator();
    if (first.IsAtEnd()) {
        ParseJapaneseEntry(node, paraphrase, paraphrase);
        return;
    }
    Paraphrase_EX const auParaphrase = *first;
    if (au != chosen && AlwaysUseStrengthCmp(CanBeNull<FinePOS_EX>(chosen), alwaysUse, *fSentence) == 0)
        fAlwaysUseReplaced.insert_or_assign(ParseChart::CellIndex(node->span, node->endWord), chosen);
    IdiomType const type = FilterAUIdiomType(au.GetIdiomType(), *fSentence);
    Paraphrase_EX const& transplant = au.GetFinePOS() == kNounPhraseListPOS ? auParaphrase : paraphrase;
    if (type == eIdiomPreferredAlways) {
        ParseJapaneseEntry(node, auParaphrase, transplant);
        node->flags |= PARSED_NODE::kAlwaysUseJapanese;
    } else if (AlwaysUseCatMatch(chosen, au)) {
        ParseJapaneseEntry(node, auParaphrase, transplant);
        if (au != chosen) node->flags |= PARSED_NODE::kOtherAlwaysUseJapanese;
    } else {
        ParseJapaneseEntry(node, paraphrase, paraphrase);
    }
}

void ParseTreeCreator::ParseJapaneseEntry(PARSED_NODE* node, Paraphrase_EX const& translation,
                                          Paraphrase_EX const& transplant) {
    std::string const text = CookedJapaneseOfLeaf(node, translation, *fSentence);
    if (!text.empty()) {
        node->SetJapanese(text.c_str());
        node->japanesePOS = node->secondJapanesePOS = translation.GetTransPOS();
        std::string const pattern = transplant.GetTransplant();
        if (!pattern.empty()) node->SetTransplant(pattern.c_str());
        return;
    }
    // No Japanese: the English stays, in braces, marked as what it stands for.
    auto const category = POS_E_Source{static_cast<uint16_t>(node->category)};
    FinePOS_EX const finePOS = translation.GetFinePOS();
    std::string const word = (IsVerbLike(category) ? finePOS.GetBaseForm() : finePOS).GetEntry().GetSrcText();
    std::string japanese = "{ " + word + " }";
    if (category == kNounPOS) {
        node->japanesePOS = kJPOSEnglishNoun;
    } else if (IsVerbLike(category)) {
        japanese += "su-";
        node->japanesePOS = kJPOSEnglishVerb;
    } else if (IsAdjLike(category)) {
        node->japanesePOS = kJPOSEnglishAdjective;
    } else if (IsAdvLike(category)) {
        japanese += "-ni";
        node->japanesePOS = kJPOSEnglishAdverb;
    } else {
        node->japanesePOS = 0;
    }
    node->SetJapanese(japanese.c_str());
}

std::string CookedJapaneseOfLeaf(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence) {
    std::string const cooked = paraphrase.GetCookedTranslation();
    return Begins(cooked, kUseSurfaceForm) ? MakeJForUseSurfaceForm(node, paraphrase, sentence) : cooked;
}

std::string MakeJForUseSurfaceForm(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence) {
    std::string const cooked = paraphrase.GetCookedTranslation();
    std::string const rest = cooked.size() > kUseSurfaceFormLength ? cooked.substr(kUseSurfaceFormLength) : "";
    std::vector<PreparsedWord> const& words = sentence.Words();
    std::string const word = node->endWord < words.size() ? words[node->endWord].fText : "";
    bool ascii = true;
    for (unsigned char c : word) ascii = ascii && c < 0x80;
    return "{" + word + (ascii && !rest.empty() ? " " : "") + "}" + rest;
}

void ParseTreeCreator::PruneLiterals(PARSED_NODE* root) {
    // Without recursion over the tree.
    std::vector<PARSED_NODE*> pending;
    if (root != nullptr) pending.push_back(root);
    while (!pending.empty()) {
        PARSED_NODE* const node = pending.back();
        pending.pop_back();
        if (node->rightSibling != nullptr) pending.push_back(node->rightSibling);
        if ((node->flags & PARSED_NODE::kLiteral) == 0) {
            if (node->firstChild != nullptr) pending.push_back(node->firstChild);
            continue;
        }
        PARSED_NODE* target = node;
        if (fSentence->ArticleFlag() == 0) {
            for (bool moved = true; moved;) {
                moved = false;
                for (PARSED_NODE* child = target->firstChild; child != nullptr; child = child->rightSibling) {
                    if (SameSpan(child, node)) {
                        target = child;
                        moved = true;
                        break;
                    }
                }
            }
        }
        std::string english = EnglishOfSpan(*fSentence, target->span, target->endWord);
        target->pureRule = PARSED_NODE::kLiteralRule;
        auto const category = POS_E_Source{static_cast<uint16_t>(target->category)};
        if (IsVerbishType(target)) {
            english += "su-";
            target->japanesePOS = kJPOSEnglishVerb;
        } else if (target->category <= kMaxValidPOS_E_Source && IsAdvLike(category)) {
            english += "-ni";
            target->japanesePOS = kJPOSEnglishAdverb;
        } else {
            // English kept as it stands is a noun to synthesis, never inflected.
            target->japanesePOS = kJPOSEnglishNoun;
        }
        target->SetJapanese(english.c_str());
        // The nodes between the literal node and the target form a unary
        // chain ending at it: nothing below is left to look at.
        FreeSubtree(target->firstChild);
    }
}
