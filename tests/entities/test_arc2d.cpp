// The directed circular arc: sweep encoding, properties, percent and length
// conversions, nearest point, bounding box and degenerate arcs.
#include "CGMTRArc2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

const double kEps = 1e-12;

CGMTRArc2D MakeArc(double cx, double cy, double vx, double vy, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(vx, vy));
    arc.PutSweepAngle(sweep);
    return arc;
}

int FullCircleFlag(const CGMTRArc2D& arc) {
    int flag = -1;
    std::memcpy(&flag, reinterpret_cast<const char*>(&arc) + sizeof(void*) + 6 * sizeof(double),
                sizeof(int));
    return flag;
}

void ExpectNear(const CGMTRPoint2D& p, double x, double y, double tol = kEps) {
    EXPECT_NEAR(p.X(), x, tol);
    EXPECT_NEAR(p.Y(), y, tol);
}

} // namespace

TEST(Arc2D, LayoutDefaultsCopiesAndKind) {
    static_assert(sizeof(CGMTRArc2D) == sizeof(void*) + 7 * sizeof(double), "vptr, 6 doubles, int");
    CGMTRArc2D arc = MakeArc(1, 2, 3, 4, 2 * GMTR_PI);
    double f[6];
    std::memcpy(f, reinterpret_cast<const char*>(&arc) + sizeof(void*), sizeof(f));
    EXPECT_EQ(f[0], 3); // MidVector equals BaseVector on a full circle
    EXPECT_EQ(f[2], 1);
    EXPECT_EQ(f[3], 2);
    EXPECT_EQ(f[4], 3);
    EXPECT_EQ(FullCircleFlag(arc), 1);

    CGMTRArc2D def;
    EXPECT_EQ(def.get_GeometryType(), GEOMETRY_ARC2D);
    EXPECT_EQ(def.GetSweepAngle(), 0.0);
    EXPECT_EQ(def.GetRadius(), 1.0);
    EXPECT_EQ(FullCircleFlag(def), 0);

    CGMTRBaseGeo2D* clone = arc.Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->get_GeometryType(), GEOMETRY_ARC2D);
    EXPECT_EQ(FullCircleFlag(*static_cast<CGMTRArc2D*>(clone)), 1);
    EXPECT_EQ(static_cast<CGMTRArc2D*>(clone)->GetSweepAngle(), 2 * GMTR_PI);
    clone->Release();
    CGMTRArc2D assigned;
    EXPECT_EQ(&(assigned = arc), &assigned);
    EXPECT_EQ(assigned.GetSweepAngle(), 2 * GMTR_PI);
    EXPECT_EQ(assigned.GetBasePoint().X(), 1);
}

TEST(Arc2D, QuarterArcQueries) {
    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    EXPECT_NEAR(q.GetSweepAngle(), GMTR_PI / 2, kEps);
    EXPECT_EQ(FullCircleFlag(q), 0);
    ExpectNear(q.GetEndPoint(), 0, 10);
    const double c = 10 * std::cos(GMTR_PI / 4);
    ExpectNear(q.PercentToPoint(0.5), c, c);
    ExpectNear(q.FGetMidPoint(), c, c);
    EXPECT_NEAR(q.PointToPercent(CGMTRPoint2D(0, 10)), 1.0, kEps);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(10, 0)), 0.0);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(0, -10)), -1.0);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(5, 0)), -1.0);
    // A point exactly GMTR_TOL off the circle still counts as on it.
    EXPECT_NE(q.PointToPercent(CGMTRPoint2D(10 + 0.5e-10, 0)), -1.0);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(10 + 2e-10, 0)), -1.0);

    const double len = 5 * GMTR_PI;
    EXPECT_NEAR(q.DistanceToPercent(0, len / 2), 0.5, kEps);
    EXPECT_NEAR(q.DistanceToPercent(1, len / 4), 0.75, kEps);
    EXPECT_NEAR(q.DistanceToPercent(7, len / 4), 0.75, kEps);
    EXPECT_EQ(q.DistanceToPercent(0, -1), -1.0);
    EXPECT_EQ(q.DistanceToPercent(0, len + 1), -1.0);
    EXPECT_NEAR(q.PercentToDistance(0.5), len / 2, kEps);

    double minX = 0, maxX = 0, maxY = 0, minY = 0;
    q.GetRectBox(minX, maxX, maxY, minY);
    EXPECT_EQ(minX, 10 * std::cos(GMTR_PI / 2)); // unsnapped cosine
    EXPECT_EQ(maxX, 10);
    EXPECT_EQ(maxY, 10);
    EXPECT_NEAR(minY, 0, kEps);

    ExpectNear(q.GetNearestPoint(CGMTRPoint2D(0, -5)), 10, 0);
    EXPECT_NEAR(q.Distance(CGMTRPoint2D(0, -5)), std::sqrt(125.0), kEps);
    ExpectNear(q.GetNearestPoint(CGMTRPoint2D(20, 20)), c, c);
    EXPECT_NEAR(q.FDistance(CGMTRPoint2D(20, 20)), 20 * std::sqrt(2.0) - 10, kEps);
    ExpectNear(q.GetNearestPoint(CGMTRPoint2D(0, 0)), 10, 0);
    EXPECT_EQ(q.Distance(CGMTRPoint2D(0, 0)), 10);

    ExpectNear(q.GetVerticalPoint(CGMTRPoint2D(0, -5)), 0, -10, 0.0);
    EXPECT_EQ(q.CheckVerticalPointInRange(CGMTRPoint2D(0, -5)), 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(CGMTRPoint2D(3, 3)), 1);
    EXPECT_EQ(q.GetVerticalDis(CGMTRPoint2D(20, 0)), 10);
    EXPECT_EQ(q.GetVerticalDis(CGMTRPoint2D(4, 0)), 6);
    EXPECT_EQ(q.CheckAngleRange(GMTR_PI / 4), 1);
    EXPECT_EQ(q.CheckAngleRange(GMTR_PI), 0);
    EXPECT_EQ(q.CheckAngleRange(GMTR_PI / 4 + 2 * GMTR_PI), 1);
}

TEST(Arc2D, ClockwiseArcRunsTheOtherWay) {
    CGMTRArc2D cw = MakeArc(0, 0, 10, 0, -GMTR_PI / 2);
    ExpectNear(cw.GetEndPoint(), 0, -10);
    EXPECT_NEAR(cw.PointToPercent(CGMTRPoint2D(0, -10)), 1.0, kEps);
    EXPECT_NEAR(cw.PointToPercent(CGMTRPoint2D(std::sqrt(50.0), -std::sqrt(50.0))), 0.5, kEps);
    EXPECT_EQ(cw.PointToPercent(CGMTRPoint2D(0, 10)), -1.0);
    EXPECT_NEAR(cw.PercentToDistance(1.0), 5 * GMTR_PI, kEps);
    EXPECT_EQ(cw.CheckAngleRange(-GMTR_PI / 4), 1);
    EXPECT_EQ(cw.CheckAngleRange(GMTR_PI / 4), 0);
    double minX = 0, maxX = 0, maxY = 0, minY = 0;
    cw.GetRectBox(minX, maxX, maxY, minY);
    EXPECT_EQ(minY, -10);
    EXPECT_EQ(maxX, 10);
    EXPECT_NEAR(maxY, 0, kEps);
}

TEST(Arc2D, SweepEncodingAndSetters) {
    CGMTRArc2D arc = MakeArc(0, 0, 10, 0, 3 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), GMTR_PI, kEps);
    arc.PutSweepAngle(-1.5 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), -1.5 * GMTR_PI, kEps);
    arc.PutSweepAngle(-2 * GMTR_PI);
    EXPECT_EQ(arc.GetSweepAngle(), 0.0);
    EXPECT_EQ(FullCircleFlag(arc), 0);
    arc.PutSweepAngle(2 * GMTR_PI - 0.5e-10); // within tolerance of a full turn
    EXPECT_EQ(FullCircleFlag(arc), 1);
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);

    // Full circle: end equals start, every direction on the arc.
    ExpectNear(arc.GetEndPoint(), 10, 0, 0.0);
    double minX = 0, maxX = 0, maxY = 0, minY = 0;
    arc.GetRectBox(minX, maxX, maxY, minY);
    EXPECT_EQ(minX, -10);
    EXPECT_EQ(maxX, 10);
    EXPECT_EQ(maxY, 10);
    EXPECT_EQ(minY, -10);
    EXPECT_NEAR(arc.PointToPercent(CGMTRPoint2D(0, -10)), 0.75, kEps);
    EXPECT_NEAR(arc.PercentToDistance(0.5), GMTR_PI * 10, kEps);
    // The flag survives changes of the vectors until the sweep is set again.
    arc.PutMidVector(CGMTRVector2D(0, 1));
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);

    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    q.PutBaseAngle(GMTR_PI);
    ExpectNear(q.GetStartPoint(), -10, 0);
    EXPECT_NEAR(q.GetSweepAngle(), GMTR_PI / 2, kEps);
    q.PutRadius(5);
    EXPECT_NEAR(q.GetRadius(), 5, kEps);
    EXPECT_NEAR(q.GetBaseAngle(), GMTR_PI, kEps);
    EXPECT_NEAR(q.GetSweepAngle(), GMTR_PI / 2, kEps);

    CGMTRArc2D half;
    half.PutBaseVector(CGMTRVector2D(10, 0));
    EXPECT_EQ(half.GetSweepAngle(), 0.0);
    half.PutMidVector(CGMTRVector2D(0, 1));
    EXPECT_NEAR(half.GetSweepAngle(), GMTR_PI, kEps);
    ExpectNear(half.GetEndPoint(), -10, 0);
}

TEST(Arc2D, FarFromOriginBehavesLikeTheCopyAtTheOrigin) {
    const double ox = 1e6, oy = -2e6;
    for (double sweep : {1.2, -1.2}) {
        CGMTRArc2D near = MakeArc(0, 0, 3, 4, sweep);
        CGMTRArc2D far = MakeArc(ox, oy, 3, 4, sweep);
        const CGMTRPoint2D p = near.PercentToPoint(0.3);
        const CGMTRPoint2D pf = far.PercentToPoint(0.3);
        EXPECT_NEAR(pf.X() - ox, p.X(), 1e-9);
        EXPECT_NEAR(pf.Y() - oy, p.Y(), 1e-9);
        EXPECT_NEAR(far.PointToPercent(pf), 0.3, 1e-9);
        EXPECT_NEAR(far.Distance(CGMTRPoint2D(ox + 20, oy + 20)),
                    near.Distance(CGMTRPoint2D(20, 20)), 1e-9);
    }
}

TEST(Arc2D, DegenerateArcsGiveNonFiniteValuesWithoutCrashing) {
    CGMTRArc2D zero = MakeArc(1, 1, 0, 0, 1.0);
    zero.PutRadius(3);
    EXPECT_TRUE(std::isnan(zero.GetBaseVector().X()));
    CGMTRArc2D noMid = MakeArc(0, 0, 1, 0, 1.0);
    noMid.PutMidVector(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(noMid.GetEndPoint().X()));
    CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    EXPECT_TRUE(std::isnan(flat.DistanceToPercent(0, 0.0)));
    EXPECT_EQ(flat.DistanceToPercent(0, 0.5), -1.0);
    EXPECT_TRUE(std::isnan(flat.PointToPercent(CGMTRPoint2D(2, 0))));
    ExpectNear(flat.GetVerticalPoint(CGMTRPoint2D(0, 0)), 2, 0, 0.0);
}
