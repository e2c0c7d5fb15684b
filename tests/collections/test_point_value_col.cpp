// Point-value collection: byte-exact records, the used-value count kept apart
// from the records, and bad indices that change nothing.
#include "CGMTRPointValueCol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

static_assert(sizeof(tagGMTRPointValue) == 24 && std::is_trivial<tagGMTRPointValue>::value &&
                  !std::is_polymorphic<CGMTRPointValueCol>::value,
              "plain 24-byte record, plain collection");

static bool Same(const tagGMTRPointValue& a, const tagGMTRPointValue& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(PointValueCol, RecordsRoundTripByteForByteAndCountSurvivesClear) {
    CGMTRPointValueCol col, assigned;
    tagGMTRPointValue a{1e6 + 0.125, -3.5, {2.5f, -0.0f}}, b{-0.0, 1e-300, {1e30f, 7}}, got;
    EXPECT_TRUE(col.Add(a) == 1 && col.Add(b) == 1 && col.Add(a) == 1 && col.GetCount() == 3);
    EXPECT_TRUE(col.get_Item(1, got) == 1 && Same(got, b) && col.put_Item(0, b) == 1);
    col.SetUsedValueCount(2);
    CGMTRPointValueCol copy(col);
    col.Clear();
    EXPECT_TRUE(col.GetCount() == 0 && col.GetUsedValueCount() == 2);
    assigned = copy;
    assigned.put_Item(1, a); // copies are independent
    EXPECT_TRUE(copy.GetUsedValueCount() == 2 && assigned.GetCount() == 3 &&
                copy.get_Item(0, got) == 1 && Same(got, b) && copy.get_Item(1, got) &&
                Same(got, b));
}

TEST(PointValueCol, BadIndicesReportZeroAndChangeNothing) {
    CGMTRPointValueCol col;
    tagGMTRPointValue a{1, 2, {3, 4}}, b{5, 6, {7, 8}}, out = b;
    col.Add(a);
    for (long bad : {-1L, 1L, 1L << 40})
        EXPECT_TRUE(col.get_Item(bad, out) == 0 && col.put_Item(bad, b) == 0);
    EXPECT_TRUE(Same(out, b) && col.GetCount() == 1 && col.get_Item(0, out) == 1 && Same(out, a));
}
