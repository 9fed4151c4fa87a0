// The compiled-dictionary reader over every compiled format: lookups and
// their callback, the lookup cache, iteration, named interfaces, and files
// that are cut short or damaged.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/compiled/compiled_iterators.h"
#include "engine/compiled/compiled_reader.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/string_compare.h"
#include "tests/compiled/compiled_reader_fixture.h"

namespace compiled_reader_test {
namespace {

using LookupTest = CompiledReaderTest;

TEST_P(LookupTest, CallsTheCallbackOnlyWhenALongerHeadwordMayExist) {
    Dictionary_EX const dictionary = Compiled({{"ice cream"}, {"ice cube"}});
    struct Case {
        char const* key;
        std::vector<std::string> found;
        int calls;
    };
    Case const cases[] = {
        {"ice creamy", {}, 0},            // lower bound "ice cube" does not begin with it
        {"ice", {}, 1},                   // "ice cream" begins with it
        {"ice cream", {"ice cream"}, 1},  // found, whether or not longer ones exist
        {"ICE CUBE", {"ice cube"}, 1},
        {"zebra", {}, 0},  // the lower bound is past the end of the table
        {"", {}, 1},
    };
    for (Case const& c : cases) {
        CountingCallback callback;
        EXPECT_EQ(Headwords(dictionary.Lookup(c.key, &callback)), c.found) << c.key;
        EXPECT_EQ(callback.calls, c.calls) << c.key;
    }
}

TEST_P(LookupTest, IgnoresTheCaseOfASCIILetters) {
    Dictionary_EX const dictionary = Compiled({{"ice"}, {"Ice", kCatNP}, {"icicle"}});
    auto sorted = [](std::vector<std::string> words) {
        std::sort(words.begin(), words.end());
        return words;
    };
    std::vector<std::string> const expected = {"Ice", "ice"};
    for (char const* key : {"Ice", "ICE", "ice"})
        EXPECT_EQ(sorted(Headwords(dictionary.Lookup(key, nullptr))), expected);
}

TEST_P(LookupTest, CachedLookupsOfGrowingKeysFindWhatColdLookupsFind) {
    std::vector<Reading> readings;
    for (char const* word : {"ice", "ice age", "ice cream", "ice cream cone", "ice cube", "iceberg", "icebox", "icy",
                             "Ice Cream", "idea", "ideal", "a", "zoo"})
        readings.push_back({word});
    std::string const path = CompileFile(MakeSource(readings));
    Dictionary_EX const warm = Open(path);
    for (std::string const text : {"ice cream cones", "iceberg", "ICE CREAM", "ideally", "icy", "zoo"}) {
        for (std::size_t length = 1; length <= text.size(); ++length) {
            std::string const key = text.substr(0, length);
            CountingCallback warmCallback;
            CountingCallback coldCallback;
            EXPECT_EQ(Headwords(warm.Lookup(key, &warmCallback)), Headwords(Open(path).Lookup(key, &coldCallback)))
                << key;
            EXPECT_EQ(warmCallback.calls, coldCallback.calls) << key;
        }
    }
}

// Large enough that a search goes past the levels kept in memory and reads
// its last window of slots from the file.
TEST_P(LookupTest, EveryHeadwordOfALargeDictionaryIsFoundAndNothingBetween) {
    std::vector<Reading> readings;
    for (int i = 0; i < 9000; ++i) readings.push_back({"w" + std::to_string(100000 + 2 * i)});
    Dictionary_EX const dictionary = Compiled(readings);
    for (int i = 0; i < 9000; i += 7) {
        std::string const word = "w" + std::to_string(100000 + 2 * i);
        std::string const between = "w" + std::to_string(100000 + 2 * i + 1);
        EXPECT_EQ(Headwords(dictionary.Lookup(word, nullptr)), std::vector<std::string>{word});
        EXPECT_TRUE(dictionary.Lookup(between, nullptr).IsAtEnd()) << between;
    }
    EXPECT_TRUE(dictionary.Lookup("w0", nullptr).IsAtEnd());
    EXPECT_TRUE(dictionary.Lookup("x", nullptr).IsAtEnd());
}

TEST_P(LookupTest, KeysOver255BytesFindNothing) {
    std::string const longest(255, 'a');
    Dictionary_EX const dictionary = Compiled({{longest}});
    auto& rep = *dictionary.GetRep();
    std::string const tooLong = longest + "a";
    CountingCallback callback;
    EXPECT_TRUE(rep.Lookup(tooLong.data(), tooLong.size(), &callback).IsAtEnd());
    EXPECT_TRUE(rep.LookupByPrefix(tooLong).IsAtEnd());
    EXPECT_EQ(callback.calls, 0);
    EXPECT_EQ(Headwords(rep.Lookup(longest.data(), longest.size(), nullptr)), std::vector<std::string>{longest});
}

TEST_P(LookupTest, PrefixLookupsWalkHeadwordOrder) {
    Dictionary_EX const dictionary = Compiled({{"icy"}, {"ice cream"}, {"Ice"}, {"idea"}, {"ice"}});
    struct Case {
        char const* prefix;
        std::size_t count;
    };
    for (Case const c : {Case{"ic", 4}, Case{"ICE", 3}, Case{"ice ", 1}, Case{"", 5}, Case{"zz", 0}}) {
        std::vector<std::string> const found = Headwords(dictionary.LookupPrefix(c.prefix));
        EXPECT_EQ(found.size(), c.count) << c.prefix;
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [](std::string const& a, std::string const& b) {
            return StringCompare_E_Source(a, b) < 0;
        })) << c.prefix;
    }
}

using IterationTest = CompiledReaderTest;

TEST_P(IterationTest, WalksEveryEntryBothWays) {
    Dictionary_EX const dictionary = Compiled({{"b"}, {"a"}, {"c"}});
    std::vector<std::string> forward;
    auto it = dictionary.GetEntryIterator_start();
    EXPECT_TRUE(it.IsAtStart());
    for (; !it.IsAtEnd(); ++it) forward.push_back((*it).GetSrcText());
    EXPECT_TRUE(it == dictionary.GetEntryIterator_end());
    std::vector<std::string> backward;
    while (!it.IsAtStart()) backward.insert(backward.begin(), (*--it).GetSrcText());
    EXPECT_EQ(forward.size(), 3u);
    EXPECT_EQ(forward, backward);
}

TEST_P(IterationTest, FromAnEntryStartsThereAndFromAForeignOneAtTheEnd) {
    Dictionary_EX const dictionary = Compiled({{"b"}, {"a"}, {"c"}});
    Entry_EX const b = *dictionary.Lookup("b", nullptr);
    EXPECT_EQ((*dictionary.GetEntryIterator_from(b)).GetSrcText(), "b");
    Entry_EX const foreign = *Compiled({{"b"}}).Lookup("b", nullptr);
    EXPECT_TRUE(dictionary.GetEntryIterator_from(foreign).IsAtEnd());
    EXPECT_TRUE(dictionary.GetEntryIterator_from(*MakeSource({{"b"}}).Lookup("b", nullptr)).IsAtEnd());
}

TEST_P(IterationTest, EntriesAndIteratorsOutliveTheirDictionaryHandle) {
    std::string const path = CompileFile(MakeSource({{"a"}, {"b"}}));
    auto it = Open(path).GetEntryIterator_start();
    Entry_EX const entry = *Open(path).Lookup("b", nullptr);
    // Descriptors freed by a closed dictionary would be reused by these.
    int const other = ::open(path.c_str(), O_RDONLY);
    EXPECT_EQ((*it).GetSrcText(), "a");
    EXPECT_EQ(entry.GetSrcText(), "b");
    ::close(other);
}

TEST_P(IterationTest, ClosesDescriptorZeroLikeAnyOther) {
    std::string const path = CompileFile(MakeSource({{"a"}}));
    int const savedStdin = ::dup(0);
    ASSERT_GE(savedStdin, 0);
    int const fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::dup2(fd, 0), 0);
    ::close(fd);
    { EXPECT_EQ(Headwords(Format().open(0).Lookup("a", nullptr)), std::vector<std::string>{"a"}); }
    bool const closed = ::fcntl(0, F_GETFD) == -1;
    ::dup2(savedStdin, 0);
    ::close(savedStdin);
    EXPECT_TRUE(closed);
}

using InterfaceTest = CompiledReaderTest;

TEST_P(InterfaceTest, ServesEachInterfaceOnceAndTheIdiomsOnlyWhenStored) {
    Dictionary_EX const plain = Compiled({{"in", kCatPREPADJ}, {"apple"}});
    for (char const* name :
         {"DictionaryLearningInterface", "MiscelaneousDictionaryInfoInterface_X", "GrammaticalFormWordsInterface_",
          "LowerCaseWordsInterface_", "CannotBeginSentInterface_", "CannotEndSentInterface_",
          "CanUseUpPeriodInterface_", "SingleWordsWithPeriodsInterface_"}) {
        DictionaryInterface_* const first = plain.GetNamedInterface(name);
        EXPECT_NE(first, nullptr) << name;
        EXPECT_EQ(plain.GetNamedInterface(name), first) << name;
    }
    EXPECT_EQ(plain.GetNamedInterface("UDEntryGroupInterface_EX_"), nullptr);
    EXPECT_EQ(plain.GetAlmightyIdiomInterface(), nullptr);
    EXPECT_EQ(plain.GetMiscelaneousDictionaryInfoInterface()->GetEntryCount(), 2u);
}

TEST_P(InterfaceTest, AnswersGrammaticalFormWordsFromTheStoredTable) {
    Dictionary_EX const dictionary = Compiled({{"In", kCatPREPADJ}, {"apple"}});
    GrammaticalFormWordsInterface_* const words = dictionary.GetGrammaticalFormWordsInterface();
    EXPECT_TRUE(words->IsWordThere("in"));
    EXPECT_TRUE(words->IsWordThere("IN"));
    EXPECT_FALSE(words->IsWordThere("apple"));
    EXPECT_FALSE(words->IsWordThere(nullptr));
}

TEST_P(InterfaceTest, RefusesChanges) {
    Dictionary_EX dictionary = Compiled({{"a"}});
    EXPECT_FALSE(dictionary.GetRep()->IsModifyable());
    EXPECT_THROW(dictionary.CreateNewEntry("b"), NotSupportedOnReadOnlyDictionary<Dictionary_EX>);
    EXPECT_THROW(dictionary.RemoveEntry(*dictionary.Lookup("a", nullptr)),
                 NotSupportedOnReadOnlyDictionary<Dictionary_EX>);
    EXPECT_THROW(dictionary.SetID(5), NotSupportedOnReadOnlyDictionary<Dictionary_EX>);
}

// ---- Damaged files -----------------------------------------------------------------

using DamagedFileTest = CompiledReaderTest;

// Every record of every entry read once.
void ReadEverything(Dictionary_EX const& dictionary) {
    for (auto it = dictionary.GetEntryIterator_start(); !it.IsAtEnd(); ++it) {
        Entry_EX const entry = *it;
        entry.GetSrcText();
        for (auto fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
            (*fp).GetFeatureSets();
            for (auto cf = (*fp).GetCFIterator_start(); !cf.IsAtEnd(); ++cf) (*cf).GetFinePOS();
            for (auto pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp) {
                (*pp).GetRawTranslation();
                (*pp).GetSemantics();
                (*pp).GetTransplant();
            }
        }
    }
    if (auto* idioms = dictionary.GetAlmightyIdiomInterface()) {
        for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag)
            idioms->GetIdiomList(static_cast<AlmightyIdiomInterface_::AlmightyIdiomListTag>(tag));
    }
}

// A source with conjugated forms, an almighty idiom and a semantics block.
Dictionary_EX RichSource() {
    Dictionary_EX source = MakeSource({{"go", kCatN}, {"went"}, {"gone"}, {"U.S.A."}, {"in", kCatPREPADJ}});
    FinePOS_EX const go = (*source.Lookup("go", nullptr)).GetIthFinePOS(0);
    for (char const* form : {"went", "gone"}) (*source.Lookup(form, nullptr)).GetIthFinePOS(0).SetBaseForm(go);
    FinePOS_EX idiom = (*source.Lookup("U.S.A.", nullptr)).GetIthFinePOS(0);
    idiom.SetIdiomType(eIdiomAlmighty);
    (*idiom.GetParaphraseIterator()).SetSemantics(ConvertNounSemanticsFromText("N townname"));
    return source;
}

TEST_P(DamagedFileTest, EveryTruncationIsRefused) {
    std::string const path = CompileFile(RichSource());
    std::string const whole = ReadWholeFile(path);
    ReadEverything(Open(path));
    std::string const cut = PathOf("cut");
    for (std::size_t length = 0; length < whole.size(); ++length) {
        WriteWholeFile(cut, whole.substr(0, length));
        EXPECT_THROW(ReadEverything(Open(cut)), CorruptDictionary) << length;
    }
}

TEST_P(DamagedFileTest, RefusesAnIdiomCountThatDoesNotFitInTheFile) {
    std::string const path = CompileFile(RichSource());
    uint32_t const index = HeaderOf(path).idiomIndex;
    ASSERT_NE(index, 0u);
    for (uint32_t const count : {0xFFFFFFFFu, 0x01000000u, static_cast<uint32_t>(ReadWholeFile(path).size() / 8)}) {
        Bytes countBytes(4);
        PutLE32(countBytes.data(), count);
        Patch(path, index + 8 * AlmightyIdiomInterface_::ePeriod + 4, countBytes);  // the list's count
        EXPECT_THROW(Open(path).GetAlmightyIdiomInterface()->GetIdiomList(AlmightyIdiomInterface_::ePeriod),
                     CorruptDictionary)
            << count;
    }
}

TEST_P(DamagedFileTest, RefusesConjugatedFormsInALoop) {
    std::string const path = CompileFile(RichSource());
    // The chain runs go, then its two forms; the first form is sent back to go.
    uint32_t head = 0;
    uint32_t first = 0;
    {
        Dictionary_EX const dictionary = Open(path);
        auto chain = (*dictionary.Lookup("go", nullptr)).GetIthFinePOS(0).GetCFIterator_start();
        head = OffsetOf((*chain).GetCookie());
        first = OffsetOf((*++chain).GetCookie());
    }
    std::string const bytes = ReadWholeFile(path);
    ByteView const file(reinterpret_cast<uint8_t const*>(bytes.data()) + first, bytes.size() - first);
    CompiledFinePOSRecord record = DecodeFinePOSRecord(file, *Format().traits);
    ASSERT_TRUE(record.hasSuccessor);
    record.successor = head;
    Patch(path, first, EncodeFinePOSRecord(record, *Format().traits));

    auto chain = (*Open(path).Lookup("went", nullptr)).GetIthFinePOS(0).GetCFIterator_start();
    EXPECT_THROW(
        {
            for (int steps = 0; !chain.IsAtEnd() && steps < 100; ++steps) ++chain;
        },
        CorruptDictionary);
}

TEST_P(DamagedFileTest, RefusesTablesThatRunPastTheEndOfTheFile) {
    std::string const path = CompileFile(MakeSource({{"a"}, {"b"}}));
    for (std::size_t const countField : {header_offset::kEntryCount, header_offset::kHeadwordCount}) {
        std::string const saved = ReadWholeFile(path);
        Bytes count(4);
        PutLE32(count.data(), 0x00FFFFFF);
        Patch(path, countField, count);
        EXPECT_THROW(Open(path), CorruptDictionary) << countField;
        WriteWholeFile(path, saved);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, LookupTest, testing::ValuesIn(ReaderFormats()), FormatName);
INSTANTIATE_TEST_SUITE_P(Formats, IterationTest, testing::ValuesIn(ReaderFormats()), FormatName);
INSTANTIATE_TEST_SUITE_P(Formats, InterfaceTest, testing::ValuesIn(ReaderFormats()), FormatName);
INSTANTIATE_TEST_SUITE_P(Formats, DamagedFileTest, testing::ValuesIn(ReaderFormats()), FormatName);

}  // namespace
}  // namespace compiled_reader_test
