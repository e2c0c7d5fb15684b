#include "CGMTRVector2D.h"

#include "CGMTRPoint2D.h"

#include <cmath>

void CGMTRVector2D::SetVector(CGMTRPoint2D const& from, CGMTRPoint2D const& to) {
    x = to.X() - from.X();
    y = to.Y() - from.Y();
}

double CGMTRVector2D::Length() const {
    return std::sqrt(x * x + y * y);
}
double CGMTRVector2D::LengthSquare() {
    return x * x + y * y;
}
double CGMTRVector2D::DotProduct(CGMTRVector2D const& v) const {
    return x * v.x + y * v.y;
}
double CGMTRVector2D::CrossProduct(CGMTRVector2D const& v) const {
    return x * v.y - y * v.x;
}
double CGMTRVector2D::Angle() const {
    return std::atan2(y, x);
}
double CGMTRVector2D::AngleTo(CGMTRVector2D const& v) const {
    return v.Angle() - Angle();
}
int CGMTRVector2D::IsUnit() const {
    return IsEqualValue(Length(), 1.0) ? 1 : 0;
}
int CGMTRVector2D::IsZeroLengh() const {
    return IsEqualValue(Length(), 0.0) ? 1 : 0;
}

int CGMTRVector2D::IsOrthogonalTo(CGMTRVector2D const& v) const {
    return IsEqualValue(DotProduct(v), 0.0) ? 1 : 0;
}

int CGMTRVector2D::IsParallelTo(CGMTRVector2D const& v) const {
    return IsEqualValue(CrossProduct(v), 0.0) ? 1 : 0;
}

double CGMTRVector2D::Magnitude(double L) {
    const double k = L / Length();
    x = k * x;
    y = k * y;
    return L;
}

void CGMTRVector2D::Normalize() {
    const double L = Length();
    x = x / L;
    y = y / L;
}

void CGMTRVector2D::Mirror(CGMTRVector2D const& axis) {
    const double a = axis.x;
    const double b = axis.y;
    const double den = a * a + b * b;
    const double nx = (a * a * x - b * b * x + 2 * a * b * y) / den;
    const double ny = (b * b * y - a * a * y + 2 * a * b * x) / den;
    x = nx;
    y = ny;
}

CGMTRVector2D CGMTRVector2D::Orthogonal() {
    return CGMTRVector2D(-y, x);
}

CGMTRVector2D CGMTRVector2D::operator-() {
    return CGMTRVector2D(-x, -y);
}
CGMTRVector2D CGMTRVector2D::operator+(CGMTRVector2D const& v) {
    return CGMTRVector2D(x + v.x, y + v.y);
}
CGMTRVector2D CGMTRVector2D::operator-(CGMTRVector2D const& v) {
    return CGMTRVector2D(x - v.x, y - v.y);
}
CGMTRVector2D CGMTRVector2D::operator+(double d) {
    return CGMTRVector2D(x + d, y + d);
}
CGMTRVector2D CGMTRVector2D::operator-(double d) {
    return CGMTRVector2D(x - d, y - d);
}
CGMTRVector2D CGMTRVector2D::operator*(double d) {
    return CGMTRVector2D(x * d, y * d);
}
CGMTRVector2D CGMTRVector2D::operator/(double d) {
    return CGMTRVector2D(x / d, y / d);
}

void CGMTRVector2D::operator+=(CGMTRVector2D const& v) {
    x += v.x;
    y += v.y;
}
void CGMTRVector2D::operator-=(CGMTRVector2D const& v) {
    x -= v.x;
    y -= v.y;
}
void CGMTRVector2D::operator+=(double d) {
    x += d;
    y += d;
}
void CGMTRVector2D::operator-=(double d) {
    x -= d;
    y -= d;
}
void CGMTRVector2D::operator*=(double d) {
    x *= d;
    y *= d;
}
void CGMTRVector2D::operator/=(double d) {
    x /= d;
    y /= d;
}

int CGMTRVector2D::operator==(CGMTRVector2D const& v) {
    return (IsEqualValue(x, v.x) && IsEqualValue(y, v.y)) ? 1 : 0;
}
int CGMTRVector2D::operator!=(CGMTRVector2D const& v) {
    return (*this == v) ? 0 : 1;
}

// Const forms: the same members, called on a vector that is not changed.
double CGMTRVector2D::LengthSquare() const {
    return const_cast<CGMTRVector2D&>(*this).LengthSquare();
}
CGMTRVector2D CGMTRVector2D::Orthogonal() const {
    return const_cast<CGMTRVector2D&>(*this).Orthogonal();
}
CGMTRVector2D CGMTRVector2D::operator-() const {
    return -const_cast<CGMTRVector2D&>(*this);
}
CGMTRVector2D CGMTRVector2D::operator+(CGMTRVector2D const& v) const {
    return const_cast<CGMTRVector2D&>(*this) + v;
}
CGMTRVector2D CGMTRVector2D::operator-(CGMTRVector2D const& v) const {
    return const_cast<CGMTRVector2D&>(*this) - v;
}
CGMTRVector2D CGMTRVector2D::operator+(double d) const {
    return const_cast<CGMTRVector2D&>(*this) + d;
}
CGMTRVector2D CGMTRVector2D::operator-(double d) const {
    return const_cast<CGMTRVector2D&>(*this) - d;
}
CGMTRVector2D CGMTRVector2D::operator*(double d) const {
    return const_cast<CGMTRVector2D&>(*this) * d;
}
CGMTRVector2D CGMTRVector2D::operator/(double d) const {
    return const_cast<CGMTRVector2D&>(*this) / d;
}
int CGMTRVector2D::operator==(CGMTRVector2D const& v) const {
    return const_cast<CGMTRVector2D&>(*this) == v;
}
int CGMTRVector2D::operator!=(CGMTRVector2D const& v) const {
    return const_cast<CGMTRVector2D&>(*this) != v;
}
