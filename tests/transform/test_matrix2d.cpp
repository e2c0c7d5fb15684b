// Plane matrix: composition order, builders, determinant, inverse, tests.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRMatrix2D) == 72, "nine doubles");
static_assert(!std::is_polymorphic<CGMTRMatrix2D>::value, "plain value");
static_assert(std::is_same<decltype(std::declval<CGMTRMatrix2D&>() = CGMTRMatrix2D()), void>::value,
              "matrix assignment returns nothing");

namespace {
CGMTRPoint2D Apply(const CGMTRMatrix2D& m, double x, double y) {
    CGMTRPoint2D p(x, y);
    p *= m;
    return p;
}

void ExpectPoint(const CGMTRPoint2D& p, double x, double y) {
    EXPECT_EQ(p.X(), x);
    EXPECT_EQ(p.Y(), y);
}

void ExpectMatrixNear(const CGMTRMatrix2D& a, const CGMTRMatrix2D& b, double tol) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            EXPECT_NEAR(a.GetSingleValue(i, j), b.GetSingleValue(i, j), tol) << i << "," << j;
}
} // namespace

TEST(Matrix2D, DefaultIsIdentity) {
    CGMTRMatrix2D m;
    EXPECT_EQ(m.GetDeterminant(), 1.0);
    EXPECT_EQ(m.IsOrthogonal(), 1);
    CGMTRMatrix2D n(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(n.GetSingleValue(1, 2), 6.0);
    n.SetSingleValue(1, 2, -1.0);
    EXPECT_EQ(n.GetSingleValue(1, 2), -1.0);
    n.Reset();
    EXPECT_EQ(n.GetSingleValue(2, 2), 1.0);
    EXPECT_EQ(n.GetSingleValue(0, 1), 0.0);
}

TEST(Matrix2D, QuarterTurnIsExact) {
    CGMTRMatrix2D m;
    m.SetToRotate(GMTR_HALF_PI);
    EXPECT_EQ(m.GetSingleValue(0, 0), 0.0);
    EXPECT_EQ(m.GetSingleValue(0, 1), 1.0);
    EXPECT_EQ(m.GetSingleValue(1, 0), -1.0);
    EXPECT_EQ(m.GetSingleValue(1, 1), 0.0);
    ExpectPoint(Apply(m, 1, 0), 0.0, 1.0);
}

TEST(Matrix2D, AppendedStepsActAfterwards) {
    CGMTRMatrix2D m;
    m.SetToTransfer(CGMTRVector2D(3, 4));
    m.Rotate(GMTR_HALF_PI);
    ExpectPoint(Apply(m, 1, 0), -4.0, 4.0);
    // A *= B: B acts after A; operator* leaves the left operand alone.
    CGMTRMatrix2D a, b;
    a.SetToRotate(GMTR_HALF_PI);
    b.SetToTransfer(CGMTRVector2D(10, 0));
    CGMTRMatrix2D ab = a * b;
    ExpectPoint(Apply(ab, 1, 0), 10.0, 1.0);
    ExpectPoint(Apply(a, 1, 0), 0.0, 1.0);
    a *= a; // self-product: a half turn
    ExpectPoint(Apply(a, 1, 0), -1.0, 0.0);
}

TEST(Matrix2D, RotationAndScaleAboutAPoint) {
    CGMTRMatrix2D m;
    m.SetToRotateBy(CGMTRPoint2D(1, 1), GMTR_HALF_PI);
    EXPECT_EQ(m.GetSingleValue(2, 0), 2.0);
    EXPECT_EQ(m.GetSingleValue(2, 1), 0.0);
    EXPECT_EQ(m.GetSingleValue(2, 2), 1.0);
    ExpectPoint(Apply(m, 2, 1), 1.0, 2.0);

    CGMTRMatrix2D s;
    s.SetToRotate(0.7); // replaced, not composed
    s.SetToScaleBy(CGMTRPoint2D(1, 1), 2.0);
    ExpectPoint(Apply(s, 3, 1), 5.0, 1.0);

    CGMTRMatrix2D t;
    t.SetToTransfer(CGMTRVector2D(1, 0));
    t.ScaleBy(CGMTRPoint2D(1, 1), 2.0);
    ExpectPoint(Apply(t, 2, 1), 5.0, 1.0);
    CGMTRMatrix2D r;
    r.SetToTransfer(CGMTRVector2D(1, 0));
    r.RotateBy(CGMTRPoint2D(1, 1), GMTR_HALF_PI);
    ExpectPoint(Apply(r, 1, 1), 1.0, 2.0);
    CGMTRMatrix2D k;
    k.Scale(3.0);
    k.Transfer(CGMTRVector2D(1, 1));
    ExpectPoint(Apply(k, 1, 2), 4.0, 7.0);
}

TEST(Matrix2D, Mirror) {
    CGMTRMatrix2D m;
    m.SetToMirror(CGMTRPoint2D(0, 1), CGMTRVector2D(1, 0));
    ExpectPoint(Apply(m, 2, 3), 2.0, -1.0);
    m.SetToMirror(CGMTRPoint2D(1, 0), CGMTRVector2D(0, 5));
    ExpectPoint(Apply(m, 3, 2), -1.0, 2.0);
    CGMTRMatrix2D n;
    n.SetToTransfer(CGMTRVector2D(0, 1));
    n.Mirror(CGMTRPoint2D(0, 0), CGMTRVector2D(1, 0));
    ExpectPoint(Apply(n, 2, 3), 2.0, -4.0);
    // Any mirror is its own inverse and keeps distances.
    CGMTRMatrix2D g;
    g.SetToMirror(CGMTRPoint2D(1e6, -3), CGMTRVector2D(2, -7));
    CGMTRMatrix2D gg = g * g;
    ExpectMatrixNear(gg, CGMTRMatrix2D(), 1e-8);
    EXPECT_NEAR(g.GetDeterminant(), -1.0, 1e-12);
}

TEST(Matrix2D, DeterminantCofactorsAndInverse) {
    CGMTRMatrix2D m(2, 1, 0, -1, 3, 0, 4, 5, 1);
    EXPECT_EQ(m.GetDeterminant(), 7.0);
    // Cofactors with the sign included: (0,1) of this matrix is -(-1*1 - 0*4) = 1.
    EXPECT_EQ(m.GetSubDet(0, 1), 1.0);
    EXPECT_EQ(m.GetSubDet(2, 2), 7.0);
    CGMTRMatrix2D inv(m);
    inv.Inverse();
    ExpectMatrixNear(m * inv, CGMTRMatrix2D(), 1e-15);

    CGMTRMatrix2D two;
    two.SetToScale(2.0);
    two.Inverse();
    CGMTRMatrix2D half;
    half.SetToScale(0.5);
    ExpectMatrixNear(two, half, 0.0);
}

TEST(Matrix2D, SingularMatrixIsLeftUnchanged) {
    CGMTRMatrix2D tiny;
    tiny.SetToScale(0.5e-5); // determinant 0.25e-10
    tiny.Inverse();
    EXPECT_EQ(tiny.GetSingleValue(0, 0), 0.5e-5);
    EXPECT_EQ(tiny.GetSingleValue(1, 1), 0.5e-5);
    CGMTRMatrix2D zero(0, 0, 0, 0, 0, 0, 0, 0, 0);
    zero.Inverse();
    EXPECT_EQ(zero.GetSingleValue(2, 2), 0.0);
    const double nan = std::nan("");
    CGMTRMatrix2D bad(nan, 0, 0, 0, 1, 0, 0, 0, 1);
    bad.Inverse(); // a NaN determinant is not below the tolerance: NaN spreads, no crash
    EXPECT_TRUE(std::isnan(bad.GetSingleValue(1, 1)));
}

TEST(Matrix2D, OrthogonalityAcceptsExactlyTheTolerance) {
    CGMTRMatrix2D m;
    m.SetToTransfer(CGMTRVector2D(1, 0));
    EXPECT_EQ(m.IsOrthogonal(), 0);
    m.SetToScale(2.0);
    EXPECT_EQ(m.IsOrthogonal(), 0);
    m.SetToRotate(1.0);
    EXPECT_EQ(m.IsOrthogonal(), 1);
    CGMTRMatrix2D f(1, 0, 0, 0, -1, 0, 0, 0, 1);
    EXPECT_EQ(f.IsOrthogonal(), 1);
    // A row product off by clearly more than the tolerance fails.
    CGMTRMatrix2D off(1, 0, 0, 2e-10, 1, 0, 0, 0, 1);
    EXPECT_EQ(off.IsOrthogonal(), 0);
    CGMTRMatrix2D near(1, 0, 0, 0.5e-10, 1, 0, 0, 0, 1);
    EXPECT_EQ(near.IsOrthogonal(), 1);
    EXPECT_EQ(m.ProductOfRow(0, 3), 0.0);
    EXPECT_EQ(m.ProductOfRow(-1, 0), 0.0);
}

TEST(Matrix2D, PointWithZeroWeightGetsNonFiniteCoordinates) {
    CGMTRMatrix2D m(1, 0, 0, 0, 1, 0, 0, 0, 0);
    CGMTRPoint2D p = Apply(m, 1, 1);
    EXPECT_FALSE(std::isfinite(p.X()));
}

TEST(Matrix2D, RandomCompositionsMatchStepByStepMoves) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> u(-10, 10);
    for (int n = 0; n < 200; ++n) {
        const double a = u(rng), f = u(rng);
        const CGMTRPoint2D c(u(rng), u(rng));
        const CGMTRVector2D v(u(rng), u(rng));
        CGMTRMatrix2D m;
        m.RotateBy(c, a);
        m.Transfer(v);
        m.ScaleBy(c, f);
        CGMTRPoint2D p(u(rng), u(rng));
        CGMTRPoint2D q = p;
        q.RotateForPoint(c, a);
        q.Transfer(v);
        q.Scale(c, f);
        p *= m;
        EXPECT_NEAR(p.X(), q.X(), 1e-11 * (1 + std::fabs(q.X())));
        EXPECT_NEAR(p.Y(), q.Y(), 1e-11 * (1 + std::fabs(q.Y())));
    }
}
