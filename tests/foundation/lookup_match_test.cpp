#include "engine/foundation/lookup_match.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/exact_text.h"

namespace {

// Points dictlookdump at a memory stream for the life of the object.
class TraceCapture {
public:
    TraceCapture() : fStream(open_memstream(&fBuffer, &fSize)), fSaved(dictlookdump) { dictlookdump = fStream; }
    ~TraceCapture() {
        dictlookdump = fSaved;
        std::fclose(fStream);
        std::free(fBuffer);
    }
    TraceCapture(TraceCapture const&) = delete;
    TraceCapture& operator=(TraceCapture const&) = delete;

    // What was traced since the last call.
    std::string Take() {
        std::fflush(fStream);
        std::string const text(fBuffer, fSize);
        std::rewind(fStream);
        std::fflush(fStream);
        return text;
    }

private:
    char* fBuffer = nullptr;
    std::size_t fSize = 0;
    FILE* fStream;
    FILE* fSaved;
};

struct MatcherCase {
    std::string text, dict;
    bool matches;
    std::string trace;
};

MatcherCase const kMatcherCases[] = {
    {"NASA", "nasa", true,
     "      Accepting cap mismatch from |NASA| to dictionary |nasa|\nFOUND string in dictionary |nasa|\n"},
    {"Cats", "cats", true,
     "      Accepting cap mismatch from |Cats| to dictionary |cats|\nFOUND string in dictionary |cats|\n"},
    {"CDs", "cds", false, "REJECTING lookup due to XXXXs acronym parse\n"},
    {"ABCDEs", "abcdes", false, "REJECTING lookup due to XXXXs acronym parse\n"},
    // Too long for an acronym plural, and an acronym needs its "s" lower-case.
    {"ABCDEFs", "abcdefs", true,
     "      Accepting cap mismatch from |ABCDEFs| to dictionary |abcdefs|\nFOUND string in dictionary |abcdefs|\n"},
    {"CDS", "cds", true,
     "      Accepting cap mismatch from |CDS| to dictionary |cds|\nFOUND string in dictionary |cds|\n"},
    {"Apple", "apples", false, ""},
    {"cats", "cats", true, "FOUND string in dictionary |cats|\n"},
    {"cds", "cds", true, "FOUND string in dictionary |cds|\n"},  // no case mismatch, no acronym test
    {"cats", "Cats", false, ""},                                 // only the text's capitals fold
    {"\x83\x41", "\x83\x61", false, ""},                         // trail byte "A" is no letter
    {"\x83\x41s", "\x83\x41s", true, "FOUND string in dictionary |\x83\x41s|\n"},
    {"", "", true, "FOUND string in dictionary ||\n"},
};

TEST(LookupStringMatcherTest, EveryFormDecidesAndTracesAlike) {
    TraceCapture trace;
    for (MatcherCase const& c : kMatcherCases) {
        SCOPED_TRACE(c.text + " / " + c.dict);
        EXPECT_EQ(Linguistics_E_Source_LookupStringMatcher(c.text, c.dict), c.matches);
        EXPECT_EQ(trace.Take(), c.trace);

        EXPECT_EQ(Linguistics_E_Source_LookupStringMatcher(c.text.c_str(), c.dict.c_str()), c.matches);
        EXPECT_EQ(trace.Take(), c.trace);

        // Ranges without a NUL after them: the trace shows the range only.
        ExactText const text(c.text, false), dict(c.dict, false);
        EXPECT_EQ(Linguistics_E_Source_LookupStringMatcher(text.begin(), text.end(), dict.begin(), dict.end()),
                  c.matches);
        EXPECT_EQ(trace.Take(), c.trace);
    }
}

TEST(LookupStringMatcherTest, TracesNothingWithoutAStream) {
    ASSERT_EQ(dictlookdump, nullptr);
    EXPECT_TRUE(Linguistics_E_Source_LookupStringMatcher("NASA", "nasa"));
    EXPECT_FALSE(Linguistics_E_Source_LookupStringMatcher("CDs", "cds"));
}

TEST(LookupStringMatcherTest, RangeStopsAtItsEndNotAtNul) {
    std::string const text("ab\0c", 4), dict("ab\0c", 4), other("ab\0d", 4);
    EXPECT_TRUE(Linguistics_E_Source_LookupStringMatcher(text, dict));
    EXPECT_FALSE(Linguistics_E_Source_LookupStringMatcher(text, other));
}

TEST(WordMatchTest, ComparesFirstWords) {
    struct Case {
        char const* a;
        char const* b;
        bool matches;
    } const cases[] = {
        {"Run fast", "run", true},
        {"running", "run", false},
        {"run", "running", false},
        {"run", "Run", false},  // only a's capitals fold
        {"RUN\tnow", "run later", true},
        {"run", "run", true},
        {"\x83\x41", "\x83\x61", false},  // trail byte "A" must not fold to "a"
        {"\x83\x41 x", "\x83\x41", true},
        {"\x83\x41", "\x83", false},  // b ends inside the character
        {"", "", true},
        {"", "a", false},
        {" a", "", true},  // both first words are empty
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        ExactText const a(c.a), b(c.b);
        EXPECT_EQ(WordMatch(a.begin(), b.begin()), c.matches);
    }
}

}  // namespace
