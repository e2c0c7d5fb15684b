// Embind bindings of the plane geometry for JavaScript hosts.
//
// Points and vectors cross the boundary as plain {x, y} objects. Entities,
// collections and repeat patterns are embind classes: every object made with
// `new` or handed out by clone(), next() or EntityList.item() belongs to the
// JavaScript side and is freed with delete(). Queries that fill output
// parameters in C++ return plain objects, arrays or null here, so that reading
// a result never needs a handle. The argument checks that turn bad arguments
// into TypeErrors live in the JavaScript entry module (gmtrrt.mjs); this file
// trusts the types it is given.
#include <CGMTRArc2D.h>
#include <CGMTRBaseGeo2D.h>
#include <CGMTRBaseGeo2DCol.h>
#include <CGMTRLine2D.h>
#include <CGMTRPoint2D.h>
#include <CGMTRPoint2DCol.h>
#include <CGMTRPointValueCol.h>
#include <CGMTRRepeat.h>
#include <CGMTRRepeatArc2D.h>
#include <CGMTRRepeatArcSymmetry2D.h>
#include <CGMTRRepeatGrid.h>
#include <CGMTRRepeatLine2D.h>
#include <CGMTRVector2D.h>
#include <GMTRRT.h>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <cstring>

using emscripten::allow_raw_pointers;
using emscripten::base;
using emscripten::class_;
using emscripten::val;

namespace {

// Property getters take const references, while several getters of the
// library (the collections' counts, the repeat patterns' parameters) are
// non-const operations that change nothing; objects bound here are never
// const, so calling them through a const reference is sound.
template <class T> T& Mutable(const T& object) {
    return const_cast<T&>(object);
}

// ---- Values ---------------------------------------------------------------

double PointX(const CGMTRPoint2D& p) {
    return p.X();
}
double PointY(const CGMTRPoint2D& p) {
    return p.Y();
}
void SetPointX(CGMTRPoint2D& p, double x) {
    p.X(x);
}
void SetPointY(CGMTRPoint2D& p, double y) {
    p.Y(y);
}
double VectorX(const CGMTRVector2D& v) {
    return v.X();
}
double VectorY(const CGMTRVector2D& v) {
    return v.Y();
}
void SetVectorX(CGMTRVector2D& v, double x) {
    v.X(x);
}
void SetVectorY(CGMTRVector2D& v, double y) {
    v.Y(y);
}

val PointArray(const CGMTRPoint2DCol& points) {
    val result = val::array();
    for (long i = 0; i < points.GetCount(); ++i) {
        CGMTRPoint2D p;
        points.get_Item(i, p);
        result.set(i, p);
    }
    return result;
}

// Outputs that the library writes only on some paths start as this quiet NaN.
// Its payload is one that no arithmetic produces, and an unwritten output is
// only ever copied, so an output still holding these bits was not written.
constexpr std::uint64_t kUnwrittenBits = 0x7ff8'dead'beef'0001ULL;

CGMTRPoint2D UnwrittenPoint() {
    double v;
    std::memcpy(&v, &kUnwrittenBits, sizeof v);
    return CGMTRPoint2D(v, v);
}

bool Written(const CGMTRPoint2D& p) {
    const double x = p.X();
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits != kUnwrittenBits;
}

val Angles(double thisAngle, double otherAngle) {
    val result = val::object();
    result.set("thisAngle", thisAngle);
    result.set("otherAngle", otherAngle);
    return result;
}

// ---- Shared functions -----------------------------------------------------

bool IsEqualValueJs(double a, double b) {
    return IsEqualValue(a, b);
}
bool IsSamePointJs(const CGMTRPoint2D& p, const CGMTRPoint2D& q) {
    return IsSamePoint(p.X(), p.Y(), q.X(), q.Y());
}
double NormalizeAngleJs(double a) {
    return NormalizeAngle(a);
}
double NormalizeSignedAngleJs(double a) {
    return NormalizeSignedAngle(a);
}
double ReduceAngleJs(double a) {
    return ReduceAngle(a);
}
double DirectionAngleJs(const CGMTRPoint2D& from, const CGMTRPoint2D& to) {
    return GetDirectionAngle(from.X(), from.Y(), to.X(), to.Y());
}
double SnapCosJs(double a) {
    return SnapCos(a);
}
double SnapSinJs(double a) {
    return SnapSin(a);
}
bool IsAngleInRangeJs(double angle, double start, double sweep) {
    return IsAngleInRange(angle, start, sweep);
}

// ---- Entity interface -----------------------------------------------------

int EntityKind(const CGMTRBaseGeo2D& e) {
    return static_cast<int>(e.get_GeometryType());
}
CGMTRPoint2D EntityStart(const CGMTRBaseGeo2D& e) {
    return e.FGetStartPoint();
}
CGMTRPoint2D EntityEnd(const CGMTRBaseGeo2D& e) {
    return e.FGetEndPoint();
}
CGMTRPoint2D EntityMid(const CGMTRBaseGeo2D& e) {
    return e.FGetMidPoint();
}
double EntityDistance(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& p) {
    return e.FDistance(p);
}
CGMTRPoint2D EntityNearest(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& p) {
    return e.FGetNearestPoint(p);
}
CGMTRBaseGeo2D* EntityClone(const CGMTRBaseGeo2D& e) {
    return e.Clone();
}
val EntityCrossPoints(const CGMTRBaseGeo2D& e, CGMTRBaseGeo2D* other) {
    CGMTRPoint2DCol points;
    e.FGetCrossPoint(other, points);
    return PointArray(points);
}
int EntityAppendCrossPoints(const CGMTRBaseGeo2D& e, CGMTRBaseGeo2D* other,
                            CGMTRPoint2DCol& points) {
    const int before = points.GetCount();
    e.FGetCrossPoint(other, points);
    return points.GetCount() - before;
}
val EntityRectBox(const CGMTRBaseGeo2D& e) {
    double minX = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    double minY = 0.0;
    e.GetRectBox(minX, maxX, maxY, minY);
    val box = val::object();
    box.set("minX", minX);
    box.set("maxX", maxX);
    box.set("maxY", maxY);
    box.set("minY", minY);
    return box;
}
double EntityDistanceToPercent(const CGMTRBaseGeo2D& e, int from, double length) {
    const short fromEnd = static_cast<short>(from);
    return e.DistanceToPercent(fromEnd, length);
}
double EntityPointToPercent(const CGMTRBaseGeo2D& e, const CGMTRPoint2D& p) {
    return e.PointToPercent(p);
}
CGMTRPoint2D EntityPercentToPoint(const CGMTRBaseGeo2D& e, double t) {
    return e.PercentToPoint(t);
}

// ---- Segment --------------------------------------------------------------

CGMTRLine2D* LineFromVector(const CGMTRPoint2D& base, const CGMTRVector2D& vector) {
    return new CGMTRLine2D(base, vector);
}
CGMTRPoint2D LineBasePoint(const CGMTRLine2D& l) {
    return l.get_BasePoint();
}
void SetLineBasePoint(CGMTRLine2D& l, CGMTRPoint2D p) {
    l.put_BasePoint(p);
}
void SetLineEndPoint(CGMTRLine2D& l, const CGMTRPoint2D& p) {
    l.put_EndPoint(p);
}
CGMTRVector2D LineBaseVector(const CGMTRLine2D& l) {
    return l.get_BaseVector();
}
void SetLineBaseVector(CGMTRLine2D& l, CGMTRVector2D v) {
    l.put_BaseVector(v);
}
double LineBaseAngle(const CGMTRLine2D& l) {
    return l.get_BaseAngle();
}
void SetLineBaseAngle(CGMTRLine2D& l, double a) {
    l.put_BaseAngle(a);
}
double LineLength(const CGMTRLine2D& l) {
    return l.get_LineLength();
}
void SetLineLength(CGMTRLine2D& l, double length) {
    l.put_LineLength(length);
}
double LineVerticalDistance(const CGMTRLine2D& l, const CGMTRPoint2D& p) {
    return l.GetVerticalDis(p);
}
CGMTRPoint2D LineVerticalPoint(const CGMTRLine2D& l, const CGMTRPoint2D& p) {
    return l.GetVerticalPoint(p);
}
bool LineVerticalPointInRange(const CGMTRLine2D& l, const CGMTRPoint2D& p) {
    return l.CheckVerticalPointInRange(p) != 0;
}
val LineCrossPoint(const CGMTRLine2D& l, CGMTRLine2D& other) {
    CGMTRPoint2DCol points;
    l.GetCrossPoint(other, points);
    return PointArray(points);
}
// 1 writes the crossing of the two infinite lines, 0 leaves the output alone.
val LineCrossPointEx(const CGMTRLine2D& l, const CGMTRLine2D& other) {
    CGMTRPoint2D point;
    if (l.GetCrossPointEx(other, point) == 0)
        return val::null();
    return val(point);
}
val LineLineAngles(const CGMTRLine2D& l, const CGMTRLine2D& other, const CGMTRPoint2D& p,
                   int leaving) {
    double thisAngle = 0.0;
    double otherAngle = 0.0;
    l.GetLineLineAngle(other, p, thisAngle, otherAngle, leaving);
    return Angles(thisAngle, otherAngle);
}
val LineArcAngles(const CGMTRLine2D& l, const CGMTRArc2D& arc, const CGMTRPoint2D& p, int leaving) {
    double thisAngle = 0.0;
    double otherAngle = 0.0;
    l.GetLineArcAngle(arc, p, thisAngle, otherAngle, leaving);
    return Angles(thisAngle, otherAngle);
}

// ---- Arc ------------------------------------------------------------------

// The arc is set up in the order centre, radius, start angle, sweep: the
// default start vector (1, 0) is scaled, then turned, then the sweep is laid
// from it.
CGMTRArc2D* MakeArc(const CGMTRPoint2D& centre, double radius, double startAngle, double sweep) {
    CGMTRArc2D* arc = new CGMTRArc2D();
    arc->PutBasePoint(centre);
    arc->PutRadius(radius);
    arc->PutBaseAngle(startAngle);
    arc->PutSweepAngle(sweep);
    return arc;
}
CGMTRPoint2D ArcCentre(const CGMTRArc2D& a) {
    return a.GetBasePoint();
}
void SetArcCentre(CGMTRArc2D& a, CGMTRPoint2D p) {
    a.PutBasePoint(p);
}
double ArcRadius(const CGMTRArc2D& a) {
    return a.GetRadius();
}
void SetArcRadius(CGMTRArc2D& a, double r) {
    a.PutRadius(r);
}
CGMTRVector2D ArcBaseVector(const CGMTRArc2D& a) {
    return a.GetBaseVector();
}
void SetArcBaseVector(CGMTRArc2D& a, CGMTRVector2D v) {
    a.PutBaseVector(v);
}
CGMTRVector2D ArcMidVector(const CGMTRArc2D& a) {
    return a.GetMidVector();
}
void SetArcMidVector(CGMTRArc2D& a, CGMTRVector2D v) {
    a.PutMidVector(v);
}
double ArcSweep(const CGMTRArc2D& a) {
    return a.GetSweepAngle();
}
void SetArcSweep(CGMTRArc2D& a, double s) {
    a.PutSweepAngle(s);
}
double ArcBaseAngle(const CGMTRArc2D& a) {
    return a.GetBaseAngle();
}
void SetArcBaseAngle(CGMTRArc2D& a, double angle) {
    a.PutBaseAngle(angle);
}
double ArcVerticalDistance(CGMTRArc2D& a, const CGMTRPoint2D& p) {
    return a.GetVerticalDis(p);
}
CGMTRPoint2D ArcVerticalPoint(CGMTRArc2D& a, const CGMTRPoint2D& p) {
    return a.GetVerticalPoint(p);
}
bool ArcVerticalPointInRange(CGMTRArc2D& a, const CGMTRPoint2D& p) {
    return a.CheckVerticalPointInRange(p) != 0;
}
bool ArcAngleInRange(CGMTRArc2D& a, double angle) {
    return a.CheckAngleRange(angle) != 0;
}
double ArcPercentToDistance(CGMTRArc2D& a, double t) {
    return a.PercentToDistance(t);
}
val ArcCrossArc(const CGMTRArc2D& a, CGMTRArc2D& other) {
    CGMTRPoint2DCol points;
    a.GetCrossPointArc(other, points);
    return PointArray(points);
}
val ArcCrossLine(const CGMTRArc2D& a, const CGMTRLine2D& line) {
    CGMTRPoint2DCol points;
    a.GetCrossPointLine(line, points);
    return PointArray(points);
}
val ArcCrossInfiniteLine(CGMTRArc2D& a, CGMTRLine2D& line) {
    CGMTRPoint2DCol points;
    a.GetCrossPointLineEx(line, points);
    return PointArray(points);
}

// The arc-arc fillet writes nothing, only the centre, or all three points.
// The touching points are written together, so one of them tells for both.
val ArcFillet(CGMTRArc2D& a, CGMTRArc2D& other, double d) {
    CGMTRPoint2D onThis = UnwrittenPoint();
    CGMTRPoint2D onOther = UnwrittenPoint();
    CGMTRPoint2D centre = UnwrittenPoint();
    a.ArcTangencyDistance(other, d, onThis, onOther, centre);
    if (!Written(centre))
        return val::null();
    val result = val::object();
    result.set("centre", centre);
    if (Written(onThis)) {
        result.set("onThis", onThis);
        result.set("onOther", onOther);
    } else {
        result.set("onThis", val::null());
        result.set("onOther", val::null());
    }
    return result;
}

// The arc-segment fillet writes all three points or none.
val LineFillet(CGMTRArc2D& a, const CGMTRLine2D& line, const CGMTRPoint2D& q, double d) {
    CGMTRPoint2D onLine = UnwrittenPoint();
    CGMTRPoint2D onArc = UnwrittenPoint();
    CGMTRPoint2D centre = UnwrittenPoint();
    a.LineTangencyDistance(line, q, d, onLine, onArc, centre);
    if (!Written(centre))
        return val::null();
    val result = val::object();
    result.set("onLine", onLine);
    result.set("onArc", onArc);
    result.set("centre", centre);
    return result;
}

// The corner fillet between two segments says by its result whether it exists.
val CornerFillet(const CGMTRLine2D& l, const CGMTRLine2D& other, const CGMTRPoint2D& corner,
                 double d) {
    CGMTRPoint2D onThis, onOther, centre;
    if (!l.LineTangencyDistance(other, corner, d, onThis, onOther, centre))
        return val::null();
    val result = val::object();
    result.set("onThis", onThis);
    result.set("onOther", onOther);
    result.set("centre", centre);
    return result;
}

int ArcConedArc(CGMTRArc2D& a, CGMTRArc2D& other, CGMTRArc2D& result) {
    return a.GetConedArc(other, result);
}

// The union as start angle and sweep of an arc on this arc's circle. The
// library answers 0 both for arcs that do not meet (result untouched) and for
// two descriptions of the same arc (result rewritten with that arc); the
// second is the case where the arcs lie on one circle and each holds both ends
// of the other, which is tested here with the library's own range test.
val ArcUnion(CGMTRArc2D& a, CGMTRArc2D& other) {
    CGMTRArc2D result(a);
    const int joined = a.GetConedArc(other, result);
    bool same = false;
    if (joined == 0) {
        CGMTRPoint2D centre = a.GetBasePoint();
        const bool oneCircle =
            (centre == other.GetBasePoint()) != 0 && IsEqualValue(a.GetRadius(), other.GetRadius());
        const double otherEnd = other.GetBaseAngle() + other.GetSweepAngle();
        const double thisEnd = a.GetBaseAngle() + a.GetSweepAngle();
        same = oneCircle && a.CheckAngleRange(other.GetBaseAngle()) != 0 &&
               a.CheckAngleRange(otherEnd) != 0 && other.CheckAngleRange(a.GetBaseAngle()) != 0 &&
               other.CheckAngleRange(thisEnd) != 0;
        if (!same)
            return val::null();
    }
    val union_ = val::object();
    union_.set("same", same);
    union_.set("startAngle", result.GetBaseAngle());
    union_.set("sweep", result.GetSweepAngle());
    return union_;
}

val ArcArcAngles(const CGMTRArc2D& a, const CGMTRArc2D& other, const CGMTRPoint2D& p, int leaving) {
    double thisAngle = 0.0;
    double otherAngle = 0.0;
    a.GetArcArcAngle(other, p, thisAngle, otherAngle, leaving);
    return Angles(thisAngle, otherAngle);
}

// ---- Collections ----------------------------------------------------------

int PointListCount(const CGMTRPoint2DCol& c) {
    return c.GetCount();
}
bool PointListIsEmpty(const CGMTRPoint2DCol& c) {
    return c.IsEmpty() != 0;
}
void PointListAdd(CGMTRPoint2DCol& c, const CGMTRPoint2D& p) {
    c.Add(p);
}
void PointListInsert(CGMTRPoint2DCol& c, long index, const CGMTRPoint2D& p) {
    c.Insert(index, p);
}
void PointListRemove(CGMTRPoint2DCol& c, long index) {
    c.Remove(index);
}
val PointListItem(const CGMTRPoint2DCol& c, long index) {
    CGMTRPoint2D p;
    if (c.get_Item(index, p) == 0)
        return val::null();
    return val(p);
}
bool PointListSetItem(CGMTRPoint2DCol& c, long index, const CGMTRPoint2D& p) {
    return c.put_Item(index, p) != 0;
}
void PointListClear(CGMTRPoint2DCol& c) {
    c.Clear();
}
void PointListAppendList(CGMTRPoint2DCol& c, const CGMTRPoint2DCol& other) {
    c.AppendList(other);
}
val PointListToArray(const CGMTRPoint2DCol& c) {
    return PointArray(c);
}

// The entity list owns what it holds; handing JavaScript's own objects over
// would leave two owners. It stores clones and lends nothing: item() returns a
// new clone that the caller deletes.
int EntityListCount(const CGMTRBaseGeo2DCol& c) {
    return Mutable(c).GetCount();
}
void EntityListAdd(CGMTRBaseGeo2DCol& c, CGMTRBaseGeo2D* entity) {
    c.Add(entity ? entity->Clone() : nullptr);
}
CGMTRBaseGeo2D* EntityListItem(CGMTRBaseGeo2DCol& c, long index) {
    CGMTRBaseGeo2D* entity = c.get_Item(index);
    return entity ? entity->Clone() : nullptr;
}
void EntityListClear(CGMTRBaseGeo2DCol& c) {
    c.Clear();
}
CGMTRBaseGeo2DCol* EntityListCopy(const CGMTRBaseGeo2DCol& c) {
    return new CGMTRBaseGeo2DCol(c);
}

val PointValue(const tagGMTRPointValue& record) {
    val values = val::array();
    values.set(0, record.value[0]);
    values.set(1, record.value[1]);
    val result = val::object();
    result.set("x", record.x);
    result.set("y", record.y);
    result.set("values", values);
    return result;
}
// A record from {x, y, values: [v0, v1]}; the values are single precision.
tagGMTRPointValue PointValueRecord(const val& from) {
    tagGMTRPointValue record;
    record.x = from["x"].as<double>();
    record.y = from["y"].as<double>();
    const val values = from["values"];
    record.value[0] = values[0].as<float>();
    record.value[1] = values[1].as<float>();
    return record;
}
int PointValueListCount(const CGMTRPointValueCol& c) {
    return Mutable(c).GetCount();
}
int PointValueListUsed(const CGMTRPointValueCol& c) {
    return c.GetUsedValueCount();
}
void SetPointValueListUsed(CGMTRPointValueCol& c, int count) {
    c.SetUsedValueCount(count);
}
void PointValueListAdd(CGMTRPointValueCol& c, const val& from) {
    tagGMTRPointValue record = PointValueRecord(from);
    c.Add(record);
}
val PointValueListItem(CGMTRPointValueCol& c, long index) {
    tagGMTRPointValue record = {0.0, 0.0, {0.0f, 0.0f}};
    if (c.get_Item(index, record) == 0)
        return val::null();
    return PointValue(record);
}
bool PointValueListSetItem(CGMTRPointValueCol& c, long index, const val& from) {
    tagGMTRPointValue record = PointValueRecord(from);
    return c.put_Item(index, record) != 0;
}
void PointValueListClear(CGMTRPointValueCol& c) {
    c.Clear();
}

// ---- Repeat patterns ------------------------------------------------------

int RepeatKind(const CGMTRRepeat& r) {
    return static_cast<int>(Mutable(r).GetRepeatType());
}
long RepeatCount(const CGMTRRepeat& r) {
    return Mutable(r).GetCount();
}
long RepeatOwnCount(const CGMTRRepeat& r) {
    return Mutable(r).GetCurrentCount();
}
void RepeatSetCount(CGMTRRepeat& r, long count) {
    r.PutCount(count);
}
CGMTRPoint2D RepeatPoint(CGMTRRepeat& r, long index, const CGMTRPoint2D& point,
                         const CGMTRPoint2D& ref) {
    return r.GetRepeatPoint(index, point, ref);
}
double RepeatAngle(CGMTRRepeat& r, long index, double angle) {
    return r.GetRepeatAngle(index, angle);
}
void RepeatAppend(CGMTRRepeat& r, CGMTRRepeat& next) {
    r.SetRepeat(&next);
}
void RepeatRemoveLast(CGMTRRepeat& r) {
    r.SetRepeat(nullptr);
}
CGMTRRepeat* RepeatNext(CGMTRRepeat& r) {
    return r.GetRepeat();
}
CGMTRRepeat* RepeatClone(CGMTRRepeat& r) {
    return r.Clone();
}
// Every copy of the chain: index, position and angle.
val RepeatCopies(CGMTRRepeat& r, const CGMTRPoint2D& point, const CGMTRPoint2D& ref, double angle) {
    val copies = val::array();
    const long count = r.GetCount();
    for (long i = 0; i < count; ++i) {
        val copy = val::object();
        copy.set("index", i);
        copy.set("point", r.GetRepeatPoint(i, point, ref));
        copy.set("angle", r.GetRepeatAngle(i, angle));
        copies.set(i, copy);
    }
    return copies;
}

CGMTRRepeatLine2D* MakeRepeatLine(double angle, double space, long count) {
    CGMTRRepeatLine2D* r = new CGMTRRepeatLine2D();
    r->ConstructRepeatLine(angle, space, count);
    return r;
}
double RepeatLineAngle(const CGMTRRepeatLine2D& r) {
    return Mutable(r).GetLineAngle();
}
void SetRepeatLineAngle(CGMTRRepeatLine2D& r, double a) {
    r.PutLineAngle(a);
}
double RepeatLineSpace(const CGMTRRepeatLine2D& r) {
    return Mutable(r).GetRepeatSpace();
}
void SetRepeatLineSpace(CGMTRRepeatLine2D& r, double s) {
    r.PutRepeatSpace(s);
}

template <class Arc> Arc* MakeRepeatArc(const CGMTRPoint2D& origin, double spaceAngle, long count) {
    Arc* r = new Arc();
    r->ConstructRepeatArc(origin.X(), origin.Y(), spaceAngle, count);
    return r;
}
CGMTRPoint2D RepeatArcOrigin(const CGMTRRepeatArc2D& r) {
    return Mutable(r).GetOriginPt();
}
void SetRepeatArcOrigin(CGMTRRepeatArc2D& r, CGMTRPoint2D p) {
    r.SetOriginPt(p);
}
double RepeatArcSpaceAngle(const CGMTRRepeatArc2D& r) {
    return Mutable(r).GetSpaceAngle();
}
void SetRepeatArcSpaceAngle(CGMTRRepeatArc2D& r, double a) {
    r.PutSpaceAngle(a);
}

CGMTRRepeatGrid* MakeRepeatGrid(double spaceX, double spaceY, long repeatX, long repeatY,
                                double baseAngle) {
    CGMTRRepeatGrid* r = new CGMTRRepeatGrid();
    r->ConstructRepeatGrid(spaceX, spaceY, repeatX, repeatY, baseAngle);
    return r;
}
double GridSpaceX(const CGMTRRepeatGrid& r) {
    return Mutable(r).GetSpaceX();
}
void SetGridSpaceX(CGMTRRepeatGrid& r, double s) {
    r.PutSpaceX(s);
}
double GridSpaceY(const CGMTRRepeatGrid& r) {
    return Mutable(r).GetSpaceY();
}
void SetGridSpaceY(CGMTRRepeatGrid& r, double s) {
    r.PutSpaceY(s);
}
double GridBaseAngle(const CGMTRRepeatGrid& r) {
    return Mutable(r).GetBaseAngle();
}
void SetGridBaseAngle(CGMTRRepeatGrid& r, double a) {
    r.PutBaseAngle(a);
}
long GridRepeatX(const CGMTRRepeatGrid& r) {
    return Mutable(r).GetRepeatX();
}
void SetGridRepeatX(CGMTRRepeatGrid& r, long n) {
    r.PutRepeatX(n);
}
long GridRepeatY(const CGMTRRepeatGrid& r) {
    return Mutable(r).GetRepeatY();
}
void SetGridRepeatY(CGMTRRepeatGrid& r, long n) {
    r.PutRepeatY(n);
}

} // namespace

EMSCRIPTEN_BINDINGS(gmtrrt) {
    using namespace emscripten;

    value_object<CGMTRPoint2D>("Point")
        .field("x", &PointX, &SetPointX)
        .field("y", &PointY, &SetPointY);
    value_object<CGMTRVector2D>("Vector")
        .field("x", &VectorX, &SetVectorX)
        .field("y", &VectorY, &SetVectorY);

    constant("PI", GMTR_PI);
    constant("TWO_PI", GMTR_2PI);
    constant("HALF_PI", GMTR_HALF_PI);
    constant("TOL", GMTR_TOL);

    function("isEqualValue", &IsEqualValueJs);
    function("isSamePoint", &IsSamePointJs);
    function("normalizeAngle", &NormalizeAngleJs);
    function("normalizeSignedAngle", &NormalizeSignedAngleJs);
    function("reduceAngle", &ReduceAngleJs);
    function("directionAngle", &DirectionAngleJs);
    function("snapCos", &SnapCosJs);
    function("snapSin", &SnapSinJs);
    function("isAngleInRange", &IsAngleInRangeJs);

    class_<CGMTRPoint2DCol>("PointList")
        .constructor<>()
        .property("count", &PointListCount)
        .function("isEmpty", &PointListIsEmpty)
        .function("add", &PointListAdd)
        .function("insert", &PointListInsert)
        .function("remove", &PointListRemove)
        .function("item", &PointListItem)
        .function("setItem", &PointListSetItem)
        .function("clear", &PointListClear)
        .function("appendList", &PointListAppendList)
        .function("toArray", &PointListToArray);

    class_<CGMTRBaseGeo2D>("Entity")
        .property("kind", &EntityKind)
        .function("startPoint", &EntityStart)
        .function("endPoint", &EntityEnd)
        .function("midPoint", &EntityMid)
        .function("distance", &EntityDistance)
        .function("nearestPoint", &EntityNearest)
        .function("clone", &EntityClone, allow_raw_pointers())
        .function("crossPoints", &EntityCrossPoints, allow_raw_pointers())
        .function("appendCrossPoints", &EntityAppendCrossPoints, allow_raw_pointers())
        .function("rectBox", &EntityRectBox)
        .function("distanceToPercent", &EntityDistanceToPercent)
        .function("pointToPercent", &EntityPointToPercent)
        .function("percentToPoint", &EntityPercentToPoint);

    class_<CGMTRLine2D, base<CGMTRBaseGeo2D>>("Line")
        .constructor<>()
        .constructor<const CGMTRPoint2D&, const CGMTRPoint2D&>()
        .class_function("fromVector", &LineFromVector, allow_raw_pointers())
        .property("basePoint", &LineBasePoint, &SetLineBasePoint)
        .property("baseVector", &LineBaseVector, &SetLineBaseVector)
        .property("baseAngle", &LineBaseAngle, &SetLineBaseAngle)
        .property("lineLength", &LineLength, &SetLineLength)
        .function("setEndPoint", &SetLineEndPoint)
        .function("verticalDistance", &LineVerticalDistance)
        .function("verticalPoint", &LineVerticalPoint)
        .function("verticalPointInRange", &LineVerticalPointInRange)
        .function("crossPoint", &LineCrossPoint)
        .function("crossPointEx", &LineCrossPointEx)
        .function("lineFillet", &CornerFillet)
        .function("lineLineAngles", &LineLineAngles)
        .function("lineArcAngles", &LineArcAngles);

    class_<CGMTRArc2D, base<CGMTRBaseGeo2D>>("Arc")
        .constructor<>()
        .constructor(&MakeArc, allow_raw_pointers())
        .property("centre", &ArcCentre, &SetArcCentre)
        .property("radius", &ArcRadius, &SetArcRadius)
        .property("baseVector", &ArcBaseVector, &SetArcBaseVector)
        .property("midVector", &ArcMidVector, &SetArcMidVector)
        .property("sweepAngle", &ArcSweep, &SetArcSweep)
        .property("baseAngle", &ArcBaseAngle, &SetArcBaseAngle)
        .function("verticalDistance", &ArcVerticalDistance)
        .function("verticalPoint", &ArcVerticalPoint)
        .function("verticalPointInRange", &ArcVerticalPointInRange)
        .function("angleInRange", &ArcAngleInRange)
        .function("percentToDistance", &ArcPercentToDistance)
        .function("crossArc", &ArcCrossArc)
        .function("crossLine", &ArcCrossLine)
        .function("crossInfiniteLine", &ArcCrossInfiniteLine)
        .function("arcFillet", &ArcFillet)
        .function("lineFillet", &LineFillet)
        .function("conedArc", &ArcConedArc)
        .function("union", &ArcUnion)
        .function("arcArcAngles", &ArcArcAngles);

    class_<CGMTRBaseGeo2DCol>("EntityList")
        .constructor<>()
        .property("count", &EntityListCount)
        .function("add", &EntityListAdd, allow_raw_pointers())
        .function("item", &EntityListItem, allow_raw_pointers())
        .function("clear", &EntityListClear)
        .function("copy", &EntityListCopy, allow_raw_pointers());

    class_<CGMTRPointValueCol>("PointValueList")
        .constructor<>()
        .property("count", &PointValueListCount)
        .property("usedValueCount", &PointValueListUsed, &SetPointValueListUsed)
        .function("add", &PointValueListAdd)
        .function("item", &PointValueListItem)
        .function("setItem", &PointValueListSetItem)
        .function("clear", &PointValueListClear);

    class_<CGMTRRepeat>("Repeat")
        .property("kind", &RepeatKind)
        .property("count", &RepeatCount)
        .property("ownCount", &RepeatOwnCount)
        .function("setCount", &RepeatSetCount)
        .function("repeatPoint", &RepeatPoint)
        .function("repeatAngle", &RepeatAngle)
        .function("append", &RepeatAppend)
        .function("removeLast", &RepeatRemoveLast)
        .function("next", &RepeatNext, allow_raw_pointers())
        .function("clone", &RepeatClone, allow_raw_pointers())
        .function("copies", &RepeatCopies);

    class_<CGMTRRepeatLine2D, base<CGMTRRepeat>>("RepeatLine")
        .constructor<>()
        .constructor(&MakeRepeatLine, allow_raw_pointers())
        .property("lineAngle", &RepeatLineAngle, &SetRepeatLineAngle)
        .property("repeatSpace", &RepeatLineSpace, &SetRepeatLineSpace);

    class_<CGMTRRepeatArc2D, base<CGMTRRepeat>>("RepeatArc")
        .constructor<>()
        .constructor(&MakeRepeatArc<CGMTRRepeatArc2D>, allow_raw_pointers())
        .property("origin", &RepeatArcOrigin, &SetRepeatArcOrigin)
        .property("spaceAngle", &RepeatArcSpaceAngle, &SetRepeatArcSpaceAngle);

    class_<CGMTRRepeatArcSymmetry2D, base<CGMTRRepeatArc2D>>("RepeatArcSymmetry")
        .constructor<>()
        .constructor(&MakeRepeatArc<CGMTRRepeatArcSymmetry2D>, allow_raw_pointers());

    class_<CGMTRRepeatGrid, base<CGMTRRepeat>>("RepeatGrid")
        .constructor<>()
        .constructor(&MakeRepeatGrid, allow_raw_pointers())
        .property("spaceX", &GridSpaceX, &SetGridSpaceX)
        .property("spaceY", &GridSpaceY, &SetGridSpaceY)
        .property("baseAngle", &GridBaseAngle, &SetGridBaseAngle)
        .property("repeatX", &GridRepeatX, &SetGridRepeatX)
        .property("repeatY", &GridRepeatY, &SetGridRepeatY);
}
