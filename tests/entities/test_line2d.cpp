// The directed segment: properties, queries, percent parametrisation and the
// behaviour of a zero-length segment.
#include "support/TestSupport.h"

#include <cstring>
#include <random>

TEST(Line2D, LayoutAndSettersChangeOnlyWhatTheySay) {
    static_assert(sizeof(CGMTRLine2D) == sizeof(void*) + 4 * sizeof(double), "layout");
    CGMTRLine2D line(P(1, 2), CGMTRVector2D(3, 4));
    double f[4];
    std::memcpy(f, reinterpret_cast<const char*>(&line) + sizeof(void*), sizeof(f));
    EXPECT_TRUE(f[0] == 1 && f[1] == 2 && f[2] == 3 && f[3] == 4); // base point, base vector
    EXPECT_EQ(line.get_LineLength(), 5);
    line.put_EndPoint(P(3, 4));
    ExpectAt(CGMTRPoint2D(line.get_BaseVector()), 2, 2, 0);
    line.put_BasePoint(P(-7, 2));
    ExpectAt(line.get_EndPoint(), -5, 4, 0);
    CGMTRLine2D seg = Seg(0, 0, 10, 0);
    seg.put_BaseAngle(GMTR_HALF_PI);
    seg.put_LineLength(4);
    ExpectAt(CGMTRPoint2D(seg.get_BaseVector()), 0, 4, 0);
    ExpectAt(seg.get_BasePoint(), 0, 0, 0);
    seg.put_BaseAngle(-GMTR_PI);
    EXPECT_EQ(seg.get_BaseAngle(), GMTR_PI); // (-4, +0): the snapped sine is +0
}

TEST(Line2D, QueriesOnTheReferenceSegment) {
    const CGMTRLine2D seg = Seg(0, 0, 10, 0);
    ExpectAt(seg.GetMidPoint(), 5, 0, 0);
    ExpectAt(seg.PercentToPoint(-0.5), -5, 0, 0); // not clamped
    struct {
        short from;
        double len, want;
    } const rows[] = {{0, 2.5, 0.25}, {1, 2.5, 0.75}, {1, 10, 0},  {0, 0, 0},
                      {2, 2.5, -1},   {-1, 2.5, -1},  {0, -1, -1}, {0, 10.5, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(seg.DistanceToPercent(r.from, r.len), r.want) << r.from << " " << r.len;
    EXPECT_EQ(seg.PointToPercent(P(5, 1)), -1.0);
    EXPECT_TRUE(seg.CheckVerticalPointInRange(P(5, 1)) == 1 &&
                seg.CheckVerticalPointInRange(P(12, 1)) == 0 &&
                seg.CheckVerticalPointInRange(P(-0.5, -3)) == 0);
    ExpectAt(seg.GetVerticalPoint(P(12, 1)), 12, 0, 0);
    EXPECT_EQ(seg.GetVerticalDis(P(-3, -4)), 4);
    ExpectAt(seg.GetNearestPoint(P(12, 1)), 10, 0, 0);
    ExpectAt(seg.GetNearestPoint(P(-3, 4)), 0, 0, 0);
    EXPECT_TRUE(seg.Distance(P(13, -4)) == 5 && seg.Distance(P(3, -4)) == 4);
    // A point on the line beyond the end by e has the detour 2e; beside the
    // middle by h, about h * h / 4.
    EXPECT_NE(seg.PointToPercent(P(10 + 0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(10 + 1e-10, 0)), -1.0);
    EXPECT_NE(seg.PointToPercent(P(-0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(-1e-10, 0)), -1.0);
    EXPECT_NEAR(seg.PointToPercent(P(5, 1e-5)), 0.5, 1e-11);
    EXPECT_EQ(seg.PointToPercent(P(5, 4e-5)), -1.0);
    for (int reversed = 0; reversed < 2; ++reversed) {
        double minX, maxX, maxY, minY;
        (reversed ? Seg(1, 9, 5, 7) : Seg(5, 7, 1, 9)).GetRectBox(minX, maxX, maxY, minY);
        EXPECT_TRUE(minX == 1 && maxX == 5 && maxY == 9 && minY == 7);
        // Far away and vertical: the snapped cosine keeps x exact.
        const CGMTRLine2D v = reversed ? Seg(1e6 + 0.1, -3e6 + 7, 1e6 + 0.1, -3e6)
                                       : Seg(1e6 + 0.1, -3e6, 1e6 + 0.1, -3e6 + 7);
        EXPECT_EQ(v.GetMidPoint().X(), 1e6 + 0.1);
    }
}

TEST(Line2D, RandomSegmentsRoundTripAndAgreeOnDistances) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> coord(-100.0, 100.0), unit(0.0, 1.0);
    for (int i = 0; i < 300; ++i) {
        const double shift = (i % 2) ? 1e6 : 0.0;
        const CGMTRPoint2D a(coord(rng) + shift, coord(rng) - shift),
            b(coord(rng) + shift, coord(rng) - shift), q(coord(rng) + shift, coord(rng) - shift);
        const CGMTRLine2D seg(a, b), bwd(b, a);
        const double L = seg.get_LineLength(), t = unit(rng);
        if (L < 1.0)
            continue;
        const CGMTRPoint2D p = seg.PercentToPoint(t);
        EXPECT_NEAR(seg.PointToPercent(p), t, 1e-9);
        EXPECT_NEAR(seg.DistanceToPercent(1, t * L), 1 - t, 1e-12);
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(1.01)), -1.0);
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(-0.01)), -1.0);
        CGMTRPoint2D beside(p);
        beside.Transfer(seg.get_BaseVector().Orthogonal() * (1e-2 / L));
        EXPECT_EQ(seg.PointToPercent(beside), -1.0);
        // Nearest point and distance agree, whichever way the segment runs.
        const CGMTRPoint2D n = seg.GetNearestPoint(q);
        EXPECT_LT(n.Distance2D(bwd.GetNearestPoint(q)), 1e-8);
        EXPECT_NEAR(seg.Distance(q), q.Distance2D(n), 1e-8);
        EXPECT_LE(seg.Distance(q), std::fmin(q.Distance2D(a), q.Distance2D(b)) + 1e-9);
        EXPECT_GE(seg.Distance(q), seg.GetVerticalDis(q) - 1e-8);
    }
}

TEST(Line2D, ZeroLengthSegmentGivesIeeeValuesWithoutCrashing) {
    CGMTRLine2D dot = Seg(1, 1, 1, 1);
    EXPECT_EQ(dot.Distance(P(4, 5)), 5);
    ExpectAt(dot.GetNearestPoint(P(4, 5)), 1, 1, 0);
    ExpectAt(dot.PercentToPoint(7.5), 1, 1, 0);
    EXPECT_TRUE(std::isnan(dot.GetVerticalDis(P(4, 5))));
    EXPECT_TRUE(std::isnan(dot.GetVerticalPoint(P(4, 5)).X() + dot.GetVerticalPoint(P(4, 5)).Y()));
    EXPECT_EQ(dot.PointToPercent(P(4, 5)), -1.0);
    EXPECT_TRUE(std::isnan(dot.PointToPercent(P(1, 1))));
    EXPECT_TRUE(std::isinf(dot.PointToPercent(P(1 + 0.3e-10, 1))));
    EXPECT_EQ(dot.DistanceToPercent(0, 0.5), -1.0);
    EXPECT_TRUE(std::isnan(dot.DistanceToPercent(0, 0)));
    dot.put_LineLength(3);
    EXPECT_TRUE(std::isnan(dot.get_BaseVector().X()) && std::isnan(dot.get_BaseVector().Y()));
    ExpectAt(dot.get_BasePoint(), 1, 1, 0);
}
