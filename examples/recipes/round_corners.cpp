// Recipe: round every corner of an outline.
//
// The outline is a closed, counter-clockwise chain of segments and arcs. At
// each corner the fillet query of the two entities' kinds is asked for a
// circle of radius R; a result is used only when it exists and lies on the
// inside of the outline (to the left of the direction of travel), and a
// corner where no such circle fits stays sharp and is reported. The entities
// are then trimmed to the touching points and the fillet arcs put between
// them.
//
// The program checks its own results and exits 1 when one is wrong: every
// fillet circle touches both entities at points on them, the rounded outline
// is closed, and every fillet joins its neighbours without a kink.
//
// usage: recipe_round_corners [--svg PATH]
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const double kEps = 1e-9;

struct Fillet {
    bool exists = false;
    CGMTRPoint2D onA, onB, centre; // touching points on the arriving and leaving entity
};

bool IsLine(const CGMTRBaseGeo2D& e) {
    return e.get_GeometryType() == GEOMETRY_LINE2D;
}
const CGMTRLine2D& AsLine(const CGMTRBaseGeo2D& e) {
    return static_cast<const CGMTRLine2D&>(e);
}
const CGMTRArc2D& AsArc(const CGMTRBaseGeo2D& e) {
    return static_cast<const CGMTRArc2D&>(e);
}

// The direction of travel of an entity at one of its points.
double TravelAngle(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& p) {
    if (IsLine(e))
        return AsLine(e).get_BaseAngle();
    const CGMTRArc2D& arc = AsArc(e);
    const CGMTRPoint2D c = arc.GetBasePoint();
    const double radial = GetDirectionAngle(c.X(), c.Y(), p.X(), p.Y());
    return radial + (arc.GetSweepAngle() > 0 ? GMTR_HALF_PI : -GMTR_HALF_PI);
}

// True when the circle of radius d about `centre` touches entity e at `at`
// (a point of e) from its left side, the inside of a counter-clockwise
// outline.
bool TouchesFromLeft(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& at, const CGMTRPoint2D& centre,
                     double d) {
    if (e.PointToPercent(at) == -1.0 || std::fabs(e.Distance(centre) - d) > kEps ||
        std::fabs(at.Distance2D(centre) - d) > kEps)
        return false;
    const double t = TravelAngle(e, at);
    const double cross = std::cos(t) * (centre.Y() - at.Y()) - std::sin(t) * (centre.X() - at.X());
    return cross > 0;
}

// The fillet of radius d at the corner where `a` ends and `b` starts. Every
// query writes its outputs only when it finds a circle, so each attempt
// starts from NaN and is checked before it is used. The arc queries prefer a
// side and a combination of their own; a negative radius makes them try the
// other preferences first, and the arc-arc query picks its circle by the
// order of the two arcs, so the candidates below cover every choice and the
// first one on the inside of the outline wins.
Fillet RoundCorner(const CGMTRBaseGeo2D& a, const CGMTRBaseGeo2D& b, double d) {
    const CGMTRPoint2D corner = a.FGetEndPoint();
    for (int attempt = 0; attempt < 4; ++attempt) {
        const double r = attempt % 2 == 0 ? d : -d;
        Fillet f;
        f.onA = f.onB = f.centre = CGMTRPoint2D(NAN, NAN);
        if (IsLine(a) && IsLine(b)) {
            if (attempt > 0)
                break; // the corner point already picks the corner
            f.exists =
                AsLine(a).LineTangencyDistance(AsLine(b), corner, d, f.onA, f.onB, f.centre) == 1;
        } else if (IsLine(a) || IsLine(b)) {
            if (attempt > 1)
                break;
            const bool lineFirst = IsLine(a);
            const CGMTRArc2D& arc = AsArc(lineFirst ? b : a);
            const CGMTRLine2D& line = AsLine(lineFirst ? a : b);
            CGMTRPoint2D onLine(NAN, NAN), onArc(NAN, NAN);
            arc.LineTangencyDistance(line, corner, r, onLine, onArc, f.centre);
            f.onA = lineFirst ? onLine : onArc;
            f.onB = lineFirst ? onArc : onLine;
            f.exists = !std::isnan(f.centre.X());
        } else {
            // Attempts 0 and 1 ask a about b, 2 and 3 ask b about a; only a
            // result with both touching points counts (the query can also
            // write the centre alone).
            const bool aFirst = attempt < 2;
            const CGMTRArc2D& self = AsArc(aFirst ? a : b);
            const CGMTRArc2D& other = AsArc(aFirst ? b : a);
            CGMTRPoint2D onSelf(NAN, NAN), onOther(NAN, NAN);
            self.ArcTangencyDistance(other, r, onSelf, onOther, f.centre);
            f.onA = aFirst ? onSelf : onOther;
            f.onB = aFirst ? onOther : onSelf;
            f.exists = !std::isnan(f.onA.X()) && !std::isnan(f.onB.X());
        }
        if (f.exists && TouchesFromLeft(a, f.onA, f.centre, d) &&
            TouchesFromLeft(b, f.onB, f.centre, d))
            return f;
    }
    return Fillet();
}

// The part of entity e from point p to point q (both on e), as a new entity.
CGMTRBaseGeo2D* Trimmed(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& p, const CGMTRPoint2D& q) {
    if (IsLine(e))
        return new CGMTRLine2D(p, q);
    const CGMTRArc2D& arc = AsArc(e);
    const CGMTRPoint2D c = arc.GetBasePoint();
    const double from = GetDirectionAngle(c.X(), c.Y(), p.X(), p.Y());
    const double to = GetDirectionAngle(c.X(), c.Y(), q.X(), q.Y());
    const double turn =
        arc.GetSweepAngle() > 0 ? NormalizeAngle(to - from) : -NormalizeAngle(from - to);
    return new CGMTRArc2D(c, arc.GetRadius(), from, turn);
}

// The fillet arc from the touching point on the arriving entity to the one
// on the leaving entity: counter-clockwise, the short way round.
CGMTRArc2D FilletArc(const Fillet& f) {
    const CGMTRPoint2D& c = f.centre;
    const double from = GetDirectionAngle(c.X(), c.Y(), f.onA.X(), f.onA.Y());
    const double to = GetDirectionAngle(c.X(), c.Y(), f.onB.X(), f.onB.Y());
    return CGMTRArc2D(c, c.Distance2D(f.onA), from, NormalizeAngle(to - from));
}

int failures = 0;
void Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("WRONG: %s\n", what.c_str());
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv) {
    const double radius = 10.0;
    const double deg = GMTR_PI / 180.0;

    // A counter-clockwise outline: straight and curved edges, one corner
    // between two arcs and a short edge whose corners are too tight for R10.
    CGMTRBaseGeo2DCol outline;
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(2, 0), CGMTRPoint2D(100, 0)));
    outline.Add(new CGMTRArc2D(CGMTRPoint2D(140, 0), 40, 180 * deg, -90 * deg));
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(140, 40), CGMTRPoint2D(140, 80)));
    outline.Add(new CGMTRArc2D(CGMTRPoint2D(100, 60), std::sqrt(2000.0), std::atan2(20.0, 40.0),
                               GMTR_PI - 2 * std::atan2(20.0, 40.0)));
    outline.Add(new CGMTRArc2D(CGMTRPoint2D(0, 80), 60, 0, -90 * deg));
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(0, 20), CGMTRPoint2D(0, 2)));
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(0, 2), CGMTRPoint2D(2, 0)));
    const long n = outline.GetCount();

    //! [round]
    // Corner k joins entity k - 1 (arriving) and entity k (leaving).
    std::vector<Fillet> fillets(n);
    for (long k = 0; k < n; ++k) {
        const CGMTRBaseGeo2D& a = *outline.get_Item((k + n - 1) % n);
        const CGMTRBaseGeo2D& b = *outline.get_Item(k);
        fillets[k] = RoundCorner(a, b, radius);
        const std::string at = sketch::Pt(b.FGetStartPoint(), 2);
        if (fillets[k].exists)
            std::printf("corner %s: fillet centre %s\n", at.c_str(),
                        sketch::Pt(fillets[k].centre, 3).c_str());
        else
            std::printf("corner %s: no fillet of radius %g fits, the corner stays sharp\n",
                        at.c_str(), radius);
    }

    // Each entity runs from the fillet before it to the fillet after it.
    CGMTRBaseGeo2DCol rounded;
    for (long k = 0; k < n; ++k) {
        const CGMTRBaseGeo2D& e = *outline.get_Item(k);
        const Fillet& before = fillets[k];
        const Fillet& after = fillets[(k + 1) % n];
        if (before.exists)
            rounded.Add(new CGMTRArc2D(FilletArc(before)));
        rounded.Add(Trimmed(e, before.exists ? before.onB : e.FGetStartPoint(),
                            after.exists ? after.onA : e.FGetEndPoint()));
    }
    //! [round]

    // The checks: the short edge's two corners stay sharp, every other
    // corner is rounded, the new outline is closed, and at every fillet the
    // direction of travel does not jump.
    for (long k = 0; k < n; ++k)
        Check(fillets[k].exists == (k != 0 && k != n - 1),
              "corner " + std::to_string(k) + (fillets[k].exists ? " rounded" : " sharp"));
    const long m = rounded.GetCount();
    for (long i = 0; i < m; ++i) {
        const CGMTRBaseGeo2D& e = *rounded.get_Item(i);
        const CGMTRBaseGeo2D& next = *rounded.get_Item((i + 1) % m);
        Check(e.FGetEndPoint().Distance2D(next.FGetStartPoint()) < kEps,
              "entity " + std::to_string(i) + " ends where the next one starts");
        const bool filletJoint = e.get_GeometryType() == GEOMETRY_ARC2D &&
                                 std::fabs(AsArc(e).GetRadius() - radius) < kEps;
        const bool intoFillet = next.get_GeometryType() == GEOMETRY_ARC2D &&
                                std::fabs(AsArc(next).GetRadius() - radius) < kEps;
        if (filletJoint || intoFillet) {
            const CGMTRPoint2D at = e.FGetEndPoint();
            const double turn = NormalizeSignedAngle(TravelAngle(next, at) - TravelAngle(e, at));
            Check(std::fabs(turn) < 1e-9, "no kink after entity " + std::to_string(i));
        }
    }
    std::printf("rounded outline: %d entities; %s\n", rounded.GetCount(),
                failures ? "WRONG" : "all checks passed");

    if (argc == 3 && std::string(argv[1]) == "--svg") {
        sketch::Sketch svg(-22, -12, 150, 108, 4.0);
        for (long i = 0; i < n; ++i)
            svg.Entity(*outline.get_Item(i), {"#8c8c8c", 1.5, "5,4"});
        for (long i = 0; i < m; ++i)
            svg.Entity(*rounded.get_Item(i), {"#1f4e79", 2.5});
        for (long k = 0; k < n; ++k) {
            const Fillet& f = fillets[k];
            if (f.exists) {
                svg.Entity(FilletArc(f), {"#c0392b", 3.0});
                svg.Cross(f.centre, 3, "#c0392b");
            } else {
                svg.Ring(outline.get_Item(k)->FGetStartPoint(), 9, "#e67e22", 2.0, "none");
            }
        }
        svg.Text(CGMTRPoint2D(2, 0), "R10 does not fit", "#e67e22", -14, 22, "middle", 12);
        svg.Legend(8, 8,
                   {{{"#8c8c8c", 1.5, "5,4"}, "the outline"},
                    {{"#c0392b", 3.0}, "fillets of radius 10"},
                    {{"#1f4e79", 2.5}, "the rounded outline"},
                    {{"#e67e22", 2.0}, "corners that stay sharp"}});
        if (!svg.Write(argv[2]))
            return 2;
    }
    return failures ? 1 : 0;
}
