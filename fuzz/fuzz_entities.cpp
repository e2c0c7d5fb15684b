// Fuzz target for the plane entities: segments and arcs built through every
// constructor and setter, then every query, intersection, fillet, junction
// angle and arc union run on them, through the class and through the entity
// interface. Contracts checked on every input:
//  * setters change only what they say (the other fields keep their bits);
//  * the read-only arc queries that are not const leave the arc unchanged;
//  * the interface faces give the same bits as the class members behind them,
//    and a segment/arc crossing is the same from either side;
//  * intersections append at most two points (one for two segments) and
//    never change what the collection already held;
//  * outputs documented as untouched on failure keep their sentinel bits,
//    junction angles are always written, fillet outputs are written in the
//    documented all/none patterns;
//  * Clone and assignment copy every field, and the arc union gives the same
//    result whether the result arc is separate, this arc or the other one.
#include "FuzzInput.h"

#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdint>

using namespace fuzz;

namespace {

bool SameLine(const CGMTRLine2D& a, const CGMTRLine2D& b) {
    return Same(a.get_BasePoint(), b.get_BasePoint()) &&
           Same(a.get_BaseVector(), b.get_BaseVector());
}

// Every field of the arc, the full-circle flag through the sweep read back.
bool SameArc(const CGMTRArc2D& a, const CGMTRArc2D& b) {
    return Same(a.GetBasePoint(), b.GetBasePoint()) && Same(a.GetBaseVector(), b.GetBaseVector()) &&
           Same(a.GetMidVector(), b.GetMidVector()) &&
           SameBits(a.GetSweepAngle(), b.GetSweepAngle());
}

// The first `n` points of both collections are there and the same.
bool SamePrefix(const CGMTRPoint2DCol& a, const CGMTRPoint2DCol& b, long n) {
    for (long i = 0; i < n; ++i) {
        CGMTRPoint2D p, q;
        if (!a.get_Item(i, p) || !b.get_Item(i, q) || !Same(p, q))
            return false;
    }
    return true;
}

bool SameCol(const CGMTRPoint2DCol& a, const CGMTRPoint2DCol& b) {
    return a.GetCount() == b.GetCount() && SamePrefix(a, b, a.GetCount());
}

CGMTRPoint2D SentinelPoint() {
    return CGMTRPoint2D(Sentinel(), Sentinel());
}

// A junction angle: written (never the sentinel) and, when finite, in
// (-pi, pi].
void CheckJunction(double angle) {
    FUZZ_CHECK(!SameBits(angle, Sentinel()));
    if (std::isfinite(angle))
        FUZZ_CHECK(angle > -GMTR_PI && angle <= GMTR_PI);
}

// A collection that already holds a few points, which no query may disturb.
CGMTRPoint2DCol Prefilled(FuzzInput& in) {
    CGMTRPoint2DCol col;
    const unsigned n = in.Choice(3);
    for (unsigned i = 0; i < n; ++i)
        col.Add(Read2<CGMTRPoint2D>(in));
    return col;
}

// `after` starts with the points of `before` and has at most `most` more.
void CheckAppended(const CGMTRPoint2DCol& before, const CGMTRPoint2DCol& after, int most) {
    FUZZ_CHECK(after.GetCount() >= before.GetCount());
    FUZZ_CHECK(after.GetCount() - before.GetCount() <= most);
    FUZZ_CHECK(SamePrefix(before, after, before.GetCount()));
}

void BuildLine(FuzzInput& in, CGMTRLine2D& line) {
    switch (in.Choice(8)) {
    case 0:
        line = CGMTRLine2D();
        break;
    case 1: {
        const CGMTRPoint2D p1 = Read2<CGMTRPoint2D>(in), p2 = Read2<CGMTRPoint2D>(in);
        line = CGMTRLine2D(p1, p2);
        FUZZ_CHECK(Same(line.get_BasePoint(), p1));
        break;
    }
    case 2: {
        const CGMTRPoint2D base = Read2<CGMTRPoint2D>(in);
        const CGMTRVector2D step = Read2<CGMTRVector2D>(in);
        line = CGMTRLine2D(base, step);
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        FUZZ_CHECK(Same(line.get_BaseVector(), step));
        break;
    }
    case 3: {
        const CGMTRVector2D step = line.get_BaseVector();
        const CGMTRPoint2D base = Read2<CGMTRPoint2D>(in);
        line.put_BasePoint(base);
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        FUZZ_CHECK(Same(line.get_BaseVector(), step));
        break;
    }
    case 4: {
        const CGMTRPoint2D base = line.get_BasePoint();
        line.put_EndPoint(Read2<CGMTRPoint2D>(in));
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        break;
    }
    case 5: {
        const CGMTRPoint2D base = line.get_BasePoint();
        const CGMTRVector2D step = Read2<CGMTRVector2D>(in);
        line.put_BaseVector(step);
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        FUZZ_CHECK(Same(line.get_BaseVector(), step));
        break;
    }
    case 6: {
        const CGMTRPoint2D base = line.get_BasePoint();
        line.put_BaseAngle(in.Double());
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        break;
    }
    default: {
        const CGMTRPoint2D base = line.get_BasePoint();
        line.put_LineLength(in.Double());
        FUZZ_CHECK(Same(line.get_BasePoint(), base));
        break;
    }
    }
}

void BuildArc(FuzzInput& in, CGMTRArc2D& arc) {
    const CGMTRPoint2D centre = arc.GetBasePoint();
    const CGMTRVector2D base = arc.GetBaseVector();
    const CGMTRVector2D mid = arc.GetMidVector();
    switch (in.Choice(7)) {
    case 0:
        arc = CGMTRArc2D();
        break;
    case 1:
        arc.PutRadius(in.Double());
        FUZZ_CHECK(Same(arc.GetBasePoint(), centre));
        FUZZ_CHECK(Same(arc.GetMidVector(), mid));
        break;
    case 2: {
        const CGMTRVector2D v = Read2<CGMTRVector2D>(in);
        arc.PutBaseVector(v);
        FUZZ_CHECK(Same(arc.GetBaseVector(), v));
        FUZZ_CHECK(Same(arc.GetMidVector(), mid));
        FUZZ_CHECK(Same(arc.GetBasePoint(), centre));
        break;
    }
    case 3: {
        const CGMTRVector2D v = Read2<CGMTRVector2D>(in);
        arc.PutMidVector(v);
        FUZZ_CHECK(Same(arc.GetMidVector(), v));
        FUZZ_CHECK(Same(arc.GetBaseVector(), base));
        break;
    }
    case 4: {
        const double s = in.Double();
        arc.PutSweepAngle(s);
        FUZZ_CHECK(Same(arc.GetBaseVector(), base));
        FUZZ_CHECK(Same(arc.GetBasePoint(), centre));
        if (std::fabs(s - GMTR_2PI) < GMTR_TOL)
            FUZZ_CHECK(arc.GetSweepAngle() == GMTR_2PI);
        break;
    }
    case 5:
        arc.PutBaseAngle(in.Double());
        FUZZ_CHECK(Same(arc.GetBasePoint(), centre));
        break;
    default: {
        const CGMTRPoint2D p = Read2<CGMTRPoint2D>(in);
        arc.PutBasePoint(p);
        FUZZ_CHECK(Same(arc.GetBasePoint(), p));
        FUZZ_CHECK(Same(arc.GetBaseVector(), base));
        FUZZ_CHECK(Same(arc.GetMidVector(), mid));
        break;
    }
    }
    // Any sweep read back lies in (-2pi, 2pi] (or is NaN).
    const double sweep = arc.GetSweepAngle();
    FUZZ_CHECK(!(sweep <= -GMTR_2PI) && !(sweep > GMTR_2PI));
}

// The entity interface agrees with the class members behind it.
void QueryEntity(FuzzInput& in, CGMTRBaseGeo2D& e) {
    const CGMTRPoint2D p = Read2<CGMTRPoint2D>(in);
    FUZZ_CHECK(SameBits(e.FDistance(p), e.Distance(p)));
    (void)e.FGetStartPoint();
    (void)e.FGetEndPoint();
    (void)e.FGetMidPoint();
    (void)e.FGetNearestPoint(p);
    double minX = Sentinel(), maxX = Sentinel(), maxY = Sentinel(), minY = Sentinel();
    e.GetRectBox(minX, maxX, maxY, minY);
    FUZZ_CHECK(!SameBits(minX, Sentinel()) && !SameBits(maxX, Sentinel()) &&
               !SameBits(maxY, Sentinel()) && !SameBits(minY, Sentinel()));
    FUZZ_CHECK(!(minX > maxX) && !(minY > maxY));
    const short from = in.Short();
    const double length = in.Double();
    const double percent = e.DistanceToPercent(from, length);
    if (length < 0.0)
        FUZZ_CHECK(percent == -1.0);
    (void)e.PointToPercent(p);
    (void)e.PercentToPoint(in.Double());
}

void QueryLine(FuzzInput& in, CGMTRLine2D& line) {
    const CGMTRLine2D before = line;
    const CGMTRPoint2D p = Read2<CGMTRPoint2D>(in);
    FUZZ_CHECK(Same(line.FGetStartPoint(), line.get_BasePoint()));
    FUZZ_CHECK(Same(line.FGetEndPoint(), line.get_EndPoint()));
    FUZZ_CHECK(Same(line.FGetMidPoint(), line.GetMidPoint()));
    FUZZ_CHECK(Same(line.FGetNearestPoint(p), line.GetNearestPoint(p)));
    (void)line.get_BaseAngle();
    (void)line.get_LineLength();
    (void)line.GetVerticalDis(p);
    (void)line.GetVerticalPoint(p);
    FUZZ_CHECK(IsBit(line.CheckVerticalPointInRange(p)));
    FUZZ_CHECK(line.get_GeometryType() == GEOMETRY_LINE2D);
    const short from = in.Short();
    if (from != 0 && from != 1)
        FUZZ_CHECK(line.DistanceToPercent(from, in.Double()) == -1.0);
    QueryEntity(in, line);
    FUZZ_CHECK(SameLine(line, before));
}

void QueryArc(FuzzInput& in, CGMTRArc2D& arc) {
    const CGMTRArc2D before = arc;
    const CGMTRPoint2D p = Read2<CGMTRPoint2D>(in);
    FUZZ_CHECK(Same(arc.FGetStartPoint(), arc.GetStartPoint()));
    FUZZ_CHECK(Same(arc.FGetEndPoint(), arc.GetEndPoint()));
    FUZZ_CHECK(Same(arc.FGetNearestPoint(p), arc.GetNearestPoint(p)));
    (void)arc.GetRadius();
    (void)arc.GetBaseAngle();
    (void)arc.GetVerticalDis(p);
    (void)arc.GetVerticalPoint(p);
    FUZZ_CHECK(IsBit(arc.CheckVerticalPointInRange(p)));
    FUZZ_CHECK(IsBit(arc.CheckAngleRange(in.Double())));
    (void)arc.PercentToDistance(in.Double());
    FUZZ_CHECK(arc.get_GeometryType() == GEOMETRY_ARC2D);
    QueryEntity(in, arc);
    FUZZ_CHECK(SameArc(arc, before));
}

void Cross(FuzzInput& in, CGMTRLine2D* lines, CGMTRArc2D* arcs) {
    CGMTRLine2D& l1 = lines[in.Choice(2)];
    CGMTRLine2D& l2 = lines[in.Choice(2)];
    CGMTRArc2D& a1 = arcs[in.Choice(2)];
    CGMTRArc2D& a2 = arcs[in.Choice(2)];
    const CGMTRPoint2DCol start = Prefilled(in);
    switch (in.Choice(5)) {
    case 0: {
        CGMTRPoint2DCol direct = start, face = start;
        l1.GetCrossPoint(l2, direct);
        CheckAppended(start, direct, 1);
        l1.FGetCrossPoint(&l2, face);
        FUZZ_CHECK(SameCol(direct, face));
        break;
    }
    case 1: {
        // The same points in the same order from either side.
        CGMTRPoint2DCol direct = start, fromLine = start, fromArc = start;
        a1.GetCrossPointLine(l1, direct);
        CheckAppended(start, direct, 2);
        l1.FGetCrossPoint(&a1, fromLine);
        a1.FGetCrossPoint(&l1, fromArc);
        FUZZ_CHECK(SameCol(direct, fromLine));
        FUZZ_CHECK(SameCol(direct, fromArc));
        break;
    }
    case 2: {
        const CGMTRArc2D before = a1;
        CGMTRPoint2DCol direct = start;
        a1.GetCrossPointLineEx(l1, direct);
        CheckAppended(start, direct, 2);
        FUZZ_CHECK(SameArc(a1, before));
        break;
    }
    case 3: {
        const CGMTRArc2D b1 = a1, b2 = a2;
        CGMTRPoint2DCol direct = start, face = start;
        a1.GetCrossPointArc(a2, direct);
        CheckAppended(start, direct, 2);
        a1.FGetCrossPoint(&a2, face);
        FUZZ_CHECK(SameCol(direct, face));
        FUZZ_CHECK(SameArc(a1, b1) && SameArc(a2, b2));
        break;
    }
    default: {
        CGMTRPoint2DCol col = start;
        l1.FGetCrossPoint(nullptr, col);
        a1.FGetCrossPoint(nullptr, col);
        FUZZ_CHECK(SameCol(col, start));
        CGMTRPoint2D out = SentinelPoint();
        const int found = l1.GetCrossPointEx(l2, out);
        FUZZ_CHECK(IsBit(found));
        if (found == 0)
            FUZZ_CHECK(Same(out, SentinelPoint()));
        break;
    }
    }
}

void Fillet(FuzzInput& in, CGMTRLine2D* lines, CGMTRArc2D* arcs) {
    CGMTRArc2D& a1 = arcs[in.Choice(2)];
    CGMTRArc2D& a2 = arcs[in.Choice(2)];
    const double d = in.Double();
    CGMTRPoint2D o1 = SentinelPoint(), o2 = SentinelPoint(), centre = SentinelPoint();
    if (in.Bool()) {
        const CGMTRArc2D b1 = a1, b2 = a2;
        a1.ArcTangencyDistance(a2, d, o1, o2, centre);
        FUZZ_CHECK(SameArc(a1, b1) && SameArc(a2, b2));
        const bool w1 = !Same(o1, SentinelPoint());
        const bool w2 = !Same(o2, SentinelPoint());
        const bool wc = !Same(centre, SentinelPoint());
        // Nothing, the centre alone, or all three.
        FUZZ_CHECK(w1 == w2);
        FUZZ_CHECK(!w1 || wc);
        if (std::isnan(d))
            FUZZ_CHECK(!wc);
    } else {
        const CGMTRLine2D& line = lines[in.Choice(2)];
        const CGMTRPoint2D q = in.Bool() ? line.get_BasePoint() : Read2<CGMTRPoint2D>(in);
        const CGMTRArc2D b1 = a1;
        a1.LineTangencyDistance(line, q, d, o1, o2, centre);
        FUZZ_CHECK(SameArc(a1, b1));
        const bool w1 = !Same(o1, SentinelPoint());
        const bool w2 = !Same(o2, SentinelPoint());
        const bool wc = !Same(centre, SentinelPoint());
        FUZZ_CHECK(w1 == w2 && w2 == wc);
        if (std::isnan(d))
            FUZZ_CHECK(!wc);
    }
}

void Junction(FuzzInput& in, CGMTRLine2D* lines, CGMTRArc2D* arcs) {
    const CGMTRLine2D& l1 = lines[in.Choice(2)];
    const CGMTRLine2D& l2 = lines[in.Choice(2)];
    const CGMTRArc2D& a1 = arcs[in.Choice(2)];
    const CGMTRArc2D& a2 = arcs[in.Choice(2)];
    CGMTRPoint2D p;
    switch (in.Choice(4)) {
    case 0:
        p = l1.get_BasePoint();
        break;
    case 1:
        p = l1.get_EndPoint();
        break;
    case 2:
        p = a1.GetStartPoint();
        break;
    default:
        p = Read2<CGMTRPoint2D>(in);
        break;
    }
    const int leaving = static_cast<int>(in.Long());
    double t1 = Sentinel(), t2 = Sentinel();
    switch (in.Choice(3)) {
    case 0:
        l1.GetLineLineAngle(l2, p, t1, t2, leaving);
        break;
    case 1:
        l1.GetLineArcAngle(a1, p, t1, t2, leaving);
        break;
    default:
        a1.GetArcArcAngle(a2, p, t1, t2, leaving);
        break;
    }
    CheckJunction(t1);
    CheckJunction(t2);
}

void Union(FuzzInput& in, CGMTRArc2D* arcs) {
    CGMTRArc2D a = arcs[in.Choice(2)];
    CGMTRArc2D b = arcs[in.Choice(2)];
    if (in.Bool()) {
        // Often the same circle: the interesting case for the union.
        b.PutBasePoint(a.GetBasePoint());
        b.PutRadius(a.GetRadius());
    }
    const CGMTRArc2D a0 = a, b0 = b;
    CGMTRArc2D separate;
    switch (in.Choice(3)) {
    case 0:
        separate = a;
        break;
    case 1:
        separate = b;
        break;
    default:
        BuildArc(in, separate);
        break;
    }
    const CGMTRPoint2D centre = separate.GetBasePoint();
    const CGMTRArc2D target = separate;
    CGMTRArc2D x = a0, y = b0;
    const int r1 = x.GetConedArc(y, separate);
    FUZZ_CHECK(IsBit(r1));
    FUZZ_CHECK(SameArc(x, a0) && SameArc(y, b0));
    FUZZ_CHECK(Same(separate.GetBasePoint(), centre));
    (void)target;
    // The result may be this arc or the other one: same answer as a separate
    // result arc that held the same fields.
    if (SameArc(target, a0)) {
        CGMTRArc2D self = a0, other = b0;
        const int r2 = self.GetConedArc(other, self);
        FUZZ_CHECK(r2 == r1 && SameArc(self, separate) && SameArc(other, b0));
    }
    if (SameArc(target, b0)) {
        CGMTRArc2D self = a0, other = b0;
        const int r3 = self.GetConedArc(other, other);
        FUZZ_CHECK(r3 == r1 && SameArc(other, separate) && SameArc(self, a0));
    }
    if (r1 == 1) {
        const double sweep = separate.GetSweepAngle();
        FUZZ_CHECK(!(sweep <= -GMTR_2PI) && !(sweep > GMTR_2PI));
    }
}

void CloneAndCopy(FuzzInput& in, CGMTRLine2D* lines, CGMTRArc2D* arcs) {
    CGMTRBaseGeo2D* source = in.Bool() ? static_cast<CGMTRBaseGeo2D*>(&lines[in.Choice(2)])
                                       : static_cast<CGMTRBaseGeo2D*>(&arcs[in.Choice(2)]);
    CGMTRBaseGeo2D* clone = source->Clone();
    FUZZ_CHECK(clone != nullptr);
    FUZZ_CHECK(clone->get_GeometryType() == source->get_GeometryType());
    if (source->get_GeometryType() == GEOMETRY_LINE2D)
        FUZZ_CHECK(SameLine(*static_cast<CGMTRLine2D*>(clone), *static_cast<CGMTRLine2D*>(source)));
    else
        FUZZ_CHECK(SameArc(*static_cast<CGMTRArc2D*>(clone), *static_cast<CGMTRArc2D*>(source)));
    // A query on the clone gives the same bits as on the source.
    const CGMTRPoint2D p = Read2<CGMTRPoint2D>(in);
    FUZZ_CHECK(SameBits(clone->Distance(p), source->Distance(p)));
    FUZZ_CHECK(Same(clone->FGetNearestPoint(p), source->FGetNearestPoint(p)));
    const double t = in.Double();
    FUZZ_CHECK(Same(clone->PercentToPoint(t), source->PercentToPoint(t)));
    clone->Release();

    CGMTRLine2D& l = lines[in.Choice(2)];
    CGMTRLine2D lcopy(l);
    FUZZ_CHECK(SameLine(lcopy, l));
    CGMTRLine2D lassigned;
    FUZZ_CHECK(&(lassigned = l) == &lassigned && SameLine(lassigned, l));
    CGMTRArc2D& a = arcs[in.Choice(2)];
    CGMTRArc2D acopy(a);
    FUZZ_CHECK(SameArc(acopy, a));
    CGMTRArc2D aassigned;
    FUZZ_CHECK(&(aassigned = a) == &aassigned && SameArc(aassigned, a));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CGMTRLine2D lines[2];
    CGMTRArc2D arcs[2];
    for (int step = 0; step < 24 && !in.Empty(); ++step) {
        switch (in.Choice(9)) {
        case 0:
        case 1:
            BuildLine(in, lines[in.Choice(2)]);
            break;
        case 2:
        case 3:
            BuildArc(in, arcs[in.Choice(2)]);
            break;
        case 4:
            QueryLine(in, lines[in.Choice(2)]);
            QueryArc(in, arcs[in.Choice(2)]);
            break;
        case 5:
            Cross(in, lines, arcs);
            break;
        case 6:
            Fillet(in, lines, arcs);
            break;
        case 7:
            Junction(in, lines, arcs);
            Union(in, arcs);
            break;
        default:
            CloneAndCopy(in, lines, arcs);
            break;
        }
    }
    return 0;
}
