// The directed segment: fields, setters, queries, percents, zero length.
#include "support/TestSupport.h"

#include <limits>

static_assert(sizeof(CGMTRLine2D) == sizeof(void*) + 4 * sizeof(double),
              "table pointer, base point, base vector");

TEST(Line2D, SettersChangeOnlyWhatTheySay) {
    CGMTRLine2D line(P(1, 2), CGMTRVector2D(3, 4));
    const double fields[4] = {1, 2, 3, 4}; // base point, then base vector
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&line) + sizeof(void*), fields, 32), 0);
    line.put_EndPoint(P(3, 4));
    ExpectAt(line.get_BaseVector(), 2, 2, 0);
    line.put_BaseAngle(GMTR_HALF_PI); // quarter turns are exact
    line.put_LineLength(4);
    ExpectAt(line.get_EndPoint(), 1, 6, 0);
    line.put_BaseAngle(-GMTR_PI);
    EXPECT_EQ(line.get_BaseAngle(), GMTR_PI); // the snapped sine of (-4, +0) is +0
}

// Feet, nearest points and distances behind, beside and beyond a horizontal
// and an oblique segment. The oblique one runs from (1, 1) along (6, 8):
// (0, 8) lies 5 beside its middle (4, 5).
TEST(Line2D, FeetNearestPointsAndDistances) {
    const struct {
        CGMTRLine2D seg;
        CGMTRPoint2D p, foot, nearest;
        double distance, vertical;
        int inRange;
    } rows[] = {
        {Seg(0, 0, 10, 0), P(12, 1), P(12, 0), P(10, 0), std::sqrt(5.0), 1, 0},
        {Seg(0, 0, 10, 0), P(-3, -4), P(-3, 0), P(0, 0), 5, 4, 0},
        {Seg(0, 0, 10, 0), P(5, 1), P(5, 0), P(5, 0), 1, 1, 1},
        {Seg(1, 1, 7, 9), P(0, 8), P(4, 5), P(4, 5), 5, 5, 1},
        {Seg(7, 9, 1, 1), P(8, 2), P(4, 5), P(4, 5), 5, 5, 1},
        {Seg(1, 1, 7, 9), P(-2, 1), P(-0.08, -0.44), P(1, 1), 3, 2.4, 0},
        {Seg(1, 1, 7, 9), P(11, 12), P(9.88, 12.84), P(7, 9), 5, 1.4, 0},
        {Seg(1e6, -1e6, 1e6 + 6, -1e6 + 8), P(1e6 - 1, -1e6 + 7), P(1e6 + 3, -1e6 + 4),
         P(1e6 + 3, -1e6 + 4), 5, 5, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "segment from " << testing::PrintToString(r.seg.get_BasePoint())
                     << ", point " << testing::PrintToString(r.p));
        const double tol = r.p.X() > 1e5 ? 1e-9 : 1e-12;
        ExpectAt(r.seg.GetVerticalPoint(r.p), r.foot.X(), r.foot.Y(), tol);
        ExpectAt(r.seg.GetNearestPoint(r.p), r.nearest.X(), r.nearest.Y(), tol);
        ExpectAt(r.seg.FGetNearestPoint(r.p), r.nearest.X(), r.nearest.Y(), tol);
        EXPECT_NEAR(r.seg.Distance(r.p), r.distance, tol);
        EXPECT_NEAR(r.seg.FDistance(r.p), r.distance, tol);
        EXPECT_NEAR(r.seg.GetVerticalDis(r.p), r.vertical, tol);
        EXPECT_EQ(r.seg.CheckVerticalPointInRange(r.p), r.inRange);
    }
    ExpectAt(Seg(0, 0, 10, 0).GetVerticalPoint(P(12, 1)), 12, 0, 0); // axis-parallel: exact
    ExpectAt(Seg(1, 1, 7, 9).GetMidPoint(), 4, 5);
    ExpectAt(Seg(3, 2, 3, 9).GetMidPoint(), 3, 5.5, 0);
}

TEST(Line2D, PercentsAtTheirBoundaries) {
    const CGMTRLine2D seg = Seg(0, 0, 10, 0);
    ExpectAt(seg.PercentToPoint(-0.5), -5, 0, 0); // not clamped
    const struct {
        short from;
        double len, want;
    } rows[] = {{0, 2.5, 0.25}, {1, 2.5, 0.75}, {1, 10, 0},  {0, 0, 0},
                {2, 2.5, -1},   {-1, 2.5, -1},  {0, -1, -1}, {0, 10.5, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(seg.DistanceToPercent(r.from, r.len), r.want) << r.from << " " << r.len;
    // The detour d1 + d2 - L may reach the tolerance: 2e beyond the end by e,
    // about h * h / 4 beside the middle by h. At (1 + 0.5e-10, 0) the sum
    // d1 + d2 equals L + 1e-10 exactly.
    EXPECT_EQ(Seg(0, 0, 1, 0).PointToPercent(P(1 + 0.5e-10, 0)), 1 + 0.5e-10);
    EXPECT_NE(seg.PointToPercent(P(10 + 0.25e-10, 0)), -1.0);
    EXPECT_EQ(seg.PointToPercent(P(10 + 1e-10, 0)), -1.0);
    EXPECT_NEAR(seg.PointToPercent(P(5, 1e-5)), 0.5, 1e-11);
    EXPECT_EQ(seg.PointToPercent(P(5, 4e-5)), -1.0);
    EXPECT_NEAR(Seg(1, 1, 7, 9).PointToPercent(P(2.5, 3)), 0.25, 1e-15);
    double minX, maxX, maxY, minY;
    Seg(5, 7, 1, 9).GetRectBox(minX, maxX, maxY, minY);
    ExpectAt(P(minX, maxX), 1, 5, 0);
    ExpectAt(P(maxY, minY), 9, 7, 0);
}

TEST(Line2D, ZeroLengthGivesIeeeValues) {
    CGMTRLine2D dot = Seg(1, 1, 1, 1);
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
                    SCOPED_TRACE(testing::Message()
                                 << "(" << x << ", " << y << ") + (" << vx << ", " << vy << ")");
                    ExpectSame(line.get_EndPoint(), want);
                }
}
