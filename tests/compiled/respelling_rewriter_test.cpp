#include "engine/compiled/respelling_rewriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "compiled/respelling_test_support.h"
#include "engine/compiled/rewrite_cache.h"
#include "engine/foundation/lookup_match.h"

namespace {

using Spellings = std::vector<std::string>;

bool Offers(Spellings const& spellings, char const* candidate) {
    for (std::string const& s : spellings) {
        if (s == candidate) return true;
    }
    return false;
}

TEST(RespellingRewriterTest, VariantSpellings) {
    struct Case {
        char const* word;
        char const* offered;  // null: nothing particular
        char const* notOffered;
    };
    Case const cases[] = {
        {"colour", "color", nullptr},
        {"fourth", nullptr, "forth"},  // the stop row keeps "our"
        {"realise", "realize", nullptr},
        {"travelling", "traveling", nullptr},
        {"traveling", "travelling", nullptr},
        {"archaeology", "archeology", nullptr},
        {"realisations", "realizations", nullptr},
        {"theatre", "theater", nullptr},
        {"radii", nullptr, "radiuses"},  // stem too short for "-i/-uses"
        {"hippopotami", "hippopotamuses", nullptr},
        {"catalogue", "catalog", nullptr},
        {"plateaux", "plateaus", nullptr},
        {"hour", nullptr, "hor"},  // too short for word-internal variants
    };
    for (Case const& c : cases) {
        Spellings const spellings = RespellingsOf(c.word);
        if (c.offered != nullptr) {
            EXPECT_TRUE(Offers(spellings, c.offered)) << c.word << " -> " << c.offered;
        }
        if (c.notOffered != nullptr) {
            EXPECT_FALSE(Offers(spellings, c.notOffered)) << c.word;
        }
    }
    EXPECT_EQ(RespellingsOf("fourth"), Spellings{});
    EXPECT_EQ(RespellingsOf("soooo goood"), (Spellings{"so god", "so good", "soo god", "soo good"}));
    EXPECT_EQ(RespellingsOf("bbbooddeellmm").size(), 64u);  // six doubled runs
}

class SpeedCallback : public MaybeAnyLongerCallback {
public:
    explicit SpeedCallback(int speed) : fSpeed(speed) {}
    void FoundOne() override {}
    int GetCoreSpeed() override { return fSpeed; }

private:
    int fSpeed;
};

TEST(RespellingRewriterTest, BusyLookupsGetNothing) {
    struct Case {
        int speed;
        char const* text;
        bool rewritten;
    };
    Case const cases[] = {
        {79, "colour", true},          {80, "colour", false},     {29, "the red colour", true},
        {30, "the red colour", false}, {30, "red  colour", true}, {79, "  red colour ", true},
    };
    for (Case const& c : cases) {
        SpeedCallback callback(c.speed);
        EXPECT_EQ(!RespellingsOf(c.text, &callback).empty(), c.rewritten) << c.speed << " " << c.text;
    }
}

// Runs f with dictlookdump pointed at a temporary file and returns what was
// written to it.
template <typename F>
std::string CaptureTrace(F f) {
    FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return {};
    dictlookdump = file;
    f();
    dictlookdump = nullptr;
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

TEST(RespellingRewriterTest, TracesEachCandidateMadeAfresh) {
    std::string const trace = CaptureTrace([] {
        RespellingsOf("flavour");
        RespellingsOf("signalling");
        RespellingsOf("wooow");
    });
    EXPECT_EQ(trace,
              "   Rewriting (word-internal) |flavour| to |flavor|\n"
              "    Rewriting (suffix) |signalling| to |signaling|\n"
              "    Removing repeated letters from |wooow| to |wow|\n"
              "    Removing repeated letters from |wooow| to |woow|\n");
    // Answered from the cache: nothing is made, nothing traced.
    EXPECT_EQ(CaptureTrace([] { EXPECT_EQ(RespellingsOf("flavour"), Spellings{"flavor"}); }), "");
}

TEST(RespellingRewriterTest, CacheHitEqualsMiss) {
    char const* const words[] = {
        "neighbour",                   // one candidate: cached
        "fourth",                      // none: cached
        "soooo goood",                 // several: not cached
        "abcdefghijklmnopqrstuvwi",    // 24 bytes, one candidate too long to keep
        "abcdefghijklmnopqrstuvwxyi",  // 26 bytes: never cached
        "\xff\xfe\x80\x81 \xe0",       // bytes of 0x80 and above
    };
    for (char const* word : words) {
        Spellings const first = RespellingsOf(word);
        EXPECT_EQ(RespellingsOf(word), first) << word;
    }
    EXPECT_EQ(RespellingsOf("abcdefghijklmnopqrstuvwi"), Spellings{"abcdefghijklmnopqrstuvwuses"});
}

TEST(RespellingRewriterTest, OnlyWordsWithAtMostOneShortRewriteAreCached) {
    struct Case {
        char const* word;
        bool cached;
    };
    Case const cases[] = {
        {"harbour", true},
        {"tyre", true},                        // none
        {"cheeese", false},                    // two
        {"abcdefghijklmnopqrstuwxi", false},   // its one rewrite is longer than 24 bytes
        {"abcdefghijklmnopqrstuvwxy", false},  // 25 bytes
    };
    for (Case const& c : cases) {
        Spellings const spellings = RespellingsOf(c.word);
        MemoizedRewriteRuler::HitPtrWrapper hit = sMemoizer.CacheLookup(c.word);
        EXPECT_EQ(static_cast<bool>(hit), c.cached) << c.word;
        if (hit) {
            ASSERT_LE(spellings.size(), 1u);
            EXPECT_EQ(hit->fNumRewrites, spellings.size()) << c.word;
        }
    }
    // Not cached: made (and traced) again on every call.
    for (int call = 0; call < 2; ++call) {
        std::string const trace = CaptureTrace([] { RespellingsOf("abcdefghijklmnopqrstuvwxyzi"); });
        EXPECT_NE(trace, "") << call;
    }
}

TEST(RespellingRewriterTest, SecondRewriteForgetsTheWord) {
    MemoizedRewriteRuler::Hit hit;
    std::strcpy(hit.fWord, "word");
    EXPECT_TRUE(hit.AppendRewrite("first"));
    EXPECT_FALSE(hit.AppendRewrite("second"));
    EXPECT_STREQ(hit.fWord, "");

    MemoizedRewriteRuler::Hit tooLong;
    std::strcpy(tooLong.fWord, "word");
    EXPECT_TRUE(tooLong.AppendRewrite("abcdefghijklmnopqrstuvwx"));  // 24 bytes fit
    MemoizedRewriteRuler::Hit tooLong2;
    std::strcpy(tooLong2.fWord, "word");
    EXPECT_FALSE(tooLong2.AppendRewrite("abcdefghijklmnopqrstuvwxy"));  // 25 do not
    EXPECT_STREQ(tooLong2.fWord, "");
}

TEST(RespellingRewriterTest, SlotIsTheUnsignedByteSum) {
    EXPECT_EQ(MemoizedRewriteRuler::SlotIndex("\xff"), 255u % 101u);
    EXPECT_EQ(MemoizedRewriteRuler::SlotIndex("\x80\x80"), 256u % 101u);
    EXPECT_EQ(MemoizedRewriteRuler::SlotIndex("ab"), (97u + 98u) % 101u);
}

// Throws from the receiver part-way through a word's candidates.
class ThrowingOutput : public E_Source_Morphology_Rewriter::Output {
public:
    void PerformOutputs(char const*) override { throw std::runtime_error("receiver failed"); }
};

TEST(RespellingRewriterTest, ReceiverFailureLeavesNoPartialAnswer) {
    ThrowingOutput out;
    EXPECT_THROW(E_Source_Morphology_Rewriter::Rewrite("cheeeesy", out, nullptr), std::runtime_error);
    EXPECT_FALSE(sMemoizer.CacheLookup("cheeeesy"));
    EXPECT_EQ(RespellingsOf("cheeeesy"), (Spellings{"chesy", "cheesy"}));
}

TEST(RespellingRewriterTest, ThreadsGetTheSameAnswersAsOneThread) {
    char const* const words[] = {"soooo goood", "bbbooddeellmm", "colour", "Aaaargh", "travelling", "wheeeee"};
    std::vector<Spellings> expected;
    for (char const* word : words) expected.push_back(RespellingsOf(word));
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 50; ++round) {
                for (std::size_t w = 0; w < std::size(words); ++w) {
                    std::size_t const i = (w + t) % std::size(words);
                    if (RespellingsOf(words[i]) != expected[i]) ++mismatches[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(mismatches.size(), 0));
}

}  // namespace
