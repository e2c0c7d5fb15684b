// Small helpers shared by the arc test programs.
#ifndef GMTRRT_TESTS_ARC2D_TEST_SUPPORT_H
#define GMTRRT_TESTS_ARC2D_TEST_SUPPORT_H

#include "CGMTRArc2D.h"
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

/// An arc with centre (cx, cy), radius r, start angle `start` and `sweep`.
inline CGMTRArc2D MakeArc(double cx, double cy, double r, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(r * std::cos(start), r * std::sin(start)));
    arc.PutSweepAngle(sweep);
    return arc;
}

inline std::vector<CGMTRPoint2D> Points(const CGMTRPoint2DCol& col) {
    std::vector<CGMTRPoint2D> out(static_cast<size_t>(col.GetCount()));
    for (long i = 0; i < col.GetCount(); ++i) {
        col.get_Item(i, out[static_cast<size_t>(i)]);
    }
    return out;
}

inline void ExpectAt(const CGMTRPoint2D& p, double x, double y, double tol = 1e-12) {
    EXPECT_NEAR(p.X(), x, tol);
    EXPECT_NEAR(p.Y(), y, tol);
}

inline void ExpectPoints(const CGMTRPoint2DCol& col, const std::vector<CGMTRPoint2D>& expected,
                         double tol = 1e-12) {
    const std::vector<CGMTRPoint2D> got = Points(col);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        ExpectAt(got[i], expected[i].X(), expected[i].Y(), tol);
    }
}

#endif // GMTRRT_TESTS_ARC2D_TEST_SUPPORT_H
