// The corner fillet between two segments: built from the expected circle
// (corner, the two directions leaving it, the radius), then found again.
#include "support/TestSupport.h"

#include <cmath>
#include <limits>

namespace {

struct Fillet {
    CGMTRPoint2D onThis, onOther, centre;
};

// The fillet of radius d in the corner at x between the directions a1 and a2
// leaving it: centre on the bisector at d / sin(h), touching points at
// d / tan(h) along each direction, h half the angle between them.
Fillet Expected(const CGMTRPoint2D& x, double a1, double a2, double d) {
    const double u1x = std::cos(a1), u1y = std::sin(a1), u2x = std::cos(a2), u2y = std::sin(a2);
    const double h = std::acos(u1x * u2x + u1y * u2y) / 2;
    const double wx = u1x + u2x, wy = u1y + u2y, w = std::hypot(wx, wy);
    const double c = d / std::sin(h), t = d / std::tan(h);
    return {P(x.X() + t * u1x, x.Y() + t * u1y), P(x.X() + t * u2x, x.Y() + t * u2y),
            P(x.X() + c * wx / w, x.Y() + c * wy / w)};
}

// A segment of the given length leaving x at angle a, given either from x
// outwards or from its far end in towards x.
CGMTRLine2D Leg(const CGMTRPoint2D& x, double a, double length, bool outwards) {
    const CGMTRPoint2D end(x.X() + length * std::cos(a), x.Y() + length * std::sin(a));
    return outwards ? CGMTRLine2D(x, end) : CGMTRLine2D(end, x);
}

void ExpectFillet(const Fillet& got, const Fillet& want, double tol) {
    ExpectAt(got.onThis, want.onThis.X(), want.onThis.Y(), tol);
    ExpectAt(got.onOther, want.onOther.X(), want.onOther.Y(), tol);
    ExpectAt(got.centre, want.centre.X(), want.centre.Y(), tol);
}

const CGMTRPoint2D kUntouched(-123, 456);

} // namespace

// Every corner of an outline: both turning directions, sharp and flat
// corners, each segment given either way, near the origin and far from it.
TEST(LineFillet, RoundsTheCornerAtTheCommonEndPoint) {
    const double turns[][2] = {{0.0, GMTR_HALF_PI}, {0.3, 2.9},  {-2.0, 1.5},
                               {1.0, -0.2},         {2.5, -2.7}, {0.1, 0.1 + 3.0},
                               {0.0, -GMTR_HALF_PI}};
    for (const CGMTRPoint2D& x : {P(0, 0), P(3, -2), P(1e6, -1e6)}) {
        for (const auto& t : turns) {
            for (int ways = 0; ways < 4; ++ways) {
                SCOPED_TRACE(testing::Message()
                             << "corner (" << x.X() << ", " << x.Y() << "), directions " << t[0]
                             << ", " << t[1] << ", ways " << ways);
                const double d = 1.5;
                const Fillet want = Expected(x, t[0], t[1], d);
                const double l1 = x.Distance2D(want.onThis) + 2,
                             l2 = x.Distance2D(want.onOther) + 2;
                const CGMTRLine2D s1 = Leg(x, t[0], l1, ways & 1), s2 = Leg(x, t[1], l2, ways & 2);
                Fillet got{kUntouched, kUntouched, kUntouched};
                ASSERT_EQ(s1.LineTangencyDistance(s2, x, d, got.onThis, got.onOther, got.centre),
                          1);
                ExpectFillet(got, want, x.X() == 0 ? 1e-12 : 1e-9);
                // The circle touches each segment at its touching point.
                EXPECT_NEAR(s1.Distance(got.centre), d, 1e-9);
                EXPECT_NEAR(s2.Distance(got.centre), d, 1e-9);
                EXPECT_NE(s1.PointToPercent(got.onThis), -1.0);
                EXPECT_NE(s2.PointToPercent(got.onOther), -1.0);
            }
        }
    }
}

// Axis-parallel corners come out exact.
TEST(LineFillet, QuarterTurnIsExact) {
    Fillet got;
    ASSERT_EQ(Seg(10, 0, 0, 0)
                  .LineTangencyDistance(Seg(0, 0, 0, 10), P(0, 0), 2.0, got.onThis, got.onOther,
                                        got.centre),
              1);
    ExpectFillet(got, {P(2, 0), P(0, 2), P(2, 2)}, 0.0);
}

// Two lines crossing in an X: the point chooses the corner, one per quadrant.
TEST(LineFillet, PointChoosesOneOfFourCornersOfACrossing) {
    const CGMTRPoint2D x(4, 5);
    const double a1 = 0.4, a2 = 1.7, d = 0.5;
    const CGMTRLine2D s1(P(x.X() - 10 * std::cos(a1), x.Y() - 10 * std::sin(a1)),
                         P(x.X() + 10 * std::cos(a1), x.Y() + 10 * std::sin(a1)));
    const CGMTRLine2D s2(P(x.X() - 10 * std::cos(a2), x.Y() - 10 * std::sin(a2)),
                         P(x.X() + 10 * std::cos(a2), x.Y() + 10 * std::sin(a2)));
    for (double side1 : {0.0, GMTR_PI}) {
        for (double side2 : {0.0, GMTR_PI}) {
            const Fillet want = Expected(x, a1 + side1, a2 + side2, d);
            const CGMTRPoint2D q(x.X() + std::cos(a1 + side1) + std::cos(a2 + side2),
                                 x.Y() + std::sin(a1 + side1) + std::sin(a2 + side2));
            Fillet got;
            ASSERT_EQ(s1.LineTangencyDistance(s2, q, d, got.onThis, got.onOther, got.centre), 1);
            ExpectFillet(got, want, 1e-12);
        }
    }
}

// No fillet: nothing is written and the result is 0.
TEST(LineFillet, ReportsAFilletThatDoesNotExist) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        CGMTRLine2D a, b;
        CGMTRPoint2D corner;
        double d;
    } cases[] = {
        {"radius too large for the shorter leg", Seg(0, 0, 10, 0), Seg(0, 0, 0, 1), P(0, 0), 2},
        {"parallel", Seg(0, 0, 10, 0), Seg(0, 1, 10, 1), P(0, 0), 0.5},
        {"one line", Seg(0, 0, 10, 0), Seg(10, 0, 20, 0), P(10, 0), 0.5},
        {"zero length", Seg(0, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), 0.5},
        {"zero radius", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), 0.0},
        {"negative radius", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), -1.0},
        {"radius not a number", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), nan},
        {"corner not a number", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(nan, 0), 1.0},
    };
    for (const auto& c : cases) {
        Fillet got{kUntouched, kUntouched, kUntouched};
        EXPECT_EQ(c.a.LineTangencyDistance(c.b, c.corner, c.d, got.onThis, got.onOther, got.centre),
                  0)
            << c.what;
        ExpectFillet(got, {kUntouched, kUntouched, kUntouched}, 0.0);
    }
    // The radius that just fits: the touching point is the far end itself.
    Fillet got;
    EXPECT_EQ(Seg(0, 0, 10, 0)
                  .LineTangencyDistance(Seg(0, 0, 0, 2), P(0, 0), 2.0, got.onThis, got.onOther,
                                        got.centre),
              1);
    ExpectAt(got.onOther, 0, 2, 0.0);
}
