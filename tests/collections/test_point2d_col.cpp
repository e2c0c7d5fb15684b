// The point collection: order, editing at both ends, independent copies,
// appending (itself included) and bad indices.
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <vector>

using Xs = std::vector<double>;

// Point i is (i, -i), so a mixed-up coordinate shows.
static CGMTRPoint2D P(double i) {
    return CGMTRPoint2D(i, -i);
}

static Xs Read(const CGMTRPoint2DCol& col) {
    Xs xs;
    for (long i = 0; i < col.GetCount(); ++i) {
        CGMTRPoint2D p(-99, -99);
        EXPECT_TRUE(col.get_Item(i, p) == 1 && p.Y() == -p.X());
        xs.push_back(p.X());
    }
    return xs;
}

TEST(Point2DCol, EditingKeepsTheOrder) {
    CGMTRPoint2DCol col;
    EXPECT_TRUE(col.IsEmpty() == 1 && col.Add(P(5)) == 1);
    col.Add(P(6)), col.Add(P(5)); // the same point twice: two entries
    col.Insert(0, P(1)), col.Insert(col.GetCount(), P(2)), col.Insert(2, P(3));
    EXPECT_TRUE(col.IsEmpty() == 0 && Read(col) == (Xs{1, 5, 3, 6, 5, 2}));
    col.Remove(col.GetCount() - 1), col.Remove(0), col.Remove(1);
    EXPECT_TRUE(col.put_Item(2, P(8)) == 1 && Read(col) == (Xs{5, 6, 8}));
    CGMTRPoint2D untouched(42, 43);
    col.Clear(); // then bad indices change nothing
    for (double i : {0, 1, 2})
        col.Add(P(i));
    for (long bad : {3L, -1L, 2147483647L})
        EXPECT_TRUE(col.get_Item(bad, untouched) == 0 && col.put_Item(bad, P(9)) == 0);
    col.Remove(3), col.Remove(-1), col.Remove(2147483647L), col.Insert(4, P(9));
    col.Insert(-1, P(9));
    EXPECT_TRUE(untouched.X() == 42 && untouched.Y() == 43 && Read(col) == (Xs{0, 1, 2}));
}

TEST(Point2DCol, CopiesAreIndependentAndAppendListCopiesOnce) {
    CGMTRPoint2DCol source, assigned, empty, big;
    for (int i = 0; i < 100; ++i)
        big.Add(P(i)), i < 3 ? source.Add(P(i)) : assigned.Add(P(i));
    CGMTRPoint2DCol copy(source), &alias = source;
    copy.put_Item(0, P(9)), copy.Add(P(4));
    EXPECT_EQ(&(assigned = source), &assigned);
    assigned.Remove(0), source = alias, empty.Remove(0);
    EXPECT_TRUE(Read(assigned) == (Xs{1, 2}) && Read(source) == (Xs{0, 1, 2}));
    copy.AppendList(empty), copy.AppendList(source), empty.AppendList(empty);
    EXPECT_TRUE(Read(copy) == (Xs{9, 1, 2, 4, 0, 1, 2}) && empty.GetCount() == 0);
    // Appending to itself takes the points it held once, even while growing.
    big.AppendList(big);
    const Xs xs = Read(big);
    ASSERT_EQ(xs.size(), 200u);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(xs[i] == i && xs[100 + i] == i) << i;
}
