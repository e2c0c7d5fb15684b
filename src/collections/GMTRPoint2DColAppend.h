// Internal to the library: how Add and the queries append a point. The
// element is constructed in place and the coordinates written from registers;
// push_back of a freshly computed point would copy it through the stack first
// (its growth path needs the point's address), and that store and reload sit
// on the longest chain of a short query.
#ifndef GMTRRT_GMTRPOINT2DCOLAPPEND_H
#define GMTRRT_GMTRPOINT2DCOLAPPEND_H

#include "CGMTRPoint2DCol.h"

struct GMTRPoint2DColAppend {
    /// Appends (x, y) after the last point.
    static void Append(CGMTRPoint2DCol& col, double x, double y) {
        std::vector<CGMTRPoint2D>& v = col.m_points;
        // With room left the append is two stores. The growth path is a call,
        // kept out of line: inlined, its calls to the allocator made every
        // caller save and restore its registers, even when nothing grew.
        if (v.size() == v.capacity()) {
            AppendGrowing(col, x, y);
            return;
        }
        v.emplace_back().Components(x, y);
    }

    /// Appends (x, y) to a collection whose storage is full.
    static void AppendGrowing(CGMTRPoint2DCol& col, double x, double y);
};

#endif // GMTRRT_GMTRPOINT2DCOLAPPEND_H
