// Crossings of segments with segments and with arcs.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

CGMTRPoint2D P(double x, double y) {
    return CGMTRPoint2D(x, y);
}

CGMTRLine2D L(double x1, double y1, double x2, double y2) {
    return CGMTRLine2D(P(x1, y1), P(x2, y2));
}

std::vector<CGMTRPoint2D> Points(const CGMTRPoint2DCol& col) {
    std::vector<CGMTRPoint2D> out;
    for (long i = 0; i < col.GetCount(); ++i) {
        CGMTRPoint2D p;
        col.get_Item(i, p);
        out.push_back(p);
    }
    return out;
}

int Cross(const CGMTRLine2D& a, CGMTRLine2D b, CGMTRPoint2DCol& col) {
    const int before = col.GetCount();
    a.GetCrossPoint(b, col);
    return col.GetCount() - before;
}

CGMTRArc2D Arc(double cx, double cy, double r, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(P(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(r * std::cos(start), r * std::sin(start)));
    arc.PutSweepAngle(sweep);
    return arc;
}

} // namespace

TEST(LineCross, ProperCrossingsOnlyInEitherOrder) {
    const CGMTRLine2D base = L(0, 0, 10, 0);
    CGMTRPoint2DCol col;
    ASSERT_EQ(Cross(base, L(5, -5, 5, 5), col), 1);
    ASSERT_EQ(Cross(L(5, -5, 5, 5), base, col), 1);
    ASSERT_EQ(Cross(L(10, 0, 0, 0), L(5, 5, 5, -5), col), 1);
    for (const CGMTRPoint2D& p : Points(col)) {
        EXPECT_EQ(p.X(), 5);
        EXPECT_EQ(p.Y(), 0);
    }
    // Touching, touching at an end, parallel, collinear overlap, disjoint.
    EXPECT_EQ(Cross(base, L(5, 0, 5, 5), col), 0);
    EXPECT_EQ(Cross(base, L(10, -5, 10, 5), col), 0);
    EXPECT_EQ(Cross(base, L(0, 1, 10, 1), col), 0);
    EXPECT_EQ(Cross(base, L(5, 0, 15, 0), col), 0);
    EXPECT_EQ(Cross(base, L(5, 0, 5, 0), col), 0);
    EXPECT_EQ(col.GetCount(), 3); // appended after what was there, never cleared
}

TEST(LineCross, TinyCrossingsFallBelowTheUnscaledTolerance) {
    CGMTRPoint2DCol col;
    // k1 * k2 = (0.0005 * 0.001)^2 = 2.5e-13.
    EXPECT_EQ(Cross(L(0, 0, 0.001, 0), L(0.0005, -0.0005, 0.0005, 0.0005), col), 0);
    // Segment (0,0)-(a,0) against (a/2,-h)-(a/2,h): both products are
    // (a * h)^2, compared with the tolerance however long the segments are.
    const double a = 1e-2;
    const double hIn = 2e-3;  // (2e-5)^2 = 4e-10, above the tolerance
    const double hOut = 5e-4; // (5e-6)^2 = 2.5e-11, below it
    EXPECT_EQ(Cross(L(0, 0, a, 0), L(a / 2, -hIn, a / 2, hIn), col), 1);
    EXPECT_EQ(Cross(L(0, 0, a, 0), L(a / 2, -hOut, a / 2, hOut), col), 0);
}

TEST(LineCross, RandomCrossingsAreFoundAndLieOnBothSegments) {
    std::mt19937 rng(4242);
    std::uniform_real_distribution<double> coord(-100.0, 100.0);
    std::uniform_real_distribution<double> angle(-GMTR_PI, GMTR_PI);
    std::uniform_real_distribution<double> len(1.0, 50.0);
    std::uniform_real_distribution<double> inside(0.05, 0.95);
    int crossings = 0;
    for (int i = 0; i < 2000; ++i) {
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
            EXPECT_NEAR(p.X(), x.X(), near);
            EXPECT_NEAR(p.Y(), x.Y(), near);
            EXPECT_LT(s1.Distance(p), 1e-9);
            EXPECT_LT(s2.Distance(p), 1e-9);
        }
        CGMTRPoint2D ex(-1, -1);
        ASSERT_EQ(s1.GetCrossPointEx(s2, ex), 1);
        EXPECT_NEAR(ex.X(), x.X(), near);
        EXPECT_NEAR(ex.Y(), x.Y(), near);
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
    EXPECT_GT(crossings, 1500);
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

TEST(LineCross, PolymorphicDispatchFromEitherSide) {
    CGMTRPoint2DCol col;
    L(0, 0, 1, 1).FGetCrossPoint(nullptr, col);
    EXPECT_EQ(col.GetCount(), 0);
    // A full unit circle: the segment through its centre meets it at (1, 0)
    // first and (-1, 0) second, whichever entity is asked.
    CGMTRArc2D circle = Arc(0, 0, 1, 0, GMTR_2PI);
    for (int reversed = 0; reversed < 2; ++reversed) {
        CGMTRLine2D line = reversed ? L(5, 0, -5, 0) : L(-5, 0, 5, 0);
        CGMTRPoint2DCol fromLine, fromArc;
        line.FGetCrossPoint(&circle, fromLine);
        circle.FGetCrossPoint(&line, fromArc);
        ASSERT_EQ(fromLine.GetCount(), 2);
        ASSERT_EQ(fromArc.GetCount(), 2);
        const double first = reversed ? -1 : 1;
        EXPECT_NEAR(Points(fromLine)[0].X(), first, 1e-15);
        EXPECT_NEAR(Points(fromLine)[1].X(), -first, 1e-15);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(Points(fromLine)[k].X(), Points(fromArc)[k].X());
            EXPECT_EQ(Points(fromLine)[k].Y(), Points(fromArc)[k].Y());
        }
    }
}

TEST(LineCross, SegmentAndArcAgreeOnRandomConfigurations) {
    std::mt19937 rng(99);
    std::uniform_real_distribution<double> coord(-20.0, 20.0);
    std::uniform_real_distribution<double> radius(1.0, 15.0);
    std::uniform_real_distribution<double> angle(-GMTR_PI, GMTR_PI);
    std::uniform_real_distribution<double> sweep(-6.0, 6.0);
    int found = 0;
    for (int i = 0; i < 1000; ++i) {
        const double shift = (i % 2) ? 1e6 : 0.0;
        CGMTRArc2D arc = Arc(coord(rng) + shift, coord(rng), radius(rng), angle(rng), sweep(rng));
        CGMTRLine2D line(P(coord(rng) + shift, coord(rng)), P(coord(rng) + shift, coord(rng)));
        CGMTRPoint2DCol a, b;
        line.FGetCrossPoint(&arc, a);
        arc.FGetCrossPoint(&line, b);
        ASSERT_EQ(a.GetCount(), b.GetCount());
        for (const CGMTRPoint2D& p : Points(a)) {
            EXPECT_LT(line.Distance(p), 1e-9);
            EXPECT_LT(arc.Distance(p), 1e-8);
        }
        const std::vector<CGMTRPoint2D> pa = Points(a), pb = Points(b);
        for (size_t k = 0; k < pa.size(); ++k) {
            EXPECT_EQ(pa[k].X(), pb[k].X());
            EXPECT_EQ(pa[k].Y(), pb[k].Y());
        }
        found += a.GetCount();
    }
    EXPECT_GT(found, 100);
}
