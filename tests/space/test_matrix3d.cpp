// Space matrix: product order, cofactors, inverse and orthogonality at the tolerance.
#include "CGMTRMatrix3D.h"
#include "support/TestSupport.h"

static_assert(sizeof(CGMTRMatrix3D) == 72 && std::is_standard_layout<CGMTRMatrix3D>::value,
              "plain value of nine doubles");

namespace {
const CGMTRMatrix3D kG(2, -1, 0.5, 3, 4, -2, 1, 0.25, 5), kQuarter(0, 1, 0, -1, 0, 0, 0, 0, 1);
} // namespace

TEST(Matrix3D, StorageAndRowVectorPoints) {
    CGMTRMatrix3D m;
    m.SetMatrixValue(9, 8, 7, 6, 5, 4, 3, 2, 1);
    m.SetSingleValue(2, 0, -3);
    ExpectMatrix(m, CGMTRMatrix3D(9, 8, 7, 6, 5, 4, -3, 2, 1), 0.0);
    EXPECT_EQ(reinterpret_cast<const double*>(&kG)[3], 3.0); // stored row by row
    CGMTRPoint3D q(1, 2, 3), r(1, 2, 3);
    q *= kG;
    q *= kQuarter;
    r *= kG * kQuarter; // (p A) B == p (A B): the left factor acts first
    EXPECT_TRUE(q == r);
}

TEST(Matrix3D, SelfProductCofactorsAndInverse) {
    CGMTRMatrix3D g(kG);
    g *= g; // the argument may be the matrix itself
    ExpectMatrix(g, kG * kG, 0.0);
    g = kG;
    EXPECT_EQ(g.GetDeterminant(), 56.375);
    EXPECT_EQ(g.GetSubDet(1, 0), 5.125); // sign included: -(-1 * 5 - 0.5 * 0.25)
    g.Inverse();
    ExpectMatrix(g * kG, CGMTRMatrix3D(), 1e-15);
    CGMTRMatrix3D s(1e-11, 0, 0, 0, 1, 0, 0, 0, 1), edge(1e-10, 0, 0, 0, 1, 0, 0, 0, 1);
    s.Inverse(); // |det| below the tolerance: unchanged; exactly the tolerance inverts
    edge.Inverse();
    EXPECT_EQ(s.GetSingleValue(0, 0), 1e-11);
    EXPECT_EQ(edge.GetSingleValue(0, 0), 1e10);
}

TEST(Matrix3D, OrthogonalityAcceptsExactlyTheTolerance) {
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 0, 0, -1).IsOrthogonal(), 1); // a reflection
    CGMTRMatrix3D edge(1, 0, 0, 1e-10, 1, 0, 0, 0, 1); // row 1's squared length rounds to 1
    EXPECT_EQ(edge.ProductOfRow(0, 1), GMTR_TOL);
    EXPECT_EQ(edge.IsOrthogonal(), 1);
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 1.5e-10, 0, 1).IsOrthogonal(), 0); // pair (2, 0)
    EXPECT_EQ(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 0, 1.5e-10, 1).IsOrthogonal(), 0); // pair (1, 2)
    EXPECT_EQ(edge.ProductOfRow(0, 3), 0.0); // an index out of range gives 0
}
