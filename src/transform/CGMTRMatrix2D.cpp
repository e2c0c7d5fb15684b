#include "CGMTRMatrix2D.h"

#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/Matrix33.h"
#include "numeric/NumericInline.h"

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
