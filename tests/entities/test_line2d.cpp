// The directed segment: fields, setters, queries, percents, zero length.
#include "support/TestSupport.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

TEST(Line2D, LayoutAndSettersChangeOnlyWhatTheySay) {
    static_assert(sizeof(CGMTRLine2D) == sizeof(void*) + 4 * sizeof(double), "layout");
    CGMTRLine2D line(P(1, 2), CGMTRVector2D(3, 4));
    const double fields[4] = {1, 2, 3, 4}; // base point, then base vector
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&line) + sizeof(void*), fields, 32), 0);
    line.put_EndPoint(P(3, 4));
    ExpectAt(CGMTRPoint2D(line.get_BaseVector()), 2, 2, 0);
    line.put_BasePoint(P(-7, 2));
    ExpectAt(line.get_EndPoint(), -5, 4, 0);
    line.put_BaseVector(CGMTRVector2D(0, -3));
    ExpectAt(line.get_EndPoint(), -7, -1, 0);
    // Quarter turns are exact; the snapped sine of (-4, +0) is +0.
    line.put_BaseAngle(GMTR_HALF_PI);
    line.put_LineLength(4);
    ExpectAt(line.get_EndPoint(), -7, 6, 0);
    line.put_BaseAngle(-GMTR_PI);
    EXPECT_EQ(line.get_BaseAngle(), GMTR_PI);
}

TEST(Line2D, QueriesOnTheReferenceSegmentAndAZeroLengthOne) {
    const CGMTRLine2D seg = Seg(0, 0, 10, 0);
    ExpectAt(seg.PercentToPoint(-0.5), -5, 0, 0); // not clamped
    struct {
        short from;
        double len, want;
    } const rows[] = {{0, 2.5, 0.25}, {1, 2.5, 0.75}, {1, 10, 0},  {0, 0, 0},
                      {2, 2.5, -1},   {-1, 2.5, -1},  {0, -1, -1}, {0, 10.5, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(seg.DistanceToPercent(r.from, r.len), r.want) << r.from << " " << r.len;
    EXPECT_EQ(seg.CheckVerticalPointInRange(P(5, 1)), 1);
    EXPECT_EQ(seg.CheckVerticalPointInRange(P(12, 1)), 0);
    ExpectAt(seg.GetVerticalPoint(P(12, 1)), 12, 0, 0);
    EXPECT_EQ(seg.GetVerticalDis(P(-3, -4)), 4);
    ExpectAt(seg.GetNearestPoint(P(12, 1)), 10, 0, 0);
    // Detour: 2e beyond the end by e, about h * h / 4 beside the middle by h.
    EXPECT_NE(seg.PointToPercent(P(10 + 0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(10 + 1e-10, 0)), -1.0);
    EXPECT_NEAR(seg.PointToPercent(P(5, 1e-5)), 0.5, 1e-11);
    EXPECT_EQ(seg.PointToPercent(P(5, 4e-5)), -1.0);
    double minX, maxX, maxY, minY;
    Seg(5, 7, 1, 9).GetRectBox(minX, maxX, maxY, minY);
    ExpectAt(P(minX, maxX), 1, 5, 0);
    ExpectAt(P(maxY, minY), 9, 7, 0);
    CGMTRLine2D dot = Seg(1, 1, 1, 1); // zero length: IEEE values, no crash
    EXPECT_EQ(dot.Distance(P(4, 5)), 5);
    ExpectAt(dot.GetNearestPoint(P(4, 5)), 1, 1, 0);
    EXPECT_TRUE(std::isnan(dot.GetVerticalDis(P(4, 5))));
    EXPECT_EQ(dot.PointToPercent(P(4, 5)), -1.0);
    EXPECT_TRUE(std::isnan(dot.PointToPercent(P(1, 1))));
    EXPECT_EQ(dot.DistanceToPercent(0, 0.5), -1.0);
    EXPECT_TRUE(std::isnan(dot.DistanceToPercent(0, 0)));
    dot.put_LineLength(3);
    EXPECT_TRUE(std::isnan(dot.get_BaseVector().X()));
}

TEST(Line2D, RandomSegmentsRoundTrip) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> coord(-100.0, 100.0), unit(0.0, 1.0);
    for (int i = 0; i < 200; ++i) {
        const double shift = (i % 2) ? 1e6 : 0.0;
        const CGMTRPoint2D a(coord(rng) + shift, coord(rng) - shift);
        const CGMTRPoint2D b(coord(rng) + shift, coord(rng) - shift);
        const CGMTRLine2D seg(a, b);
        const double L = seg.get_LineLength(), t = unit(rng);
        if (L < 1.0)
            continue;
        const CGMTRPoint2D p = seg.PercentToPoint(t);
        EXPECT_NEAR(seg.PointToPercent(p), t, 1e-9);
        EXPECT_NEAR(seg.DistanceToPercent(1, t * L), 1 - t, 1e-12);
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(1.01)), -1.0);
        EXPECT_EQ(seg.PointToPercent(seg.PercentToPoint(-0.01)), -1.0);
    }
}

// The end point is the base point moved by Transfer, the matrix path. Every
// combination of signed zeros, infinities, NaN and ordinary values must give
// the same bits (any NaN counts as one value).
TEST(Line2D, EndPointMatchesTheTransferOnEverySpecialValue) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double v[] = {0.0, -0.0, 1.5, -1.5, 1e308, -4e-320, inf, -inf, nan};
    for (double x : v)
        for (double y : v)
            for (double vx : v)
                for (double vy : v) {
                    const CGMTRLine2D line(P(x, y), CGMTRVector2D(vx, vy));
                    CGMTRPoint2D want(x, y);
                    want.Transfer(CGMTRVector2D(vx, vy));
                    EXPECT_PRED2(SamePointBits, line.get_EndPoint(), want)
                        << "(" << x << ", " << y << ") + (" << vx << ", " << vy << ")";
                }
}
