#include "CGMTRPoint2D.h"

#include "../transform/CGMTRMatrix2DDetail.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRVector2D.h"
#include "numeric/GMTRCompiler.h"
#include "numeric/GMTRNumericInline.h"

#include <cmath>

CGMTRPoint2D::CGMTRPoint2D() : x(0.0), y(0.0) {}
CGMTRPoint2D::CGMTRPoint2D(double const& x_, double const& y_) : x(x_), y(y_) {}
CGMTRPoint2D::CGMTRPoint2D(CGMTRVector2D const& v) : x(v.X()), y(v.Y()) {}

double CGMTRPoint2D::X() const {
    return x;
}
double CGMTRPoint2D::Y() const {
    return y;
}
void CGMTRPoint2D::X(double const& x_) {
    x = x_;
}
void CGMTRPoint2D::Y(double const& y_) {
    y = y_;
}

void CGMTRPoint2D::Components(double* px, double* py) {
    *px = x;
    *py = y;
}

void CGMTRPoint2D::Components(double x_, double y_) {
    x = x_;
    y = y_;
}

int CGMTRPoint2D::operator==(CGMTRPoint2D const& q) {
    return IsSamePoint(x, y, q.x, q.y) ? 1 : 0;
}
int CGMTRPoint2D::operator!=(CGMTRPoint2D const& q) {
    return IsSamePoint(x, y, q.x, q.y) ? 0 : 1;
}

bool CGMTRPoint2D::operator<(CGMTRPoint2D const& q) const {
    if (IsEqualValue(x, q.x))
        return q.y > y && !IsEqualValue(y, q.y);
    return q.x > x;
}

double CGMTRPoint2D::Distance2D(CGMTRPoint2D const& q) const {
    const double dx = q.x - x;
    const double dy = q.y - y;
    return std::sqrt(dx * dx + dy * dy);
}

CGMTRPoint2D CGMTRPoint2D::operator-() {
    return CGMTRPoint2D(-x, -y);
}
CGMTRPoint2D CGMTRPoint2D::operator+(CGMTRPoint2D const& q) {
    return CGMTRPoint2D(x + q.x, y + q.y);
}
CGMTRPoint2D CGMTRPoint2D::operator-(CGMTRPoint2D const& q) {
    return CGMTRPoint2D(x - q.x, y - q.y);
}
CGMTRPoint2D CGMTRPoint2D::operator+(CGMTRVector2D const& v) {
    return CGMTRPoint2D(x + v.X(), y + v.Y());
}
CGMTRPoint2D CGMTRPoint2D::operator-(CGMTRVector2D const& v) {
    return CGMTRPoint2D(x - v.X(), y - v.Y());
}
CGMTRPoint2D CGMTRPoint2D::operator+(double const& d) {
    return CGMTRPoint2D(x + d, y + d);
}
CGMTRPoint2D CGMTRPoint2D::operator-(double const& d) {
    return CGMTRPoint2D(x - d, y - d);
}
CGMTRPoint2D CGMTRPoint2D::operator*(double const& d) {
    return CGMTRPoint2D(x * d, y * d);
}

CGMTRPoint2D CGMTRPoint2D::operator/(double const& d) {
    if (d == 0.0)
        return CGMTRPoint2D(x, y);
    return CGMTRPoint2D(x / d, y / d);
}

void CGMTRPoint2D::operator+=(CGMTRPoint2D const& q) {
    x += q.x;
    y += q.y;
}
void CGMTRPoint2D::operator-=(CGMTRPoint2D const& q) {
    x -= q.x;
    y -= q.y;
}
void CGMTRPoint2D::operator+=(CGMTRVector2D const& v) {
    x += v.X();
    y += v.Y();
}
void CGMTRPoint2D::operator-=(CGMTRVector2D const& v) {
    x -= v.X();
    y -= v.Y();
}
void CGMTRPoint2D::operator+=(double const& d) {
    x += d;
    y += d;
}
void CGMTRPoint2D::operator-=(double const& d) {
    x -= d;
    y -= d;
}
void CGMTRPoint2D::operator*=(double const& d) {
    x *= d;
    y *= d;
}
void CGMTRPoint2D::operator/=(double const& d) {
    if (d == 0.0)
        return;
    x /= d;
    y /= d;
}

namespace {
// (x, y, 1) times the matrix with entries mij, divided by the homogeneous
// weight. Dividing by exactly 1 changes no bits, so the affine case skips it.
// Always inlined: its callers are compiled with different vectorisation
// settings, which would otherwise keep it out of line.
GMTRRT_ALWAYS_INLINE void TransformPoint(double& x, double& y, double m00, double m01, double m02,
                                         double m10, double m11, double m12, double m20, double m21,
                                         double m22) {
    const double nx = m00 * x + m10 * y + m20;
    const double ny = m01 * x + m11 * y + m21;
    const double w = m02 * x + m12 * y + m22;
    if (w == 1.0) {
        x = nx;
        y = ny;
        return;
    }
    x = nx / w;
    y = ny / w;
}
} // namespace

// Scalar code on purpose: the point and the matrix were usually just written
// one double at a time, and paired 16-byte loads of them would wait for those
// stores to drain instead of forwarding them.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-slp-vectorize")))
#endif
void CGMTRPoint2D::operator*=(CGMTRMatrix2D const& m) {
    TransformPoint(x, y, m.GetSingleValue(0, 0), m.GetSingleValue(0, 1), m.GetSingleValue(0, 2),
                   m.GetSingleValue(1, 0), m.GetSingleValue(1, 1), m.GetSingleValue(1, 2),
                   m.GetSingleValue(2, 0), m.GetSingleValue(2, 1), m.GetSingleValue(2, 2));
}

void CGMTRPoint2D::Rotate(double const& angle) {
    CGMTRMatrix2D m;
    m.SetToRotate(angle);
    *this *= m;
}

void CGMTRPoint2D::RotateForPoint(CGMTRPoint2D const& centre, double const& angle) {
    // Generic inputs: the matrix entries and the transform of this point
    // computed in place, with the same operations as building the matrix and
    // applying it (the weight is exactly 1 and not divided by).
    double k;
    double s;
    gmtr_num::SnapCosSin(angle, k, s);
    double e[3][3];
    if (gmtr_matrix_detail::RotateByGeneric(k, s, centre.X(), centre.Y(), e)) {
        TransformPoint(x, y, e[0][0], e[0][1], e[0][2], e[1][0], e[1][1], e[1][2], e[2][0], e[2][1],
                       e[2][2]);
        return;
    }
    CGMTRMatrix2D m;
    m.SetToRotateBy(centre, angle);
    *this *= m;
}

void CGMTRPoint2D::Transfer(CGMTRVector2D const& v) {
    CGMTRMatrix2D m;
    m.SetToTransfer(v);
    *this *= m;
}

void CGMTRPoint2D::Scale(CGMTRPoint2D const& centre, double const& factor) {
    CGMTRMatrix2D m;
    m.SetToScaleBy(centre, factor);
    *this *= m;
}

void CGMTRPoint2D::Mirror(CGMTRPoint2D const& point, CGMTRVector2D const& direction) {
    CGMTRMatrix2D m;
    m.SetToMirror(point, direction);
    *this *= m;
}

// Const forms: the same members, called on a point that is not changed.
void CGMTRPoint2D::Components(double* px, double* py) const {
    const_cast<CGMTRPoint2D&>(*this).Components(px, py);
}
int CGMTRPoint2D::operator==(CGMTRPoint2D const& q) const {
    return const_cast<CGMTRPoint2D&>(*this) == q;
}
int CGMTRPoint2D::operator!=(CGMTRPoint2D const& q) const {
    return const_cast<CGMTRPoint2D&>(*this) != q;
}
CGMTRPoint2D CGMTRPoint2D::operator-() const {
    return -const_cast<CGMTRPoint2D&>(*this);
}
CGMTRPoint2D CGMTRPoint2D::operator+(CGMTRPoint2D const& q) const {
    return const_cast<CGMTRPoint2D&>(*this) + q;
}
CGMTRPoint2D CGMTRPoint2D::operator-(CGMTRPoint2D const& q) const {
    return const_cast<CGMTRPoint2D&>(*this) - q;
}
CGMTRPoint2D CGMTRPoint2D::operator+(CGMTRVector2D const& v) const {
    return const_cast<CGMTRPoint2D&>(*this) + v;
}
CGMTRPoint2D CGMTRPoint2D::operator-(CGMTRVector2D const& v) const {
    return const_cast<CGMTRPoint2D&>(*this) - v;
}
CGMTRPoint2D CGMTRPoint2D::operator+(double const& d) const {
    return const_cast<CGMTRPoint2D&>(*this) + d;
}
CGMTRPoint2D CGMTRPoint2D::operator-(double const& d) const {
    return const_cast<CGMTRPoint2D&>(*this) - d;
}
CGMTRPoint2D CGMTRPoint2D::operator*(double const& d) const {
    return const_cast<CGMTRPoint2D&>(*this) * d;
}
CGMTRPoint2D CGMTRPoint2D::operator/(double const& d) const {
    return const_cast<CGMTRPoint2D&>(*this) / d;
}
