// Internal to the library: how the queries append a point they have just
// computed. The coordinates arrive in registers and go straight into the
// collection's storage; going through Add would copy a temporary point, whose
// address the growth path needs, through the stack first, and that store and
// reload sit on the longest chain of a short query.
#ifndef GMTRRT_GMTRPOINT2DCOLAPPEND_H
#define GMTRRT_GMTRPOINT2DCOLAPPEND_H

#include "CGMTRPoint2DCol.h"

struct GMTRPoint2DColAppend {
    /// Appends (x, y), exactly as Add(CGMTRPoint2D(x, y)) does.
    static void Append(CGMTRPoint2DCol& col, double x, double y) {
        std::vector<CGMTRPoint2D>& v = col.m_points;
        // The new element is made without arguments, so the growth path takes
        // no reference to (x, y); its default value is overwritten at once.
        v.emplace_back().Components(x, y);
    }
};

#endif // GMTRRT_GMTRPOINT2DCOLAPPEND_H
