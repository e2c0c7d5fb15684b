// Arc intersections with arcs, segments and infinite lines: fixed cases at
// the tolerance boundaries, then seeded random crossings built answer-first.
#include "support/TestSupport.h"

#include <random>

namespace {

// The direction of p from the centre is inside the arc, 1e-6 from either end.
bool WellInside(const CGMTRArc2D& arc, const CGMTRPoint2D& p) {
    const CGMTRPoint2D c = arc.GetBasePoint();
    const double a = std::atan2(p.Y() - c.Y(), p.X() - c.X()), s = arc.GetSweepAngle();
    double e = std::fmod(s > 0 ? a - arc.GetBaseAngle() : arc.GetBaseAngle() - a, GMTR_2PI);
    e = e < 0 ? e + GMTR_2PI : e;
    return s == GMTR_2PI || (e > 1e-6 && e < std::fabs(s) - 1e-6);
}

// When `expected`, k is among the reported points.
void ExpectFound(const CGMTRPoint2DCol& got, const CGMTRPoint2D& k, bool expected) {
    bool found = !expected;
    for (const CGMTRPoint2D& p : Points(got))
        found |= std::fabs(p.X() - k.X()) < 1e-8 && std::fabs(p.Y() - k.Y()) < 1e-8;
    EXPECT_TRUE(found) << k.X() << " " << k.Y();
}

// Every reported point lies on both entities.
void ExpectOnBoth(const CGMTRBaseGeo2D& a, const CGMTRBaseGeo2D& b, const CGMTRPoint2DCol& got) {
    for (const CGMTRPoint2D& p : Points(got)) {
        EXPECT_LT(a.Distance(p), 1e-9);
        EXPECT_LT(b.Distance(p), 1e-9);
    }
}

} // namespace

TEST(ArcIntersections, FixedCasesOrderAndTolerances) {
    CGMTRPoint2DCol col;
    col.Add(P(7, 7)); // earlier content is kept
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, GMTR_2PI), b = MakeArc(2, 0, 2, 0, GMTR_2PI);
    a.GetCrossPointArc(b, col);
    ExpectPoints(col, {P(7, 7), P(1, std::sqrt(3.0)), P(1, -std::sqrt(3.0))});
    // Touching from outside and inside gives the point twice; just apart or
    // just inside, nothing; a touching point outside a range, nothing; one
    // circle, nothing (arcs of one circle overlap rather than cross).
    const struct {
        double cx, rb, start, count, tx;
    } cases[] = {{2 + 0.5e-10, 1, 0, 2, 1}, {2 + 2e-10, 1, 0, 0, 0}, {2, 3, 0, 2, -1},
                 {2 - 2e-10, 3, 0, 0, 0},   {2, 1, 0.1, 0, 0},       {0, 1, 0, 0, 0}};
    for (const auto& c : cases) {
        CGMTRArc2D u = MakeArc(0, 0, 1, c.start, c.start == 0 ? GMTR_2PI : 3.0);
        CGMTRArc2D v = MakeArc(c.cx, 0, c.rb, 0, GMTR_2PI);
        CGMTRPoint2DCol touch;
        u.GetCrossPointArc(v, touch);
        ASSERT_EQ(touch.GetCount(), c.count) << c.cx;
        for (const CGMTRPoint2D& p : Points(touch))
            ExpectAt(p, c.tx, 0);
    }

    CGMTRPoint2DCol through, seg, line;
    a.GetCrossPointLine(Seg(-5, 0, 5, 0), through); // in the segment's direction
    a.GetCrossPointLine(Seg(5, 0, -5, 0), through);
    ExpectPoints(through, {P(2, 0), P(-2, 0), P(-2, 0), P(2, 0)});
    CGMTRLine2D shortSeg = Seg(0, 1, 1, 1); // both crossings beyond its ends
    a.GetCrossPointLine(shortSeg, seg);
    a.GetCrossPointLineEx(shortSeg, line);
    ExpectPoints(line, {P(-std::sqrt(3.0), 1), P(std::sqrt(3.0), 1)});
    // Tangency within the tolerance gives the point twice, beyond it nothing.
    for (double off : {0.5e-10, 2e-10}) {
        CGMTRLine2D tangent = Seg(-3, 2 + off, 3, 2 + off);
        CGMTRPoint2DCol twice;
        a.GetCrossPointLine(tangent, twice);
        a.GetCrossPointLineEx(tangent, twice);
        ExpectPoints(twice, std::vector<CGMTRPoint2D>(off < 1e-10 ? 4 : 0, P(0, 2)));
    }
    for (CGMTRLine2D dot : {Seg(2, 0, 2, 0), Seg(0, 0, 0, 0)}) { // zero length
        a.GetCrossPointLine(dot, seg);
        a.GetCrossPointLineEx(dot, seg);
    }
    EXPECT_EQ(seg.GetCount(), 0); // nothing from the short or the zero-length segments
}

// Answer first: a crossing x, a circle or a line through it, the second
// crossing y by reflection; both are found where well inside both entities.
TEST(ArcIntersections, RandomCrossingsAreFoundAndLieOnBothEntities) {
    std::mt19937_64 rng(20261205);
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    auto uni = [&](double lo, double hi) { return lo + (hi - lo) * u01(rng); };
    auto sign = [&]() { return u01(rng) < 0.5 ? -1.0 : 1.0; };
    auto sweep = [&]() { return u01(rng) < 0.1 ? GMTR_2PI : sign() * uni(0.2, GMTR_2PI - 0.2); };
    for (int iter = 0; iter < 200; ++iter) {
        const double scale = iter % 3 == 0 ? 2e6 : (iter % 3 == 1 ? 2e5 : 0.0);
        const CGMTRPoint2D x(uni(-scale, scale) + uni(-5, 5), uni(-scale, scale) + uni(-5, 5));
        const double rA = uni(0.5, 10), tA = uni(-GMTR_PI, GMTR_PI);
        const CGMTRPoint2D cA(x.X() - rA * std::cos(tA), x.Y() - rA * std::sin(tA));
        CGMTRArc2D a = MakeArc(cA.X(), cA.Y(), rA, uni(-4, 4), sweep());
        CGMTRPoint2D y(x);
        CGMTRPoint2DCol got, line;
        if (iter % 2 == 0) {
            const double rB = uni(0.5, 10), tB = tA + sign() * uni(0.3, GMTR_PI - 0.3);
            const CGMTRPoint2D cB(x.X() - rB * std::cos(tB), x.Y() - rB * std::sin(tB));
            CGMTRArc2D b = MakeArc(cB.X(), cB.Y(), rB, uni(-4, 4), sweep());
            y.Mirror(cA, CGMTRVector2D(cB.X() - cA.X(), cB.Y() - cA.Y()));
            a.GetCrossPointArc(b, got);
            ExpectOnBoth(a, b, got);
            for (const CGMTRPoint2D& k : {x, y})
                ExpectFound(got, k, WellInside(a, k) && WellInside(b, k));
            continue;
        }
        // The segment runs from x + lo * u to x + hi * u; y lies at x + chord * u.
        const double psi = tA + uni(0.3 - GMTR_PI / 2, GMTR_PI / 2 - 0.3); // away from tangency
        const double lo = uni(-6, 2), hi = std::fmax(lo, 0.0) + uni(0.5, 6);
        const double ux = std::cos(psi), uy = std::sin(psi);
        CGMTRLine2D seg = Seg(x.X() + lo * ux, x.Y() + lo * uy, x.X() + hi * ux, x.Y() + hi * uy);
        const double chord = 2 * ((cA.X() - x.X()) * ux + (cA.Y() - x.Y()) * uy);
        y = P(x.X() + chord * ux, x.Y() + chord * uy);
        a.GetCrossPointLineEx(seg, line);
        seg.FGetCrossPoint(&a, got);
        ExpectOnBoth(a, Seg(x.X() - 40 * ux, x.Y() - 40 * uy, x.X() + 40 * ux, x.Y() + 40 * uy),
                     line);
        ExpectOnBoth(a, seg, got);
        // The segment test is an absolute 1e-10, finer than the coordinate
        // resolution near 1e6 (about 1.2e-10): completeness nearer the origin.
        for (const CGMTRPoint2D& k : {x, y}) {
            const double t = (k.X() - x.X()) * ux + (k.Y() - x.Y()) * uy;
            ExpectFound(line, k, WellInside(a, k));
            ExpectFound(got, k, scale < 1e6 && WellInside(a, k) && t > lo + 1e-6 && t < hi - 1e-6);
        }
    }
}
