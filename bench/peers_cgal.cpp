// The crossings of the benchmark inputs through CGAL: segments in the
// Cartesian kernel on doubles, arcs in the circular kernel on doubles.
//
// What it computes differently from the library:
// - segments are closed and there is no tolerance: touching segments cross
//   and a collinear overlap comes back as a segment;
// - an arc is the circle through its start, middle and end points, travelled
//   counter-clockwise, and a crossing comes back as an algebraic point (the
//   root of a quadratic) with its multiplicity, here converted to doubles;
// - results go into a vector of variants, allocated by the kernel.
// On the benchmark's generic inputs both give the same number of points at
// the same places (checked before timing, to 1e-6 relative to the size).
#include "peers.h"

#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"

#include <CGAL/Algebraic_kernel_for_circles_2_2.h>
#include <CGAL/Circular_kernel_2.h>
#include <CGAL/Simple_cartesian.h>
#include <CGAL/intersections.h>

#include <utility>
#include <vector>

namespace bench {

const char* const kCgalName = "CGAL 5.5 (Cartesian and circular kernels on doubles)";

namespace {

using Linear = CGAL::Simple_cartesian<double>;
using Algebraic = CGAL::Algebraic_kernel_for_circles_2_2<double>;
using CK = CGAL::Circular_kernel_2<Linear, Algebraic>;
using ArcPoint = std::pair<CK::Circular_arc_point_2, unsigned>;
using ArcSegHit = CGAL::CK2_Intersection_traits<CK, CK::Circular_arc_2, CK::Line_arc_2>::type;
using ArcArcHit = CGAL::CK2_Intersection_traits<CK, CK::Circular_arc_2, CK::Circular_arc_2>::type;

struct PeerObjects {
    std::vector<std::pair<Linear::Segment_2, Linear::Segment_2>> segSeg;
    std::vector<std::pair<CK::Circular_arc_2, CK::Line_arc_2>> arcSeg;
    std::vector<std::pair<CK::Circular_arc_2, CK::Circular_arc_2>> arcArc;
    std::vector<ArcSegHit> arcSegHits; // reused, as a host would
    std::vector<ArcArcHit> arcArcHits;
};

PeerObjects& Objects() {
    static PeerObjects objects;
    return objects;
}

CK::Point_2 ToPoint(const CGMTRPoint2D& p) {
    return CK::Point_2(p.X(), p.Y());
}

// The stored arc as the library reads it, then as the circle through its
// start, middle and end points. The kernel's arcs run counter-clockwise from
// the first point to the last, so a clockwise arc is given end first.
CK::Circular_arc_2 ToArc(const Arc& a) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(a.cx, a.cy));
    arc.PutBaseVector(CGMTRVector2D(a.bx, a.by));
    arc.PutMidVector(CGMTRVector2D(a.mx, a.my));
    const CK::Point_2 start = ToPoint(arc.GetStartPoint());
    const CK::Point_2 mid = ToPoint(arc.PercentToPoint(0.5));
    const CK::Point_2 end = ToPoint(arc.GetEndPoint());
    return arc.GetSweepAngle() >= 0 ? CK::Circular_arc_2(start, mid, end)
                                    : CK::Circular_arc_2(end, mid, start);
}

template <typename Hit> void WritePoints(const std::vector<Hit>& hits, Out& out) {
    out.n = 0;
    for (const Hit& h : hits) {
        const ArcPoint* p = boost::get<ArcPoint>(&h);
        if (p == nullptr || out.n == 3)
            continue;
        out.v[2 * out.n] = CGAL::to_double(p->first.x());
        out.v[2 * out.n + 1] = CGAL::to_double(p->first.y());
        ++out.n;
    }
}

} // namespace

void BuildCgalObjects() {
    const Inputs& in = GetInputs();
    PeerObjects& o = Objects();
    for (std::size_t i = 0; i < kInputs; ++i) {
        const Seg& a = in.segSeg[i].a;
        const Seg& b = in.segSeg[i].b;
        o.segSeg.emplace_back(Linear::Segment_2(Linear::Point_2(a.px, a.py),
                                                Linear::Point_2(a.px + a.vx, a.py + a.vy)),
                              Linear::Segment_2(Linear::Point_2(b.px, b.py),
                                                Linear::Point_2(b.px + b.vx, b.py + b.vy)));
        const Seg& s = in.arcSeg[i].s;
        o.arcSeg.emplace_back(ToArc(in.arcSeg[i].a),
                              CK::Line_arc_2(CK::Segment_2(CK::Point_2(s.px, s.py),
                                                           CK::Point_2(s.px + s.vx, s.py + s.vy))));
        o.arcArc.emplace_back(ToArc(in.arcArc[i].a), ToArc(in.arcArc[i].b));
    }
    o.arcSegHits.reserve(4);
    o.arcArcHits.reserve(4);
}

void CgalSegSeg(std::size_t i, Out& out) {
    const auto& pair = Objects().segSeg[i];
    out.n = 0;
    const auto hit = CGAL::intersection(pair.first, pair.second);
    if (!hit)
        return;
    if (const Linear::Point_2* p = boost::get<Linear::Point_2>(&*hit)) {
        out.v[0] = p->x();
        out.v[1] = p->y();
        out.n = 1;
    }
}

void CgalArcSeg(std::size_t i, Out& out) {
    PeerObjects& o = Objects();
    o.arcSegHits.clear();
    CGAL::intersection(o.arcSeg[i].first, o.arcSeg[i].second, std::back_inserter(o.arcSegHits));
    WritePoints(o.arcSegHits, out);
}

void CgalArcArc(std::size_t i, Out& out) {
    PeerObjects& o = Objects();
    o.arcArcHits.clear();
    CGAL::intersection(o.arcArc[i].first, o.arcArc[i].second, std::back_inserter(o.arcArcHits));
    WritePoints(o.arcArcHits, out);
}

} // namespace bench
