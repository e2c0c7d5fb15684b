// Internal to the library: inline forms of the shared numeric functions, so
// that hot paths compute them without a call and can share work between them
// (one sincos for a snapped cosine and sine of the same angle). The exported
// functions are built from these, so both give the same bits.
#ifndef GMTRRT_NUMERIC_NUMERICINLINE_H
#define GMTRRT_NUMERIC_NUMERICINLINE_H

#include "GMTRRT.h"
#include "numeric/Compiler.h"

#include <cmath>

namespace gmtrrt {
namespace detail {

inline double NormalizeAngle(double a) {
    const double t = a / GMTR_PI / 2;
    const double r = (t - std::floor(t)) * GMTR_2PI;
    if (std::fabs(r - 2 * GMTR_PI) < GMTR_TOL)
        return 0.0;
    return r;
}

inline double NormalizeSignedAngle(double a) {
    const double t = a / GMTR_PI / 2 + 0.5;
    const double r = (t - std::floor(t)) * GMTR_2PI - GMTR_PI;
    if (std::fabs(r + GMTR_PI) < GMTR_TOL)
        return GMTR_PI;
    return r;
}

inline double ReduceAngle(double a) {
    const double q = std::fabs(a / (2 * GMTR_PI));
    const double f = q - std::floor(q);
    const double r = a < 0 ? f * (-GMTR_2PI) : f * GMTR_2PI;
    if (std::fabs(r - 2 * GMTR_PI) < GMTR_TOL)
        return 0.0;
    return r;
}

// Snap (a cosine or sine within GMTR_TOL of -1, 0 or 1 becomes exactly that
// value) is in GMTRRT.h, shared with the headers' inline members.

// Snapped cosine and sine of one angle, from one sincos evaluation.
GMTRRT_ALWAYS_INLINE void SnapCosSin(double a, double& c, double& s) {
    const double cv = std::cos(a);
    const double sv = std::sin(a);
    c = Snap(cv);
    s = Snap(sv);
}

// The vector (x, y) turned by the rotation matrix with cosine k and sine s,
// written out as the matrix applies it: the images of the tip and of the
// origin as homogeneous points, and their difference. The same operations on
// the same values as the matrix product, so the same bits for every input; a
// homogeneous weight of exactly 1 is not divided by (which changes no bits).
inline void RotateComponents(double& x, double& y, double k, double s) {
    const double ns = -s;
    const double px = x;
    const double py = y;
    const double nx = (k * px + ns * py) + 0.0;
    const double ny = (s * px + k * py) + 0.0;
    const double w = (0.0 * px + 0.0 * py) + 1.0;
    const double ox = (k * 0.0 + ns * 0.0) + 0.0;
    const double oy = (s * 0.0 + k * 0.0) + 0.0;
    x = (w == 1.0 ? nx : nx / w) - ox;
    y = (w == 1.0 ? ny : ny / w) - oy;
}

inline bool IsAngleInRange(double angle, double start, double sweep) {
    if (std::fabs(sweep - 2 * GMTR_PI) < GMTR_TOL)
        return true;
    double d;
    double s;
    if (sweep >= 0) {
        d = NormalizeAngle(angle - start);
        s = NormalizeAngle(sweep);
    } else {
        d = NormalizeAngle(start - angle);
        s = NormalizeAngle(-sweep);
    }
    return d < s + GMTR_TOL;
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_NUMERIC_NUMERICINLINE_H
