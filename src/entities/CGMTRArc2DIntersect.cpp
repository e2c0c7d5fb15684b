// Intersections of an arc with another arc, with a segment and with the
// infinite line through a segment. Every point is computed on this arc's
// circle; a candidate is kept when its direction lies on the arc (and on the
// other entity). Results are appended to the caller's collection and nothing
// already in it is removed.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "collections/PointAppend.h"
#include "entities/ArcCrossingKernels.h"

#include <cmath>

namespace {

// Cosine of the angle between sides b and c of the triangle with sides a, b,
// c, clamped to [-1, 1]; a quotient that is not a number (a zero side) counts
// as -1.
double GetTriangleCosine(const double& a, const double& b, const double& c) {
    const double q = (b * b + c * c - a * a) / (2.0 * b * c);
    if (q > 1.0) {
        return 1.0;
    }
    if (q < -1.0 || std::isnan(q)) {
        return -1.0;
    }
    return q;
}

// Half the cross product of the steps from (x0, y0): positive when the three
// points run clockwise, negative when they run counter-clockwise.
double GetTriangleArea(const double& x0, const double& y0, const double& x1, const double& y1,
                       const double& x2, const double& y2, bool isSigned) {
    const double s = ((x0 - x1) * (y2 - y0) + (y0 - y1) * (x0 - x2)) / 2.0;
    return isSigned ? s : std::fabs(s);
}

void AppendAll(const gmtrrt::detail::ArcCandidates& found, CGMTRPoint2DCol& points) {
    for (int i = 0; i < found.count; ++i) {
        gmtrrt::detail::PointAppender::Append(points, found.points[i].X(), found.points[i].Y());
    }
}

} // namespace

namespace gmtrrt {
namespace detail {

void CrossArcArc(const ArcFrame& a, const ArcFrame& b, int limit, ArcCandidates& out) {
    const double rA = a.r;
    const double baseA = a.base;
    const double sweepA = a.sweep;
    const double dx = a.cx - b.cx;
    const double dy = a.cy - b.cy;
    const double d = std::sqrt(dx * dx + dy * dy);
    const double phi = std::atan2(b.cy - a.cy, b.cx - a.cx);
    const double rB = b.r;

    // Circles apart, or one inside the other (equality goes on). The tests are
    // written so that a radius or distance that is not a number also stops
    // here: a full circle accepts every direction, NaN included, and would
    // otherwise report NaN points.
    if (!(rA + rB + GMTR_TOL >= d)) {
        return;
    }
    if (!(std::fabs(rA - rB) - GMTR_TOL <= d)) {
        return;
    }
    // Circles with one centre: equal circles overlap instead of crossing, and
    // the direction between the centres is undefined. No points.
    if (d == 0.0) {
        return;
    }

    const double alpha = std::acos(GetTriangleCosine(rB, rA, d));
    const double beta = std::acos(GetTriangleCosine(rA, rB, d));

    // Left of the line of centres first, then right. B's range is tested only
    // when A's has passed.
    const double left = phi + alpha;
    if (gmtrrt::detail::IsAngleInRange(left, baseA, sweepA) &&
        gmtrrt::detail::IsAngleInRange(phi + GMTR_PI - beta, b.base, b.sweep)) {
        double c;
        double s;
        gmtrrt::detail::SnapCosSin(left, c, s);
        out.Push(CGMTRPoint2D(c * rA + a.cx, s * rA + a.cy));
        if (out.count >= limit) {
            return;
        }
    }
    const double right = phi - alpha;
    if (gmtrrt::detail::IsAngleInRange(right, baseA, sweepA) &&
        gmtrrt::detail::IsAngleInRange(phi + GMTR_PI + beta, b.base, b.sweep)) {
        double c;
        double s;
        gmtrrt::detail::SnapCosSin(right, c, s);
        out.Push(CGMTRPoint2D(c * rA + a.cx, s * rA + a.cy));
    }
}

void CrossArcLine(const ArcFrame& a, const LineFrame& line, bool onSegmentOnly, int limit,
                  ArcCandidates& out) {
    const double h = gmtrrt::detail::VerticalDis(line.seg, a.cx, a.cy);
    // The line passes farther than the radius. A zero-length segment has a
    // distance that is not a number and stops here too.
    if (!(h <= a.r + GMTR_TOL)) {
        return;
    }
    CrossArcLineFrom(a, line, std::atan2(line.vy, line.vx), h, onSegmentOnly, limit, out);
}

void CrossArcLineFrom(const ArcFrame& a, const LineFrame& line, double theta, double h,
                      bool onSegmentOnly, int limit, ArcCandidates& out) {
    const double r = a.r;
    if (!(h <= r + GMTR_TOL)) {
        return;
    }
    const gmtrrt::detail::Segment& seg = line.seg;
    double ang1 = 0.0;
    double ang2 = 0.0;
    if (h < GMTR_TOL) {
        // Through the centre: along the segment's direction, then against it.
        ang1 = theta;
        ang2 = ang1 + GMTR_PI;
    } else {
        const double s = GetTriangleArea(a.cx, a.cy, seg.x1, seg.y1, seg.x2, seg.y2, true);
        // Direction from the centre to the foot of its perpendicular: to the
        // left of the segment when the centre lies on its right.
        const double n = s > 0.0 ? theta + GMTR_PI / 2 : theta - GMTR_PI / 2;
        // A line within GMTR_TOL outside the circle counts as tangent.
        const double delta = h / r > 1.0 ? 0.0 : std::acos(h / r);
        ang1 = n + delta;
        ang2 = n - delta;
    }

    const double angles[2] = {ang1, ang2};
    for (const double ang : angles) {
        if (!gmtrrt::detail::IsAngleInRange(ang, a.base, a.sweep)) {
            continue;
        }
        const double c = std::cos(ang);
        const double sn = std::sin(ang);
        const CGMTRPoint2D p(c * r + a.cx, sn * r + a.cy);
        if (!onSegmentOnly || line.DistanceTo(p) < GMTR_TOL) {
            out.Push(p);
            if (out.count >= limit) {
                return;
            }
        }
    }
}

} // namespace detail
} // namespace gmtrrt

void CGMTRArc2D::GetCrossPointArc(CGMTRArc2D& other, CGMTRPoint2DCol& points) const {
    gmtrrt::detail::ArcCandidates found;
    gmtrrt::detail::CrossArcArc(
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle),
        gmtrrt::detail::MakeFrame(other.BasePoint, other.BaseVector, other.MidVector,
                                  other.FullCircle),
        2, found);
    AppendAll(found, points);
}

void CGMTRArc2D::GetCrossPointLine(const CGMTRLine2D& line, CGMTRPoint2DCol& points) const {
    gmtrrt::detail::ArcCandidates found;
    gmtrrt::detail::CrossArcLine(
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle),
        gmtrrt::detail::MakeLineFrame(line), true, 2, found);
    AppendAll(found, points);
}

void CGMTRArc2D::GetCrossPointLineEx(CGMTRLine2D& line, CGMTRPoint2DCol& points) {
    gmtrrt::detail::ArcCandidates found;
    gmtrrt::detail::CrossArcLine(
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle),
        gmtrrt::detail::MakeLineFrame(line), false, 2, found);
    AppendAll(found, points);
}

void CGMTRArc2D::FGetCrossPoint(CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const {
    if (other == nullptr) {
        return;
    }
    switch (other->get_GeometryType()) {
    case GEOMETRY_LINE2D:
        GetCrossPointLine(*static_cast<const CGMTRLine2D*>(other), points);
        break;
    case GEOMETRY_ARC2D:
        GetCrossPointArc(*static_cast<CGMTRArc2D*>(other), points);
        break;
    default:
        break;
    }
}
