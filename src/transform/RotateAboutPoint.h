// Internal to the library: the rotation about a point, T(-p) * R * T(p), for
// the generic case, shared by the matrix builder and the point's own turn
// about a centre (which then needs no matrix object at all).
#ifndef GMTRRT_TRANSFORM_ROTATEABOUTPOINT_H
#define GMTRRT_TRANSFORM_ROTATEABOUTPOINT_H

#include <cmath>

namespace gmtrrt {
namespace detail {

/// Writes T(-p) * R * T(p) for the snapped cosine k and sine s into m and
/// returns true when the inputs are generic; returns false, with m untouched,
/// otherwise. Generic means s, t and u below are finite and non-zero, which
/// one product tests: then the full 3x3 products reduce exactly, bit for bit,
/// to the entries k, s, -s, k, t + px, u + py.
inline bool RotateByGeneric(double k, double s, double px, double py, double (&m)[3][3]) {
    const double ns = -s;
    const double t = (-px) * k + (-py) * ns;
    const double u = (-px) * s + (-py) * k;
    const double g = (t * u) * s;
    if (!(g != 0.0 && g - g == 0.0)) {
        return false;
    }
    m[0][0] = k;
    m[0][1] = s;
    m[0][2] = 0.0;
    m[1][0] = ns;
    m[1][1] = k;
    m[1][2] = 0.0;
    m[2][0] = t + px;
    m[2][1] = u + py;
    m[2][2] = 1.0;
    return true;
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_TRANSFORM_ROTATEABOUTPOINT_H
