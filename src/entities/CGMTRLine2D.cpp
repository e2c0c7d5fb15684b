#include "CGMTRLine2D.h"

#include "GMTRRT.h"
#include "entities/SegmentKernels.h"

#include <cmath>
#include <new>

// Construction and assignment -------------------------------------------------

CGMTRLine2D::CGMTRLine2D() : CGMTRBaseGeo2D(), BasePoint(), BaseVector() {}

CGMTRLine2D::CGMTRLine2D(const CGMTRPoint2D& p1, const CGMTRPoint2D& p2)
    : CGMTRBaseGeo2D(), BasePoint(p1), BaseVector(p2.X() - p1.X(), p2.Y() - p1.Y()) {}

CGMTRLine2D::CGMTRLine2D(const CGMTRPoint2D& basePoint, const CGMTRVector2D& baseVector)
    : CGMTRBaseGeo2D(), BasePoint(basePoint), BaseVector(baseVector) {}

CGMTRLine2D::CGMTRLine2D(const CGMTRLine2D& other)
    : CGMTRBaseGeo2D(other), BasePoint(other.BasePoint), BaseVector(other.BaseVector) {}

CGMTRLine2D& CGMTRLine2D::operator=(const CGMTRLine2D& other) {
    CGMTRBaseGeo2D::operator=(other);
    BasePoint = other.BasePoint;
    BaseVector = other.BaseVector;
    return *this;
}

CGMTRLine2D::~CGMTRLine2D() = default;

// Properties -----------------------------------------------------------------

const CGMTRPoint2D& CGMTRLine2D::get_BasePoint() const {
    return BasePoint;
}

void CGMTRLine2D::put_BasePoint(const CGMTRPoint2D& point) {
    BasePoint = point;
}

CGMTRPoint2D CGMTRLine2D::get_EndPoint() const {
    double x;
    double y;
    gmtrrt::detail::EndPoint(BasePoint.X(), BasePoint.Y(), BaseVector.X(), BaseVector.Y(), x, y);
    return CGMTRPoint2D(x, y);
}

void CGMTRLine2D::put_EndPoint(const CGMTRPoint2D& point) {
    BaseVector.SetVector(BasePoint, point);
}

CGMTRVector2D CGMTRLine2D::get_BaseVector() const {
    return BaseVector;
}

void CGMTRLine2D::put_BaseVector(const CGMTRVector2D& vector) {
    BaseVector = vector;
}

double CGMTRLine2D::get_BaseAngle() const {
    return BaseVector.Angle();
}

void CGMTRLine2D::put_BaseAngle(const double& angle) {
    const double length = BaseVector.Length();
    BaseVector.Components(SnapCos(angle) * length, SnapSin(angle) * length);
}

double CGMTRLine2D::get_LineLength() const {
    return BaseVector.Length();
}

void CGMTRLine2D::put_LineLength(const double& length) {
    BaseVector.Normalize();
    BaseVector *= length;
}

// Queries ----------------------------------------------------------------------

CGMTRPoint2D CGMTRLine2D::GetMidPoint() const {
    // Polar form with the snapped cosine and sine, so that an axis-parallel
    // segment keeps its other coordinate exactly.
    const double theta = get_BaseAngle();
    const double length = get_LineLength();
    return CGMTRPoint2D(BasePoint.X() + SnapCos(theta) * length / 2,
                        BasePoint.Y() + SnapSin(theta) * length / 2);
}

double CGMTRLine2D::GetVerticalDis(const CGMTRPoint2D& point) const {
    const gmtrrt::detail::Segment s =
        gmtrrt::detail::MakeSegment(BasePoint.X(), BasePoint.Y(), BaseVector.X(), BaseVector.Y());
    return gmtrrt::detail::VerticalDis(s, point.X(), point.Y());
}

CGMTRPoint2D CGMTRLine2D::GetVerticalPoint(const CGMTRPoint2D& point) const {
    const double theta = get_BaseAngle();
    const double length = get_LineLength();
    const double dx = SnapCos(theta) * length;
    const double dy = SnapSin(theta) * length;
    const double x1 = BasePoint.X(), y1 = BasePoint.Y();
    const double px = point.X(), py = point.Y();
    const double x = (x1 * dy * dy + px * dx * dx + (py - y1) * dx * dy) / length / length;
    const double y = (y1 * dx * dx + py * dy * dy + (px - x1) * dx * dy) / length / length;
    return CGMTRPoint2D(x, y);
}

int CGMTRLine2D::CheckVerticalPointInRange(const CGMTRPoint2D& point) const {
    const CGMTRPoint2D foot = GetVerticalPoint(point);
    // Virtual call: a derived entity's own percent test decides.
    const CGMTRBaseGeo2D& self = *this;
    return self.PointToPercent(foot) == -1.0 ? 0 : 1;
}

CGMTRPoint2D CGMTRLine2D::GetNearestPoint(const CGMTRPoint2D& point) const {
    const CGMTRPoint2D end = get_EndPoint();
    switch (gmtrrt::detail::Locate(BasePoint.X(), BasePoint.Y(), end.X(), end.Y(), point.X(),
                                   point.Y())) {
    case gmtrrt::detail::Along::BehindStart:
        return BasePoint;
    case gmtrrt::detail::Along::BeyondEnd:
        return end;
    case gmtrrt::detail::Along::Beside:
        break;
    }
    return GetVerticalPoint(point);
}

// Entity interface ---------------------------------------------------------------

tagGMTRGeometryType CGMTRLine2D::get_GeometryType() const {
    return GEOMETRY_LINE2D;
}

CGMTRPoint2D CGMTRLine2D::FGetStartPoint() const {
    return BasePoint;
}

CGMTRPoint2D CGMTRLine2D::FGetEndPoint() const {
    return get_EndPoint();
}

CGMTRPoint2D CGMTRLine2D::FGetMidPoint() const {
    return GetMidPoint();
}

double CGMTRLine2D::FDistance(const CGMTRPoint2D& point) const {
    const CGMTRBaseGeo2D& self = *this;
    return self.Distance(point);
}

CGMTRPoint2D CGMTRLine2D::FGetNearestPoint(const CGMTRPoint2D& point) const {
    return GetNearestPoint(point);
}

CGMTRBaseGeo2D* CGMTRLine2D::Clone() const {
    return new (std::nothrow) CGMTRLine2D(*this);
}

void CGMTRLine2D::Release() {
    delete this;
}

void CGMTRLine2D::GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const {
    const CGMTRPoint2D end = get_EndPoint();
    minX = BasePoint.X();
    maxX = end.X();
    maxY = BasePoint.Y();
    minY = end.Y();
    if (minX > maxX) {
        const double t = minX;
        minX = maxX;
        maxX = t;
    }
    if (minY > maxY) {
        const double t = minY;
        minY = maxY;
        maxY = t;
    }
}

double CGMTRLine2D::Distance(const CGMTRPoint2D& point) const {
    const CGMTRPoint2D end = get_EndPoint();
    const double x1 = BasePoint.X(), y1 = BasePoint.Y(), x2 = end.X(), y2 = end.Y();
    return gmtrrt::detail::DistanceToSegment(x1, y1, x2, y2, point.X(), point.Y(), [&] {
        return gmtrrt::detail::SegmentLength(x1, y1, x2, y2);
    });
}

double CGMTRLine2D::DistanceToPercent(const short& from, const double& length) const {
    const double total = get_LineLength();
    if (from > 1 || from < 0 || length < 0 || total < length) {
        return -1.0;
    }
    if (from == 0) {
        return length / total;
    }
    return (total - length) / total;
}

double CGMTRLine2D::PointToPercent(const CGMTRPoint2D& point) const {
    const double total = get_LineLength();
    const double d1 = point.Distance2D(BasePoint);
    const double d2 = point.Distance2D(get_EndPoint());
    // Triangle inequality with an absolute slack: the detour d1 + d2 - L of a
    // point on the segment is (nearly) zero.
    if (total + GMTR_TOL < d1 + d2) {
        return -1.0;
    }
    return d1 / total;
}

CGMTRPoint2D CGMTRLine2D::PercentToPoint(const double& percent) const {
    CGMTRVector2D step(BaseVector);
    step *= percent;
    CGMTRPoint2D result(BasePoint);
    result.Transfer(step);
    return result;
}
