#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/qj_shared.h"
#include "engine/foundation/shared.h"

namespace {

// ---- QJShared ------------------------------------------------------------

// Counts live representations; may hold a handle on another representation.
struct Node : QJSharedRep {
    explicit Node(int* alive, int value = 0) : fAlive(alive), fValue(value) { ++*fAlive; }
    Node(Node const& other) : QJSharedRep(other), fAlive(other.fAlive), fValue(other.fValue) { ++*fAlive; }
    Node& operator=(Node const&) = default;
    ~Node() override { --*fAlive; }

    int* fAlive;
    int fValue;
    std::vector<QJShared<Node>> fChildren;
};

TEST(QJShared, CountsHandlesAndDeletesWithTheLast) {
    int alive = 0;
    {
        QJShared<Node> first(new Node(&alive));
        EXPECT_EQ(first->GetReferenceCount(), 1u);
        {
            QJShared<Node> second(first);
            EXPECT_EQ(first->GetReferenceCount(), 2u);
            EXPECT_EQ(second.GetRep(), first.GetRep());
        }
        EXPECT_EQ(first->GetReferenceCount(), 1u);
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}

TEST(QJShared, AssigningTheSameRepresentationChangesNothing) {
    int alive = 0;
    QJShared<Node> a(new Node(&alive));
    QJShared<Node> b(a);
    QJShared<Node>& self = a;
    a = self;
    EXPECT_EQ(a->GetReferenceCount(), 2u);
    a = b;
    EXPECT_EQ(a->GetReferenceCount(), 2u);
    EXPECT_EQ(alive, 1);
}

TEST(QJShared, AssignmentReleasesTheOldAndTakesTheNew) {
    int alive = 0;
    QJShared<Node> a(new Node(&alive, 1));
    QJShared<Node> b(new Node(&alive, 2));
    a = b;
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(a->fValue, 2);
    EXPECT_EQ(b->GetReferenceCount(), 2u);
}

TEST(QJShared, AssigningAHandleKeptAliveOnlyByTheReleasedRepresentation) {
    int alive = 0;
    QJShared<Node> parent(new Node(&alive, 1));
    parent->fChildren.push_back(QJShared<Node>(new Node(&alive, 2)));
    parent = parent->fChildren[0];  // the child lives only inside the parent
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(parent->fValue, 2);
    EXPECT_EQ(parent->GetReferenceCount(), 1u);
}

TEST(QJShared, NullHandlesCopyAssignAndDestroySafely) {
    int alive = 0;
    QJShared<Node> null(nullptr);
    QJShared<Node> copy(null);
    EXPECT_EQ(copy.GetRep(), nullptr);
    QJShared<Node> held(new Node(&alive));
    held = null;
    EXPECT_EQ(alive, 0);
    null = QJShared<Node>(new Node(&alive));
    EXPECT_EQ(null->GetReferenceCount(), 1u);
}

TEST(QJSharedRep, CopyIsANewUnheldRepresentation) {
    int alive = 0;
    QJShared<Node> a(new Node(&alive, 1));
    QJShared<Node> b(a);
    Node copy(*a);
    EXPECT_EQ(copy.GetReferenceCount(), 0u);
    QJShared<Node> c(new Node(&alive, 3));
    *c = *a;  // copies the value, never the count
    EXPECT_EQ(c->GetReferenceCount(), 1u);
    EXPECT_EQ(a->GetReferenceCount(), 2u);
}

// ---- Shared --------------------------------------------------------------

struct Position {
    int fIndex = 0;
    static int sClones;
    static int sAlive;
    Position() { ++sAlive; }
    Position(Position const& other) : fIndex(other.fIndex) { ++sAlive; }
    Position& operator=(Position const&) = default;
    ~Position() { --sAlive; }
    static Position* Clone(Position const& p) {
        ++sClones;
        return new Position(p);
    }
};
int Position::sClones = 0;
int Position::sAlive = 0;

class SharedHandle : public testing::Test {
protected:
    void SetUp() override { Position::sClones = Position::sAlive = 0; }
    void TearDown() override { EXPECT_EQ(Position::sAlive, 0); }
};

TEST_F(SharedHandle, CopiesShareUntilReferencesAreBroken) {
    Shared<Position> a(&Position::Clone, new Position);
    Shared<Position> b(a);
    EXPECT_EQ(a.GetReferenceCount(), 2u);
    b.Assure1Reference();
    EXPECT_EQ(Position::sClones, 1);
    EXPECT_NE(a.GetRep(), b.GetRep());
    EXPECT_EQ(a.GetReferenceCount(), 1u);
    EXPECT_EQ(b.GetReferenceCount(), 1u);
    b->fIndex = 5;
    EXPECT_EQ(a->fIndex, 0);
    b.Assure1Reference();  // already private: no clone
    EXPECT_EQ(Position::sClones, 1);
}

TEST_F(SharedHandle, SelfAndSameRepresentationAssignmentKeepTheCount) {
    Shared<Position> a(&Position::Clone, new Position);
    Shared<Position> b(a);
    Shared<Position>& self = a;
    a = self;
    a = b;
    a = a.GetRep();
    EXPECT_EQ(a.GetReferenceCount(), 2u);
    EXPECT_EQ(Position::sAlive, 1);
}

TEST_F(SharedHandle, RawAssignmentToTheLastHandleDeletesTheOld) {
    Shared<Position> a(&Position::Clone, new Position);
    a = new Position;
    EXPECT_EQ(Position::sAlive, 1);
    EXPECT_EQ(a.GetReferenceCount(), 1u);
}

TEST_F(SharedHandle, RawAssignmentToASharedHandleLeavesTheOthersTheOld) {
    Shared<Position> a(&Position::Clone, new Position);
    Shared<Position> b(a);
    Position* old = a.GetRep();
    b = new Position;
    EXPECT_EQ(Position::sAlive, 2);
    EXPECT_EQ(a.GetRep(), old);
    EXPECT_EQ(a.GetReferenceCount(), 1u);
    EXPECT_EQ(b.GetReferenceCount(), 1u);
}

TEST_F(SharedHandle, AssignmentReleasesTheOldRepresentation) {
    Shared<Position> a(&Position::Clone, new Position);
    Shared<Position> b(&Position::Clone, new Position);
    a = b;
    EXPECT_EQ(Position::sAlive, 1);
    EXPECT_EQ(b.GetReferenceCount(), 2u);
}

TEST_F(SharedHandle, NullRepresentationCopiesSafely) {
    Shared<Position> null(&Position::Clone, nullptr);
    Shared<Position> copy(null);
    copy.BreakReferences();
    EXPECT_EQ(copy.GetRep(), nullptr);
    EXPECT_EQ(Position::sClones, 0);
}

// ---- CanBeNull -----------------------------------------------------------

struct Tree {
    int value;
    std::vector<Tree> children;
};

TEST(CanBeNull, NullCopiesStayNull) {
    CanBeNull<std::string> null;
    CanBeNull<std::string> copy(null);
    EXPECT_TRUE(copy.IsNull());
    CanBeNull<std::string> held(std::string("x"));
    held = null;
    EXPECT_TRUE(held.IsNull());
}

TEST(CanBeNull, CopiesAreIndependentValues) {
    CanBeNull<std::string> a(std::string("one"));
    CanBeNull<std::string> b(a);
    b.Get() = "two";
    EXPECT_EQ(a.Get(), "one");
    a = b;
    b.Get() = "three";
    EXPECT_EQ(a.Get(), "two");
    CanBeNull<std::string>& self = a;
    a = self;
    EXPECT_EQ(a.Get(), "two");
}

TEST(CanBeNull, SetReplacesAndClearEmpties) {
    CanBeNull<std::string> value;
    value.Set("first");
    value.Set("second");
    EXPECT_EQ(value.Get(), "second");
    value.Clear();
    EXPECT_TRUE(value.IsNull());
    value.Clear();
    EXPECT_TRUE(value.IsNull());
}

TEST(CanBeNull, SetFromAValueInsideTheHeldOne) {
    CanBeNull<Tree> tree(Tree{1, {Tree{2, {Tree{3, {}}}}}});
    tree.Set(tree.Get().children[0]);
    EXPECT_EQ(tree.Get().value, 2);
    ASSERT_EQ(tree.Get().children.size(), 1u);
    EXPECT_EQ(tree.Get().children[0].value, 3);
    tree.Set(tree.Get());
    EXPECT_EQ(tree.Get().value, 2);
}

}  // namespace
