#include "CGMTRMatrix3D.h"

#include "numeric/Matrix33.h"

#include <cmath>

using gmtrrt::detail::Cofactor33;
using gmtrrt::detail::Copy33;
using gmtrrt::detail::Determinant33;
using gmtrrt::detail::Invert33;
using gmtrrt::detail::IsOrthonormal33;
using gmtrrt::detail::Multiply33;
using gmtrrt::detail::RowProduct33;

CGMTRMatrix3D::CGMTRMatrix3D() : m{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}

CGMTRMatrix3D::CGMTRMatrix3D(double const& m00, double const& m01, double const& m02,
                             double const& m10, double const& m11, double const& m12,
                             double const& m20, double const& m21, double const& m22)
    : m{{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}} {}

CGMTRMatrix3D CGMTRMatrix3D::operator*(CGMTRMatrix3D B) const {
    CGMTRMatrix3D r;
    Multiply33(m, B.m, r.m);
    return r;
}

void CGMTRMatrix3D::operator*=(CGMTRMatrix3D const& B) {
    // Into a separate array first: B may be this matrix.
    double t[3][3];
    Multiply33(m, B.m, t);
    Copy33(t, m);
}

double CGMTRMatrix3D::ProductOfRow(short i, short j) {
    return RowProduct33(m, i, j);
}

int CGMTRMatrix3D::IsOrthogonal() {
    // Only a deviation above the tolerance fails (not >=).
    return IsOrthonormal33(m);
}

double CGMTRMatrix3D::GetDeterminant() {
    return Determinant33(m);
}

double CGMTRMatrix3D::GetSubDet(short i, short j) {
    return Cofactor33(m, i, j);
}

void CGMTRMatrix3D::Inverse() {
    Invert33(m);
}

void CGMTRMatrix3D::SetMatrixValue(double const& m00, double const& m01, double const& m02,
                                   double const& m10, double const& m11, double const& m12,
                                   double const& m20, double const& m21, double const& m22) {
    // Read every argument before writing: they may refer to this matrix's
    // own entries.
    const double v[3][3] = {{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}};
    Copy33(v, m);
}

void CGMTRMatrix3D::SetSingleValue(short i, short j, double const& value) {
    m[i][j] = value;
}

double CGMTRMatrix3D::GetSingleValue(short i, short j) const {
    return m[i][j];
}

// Const forms: the same members, called on a matrix that is not changed.
double CGMTRMatrix3D::ProductOfRow(short i, short j) const {
    return const_cast<CGMTRMatrix3D&>(*this).ProductOfRow(i, j);
}
int CGMTRMatrix3D::IsOrthogonal() const {
    return const_cast<CGMTRMatrix3D&>(*this).IsOrthogonal();
}
double CGMTRMatrix3D::GetDeterminant() const {
    return const_cast<CGMTRMatrix3D&>(*this).GetDeterminant();
}
double CGMTRMatrix3D::GetSubDet(short i, short j) const {
    return const_cast<CGMTRMatrix3D&>(*this).GetSubDet(i, j);
}
