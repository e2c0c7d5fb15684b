#include "CGMTRPoint3D.h"

#include "CGMTRMatrix3D.h"
#include "CGMTRRotate3D.h"
#include "CGMTRTransform3D.h"
#include "CGMTRVector3D.h"

#include <cmath>

CGMTRPoint3D::CGMTRPoint3D() : x(0.0), y(0.0), z(0.0) {}
CGMTRPoint3D::CGMTRPoint3D(double const& x_, double const& y_, double const& z_)
    : x(x_), y(y_), z(z_) {}

CGMTRPoint3D CGMTRPoint3D::operator-() const {
    return CGMTRPoint3D(-x, -y, -z);
}
CGMTRPoint3D CGMTRPoint3D::operator-(double const& d) const {
    return CGMTRPoint3D(x - d, y - d, z - d);
}
CGMTRPoint3D CGMTRPoint3D::operator-(CGMTRPoint3D const& q) const {
    return CGMTRPoint3D(x - q.x, y - q.y, z - q.z);
}
CGMTRPoint3D CGMTRPoint3D::operator-(CGMTRVector3D const& v) const {
    return CGMTRPoint3D(x - v.X(), y - v.Y(), z - v.Z());
}
CGMTRPoint3D CGMTRPoint3D::operator+(CGMTRPoint3D const& q) const {
    return CGMTRPoint3D(x + q.x, y + q.y, z + q.z);
}
CGMTRPoint3D CGMTRPoint3D::operator+(CGMTRVector3D const& v) const {
    return CGMTRPoint3D(x + v.X(), y + v.Y(), z + v.Z());
}
CGMTRPoint3D CGMTRPoint3D::operator+(double const& d) const {
    return CGMTRPoint3D(x + d, y + d, z + d);
}
CGMTRPoint3D CGMTRPoint3D::operator*(double const& d) const {
    return CGMTRPoint3D(x * d, y * d, z * d);
}
CGMTRPoint3D CGMTRPoint3D::operator/(double const& d) const {
    if (d == 0.0)
        return *this;
    return CGMTRPoint3D(x / d, y / d, z / d);
}

void CGMTRPoint3D::operator+=(double const& d) {
    x += d;
    y += d;
    z += d;
}
void CGMTRPoint3D::operator-=(double const& d) {
    x -= d;
    y -= d;
    z -= d;
}
void CGMTRPoint3D::operator+=(CGMTRPoint3D const& q) {
    x += q.x;
    y += q.y;
    z += q.z;
}
void CGMTRPoint3D::operator-=(CGMTRPoint3D const& q) {
    x -= q.x;
    y -= q.y;
    z -= q.z;
}
void CGMTRPoint3D::operator+=(CGMTRVector3D const& v) {
    x += v.X();
    y += v.Y();
    z += v.Z();
}
void CGMTRPoint3D::operator-=(CGMTRVector3D const& v) {
    x -= v.X();
    y -= v.Y();
    z -= v.Z();
}
void CGMTRPoint3D::operator*=(double const& d) {
    x *= d;
    y *= d;
    z *= d;
}
void CGMTRPoint3D::operator/=(double const& d) {
    if (d == 0.0)
        return;
    x /= d;
    y /= d;
    z /= d;
}

void CGMTRPoint3D::operator*=(CGMTRMatrix3D const& m) {
    // Row vector times matrix; every result reads the old coordinates.
    const double ox = x, oy = y, oz = z;
    x = m.GetSingleValue(0, 0) * ox + m.GetSingleValue(1, 0) * oy + m.GetSingleValue(2, 0) * oz;
    y = m.GetSingleValue(0, 1) * ox + m.GetSingleValue(1, 1) * oy + m.GetSingleValue(2, 1) * oz;
    z = m.GetSingleValue(0, 2) * ox + m.GetSingleValue(1, 2) * oy + m.GetSingleValue(2, 2) * oz;
}

int CGMTRPoint3D::operator==(CGMTRPoint3D const& q) {
    return (std::fabs(q.x - x) < GMTR_TOL && std::fabs(q.y - y) < GMTR_TOL &&
            std::fabs(q.z - z) < GMTR_TOL)
               ? 1
               : 0;
}

int CGMTRPoint3D::operator!=(CGMTRPoint3D const& q) {
    return (std::fabs(q.x - x) >= GMTR_TOL || std::fabs(q.y - y) >= GMTR_TOL ||
            std::fabs(q.z - z) >= GMTR_TOL)
               ? 1
               : 0;
}

double CGMTRPoint3D::Distance3D(CGMTRPoint3D const& q) {
    const double dx = q.x - x;
    const double dy = q.y - y;
    const double dz = q.z - z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void CGMTRPoint3D::Transfer(CGMTRVector3D const& v) {
    *this += v;
}

void CGMTRPoint3D::Rotate(CGMTRRotate3D const& r) {
    *this *= r.GetMatrix();
}

void CGMTRPoint3D::RotateForPoint(CGMTRRotate3D const& r, CGMTRPoint3D const& centre) {
    // Copy the centre first: it may be this very point.
    const CGMTRPoint3D c(centre);
    *this -= c;
    Rotate(r);
    *this += c;
}

void CGMTRPoint3D::TransForm(CGMTRTransform3D const& t) {
    Rotate(t.GetRotate());
    Transfer(t.GetVector());
}

double CGMTRPoint3D::X() const {
    return x;
}
double CGMTRPoint3D::Y() const {
    return y;
}
double CGMTRPoint3D::Z() const {
    return z;
}
void CGMTRPoint3D::X(double const& x_) {
    x = x_;
}
void CGMTRPoint3D::Y(double const& y_) {
    y = y_;
}
void CGMTRPoint3D::Z(double const& z_) {
    z = z_;
}

// Const forms: the same members, called on a point that is not changed.
int CGMTRPoint3D::operator==(CGMTRPoint3D const& q) const {
    return const_cast<CGMTRPoint3D&>(*this) == q;
}
int CGMTRPoint3D::operator!=(CGMTRPoint3D const& q) const {
    return const_cast<CGMTRPoint3D&>(*this) != q;
}
double CGMTRPoint3D::Distance3D(CGMTRPoint3D const& q) const {
    return const_cast<CGMTRPoint3D&>(*this).Distance3D(q);
}
