#include "CGMTRHVRect.h"

CGMTRHVRect::CGMTRHVRect() : left(0.0), bottom(0.0), right(0.0), top(0.0) {}

CGMTRHVRect::CGMTRHVRect(double l, double b, double r, double t)
    : left(l), bottom(b), right(r), top(t) {}

CGMTRHVRect::CGMTRHVRect(CGMTRPoint2D& p1, CGMTRPoint2D& p2)
    : left(p1.X()), bottom(p1.Y()), right(p2.X()), top(p2.Y()) {}

void CGMTRHVRect::Bounds(double l, double b, double r, double t) {
    left = l;
    bottom = b;
    right = r;
    top = t;
}

void CGMTRHVRect::Bounds(double* l, double* b, double* r, double* t) const {
    if (l)
        *l = left;
    if (b)
        *b = bottom;
    if (r)
        *r = right;
    if (t)
        *t = top;
}

void CGMTRHVRect::Bounds(CGMTRPoint2D& lb, CGMTRPoint2D& rt) const {
    lb.Components(left, bottom);
    rt.Components(right, top);
}

void CGMTRHVRect::Bounds(CGMTRPoint2D* lb, CGMTRPoint2D* rt) const {
    if (lb)
        lb->Components(left, bottom);
    if (rt)
        rt->Components(right, top);
}

double CGMTRHVRect::Left() const {
    return left;
}
double CGMTRHVRect::Bottom() const {
    return bottom;
}
double CGMTRHVRect::Right() const {
    return right;
}
double CGMTRHVRect::Top() const {
    return top;
}
void CGMTRHVRect::Left(double v) {
    left = v;
}
void CGMTRHVRect::Bottom(double v) {
    bottom = v;
}
void CGMTRHVRect::Right(double v) {
    right = v;
}
void CGMTRHVRect::Top(double v) {
    top = v;
}

CGMTRPoint2D CGMTRHVRect::TopLeft() {
    return CGMTRPoint2D(left, top);
}
CGMTRPoint2D CGMTRHVRect::TopRight() {
    return CGMTRPoint2D(right, top);
}
CGMTRPoint2D CGMTRHVRect::BottomLeft() {
    return CGMTRPoint2D(left, bottom);
}
CGMTRPoint2D CGMTRHVRect::BottomRight() {
    return CGMTRPoint2D(right, bottom);
}

CGMTRPoint2D CGMTRHVRect::Center() {
    return CGMTRPoint2D((left + right) / 2, (bottom + top) / 2);
}

double CGMTRHVRect::Width() const {
    return right - left;
}
double CGMTRHVRect::Height() const {
    return top - bottom;
}

void CGMTRHVRect::Size(double* width, double* height) const {
    *width = right - left;
    *height = top - bottom;
}

void CGMTRHVRect::SortCorners() {
    if (right < left) {
        const double t = left;
        left = right;
        right = t;
    }
    if (top < bottom) {
        const double t = bottom;
        bottom = top;
        top = t;
    }
}

void CGMTRHVRect::SortCorners(CGMTRPoint2D& p1, CGMTRPoint2D& p2) {
    const double x1 = p1.X(), y1 = p1.Y(), x2 = p2.X(), y2 = p2.Y();
    left = (x2 < x1) ? x2 : x1;
    right = (x2 < x1) ? x1 : x2;
    bottom = (y2 < y1) ? y2 : y1;
    top = (y2 < y1) ? y1 : y2;
}

void CGMTRHVRect::Grow(double f) {
    const double cx = (left + right) / 2;
    const double cy = (bottom + top) / 2;
    left = (left - cx) * f + cx;
    bottom = (bottom - cy) * f + cy;
    right = (right - cx) * f + cx;
    top = (top - cy) * f + cy;
}

void CGMTRHVRect::Combine(CGMTRHVRect& other) {
    if (other.left < left)
        left = other.left;
    if (other.right > right)
        right = other.right;
    if (other.bottom < bottom)
        bottom = other.bottom;
    if (other.top > top)
        top = other.top;
}

bool CGMTRHVRect::Contains(CGMTRPoint2D const& p) const {
    const double x = p.X();
    const double y = p.Y();
    return left <= x && x <= right && bottom <= y && y <= top;
}

bool CGMTRHVRect::operator==(CGMTRHVRect const& b) const {
    return IsEqualValue(left, b.left) && IsEqualValue(right, b.right) &&
           IsEqualValue(bottom, b.bottom) && IsEqualValue(top, b.top);
}

bool CGMTRHVRect::operator!=(CGMTRHVRect const& b) const {
    return !(*this == b);
}

bool CGMTRHVRect::operator<(CGMTRHVRect const& b) const {
    return b.left <= left && b.right >= right && b.bottom <= bottom && b.top >= top;
}

bool CGMTRHVRect::operator>(CGMTRHVRect const& b) const {
    return b.left > left && b.right < right && b.bottom > bottom && b.top < top;
}

bool CGMTRHVRect::operator&(CGMTRHVRect const& b) const {
    const bool apartX = (b.left > left && b.left > right) || (b.right < left && b.right < right);
    const bool apartY = (b.bottom > bottom && b.bottom > top) || (b.top < bottom && b.top < top);
    return !(apartX || apartY);
}

bool CGMTRHVRect::Intersect(CGMTRHVRect b, CGMTRHVRect& out) const {
    if (!(*this & b))
        return false;
    out.left = (b.left > left) ? b.left : left;
    out.bottom = (b.bottom > bottom) ? b.bottom : bottom;
    out.right = (b.right < right) ? b.right : right;
    out.top = (b.top < top) ? b.top : top;
    return true;
}

// Const forms: the same members with arguments and this rectangle only read.
CGMTRHVRect::CGMTRHVRect(CGMTRPoint2D const& p1, CGMTRPoint2D const& p2)
    : CGMTRHVRect(const_cast<CGMTRPoint2D&>(p1), const_cast<CGMTRPoint2D&>(p2)) {}
CGMTRPoint2D CGMTRHVRect::TopLeft() const {
    return const_cast<CGMTRHVRect&>(*this).TopLeft();
}
CGMTRPoint2D CGMTRHVRect::TopRight() const {
    return const_cast<CGMTRHVRect&>(*this).TopRight();
}
CGMTRPoint2D CGMTRHVRect::BottomLeft() const {
    return const_cast<CGMTRHVRect&>(*this).BottomLeft();
}
CGMTRPoint2D CGMTRHVRect::BottomRight() const {
    return const_cast<CGMTRHVRect&>(*this).BottomRight();
}
CGMTRPoint2D CGMTRHVRect::Center() const {
    return const_cast<CGMTRHVRect&>(*this).Center();
}
void CGMTRHVRect::SortCorners(CGMTRPoint2D const& p1, CGMTRPoint2D const& p2) {
    SortCorners(const_cast<CGMTRPoint2D&>(p1), const_cast<CGMTRPoint2D&>(p2));
}
void CGMTRHVRect::Combine(CGMTRHVRect const& other) {
    Combine(const_cast<CGMTRHVRect&>(other));
}
