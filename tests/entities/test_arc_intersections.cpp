// Arc intersections with arcs, segments and infinite lines: fixed
// configurations at the tolerance boundaries, then seeded random crossings
// built answer-first and checked against the known crossing points.
#include "support/TestSupport.h"

#include <random>

namespace {

const double kFull = 2 * GMTR_PI;

// Whether the direction of p from the centre lies well inside the arc (not
// within 1e-6 of either end).
bool WellInside(const CGMTRArc2D& arc, const CGMTRPoint2D& p) {
    const CGMTRPoint2D c = arc.GetBasePoint();
    const double a = std::atan2(p.Y() - c.Y(), p.X() - c.X()), s = arc.GetSweepAngle();
    if (s == kFull)
        return true;
    double e = std::fmod(s > 0 ? a - arc.GetBaseAngle() : arc.GetBaseAngle() - a, kFull);
    e = e < 0 ? e + kFull : e;
    return e > 1e-6 && e < std::fabs(s) - 1e-6;
}

} // namespace

TEST(ArcIntersections, ArcWithArcOrderToleranceAndRanges) {
    CGMTRPoint2DCol col;
    col.Add(P(7, 7)); // earlier content is kept
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, kFull), b = MakeArc(2, 0, 2, 0, kFull);
    a.GetCrossPointArc(b, col);
    const double s3 = std::sqrt(3.0);
    ExpectPoints(col, {P(7, 7), P(1, s3), P(1, -s3)});

    // The other arc's range keeps one candidate; a clockwise one the other.
    CGMTRArc2D ccwB = MakeArc(2, 0, 2, GMTR_PI / 2, GMTR_PI / 2);
    CGMTRArc2D cwB = MakeArc(2, 0, 2, -GMTR_PI / 2, -GMTR_PI / 2);
    CGMTRPoint2DCol one, other;
    a.FGetCrossPoint(&ccwB, one);
    a.GetCrossPointArc(cwB, other);
    ExpectPoints(one, {P(1, s3)});
    ExpectPoints(other, {P(1, -s3)});

    // Touching from outside and inside gives the point twice; just apart or
    // just inside, nothing; a touching point outside a range, nothing.
    const struct {
        double cx, rb, start, count, tx;
    } cases[] = {{2 + 0.5e-10, 1, 0, 2, 1},
                 {2 + 2e-10, 1, 0, 0, 0},
                 {2, 3, 0, 2, -1},
                 {2 - 2e-10, 3, 0, 0, 0},
                 {2, 1, 0.1, 0, 0}};
    for (const auto& c : cases) {
        CGMTRArc2D u = MakeArc(0, 0, 1, c.start, c.start == 0 ? kFull : 3.0);
        CGMTRArc2D v = MakeArc(c.cx, 0, c.rb, 0, kFull);
        CGMTRPoint2DCol touch;
        u.GetCrossPointArc(v, touch);
        ASSERT_EQ(touch.GetCount(), c.count) << c.cx;
        for (const CGMTRPoint2D& p : Points(touch))
            ExpectAt(p, c.tx, 0);
    }
    // Concentric circles, equal or not, report nothing.
    CGMTRArc2D same = MakeArc(0, 0, 2, 1.0, 2.0), inner = MakeArc(0, 0, 1, 0, kFull);
    a.GetCrossPointArc(same, col);
    a.GetCrossPointArc(inner, col);
    EXPECT_EQ(col.GetCount(), 3);
}

TEST(ArcIntersections, ArcWithSegmentAndLine) {
    CGMTRArc2D unit = MakeArc(0, 0, 1, 0, kFull), big = MakeArc(0, 0, 2, 0, kFull);
    CGMTRPoint2DCol through, reversed, seg, line, lower;
    unit.GetCrossPointLine(Seg(-5, 0, 5, 0), through); // ordered along the segment
    unit.GetCrossPointLine(Seg(5, 0, -5, 0), reversed);
    ExpectPoints(through, {P(1, 0), P(-1, 0)});
    ExpectPoints(reversed, {P(-1, 0), P(1, 0)});

    CGMTRLine2D shortSeg = Seg(0, 1, 1, 1);
    big.GetCrossPointLine(shortSeg, seg);
    big.GetCrossPointLineEx(shortSeg, line);
    EXPECT_EQ(seg.GetCount(), 0);
    ExpectPoints(line, {P(-std::sqrt(3.0), 1), P(std::sqrt(3.0), 1)});

    // Tangency within the tolerance gives the point twice, beyond it nothing.
    for (double off : {0.5e-10, 2e-10}) {
        CGMTRLine2D tangent = Seg(-3, 2 + off, 3, 2 + off);
        CGMTRPoint2DCol a, b;
        big.GetCrossPointLine(tangent, a);
        big.GetCrossPointLineEx(tangent, b);
        const std::vector<CGMTRPoint2D> twice(off < 1e-10 ? 2 : 0, P(0, 2));
        ExpectPoints(a, twice);
        ExpectPoints(b, twice);
    }
    // A clockwise quarter keeps only the lower crossing of x = 0.5.
    MakeArc(0, 0, 1, 0, -GMTR_PI / 2).GetCrossPointLine(Seg(0.5, -5, 0.5, 5), lower);
    ExpectPoints(lower, {P(0.5, -std::sqrt(0.75))});

    // Zero-length segments give nothing, even on a full circle.
    for (CGMTRLine2D dot : {Seg(0.5, 0, 0.5, 0), Seg(1, 0, 1, 0), Seg(0, 0, 0, 0)}) {
        CGMTRPoint2DCol a;
        unit.GetCrossPointLine(dot, a);
        unit.GetCrossPointLineEx(dot, a);
        EXPECT_EQ(a.GetCount(), 0);
    }
}

// Crossings are built first: a point x, a circle or a line through it at a
// generic angle, and the second crossing by reflection. Every known crossing
// well inside both entities must be reported, and every reported point must
// lie on both entities.
TEST(ArcIntersections, RandomCrossingsAreFoundAndLieOnBothEntities) {
    std::mt19937_64 rng(20261205);
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    auto uni = [&](double lo, double hi) { return lo + (hi - lo) * u01(rng); };
    auto sign = [&]() { return u01(rng) < 0.5 ? -1.0 : 1.0; };
    auto sweep = [&]() { return u01(rng) < 0.1 ? kFull : sign() * uni(0.2, kFull - 0.2); };
    int checked = 0;
    auto expectFound = [&](const std::vector<CGMTRPoint2D>& known, const CGMTRPoint2DCol& got) {
        for (const CGMTRPoint2D& k : known) {
            bool found = false;
            for (const CGMTRPoint2D& p : Points(got))
                found |= std::fabs(p.X() - k.X()) < 1e-8 && std::fabs(p.Y() - k.Y()) < 1e-8;
            EXPECT_TRUE(found);
            ++checked;
        }
    };
    for (int iter = 0; iter < 300; ++iter) {
        const double scale = iter % 3 == 0 ? 2e6 : (iter % 3 == 1 ? 2e5 : 0.0);
        const CGMTRPoint2D x(uni(-scale, scale) + uni(-5, 5), uni(-scale, scale) + uni(-5, 5));
        const double rA = uni(0.5, 10), tA = uni(-GMTR_PI, GMTR_PI);
        const CGMTRPoint2D cA(x.X() - rA * std::cos(tA), x.Y() - rA * std::sin(tA));
        CGMTRArc2D a = MakeArc(cA.X(), cA.Y(), rA, uni(-4, 4), sweep());
        std::vector<CGMTRPoint2D> known{x}, kept;
        CGMTRPoint2DCol got, line;
        if (iter % 2 == 0) {
            const double rB = uni(0.5, 10), tB = tA + sign() * uni(0.3, GMTR_PI - 0.3);
            const CGMTRPoint2D cB(x.X() - rB * std::cos(tB), x.Y() - rB * std::sin(tB));
            CGMTRArc2D b = MakeArc(cB.X(), cB.Y(), rB, uni(-4, 4), sweep());
            known.push_back(x);
            known.back().Mirror(cA, CGMTRVector2D(cB.X() - cA.X(), cB.Y() - cA.Y()));
            for (const CGMTRPoint2D& k : known)
                if (WellInside(a, k) && WellInside(b, k))
                    kept.push_back(k);
            a.GetCrossPointArc(b, got);
            expectFound(kept, got);
            const std::vector<CGMTRPoint2D> g = Points(got);
            for (const CGMTRPoint2D& p : g)
                EXPECT_TRUE(a.Distance(p) < 1e-9 && b.Distance(p) < 1e-9);
            if (g.size() == 2) { // left of the line of centres first
                EXPECT_GT((cB.X() - cA.X()) * (g[0].Y() - cA.Y()) -
                              (cB.Y() - cA.Y()) * (g[0].X() - cA.X()),
                          0.0);
            }
            continue;
        }
        const double psi = tA + sign() * uni(0.0, GMTR_PI / 2 - 0.3); // away from tangency
        const double back = uni(-2, 6), ahead = uni(0.5, 6) - (back < 0 ? back : 0);
        const double ux = std::cos(psi), uy = std::sin(psi);
        CGMTRLine2D seg =
            Seg(x.X() - back * ux, x.Y() - back * uy, x.X() + ahead * ux, x.Y() + ahead * uy);
        const double chord = 2 * ((cA.X() - x.X()) * ux + (cA.Y() - x.Y()) * uy);
        known.push_back(P(x.X() + chord * ux, x.Y() + chord * uy));
        for (const CGMTRPoint2D& k : known)
            if (WellInside(a, k))
                kept.push_back(k);
        a.GetCrossPointLineEx(seg, line);
        expectFound(kept, line);
        for (const CGMTRPoint2D& p : Points(line))
            EXPECT_TRUE(a.Distance(p) < 1e-9 && seg.GetVerticalDis(p) < 1e-9);
        seg.FGetCrossPoint(&a, got);
        for (const CGMTRPoint2D& p : Points(got))
            EXPECT_TRUE(a.Distance(p) < 1e-9 && seg.Distance(p) < 1e-9);
        // The segment test is an absolute 1e-10, finer than the coordinate
        // resolution near 1e6 (about 1.2e-10): completeness nearer the origin.
        if (scale < 1e6) {
            std::vector<CGMTRPoint2D> onSeg;
            for (const CGMTRPoint2D& k : kept) {
                const double t = (k.X() - x.X()) * ux + (k.Y() - x.Y()) * uy;
                if (t > -back + 1e-6 && t < ahead - 1e-6)
                    onSeg.push_back(k);
            }
            expectFound(onSeg, got);
        }
    }
    EXPECT_GT(checked, 200);
}
