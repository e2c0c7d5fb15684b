// The point collection: order, editing at both ends, independent copies,
// appending (itself included) and bad indices.
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Xs = std::vector<double>;

// Point i is (i, -i), so a mixed-up coordinate shows.
CGMTRPoint2D P(double i) {
    return CGMTRPoint2D(i, -i);
}

Xs Read(const CGMTRPoint2DCol& col) {
    Xs xs;
    for (long i = 0; i < col.GetCount(); ++i) {
        CGMTRPoint2D p(-99, -99);
        EXPECT_EQ(col.get_Item(i, p), 1);
        EXPECT_EQ(p.Y(), -p.X());
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

TEST(Point2DCol, AddInsertRemoveAndPutKeepTheOrder) {
    CGMTRPoint2DCol col;
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(col.IsEmpty(), 1);
    EXPECT_EQ(col.Add(P(5)), 1);
    EXPECT_EQ(col.IsEmpty(), 0);
    col.Add(P(6));
    col.Add(P(5)); // the same point twice: two entries
    EXPECT_EQ(Read(col), (Xs{5, 6, 5}));

    col.Insert(0, P(1));
    col.Insert(col.GetCount(), P(2));
    col.Insert(2, P(3));
    EXPECT_EQ(Read(col), (Xs{1, 5, 3, 6, 5, 2}));
    col.Remove(col.GetCount() - 1);
    col.Remove(0);
    col.Remove(1);
    EXPECT_EQ(Read(col), (Xs{5, 6, 5}));
    EXPECT_EQ(col.put_Item(2, P(8)), 1);
    EXPECT_EQ(Read(col), (Xs{5, 6, 8}));

    // Exact values are kept, far from the origin too.
    const CGMTRPoint2D far(1e6 + 0.123456789, -1e6 - 1e-9);
    col.Insert(1, far);
    CGMTRPoint2D back;
    col.get_Item(1, back);
    EXPECT_EQ(back.X(), far.X());
    EXPECT_EQ(back.Y(), far.Y());

    col.Clear();
    EXPECT_EQ(col.IsEmpty(), 1);
    col.Add(P(3));
    EXPECT_EQ(Read(col), (Xs{3}));
}

TEST(Point2DCol, CopiesAreIndependent) {
    CGMTRPoint2DCol source = Filled(3);
    CGMTRPoint2DCol copy(source);
    copy.put_Item(0, P(9));
    copy.Add(P(4));
    CGMTRPoint2DCol assigned = Filled(6);
    EXPECT_EQ(&(assigned = source), &assigned);
    EXPECT_EQ(Read(assigned), (Xs{0, 1, 2}));
    assigned.put_Item(2, P(5));
    assigned.Remove(0);
    EXPECT_EQ(Read(source), (Xs{0, 1, 2}));
    EXPECT_EQ(Read(copy), (Xs{9, 1, 2, 4}));
    CGMTRPoint2DCol& alias = source;
    source = alias;
    EXPECT_EQ(Read(source), (Xs{0, 1, 2}));
}

TEST(Point2DCol, AppendList) {
    CGMTRPoint2DCol col = Filled(2), empty, other;
    col.AppendList(empty);
    EXPECT_EQ(Read(col), (Xs{0, 1}));
    other.Add(P(7));
    other.Add(P(8));
    col.AppendList(other);
    EXPECT_EQ(Read(col), (Xs{0, 1, 7, 8}));
    EXPECT_EQ(Read(other), (Xs{7, 8}));

    // Appending to itself takes the points it held once, even when the
    // storage has to grow meanwhile.
    CGMTRPoint2DCol big = Filled(100);
    big.AppendList(big);
    const Xs xs = Read(big);
    ASSERT_EQ(xs.size(), 200u);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(xs[i] == i && xs[100 + i] == i) << i;
    empty.AppendList(empty);
    EXPECT_EQ(empty.GetCount(), 0);
}

TEST(Point2DCol, BadIndicesChangeNothing) {
    CGMTRPoint2DCol col = Filled(3);
    CGMTRPoint2D untouched(42, 43);
    for (long bad : {3L, -1L, 2147483647L}) {
        EXPECT_EQ(col.get_Item(bad, untouched), 0);
        EXPECT_EQ(col.put_Item(bad, P(9)), 0);
        col.Remove(bad);
    }
    col.Insert(4, P(9));
    col.Insert(-1, P(9));
    EXPECT_EQ(untouched.X(), 42);
    EXPECT_EQ(untouched.Y(), 43);
    EXPECT_EQ(Read(col), (Xs{0, 1, 2}));
    CGMTRPoint2DCol empty;
    empty.Remove(0);
    EXPECT_EQ(empty.get_Item(0, untouched), 0);
}
