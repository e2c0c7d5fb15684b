// The directed circular arc: sweep encoding, nearest points and distances in
// and out of its range, percents, boxes, degenerate arcs.
#include "support/TestSupport.h"

static_assert(sizeof(CGMTRArc2D) == sizeof(void*) + 7 * sizeof(double), "vptr, 6 doubles, int");

namespace {
const double kC = 10 * std::cos(GMTR_PI / 4), kLen = 5 * GMTR_PI;
// Quarter arcs of radius 10 round the origin from (10, 0): counter-clockwise
// to (0, 10) and clockwise to (0, -10); the full circle; and the first far out.
const CGMTRArc2D kCcw = MakeArc(0, 0, 10, 0, GMTR_HALF_PI),
                 kCw = MakeArc(0, 0, 10, 0, -GMTR_HALF_PI), kFull = MakeArc(0, 0, 10, 0, GMTR_2PI),
                 kFar = MakeArc(1e6, -2e6, 10, 0, GMTR_HALF_PI);
// The point of the circle of radius 10 in direction a.
CGMTRPoint2D On(double a) {
    return P(10 * std::cos(a), 10 * std::sin(a));
}
} // namespace

TEST(Arc2D, LayoutDefaultsAndSweepEncoding) {
    CGMTRArc2D arc = MakeArc(1, 2, 5, 0, GMTR_2PI), def;
    double f[6];
    int flag = -1;
    std::memcpy(f, reinterpret_cast<const char*>(&arc) + sizeof(void*), sizeof(f));
    std::memcpy(&flag, reinterpret_cast<const char*>(&arc) + sizeof(void*) + sizeof(f), 4);
    ExpectAt(P(f[2], f[3]), 1, 2, 0);    // the centre after the mid vector
    ExpectAt(P(f[0], f[4]), 5, 5, 0);    // mid vector x, base vector x
    EXPECT_EQ(flag, 1);                  // the full-circle flag last
    EXPECT_EQ(def.GetSweepAngle(), 0.0); // the default: radius 1 round the origin, from (1, 0)
    ExpectAt(def.GetEndPoint(), 1, 0, 0);
    arc = MakeArc(0, 0, 10, 0, 3 * GMTR_PI);
    EXPECT_NEAR(arc.GetSweepAngle(), GMTR_PI, 1e-12);
    arc.PutSweepAngle(-2 * GMTR_PI);
    EXPECT_EQ(arc.GetSweepAngle(), 0.0);
    arc.PutSweepAngle(2 * GMTR_PI - 0.5e-10); // within tolerance of a full turn
    arc.PutMidVector(CGMTRVector2D(0, 1));    // the flag outlives vector changes
    EXPECT_EQ(arc.GetSweepAngle(), 2 * GMTR_PI);
    CGMTRArc2D q = kCcw;
    q.PutBaseAngle(GMTR_PI);
    q.PutRadius(5);
    ExpectAt(q.GetStartPoint(), -5, 0);
    EXPECT_NEAR(q.GetBaseAngle() + q.GetSweepAngle(), 1.5 * GMTR_PI, 1e-12);
}

// Outside the range the nearer end wins (the start on a tie); at the centre the start.
TEST(Arc2D, NearestPointAndDistanceInAndOutOfRange) {
    const struct {
        const char* name;
        const CGMTRArc2D& arc;
        CGMTRPoint2D p, nearest;
        double distance;
    } rows[] = {
        {"ccw, in range, outside", kCcw, P(20, 20), P(kC, kC), 20 * std::sqrt(2.0) - 10},
        {"ccw, in range, inside", kCcw, P(3, 4), P(6, 8), 5},
        {"ccw, below: start nearer", kCcw, P(0, -5), P(10, 0), std::sqrt(125.0)},
        {"ccw, left: end nearer", kCcw, P(-5, 1), P(0, 10), std::sqrt(106.0)},
        {"ccw, centre", kCcw, P(0, 0), P(10, 0), 10},
        {"cw, in range", kCw, P(12, -16), P(6, -8), 10},
        {"cw, left: end nearer", kCw, P(-5, 0), P(0, -10), std::sqrt(125.0)},
        {"cw, above: start nearer", kCw, P(0, 5), P(10, 0), std::sqrt(125.0)},
        {"far, left: end nearer", kFar, P(1e6 - 5, -2e6 + 1), P(1e6, -2e6 + 10), std::sqrt(106.0)},
        {"far, below: start nearer", kFar, P(1e6, -2e6 - 5), P(1e6 + 10, -2e6), std::sqrt(125.0)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const double tol = r.p.X() > 1e5 ? 1e-9 : 1e-12;
        ExpectAt(r.arc.GetNearestPoint(r.p), r.nearest.X(), r.nearest.Y(), tol);
        ExpectAt(r.arc.FGetNearestPoint(r.p), r.nearest.X(), r.nearest.Y(), tol);
        EXPECT_NEAR(r.arc.Distance(r.p), r.distance, tol);
        EXPECT_NEAR(r.arc.FDistance(r.p), r.distance, tol);
    }
}

TEST(Arc2D, PointToPercentAtTheTolerances) {
    const struct {
        const char* name;
        const CGMTRArc2D& arc;
        CGMTRPoint2D p;
        double want; // -1 exactly, else within 1e-9
    } rows[] = {
        {"end", kCcw, P(0, 10), 1},
        {"start", kCcw, P(10, 0), 0},
        {"on the circle, out of range", kCcw, P(0, -10), -1},
        {"off the circle", kCcw, P(5, 0), -1},
        {"0.5e-10 outside the circle", kCcw, P(10 + 0.5e-10, 0), 0},
        {"2e-10 outside the circle", kCcw, P(10 + 2e-10, 0), -1},
        {"0.5e-10 before the start", kCcw, On(-0.5e-10), 0},
        {"0.5e-10 before a full circle's start", kFull, On(-0.5e-10), 1},
        {"full circle, a quarter turn back", kFull, P(0, -10), 0.75},
        {"cw end", kCw, P(0, -10), 1},
        {"cw middle", kCw, P(kC, -kC), 0.5},
    };
    for (const auto& r : rows) {
        const double got = r.arc.PointToPercent(r.p);
        if (r.want == -1)
            EXPECT_EQ(got, -1.0) << r.name;
        else
            EXPECT_NEAR(got, r.want, 1e-9) << r.name;
    }
    for (const CGMTRArc2D* arc : {&kCcw, &kCw, &kFar}) {
        const CGMTRPoint2D p = arc->PercentToPoint(0.3);
        EXPECT_NEAR(arc->PointToPercent(p), 0.3, 1e-9);
        ExpectAt(arc->FGetMidPoint(), arc->PercentToPoint(0.5).X(), arc->PercentToPoint(0.5).Y(),
                 1e-9);
    }
    CGMTRArc2D q = kCcw;
    EXPECT_NEAR(q.DistanceToPercent(0, kLen / 2), 0.5, 1e-12);
    EXPECT_NEAR(q.DistanceToPercent(7, kLen / 4), 0.75, 1e-12); // nonzero counts from the end
    EXPECT_EQ(q.DistanceToPercent(0, -1), -1.0);
    EXPECT_EQ(q.DistanceToPercent(0, kLen + 1), -1.0);
    EXPECT_NEAR(q.PercentToDistance(0.5), kLen / 2, 1e-12);
    EXPECT_NEAR(CGMTRArc2D(kCw).PercentToDistance(1.0), kLen, 1e-12); // a length, never negative
}

TEST(Arc2D, BoxesProjectionsAndRanges) {
    const struct {
        CGMTRArc2D arc;
        double minX, maxX, maxY, minY;
    } boxes[] = {
        {kCcw, 0, 10, 10, 0},
        {kCw, 0, 10, 0, -10},
        {MakeArc(0, 0, 10, 0, 2 * GMTR_PI - 0.5e-10), -10, 10, 10, -10},
        {MakeArc(1, 1, 2, GMTR_PI / 6, GMTR_PI / 6), 2, 1 + std::sqrt(3.0), 1 + std::sqrt(3.0), 2},
        {MakeArc(1, 1, 2, 2 * GMTR_PI / 3, GMTR_PI / 2), -1, 0, 1 + std::sqrt(3.0), 0},
    };
    for (const auto& b : boxes) {
        double minX = 0, maxX = 0, maxY = 0, minY = 0;
        b.arc.GetRectBox(minX, maxX, maxY, minY);
        ExpectAt(P(minX, maxX), b.minX, b.maxX);
        ExpectAt(P(maxY, minY), b.maxY, b.minY);
    }
    CGMTRArc2D q = kCcw, cw = kCw;
    ExpectAt(q.GetVerticalPoint(P(0, -5)), 0, -10, 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(P(0, -5)), 0);
    EXPECT_EQ(q.CheckVerticalPointInRange(P(3, 3)), 1);
    EXPECT_EQ(q.GetVerticalDis(P(4, 0)), 6);
    EXPECT_EQ(q.GetVerticalDis(P(0, -12)), 2);
    EXPECT_TRUE(q.CheckAngleRange(GMTR_PI / 4 + 2 * GMTR_PI));
    EXPECT_FALSE(q.CheckAngleRange(GMTR_PI));
    EXPECT_FALSE(cw.CheckAngleRange(GMTR_PI / 4));
}

TEST(Arc2D, DegenerateArcsGiveIeeeValues) {
    CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    CGMTRArc2D zero = MakeArc(1, 1, 0, 0, 1.0), noMid = MakeArc(0, 0, 1, 0, 1.0);
    zero.PutRadius(3);
    noMid.PutMidVector(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(zero.GetBaseVector().X()));
    EXPECT_TRUE(std::isnan(noMid.GetEndPoint().X()));
    EXPECT_TRUE(std::isnan(flat.DistanceToPercent(0, 0.0)));
    EXPECT_TRUE(std::isnan(flat.PointToPercent(P(2, 0))));
}
