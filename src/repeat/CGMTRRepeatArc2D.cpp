#include "CGMTRRepeatArc2D.h"

#include <new>

#include "numeric/NumericInline.h"

CGMTRRepeatArc2D::CGMTRRepeatArc2D() : m_dOriginX(0.0), m_dOriginY(0.0), m_dSpaceAngle(0.0) {}

CGMTRRepeatArc2D::CGMTRRepeatArc2D(const CGMTRRepeatArc2D& other)
    : CGMTRRepeat(other), m_dOriginX(other.m_dOriginX), m_dOriginY(other.m_dOriginY),
      m_dSpaceAngle(other.m_dSpaceAngle) {}

CGMTRRepeatArc2D& CGMTRRepeatArc2D::operator=(const CGMTRRepeatArc2D& other) {
    if (this == &other)
        return *this;
    // Read the parameters before the base replaces the chain, which may hold
    // `other`.
    const double ox = other.m_dOriginX;
    const double oy = other.m_dOriginY;
    const double angle = other.m_dSpaceAngle;
    CGMTRRepeat::operator=(other);
    m_dOriginX = ox;
    m_dOriginY = oy;
    m_dSpaceAngle = angle;
    return *this;
}

CGMTRRepeatArc2D::~CGMTRRepeatArc2D() = default;

void CGMTRRepeatArc2D::PutCount(long count) {
    m_nCount = count;
}

tagGMTRRepeatType CGMTRRepeatArc2D::GetRepeatType() {
    return REPEAT_ARC2D;
}

void CGMTRRepeatArc2D::ConstructRepeatArc(double originX, double originY, double spaceAngle,
                                          long count) {
    m_dOriginX = originX;
    m_dOriginY = originY;
    m_dSpaceAngle = spaceAngle;
    m_nCount = count;
}

double CGMTRRepeatArc2D::GetSpaceAngle() {
    return m_dSpaceAngle;
}
void CGMTRRepeatArc2D::PutSpaceAngle(double angle) {
    m_dSpaceAngle = angle;
}

CGMTRPoint2D CGMTRRepeatArc2D::GetOriginPt() {
    return CGMTRPoint2D(m_dOriginX, m_dOriginY);
}
void CGMTRRepeatArc2D::SetOriginPt(CGMTRPoint2D& origin) {
    m_dOriginX = origin.X();
    m_dOriginY = origin.Y();
}
void CGMTRRepeatArc2D::GetOriginPt2(double& x, double& y) {
    x = m_dOriginX;
    y = m_dOriginY;
}
void CGMTRRepeatArc2D::SetOriginPt2(double x, double y) {
    m_dOriginX = x;
    m_dOriginY = y;
}

void CGMTRRepeatArc2D::GetChangePoint(long index, const double& x, const double& y, double& outX,
                                      double& outY) {
    const double px = x;
    const double py = y;
    const double a = static_cast<double>(index) * m_dSpaceAngle;
    double c;
    double s;
    gmtrrt::detail::SnapCosSin(a, c, s);
    outX = ((px - m_dOriginX) * c + m_dOriginX) - (py - m_dOriginY) * s;
    outY = ((px - m_dOriginX) * s + m_dOriginY) + (py - m_dOriginY) * c;
}

CGMTRRepeat* CGMTRRepeatArc2D::GetSelfCopy() {
    CGMTRRepeatArc2D* copy = new (std::nothrow) CGMTRRepeatArc2D();
    if (copy)
        copy->ConstructRepeatArc(m_dOriginX, m_dOriginY, m_dSpaceAngle, m_nCount);
    return copy;
}

void CGMTRRepeatArc2D::GetOutputPt(long index, const double& x, const double& y, double& outX,
                                   double& outY, const CGMTRPoint2D& ref) {
    const double px = x;
    const double py = y;
    const double rx = ref.X();
    const double ry = ref.Y();
    if (px == rx && py == ry) {
        // The reference point itself goes round the origin.
        GetChangePoint(index, rx, ry, outX, outY);
        return;
    }
    // Any other point is carried along by the displacement of the reference
    // point, without turning. The displacement is formed from the reference
    // point's offset to the origin so that it is exactly zero for copy 0.
    const double a = static_cast<double>(index) * m_dSpaceAngle;
    double c;
    double s;
    gmtrrt::detail::SnapCosSin(a, c, s);
    const double vx = rx - m_dOriginX;
    const double vy = ry - m_dOriginY;
    const double dx = (vx * c - vy * s) - vx;
    const double dy = (vx * s + vy * c) - vy;
    outX = px + dx;
    outY = py + dy;
}

double CGMTRRepeatArc2D::GetSpaceAngle() const {
    return const_cast<CGMTRRepeatArc2D&>(*this).GetSpaceAngle();
}
CGMTRPoint2D CGMTRRepeatArc2D::GetOriginPt() const {
    return const_cast<CGMTRRepeatArc2D&>(*this).GetOriginPt();
}
void CGMTRRepeatArc2D::GetOriginPt2(double& x, double& y) const {
    const_cast<CGMTRRepeatArc2D&>(*this).GetOriginPt2(x, y);
}
void CGMTRRepeatArc2D::SetOriginPt(const CGMTRPoint2D& origin) {
    SetOriginPt(const_cast<CGMTRPoint2D&>(origin));
}
