// The corner fillet between two segments: the circle of a given radius that
// touches both, in the corner that a given point chooses.
#include "CGMTRLine2D.h"

#include <cmath>

namespace {

// One segment seen from its start point: unit direction, left normal, length.
struct Frame {
    double px, py; // start point
    double ux, uy; // unit direction
    double nx, ny; // unit normal, a quarter turn counter-clockwise of u
    double length;
};

Frame FrameOf(const CGMTRLine2D& line) {
    const CGMTRPoint2D& p = line.get_BasePoint();
    const CGMTRVector2D v = line.get_BaseVector();
    const double length = v.Length();
    const double ux = v.X() / length;
    const double uy = v.Y() / length;
    return Frame{p.X(), p.Y(), ux, uy, -uy, ux, length};
}

// Signed distance of (x, y) from the frame's line, positive on its left.
double SideOf(const Frame& f, double x, double y) {
    return (x - f.px) * f.nx + (y - f.py) * f.ny;
}

// +1 or -1: the side of line `f` on which the fillet lies. `corner` decides
// unless it lies on the line; then the end of the other segment farther from
// `corner` does. 0 when neither decides (or `corner` is not a number).
int FilletSide(const Frame& f, const CGMTRLine2D& other, double qx, double qy) {
    const double s = SideOf(f, qx, qy);
    if (std::isnan(s))
        return 0;
    if (std::fabs(s) >= GMTR_TOL)
        return s > 0.0 ? 1 : -1;
    const CGMTRPoint2D a = other.get_BasePoint();
    const CGMTRPoint2D b = other.get_EndPoint();
    const double da = std::sqrt((a.X() - qx) * (a.X() - qx) + (a.Y() - qy) * (a.Y() - qy));
    const double db = std::sqrt((b.X() - qx) * (b.X() - qx) + (b.Y() - qy) * (b.Y() - qy));
    const CGMTRPoint2D& farEnd = db > da ? b : a;
    const double t = SideOf(f, farEnd.X(), farEnd.Y());
    if (std::fabs(t) < GMTR_TOL)
        return 0;
    return t > 0.0 ? 1 : -1;
}

// Whether the foot (x, y) on the frame's line lies on the segment.
bool OnSegment(const Frame& f, double x, double y) {
    const double along = (x - f.px) * f.ux + (y - f.py) * f.uy;
    return along >= -GMTR_TOL && along <= f.length + GMTR_TOL;
}

} // namespace

int CGMTRLine2D::LineTangencyDistance(const CGMTRLine2D& other, const CGMTRPoint2D& corner,
                                      const double& d, CGMTRPoint2D& onThis, CGMTRPoint2D& onOther,
                                      CGMTRPoint2D& centre) const {
    if (!(d > 0.0) || !std::isfinite(d))
        return 0;
    const Frame a = FrameOf(*this);
    const Frame b = FrameOf(other);
    // The sine of the angle between the lines; NaN for a zero-length segment.
    const double sine = a.ux * b.uy - a.uy * b.ux;
    if (!(std::fabs(sine) >= GMTR_TOL))
        return 0;
    const int sa = FilletSide(a, other, corner.X(), corner.Y());
    const int sb = FilletSide(b, *this, corner.X(), corner.Y());
    if (sa == 0 || sb == 0)
        return 0;
    // The centre lies on both lines shifted by d towards their fillet sides:
    // n_a . (c - p_a) = sa d and n_b . (c - p_b) = sb d, solved relative to
    // this segment's start so that far-away corners keep their precision.
    const double ra = sa * d;
    const double rb = sb * d + (b.px - a.px) * b.nx + (b.py - a.py) * b.ny;
    const double det = a.nx * b.ny - a.ny * b.nx;
    const double cx = a.px + (ra * b.ny - rb * a.ny) / det;
    const double cy = a.py + (a.nx * rb - b.nx * ra) / det;
    // The touching points are the feet of the centre on the two lines.
    const double ta_x = cx - ra * a.nx;
    const double ta_y = cy - ra * a.ny;
    const double tb_x = cx - sb * d * b.nx;
    const double tb_y = cy - sb * d * b.ny;
    if (!OnSegment(a, ta_x, ta_y) || !OnSegment(b, tb_x, tb_y))
        return 0;
    onThis.Components(ta_x, ta_y);
    onOther.Components(tb_x, tb_y);
    centre.Components(cx, cy);
    return 1;
}
