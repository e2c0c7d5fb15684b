// Internal to the library: the segment's end point and the pieces of its
// distance tests as inline code on bare doubles, so the arc queries and the
// fillets can compute a segment's end point and length once per call.
#ifndef GMTRRT_ENTITIES_SEGMENTKERNELS_H
#define GMTRRT_ENTITIES_SEGMENTKERNELS_H

#include <cmath>

namespace gmtrrt {
namespace detail {

// The base point moved by the step vector through the translation matrix, in
// the branch-free form (x + vx) + (0*x + 0*y), which has the same bits as the
// matrix product and its division by the weight for every input.
inline void EndPoint(double x, double y, double vx, double vy, double& ex, double& ey) {
    const double z = 0.0 * x + 0.0 * y;
    ex = (x + vx) + z;
    ey = (y + vy) + z;
}

/// The length of the segment from (x1, y1) to (x2, y2), from its end points.
inline double SegmentLength(double x1, double y1, double x2, double y2) {
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

/// A segment read once: base point, end point, and the length that its
/// perpendicular distance and its distance to a point both divide by.
struct Segment {
    double x1, y1, x2, y2, len;
};

inline Segment MakeSegment(double x, double y, double vx, double vy) {
    Segment s;
    s.x1 = x;
    s.y1 = y;
    EndPoint(x, y, vx, vy, s.x2, s.y2);
    s.len = SegmentLength(s.x1, s.y1, s.x2, s.y2);
    return s;
}

/// Distance from (px, py) to the infinite line through the segment.
inline double VerticalDis(const Segment& s, double px, double py) {
    const double cr = (px - s.x1) * (s.y1 - s.y2) - (py - s.y1) * (s.x1 - s.x2);
    return std::fabs(cr / s.len);
}

/// Where (px, py) lies along the segment from (x1, y1) to (x2, y2): behind
/// the start (a zero-length segment included), beyond the end, or beside it.
enum class Along { BehindStart, BeyondEnd, Beside };

inline Along Locate(double x1, double y1, double x2, double y2, double px, double py) {
    if ((px - x1) * (x2 - x1) + (py - y1) * (y2 - y1) <= 0)
        return Along::BehindStart;
    if ((px - x2) * (x1 - x2) + (py - y2) * (y1 - y2) <= 0)
        return Along::BeyondEnd;
    return Along::Beside;
}

/// Distance from (px, py) to the segment from (x1, y1) to (x2, y2): to the
/// nearer end behind or beyond it, else to its line; `length()` gives the
/// segment's length and is asked only in that last case.
template <class Length>
inline double DistanceToSegment(double x1, double y1, double x2, double y2, double px, double py,
                                Length length) {
    switch (Locate(x1, y1, x2, y2, px, py)) {
    case Along::BehindStart:
        return std::sqrt((px - x1) * (px - x1) + (py - y1) * (py - y1));
    case Along::BeyondEnd:
        return std::sqrt((px - x2) * (px - x2) + (py - y2) * (py - y2));
    case Along::Beside:
        break;
    }
    return std::fabs(((px - x1) * (y1 - y2) - (py - y1) * (x1 - x2)) / length());
}

/// Distance from (px, py) to the segment itself.
inline double Distance(const Segment& s, double px, double py) {
    return DistanceToSegment(s.x1, s.y1, s.x2, s.y2, px, py, [&s] { return s.len; });
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_ENTITIES_SEGMENTKERNELS_H
