#include "CGMTRArc2D.h"
#include "entities/ArcCrossingKernels.h"

#include <cmath>
#include <new>

// The arc keeps its sweep as the angle between BaseVector and MidVector (half
// the sweep) plus the FullCircle flag, so every query that needs the sweep
// reads it through GetSweepAngle. Vectors and points whose operators are not
// const operations are copied to locals inside const members.

CGMTRArc2D::CGMTRArc2D()
    : MidVector(1.0, 0.0), BasePoint(0.0, 0.0), BaseVector(1.0, 0.0), FullCircle(0) {}

CGMTRArc2D::CGMTRArc2D(const CGMTRArc2D& other)
    : CGMTRBaseGeo2D(other), MidVector(other.MidVector), BasePoint(other.BasePoint),
      BaseVector(other.BaseVector), FullCircle(other.FullCircle) {}

CGMTRArc2D::CGMTRArc2D(const CGMTRPoint2D& centre, double radius, double startAngle, double sweep)
    : CGMTRArc2D() {
    // The sweep is set last: it is kept relative to the start vector.
    PutBasePoint(centre);
    PutRadius(radius);
    PutBaseAngle(startAngle);
    PutSweepAngle(sweep);
}

CGMTRArc2D& CGMTRArc2D::operator=(const CGMTRArc2D& other) {
    MidVector = other.MidVector;
    BasePoint = other.BasePoint;
    BaseVector = other.BaseVector;
    FullCircle = other.FullCircle;
    return *this;
}

CGMTRArc2D::~CGMTRArc2D() = default;

// ---- Properties -------------------------------------------------------------

double CGMTRArc2D::GetRadius() const {
    return BaseVector.Length();
}

void CGMTRArc2D::PutRadius(const double& r) {
    BaseVector.Normalize();
    BaseVector *= r;
}

CGMTRVector2D CGMTRArc2D::GetBaseVector() const {
    return BaseVector;
}

void CGMTRArc2D::PutBaseVector(const CGMTRVector2D& v) {
    BaseVector = v;
}

CGMTRVector2D CGMTRArc2D::GetMidVector() const {
    return MidVector;
}

void CGMTRArc2D::PutMidVector(const CGMTRVector2D& v) {
    MidVector = v;
}

double CGMTRArc2D::GetSweepAngle() const {
    if (FullCircle != 0) {
        return 2 * GMTR_PI;
    }
    return 2 * NormalizeSignedAngle(BaseVector.AngleTo(MidVector));
}

void CGMTRArc2D::PutSweepAngle(const double& s) {
    MidVector = BaseVector;
    FullCircle = IsEqualValue(2 * GMTR_PI, s) ? 1 : 0;
    MidVector.Rotate(ReduceAngle(s) / 2);
}

double CGMTRArc2D::GetBaseAngle() const {
    return BaseVector.Angle();
}

void CGMTRArc2D::PutBaseAngle(const double& a) {
    const double d = a - BaseVector.Angle();
    BaseVector.Rotate(d);
    MidVector.Rotate(d);
}

CGMTRPoint2D CGMTRArc2D::GetBasePoint() const {
    return BasePoint;
}

void CGMTRArc2D::PutBasePoint(const CGMTRPoint2D& p) {
    BasePoint = p;
}

CGMTRPoint2D CGMTRArc2D::GetStartPoint() const {
    CGMTRPoint2D centre(BasePoint);
    return centre + BaseVector;
}

CGMTRPoint2D CGMTRArc2D::GetEndPoint() const {
    CGMTRVector2D v(BaseVector);
    v.Mirror(MidVector);
    CGMTRPoint2D centre(BasePoint);
    return centre + v;
}

// ---- Queries ----------------------------------------------------------------

double CGMTRArc2D::GetVerticalDis(const CGMTRPoint2D& p) {
    const double d = BasePoint.Distance2D(p);
    const double r = GetRadius();
    return d > r ? d - r : r - d;
}

CGMTRPoint2D CGMTRArc2D::GetVerticalPoint(const CGMTRPoint2D& p) {
    const double cx = BasePoint.X();
    const double cy = BasePoint.Y();
    const double a = GetDirectionAngle(cx, cy, p.X(), p.Y());
    const double r = GetRadius();
    return CGMTRPoint2D(cx + SnapCos(a) * r, cy + SnapSin(a) * r);
}

int CGMTRArc2D::CheckVerticalPointInRange(const CGMTRPoint2D& p) {
    const CGMTRPoint2D foot = GetVerticalPoint(p);
    const double q = PointToPercent(foot);
    return q == -1.0 ? 0 : 1;
}

int CGMTRArc2D::CheckAngleRange(const double& a) {
    const gmtrrt::detail::ArcFrame f =
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    return gmtrrt::detail::IsAngleInRange(a, f.base, f.sweep) ? 1 : 0;
}

double CGMTRArc2D::PercentToDistance(const double& t) {
    return std::fabs(GetSweepAngle()) * GetRadius() * t;
}

CGMTRPoint2D CGMTRArc2D::GetNearestPoint(const CGMTRPoint2D& p) const {
    const double cx = BasePoint.X();
    const double cy = BasePoint.Y();
    const double d = BasePoint.Distance2D(p);
    if (d < GMTR_TOL) {
        return GetStartPoint();
    }
    const double a = GetDirectionAngle(cx, cy, p.X(), p.Y());
    const gmtrrt::detail::ArcFrame f =
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    if (gmtrrt::detail::IsAngleInRange(a, f.base, f.sweep)) {
        const double r = f.r;
        return CGMTRPoint2D(cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    const CGMTRPoint2D start = GetStartPoint();
    const CGMTRPoint2D end = GetEndPoint();
    const double d1 = p.Distance2D(start);
    const double d2 = p.Distance2D(end);
    return d1 <= d2 ? start : end;
}

// ---- Entity interface -------------------------------------------------------

tagGMTRGeometryType CGMTRArc2D::get_GeometryType() const {
    return GEOMETRY_ARC2D;
}

CGMTRPoint2D CGMTRArc2D::FGetStartPoint() const {
    return GetStartPoint();
}

CGMTRPoint2D CGMTRArc2D::FGetEndPoint() const {
    return GetEndPoint();
}

CGMTRPoint2D CGMTRArc2D::FGetMidPoint() const {
    const double b = GetBaseAngle();
    const double s = GetSweepAngle();
    const double r = GetRadius();
    return CGMTRPoint2D(BasePoint.X() + std::cos(b + s / 2) * r,
                        BasePoint.Y() + std::sin(b + s / 2) * r);
}

double CGMTRArc2D::FDistance(const CGMTRPoint2D& p) const {
    return Distance(p);
}

CGMTRPoint2D CGMTRArc2D::FGetNearestPoint(const CGMTRPoint2D& p) const {
    return GetNearestPoint(p);
}

CGMTRBaseGeo2D* CGMTRArc2D::Clone() const {
    return new (std::nothrow) CGMTRArc2D(*this);
}

void CGMTRArc2D::Release() {
    delete this;
}

void CGMTRArc2D::GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const {
    const double cx = BasePoint.X();
    const double cy = BasePoint.Y();
    const gmtrrt::detail::ArcFrame f =
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    const double r = f.r;
    const double b = f.base;
    const double s = f.sweep;
    // Start and end from the plain cosine and sine; an extreme of the circle
    // replaces them wherever its direction lies on the arc.
    const double sx = std::cos(b) * r + cx;
    const double sy = std::sin(b) * r + cy;
    const double ex = std::cos(b + s) * r + cx;
    const double ey = std::sin(b + s) * r + cy;

    // Each output is written once, in the order maxY, minX, minY, maxX, so a
    // caller passing one variable twice sees a fixed outcome.
    maxY = IsAngleInRange(GMTR_PI / 2, b, s) ? cy + r : (sy > ey ? sy : ey);
    minX = IsAngleInRange(GMTR_PI, b, s) ? cx - r : (sx < ex ? sx : ex);
    minY = IsAngleInRange(-GMTR_PI / 2, b, s) ? cy - r : (sy < ey ? sy : ey);
    maxX = IsAngleInRange(0.0, b, s) ? cx + r : (sx > ex ? sx : ex);
}

double CGMTRArc2D::Distance(const CGMTRPoint2D& p) const {
    const double d = BasePoint.Distance2D(p);
    const double r = BaseVector.Length();
    if (d < GMTR_TOL) {
        return r;
    }
    const gmtrrt::detail::ArcFrame f =
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    const double a = GetDirectionAngle(f.cx, f.cy, p.X(), p.Y());
    if (gmtrrt::detail::IsAngleInRange(a, f.base, f.sweep)) {
        return std::fabs(d - r);
    }
    const double d1 = p.Distance2D(GetStartPoint());
    const double d2 = p.Distance2D(GetEndPoint());
    return d1 < d2 ? d1 : d2;
}

double CGMTRArc2D::DistanceToPercent(const short& from, const double& length) const {
    const double lg = std::fabs(GetSweepAngle()) * GetRadius();
    if (length < 0.0) {
        return -1.0;
    }
    if (length > lg) {
        return -1.0;
    }
    if (from == 0) {
        return length / lg;
    }
    return (lg - length) / lg;
}

double CGMTRArc2D::PointToPercent(const CGMTRPoint2D& p) const {
    const double d = BasePoint.Distance2D(p);
    const double r = BaseVector.Length();
    if (std::fabs(d - r) > GMTR_TOL) {
        return -1.0;
    }
    const gmtrrt::detail::ArcFrame f =
        gmtrrt::detail::MakeFrame(BasePoint, BaseVector, MidVector, FullCircle);
    const double a = GetDirectionAngle(f.cx, f.cy, p.X(), p.Y());
    const double b = f.base;
    const double s = f.sweep;
    if (!gmtrrt::detail::IsAngleInRange(a, b, s)) {
        return -1.0;
    }
    double e = NormalizeSignedAngle(a - b);
    // A direction reached the other way round from the sweep is measured a
    // full turn further along the sweep.
    if (e * s < -GMTR_TOL) {
        if (s > 0.0) {
            e = e + 2 * GMTR_PI;
        } else {
            e = e - 2 * GMTR_PI;
        }
    }
    return e / s;
}

CGMTRPoint2D CGMTRArc2D::PercentToPoint(const double& t) const {
    CGMTRVector2D v(BaseVector);
    v.Rotate(GetSweepAngle() * t);
    CGMTRPoint2D centre(BasePoint);
    return centre + v;
}

// Const forms: the same members, called on arcs that none of them changes.
double CGMTRArc2D::GetVerticalDis(const CGMTRPoint2D& p) const {
    return const_cast<CGMTRArc2D&>(*this).GetVerticalDis(p);
}
CGMTRPoint2D CGMTRArc2D::GetVerticalPoint(const CGMTRPoint2D& p) const {
    return const_cast<CGMTRArc2D&>(*this).GetVerticalPoint(p);
}
int CGMTRArc2D::CheckVerticalPointInRange(const CGMTRPoint2D& p) const {
    return const_cast<CGMTRArc2D&>(*this).CheckVerticalPointInRange(p);
}
int CGMTRArc2D::CheckAngleRange(const double& a) const {
    return const_cast<CGMTRArc2D&>(*this).CheckAngleRange(a);
}
double CGMTRArc2D::PercentToDistance(const double& t) const {
    return const_cast<CGMTRArc2D&>(*this).PercentToDistance(t);
}
void CGMTRArc2D::GetCrossPointArc(const CGMTRArc2D& other, CGMTRPoint2DCol& points) const {
    GetCrossPointArc(const_cast<CGMTRArc2D&>(other), points);
}
void CGMTRArc2D::GetCrossPointLineEx(const CGMTRLine2D& line, CGMTRPoint2DCol& points) const {
    const_cast<CGMTRArc2D&>(*this).GetCrossPointLineEx(const_cast<CGMTRLine2D&>(line), points);
}
void CGMTRArc2D::ArcTangencyDistance(const CGMTRArc2D& other, const double& d, CGMTRPoint2D& onThis,
                                     CGMTRPoint2D& onOther, CGMTRPoint2D& centre) const {
    const_cast<CGMTRArc2D&>(*this).ArcTangencyDistance(const_cast<CGMTRArc2D&>(other), d, onThis,
                                                       onOther, centre);
}
void CGMTRArc2D::LineTangencyDistance(const CGMTRLine2D& line, const CGMTRPoint2D& q,
                                      const double& d, CGMTRPoint2D& onLine, CGMTRPoint2D& onArc,
                                      CGMTRPoint2D& centre) const {
    const_cast<CGMTRArc2D&>(*this).LineTangencyDistance(line, q, d, onLine, onArc, centre);
}
int CGMTRArc2D::GetConedArc(const CGMTRArc2D& other, CGMTRArc2D& result) const {
    return const_cast<CGMTRArc2D&>(*this).GetConedArc(const_cast<CGMTRArc2D&>(other), result);
}
