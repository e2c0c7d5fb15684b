// Plane matrix: composition order, builders, determinant, inverse, tests.
#include "CGMTRMatrix2D.h"
#include "support/TestSupport.h"

#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRMatrix2D) == 72 && !std::is_polymorphic<CGMTRMatrix2D>::value,
              "plain value of nine doubles");
static_assert(std::is_same<decltype(std::declval<CGMTRMatrix2D&>() = CGMTRMatrix2D()), void>::value,
              "matrix assignment returns nothing");

namespace {
CGMTRPoint2D Apply(const CGMTRMatrix2D& m, double x, double y) {
    CGMTRPoint2D p(x, y);
    p *= m;
    return p;
}

void ExpectMatrixNear(const CGMTRMatrix2D& a, const CGMTRMatrix2D& b, double tol) {
    for (short k = 0; k < 9; ++k)
        EXPECT_NEAR(a.GetSingleValue(k / 3, k % 3), b.GetSingleValue(k / 3, k % 3), tol) << k;
}
} // namespace

TEST(Matrix2D, AccessAndExactQuarterTurn) {
    CGMTRMatrix2D n(1, 2, 3, 4, 5, 6, 7, 8, 9), m;
    EXPECT_EQ(n.GetSingleValue(1, 2), 6.0);
    n.SetSingleValue(1, 2, -1.0);
    EXPECT_EQ(n.GetSingleValue(1, 2), -1.0);
    n.Reset();
    ExpectMatrixNear(n, m, 0.0);
    m.SetToRotate(GMTR_HALF_PI);
    EXPECT_TRUE(m.GetSingleValue(0, 0) == 0 && m.GetSingleValue(0, 1) == 1 &&
                m.GetSingleValue(1, 0) == -1 && m.GetSingleValue(1, 1) == 0);
}

TEST(Matrix2D, BuildersReplaceAndAppendedStepsActAfterwards) {
    CGMTRMatrix2D m, a, b, s, t, r, k;
    m.SetToTransfer(CGMTRVector2D(3, 4));
    m.Rotate(GMTR_HALF_PI);
    ExpectAt(Apply(m, 1, 0), -4, 4, 0);
    a.SetToRotate(GMTR_HALF_PI);
    b.SetToTransfer(CGMTRVector2D(10, 0));
    ExpectAt(Apply(a * b, 1, 0), 10, 1, 0); // B acts after A
    ExpectAt(Apply(a, 1, 0), 0, 1, 0);      // operator* leaves the operand alone
    a *= a;                                 // self-product: a half turn
    ExpectAt(Apply(a, 1, 0), -1, 0, 0);
    m.SetToRotateBy(P(1, 1), GMTR_HALF_PI);
    EXPECT_TRUE(m.GetSingleValue(2, 0) == 2 && m.GetSingleValue(2, 1) == 0);
    ExpectAt(Apply(m, 2, 1), 1, 2, 0);
    s.SetToRotate(0.7); // replaced, not composed
    s.SetToScaleBy(P(1, 1), 2.0);
    ExpectAt(Apply(s, 3, 1), 5, 1, 0);
    t.SetToTransfer(CGMTRVector2D(1, 0));
    t.ScaleBy(P(1, 1), 2.0);
    ExpectAt(Apply(t, 2, 1), 5, 1, 0);
    r.SetToTransfer(CGMTRVector2D(1, 0));
    r.RotateBy(P(1, 1), GMTR_HALF_PI);
    ExpectAt(Apply(r, 1, 1), 1, 2, 0);
    k.Scale(3.0);
    k.Transfer(CGMTRVector2D(1, 1));
    ExpectAt(Apply(k, 1, 2), 4, 7, 0);
    m.SetToMirror(P(1, 0), CGMTRVector2D(0, 5));
    ExpectAt(Apply(m, 3, 2), -1, 2, 0);
    b.Mirror(P(0, 0), CGMTRVector2D(1, 0)); // appended after the shift
    ExpectAt(Apply(b, 2, 3), 12, -3, 0);
    CGMTRMatrix2D g; // any mirror is its own inverse, far out too
    g.SetToMirror(P(1e6, -3), CGMTRVector2D(2, -7));
    ExpectMatrixNear(g * g, CGMTRMatrix2D(), 1e-8);
    EXPECT_NEAR(g.GetDeterminant(), -1.0, 1e-12);
}

TEST(Matrix2D, DeterminantCofactorsAndInverse) {
    CGMTRMatrix2D m(2, 1, 0, -1, 3, 0, 4, 5, 1), inv(m), two, half;
    EXPECT_EQ(m.GetDeterminant(), 7.0);
    EXPECT_EQ(m.GetSubDet(0, 1), 1.0); // sign included: -(-1*1 - 0*4)
    EXPECT_EQ(m.GetSubDet(2, 2), 7.0);
    inv.Inverse();
    ExpectMatrixNear(m * inv, CGMTRMatrix2D(), 1e-15);
    two.SetToScale(2.0);
    two.Inverse();
    half.SetToScale(0.5);
    ExpectMatrixNear(two, half, 0.0);
    // Singular (|det| below the tolerance): unchanged; NaN spreads.
    CGMTRMatrix2D tiny, zero(0, 0, 0, 0, 0, 0, 0, 0, 0), bad(std::nan(""), 0, 0, 0, 1, 0, 0, 0, 1);
    tiny.SetToScale(0.5e-5);
    tiny.Inverse();
    zero.Inverse();
    bad.Inverse();
    EXPECT_TRUE(tiny.GetSingleValue(1, 1) == 0.5e-5 && zero.GetSingleValue(2, 2) == 0.0);
    EXPECT_TRUE(std::isnan(bad.GetSingleValue(1, 1)));
    CGMTRMatrix2D w(1, 0, 0, 0, 1, 0, 0, 0, 0); // zero weight: non-finite point
    EXPECT_FALSE(std::isfinite(Apply(w, 1, 1).X()));
}

TEST(Matrix2D, OrthogonalityAtTheTolerance) {
    CGMTRMatrix2D m;
    m.SetToTransfer(CGMTRVector2D(1, 0));
    EXPECT_EQ(m.IsOrthogonal(), 0);
    m.SetToRotate(1.0);
    EXPECT_EQ(m.IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix2D(1, 0, 0, 0, -1, 0, 0, 0, 1).IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix2D(1, 0, 0, 2e-10, 1, 0, 0, 0, 1).IsOrthogonal(), 0);
    EXPECT_EQ(CGMTRMatrix2D(1, 0, 0, 0.5e-10, 1, 0, 0, 0, 1).IsOrthogonal(), 1);
    EXPECT_TRUE(m.ProductOfRow(0, 3) == 0.0 && m.ProductOfRow(-1, 0) == 0.0);
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
        CGMTRPoint2D p(u(rng), u(rng)), q = p;
        q.RotateForPoint(c, a);
        q.Transfer(v);
        q.Scale(c, f);
        p *= m;
        ExpectAt(p, q.X(), q.Y(), 1e-11 * (1 + std::fabs(q.X()) + std::fabs(q.Y())));
    }
}
