// Chart building: the cells of a sentence, the readings its spans get from
// the lookup dictionary (spacing, commas, periods, speed), the flags of
// cells and readings, related cells, domination, pruning by speed and the
// trimmed entry arrays.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/compiled/dictionary_text.h"
#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/parse/analysis_settings.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

using Cell = std::pair<int, int>;  // (d, e)
using Cells = std::set<Cell>;

// Words written as their texts; a trailing blank says white space follows
// the word in the source.
std::vector<PreparsedWord> Words(std::vector<std::string> const& texts) {
    std::vector<PreparsedWord> words;
    for (std::string text : texts) {
        PreparsedWord word;
        if (!text.empty() && text.back() == ' ') {
            text.pop_back();
            word.fFlags2 |= PreparsedWord::kWhiteFollows;
        }
        word.fText = text;
        words.push_back(word);
    }
    return words;
}

// A dictionary of one noun reading per headword.
Dictionary_EX Nouns(std::vector<std::string> const& headwords) {
    std::string text;
    for (std::string const& headword : headwords)
        text += "entry\t" + headword + "\nfpos\tpos=N\npara\tid=0\tcooked={x}\n";
    return DictionaryFromText(text);
}

std::unique_ptr<Sentence> SentenceOf(std::vector<PreparsedWord> const& words, uint16_t speed = 10,
                                     std::vector<ExtraChartWord> const& extra = {}) {
    SentenceUserOptions options;
    options.fSpeed = speed;
    auto sentence = std::make_unique<Sentence>(options);
    sentence->SetPreparsedWords(words, {}, extra, false);
    return sentence;
}

std::unique_ptr<Sentence> Built(std::vector<PreparsedWord> const& words, Dictionary_EX lookup, uint16_t speed = 10,
                                std::vector<ExtraChartWord> const& extra = {}) {
    auto sentence = SentenceOf(words, speed, extra);
    CBeforeParse(sentence.get(), nullptr, nullptr, false, lookup);
    return sentence;
}

// The cells holding a reading of the headword.
Cells CellsReading(Sentence const& sentence, std::string const& headword) {
    Cells cells;
    ParseChart const& chart = sentence.Chart();
    for (int e = 0; e < static_cast<int>(chart.WordCount()); ++e)
        for (int d = 0; d <= e; ++d)
            for (ParseChartEntry const& entry : chart.Cell(d, e).entries)
                if (chart.FinePOSOf(entry).GetEntry().GetSrcText() == headword) cells.insert({d, e});
    return cells;
}

// A dictionary that tells a lookup of a longer headword only when one
// begins with the key, as the compiled dictionaries do (the temporary one
// always does), and counts the lookups asked of it.
class PrefixTellingDictionaryRep : public DictionaryRep_EX {
public:
    PrefixTellingDictionaryRep(Dictionary_EX inner, int* lookups) : fInner(std::move(inner)), fLookups(lookups) {}

    unsigned short GetID() const override { return fInner.GetID(); }
    void SetID(unsigned short id) override { fInner.SetID(id); }
    DomainIDSet GetDomainIDSet() const override { return fInner.GetDomainIDSet(); }
    void SetDomainIDSet(DomainIDSet const& domains) override { fInner.GetRep()->SetDomainIDSet(domains); }
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override {
        ++*fLookups;
        std::string const text(key, length);
        if (callback != nullptr && !fInner.LookupPrefix(text).IsAtEnd()) callback->FoundOne();
        return fInner.Lookup(text, nullptr);
    }
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override { return fInner.LookupPrefix(prefix); }
    DictionaryInterface_* GetNamedInterface(std::string const&) override { return nullptr; }
    bool IsModifyable() const override { return false; }
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override {
        return fInner.GetRep()->GetEntryIterator_start();
    }
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override { return fInner.GetRep()->GetEntryIterator_end(); }
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override {
        return fInner.GetRep()->GetEntryIterator_from(entry);
    }
    Entry_EX CreateNewEntry(std::string const& headword) override { return fInner.GetRep()->CreateNewEntry(headword); }
    void RemoveEntry(Entry_EX const& entry) override { fInner.GetRep()->RemoveEntry(entry); }

private:
    Dictionary_EX fInner;
    int* fLookups;
};

TEST(ChartGeometry, CellsAreIndexedByLastWordThenSpan) {
    struct Case {
        std::size_t words;
        int d, e;
        std::size_t index;
    };
    Case const cases[] = {{1, 0, 0, 0}, {3, 0, 0, 0}, {3, 0, 1, 1}, {3, 1, 1, 2}, {3, 1, 2, 4}, {3, 2, 2, 5}};
    for (Case const& c : cases) {
        auto sentence = Built(Words(std::vector<std::string>(c.words, "w ")), Nouns({}));
        ParseChart& chart = sentence->Chart();
        EXPECT_EQ(chart.CellCount(), c.words * (c.words + 1) / 2) << c.words;
        EXPECT_EQ(ParseChart::CellIndex(c.d, c.e), c.index);
        EXPECT_EQ(&chart.Cell(c.d, c.e), &chart.Cells()[c.index]);
    }
}

TEST(ChartBuilding, SpansAreLookedUpAsTheSourceSpacesThem) {
    struct Case {
        std::vector<std::string> words;
        char const* headword;
        Cells cells;
    };
    Case const cases[] = {
        {{"in ", "front ", "of ", "it"}, "in front of", {{2, 2}}},
        // A word joined to the next is looked up joined.
        {{"can", "not ", "go"}, "cannot", {{1, 1}}},
        {{"can", "not ", "go"}, "can not", {}},
        // Made-up words stand apart.
        {{"say ", "zxjOPENQ", "hi", "zxjCLOSEQ"}, "say zxjOPENQ hi zxjCLOSEQ", {{3, 3}}},
        // A comma the source writes against the next word: first with a
        // blank, then as written.
        {{"1", ",", "000"}, "1, 000", {{2, 2}}},
        {{"1", ",", "000"}, "1,000", {{2, 2}}},
        {{"red", ", ", "blue"}, "red, blue", {{2, 2}}},
        {{"red", ", ", "blue"}, "red,blue", {}},
        // A span ending in a period stands without it; inside the sentence
        // with it as well.
        {{"W ", "X", "."}, "W X.", {{1, 1}}},
        {{"W ", "X", ".", "Y"}, "W X.", {{1, 1}, {2, 2}}},
        {{"W ", "X", "zxjPRDor0", "zxjCLOSEQ"}, "W X.", {{1, 1}, {2, 2}}},
        // Alone, the pseudo-word is looked up as itself.
        {{"zxjPRDor0"}, "zxjPRDor0", {{0, 0}}},
        {{"zxjPRDor0"}, ".", {}},
    };
    for (Case const& c : cases) {
        auto sentence = Built(Words(c.words), Nouns({c.headword}));
        EXPECT_EQ(CellsReading(*sentence, c.headword), c.cells) << c.headword;
    }
}

TEST(ChartBuilding, FastSpeedsLookUpNoSpanOfMoreThanTenWords) {
    struct Case {
        uint16_t speed;
        std::size_t span;
        bool found;
    };
    Case const cases[] = {{60, 12, false}, {40, 12, true}, {50, 11, false}, {60, 10, true}, {100, 10, true}};
    for (Case const& c : cases) {
        std::vector<std::string> texts(c.span, "w ");
        std::string headword = "w";
        for (std::size_t i = 1; i < c.span; ++i) headword += " w";
        auto sentence = Built(Words(texts), Nouns({headword}), c.speed);
        int const d = static_cast<int>(c.span) - 1;
        Cells const expected = c.found ? Cells{{d, d}} : Cells{};
        EXPECT_EQ(CellsReading(*sentence, headword), expected) << c.speed << " " << c.span;
    }
}

TEST(ChartBuilding, NoLongerSpanIsLookedUpOnceNoHeadwordBeginsWithTheText) {
    struct Case {
        std::vector<std::string> words;
        char const* headword;
        Cells cells;
        int lookups;
    };
    Case const cases[] = {
        // Each word once, and after "in" up to the first span no headword
        // begins with.
        {{"in ", "front ", "of ", "it ", "now"}, "in front of", {{2, 2}}, 5 + 3},
        // Without a headword of two words, every span is one word.
        {{"a ", "b ", "c ", "d"}, "x y", {}, 4},
    };
    for (Case const& c : cases) {
        int lookups = 0;
        Dictionary_EX const lookup(new PrefixTellingDictionaryRep(Nouns({c.headword}), &lookups));
        auto sentence = Built(Words(c.words), lookup);
        EXPECT_EQ(CellsReading(*sentence, c.headword), c.cells) << c.headword;
        EXPECT_EQ(lookups, c.lookups) << c.headword;
    }
}

TEST(ChartBuilding, AHyphenatedWordJoinedByTheRewriterIsFoundOverAllItsPieces) {
    int lookups = 0;
    Dictionary_EX const lookup =
        RewritingDictionary_EX(Dictionary_EX(new PrefixTellingDictionaryRep(Nouns({"sob"}), &lookups)));
    auto sentence = Built(Words({"S", "-", "O", "-", "B ", "now"}), lookup);
    EXPECT_EQ(CellsReading(*sentence, "sob").count({4, 4}), 1u);
}

TEST(ChartBuilding, ExtraWordsGetTheirReadingsOverTheirWords) {
    std::vector<ExtraChartWord> const extra = {ExtraChartWord("zxjCOLON_NOSPACE", 1, 1),
                                               ExtraChartWord("zxjCOLON_NOSPACE", 2, 9),
                                               ExtraChartWord("zxjCOLON_NOSPACE", 2, 1)};
    auto sentence = Built(Words({"12", ":", "30"}), Nouns({"zxjCOLON_NOSPACE"}), 10, extra);
    EXPECT_EQ(CellsReading(*sentence, "zxjCOLON_NOSPACE"), (Cells{{0, 1}}));
}

TEST(ChartBuilding, WordsAreMarkedByTheCaseOfTheFormThatMatched) {
    struct Case {
        std::vector<std::string> words;
        int first, end;
        char const* form;
        char const* lookupText;
        std::vector<uint8_t> flags;
    };
    uint8_t const kCap = PreparsedWord::kMatchedCapitalised;
    uint8_t const kLow = PreparsedWord::kMatchedLowerCase;
    Case const cases[] = {
        {{"new ", "york"}, 0, 2, "New York", "new york", {kCap, kCap}},
        {{"new ", "york"}, 0, 2, "new york", "new york", {kLow, kLow}},
        // A period inside a span is one byte of the text, wherever it stands.
        {{"zxjPRDor0", "x"}, 0, 2, ". x", ". x", {0, kLow}},
        {{"W ", "zxjPRDor0", "x"}, 0, 3, "W. x", "W. x", {kCap, 0, kLow}},
        // Another form: its tokens start at words written after white space;
        // no word after the span is marked.
        {{"walked", "on"}, 0, 1, "Walk", "walked", {kCap | kLow, 0}},
        {{"Big ", "apple"}, 0, 2, "big Apple", "Big apple", {kLow, kCap}},
        {{"a", "b", "c"}, 0, 1, "x y z", "q", {kLow, 0, 0}},
    };
    for (Case const& c : cases) {
        auto sentence = SentenceOf(Words(c.words));
        ParseChartCreator creator(sentence.get());
        creator.MarkWordsAccordingToCaseMatch(c.first, c.end, c.form, c.lookupText);
        for (std::size_t w = 0; w < c.flags.size(); ++w)
            EXPECT_EQ(sentence->Words()[w].fFlags, c.flags[w]) << c.form << " word " << w;
    }
}

TEST(ChartBuilding, OneWordCellsCarryTheirWordsCapitalisation) {
    std::vector<PreparsedWord> words = Words({"New ", "york ", "is"});
    words[0].fFlags |= PreparsedWord::kTrulyCapitalised;
    auto sentence = Built(words, Nouns({"New York"}));
    ParseChart const& chart = sentence->Chart();
    EXPECT_EQ(chart.Cell(0, 0).flags, PCHART_CELL::kCapitalInitial | PCHART_CELL::kTrulyCapitalised |
                                          PCHART_CELL::kMatchedCapitalised | PCHART_CELL::kDominated);
    EXPECT_EQ(chart.Cell(0, 1).flags, PCHART_CELL::kMatchedCapitalised | PCHART_CELL::kDominated);
    EXPECT_EQ(chart.Cell(0, 2).flags, 0);
}

TEST(ChartCells, FillChartEntryFlagsTheReadingAndItsCell) {
    struct Case {
        char const* fpos;
        float learning;  // 0: none recorded
        bool capitalSequence;
        uint8_t entryFlags;
        uint16_t cellFlags;
        bool result;
    };
    uint8_t const kPreferred = ParseChartEntry::kPreferred;
    Case const cases[] = {
        {"pos=N", 0, false, 0, 0, false},
        {"pos=N\tprimed=1", 0, false, ParseChartEntry::kPrimed, 0, false},
        {"pos=N\tidiom=1", 0, false, kPreferred, 0, false},
        {"pos=N\tidiom=2", 0, false, ParseChartEntry::kAlwaysUse, 0, true},
        {"pos=N\tidiom=3", 0, false, 0, 0, false},
        {"pos=N\tidiom=4", 0, false, kPreferred, PCHART_CELL::kHasAlmighty, false},
        {"pos=N\tidiom=5", 0, false, ParseChartEntry::kAlwaysUse, 0, false},
        {"pos=N", 1.0f, false, kPreferred, 0, false},
        {"pos=N", 0.5f, false, 0, 0, false},
        {"pos=N", 0, true, 0, PCHART_CELL::kCapitalSequence, false},
        {"pos=STARTLITERAL", 0, false, 0, PCHART_CELL::kStartLiteral, false},
        {"pos=ENDLITERAL", 0, false, 0, PCHART_CELL::kEndLiteral, false},
    };
    for (Case const& c : cases) {
        Dictionary_EX const dictionary =
            DictionaryFromText(std::string("entry\tw\nfpos\t") + c.fpos + "\npara\tid=0\tcooked={x}\n");
        FinePOS_EX const fp = *(*dictionary.Lookup("w", nullptr)).GetFinePOSIterator();
        if (c.learning != 0)
            dictionary.GetDictionaryLearningInterface(false)->SetLearningValue(fp, *fp.GetParaphraseIterator(),
                                                                               c.learning);
        auto sentence = SentenceOf(Words({"w ", "v"}));
        sentence->Chart().Allocate(2);
        ParseChartCreator creator(sentence.get());
        EXPECT_EQ(creator.FillChartEntry(fp, 1, 0, c.capitalSequence), c.result) << c.fpos;
        PCHART_CELL const& cell = sentence->Chart().Cell(0, 1);
        ASSERT_EQ(cell.Count(), 1u);
        EXPECT_EQ(cell.entries[0].flags, c.entryFlags) << c.fpos << " " << c.learning;
        EXPECT_EQ(cell.entries[0].kind, ParseChartEntry::kDictionaryReading);
        EXPECT_EQ(cell.flags, c.cellFlags) << c.fpos;
    }
}

TEST(ChartBuilding, ReadingsDisabledByLearningStayOut) {
    Dictionary_EX const dictionary = Nouns({"w", "w v"});
    FinePOS_EX const fp = *(*dictionary.Lookup("w v", nullptr)).GetFinePOSIterator();
    dictionary.GetDictionaryLearningInterface(false)->SetLearningValue(fp, *fp.GetParaphraseIterator(), -1.0f);
    auto sentence = Built(Words({"w ", "v"}), dictionary);
    EXPECT_EQ(CellsReading(*sentence, "w v"), Cells{});
    EXPECT_EQ(CellsReading(*sentence, "w"), (Cells{{0, 0}}));
}

TEST(ChartBuilding, CellsAreTrimmedToTheirReadings) {
    Dictionary_EX const lexicon = Nouns({"w", "w v"});
    auto sentence = Built(Words({"w ", "v"}), lexicon);
    ParseChart& chart = sentence->Chart();
    EXPECT_EQ(chart.Cell(0, 0).entries.capacity(), 1u);
    EXPECT_EQ(chart.Cell(1, 1).entries.capacity(), 1u);
    ParseChartCreator creator(sentence.get());
    creator.FillChartEntry(chart.FinePOSOf(chart.Cell(0, 0).entries[0]), 0, 0, false);
    ZapDEs(1, 1, sentence.get(), nullptr);
    EXPECT_EQ(chart.Cell(0, 0).entries.capacity(), 1 + PCHART_CELL::kEntryGrowth);
    creator.TrimCells();
    EXPECT_EQ(chart.Cell(0, 0).entries.capacity(), 2u);
    EXPECT_EQ(chart.Cell(1, 1).entries.capacity(), 0u);
    EXPECT_EQ(chart.Cell(0, 1).entries.capacity(), 0u);
}

TEST(ChartCells, RelatedCellsAreVisitedByKind) {
    // Six words; the given cell covers words 2..3.  Cells as (d, e).
    struct Case {
        bool supersets, crossing, subsets, itself;
        Cells visited;
    };
    Cells const supersets = {{3, 3}, {2, 3}, {4, 4}, {3, 4}, {2, 4}, {5, 5}, {4, 5}, {3, 5}};
    Cells const crossing = {{2, 2}, {1, 2}, {1, 4}, {2, 5}};
    Cells const subsets = {{0, 2}, {0, 3}};
    Cells const itself = {{1, 3}};
    auto joined = [](Cells a, Cells const& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    Case const cases[] = {
        {false, false, false, false, {}},
        {true, false, false, false, supersets},
        {false, true, false, false, crossing},
        {false, false, true, false, subsets},
        {false, false, false, true, itself},
        {true, true, true, true, joined(joined(supersets, crossing), joined(subsets, itself))},
    };
    auto sentence = SentenceOf(Words(std::vector<std::string>(6, "w ")));
    sentence->Chart().Allocate(6);
    ParseChartCreator creator(sentence.get());
    for (Case const& c : cases) {
        Cells visited;
        auto record = [](int d, int e, Sentence*, void* data) {
            static_cast<Cells*>(data)->insert({d, e});
            return 0;
        };
        EXPECT_EQ(creator.VisitRelatedCells(1, 3, c.supersets, c.crossing, c.subsets, c.itself, record, &visited), 0);
        EXPECT_EQ(visited, c.visited) << c.supersets << c.crossing << c.subsets << c.itself;
    }
    // The first visitor that answers stops the walk with its answer.
    int calls = 0;
    auto stopSecond = [](int, int, Sentence*, void* data) { return ++*static_cast<int*>(data) == 2 ? 7 : 0; };
    EXPECT_EQ(creator.VisitRelatedCells(1, 3, true, true, true, true, stopSecond, &calls), 7);
    EXPECT_EQ(calls, 2);
}

TEST(ChartBuilding, CellsInsideASpanWithReadingsAreDominated) {
    auto sentence = Built(Words({"a ", "b ", "c ", "d"}), Nouns({"b c d", "a b"}));
    ParseChart const& chart = sentence->Chart();
    Cells dominated;
    for (int e = 0; e < 4; ++e)
        for (int d = 0; d <= e; ++d)
            if (chart.Cell(d, e).Has(PCHART_CELL::kDominated)) dominated.insert({d, e});
    EXPECT_EQ(dominated, (Cells{{0, 0}, {0, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}}));
}

TEST(ChartBuilding, TheWordSenseExpertIsSwitchedOffForOneSentenceOnly) {
    SentenceUserOptions off;
    off.fAuxiliaryVerbs.fFlags[Sentence::kSwitchWordSenseExpertOff - 1] = 1;
    Sentence first(off);
    first.SetPreparsedWords(Words({"w"}), {}, {}, false);
    CBeforeParse(&first, nullptr, nullptr, false, Nouns({}));
    EXPECT_FALSE(first.UsingWordSenseExpert());
    EXPECT_TRUE(gbUsingSWAN);
    auto second = Built(Words({"w"}), Nouns({}));
    EXPECT_TRUE(second->UsingWordSenseExpert());
}

TEST(ChartSpeed, PruningFollowsLengthAndSpeed) {
    struct Case {
        std::size_t words;
        uint16_t speed;
        uint16_t length;
        float difference, semantic;
    };
    Case const cases[] = {
        {3, 0, 0, 0, 3e38f},       {60, 100, 1, 0, 0.15f}, {3, 15, 17, 4.8f, 6},      {4, 14, 19, 6, 7},
        {25, 50, 12, 1.6f, 3.41f}, {59, 90, 3, 1, 0.15f},  {35, 40, 10, 1.5f, 2.71f}, {54, 80, 6, 1.07f, 1.31f},
    };
    for (Case const& c : cases) {
        auto sentence = SentenceOf(Words(std::vector<std::string>(c.words, "w ")), c.speed);
        ParseChartCreator::DoSetCoreSpeed(sentence.get());
        EXPECT_EQ(sentence->PruneListLength(), c.length) << c.words << " " << c.speed;
        EXPECT_FLOAT_EQ(sentence->PruneScoreDifference(), c.difference) << c.words << " " << c.speed;
        EXPECT_FLOAT_EQ(sentence->SemanticPruneScoreDifference(), c.semantic) << c.words << " " << c.speed;
    }
}

TEST(ChartBuilding, TheStatusTellsOfUnknownWordsAndTheSentenceFreesItsChart) {
    Dictionary_EX const lexicon = Nouns({"w", "v"});
    auto sentence = SentenceOf(Words({"w ", "v"}));
    EXPECT_EQ(CBeforeParse(sentence.get(), nullptr, nullptr, false, lexicon), 0);
    EXPECT_TRUE(sentence->Flags() & Sentence::kOneParseKept);
    EXPECT_EQ(CBeforeParse(sentence.get(), nullptr, nullptr, false, Nouns({"w"})), 56);
    sentence->FreeDynamicData();
    EXPECT_FALSE(sentence->Chart().Exists());
    EXPECT_EQ(sentence->Chart().CellCount(), 0u);
    short size = 0;
    SetPartitionSize(&size, 7);
    EXPECT_EQ(size, 50);
}

}  // namespace
