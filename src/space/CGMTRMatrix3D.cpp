#include "CGMTRMatrix3D.h"

#include <cmath>

namespace {
// r = a * b, each entry summed from 0.0 in the order k = 0, 1, 2 so that
// every product of the space family rounds the same way.
inline void Multiply(const double a[3][3], const double b[3][3], double r[3][3]) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double s = 0.0;
            for (int k = 0; k < 3; ++k)
                s += a[i][k] * b[k][j];
            r[i][j] = s;
        }
    }
}

inline void Copy(const double from[3][3], double to[3][3]) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            to[i][j] = from[i][j];
}
} // namespace

CGMTRMatrix3D::CGMTRMatrix3D() : m{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}

CGMTRMatrix3D::CGMTRMatrix3D(double const& m00, double const& m01, double const& m02,
                             double const& m10, double const& m11, double const& m12,
                             double const& m20, double const& m21, double const& m22)
    : m{{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}} {}

CGMTRMatrix3D::CGMTRMatrix3D(CGMTRMatrix3D const& other) = default;
CGMTRMatrix3D& CGMTRMatrix3D::operator=(CGMTRMatrix3D const& other) = default;

CGMTRMatrix3D CGMTRMatrix3D::operator*(CGMTRMatrix3D B) const {
    CGMTRMatrix3D r;
    Multiply(m, B.m, r.m);
    return r;
}

void CGMTRMatrix3D::operator*=(CGMTRMatrix3D const& B) {
    // Into a separate array first: B may be this matrix.
    double t[3][3];
    Multiply(m, B.m, t);
    Copy(t, m);
}

double CGMTRMatrix3D::ProductOfRow(short i, short j) {
    if (i < 0 || i > 2 || j < 0 || j > 2)
        return 0.0;
    return m[i][0] * m[j][0] + m[i][1] * m[j][1] + m[i][2] * m[j][2];
}

int CGMTRMatrix3D::IsOrthogonal() {
    // Only a deviation above the tolerance fails (not >=).
    for (short i = 0; i < 3; ++i)
        if (std::fabs(1.0 - ProductOfRow(i, i)) > GMTR_TOL)
            return 0;
    static const short pairs[3][2] = {{0, 1}, {1, 2}, {2, 0}};
    for (const auto& p : pairs)
        if (std::fabs(ProductOfRow(p[0], p[1])) > GMTR_TOL)
            return 0;
    return 1;
}

double CGMTRMatrix3D::GetDeterminant() {
    return (m[1][1] * m[2][2] - m[1][2] * m[2][1]) * m[0][0] +
           (m[2][0] * m[1][2] - m[1][0] * m[2][2]) * m[0][1] +
           (m[1][0] * m[2][1] - m[2][0] * m[1][1]) * m[0][2];
}

double CGMTRMatrix3D::GetSubDet(short i, short j) {
    // Cyclic rows and columns carry the cofactor's sign.
    const int r1 = (i + 1) % 3, r2 = (i + 2) % 3;
    const int c1 = (j + 1) % 3, c2 = (j + 2) % 3;
    return m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1];
}

void CGMTRMatrix3D::Inverse() {
    CGMTRMatrix3D copy(*this);
    const double det = copy.GetDeterminant();
    if (std::fabs(det) < GMTR_TOL)
        return;
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            m[i][j] = copy.GetSubDet(j, i) / det;
}

void CGMTRMatrix3D::SetMatrixValue(double const& m00, double const& m01, double const& m02,
                                   double const& m10, double const& m11, double const& m12,
                                   double const& m20, double const& m21, double const& m22) {
    // Read every argument before writing: they may refer to this matrix's
    // own entries.
    const double v[3][3] = {{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}};
    Copy(v, m);
}

void CGMTRMatrix3D::SetSingleValue(short i, short j, double const& value) {
    m[i][j] = value;
}

double CGMTRMatrix3D::GetSingleValue(short i, short j) const {
    return m[i][j];
}
