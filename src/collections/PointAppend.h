// How Add and the queries append a point: the coordinates are written from
// registers into the next free slot. The growth path is a call kept out of
// line: inlined, its allocator calls made every caller save and restore its
// registers even when nothing grew.
#ifndef GMTRRT_COLLECTIONS_POINTAPPEND_H
#define GMTRRT_COLLECTIONS_POINTAPPEND_H

#include "CGMTRPoint2DCol.h"

namespace gmtrrt {
namespace detail {

struct PointAppender {
    /// Appends (x, y) after the last point (dropped if memory runs out).
    static void Append(CGMTRPoint2DCol& col, double x, double y) {
        if (col.m_count == col.m_capacity) {
            AppendGrowing(col, x, y);
            return;
        }
        col.m_points[col.m_count++].Components(x, y);
    }

    /// Appends (x, y) to a collection whose storage is full.
    static void AppendGrowing(CGMTRPoint2DCol& col, double x, double y);
};

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_COLLECTIONS_POINTAPPEND_H
