// The directed circular arc: sweep encoding, properties, percent and length
// conversions, nearest point, bounding box and degenerate arcs.
#include "support/TestSupport.h"

#include <cstring>

namespace {
int FullCircleFlag(const CGMTRArc2D& arc) {
    int flag = -1;
    std::memcpy(&flag, reinterpret_cast<const char*>(&arc) + sizeof(void*) + 6 * sizeof(double),
                sizeof(int));
    return flag;
}

void ExpectBox(const CGMTRArc2D& arc, double x0, double x1, double y1, double y0) {
    double minX = 0, maxX = 0, maxY = 0, minY = 0;
    arc.GetRectBox(minX, maxX, maxY, minY);
    ExpectAt(P(minX, maxX), x0, x1);
    ExpectAt(P(maxY, minY), y1, y0);
}
} // namespace

TEST(Arc2D, LayoutDefaultsAndSweepEncoding) {
    static_assert(sizeof(CGMTRArc2D) == sizeof(void*) + 7 * sizeof(double), "vptr, 6 doubles, int");
    CGMTRArc2D arc = MakeArc(1, 2, 5, 0, 2 * GMTR_PI), def;
    double f[6];
    std::memcpy(f, reinterpret_cast<const char*>(&arc) + sizeof(void*), sizeof(f));
    EXPECT_TRUE(f[0] == 5 && f[2] == 1 && f[3] == 2 && f[4] == 5); // MidVector, centre, BaseVector
    EXPECT_EQ(FullCircleFlag(arc), 1);
    EXPECT_TRUE(def.GetSweepAngle() == 0.0 && def.GetRadius() == 1.0 && FullCircleFlag(def) == 0);

    arc = MakeArc(0, 0, 10, 0, 3 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), GMTR_PI, 1e-12);
    arc.PutSweepAngle(-1.5 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), -1.5 * GMTR_PI, 1e-12);
    arc.PutSweepAngle(-2 * GMTR_PI);
    EXPECT_TRUE(arc.GetSweepAngle() == 0.0 && FullCircleFlag(arc) == 0);
    arc.PutSweepAngle(2 * GMTR_PI - 0.5e-10); // within tolerance of a full turn
    EXPECT_TRUE(arc.GetSweepAngle() == 2 * GMTR_PI && FullCircleFlag(arc) == 1);
    ExpectAt(arc.GetEndPoint(), 10, 0, 0);
    ExpectBox(arc, -10, 10, 10, -10);
    EXPECT_NEAR(arc.PointToPercent(P(0, -10)), 0.75, 1e-12);
    arc.PutMidVector(CGMTRVector2D(0, 1)); // the flag outlives vector changes
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);

    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2), half;
    q.PutBaseAngle(GMTR_PI);
    q.PutRadius(5);
    ExpectAt(q.GetStartPoint(), -5, 0);
    EXPECT_NEAR(q.GetBaseAngle() + q.GetSweepAngle(), 1.5 * GMTR_PI, 1e-12);
    half.PutBaseVector(CGMTRVector2D(10, 0));
    half.PutMidVector(CGMTRVector2D(0, 1));
    ExpectAt(half.GetEndPoint(), -10, 0);
}

TEST(Arc2D, QuarterArcInBothDirections) {
    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    const double c = 10 * std::cos(GMTR_PI / 4), len = 5 * GMTR_PI;
    ExpectAt(q.GetEndPoint(), 0, 10);
    ExpectAt(q.FGetMidPoint(), c, c);
    EXPECT_EQ(q.PointToPercent(P(10, 0)), 0.0);
    EXPECT_TRUE(q.PointToPercent(P(0, -10)) == -1.0 && q.PointToPercent(P(5, 0)) == -1.0);
    EXPECT_NE(q.PointToPercent(P(10 + 0.5e-10, 0)), -1.0); // within the tolerance
    EXPECT_EQ(q.PointToPercent(P(10 + 2e-10, 0)), -1.0);
    EXPECT_NEAR(q.DistanceToPercent(7, len / 4), 0.75, 1e-12); // nonzero counts from the end
    EXPECT_TRUE(q.DistanceToPercent(0, -1) == -1.0 && q.DistanceToPercent(0, len + 1) == -1.0);
    EXPECT_NEAR(q.PercentToDistance(0.5), len / 2, 1e-12);
    ExpectBox(q, 0, 10, 10, 0);
    ExpectAt(q.GetNearestPoint(P(0, -5)), 10, 0);
    EXPECT_NEAR(q.Distance(P(0, -5)), std::sqrt(125.0), 1e-12);
    ExpectAt(q.GetNearestPoint(P(20, 20)), c, c);
    ExpectAt(q.GetNearestPoint(P(0, 0)), 10, 0); // the centre: the start
    ExpectAt(q.GetVerticalPoint(P(0, -5)), 0, -10, 0);
    EXPECT_TRUE(q.CheckVerticalPointInRange(P(0, -5)) == 0 &&
                q.CheckVerticalPointInRange(P(3, 3)) == 1);
    EXPECT_TRUE(q.GetVerticalDis(P(20, 0)) == 10 && q.GetVerticalDis(P(4, 0)) == 6);
    EXPECT_TRUE(q.CheckAngleRange(GMTR_PI / 4 + 2 * GMTR_PI) && !q.CheckAngleRange(GMTR_PI));

    CGMTRArc2D cw = MakeArc(0, 0, 10, 0, -GMTR_PI / 2);
    ExpectAt(cw.GetEndPoint(), 0, -10);
    EXPECT_NEAR(cw.PointToPercent(P(c, -c)), 0.5, 1e-12);
    EXPECT_EQ(cw.PointToPercent(P(0, 10)), -1.0);
    EXPECT_NEAR(cw.PercentToDistance(1.0), len, 1e-12);
    EXPECT_TRUE(cw.CheckAngleRange(-GMTR_PI / 4) && !cw.CheckAngleRange(GMTR_PI / 4));
    ExpectBox(cw, 0, 10, 0, -10);
}

TEST(Arc2D, FarFromOriginAndDegenerateArcs) {
    for (double sweep : {1.2, -1.2}) {
        CGMTRArc2D near = MakeArc(0, 0, 5, 0.9, sweep), far = MakeArc(1e6, -2e6, 5, 0.9, sweep);
        const CGMTRPoint2D p = near.PercentToPoint(0.3), pf = far.PercentToPoint(0.3);
        ExpectAt(pf, p.X() + 1e6, p.Y() - 2e6, 1e-9);
        EXPECT_NEAR(far.PointToPercent(pf), 0.3, 1e-9);
        EXPECT_NEAR(far.Distance(P(1e6 + 20, -2e6 + 20)), near.Distance(P(20, 20)), 1e-9);
    }
    CGMTRArc2D zero = MakeArc(1, 1, 0, 0, 1.0), noMid = MakeArc(0, 0, 1, 0, 1.0);
    zero.PutRadius(3);
    noMid.PutMidVector(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(zero.GetBaseVector().X()) && std::isnan(noMid.GetEndPoint().X()));
    CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    EXPECT_TRUE(std::isnan(flat.DistanceToPercent(0, 0.0)) &&
                flat.DistanceToPercent(0, 0.5) == -1.0);
    EXPECT_TRUE(std::isnan(flat.PointToPercent(P(2, 0))));
    ExpectAt(flat.GetVerticalPoint(P(0, 0)), 2, 0, 0);
}
