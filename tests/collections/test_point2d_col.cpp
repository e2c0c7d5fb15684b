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

TEST(Point2DCol, EditingKeepsTheOrder) {
    CGMTRPoint2DCol col;
    EXPECT_EQ(col.IsEmpty(), 1);
    EXPECT_EQ(col.Add(P(5)), 1);
    col.Add(P(6));
    col.Add(P(5)); // the same point twice: two entries
    EXPECT_EQ(col.IsEmpty(), 0);
    col.Insert(0, P(1));
    col.Insert(col.GetCount(), P(2));
    col.Insert(2, P(3));
    EXPECT_EQ(Read(col), (Xs{1, 5, 3, 6, 5, 2}));
    col.Remove(col.GetCount() - 1);
    col.Remove(0);
    col.Remove(1);
    EXPECT_EQ(col.put_Item(2, P(8)), 1);
    EXPECT_EQ(Read(col), (Xs{5, 6, 8}));
    const CGMTRPoint2D far(1e6 + 0.123456789, -1e6 - 1e-9); // exact values are kept
    CGMTRPoint2D back;
    col.Insert(1, far);
    col.get_Item(1, back);
    EXPECT_TRUE(back.X() == far.X() && back.Y() == far.Y());
    col.Clear();
    EXPECT_EQ(col.IsEmpty(), 1);
    // Bad indices change nothing.
    CGMTRPoint2DCol three = Filled(3), empty;
    CGMTRPoint2D untouched(42, 43);
    for (long bad : {3L, -1L, 2147483647L}) {
        EXPECT_TRUE(three.get_Item(bad, untouched) == 0 && three.put_Item(bad, P(9)) == 0);
        three.Remove(bad);
    }
    three.Insert(4, P(9));
    three.Insert(-1, P(9));
    empty.Remove(0);
    EXPECT_TRUE(untouched.X() == 42 && untouched.Y() == 43 && empty.get_Item(0, untouched) == 0);
    EXPECT_EQ(Read(three), (Xs{0, 1, 2}));
}

TEST(Point2DCol, CopiesAreIndependentAndAppendListCopiesOnce) {
    CGMTRPoint2DCol source = Filled(3), copy(source), assigned = Filled(6), empty;
    copy.put_Item(0, P(9));
    copy.Add(P(4));
    EXPECT_EQ(&(assigned = source), &assigned);
    assigned.Remove(0);
    EXPECT_EQ(Read(assigned), (Xs{1, 2}));
    CGMTRPoint2DCol& alias = source;
    source = alias;
    EXPECT_EQ(Read(source), (Xs{0, 1, 2}));
    EXPECT_EQ(Read(copy), (Xs{9, 1, 2, 4}));
    copy.AppendList(empty);
    copy.AppendList(source);
    EXPECT_EQ(Read(copy), (Xs{9, 1, 2, 4, 0, 1, 2}));
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
