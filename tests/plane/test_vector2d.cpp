// Plane vector: algebra, tolerance tests at their boundaries, exact turns.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

static_assert(sizeof(CGMTRVector2D) == 16 && std::is_standard_layout<CGMTRVector2D>::value,
              "plain value of two doubles");

static bool Is(const CGMTRVector2D& v, double x, double y) {
    return v.X() == x && v.Y() == y;
}

TEST(Vector2D, AccessorsLengthsAndArithmetic) {
    CGMTRVector2D v, w(2, 0), a(1, 2), b(3, 5);
    EXPECT_TRUE(Is(v, 1, 0) && v.IsUnit() == 1 && v.Angle() == 0.0 && v.IsZeroLengh() == 0);
    double x = 0, y = 0;
    v.Components(3.0, -4.0), v.Components(&x, &y);
    v.SetVector(CGMTRPoint2D(1, 2), CGMTRPoint2D(4, -2));
    EXPECT_TRUE(x == 3 && y == -4 && Is(v, 3, -4) && v.Length() == 5 && v.LengthSquare() == 25);
    w.Magnitude(-1.0);
    EXPECT_TRUE(v.Magnitude(10.0) == 10.0 && Is(v, 6, -8) && Is(w, -1, 0));
    EXPECT_TRUE(Is(a + b, 4, 7) && Is(a - b, -2, -3) && Is(-a, -1, -2) && Is(a + 1.0, 2, 3) &&
                Is(a - 1.0, 0, 1) && Is(a * 3.0, 3, 6) && Is(a / 2.0, 0.5, 1) && Is(a, 1, 2));
    a += b, a -= 1.0, a *= 2.0, a /= 4.0, a += 0.5, a -= CGMTRVector2D(1, 1);
    EXPECT_TRUE(Is(a, 1, 2.5));
}

TEST(Vector2D, ToleranceTestsUseRawProducts) {
    EXPECT_TRUE(CGMTRVector2D(0.5e-10, 0.5e-10).IsZeroLengh() == 1 &&
                CGMTRVector2D(1e-10, 0).IsZeroLengh() == 0);
    EXPECT_TRUE(CGMTRVector2D(1, 0).IsParallelTo(CGMTRVector2D(-3, 0)) == 1 &&
                CGMTRVector2D(1e6, 0).IsParallelTo(CGMTRVector2D(1e6, 1e-15)) == 0);
    EXPECT_TRUE(CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(0.5e-10, 7)) == 1 &&
                CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(1e-10, 7)) == 0);
    CGMTRVector2D zero(0, 0);
    EXPECT_TRUE((zero == CGMTRVector2D(0.9e-10, 0.9e-10)) == 1 &&
                (zero != CGMTRVector2D(1e-10, 0)) == 1 &&
                CGMTRVector2D(1, 0).CrossProduct(CGMTRVector2D(0, 1)) == 1.0);
    const double a = 17.0 / 18.0 * GMTR_PI; // AngleTo is not normalised
    CGMTRVector2D from(std::cos(a), std::sin(a)), to(std::cos(-a), std::sin(-a));
    EXPECT_NEAR(from.AngleTo(to), -34.0 / 18.0 * GMTR_PI, 1e-14);
}

TEST(Vector2D, TurnsMirrorsAndMatrices) {
    CGMTRVector2D v(1, 0), r(1, 0), m(1, 1), s(2, 5), u(1, 0);
    v.Rotate(GMTR_HALF_PI), r.Rotate(-GMTR_PI), m.Mirror(CGMTRVector2D(0, 2));
    s.Mirror(CGMTRVector2D(3, 3)); // swaps: old values read before writing
    EXPECT_TRUE(Is(v, 0, 1) && Is(r, -1, 0) && Is(m, -1, 1) && Is(u.Orthogonal(), 0, 1));
    EXPECT_TRUE(std::fabs(s.X() - 5) + std::fabs(s.Y() - 2) < 1e-14);
    CGMTRMatrix2D shift, half;
    shift.SetToTransfer(CGMTRVector2D(5, 5)), half.SetToRotate(GMTR_PI);
    u *= shift, u *= half; // translation does not move a vector
    EXPECT_TRUE(Is(u, -1, 0));
}

TEST(Vector2D, DegenerateInputGivesNonFiniteValues) {
    CGMTRVector2D z(0, 0), w(0, 0), d(1, -1), m(1, 1);
    z.Normalize(), w.Magnitude(2.0), d /= 0.0, m.Mirror(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(z.X()) && std::isnan(w.Y()) && std::isnan(m.X()));
    EXPECT_TRUE(std::isinf(d.X()) && d.X() > 0 && std::isinf(d.Y()) && d.Y() < 0 &&
                CGMTRVector2D(0, 0).Angle() == 0.0);
}
