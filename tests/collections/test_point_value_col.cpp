// Point-value collection: byte-exact records, the used-value count kept apart
// from the records, and bad indices that change nothing.
#include "CGMTRPointValueCol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

static_assert(sizeof(tagGMTRPointValue) == 24 && std::is_trivial<tagGMTRPointValue>::value &&
                  !std::is_polymorphic<CGMTRPointValueCol>::value,
              "plain 24-byte record, plain collection");

namespace {
tagGMTRPointValue Record(double x, double y, float v0, float v1) {
    tagGMTRPointValue r;
    std::memset(&r, 0, sizeof r);
    r.x = x, r.y = y, r.value[0] = v0, r.value[1] = v1;
    return r;
}
bool Same(const tagGMTRPointValue& a, const tagGMTRPointValue& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

TEST(PointValueCol, RecordsRoundTripByteForByteAndCountSurvivesClear) {
    CGMTRPointValueCol col, assigned;
    EXPECT_TRUE(col.GetCount() == 0 && col.GetUsedValueCount() == 0);
    tagGMTRPointValue a = Record(1e6 + 0.125, -3.5, 2.5f, -0.0f),
                      b = Record(-0.0, 1e-300, 1e30f, 7);
    tagGMTRPointValue got;
    EXPECT_TRUE(col.Add(a) == 1 && col.Add(b) == 1 && col.Add(a) == 1 && col.GetCount() == 3);
    EXPECT_TRUE(col.get_Item(1, got) == 1 && Same(got, b) && col.get_Item(2, got) && Same(got, a));
    EXPECT_TRUE(col.put_Item(0, b) == 1 && col.get_Item(0, got) == 1 && Same(got, b));

    col.SetUsedValueCount(2);
    CGMTRPointValueCol copy(col);
    col.Clear();
    EXPECT_TRUE(col.GetCount() == 0 && col.GetUsedValueCount() == 2);
    assigned = copy;
    assigned = assigned;
    assigned.put_Item(1, a); // copies are independent
    EXPECT_TRUE(copy.GetUsedValueCount() == 2 && assigned.GetUsedValueCount() == 2 &&
                assigned.GetCount() == 3 && copy.get_Item(1, got) == 1 && Same(got, b));
}

TEST(PointValueCol, BadIndicesReportZeroAndChangeNothing) {
    CGMTRPointValueCol col;
    tagGMTRPointValue a = Record(1, 2, 3, 4), b = Record(5, 6, 7, 8), out = b;
    EXPECT_EQ(col.get_Item(0, out), 0);
    col.Add(a);
    for (long bad : {-1L, 1L, 1L << 40})
        EXPECT_TRUE(col.get_Item(bad, out) == 0 && col.put_Item(bad, b) == 0);
    EXPECT_TRUE(Same(out, b) && col.GetCount() == 1 && col.get_Item(0, out) == 1 && Same(out, a));
}
