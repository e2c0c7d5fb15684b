// The point's moves through a matrix: the transform by a matrix and the
// rotations, translation, scaling and mirroring that build one and apply it.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/Compiler.h"
#include "numeric/NumericInline.h"
#include "transform/RotateAboutPoint.h"

namespace {
// (x, y, 1) times the matrix with entries mij, divided by the homogeneous
// weight. Dividing by exactly 1 changes no bits, so the affine case skips it.
// Always inlined: its callers are compiled with different vectorisation
// settings, which would otherwise keep it out of line.
GMTRRT_ALWAYS_INLINE void TransformPoint(double& x, double& y, double m00, double m01, double m02,
                                         double m10, double m11, double m12, double m20, double m21,
                                         double m22) {
    const double nx = m00 * x + m10 * y + m20;
    const double ny = m01 * x + m11 * y + m21;
    const double w = m02 * x + m12 * y + m22;
    if (w == 1.0) {
        x = nx;
        y = ny;
        return;
    }
    x = nx / w;
    y = ny / w;
}
} // namespace

// Scalar code on purpose: the point and the matrix were usually just written
// one double at a time, and paired 16-byte loads of them would wait for those
// stores to drain instead of forwarding them.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-slp-vectorize")))
#endif
void CGMTRPoint2D::operator*=(CGMTRMatrix2D const& m) {
    TransformPoint(x, y, m.GetSingleValue(0, 0), m.GetSingleValue(0, 1), m.GetSingleValue(0, 2),
                   m.GetSingleValue(1, 0), m.GetSingleValue(1, 1), m.GetSingleValue(1, 2),
                   m.GetSingleValue(2, 0), m.GetSingleValue(2, 1), m.GetSingleValue(2, 2));
}

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
        TransformPoint(x, y, e[0][0], e[0][1], e[0][2], e[1][0], e[1][1], e[1][2], e[2][0], e[2][1],
                       e[2][2]);
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
