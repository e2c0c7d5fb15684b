// The figures of the user guide, drawn from the library's own results.
//
// Every point, circle and count in a figure comes from a call of the library;
// the program only chooses the inputs, the colours and where the labels go.
//
// usage: gmtrrt_figures DIR              writes every figure as DIR/NAME.svg
//        gmtrrt_figures --list           prints the figure names
//        gmtrrt_figures --compare A B    exits 0 when the SVG files A and B
//                                        agree (numbers within one unit of
//                                        their last written digit)
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRTransform2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"
#include "sketch.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using sketch::Num;
using sketch::Pen;
using sketch::Pt;
using sketch::Sketch;

const double kDeg = GMTR_PI / 180.0;

const char* const kInk = "#222222";
const char* const kGrey = "#9a9a9a";
const char* const kBlue = "#1f4e79";
const char* const kRed = "#c0392b";
const char* const kGreen = "#1e8449";
const char* const kOrange = "#e67e22";
const char* const kPurple = "#8e44ad";
const char* const kGold = "#b9770e";

const Pen kEntity{kBlue, 2.5};
const Pen kOther{kGreen, 2.5};
const Pen kHelper{kGrey, 1.0, "4,3"};

std::string Deg(double radians, int decimals = 0) {
    return Num(radians / kDeg, decimals);
}

CGMTRPoint2D Item(const CGMTRPoint2DCol& points, long i) {
    CGMTRPoint2D p;
    points.get_Item(i, p);
    return p;
}

// Panels of one size side by side (and in rows): each panel shows the model
// window [x0, x1] x [y0, y1] under a title and caption, with room for text
// lines below.
struct Panels {
    double x0, y0, x1, y1, scale;
    int cols = 1, rows = 1;
    double header = 44, footer = 40;

    double Width() const { return (x1 - x0) * scale + 24; }
    double Height() const { return header + (y1 - y0) * scale + footer; }
    Sketch Make() const {
        return Sketch({cols * Width(), rows * Height()}, scale, 12 - x0 * scale,
                      header + y1 * scale);
    }
    double Left(int c) const { return c * Width() + 12; }
    double Top(int r) const { return r * Height(); }
    // Pixel y of text line `line` (0, 1, ...) below the panel's drawing.
    double Below(int r, int line) const {
        return Top(r) + header + (y1 - y0) * scale + 16 + 16 * line;
    }

    // Starts panel (c, r): the model origin moves there, the title and an
    // optional caption are written.
    void Enter(Sketch& svg, int c, int r, const std::string& title, const std::string& caption = "",
               const char* captionColour = kInk) const {
        svg.Place(Left(c) - x0 * scale, Top(r) + header + y1 * scale);
        svg.TextPx(Left(c), Top(r) + 18, title, kInk, "start", 13.5, true);
        if (!caption.empty())
            svg.TextPx(Left(c), Top(r) + 35, caption, captionColour, "start", 12);
    }
    void Line(Sketch& svg, int c, int r, int line, const std::string& text,
              const char* colour = kInk) const {
        svg.TextPx(Left(c), Below(r, line), text, colour, "start", 12);
    }
};

bool Written(const CGMTRPoint2D& p) {
    return !std::isnan(p.X());
}

// ---- Conventions -------------------------------------------------------

Sketch Angles() {
    const Panels layout{-42, -28, 48, 40, 4.2, 2, 1, 44, 10};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "angles: radians, counter-clockwise from +x");
    const CGMTRPoint2D o(0, 0);
    svg.ArrowTo(CGMTRPoint2D(-40, 0), CGMTRPoint2D(44, 0), kGrey, 1.0);
    svg.Text(CGMTRPoint2D(44, 0), "+x", kGrey, -4, 16);
    const CGMTRArc2D ccw(o, 30, 30 * kDeg, 120 * kDeg);
    const CGMTRArc2D cw(o, 20, 30 * kDeg, -120 * kDeg);
    svg.Segment(o, ccw.GetStartPoint(), kHelper);
    svg.Entity(ccw, kEntity);
    svg.Entity(cw, {kRed, 2.5});
    // The direction of travel at each end point (arriving there).
    for (const CGMTRArc2D* arc : {&ccw, &cw}) {
        double a = 0, b = 0;
        arc->GetArcArcAngle(*arc, arc->GetEndPoint(), a, b, 0);
        svg.Arrow(arc->GetEndPoint(), a, 22, arc == &ccw ? kBlue : kRed, 2.0);
    }
    const CGMTRArc2D startAngle(o, 8, 0, ccw.GetBaseAngle());
    svg.Entity(startAngle, {kInk, 1.0});
    svg.Text(startAngle.FGetMidPoint(), "start angle " + Deg(ccw.GetBaseAngle()) + "°", kInk, 8, 0);
    svg.Text(ccw.FGetMidPoint(), "sweep +" + Deg(ccw.GetSweepAngle()) + "°", kBlue, 0, -10,
             "middle");
    svg.Text(cw.FGetMidPoint(), "sweep " + Deg(cw.GetSweepAngle()) + "°", kRed, 10, 16);

    layout.Enter(svg, 1, 0, "a point turned by the matrix");
    CGMTRMatrix2D turn;
    turn.SetToRotate(60 * kDeg);
    const CGMTRPoint2D p(30, 0);
    CGMTRPoint2D q = p;
    q *= turn;
    svg.ArrowTo(CGMTRPoint2D(-40, 0), CGMTRPoint2D(44, 0), kGrey, 1.0);
    svg.Segment(o, p, kHelper);
    svg.Segment(o, q, kHelper);
    svg.Entity(CGMTRArc2D(o, 12, 0, GetDirectionAngle(0, 0, q.X(), q.Y())), {kInk, 1.0});
    svg.Dot(p, 4.5, kGrey);
    svg.Dot(q, 4.5, kBlue);
    svg.Text(p, Pt(p, 0), kGrey, 0, 20, "middle", 12);
    svg.Text(q, "SetToRotate(pi/3): " + Pt(q, 2), kBlue, -8, -8, "end", 12);
    return svg;
}

Sketch Tolerance() {
    // Offsets in steps of 0.9e-11 around the origin, drawn 12 px apart.
    const double step = 0.9e-11;
    const Panels layout{-13, -13, 13, 13, 12, 1, 1, 44, 24};
    Sketch svg({layout.Width() + 300, layout.Height()}, 12, 12 + 13 * 12, 44 + 13 * 12);
    layout.Enter(svg, 0, 0, "IsSamePoint(0, 0, dx, dy)");
    const int n = 12;
    int same = 0;
    for (int i = -n; i <= n; ++i)
        for (int j = -n; j <= n; ++j) {
            const bool s = IsSamePoint(0.0, 0.0, i * step, j * step);
            same += s ? 1 : 0;
            svg.Dot(CGMTRPoint2D(i, j), s ? 3.5 : 1.5, s ? kBlue : kGrey);
        }
    svg.Circle(CGMTRPoint2D(0, 0), GMTR_TOL / step, {kRed, 1.5, "5,3"});
    layout.Line(svg, 0, 0, 0, "dx and dy from -1.08e-10 to +1.08e-10");
    const double x = layout.Width() + 4;
    svg.Legend(x, 60,
               {{{kBlue}, "same point: |dx| + |dy| < 1e-10", true},
                {{kGrey}, "different points", true},
                {{kRed, 1.5, "5,3"}, "Euclidean distance 1e-10"}});
    svg.TextPx(x, 150, Num(same, 0) + " of 625 offsets are the same point:", kInk);
    svg.TextPx(x, 168, "the tolerance bounds the sum of both", kInk);
    svg.TextPx(x, 186, "differences (a diamond, not a circle).", kInk);
    svg.TextPx(x, 212, "It is strict: IsEqualValue(0, 1e-10)", kInk);
    svg.TextPx(x, 230,
               std::string("is ") + (IsEqualValue(0.0, GMTR_TOL) ? "true" : "false") +
                   ", IsEqualValue(0, 0.99e-10) is " +
                   (IsEqualValue(0.0, 0.99e-10) ? "true" : "false"),
               kInk);
    return svg;
}

Sketch Percent() {
    const Panels layout{-8, -6, 62, 18, 6, 2, 1, 44, 10};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "a segment", "PercentToPoint(t) for t = 0, 0.25, ..., 1");
    const CGMTRLine2D seg(CGMTRPoint2D(0, 0), CGMTRPoint2D(40, 10));
    svg.Entity(seg, kEntity);
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        svg.Dot(seg.PercentToPoint(t), 4, kBlue);
        svg.Text(seg.PercentToPoint(t), Num(t, 2), kBlue, 0, 20, "middle", 12);
    }
    const CGMTRPoint2D off(16, 12);
    svg.Cross(off, 4, kRed);
    svg.Text(off, "PointToPercent = " + Num(seg.PointToPercent(off), 1), kRed, -8, -10, "start",
             12);
    svg.Text(seg.FGetStartPoint(), "start", kInk, -6, -8, "middle", 12);

    layout.Enter(svg, 1, 0, "a clockwise arc", "runs from its start, whichever way it turns");
    const CGMTRArc2D arc(CGMTRPoint2D(18, -14), 26, 150 * kDeg, -120 * kDeg);
    svg.Entity(arc, kEntity);
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        svg.Dot(arc.PercentToPoint(t), 4, kBlue);
        svg.Text(arc.PercentToPoint(t), Num(t, 2), kBlue, 0, 20, "middle", 12);
    }
    const double fromEnd = arc.DistanceToPercent(1, 10.0);
    svg.Dot(arc.PercentToPoint(fromEnd), 4, kRed);
    svg.Text(arc.PercentToPoint(fromEnd), "10 from the end: " + Num(fromEnd, 3), kRed, 8, -10,
             "start", 12);
    svg.Text(arc.FGetStartPoint(), "start", kInk, -8, -8, "end", 12);
    return svg;
}

Sketch Ownership() {
    const Panels layout{-24, -6, 60, 34, 4.6, 2, 1, 44, 40};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "an entity collection owns its entities",
                 "get_Item lends them; Clone makes one the caller owns");
    CGMTRBaseGeo2DCol outline;
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(0, 0), CGMTRPoint2D(30, 0)));
    outline.Add(new CGMTRArc2D(CGMTRPoint2D(30, 12), 12, -90 * kDeg, 180 * kDeg));
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(30, 24), CGMTRPoint2D(0, 24)));
    outline.Add(new CGMTRLine2D(CGMTRPoint2D(0, 24), CGMTRPoint2D(0, 0)));
    const char* anchors[4] = {"middle", "start", "middle", "end"};
    const double dx[4] = {0, 8, 0, -8}, dy[4] = {18, 4, -8, 4};
    for (long i = 0; i < outline.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = outline.get_Item(i);
        svg.Entity(*e, kEntity);
        svg.Text(e->FGetMidPoint(), "get_Item(" + Num(i, 0) + ")", kBlue, dx[i], dy[i], anchors[i],
                 12);
    }
    // A clone belongs to the caller, who releases it.
    CGMTRBaseGeo2D* copy = outline.get_Item(1)->Clone();
    static_cast<CGMTRArc2D*>(copy)->PutBasePoint(CGMTRPoint2D(36, 12));
    svg.Entity(*copy, {kRed, 2.0, "6,3"});
    layout.Line(svg, 0, 0, 0, "dashed: a Clone of item 1, moved; the caller Releases it", kRed);
    layout.Line(svg, 0, 0, 1, "the collection deletes its own entities", kBlue);
    copy->Release();

    layout.Enter(svg, 1, 0, "SetRepeat stores a copy of the pattern",
                 "changing the grid afterwards leaves the chain as it was");
    CGMTRRepeatLine2D line;
    line.ConstructRepeatLine(0.0, 8.0, 2);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(20.0, 14.0, 2, 2, 0.0);
    line.SetRepeat(&grid);
    grid.PutRepeatX(3); // changes the caller's grid only
    const CGMTRPoint2D first(-14, 6);
    for (long i = 0; i < line.GetCount(); ++i)
        svg.Ring(line.GetRepeatPoint(i, first, first), 8, kGreen, 2.0);
    for (long i = 0; i < grid.GetCount(); ++i)
        svg.Dot(grid.GetRepeatPoint(i, first, first), 3.5, kOrange);
    layout.Line(svg, 1, 0, 0, "rings: the chain's " + Num(line.GetCount(), 0) + " copies", kGreen);
    layout.Line(svg, 1, 0, 1,
                "dots: the grid after PutRepeatX(3), " + Num(grid.GetCount(), 0) + " copies",
                kOrange);
    return svg;
}

Sketch Failures() {
    const Panels layout{-4, -16, 60, 16, 5, 2, 1, 44, 40};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "nothing found: the output is not written");
    const CGMTRLine2D a(CGMTRPoint2D(0, 4), CGMTRPoint2D(44, 12));
    const CGMTRLine2D b(CGMTRPoint2D(0, -8), CGMTRPoint2D(44, 0));
    CGMTRPoint2D p(-1, -1); // the caller's previous value
    const int found = a.GetCrossPointEx(b, p);
    svg.Entity(a, kEntity);
    svg.Entity(b, kOther);
    layout.Line(svg, 0, 0, 0, "parallel lines: GetCrossPointEx returns " + Num(found, 0) + ",");
    layout.Line(svg, 0, 0, 1, "and the point still holds " + Pt(p, 0));

    layout.Enter(svg, 1, 0, "results are appended, never cleared");
    const CGMTRLine2D cut(CGMTRPoint2D(-2, 0), CGMTRPoint2D(50, 0));
    const CGMTRLine2D post(CGMTRPoint2D(6, -12), CGMTRPoint2D(6, 12));
    const CGMTRArc2D ring(CGMTRPoint2D(32, 0), 12, 0, GMTR_2PI);
    CGMTRPoint2DCol hits;
    cut.FGetCrossPoint(&post, hits); // an earlier query
    const long before = hits.GetCount();
    cut.FGetCrossPoint(&ring, hits);
    svg.Entity(cut, {kInk, 1.5});
    svg.Entity(post, kOther);
    svg.Entity(ring, kEntity);
    for (long i = 0; i < hits.GetCount(); ++i) {
        svg.Dot(Item(hits, i), 4.5, i < before ? kGreen : kBlue);
        svg.Text(Item(hits, i), "#" + Num(i, 0), i < before ? kGreen : kBlue, 5, -8, "start", 12);
    }
    layout.Line(svg, 1, 0, 0, "#0 was in the collection before the circle's");
    layout.Line(svg, 1, 0, 1, "query, which appended #1 and #2");
    return svg;
}

// ---- Crossings ---------------------------------------------------------------

Sketch SharedEnds() {
    const Panels layout{-20, -12, 20, 12, 5.5, 3, 1, 44, 26};
    Sketch svg = layout.Make();
    const CGMTRLine2D cut(CGMTRPoint2D(-18, 0), CGMTRPoint2D(18, 0));
    const CGMTRArc2D arcIn(CGMTRPoint2D(-10, 0), 10, -90 * kDeg, 90 * kDeg);
    const CGMTRArc2D arcOut(CGMTRPoint2D(10, 0), 10, 180 * kDeg, -90 * kDeg);
    const CGMTRLine2D segIn(CGMTRPoint2D(-10, -10), CGMTRPoint2D(0, 0));
    const CGMTRLine2D segOut(CGMTRPoint2D(0, 0), CGMTRPoint2D(10, 10));
    const CGMTRBaseGeo2D* pairs[3][2] = {{&segIn, &segOut}, {&arcIn, &segOut}, {&arcIn, &arcOut}};
    const char* names[3] = {"two segments", "an arc and a segment", "two arcs"};
    for (int k = 0; k < 3; ++k) {
        layout.Enter(svg, k, 0, names[k], "meet on the cutting line");
        CGMTRPoint2DCol hits;
        cut.FGetCrossPoint(pairs[k][0], hits);
        cut.FGetCrossPoint(pairs[k][1], hits);
        svg.Entity(cut, {kRed, 1.5, "7,4"});
        svg.Entity(*pairs[k][0], kEntity);
        svg.Entity(*pairs[k][1], kEntity);
        for (long i = 0; i < hits.GetCount(); ++i)
            svg.Ring(Item(hits, i), 5 + 4 * i, kRed, 1.8, "none");
        layout.Line(svg, k, 0, 0,
                    "crossings: " + Num(hits.GetCount(), 0) +
                        (hits.GetCount() == 1 ? " point" : " points"),
                    kRed);
    }
    return svg;
}

Sketch TinyCross() {
    const Panels layout{-1.2, -0.4, 4.4, 3.2, 50, 2, 1, 78, 10};
    Sketch svg = layout.Make();
    const double h = 4.0 * std::sqrt(0.5);
    for (int k = 0; k < 2; ++k) {
        // The same X at two sizes: 4 units long, and 1000 times smaller.
        const double s = k == 0 ? 1.0 : 0.001;
        const CGMTRLine2D a(CGMTRPoint2D(0, 0), CGMTRPoint2D(h * s, h * s));
        const CGMTRLine2D b(CGMTRPoint2D(0, h * s), CGMTRPoint2D(h * s, 0));
        CGMTRPoint2DCol hits;
        a.GetCrossPoint(b, hits);
        CGMTRPoint2D ex(NAN, NAN);
        const int found = a.GetCrossPointEx(b, ex);
        layout.Enter(svg, k, 0, k == 0 ? "segments 4 long" : "segments 0.004 long (drawn x1000)",
                     "GetCrossPoint: " + Num(hits.GetCount(), 0) + " point", kRed);
        svg.TextPx(layout.Left(k), 52,
                   "GetCrossPointEx: " + Num(found, 0) + (found ? ", at " + Pt(ex, 4) : ""),
                   kOrange, "start", 12);
        // Drawn magnified by 1 / s.
        svg.Entity(CGMTRLine2D(a.get_BasePoint() * (1 / s), a.get_EndPoint() * (1 / s)), kEntity);
        svg.Entity(CGMTRLine2D(b.get_BasePoint() * (1 / s), b.get_EndPoint() * (1 / s)), kOther);
        if (found)
            svg.Ring(ex * (1 / s), 10, kOrange, 2.0, "none");
        if (hits.GetCount() > 0)
            svg.Dot(Item(hits, 0) * (1 / s), 4.5, kRed);
    }
    return svg;
}

Sketch CrossingOrder() {
    const Panels layout{-17, -16, 24, 16, 4.8, 3, 1, 44, 40};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "arc with arc", "first the point left of the centre line");
    const CGMTRArc2D a(CGMTRPoint2D(-2, -2), 13, 0, GMTR_2PI);
    const CGMTRArc2D b(CGMTRPoint2D(12, 3), 9, 90 * kDeg, 200 * kDeg);
    CGMTRPoint2DCol hits;
    a.GetCrossPointArc(b, hits);
    svg.Entity(a, kEntity);
    svg.Entity(b, kOther);
    svg.ArrowTo(a.GetBasePoint(), b.GetBasePoint(), kGrey, 1.2);
    for (long i = 0; i < hits.GetCount(); ++i) {
        svg.Dot(Item(hits, i), 4.5, kRed);
        svg.Text(Item(hits, i), "#" + Num(i, 0), kRed, -8, i == 0 ? -8 : 18, "end", 13);
    }
    layout.Line(svg, 0, 0, 0, "this arc blue, the other green;");
    layout.Line(svg, 0, 0, 1, "grey: from this centre to the other");

    layout.Enter(svg, 1, 0, "a segment and its line");
    const CGMTRArc2D circle(CGMTRPoint2D(0, 0), 12, 0, GMTR_2PI);
    const CGMTRLine2D seg(CGMTRPoint2D(-5, 6), CGMTRPoint2D(6, 6));
    CGMTRPoint2DCol onSeg, onLine;
    circle.GetCrossPointLine(seg, onSeg);
    circle.GetCrossPointLineEx(seg, onLine);
    svg.Entity(circle, kEntity);
    svg.Segment(Item(onLine, 0), Item(onLine, 1), kHelper);
    svg.Entity(seg, {kOrange, 2.5});
    for (long i = 0; i < onLine.GetCount(); ++i)
        svg.Ring(Item(onLine, i), 5, kRed, 1.8, "none");
    layout.Line(svg, 1, 0, 0, "GetCrossPointLine: " + Num(onSeg.GetCount(), 0) + " points");
    layout.Line(svg, 1, 0, 1, "GetCrossPointLineEx: " + Num(onLine.GetCount(), 0) + " (rings)",
                kRed);

    layout.Enter(svg, 2, 0, "a tangent line");
    const CGMTRLine2D tangent(CGMTRPoint2D(-14, 12), CGMTRPoint2D(14, 12));
    CGMTRPoint2DCol touch;
    circle.GetCrossPointLine(tangent, touch);
    svg.Entity(circle, kEntity);
    svg.Entity(tangent, {kOrange, 2.5});
    for (long i = 0; i < touch.GetCount(); ++i)
        svg.Ring(Item(touch, i), 5 + 4 * i, kRed, 1.8, "none");
    layout.Line(svg, 2, 0, 0, "the touching point comes twice:");
    layout.Line(svg, 2, 0, 1, Num(touch.GetCount(), 0) + " points", kRed);
    return svg;
}

// ---- Fillets -------------------------------------------------------------------

// Draws a fillet result: the circle, its centre and the two touching points.
void DrawFillet(Sketch& svg, const CGMTRPoint2D& centre, double d, const CGMTRPoint2D& t1,
                const CGMTRPoint2D& t2, const char* colour = kRed) {
    svg.Circle(centre, d, {colour, 1.8});
    svg.Cross(centre, 3.5, colour);
    svg.Dot(t1, 4, colour);
    svg.Dot(t2, 4, colour);
}

Sketch SegmentFillets() {
    const Panels layout{-4, -6, 56, 32, 4.2, 3, 1, 44, 26};
    Sketch svg = layout.Make();
    const CGMTRLine2D in1(CGMTRPoint2D(0, 0), CGMTRPoint2D(40, 0));
    const CGMTRLine2D out1(CGMTRPoint2D(40, 0), CGMTRPoint2D(52, 28));
    const CGMTRLine2D in2(CGMTRPoint2D(0, 28), CGMTRPoint2D(40, 28));
    const CGMTRLine2D out2(CGMTRPoint2D(40, 28), CGMTRPoint2D(52, 0));
    const CGMTRLine2D* ins[2] = {&in1, &in2};
    const CGMTRLine2D* outs[2] = {&out1, &out2};
    for (int k = 0; k < 2; ++k) {
        layout.Enter(svg, k, 0, k == 0 ? "turning left" : "turning right",
                     "corner = the common end point, radius 8");
        const CGMTRPoint2D corner = ins[k]->get_EndPoint();
        CGMTRPoint2D onThis, onOther, centre;
        const int ok = ins[k]->LineTangencyDistance(*outs[k], corner, 8.0, onThis, onOther, centre);
        svg.Entity(*ins[k], kEntity);
        svg.Entity(*outs[k], kOther);
        svg.Arrow(ins[k]->GetMidPoint(), ins[k]->get_BaseAngle(), 18, kBlue);
        svg.Arrow(outs[k]->GetMidPoint(), outs[k]->get_BaseAngle(), 18, kGreen);
        if (ok)
            DrawFillet(svg, centre, 8.0, onThis, onOther);
        svg.Text(corner, "corner", kInk, k == 0 ? 0 : 12, k == 0 ? 18 : -2,
                 k == 0 ? "middle" : "start", 12);
        layout.Line(svg, k, 0, 0, "returns " + Num(ok, 0) + ", centre " + Pt(centre, 2), kRed);
    }

    // Two crossing segments have four corners; the point `corner` picks one.
    layout.Enter(svg, 2, 0, "four corners of two crossing lines", "each picked by its + point");
    svg.Place(layout.Left(2) + 30 * 4.2, 44 + (32 - 13) * 4.2);
    const CGMTRLine2D h(CGMTRPoint2D(-28, 0), CGMTRPoint2D(28, 0));
    const CGMTRLine2D v(CGMTRPoint2D(-8, -18), CGMTRPoint2D(8, 18));
    svg.Entity(h, kEntity);
    svg.Entity(v, kOther);
    const CGMTRPoint2D picks[4] = {CGMTRPoint2D(18, 10), CGMTRPoint2D(-8, 15),
                                   CGMTRPoint2D(-18, -10), CGMTRPoint2D(8, -15)};
    const char* colours[4] = {kRed, kPurple, kOrange, kGold};
    for (int k = 0; k < 4; ++k) {
        CGMTRPoint2D onThis, onOther, centre;
        if (h.LineTangencyDistance(v, picks[k], 5.0, onThis, onOther, centre))
            DrawFillet(svg, centre, 5.0, onThis, onOther, colours[k]);
        svg.Text(picks[k], "+", colours[k], 0, 6, "middle", 18);
    }
    return svg;
}

Sketch FilletOutputs() {
    const Panels layout{-4, -4, 34, 13, 9, 2, 1, 44, 40};
    Sketch svg = layout.Make();
    const CGMTRArc2D arc(CGMTRPoint2D(0, 0), 10, 0, GMTR_HALF_PI);
    const CGMTRLine2D edge(CGMTRPoint2D(10, 0), CGMTRPoint2D(30, 0));
    const CGMTRPoint2D q(10, 0);
    // The radius-2 call writes its outputs; the radius-50 call leaves fresh
    // outputs NaN, and outputs reused from the first call as they were.
    CGMTRPoint2D onEdge(NAN, NAN), onArc(NAN, NAN), centre(NAN, NAN);
    arc.LineTangencyDistance(edge, q, 2.0, onEdge, onArc, centre);
    const CGMTRPoint2D first = centre, firstEdge = onEdge, firstArc = onArc;
    CGMTRPoint2D fresh(NAN, NAN), a(NAN, NAN), b(NAN, NAN);
    arc.LineTangencyDistance(edge, q, 50.0, a, b, fresh);
    arc.LineTangencyDistance(edge, q, 50.0, onEdge, onArc, centre);
    layout.Enter(svg, 0, 0, "radius 2: a fillet", "arc.LineTangencyDistance(edge, q, 2, ...)");
    svg.Entity(arc, kEntity);
    svg.Entity(edge, kOther);
    DrawFillet(svg, first, 2.0, firstEdge, firstArc);
    layout.Line(svg, 0, 0, 0, "centre written: " + Pt(first, 2), kRed);
    layout.Enter(svg, 1, 0, "radius 50: no fillet", "the same call with radius 50");
    svg.Entity(arc, kEntity);
    svg.Entity(edge, kOther);
    layout.Line(svg, 1, 0, 0, "outputs set to NaN before: centre " + Pt(fresh, 2), kRed);
    layout.Line(svg, 1, 0, 1, "outputs of the radius-2 call: still " + Pt(centre, 2), kRed);
    return svg;
}

Sketch ArcArcOrder() {
    const Panels layout{-24, -26, 54, 26, 3.6, 2, 1, 44, 10};
    Sketch svg = layout.Make();
    const CGMTRArc2D a(CGMTRPoint2D(0, 0), 20, -100 * kDeg, 200 * kDeg);
    const CGMTRArc2D b(CGMTRPoint2D(30, 0), 20, 80 * kDeg, 200 * kDeg);
    for (int k = 0; k < 2; ++k) {
        const CGMTRArc2D& self = k == 0 ? a : b;
        const CGMTRArc2D& other = k == 0 ? b : a;
        CGMTRPoint2D onThis(NAN, NAN), onOther(NAN, NAN), centre(NAN, NAN);
        self.ArcTangencyDistance(other, 4.0, onThis, onOther, centre);
        layout.Enter(svg, k, 0,
                     k == 0 ? "A.ArcTangencyDistance(B, 4, ...)"
                            : "B.ArcTangencyDistance(A, 4, ...)",
                     "centre " + Pt(centre, 2), kRed);
        svg.Entity(a, kEntity);
        svg.Entity(b, kOther);
        svg.Text(a.GetBasePoint(), "A", kBlue, -4, 5, "end", 14);
        svg.Text(b.GetBasePoint(), "B", kGreen, 4, 5, "start", 14);
        svg.ArrowTo(self.GetBasePoint(), other.GetBasePoint(), kGrey, 1.2);
        if (Written(onThis))
            DrawFillet(svg, centre, 4.0, onThis, onOther);
    }
    return svg;
}

Sketch ArcArcStates() {
    const Panels layout{-5, -3, 36, 30, 5.6, 3, 1, 44, 40};
    Sketch svg = layout.Make();
    const char* titles[3] = {"all three written", "nothing written", "only the centre written"};
    const char* captions[3] = {"a fillet of radius 5", "the arcs are too far apart",
                               "touching B exactly at its end"};
    for (int k = 0; k < 3; ++k) {
        layout.Enter(svg, k, 0, titles[k], captions[k]);
        // The arcs' centres stand 30 apart (34 in the middle panel); in the
        // last panel B runs clockwise and ends where the fillet touches it.
        const double gap = k == 1 ? 34.0 : 30.0;
        const double phi = 40 * kDeg;
        const CGMTRArc2D a(CGMTRPoint2D(0, 0), 10, phi - 30 * kDeg, 60 * kDeg);
        const CGMTRPoint2D cb(gap * std::cos(phi), gap * std::sin(phi));
        const CGMTRArc2D b = k == 2 ? CGMTRArc2D(cb, 10, phi + 240 * kDeg, -60 * kDeg)
                                    : CGMTRArc2D(cb, 10, phi + 150 * kDeg, 60 * kDeg);
        CGMTRPoint2D onA(NAN, NAN), onB(NAN, NAN), centre(NAN, NAN);
        a.ArcTangencyDistance(b, 5.0, onA, onB, centre);
        svg.Entity(a, kEntity);
        svg.Entity(b, kOther);
        svg.Text(a.GetBasePoint(), "A", kBlue, 0, 5, "middle", 14);
        svg.Text(b.GetBasePoint(), "B", kGreen, 0, 5, "middle", 14);
        if (Written(centre)) {
            svg.Circle(centre, 5.0, {kRed, 1.8, Written(onA) ? nullptr : "4,3"});
            svg.Cross(centre, 3.5, kRed);
        }
        if (Written(onA)) {
            svg.Dot(onA, 4, kRed);
            svg.Dot(onB, 4, kRed);
        }
        layout.Line(svg, k, 0, 0, "centre " + (Written(centre) ? Pt(centre, 2) : "NaN"), kRed);
        layout.Line(svg, k, 0, 1,
                    "on A " + (Written(onA) ? Pt(onA, 2) : "NaN") + ", on B " +
                        (Written(onB) ? "written" : "NaN"),
                    kRed);
    }
    return svg;
}

Sketch ArcSegmentFillet() {
    const Panels layout{-2.5, -2.8, 7, 2.8, 38, 2, 1, 44, 10};
    Sketch svg = layout.Make();
    const CGMTRArc2D circle(CGMTRPoint2D(0, 0), 2, 0, GMTR_2PI);
    const CGMTRLine2D forward(CGMTRPoint2D(2, 0), CGMTRPoint2D(6, 0));
    const CGMTRLine2D backward(CGMTRPoint2D(6, 0), CGMTRPoint2D(2, 0));
    for (int k = 0; k < 2; ++k) {
        const CGMTRLine2D& seg = k == 0 ? forward : backward;
        CGMTRPoint2D onLine(NAN, NAN), onArc(NAN, NAN), centre(NAN, NAN);
        circle.LineTangencyDistance(seg, CGMTRPoint2D(2, 0), 1.0, onLine, onArc, centre);
        layout.Enter(svg, k, 0,
                     k == 0 ? "segment from (2, 0) to (6, 0)" : "segment from (6, 0) to (2, 0)",
                     "centre " + Pt(centre, 3), kRed);
        svg.Entity(circle, kEntity);
        svg.Entity(seg, kOther);
        svg.Arrow(seg.GetMidPoint(), seg.get_BaseAngle(), 40, kGreen);
        if (Written(centre))
            DrawFillet(svg, centre, 1.0, onLine, onArc);
        svg.Text(CGMTRPoint2D(2, 0), "q", kInk, -6, 18, "end", 13);
    }
    return svg;
}

// ---- Arc union -----------------------------------------------------------

Sketch ArcUnion() {
    const Panels layout{-22, -13, 22, 13, 4.6, 3, 2, 44, 40};
    Sketch svg = layout.Make();
    const struct {
        double a0, s0, a1, s1;
        const char* title;
    } cases[6] = {{0, 90, 45, 90, "overlapping"},     {0, 90, 90, 90, "touching at 90°"},
                  {0, 90, 180, 90, "apart"},          {0, 90, 180, -90, "opposite directions"},
                  {0, 270, 180, 270, "covering all"}, {0, 90, 0, 90, "the same arc"}};
    const CGMTRPoint2D o(0, 0);
    for (int k = 0; k < 6; ++k) {
        const int c = k % 3, r = k / 3;
        const CGMTRArc2D first(o, 10, cases[k].a0 * kDeg, cases[k].s0 * kDeg);
        const CGMTRArc2D second(o, 10, cases[k].a1 * kDeg, cases[k].s1 * kDeg);
        CGMTRArc2D result(first);
        const int joined = first.GetConedArc(second, result);
        layout.Enter(svg, c, r, cases[k].title,
                     "[" + Deg(first.GetBaseAngle()) + ", " + Deg(first.GetSweepAngle()) +
                         "] with [" + Deg(second.GetBaseAngle()) + ", " +
                         Deg(second.GetSweepAngle()) + "]");
        // The two inputs are drawn just outside and inside their circle.
        svg.Entity(CGMTRArc2D(o, 11.6, first.GetBaseAngle(), first.GetSweepAngle()), {kGreen, 4.0});
        svg.Entity(CGMTRArc2D(o, 8.4, second.GetBaseAngle(), second.GetSweepAngle()), {kGold, 4.0});
        if (joined)
            svg.Entity(result, {kInk, 1.6});
        layout.Line(svg, c, r, 0, "returns " + Num(joined, 0));
        layout.Line(svg, c, r, 1,
                    "result: start " + Deg(result.GetBaseAngle()) + "°, sweep " +
                        Deg(result.GetSweepAngle()) + "°",
                    joined ? kInk : kGrey);
    }
    return svg;
}

// ---- Junction angles --------------------------------------------------------

Sketch Junctions() {
    const Panels layout{-2, -8, 24, 12, 9, 2, 1, 44, 10};
    Sketch svg = layout.Make();
    const CGMTRArc2D q(CGMTRPoint2D(0, 0), 10, 0, GMTR_HALF_PI);
    const CGMTRLine2D s(CGMTRPoint2D(10, 0), CGMTRPoint2D(20, 0));
    const CGMTRPoint2D at(10, 0);
    for (int k = 0; k < 2; ++k) {
        const int leaving = k == 0 ? 1 : 0;
        layout.Enter(svg, k, 0,
                     leaving ? "leaving = 1: into each entity" : "leaving = 0: arriving at p",
                     "segment.GetLineArcAngle(arc, p, ...)");
        double lineAngle = 0, arcAngle = 0;
        s.GetLineArcAngle(q, at, lineAngle, arcAngle, leaving);
        svg.Entity(q, kEntity);
        svg.Entity(s, kOther);
        svg.Arrow(at, lineAngle, 50, kGreen, 2.2);
        svg.Arrow(at, arcAngle, 50, kBlue, 2.2);
        svg.Dot(at, 3.5, kInk);
        svg.Text(at, "p", kInk, -8, 16, "end", 13);
        svg.Text(at, "segment " + Deg(lineAngle) + "°", kGreen, 8, 30, "start", 12);
        svg.Text(at, "arc " + Deg(arcAngle) + "°", kBlue, 8, -40, "start", 12);
    }
    return svg;
}

// ---- Repeat patterns ------------------------------------------------------

// A hole with a key mark in the direction `angle`, to show whether copies
// turn.
void Hole(Sketch& svg, const CGMTRPoint2D& p, double angle, const char* colour) {
    svg.Circle(p, 3.0, {colour, 2.0});
    svg.Segment(p, CGMTRPoint2D(p.X() + 5 * std::cos(angle), p.Y() + 5 * std::sin(angle)),
                {colour, 2.0});
}

Sketch BoltCircle() {
    const Panels layout{-28, -27, 38, 27, 3.6, 3, 1, 44, 26};
    Sketch svg = layout.Make();
    const CGMTRPoint2D hub(0, 0), first(20, 0);
    const char* titles[3] = {"CGMTRRepeatArc2D", "CGMTRRepeatArc2D", "CGMTRRepeatArcSymmetry2D"};
    const char* captions[3] = {"reference point = the hub", "reference point = the hole",
                               "(no reference point)"};
    for (int k = 0; k < 3; ++k) {
        layout.Enter(svg, k, 0, titles[k], captions[k]);
        CGMTRRepeatArc2D plain;
        CGMTRRepeatArcSymmetry2D symmetric;
        CGMTRRepeatArc2D& pattern = k == 2 ? symmetric : plain;
        pattern.ConstructRepeatArc(hub.X(), hub.Y(), 60 * kDeg, 6);
        const CGMTRPoint2D ref = k == 0 ? hub : first;
        svg.Circle(hub, 20, kHelper);
        svg.Cross(hub, 3, kInk);
        std::vector<CGMTRPoint2D> placed;
        for (long i = 0; i < pattern.GetCount(); ++i) {
            const CGMTRPoint2D p = pattern.GetRepeatPoint(i, first, ref);
            Hole(svg, p, pattern.GetRepeatAngle(i, 0.0), k == 0 ? kRed : kGreen);
            placed.push_back(p);
        }
        long distinct = 0;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            bool seen = false;
            for (std::size_t j = 0; j < i; ++j)
                seen = seen || placed[i].Distance2D(placed[j]) < 1e-9;
            distinct += seen ? 0 : 1;
        }
        layout.Line(svg, k, 0, 0,
                    "6 copies at " + Num(static_cast<double>(distinct), 0) +
                        (distinct == 1 ? " place" : " places") +
                        (k == 2   ? ", turned"
                         : k == 1 ? ", not turned"
                                  : ""),
                    k == 0 ? kRed : kInk);
    }
    return svg;
}

Sketch Grids() {
    const Panels layout{-8, -8, 66, 34, 4.2, 2, 1, 44, 26};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "a 4 x 3 grid at 15°", "copies in serpentine order");
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(12.0, 10.0, 4, 3, 15 * kDeg);
    const CGMTRPoint2D first(0, 0);
    std::vector<CGMTRPoint2D> cells;
    for (long i = 0; i < grid.GetCount(); ++i)
        cells.push_back(grid.GetRepeatPoint(i, first, first));
    for (std::size_t i = 0; i + 1 < cells.size(); ++i)
        svg.ArrowTo(cells[i], cells[i + 1], kGrey, 1.0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        svg.Ring(cells[i], 9, kGold, 2.0);
        svg.Text(cells[i], Num(static_cast<double>(i), 0), kGold, 0, 4, "middle", 10.5);
    }
    layout.Line(svg, 0, 0, 0, "row 0 runs along the grid's x axis, row 1 back");

    layout.Enter(svg, 1, 0, "a line of 2 chained to a 2 x 3 grid",
                 "the first pattern's number varies fastest");
    CGMTRRepeatLine2D pair;
    pair.ConstructRepeatLine(0.0, 7.0, 2);
    CGMTRRepeatGrid cellsOf;
    cellsOf.ConstructRepeatGrid(22.0, 14.0, 2, 3, 0.0);
    pair.SetRepeat(&cellsOf);
    std::vector<CGMTRPoint2D> holes;
    for (long i = 0; i < pair.GetCount(); ++i)
        holes.push_back(pair.GetRepeatPoint(i, first, first));
    for (std::size_t i = 0; i + 1 < holes.size(); ++i)
        svg.Segment(holes[i], holes[i + 1], {kGrey, 1.0, "2,3"});
    for (std::size_t i = 0; i < holes.size(); ++i) {
        svg.Ring(holes[i], 9, kGold, 2.0);
        svg.Text(holes[i], Num(static_cast<double>(i), 0), kGold, 0, 4, "middle", 10.5);
    }
    layout.Line(svg, 1, 0, 0, "hole n: hole n % 2 of the pair in grid cell n / 2");
    return svg;
}

// ---- Transforms ------------------------------------------------------------

Sketch TransformOrder() {
    const Panels layout{-14, -4, 30, 32, 6, 2, 1, 44, 26};
    Sketch svg = layout.Make();
    const CGMTRPoint2D flag[5] = {CGMTRPoint2D(0, 0), CGMTRPoint2D(0, 10), CGMTRPoint2D(6, 8),
                                  CGMTRPoint2D(0, 6), CGMTRPoint2D(0, 0)};
    CGMTRMatrix2D rotateThenMove;
    rotateThenMove.SetToRotate(GMTR_HALF_PI);
    rotateThenMove.Transfer(CGMTRVector2D(20, 0));
    CGMTRMatrix2D moveThenRotate;
    moveThenRotate.SetToTransfer(CGMTRVector2D(20, 0));
    moveThenRotate.Rotate(GMTR_HALF_PI);
    const CGMTRMatrix2D* moves[2] = {&rotateThenMove, &moveThenRotate};
    const char* titles[2] = {"SetToRotate(pi/2); Transfer(v)", "SetToTransfer(v); Rotate(pi/2)"};
    for (int k = 0; k < 2; ++k) {
        layout.Enter(svg, k, 0, titles[k], "v = (20, 0); the grey flag, moved");
        for (int i = 0; i + 1 < 5; ++i) {
            CGMTRPoint2D p = flag[i], q = flag[i + 1];
            svg.Segment(p, q, {kGrey, 2.2});
            p *= *moves[k];
            q *= *moves[k];
            svg.Segment(p, q, {k == 0 ? kBlue : kRed, 2.2});
        }
        svg.Cross(CGMTRPoint2D(0, 0), 4, kInk);
        svg.Text(CGMTRPoint2D(0, 0), "origin", kInk, -6, 16, "end", 12);
        layout.Line(svg, k, 0, 0,
                    k == 0 ? "turned about the origin, then moved"
                           : "moved, then turned about the origin",
                    k == 0 ? kBlue : kRed);
    }
    return svg;
}

// ---- Segments and arcs -------------------------------------------------------

Sketch ArcSetters() {
    const Panels layout{-30, -22, 30, 28, 3.8, 3, 1, 44, 26};
    Sketch svg = layout.Make();
    const CGMTRPoint2D c(0, 0);
    const CGMTRVector2D startVector(0, 20); // starts at 90 degrees
    CGMTRArc2D built(c, 20, 90 * kDeg, 120 * kDeg);
    CGMTRArc2D sweepFirst;
    sweepFirst.PutRadius(20);
    sweepFirst.PutSweepAngle(120 * kDeg);
    sweepFirst.PutBaseVector(startVector);
    CGMTRArc2D vectorFirst;
    vectorFirst.PutBaseVector(startVector);
    vectorFirst.PutSweepAngle(120 * kDeg);
    const CGMTRArc2D* arcs[3] = {&built, &sweepFirst, &vectorFirst};
    const char* titles[3] = {"CGMTRArc2D(c, 20, pi/2, 2pi/3)", "PutSweepAngle(2pi/3),",
                             "PutBaseVector((0, 20)),"};
    const char* captions[3] = {"one constructor, no order", "then PutBaseVector((0, 20))",
                               "then PutSweepAngle(2pi/3)"};
    for (int k = 0; k < 3; ++k) {
        layout.Enter(svg, k, 0, titles[k], captions[k]);
        const CGMTRArc2D& arc = *arcs[k];
        const bool right = arc.GetSweepAngle() > 0;
        svg.Circle(c, 20, kHelper);
        svg.Entity(arc, {right ? kBlue : kRed, 2.5});
        double a = 0, b = 0;
        arc.GetArcArcAngle(arc, arc.GetEndPoint(), a, b, 0);
        svg.Arrow(arc.GetEndPoint(), a, 20, right ? kBlue : kRed, 2.0);
        svg.Dot(arc.GetStartPoint(), 4, kInk);
        svg.Text(arc.GetStartPoint(), "start", kInk, 6, -4, "start", 12);
        layout.Line(svg, k, 0, 0, "sweep reads " + Deg(arc.GetSweepAngle()) + "°",
                    right ? kBlue : kRed);
    }
    return svg;
}

Sketch ConstForms() {
    const Panels layout{-8, -6, 92, 36, 5, 1, 1, 44, 56};
    Sketch svg = layout.Make();
    layout.Enter(svg, 0, 0, "queries on a const collection and on temporaries");
    CGMTRBaseGeo2DCol part;
    part.Add(new CGMTRLine2D(CGMTRPoint2D(0, 0), CGMTRPoint2D(50, 0)));
    part.Add(new CGMTRArc2D(CGMTRPoint2D(50, 15), 15, -90 * kDeg, 180 * kDeg));
    part.Add(new CGMTRLine2D(CGMTRPoint2D(50, 30), CGMTRPoint2D(0, 30)));
    part.Add(new CGMTRLine2D(CGMTRPoint2D(0, 30), CGMTRPoint2D(0, 0)));
    const CGMTRBaseGeo2DCol& shared = part; // read through a const reference
    const CGMTRPoint2D probe(84, 30);
    svg.Cross(probe, 4, kRed);
    svg.Text(probe, "p", kRed, 8, -6, "start", 13);
    for (long i = 0; i < shared.GetCount(); ++i) {
        const CGMTRBaseGeo2D* e = shared.get_Item(i);
        svg.Entity(*e, kEntity);
        if (e->get_GeometryType() == GEOMETRY_LINE2D) {
            const CGMTRLine2D& seg = *static_cast<const CGMTRLine2D*>(e);
            // A point a quarter along, from a temporary start point.
            const CGMTRPoint2D quarter = seg.get_BasePoint() + seg.get_BaseVector() * 0.25;
            svg.Dot(quarter, 4, kGreen);
        } else {
            const CGMTRArc2D& arc = *static_cast<const CGMTRArc2D*>(e);
            const CGMTRPoint2D foot = arc.GetVerticalPoint(probe);
            svg.Segment(probe, foot, kHelper);
            svg.Dot(foot, 4, kOrange);
            layout.Line(svg, 0, 0, 2, "orange: arc.GetVerticalPoint(p) = " + Pt(foot, 2), kOrange);
        }
    }
    layout.Line(svg, 0, 0, 0, "green: get_BasePoint() + get_BaseVector() * 0.25 of each segment",
                kGreen);
    layout.Line(svg, 0, 0, 1, "all through const CGMTRBaseGeo2DCol& and const entities");
    return svg;
}

struct Figure {
    const char* name;
    Sketch (*draw)();
};

const Figure kFigures[] = {
    {"angles", Angles},
    {"tolerance", Tolerance},
    {"percent", Percent},
    {"ownership", Ownership},
    {"failures", Failures},
    {"crossings_shared_ends", SharedEnds},
    {"crossings_tiny", TinyCross},
    {"crossings_order", CrossingOrder},
    {"fillet_segments", SegmentFillets},
    {"fillet_outputs", FilletOutputs},
    {"fillet_arc_arc_order", ArcArcOrder},
    {"fillet_arc_arc_states", ArcArcStates},
    {"fillet_arc_segment", ArcSegmentFillet},
    {"arc_union", ArcUnion},
    {"junctions", Junctions},
    {"repeat_bolt_circle", BoltCircle},
    {"repeat_grid", Grids},
    {"transform_order", TransformOrder},
    {"arc_setters", ArcSetters},
    {"const_forms", ConstForms},
};

// ---- Comparison --------------------------------------------------------

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Splits text into runs of non-numbers and numbers ("-12.5"), keeping how
// many decimals each number was written with.
struct Token {
    bool number;
    std::string text;
    double value;
    int decimals;
};

std::vector<Token> Tokens(const std::string& s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        const bool startsNumber =
            std::isdigit(static_cast<unsigned char>(s[i])) ||
            (s[i] == '-' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])));
        if (startsNumber) {
            std::size_t j = i + 1;
            int decimals = 0;
            bool dot = false;
            while (j < s.size() &&
                   (std::isdigit(static_cast<unsigned char>(s[j])) || (s[j] == '.' && !dot))) {
                if (dot)
                    ++decimals;
                dot = dot || s[j] == '.';
                ++j;
            }
            const std::string t = s.substr(i, j - i);
            out.push_back({true, t, std::strtod(t.c_str(), nullptr), decimals});
            i = j;
        } else {
            if (out.empty() || out.back().number)
                out.push_back({false, "", 0.0, 0});
            out.back().text += s[i];
            ++i;
        }
    }
    return out;
}

// The files agree when their text matches and every number differs by at
// most one unit in its last written digit: a result whose last bit differs
// between math libraries may round to the neighbouring printed value.
int Compare(const std::string& expectedPath, const std::string& actualPath) {
    std::string expected, actual;
    if (!ReadFile(expectedPath, expected) || !ReadFile(actualPath, actual)) {
        std::cerr << "cannot read " << expectedPath << " or " << actualPath << "\n";
        return 2;
    }
    const std::vector<Token> a = Tokens(expected), b = Tokens(actual);
    for (std::size_t i = 0; i < a.size() || i < b.size(); ++i) {
        if (i >= a.size() || i >= b.size() || a[i].number != b[i].number) {
            std::cerr << actualPath << " differs from " << expectedPath << " in its structure\n";
            return 1;
        }
        bool same = a[i].text == b[i].text;
        if (!same && a[i].number) {
            const double unit = std::pow(10.0, -a[i].decimals);
            same = a[i].decimals == b[i].decimals &&
                   std::fabs(a[i].value - b[i].value) <= 1.000001 * unit;
        }
        if (!same) {
            std::cerr << actualPath << " differs from " << expectedPath << ": '" << b[i].text
                      << "' where '" << a[i].text << "' was expected\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--list") {
        for (const Figure& f : kFigures)
            std::cout << f.name << "\n";
        return 0;
    }
    if (mode == "--compare" && argc == 4)
        return Compare(argv[2], argv[3]);
    if (argc != 2 || mode.empty() || mode[0] == '-') {
        std::cerr << "usage: gmtrrt_figures DIR | --list | --compare EXPECTED ACTUAL\n";
        return 2;
    }
    for (const Figure& f : kFigures) {
        const std::string path = mode + "/" + f.name + ".svg";
        if (!f.draw().Write(path)) {
            std::cerr << "gmtrrt_figures: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
