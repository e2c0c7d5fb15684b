// The point's moves through a matrix: the rotations, translation, scaling and
// mirroring that build one and apply it (the transform by a matrix itself is
// defined in the header).
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/NumericInline.h"
#include "transform/RotateAboutPoint.h"

void CGMTRPoint2D::Rotate(double const& angle) {
    CGMTRMatrix2D m;
    m.SetToRotate(angle);
    *this *= m;
}

void CGMTRPoint2D::RotateForPoint(CGMTRPoint2D const& centre, double const& angle) {
    // Generic inputs: the matrix entries and the transform of this point
    // computed in place, with the same operations as building the matrix and
    // applying it (the weight is exactly 1 and not divided by).
    double k;
    double s;
    gmtrrt::detail::SnapCosSin(angle, k, s);
    double e[3][3];
    if (gmtrrt::detail::RotateByGeneric(k, s, centre.X(), centre.Y(), e)) {
        *this *= CGMTRMatrix2D(e[0][0], e[0][1], e[0][2], e[1][0], e[1][1], e[1][2], e[2][0],
                               e[2][1], e[2][2]);
        return;
    }
    CGMTRMatrix2D m;
    m.SetToRotateBy(centre, angle);
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
