// The point collection: order, editing at both ends, independent copies,
// appending (itself included) and bad indices.
#include "CGMTRPoint2DCol.h"
#include "support/TestSupport.h"

using Xs = std::vector<double>;

// Point i is (i, -i), so a mixed-up coordinate shows.
static CGMTRPoint2D P(double i) {
    return CGMTRPoint2D(i, -i);
}

static Xs Read(const CGMTRPoint2DCol& col) {
    Xs xs;
    for (long i = 0; i < col.GetCount(); ++i) {
        CGMTRPoint2D p(-99, -99);
        EXPECT_EQ(col.get_Item(i, p), 1) << i;
        EXPECT_EQ(p.Y(), -p.X()) << i;
        xs.push_back(p.X());
    }
    return xs;
}

TEST(Point2DCol, EditingKeepsTheOrder) {
    CGMTRPoint2DCol col;
    EXPECT_EQ(col.IsEmpty(), 1);
    EXPECT_EQ(col.Add(P(5)), 1);
    col.Add(P(6));
    col.Add(P(5)); // the same point twice: two entries
    col.Insert(0, P(1));
    col.Insert(col.GetCount(), P(2));
    col.Insert(2, P(3));
    EXPECT_EQ(col.IsEmpty(), 0);
    EXPECT_EQ(Read(col), (Xs{1, 5, 3, 6, 5, 2}));
    col.Remove(col.GetCount() - 1);
    col.Remove(0);
    col.Remove(1);
    EXPECT_EQ(col.put_Item(2, P(8)), 1);
    EXPECT_EQ(Read(col), (Xs{5, 6, 8}));
    CGMTRPoint2D untouched(42, 43);
    col.Clear(); // then bad indices change nothing
    for (double i : {0, 1, 2})
        col.Add(P(i));
    for (long bad : {3L, -1L, 2147483647L}) {
        EXPECT_EQ(col.get_Item(bad, untouched), 0) << bad;
        EXPECT_EQ(col.put_Item(bad, P(9)), 0) << bad;
        col.Remove(bad);
    }
    col.Insert(4, P(9));
    col.Insert(-1, P(9));
    ExpectAt(untouched, 42, 43, 0);
    EXPECT_EQ(Read(col), (Xs{0, 1, 2}));
}

TEST(Point2DCol, CopiesAreIndependentAndAppendListCopiesOnce) {
    CGMTRPoint2DCol source, assigned, empty;
    for (int i = 0; i < 100; ++i)
        (i < 3 ? source : assigned).Add(P(i));
    CGMTRPoint2DCol copy(source), &alias = source;
    copy.put_Item(0, P(9));
    copy.Add(P(4));
    EXPECT_EQ(&(assigned = source), &assigned);
    assigned.Remove(0);
    source = alias;
    empty.Remove(0);
    EXPECT_EQ(Read(assigned), (Xs{1, 2}));
    EXPECT_EQ(Read(source), (Xs{0, 1, 2}));
    copy.AppendList(empty);
    copy.AppendList(source);
    empty.AppendList(empty);
    EXPECT_EQ(empty.GetCount(), 0);
    copy.AppendList(copy); // takes the 7 points it held once, even while growing
    EXPECT_EQ(Read(copy), (Xs{9, 1, 2, 4, 0, 1, 2, 9, 1, 2, 4, 0, 1, 2}));
}
