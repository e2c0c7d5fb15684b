// The vector's turns through a matrix: the transform by a matrix (its
// translation cancels) and the rotation by an angle.
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

void CGMTRVector2D::operator*=(CGMTRMatrix2D const& m) {
    CGMTRPoint2D tip(x, y);
    CGMTRPoint2D origin(0.0, 0.0);
    tip *= m;
    origin *= m;
    x = tip.X() - origin.X();
    y = tip.Y() - origin.Y();
}
