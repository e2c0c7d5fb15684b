// Space matrix: product order, cofactors, inverse and orthogonality at the tolerance.
#include "CGMTRMatrix3D.h"
#include "CGMTRPoint3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

static bool Near(const CGMTRMatrix3D& a, const CGMTRMatrix3D& b, double tol) {
    bool ok = true;
    for (short k = 0; k < 9; ++k)
        ok =
            ok && std::fabs(a.GetSingleValue(k / 3, k % 3) - b.GetSingleValue(k / 3, k % 3)) <= tol;
    return ok;
}

static const CGMTRMatrix3D kG(2, -1, 0.5, 3, 4, -2, 1, 0.25, 5),
    kQuarter(0, 1, 0, -1, 0, 0, 0, 0, 1);

TEST(Matrix3D, LayoutIdentityAndRowVectorPoints) {
    static_assert(sizeof(CGMTRMatrix3D) == 72 && !std::is_polymorphic<CGMTRMatrix3D>::value &&
                      std::is_standard_layout<CGMTRMatrix3D>::value,
                  "plain value of nine doubles");
    CGMTRMatrix3D m;
    EXPECT_TRUE(m.GetDeterminant() == 1.0 && m.IsOrthogonal() == 1 &&
                CGMTRMatrix3D(kG).GetDeterminant() == 56.375);
    m.SetMatrixValue(9, 8, 7, 6, 5, 4, 3, 2, 1), m.SetSingleValue(2, 0, -3);
    EXPECT_TRUE(m.GetSingleValue(0, 0) == 9 && m.GetSingleValue(2, 0) == -3 &&
                reinterpret_cast<const double*>(&kG)[3] == 3.0); // stored row by row

    CGMTRPoint3D p(1, 2, 3), e0(1, 0, 0), q(1, 2, 3), r(1, 2, 3);
    p *= CGMTRMatrix3D(), e0 *= kG;             // e0 picks the first row
    q *= kG, q *= kQuarter, r *= kG * kQuarter; // (p A) B == p (A B): the left factor acts first
    EXPECT_TRUE(p.X() == 1 && p.Y() == 2 && p.Z() == 3 && e0 == CGMTRPoint3D(2, -1, 0.5) &&
                (q == r) == 1);
}

TEST(Matrix3D, SelfProductCofactorsAndInverse) {
    CGMTRMatrix3D half(kQuarter), g(kG);
    const CGMTRMatrix3D sq = kG * kG;
    half *= half, g *= g;
    EXPECT_TRUE(Near(half, CGMTRMatrix3D(-1, 0, 0, 0, -1, 0, 0, 0, 1), 0.0) && Near(g, sq, 0.0) &&
                sq.GetSingleValue(0, 0) == 2 * 2 + -1 * 3 + 0.5 * 1);
    g = kG;                       // determinant 56.375
    for (short i = 0; i < 3; ++i) // row i against the cofactors of row 1: det only for i == 1
        EXPECT_EQ(g.GetSingleValue(i, 0) * g.GetSubDet(1, 0) +
                      g.GetSingleValue(i, 1) * g.GetSubDet(1, 1) +
                      g.GetSingleValue(i, 2) * g.GetSubDet(1, 2),
                  i == 1 ? 56.375 : 0.0);
    g.Inverse();
    EXPECT_TRUE(Near(g * kG, CGMTRMatrix3D(), 1e-15));
    // Singular inverse is strict and leaves the matrix; |det| of exactly GMTR_TOL inverts.
    CGMTRMatrix3D s(1e-11, 0, 0, 0, 1, 0, 0, 0, 1), edge(1e-10, 0, 0, 0, 1, 0, 0, 0, 1);
    CGMTRMatrix3D rank2(1, 2, 3, 2, 4, 6, 0, 1, 1), keep(rank2),
        n(std::nan(""), 0, 0, 0, 1, 0, 0, 0, 1);
    s.Inverse(), edge.Inverse(), rank2.Inverse(), n.Inverse(); // NaN in, NaN out
    EXPECT_TRUE(s.GetSingleValue(0, 0) == 1e-11 && edge.GetSingleValue(0, 0) == 1e10 &&
                Near(rank2, keep, 0.0) && std::isnan(n.GetSingleValue(0, 0)));
}

TEST(Matrix3D, OrthogonalityAcceptsExactlyTheTolerance) {
    const double h = std::sqrt(0.5); // unit rows that are skew fail; a reflection passes
    EXPECT_TRUE(CGMTRMatrix3D().ProductOfRow(0, 3) == 0 &&
                CGMTRMatrix3D().ProductOfRow(-1, 0) == 0 &&
                CGMTRMatrix3D(h, h, 0, -h, h, 0, 0, 0, 1).IsOrthogonal() == 1 &&
                CGMTRMatrix3D(1, 0, 0, h, h, 0, 0, 0, 1).IsOrthogonal() == 0 &&
                CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 0, 0, -1).IsOrthogonal() == 1);
    // Rows 0 and 1 meet with a dot product of exactly 1e-10 (row 1's squared length rounds to 1).
    CGMTRMatrix3D edge(1, 0, 0, 1e-10, 1, 0, 0, 0, 1);
    EXPECT_TRUE(edge.ProductOfRow(0, 1) == GMTR_TOL && edge.IsOrthogonal() == 1 &&
                CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 1.5e-10, 0, 1).IsOrthogonal() == 0); // pair (2, 0)
}
