#include "CGMTRRepeatArcSymmetry2D.h"

#include <new>

CGMTRRepeatArcSymmetry2D::CGMTRRepeatArcSymmetry2D() = default;

CGMTRRepeatArcSymmetry2D::CGMTRRepeatArcSymmetry2D(const CGMTRRepeatArcSymmetry2D& other)
    : CGMTRRepeatArc2D(other) {}

CGMTRRepeatArcSymmetry2D&
CGMTRRepeatArcSymmetry2D::operator=(const CGMTRRepeatArcSymmetry2D& other) {
    CGMTRRepeatArc2D::operator=(other);
    return *this;
}

CGMTRRepeatArcSymmetry2D::~CGMTRRepeatArcSymmetry2D() = default;

tagGMTRRepeatType CGMTRRepeatArcSymmetry2D::GetRepeatType() {
    return REPEAT_ARC_SYMMETRY2D;
}

double CGMTRRepeatArcSymmetry2D::GetRepeatAngle(long index, double angle) {
    long own = 0;
    long child = 0;
    GetChildIndex(index, own, child);
    const double turned = static_cast<double>(own) * GetSpaceAngle() + angle;
    if (child > 0)
        return m_pNext->GetRepeatAngle(child, turned);
    return turned;
}

CGMTRRepeat* CGMTRRepeatArcSymmetry2D::GetSelfCopy() {
    CGMTRRepeatArcSymmetry2D* copy = new (std::nothrow) CGMTRRepeatArcSymmetry2D();
    if (copy) {
        double ox = 0.0;
        double oy = 0.0;
        GetOriginPt2(ox, oy);
        copy->ConstructRepeatArc(ox, oy, GetSpaceAngle(), m_nCount);
    }
    return copy;
}

void CGMTRRepeatArcSymmetry2D::GetOutputPt(long index, const double& x, const double& y,
                                           double& outX, double& outY, const CGMTRPoint2D&) {
    GetChangePoint(index, x, y, outX, outY);
}
