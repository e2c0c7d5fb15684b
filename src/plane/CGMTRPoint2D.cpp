#include "CGMTRPoint2D.h"

#include "CGMTRVector2D.h"

#include <cmath>

CGMTRPoint2D::CGMTRPoint2D(CGMTRVector2D const& v) : x(v.X()), y(v.Y()) {}

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
