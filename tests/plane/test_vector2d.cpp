// Plane vector: algebra, tolerance tests at their boundaries, exact turns.
#include "CGMTRMatrix2D.h"
#include "support/TestSupport.h"

static_assert(sizeof(CGMTRVector2D) == 16 && std::is_standard_layout<CGMTRVector2D>::value &&
                  std::is_trivially_copyable<CGMTRVector2D>::value,
              "plain value of two doubles, copied without a call into the library");

TEST(Vector2D, ArithmeticLengthsAndMagnitude) {
    CGMTRVector2D v, w(2, 0), a(1, 2), b(3, 5), c(3, -4), d(1, 2), e(1, 2);
    EXPECT_EQ(v.IsUnit(), 1); // the default is (1, 0)
    v.SetVector(P(1, 2), P(4, -2));
    w.Magnitude(-1.0);
    d += 1.0;
    d += CGMTRVector2D(1, -3);
    d *= -2.0;
    e -= CGMTRVector2D(3, 5);
    e -= 1.0;
    e /= 4.0;
    const struct {
        const char* what;
        CGMTRVector2D got;
        double x, y;
    } rows[] = {{"SetVector", v, 3, -4},
                {"Magnitude(-1)", w, -1, 0},
                {"a + b", a + b, 4, 7},
                {"a - b", a - b, -2, -3},
                {"-a", -a, -1, -2},
                {"a + 1", a + 1.0, 2, 3},
                {"a - 1", a - 1.0, 0, 1},
                {"a * 3", a * 3.0, 3, 6},
                {"a / 2", a / 2.0, 0.5, 1},
                {"+= number, += vector, *=", d, -6, 0},
                {"-= vector, -= number, /=", e, -0.75, -1},
                {"Orthogonal", c.Orthogonal(), 4, 3}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        ExpectAt(r.got, r.x, r.y, 0);
    }
    EXPECT_EQ(c.Length(), 5);
    EXPECT_EQ(c.LengthSquare(), 25);
    EXPECT_EQ(c.DotProduct(b), -11);
    EXPECT_EQ(c.CrossProduct(b), 27);
    EXPECT_EQ(c.Magnitude(10.0), 10.0);
    ExpectAt(c, 6, -8, 0);
}

TEST(Vector2D, ToleranceTestsUseRawProducts) {
    const struct {
        const char* what;
        int got, want;
    } rows[] = {
        {"zero length below", CGMTRVector2D(0.5e-10, 0.5e-10).IsZeroLengh(), 1},
        {"zero length at", CGMTRVector2D(1e-10, 0).IsZeroLengh(), 0},
        {"unit at", CGMTRVector2D(1 + 1e-10, 0).IsUnit(), 0},
        {"parallel", CGMTRVector2D(1, 0).IsParallelTo(CGMTRVector2D(-3, 0)), 1},
        {"parallel, cross 1e-9", CGMTRVector2D(1e6, 0).IsParallelTo(CGMTRVector2D(1e6, 1e-15)), 0},
        {"orthogonal below", CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(0.5e-10, 7)), 1},
        {"orthogonal at", CGMTRVector2D(1, 0).IsOrthogonalTo(CGMTRVector2D(1e-10, 7)), 0},
        {"== per component", CGMTRVector2D(0, 0) == CGMTRVector2D(0.9e-10, 0.9e-10), 1},
        {"!= at", CGMTRVector2D(0, 0) != CGMTRVector2D(0, 1e-10), 1},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.got, r.want) << r.what;
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
    ExpectAt(v, 0, 1, 0);
    ExpectAt(r, -1, 0, 0);
    ExpectAt(m, -1, 1, 0);
    ExpectAt(s, 5, 2, 1e-14);
    CGMTRMatrix2D shift, half;
    shift.SetToTransfer(CGMTRVector2D(5, 5));
    half.SetToRotate(GMTR_PI);
    u *= shift; // translation does not move a vector
    u *= half;
    ExpectAt(u, -1, 0, 0);
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
    ExpectAt(d, INFINITY, -INFINITY, 0);
    EXPECT_EQ(CGMTRVector2D(0, 0).Angle(), 0.0);
}
