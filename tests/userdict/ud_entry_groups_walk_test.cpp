// Walking the entry groups: their order, positions by index, the ends of a
// walk, and the lookups that give a position.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "foundation/fake_dictionary.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

std::vector<std::string> BaseFormsFromIndexes(UD35EntryGroupInterface_EJ& groups, std::vector<uint32_t> const& order) {
    std::vector<std::string> bases;
    for (uint32_t i : order) {
        UDEntryGroupIterator const at = groups.GetIthEntry(i);
        EXPECT_EQ(groups.GetIndexOf(at), i);
        bases.push_back((*at).GetBaseForm());
    }
    return bases;
}

TEST(UDEntryGroupsWalk, GroupsComeInDictionaryOrderWithEqualKeysInInsertionOrder) {
    GroupDictionary d(DictionaryWith(
        {Noun("owl"), Noun("child", "children"), Noun("apple"), Noun("Apple"), Noun("zebra"), Noun("bee")}));
    EXPECT_EQ(BaseForms(d.groups), (std::vector<std::string>{"apple", "Apple", "bee", "child", "owl", "zebra"}));

    // Backwards from the end.
    std::vector<std::string> backwards;
    UDEntryGroupIterator at = d.groups.GetIterator_end();
    do {
        --at;
        backwards.push_back((*at).GetBaseForm());
    } while (!at.IsAtStart());
    EXPECT_EQ(backwards, (std::vector<std::string>{"zebra", "owl", "child", "bee", "Apple", "apple"}));
}

// Index and position agree whichever way the indexes are visited, also
// after the groups changed between two visits.
TEST(UDEntryGroupsWalk, IndexesAndPositionsAgreeInAnyOrderOfVisits) {
    std::vector<Info> records;
    std::vector<std::string> expected;
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b : {'a', 'm'}) {
            std::string const word{a, b, 'x'};
            records.push_back(Noun(word));
            expected.push_back(word);
        }
    }
    GroupDictionary d(DictionaryWith(records));
    uint32_t const count = d.groups.GetCount();
    ASSERT_EQ(count, expected.size());

    std::vector<uint32_t> forward, backward, scattered;
    for (uint32_t i = 0; i < count; ++i) {
        forward.push_back(i);
        backward.push_back(count - 1 - i);
        scattered.push_back((i * 17 + 5) % count);
    }
    for (auto const& order : {forward, backward, scattered}) {
        std::vector<std::string> want;
        for (uint32_t i : order) want.push_back(expected[i]);
        EXPECT_EQ(BaseFormsFromIndexes(d.groups, order), want);
    }

    EXPECT_TRUE(d.groups.GetIthEntry(count).IsAtEnd());
    EXPECT_TRUE(d.groups.GetIthEntry(100000).IsAtEnd());
    EXPECT_EQ(d.groups.GetIndexOf(d.groups.GetIterator_end()), count);

    // A group that sorts first moves every index by one.
    EXPECT_EQ((*d.groups.GetIthEntry(10)).GetBaseForm(), expected[10]);
    d.groups.CreateNew(Noun("aaa"), false);
    EXPECT_EQ((*d.groups.GetIthEntry(11)).GetBaseForm(), expected[10]);
    EXPECT_EQ(d.groups.GetIndexOf(d.groups.LookupPrefix(expected[10])), 11u);
    d.groups.Erase(d.groups.GetIthEntry(0));
    EXPECT_EQ((*d.groups.GetIthEntry(10)).GetBaseForm(), expected[10]);
}

TEST(UDEntryGroupsWalk, TheEndsOfAWalkAreDefined) {
    GroupDictionary d(DictionaryWith({Noun("bee"), Noun("owl")}));
    UDEntryGroupIterator at = d.groups.GetIterator_start();
    --at;  // stays at the first group
    EXPECT_TRUE(at.IsAtStart());
    EXPECT_EQ((*at).GetBaseForm(), "bee");

    UDEntryGroupIterator end = d.groups.GetIterator_end();
    EXPECT_THROW(*end, std::out_of_range);
    EXPECT_THROW(GetCurrentEntryGroup(end), std::out_of_range);
    ++end;  // stays at the end
    EXPECT_TRUE(end.IsAtEnd());
    --end;
    EXPECT_EQ((*end).GetBaseForm(), "owl");

    GroupDictionary empty;
    UDEntryGroupIterator none = empty.groups.GetIterator_start();
    EXPECT_TRUE(none.IsAtStart());
    EXPECT_TRUE(none.IsAtEnd());
    --none;
    EXPECT_TRUE(none.IsAtEnd());
    EXPECT_TRUE(none == empty.groups.GetIterator_end());
}

// A group iterator of some other kind.
class EmptyIteratorRep : public BidirectionalIteratorRep_<UDEntryGroupInfo_EX> {
public:
    EmptyIteratorRep* Clone() const override { return new EmptyIteratorRep; }
    UDEntryGroupInfo_EX Current() const override { return {}; }
    void GoForward() override {}
    void GoBack() override {}
    bool Equal(BidirectionalIteratorRep_<UDEntryGroupInfo_EX> const&) const override { return false; }
    bool IsAtStart() const override { return true; }
    bool IsAtEnd() const override { return true; }
};

// Iterators of another interface or kind are no positions of this one.
TEST(UDEntryGroupsWalk, PositionsOfAnotherInterfaceAreRefused) {
    GroupDictionary d(DictionaryWith({Noun("bee")}));
    GroupDictionary other(DictionaryWith({Noun("bee")}));
    Bytes const before = d.FileBytes();
    UDEntryGroupIterator const foreign = other.groups.GetIterator_start();
    EXPECT_THROW(d.groups.GetIndexOf(foreign), std::bad_cast);
    EXPECT_THROW(d.groups.Erase(foreign), std::bad_cast);
    EXPECT_FALSE(foreign == d.groups.GetIterator_start());

    UDEntryGroupIterator const empty(new EmptyIteratorRep);
    EXPECT_THROW(GetCurrentEntryGroup(empty), std::bad_cast);
    EXPECT_THROW(d.groups.GetIndexOf(empty), std::bad_cast);
    EXPECT_EQ(d.FileBytes(), before);
    EXPECT_EQ(d.groups.GetCount(), 1u);
}

// A prefix finds the group of the first form that begins with it, wherever
// the group's own base form sorts.
TEST(UDEntryGroupsWalk, LookupPrefixFindsTheGroupOfAnyForm) {
    GroupDictionary d(DictionaryWith({Noun("child", "children"), Verb({"go", "went", "gone", "goes", "going"}),
                                      Noun("owl"), Noun("Apple pie"), Noun("goat")}));
    struct Case {
        char const* prefix;
        char const* group;  // base form, or null for the end
    };
    Case const cases[] = {
        {"childr", "child"}, {"wen", "go"},     {"gon", "go"},          {"goa", "goat"},
        {"go", "go"},        {"CHI", "child"},  {"apple", "Apple pie"}, {"", "Apple pie"},
        {"x", nullptr},      {"owls", nullptr}, {"children!", nullptr},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.prefix);
        UDEntryGroupIterator const found = d.groups.LookupPrefix(c.prefix);
        if (c.group == nullptr) {
            EXPECT_TRUE(found.IsAtEnd());
        } else {
            ASSERT_FALSE(found.IsAtEnd());
            EXPECT_EQ((*found).GetBaseForm(), c.group);
        }
    }
}

TEST(UDEntryGroupsWalk, LookupMatchingComparesKindFormsAndTranslation) {
    Info preferred = Noun("ice cream");
    preferred.idiomKind = Info::kIdiomPreferential;
    GroupDictionary d(DictionaryWith({Noun("book", "books"), preferred, Verb({"book"})}));

    Info otherTranslation = Noun("book", "books");
    otherTranslation.translation = SJIS("帳簿");
    struct Case {
        char const* name;
        Info record;
        bool found;
    };
    Case const cases[] = {
        {"the same", Noun("book", "books"), true},
        {"another idiom kind", Noun("ice cream"), true},
        {"unnormalised forms", Noun(" ice  cream "), true},
        {"the verb", Verb({"book"}), true},
        {"another plural", Noun("book"), false},
        {"another translation", otherTranslation, false},
        {"another kind", Adjective("book"), false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        UDEntryGroupIterator const found = d.groups.LookupMatching(c.record);
        ASSERT_EQ(!found.IsAtEnd(), c.found);
        if (c.found) {
            EXPECT_EQ((*found).kind, c.record.kind);
        }
    }
}

// An entry view of a file entry, as the dictionary object layer makes them.
class FileEntryView : public fake::FakeEntryRep, public UD35EntryOfFile_ {
public:
    FileEntryView(ud_t& file, uint32_t id) : fake::FakeEntryRep(nullptr, "", fake::Options{}), fFile(file), fID(id) {}
    ud_t* GetUDFile() const override { return &fFile; }
    uint32_t GetUDEntryID() const override { return fID; }

private:
    ud_t& fFile;
    uint32_t fID;
};

TEST(UDEntryGroupsWalk, AnEntryOfTheFileLeadsToItsGroup) {
    GroupDictionary d(DictionaryWith({Noun("owl"), Verb({"go", "went", "gone"})}));
    uint32_t const goLeader = GetCurrentEntryGroup(d.groups.LookupPrefix("go"));
    uint32_t wentID = 0;
    {
        SimpleFileLocker_READ read(&d.File());
        wentID = d.File().UDGetNextID(goLeader);
    }
    UDEntryGroupIterator const fromWent = d.groups.GetIterator_fromhere(Entry_EX(new FileEntryView(d.File(), wentID)));
    EXPECT_EQ(GetCurrentEntryGroup(fromWent), goLeader);

    GroupDictionary other(DictionaryWith({Noun("owl")}));
    EXPECT_THROW(d.groups.GetIterator_fromhere(Entry_EX(new FileEntryView(other.File(), 1))), std::bad_cast);
    EXPECT_THROW(d.groups.GetIterator_fromhere(Entry_EX(new fake::FakeEntryRep(nullptr, "owl", fake::Options{}))),
                 std::bad_cast);
}

// A head whose text cannot be read is left out and every other group is
// served; the damaged dictionary takes no new group.
TEST(UDEntryGroupsWalk, ADamagedEntryDoesNotKeepTheOtherGroupsAway) {
    UDFixture fixture;
    fixture.AddGroup({MakeEntry("owl")});
    std::vector<uint32_t> const pie = fixture.AddGroup({MakeEntry("apple pie", UDPOS_N_SING, std::string(60, 't'))});
    fixture.AddGroup({MakeEntry("book")});
    uint32_t const continuation = fixture.Block(pie[0]).link;
    ASSERT_NE(continuation, 0u);
    fixture.Block(continuation).kind = kUDFreeBlock;  // the text now runs into a free block

    GroupDictionary d(fixture.Bytes());
    EXPECT_EQ(BaseForms(d.groups), (std::vector<std::string>{"book", "owl"}));
    EXPECT_EQ(RefusalCode([&] { d.groups.ExtractInfoFrom(pie[0]); }), kUDFileCorrupt);
    // Nothing is added on top of the damage.
    EXPECT_EQ(RefusalCode([&] { d.groups.CreateNew(Noun("wren"), false); }), kUDFileCorrupt);
    EXPECT_EQ(BaseForms(d.groups), (std::vector<std::string>{"book", "owl"}));
}

}  // namespace
