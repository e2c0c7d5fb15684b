// Crossings of segments with segments and with arcs.
#include "support/TestSupport.h"

#include <cmath>
#include <random>

namespace {
int Cross(const CGMTRLine2D& a, CGMTRLine2D b, CGMTRPoint2DCol& col) {
    const int before = col.GetCount();
    a.GetCrossPoint(b, col);
    return col.GetCount() - before;
}
} // namespace

TEST(LineCross, ProperCrossingsOnlyInEitherOrder) {
    const CGMTRLine2D base = Seg(0, 0, 10, 0);
    CGMTRPoint2DCol col;
    ASSERT_EQ(Cross(base, Seg(5, -5, 5, 5), col), 1);
    ASSERT_EQ(Cross(Seg(5, -5, 5, 5), base, col), 1);
    ExpectPoints(col, {P(5, 0), P(5, 0)}, 0);
    // Touching, touching at an end, parallel, collinear overlap, zero length:
    // nothing appended, and what was there is kept.
    for (const CGMTRLine2D& other :
         {Seg(5, 0, 5, 5), Seg(10, -5, 10, 5), Seg(0, 1, 10, 1), Seg(5, 0, 15, 0), Seg(5, 0, 5, 0)})
        EXPECT_EQ(Cross(base, other, col), 0);
    // The tolerance applies unscaled to products of cross products: for
    // (0,0)-(a,0) against (a/2,-h)-(a/2,h) both are (a * h)^2.
    EXPECT_EQ(Cross(Seg(0, 0, 1e-2, 0), Seg(5e-3, -2e-3, 5e-3, 2e-3), col), 1); // 4e-10
    EXPECT_EQ(Cross(Seg(0, 0, 1e-2, 0), Seg(5e-3, -5e-4, 5e-3, 5e-4), col), 0); // 2.5e-11
}

// The segment from (-0, 1) by (-0, -2) ends at (+0, -1) (get_EndPoint adds
// the signed zeros), so its crossing with the x axis has x = +0, not -0.
TEST(LineCross, SignedZeroOfTheEndPointReachesTheCrossing) {
    const CGMTRLine2D axis(P(-0.0, 1), CGMTRVector2D(-0.0, -2));
    CGMTRPoint2DCol col;
    ASSERT_EQ(Cross(axis, Seg(-1, 0, 1, 0), col), 1);
    CGMTRPoint2D c(7, 7);
    col.get_Item(0, c);
    EXPECT_EQ(c.X(), 0.0);
    EXPECT_FALSE(std::signbit(c.X()));
    EXPECT_FALSE(std::signbit(c.Y()));
}

// Answer first: segments and an arc through a crossing x. Every order and
// direction finds x; segment and arc agree on their common points and order.
TEST(LineCross, RandomCrossingsInEitherOrderAndDirection) {
    std::mt19937 rng(4242);
    std::uniform_real_distribution<double> coord(-100.0, 100.0), angle(-GMTR_PI, GMTR_PI),
        turn(0.05, GMTR_PI - 0.05), len(1.0, 50.0), inside(0.05, 0.95);
    int arcPoints = 0;
    for (int i = 0; i < 200; ++i) {
        const double shift = (i % 4 == 3) ? 1e6 : 0.0;
        const CGMTRPoint2D x(coord(rng) + shift, coord(rng) - shift);
        auto through = [&](double a) {
            const double l = len(rng), t = inside(rng) * l, c = std::cos(a), s = std::sin(a);
            return CGMTRLine2D(P(x.X() - t * c, x.Y() - t * s), CGMTRVector2D(l * c, l * s));
        };
        const double a1 = angle(rng);
        CGMTRLine2D s1 = through(a1), s2 = through(a1 + turn(rng));
        const CGMTRLine2D r1(s1.get_EndPoint(), s1.get_BasePoint());
        CGMTRLine2D r2(s2.get_EndPoint(), s2.get_BasePoint());
        CGMTRPoint2DCol col;
        s1.GetCrossPoint(s2, col);
        s2.GetCrossPoint(s1, col);
        r1.GetCrossPoint(r2, col);
        ASSERT_EQ(col.GetCount(), 3) << "case " << i;
        // x is on the built segments up to their rounding, larger far away.
        const double near = shift != 0.0 ? 1e-8 : 1e-9;
        for (const CGMTRPoint2D& p : Points(col))
            ExpectAt(p, x.X(), x.Y(), near);
        CGMTRPoint2D ex(-1, -1);
        ASSERT_EQ(s1.GetCrossPointEx(s2, ex), 1);
        ExpectAt(ex, x.X(), x.Y(), near);
        CGMTRArc2D arc = MakeArc(x.X() + 3, x.Y() - 2, std::sqrt(13.0), angle(rng), 2 * angle(rng));
        CGMTRPoint2DCol a, b;
        s1.FGetCrossPoint(&arc, a);
        arc.FGetCrossPoint(&s1, b);
        ExpectPoints(b, Points(a), 0);
        arcPoints += a.GetCount();
    }
    EXPECT_GT(arcPoints, 100);
}

// Each shared end with and without overlap, then the lines' crossing.
TEST(LineCrossEx, SharedEndPointsThenTheDeterminant) {
    const struct {
        CGMTRLine2D a, b;
        int result;
        double x, y;
    } cases[] = {
        {Seg(0, 0, 10, 0), Seg(0, 0, 0, 10), 1, 0, 0},
        {Seg(0, 0, 10, 0), Seg(0, 0, 5, 0), 0, 0, 0},
        {Seg(0, 0, 10, 0), Seg(0, 0, -5, 0), 1, 0, 0},
        {Seg(0, 0, 10, 0), Seg(3, 0, 0, 0), 0, 0, 0},
        {Seg(0, 0, 10, 0), Seg(-3, 1, 0, 0), 1, 0, 0},
        {Seg(0, 0, 10, 0), Seg(10, 0, 20, 5), 1, 10, 0},
        {Seg(0, 0, 10, 0), Seg(10, 0, 5, 0), 0, 0, 0},
        {Seg(0, 0, 10, 0), Seg(5, 0, 10, 0), 0, 0, 0},
        {Seg(0, 0, 10, 0), Seg(10, 5, 10, 0), 1, 10, 0},
        {Seg(1, 1, 5, 4), Seg(1, 1, 9, 7), 0, 0, 0}, // oblique overlap from a shared start
        {Seg(1, 1, 5, 4), Seg(5, 4, 9, 7), 1, 5, 4}, // oblique, end to start
        {Seg(1, 1, 5, 4), Seg(9, 7, 5, 4), 1, 5, 4},
        {Seg(1e6, 1e6, 1e6 + 10, 1e6), Seg(1e6 + 10, 1e6, 1e6 + 10, 1e6 + 7), 1, 1e6 + 10, 1e6},
        {Seg(0, 0, 1, 0), Seg(3, -0.25, 3.5, 0.25), 1, 3.25, 0}, // beyond both segments
        {Seg(0, 0, 1, 0), Seg(0, 1, 1, 1 + 0.5e-10), 0, 0, 0},   // |det| below the tolerance
        {Seg(0, 0, 1, 0), Seg(0, 1, 1, 1 + 1e-9), 1, -1e9, 0},
        {Seg(3, 3, 3, 3), Seg(0, 0, 10, 0), 0, 0, 0},
    };
    for (const auto& c : cases) {
        CGMTRPoint2D out(-9, -9);
        const int row = static_cast<int>(&c - cases);
        ASSERT_EQ(c.a.GetCrossPointEx(c.b, out), c.result) << "row " << row;
        EXPECT_NEAR(out.X(), c.result ? c.x : -9, std::fabs(c.x) > 1e8 ? 1e3 : 0.0) << row;
        EXPECT_EQ(out.Y(), c.result ? c.y : -9) << "row " << row;
    }
}
