// The vector's turn by an angle through the rotation matrix (the transform by
// a matrix itself is defined in the header).
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "numeric/NumericInline.h"

void CGMTRVector2D::Rotate(double angle) {
    // The rotation matrix applied without building it (same bits).
    double k;
    double s;
    gmtrrt::detail::SnapCosSin(angle, k, s);
    gmtrrt::detail::RotateComponents(x, y, k, s);
}
