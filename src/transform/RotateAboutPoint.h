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
/// otherwise. With t = (-px)k + (-py)(-s) and u = (-px)s + (-py)k, the full
/// 3x3 products reduce exactly to the entries k, s, -s, k, t + px, u + py
/// (and 0, 0, 1) when s and both t and u are finite and non-zero:
///  - a finite t or u means px, py, k and s are finite (an infinite or NaN
///    one makes a product, and so the sum, non-finite), so every product of
///    an entry with 0.0 is a signed zero and adding it to a non-zero value
///    changes nothing;
///  - a non-zero t (u) is what the product's sum starting from 0.0 gives, and
///    adding 0.0 and the zero products leaves it, so the shift is t + px;
///  - a zero s would make the product's -s entry +0.0 rather than -0.0.
/// The snapped cosine and sine are never -0.0, and a zero cosine needs no
/// special case. One product tests all three: (t * u) * s is finite and
/// non-zero only if each factor is (an overflow or underflow of the product
/// only sends a generic input down the general path).
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
