/// @file
/// GMTRRT: plane and space geometry class library. This header holds the
/// shared constants, the library's single tolerance rule and the nine shared
/// numeric functions that every class measures, compares and normalises with.
///
/// Conventions used across the whole library:
///  * Angles are radians, counter-clockwise positive from the +x axis; no
///    interface takes or gives degrees.
///  * GMTR_TOL is one absolute tolerance, applied unscaled and strictly: two
///    values are equal when |a - b| < GMTR_TOL, so a difference of exactly
///    GMTR_TOL is not equal. There is no relative tolerance anywhere.
///  * Nothing throws, logs or keeps error state; degenerate input gives IEEE
///    non-finite values or leaves outputs untouched, as each class documents.
///  * The library holds no global state: every function here is pure and may
///    be called from any thread at once.
#ifndef GMTRRT_GMTRRT_H
#define GMTRRT_GMTRRT_H

#include <cfloat>
#include <cmath>

/// @def GMTRRT_API
/// The one export macro of the library. Every public class and shared function
/// carries it; everything else is compiled with hidden visibility. Hosts use
/// the headers as they are: the macro imports the names on Windows.
#if defined(_WIN32)
#if defined(GMTRRT_BUILDING)
#define GMTRRT_API __declspec(dllexport)
#else
#define GMTRRT_API __declspec(dllimport)
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define GMTRRT_API __attribute__((visibility("default")))
#else
#define GMTRRT_API
#endif

/// @def GMTRRT_INLINE
/// Marks a member that a public header defines inline and that the library
/// exports by name as well. Windows exports such a member only when it is
/// marked itself, so the macro is the export while the DLL is built; hosts
/// compile their own inline copy. Elsewhere the classes' default visibility
/// and one source of the library that emits every inline member export them.
#if defined(_WIN32) && defined(GMTRRT_BUILDING)
#define GMTRRT_INLINE __declspec(dllexport)
#else
#define GMTRRT_INLINE
#endif

/// @cond INTERNAL
// The rare paths of the inline members (quarter turns, zero or non-finite
// entries) are kept out of line in the host, so the common path stays short.
#if defined(__GNUC__) || defined(__clang__)
#define GMTRRT_DETAIL_RARE __attribute__((noinline, cold))
#elif defined(_MSC_VER)
#define GMTRRT_DETAIL_RARE __declspec(noinline)
#else
#define GMTRRT_DETAIL_RARE
#endif
/// @endcond

/// Half turn: the double nearest to pi.
constexpr double GMTR_PI = 3.141592653589793;
/// Full turn, formed as GMTR_PI + GMTR_PI.
constexpr double GMTR_2PI = GMTR_PI + GMTR_PI;
/// Quarter turn, GMTR_PI / 2.
constexpr double GMTR_HALF_PI = GMTR_PI / 2;
/// The one absolute tolerance of the library.
constexpr double GMTR_TOL = 1e-10;

/// True when |a - b| < GMTR_TOL.
GMTRRT_API bool IsEqualValue(double const& a, double const& b);

/// True when |x2 - x1| + |y2 - y1| < GMTR_TOL: the tolerance bounds the sum of
/// both coordinate differences, not the Euclidean distance.
GMTRRT_API bool IsSamePoint(double const& x1, double const& y1, double const& x2, double const& y2);

/// Angle reduced to [0, 2pi); a result within GMTR_TOL below 2pi becomes 0.
GMTRRT_API double NormalizeAngle(double const& a);

/// Angle reduced to (-pi, pi]; -pi and anything within GMTR_TOL above it
/// become +pi.
GMTRRT_API double NormalizeSignedAngle(double const& a);

/// Remainder of a by a full turn with the sign of a kept (magnitude below 2pi).
/// Only results just below +2pi snap to 0; -2pi gives a negative zero.
GMTRRT_API double ReduceAngle(double const& a);

/// Direction of the step from (x1, y1) to (x2, y2): atan2(y2 - y1, x2 - x1),
/// in [-pi, pi] and not normalised. Two equal points give atan2(0, 0), 0.
GMTRRT_API double GetDirectionAngle(double const& x1, double const& y1, double const& x2,
                                    double const& y2);

/// cos(a), snapped to exactly -1, 0 or 1 when within GMTR_TOL of them.
GMTRRT_API double SnapCos(double const& a);

/// sin(a), snapped to exactly -1, 0 or 1 when within GMTR_TOL of them.
GMTRRT_API double SnapSin(double const& a);

/// Whether the direction `angle` lies on the arc of directions that starts at
/// `start` and turns by the signed `sweep` (positive counter-clockwise). A sweep
/// within GMTR_TOL of +2pi accepts every angle (NaN included); both ends get a
/// slack of GMTR_TOL. A sweep of -2pi is not a full circle: only directions
/// within GMTR_TOL of `start` lie on it.
GMTRRT_API bool IsAngleInRange(double const& angle, double const& start, double const& sweep);

/// @cond INTERNAL
// Helpers of the members the headers define inline: the snapping of a cosine
// or sine (the library's own code uses the same Snap) and the cosine and sine
// of an angle. The angle passes an empty barrier first, so that the cosine and
// sine are always the C library's, computed at run time as the library
// computes them, never a compiler's folded constant.
namespace gmtrrt {
namespace detail {

inline double Snap(double v) {
    if (v > 1 - GMTR_TOL)
        return 1.0;
    if (v < -1 + GMTR_TOL)
        return -1.0;
    if (std::fabs(v) < GMTR_TOL)
        return 0.0;
    return v;
}

inline double RunTime(double a) {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__SSE2__))
    __asm__("" : "+x"(a));
#elif defined(__GNUC__) || defined(__clang__)
    __asm__("" : "+m"(a));
#else
    volatile double v = a;
    a = v;
#endif
    return a;
}

// Hands the four values back as they are, once the value `after` exists: the
// work on them is then scheduled after the call that made `after`, and only
// the values themselves are kept across that call (four registers rather than
// the compiler's early partial products).
inline void KeepUntil(double after, double& a, double& b, double& c, double& d) {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__SSE2__))
    __asm__("" : "+x"(a), "+x"(b), "+x"(c), "+x"(d) : "x"(after));
#else
    (void)after;
    (void)a;
    (void)b;
    (void)c;
    (void)d;
#endif
}

inline void KeepUntil(double after, double& a, double& b) {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__SSE2__))
    __asm__("" : "+x"(a), "+x"(b) : "x"(after));
#else
    (void)after;
    (void)a;
    (void)b;
#endif
}

// The cosine and sine of the angle, unsnapped.
inline void RunTimeCosSin(double a, double& c, double& s) {
    const double t = RunTime(a);
    c = std::cos(t);
    s = std::sin(t);
}

// True when Snap leaves the cosine c and sine s of one angle as they are.
// Both magnitudes at most 1 - GMTR_TOL suffices: then c * c + s * s = 1 keeps
// each magnitude above 1.4e-5, far from the snap to 0. False when both are
// NaN (a cosine and sine of one angle are NaN together).
inline bool Unsnapped(double c, double s) {
    const double ac = std::fabs(c);
    const double as = std::fabs(s);
    return (ac > as ? ac : as) <= 1 - GMTR_TOL;
}

// True for a finite, non-zero value.
inline bool FiniteNonZero(double g) {
    const double a = std::fabs(g);
    return a > 0.0 && a <= DBL_MAX;
}

} // namespace detail
} // namespace gmtrrt
/// @endcond

#endif // GMTRRT_GMTRRT_H
