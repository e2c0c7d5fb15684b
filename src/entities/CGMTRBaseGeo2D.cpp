#include "CGMTRBaseGeo2D.h"

// The base holds no data; its copy operations copy nothing. Defining the
// destructor here anchors the virtual table in the library.
CGMTRBaseGeo2D::CGMTRBaseGeo2D() = default;
CGMTRBaseGeo2D::CGMTRBaseGeo2D(const CGMTRBaseGeo2D&) {}
CGMTRBaseGeo2D& CGMTRBaseGeo2D::operator=(const CGMTRBaseGeo2D&) {
    return *this;
}
CGMTRBaseGeo2D::~CGMTRBaseGeo2D() = default;

void CGMTRBaseGeo2D::FGetCrossPoint(const CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const {
    FGetCrossPoint(const_cast<CGMTRBaseGeo2D*>(other), points);
}

void CGMTRBaseGeo2D::FGetCrossPoint(decltype(nullptr), CGMTRPoint2DCol&) const {}
