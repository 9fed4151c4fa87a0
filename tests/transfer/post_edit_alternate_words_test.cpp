// Post-editing over the core lexicon's alternate words, which offers bank as
// 銀行 (the translation's own), 堤防 and 土手: the selected word's
// alternatives and the translation with one of them in its place.
#include "engine/transfer/post_edit_alternate_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp932.h"
#include "engine/compiled/core_lexicon.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/etoj_translator.h"
#include "engine/transfer/sentence_translation.h"

namespace {

// The translation of one sentence over the core lexicon, its post-edit
// record, and the facade that keeps the lexicon open.
struct Translated {
    CorvanIF facade;
    CPostEdit post{nullptr};
    std::string source;
    std::string target;

    // style: the facade's, 2 polite, 1 plain.
    explicit Translated(std::string text, int style = 2) : styleBefore(facade.GetTranslationStyle()) {
        InstallSentenceTranslation();
        EXPECT_GT(facade.AddSysDict(CoreLexiconPath()), 0);
        facade.SetTranslationStyle(style);
        EXPECT_TRUE(facade.Translation(&text));
        post = *facade.GetPostEdit();
        source = post.fSentenceSource;
        target = post.fSentenceTarget;
    }
    ~Translated() {
        facade.SetTranslationStyle(styleBefore);
        EtoJTranslator::InstallSentenceWork(nullptr);
        InstallAlternateWords(nullptr);
    }

    int const styleBefore;
};

TEST(PostEditAlternateWords, TheSelectedWordsAlternativesReplaceItInTheTranslation) {
    Translated translated("The bank is big.");
    ASSERT_EQ(translated.target, CP932("銀行は大きいです。"));
    std::vector<AltWordInfo> alternatives;
    // "bank" is bytes 4 to 8 of the source, 銀行 bytes 0 to 4 of the target.
    translated.post.GenerateAlternatesForWordAtSelection(2, kTargetSide, translated.source.c_str(),
                                                         translated.target.c_str(), alternatives);
    ASSERT_EQ(alternatives.size(), 3u);
    std::vector<std::string> texts;
    for (AltWordInfo const& alternative : alternatives) texts.push_back(alternative.target);
    EXPECT_EQ(texts, (std::vector<std::string>{CP932("銀行"), CP932("堤防"), CP932("土手")}));
    // An alternative's Japanese POS is in the units of the word's own: the
    // one that matches the translation has the word's.
    EXPECT_EQ(alternatives[0].japanesePOS, translated.post.fTargetWords[0].pos);

    struct {
        short k;
        char const* translation;
    } const cases[] = {
        {2, "土手は大きいです。"}, {1, "堤防は大きいです。"}, {3, "銀行は大きいです。"}, {-1, "銀行は大きいです。"}};
    for (auto const& c : cases) {
        std::string out;
        translated.post.AltTranslation(c.k, out);
        EXPECT_EQ(out, CP932(c.translation)) << c.k;
    }
}

TEST(PostEditAlternateWords, AVerbIsReplacedWithItsEnding) {
    Translated translated("The dog ran.", 1);
    ASSERT_EQ(translated.target, CP932("犬は走った。"));
    std::vector<AltWordInfo> alternatives;
    // "ran" is bytes 8 to 11 of the source.
    translated.post.GenerateAlternatesForWordAtSelection(9, kSourceSide, translated.source.c_str(),
                                                         translated.target.c_str(), alternatives);
    ASSERT_EQ(alternatives.size(), 3u);
    std::string out;
    translated.post.AltTranslation(1, out);
    EXPECT_EQ(out, CP932("犬は経営した。"));
}

}  // namespace
