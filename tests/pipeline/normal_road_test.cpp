#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/pipeline/glossary_filter.h"
#include "engine/pipeline/qwejb_translator.h"
#include "engine/pipeline/translation_globals.h"
#include "engine/pipeline/user_canceled.h"

namespace {

// Notices with a chosen frequency, counted.
class CountingProgress : public SimpleTranslationProgress {
public:
    explicit CountingProgress(float frequency) : fFrequency(frequency) {}
    void get_NotificationFrequency(float* out) const override { *out = fFrequency; }
    void NoteBytesProcessed(int processed) override {
        SimpleTranslationProgress::NoteBytesProcessed(processed);
        ++fNotices;
    }
    float fFrequency;
    int fNotices = 0;
};

struct Road {
    explicit Road(std::string const& text, SimpleTranslationProgress* progress = nullptr)
        : translator(&source, &sink, progress, BasicTranslationOptions(), &postEdit) {
        source.SpecifySourceText(static_cast<int>(text.size()), text.data());
        gStop = 0;
    }
    MemoryTranslationSource source;
    MemoryTranslationSink sink;
    BasicTranslationOptions options;
    CPostEdit postEdit{&options};
    QWEJBTranslator translator;
};

TEST(NormalRoad, AGlossaryFilterOnTheHookBeforeTheTranslatorShowsInTextAndPostEditSpans) {
    Road road("The dog runs.");
    TokenDictSource reading;
    reading.fDictionaryID = 10000;
    reading.fJapanesePOS = 5;
    reading.fTranslationLength = 3;
    reading.fEnglishPOS = 22;
    GlossaryFilter glossary(L"dog", L"\x72AC", reading, &road.translator.GetDictSourceDatabase());
    road.translator.AddHookFilter(BasicTranslator::kBeforeTranslator, &glossary);
    road.translator.TranslateAll();

    EXPECT_EQ(road.sink.ReferTranslatedText(), "The \x8C\xA2 runs.");
    EXPECT_EQ(road.sink.GetTranslatrSourceSize(), 13);
    ASSERT_EQ(road.postEdit.fSourceWords.size(), 1u);
    ASSERT_EQ(road.postEdit.fTargetWords.size(), 1u);
    ASSERT_EQ(road.postEdit.fEntries.size(), 1u);
    Word_X const& source = road.postEdit.fSourceWords[0];
    Word_X const& target = road.postEdit.fTargetWords[0];
    EXPECT_EQ(std::vector<uint32_t>({source.start, source.length, source.pos, source.entry}),
              std::vector<uint32_t>({4, 3, 22, 0}));
    EXPECT_EQ(std::vector<uint32_t>({target.start, target.length, target.pos, target.entry}),
              std::vector<uint32_t>({4, 2, 5, 0}));
    EXPECT_EQ(road.postEdit.fEntries[0].dictionary, 10000);
    EXPECT_EQ(road.postEdit.fEntries[0].translationLength, 3u);

    std::vector<PostIF> info;
    road.postEdit.GetPostInfo(info, "The dog runs.", "The \x8C\xA2 runs.");
    ASSERT_EQ(info.size(), 1u);
    EXPECT_EQ(info[0].targetStart, 4u);
    EXPECT_EQ(info[0].entryDictionary, 10000);
}

TEST(NormalRoad, AReadingWithoutOutputTextHasASourceWordButNoTargetWordOrEntry) {
    Road road("The cat saw the dog.");
    TokenDictSource reading;
    reading.fDictionaryID = 0xFFFE;  // read back sign-extended
    GlossaryFilter silent(L"cat", L"", reading, &road.translator.GetDictSourceDatabase());
    GlossaryFilter dog(L"dog", L"\x72AC", reading, &road.translator.GetDictSourceDatabase());
    road.translator.AddHookFilter(BasicTranslator::kBeforeTranslator, &silent);
    road.translator.AddHookFilter(BasicTranslator::kBeforeTranslator, &dog);
    road.translator.TranslateAll();

    EXPECT_EQ(road.sink.ReferTranslatedText(), "The  saw the \x8C\xA2.");
    ASSERT_EQ(road.postEdit.fSourceWords.size(), 2u);
    ASSERT_EQ(road.postEdit.fTargetWords.size(), 1u);
    ASSERT_EQ(road.postEdit.fEntries.size(), 1u);
    // The word without Japanese names no entry, so it cannot take the next
    // word's.
    EXPECT_EQ(road.postEdit.fSourceWords[0].start, 4u);
    EXPECT_EQ(road.postEdit.fSourceWords[0].entry, Word_X::kNoEntry);
    EXPECT_EQ(road.postEdit.fSourceWords[1].start, 16u);
    EXPECT_EQ(road.postEdit.fSourceWords[1].entry, 0u);
    EXPECT_EQ(road.postEdit.fTargetWords[0].start, 13u);
    EXPECT_EQ(road.postEdit.fEntries[0].dictionary, -2);
}

TEST(NormalRoad, ProgressNoticesArePacedAndTheLastIsAtTheEnd) {
    struct {
        char const* what;
        float frequency;
        int notices;
    } const cases[] = {
        {"no fixed interval: one per sentence and one at the end", -1.0f, 4},
        {"a long interval: the first sentence and the end", 1.0e6f, 2},
        {"an undefined frequency counts as none", std::nanf(""), 4},
    };
    for (auto const& c : cases) {
        CountingProgress progress(c.frequency);
        std::string const text = "One. Two \x82\xA0\x82\xA2 here. Three.";
        progress.SetTotalSize(static_cast<int>(DecodeSJISLenient(text).size()));
        Road road(text, &progress);
        road.translator.TranslateAll();
        EXPECT_EQ(progress.fNotices, c.notices) << c.what;
        EXPECT_EQ(progress.GetRatio(), 100) << c.what;
    }
}

TEST(NormalRoad, TerminatedOrStoppedRoadsRefuseToGoOn) {
    Road road("One. Two.");
    gStop = 1;
    EXPECT_THROW(road.translator.TranslateAll(), UserCanceledException);
    gStop = 0;
    road.translator.Terminate();
    EXPECT_THROW(road.translator.TranslateAll(), UserCanceledException);
}

}  // namespace
