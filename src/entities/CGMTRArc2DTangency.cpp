// Fillet circles of a given radius between an arc and another arc or a
// segment: the centre is found where search arcs (radius r + d or r - d) and
// search segments (shifted by d) cross. The search entities are built with the
// same operations as their setters, from values read once per call, and their
// crossings go to small fixed buffers, never to collections.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "entities/ArcCrossingKernels.h"

#include <cmath>
#include <typeinfo>

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

// The two search segments of the arc-segment fillet: parallel to the segment
// at distance d on its left and right, starting at the junction q shifted
// sideways and running into the segment, three times the arc's radius long.
// What both passes share is computed once; the distance of the arc's centre
// from the right one only when it is needed.
struct SearchSegments {
    double leftC, leftS, rightC, rightS; // unit normals left and right of the segment
    LineFrame left, right;
    double theta;  // their direction angle
    double hLeft;  // distance of the arc's centre from the left one
    double hRight; // the same for the right one, once known
    bool hRightKnown;
};

SearchSegments MakeSearchSegments(const CGMTRLine2D& line, const CGMTRPoint2D& q, double d,
                                  double r, double ox, double oy) {
    SearchSegments g;
    const CGMTRPoint2D p0 = line.get_BasePoint();
    const CGMTRVector2D lineStep = line.get_BaseVector();
    const double theta = std::atan2(lineStep.Y(), lineStep.X());
    gmtrrt::detail::SnapCosSin(theta + GMTR_PI / 2, g.leftC, g.leftS);
    gmtrrt::detail::SnapCosSin(theta - GMTR_PI / 2, g.rightC, g.rightS);
    const double qx = q.X();
    const double qy = q.Y();
    const double e1x = qx + d * g.leftC;
    const double e1y = qy + d * g.leftS;
    const double e2x = qx + d * g.rightC;
    const double e2y = qy + d * g.rightS;
    // The search runs from the junction into the segment, whichever end q is.
    const bool fromBase = std::fabs(qx - p0.X()) < GMTR_TOL && std::fabs(qy - p0.Y()) < GMTR_TOL;
    const double psi = fromBase ? theta : theta - GMTR_PI;
    // The step as the setters make it: a unit segment (length sqrt(1) = 1)
    // turned to psi, then scaled to three times this arc's radius.
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
    g.left = gmtrrt::detail::MakeLineFrame(CGMTRPoint2D(e1x, e1y), step);
    g.right = gmtrrt::detail::MakeLineFrame(CGMTRPoint2D(e2x, e2y), step);
    g.theta = std::atan2(stepY, stepX);
    g.hLeft = gmtrrt::detail::VerticalDis(g.left.seg, ox, oy);
    g.hRight = 0.0;
    g.hRightKnown = false;
    return g;
}

// The turns that build every search arc of one arc: to its start angle and by
// half its sweep, and its full-circle flag.
struct SearchArcTurns {
    double baseC, baseS, halfC, halfS;
    int full;
};

SearchArcTurns MakeSearchArcTurns(const ArcFrame& fa) {
    SearchArcTurns t;
    gmtrrt::detail::SnapCosSin(fa.base, t.baseC, t.baseS);
    gmtrrt::detail::SnapCosSin(gmtrrt::detail::ReduceAngle(fa.sweep) / 2, t.halfC, t.halfS);
    t.full = IsEqualValue(2 * GMTR_PI, fa.sweep) ? 1 : 0;
    return t;
}

// The search arc of the given radius, as its setters make it: radius first
// (the unit start vector scaled), then centre, start angle (a turn by the
// start angle less the angle of the scaled vector, 0 for a finite radius) and
// sweep.
ArcFrame SearchArc(const ArcFrame& fa, const SearchArcTurns& t, double radius) {
    double wbx = 1.0 * radius;
    double wby = 0.0 * radius;
    double k = t.baseC;
    double s = t.baseS;
    if (!std::isfinite(radius)) {
        gmtrrt::detail::SnapCosSin(fa.base - std::atan2(wby, wbx), k, s);
    }
    gmtrrt::detail::RotateComponents(wbx, wby, k, s);
    double wmx = wbx;
    double wmy = wby;
    gmtrrt::detail::RotateComponents(wmx, wmy, t.halfC, t.halfS);
    return gmtrrt::detail::MakeFrame(CGMTRPoint2D(fa.cx, fa.cy), CGMTRVector2D(wbx, wby),
                                     CGMTRVector2D(wmx, wmy), t.full);
}

// Candidate centres on search arc w: on the left search segment, or only when
// it yields nothing, on the right one.
void FindCentres(const ArcFrame& w, SearchSegments& g, ArcCandidates& found) {
    gmtrrt::detail::CrossArcLineFrom(w, g.left, g.theta, g.hLeft, true, 2, found);
    if (found.count != 0)
        return;
    if (!g.hRightKnown) {
        g.hRight = gmtrrt::detail::VerticalDis(g.right.seg, w.cx, w.cy);
        g.hRightKnown = true;
    }
    gmtrrt::detail::CrossArcLineFrom(w, g.right, g.theta, g.hRight, true, 2, found);
}

// Of one or two candidates the one nearer the junction (the second on a tie).
CGMTRPoint2D NearerToJunction(const ArcCandidates& found, const CGMTRPoint2D& q) {
    if (found.count == 2 && !(found.points[0].Distance2D(q) < found.points[1].Distance2D(q)))
        return found.points[1];
    return found.points[0];
}

// The foot of the centre f on the segment, on whichever side of it the centre
// lies; false when neither side's foot is on the segment.
bool FootOnSegment(const CGMTRPoint2D& f, double absD, const SearchSegments& g,
                   const LineFrame& target, CGMTRPoint2D& foot) {
    foot = CGMTRPoint2D(f.X() + absD * g.leftC, f.Y() + absD * g.leftS);
    if (target.HasPercent(foot))
        return true;
    foot = CGMTRPoint2D(f.X() + absD * g.rightC, f.Y() + absD * g.rightS);
    return target.HasPercent(foot);
}

// The touching point on the arc: its PercentToPoint at the fraction of the
// sweep that points towards the centre f. For the library's own arc that is
// computed inline (the start vector turned by that fraction of the sweep); a
// class derived from CGMTRArc2D is asked through its own virtual
// PercentToPoint. A direction outside the range, possible only through
// rounding, gives the circle's point in that direction (the fraction
// turn / sweep for a derived class).
CGMTRPoint2D ArcPointTowards(const CGMTRArc2D& arc, const ArcFrame& fa,
                             const CGMTRVector2D& baseVector, const CGMTRPoint2D& f) {
    const double base = fa.base;
    const double sweep = fa.sweep;
    const double a = std::atan2(f.Y() - fa.cy, f.X() - fa.cx);
    double turn = gmtrrt::detail::NormalizeSignedAngle(a - base);
    const bool inRange = gmtrrt::detail::IsAngleInRange(a, base, sweep);
    if (inRange && turn * sweep < -GMTR_TOL) {
        turn = sweep > 0.0 ? turn + 2.0 * GMTR_PI : turn - 2.0 * GMTR_PI;
    }
    const double fraction = turn / sweep;
    if (typeid(arc) != typeid(CGMTRArc2D))
        return arc.PercentToPoint(fraction);
    double vx = baseVector.X();
    double vy = baseVector.Y();
    double rc;
    double rs;
    gmtrrt::detail::SnapCosSin(inRange ? sweep * fraction : turn, rc, rs);
    gmtrrt::detail::RotateComponents(vx, vy, rc, rs);
    return CGMTRPoint2D(fa.cx + vx, fa.cy + vy);
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
    SearchSegments search = MakeSearchSegments(line, q, d, fa.r, fa.cx, fa.cy);
    const LineFrame target = gmtrrt::detail::MakeLineFrame(line);
    const SearchArcTurns turns = MakeSearchArcTurns(fa);
    const double absD = std::fabs(d);
    // Inside this arc's circle first, then outside.
    const double searchRadii[2] = {fa.r - d, fa.r + d};
    for (const double searchRadius : searchRadii) {
        // No tangent circle of radius d fits inside a circle smaller than d.
        if (!(searchRadius > 0.0))
            continue;
        ArcCandidates found;
        FindCentres(SearchArc(fa, turns, searchRadius), search, found);
        if (found.count == 0)
            continue;
        const CGMTRPoint2D f = NearerToJunction(found, q);
        CGMTRPoint2D foot;
        if (!FootOnSegment(f, absD, search, target, foot))
            continue;
        centre = f;
        onLine = foot;
        onArc = ArcPointTowards(*this, fa, BaseVector, f);
        return;
    }
}
