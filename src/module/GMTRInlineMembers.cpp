// The members that the public headers define inline are exported by name as
// well, for hosts that call them (and hosts built against earlier headers).
// The function below calls each of them once, and this file is compiled
// without inlining, so each is emitted here with its class's default
// visibility, and the library exports it. (On Windows, GMTRRT_INLINE marks
// them for export.) A member the headers define inline belongs here.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRVector2D.h"
#include "numeric/Compiler.h"

namespace {

GMTRRT_USED void EmitInlineMembers(CGMTRPoint2D& p, CGMTRVector2D& v, CGMTRMatrix2D& m,
                                   CGMTRPoint2DCol& c, double* d) {
    CGMTRPoint2D p0;
    CGMTRPoint2D p1(d[0], d[1]);
    p.X(p0.X() + p1.Y());
    p.Y(d[2]);
    p.Components(&d[0], &d[1]);
    p.Components(d[0], d[1]);
    p *= m;
    p.RotateForPoint(p1, d[4]);
    CGMTRVector2D v0;
    CGMTRVector2D v1(d[0], d[1]);
    v.X(v0.X() + v1.Y());
    v.Y(d[2]);
    v.Components(&d[0], &d[1]);
    v.Components(d[0], d[1]);
    v *= m;
    CGMTRMatrix2D m0;
    CGMTRMatrix2D m1(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8]);
    m = m1;
    m.SetSingleValue(0, 1, m0.GetSingleValue(1, 0));
    m0.Reset();
    m0.SetToRotateBy(p1, d[5]);
    d[3] = c.GetCount() + c.IsEmpty() + c.get_Item(0, p);
    c.Clear();
}

} // namespace
