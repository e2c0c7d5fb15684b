// The directed circular arc: sweep encoding, properties, percent and length
// conversions, nearest point, bounding box and degenerate arcs.
#include "arc2d_test_support.h"

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
    EXPECT_NEAR(minX, x0, 1e-12);
    EXPECT_NEAR(maxX, x1, 1e-12);
    EXPECT_NEAR(maxY, y1, 1e-12);
    EXPECT_NEAR(minY, y0, 1e-12);
}

} // namespace

TEST(Arc2D, LayoutDefaultsCopiesAndKind) {
    static_assert(sizeof(CGMTRArc2D) == sizeof(void*) + 7 * sizeof(double), "vptr, 6 doubles, int");
    CGMTRArc2D arc = MakeArc(1, 2, 5, 0, 2 * GMTR_PI);
    double f[6];
    std::memcpy(f, reinterpret_cast<const char*>(&arc) + sizeof(void*), sizeof(f));
    EXPECT_TRUE(f[0] == 5 && f[2] == 1 && f[3] == 2 && f[4] == 5); // MidVector, centre, BaseVector
    EXPECT_EQ(FullCircleFlag(arc), 1);

    CGMTRArc2D def;
    EXPECT_EQ(def.get_GeometryType(), GEOMETRY_ARC2D);
    EXPECT_TRUE(def.GetSweepAngle() == 0.0 && def.GetRadius() == 1.0 && FullCircleFlag(def) == 0);

    CGMTRBaseGeo2D* clone = arc.Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(static_cast<CGMTRArc2D*>(clone)->GetSweepAngle(), 2 * GMTR_PI);
    clone->Release();
    CGMTRArc2D assigned;
    EXPECT_EQ(&(assigned = arc), &assigned);
    EXPECT_EQ(FullCircleFlag(assigned), 1);
}

TEST(Arc2D, QuarterArcInBothDirections) {
    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    const double c = 10 * std::cos(GMTR_PI / 4);
    ExpectAt(q.GetEndPoint(), 0, 10);
    ExpectAt(q.PercentToPoint(0.5), c, c);
    ExpectAt(q.FGetMidPoint(), c, c);
    EXPECT_NEAR(q.PointToPercent(CGMTRPoint2D(0, 10)), 1.0, 1e-12);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(10, 0)), 0.0);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(0, -10)), -1.0);
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(5, 0)), -1.0);
    EXPECT_NE(q.PointToPercent(CGMTRPoint2D(10 + 0.5e-10, 0)), -1.0); // within the tolerance
    EXPECT_EQ(q.PointToPercent(CGMTRPoint2D(10 + 2e-10, 0)), -1.0);

    const double len = 5 * GMTR_PI;
    EXPECT_NEAR(q.DistanceToPercent(0, len / 2), 0.5, 1e-12);
    EXPECT_NEAR(q.DistanceToPercent(7, len / 4), 0.75,
                1e-12); // any nonzero start counts as the end
    EXPECT_EQ(q.DistanceToPercent(0, -1), -1.0);
    EXPECT_EQ(q.DistanceToPercent(0, len + 1), -1.0);
    EXPECT_NEAR(q.PercentToDistance(0.5), len / 2, 1e-12);
    ExpectBox(q, 0, 10, 10, 0);

    ExpectAt(q.GetNearestPoint(CGMTRPoint2D(0, -5)), 10, 0);
    EXPECT_NEAR(q.Distance(CGMTRPoint2D(0, -5)), std::sqrt(125.0), 1e-12);
    ExpectAt(q.GetNearestPoint(CGMTRPoint2D(20, 20)), c, c);
    EXPECT_NEAR(q.FDistance(CGMTRPoint2D(20, 20)), 20 * std::sqrt(2.0) - 10, 1e-12);
    ExpectAt(q.GetNearestPoint(CGMTRPoint2D(0, 0)), 10, 0);
    EXPECT_EQ(q.Distance(CGMTRPoint2D(0, 0)), 10);
    ExpectAt(q.GetVerticalPoint(CGMTRPoint2D(0, -5)), 0, -10, 0.0);
    EXPECT_EQ(q.CheckVerticalPointInRange(CGMTRPoint2D(0, -5)), 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(CGMTRPoint2D(3, 3)), 1);
    EXPECT_TRUE(q.GetVerticalDis(CGMTRPoint2D(20, 0)) == 10 &&
                q.GetVerticalDis(CGMTRPoint2D(4, 0)) == 6);
    EXPECT_TRUE(q.CheckAngleRange(GMTR_PI / 4) && !q.CheckAngleRange(GMTR_PI) &&
                q.CheckAngleRange(GMTR_PI / 4 + 2 * GMTR_PI));

    CGMTRArc2D cw = MakeArc(0, 0, 10, 0, -GMTR_PI / 2);
    ExpectAt(cw.GetEndPoint(), 0, -10);
    EXPECT_NEAR(cw.PointToPercent(CGMTRPoint2D(c, -c)), 0.5, 1e-12);
    EXPECT_EQ(cw.PointToPercent(CGMTRPoint2D(0, 10)), -1.0);
    EXPECT_NEAR(cw.PercentToDistance(1.0), len, 1e-12);
    EXPECT_TRUE(cw.CheckAngleRange(-GMTR_PI / 4) && !cw.CheckAngleRange(GMTR_PI / 4));
    ExpectBox(cw, 0, 10, 0, -10);
}

TEST(Arc2D, SweepEncodingFullCircleAndSetters) {
    CGMTRArc2D arc = MakeArc(0, 0, 10, 0, 3 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), GMTR_PI, 1e-12);
    arc.PutSweepAngle(-1.5 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), -1.5 * GMTR_PI, 1e-12);
    arc.PutSweepAngle(-2 * GMTR_PI);
    EXPECT_TRUE(arc.GetSweepAngle() == 0.0 && FullCircleFlag(arc) == 0);
    arc.PutSweepAngle(2 * GMTR_PI - 0.5e-10); // within tolerance of a full turn
    EXPECT_TRUE(arc.GetSweepAngle() == 2 * GMTR_PI && FullCircleFlag(arc) == 1);
    ExpectAt(arc.GetEndPoint(), 10, 0, 0.0);
    ExpectBox(arc, -10, 10, 10, -10);
    EXPECT_NEAR(arc.PointToPercent(CGMTRPoint2D(0, -10)), 0.75, 1e-12);
    EXPECT_NEAR(arc.PercentToDistance(0.5), GMTR_PI * 10, 1e-12);
    arc.PutMidVector(CGMTRVector2D(0, 1)); // the flag outlives vector changes
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);

    CGMTRArc2D q = MakeArc(0, 0, 10, 0, GMTR_PI / 2);
    q.PutBaseAngle(GMTR_PI);
    ExpectAt(q.GetStartPoint(), -10, 0);
    q.PutRadius(5);
    EXPECT_TRUE(std::fabs(q.GetRadius() - 5) < 1e-12 &&
                std::fabs(q.GetBaseAngle() - GMTR_PI) < 1e-12);
    EXPECT_NEAR(q.GetSweepAngle(), GMTR_PI / 2, 1e-12);

    CGMTRArc2D half;
    half.PutBaseVector(CGMTRVector2D(10, 0));
    half.PutMidVector(CGMTRVector2D(0, 1));
    EXPECT_NEAR(half.GetSweepAngle(), GMTR_PI, 1e-12);
    ExpectAt(half.GetEndPoint(), -10, 0);
}

TEST(Arc2D, FarFromOriginAndDegenerateArcs) {
    for (double sweep : {1.2, -1.2}) {
        CGMTRArc2D near = MakeArc(0, 0, 5, 0.9, sweep);
        CGMTRArc2D far = MakeArc(1e6, -2e6, 5, 0.9, sweep);
        const CGMTRPoint2D p = near.PercentToPoint(0.3), pf = far.PercentToPoint(0.3);
        ExpectAt(pf, p.X() + 1e6, p.Y() - 2e6, 1e-9);
        EXPECT_NEAR(far.PointToPercent(pf), 0.3, 1e-9);
        EXPECT_NEAR(far.Distance(CGMTRPoint2D(1e6 + 20, -2e6 + 20)),
                    near.Distance(CGMTRPoint2D(20, 20)), 1e-9);
    }
    CGMTRArc2D zero = MakeArc(1, 1, 0, 0, 1.0);
    zero.PutRadius(3);
    EXPECT_TRUE(std::isnan(zero.GetBaseVector().X()));
    CGMTRArc2D noMid = MakeArc(0, 0, 1, 0, 1.0);
    noMid.PutMidVector(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(noMid.GetEndPoint().X()));
    CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    EXPECT_TRUE(std::isnan(flat.DistanceToPercent(0, 0.0)) &&
                flat.DistanceToPercent(0, 0.5) == -1.0);
    EXPECT_TRUE(std::isnan(flat.PointToPercent(CGMTRPoint2D(2, 0))));
    ExpectAt(flat.GetVerticalPoint(CGMTRPoint2D(0, 0)), 2, 0, 0.0);
}
