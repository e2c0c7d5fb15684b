// Recipe: build arcs without setter-order traps.
//
// An arc keeps its start vector and the direction of its mid point; its
// sweep is read back from the two. So setters depend on their order:
// PutSweepAngle places the mid point relative to the current start, and a
// later PutBaseVector moves the start under it, which changes the sweep and
// can reverse it. The constructor from centre, radius, start angle and sweep
// does it in one step. The helpers below build the arcs a host usually
// wants from points (a counter-clockwise or clockwise arc from one point to
// another about a centre, and a fillet arc from a fillet's outputs) with that
// constructor, and read them back through const arcs.
//
// The program checks that every arc starts and ends at the wanted points and
// turns the wanted way, and shows the setter trap.
//
// usage: recipe_build_arcs [--svg PATH]
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

//! [helpers]
// The arc about `centre` from `from` to `to` (both at the same distance from
// the centre), counter-clockwise or clockwise.
CGMTRArc2D ArcFromTo(const CGMTRPoint2D& centre, const CGMTRPoint2D& from, const CGMTRPoint2D& to,
                     bool counterClockwise) {
    const double a = GetDirectionAngle(centre.X(), centre.Y(), from.X(), from.Y());
    const double b = GetDirectionAngle(centre.X(), centre.Y(), to.X(), to.Y());
    const double sweep = counterClockwise ? NormalizeAngle(b - a) : -NormalizeAngle(a - b);
    return CGMTRArc2D(centre, centre.Distance2D(from), a, sweep);
}

// The fillet arc between the two touching points of a fillet, the short way
// round: the direction follows from the side of the centre.
CGMTRArc2D FilletArc(const CGMTRPoint2D& centre, const CGMTRPoint2D& from, const CGMTRPoint2D& to) {
    const CGMTRVector2D u(from.X() - centre.X(), from.Y() - centre.Y());
    const CGMTRVector2D v(to.X() - centre.X(), to.Y() - centre.Y());
    return ArcFromTo(centre, from, to, u.CrossProduct(v) > 0);
}
//! [helpers]

int failures = 0;
void Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("WRONG: %s\n", what.c_str());
        ++failures;
    }
}

void CheckArc(const char* what, const CGMTRArc2D& arc, const CGMTRPoint2D& from,
              const CGMTRPoint2D& to, bool counterClockwise) {
    std::printf("%-28s start %s, sweep %s degrees\n", what,
                sketch::Num(arc.GetBaseAngle() * 180 / GMTR_PI, 3).c_str(),
                sketch::Num(arc.GetSweepAngle() * 180 / GMTR_PI, 3).c_str());
    Check(arc.GetStartPoint().Distance2D(from) < 1e-9, std::string(what) + ": start point");
    Check(arc.GetEndPoint().Distance2D(to) < 1e-9, std::string(what) + ": end point");
    Check((arc.GetSweepAngle() > 0) == counterClockwise, std::string(what) + ": direction");
}

} // namespace

int main(int argc, char** argv) {
    const CGMTRPoint2D centre(0, 0), p(20, 0), q(0, 20);

    //! [build]
    const CGMTRArc2D left = ArcFromTo(centre, p, q, true);   // a quarter, counter-clockwise
    const CGMTRArc2D right = ArcFromTo(centre, p, q, false); // three quarters, clockwise
    //! [build]
    CheckArc("counter-clockwise from p to q", left, p, q, true);
    CheckArc("clockwise from p to q", right, p, q, false);
    Check(std::fabs(left.GetSweepAngle() - GMTR_HALF_PI) < 1e-12, "a quarter turn");
    Check(std::fabs(right.GetSweepAngle() + 3 * GMTR_HALF_PI) < 1e-12, "three quarters back");

    // A fillet arc from the outputs of the corner fillet of two segments.
    const CGMTRLine2D in(CGMTRPoint2D(40, -30), CGMTRPoint2D(70, -30));
    const CGMTRLine2D out(CGMTRPoint2D(70, -30), CGMTRPoint2D(70, 0));
    CGMTRPoint2D onIn, onOut, c;
    if (in.LineTangencyDistance(out, in.get_EndPoint(), 8.0, onIn, onOut, c) == 1) {
        const CGMTRArc2D fillet = FilletArc(c, onIn, onOut);
        CheckArc("fillet arc", fillet, onIn, onOut, true);
        Check(std::fabs(fillet.GetRadius() - 8.0) < 1e-9, "fillet radius");
    } else {
        Check(false, "the corner has a fillet of radius 8");
    }

    // The constructor gives the arc that the setters give in this order ...
    CGMTRArc2D bySetters;
    bySetters.PutBasePoint(centre);
    bySetters.PutRadius(20.0);
    bySetters.PutBaseAngle(0.0);
    bySetters.PutSweepAngle(GMTR_HALF_PI);
    Check(bySetters.GetEndPoint().Distance2D(left.GetEndPoint()) == 0.0 &&
              bySetters.GetSweepAngle() == left.GetSweepAngle(),
          "constructor and setters in order agree");
    // ... and the trap: the sweep first, then the start vector.
    CGMTRArc2D trap;
    trap.PutRadius(20.0);
    trap.PutSweepAngle(GMTR_HALF_PI);
    trap.PutBaseVector(CGMTRVector2D(0, 20)); // meant: start at q, a quarter on
    std::printf("sweep first, then start vector: sweep reads %s degrees\n",
                sketch::Num(trap.GetSweepAngle() * 180 / GMTR_PI, 3).c_str());
    Check(trap.GetSweepAngle() < 0, "the setter order reverses the sweep");
    std::printf("%s\n", failures ? "WRONG" : "all checks passed");

    if (argc == 3 && std::string(argv[1]) == "--svg") {
        sketch::Sketch svg(-28, -40, 112, 30, 4.0);
        svg.Entity(right, {"#c0392b", 2.0, "6,3"});
        svg.Entity(left, {"#1f4e79", 3.0});
        svg.Entity(in, {"#8c8c8c", 1.5});
        svg.Entity(out, {"#8c8c8c", 1.5});
        svg.Entity(FilletArc(c, onIn, onOut), {"#1e8449", 3.0});
        svg.Dot(p, 4, "#222222");
        svg.Dot(q, 4, "#222222");
        svg.Text(p, "p", "#222222", 8, 4);
        svg.Text(q, "q", "#222222", 6, -6);
        svg.Legend(300, 8,
                   {{{"#1f4e79", 3.0}, "ArcFromTo(c, p, q, true)"},
                    {{"#c0392b", 2.0, "6,3"}, "ArcFromTo(c, p, q, false)"},
                    {{"#1e8449", 3.0}, "FilletArc of a corner fillet"}});
        if (!svg.Write(argv[2]))
            return 2;
    }
    return failures ? 1 : 0;
}
