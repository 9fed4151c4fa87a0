#include "engine/foundation/olist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Item {
    olist_elem link;  // first member: the list's link
    int key;
};

int CompareItems(olist_elem* placed, char* listed) {
    int const a = reinterpret_cast<Item*>(placed)->key;
    int const b = reinterpret_cast<Item*>(listed)->key;
    return a < b ? -1 : (a > b ? 1 : 0);
}

std::vector<int> Keys(olist_elem* head) {
    std::vector<int> keys;
    for (olist_elem* pos = head; !OlistEmpty(pos); pos = OlistNext(pos))
        keys.push_back(reinterpret_cast<Item*>(OlistElem(pos))->key);
    return keys;
}

class Olist : public testing::Test {
protected:
    void SetUp() override { fHead = OlistCreate(); }
    void TearDown() override { OlistDestroy(fHead); }

    void InsertInOrder(Item* item) {
        bool found = true;
        olist_elem* pos = OlistInsertPoint(fHead, &item->link, &CompareItems, &found);
        ASSERT_FALSE(found);
        OlistInsert(pos, &item->link);
    }

    olist_elem* fHead = nullptr;
};

TEST_F(Olist, InsertPointOfEmptyListIsTheHead) {
    Item item{{nullptr}, 5};
    bool found = true;
    EXPECT_EQ(OlistInsertPoint(fHead, &item.link, &CompareItems, &found), fHead);
    EXPECT_FALSE(found);
    EXPECT_TRUE(OlistEmpty(fHead));
}

TEST_F(Olist, KeepsAscendingOrderAndFindsEqualElements) {
    std::vector<Item> items = {{{nullptr}, 30}, {{nullptr}, 10}, {{nullptr}, 20}, {{nullptr}, 40}};
    for (Item& item : items) InsertInOrder(&item);
    EXPECT_EQ(Keys(fHead), (std::vector<int>{10, 20, 30, 40}));

    struct Probe {
        int key;
        bool found;
        int keyAfterPoint;  // key of the element the returned link points to; 0 at the end
    };
    for (Probe const& probe : {Probe{20, true, 20}, Probe{25, false, 30}, Probe{5, false, 10}, Probe{50, false, 0}}) {
        SCOPED_TRACE(probe.key);
        Item search{{nullptr}, probe.key};
        bool found = !probe.found;
        olist_elem* pos = OlistInsertPoint(fHead, &search.link, &CompareItems, &found);
        EXPECT_EQ(found, probe.found);
        olist_elem* next = OlistNext(pos);
        EXPECT_EQ(next == nullptr ? 0 : reinterpret_cast<Item*>(next)->key, probe.keyAfterPoint);
    }
}

TEST_F(Olist, RemoveUnlinksTheElementAtThePosition) {
    std::vector<Item> items = {{{nullptr}, 1}, {{nullptr}, 2}, {{nullptr}, 3}};
    for (Item& item : items) InsertInOrder(&item);
    olist_elem* afterFirst = OlistNext(fHead);
    EXPECT_EQ(OlistRemove(afterFirst), &items[1].link);
    EXPECT_EQ(Keys(fHead), (std::vector<int>{1, 3}));
    EXPECT_EQ(OlistRemove(fHead), &items[0].link);
    EXPECT_EQ(OlistRemove(fHead), &items[2].link);
    EXPECT_EQ(OlistRemove(fHead), nullptr);
    EXPECT_TRUE(OlistEmpty(fHead));
}

TEST_F(Olist, InitEmptiesAHead) {
    olist_elem head{reinterpret_cast<olist_elem*>(&head)};
    OlistInit(&head);
    EXPECT_TRUE(OlistEmpty(&head));
}

}  // namespace
