// The directed circular arc: sweep encoding, queries, percents, degenerate arcs.
#include "support/TestSupport.h"

#include <cstring>

namespace {
void ExpectBox(const CGMTRArc2D& arc, double x0, double x1, double y1, double y0) {
    double minX = 0, maxX = 0, maxY = 0, minY = 0;
    arc.GetRectBox(minX, maxX, maxY, minY);
    ExpectAt(P(minX, maxX), x0, x1);
    ExpectAt(P(maxY, minY), y1, y0);
}
} // namespace

TEST(Arc2D, LayoutDefaultsAndSweepEncoding) {
    static_assert(sizeof(CGMTRArc2D) == sizeof(void*) + 7 * sizeof(double), "vptr, 6 doubles, int");
    CGMTRArc2D arc = MakeArc(1, 2, 5, 0, GMTR_2PI), def;
    double f[6];
    int flag = -1;
    std::memcpy(f, reinterpret_cast<const char*>(&arc) + sizeof(void*), sizeof(f));
    std::memcpy(&flag, reinterpret_cast<const char*>(&arc) + sizeof(void*) + sizeof(f), 4);
    ExpectAt(P(f[2], f[3]), 1, 2, 0); // the centre after the mid vector
    ExpectAt(P(f[0], f[4]), 5, 5, 0); // mid vector x, base vector x
    EXPECT_EQ(flag, 1);               // the full-circle flag last
    EXPECT_EQ(def.GetSweepAngle(), 0.0);
    arc = MakeArc(0, 0, 10, 0, 3 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), GMTR_PI, 1e-12);
    arc.PutSweepAngle(-2 * GMTR_PI);
    EXPECT_EQ(arc.GetSweepAngle(), 0.0);
    arc.PutSweepAngle(2 * GMTR_PI - 0.5e-10); // within tolerance of a full turn
    ExpectBox(arc, -10, 10, 10, -10);
    EXPECT_NEAR(arc.PointToPercent(P(0, -10)), 0.75, 1e-12);
    arc.PutMidVector(CGMTRVector2D(0, 1)); // the flag outlives vector changes
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);
    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    q.PutBaseAngle(GMTR_PI);
    q.PutRadius(5);
    ExpectAt(q.GetStartPoint(), -5, 0);
    EXPECT_NEAR(q.GetBaseAngle() + q.GetSweepAngle(), 1.5 * GMTR_PI, 1e-12);
}

TEST(Arc2D, QuarterArcsInBothDirectionsFarAwayAndDegenerate) {
    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2), cw = MakeArc(0, 0, 10, 0, -GMTR_PI / 2);
    const double c = 10 * std::cos(GMTR_PI / 4), len = 5 * GMTR_PI;
    EXPECT_NE(q.PointToPercent(P(10 + 0.5e-10, 0)), -1.0); // within the tolerance
    EXPECT_EQ(q.PointToPercent(P(10 + 2e-10, 0)), -1.0);
    EXPECT_NEAR(q.DistanceToPercent(7, len / 4), 0.75, 1e-12); // nonzero counts from the end
    EXPECT_EQ(q.DistanceToPercent(0, len + 1), -1.0);
    EXPECT_NEAR(q.PercentToDistance(0.5), len / 2, 1e-12);
    ExpectBox(q, 0, 10, 10, 0);
    ExpectAt(q.GetNearestPoint(P(0, 0)), 10, 0); // the centre: the start
    ExpectAt(q.GetVerticalPoint(P(0, -5)), 0, -10, 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(P(0, -5)), 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(P(3, 3)), 1);
    EXPECT_EQ(q.GetVerticalDis(P(4, 0)), 6);
    EXPECT_TRUE(q.CheckAngleRange(GMTR_PI / 4 + 2 * GMTR_PI));
    EXPECT_FALSE(cw.CheckAngleRange(GMTR_PI / 4));
    EXPECT_NEAR(cw.PointToPercent(P(c, -c)), 0.5, 1e-12);
    ExpectBox(cw, 0, 10, 0, -10);
    for (double sweep : {1.2, -1.2}) {
        CGMTRArc2D near = MakeArc(0, 0, 5, 0.9, sweep), far = MakeArc(1e6, -2e6, 5, 0.9, sweep);
        const CGMTRPoint2D p = near.PercentToPoint(0.3), pf = far.PercentToPoint(0.3);
        ExpectAt(pf, p.X() + 1e6, p.Y() - 2e6, 1e-9);
        EXPECT_NEAR(far.PointToPercent(pf), 0.3, 1e-9);
    }
    CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0); // degenerate arcs: IEEE values, no crash
    CGMTRArc2D zero = MakeArc(1, 1, 0, 0, 1.0), noMid = MakeArc(0, 0, 1, 0, 1.0);
    zero.PutRadius(3);
    noMid.PutMidVector(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(zero.GetBaseVector().X()));
    EXPECT_TRUE(std::isnan(noMid.GetEndPoint().X()));
    EXPECT_TRUE(std::isnan(flat.DistanceToPercent(0, 0.0)));
    EXPECT_TRUE(std::isnan(flat.PointToPercent(P(2, 0))));
}
