// How copies are numbered and placed: the division of a copy number into the
// numbers of a chain's patterns (DivMod), the placement of one copy by the
// linear pattern (PlaceLine) and by the grid (PlaceGrid), and the one place
// that tells the library's own linear and grid patterns from every other kind
// (PlaceOwnKind), so that a chain places them without a virtual call.
#ifndef GMTRRT_REPEAT_REPEATPLACEMENT_H
#define GMTRRT_REPEAT_REPEATPLACEMENT_H

#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "numeric/NumericInline.h"

#include <climits>
#include <cstdint>
#include <typeinfo>

namespace gmtrrt {
namespace detail {

/// q = a / b and r = a % b (truncating towards zero). b must not be 0, and
/// a / b must not overflow, as for the built-in operators. Copy numbers and
/// counts nearly always fit in 32 bits, where the division is several times
/// cheaper on common processors; the results are the same either way.
inline void DivMod(long a, long b, long& q, long& r) {
    const bool fits = a >= INT32_MIN && a <= INT32_MAX && b >= INT32_MIN && b <= INT32_MAX &&
                      !(a == INT32_MIN && b == -1);
    if (fits) {
        const std::int32_t a32 = static_cast<std::int32_t>(a);
        const std::int32_t b32 = static_cast<std::int32_t>(b);
        q = a32 / b32;
        r = a32 % b32;
        return;
    }
    q = a / b;
    r = a % b;
}

/// Placement of the linear pattern's copy `index` of (x, y): `index` steps of
/// `space` in the direction `angle`.
inline void PlaceLine(long index, double x, double y, double angle, double space, double& outX,
                      double& outY) {
    const double d = static_cast<double>(index) * space;
    double c;
    double s;
    gmtrrt::detail::SnapCosSin(angle, c, s);
    outX = c * d + x;
    outY = s * d + y;
}

/// Placement of the grid's copy `index` of (x, y): rows run alternately
/// forward and back along the grid's X axis (turned by `angle`).
inline void PlaceGrid(long index, double x, double y, double spaceX, double spaceY, double angle,
                      long repeatX, double& outX, double& outY) {
    if (repeatX == 0) {
        // No columns: there is no grid to step along.
        outX = x;
        outY = y;
        return;
    }
    long row = 0;
    long column = 0;
    if (repeatX == -1) {
        // index / -1 overflows for the most negative index; negate with wrap.
        row = index == LONG_MIN ? index : -index;
    } else {
        DivMod(index, repeatX, row, column);
    }
    // The backward column is formed in double: the same value as the integer
    // repeatX - 1 - column, without overflow for extreme stored counts.
    double col = static_cast<double>(column);
    if (row % 2 != 0)
        col = static_cast<double>(repeatX) - 1.0 - static_cast<double>(column);
    const double r = static_cast<double>(row);
    double c;
    double s;
    gmtrrt::detail::SnapCosSin(angle, c, s);
    outX = ((col * spaceX) * c + x) - (r * spaceY) * s;
    outY = ((col * spaceX) * s + y) + (r * spaceY) * c;
}

/// Places copy `index` of (x, y) when `p` is exactly the library's own
/// CGMTRRepeatLine2D or CGMTRRepeatGrid, with the arithmetic of their
/// GetOutputPt, and returns true. Returns false for every other kind, classes
/// derived from those two included: the caller then calls the pattern's own
/// virtual placement. The type information of the library's classes is the
/// library's own object, so comparing addresses is enough (a mismatch only
/// costs the virtual call).
inline bool PlaceOwnKind(CGMTRRepeat& p, long index, double x, double y, double& outX,
                         double& outY) {
    const std::type_info* kind = &typeid(p);
    if (kind == &typeid(CGMTRRepeatLine2D)) {
        CGMTRRepeatLine2D& line = static_cast<CGMTRRepeatLine2D&>(p);
        PlaceLine(index, x, y, line.GetLineAngle(), line.GetRepeatSpace(), outX, outY);
        return true;
    }
    if (kind == &typeid(CGMTRRepeatGrid)) {
        CGMTRRepeatGrid& grid = static_cast<CGMTRRepeatGrid&>(p);
        PlaceGrid(index, x, y, grid.GetSpaceX(), grid.GetSpaceY(), grid.GetBaseAngle(),
                  grid.GetRepeatX(), outX, outY);
        return true;
    }
    return false;
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_REPEAT_REPEATPLACEMENT_H
