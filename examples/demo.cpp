// GMTRRT demo host program.
//
// Computes a sample part entirely with the library and writes it as an SVG
// picture plus a short text report on standard output:
//   * an outline of two segments and two arcs whose four corners are filleted
//     (LineTangencyDistance) and trimmed to the fillets;
//   * the junction directions at the sharp corners (GetLineArcAngle);
//   * a cutting line and a cutting circle with their crossing points on the
//     filleted outline (FGetCrossPoint through the entity interface);
//   * a bolt circle (arc repeat pattern) and a serpentine grid of holes
//     chained after a linear pattern;
//   * the union of two arcs of one circle (GetConedArc).
//
// usage: gmtrrt_demo [-o output.svg] [-r fillet-radius]
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const double kDeg = 180.0 / GMTR_PI;

// SVG elements in model coordinates (y up), written with y flipped.
class SvgPicture {
public:
    SvgPicture(double minX, double minY, double maxX, double maxY)
        : m_minX(minX), m_maxY(maxY), m_w(maxX - minX), m_h(maxY - minY) {}

    void Dot(const CGMTRPoint2D& p, double r, const char* fill) {
        m_body << "<circle cx='" << X(p) << "' cy='" << Y(p) << "' r='" << r << "' fill='" << fill
               << "'/>\n";
    }

    void Ring(const CGMTRPoint2D& p, double r, const char* stroke) {
        m_body << "<circle cx='" << X(p) << "' cy='" << Y(p) << "' r='" << r
               << "' fill='none' stroke='" << stroke << "' stroke-width='0.8'/>\n";
    }

    // Any entity, drawn through its percent parametrisation.
    void Entity(const CGMTRBaseGeo2D& e, const char* stroke, double width,
                const char* dash = nullptr) {
        const int steps = e.get_GeometryType() == GEOMETRY_ARC2D ? 48 : 1;
        m_body << "<polyline fill='none' stroke='" << stroke << "' stroke-width='" << width << "'";
        if (dash)
            m_body << " stroke-dasharray='" << dash << "'";
        m_body << " points='";
        for (int i = 0; i <= steps; ++i) {
            const CGMTRPoint2D p = e.PercentToPoint(static_cast<double>(i) / steps);
            m_body << X(p) << "," << Y(p) << " ";
        }
        m_body << "'/>\n";
    }

    void Arrow(const CGMTRPoint2D& from, double angle, double length, const char* stroke) {
        const CGMTRPoint2D to(from.X() + length * std::cos(angle),
                              from.Y() + length * std::sin(angle));
        m_body << "<line x1='" << X(from) << "' y1='" << Y(from) << "' x2='" << X(to) << "' y2='"
               << Y(to) << "' stroke='" << stroke
               << "' stroke-width='1.2' marker-end='url(#arrow)'/>\n";
    }

    void Text(const CGMTRPoint2D& p, const std::string& text, const char* fill, double size = 5) {
        m_body << "<text x='" << X(p) << "' y='" << Y(p) << "' font-size='" << size
               << "' font-family='sans-serif' fill='" << fill << "'>" << text << "</text>\n";
    }

    bool Write(const std::string& path) const {
        // Binary mode: the picture has LF line ends on every platform.
        std::ofstream out(path, std::ios::binary);
        if (!out)
            return false;
        out << "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 " << m_w << " " << m_h
            << "' width='" << m_w * 4 << "' height='" << m_h * 4 << "'>\n"
            << "<defs><marker id='arrow' viewBox='0 0 10 10' refX='9' refY='5' markerWidth='5' "
               "markerHeight='5' orient='auto-start-reverse'><path d='M0,0 L10,5 L0,10 z' "
               "fill='#e67e22'/></marker></defs>\n"
            << "<rect width='100%' height='100%' fill='white'/>\n"
            << m_body.str() << "</svg>\n";
        out.close();
        return static_cast<bool>(out);
    }

private:
    double X(const CGMTRPoint2D& p) const { return p.X() - m_minX; }
    double Y(const CGMTRPoint2D& p) const { return m_maxY - p.Y(); }

    double m_minX, m_maxY, m_w, m_h;
    std::ostringstream m_body;
};

std::string Fmt1(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string Fmt(const CGMTRPoint2D& p) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%.3f, %.3f)", p.X(), p.Y());
    return buf;
}

CGMTRArc2D MakeArc(const CGMTRPoint2D& centre, double radius, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(centre);
    arc.PutRadius(radius);
    arc.PutBaseAngle(start);
    arc.PutSweepAngle(sweep);
    return arc;
}

// The arc through `from` and `to` on the circle of `centre`, counter-clockwise.
CGMTRArc2D ArcBetween(const CGMTRPoint2D& centre, const CGMTRPoint2D& from,
                      const CGMTRPoint2D& to) {
    const double a = GetDirectionAngle(centre.X(), centre.Y(), from.X(), from.Y());
    const double b = GetDirectionAngle(centre.X(), centre.Y(), to.X(), to.Y());
    return MakeArc(centre, centre.Distance2D(from), a, NormalizeAngle(b - a));
}

// One corner of the outline: a segment and an arc meeting at `corner`, with
// the segment arriving (segmentFirst) or leaving.
struct Corner {
    CGMTRPoint2D corner;
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

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const int rc = ParseOptions(argc, argv, options))
        return rc < 0 ? 0 : rc;
    const double d = options.filletRadius;

    SvgPicture svg(-50, -25, 260, 130);
    std::ostream& report = std::cout;
    report << "GMTRRT demo part (fillet radius " << d << ")\n";

    // --- Outline, counter-clockwise: bottom segment, right arc, top segment,
    // left arc. Every corner joins a segment and an arc at an angle.
    const CGMTRPoint2D p0(0, 0), p1(200, 0), p2(200, 100), p3(0, 100);
    const CGMTRPoint2D cRight(130, 50), cLeft(70, 50);
    CGMTRLine2D bottom(p0, p1), top(p2, p3);
    CGMTRArc2D right = ArcBetween(cRight, p1, p2);
    CGMTRArc2D left = ArcBetween(cLeft, p3, p0);
    for (const CGMTRBaseGeo2D* e :
         std::initializer_list<const CGMTRBaseGeo2D*>{&bottom, &right, &top, &left})
        svg.Entity(*e, "#bbbbbb", 0.6, "3,2");

    // --- Fillets: the circle of radius d touching the segment and the arc of
    // each corner, on the inside of the part.
    report << "\nFillets:\n";
    Corner corners[4];
    const CGMTRLine2D* cornerLine[4] = {&bottom, &top, &top, &bottom};
    CGMTRArc2D* cornerArc[4] = {&right, &right, &left, &left};
    const CGMTRPoint2D cornerAt[4] = {p1, p2, p3, p0};
    for (int k = 0; k < 4; ++k) {
        Corner& c = corners[k];
        c.corner = cornerAt[k];
        // Sentinels: the outputs are only written when a fillet exists.
        const CGMTRPoint2D unset(std::nan(""), std::nan(""));
        c.onLine = c.onArc = c.centre = unset;
        cornerArc[k]->LineTangencyDistance(*cornerLine[k], cornerAt[k], d, c.onLine, c.onArc,
                                           c.centre);
        c.filleted = !std::isnan(c.centre.X());
        if (c.filleted)
            report << "  corner " << Fmt(c.corner) << ": centre " << Fmt(c.centre)
                   << ", on segment " << Fmt(c.onLine) << ", on arc " << Fmt(c.onArc) << "\n";
        else
            report << "  corner " << Fmt(c.corner) << ": no fillet of radius " << d
                   << " fits; the corner stays sharp\n";
    }

    // --- The filleted outline as an owning entity collection.
    CGMTRBaseGeo2DCol outline;
    auto startOf = [&](int k) { return corners[k].filleted ? corners[k].onLine : cornerAt[k]; };
    auto arcEnd = [&](int k) { return corners[k].filleted ? corners[k].onArc : cornerAt[k]; };
    outline.Add(new CGMTRLine2D(corners[3].filleted ? corners[3].onLine : p0, startOf(0)));
    if (corners[0].filleted)
        outline.Add(
            new CGMTRArc2D(ArcBetween(corners[0].centre, corners[0].onLine, corners[0].onArc)));
    outline.Add(new CGMTRArc2D(ArcBetween(cRight, arcEnd(0), arcEnd(1))));
    if (corners[1].filleted)
        outline.Add(
            new CGMTRArc2D(ArcBetween(corners[1].centre, corners[1].onArc, corners[1].onLine)));
    outline.Add(new CGMTRLine2D(startOf(1), startOf(2)));
    if (corners[2].filleted)
        outline.Add(
            new CGMTRArc2D(ArcBetween(corners[2].centre, corners[2].onLine, corners[2].onArc)));
    outline.Add(new CGMTRArc2D(ArcBetween(cLeft, arcEnd(2), arcEnd(3))));
    if (corners[3].filleted)
        outline.Add(
            new CGMTRArc2D(ArcBetween(corners[3].centre, corners[3].onArc, corners[3].onLine)));

    double length = 0.0;
    for (long i = 0; i < outline.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = outline.get_Item(i);
        if (!e)
            continue;
        svg.Entity(*e, "#1f4e79", 1.4);
        if (e->get_GeometryType() == GEOMETRY_LINE2D)
            length += static_cast<const CGMTRLine2D*>(e)->get_LineLength();
        else {
            CGMTRArc2D arc(*static_cast<const CGMTRArc2D*>(e));
            length += std::fabs(arc.GetSweepAngle()) * arc.GetRadius();
        }
    }
    for (const Corner& c : corners)
        if (c.filleted) {
            svg.Dot(c.centre, 1.0, "#1f4e79");
            svg.Dot(c.onLine, 1.2, "#2e86c1");
            svg.Dot(c.onArc, 1.2, "#2e86c1");
        }
    if (corners[0].filleted)
        svg.Text(CGMTRPoint2D(corners[0].centre.X() - 22, corners[0].centre.Y() + 2),
                 "fillet R" + Fmt1(d), "#1f4e79");
    char buf[200];
    std::snprintf(buf, sizeof buf, "\nOutline: %d entities, perimeter %.3f\n", outline.GetCount(),
                  length);
    report << buf;

    // --- Junction directions at the sharp corners: the leaving direction of
    // each entity and the turn of the contour there.
    report << "\nJunctions (leaving directions, degrees):\n";
    struct Junction {
        const CGMTRLine2D* line;
        const CGMTRArc2D* arc;
        CGMTRPoint2D at;
        bool lineArrives;
    };
    const Junction junctions[4] = {{&bottom, &right, p1, true},
                                   {&top, &right, p2, false},
                                   {&top, &left, p3, true},
                                   {&bottom, &left, p0, false}};
    for (const Junction& j : junctions) {
        double lineAngle = 0.0, arcAngle = 0.0;
        j.line->GetLineArcAngle(*j.arc, j.at, lineAngle, arcAngle, 1);
        // Leaving both ways from the corner; the contour turns by the angle
        // between arriving along one and leaving along the other.
        const double arrive = (j.lineArrives ? lineAngle : arcAngle) + GMTR_PI;
        const double leave = j.lineArrives ? arcAngle : lineAngle;
        const double turn = NormalizeSignedAngle(leave - arrive);
        svg.Arrow(j.at, lineAngle, 14, "#e67e22");
        svg.Arrow(j.at, arcAngle, 14, "#e67e22");
        char buf[160];
        std::snprintf(buf, sizeof buf, "  at %s: segment %7.2f, arc %7.2f, contour turns %6.2f\n",
                      Fmt(j.at).c_str(), lineAngle * kDeg, arcAngle * kDeg, turn * kDeg);
        report << buf;
    }

    // --- A cutting line and a cutting circle against every outline entity.
    CGMTRLine2D cut(CGMTRPoint2D(-30, 95), CGMTRPoint2D(250, 15));
    CGMTRArc2D ring = MakeArc(CGMTRPoint2D(205, 95), 22, 0.0, GMTR_2PI);
    svg.Entity(cut, "#c0392b", 0.8, "6,3");
    svg.Entity(ring, "#8e44ad", 0.8, "6,3");
    svg.Text(CGMTRPoint2D(-45, 98), "cutting line", "#c0392b");
    svg.Text(CGMTRPoint2D(212, 120), "cutting circle", "#8e44ad");
    const struct {
        CGMTRBaseGeo2D* tool;
        const char* name;
        const char* colour;
    } tools[2] = {{&cut, "line", "#c0392b"}, {&ring, "circle", "#8e44ad"}};
    for (const auto& tool : tools) {
        CGMTRPoint2DCol hits;
        for (long i = 0; i < outline.GetCount(); ++i)
            if (CGMTRBaseGeo2D* e = outline.get_Item(i))
                tool.tool->FGetCrossPoint(e, hits);
        report << "\nCrossings of the cutting " << tool.name << " (" << hits.GetCount() << "):\n";
        for (long i = 0; i < hits.GetCount(); ++i) {
            CGMTRPoint2D p;
            hits.get_Item(i, p);
            svg.Dot(p, 1.8, tool.colour);
            svg.Text(CGMTRPoint2D(p.X() + 2, p.Y() + 2), std::string(1, 'A' + i), tool.colour);
            report << "  " << static_cast<char>('A' + i) << " " << Fmt(p) << "  at "
                   << static_cast<int>(tool.tool->PointToPercent(p) * 100 + 0.5) << "% along the "
                   << tool.name << "\n";
        }
    }

    // --- Bolt circle: six holes turned about the hub by the arc pattern.
    const CGMTRPoint2D hub(60, 50);
    CGMTRRepeatArc2D bolts;
    bolts.ConstructRepeatArc(hub.X(), hub.Y(), GMTR_2PI / 6, 6);
    const CGMTRPoint2D firstBolt(85, 50);
    report << "\nBolt circle (" << bolts.GetCount() << " holes about " << Fmt(hub) << "):\n ";
    svg.Ring(hub, 25, "#aaaaaa");
    svg.Text(CGMTRPoint2D(hub.X() - 14, hub.Y() - 1), "bolt circle", "#117a65");
    for (long i = 0; i < bolts.GetCount(); ++i) {
        const CGMTRPoint2D h = bolts.GetRepeatPoint(i, firstBolt, firstBolt);
        svg.Ring(h, 4, "#117a65");
        report << " " << Fmt(h);
    }
    report << "\n";

    // --- Holes: a line of two, repeated by a serpentine 2 x 3 grid.
    CGMTRRepeatLine2D pair;
    pair.ConstructRepeatLine(0.0, 12.0, 2);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(30.0, 25.0, 2, 3, 0.0);
    pair.SetRepeat(&grid); // the chain keeps its own copy of the grid
    const CGMTRPoint2D firstHole(110, 20);
    report << "\nHole pattern (line of 2, then a 2 x 3 grid, serpentine): " << pair.GetCount()
           << " holes\n";
    svg.Text(CGMTRPoint2D(firstHole.X(), firstHole.Y() - 10), "hole grid (serpentine order)",
             "#b9770e");
    for (long i = 0; i < pair.GetCount(); ++i) {
        const CGMTRPoint2D h = pair.GetRepeatPoint(i, firstHole, firstHole);
        svg.Ring(h, 3, "#b9770e");
        svg.Text(CGMTRPoint2D(h.X() - 1.6, h.Y() - 1.8), std::to_string(i), "#b9770e", 4.5);
        report << "  #" << i << " " << Fmt(h) << "\n";
    }

    // --- Arc union: two overlapping arcs of one circle become one.
    CGMTRArc2D first = MakeArc(hub, 35, 10 / kDeg, 60 / kDeg);
    CGMTRArc2D second = MakeArc(hub, 35, 140 / kDeg, -80 / kDeg); // clockwise
    CGMTRArc2D joined(first);
    const int ok = first.GetConedArc(second, joined);
    svg.Entity(first, "#27ae60", 3.0);
    svg.Entity(second, "#f1c40f", 3.0);
    svg.Entity(joined, "#000000", 0.8);
    svg.Text(joined.FGetMidPoint(), "arc union", "#000000");
    std::snprintf(buf, sizeof buf,
                  "\nArc union: [10, +60] and [140, -80] degrees -> %s start %.2f, sweep %.2f\n",
                  ok ? "joined," : "not joined,", joined.GetBaseAngle() * kDeg,
                  joined.GetSweepAngle() * kDeg);
    report << buf;

    if (!svg.Write(options.output)) {
        std::cerr << "gmtrrt_demo: cannot write " << options.output << "\n";
        return 1;
    }
    report << "\nPicture written to " << options.output << "\n";
    return 0;
}
