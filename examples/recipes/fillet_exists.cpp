// Recipe: find out whether a fillet exists before using it.
//
// The three fillet queries report failure differently:
//  * CGMTRLine2D::LineTangencyDistance (two segments) returns 1 or 0;
//  * CGMTRArc2D::LineTangencyDistance (arc and segment) returns nothing and
//    writes its three points all or none;
//  * CGMTRArc2D::ArcTangencyDistance (two arcs) returns nothing and writes
//    all three points, none, or only the centre (when a touching point
//    cannot be placed on one of the arcs).
// None of them clears its outputs, so variables that still hold an earlier
// answer look like a result. The helpers below start every output as NaN and
// turn the outcome into one value the caller tests.
//
// The program checks that each existing fillet circle touches both entities
// at points on them, and that a failed query leaves its outputs untouched.
//
// usage: recipe_fillet_exists [--svg PATH]
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

//! [helpers]
enum class FilletState { None, CentreOnly, Complete };

struct Fillet {
    FilletState state = FilletState::None;
    CGMTRPoint2D onFirst, onSecond, centre; // NaN until written
};

bool Written(const CGMTRPoint2D& p) {
    return !std::isnan(p.X()) && !std::isnan(p.Y());
}

Fillet Unset() {
    Fillet f;
    f.onFirst = f.onSecond = f.centre = CGMTRPoint2D(NAN, NAN);
    return f;
}

// Two segments: the return value says it.
Fillet SegmentFillet(const CGMTRLine2D& a, const CGMTRLine2D& b, const CGMTRPoint2D& corner,
                     double d) {
    Fillet f = Unset();
    if (a.LineTangencyDistance(b, corner, d, f.onFirst, f.onSecond, f.centre) == 1)
        f.state = FilletState::Complete;
    return f;
}

// An arc and a segment: all three points or none, so the centre says it.
// onFirst is the touching point on the segment, onSecond the one on the arc.
Fillet ArcSegmentFillet(const CGMTRArc2D& arc, const CGMTRLine2D& line, const CGMTRPoint2D& q,
                        double d) {
    Fillet f = Unset();
    arc.LineTangencyDistance(line, q, d, f.onFirst, f.onSecond, f.centre); // segment, arc
    if (Written(f.centre))
        f.state = FilletState::Complete;
    return f;
}

// Two arcs: the centre can be written without the touching points.
Fillet ArcArcFillet(const CGMTRArc2D& a, const CGMTRArc2D& b, double d) {
    Fillet f = Unset();
    a.ArcTangencyDistance(b, d, f.onFirst, f.onSecond, f.centre);
    if (Written(f.onFirst) && Written(f.onSecond))
        f.state = FilletState::Complete;
    else if (Written(f.centre))
        f.state = FilletState::CentreOnly;
    return f;
}
//! [helpers]

int failures = 0;
void Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("WRONG: %s\n", what.c_str());
        ++failures;
    }
}

const char* Name(FilletState s) {
    return s == FilletState::Complete     ? "complete"
           : s == FilletState::CentreOnly ? "centre only"
                                          : "none";
}

// A complete fillet touches both entities at points on them; anything else
// has left the outputs it does not report as NaN.
void CheckFillet(const char* what, const Fillet& f, const CGMTRBaseGeo2D& first,
                 const CGMTRBaseGeo2D& second, double d, FilletState expected) {
    std::printf("%-34s %s", what, Name(f.state));
    if (Written(f.centre))
        std::printf(", centre %s", sketch::Pt(f.centre, 3).c_str());
    std::printf("\n");
    Check(f.state == expected, std::string(what) + ": " + Name(f.state));
    if (f.state == FilletState::Complete) {
        Check(std::fabs(first.Distance(f.centre) - d) < 1e-9 &&
                  std::fabs(second.Distance(f.centre) - d) < 1e-9,
              std::string(what) + ": the circle touches both entities");
        Check(first.PointToPercent(f.onFirst) != -1.0 && second.PointToPercent(f.onSecond) != -1.0,
              std::string(what) + ": the touching points lie on the entities");
    } else {
        Check(!Written(f.onFirst) && !Written(f.onSecond),
              std::string(what) + ": no touching point written");
        Check(Written(f.centre) == (f.state == FilletState::CentreOnly),
              std::string(what) + ": the centre written only in the centre-only state");
    }
}

} // namespace

int main(int argc, char** argv) {
    const double deg = GMTR_PI / 180.0;
    const CGMTRLine2D in(CGMTRPoint2D(0, 0), CGMTRPoint2D(40, 0));
    const CGMTRLine2D out(CGMTRPoint2D(40, 0), CGMTRPoint2D(52, 28));
    const CGMTRArc2D quarter(CGMTRPoint2D(0, 0), 10, 0, GMTR_HALF_PI);
    const CGMTRLine2D edge(CGMTRPoint2D(10, 0), CGMTRPoint2D(30, 0));
    // Two arcs whose centres stand 30 apart; in the second pair the arc B
    // runs clockwise and ends exactly where a circle of radius 5 touches it.
    const double phi = 40 * deg;
    const CGMTRPoint2D cb(30 * std::cos(phi), 30 * std::sin(phi));
    const CGMTRArc2D a(CGMTRPoint2D(0, 0), 10, phi - 30 * deg, 60 * deg);
    const CGMTRArc2D b(cb, 10, phi + 150 * deg, 60 * deg);
    const CGMTRArc2D bEnding(cb, 10, phi + 240 * deg, -60 * deg);

    //! [use]
    const Fillet corner = SegmentFillet(in, out, in.get_EndPoint(), 8.0);
    if (corner.state == FilletState::Complete) {
        // Safe to build the fillet arc from corner.centre, corner.onFirst and
        // corner.onSecond.
    }
    //! [use]
    CheckFillet("two segments, radius 8", corner, in, out, 8.0, FilletState::Complete);
    CheckFillet("two segments, radius 60", SegmentFillet(in, out, in.get_EndPoint(), 60.0), in, out,
                60.0, FilletState::None);
    const Fillet small = ArcSegmentFillet(quarter, edge, CGMTRPoint2D(10, 0), 2.0);
    CheckFillet("arc and segment, radius 2", small, edge, quarter, 2.0, FilletState::Complete);
    CheckFillet("arc and segment, radius 50",
                ArcSegmentFillet(quarter, edge, CGMTRPoint2D(10, 0), 50.0), edge, quarter, 50.0,
                FilletState::None);
    const Fillet arcs = ArcArcFillet(a, b, 5.0);
    CheckFillet("two arcs, radius 5", arcs, a, b, 5.0, FilletState::Complete);
    CheckFillet("two arcs, radius 9", ArcArcFillet(a, b, 9.0), a, b, 9.0, FilletState::None);
    const Fillet ending = ArcArcFillet(a, bEnding, 5.0);
    CheckFillet("two arcs, B ends at the fillet", ending, a, bEnding, 5.0, FilletState::CentreOnly);

    // Reusing variables: the failed query leaves the earlier answer in them.
    CGMTRPoint2D onLine(NAN, NAN), onArc(NAN, NAN), centre(NAN, NAN);
    quarter.LineTangencyDistance(edge, CGMTRPoint2D(10, 0), 2.0, onLine, onArc, centre);
    const CGMTRPoint2D before = centre;
    quarter.LineTangencyDistance(edge, CGMTRPoint2D(10, 0), 50.0, onLine, onArc, centre);
    Check(centre.X() == before.X() && centre.Y() == before.Y(),
          "a failed query leaves its outputs as they were");
    std::printf("%s\n", failures ? "WRONG" : "all checks passed");

    if (argc == 3 && std::string(argv[1]) == "--svg") {
        sketch::Sketch svg(-6, -8, 158, 36, 4.0);
        auto draw = [&](const Fillet& f, double d) {
            if (Written(f.centre)) {
                svg.Circle(f.centre, d,
                           {"#c0392b", 1.8, f.state == FilletState::Complete ? nullptr : "4,3"});
                svg.Cross(f.centre, 3.5, "#c0392b");
            }
            if (f.state == FilletState::Complete) {
                svg.Dot(f.onFirst, 4, "#c0392b");
                svg.Dot(f.onSecond, 4, "#c0392b");
            }
        };
        svg.Entity(in, {"#1f4e79", 2.5});
        svg.Entity(out, {"#1e8449", 2.5});
        draw(corner, 8.0);
        svg.Text(CGMTRPoint2D(0, 0), "segments: complete", "#222222", 0, 20, "start", 12);
        svg.Place(4.0 * (6 + 60), 4.0 * 36);
        svg.Entity(quarter, {"#1f4e79", 2.5});
        svg.Entity(edge, {"#1e8449", 2.5});
        draw(small, 2.0);
        svg.Text(CGMTRPoint2D(0, 0), "arc and segment: complete", "#222222", 0, 20, "start", 12);
        svg.Place(4.0 * (6 + 110), 4.0 * 30);
        svg.Entity(a, {"#1f4e79", 2.5});
        svg.Entity(bEnding, {"#1e8449", 2.5});
        draw(ending, 5.0);
        svg.Text(CGMTRPoint2D(0, 0), "two arcs: centre only", "#222222", 0, 30, "start", 12);
        if (!svg.Write(argv[2]))
            return 2;
    }
    return failures ? 1 : 0;
}
