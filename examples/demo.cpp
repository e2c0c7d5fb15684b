// GMTRRT demo host program.
//
// Computes a sample part entirely with the library and writes it as an SVG
// picture plus a short text report on standard output:
//   * an outline of two segments and two arcs whose four corners are filleted
//     (LineTangencyDistance) and trimmed to the fillets;
//   * the contour's direction where its entities meet (the junction angle
//     queries), at the fillets' tangent points;
//   * a cutting line and a cutting circle with their crossing points on the
//     filleted outline (FGetCrossPoint through the entity interface);
//   * a bolt circle (symmetric arc pattern) and a grid of holes: a pair of
//     holes repeated by a serpentine grid;
//   * the union of two overlapping arcs of one circle (GetConedArc).
//
// The picture is SVG; open it in a web browser (some converters, such as
// ImageMagick's own SVG renderer, draw it wrongly).
//
// usage: gmtrrt_demo [-o output.svg] [-r fillet-radius]
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using sketch::Num;
using sketch::Pt;

const double kDeg = 180.0 / GMTR_PI;

// Colours of the picture, named by what they show.
const char* const kOutline = "#1f4e79";
const char* const kSharp = "#8c8c8c";
const char* const kTangent = "#2e86c1";
const char* const kDirection = "#e67e22";
const char* const kCutLine = "#c0392b";
const char* const kCutCircle = "#8e44ad";
const char* const kBolt = "#117a65";
const char* const kHole = "#b9770e";
const char* const kFirstArc = "#27ae60";
const char* const kSecondArc = "#d4ac0d";

// The counter-clockwise arc through `from` and `to` on the circle of `centre`.
CGMTRArc2D ArcBetween(const CGMTRPoint2D& centre, const CGMTRPoint2D& from,
                      const CGMTRPoint2D& to) {
    const double a = GetDirectionAngle(centre.X(), centre.Y(), from.X(), from.Y());
    const double b = GetDirectionAngle(centre.X(), centre.Y(), to.X(), to.Y());
    return CGMTRArc2D(centre, centre.Distance2D(from), a, NormalizeAngle(b - a));
}

// One corner of the outline, where a segment and an arc meet.
struct Corner {
    CGMTRPoint2D at;
    bool filleted = false;
    CGMTRPoint2D onLine, onArc, centre;
};

struct Options {
    std::string output = "demo.svg";
    double filletRadius = 12.0;
};

void Usage(std::ostream& out) {
    out << "usage: gmtrrt_demo [-o output.svg] [-r fillet-radius]\n"
           "  -o PATH    where to write the SVG picture (default demo.svg)\n"
           "  -r RADIUS  fillet radius of the outline's corners, a number in (0, 40]"
           " (default 12)\n";
}

// Returns 0 when the options were read, otherwise the process exit code.
int ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            Usage(std::cout);
            return -1;
        }
        if ((arg == "-o" || arg == "-r") && i + 1 >= argc) {
            std::cerr << "gmtrrt_demo: " << arg << " needs a value\n";
            Usage(std::cerr);
            return 2;
        }
        if (arg == "-o") {
            options.output = argv[++i];
            if (options.output.empty()) {
                std::cerr << "gmtrrt_demo: the output path is empty\n";
                return 2;
            }
        } else if (arg == "-r") {
            const char* text = argv[++i];
            char* end = nullptr;
            const double r = std::strtod(text, &end);
            if (end == text || *end != '\0' || !std::isfinite(r) || r <= 0.0 || r > 40.0) {
                std::cerr << "gmtrrt_demo: fillet radius must be a number in (0, 40], got '" << text
                          << "'\n";
                return 2;
            }
            options.filletRadius = r;
        } else {
            std::cerr << "gmtrrt_demo: unknown argument '" << arg << "'\n";
            Usage(std::cerr);
            return 2;
        }
    }
    return 0;
}

// The directions in which the contour leaves entity `a` backwards and enters
// entity `b` at their common point p, from the junction query of their kinds.
void LeavingDirections(const CGMTRBaseGeo2D& a, const CGMTRBaseGeo2D& b, const CGMTRPoint2D& p,
                       double& intoA, double& intoB) {
    const bool aLine = a.get_GeometryType() == GEOMETRY_LINE2D;
    const bool bLine = b.get_GeometryType() == GEOMETRY_LINE2D;
    if (aLine && bLine)
        static_cast<const CGMTRLine2D&>(a).GetLineLineAngle(static_cast<const CGMTRLine2D&>(b), p,
                                                            intoA, intoB, 1);
    else if (aLine)
        static_cast<const CGMTRLine2D&>(a).GetLineArcAngle(static_cast<const CGMTRArc2D&>(b), p,
                                                           intoA, intoB, 1);
    else if (bLine)
        static_cast<const CGMTRLine2D&>(b).GetLineArcAngle(static_cast<const CGMTRArc2D&>(a), p,
                                                           intoB, intoA, 1);
    else
        static_cast<const CGMTRArc2D&>(a).GetArcArcAngle(static_cast<const CGMTRArc2D&>(b), p,
                                                         intoA, intoB, 1);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const int rc = ParseOptions(argc, argv, options))
        return rc < 0 ? 0 : rc;
    const double d = options.filletRadius;

    sketch::Sketch svg(-60, -88, 280, 132, 3.0);
    std::ostream& report = std::cout;
    report << "GMTRRT demo part (fillet radius " << d << ")\n";

    // --- Outline, counter-clockwise: bottom segment, right arc, top segment,
    // left arc. Every corner joins a segment and an arc at an angle.
    const CGMTRPoint2D p0(0, 0), p1(200, 0), p2(200, 100), p3(0, 100);
    const CGMTRPoint2D cRight(130, 50), cLeft(70, 50);
    const CGMTRLine2D bottom(p0, p1), top(p2, p3);
    const CGMTRArc2D right = ArcBetween(cRight, p1, p2);
    const CGMTRArc2D left = ArcBetween(cLeft, p3, p0);
    const sketch::Pen sharpPen{kSharp, 1.5, "5,4"};
    for (const CGMTRBaseGeo2D* e :
         std::initializer_list<const CGMTRBaseGeo2D*>{&bottom, &right, &top, &left})
        svg.Entity(*e, sharpPen);

    // --- Fillets: the circle of radius d touching the segment and the arc of
    // each corner, on the inside of the part. The outputs are written only
    // when a fillet exists, so they start as NaN and are tested afterwards.
    report << "\nFillets:\n";
    Corner corners[4];
    const CGMTRLine2D* cornerLine[4] = {&bottom, &top, &top, &bottom};
    const CGMTRArc2D* cornerArc[4] = {&right, &right, &left, &left};
    const CGMTRPoint2D cornerAt[4] = {p1, p2, p3, p0};
    for (int k = 0; k < 4; ++k) {
        Corner& c = corners[k];
        c.at = cornerAt[k];
        const CGMTRPoint2D unset(NAN, NAN);
        c.onLine = c.onArc = c.centre = unset;
        cornerArc[k]->LineTangencyDistance(*cornerLine[k], c.at, d, c.onLine, c.onArc, c.centre);
        c.filleted = !std::isnan(c.centre.X());
        if (c.filleted)
            report << "  corner " << Pt(c.at) << ": centre " << Pt(c.centre) << ", on segment "
                   << Pt(c.onLine) << ", on arc " << Pt(c.onArc) << "\n";
        else
            report << "  corner " << Pt(c.at) << ": no fillet of radius " << d
                   << " fits; the corner stays sharp\n";
    }

    // --- The filleted outline as an owning entity collection, in contour
    // order. A corner without a fillet stays sharp.
    CGMTRBaseGeo2DCol outline;
    auto onLine = [&](int k) { return corners[k].filleted ? corners[k].onLine : cornerAt[k]; };
    auto onArc = [&](int k) { return corners[k].filleted ? corners[k].onArc : cornerAt[k]; };
    auto addFillet = [&](int k, bool lineFirst) {
        const Corner& c = corners[k];
        if (c.filleted)
            outline.Add(new CGMTRArc2D(lineFirst ? ArcBetween(c.centre, c.onLine, c.onArc)
                                                 : ArcBetween(c.centre, c.onArc, c.onLine)));
    };
    outline.Add(new CGMTRLine2D(onLine(3), onLine(0)));
    addFillet(0, true);
    outline.Add(new CGMTRArc2D(ArcBetween(cRight, onArc(0), onArc(1))));
    addFillet(1, false);
    outline.Add(new CGMTRLine2D(onLine(1), onLine(2)));
    addFillet(2, true);
    outline.Add(new CGMTRArc2D(ArcBetween(cLeft, onArc(2), onArc(3))));
    addFillet(3, false);

    double length = 0.0;
    const sketch::Pen outlinePen{kOutline, 3.0};
    for (long i = 0; i < outline.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = outline.get_Item(i);
        svg.Entity(*e, outlinePen);
        if (e->get_GeometryType() == GEOMETRY_LINE2D)
            length += static_cast<const CGMTRLine2D*>(e)->get_LineLength();
        else
            length += static_cast<const CGMTRArc2D*>(e)->PercentToDistance(1.0);
    }
    for (const Corner& c : corners)
        if (c.filleted) {
            svg.Cross(c.centre, 3, kOutline);
            svg.Dot(c.onLine, 3.5, kTangent);
            svg.Dot(c.onArc, 3.5, kTangent);
        }
    if (corners[0].filleted)
        svg.Text(corners[0].centre, "fillet R" + Num(d, d == std::floor(d) ? 0 : 2), kOutline, -8,
                 -6, "end");
    report << "\nOutline: " << outline.GetCount() << " entities, perimeter " << Num(length, 3)
           << "\n";

    // --- Junctions: where two entities of the outline meet, the direction
    // in which the contour arrives along one and leaves along the next. At a
    // fillet's tangent point they agree (the contour turns by 0).
    report << "\nJunctions (directions in degrees, counter-clockwise from +x):\n";
    for (long i = 0; i < outline.GetCount(); ++i) {
        const CGMTRBaseGeo2D* a = outline.get_Item(i);
        const CGMTRBaseGeo2D* b = outline.get_Item((i + 1) % outline.GetCount());
        const CGMTRPoint2D at = a->FGetEndPoint();
        double intoA = 0.0, intoB = 0.0;
        LeavingDirections(*a, *b, at, intoA, intoB);
        const double arrive = NormalizeSignedAngle(intoA + GMTR_PI);
        const double turn = NormalizeSignedAngle(intoB - arrive);
        // Drawn just inside the outline (to the left of the direction of
        // travel), beside the contour rather than over it.
        const CGMTRPoint2D beside(at.X() - 2.5 * std::sin(intoB), at.Y() + 2.5 * std::cos(intoB));
        svg.Arrow(beside, intoB, 30, kDirection, 2.0);
        report << "  at " << Pt(at) << ": arrives " << Num(arrive * kDeg, 2) << ", leaves "
               << Num(intoB * kDeg, 2) << ", turns " << Num(turn * kDeg, 2) << "\n";
    }

    // --- A cutting line and a cutting circle against every outline entity.
    const CGMTRLine2D cut(CGMTRPoint2D(-30, 95), CGMTRPoint2D(250, 15));
    const CGMTRArc2D ring(CGMTRPoint2D(205, 95), 22, 0.0, GMTR_2PI);
    svg.Entity(cut, {kCutLine, 1.8, "9,5"});
    svg.Entity(ring, {kCutCircle, 1.8, "9,5"});
    const struct {
        const CGMTRBaseGeo2D* tool;
        const char* name;
        const char* colour;
    } tools[2] = {{&cut, "line", kCutLine}, {&ring, "circle", kCutCircle}};
    for (const auto& tool : tools) {
        CGMTRPoint2DCol hits;
        for (long i = 0; i < outline.GetCount(); ++i)
            tool.tool->FGetCrossPoint(outline.get_Item(i), hits);
        report << "\nCrossings of the cutting " << tool.name << " (" << hits.GetCount() << "):\n";
        for (long i = 0; i < hits.GetCount(); ++i) {
            CGMTRPoint2D p;
            hits.get_Item(i, p);
            const std::string label(1, static_cast<char>('A' + i));
            svg.Dot(p, 5, tool.colour);
            // The label sits outside the part, away from the junction arrows.
            const double away = GetDirectionAngle(100, 50, p.X(), p.Y());
            svg.Text(p, label, tool.colour, 16 * std::cos(away), 5 - 16 * std::sin(away), "middle",
                     14);
            report << "  " << label << " " << Pt(p) << "  at "
                   << Num(tool.tool->PointToPercent(p) * 100, 0) << "% along the " << tool.name
                   << "\n";
        }
    }
    svg.Text(cut.get_BasePoint(), "cutting line", kCutLine, 0, -8);
    svg.Text(ring.GetBasePoint(), "cutting circle", kCutCircle, 0, -22 * 3 - 8, "middle");

    // --- Bolt circle: six holes, each the first hole turned about the hub by
    // a multiple of 60 degrees (the symmetric arc pattern turns the point
    // itself about its origin).
    const CGMTRPoint2D hub(60, 50);
    CGMTRRepeatArcSymmetry2D bolts;
    bolts.ConstructRepeatArc(hub.X(), hub.Y(), GMTR_2PI / 6, 6);
    const CGMTRPoint2D firstBolt(85, 50);
    report << "\nBolt circle (" << bolts.GetCount() << " holes about " << Pt(hub) << "):\n ";
    svg.Circle(hub, 25, {kSharp, 1.0});
    svg.Text(hub, "bolt circle", kBolt, 0, 5, "middle");
    for (long i = 0; i < bolts.GetCount(); ++i) {
        const CGMTRPoint2D h = bolts.GetRepeatPoint(i, firstBolt, firstBolt);
        svg.Ring(h, 12, kBolt, 2.0);
        report << " " << Pt(h);
    }
    report << "\n";

    // --- Holes: a line of two, repeated by a 2 x 3 grid. The first pattern's
    // copy number varies fastest: holes 2k and 2k+1 are the two holes of grid
    // cell k. The grid numbers its cells in serpentine order (row 0 left to
    // right, row 1 right to left, ...), so that neighbouring copies are
    // neighbours on the part.
    CGMTRRepeatLine2D pair;
    pair.ConstructRepeatLine(0.0, 12.0, 2);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(30.0, 25.0, 2, 3, 0.0);
    pair.SetRepeat(&grid); // the chain keeps its own copy of the grid
    const CGMTRPoint2D firstHole(110, 20);
    report << "\nHole pattern: " << pair.GetCount()
           << " holes, a pair (line of 2) repeated by a 2 x 3 grid.\n"
              "  Hole n is hole n % 2 of the pair in grid cell n / 2; the grid numbers its\n"
              "  cells row by row in serpentine order (the second row runs right to left).\n";
    std::vector<CGMTRPoint2D> holes;
    for (long i = 0; i < pair.GetCount(); ++i)
        holes.push_back(pair.GetRepeatPoint(i, firstHole, firstHole));
    for (std::size_t i = 0; i + 1 < holes.size(); ++i)
        svg.Segment(holes[i], holes[i + 1], {kHole, 1.0, "2,3"});
    for (std::size_t i = 0; i < holes.size(); ++i) {
        svg.Ring(holes[i], 10, kHole, 2.0);
        svg.Text(holes[i], std::to_string(i), kHole, 0, 4, "middle", 10.5);
        report << "  #" << i << " " << Pt(holes[i]) << "\n";
    }
    svg.Text(firstHole, "holes in copy order: a pair, then a", kHole, -12, 40);
    svg.Text(firstHole, "serpentine grid (row 2 runs back)", kHole, -12, 56);

    // --- Arc union: two overlapping arcs of one circle become one. The two
    // arcs are drawn just outside and just inside their circle, so that the
    // stretch they share shows as two bands side by side.
    const CGMTRPoint2D unionCentre(22, -50);
    const CGMTRArc2D first(unionCentre, 28, 10 / kDeg, 60 / kDeg);
    const CGMTRArc2D second(unionCentre, 28, 140 / kDeg, -80 / kDeg); // clockwise
    CGMTRArc2D joined(first);
    const int ok = first.GetConedArc(second, joined);
    const CGMTRArc2D firstBand(unionCentre, 31, first.GetBaseAngle(), first.GetSweepAngle());
    const CGMTRArc2D secondBand(unionCentre, 25, second.GetBaseAngle(), second.GetSweepAngle());
    svg.Entity(firstBand, {kFirstArc, 5.0});
    svg.Entity(secondBand, {kSecondArc, 5.0});
    if (ok)
        svg.Entity(joined, {"#000000", 1.5});
    svg.Text(unionCentre, "arc union", "#000000", 0, 0, "middle");
    // The shared stretch runs from the end of the clockwise arc to the end of
    // the first one.
    const double overlapMid = (first.GetBaseAngle() + first.GetSweepAngle() +
                               second.GetBaseAngle() + second.GetSweepAngle()) /
                              2;
    svg.Text(CGMTRPoint2D(unionCentre.X() + 36 * std::cos(overlapMid),
                          unionCentre.Y() + 36 * std::sin(overlapMid)),
             "overlap", "#000000", 0, 0, "start", 12);
    report << "\nArc union: [10, +60] and [140, -80] degrees -> "
           << (ok ? "joined, start " : "not joined, start ") << Num(joined.GetBaseAngle() * kDeg, 2)
           << ", sweep " << Num(joined.GetSweepAngle() * kDeg, 2) << "\n";

    svg.Legend(420, 446,
               {{{kSharp, 1.5, "5,4"}, "outline before filleting"},
                {{kOutline, 3.0}, "filleted outline (8 entities)"},
                {{kTangent, 1}, "fillet tangent point", true},
                {{kDirection, 2.0}, "contour direction at a junction"},
                {{kCutLine, 1.8, "9,5"}, "cutting line, crossings A, B"},
                {{kCutCircle, 1.8, "9,5"}, "cutting circle, crossings A, B"},
                {{kBolt, 2.0}, "bolt circle: 6 holes, symmetric arc pattern"},
                {{kHole, 2.0}, "hole pattern: line of 2 chained to a grid"},
                {{kFirstArc, 5.0}, "arc 10..70 degrees"},
                {{kSecondArc, 5.0}, "arc 140..60 degrees, clockwise"},
                {{"#000000", 1.5}, "their union (GetConedArc)"}});

    if (!svg.Write(options.output)) {
        std::cerr << "gmtrrt_demo: cannot write " << options.output << "\n";
        return 1;
    }
    report << "\nPicture written to " << options.output << " (open it in a web browser)\n";
    return 0;
}
