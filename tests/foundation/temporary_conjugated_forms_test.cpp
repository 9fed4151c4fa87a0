// Families of base forms and conjugated forms in temporary dictionaries:
// changing them, and what removing a member or destroying its entry leaves.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/temporary_dictionary.h"
#include "foundation/fake_dictionary.h"
#include "foundation/temporary_test_support.h"

namespace {

using temporary_test::Drain;

// Fine parts of speech named 'A' to 'E', each on entry 0 or 1 of one
// dictionary.
class Forms {
public:
    explicit Forms(char const* entryOf) {
        for (int i = 0; i < 2; ++i) fEntries.push_back(fDictionary.CreateNewEntry(i == 0 ? "walk" : "walked"));
        for (char const* e = entryOf; *e != '\0'; ++e) fForms.push_back(fEntries[*e - '0'].CreateNewFinePOS());
    }

    FinePOS_EX& operator[](char name) { return fForms[name - 'A']; }
    Entry_EX& EntryAt(int i) { return fEntries[i]; }

    char NameOf(FinePOS_EX const& finePOS) const {
        for (std::size_t i = 0; i < fForms.size(); ++i) {
            if (fForms[i] == finePOS) return static_cast<char>('A' + i);
        }
        return '?';  // a handle on no form of the test, or on the wrong entry
    }

    // The family the form's iterator yields, by name.
    std::string FamilyOf(char name) {
        std::string family;
        for (FinePOS_EX const& member : Drain((*this)[name].GetCFIterator_start())) family += NameOf(member);
        return family;
    }

    // Every member of each family names the family's first as its base form
    // and yields the whole family.
    void ExpectFamilies(std::vector<std::string> const& families) {
        std::string seen;
        for (std::string const& family : families) {
            for (char member : family) {
                seen += member;
                EXPECT_EQ(NameOf((*this)[member].GetBaseForm()), family[0]) << "base form of " << member;
                EXPECT_EQ((*this)[member].IsACF(), member != family[0]) << member;
                EXPECT_EQ(FamilyOf(member), family) << "family of " << member;
            }
        }
        EXPECT_EQ(seen.size(), fForms.size()) << "every form must be in one family";
    }

private:
    Dictionary_EX_Temporary fDictionary;
    std::vector<Entry_EX> fEntries;
    std::vector<FinePOS_EX> fForms;
};

TEST(TemporarySetBaseFormTest, MovesFormsBetweenFamilies) {
    struct Case {
        char const* name;
        char const* entryOf;
        std::vector<std::pair<char, char>> before;  // SetBaseForm(first, second), in order
        std::pair<char, char> change;
        std::vector<std::string> families;  // base form first
    } const cases[] = {
        {"a base form with two conjugated forms moves; the first takes the rest",
         "00000",
         {{'C', 'A'}, {'B', 'A'}},
         {'A', 'D'},
         {"BC", "DA", "E"}},
        {"re-parenting a conjugated form", "00000", {{'B', 'A'}, {'C', 'A'}}, {'B', 'D'}, {"AC", "DB", "E"}},
        {"a base that is itself a conjugated form leaves its family first",
         "00000",
         {{'B', 'A'}, {'C', 'A'}},
         {'D', 'B'},
         {"AC", "BD", "E"}},
        {"fp == base takes a conjugated form out",
         "00000",
         {{'B', 'A'}, {'C', 'A'}},
         {'C', 'C'},
         {"AB", "C", "D", "E"}},
        {"fp == base leaves a base form as it is", "00000", {{'B', 'A'}}, {'A', 'A'}, {"AB", "C", "D", "E"}},
        {"the base it already has changes nothing", "00000", {{'B', 'A'}, {'C', 'A'}}, {'B', 'A'}, {"ACB", "D", "E"}},
        {"onto one of its own conjugated forms", "00000", {{'C', 'A'}, {'B', 'A'}}, {'A', 'C'}, {"B", "CA", "D", "E"}},
        {"onto the conjugated form that takes its family",
         "00000",
         {{'C', 'A'}, {'B', 'A'}},
         {'A', 'B'},
         {"BAC", "D", "E"}},
        {"across entries", "01011", {{'B', 'A'}, {'C', 'E'}}, {'D', 'A'}, {"ADB", "EC"}},
        {"a base form with two conjugated forms moves across entries",
         "01101",
         {{'C', 'A'}, {'B', 'A'}},
         {'A', 'D'},
         {"BC", "DA", "E"}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Forms forms(c.entryOf);
        for (auto [form, base] : c.before) forms[form].SetBaseForm(forms[base]);
        forms[c.change.first].SetBaseForm(forms[c.change.second]);
        forms.ExpectFamilies(c.families);
    }
}

TEST(TemporarySetBaseFormTest, ParaphrasesOfABaseFormOnAnotherEntryComeWithThatEntry) {
    Forms forms("01");
    Paraphrase_EX const paraphrase = forms['A'].CreateNewParaphrase();
    paraphrase.GetEntry()->SetCookedTranslation(paraphrase.GetCookie(), "{x}");
    forms['B'].SetBaseForm(forms['A']);

    std::vector<Paraphrase_EX> const read = Drain(forms['B'].GetParaphraseIterator());
    ASSERT_EQ(read.size(), 1u);
    EXPECT_TRUE(read[0].GetEntry() == forms.EntryAt(0));
    EXPECT_TRUE(read[0] == paraphrase);
    EXPECT_TRUE(read[0].GetFinePOS() == forms['A']);
    EXPECT_EQ(read[0].GetCookedTranslation(), "{x}");
}

TEST(TemporarySetBaseFormTest, RefusesABaseFormOfAnotherKindOfEntry) {
    Forms forms("0");
    auto [foreign, foreignRep] = fake::MakeDictionary();
    FinePOS_EX const alien = foreign.CreateNewEntry("walk").CreateNewFinePOS();
    EXPECT_THROW(forms['A'].SetBaseForm(alien), NotSupportedOnDictionary<Dictionary_EX>);
    EXPECT_FALSE(forms['A'].IsACF());
}

// Walks everything that can still be reached, for the sanitizers to check.
void WalkAll(Entry_EX const& entry) {
    for (FinePOS_EX const& finePOS : Drain(entry.GetFinePOSIterator())) {
        for (FinePOS_EX const& member : Drain(finePOS.GetCFIterator_start())) {
            member.GetPValue();
            for (Paraphrase_EX const& paraphrase : Drain(member.GetParaphraseIterator()))
                paraphrase.GetCookedTranslation();
        }
    }
}

TEST(TemporaryRemovalTest, RemovingABaseFormPassesItsFamilyOn) {
    Forms forms("001");
    forms['A'].CreateNewParaphrase();
    forms['C'].SetBaseForm(forms['A']);
    forms['B'].SetBaseForm(forms['A']);

    forms.EntryAt(0).RemoveFinePOS(forms['A']);
    for (int i = 0; i < 2; ++i) WalkAll(forms.EntryAt(i));
    EXPECT_EQ(forms.FamilyOf('B'), "BC");
    EXPECT_TRUE(forms['C'].GetBaseForm() == forms['B']);
    EXPECT_TRUE(forms['C'].GetParaphraseIterator().IsAtEnd());
    EXPECT_EQ(forms.EntryAt(0).GetFinePOSCount(), 1u);
}

TEST(TemporaryRemovalTest, RemovingAConjugatedFormUnlinksIt) {
    Forms forms("010");
    forms['C'].SetBaseForm(forms['A']);
    forms['B'].SetBaseForm(forms['A']);
    forms.EntryAt(1).RemoveFinePOS(forms['B']);
    WalkAll(forms.EntryAt(0));
    EXPECT_EQ(forms.FamilyOf('A'), "AC");
}

// The family is spread over two entries; one of them dies.
TEST(TemporaryRemovalTest, DestroyingAnEntryTakesItsFormsOutOfTheirFamilies) {
    for (bool baseDies : {true, false}) {
        SCOPED_TRACE(baseDies ? "the base form's entry dies" : "the conjugated form's entry dies");
        Dictionary_EX_Temporary dictionary;
        Entry_EX survivor = dictionary.CreateNewEntry("survivor");
        FinePOS_EX const kept = survivor.CreateNewFinePOS();
        {
            Entry_EX doomed = dictionary.CreateNewEntry("doomed");
            FinePOS_EX const lost = doomed.CreateNewFinePOS();
            lost.GetEntry()->CreateNewParaphrase(lost.GetCookie());
            if (baseDies)
                FinePOS_EX(kept).SetBaseForm(lost);
            else
                FinePOS_EX(lost).SetBaseForm(kept);
            dictionary.RemoveEntry(doomed);
        }
        WalkAll(survivor);
        EXPECT_TRUE(kept.GetBaseForm() == kept);
        EXPECT_EQ(Drain(kept.GetCFIterator_start()).size(), 1u);
        EXPECT_TRUE(kept.GetParaphraseIterator().IsAtEnd());
    }
}

TEST(TemporaryRemovalTest, AFamilyAcrossDictionariesSurvivesTheDeathOfOne) {
    Dictionary_EX_Temporary lasting;
    Entry_EX survivor = lasting.CreateNewEntry("walked");
    FinePOS_EX form = survivor.CreateNewFinePOS();
    {
        Dictionary_EX_Temporary passing;
        FinePOS_EX const base = passing.CreateNewEntry("walk").CreateNewFinePOS();
        form.SetBaseForm(base);
        EXPECT_TRUE(form.GetBaseForm() == base);
    }
    WalkAll(survivor);
    EXPECT_FALSE(form.IsACF());
}

}  // namespace
