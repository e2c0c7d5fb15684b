#include "CGMTRVector3D.h"

#include <cmath>

CGMTRVector3D::CGMTRVector3D() : x(0.0), y(0.0), z(0.0) {}
CGMTRVector3D::CGMTRVector3D(double const& x_, double const& y_, double const& z_)
    : x(x_), y(y_), z(z_) {}

void CGMTRVector3D::operator+=(double const& d) {
    x += d;
    y += d;
    z += d;
}

void CGMTRVector3D::operator+=(CGMTRVector3D const& v) {
    x += v.x;
    y += v.y;
    z += v.z;
}

void CGMTRVector3D::operator-=(double const& d) {
    x -= d;
    y -= d;
    z -= d;
}

void CGMTRVector3D::operator-=(CGMTRVector3D const& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
}

void CGMTRVector3D::operator*=(double d) {
    x *= d;
    y *= d;
    z *= d;
}

void CGMTRVector3D::operator/=(double d) {
    // Same rule as the space point: dividing by zero is a no-op, not a NaN.
    if (d == 0.0)
        return;
    x /= d;
    y /= d;
    z /= d;
}

int CGMTRVector3D::operator==(CGMTRVector3D const& v) {
    return (IsEqualValue(x, v.x) && IsEqualValue(y, v.y) && IsEqualValue(z, v.z)) ? 1 : 0;
}

int CGMTRVector3D::operator!=(CGMTRVector3D const& v) {
    return (*this == v) ? 0 : 1;
}

double CGMTRVector3D::Length() const {
    return std::sqrt(x * x + y * y + z * z);
}

int CGMTRVector3D::IsUnit() const {
    return IsEqualValue(Length(), 1.0) ? 1 : 0;
}

int CGMTRVector3D::IsZeroLengh() const {
    return IsEqualValue(Length(), 0.0) ? 1 : 0;
}

void CGMTRVector3D::Normalize() {
    const double len = Length();
    // A zero length has no direction to keep; leave the zero vector as it is
    // instead of filling it with 0/0.
    if (len == 0.0)
        return;
    x /= len;
    y /= len;
    z /= len;
}

double CGMTRVector3D::X() const {
    return x;
}
double CGMTRVector3D::Y() const {
    return y;
}
double CGMTRVector3D::Z() const {
    return z;
}
void CGMTRVector3D::X(double const& x_) {
    x = x_;
}
void CGMTRVector3D::Y(double const& y_) {
    y = y_;
}
void CGMTRVector3D::Z(double const& z_) {
    z = z_;
}

// Const forms: the same members, called on a vector that is not changed.
int CGMTRVector3D::operator==(CGMTRVector3D const& v) const {
    return const_cast<CGMTRVector3D&>(*this) == v;
}
int CGMTRVector3D::operator!=(CGMTRVector3D const& v) const {
    return const_cast<CGMTRVector3D&>(*this) != v;
}
