// The point's moves through a matrix: the rotation about the origin,
// translation, scaling and mirroring that build one and apply it (the
// transform by a matrix and the turn about a centre are defined in the
// header).
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/NumericInline.h"

void CGMTRPoint2D::Rotate(double const& angle) {
    CGMTRMatrix2D m;
    m.SetToRotate(angle);
    *this *= m;
}

void CGMTRPoint2D::Transfer(CGMTRVector2D const& v) {
    CGMTRMatrix2D m;
    m.SetToTransfer(v);
    *this *= m;
}

void CGMTRPoint2D::Scale(CGMTRPoint2D const& centre, double const& factor) {
    CGMTRMatrix2D m;
    m.SetToScaleBy(centre, factor);
    *this *= m;
}

void CGMTRPoint2D::Mirror(CGMTRPoint2D const& point, CGMTRVector2D const& direction) {
    CGMTRMatrix2D m;
    m.SetToMirror(point, direction);
    *this *= m;
}
