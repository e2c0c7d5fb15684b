#include "CGMTRMatrix2D.h"

#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/Compiler.h"
#include "numeric/Matrix33.h"
#include "numeric/NumericInline.h"
#include "transform/RotateAboutPoint.h"

#include <cmath>

using gmtrrt::detail::Cofactor33;
using gmtrrt::detail::Copy33;
using gmtrrt::detail::Determinant33;
using gmtrrt::detail::Invert33;
using gmtrrt::detail::IsOrthonormal33;
using gmtrrt::detail::Multiply33;
using gmtrrt::detail::RowProduct33;

CGMTRMatrix2D CGMTRMatrix2D::operator*(CGMTRMatrix2D B) {
    CGMTRMatrix2D r;
    Multiply33(m, B.m, r.m);
    return r;
}

void CGMTRMatrix2D::operator*=(CGMTRMatrix2D const& B) {
    double t[3][3];
    Multiply33(m, B.m, t);
    Copy33(t, m);
}

double CGMTRMatrix2D::GetDeterminant() {
    return Determinant33(m);
}

double CGMTRMatrix2D::GetSubDet(short i, short j) {
    return Cofactor33(m, i, j);
}

double CGMTRMatrix2D::ProductOfRow(short i, short j) {
    return RowProduct33(m, i, j);
}

int CGMTRMatrix2D::IsOrthogonal() {
    return IsOrthonormal33(m);
}

void CGMTRMatrix2D::Inverse() {
    Invert33(m);
}

void CGMTRMatrix2D::SetToTransfer(CGMTRVector2D const& v) {
    Reset();
    m[2][0] = v.X();
    m[2][1] = v.Y();
}

void CGMTRMatrix2D::Transfer(CGMTRVector2D const& v) {
    CGMTRMatrix2D t;
    t.SetToTransfer(v);
    *this *= t;
}

void CGMTRMatrix2D::SetToRotate(double const& angle) {
    double k;
    double s;
    gmtrrt::detail::SnapCosSin(angle, k, s);
    Reset();
    m[0][0] = k;
    m[0][1] = s;
    m[1][0] = -s;
    m[1][1] = k;
}

void CGMTRMatrix2D::Rotate(double const& angle) {
    CGMTRMatrix2D r;
    r.SetToRotate(angle);
    *this *= r;
}

namespace {
// T(-p) * R * T(p) for the cosine k and sine s of the turn, the two products
// written out term by term: every sum starts from 0.0 and keeps each product
// with a variable in the order k = 0, 1, 2, so signed zeros and non-finite
// values come out as from the full 3x3 products. Only products of two
// constants and multiplications by 1.0 (which change no bits) are left out.
// Kept out of line so that the generic case does not compute it as well.
GMTRRT_NOINLINE void RotateByProducts(double (&m)[3][3], double k, double s, double px, double py) {
    const double ns = -s;
    const double a = -px;
    const double b = -py;
    // First product: T(-p) * R.
    const double r00 = ((0.0 + k) + 0.0 * ns) + 0.0;
    const double r01 = ((0.0 + s) + 0.0 * k) + 0.0;
    const double r02 = 0.0;
    const double r10 = ((0.0 + 0.0 * k) + ns) + 0.0;
    const double r11 = ((0.0 + 0.0 * s) + k) + 0.0;
    const double r12 = 0.0;
    const double r20 = ((0.0 + a * k) + b * ns) + 0.0;
    const double r21 = ((0.0 + a * s) + b * k) + 0.0;
    const double r22 = ((0.0 + a * 0.0) + b * 0.0) + 1.0;
    // Second product: that * T(p), row by row (plain scalars: no temporary
    // array, whose mixed-width loads would stall on the stores before them).
    auto row = [&](int i, double c0, double c1, double c2) {
        m[i][0] = ((0.0 + c0) + c1 * 0.0) + c2 * px;
        m[i][1] = ((0.0 + c0 * 0.0) + c1) + c2 * py;
        m[i][2] = ((0.0 + c0 * 0.0) + c1 * 0.0) + c2;
    };
    row(0, r00, r01, r02);
    row(1, r10, r11, r12);
    row(2, r20, r21, r22);
}
} // namespace

void CGMTRMatrix2D::SetToRotateBy(CGMTRPoint2D const& p, double const& angle) {
    // T(-p) * R(angle) * T(p).
    double k;
    double s;
    gmtrrt::detail::SnapCosSin(angle, k, s);
    const double px = p.X();
    const double py = p.Y();
    if (gmtrrt::detail::RotateByGeneric(k, s, px, py, m)) {
        return;
    }
    RotateByProducts(m, k, s, px, py);
}

void CGMTRMatrix2D::RotateBy(CGMTRPoint2D const& p, double const& angle) {
    CGMTRMatrix2D r;
    r.SetToRotateBy(p, angle);
    *this *= r;
}

void CGMTRMatrix2D::SetToScale(double const& factor) {
    Reset();
    m[0][0] = factor;
    m[1][1] = factor;
}

void CGMTRMatrix2D::Scale(double const& factor) {
    CGMTRMatrix2D s;
    s.SetToScale(factor);
    *this *= s;
}

void CGMTRMatrix2D::SetToScaleBy(CGMTRPoint2D const& p, double const& factor) {
    SetToTransfer(CGMTRVector2D(-p.X(), -p.Y()));
    Scale(factor);
    Transfer(CGMTRVector2D(p.X(), p.Y()));
}

void CGMTRMatrix2D::ScaleBy(CGMTRPoint2D const& p, double const& factor) {
    CGMTRMatrix2D s;
    s.SetToScaleBy(p, factor);
    *this *= s;
}

void CGMTRMatrix2D::SetToMirror(CGMTRPoint2D const& p, CGMTRVector2D const& v) {
    const double a = v.Angle();
    // Move the mirror line onto the x axis, reflect in it, and move it back.
    CGMTRMatrix2D q;
    q.SetToTransfer(CGMTRVector2D(-p.X(), -p.Y()));
    q.Rotate(-a);
    CGMTRMatrix2D f;
    f.m[1][1] = -1.0;
    CGMTRMatrix2D qInv(q);
    qInv.Inverse();
    Reset();
    *this *= q;
    *this *= f;
    *this *= qInv;
}

void CGMTRMatrix2D::Mirror(CGMTRPoint2D const& p, CGMTRVector2D const& v) {
    CGMTRMatrix2D r;
    r.SetToMirror(p, v);
    *this *= r;
}

// Const forms: the same members, called on a matrix that is not changed.
CGMTRMatrix2D CGMTRMatrix2D::operator*(CGMTRMatrix2D B) const {
    return const_cast<CGMTRMatrix2D&>(*this) * B;
}
double CGMTRMatrix2D::GetDeterminant() const {
    return const_cast<CGMTRMatrix2D&>(*this).GetDeterminant();
}
double CGMTRMatrix2D::GetSubDet(short i, short j) const {
    return const_cast<CGMTRMatrix2D&>(*this).GetSubDet(i, j);
}
double CGMTRMatrix2D::ProductOfRow(short i, short j) const {
    return const_cast<CGMTRMatrix2D&>(*this).ProductOfRow(i, j);
}
int CGMTRMatrix2D::IsOrthogonal() const {
    return const_cast<CGMTRMatrix2D&>(*this).IsOrthogonal();
}
