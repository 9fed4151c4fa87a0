#include "engine/foundation/iterators.h"

#include <gtest/gtest.h>

#include <list>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/foundation/qj_shared.h"

namespace {

template <class T>
std::vector<T> Drain(ForwardIterator<T> it) {
    std::vector<T> seen;
    for (; !it.IsAtEnd(); ++it) seen.push_back(*it);
    return seen;
}

TEST(EmptyForwardIterator, YieldsNothing) {
    EmptyForwardIterator<int> it;
    EXPECT_TRUE(it.IsAtEnd());
    ++it;
    EXPECT_TRUE(it.IsAtEnd());
    EXPECT_THROW(*it, std::logic_error);
    EXPECT_TRUE(it == EmptyForwardIterator<int>());
}

TEST(SingleEltForwardIterator, YieldsExactlyOneElement) {
    EXPECT_EQ(Drain<std::string>(SingleEltForwardIterator<std::string>("only")), std::vector<std::string>{"only"});
}

TEST(SingleEltForwardIterator, EqualityLooksOnlyAtThePosition) {
    SingleEltForwardIterator<int> a(1);
    SingleEltForwardIterator<int> b(2);
    EXPECT_TRUE(a == b);
    ++a;
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(b == a);
    ++b;
    EXPECT_TRUE(a == b);
}

TEST(VectorByValueForwardIterator, WalksVectorsAndListsInOrder) {
    std::vector<int> const numbers = {3, 1, 2};
    EXPECT_EQ(Drain<int>(VectorByValueForwardIterator<int>(numbers)), numbers);
    std::list<int> const listed(numbers.begin(), numbers.end());
    EXPECT_EQ(Drain<int>(VectorByValueForwardIterator<int, std::list<int>>(listed)), numbers);
    EXPECT_TRUE(VectorByValueForwardIterator<int>(std::vector<int>()).IsAtEnd());
    EXPECT_TRUE((VectorByValueForwardIterator<int, std::list<int>>(std::list<int>()).IsAtEnd()));
}

TEST(VectorByValueForwardIterator, WalksItsOwnCopy) {
    std::vector<int> numbers = {1, 2};
    VectorByValueForwardIterator<int> it(numbers);
    numbers.assign({7, 8, 9});
    EXPECT_EQ(Drain<int>(it), (std::vector<int>{1, 2}));
}

// Copy-on-write, for each generic representation that moves.
template <class Iterator>
void ExpectCopiesAreIndependent(Iterator original, int first, int second) {
    Iterator copy(original);
    EXPECT_EQ(original.GetRep(), copy.GetRep());  // shared until stepped
    EXPECT_TRUE(copy == original);
    ++copy;
    EXPECT_NE(original.GetRep(), copy.GetRep());
    EXPECT_EQ(original.GetReferenceCount(), 1u);
    EXPECT_EQ(copy.GetReferenceCount(), 1u);
    EXPECT_FALSE(copy == original);
    ASSERT_FALSE(original.IsAtEnd());
    EXPECT_EQ(*original, first);
    if (!copy.IsAtEnd()) {
        EXPECT_EQ(*copy, second);
    }
}

TEST(ForwardIterator, SteppingACopyLeavesTheOriginal) {
    ExpectCopiesAreIndependent(ForwardIterator<int>(new SingleEltForwardIteratorRep_<int>(4)), 4, 0);
    ExpectCopiesAreIndependent(VectorByValueForwardIterator<int>({4, 5, 6}), 4, 5);
    ExpectCopiesAreIndependent(VectorByValueForwardIterator<int, std::list<int>>({4, 5, 6}), 4, 5);
}

TEST(VectorByValueForwardIterator, CloneKeepsThePositionInItsOwnCopy) {
    for (bool asList : {false, true}) {
        SCOPED_TRACE(asList ? "list" : "vector");
        ForwardIterator<int> it =
            asList ? ForwardIterator<int>(VectorByValueForwardIterator<int, std::list<int>>({1, 2, 3, 4}))
                   : ForwardIterator<int>(VectorByValueForwardIterator<int>({1, 2, 3, 4}));
        ++it;
        ++it;
        ForwardIterator<int> copy(it);
        ++copy;  // clones at index 2, then steps
        EXPECT_EQ(*it, 3);
        EXPECT_EQ(*copy, 4);
        ++copy;
        EXPECT_TRUE(copy.IsAtEnd());
        EXPECT_FALSE(it.IsAtEnd());
    }
}

TEST(ForwardIterator, RepresentationsOfDifferentTypesAreNeverEqual) {
    // Both at their ends, so only the types tell them apart.
    EmptyForwardIterator<int> empty;
    SingleEltForwardIterator<int> single(1);
    ++single;
    VectorByValueForwardIterator<int> vector(std::vector<int>{});
    ForwardIterator<int> const* all[] = {&empty, &single, &vector};
    for (auto const* left : all) {
        for (auto const* right : all) {
            if (left != right) {
                EXPECT_FALSE(*left == *right);
            }
        }
    }
}

struct Counted : QJSharedRep {
    explicit Counted(int* alive) : fAlive(alive) { ++*fAlive; }
    ~Counted() override { --*fAlive; }
    int* fAlive;
};

TEST(ForwardIterator, KeepsTheHandlesItWalksAlive) {
    int alive = 0;
    {
        SingleEltForwardIterator<QJShared<Counted>> it{QJShared<Counted>(new Counted(&alive))};
        EXPECT_EQ(alive, 1);
        EXPECT_EQ((*it)->GetReferenceCount(), 2u);  // the iterator's and the temporary's
    }
    EXPECT_EQ(alive, 0);
}

// A bidirectional walk over [0, size).
class RangeRep : public BidirectionalIteratorRep_<int> {
public:
    RangeRep(int size, int position) : fSize(size), fPosition(position) {}
    RangeRep* Clone() const override { return new RangeRep(*this); }
    int Current() const override { return fPosition; }
    void GoForward() override { ++fPosition; }
    void GoBack() override { --fPosition; }
    bool Equal(BidirectionalIteratorRep_<int> const& other) const override {
        auto const* range = dynamic_cast<RangeRep const*>(&other);
        return range != nullptr && range->fPosition == fPosition;
    }
    bool IsAtStart() const override { return fPosition == 0; }
    bool IsAtEnd() const override { return fPosition == fSize; }

private:
    int fSize;
    int fPosition;
};

TEST(BidirectionalIterator, StepsBothWaysWithPrefixAndPostfixForms) {
    BidirectionalIterator<int> it(new RangeRep(3, 0));
    EXPECT_TRUE(it.IsAtStart());
    BidirectionalIterator<int> before = it++;
    EXPECT_EQ(*before, 0);
    EXPECT_EQ(*it, 1);
    EXPECT_EQ(*++it, 2);
    EXPECT_TRUE((++it).IsAtEnd());
    before = it--;
    EXPECT_TRUE(before.IsAtEnd());
    EXPECT_EQ(*it, 2);
    EXPECT_EQ(*--it, 1);
    --it;
    EXPECT_TRUE(it.IsAtStart());
}

TEST(BidirectionalIterator, SteppingACopyLeavesTheOriginal) {
    BidirectionalIterator<int> original(new RangeRep(5, 2));
    BidirectionalIterator<int> back(original);
    BidirectionalIterator<int> forward(original);
    EXPECT_EQ(original.GetReferenceCount(), 3u);
    --back;
    ++forward;
    EXPECT_EQ(*original, 2);
    EXPECT_EQ(*back, 1);
    EXPECT_EQ(*forward, 3);
    EXPECT_FALSE(back == original);
    ++back;
    EXPECT_TRUE(back == original);  // same position, separate representations
}

}  // namespace
