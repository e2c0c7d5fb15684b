// The point collection: order, editing at both ends, independent copies,
// appending (itself included) and bad indices.
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CGMTRPoint2D P(double i) {
    return CGMTRPoint2D(i, -i);
}

// The x coordinates of the points held, in order.
std::vector<double> Xs(const CGMTRPoint2DCol& col) {
    std::vector<double> xs;
    for (long i = 0; i < col.GetCount(); ++i) {
        CGMTRPoint2D p(-99, -99);
        EXPECT_EQ(col.get_Item(i, p), 1);
        EXPECT_EQ(p.Y(), -p.X()); // stored as a whole value, never mixed
        xs.push_back(p.X());
    }
    return xs;
}

CGMTRPoint2DCol Filled(int n) {
    CGMTRPoint2DCol col;
    for (int i = 0; i < n; ++i)
        col.Add(P(i));
    return col;
}

} // namespace

TEST(Point2DCol, AddAppendsInOrder) {
    static_assert(sizeof(CGMTRPoint2D) == 2 * sizeof(double), "a point is two doubles");
    CGMTRPoint2DCol col;
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(col.IsEmpty(), 1);
    EXPECT_EQ(col.Add(P(5)), 1);
    EXPECT_EQ(col.IsEmpty(), 0);
    EXPECT_EQ(col.Add(P(6)), 1);
    EXPECT_EQ(col.Add(P(5)), 1); // the same point twice: two entries
    EXPECT_EQ(Xs(col), (std::vector<double>{5, 6, 5}));
    // Exact values are kept, far from the origin too.
    const CGMTRPoint2D far(1e6 + 0.123456789, -1e6 - 1e-9);
    col.Add(far);
    CGMTRPoint2D back;
    col.get_Item(col.GetCount() - 1, back);
    EXPECT_EQ(back.X(), far.X());
    EXPECT_EQ(back.Y(), far.Y());
}

TEST(Point2DCol, InsertAtBothEndsAndInside) {
    CGMTRPoint2DCol col = Filled(3); // 0 1 2
    col.Insert(0, P(10));
    EXPECT_EQ(Xs(col), (std::vector<double>{10, 0, 1, 2}));
    col.Insert(col.GetCount(), P(11));
    EXPECT_EQ(Xs(col), (std::vector<double>{10, 0, 1, 2, 11}));
    col.Insert(2, P(12));
    EXPECT_EQ(Xs(col), (std::vector<double>{10, 0, 12, 1, 2, 11}));
    CGMTRPoint2DCol empty;
    empty.Insert(0, P(1));
    EXPECT_EQ(Xs(empty), (std::vector<double>{1}));
}

TEST(Point2DCol, RemoveAtBothEndsAndInside) {
    CGMTRPoint2DCol col = Filled(5); // 0 1 2 3 4
    col.Remove(col.GetCount() - 1);
    EXPECT_EQ(Xs(col), (std::vector<double>{0, 1, 2, 3}));
    col.Remove(0);
    EXPECT_EQ(Xs(col), (std::vector<double>{1, 2, 3}));
    col.Remove(1);
    EXPECT_EQ(Xs(col), (std::vector<double>{1, 3}));
    col.Remove(0);
    col.Remove(0);
    EXPECT_EQ(col.IsEmpty(), 1);
}

TEST(Point2DCol, PutItemOverwritesWithoutChangingTheCount) {
    CGMTRPoint2DCol col = Filled(3);
    EXPECT_EQ(col.put_Item(1, P(7)), 1);
    EXPECT_EQ(col.put_Item(2, P(8)), 1);
    EXPECT_EQ(Xs(col), (std::vector<double>{0, 7, 8}));
}

TEST(Point2DCol, CopiesAreIndependent) {
    CGMTRPoint2DCol source = Filled(3);
    CGMTRPoint2DCol copy(source);
    copy.put_Item(0, P(9));
    copy.Add(P(4));
    EXPECT_EQ(Xs(source), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(Xs(copy), (std::vector<double>{9, 1, 2, 4}));

    CGMTRPoint2DCol assigned = Filled(6);
    CGMTRPoint2DCol& result = (assigned = source);
    EXPECT_EQ(&result, &assigned);
    EXPECT_EQ(Xs(assigned), (std::vector<double>{0, 1, 2}));
    assigned.put_Item(2, P(5));
    assigned.Remove(0);
    EXPECT_EQ(Xs(source), (std::vector<double>{0, 1, 2}));

    CGMTRPoint2DCol& alias = source;
    source = alias;
    EXPECT_EQ(Xs(source), (std::vector<double>{0, 1, 2}));
}

TEST(Point2DCol, ClearEmptiesAndAddRestartsAtZero) {
    CGMTRPoint2DCol col = Filled(4);
    col.Clear();
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(col.IsEmpty(), 1);
    col.Add(P(3));
    EXPECT_EQ(Xs(col), (std::vector<double>{3}));
}

TEST(Point2DCol, AppendList) {
    CGMTRPoint2DCol col = Filled(2);
    CGMTRPoint2DCol empty;
    col.AppendList(empty);
    EXPECT_EQ(Xs(col), (std::vector<double>{0, 1}));

    CGMTRPoint2DCol other;
    other.Add(P(7));
    other.Add(P(8));
    other.Add(P(9));
    col.AppendList(other);
    EXPECT_EQ(Xs(col), (std::vector<double>{0, 1, 7, 8, 9}));
    EXPECT_EQ(Xs(other), (std::vector<double>{7, 8, 9}));

    empty.AppendList(other);
    EXPECT_EQ(Xs(empty), (std::vector<double>{7, 8, 9}));
}

TEST(Point2DCol, AppendListToItselfAppendsTheFormerPointsOnce) {
    // Large enough that the storage has to grow while appending.
    CGMTRPoint2DCol col = Filled(100);
    col.AppendList(col);
    ASSERT_EQ(col.GetCount(), 200);
    std::vector<double> xs = Xs(col);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(xs[i], i);
        EXPECT_EQ(xs[100 + i], i);
    }
    CGMTRPoint2DCol empty;
    empty.AppendList(empty);
    EXPECT_EQ(empty.GetCount(), 0);
}

TEST(Point2DCol, ItemsOfTheCollectionItselfCanBeAddedOrInserted) {
    // Adding or inserting a point that refers into the collection's own
    // storage must copy the value before the storage moves.
    CGMTRPoint2DCol col;
    col.Add(P(1));
    for (int i = 0; i < 40; ++i) {
        CGMTRPoint2D first;
        col.get_Item(0, first);
        col.Insert(0, first);
        col.Add(first);
    }
    EXPECT_EQ(col.GetCount(), 81);
    for (double x : Xs(col))
        EXPECT_EQ(x, 1);
}

TEST(Point2DCol, BadIndicesChangeNothing) {
    CGMTRPoint2DCol col = Filled(3);
    CGMTRPoint2D untouched(42, 43);
    EXPECT_EQ(col.get_Item(3, untouched), 0);
    EXPECT_EQ(col.get_Item(-1, untouched), 0);
    EXPECT_EQ(untouched.X(), 42);
    EXPECT_EQ(untouched.Y(), 43);
    EXPECT_EQ(col.put_Item(3, P(9)), 0);
    EXPECT_EQ(col.put_Item(-1, P(9)), 0);
    col.Insert(4, P(9));
    col.Insert(-1, P(9));
    col.Remove(3);
    col.Remove(-1);
    col.Remove(2147483647L);
    EXPECT_EQ(Xs(col), (std::vector<double>{0, 1, 2}));

    CGMTRPoint2DCol empty;
    EXPECT_EQ(empty.get_Item(0, untouched), 0);
    empty.Remove(0);
    EXPECT_EQ(empty.GetCount(), 0);
}
