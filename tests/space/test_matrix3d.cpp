// Space matrix: product order, cofactors, inverse and the orthogonality test
// at their tolerance boundaries.
#include "CGMTRMatrix3D.h"
#include "CGMTRPoint3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

namespace {
bool Near(const CGMTRMatrix3D& a, const CGMTRMatrix3D& b, double tol) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!(std::fabs(a.GetSingleValue(i, j) - b.GetSingleValue(i, j)) <= tol))
                return false;
    return true;
}

const CGMTRMatrix3D kG(2, -1, 0.5, 3, 4, -2, 1, 0.25, 5); // determinant 56.375
const CGMTRMatrix3D kQuarter(0, 1, 0, -1, 0, 0, 0, 0, 1); // +pi/2 about z
} // namespace

TEST(Matrix3D, LayoutIdentityAndRowVectorPoints) {
    static_assert(sizeof(CGMTRMatrix3D) == 72 && !std::is_polymorphic<CGMTRMatrix3D>::value &&
                      std::is_standard_layout<CGMTRMatrix3D>::value,
                  "plain value of nine doubles");
    EXPECT_EQ(reinterpret_cast<const double*>(&kG)[3], 3.0); // row by row
    CGMTRMatrix3D m;
    EXPECT_TRUE(m.GetDeterminant() == 1.0 && m.IsOrthogonal() == 1);
    m.SetMatrixValue(9, 8, 7, 6, 5, 4, 3, 2, 1);
    m.SetSingleValue(2, 0, -3);
    EXPECT_TRUE(m.GetSingleValue(0, 0) == 9 && m.GetSingleValue(2, 0) == -3);

    CGMTRPoint3D p(1, 2, 3), e0(1, 0, 0), q(1, 2, 3), r(1, 2, 3);
    p *= CGMTRMatrix3D();
    e0 *= kG; // the first row
    EXPECT_TRUE(p.X() == 1 && p.Y() == 2 && p.Z() == 3 && e0 == CGMTRPoint3D(2, -1, 0.5));
    q *= kG; // (p A) B == p (A B): the left factor acts first
    q *= kQuarter;
    r *= kG * kQuarter;
    EXPECT_EQ(q == r, 1);
}

TEST(Matrix3D, SelfProductCofactorsAndInverse) {
    CGMTRMatrix3D half(kQuarter), g(kG);
    half *= half;
    EXPECT_TRUE(Near(half, CGMTRMatrix3D(-1, 0, 0, 0, -1, 0, 0, 0, 1), 0.0));
    const CGMTRMatrix3D sq = kG * kG;
    g *= g;
    EXPECT_TRUE(Near(g, sq, 0.0));
    EXPECT_EQ(sq.GetSingleValue(0, 0), 2 * 2 + -1 * 3 + 0.5 * 1);

    g = kG;
    EXPECT_EQ(g.GetDeterminant(), 56.375);
    // Row i against the cofactors of row j: det on the diagonal, 0 off it.
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            EXPECT_EQ(g.GetSingleValue(i, 0) * g.GetSubDet(j, 0) +
                          g.GetSingleValue(i, 1) * g.GetSubDet(j, 1) +
                          g.GetSingleValue(i, 2) * g.GetSubDet(j, 2),
                      i == j ? 56.375 : 0.0);
    g.Inverse();
    EXPECT_TRUE(Near(g * kG, CGMTRMatrix3D(), 1e-15));
    CGMTRMatrix3D d(2, 0, 0, 0, 4, 0, 0, 0, 8);
    d.Inverse();
    EXPECT_TRUE(Near(d, CGMTRMatrix3D(0.5, 0, 0, 0, 0.25, 0, 0, 0, 0.125), 0.0));
}

TEST(Matrix3D, SingularInverseIsStrictAndLeavesTheMatrix) {
    CGMTRMatrix3D s(1e-11, 0, 0, 0, 1, 0, 0, 0, 1), edge(1e-10, 0, 0, 0, 1, 0, 0, 0, 1);
    s.Inverse();
    edge.Inverse(); // |det| of exactly GMTR_TOL still inverts
    EXPECT_TRUE(s.GetSingleValue(0, 0) == 1e-11 && edge.GetSingleValue(0, 0) == 1e10);
    CGMTRMatrix3D rank2(1, 2, 3, 2, 4, 6, 0, 1, 1), keep(rank2);
    rank2.Inverse();
    EXPECT_TRUE(Near(rank2, keep, 0.0));
    CGMTRMatrix3D n(std::numeric_limits<double>::quiet_NaN(), 0, 0, 0, 1, 0, 0, 0, 1);
    n.Inverse(); // NaN in, NaN out
    EXPECT_TRUE(std::isnan(n.GetSingleValue(0, 0)));
}

TEST(Matrix3D, OrthogonalityAcceptsExactlyTheTolerance) {
    EXPECT_TRUE(CGMTRMatrix3D().ProductOfRow(0, 3) == 0 &&
                CGMTRMatrix3D().ProductOfRow(-1, 0) == 0);
    const double h = std::sqrt(0.5);
    EXPECT_EQ(CGMTRMatrix3D(h, h, 0, -h, h, 0, 0, 0, 1).IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, h, h, 0, 0, 0, 1).IsOrthogonal(), 0); // unit rows, skew
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 2, 0, 0, 0, 1).IsOrthogonal(), 0);
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 0, 0, -1).IsOrthogonal(), 1); // a reflection
    // Rows 0 and 1 meet with a dot product of exactly 1e-10; row 1's squared
    // length rounds to 1.
    CGMTRMatrix3D edge(1, 0, 0, 1e-10, 1, 0, 0, 0, 1);
    EXPECT_EQ(edge.ProductOfRow(0, 1), GMTR_TOL);
    EXPECT_EQ(edge.IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 1.5e-10, 0, 1).IsOrthogonal(), 0); // pair (2, 0)
}
