#include "CGMTRRepeatGrid.h"
#include "repeat/RepeatPlacement.h"

#include <climits>
#include <cstdint>
#include <new>

#include "numeric/NumericInline.h"

CGMTRRepeatGrid::CGMTRRepeatGrid()
    : m_dSpaceX(0.0), m_dSpaceY(0.0), m_dBaseAngle(0.0), m_nRepeatX(0), m_nRepeatY(0) {
    UpdateCount();
}

CGMTRRepeatGrid::CGMTRRepeatGrid(const CGMTRRepeatGrid& other)
    : CGMTRRepeat(other), m_dSpaceX(other.m_dSpaceX), m_dSpaceY(other.m_dSpaceY),
      m_dBaseAngle(other.m_dBaseAngle), m_nRepeatX(other.m_nRepeatX), m_nRepeatY(other.m_nRepeatY) {
}

CGMTRRepeatGrid& CGMTRRepeatGrid::operator=(const CGMTRRepeatGrid& other) {
    if (this == &other)
        return *this;
    // Read the parameters before the base replaces the chain, which may hold
    // `other`.
    const double sx = other.m_dSpaceX;
    const double sy = other.m_dSpaceY;
    const double angle = other.m_dBaseAngle;
    const long rx = other.m_nRepeatX;
    const long ry = other.m_nRepeatY;
    CGMTRRepeat::operator=(other);
    m_dSpaceX = sx;
    m_dSpaceY = sy;
    m_dBaseAngle = angle;
    m_nRepeatX = rx;
    m_nRepeatY = ry;
    UpdateCount();
    return *this;
}

CGMTRRepeatGrid::~CGMTRRepeatGrid() = default;

void CGMTRRepeatGrid::UpdateCount() {
    // A 32-bit signed product, wrapping around instead of overflowing.
    const std::uint32_t product =
        static_cast<std::uint32_t>(m_nRepeatX) * static_cast<std::uint32_t>(m_nRepeatY);
    m_nCount = static_cast<long>(static_cast<std::int32_t>(product));
}

void CGMTRRepeatGrid::PutCount(long) {}

tagGMTRRepeatType CGMTRRepeatGrid::GetRepeatType() {
    return REPEAT_GRID;
}

void CGMTRRepeatGrid::ConstructRepeatGrid(double spaceX, double spaceY, long repeatX, long repeatY,
                                          double baseAngle) {
    m_dSpaceX = spaceX;
    m_dSpaceY = spaceY;
    m_nRepeatX = repeatX;
    m_nRepeatY = repeatY;
    m_dBaseAngle = baseAngle;
    UpdateCount();
}

double CGMTRRepeatGrid::GetSpaceX() {
    return m_dSpaceX;
}
void CGMTRRepeatGrid::PutSpaceX(double space) {
    m_dSpaceX = space;
}
double CGMTRRepeatGrid::GetSpaceY() {
    return m_dSpaceY;
}
void CGMTRRepeatGrid::PutSpaceY(double space) {
    m_dSpaceY = space;
}
double CGMTRRepeatGrid::GetBaseAngle() {
    return m_dBaseAngle;
}
void CGMTRRepeatGrid::PutBaseAngle(double angle) {
    m_dBaseAngle = angle;
}
long CGMTRRepeatGrid::GetRepeatX() {
    return m_nRepeatX;
}
void CGMTRRepeatGrid::PutRepeatX(long repeat) {
    m_nRepeatX = repeat;
    UpdateCount();
}
long CGMTRRepeatGrid::GetRepeatY() {
    return m_nRepeatY;
}
void CGMTRRepeatGrid::PutRepeatY(long repeat) {
    m_nRepeatY = repeat;
    UpdateCount();
}

CGMTRRepeat* CGMTRRepeatGrid::GetSelfCopy() {
    CGMTRRepeatGrid* copy = new (std::nothrow) CGMTRRepeatGrid();
    if (copy)
        copy->ConstructRepeatGrid(m_dSpaceX, m_dSpaceY, m_nRepeatX, m_nRepeatY, m_dBaseAngle);
    return copy;
}

void CGMTRRepeatGrid::GetOutputPt(long index, const double& x, const double& y, double& outX,
                                  double& outY, const CGMTRPoint2D&) {
    gmtrrt::detail::PlaceGrid(index, x, y, m_dSpaceX, m_dSpaceY, m_dBaseAngle, m_nRepeatX, outX,
                              outY);
}

double CGMTRRepeatGrid::GetSpaceX() const {
    return const_cast<CGMTRRepeatGrid&>(*this).GetSpaceX();
}
double CGMTRRepeatGrid::GetSpaceY() const {
    return const_cast<CGMTRRepeatGrid&>(*this).GetSpaceY();
}
double CGMTRRepeatGrid::GetBaseAngle() const {
    return const_cast<CGMTRRepeatGrid&>(*this).GetBaseAngle();
}
long CGMTRRepeatGrid::GetRepeatX() const {
    return const_cast<CGMTRRepeatGrid&>(*this).GetRepeatX();
}
long CGMTRRepeatGrid::GetRepeatY() const {
    return const_cast<CGMTRRepeatGrid&>(*this).GetRepeatY();
}
