// Internal to the library: the arc intersection queries compute their points
// into a small fixed buffer first, so the fillet constructions can use the
// same computations without building temporary point collections.
#ifndef GMTRRT_CGMTRARC2DCANDIDATES_H
#define GMTRRT_CGMTRARC2DCANDIDATES_H

#include "CGMTRPoint2D.h"

class CGMTRArc2D;
class CGMTRLine2D;

namespace gmtr_arc_detail {

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

/// The crossings of arc a with arc b, computed on a's circle.
void CrossArcArc(const CGMTRArc2D& a, const CGMTRArc2D& b, ArcCandidates& out);

/// The crossings of arc a with the line through the segment; when
/// `onSegmentOnly` is set, only points within GMTR_TOL of the segment itself.
void CrossArcLine(const CGMTRArc2D& a, const CGMTRLine2D& line, bool onSegmentOnly,
                  ArcCandidates& out);

} // namespace gmtr_arc_detail

#endif // GMTRRT_CGMTRARC2DCANDIDATES_H
