// Plane matrix: composition order, builders, determinant, inverse, orthogonality.
// Random compositions of the appended steps are checked through the transform tests.
#include "CGMTRMatrix2D.h"
#include "support/TestSupport.h"

#include <limits>
#include <vector>

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
} // namespace

// Builders replace what is there, appended steps act after it; quarter turns are exact.
TEST(Matrix2D, BuildersReplaceAppendedStepsFollow) {
    CGMTRMatrix2D a, b, s, m(1, 2, 3, 4, 5, 6, 7, 8, 9);
    m.SetSingleValue(1, 2, -1.0);
    ExpectMatrix(m, CGMTRMatrix2D(1, 2, 3, 4, 5, -1, 7, 8, 9), 0.0);
    a.SetToRotate(GMTR_HALF_PI);
    ExpectMatrix(a, CGMTRMatrix2D(0, 1, 0, -1, 0, 0, 0, 0, 1), 0.0);
    b.SetToTransfer(CGMTRVector2D(10, 0));
    ExpectAt(Apply(a * b, 1, 0), 10, 1, 0); // B acts after A; the operands stay
    a *= a;                                 // self-product: a half turn
    s.SetToRotate(1.0);
    s.SetToScaleBy(P(1, 1), 2.0); // replaced, not composed
    s.ScaleBy(P(1, 1), 2.0);
    m.SetToMirror(P(1, 0), CGMTRVector2D(0, 5));
    ExpectAt(Apply(a, 1, 0), -1, 0, 0);
    ExpectAt(Apply(s, 3, 1), 9, 1, 0);
    ExpectAt(Apply(m, 3, 2), -1, 2, 0);
}

// The shared 3x3 arithmetic is covered with the space matrix; here the plane
// forms, a NaN spreading through the inverse and a zero weight.
TEST(Matrix2D, DeterminantCofactorsAndInverse) {
    CGMTRMatrix2D m(2, 1, 0, -1, 3, 0, 4, 5, 1), bad(std::nan(""), 0, 0, 0, 1, 0, 0, 0, 1),
        w(1, 0, 0, 0, 1, 0, 0, 0, 0);
    EXPECT_EQ(m.GetDeterminant(), 7.0);
    EXPECT_EQ(m.GetSubDet(0, 1), 1.0); // sign included: -(-1*1 - 0*4)
    bad.Inverse();
    EXPECT_TRUE(std::isnan(bad.GetSingleValue(1, 1)));
    EXPECT_FALSE(std::isfinite(Apply(w, 1, 1).X()));
}

TEST(Matrix2D, OrthogonalityAtTheTolerance) {
    CGMTRMatrix2D m;
    m.SetToTransfer(CGMTRVector2D(1, 0));
    EXPECT_EQ(m.IsOrthogonal(), 0);
    m.SetToRotate(1.0);
    EXPECT_EQ(m.IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix2D(1, 0, 0, 2e-10, 1, 0, 0, 0, 1).IsOrthogonal(), 0);
    EXPECT_EQ(m.ProductOfRow(-1, 0), 0.0); // indices out of range give 0
    EXPECT_EQ(m.ProductOfRow(3, 0), 0.0);
}

// The rotation about a point is T(-p), then R(a), then T(p), each appended
// with the full 3x3 product. Built in one step it must give the same bits for
// every centre and angle (signed zeros, quarter turns, huge, infinite and NaN
// values, both sides of the snapping of cosine and sine), and so must a point
// turned in place by RotateForPoint.
TEST(Matrix2D, RotationAboutAPointEqualsTheComposedStepsBitForBit) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double coords[] = {0.0, -0.0, 1.0, -2.5, 1e6 + 0.25, 1e-160, 1e-300, 1e300, inf, nan};
    std::vector<double> angles = {0.0,     -0.0,     0.3,   -2.0, GMTR_HALF_PI, -GMTR_HALF_PI,
                                  GMTR_PI, GMTR_2PI, 1e-17, inf,  nan};
    // Cosine or sine a few doubles either side of 1 - tol/2, 1 - tol and 1 - 1.5 tol.
    for (double v : {1 - GMTR_TOL / 2, 1 - GMTR_TOL, 1 - 1.5 * GMTR_TOL}) {
        double c = std::nextafter(std::nextafter(v, 0.0), 0.0);
        for (int i = 0; i < 5; ++i, c = std::nextafter(c, 2.0)) {
            const double b = std::acos(c);
            for (double a : {b, -b, GMTR_HALF_PI - b, GMTR_PI - b})
                angles.push_back(a);
        }
    }
    const CGMTRPoint2D points[] = {P(3.5, -0.0), P(-0.0, 1e300), P(1e308, -1e308),
                                   P(inf, 1.0),  P(2.0, nan),    P(-1.0, -inf)};
    for (double px : coords)
        for (double py : coords)
            for (double a : angles) {
                CGMTRMatrix2D want;
                want.SetToTransfer(CGMTRVector2D(-px, -py));
                want.Rotate(a);
                want.Transfer(CGMTRVector2D(px, py));
                CGMTRMatrix2D got;
                got.SetToRotateBy(P(px, py), a);
                SCOPED_TRACE(testing::Message()
                             << "centre (" << px << ", " << py << ") angle " << a);
                for (short k = 0; k < 9; ++k)
                    ExpectSame(got.GetSingleValue(k / 3, k % 3), want.GetSingleValue(k / 3, k % 3));
                for (const CGMTRPoint2D& point : points) {
                    CGMTRPoint2D turned(point), moved(point);
                    turned.RotateForPoint(P(px, py), a);
                    moved *= want;
                    ExpectSame(turned, moved);
                }
            }
}
