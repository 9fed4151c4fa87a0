// The selectional-restriction, distance and word-sense association experts:
// matching semantic sets over the atom hierarchy, the shared score cache,
// the rules' semantic operations on hand-built graph nodes, and the
// word-sense associates found around a word.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/atom_databases.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/semantic_atoms.h"
#include "engine/parse/semantic_expert.h"
#include "engine/parse/semantic_match.h"
#include "engine/parse/sentence.h"
#include "engine/parse/word_sense_expert.h"
#include "engine/parse/word_sense_tables.h"
#include "parse/hand_built_graph.h"

namespace {

uint16_t Atom(char const* name) {
    unsigned short atom = 0;
    EXPECT_TRUE(gSemanticAtomDatabase_E_Source().Lookup(name, &atom)) << name;
    return atom;
}

// Record 0 of a set in the text form ("N food \"rice\"", "SUBJ instrument").
SemanticRecord Set(char const* text) { return Semantics_E_Source(text).records[0]; }

SemanticRecord SetOfAtoms(std::vector<uint16_t> const& atoms, uint16_t flags) {
    SemanticRecord set;
    set.flags = flags;
    for (std::size_t i = 0; i < atoms.size(); ++i) set.atoms[i] = atoms[i];
    return set;
}

// The kRuleList number of the top piece of the grammar rule with this id.
uint16_t RuleNumbered(unsigned id) {
    for (unsigned rule = 1; rule < guNumRules; ++rule) {
        if (kPureRules[kRuleList[rule].pureRule].id == id && kRuleList[rule].programLength != 0)
            return static_cast<uint16_t>(rule);
    }
    ADD_FAILURE() << "no rule " << id;
    return 0;
}

TEST(SemanticExpertsMatch, AFeatureMatchesItselfAndWhatLiesBeneathIt) {
    uint16_t const farAtom = 1200;  // valid in a record, past the name table
    struct Case {
        SemanticRecord set;
        int atom;
        bool checkFlags;
        bool expected;
        char const* what;
    } const cases[] = {
        {Set("N food"), Atom("food"), true, true, "exact"},
        {Set("N drink"), Atom("food"), true, true, "inherited"},
        {Set("N tool"), Atom("all"), true, true, "inherited from the root"},
        {Set("N food"), Atom("drink"), true, false, "an ancestor does not match its descendant"},
        {Set("N food"), -Atom("food"), true, false, "negated"},
        {Set("N tool"), -Atom("food"), true, true, "negated, absent"},
        {SetOfAtoms({farAtom}, SemanticRecord::kNounLike), farAtom, true, true, "out-of-range atom, exact"},
        {SetOfAtoms({farAtom}, SemanticRecord::kNounLike), Atom("food"), true, false, "out-of-range atom"},
        {SetOfAtoms({Atom("food")}, SemanticRecord::kNounLike | SemanticRecord::kSelRes), Atom("food"), true, false,
         "noun-like requirement with the flag test"},
        {SetOfAtoms({Atom("food")}, SemanticRecord::kNounLike | SemanticRecord::kSelRes), Atom("food"), false, true,
         "noun-like requirement without it"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(SFeatureMatch(c.set, static_cast<int16_t>(c.atom), c.checkFlags), c.expected) << c.what;
}

TEST(SemanticExpertsMatch, ARequirementScoresItsFillers) {
    struct Case {
        char const* requirement;
        SemanticRecord filler;
        float expected;
        char const* what;
    } const cases[] = {
        // Beneath the requirement: 0.005 x its specificity (70), at least 0.1.
        {"SUBJ instrument", Set("N tool"), 0.35f, "filler below the requirement"},
        {"SUBJ instrument", Set("N instrument"), 0.35f, "the requirement itself"},
        // Unrelated: the best common ancestor (inanimate, 20) 50 below it.
        {"SUBJ food", Set("N tool"), -1.75f, "unrelated filler"},
        {"SUBJ dospeak", Set("N human"), 0.45f, "a speaker"},
        {"SUBJ food", Set("N any"), 0.0f, "a filler that may be anything is not penalised"},
        {"SUBJ instrument \"xdummy\" \"with\"", Set("N tool \"knife\" \"with\""), 1.85f, "the preposition asked for"},
        {"SUBJ instrument \"xdummy\" \"with\"", Set("N tool \"knife\" \"on\""), 0.0f, "another preposition"},
        {"SUBJ food \"!bean\"", Set("N food \"bean\""), 7.35f, "idiom slot filled"},
        {"SUBJ food \"!bean\"", Set("N food \"rice\""), -3999.65f, "idiom slot missed"},
        {"SUBJ reflex", Set("N reflex"), 1.1f, "reflexive filler"},
        {"SUBJ reflex", Set("N food"), -41.0f, "reflexive requirement unmet"},
        {"SUBJ food", SetOfAtoms({1200, static_cast<uint16_t>(-Atom("food"))}, SemanticRecord::kNounLike), 0.0f,
         "negated and out-of-range atoms have no ancestors"},
        {"N food", Set("N food"), 0.0f, "two fillers"},
    };
    for (Case const& c : cases) {
        SemanticExpert expert;
        EXPECT_NEAR(expert.SelResApply(Set(c.requirement), c.filler, false), c.expected, 1e-3) << c.what;
        // The filler first gives the same.
        EXPECT_NEAR(SemanticExpert().SelResApply(c.filler, Set(c.requirement), false),
                    Set(c.requirement).IsSelRes() ? c.expected : 0.0f, 1e-3)
            << c.what;
    }
}

TEST(SemanticExpertsMatch, CoordinatedSetsShareWhatTheyHaveInCommon) {
    SemanticExpert expert;
    SemanticRecord out;
    // Two fillers: 0.05 x the specificity of their best common ancestor.
    EXPECT_NEAR(expert.SemanticsAnd(&out, Set("N food \"rice\""), Set("N food \"bean\"")), 3.5f, 1e-4);
    EXPECT_TRUE(HasSemanticAtom(out, Atom("food")));
    EXPECT_NEAR(expert.SemanticsAnd(&out, Set("N food \"rice\""), Set("N tool \"knife\"")), 1.0f, 1e-4);
    // A requirement for anything coordinated passes the other side up.
    SemanticRecord const rice = Set("N food \"rice\"");
    expert.SemanticsAnd(&out, Set("SUBJ coord_any"), rice);
    EXPECT_EQ(out, rice);
    // Requirements: the narrower of two related ones, none of two unrelated.
    EXPECT_EQ(SelresIntersection(Set("SUBJ food"), Set("SUBJ drink")).atoms[0], Atom("drink"));
    EXPECT_TRUE(SelresIntersection(Set("SUBJ food"), Set("SUBJ human")).IsBlank());
    // Two requirements that fit nothing of each other's: their common
    // ancestor (0.005 x 10) less 3 x the milder of the two mismatches.
    EXPECT_NEAR(expert.SemanticsAnd(&out, Set("SUBJ food"), Set("SUBJ human")), 0.05f + 3.0f * -1.75f, 1e-3);
}

TEST(SemanticExpertsCache, TwoThreadsGetWhatDirectScoringGives) {
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    std::vector<uint16_t> atoms;
    for (unsigned i = 0; i < kSemanticAtomCount; ++i) atoms.push_back(kSemanticAtoms[i].atom);
    atoms.push_back(1200);  // out of range: scored afresh, never cached
    std::atomic<int> mismatches{0};
    auto work = [&](bool reversed) {
        SemanticExpert expert;
        for (std::size_t i = 0; i < atoms.size(); ++i) {
            uint16_t const x = atoms[reversed ? atoms.size() - 1 - i : i];
            for (uint16_t y : atoms) {
                for (bool anyLevel : {false, true}) {
                    for (auto scorer : {SemanticExpert::WhichScorer::kSelres, SemanticExpert::WhichScorer::kFixed}) {
                        expert.requirement = x;
                        expert.requirementSpecificity = table.Specificity(x);
                        uint16_t cached = 0;
                        uint16_t direct = 0;
                        bool generic = false;
                        float const warm = expert.SHighestSpecCache(x, y, &cached, anyLevel, scorer);
                        float const cold = expert.SHighestSpec(x, y, &direct, anyLevel, scorer, &generic);
                        if (warm != cold || cached != direct) ++mismatches;
                    }
                }
            }
        }
    };
    std::thread first(work, false);
    std::thread second(work, true);
    first.join();
    second.join();
    EXPECT_EQ(mismatches.load(), 0);
}

// Graph nodes built by hand over a sentence of blank-separated words, with
// readings from a small dictionary.
class SemanticExpertsGraph : public ::testing::Test {
protected:
    SemanticExpertsGraph() : fSentence(SentenceUserOptions()) {}

    void Words(std::vector<std::string> const& texts) {
        std::vector<PreparsedWord> words;
        for (std::string const& text : texts) {
            PreparsedWord word;
            word.fText = text;
            words.push_back(word);
        }
        fSentence.SetPreparsedWords(words, {}, {}, false);
        fSentence.Chart().Allocate(words.size());
    }

    FinePOS_EX Reading(std::string const& headword, unsigned which = 0) {
        auto fp = (*fDictionary.Lookup(headword, nullptr)).GetFinePOSIterator();
        for (unsigned i = 0; i < which; ++i) ++fp;
        return *fp;
    }

    ALLP_TOP* Leaf(std::string const& headword, int word, unsigned which = 0) {
        FinePOS_EX const fp = Reading(headword, which);
        ALLP_TOP* top = fGraph.Top(static_cast<uint16_t>(fp.GetFinePOS()), 0, word);
        top->view = EXPERT_VIEW(fp, *fp.GetParaphraseIterator());
        top->view.flags = EXPERT_VIEW::kDictionaryLeaf;
        top->view.end = static_cast<uint16_t>(word);
        return top;
    }

    // A node whose first sets are those of the text form.
    ALLP_TOP* Node(char const* semantics) {
        ALLP_TOP* top = fGraph.Top(0, 0, 0);
        Semantics_E_Source const sets(semantics);
        for (unsigned i = 0; i < EXPERT_VIEW::kSemanticSetCount; ++i) top->view.semantics[i] = sets.records[i];
        return top;
    }

    Sentence fSentence;
    HandBuiltGraph fGraph;
    // Shift-JIS: 口座, 説明.
    Dictionary_EX fDictionary = DictionaryFromText(
        "entry\tchopstick\nfpos\tpos=N\npara\tcooked={hashi}\tsem=3:instrument::\n"
        "entry\twith\nfpos\tpos=PREP\tfeatures0=with\npara\tcooked=\n"
        "entry\taccount\nfpos\tpos=N\npara\tcooked={\x8c\xfb\x8d\xc0}\tsem=3:money::\n"
        "fpos\tpos=N\npara\tcooked={\x90\xe0\x96\xbe}\tsem=3:communication::\n"
        "entry\ttrip\nfpos\tpos=N\npara\tcooked={ryokou}\tsem=3:event::\n");
};

TEST_F(SemanticExpertsGraph, RuleOperationsScoreAndPassSetsUp) {
    struct Case {
        unsigned rule;
        char const* left;
        char const* right;
        float selres;
        float distance;
        char const* what;
    } const cases[] = {
        // "eat rice": the object fits, and the rule counts it twice.
        {81, "OBJ1 food", "N food \"rice\"", 0.7f, 0.0f, "object requirement, doubled"},
        // "ate rice with chopsticks / beans": what the verb asks of a "with"
        // phrase, and whether the place evaluation finds a place.
        {88, "SUBJ animate OBJ2 instrument \"xdummy\" \"with\"", "N instrument \"chopstick\" \"with\"", 1.84f, 0.5f,
         "verb's prepositional phrase fits"},
        {88, "SUBJ animate OBJ2 instrument \"xdummy\" \"with\"", "N food \"bean\" \"with\"", -0.26f, 0.5f,
         "verb's prepositional phrase does not fit"},
        // "rice with beans / chopsticks": like meanings are near.
        {116, "N food \"rice\"", "N food \"bean\" \"with\"", 0.0f, 3.5f, "noun's like-meaning phrase"},
        {116, "N food \"rice\"", "N instrument \"chopstick\" \"with\"", 0.0f, 1.0f, "noun's unrelated phrase"},
    };
    for (Case const& c : cases) {
        ExpertContext context(fSentence);
        EXPERT_VIEW view;
        ALLP_TOP* left = Node(c.left);
        ALLP_TOP* right = Node(c.right);
        uint16_t const rule = RuleNumbered(c.rule);
        EXPECT_NEAR(context.SelResExpert(&view, left, right, rule), c.selres, 1e-4) << c.what;
        EXPECT_NEAR(context.DistanceExpert(&view, left, right, rule), c.distance, 1e-4) << c.what;
        // Verb phrases and noun phrases keep their head's sets.
        EXPECT_EQ(view.semantics[0], left->view.semantics[0]) << c.what;
    }
}

TEST_F(SemanticExpertsGraph, LeavesFillsAndTextsGiveTheirSets) {
    Words({"with", "chopstick"});
    ExpertContext context(fSentence);
    // A leaf takes its reading's semantics, named by its headword.
    ALLP_TOP* noun = Leaf("chopstick", 1);
    EXPECT_EQ(context.SelResExpert(&noun->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
    EXPECT_EQ(noun->view.semantics[0], Set("N instrument \"chopstick\""));
    // A preposition's object becomes a slot filled for that preposition.
    ALLP_TOP* preposition = Leaf("with", 0);
    context.SelResExpert(&preposition->view, nullptr, nullptr, ALLP_SOURCE::kNoRule);
    EXPECT_EQ(PrepositionOfView(&preposition->view, fSentence), "with");
    EXPERT_VIEW phrase;
    context.SelResExpert(&phrase, preposition, noun, RuleNumbered(133));
    EXPECT_EQ(phrase.semantics[0], Set("N instrument \"chopstick\" \"with\""));
    ALLP_TOP* unnamed = Node("N food");
    context.SelResExpert(&phrase, preposition, unnamed, RuleNumbered(133));
    EXPECT_EQ(phrase.semantics[0], Set("N food \"xdummy\" \"with\""));
    // A rule's text gives the node its sets.
    EXPERT_VIEW name;
    context.SelResExpert(&name, Node("N food"), nullptr, RuleNumbered(115));
    EXPECT_EQ(name.semantics[0], Set("N townname personname product"));
    // An empty glue piece takes no operations.
    EXPERT_VIEW glue;
    glue.flags = EXPERT_VIEW::kEmptyGluePiece;
    EXPECT_EQ(context.SelResExpert(&glue, Node("OBJ1 food"), Node("N tool"), RuleNumbered(81)), 0.0f);
    EXPECT_TRUE(glue.semantics[0].IsBlank());
}

TEST(SemanticExpertsWordSense, DistancesInflectionsAndScores) {
    std::vector<std::string> const words = {"the", "balance", "zxjCOMMA", "'s", ",", "of", "my", "account"};
    EXPECT_EQ(FindWSANDistance(words, 1, 7), 3);  // only "of" and "my" count
    EXPECT_EQ(FindWSANDistance(words, 6, 7), 1);
    EXPECT_NEAR(ScoreFunction(2, 4.0), 3.6, 1e-9);
    EXPECT_NEAR(ScoreFunction(10, 4.0), 2.0, 1e-9);
    EXPECT_NEAR(ScoreFunction(30, 4.0), 2.0, 1e-9);
    struct Case {
        char const* base;
        char const* word;
        bool expected;
    } const cases[] = {
        {"bank", "bank", true},     {"bank", "Banks", true},  {"bank", "banking", true}, {"bank", "banked", true},
        {"man", "men", true},       {"city", "cities", true}, {"box", "boxes", true},    {"stop", "stopping", true},
        {"stop", "stopped", true},  {"save", "saving", true}, {"save", "saved", true},   {"carry", "carried", true},
        {"bank", "bankers", false}, {"bank", "ban", false},   {"see", "seing", false},
    };
    for (Case const& c : cases) EXPECT_EQ(MatchIncludingInflections(c.base, c.word), c.expected) << c.word;
    std::vector<std::string> const tokens = TokenizeLikePreparser("John's U.S. cafe, ok");
    EXPECT_EQ(tokens, (std::vector<std::string>{"John", "'s", "U.S.", "cafe", ",", "ok"}));
}

TEST_F(SemanticExpertsGraph, WordSenseFindsAssociatesAroundTheWord) {
    // "I checked the balance of my account ." / "He gave an account of his trip ."
    Words({"I", "checked", "the", "balance", "of", "my", "account", "."});
    ZZZInitSentenceForWSAN(&fSentence);
    ExpertContext context(fSentence);
    ALLP_TOP* bank = Leaf("account", 6, 0);
    ALLP_TOP* story = Leaf("account", 6, 1);
    // "balance" 3 words back: 4 x (0.5 + 0.5 x 7/10).
    EXPECT_NEAR(context.WSANExpert(&bank->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 3.4f, 1e-4);
    EXPECT_EQ(context.WSANExpert(&story->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
    // Not the word the target ends with.
    bank->view.end = 5;
    EXPECT_EQ(context.WSANExpert(&bank->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
    bank->view.end = 6;
    // Under a multiword dictionary entry.
    fSentence.Chart().Cell(0, 6).flags |= PCHART_CELL::kDominated;
    EXPECT_EQ(context.WSANExpert(&bank->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
    fSentence.Chart().Cell(0, 6).flags = 0;
    // With the expert off for the sentence.
    fSentence.SetUsingWordSenseExpert(false);
    EXPECT_EQ(context.WSANExpert(&bank->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);

    fSentence.SetUsingWordSenseExpert(true);
    Words({"He", "gave", "an", "account", "of", "his", "trip", "."});
    ParseChartEntry trip;
    trip.kind = ParseChartEntry::kDictionaryReading;
    fSentence.Chart().AssignFinePOSToEntry(trip, Reading("trip"));
    fSentence.Chart().Cell(0, 6).entries.push_back(trip);
    ZZZInitSentenceForWSAN(&fSentence);
    ALLP_TOP* told = Leaf("account", 3, 1);
    // "trip" 3 words on, as a word (3.0) and as an event (2.0): 0.85 of each.
    EXPECT_NEAR(context.WSANExpert(&told->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 4.25f, 1e-4);
    EXPECT_EQ(context.WSANExpert(&Leaf("account", 3, 0)->view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
}

}  // namespace
