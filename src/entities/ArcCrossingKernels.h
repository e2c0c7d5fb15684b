// Internal to the library: the arc intersection queries compute their points
// into a small fixed buffer first, so the fillet constructions can use the
// same computations without building temporary point collections. An arc is
// read once per call into a frame (centre, radius, start angle, sweep), so
// the start angle's atan2 is shared with the sweep and nothing is recomputed.
#ifndef GMTRRT_ENTITIES_ARCCROSSINGKERNELS_H
#define GMTRRT_ENTITIES_ARCCROSSINGKERNELS_H

#include "CGMTRLine2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "entities/SegmentKernels.h"
#include "numeric/NumericInline.h"

#include <cmath>
#include <typeinfo>

namespace gmtrrt {
namespace detail {

/// At most two points, in the order they are found.
struct ArcCandidates {
    CGMTRPoint2D points[2];
    int count = 0;

    void Push(const CGMTRPoint2D& p) {
        if (count < 2) {
            points[count++] = p;
        }
    }
};

/// What the queries read of an arc: centre, radius (length of the start
/// vector), start angle (its direction) and signed sweep (2pi when the
/// full-circle flag is set, else twice the signed turn from the start vector
/// to the mid vector).
struct ArcFrame {
    double cx, cy, r, base, sweep;
};

inline ArcFrame MakeFrame(const CGMTRPoint2D& centre, const CGMTRVector2D& baseVector,
                          const CGMTRVector2D& midVector, int fullCircle) {
    ArcFrame f;
    f.cx = centre.X();
    f.cy = centre.Y();
    const double bx = baseVector.X();
    const double by = baseVector.Y();
    f.r = std::sqrt(bx * bx + by * by);
    f.base = std::atan2(by, bx);
    f.sweep = fullCircle != 0 ? 2 * GMTR_PI
                              : 2 * gmtrrt::detail::NormalizeSignedAngle(
                                        std::atan2(midVector.Y(), midVector.X()) - f.base);
    return f;
}

/// A segment read once: base and end point, length and step. `custom` is the
/// segment object when it is of a class derived from CGMTRLine2D; the arc's
/// queries then ask that object's own virtual Distance and PointToPercent,
/// and for the library's own segments they run the same arithmetic inline.
struct LineFrame {
    gmtrrt::detail::Segment seg;
    double vx, vy;
    const CGMTRLine2D* custom;

    /// The segment's Distance to p.
    double DistanceTo(const CGMTRPoint2D& p) const {
        if (custom != nullptr)
            return custom->Distance(p);
        return gmtrrt::detail::Distance(seg, p.X(), p.Y());
    }

    /// Whether the segment's PointToPercent of p is not negative, that is
    /// whether p passes its detour test (a percent is -1.0 off the segment).
    bool HasPercent(const CGMTRPoint2D& p) const {
        if (custom != nullptr)
            return !(custom->PointToPercent(p) < 0.0);
        const double total = std::sqrt(vx * vx + vy * vy);
        const double d1 = p.Distance2D(CGMTRPoint2D(seg.x1, seg.y1));
        const double d2 = p.Distance2D(CGMTRPoint2D(seg.x2, seg.y2));
        return !(total + GMTR_TOL < d1 + d2);
    }
};

inline LineFrame MakeLineFrame(const CGMTRPoint2D& base, const CGMTRVector2D& step) {
    LineFrame l;
    l.vx = step.X();
    l.vy = step.Y();
    l.seg = gmtrrt::detail::MakeSegment(base.X(), base.Y(), l.vx, l.vy);
    l.custom = nullptr;
    return l;
}

/// A frame of the segment; the one place that tells the library's own
/// CGMTRLine2D from a class derived from it.
inline LineFrame MakeLineFrame(const CGMTRLine2D& line) {
    LineFrame l = MakeLineFrame(line.get_BasePoint(), line.get_BaseVector());
    if (typeid(line) != typeid(CGMTRLine2D)) {
        l.custom = &line;
    }
    return l;
}

/// The crossings of arc a with arc b, computed on a's circle; at most `limit`
/// points (the later ones are not computed).
void CrossArcArc(const ArcFrame& a, const ArcFrame& b, int limit, ArcCandidates& out);

/// The crossings of arc a with the line through the segment; when
/// `onSegmentOnly` is set, only points within GMTR_TOL of the segment itself.
/// At most `limit` points.
void CrossArcLine(const ArcFrame& a, const LineFrame& line, bool onSegmentOnly, int limit,
                  ArcCandidates& out);

/// The second half of CrossArcLine, for callers that already hold the line's
/// direction angle theta and the distance h of the arc's centre from the line.
void CrossArcLineFrom(const ArcFrame& a, const LineFrame& line, double theta, double h,
                      bool onSegmentOnly, int limit, ArcCandidates& out);

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_ENTITIES_ARCCROSSINGKERNELS_H
