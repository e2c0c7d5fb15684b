// Plane vector: algebra, tolerance tests at their boundaries, exact turns.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

static_assert(sizeof(CGMTRVector2D) == 16, "two doubles");
static_assert(!std::is_polymorphic<CGMTRVector2D>::value, "plain value");
static_assert(std::is_standard_layout<CGMTRVector2D>::value, "plain value");

TEST(Vector2D, DefaultIsTheUnitXVector) {
    CGMTRVector2D v;
    EXPECT_EQ(v.X(), 1.0);
    EXPECT_EQ(v.Y(), 0.0);
    EXPECT_EQ(v.IsUnit(), 1);
    EXPECT_EQ(v.Angle(), 0.0);
    EXPECT_EQ(v.IsZeroLengh(), 0);
}

TEST(Vector2D, AccessorsAndComponents) {
    CGMTRVector2D v(3.0, -4.0);
    double x = 0, y = 0;
    v.Components(&x, &y);
    EXPECT_EQ(x, 3.0);
    EXPECT_EQ(y, -4.0);
    v.Components(5.0, 6.0);
    v.X(7.0);
    EXPECT_EQ(v.X(), 7.0);
    EXPECT_EQ(v.Y(), 6.0);
    v.SetVector(CGMTRPoint2D(1, 2), CGMTRPoint2D(4, -2));
    EXPECT_EQ(v.X(), 3.0);
    EXPECT_EQ(v.Y(), -4.0);
    EXPECT_EQ(v.Length(), 5.0);
    EXPECT_EQ(v.LengthSquare(), 25.0);
}

TEST(Vector2D, MagnitudeReturnsTheRequestedLength) {
    CGMTRVector2D v(3, 4);
    EXPECT_EQ(v.Magnitude(5.0), 5.0);
    EXPECT_EQ(v.X(), 3.0);
    EXPECT_EQ(v.Y(), 4.0);
    CGMTRVector2D w(2, 0);
    EXPECT_EQ(w.Magnitude(-1.0), -1.0);
    EXPECT_EQ(w.X(), -1.0);
    EXPECT_EQ(w.Y(), 0.0);
}

TEST(Vector2D, ZeroLengthAndParallelismUseRawProducts) {
    EXPECT_EQ(CGMTRVector2D(0.5e-10, 0.5e-10).IsZeroLengh(), 1);
    EXPECT_EQ(CGMTRVector2D(1e-10, 0).IsZeroLengh(), 0);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsParallelTo(CGMTRVector2D(-3, 0)), 1);
    EXPECT_EQ(CGMTRVector2D(1e6, 0).IsParallelTo(CGMTRVector2D(1e6, 1e-15)), 0);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(0.5e-10, 7)), 1);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(1e-10, 7)), 0);
    EXPECT_EQ(CGMTRVector2D(1, 0).CrossProduct(CGMTRVector2D(0, 1)), 1.0);
}

TEST(Vector2D, AngleToIsNotNormalised) {
    const double a = 17.0 / 18.0 * GMTR_PI;
    CGMTRVector2D from(std::cos(a), std::sin(a));
    CGMTRVector2D to(std::cos(-a), std::sin(-a));
    EXPECT_NEAR(from.AngleTo(to), -34.0 / 18.0 * GMTR_PI, 1e-14);
    EXPECT_NEAR(NormalizeSignedAngle(from.AngleTo(to)), 2.0 / 18.0 * GMTR_PI, 1e-14);
}

TEST(Vector2D, EqualityIsPerComponent) {
    CGMTRVector2D zero(0, 0);
    EXPECT_EQ(zero == CGMTRVector2D(0.9e-10, 0.9e-10), 1);
    EXPECT_EQ(zero != CGMTRVector2D(0.9e-10, 0.9e-10), 0);
    EXPECT_EQ(zero == CGMTRVector2D(1e-10, 0), 0);
    // The same pair as points is not equal: points bound the sum.
    CGMTRPoint2D origin;
    EXPECT_EQ(origin == CGMTRPoint2D(0.9e-10, 0.9e-10), 0);
}

TEST(Vector2D, TurnsAndMirrors) {
    CGMTRVector2D v(1, 0);
    EXPECT_EQ(v.Orthogonal().X(), 0.0);
    EXPECT_EQ(v.Orthogonal().Y(), 1.0);
    v.Rotate(GMTR_HALF_PI);
    EXPECT_EQ(v.X(), 0.0);
    EXPECT_EQ(v.Y(), 1.0);
    v.Rotate(GMTR_PI);
    EXPECT_EQ(v.X(), 0.0);
    EXPECT_EQ(v.Y(), -1.0);

    CGMTRVector2D m(1, 1);
    m.Mirror(CGMTRVector2D(1, 0));
    EXPECT_EQ(m.X(), 1.0);
    EXPECT_EQ(m.Y(), -1.0);
    CGMTRVector2D n(1, 1);
    n.Mirror(CGMTRVector2D(0, 2));
    EXPECT_EQ(n.X(), -1.0);
    EXPECT_EQ(n.Y(), 1.0);
    // A diagonal mirror swaps the components (old values read before writing).
    CGMTRVector2D s(2, 5);
    s.Mirror(CGMTRVector2D(3, 3));
    EXPECT_DOUBLE_EQ(s.X(), 5.0);
    EXPECT_DOUBLE_EQ(s.Y(), 2.0);
}

TEST(Vector2D, MatrixTransformIgnoresTranslation) {
    CGMTRMatrix2D shift;
    shift.SetToTransfer(CGMTRVector2D(5, 5));
    CGMTRVector2D v(1, 0);
    v *= shift;
    EXPECT_EQ(v.X(), 1.0);
    EXPECT_EQ(v.Y(), 0.0);
    CGMTRMatrix2D half;
    half.SetToRotate(GMTR_PI);
    v *= half;
    EXPECT_EQ(v.X(), -1.0);
    EXPECT_EQ(v.Y(), 0.0);
}

TEST(Vector2D, ArithmeticOperators) {
    CGMTRVector2D a(1, 2), b(3, 5);
    CGMTRVector2D r = a + b;
    EXPECT_EQ(r.X(), 4.0);
    EXPECT_EQ(r.Y(), 7.0);
    r = a - b;
    EXPECT_EQ(r.X(), -2.0);
    r = -a;
    EXPECT_EQ(r.Y(), -2.0);
    r = a + 1.0;
    EXPECT_EQ(r.Y(), 3.0);
    r = a - 1.0;
    EXPECT_EQ(r.X(), 0.0);
    r = a * 3.0;
    EXPECT_EQ(r.Y(), 6.0);
    r = a / 2.0;
    EXPECT_EQ(r.X(), 0.5);
    EXPECT_EQ(a.X(), 1.0); // operands unchanged
    a += b;
    a -= 1.0;
    a *= 2.0;
    a /= 4.0;
    a += 0.5;
    a -= CGMTRVector2D(1, 1);
    EXPECT_EQ(a.X(), 1.0);
    EXPECT_EQ(a.Y(), 2.5);
}

TEST(Vector2D, DegenerateInputGivesNonFiniteValues) {
    CGMTRVector2D z(0, 0);
    z.Normalize();
    EXPECT_TRUE(std::isnan(z.X()));
    CGMTRVector2D w(0, 0);
    w.Magnitude(2.0);
    EXPECT_TRUE(std::isnan(w.Y()));
    CGMTRVector2D d(1, -1);
    d /= 0.0;
    EXPECT_TRUE(std::isinf(d.X()) && d.X() > 0);
    EXPECT_TRUE(std::isinf(d.Y()) && d.Y() < 0);
    CGMTRVector2D m(1, 1);
    m.Mirror(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(m.X()));
    EXPECT_EQ(CGMTRVector2D(0, 0).Angle(), 0.0);
}
