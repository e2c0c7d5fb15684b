// Directions of two entities at the point where they meet.
#include "support/TestSupport.h"

#include <random>

namespace {

// Angular difference folded into [0, pi].
double Gap(double a, double b) {
    return std::fabs(NormalizeSignedAngle(a - b));
}

struct Pair {
    double first, second;
};

Pair LineLine(const CGMTRLine2D& a, const CGMTRLine2D& b, const CGMTRPoint2D& p, int leaving) {
    Pair r{-99, -99};
    a.GetLineLineAngle(b, p, r.first, r.second, leaving);
    return r;
}

Pair LineArc(const CGMTRLine2D& a, const CGMTRArc2D& b, const CGMTRPoint2D& p, int leaving) {
    Pair r{-99, -99};
    a.GetLineArcAngle(b, p, r.first, r.second, leaving);
    return r;
}

Pair ArcArc(const CGMTRArc2D& a, const CGMTRArc2D& b, const CGMTRPoint2D& p, int leaving) {
    Pair r{-99, -99};
    a.GetArcArcAngle(b, p, r.first, r.second, leaving);
    return r;
}

CGMTRPoint2D ToPoint(const Pair& r) {
    return CGMTRPoint2D(r.first, r.second);
}
} // namespace

TEST(JunctionAngles, ReferenceContoursInBothSenses) {
    for (double shift : {0.0, 1e6}) {
        const CGMTRLine2D s1(P(shift, shift), P(shift + 10, shift));
        const CGMTRLine2D s2(P(shift, shift), P(shift, shift + 10));
        const CGMTRLine2D s3(P(shift + 10, shift), P(shift + 10, shift + 10));
        const CGMTRLine2D s4(P(shift + 10, shift), P(shift + 20, shift));
        const CGMTRArc2D q = MakeArc(shift, shift, 10, 0, GMTR_HALF_PI);
        const CGMTRPoint2D origin(shift, shift), corner(shift + 10, shift), top(shift, shift + 10);

        const double h = GMTR_HALF_PI;
        ExpectAt(ToPoint(LineLine(s1, s2, origin, 1)), 0, h, 0);
        ExpectAt(ToPoint(LineLine(s1, s2, origin, 0)), GMTR_PI, -h, 0); // -pi comes out as +pi
        ExpectAt(ToPoint(LineLine(s1, s3, corner, 1)), GMTR_PI, h, 0);
        ExpectAt(ToPoint(LineLine(s1, s3, corner, 0)), 0, -h, 0);
        ExpectAt(ToPoint(ArcArc(q, q, corner, 1)), h, h);
        EXPECT_NEAR(ArcArc(q, q, corner, 0).first, -h, 1e-12);
        ExpectAt(ToPoint(LineArc(s4, q, corner, 1)), 0, h);
        ExpectAt(ToPoint(LineArc(s4, q, corner, 0)), GMTR_PI, -h);

        // Clockwise quarter from (10, 0) to (0, -10).
        const CGMTRArc2D cw = MakeArc(shift, shift, 10, 0, -GMTR_HALF_PI);
        const CGMTRPoint2D bottom(shift, shift - 10);
        EXPECT_NEAR(ArcArc(cw, q, corner, 1).first, -GMTR_HALF_PI, 1e-12);
        EXPECT_NEAR(ArcArc(cw, q, corner, 0).first, GMTR_HALF_PI, 1e-12);
        EXPECT_NEAR(ArcArc(cw, q, bottom, 1).first, 0.0, 1e-12);
        EXPECT_NEAR(Gap(ArcArc(cw, q, bottom, 0).first, GMTR_PI), 0.0, 1e-12);
        EXPECT_NEAR(LineArc(s4, cw, bottom, 1).second, 0.0, 1e-12);
    }
}

TEST(JunctionAngles, StartTestIsPerCoordinate) {
    const CGMTRLine2D up(P(0, 0), P(0, 10));
    const CGMTRLine2D other(P(-5, 0), P(0, 0));
    // Both coordinates within the tolerance (their sum is not): the start.
    EXPECT_EQ(LineLine(up, other, P(0.9e-10, 0.9e-10), 1).first, GMTR_HALF_PI);
    // A difference of exactly the tolerance: treated as the end.
    EXPECT_EQ(LineLine(up, other, P(1e-10, 0), 1).first, -GMTR_HALF_PI);
    // A junction on neither entity gives the end directions of both.
    ExpectAt(ToPoint(LineLine(up, other, P(3, 3), 1)), -GMTR_HALF_PI, GMTR_PI, 0);
}

TEST(JunctionAngles, ZeroSweepArcEndsDifferBetweenTheTwoQueries) {
    // A point that is not the start counts as the end. There a zero sweep is
    // counter-clockwise for the segment query and clockwise for the arc one.
    const CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    const CGMTRLine2D line(P(5, 5), P(6, 5));
    EXPECT_EQ(LineArc(line, flat, P(7, 7), 1).second, -GMTR_HALF_PI);
    EXPECT_EQ(ArcArc(flat, flat, P(7, 7), 1).first, GMTR_HALF_PI);
    // At its start point the sign test is s >= 0 in both.
    EXPECT_EQ(LineArc(line, flat, P(2, 0), 1).second, GMTR_HALF_PI);
    EXPECT_EQ(ArcArc(flat, flat, P(2, 0), 1).first, GMTR_HALF_PI);
}

TEST(JunctionAngles, DirectionsFollowTheGeometryOnRandomContours) {
    // Leaving points from the junction towards a nearby point of the entity,
    // whichever way it runs; arriving is the opposite direction. (Far copies
    // are covered by the reference contours.)
    std::mt19937 rng(808);
    std::uniform_real_distribution<double> coord(-50.0, 50.0), radius(1.0, 20.0),
        angle(-GMTR_PI, GMTR_PI), sweep(0.2, 6.0);
    const double tol = 1e-5;
    for (int i = 0; i < 100; ++i) {
        const double s = (i % 2) ? sweep(rng) : -sweep(rng);
        const CGMTRArc2D arc = MakeArc(coord(rng), coord(rng), radius(rng), angle(rng), s);
        const CGMTRPoint2D start = arc.GetStartPoint(), end = arc.GetEndPoint();
        const CGMTRPoint2D far(coord(rng), coord(rng)), a1 = arc.PercentToPoint(1e-6),
                                                        a2 = arc.PercentToPoint(1 - 1e-6);
        const CGMTRLine2D out(end, far), in(far, end); // starting and ending at the arc's end
        const double atStart = GetDirectionAngle(start.X(), start.Y(), a1.X(), a1.Y());
        const double atEnd = GetDirectionAngle(end.X(), end.Y(), a2.X(), a2.Y());
        const double intoLine = GetDirectionAngle(end.X(), end.Y(), far.X(), far.Y());
        for (int leaving : {1, 0}) {
            const double turn = leaving ? 0.0 : GMTR_PI;
            for (const CGMTRLine2D* l : {&out, &in}) {
                const Pair r = LineArc(*l, arc, end, leaving);
                EXPECT_LT(Gap(r.first, intoLine + turn), 1e-9) << i;
                EXPECT_LT(Gap(r.second, atEnd + turn), tol) << i;
                EXPECT_TRUE(r.first > -GMTR_PI && r.first <= GMTR_PI && r.second > -GMTR_PI &&
                            r.second <= GMTR_PI);
            }
        }
        EXPECT_LT(Gap(ArcArc(arc, arc, start, 1).first, atStart), tol);
        EXPECT_LT(Gap(ArcArc(arc, arc, end, 0).second, atEnd + GMTR_PI), tol);
    }
}
