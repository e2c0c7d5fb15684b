#include "CGMTRBaseGeo2D.h"

// The base holds no data; its copy operations copy nothing. Defining the
// destructor here anchors the virtual table in the library.
CGMTRBaseGeo2D::CGMTRBaseGeo2D() = default;
CGMTRBaseGeo2D::CGMTRBaseGeo2D(const CGMTRBaseGeo2D&) {}
CGMTRBaseGeo2D& CGMTRBaseGeo2D::operator=(const CGMTRBaseGeo2D&) {
    return *this;
}
CGMTRBaseGeo2D::~CGMTRBaseGeo2D() = default;
