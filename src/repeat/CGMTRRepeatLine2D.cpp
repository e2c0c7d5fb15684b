#include "CGMTRRepeatLine2D.h"

#include <new>

#include "repeat/RepeatPlacement.h"

CGMTRRepeatLine2D::CGMTRRepeatLine2D() : m_dRepeatSpace(0.0), m_dLineAngle(0.0) {}

CGMTRRepeatLine2D::CGMTRRepeatLine2D(const CGMTRRepeatLine2D& other)
    : CGMTRRepeat(other), m_dRepeatSpace(other.m_dRepeatSpace), m_dLineAngle(other.m_dLineAngle) {}

CGMTRRepeatLine2D& CGMTRRepeatLine2D::operator=(const CGMTRRepeatLine2D& other) {
    if (this == &other)
        return *this;
    // Read the parameters before the base replaces the chain, which may hold
    // `other`.
    const double space = other.m_dRepeatSpace;
    const double angle = other.m_dLineAngle;
    CGMTRRepeat::operator=(other);
    m_dRepeatSpace = space;
    m_dLineAngle = angle;
    return *this;
}

CGMTRRepeatLine2D::~CGMTRRepeatLine2D() = default;

void CGMTRRepeatLine2D::PutCount(long count) {
    m_nCount = count;
}

tagGMTRRepeatType CGMTRRepeatLine2D::GetRepeatType() {
    return REPEAT_LINE2D;
}

void CGMTRRepeatLine2D::ConstructRepeatLine(double angle, double space, long count) {
    m_dLineAngle = angle;
    m_dRepeatSpace = space;
    m_nCount = count;
}

double CGMTRRepeatLine2D::GetLineAngle() {
    return m_dLineAngle;
}
void CGMTRRepeatLine2D::PutLineAngle(double angle) {
    m_dLineAngle = angle;
}
double CGMTRRepeatLine2D::GetRepeatSpace() {
    return m_dRepeatSpace;
}
void CGMTRRepeatLine2D::PutRepeatSpace(double space) {
    m_dRepeatSpace = space;
}

CGMTRRepeat* CGMTRRepeatLine2D::GetSelfCopy() {
    CGMTRRepeatLine2D* copy = new (std::nothrow) CGMTRRepeatLine2D();
    if (copy)
        copy->ConstructRepeatLine(m_dLineAngle, m_dRepeatSpace, m_nCount);
    return copy;
}

void CGMTRRepeatLine2D::GetOutputPt(long index, const double& x, const double& y, double& outX,
                                    double& outY, const CGMTRPoint2D&) {
    gmtrrt::detail::PlaceLine(index, x, y, m_dLineAngle, m_dRepeatSpace, outX, outY);
}

double CGMTRRepeatLine2D::GetLineAngle() const {
    return const_cast<CGMTRRepeatLine2D&>(*this).GetLineAngle();
}
double CGMTRRepeatLine2D::GetRepeatSpace() const {
    return const_cast<CGMTRRepeatLine2D&>(*this).GetRepeatSpace();
}
