// Plane vector: algebra, tolerance tests at their boundaries, exact turns.
#include "CGMTRMatrix2D.h"
#include "CGMTRVector2D.h"
#include "support/TestSupport.h"

#include <type_traits>

static_assert(sizeof(CGMTRVector2D) == 16 && std::is_standard_layout<CGMTRVector2D>::value &&
                  std::is_trivially_copyable<CGMTRVector2D>::value,
              "plain value of two doubles, copied without a call into the library");

static bool Is(const CGMTRVector2D& v, double x, double y) {
    return v.X() == x && v.Y() == y;
}

TEST(Vector2D, AccessorsLengthsAndArithmetic) {
    CGMTRVector2D v, w(2, 0), a(1, 2), b(3, 5);
    EXPECT_PRED3(Is, v, 1, 0);
    EXPECT_EQ(v.IsUnit(), 1);
    EXPECT_EQ(v.Angle(), 0.0);
    EXPECT_EQ(v.IsZeroLengh(), 0);
    double x = 0, y = 0;
    v.Components(3.0, -4.0);
    v.Components(&x, &y);
    v.SetVector(CGMTRPoint2D(1, 2), CGMTRPoint2D(4, -2));
    EXPECT_PRED3(Is, CGMTRVector2D(x, y), 3, -4);
    EXPECT_PRED3(Is, v, 3, -4);
    EXPECT_EQ(v.Length(), 5);
    EXPECT_EQ(v.LengthSquare(), 25);
    w.Magnitude(-1.0);
    EXPECT_EQ(v.Magnitude(10.0), 10.0);
    EXPECT_PRED3(Is, v, 6, -8);
    EXPECT_PRED3(Is, w, -1, 0);
    EXPECT_PRED3(Is, a + b, 4, 7);
    EXPECT_PRED3(Is, a - b, -2, -3);
    EXPECT_PRED3(Is, -a, -1, -2);
    EXPECT_PRED3(Is, a + 1.0, 2, 3);
    EXPECT_PRED3(Is, a - 1.0, 0, 1);
    EXPECT_PRED3(Is, a * 3.0, 3, 6);
    EXPECT_PRED3(Is, a / 2.0, 0.5, 1);
    EXPECT_PRED3(Is, a, 1, 2);
}

TEST(Vector2D, ToleranceTestsUseRawProducts) {
    EXPECT_EQ(CGMTRVector2D(0.5e-10, 0.5e-10).IsZeroLengh(), 1);
    EXPECT_EQ(CGMTRVector2D(1e-10, 0).IsZeroLengh(), 0);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsParallelTo(CGMTRVector2D(-3, 0)), 1);
    EXPECT_EQ(CGMTRVector2D(1e6, 0).IsParallelTo(CGMTRVector2D(1e6, 1e-15)), 0);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(0.5e-10, 7)), 1);
    EXPECT_EQ(CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(1e-10, 7)), 0);
    CGMTRVector2D zero(0, 0);
    EXPECT_EQ(zero == CGMTRVector2D(0.9e-10, 0.9e-10), 1);
    EXPECT_EQ(zero != CGMTRVector2D(1e-10, 0), 1);
    EXPECT_EQ(CGMTRVector2D(1, 0).CrossProduct(CGMTRVector2D(0, 1)), 1.0);
    const double a = 17.0 / 18.0 * GMTR_PI; // AngleTo is not normalised
    CGMTRVector2D from(std::cos(a), std::sin(a)), to(std::cos(-a), std::sin(-a));
    EXPECT_NEAR(from.AngleTo(to), -34.0 / 18.0 * GMTR_PI, 1e-14);
}

TEST(Vector2D, TurnsMirrorsAndMatrices) {
    CGMTRVector2D v(1, 0), r(1, 0), m(1, 1), s(2, 5), u(1, 0);
    v.Rotate(GMTR_HALF_PI);
    r.Rotate(-GMTR_PI);
    m.Mirror(CGMTRVector2D(0, 2));
    s.Mirror(CGMTRVector2D(3, 3)); // swaps: old values read before writing
    EXPECT_PRED3(Is, v, 0, 1);
    EXPECT_PRED3(Is, r, -1, 0);
    EXPECT_PRED3(Is, m, -1, 1);
    EXPECT_PRED3(Is, u.Orthogonal(), 0, 1);
    EXPECT_LT(std::fabs(s.X() - 5) + std::fabs(s.Y() - 2), 1e-14) << testing::PrintToString(s);
    CGMTRMatrix2D shift, half;
    shift.SetToTransfer(CGMTRVector2D(5, 5));
    half.SetToRotate(GMTR_PI);
    u *= shift; // translation does not move a vector
    u *= half;
    EXPECT_PRED3(Is, u, -1, 0);
}

TEST(Vector2D, DegenerateInputGivesNonFiniteValues) {
    CGMTRVector2D z(0, 0), w(0, 0), d(1, -1), m(1, 1);
    z.Normalize();
    w.Magnitude(2.0);
    d /= 0.0;
    m.Mirror(CGMTRVector2D(0, 0));
    EXPECT_TRUE(std::isnan(z.X()));
    EXPECT_TRUE(std::isnan(w.Y()));
    EXPECT_TRUE(std::isnan(m.X()));
    EXPECT_EQ(d.X(), INFINITY);
    EXPECT_EQ(d.Y(), -INFINITY);
    EXPECT_EQ(CGMTRVector2D(0, 0).Angle(), 0.0);
}
