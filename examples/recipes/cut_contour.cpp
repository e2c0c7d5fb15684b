// Recipe: cut a contour with a line and count the crossings robustly.
//
// Asking every entity of a closed contour for its crossings with a cutting
// line and counting the points does not tell inside from outside: where the
// line passes through a point that two entities share, two segments report
// nothing there, a segment and an arc report the point once and two arcs
// twice. So the crossings are collected per place: segments through
// GetCrossPointEx (which also finds shared end points and very short
// segments) with a check that the point lies on both, arcs through
// FGetCrossPoint; places closer than a small distance are merged; and each
// place counts as a crossing only when the contour really passes from one
// side of the line to the other there.
//
// The program checks that every crossing lies on the cutting line and on the
// contour, that it finds the four crossings this contour has, and that the
// pieces of the line between them alternate inside and outside.
//
// usage: recipe_cut_contour [--svg PATH]
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const double kEps = 1e-9;

double Length(const CGMTRBaseGeo2D& e) {
    if (e.get_GeometryType() == GEOMETRY_LINE2D)
        return static_cast<const CGMTRLine2D&>(e).get_LineLength();
    return static_cast<const CGMTRArc2D&>(e).PercentToDistance(1.0);
}

// -1, 0 or +1: the side of the cutting line on which p lies.
int Side(const CGMTRLine2D& cut, const CGMTRPoint2D& p) {
    const CGMTRVector2D v = cut.get_BaseVector();
    const CGMTRPoint2D b = cut.get_BasePoint();
    const double c = v.X() * (p.Y() - b.Y()) - v.Y() * (p.X() - b.X());
    return c > kEps ? 1 : c < -kEps ? -1 : 0;
}

//! [places]
// Every point where the cutting line meets the contour, once per place.
std::vector<CGMTRPoint2D> MeetingPlaces(const CGMTRLine2D& cut, const CGMTRBaseGeo2DCol& contour) {
    std::vector<CGMTRPoint2D> places;
    auto add = [&](const CGMTRPoint2D& p) {
        for (const CGMTRPoint2D& q : places)
            if (q.Distance2D(p) < kEps)
                return;
        places.push_back(p);
    };
    for (long i = 0; i < contour.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = contour.get_Item(i);
        if (e->get_GeometryType() == GEOMETRY_LINE2D) {
            // The crossing of the two lines, kept when it lies on both
            // segments. Parallel lines give none.
            CGMTRPoint2D p;
            if (cut.GetCrossPointEx(*static_cast<const CGMTRLine2D*>(e), p) == 1 &&
                cut.Distance(p) < kEps && e->Distance(p) < kEps)
                add(p);
        } else {
            CGMTRPoint2DCol hits;
            cut.FGetCrossPoint(e, hits);
            for (long k = 0; k < hits.GetCount(); ++k) {
                CGMTRPoint2D p;
                hits.get_Item(k, p);
                add(p);
            }
        }
    }
    return places;
}

// True when the contour passes from one side of the line to the other at p:
// the contour's points a small step before and after p lie on opposite
// sides. A place where the contour only touches the line is not a crossing.
bool Crosses(const CGMTRLine2D& cut, const CGMTRBaseGeo2DCol& contour, const CGMTRPoint2D& p) {
    const double step = 1e-4;
    int before = 0, after = 0;
    for (long i = 0; i < contour.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = contour.get_Item(i);
        const double t = e->PointToPercent(p);
        if (t == -1.0)
            continue;
        const double dt = step / Length(*e);
        if (t > dt)
            before = Side(cut, e->PercentToPoint(t - dt));
        if (t < 1 - dt)
            after = Side(cut, e->PercentToPoint(t + dt));
    }
    return before * after < 0;
}
//! [places]

int failures = 0;
void Check(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("WRONG: %s\n", what.c_str());
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv) {
    const double deg = GMTR_PI / 180.0;
    // A closed contour that meets the line y = 0 only at points where two of
    // its entities join: two segments at (100, 0), a segment and an arc at
    // (60, 0) and (20, 0), two arcs at (40, 0).
    CGMTRBaseGeo2DCol contour;
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(0, -20), CGMTRPoint2D(100, -20)));
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(100, -20), CGMTRPoint2D(100, 0)));
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(100, 0), CGMTRPoint2D(90, 20)));
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(90, 20), CGMTRPoint2D(70, 20)));
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(70, 20), CGMTRPoint2D(60, 0)));
    contour.Add(new CGMTRArc2D(CGMTRPoint2D(50, 0), 10, 0, -180 * deg));
    contour.Add(new CGMTRArc2D(CGMTRPoint2D(30, 0), 10, 0, 180 * deg));
    contour.Add(new CGMTRLine2D(CGMTRPoint2D(20, 0), CGMTRPoint2D(0, -20)));
    const CGMTRLine2D cut(CGMTRPoint2D(-10, 0), CGMTRPoint2D(115, 0));

    // What counting the raw points says.
    CGMTRPoint2DCol raw;
    for (long i = 0; i < contour.GetCount(); ++i)
        cut.FGetCrossPoint(contour.get_Item(i), raw);
    std::printf("FGetCrossPoint over the contour: %d points\n", raw.GetCount());

    //! [count]
    std::vector<CGMTRPoint2D> crossings;
    for (const CGMTRPoint2D& p : MeetingPlaces(cut, contour))
        if (Crosses(cut, contour, p))
            crossings.push_back(p);
    // In order along the cutting line: pieces between crossings 0-1, 2-3, ...
    // lie inside the contour.
    std::sort(crossings.begin(), crossings.end(),
              [&](const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
                  return cut.PointToPercent(a) < cut.PointToPercent(b);
              });
    //! [count]
    std::printf("crossings: %zu\n", crossings.size());
    for (const CGMTRPoint2D& p : crossings)
        std::printf("  %s\n", sketch::Pt(p, 3).c_str());

    // The checks. The raw count differs from the real one place by place:
    // (100, 0) gives no point and (40, 0) two.
    const double expected[4] = {20, 40, 60, 100};
    Check(crossings.size() == 4, "four crossings");
    for (std::size_t i = 0; i < crossings.size() && i < 4; ++i) {
        const CGMTRPoint2D& p = crossings[i];
        Check(std::fabs(p.X() - expected[i]) < kEps && std::fabs(p.Y()) < kEps,
              "crossing " + std::to_string(i) + " at " + sketch::Pt(p));
        Check(cut.Distance(p) < kEps, "crossing on the cutting line");
        double nearest = 1e300;
        for (long k = 0; k < contour.GetCount(); ++k)
            nearest = std::min(nearest, contour.get_Item(k)->Distance(p));
        Check(nearest < kEps, "crossing on the contour");
    }
    // Inside and outside alternate: a ray from the middle of each piece
    // straight down crosses the contour an odd number of times exactly when
    // the piece is inside (pieces 1 and 3 of the five).
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        const CGMTRPoint2D mid((crossings[i].X() + crossings[i + 1].X()) / 2, 0.0);
        const CGMTRLine2D ray(mid, CGMTRPoint2D(mid.X() + 0.001, -100));
        std::size_t below = 0;
        for (const CGMTRPoint2D& p : MeetingPlaces(ray, contour))
            below += Crosses(ray, contour, p) ? 1 : 0;
        Check(below % 2 == (i % 2 == 0 ? 1u : 0u), "piece " + std::to_string(i) + " inside");
    }
    std::printf("%s\n", failures ? "WRONG" : "all checks passed");

    if (argc == 3 && std::string(argv[1]) == "--svg") {
        sketch::Sketch svg(-14, -28, 120, 32, 5.0);
        for (long i = 0; i < contour.GetCount(); ++i)
            svg.Entity(*contour.get_Item(i), {"#1f4e79", 2.5});
        svg.Entity(cut, {"#c0392b", 1.5, "7,4"});
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            svg.Segment(crossings[i], crossings[i + 1], {"#1e8449", 5.0, nullptr, 0.6});
        for (const CGMTRPoint2D& p : crossings)
            svg.Dot(p, 5, "#c0392b");
        // One ring per raw point; points at the same place get wider rings.
        for (long i = 0; i < raw.GetCount(); ++i) {
            CGMTRPoint2D p, q;
            raw.get_Item(i, p);
            int same = 0;
            for (long k = 0; k < i; ++k)
                same += raw.get_Item(k, q) && q.Distance2D(p) < kEps ? 1 : 0;
            svg.Ring(p, 9 + 4 * same, "#e67e22", 1.5, "none");
        }
        svg.Legend(8, 8,
                   {{{"#c0392b", 1.5, "7,4"}, "the cutting line"},
                    {{"#c0392b"}, "crossings, counted per place", true},
                    {{"#e67e22", 1.2}, "raw FGetCrossPoint results (rings)"},
                    {{"#1e8449", 5.0, nullptr, 0.6}, "the line inside the contour"}});
        if (!svg.Write(argv[2]))
            return 2;
    }
    return failures ? 1 : 0;
}
