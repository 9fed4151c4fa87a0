// The alternate words of a translated word: the order they are offered in,
// which of two same-Japanese readings stays, and the set built over
// dictionaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp932.h"
#include "engine/compiled/dictionary_text_fields.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/transfer/alt_duplicate_rules.h"
#include "engine/transfer/alt_sorter.h"
#include "engine/transfer/alt_word_learning.h"
#include "engine/transfer/alt_word_pos.h"
#include "engine/transfer/alt_word_selection.h"
#include "engine/transfer/alternate_words.h"
#include "foundation/fake_dictionary.h"

namespace {

// ---- Order ---------------------------------------------------------------------

// Best matches "for up" and "after"; keys that reach every step of the
// order, words not in any best match and lists that end early included.
struct SortFixture {
    SortFixture() : sorter(bestMatches) {
        for (auto const& [japanese, words] : std::vector<std::pair<char const*, char const*>>{{"", ""},
                                                                                              {"", "for"},
                                                                                              {"a", ""},
                                                                                              {"b", ""},
                                                                                              {"a", "for"},
                                                                                              {"b", "for"},
                                                                                              {"a", "up"},
                                                                                              {"a", "for up"},
                                                                                              {"b", "for up"},
                                                                                              {"a", "after"},
                                                                                              {"a", "over"},
                                                                                              {"b", "under"},
                                                                                              {"a", "for over"},
                                                                                              {"a", "for under"},
                                                                                              {"b", "up for"},
                                                                                              {"c", "over up"},
                                                                                              {"c", "under up"},
                                                                                              {"a", "after for"}})
            keys.push_back(sorter.MakeKey(japanese, SplitParticleWords(words)));
    }

    std::vector<BestMatch_t> bestMatches{{0, {"for", "up"}}, {1, {"after"}}};
    AltSorter sorter;
    std::vector<AltSortKey> keys;
};

std::string Shown(AltSortKey const& key) {
    std::string shown = "'" + key.japanese + "' [";
    for (std::string const& word : key.words) shown += word + " ";
    return shown + "]";
}

TEST(AltSorter, IsAStrictWeakOrderingOverEveryPairAndTriple) {
    SortFixture fixture;
    std::vector<AltSortKey> const& keys = fixture.keys;
    AltSorter const& sorter = fixture.sorter;
    for (AltSortKey const& a : keys) {
        EXPECT_EQ(sorter.Compare(a, a), 0) << Shown(a);
        for (AltSortKey const& b : keys) {
            EXPECT_EQ(sorter.Compare(a, b), -sorter.Compare(b, a)) << Shown(a) << " / " << Shown(b);
            for (AltSortKey const& c : keys) {
                if (sorter(a, b) && sorter(b, c)) {
                    EXPECT_TRUE(sorter(a, c)) << Shown(a) << Shown(b) << Shown(c);
                }
                if (sorter.Compare(a, b) == 0 && sorter.Compare(b, c) == 0) {
                    EXPECT_EQ(sorter.Compare(a, c), 0) << Shown(a) << Shown(b) << Shown(c);
                }
            }
        }
    }
}

TEST(AltSorter, OrdersByTheStepsInTurn) {
    SortFixture fixture;
    AltSorter const& sorter = fixture.sorter;
    auto key = [&](char const* japanese, char const* words) {
        return sorter.MakeKey(japanese, SplitParticleWords(words));
    };
    struct Case {
        AltSortKey a, b;
        int expected;
    } const cases[] = {
        {key("", ""), key("", "for"), 0},                   // two dropped entries are equal
        {key("b", ""), key("", ""), -1},                    // dropped last
        {key("b", "for"), key("a", ""), -1},                // particles first
        {key("a", ""), key("b", ""), -1},                   // without particles, by Japanese
        {key("a", ""), key("a", ""), 0},                    // and equal with equal Japanese
        {key("b", "up"), key("a", "after"), -1},            // fits the earlier best match
        {key("b", "over"), key("a", "for"), -1},            // fits none before the first
        {key("b", "for"), key("a", "for up"), -1},          // ends where the other's next word fits
        {key("b", "for up"), key("a", "for over"), 1},      // fitting no best match goes first
        {key("a", "for"), key("b", "up"), -1},              // the word found earlier first
        {key("a", "over"), key("b", "over under"), 1},      // a word not in the best match before an end
        {key("a", "for over"), key("a", "for under"), -1},  // two words not in it by bytes
        {key("b", "for up"), key("a", "for up"), 1},        // same words: by Japanese
    };
    for (Case const& c : cases) EXPECT_EQ(sorter.Compare(c.a, c.b), c.expected) << Shown(c.a) << " / " << Shown(c.b);
}

// ---- Duplicates ----------------------------------------------------------------

TEST(ChooseDuplicateLoser, TheFirstRuleThatDecidesWins) {
    DuplicateFacts const plain;
    auto with = [&](auto change) {
        DuplicateFacts facts = plain;
        change(facts);
        return facts;
    };
    DuplicateFacts const best = with([](DuplicateFacts& f) { f.bestMatch = true; });
    DuplicateFacts const ofPOS = with([](DuplicateFacts& f) { f.hasBestMatchPOS = true; });
    DuplicateFacts const wrongCase = with([](DuplicateFacts& f) { f.caseMatches = false; });
    DuplicateFacts const altOnly = with([](DuplicateFacts& f) { f.altOnly = true; });
    DuplicateFacts const highFP = with([](DuplicateFacts& f) { f.finePOSPValue = 5; });
    DuplicateFacts const highPP = with([](DuplicateFacts& f) { f.paraphrasePValue = 5; });
    // Each later rule's winner against an earlier rule's loser shows the
    // earlier rule decides.
    DuplicateFacts const ofPOSButWrongCase = with([](DuplicateFacts& f) {
        f.hasBestMatchPOS = true;
        f.caseMatches = false;
    });
    DuplicateFacts const wrongCaseButHigh = with([](DuplicateFacts& f) {
        f.caseMatches = false;
        f.finePOSPValue = 9;
    });
    DuplicateFacts const altOnlyButHigh = with([](DuplicateFacts& f) {
        f.altOnly = true;
        f.finePOSPValue = 9;
    });
    DuplicateFacts const bestButAltOnly = with([](DuplicateFacts& f) {
        f.bestMatch = true;
        f.altOnly = true;
    });
    DuplicateFacts const highFPLowPP = with([](DuplicateFacts& f) {
        f.finePOSPValue = 5;
        f.paraphrasePValue = -5;
    });
    using L = DuplicateLoser;
    struct Case {
        char const* name;
        DuplicateFacts first, second;
        bool withPOS;
        DuplicateLoser loser;
    } const cases[] = {
        {"two best matches stay", best, best, true, L::kNeither},
        {"a best match wins", plain, best, true, L::kFirst},
        {"over everything after", bestButAltOnly, highFP, true, L::kSecond},
        {"the best match's part of speech wins", ofPOS, plain, true, L::kSecond},
        {"only when there is a best match", ofPOS, highFP, false, L::kFirst},
        {"over the case", ofPOSButWrongCase, plain, true, L::kSecond},
        {"the case that matches wins", wrongCase, plain, true, L::kFirst},
        {"over the p-values", wrongCaseButHigh, plain, true, L::kFirst},
        {"not alternate-only wins", plain, altOnly, true, L::kSecond},
        {"over the p-values", altOnlyButHigh, plain, true, L::kFirst},
        {"the higher fine p-value wins", plain, highFP, true, L::kFirst},
        {"over the paraphrase's", highFPLowPP, highPP, true, L::kSecond},
        {"then the paraphrase's", highPP, plain, true, L::kSecond},
        {"a tie loses the second", plain, plain, true, L::kSecond},
    };
    for (Case const& c : cases) EXPECT_EQ(ChooseDuplicateLoser(c.first, c.second, c.withPOS), c.loser) << c.name;
}

TEST(CaseMatches, ExactWhenEqualIgnoringCaseElseByTheInitial) {
    struct Case {
        char const* source;
        char const* headword;
        bool matches;
    } const cases[] = {
        {"bank", "bank", true},  {"Bank", "bank", false},  {"bank", "Bank", false}, {"Banks", "Bank", true},
        {"banks", "bank", true}, {"Banks", "bank", false}, {"", "", true},          {"", "Bank", false},
    };
    for (Case const& c : cases)
        EXPECT_EQ(CaseMatches(c.source, c.headword), c.matches) << c.source << "/" << c.headword;
}

// ---- Classes, agreement and learning --------------------------------------------

TEST(POSToEType, ClassAndDetailsFromThePartOfSpeechAndItsFeatureSets) {
    struct Case {
        char const* pos;
        char const* set0;
        char const* set1;
        UDPOS udpos;  // class, subclass, map value, flag A, flag B
    } const cases[] = {
        {"N", "SSSC1101110M0__", "", {3, 0, 0, 0, 0}},
        {"N", "PSSC1101110M0__", "", {3, 1, 0, 0, 0}},  // proper
        {"VT01", "B1T0__0000000_0_________", "", {4, 3, 1, 0, 0}},
        {"VT01", "B2TD", "", {4, 1, 1, 0, 0}},
        {"VT01", "B3TD", "", {4, 2, 1, 0, 0}},
        {"VT01", "B2T0", "", {4, 1, 1, 0, 0}},
        {"VT01", "B1G0", "", {4, 4, 1, 0, 0}},
        {"VT01", "B1I0", "", {4, 0, 1, 0, 0}},
        {"VT01", "B1", "", {4, 0, 1, 0, 0}},    // too short for a subclass
        {"VT02", "B2T0", "", {4, 1, 5, 0, 0}},  // no user-word category reads as it
        {"ADJ", "PBY", "", {1, 0, 0, 0, 1}},
        {"ADV", "", "", {2, 0, 0, 0, 0}},
        {"PREP", "in", "0001", {6, 0, 0, 1, 0}},
        {"PREP", "in", "00001", {6, 0, 0, 2, 0}},
        {"PREP", "in", "000", {0, 0, 0, 0, 0}},  // neither flag: no class
        {"PERIOD", "", "", {0, 0, 0, 0, 0}},
    };
    Dictionary_EX_Temporary dictionary;
    Entry_EX entry = dictionary.CreateNewEntry("word");
    for (Case const& c : cases) {
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(ParseEnglishPOS(c.pos));
        FeatureSets_E_Source sets;
        sets.SetSet(0, c.set0);
        sets.SetSet(1, c.set1);
        finePOS.SetFeatureSets(sets);
        UDPOS const udpos = POSToEType(finePOS);
        EXPECT_TRUE(udpos == c.udpos) << c.pos << " " << c.set0 << " " << c.set1 << ": " << udpos.wordClass << ","
                                      << udpos.subclass << "," << udpos.missingWordMapValue << "," << udpos.flagA << ","
                                      << udpos.flagB;
        DICT_SOURCE source;
        source.englishPOS = static_cast<uint32_t>(POS_E_SourceToEPOSN(ParseEnglishPOS(c.pos)));
        if (std::string(c.pos) != "PREP") {  // a preposition's class also asks its feature sets
            EXPECT_EQ(GetGrossPOSFromDictSource(source), c.udpos.wordClass) << c.pos;
        }
    }
    EXPECT_EQ(GetGrossPOSFromDictSource(DICT_SOURCE()), 0u);
}

TEST(SharedPrefixMeasure, CountsWholeCharacters) {
    struct Case {
        std::string a, b;
        std::size_t measure;
    } const cases[] = {
        {CP932("走る"), CP932("走る"), 3},
        {CP932("走った"), CP932("走る"), 1},
        // 走 0x91 0x96 and 送 0x91 0x97 share a lead byte: no character.
        {CP932("走る"), CP932("送る"), 0},
        {"", "", 1},
        {"abc", "abd", 2},
    };
    for (Case const& c : cases) EXPECT_EQ(SharedPrefixMeasure(c.a, c.b), c.measure) << c.a << "/" << c.b;
}

TEST(AltWordLearning, NullReadingsSetsAndLearningSwitchedOffChangeNothing) {
    auto set = std::make_unique<AW_SET>(std::vector<Dictionary_EX>(), 0);
    fake::Options options;
    options.servesLearning = true;
    Dictionary_EX switchedOff = fake::MakeDictionary(options).first;
    FinePOS_EX finePOS = switchedOff.CreateNewEntry("run").CreateNewFinePOS();
    Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
    auto* learning = switchedOff.GetDictionaryLearningInterface(false);
    learning->SetLearningValue(finePOS, paraphrase, 0.25f);
    learning->SetUseLearning(nullptr);
    CanBeNull<POSAndParaphrase> const off{POSAndParaphrase(finePOS, paraphrase)};
    CanBeNull<POSAndParaphrase> const none;

    for (AW_SET const* s : {static_cast<AW_SET const*>(set.get()), static_cast<AW_SET const*>(nullptr)}) {
        for (CanBeNull<POSAndParaphrase> const* reading : {&off, &none}) {
            IncStatistics(s, *reading);
            SetAltWordEntryLearningValue(s, *reading, 0.75f);
            SetAltWordEntryEnabledState(s, *reading, kParaphraseDisabled);
            ResetAltWordEntryLearningValue(s, *reading);
            EXPECT_EQ(GetAltWordEntryLearningValue(s, *reading), 0.0f);
            EXPECT_FALSE(IsLearningIntarfaceAvailable(s, *reading));
        }
        std::vector<InflectionAndUDPOSID> forms(1);
        GetInflectionsFromAltWordID(s, forms, none);
        EXPECT_TRUE(forms.empty());
    }
    float value = 0;
    ASSERT_TRUE(learning->GetLearningValue(finePOS, paraphrase, &value));
    EXPECT_EQ(value, 0.25f);
}

// ---- Sets over dictionaries ----------------------------------------------------

// A system dictionary with "run" (two readings of 走る among its three
// translations), its past "ran", and "look" with and without particles; a
// user dictionary with "run" 走る again.
struct AltWordsFixture {
    AltWordsFixture() {
        system.SetID(1);
        user.SetID(kMinUserDictionaryID);
        FinePOS_EX run = Verb(system, "run", "B1T0__0000000_0_________", "");
        Translation(run, "{流れ}-", "VV");
        Translation(run, "{経営}su-", "Vsu");
        Translation(run, "{走}r-", "VCr");
        Translation(Verb(system, "run", "B1T0__0000000_0_________", ""), "{走}r-", "VCr");
        FinePOS_EX ran = Verb(system, "ran", "D2T0__0000000_0_________", "");
        ran.SetBaseForm(run);
        Translation(Verb(system, "look", "B1I0__0000000_0_________", ""), "{見}-", "VV");
        Translation(Verb(system, "look", "B1T0__0000000_0_________", "for"), "{探}s-", "VCs");
        Translation(Verb(system, "look", "B1T0__0000000_0_________", "after"), "{世話}su-", "Vsu");
        Translation(Verb(user, "run", "B1T0__0000000_0_________", ""), "{走}r-", "VCr");
        options.fDictionaries = {system, user};
    }

    static FinePOS_EX Verb(Dictionary_EX& dictionary, char const* headword, char const* features,
                           char const* particle) {
        ForwardIterator<Entry_EX> found = dictionary.Lookup(headword, nullptr);
        Entry_EX entry = found.IsAtEnd() ? dictionary.CreateNewEntry(headword) : *found;
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(ParseEnglishPOS("VT01"));
        FeatureSets_E_Source sets;
        sets.SetSet(0, features);
        sets.SetSet(2, particle);
        finePOS.SetFeatureSets(sets);
        return finePOS;
    }
    // Each paraphrase gets a number of its own, as the readings of an entry
    // are numbered.
    void Translation(FinePOS_EX finePOS, char const* cooked, char const* jpos) {
        Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
        paraphrase.SetParaID(++paraphrases);
        paraphrase.SetCookedTranslation(CP932(cooked));
        paraphrase.SetTransPOS(ParseJapanesePOS(jpos));
    }

    // The source of a word translated with a reading of that Japanese class,
    // whose inflection is not known: its dictionary form is the Japanese.
    static DICT_SOURCE Source(char const* jpos) {
        DICT_SOURCE source;
        source.japanesePOS = static_cast<uint16_t>(JPOSNameToN(jpos));
        source.englishPOS = static_cast<uint32_t>(POS_E_SourceToEPOSN(ParseEnglishPOS("VT01")));
        source.translationLength = DICT_SOURCE::kNoInflectionInfo;
        return source;
    }

    struct Reported {
        uint16_t dictionary;
        std::string japanese;  // Shift-JIS
        std::string particles;
        ParaphraseEnabledState enabled;
        float learningValue;
        CanBeNull<POSAndParaphrase> reading;
    };

    std::unique_ptr<AW_SET, void (*)(AW_SET*)> Get(char const* word, char const* japanese, char const* jpos) {
        reported.clear();
        AltFormCallback const callback = [this](uint16_t dictionary, bool, std::string const& text,
                                                std::string const& particles, JPOSID, UDPOS const&, AlwaysUseFlag,
                                                ParaphraseEnabledState enabled, float learningValue,
                                                CanBeNull<POSAndParaphrase> const& reading) {
            if (throwAfter >= 0 && static_cast<int>(reported.size()) == throwAfter) throw std::runtime_error("host");
            reported.push_back({dictionary, text, particles, enabled, learningValue, reading});
        };
        return {GetTranslations(word, CP932(japanese), Source(jpos), &options, callback), FreeTranslations};
    }
    std::vector<std::string> ReportedJapanese() const {
        std::vector<std::string> texts;
        for (Reported const& r : reported) texts.push_back(r.japanese);
        return texts;
    }

    int paraphrases = 0;
    int throwAfter = -1;  // the callback throws when this many were reported
    Dictionary_EX_Temporary system;
    Dictionary_EX_Temporary user;
    BasicTranslationOptions options;
    std::vector<Reported> reported;
};

TEST(GetTranslations, ReportsTheCurrentEntryFirstAndOnceThenTheRestInOrder) {
    AltWordsFixture fixture;
    auto set = fixture.Get("run", "走る", "VCr");
    // Sorted by Shift-JIS bytes: 経営する, 走る, 流れる; the system's second
    // 走る is folded into its first.
    EXPECT_EQ(fixture.ReportedJapanese(),
              (std::vector<std::string>{CP932("走る"), CP932("経営する"), CP932("走る"), CP932("流れる")}));
    ASSERT_EQ(fixture.reported.size(), 4u);
    EXPECT_EQ(fixture.reported[0].dictionary, 1);
    EXPECT_EQ(fixture.reported[2].dictionary, kMinUserDictionaryID);
    for (std::size_t i = 0; i < fixture.reported.size(); ++i) {
        for (std::size_t j = i + 1; j < fixture.reported.size(); ++j)
            EXPECT_TRUE(fixture.reported[i].reading != fixture.reported[j].reading) << i << " and " << j;
    }
}

TEST(GetTranslations, APastFormOffersItsBaseFormsTranslations) {
    AltWordsFixture fixture;
    auto set = fixture.Get("ran", "走る", "VCr");
    EXPECT_EQ(fixture.ReportedJapanese(),
              (std::vector<std::string>{CP932("走る"), CP932("経営する"), CP932("流れる")}));
    // The forms of the chosen reading's base are the words the set answers for.
    EXPECT_NE(std::find(set->sourceForms.begin(), set->sourceForms.end(), "ran"), set->sourceForms.end());
}

TEST(GetTranslations, ParticlesOfTheCurrentEntryDecideWhichOthersStay) {
    struct Case {
        char const* japanese;
        char const* jpos;
        std::vector<std::string> reported;
    } const cases[] = {
        {"探す", "VCs", {CP932("探す"), CP932("見る")}},  // "look after" fits no best match
        {"見る", "VV", {CP932("見る")}},                  // without particles, none with them
    };
    for (Case const& c : cases) {
        AltWordsFixture fixture;
        auto set = fixture.Get("look", c.japanese, c.jpos);
        EXPECT_EQ(fixture.ReportedJapanese(), c.reported) << c.japanese;
    }
}

TEST(GetTranslations, ASuppressedSourceHasNoEntriesButItsInflection) {
    AltWordsFixture fixture;
    auto set = fixture.Get("run", "走る", "SUPPRESS");
    EXPECT_TRUE(fixture.reported.empty());
    EXPECT_TRUE(set->entries.empty());
    EXPECT_EQ(set->japaneseBaseForm, CP932("走る"));
    ASSERT_EQ(set->inflections.size(), 1u);
    FreeTranslations(nullptr);
}

// "re-run" is found as a rewritten entry made from "run" (再び, "again",
// before each translation): each reading reported is the dictionary's own
// reading of that translation.
TEST(GetTranslations, ReadingsOfARewrittenSpellingAreTheDictionarysOwn) {
    AltWordsFixture fixture;
    auto set = fixture.Get("re-run", "再び走る", "VCr");
    EXPECT_EQ(fixture.ReportedJapanese(),
              (std::vector<std::string>{CP932("再び走る"), CP932("再び経営する"), CP932("再び流れる")}));
    for (AltWordsFixture::Reported const& r : fixture.reported) {
        POSAndParaphrase const& reading = r.reading.Get();
        EXPECT_TRUE(reading.GetFinePOS().GetEntry().GetDictionary() == fixture.system) << r.japanese;
        std::string const original = reading.GetParaphrase().GetRawTranslation();
        EXPECT_EQ(r.japanese.substr(r.japanese.size() - original.size()), original);
    }
}

TEST(GetTranslations, ADisabledReadingIsReportedSoWithItsLearningValue) {
    AltWordsFixture fixture;
    auto set = fixture.Get("run", "走る", "VCr");
    ASSERT_EQ(fixture.reported.size(), 4u);
    CanBeNull<POSAndParaphrase> const managed = fixture.reported[1].reading;  // 経営する
    SetAltWordEntryEnabledState(set.get(), managed, kParaphraseDisabled);
    SetAltWordEntryLearningValue(set.get(), fixture.reported[3].reading, 0.5f);  // 流れる

    auto again = fixture.Get("run", "走る", "VCr");
    ASSERT_EQ(fixture.ReportedJapanese(),
              (std::vector<std::string>{CP932("走る"), CP932("経営する"), CP932("走る"), CP932("流れる")}));
    EXPECT_EQ(fixture.reported[1].enabled, kParaphraseDisabled);
    EXPECT_EQ(fixture.reported[1].learningValue, -1.0f);
    EXPECT_EQ(fixture.reported[3].enabled, kParaphraseEnabled);
    EXPECT_EQ(fixture.reported[3].learningValue, 0.5f);
}

// A host whose callback fails gets the failure; the set is released (the
// sanitizer's leak check would see it otherwise).
TEST(GetTranslations, AFailureWhileReportingReachesTheCallerAndReleasesTheSet) {
    for (int throwAfter : {0, 2}) {
        AltWordsFixture fixture;
        fixture.throwAfter = throwAfter;
        EXPECT_THROW(fixture.Get("run", "走る", "VCr"), std::runtime_error);
        EXPECT_EQ(fixture.reported.size(), static_cast<std::size_t>(throwAfter));
    }
}

TEST(AltWordLearning, SettingTheReportedReadingSetsTheReadingsFoldedIntoIt) {
    AltWordsFixture fixture;
    auto set = fixture.Get("run", "走る", "VCr");
    CanBeNull<POSAndParaphrase> const current = fixture.reported[0].reading;
    auto holder = std::find_if(set->entries.begin(), set->entries.end(),
                               [&](ALTWORD_ENTRY const& e) { return e.reading == current.Get(); });
    ASSERT_NE(holder, set->entries.end());
    ASSERT_EQ(holder->hiddenReadings.size(), 1u);
    POSAndParaphrase const hidden = holder->hiddenReadings[0];
    auto* learning = fixture.system.GetDictionaryLearningInterface(true);
    auto valueOf = [&](POSAndParaphrase const& r) {
        float value = 0;
        return learning->GetLearningValue(r.GetFinePOS(), r.GetParaphrase(), &value) ? value : -9.0f;
    };

    SetAltWordEntryLearningValue(set.get(), current, 0.5f);
    EXPECT_EQ(GetAltWordEntryLearningValue(set.get(), current), 0.5f);
    EXPECT_EQ(valueOf(hidden), 0.5f);
    SetAltWordEntryEnabledState(set.get(), current, kParaphraseDisabled);
    EXPECT_EQ(valueOf(current.Get()), -1.0f);
    EXPECT_EQ(valueOf(hidden), -1.0f);
    SetAltWordEntryEnabledState(set.get(), current, kParaphraseEnabled);
    EXPECT_EQ(valueOf(hidden), -9.0f);
    IncStatistics(set.get(), current);  // the chosen reading alone
    EXPECT_GT(valueOf(current.Get()), 0.0f);
    EXPECT_EQ(valueOf(hidden), -9.0f);
    ResetAltWordEntryLearningValue(set.get(), current);
    EXPECT_EQ(valueOf(current.Get()), -9.0f);
    EXPECT_TRUE(IsLearningIntarfaceAvailable(set.get(), current));
}

TEST(AltWordLearning, TheFormsOfAReadingOncePerUDPOS) {
    AltWordsFixture fixture;
    auto set = fixture.Get("run", "走る", "VCr");
    std::vector<InflectionAndUDPOSID> forms;
    GetInflectionsFromAltWordID(set.get(), forms, fixture.reported[0].reading);
    ASSERT_FALSE(forms.empty());
    EXPECT_EQ(forms.back().form, "ran");
}

}  // namespace
