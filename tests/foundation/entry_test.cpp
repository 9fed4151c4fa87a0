#include "engine/foundation/entry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/shallow_clone.h"
#include "foundation/fake_dictionary.h"

namespace {

using fake::ForeignDictionaryRep;
using fake::MakeDictionary;
using fake::Options;

template <class T>
unsigned long Count(ForwardIterator<T> it) {
    unsigned long count = 0;
    for (; !it.IsAtEnd(); ++it) ++count;
    return count;
}

// The conjugated forms whose base form this fine part of speech is.
unsigned long AttachedForms(FinePOS_EX const& fp) { return fp.IsACF() ? 0 : Count(fp.GetCFIterator_start()) - 1; }

// An entry of a fresh fake dictionary; the handle keeps the dictionary alive.
struct EntryFixture {
    explicit EntryFixture(Options const& options = Options(), char const* headword = "record")
        : dictionary(MakeDictionary(options).first), entry(dictionary.CreateNewEntry(headword)) {}

    Dictionary_EX dictionary;
    Entry_EX entry;
};

// ---- Entry handle ------------------------------------------------------------

TEST(EntryHandle, EqualityAsksTheRepresentation) {
    EntryFixture f;
    Entry_EX const other = f.dictionary.CreateNewEntry("record");
    EXPECT_TRUE(f.entry == Entry_EX(f.entry));
    EXPECT_FALSE(f.entry == other) << "same headword, other entry";
    EXPECT_TRUE(f.entry != other);
}

TEST(EntryHandle, SourceTextIsPeekedOrCopiedUpTo255Bytes) {
    struct Case {
        char const* name;
        bool peeks;
        unsigned long length;
        unsigned long expectedLength;
    };
    Case const cases[] = {
        {"peeked long", true, 300, 300},
        {"copied long", false, 300, 255},
        {"copied exactly 255", false, 255, 255},
        {"copied short", false, 10, 10},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Options options;
        options.entriesPeekHeadword = c.peeks;
        std::string headword;
        for (unsigned long i = 0; i < c.length; ++i) headword += static_cast<char>('a' + i % 26);
        EntryFixture f(options, headword.c_str());
        EXPECT_EQ(f.entry.GetSrcText(), headword.substr(0, c.expectedLength));
    }
}

TEST(EntryHandle, DictionaryIsTheOneHoldingTheEntry) {
    EntryFixture f;
    EXPECT_TRUE(f.entry.GetDictionary() == f.dictionary);
}

// ---- Fine parts of speech of an entry ------------------------------------------

TEST(EntryFinePOS, CountIthAndRemoveAll) {
    EntryFixture f;
    EXPECT_EQ(f.entry.GetFinePOSCount(), 0u);
    std::vector<FinePOS_EX> made;
    for (int i = 0; i < 3; ++i) made.push_back(f.entry.CreateNewFinePOS());
    EXPECT_EQ(f.entry.GetFinePOSCount(), 3u);

    struct Case {
        unsigned long index;
        unsigned long expected;
    };
    Case const cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {4, 0}, {1000, 0}};
    for (Case const& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_TRUE(f.entry.GetIthFinePOS(c.index) == made[c.expected]);
    }

    f.entry.RemoveAllFinePOSes();
    EXPECT_EQ(f.entry.GetFinePOSCount(), 0u);
}

TEST(EntryFinePOS, IthOfAnEntryWithoutAnyThrows) {
    EntryFixture f;
    EXPECT_THROW(f.entry.GetIthFinePOS(0), std::out_of_range);
}

TEST(EntryFinePOS, ConjugatedFormsAndTheirBase) {
    EntryFixture f;
    FinePOS_EX base = f.entry.CreateNewFinePOS();
    FinePOS_EX form = f.entry.CreateNewFinePOS();
    EXPECT_FALSE(base.IsACF());
    EXPECT_FALSE(form.IsACF()) << "its own base form until linked";

    form.SetBaseForm(base);
    EXPECT_TRUE(form.IsACF());
    EXPECT_FALSE(base.IsACF());
    EXPECT_TRUE(form.GetBaseForm() == base);
    EXPECT_EQ(Count(base.GetCFIterator_start()), 2u);
    EXPECT_TRUE(base.GetCFIterator_end().IsAtEnd());
}

TEST(EntryFinePOS, OneFeatureSetBySlot) {
    EntryFixture f;
    FinePOS_EX fp = f.entry.CreateNewFinePOS();
    FeatureSets_E_Source sets;
    sets.SetSet(0, "abc");
    sets.SetSet(1, "#");
    sets.SetSet(2, "count");
    fp.SetFeatureSets(sets);
    char const* const expected[] = {"abc", "#", "count", ""};
    for (unsigned slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(fp.GetFeatureSets(slot), expected[slot]);
    }
}

TEST(EntryFinePOS, CanNeitherBeginNorEndDefaultsToFalseAndRefusesChange) {
    EntryFixture f;
    FinePOS_EX fp = f.entry.CreateNewFinePOS();
    EXPECT_FALSE(fp.GetCannotBeginAndEndSentenceFlag());
    try {
        f.entry->SetCannotBeginAndEndSentenceFlag(fp.GetCookie(), true);
        ADD_FAILURE() << "no exception";
    } catch (NotSupportedOnReadOnlyDictionary<Dictionary_EX> const& e) {
        ASSERT_FALSE(e.GetDictionary().IsNull());
        EXPECT_TRUE(e.GetDictionary().Get() == f.dictionary);
    }
}

// ---- Equality of readings ------------------------------------------------------

// Two entries, the first with two fine parts of speech, the first of which
// has two paraphrases.
struct ReadingsFixture : EntryFixture {
    ReadingsFixture()
        : other(dictionary.CreateNewEntry("record")),
          fp(entry.CreateNewFinePOS()),
          fp2(entry.CreateNewFinePOS()),
          pp(fp.CreateNewParaphrase()),
          pp2(fp.CreateNewParaphrase()) {}

    Entry_EX other;
    FinePOS_EX fp;
    FinePOS_EX fp2;
    Paraphrase_EX pp;
    Paraphrase_EX pp2;
};

TEST(ReadingEquality, SameCookieOnTheSameEntry) {
    ReadingsFixture f;
    // Built separately from the stored cookies; the cookie is never followed.
    FinePOS_EX const fpAgain(Entry_EX(f.entry), f.fp.GetCookie());
    FinePOS_EX const fpOnOther(f.other, f.fp.GetCookie());
    Paraphrase_EX const ppAgain(Entry_EX(f.entry), f.pp.GetCookie());
    Paraphrase_EX const ppOnOther(f.other, f.pp.GetCookie());

    struct Case {
        char const* name;
        bool equal;
        bool expected;
    };
    Case const cases[] = {
        {"fine POS, same cookie, same entry", f.fp == fpAgain, true},
        {"fine POS, same cookie, other entry", f.fp == fpOnOther, false},
        {"fine POS, other cookie, same entry", f.fp == f.fp2, false},
        {"fine POS, !=", f.fp != fpOnOther, true},
        {"paraphrase, same cookie, same entry", f.pp == ppAgain, true},
        {"paraphrase, same cookie, other entry", f.pp == ppOnOther, false},
        {"paraphrase, other cookie, same entry", f.pp == f.pp2, false},
        {"paraphrase, !=", f.pp != ppOnOther, true},
    };
    for (Case const& c : cases) EXPECT_EQ(c.equal, c.expected) << c.name;
}

TEST(ReadingEquality, POSAndParaphraseAndItsOptionalForm) {
    ReadingsFixture f;
    POSAndParaphrase const reading(f.fp, f.pp);
    POSAndParaphrase const sameReading(FinePOS_EX(Entry_EX(f.entry), f.fp.GetCookie()), f.pp);
    POSAndParaphrase const otherParaphrase(f.fp, f.pp2);
    POSAndParaphrase const otherFinePOS(f.fp2, f.pp);
    CanBeNull<POSAndParaphrase> const none;

    struct Case {
        char const* name;
        CanBeNull<POSAndParaphrase> left;
        CanBeNull<POSAndParaphrase> right;
        bool equal;
    };
    Case const cases[] = {
        {"both empty", none, none, true},
        {"empty and set", none, reading, false},
        {"set and empty", reading, none, false},
        {"same reading", reading, sameReading, true},
        {"other paraphrase", reading, otherParaphrase, false},
        {"other fine POS", reading, otherFinePOS, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.left == c.right, c.equal);
        EXPECT_EQ(c.left != c.right, !c.equal);
        if (!c.left.IsNull() && !c.right.IsNull()) {
            EXPECT_EQ(c.left.Get() == c.right.Get(), c.equal);
        }
    }
}

// ---- Elements of another kind of entry ----------------------------------------

TEST(ForeignElements, AreRefusedBeforeTheirCookieIsRead) {
    EntryFixture f;
    FinePOS_EX own = f.entry.CreateNewFinePOS();
    auto [foreignDictionary, foreignRep] = MakeDictionary<ForeignDictionaryRep>();
    Entry_EX const foreignEntry = foreignDictionary.CreateNewEntry("record");
    // Cookies that would crash if followed.
    FinePOS_EX const foreignFinePOS(foreignEntry, reinterpret_cast<FinePosCookieID_*>(uintptr_t{0x10}));
    Paraphrase_EX const foreignParaphrase(foreignEntry, reinterpret_cast<ParaphraseCookieID_*>(uintptr_t{0x10}));

    struct Case {
        char const* name;
        std::function<void()> operation;
    };
    Case const cases[] = {
        {"SetBaseForm", [&] { own.SetBaseForm(foreignFinePOS); }},
        {"RemoveFinePOS", [&] { f.entry.RemoveFinePOS(foreignFinePOS); }},
        {"RemoveParaphrase", [&] { f.entry->RemoveParaphrase(own.GetCookie(), foreignParaphrase); }},
        {"RemoveEntry", [&] { f.dictionary.RemoveEntry(foreignEntry); }},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.operation();
            ADD_FAILURE() << "no exception";
        } catch (NotSupportedOnDictionary<Dictionary_EX> const& e) {
            ASSERT_FALSE(e.GetDictionary().IsNull());
            EXPECT_TRUE(e.GetDictionary().Get() == f.dictionary) << "names the refusing dictionary";
        }
    }
    EXPECT_EQ(f.entry.GetFinePOSCount(), 1u);
    EXPECT_FALSE(own.IsACF());
}

TEST(ForeignElements, SameKindOnAnotherEntryIsAccepted) {
    EntryFixture f;
    Entry_EX other = f.dictionary.CreateNewEntry("records");
    FinePOS_EX form = f.entry.CreateNewFinePOS();
    FinePOS_EX const base = other.CreateNewFinePOS();
    form.SetBaseForm(base);
    EXPECT_TRUE(form.GetBaseForm() == base);
}

// ---- Shallow clones ------------------------------------------------------------

// A field of a fine part of speech: how to give a source a value other than
// the default, and whether a target has the same value.
struct FinePOSField {
    char const* name;
    void (*set)(FinePOS_EX& fp);
    bool (*same)(FinePOS_EX const& source, FinePOS_EX const& target);
    bool copied;
};

FinePOSField const kFinePOSFields[] = {
    {"part of speech", [](FinePOS_EX& fp) { fp.SetFinePOS(POS_E_Source{22}); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetFinePOS() == t.GetFinePOS(); }, true},
    {"primed", [](FinePOS_EX& fp) { fp.SetPrimed(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetPrimed() == t.GetPrimed(); }, true},
    {"quoted", [](FinePOS_EX& fp) { fp.SetQuoted(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetQuoted() == t.GetQuoted(); }, true},
    {"idiom type", [](FinePOS_EX& fp) { fp.SetIdiomType(eIdiomAlmighty); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetIdiomType() == t.GetIdiomType(); }, true},
    {"alternate only", [](FinePOS_EX& fp) { fp.SetAltOnly(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetAltOnly() == t.GetAltOnly(); }, true},
    {"hidden", [](FinePOS_EX& fp) { fp.SetHidden(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetHidden() == t.GetHidden(); }, true},
    {"cannot begin", [](FinePOS_EX& fp) { fp.SetCannotBeginSentenceFlag(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) {
         return s.GetCannotBeginSentenceFlag() == t.GetCannotBeginSentenceFlag();
     },
     true},
    {"cannot end", [](FinePOS_EX& fp) { fp.SetCannotEndSentenceFlag(true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) {
         return s.GetCannotEndSentenceFlag() == t.GetCannotEndSentenceFlag();
     },
     true},
    {"p-value", [](FinePOS_EX& fp) { fp.SetPValue(-1234); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetPValue() == t.GetPValue(); }, true},
    {"feature sets",
     [](FinePOS_EX& fp) {
         FeatureSets_E_Source sets;
         sets.SetSet(0, "ab");
         sets.SetSet(2, "count");
         fp.SetFeatureSets(sets);
     },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetFeatureSets() == t.GetFeatureSets(); }, true},
    {"domain weights",
     [](FinePOS_EX& fp) {
         fp.SetDomainWeights({{DomainID{3}, 7}, {DomainID{12}, 1}});
     },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.GetDomainWeights() == t.GetDomainWeights(); }, true},
    {"base form",
     [](FinePOS_EX& fp) {
         Entry_EX entry = fp.GetEntry();
         fp.SetBaseForm(entry.CreateNewFinePOS());
     },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return s.IsACF() == t.IsACF(); }, false},
    {"conjugated forms",
     [](FinePOS_EX& fp) {
         Entry_EX entry = fp.GetEntry();
         entry.CreateNewFinePOS().SetBaseForm(fp);
     },
     [](FinePOS_EX const& s, FinePOS_EX const& t) { return AttachedForms(s) == AttachedForms(t); }, false},
    {"can neither begin nor end",
     [](FinePOS_EX& fp) { fp.GetEntry()->SetCannotBeginAndEndSentenceFlag(fp.GetCookie(), true); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) {
         return s.GetCannotBeginAndEndSentenceFlag() == t.GetCannotBeginAndEndSentenceFlag();
     },
     false},
    {"paraphrases", [](FinePOS_EX& fp) { fp.CreateNewParaphrase(); },
     [](FinePOS_EX const& s, FinePOS_EX const& t) {
         return Count(s.GetParaphraseIterator()) == Count(t.GetParaphraseIterator());
     },
     false},
};

Options KeepingNeitherFlag() {
    Options options;
    options.entriesKeepNeitherFlag = true;
    return options;
}

// Each field alone is set on a source and cloned onto a new fine part of
// speech of another dictionary's entry: the field arrives exactly when it is
// one that is copied, and every other field of the target stays as the
// source's (the default), so a value copied into the wrong field shows too.
TEST(ShallowCloneFinePOS, CopiesExactlyTheListedFields) {
    for (FinePOSField const& field : kFinePOSFields) {
        SCOPED_TRACE(field.name);
        EntryFixture source(KeepingNeitherFlag());
        EntryFixture target(KeepingNeitherFlag());
        FinePOS_EX sourceFP = source.entry.CreateNewFinePOS();
        field.set(sourceFP);

        FinePOS_EX const clone = ShallowCloneFinePOS(sourceFP, target.entry);

        EXPECT_TRUE(clone.GetEntry() == target.entry);
        for (FinePOSField const& checked : kFinePOSFields) {
            bool const expectSame = &checked == &field ? field.copied : true;
            EXPECT_EQ(checked.same(sourceFP, clone), expectSame) << "checking " << checked.name;
        }
    }
}

TEST(ShallowCloneFinePOS, DomainWeightsOnlyWhenTheSourceHasSome) {
    std::vector<DomainWeightInfoRecord> const targetWeights = {{DomainID{5}, 9}};
    std::vector<DomainWeightInfoRecord> const sourceWeights = {{DomainID{1}, 2}, {DomainID{2}, 3}};
    struct Case {
        char const* name;
        std::vector<DomainWeightInfoRecord> source;
        std::vector<DomainWeightInfoRecord> expected;
    };
    Case const cases[] = {
        {"source has none", {}, targetWeights},
        {"source has some", sourceWeights, sourceWeights},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        EntryFixture f;
        FinePOS_EX source = f.entry.CreateNewFinePOS();
        FinePOS_EX target = f.entry.CreateNewFinePOS();
        source.SetDomainWeights(c.source);
        target.SetDomainWeights(targetWeights);
        ShallowCloneFinePOS(source, target);
        EXPECT_EQ(target.GetDomainWeights(), c.expected);
    }
}

struct ParaphraseField {
    char const* name;
    void (*set)(Paraphrase_EX& pp);
    bool (*same)(Paraphrase_EX const& source, Paraphrase_EX const& target);
    bool copied;
};

DomainIDSet SomeDomains() {
    DomainIDSet domains;
    domains.Set(DomainID{4});
    domains.Set(DomainID{70});
    return domains;
}

Dict_Semantics_E_Source SomeSemantics() {
    Dict_Semantics_E_Source semantics;
    semantics.records[1].flags = SemanticRecord::kSelRes;
    semantics.records[1].atoms[0] = 7;
    semantics.records[2].atoms[0] = 9;
    return semantics;
}

bool SameSemantics(Dict_Semantics_E_Source const& left, Dict_Semantics_E_Source const& right) {
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i) {
        if (left.records[i] != right.records[i]) return false;
    }
    return true;
}

ParaphraseField const kParaphraseFields[] = {
    {"cooked translation", [](Paraphrase_EX& pp) { pp.SetCookedTranslation("{kiroku}-suru"); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) {
         return s.GetCookedTranslation() == t.GetCookedTranslation();
     },
     true},
    {"Japanese part of speech", [](Paraphrase_EX& pp) { pp.SetTransPOS(POS_J_Target{17}); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetTransPOS() == t.GetTransPOS(); }, true},
    {"transplant", [](Paraphrase_EX& pp) { pp.SetTransplant("(NP* : +wo:Acc)"); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetTransplant() == t.GetTransplant(); }, true},
    {"they type", [](Paraphrase_EX& pp) { pp.SetTheyTransType(eTheyNonHuman); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetTheyTransType() == t.GetTheyTransType(); }, true},
    {"alternate only", [](Paraphrase_EX& pp) { pp.SetAltOnly(true); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetAltOnly() == t.GetAltOnly(); }, true},
    {"domains", [](Paraphrase_EX& pp) { pp.SetDomainIDSet(SomeDomains()); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetDomainIDSet() == t.GetDomainIDSet(); }, true},
    {"semantics", [](Paraphrase_EX& pp) { pp.SetSemantics(SomeSemantics()); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return SameSemantics(s.GetSemantics(), t.GetSemantics()); },
     true},
    {"paraphrase number", [](Paraphrase_EX& pp) { pp.SetParaID(42); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetParaID() == t.GetParaID(); }, true},
    {"p-value", [](Paraphrase_EX& pp) { pp.SetPValue(2048); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetPValue() == t.GetPValue(); }, true},
    // Follows from the cooked translation; never written by the clone.
    {"raw translation", [](Paraphrase_EX& pp) { pp.GetEntry()->SetRawTranslation(pp.GetCookie(), "raw"); },
     [](Paraphrase_EX const& s, Paraphrase_EX const& t) { return s.GetRawTranslation() == t.GetRawTranslation(); },
     false},
};

TEST(ShallowCloneParaphrase, CopiesExactlyTheListedFields) {
    for (ParaphraseField const& field : kParaphraseFields) {
        SCOPED_TRACE(field.name);
        EntryFixture source;
        EntryFixture target;
        FinePOS_EX sourceFP = source.entry.CreateNewFinePOS();
        Paraphrase_EX sourcePP = sourceFP.CreateNewParaphrase();
        field.set(sourcePP);
        FinePOS_EX const targetFP = target.entry.CreateNewFinePOS();

        Paraphrase_EX const clone = ShallowCloneParaphrase(sourceFP, sourcePP, targetFP);

        EXPECT_TRUE(clone.GetFinePOS() == targetFP);
        EXPECT_EQ(Count(targetFP.GetParaphraseIterator()), 1u);
        for (ParaphraseField const& checked : kParaphraseFields) {
            bool const expectSame = &checked == &field ? field.copied : true;
            EXPECT_EQ(checked.same(sourcePP, clone), expectSame) << "checking " << checked.name;
        }
    }
}

TEST(ShallowCloneParaphrase, LearningValueOnlyWhenBothDictionariesLearn) {
    struct Case {
        char const* name;
        bool sourceServes;
        bool sourceInUse;
        bool targetInUse;
        bool sourceRecorded;
        bool copied;
    };
    Case const cases[] = {
        {"both in use", true, true, true, true, true},
        {"nothing recorded", true, true, true, false, false},
        {"source switched off", true, false, true, true, false},
        {"target switched off", true, true, false, true, false},
        {"source serves none", false, false, true, true, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Options sourceOptions;
        sourceOptions.servesLearning = c.sourceServes;
        Options targetOptions;
        targetOptions.servesLearning = true;
        EntryFixture source(sourceOptions);
        EntryFixture target(targetOptions);
        FinePOS_EX sourceFP = source.entry.CreateNewFinePOS();
        Paraphrase_EX const sourcePP = sourceFP.CreateNewParaphrase();
        FinePOS_EX const targetFP = target.entry.CreateNewFinePOS();
        if (c.sourceServes) {
            auto* learning = source.dictionary.GetDictionaryLearningInterface(false);
            if (c.sourceRecorded) learning->SetLearningValue(sourceFP, sourcePP, 0.75f);
            learning->SetUseLearning(c.sourceInUse ? "stats" : nullptr);
        }
        auto* targetLearning = target.dictionary.GetDictionaryLearningInterface(false);
        targetLearning->SetUseLearning(c.targetInUse ? "stats" : nullptr);

        Paraphrase_EX const clone = ShallowCloneParaphrase(sourceFP, sourcePP, targetFP);

        float value = 0.0f;
        EXPECT_EQ(targetLearning->GetLearningValue(targetFP, clone, &value), c.copied);
        if (c.copied) {
            EXPECT_EQ(value, 0.75f);
        }
    }
}

}  // namespace
