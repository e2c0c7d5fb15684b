// Crossings of segments with segments and with arcs.
#include "support/TestSupport.h"

#include <random>

namespace {
CGMTRLine2D L(double x1, double y1, double x2, double y2) {
    return Seg(x1, y1, x2, y2);
}

int Cross(const CGMTRLine2D& a, CGMTRLine2D b, CGMTRPoint2DCol& col) {
    const int before = col.GetCount();
    a.GetCrossPoint(b, col);
    return col.GetCount() - before;
}
} // namespace

TEST(LineCross, ProperCrossingsOnlyInEitherOrder) {
    const CGMTRLine2D base = L(0, 0, 10, 0);
    CGMTRPoint2DCol col;
    ASSERT_EQ(Cross(base, L(5, -5, 5, 5), col), 1);
    ASSERT_EQ(Cross(L(5, -5, 5, 5), base, col), 1);
    ASSERT_EQ(Cross(L(10, 0, 0, 0), L(5, 5, 5, -5), col), 1);
    ExpectPoints(col, {P(5, 0), P(5, 0), P(5, 0)}, 0);
    // Touching, touching at an end, parallel, collinear overlap, zero length.
    for (const CGMTRLine2D& other :
         {L(5, 0, 5, 5), L(10, -5, 10, 5), L(0, 1, 10, 1), L(5, 0, 15, 0), L(5, 0, 5, 0)})
        EXPECT_EQ(Cross(base, other, col), 0);
    EXPECT_EQ(col.GetCount(), 3); // appended after what was there, never cleared
}

TEST(LineCross, TinyCrossingsFallBelowTheUnscaledTolerance) {
    CGMTRPoint2DCol col;
    // k1 * k2 = (0.0005 * 0.001)^2 = 2.5e-13.
    EXPECT_EQ(Cross(L(0, 0, 0.001, 0), L(0.0005, -0.0005, 0.0005, 0.0005), col), 0);
    // Segment (0,0)-(a,0) against (a/2,-h)-(a/2,h): both products are
    // (a * h)^2, compared with the tolerance however long the segments are.
    const double a = 1e-2;
    EXPECT_EQ(Cross(L(0, 0, a, 0), L(a / 2, -2e-3, a / 2, 2e-3), col), 1); // 4e-10
    EXPECT_EQ(Cross(L(0, 0, a, 0), L(a / 2, -5e-4, a / 2, 5e-4), col), 0); // 2.5e-11
}

TEST(LineCross, RandomCrossingsAreFoundAndLieOnBothSegments) {
    std::mt19937 rng(4242);
    std::uniform_real_distribution<double> coord(-100.0, 100.0), angle(-GMTR_PI, GMTR_PI),
        len(1.0, 50.0), inside(0.05, 0.95);
    int crossings = 0;
    for (int i = 0; i < 400; ++i) {
        const double shift = (i % 4 == 3) ? 1e6 : 0.0;
        // The answer first: a crossing point and two directions through it.
        const CGMTRPoint2D x(coord(rng) + shift, coord(rng) - shift);
        const double a1 = angle(rng), a2 = angle(rng);
        if (std::fabs(std::sin(a1 - a2)) < 0.05) {
            continue; // nearly parallel: not a generic configuration
        }
        const double l1 = len(rng), l2 = len(rng), t1 = inside(rng), t2 = inside(rng);
        const CGMTRPoint2D p1(x.X() - t1 * l1 * std::cos(a1), x.Y() - t1 * l1 * std::sin(a1));
        const CGMTRPoint2D p2(p1.X() + l1 * std::cos(a1), p1.Y() + l1 * std::sin(a1));
        const CGMTRPoint2D q1(x.X() - t2 * l2 * std::cos(a2), x.Y() - t2 * l2 * std::sin(a2));
        const CGMTRPoint2D q2(q1.X() + l2 * std::cos(a2), q1.Y() + l2 * std::sin(a2));
        CGMTRLine2D s1(p1, p2), s2(q1, q2), r1(p2, p1), r2(q2, q1);
        CGMTRPoint2DCol col;
        s1.GetCrossPoint(s2, col);
        s2.GetCrossPoint(s1, col);
        r1.GetCrossPoint(s2, col);
        s1.GetCrossPoint(r2, col);
        ASSERT_EQ(col.GetCount(), 4) << "case " << i;
        // The built segments pass through x only up to their own rounding,
        // which grows with the distance from the origin.
        const double near = shift != 0.0 ? 1e-8 : 1e-9;
        for (const CGMTRPoint2D& p : Points(col)) {
            ExpectAt(p, x.X(), x.Y(), near);
            EXPECT_TRUE(s1.Distance(p) < 1e-9 && s2.Distance(p) < 1e-9);
        }
        CGMTRPoint2D ex(-1, -1);
        ASSERT_EQ(s1.GetCrossPointEx(s2, ex), 1);
        ExpectAt(ex, x.X(), x.Y(), near);
        // Shorten the second segment so the crossing lies beyond its end:
        // the lines still cross, the segments no longer do.
        CGMTRLine2D shorter(q1, q2);
        shorter.put_LineLength(l2 * t2 * 0.9);
        CGMTRPoint2DCol none;
        s1.GetCrossPoint(shorter, none);
        EXPECT_EQ(none.GetCount(), 0);
        ASSERT_EQ(s1.GetCrossPointEx(shorter, ex), 1);
        EXPECT_NEAR(ex.X(), x.X(), near);
        ++crossings;
    }
    EXPECT_GT(crossings, 300);
}

TEST(LineCrossEx, SharedEndPointsThenTheDeterminant) {
    struct Case {
        CGMTRLine2D a, b;
        int result;
        double x, y;
    };
    const double F = 1e6;
    const Case cases[] = {
        // Shared start points: a corner, an overlap, opposite directions.
        {L(0, 0, 10, 0), L(0, 0, 0, 10), 1, 0, 0},
        {L(0, 0, 10, 0), L(0, 0, 5, 0), 0, 0, 0},
        {L(0, 0, 10, 0), L(0, 0, -5, 0), 1, 0, 0},
        // This start on the other's end, this end on the other's start or end.
        {L(0, 0, 10, 0), L(3, 0, 0, 0), 0, 0, 0},
        {L(0, 0, 10, 0), L(-3, 1, 0, 0), 1, 0, 0},
        {L(0, 0, 10, 0), L(10, 0, 20, 5), 1, 10, 0},
        {L(0, 0, 10, 0), L(10, 0, 5, 0), 0, 0, 0},
        {L(0, 0, 10, 0), L(10, 0, 20, 0), 1, 10, 0},
        {L(0, 0, 10, 0), L(5, 0, 10, 0), 0, 0, 0},
        {L(0, 0, 10, 0), L(10, 5, 10, 0), 1, 10, 0},
        // The same and the reversed segment overlap at the first shared end.
        {L(0, 0, 10, 0), L(0, 0, 10, 0), 0, 0, 0},
        {L(0, 0, 10, 0), L(10, 0, 0, 0), 0, 0, 0},
        {L(F, F, F + 10, F), L(F + 10, F, F + 10, F + 7), 1, F + 10, F},
        // No shared end: the crossing of the lines, wherever it lies.
        {L(0, 0, 1, 0), L(2, -1, 2, 1), 1, 2, 0},
        {L(0, 0, 1, 0), L(3, -0.25, 3.5, 0.25), 1, 3.25, 0},
        {L(0, 0, 10, 0), L(0, 1, 10, 1), 0, 0, 0},
        {L(0, 0, 10, 0), L(-20, 0, -15, 0), 0, 0, 0},
        {L(0, 0, 1, 0), L(0, 1, 1, 1 + 0.5e-10), 0, 0, 0}, // |det| below the tolerance
        {L(0, 0, 1, 0), L(0, 1, 1, 1 + 1e-9), 1, -1e9, 0},
        {L(3, 3, 3, 3), L(0, 0, 10, 0), 0, 0, 0},
    };
    int row = 0;
    for (const Case& c : cases) {
        CGMTRPoint2D out(-9, -9);
        ASSERT_EQ(c.a.GetCrossPointEx(c.b, out), c.result) << "row " << row;
        EXPECT_NEAR(out.X(), c.result ? c.x : -9, std::fabs(c.x) > 1e8 ? 1e3 : 0.0)
            << "row " << row;
        EXPECT_EQ(out.Y(), c.result ? c.y : -9) << "row " << row;
        ++row;
    }
}

TEST(LineCross, SegmentAndArcAgreeOnRandomConfigurations) {
    std::mt19937 rng(99);
    std::uniform_real_distribution<double> coord(-20.0, 20.0), radius(1.0, 15.0),
        angle(-GMTR_PI, GMTR_PI), sweep(-6.0, 6.0);
    int found = 0;
    for (int i = 0; i < 300; ++i) {
        const double shift = (i % 2) ? 1e6 : 0.0;
        CGMTRArc2D arc =
            MakeArc(coord(rng) + shift, coord(rng), radius(rng), angle(rng), sweep(rng));
        CGMTRLine2D line(P(coord(rng) + shift, coord(rng)), P(coord(rng) + shift, coord(rng)));
        CGMTRPoint2DCol a, b;
        line.FGetCrossPoint(&arc, a);
        arc.FGetCrossPoint(&line, b);
        ExpectPoints(b, Points(a), 0); // the same points in the same order
        for (const CGMTRPoint2D& p : Points(a))
            EXPECT_TRUE(line.Distance(p) < 1e-9 && arc.Distance(p) < 1e-8);
        found += a.GetCount();
    }
    EXPECT_GT(found, 30);
}
