#include "engine/foundation/dictionary.h"

#include <gtest/gtest.h>

#include <exception>
#include <ostream>
#include <string>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "foundation/fake_dictionary.h"

namespace {

using fake::FakeDictionaryRep;
using fake::MakeDictionary;
using fake::Options;
using fake::Probe;
using LearningInterface = DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>;

std::vector<std::string> Headwords(ForwardIterator<Entry_EX> it) {
    std::vector<std::string> seen;
    for (; !it.IsAtEnd(); ++it) seen.push_back((*it).GetSrcText());
    return seen;
}

class CountingCallback : public MaybeAnyLongerCallback {
public:
    void FoundOne() override { ++fFound; }
    int GetCoreSpeed() override { return 50; }
    int fFound = 0;
};

// ---- Lookups through the handle --------------------------------------------

enum class LookupForm { kString, kCString, kPrefix };

struct LookupCase {
    char const* name;
    LookupForm form;
    unsigned long keyLength;
    bool representationAsked;
};

void PrintTo(LookupCase const& c, std::ostream* out) { *out << c.name; }

class DictionaryLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(DictionaryLookup, KeysOver255BytesFindNothingWithoutAskingTheRepresentation) {
    LookupCase const& c = GetParam();
    Probe probe;
    Options options;
    options.probe = &probe;
    auto [dictionary, rep] = MakeDictionary(options);
    std::string const key(c.keyLength, 'a');
    dictionary.CreateNewEntry(key);

    CountingCallback callback;
    ForwardIterator<Entry_EX> found = EmptyForwardIterator<Entry_EX>();
    switch (c.form) {
        case LookupForm::kString:
            found = dictionary.Lookup(key, &callback);
            break;
        case LookupForm::kCString:
            found = dictionary.Lookup(key.c_str(), &callback);
            break;
        case LookupForm::kPrefix:
            found = dictionary.LookupPrefix(key);
            break;
    }

    std::vector<std::string> const expected =
        c.representationAsked ? std::vector<std::string>{key} : std::vector<std::string>{};
    EXPECT_EQ(Headwords(found), expected);
    EXPECT_EQ(probe.lookups + probe.prefixLookups, c.representationAsked ? 1 : 0);
    if (c.form != LookupForm::kPrefix) {
        EXPECT_EQ(callback.fFound, c.representationAsked ? 1 : 0) << "the callback is passed through";
        if (c.representationAsked) {
            EXPECT_EQ(probe.lastLookupLength, c.keyLength);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, DictionaryLookup,
                         testing::Values(LookupCase{"String255", LookupForm::kString, 255, true},
                                         LookupCase{"String256", LookupForm::kString, 256, false},
                                         LookupCase{"CString255", LookupForm::kCString, 255, true},
                                         LookupCase{"CString256", LookupForm::kCString, 256, false},
                                         LookupCase{"CString4000", LookupForm::kCString, 4000, false},
                                         LookupCase{"Prefix255", LookupForm::kPrefix, 255, true},
                                         LookupCase{"Prefix256", LookupForm::kPrefix, 256, false}),
                         [](testing::TestParamInfo<LookupCase> const& info) { return std::string(info.param.name); });

TEST(DictionaryLookupNullKey, FindsNothingWithoutAskingTheRepresentation) {
    Probe probe;
    Options options;
    options.probe = &probe;
    auto [dictionary, rep] = MakeDictionary(options);
    dictionary.CreateNewEntry("");
    EXPECT_TRUE(dictionary.Lookup(static_cast<char const*>(nullptr), nullptr).IsAtEnd());
    EXPECT_EQ(probe.lookups, 0);
}

// ---- Dictionary numbers ------------------------------------------------------

TEST(DictionaryNumbers, SystemAndTechnicalRangesIncludeTheirBounds) {
    struct Case {
        unsigned short id;
        bool system;
        bool technical;
    };
    Case const cases[] = {
        {kBadDictionaryID, false, false},
        {1, true, false},
        {99, true, false},
        {100, false, true},
        {997, false, true},
        {kSGMLDictionaryID, false, false},
        {kMinUserDictionaryID, false, false},
        {kSpecialDictionaryID, false, false},
    };
    auto [dictionary, rep] = MakeDictionary();
    for (Case const& c : cases) {
        SCOPED_TRACE(c.id);
        dictionary.SetID(c.id);
        EXPECT_EQ(IsSystemDict(dictionary), c.system);
        EXPECT_EQ(IsTechnicalDict(dictionary), c.technical);
    }
}

// ---- Learning ----------------------------------------------------------------

// A learning dictionary with one entry, fine part of speech and paraphrase.
struct LearningFixture {
    LearningFixture() : dictionary(MakeDictionary(LearningOptions()).first) {
        Entry_EX entry = dictionary.CreateNewEntry("record");
        finePOS.Set(entry.CreateNewFinePOS());
        paraphrase.Set(finePOS.Get().CreateNewParaphrase());
        learning = dictionary.GetDictionaryLearningInterface(false);
    }
    static Options LearningOptions() {
        Options options;
        options.servesLearning = true;
        return options;
    }
    float Bump(int times) {
        for (int i = 0; i < times; ++i) learning->BumpUpLearning(finePOS.Get(), paraphrase.Get());
        float value = 0.0f;
        EXPECT_TRUE(learning->GetLearningValue(finePOS.Get(), paraphrase.Get(), &value));
        return value;
    }

    Dictionary_EX dictionary;
    CanBeNull<FinePOS_EX> finePOS;
    CanBeNull<Paraphrase_EX> paraphrase;
    LearningInterface* learning = nullptr;
};

TEST(DictionaryLearning, BumpFromUnrecordedStoresExactlyAQuarterPercent) {
    LearningFixture f;
    ASSERT_NE(f.learning, nullptr);
    EXPECT_EQ(f.Bump(1), 0.0025f);
}

TEST(DictionaryLearning, BumpMovesAQuarterPercentOfTheWayToOneAndNeverPastIt) {
    struct Case {
        char const* name;
        float start;
        int bumps;
        float expected;
    };
    Case const cases[] = {
        {"two steps from nothing", 0.0f, 2, 0.00499375f},
        {"three steps from nothing", 0.0f, 3, 0.007481265625f},
        {"half way", 0.5f, 1, 0.50125f},
        {"disabled", -1.0f, 1, -0.995f},
        {"preferred stays", 1.0f, 1, 1.0f},
        {"above one is cut to one", 1.5f, 1, 1.0f},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        LearningFixture f;
        f.learning->SetLearningValue(f.finePOS.Get(), f.paraphrase.Get(), c.start);
        EXPECT_FLOAT_EQ(f.Bump(c.bumps), c.expected);
    }
    LearningFixture atOne;
    atOne.learning->SetLearningValue(atOne.finePOS.Get(), atOne.paraphrase.Get(), 1.0f);
    EXPECT_EQ(atOne.Bump(5), 1.0f);
}

TEST(DictionaryLearning, DisabledAndPreferredNeedARecordedValueOfExactlyMinusOneOrOne) {
    struct Case {
        char const* name;
        bool recorded;
        float value;
        bool disabled;
        bool preferred;
    };
    Case const cases[] = {
        {"unrecorded", false, 0.0f, false, false}, {"minus one", true, -1.0f, true, false},
        {"one", true, 1.0f, false, true},          {"nearly one", true, 0.9999f, false, false},
        {"negative", true, -0.5f, false, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        LearningFixture f;
        if (c.recorded) f.learning->SetLearningValue(f.finePOS.Get(), f.paraphrase.Get(), c.value);
        EXPECT_EQ(f.learning->IsDisabled(f.finePOS.Get(), f.paraphrase.Get()), c.disabled);
        EXPECT_EQ(f.learning->IsPrefferred(f.finePOS.Get(), f.paraphrase.Get()), c.preferred);
    }
}

TEST(DictionaryLearning, InterfaceInUseOnlyWhenLearningIsOn) {
    struct Case {
        char const* name;
        bool served;
        bool switchedOn;
        bool inUseOnly;
        bool expectInterface;
    };
    Case const cases[] = {
        {"on, any", true, true, false, true},      {"on, in use", true, true, true, true},
        {"off, any", true, false, false, true},    {"off, in use", true, false, true, false},
        {"none, any", false, false, false, false}, {"none, in use", false, false, true, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Options options;
        options.servesLearning = c.served;
        auto [dictionary, rep] = MakeDictionary(options);
        if (c.served)
            dictionary.GetDictionaryLearningInterface(false)->SetUseLearning(c.switchedOn ? "stats" : nullptr);
        LearningInterface* learning = dictionary.GetDictionaryLearningInterface(c.inUseOnly);
        EXPECT_EQ(learning != nullptr, c.expectInterface);
        if (learning != nullptr) {
            EXPECT_EQ(learning, rep->Learning());
        }
    }
}

TEST(DictionaryLearning, TheTwoArgumentSwitchIsIgnoredByDefault) {
    LearningFixture f;
    f.learning->SetUseLearning(nullptr, &f.dictionary);
    EXPECT_TRUE(f.learning->GetUseLearning());
}

// ---- Named interfaces --------------------------------------------------------

TEST(DictionaryNamedInterface, SameObjectOnEveryRequestDeletedWithTheDictionary) {
    Probe probe;
    Options options;
    options.probe = &probe;
    options.servesLearning = true;
    options.servesLocking = true;
    {
        auto [dictionary, rep] = MakeDictionary(options);
        for (char const* name : {LearningInterface::kInterfaceName, Dictionary_EX::LockingInterface_::kInterfaceName}) {
            SCOPED_TRACE(name);
            DictionaryInterface_* first = dictionary.GetNamedInterface(name);
            ASSERT_NE(first, nullptr);
            EXPECT_EQ(dictionary.GetNamedInterface(name), first);
            EXPECT_EQ(Dictionary_EX(dictionary).GetNamedInterface(name), first) << "through another handle";
        }
        EXPECT_EQ(dictionary.GetNamedInterface("UDEntryGroupInterface_EX_"), nullptr);
        EXPECT_EQ(dictionary.GetMiscelaneousDictionaryInfoInterface(), nullptr);
        EXPECT_EQ(probe.interfacesDeleted, 0);
    }
    EXPECT_EQ(probe.dictionariesDeleted, 1);
    EXPECT_EQ(probe.interfacesDeleted, 2);
}

TEST(DictionaryLockingInterface, AccessorReachesTheWholeObjectBehindItsSecondBase) {
    Options options;
    options.servesLocking = true;
    auto [dictionary, rep] = MakeDictionary(options);

    Dictionary_EX::LockingInterface_* lock = dictionary.GetLockingInterface();
    ASSERT_NE(lock, nullptr);
    DictionaryInterface_* answered = dictionary.GetNamedInterface(Dictionary_EX::LockingInterface_::kInterfaceName);
    // Only meaningful while the answered part sits away from the object's start.
    ASSERT_NE(static_cast<void*>(lock), static_cast<void*>(answered));

    EXPECT_EQ(lock, rep->Locking());
    auto* fakeLock = dynamic_cast<fake::FakeLockingInterface*>(lock);
    ASSERT_NE(fakeLock, nullptr);
    EXPECT_EQ(fakeLock->fMarker, fake::FakeLockingInterface::kMarker);
    lock->AcquireReadLock(0.0f);
    EXPECT_EQ(rep->Locking()->fReadLocksTaken, 1);
    EXPECT_EQ(rep->Locking()->GetReadLockCount(), 1u);
    lock->ReleaseReadLock();
}

TEST(DictionaryLockingInterface, NoneWhenTheDictionaryServesNone) {
    auto [dictionary, rep] = MakeDictionary();
    EXPECT_EQ(dictionary.GetLockingInterface(), nullptr);
}

// ---- Refusals ----------------------------------------------------------------

struct ThrowCase {
    char const* name;
    void (*thrower)(DictionaryRep_EX&);
    bool readOnly;
};

ThrowCase const kThrowCases[] = {
    {"ThrowNotSupported", &ThrowNotSupported, false},
    {"ThrowReadOnly", &ThrowReadOnly, true},
};

bool IsReadOnlyRefusal(std::exception_ptr const& error) {
    try {
        std::rethrow_exception(error);
    } catch (NotSupportedOnReadOnlyDictionary<Dictionary_EX> const&) {
        return true;
    } catch (...) {
        return false;
    }
}

TEST(DictionaryRefusal, CountedDictionaryIsHeldAliveByTheException) {
    for (ThrowCase const& c : kThrowCases) {
        SCOPED_TRACE(c.name);
        Probe probe;
        Options options;
        options.probe = &probe;
        std::exception_ptr error;
        {
            auto [dictionary, rep] = MakeDictionary(options);
            try {
                c.thrower(*rep);
            } catch (NotSupportedOnDictionary<Dictionary_EX> const& e) {
                ASSERT_FALSE(e.GetDictionary().IsNull());
                EXPECT_TRUE(e.GetDictionary().Get() == dictionary);
                error = std::current_exception();
            }
        }
        ASSERT_TRUE(error) << "no exception";
        EXPECT_EQ(IsReadOnlyRefusal(error), c.readOnly);
        EXPECT_EQ(probe.dictionariesDeleted, 0);
        error = nullptr;
        EXPECT_EQ(probe.dictionariesDeleted, 1);
    }
}

TEST(DictionaryRefusal, UncountedDictionaryIsNamedWithoutAHandle) {
    for (ThrowCase const& c : kThrowCases) {
        SCOPED_TRACE(c.name);
        Probe probe;
        Options options;
        options.probe = &probe;
        {
            FakeDictionaryRep onTheStack(options);
            try {
                c.thrower(onTheStack);
                ADD_FAILURE() << "no exception";
            } catch (NotSupportedOnDictionary<Dictionary_EX> const& e) {
                EXPECT_TRUE(e.GetDictionary().IsNull());
            }
            EXPECT_EQ(probe.dictionariesDeleted, 0) << "the exception deleted what it did not own";
            EXPECT_EQ(onTheStack.GetReferenceCount(), 0u);
        }
        EXPECT_EQ(probe.dictionariesDeleted, 1);
    }
}

// Refuses to be built; the exception must not free the half-built object.
class RefusingDictionaryRep : public FakeDictionaryRep {
public:
    RefusingDictionaryRep() { ThrowReadOnly(*this); }
};

TEST(DictionaryRefusal, RepresentationUnderConstructionMayRefuseItself) {
    EXPECT_THROW(new RefusingDictionaryRep, NotSupportedOnReadOnlyDictionary<Dictionary_EX>);
}

TEST(DictionaryRefusal, RepresentationRefusingThroughTheHandle) {
    auto [dictionary, rep] = MakeDictionary();
    try {
        dictionary.GetEntryIterator_start();
        ADD_FAILURE() << "no exception";
    } catch (NotSupportedOnDictionary<Dictionary_EX> const& e) {
        ASSERT_FALSE(e.GetDictionary().IsNull());
        EXPECT_TRUE(e.GetDictionary().Get() == dictionary);
    }
    EXPECT_EQ(rep->GetReferenceCount(), 1u);
}

// ---- Handle ------------------------------------------------------------------

TEST(DictionaryHandle, EqualWhenHoldingTheSameRepresentation) {
    auto [first, firstRep] = MakeDictionary();
    auto [second, secondRep] = MakeDictionary();
    Dictionary<Entry_EX> const sharing(first);
    EXPECT_TRUE(Dictionary_EX(sharing) == first);
    EXPECT_FALSE(first == second);
    EXPECT_TRUE(first != second);
    EXPECT_EQ(firstRep->GetReferenceCount(), 2u);
}

}  // namespace
