// Fillet circles of a given radius between an arc and another arc or a
// segment. The centre of a circle of radius d touching a circle of radius r
// lies on the concentric circle of radius r + d (touching from outside) or
// r - d (from inside), and at distance d from a line it touches; the centres
// are found by intersecting such search entities, which keep the given
// entities' angular ranges and extent. Everything is computed in local values:
// the candidate points live in small fixed buffers, never in collections.
#include "CGMTRArc2D.h"
#include "CGMTRArc2DCandidates.h"
#include "CGMTRLine2D.h"

#include <cmath>

namespace {

// A search arc: the given arc's centre, start angle and sweep, then the search
// radius (in this order, so the radius rescales the finished start vector).
CGMTRArc2D MakeSearchArc(const CGMTRArc2D& arc, const double& radius) {
    CGMTRArc2D search;
    search.PutBasePoint(arc.GetBasePoint());
    search.PutBaseAngle(arc.GetBaseAngle());
    search.PutSweepAngle(arc.GetSweepAngle());
    search.PutRadius(radius);
    return search;
}

// The first point where the line from the arc's centre to `towards` meets the
// arc: the arc's point in that direction, else the opposite point, each only
// when it lies in the arc's range. 0 when neither does.
int TouchingPointOnArc(const CGMTRArc2D& arc, const CGMTRPoint2D& towards, CGMTRPoint2D& point) {
    const CGMTRLine2D ray(arc.GetBasePoint(), towards);
    gmtr_arc_detail::ArcCandidates found;
    gmtr_arc_detail::CrossArcLine(arc, ray, false, found);
    if (found.count == 0) {
        return 0;
    }
    point = found.points[0];
    return 1;
}

// A point offset by `length` in the direction `angle`, with the snapped
// cosine and sine so that axis-parallel offsets are exact.
CGMTRPoint2D Offset(const CGMTRPoint2D& p, const double& length, const double& angle) {
    return CGMTRPoint2D(p.X() + length * SnapCos(angle), p.Y() + length * SnapSin(angle));
}

} // namespace

void CGMTRArc2D::ArcTangencyDistance(CGMTRArc2D& other, const double& d, CGMTRPoint2D& onThis,
                                     CGMTRPoint2D& onOther, CGMTRPoint2D& centre) {
    const double rA = GetRadius();
    const double rB = other.GetRadius();

    // Outside both, inside both, inside this / outside the other, outside
    // this / inside the other. Only the radii of the two search arcs change
    // from one combination to the next.
    const double radii[4][2] = {
        {rA + d, rB + d}, {rA - d, rB - d}, {rA - d, rB + d}, {rA + d, rB - d}};

    CGMTRArc2D x;
    CGMTRArc2D y;
    bool built = false;
    gmtr_arc_detail::ArcCandidates found;
    for (int i = 0; i < 4 && found.count == 0; ++i) {
        // A search radius that is not positive has no tangent circle on that
        // side (a circle larger than an arc's circle cannot lie inside it),
        // and rescaling to it would lose the search arc's direction.
        if (!(radii[i][0] > 0.0) || !(radii[i][1] > 0.0)) {
            continue;
        }
        if (!built) {
            x = MakeSearchArc(*this, radii[i][0]);
            y = MakeSearchArc(other, radii[i][1]);
            built = true;
        } else {
            x.PutRadius(radii[i][0]);
            y.PutRadius(radii[i][1]);
        }
        gmtr_arc_detail::CrossArcArc(x, y, found);
    }
    if (found.count == 0) {
        return;
    }

    const CGMTRPoint2D c = found.points[0];
    centre = c;

    CGMTRPoint2D touchThis;
    if (TouchingPointOnArc(*this, c, touchThis) == 0) {
        return;
    }
    CGMTRPoint2D touchOther;
    if (TouchingPointOnArc(other, c, touchOther) == 0) {
        return;
    }
    onThis = touchThis;
    onOther = touchOther;
}

void CGMTRArc2D::LineTangencyDistance(const CGMTRLine2D& line, const CGMTRPoint2D& q,
                                      const double& d, CGMTRPoint2D& onLine, CGMTRPoint2D& onArc,
                                      CGMTRPoint2D& centre) {
    const CGMTRPoint2D o = BasePoint;
    const double r = GetRadius();
    const double base = GetBaseAngle();
    const double sweep = GetSweepAngle();
    const CGMTRPoint2D p0 = line.get_BasePoint();
    const double theta = line.get_BaseAngle();

    // Start points shifted by d to the left and to the right of the segment.
    const CGMTRPoint2D e1 = Offset(q, d, theta + GMTR_PI / 2);
    const CGMTRPoint2D e2 = Offset(q, d, theta - GMTR_PI / 2);

    // The search runs from the junction into the segment, whichever end q is.
    const bool fromBase =
        std::fabs(q.X() - p0.X()) < GMTR_TOL && std::fabs(q.Y() - p0.Y()) < GMTR_TOL;
    const double psi = fromBase ? theta : theta - GMTR_PI;

    CGMTRLine2D searchLeft;
    searchLeft.put_BasePoint(e1);
    searchLeft.put_BaseAngle(psi);
    searchLeft.put_LineLength(3.0 * r);
    CGMTRLine2D searchRight;
    searchRight.put_BasePoint(e2);
    searchRight.put_BaseAngle(psi);
    searchRight.put_LineLength(3.0 * r);

    const double absD = std::fabs(d);
    // Inside this arc's circle first, then outside.
    const double searchRadii[2] = {r - d, r + d};
    for (const double searchRadius : searchRadii) {
        // No tangent circle of radius d fits inside a circle smaller than d.
        if (!(searchRadius > 0.0)) {
            continue;
        }
        CGMTRArc2D w;
        w.PutRadius(searchRadius);
        w.PutBasePoint(o);
        w.PutBaseAngle(base);
        w.PutSweepAngle(sweep);

        // The left side is preferred; the right side only when the left
        // yields nothing.
        gmtr_arc_detail::ArcCandidates found;
        gmtr_arc_detail::CrossArcLine(w, searchLeft, true, found);
        if (found.count == 0) {
            gmtr_arc_detail::CrossArcLine(w, searchRight, true, found);
        }
        if (found.count == 0) {
            continue;
        }

        // Of two candidates the one nearer the junction (the second on a tie).
        CGMTRPoint2D f = found.points[0];
        if (found.count == 2 && !(found.points[0].Distance2D(q) < found.points[1].Distance2D(q))) {
            f = found.points[1];
        }

        // The foot on the segment, on whichever side of it the centre lies.
        CGMTRPoint2D foot = Offset(f, absD, theta + GMTR_PI / 2);
        if (line.PointToPercent(foot) < 0.0) {
            foot = Offset(f, absD, theta - GMTR_PI / 2);
            if (line.PointToPercent(foot) < 0.0) {
                continue;
            }
        }

        centre = f;
        onLine = foot;

        // The touching point on this arc lies in the direction of the centre,
        // measured along the sweep from the start.
        const double a = GetDirectionAngle(o.X(), o.Y(), f.X(), f.Y());
        double turn = NormalizeSignedAngle(a - base);
        if (IsAngleInRange(a, base, sweep)) {
            if (turn * sweep < -GMTR_TOL) {
                turn = sweep > 0.0 ? turn + 2.0 * GMTR_PI : turn - 2.0 * GMTR_PI;
            }
            const double fraction = turn / sweep;
            onArc = PercentToPoint(fraction);
        } else {
            // Outside the range only through rounding: the circle's point in
            // the direction of the centre, so all three outputs stay written.
            CGMTRVector2D v(BaseVector);
            v.Rotate(turn);
            CGMTRPoint2D at(o);
            onArc = at + v;
        }
        return;
    }
}
