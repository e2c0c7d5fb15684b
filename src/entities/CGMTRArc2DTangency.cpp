// Fillet circles of a given radius between an arc and another arc or a
// segment. The centre of a circle of radius d touching a circle of radius r
// lies on the concentric circle of radius r + d (touching from outside) or
// r - d (from inside), and at distance d from a line it touches; the centres
// are found by intersecting such search entities, which keep the given
// entities' angular ranges and extent. Everything is computed in local values:
// the candidate points live in small fixed buffers, never in collections.
//
// Each arc and segment is read once per call (radius, start angle, sweep,
// end point, length, direction), and what the search entities share is
// computed once: the cosine and sine of the start angle and of half the sweep
// that build every search arc, the step of the two parallel search segments,
// and their distances from the centre. The search arcs' fields are written
// with the same operations their setters perform, so the results are those of
// building them through the setters.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "entities/ArcCrossingKernels.h"

#include <cmath>

namespace {

using gmtrrt::detail::ArcCandidates;
using gmtrrt::detail::ArcFrame;
using gmtrrt::detail::LineFrame;

// The first point where the line from the arc's centre to (tx, ty) meets the
// arc: the arc's point in that direction, else the opposite point, each only
// when it lies in the arc's range. 0 when neither does.
int TouchingPointOnArc(const ArcFrame& arc, const CGMTRPoint2D& towards, CGMTRPoint2D& point) {
    const CGMTRPoint2D centre(arc.cx, arc.cy);
    const LineFrame ray = gmtrrt::detail::MakeLineFrame(
        centre, CGMTRVector2D(towards.X() - centre.X(), towards.Y() - centre.Y()));
    ArcCandidates found;
    gmtrrt::detail::CrossArcLine(arc, ray, false, 1, found);
    if (found.count == 0) {
        return 0;
    }
    point = found.points[0];
    return 1;
}

} // namespace

void CGMTRArc2D::ArcTangencyDistance(CGMTRArc2D& other, const double& d, CGMTRPoint2D& onThis,
                                     CGMTRPoint2D& onOther, CGMTRPoint2D& centre) {
    const ArcFrame fa = gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    const ArcFrame fb = gmtrrt::detail::MakeFrame(other.BasePoint, other.BaseVector,
                                                  other.MidVector, other.FullCircle);
    const double rA = fa.r;
    const double rB = fb.r;

    // Outside both, inside both, inside this / outside the other, outside
    // this / inside the other. Only the radii of the two search arcs change
    // from one combination to the next.
    const double radii[4][2] = {
        {rA + d, rB + d}, {rA - d, rB - d}, {rA - d, rB + d}, {rA + d, rB - d}};

    // A search arc: a default arc given the arc's centre, start angle and
    // sweep, then the search radius (so the radius rescales the finished
    // start vector). Written out: the default start vector (1, 0) has the
    // angle 0, so it is turned by the start angle itself.
    auto buildSearch = [](const ArcFrame& f, const double& radius, CGMTRArc2D& search) {
        double k;
        double s;
        gmtrrt::detail::SnapCosSin(f.base - std::atan2(0.0, 1.0), k, s);
        double bx = 1.0;
        double by = 0.0;
        gmtrrt::detail::RotateComponents(bx, by, k, s);
        double mx = bx;
        double my = by;
        double hk;
        double hs;
        gmtrrt::detail::SnapCosSin(gmtrrt::detail::ReduceAngle(f.sweep) / 2, hk, hs);
        gmtrrt::detail::RotateComponents(mx, my, hk, hs);
        search.BasePoint = CGMTRPoint2D(f.cx, f.cy);
        search.BaseVector = CGMTRVector2D(bx, by);
        search.MidVector = CGMTRVector2D(mx, my);
        search.FullCircle = IsEqualValue(2 * GMTR_PI, f.sweep) ? 1 : 0;
        search.PutRadius(radius);
    };

    CGMTRArc2D x;
    CGMTRArc2D y;
    bool built = false;
    ArcCandidates found;
    for (int i = 0; i < 4 && found.count == 0; ++i) {
        // A search radius that is not positive has no tangent circle on that
        // side (a circle larger than an arc's circle cannot lie inside it),
        // and rescaling to it would lose the search arc's direction.
        if (!(radii[i][0] > 0.0) || !(radii[i][1] > 0.0)) {
            continue;
        }
        if (!built) {
            buildSearch(fa, radii[i][0], x);
            buildSearch(fb, radii[i][1], y);
            built = true;
        } else {
            x.PutRadius(radii[i][0]);
            y.PutRadius(radii[i][1]);
        }
        // Only the first crossing is used.
        gmtrrt::detail::CrossArcArc(
            gmtrrt::detail::MakeFrame(x.BasePoint, x.BaseVector, x.MidVector, x.FullCircle),
            gmtrrt::detail::MakeFrame(y.BasePoint, y.BaseVector, y.MidVector, y.FullCircle), 1,
            found);
    }
    if (found.count == 0) {
        return;
    }

    const CGMTRPoint2D c = found.points[0];
    centre = c;

    CGMTRPoint2D touchThis;
    if (TouchingPointOnArc(fa, c, touchThis) == 0) {
        return;
    }
    CGMTRPoint2D touchOther;
    if (TouchingPointOnArc(fb, c, touchOther) == 0) {
        return;
    }
    onThis = touchThis;
    onOther = touchOther;
}

void CGMTRArc2D::LineTangencyDistance(const CGMTRLine2D& line, const CGMTRPoint2D& q,
                                      const double& d, CGMTRPoint2D& onLine, CGMTRPoint2D& onArc,
                                      CGMTRPoint2D& centre) {
    const ArcFrame fa = gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    const double ox = fa.cx;
    const double oy = fa.cy;
    const double r = fa.r;
    const double base = fa.base;
    const double sweep = fa.sweep;
    const CGMTRPoint2D p0 = line.get_BasePoint();
    const CGMTRVector2D lineStep = line.get_BaseVector();
    const double theta = std::atan2(lineStep.Y(), lineStep.X());

    // Unit normals to the left and to the right of the segment's direction,
    // used for the shifted start points and again for the foot points.
    double leftC;
    double leftS;
    gmtrrt::detail::SnapCosSin(theta + GMTR_PI / 2, leftC, leftS);
    double rightC;
    double rightS;
    gmtrrt::detail::SnapCosSin(theta - GMTR_PI / 2, rightC, rightS);

    // Start points shifted by d to the left and to the right of the segment.
    const double qx = q.X();
    const double qy = q.Y();
    const double e1x = qx + d * leftC;
    const double e1y = qy + d * leftS;
    const double e2x = qx + d * rightC;
    const double e2y = qy + d * rightS;

    // The search runs from the junction into the segment, whichever end q is.
    const bool fromBase = std::fabs(qx - p0.X()) < GMTR_TOL && std::fabs(qy - p0.Y()) < GMTR_TOL;
    const double psi = fromBase ? theta : theta - GMTR_PI;

    // Both search segments have the same step: a unit segment (length
    // sqrt(1) = 1) turned to psi, then scaled to three times this arc's radius.
    double stepX;
    double stepY;
    gmtrrt::detail::SnapCosSin(psi, stepX, stepY);
    const double unit = std::sqrt(1.0 * 1.0 + 0.0 * 0.0);
    stepX = stepX * unit;
    stepY = stepY * unit;
    const double stepLength = std::sqrt(stepX * stepX + stepY * stepY);
    stepX = stepX / stepLength;
    stepY = stepY / stepLength;
    stepX *= 3.0 * r;
    stepY *= 3.0 * r;
    const CGMTRVector2D step(stepX, stepY);
    const LineFrame searchLeft = gmtrrt::detail::MakeLineFrame(CGMTRPoint2D(e1x, e1y), step);
    const LineFrame searchRight = gmtrrt::detail::MakeLineFrame(CGMTRPoint2D(e2x, e2y), step);
    const double searchTheta = std::atan2(stepY, stepX);
    // Distances of the centre from the search lines: the same on both passes.
    const double hLeft = gmtrrt::detail::VerticalDis(searchLeft.seg, ox, oy);
    double hRight = 0.0;
    bool hRightKnown = false;

    // The segment itself, for the foot points.
    const LineFrame target = gmtrrt::detail::MakeLineFrame(line);
    auto onSegment = [&](const CGMTRPoint2D& t) { return target.HasPercent(t); };

    // The search arcs share the turn to the start angle and the turn by half
    // the sweep.
    double baseC;
    double baseS;
    gmtrrt::detail::SnapCosSin(base, baseC, baseS);
    double halfC;
    double halfS;
    gmtrrt::detail::SnapCosSin(gmtrrt::detail::ReduceAngle(sweep) / 2, halfC, halfS);
    const int full = IsEqualValue(2 * GMTR_PI, sweep) ? 1 : 0;

    const double absD = std::fabs(d);
    // Inside this arc's circle first, then outside.
    const double searchRadii[2] = {r - d, r + d};
    for (const double searchRadius : searchRadii) {
        // No tangent circle of radius d fits inside a circle smaller than d.
        if (!(searchRadius > 0.0)) {
            continue;
        }
        // The search arc: radius first (the unit start vector scaled), then
        // centre, start angle (a turn by the start angle less the angle of the
        // scaled vector, which is 0 for a finite radius) and sweep.
        double wbx = 1.0 * searchRadius;
        double wby = 0.0 * searchRadius;
        double k = baseC;
        double s = baseS;
        if (!std::isfinite(searchRadius)) {
            gmtrrt::detail::SnapCosSin(base - std::atan2(wby, wbx), k, s);
        }
        gmtrrt::detail::RotateComponents(wbx, wby, k, s);
        double wmx = wbx;
        double wmy = wby;
        gmtrrt::detail::RotateComponents(wmx, wmy, halfC, halfS);
        const ArcFrame w = gmtrrt::detail::MakeFrame(CGMTRPoint2D(ox, oy), CGMTRVector2D(wbx, wby),
                                                     CGMTRVector2D(wmx, wmy), full);

        // The left side is preferred; the right side only when the left
        // yields nothing.
        ArcCandidates found;
        gmtrrt::detail::CrossArcLineFrom(w, searchLeft, searchTheta, hLeft, true, 2, found);
        if (found.count == 0) {
            if (!hRightKnown) {
                hRight = gmtrrt::detail::VerticalDis(searchRight.seg, ox, oy);
                hRightKnown = true;
            }
            gmtrrt::detail::CrossArcLineFrom(w, searchRight, searchTheta, hRight, true, 2, found);
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
        CGMTRPoint2D foot(f.X() + absD * leftC, f.Y() + absD * leftS);
        if (!onSegment(foot)) {
            foot = CGMTRPoint2D(f.X() + absD * rightC, f.Y() + absD * rightS);
            if (!onSegment(foot)) {
                continue;
            }
        }

        centre = f;
        onLine = foot;

        // The touching point on this arc lies in the direction of the centre,
        // measured along the sweep from the start.
        const double a = std::atan2(f.Y() - oy, f.X() - ox);
        double turn = gmtrrt::detail::NormalizeSignedAngle(a - base);
        double vx = BaseVector.X();
        double vy = BaseVector.Y();
        double rc;
        double rs;
        if (gmtrrt::detail::IsAngleInRange(a, base, sweep)) {
            if (turn * sweep < -GMTR_TOL) {
                turn = sweep > 0.0 ? turn + 2.0 * GMTR_PI : turn - 2.0 * GMTR_PI;
            }
            // The point at that fraction of the sweep.
            const double fraction = turn / sweep;
            gmtrrt::detail::SnapCosSin(sweep * fraction, rc, rs);
        } else {
            // Outside the range only through rounding: the circle's point in
            // the direction of the centre, so all three outputs stay written.
            gmtrrt::detail::SnapCosSin(turn, rc, rs);
        }
        gmtrrt::detail::RotateComponents(vx, vy, rc, rs);
        onArc = CGMTRPoint2D(ox + vx, oy + vy);
        return;
    }
}
