// The directed segment: properties, queries, percent parametrisation and the
// behaviour of a zero-length segment.
#include "CGMTRLine2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

CGMTRPoint2D P(double x, double y) {
    return CGMTRPoint2D(x, y);
}

void ExpectPoint(const CGMTRPoint2D& p, double x, double y, double tol = 0.0) {
    if (tol == 0.0) {
        EXPECT_EQ(p.X(), x);
        EXPECT_EQ(p.Y(), y);
    } else {
        EXPECT_NEAR(p.X(), x, tol);
        EXPECT_NEAR(p.Y(), y, tol);
    }
}

} // namespace

TEST(Line2D, LayoutIsVtableThenBasePointThenBaseVector) {
    static_assert(sizeof(CGMTRLine2D) == sizeof(void*) + 4 * sizeof(double), "layout");
    CGMTRLine2D line(P(1, 2), CGMTRVector2D(3, 4));
    double fields[4];
    std::memcpy(fields, reinterpret_cast<const char*>(&line) + sizeof(void*), sizeof(fields));
    EXPECT_EQ(fields[0], 1);
    EXPECT_EQ(fields[1], 2);
    EXPECT_EQ(fields[2], 3);
    EXPECT_EQ(fields[3], 4);
}

TEST(Line2D, SettersChangeOnlyWhatTheySay) {
    CGMTRLine2D line(P(1, 1), P(4, 5));
    EXPECT_EQ(line.get_LineLength(), 5);
    line.put_EndPoint(P(3, 4));
    ExpectPoint(CGMTRPoint2D(line.get_BaseVector()), 2, 3);
    line.put_BasePoint(P(-7, 2));
    ExpectPoint(line.get_EndPoint(), -5, 5);

    CGMTRLine2D seg(P(0, 0), P(10, 0));
    seg.put_BaseAngle(GMTR_HALF_PI);
    ExpectPoint(CGMTRPoint2D(seg.get_BaseVector()), 0, 10);
    seg.put_LineLength(4);
    ExpectPoint(CGMTRPoint2D(seg.get_BaseVector()), 0, 4);
    ExpectPoint(seg.get_BasePoint(), 0, 0);
    seg.put_BaseAngle(-GMTR_PI);
    EXPECT_EQ(seg.get_BaseAngle(), GMTR_PI); // (-4, +0): the snapped sine is +0
}

TEST(Line2D, QueriesOnTheReferenceSegment) {
    const CGMTRLine2D seg(P(0, 0), P(10, 0));
    ExpectPoint(seg.GetMidPoint(), 5, 0);
    EXPECT_EQ(seg.PointToPercent(P(2.5, 0)), 0.25);
    ExpectPoint(seg.PercentToPoint(0.25), 2.5, 0);
    ExpectPoint(seg.PercentToPoint(1.5), 15, 0);
    ExpectPoint(seg.PercentToPoint(-0.5), -5, 0);
    EXPECT_EQ(seg.DistanceToPercent(0, 2.5), 0.25);
    EXPECT_EQ(seg.DistanceToPercent(1, 2.5), 0.75);
    EXPECT_EQ(seg.DistanceToPercent(0, 10), 1.0);
    EXPECT_EQ(seg.DistanceToPercent(1, 10), 0.0);
    EXPECT_EQ(seg.DistanceToPercent(0, 0), 0.0);
    EXPECT_EQ(seg.DistanceToPercent(2, 2.5), -1.0);
    EXPECT_EQ(seg.DistanceToPercent(-1, 2.5), -1.0);
    EXPECT_EQ(seg.DistanceToPercent(0, -1), -1.0);
    EXPECT_EQ(seg.DistanceToPercent(0, 10.5), -1.0);

    EXPECT_EQ(seg.PointToPercent(P(5, 1)), -1.0);
    EXPECT_EQ(seg.CheckVerticalPointInRange(P(5, 1)), 1);
    EXPECT_EQ(seg.CheckVerticalPointInRange(P(12, 1)), 0);
    EXPECT_EQ(seg.CheckVerticalPointInRange(P(-0.5, -3)), 0);
    ExpectPoint(seg.GetVerticalPoint(P(12, 1)), 12, 0);
    EXPECT_EQ(seg.GetVerticalDis(P(12, 1)), 1);
    EXPECT_EQ(seg.GetVerticalDis(P(-3, -4)), 4);

    ExpectPoint(seg.GetNearestPoint(P(12, 1)), 10, 0);
    ExpectPoint(seg.GetNearestPoint(P(-3, 4)), 0, 0);
    ExpectPoint(seg.GetNearestPoint(P(3, -4)), 3, 0);
    EXPECT_EQ(seg.Distance(P(-3, 4)), 5);
    EXPECT_EQ(seg.Distance(P(13, -4)), 5);
    EXPECT_EQ(seg.Distance(P(3, -4)), 4);
}

TEST(Line2D, RectBoxAndAxisMidPointsInBothDirections) {
    for (int reversed = 0; reversed < 2; ++reversed) {
        double minX, maxX, maxY, minY;
        (reversed ? CGMTRLine2D(P(1, 9), P(5, 7)) : CGMTRLine2D(P(5, 7), P(1, 9)))
            .GetRectBox(minX, maxX, maxY, minY);
        EXPECT_EQ(minX, 1);
        EXPECT_EQ(maxX, 5);
        EXPECT_EQ(maxY, 9);
        EXPECT_EQ(minY, 7);
        // Far away and vertical: the snapped cosine keeps x exact.
        const double ya = -3e6, yb = -3e6 + 7;
        const CGMTRLine2D vertical(P(1e6 + 0.1, reversed ? yb : ya),
                                   P(1e6 + 0.1, reversed ? ya : yb));
        EXPECT_EQ(vertical.GetMidPoint().X(), 1e6 + 0.1);
        EXPECT_DOUBLE_EQ(vertical.GetMidPoint().Y(), -3e6 + 3.5);
    }
}

TEST(Line2D, PercentToleranceBoundary) {
    // A point on the line beyond the end by e has the detour 2e.
    const CGMTRLine2D seg(P(0, 0), P(8, 0));
    EXPECT_NE(seg.PointToPercent(P(8 + 0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(8 + 1e-10, 0)), -1.0);
    EXPECT_NE(seg.PointToPercent(P(-0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(-1e-10, 0)), -1.0);
    // Beside the mid point by h, the detour is about h * h / 4: 2.5e-11
    // passes, 4e-10 does not.
    EXPECT_NEAR(seg.PointToPercent(P(4, 1e-5)), 0.5, 1e-11);
    EXPECT_EQ(seg.PointToPercent(P(4, 4e-5)), -1.0);
}

TEST(Line2D, PercentRoundTripsOnRandomSegments) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> coord(-100.0, 100.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 500; ++i) {
        const double shift = (i % 2) ? 1e6 : 0.0;
        const CGMTRPoint2D a(coord(rng) + shift, coord(rng) - shift);
        const CGMTRPoint2D b(coord(rng) + shift, coord(rng) - shift);
        const CGMTRLine2D seg(a, b);
        const double L = seg.get_LineLength();
        if (L < 1.0) {
            continue;
        }
        const double t = unit(rng);
        const CGMTRPoint2D p = seg.PercentToPoint(t);
        const double back = seg.PointToPercent(p);
        ASSERT_NE(back, -1.0);
        EXPECT_NEAR(back, t, 1e-9);
        EXPECT_NEAR(seg.DistanceToPercent(0, t * L), t, 1e-12);
        EXPECT_NEAR(seg.DistanceToPercent(1, t * L), 1 - t, 1e-12);
        // Off the segment: beyond either end, or beside it (foot in range).
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(1.01)), -1.0);
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(-0.01)), -1.0);
        CGMTRPoint2D beside(p);
        beside.Transfer(seg.get_BaseVector().Orthogonal() * (1e-2 / L));
        EXPECT_EQ(seg.PointToPercent(beside), -1.0);
        if (t > 1e-3 && t < 1 - 1e-3) {
            EXPECT_EQ(seg.CheckVerticalPointInRange(beside), 1);
        }
    }
}

TEST(Line2D, NearestPointAndDistanceAgreeOnRandomPoints) {
    std::mt19937 rng(77);
    std::uniform_real_distribution<double> coord(-50.0, 50.0);
    for (int i = 0; i < 500; ++i) {
        const double shift = (i % 2) ? -1e6 : 0.0;
        const CGMTRPoint2D a(coord(rng) + shift, coord(rng)), b(coord(rng) + shift, coord(rng));
        const CGMTRPoint2D q(coord(rng) + shift, coord(rng));
        const CGMTRLine2D fwd(a, b), bwd(b, a);
        const CGMTRPoint2D n = fwd.GetNearestPoint(q);
        EXPECT_LT(n.Distance2D(bwd.GetNearestPoint(q)), 1e-8);
        EXPECT_NEAR(fwd.Distance(q), q.Distance2D(n), 1e-8);
        EXPECT_LE(fwd.Distance(q), std::fmin(q.Distance2D(a), q.Distance2D(b)) + 1e-9);
        EXPECT_GE(fwd.Distance(q), fwd.GetVerticalDis(q) - 1e-8);
    }
}

TEST(Line2D, ZeroLengthSegmentGivesIeeeValuesWithoutCrashing) {
    CGMTRLine2D dot(P(1, 1), P(1, 1));
    EXPECT_EQ(dot.Distance(P(4, 5)), 5);
    ExpectPoint(dot.GetNearestPoint(P(4, 5)), 1, 1);
    ExpectPoint(dot.GetMidPoint(), 1, 1);
    ExpectPoint(dot.PercentToPoint(7.5), 1, 1);
    EXPECT_TRUE(std::isnan(dot.GetVerticalDis(P(4, 5))));
    EXPECT_TRUE(std::isnan(dot.GetVerticalPoint(P(4, 5)).X() + dot.GetVerticalPoint(P(4, 5)).Y()));
    EXPECT_EQ(dot.PointToPercent(P(4, 5)), -1.0);
    EXPECT_TRUE(std::isnan(dot.PointToPercent(P(1, 1))));
    EXPECT_TRUE(std::isinf(dot.PointToPercent(P(1 + 0.3e-10, 1))));
    EXPECT_EQ(dot.DistanceToPercent(0, 0.5), -1.0);
    EXPECT_TRUE(std::isnan(dot.DistanceToPercent(0, 0)));
    dot.put_LineLength(3);
    EXPECT_TRUE(std::isnan(dot.get_BaseVector().X()) && std::isnan(dot.get_BaseVector().Y()));
    ExpectPoint(dot.get_BasePoint(), 1, 1);
}
