// Plane point: tolerant equality and order, division by zero, in-place moves.
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

static_assert(sizeof(CGMTRPoint2D) == 16, "two doubles");
static_assert(!std::is_polymorphic<CGMTRPoint2D>::value, "plain value");
static_assert(std::is_standard_layout<CGMTRPoint2D>::value, "plain value");

namespace {
void ExpectPoint(const CGMTRPoint2D& p, double x, double y) {
    EXPECT_EQ(p.X(), x);
    EXPECT_EQ(p.Y(), y);
}
} // namespace

TEST(Point2D, ConstructionAndAccess) {
    ExpectPoint(CGMTRPoint2D(), 0.0, 0.0);
    ExpectPoint(CGMTRPoint2D(CGMTRVector2D(3, -2)), 3.0, -2.0);
    CGMTRPoint2D p(1, 2);
    double x = 0, y = 0;
    p.Components(&x, &y);
    EXPECT_EQ(x, 1.0);
    EXPECT_EQ(y, 2.0);
    p.Components(4.0, 5.0);
    p.Y(6.0);
    ExpectPoint(p, 4.0, 6.0);
}

TEST(Point2D, EqualityBoundsTheSumOfDifferences) {
    CGMTRPoint2D o;
    EXPECT_EQ(o == CGMTRPoint2D(0.4e-10, 0.4e-10), 1);
    EXPECT_EQ(o == CGMTRPoint2D(0.6e-10, 0.6e-10), 0);
    EXPECT_EQ(o != CGMTRPoint2D(0.6e-10, 0.6e-10), 1);
    CGMTRPoint2D far(1e6, -1e6);
    EXPECT_EQ(far == CGMTRPoint2D(1e6 + 2e-11, -1e6), 1);
}

TEST(Point2D, TolerantLexicographicOrder) {
    CGMTRPoint2D a(0, 5), b(0.5e-10, 1);
    EXPECT_FALSE(a < b);
    EXPECT_TRUE(b < a);
    CGMTRPoint2D c(1, 0), d(1, 0.5e-10);
    EXPECT_FALSE(c < d);
    EXPECT_FALSE(d < c);
    EXPECT_TRUE(CGMTRPoint2D(1, 9) < CGMTRPoint2D(2, 0));
    // A y gap of exactly the tolerance orders the points.
    EXPECT_TRUE(CGMTRPoint2D(0, 0) < CGMTRPoint2D(0, 1e-10));
}

TEST(Point2D, DivisionByExactlyZeroIsSkipped) {
    CGMTRPoint2D p(1, 2);
    ExpectPoint(p / 0.0, 1.0, 2.0);
    ExpectPoint(p / -0.0, 1.0, 2.0);
    EXPECT_DOUBLE_EQ((p / 1e-300).X(), 1e300);
    EXPECT_DOUBLE_EQ((p / 1e-300).Y(), 2e300);
    p /= 0.0;
    ExpectPoint(p, 1.0, 2.0);
    p /= 2.0;
    ExpectPoint(p, 0.5, 1.0);
}

TEST(Point2D, ArithmeticGivesPoints) {
    CGMTRPoint2D p(1, 0);
    ExpectPoint(p - CGMTRPoint2D(1, 0), 0.0, 0.0);
    ExpectPoint(CGMTRPoint2D(2, 3) + 1.0, 3.0, 4.0);
    ExpectPoint(CGMTRPoint2D(2, 3) - 1.0, 1.0, 2.0);
    ExpectPoint(CGMTRPoint2D(2, 3) + CGMTRVector2D(1, 1), 3.0, 4.0);
    ExpectPoint(CGMTRPoint2D(2, 3) - CGMTRVector2D(1, 1), 1.0, 2.0);
    ExpectPoint(CGMTRPoint2D(2, 3) + CGMTRPoint2D(1, 1), 3.0, 4.0);
    ExpectPoint(CGMTRPoint2D(2, 3) * 2.0, 4.0, 6.0);
    ExpectPoint(-CGMTRPoint2D(2, 3), -2.0, -3.0);
    CGMTRPoint2D q(1, 1);
    q += CGMTRPoint2D(1, 2);
    q -= CGMTRVector2D(0, 1);
    q += CGMTRVector2D(3, 0);
    q -= CGMTRPoint2D(1, 1);
    q += 1.0;
    q -= 0.5;
    q *= 2.0;
    ExpectPoint(q, 9.0, 3.0);
    EXPECT_EQ(CGMTRPoint2D(0, 0).Distance2D(CGMTRPoint2D(3, 4)), 5.0);
}

TEST(Point2D, QuarterTurnsAreExact) {
    CGMTRPoint2D p(1, 0);
    p.Rotate(GMTR_PI);
    ExpectPoint(p, -1.0, 0.0);
    CGMTRPoint2D q(2, 1);
    q.RotateForPoint(CGMTRPoint2D(1, 1), GMTR_HALF_PI);
    ExpectPoint(q, 1.0, 2.0);
    // Far from the origin the turn about a nearby centre stays exact.
    CGMTRPoint2D f(1e6 + 2, 1e6 + 1);
    f.RotateForPoint(CGMTRPoint2D(1e6 + 1, 1e6 + 1), -GMTR_HALF_PI);
    ExpectPoint(f, 1e6 + 1, 1e6);
}

TEST(Point2D, ScaleTransferMirror) {
    CGMTRPoint2D p(3, 1);
    p.Scale(CGMTRPoint2D(1, 1), 2.0);
    ExpectPoint(p, 5.0, 1.0);
    CGMTRPoint2D n(3, 1);
    n.Scale(CGMTRPoint2D(1, 1), -1.0);
    ExpectPoint(n, -1.0, 1.0);
    CGMTRPoint2D t(1, 1);
    t.Transfer(CGMTRVector2D(-2, 5));
    ExpectPoint(t, -1.0, 6.0);
    CGMTRPoint2D m(2, 3);
    m.Mirror(CGMTRPoint2D(0, 1), CGMTRVector2D(1, 0));
    ExpectPoint(m, 2.0, -1.0);
    // A zero direction mirrors in the horizontal line through the point.
    CGMTRPoint2D z(2, 3);
    z.Mirror(CGMTRPoint2D(0, 1), CGMTRVector2D(0, 0));
    ExpectPoint(z, 2.0, -1.0);
    // A mirror applied twice gives the point back.
    CGMTRPoint2D g(0.3, -7.25);
    g.Mirror(CGMTRPoint2D(1, 2), CGMTRVector2D(1, 3));
    g.Mirror(CGMTRPoint2D(1, 2), CGMTRVector2D(1, 3));
    EXPECT_NEAR(g.X(), 0.3, 1e-14);
    EXPECT_NEAR(g.Y(), -7.25, 1e-14);
}

TEST(Point2D, NaNDoesNotCrash) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CGMTRPoint2D p(nan, 1);
    EXPECT_EQ(p == p, 0);
    p.Rotate(nan);
    EXPECT_TRUE(std::isnan(p.X()));
    EXPECT_FALSE(CGMTRPoint2D(nan, 0) < CGMTRPoint2D(0, 0));
}
