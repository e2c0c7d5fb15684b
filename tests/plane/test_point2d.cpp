// Plane point: tolerant equality and order, division by zero, in-place moves.
#include "support/TestSupport.h"

#include <type_traits>

static_assert(sizeof(CGMTRPoint2D) == 16 && std::is_standard_layout<CGMTRPoint2D>::value &&
                  std::is_trivially_copyable<CGMTRPoint2D>::value,
              "plain value of two doubles, copied without a call into the library");

TEST(Point2D, ConstructionEqualityAndOrder) {
    CGMTRPoint2D p(1, 2), o;
    double x = 0, y = 0;
    p.Components(&x, &y);
    p.Y(6.0);
    EXPECT_PRED3(IsAt, P(x, y), 1, 2);
    EXPECT_EQ(p.Y(), 6);
    EXPECT_PRED3(IsAt, CGMTRPoint2D(CGMTRVector2D(3, -2)), 3, -2);
    EXPECT_EQ(o == P(0.4e-10, 0.4e-10), 1);
    EXPECT_EQ(o != P(0.6e-10, 0.6e-10), 1);
    EXPECT_FALSE(P(0, 5) < P(0.5e-10, 1)); // x within the tolerance: y decides
    EXPECT_LT(P(0.5e-10, 1), P(0, 5));
    EXPECT_LT(P(0, 0), P(0, 1e-10)); // a y gap of exactly the tolerance orders
    EXPECT_FALSE(P(1, 0) < P(1, 0.5e-10));
    EXPECT_FALSE(P(1, 0.5e-10) < P(1, 0));
}

TEST(Point2D, ArithmeticAndDivisionByExactlyZero) {
    CGMTRPoint2D p(1, 2);
    EXPECT_PRED3(IsAt, p / 0.0, 1, 2);
    EXPECT_PRED3(IsAt, p / -0.0, 1, 2);
    EXPECT_GT((p / 1e-300).Y(), 1.99e300);
    p /= 0.0;
    EXPECT_PRED3(IsAt, p, 1, 2);
    EXPECT_PRED3(IsAt, P(2, 3) + 1.0 - CGMTRVector2D(1, 1), 2, 3);
    EXPECT_PRED3(IsAt, P(2, 3) + CGMTRVector2D(1, 1) + P(1, 1) - P(0, 2), 4, 3);
    EXPECT_PRED3(IsAt, -(P(2, 3) * 2.0 - 1.0), -3, -5);
    EXPECT_EQ(P(0, 0).Distance2D(P(3, 4)), 5.0);
}

TEST(Point2D, MovesAreExactOnQuarterTurns) {
    CGMTRPoint2D p(1, 0), q(2, 1), f(1e6 + 2, 1e6 + 1), s(3, 1), t(1, 1), m(2, 3), z(2, 3);
    p.Rotate(GMTR_PI);
    q.RotateForPoint(P(1, 1), GMTR_HALF_PI);
    f.RotateForPoint(P(1e6 + 1, 1e6 + 1), -GMTR_HALF_PI);
    s.Scale(P(1, 1), -1.0);
    t.Transfer(CGMTRVector2D(-2, 5));
    m.Mirror(P(0, 1), CGMTRVector2D(1, 3));
    m.Mirror(P(0, 1), CGMTRVector2D(1, 3)); // a mirror applied twice gives the point back
    z.Mirror(P(0, 1), CGMTRVector2D(0, 0)); // a zero direction mirrors horizontally
    EXPECT_PRED3(IsAt, p, -1, 0);
    EXPECT_PRED3(IsAt, q, 1, 2);
    EXPECT_PRED3(IsAt, f, 1e6 + 1, 1e6);
    EXPECT_PRED3(IsAt, s, -1, 1);
    EXPECT_PRED3(IsAt, t, -1, 6);
    EXPECT_PRED3(IsAt, z, 2, -1);
    ExpectAt(m, 2, 3, 1e-14);
    CGMTRPoint2D n(std::nan(""), 1);
    n.Rotate(n.X());
    EXPECT_EQ(n == n, 0);
    EXPECT_TRUE(std::isnan(n.X()));
    EXPECT_FALSE(P(n.X(), 0) < P(0, 0));
}
