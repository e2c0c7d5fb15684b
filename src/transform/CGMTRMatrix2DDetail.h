// Internal to the library: the rotation about a point, T(-p) * R * T(p), for
// the generic case, shared by the matrix builder and the point's own turn
// about a centre (which then needs no matrix object at all).
#ifndef GMTRRT_CGMTRMATRIX2DDETAIL_H
#define GMTRRT_CGMTRMATRIX2DDETAIL_H

#include <cmath>

namespace gmtr_matrix_detail {

/// Writes T(-p) * R * T(p) for the snapped cosine k and sine s into m and
/// returns true when the inputs are generic: finite, with a non-zero cosine,
/// sine and products. Then every added 0.0 and every product with a zero
/// entry of the full 3x3 products leaves the other operand unchanged (no -0.0
/// to turn into +0.0, no infinity to turn into NaN), and the products reduce
/// exactly to these entries. Returns false, with m untouched, otherwise.
inline bool RotateByGeneric(double k, double s, double px, double py, double (&m)[3][3]) {
    // A sum is finite only when every term is (k is NaN exactly when s is: both
    // come from a non-finite angle); a finite sum that overflows only sends a
    // generic input down the general path.
    if (!std::isfinite(k + px + py)) {
        return false;
    }
    const double ns = -s;
    const double a = -px;
    const double b = -py;
    const double ak = a * k;
    const double as = a * s;
    const double t = ak + b * ns;
    const double u = as + b * k;
    // All four non-zero (hence k and s too). A product that underflows to 0
    // or is NaN (0 times an overflowed sum) also takes the general path.
    const double all = (ak * as) * (t * u);
    if (!(all != 0.0 && all == all)) {
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

} // namespace gmtr_matrix_detail

#endif // GMTRRT_CGMTRMATRIX2DDETAIL_H
