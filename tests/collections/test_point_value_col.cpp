// Point-value collection: byte-exact records, the used-value count kept apart
// from the records, and bad indices that change nothing.
#include "CGMTRPointValueCol.h"
#include "support/TestSupport.h"

#include <limits>

static_assert(sizeof(tagGMTRPointValue) == 24 && std::is_trivial<tagGMTRPointValue>::value &&
                  !std::is_polymorphic<CGMTRPointValueCol>::value,
              "plain 24-byte record, plain collection");

TEST(PointValueCol, RecordsRoundTripByteForByteAndCountSurvivesClear) {
    CGMTRPointValueCol col, assigned;
    tagGMTRPointValue a{1e6 + 0.125, -3.5, {2.5f, -0.0f}}, b{-0.0, 1e-300, {1e30f, 7}}, got{};
    for (tagGMTRPointValue* r : {&a, &b, &a})
        EXPECT_EQ(col.Add(*r), 1);
    EXPECT_EQ(col.GetCount(), 3);
    EXPECT_EQ(col.get_Item(1, got), 1);
    ExpectSame(got, b);
    EXPECT_EQ(col.put_Item(0, b), 1);
    col.SetUsedValueCount(2);
    CGMTRPointValueCol copy(col);
    col.Clear();
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(col.GetUsedValueCount(), 2);
    assigned = copy;
    assigned.put_Item(1, a); // copies are independent
    EXPECT_EQ(copy.GetUsedValueCount(), 2);
    EXPECT_EQ(assigned.GetUsedValueCount(), 2);
    EXPECT_EQ(assigned.GetCount(), 3);
    for (long i : {0L, 1L}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(copy.get_Item(i, got), 1);
        ExpectSame(got, b);
    }
}

TEST(PointValueCol, BadIndicesReportZeroAndChangeNothing) {
    CGMTRPointValueCol col;
    tagGMTRPointValue a{1, 2, {3, 4}}, b{5, 6, {7, 8}}, out = b;
    col.Add(a);
    // The largest and smallest `long` of the platform's width are bad on every platform.
    for (long bad : {-1L, 1L, std::numeric_limits<long>::max(), std::numeric_limits<long>::min()}) {
        EXPECT_EQ(col.get_Item(bad, out), 0) << bad;
        EXPECT_EQ(col.put_Item(bad, b), 0) << bad;
    }
    ExpectSame(out, b);
    EXPECT_EQ(col.GetCount(), 1);
    EXPECT_EQ(col.get_Item(0, out), 1);
    ExpectSame(out, a);
}
