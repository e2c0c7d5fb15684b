// Arc intersections with arcs, segments and infinite lines: fixed
// configurations at the tolerance boundaries, then seeded random crossings
// built answer-first and checked against the known crossing points.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

CGMTRArc2D MakeArc(double cx, double cy, double r, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(r * std::cos(start), r * std::sin(start)));
    arc.PutSweepAngle(sweep);
    return arc;
}

CGMTRLine2D Seg(double x1, double y1, double x2, double y2) {
    return CGMTRLine2D(CGMTRPoint2D(x1, y1), CGMTRPoint2D(x2, y2));
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

void ExpectPoints(const CGMTRPoint2DCol& col, std::vector<CGMTRPoint2D> expected, double tol) {
    const std::vector<CGMTRPoint2D> got = Points(col);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].X(), expected[i].X(), tol) << i;
        EXPECT_NEAR(got[i].Y(), expected[i].Y(), tol) << i;
    }
}

// Where direction `a` falls on an arc starting at `start` and sweeping
// `sweep`: 1 well inside, 0 well outside, -1 too close to an end to say.
int Inside(double a, double start, double sweep, double margin = 1e-6) {
    if (sweep == 2 * GMTR_PI) {
        return 1;
    }
    double e = std::fmod((sweep > 0 ? a - start : start - a), 2 * GMTR_PI);
    if (e < 0) {
        e += 2 * GMTR_PI;
    }
    const double s = std::fabs(sweep);
    if (e > margin && e < s - margin) {
        return 1;
    }
    if (e > s + margin && e < 2 * GMTR_PI - margin) {
        return 0;
    }
    return -1;
}

} // namespace

TEST(ArcIntersections, ArcWithArcOrderToleranceAndRanges) {
    CGMTRPoint2DCol col;
    col.Add(CGMTRPoint2D(7, 7)); // earlier content is kept
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, 2 * GMTR_PI);
    CGMTRArc2D b = MakeArc(2, 0, 2, 0, 2 * GMTR_PI);
    a.GetCrossPointArc(b, col);
    const double s3 = std::sqrt(3.0);
    ExpectPoints(col, {CGMTRPoint2D(7, 7), CGMTRPoint2D(1, s3), CGMTRPoint2D(1, -s3)}, 1e-12);

    // B's range keeps one candidate; a clockwise B keeps the other.
    CGMTRPoint2DCol one, other;
    CGMTRArc2D ccwB = MakeArc(2, 0, 2, GMTR_PI / 2, GMTR_PI / 2);
    CGMTRArc2D cwB = MakeArc(2, 0, 2, -GMTR_PI / 2, -GMTR_PI / 2);
    a.FGetCrossPoint(&ccwB, one);
    a.GetCrossPointArc(cwB, other);
    ExpectPoints(one, {CGMTRPoint2D(1, s3)}, 1e-12);
    ExpectPoints(other, {CGMTRPoint2D(1, -s3)}, 1e-12);

    // Touching from outside and inside: the point twice; just apart: nothing.
    const struct {
        double cx, rb, count, tx;
    } cases[] = {{2 + 0.5e-10, 1, 2, 1}, {2 + 2e-10, 1, 0, 0}, {2, 3, 2, -1}, {2 - 2e-10, 3, 0, 0}};
    for (const auto& c : cases) {
        CGMTRArc2D u = MakeArc(0, 0, 1, 0, 2 * GMTR_PI);
        CGMTRArc2D v = MakeArc(c.cx, 0, c.rb, 0, 2 * GMTR_PI);
        CGMTRPoint2DCol touch;
        u.GetCrossPointArc(v, touch);
        ASSERT_EQ(touch.GetCount(), c.count) << c.cx;
        for (const CGMTRPoint2D& p : Points(touch)) {
            EXPECT_NEAR(p.X(), c.tx, 1e-9);
            EXPECT_NEAR(p.Y(), 0, 1e-12);
        }
    }
    // The touching point outside one arc's range is not reported.
    CGMTRArc2D upper = MakeArc(0, 0, 1, 0.1, 3.0);
    CGMTRArc2D right = MakeArc(2, 0, 1, 0, 2 * GMTR_PI);
    CGMTRPoint2DCol none;
    upper.GetCrossPointArc(right, none);
    EXPECT_EQ(none.GetCount(), 0);

    // Concentric circles (equal or not) report nothing and keep the content.
    CGMTRArc2D same = MakeArc(0, 0, 2, 1.0, 2.0);
    CGMTRArc2D inner = MakeArc(0, 0, 1, 0, 2 * GMTR_PI);
    a.GetCrossPointArc(same, col);
    a.GetCrossPointArc(a, col);
    a.GetCrossPointArc(inner, col);
    EXPECT_EQ(col.GetCount(), 3);
}

TEST(ArcIntersections, ArcWithSegmentAndLine) {
    CGMTRArc2D unit = MakeArc(0, 0, 1, 0, 2 * GMTR_PI);
    CGMTRPoint2DCol through, reversed;
    unit.GetCrossPointLine(Seg(-5, 0, 5, 0), through);
    unit.GetCrossPointLine(Seg(5, 0, -5, 0), reversed);
    ExpectPoints(through, {CGMTRPoint2D(1, 0), CGMTRPoint2D(-1, 0)}, 1e-15);
    ExpectPoints(reversed, {CGMTRPoint2D(-1, 0), CGMTRPoint2D(1, 0)}, 1e-15);

    CGMTRArc2D big = MakeArc(0, 0, 2, 0, 2 * GMTR_PI);
    CGMTRLine2D shortSeg = Seg(0, 1, 1, 1);
    CGMTRPoint2DCol seg, line;
    big.GetCrossPointLine(shortSeg, seg);
    big.GetCrossPointLineEx(shortSeg, line);
    EXPECT_EQ(seg.GetCount(), 0);
    ExpectPoints(line, {CGMTRPoint2D(-std::sqrt(3.0), 1), CGMTRPoint2D(std::sqrt(3.0), 1)}, 1e-12);

    // Tangency within the tolerance gives the point twice, beyond it nothing.
    for (double off : {0.5e-10, 2e-10}) {
        CGMTRLine2D tangent = Seg(-3, 2 + off, 3, 2 + off);
        CGMTRPoint2DCol a, b;
        big.GetCrossPointLine(tangent, a);
        big.GetCrossPointLineEx(tangent, b);
        const int expected = off < 1e-10 ? 2 : 0;
        ASSERT_EQ(a.GetCount(), expected);
        ASSERT_EQ(b.GetCount(), expected);
        for (const CGMTRPoint2D& p : Points(a)) {
            EXPECT_NEAR(p.X(), 0, 1e-15);
            EXPECT_NEAR(p.Y(), 2, 1e-15);
        }
    }

    // A clockwise quarter keeps only the lower crossing of x = 0.5.
    CGMTRArc2D cw = MakeArc(0, 0, 1, 0, -GMTR_PI / 2);
    CGMTRPoint2DCol lower;
    cw.GetCrossPointLine(Seg(0.5, -5, 0.5, 5), lower);
    ExpectPoints(lower, {CGMTRPoint2D(0.5, -std::sqrt(0.75))}, 1e-12);

    // Zero-length segments give nothing, even on a full circle.
    for (CGMTRLine2D dot : {Seg(0.5, 0, 0.5, 0), Seg(1, 0, 1, 0), Seg(0, 0, 0, 0)}) {
        CGMTRPoint2DCol a;
        unit.GetCrossPointLine(dot, a);
        unit.GetCrossPointLineEx(dot, a);
        unit.FGetCrossPoint(&dot, a);
        EXPECT_EQ(a.GetCount(), 0);
    }
    CGMTRPoint2DCol nothing;
    unit.FGetCrossPoint(nullptr, nothing);
    EXPECT_EQ(nothing.GetCount(), 0);
}

// Crossings are built first: a point x, circles (or a line) through it at a
// generic angle, and the second crossing by reflection. Every known crossing
// well inside both entities must be reported, and every reported point must
// lie on both entities.
TEST(ArcIntersections, RandomCrossingsAreFoundAndLieOnBothEntities) {
    std::mt19937_64 rng(20261205);
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    auto uni = [&](double lo, double hi) { return lo + (hi - lo) * u01(rng); };
    auto sign = [&]() { return u01(rng) < 0.5 ? -1.0 : 1.0; };
    auto sweep = [&]() {
        return u01(rng) < 0.1 ? 2 * GMTR_PI : sign() * uni(0.2, 2 * GMTR_PI - 0.2);
    };
    int checked = 0;
    auto expectFound = [&](const std::vector<CGMTRPoint2D>& known, const CGMTRPoint2DCol& got,
                           int iter) {
        for (const CGMTRPoint2D& k : known) {
            bool found = false;
            for (const CGMTRPoint2D& p : Points(got)) {
                found =
                    found || (std::fabs(p.X() - k.X()) < 1e-8 && std::fabs(p.Y() - k.Y()) < 1e-8);
            }
            EXPECT_TRUE(found) << "iteration " << iter;
            ++checked;
        }
    };
    for (int iter = 0; iter < 3000; ++iter) {
        // A third of the cases near 1e6, a third near 1e5.
        const double scale = iter % 3 == 0 ? 2e6 : (iter % 3 == 1 ? 2e5 : 0.0);
        const CGMTRPoint2D x(uni(-scale, scale) + uni(-5, 5), uni(-scale, scale) + uni(-5, 5));
        const double rA = uni(0.5, 10), tA = uni(-GMTR_PI, GMTR_PI);
        const CGMTRPoint2D cA(x.X() - rA * std::cos(tA), x.Y() - rA * std::sin(tA));
        CGMTRArc2D a = MakeArc(cA.X(), cA.Y(), rA, uni(-4, 4), sweep());
        std::vector<CGMTRPoint2D> known{x};
        CGMTRPoint2DCol got;
        auto keep = [&](auto wellInside) {
            known.erase(std::remove_if(known.begin(), known.end(),
                                       [&](const CGMTRPoint2D& k) { return !wellInside(k); }),
                        known.end());
        };
        keep([&](const CGMTRPoint2D& k) {
            return Inside(std::atan2(k.Y() - cA.Y(), k.X() - cA.X()), a.GetBaseAngle(),
                          a.GetSweepAngle()) == 1;
        });
        if (iter % 2 == 0) {
            const double rB = uni(0.5, 10), tB = tA + sign() * uni(0.3, GMTR_PI - 0.3);
            const CGMTRPoint2D cB(x.X() - rB * std::cos(tB), x.Y() - rB * std::sin(tB));
            CGMTRArc2D b = MakeArc(cB.X(), cB.Y(), rB, uni(-4, 4), sweep());
            CGMTRPoint2D mirrored(x);
            mirrored.Mirror(cA, CGMTRVector2D(cB.X() - cA.X(), cB.Y() - cA.Y()));
            known.push_back(mirrored);
            keep([&](const CGMTRPoint2D& k) {
                return Inside(std::atan2(k.Y() - cA.Y(), k.X() - cA.X()), a.GetBaseAngle(),
                              a.GetSweepAngle()) == 1 &&
                       Inside(std::atan2(k.Y() - cB.Y(), k.X() - cB.X()), b.GetBaseAngle(),
                              b.GetSweepAngle()) == 1;
            });
            a.GetCrossPointArc(b, got);
            expectFound(known, got, iter);
            for (const CGMTRPoint2D& p : Points(got)) {
                EXPECT_LT(a.Distance(p), 1e-9);
                EXPECT_LT(b.Distance(p), 1e-9);
            }
            if (got.GetCount() == 2) { // left of the line of centres first
                const std::vector<CGMTRPoint2D> g = Points(got);
                EXPECT_GT((cB.X() - cA.X()) * (g[0].Y() - cA.Y()) -
                              (cB.Y() - cA.Y()) * (g[0].X() - cA.X()),
                          0.0);
            }
            continue;
        }
        const double psi = tA + sign() * uni(0.0, GMTR_PI / 2 - 0.3); // away from tangency
        const double back = uni(-2, 6), ahead = uni(0.5, 6) - (back < 0 ? back : 0);
        const CGMTRVector2D dir(std::cos(psi), std::sin(psi));
        CGMTRLine2D seg(CGMTRPoint2D(x.X() - back * dir.X(), x.Y() - back * dir.Y()),
                        CGMTRPoint2D(x.X() + ahead * dir.X(), x.Y() + ahead * dir.Y()));
        const double halfChord = (cA.X() - x.X()) * dir.X() + (cA.Y() - x.Y()) * dir.Y();
        known.push_back(
            CGMTRPoint2D(x.X() + 2 * halfChord * dir.X(), x.Y() + 2 * halfChord * dir.Y()));
        keep([&](const CGMTRPoint2D& k) {
            return Inside(std::atan2(k.Y() - cA.Y(), k.X() - cA.X()), a.GetBaseAngle(),
                          a.GetSweepAngle()) == 1;
        });
        CGMTRPoint2DCol line;
        a.GetCrossPointLineEx(seg, line);
        expectFound(known, line, iter);
        for (const CGMTRPoint2D& p : Points(line)) {
            EXPECT_LT(a.Distance(p), 1e-9);
            EXPECT_LT(seg.GetVerticalDis(p), 1e-9);
        }
        seg.FGetCrossPoint(&a, got);
        CGMTRPoint2DCol direct;
        a.GetCrossPointLine(seg, direct);
        ExpectPoints(got, Points(direct), 0.0); // same points in the same order
        for (const CGMTRPoint2D& p : Points(got)) {
            EXPECT_LT(a.Distance(p), 1e-9);
            EXPECT_LT(seg.Distance(p), 1e-9);
        }
        // The segment test is an absolute 1e-10, finer than the coordinate
        // resolution near 1e6 (about 1.2e-10), so completeness is checked
        // nearer the origin.
        if (scale < 1e6) {
            const double len = seg.get_LineLength();
            keep([&](const CGMTRPoint2D& k) {
                const double t = (k.X() - seg.get_BasePoint().X()) * dir.X() +
                                 (k.Y() - seg.get_BasePoint().Y()) * dir.Y();
                return t > 1e-6 && t < len - 1e-6;
            });
            expectFound(known, got, iter);
        }
    }
    EXPECT_GT(checked, 2000);
}
