// Intersections of an arc with another arc, with a segment and with the
// infinite line through a segment. Every point is computed on this arc's
// circle; a candidate is kept when its direction lies on the arc (and on the
// other entity). Results are appended to the caller's collection and nothing
// already in it is removed.
#include "CGMTRArc2D.h"
#include "CGMTRArc2DCandidates.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"

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

void AppendAll(const gmtr_arc_detail::ArcCandidates& found, CGMTRPoint2DCol& points) {
    for (int i = 0; i < found.count; ++i) {
        points.Add(found.points[i]);
    }
}

} // namespace

namespace gmtr_arc_detail {

void CrossArcArc(const CGMTRArc2D& a, const CGMTRArc2D& b, ArcCandidates& out) {
    const double rA = a.GetRadius();
    const double baseA = a.GetBaseAngle();
    const double sweepA = a.GetSweepAngle();
    const CGMTRPoint2D cA = a.GetBasePoint();
    const CGMTRPoint2D cB = b.GetBasePoint();
    const double d = cB.Distance2D(cA);
    const double phi = GetDirectionAngle(cA.X(), cA.Y(), cB.X(), cB.Y());
    const double rB = b.GetRadius();

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
    const double baseB = b.GetBaseAngle();
    const double sweepB = b.GetSweepAngle();

    // Left of the line of centres first, then right. B's range is tested only
    // when A's has passed.
    const double left = phi + alpha;
    if (IsAngleInRange(left, baseA, sweepA) &&
        IsAngleInRange(phi + GMTR_PI - beta, baseB, sweepB)) {
        out.Push(CGMTRPoint2D(SnapCos(left) * rA + cA.X(), SnapSin(left) * rA + cA.Y()));
    }
    const double right = phi - alpha;
    if (IsAngleInRange(right, baseA, sweepA) &&
        IsAngleInRange(phi + GMTR_PI + beta, baseB, sweepB)) {
        out.Push(CGMTRPoint2D(SnapCos(right) * rA + cA.X(), SnapSin(right) * rA + cA.Y()));
    }
}

void CrossArcLine(const CGMTRArc2D& a, const CGMTRLine2D& line, bool onSegmentOnly,
                  ArcCandidates& out) {
    const double r = a.GetRadius();
    const double base = a.GetBaseAngle();
    const double sweep = a.GetSweepAngle();
    const CGMTRPoint2D o = a.GetBasePoint();

    const double h = line.GetVerticalDis(o);
    // The line passes farther than the radius. A zero-length segment has a
    // distance that is not a number and stops here too.
    if (!(h <= r + GMTR_TOL)) {
        return;
    }

    const double theta = line.get_BaseAngle();
    double ang1 = 0.0;
    double ang2 = 0.0;
    if (h < GMTR_TOL) {
        // Through the centre: along the segment's direction, then against it.
        ang1 = theta;
        ang2 = ang1 + GMTR_PI;
    } else {
        const CGMTRPoint2D p0 = line.get_BasePoint();
        const CGMTRPoint2D p1 = line.get_EndPoint();
        const double s = GetTriangleArea(o.X(), o.Y(), p0.X(), p0.Y(), p1.X(), p1.Y(), true);
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
        if (!IsAngleInRange(ang, base, sweep)) {
            continue;
        }
        const CGMTRPoint2D p(std::cos(ang) * r + o.X(), std::sin(ang) * r + o.Y());
        if (!onSegmentOnly || line.Distance(p) < GMTR_TOL) {
            out.Push(p);
        }
    }
}

} // namespace gmtr_arc_detail

void CGMTRArc2D::GetCrossPointArc(CGMTRArc2D& other, CGMTRPoint2DCol& points) const {
    gmtr_arc_detail::ArcCandidates found;
    gmtr_arc_detail::CrossArcArc(*this, other, found);
    AppendAll(found, points);
}

void CGMTRArc2D::GetCrossPointLine(const CGMTRLine2D& line, CGMTRPoint2DCol& points) const {
    gmtr_arc_detail::ArcCandidates found;
    gmtr_arc_detail::CrossArcLine(*this, line, true, found);
    AppendAll(found, points);
}

void CGMTRArc2D::GetCrossPointLineEx(CGMTRLine2D& line, CGMTRPoint2DCol& points) {
    gmtr_arc_detail::ArcCandidates found;
    gmtr_arc_detail::CrossArcLine(*this, line, false, found);
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
