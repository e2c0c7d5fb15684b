// The corner fillet between two segments: built from the expected circle
// (corner, the two directions leaving it, the radius), then found again.
#include "support/TestSupport.h"

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

// From x along angle a for the given length, given outwards or inwards.
CGMTRLine2D Leg(const CGMTRPoint2D& x, double a, double length, bool outwards) {
    const CGMTRPoint2D end(x.X() + length * std::cos(a), x.Y() + length * std::sin(a));
    return outwards ? CGMTRLine2D(x, end) : CGMTRLine2D(end, x);
}

void ExpectFillet(const Fillet& got, const Fillet& want, double tol) {
    ExpectAt(got.onThis, want.onThis.X(), want.onThis.Y(), tol);
    ExpectAt(got.onOther, want.onOther.X(), want.onOther.Y(), tol);
    ExpectAt(got.centre, want.centre.X(), want.centre.Y(), tol);
}

int Fillet2(const CGMTRLine2D& a, const CGMTRLine2D& b, const CGMTRPoint2D& q, double d,
            Fillet& f) {
    return a.LineTangencyDistance(b, q, d, f.onThis, f.onOther, f.centre);
}

} // namespace

// Outline corners at their common end point: both turning directions, sharp
// and flat corners, each segment given either way, near and far from the origin.
TEST(LineFillet, RoundsTheCornerAtTheCommonEndPoint) {
    const double turns[][2] = {{0.0, GMTR_HALF_PI}, {0.3, 2.9},  {-2.0, 1.5},
                               {1.0, -0.2},         {2.5, -2.7}, {0.0, -GMTR_HALF_PI}};
    for (const CGMTRPoint2D& x : {P(3, -2), P(1e6, -1e6)}) {
        for (const auto& t : turns) {
            for (int ways = 0; ways < 4; ++ways) {
                SCOPED_TRACE(testing::Message() << t[0] << ", " << t[1] << ", ways " << ways);
                const Fillet want = Expected(x, t[0], t[1], 1.5);
                const CGMTRLine2D s1 = Leg(x, t[0], x.Distance2D(want.onThis) + 2, ways & 1);
                const CGMTRLine2D s2 = Leg(x, t[1], x.Distance2D(want.onOther) + 2, ways & 2);
                Fillet got;
                ASSERT_EQ(Fillet2(s1, s2, x, 1.5, got), 1);
                ExpectFillet(got, want, x.X() < 10 ? 1e-12 : 1e-9);
                EXPECT_NEAR(s1.Distance(got.centre), 1.5, 1e-9);
                EXPECT_NEAR(s2.Distance(got.centre), 1.5, 1e-9);
            }
        }
    }
    Fillet got; // axis-parallel corners come out exact
    ASSERT_EQ(Fillet2(Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), 2.0, got), 1);
    ExpectFillet(got, {P(2, 0), P(0, 2), P(2, 2)}, 0.0);
}

// Two lines crossing in an X: the point chooses the corner, one per quadrant.
TEST(LineFillet, PointChoosesOneOfFourCornersOfACrossing) {
    const CGMTRPoint2D x(4, 5);
    const double a1 = 0.4, a2 = 1.7;
    const CGMTRLine2D s1 = Leg(Leg(x, a1 + GMTR_PI, 10, true).get_EndPoint(), a1, 20, true);
    const CGMTRLine2D s2 = Leg(Leg(x, a2 + GMTR_PI, 10, true).get_EndPoint(), a2, 20, true);
    for (double side1 : {0.0, GMTR_PI}) {
        for (double side2 : {0.0, GMTR_PI}) {
            const CGMTRPoint2D q(x.X() + std::cos(a1 + side1) + std::cos(a2 + side2),
                                 x.Y() + std::sin(a1 + side1) + std::sin(a2 + side2));
            Fillet got;
            ASSERT_EQ(Fillet2(s1, s2, q, 0.5, got), 1);
            ExpectFillet(got, Expected(x, a1 + side1, a2 + side2, 0.5), 1e-12);
        }
    }
}

// No fillet: the result is 0 and nothing is written. The radius that just
// fits touches the other segment's end or start itself.
TEST(LineFillet, ReportsAFilletThatDoesNotExist) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* what;
        CGMTRLine2D a, b;
        CGMTRPoint2D corner;
        double d;
    } cases[] = {
        {"radius too large", Seg(0, 0, 10, 0), Seg(0, 0, 0, 1), P(0, 0), 2},
        {"radius too large for this segment", Seg(0, 0, 1, 0), Seg(0, 0, 0, 10), P(0, 0), 2},
        {"corner and the other's far end on this line", Seg(0, 0, 30, 0), Seg(5, 0.5, 20, 0.5e-10),
         P(0, 0), 0.1},
        {"parallel", Seg(0, 0, 10, 0), Seg(0, 1, 10, 1), P(0, 0), 0.5},
        {"one line", Seg(0, 0, 10, 0), Seg(10, 0, 20, 0), P(10, 0), 0.5},
        {"zero length", Seg(0, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), 0.5},
        {"zero radius", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), 0.0},
        {"negative radius", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), -1.0},
        {"radius not a number", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(0, 0), nan},
        {"corner not a number", Seg(10, 0, 0, 0), Seg(0, 0, 0, 10), P(nan, 0), 1.0},
        {"corner not a number, no common end", Seg(10, 0, 1, 0), Seg(0, 1, 0, 10), P(nan, 0), 1.0},
    };
    const CGMTRPoint2D unset(-123, 456);
    for (const auto& c : cases) {
        Fillet got{unset, unset, unset};
        EXPECT_EQ(Fillet2(c.a, c.b, c.corner, c.d, got), 0) << c.what;
        ExpectFillet(got, {unset, unset, unset}, 0.0);
    }
    for (const CGMTRLine2D& other : {Seg(0, 0, 0, 2), Seg(0, 2, 0, 0)}) { // its end, its start
        Fillet got;
        EXPECT_EQ(Fillet2(Seg(0, 0, 10, 0), other, P(0, 0), 2.0, got), 1);
        ExpectAt(got.onOther, 0, 2, 0.0);
    }
}
