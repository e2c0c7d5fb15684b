#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "GMTRRT.h"
#include "collections/PointAppend.h"
#include "entities/SegmentKernels.h"

#include <cmath>

namespace {

// The four signed side tests of two segments P1P2 (this) and Q1Q2 (other),
// each twice a signed triangle area:
//  k1: side of Q1 relative to P1P2, k2: minus the side of Q2 relative to P1P2,
//  k3: side of P1 relative to Q1Q2, k4: minus the side of P2 relative to Q1Q2.
// k1 * k2 > 0 means Q1 and Q2 lie on opposite sides of P1P2 (likewise k3 * k4),
// and k3 + k4 is the determinant of the two directions.
struct SideTests {
    double k1, k2, k3, k4;
};

SideTests ComputeSideTests(const CGMTRPoint2D& p1, const CGMTRPoint2D& p2, const CGMTRPoint2D& q1,
                           const CGMTRPoint2D& q2) {
    const double p1x = p1.X(), p1y = p1.Y(), p2x = p2.X(), p2y = p2.Y();
    const double q1x = q1.X(), q1y = q1.Y(), q2x = q2.X(), q2y = q2.Y();
    SideTests k;
    k.k1 = (q1x - p1x) * (p1y - p2y) - (q1y - p1y) * (p1x - p2x);
    k.k2 = -(q2x - p1x) * (p1y - p2y) + (q2y - p1y) * (p1x - p2x);
    k.k3 = (p1x - q1x) * (q1y - q2y) - (p1y - q1y) * (q1x - q2x);
    k.k4 = -(p2x - q1x) * (q1y - q2y) + (p2y - q1y) * (q1x - q2x);
    return k;
}

// The crossing of the two infinite lines: the point dividing P1P2 in the
// ratio k3 : k4.
CGMTRPoint2D LineCrossing(const CGMTRPoint2D& p1, const CGMTRPoint2D& p2, const SideTests& k) {
    return CGMTRPoint2D((p1.X() * k.k4 + p2.X() * k.k3) / (k.k3 + k.k4),
                        (p1.Y() * k.k4 + p2.Y() * k.k3) / (k.k3 + k.k4));
}

// Dot and cross products of the two steps u1 - u0 and u2 - u0.
double StepDot(const CGMTRPoint2D& u0, const CGMTRPoint2D& u1, const CGMTRPoint2D& u2) {
    return (u1.X() - u0.X()) * (u2.X() - u0.X()) + (u1.Y() - u0.Y()) * (u2.Y() - u0.Y());
}

double StepCross(const CGMTRPoint2D& u0, const CGMTRPoint2D& u1, const CGMTRPoint2D& u2) {
    return (u1.X() - u0.X()) * (u2.Y() - u0.Y()) - (u1.Y() - u0.Y()) * (u2.X() - u0.X());
}

bool Same(const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
    return IsSamePoint(a.X(), a.Y(), b.X(), b.Y());
}

// Both steps from the shared point u0 run the same way along one line: the
// two segments overlap there instead of meeting.
bool Overlaps(const CGMTRPoint2D& u0, const CGMTRPoint2D& u1, const CGMTRPoint2D& u2) {
    return StepDot(u0, u1, u2) > GMTR_TOL && IsEqualValue(StepCross(u0, u1, u2), 0.0);
}

int WriteShared(int overlapping, const CGMTRPoint2D& shared, CGMTRPoint2D& point) {
    if (overlapping) {
        return 0;
    }
    point.X(shared.X());
    point.Y(shared.Y());
    return 1;
}

} // namespace

void CGMTRLine2D::GetCrossPoint(CGMTRLine2D& other, CGMTRPoint2DCol& points) const {
    const double p1x = BasePoint.X();
    const double p1y = BasePoint.Y();
    const double q1x = other.BasePoint.X();
    const double q1y = other.BasePoint.Y();
    double p2x = p1x + BaseVector.X();
    double p2y = p1y + BaseVector.Y();
    double q2x = q1x + other.BaseVector.X();
    double q2y = q1y + other.BaseVector.Y();
    // The plain sums are the end points whenever all four are finite and
    // non-zero (get_EndPoint only adds a signed zero then); every other input
    // takes the end points as get_EndPoint makes them.
    const double sums = (p2x * p2y) * (q2x * q2y);
    if (!(sums != 0.0 && sums - sums == 0.0)) {
        gmtrrt::detail::EndPoint(p1x, p1y, BaseVector.X(), BaseVector.Y(), p2x, p2y);
        gmtrrt::detail::EndPoint(q1x, q1y, other.BaseVector.X(), other.BaseVector.Y(), q2x, q2y);
    }
    const CGMTRPoint2D p1(p1x, p1y);
    const CGMTRPoint2D p2(p2x, p2y);
    const SideTests k = ComputeSideTests(p1, p2, CGMTRPoint2D(q1x, q1y), CGMTRPoint2D(q2x, q2y));
    // Proper crossings only: both products strictly above the tolerance.
    if (k.k1 * k.k2 > GMTR_TOL && k.k3 * k.k4 > GMTR_TOL) {
        const CGMTRPoint2D c = LineCrossing(p1, p2, k);
        gmtrrt::detail::PointAppender::Append(points, c.X(), c.Y());
    }
}

int CGMTRLine2D::GetCrossPointEx(const CGMTRLine2D& other, CGMTRPoint2D& point) const {
    const CGMTRPoint2D p1 = get_BasePoint();
    const CGMTRPoint2D p2 = get_EndPoint();
    const CGMTRPoint2D q1 = other.get_BasePoint();
    const CGMTRPoint2D q2 = other.get_EndPoint();

    // Shared end points first; the first shared pair decides.
    if (Same(p1, q1)) {
        return WriteShared(Overlaps(p1, p2, q2), p1, point);
    }
    if (Same(p1, q2)) {
        return WriteShared(Overlaps(p1, p2, q1), p1, point);
    }
    if (Same(p2, q1)) {
        return WriteShared(Overlaps(q1, q2, p1), q1, point);
    }
    if (Same(p2, q2)) {
        return WriteShared(Overlaps(p2, q1, p1), q2, point);
    }

    const double det =
        (p2.X() - p1.X()) * (q2.Y() - q1.Y()) - (q2.X() - q1.X()) * (p2.Y() - p1.Y());
    if (std::fabs(det) < GMTR_TOL) {
        return 0; // parallel or the same line
    }
    const CGMTRPoint2D crossing = LineCrossing(p1, p2, ComputeSideTests(p1, p2, q1, q2));
    point.X(crossing.X());
    point.Y(crossing.Y());
    return 1;
}

void CGMTRLine2D::FGetCrossPoint(CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const {
    if (other == nullptr) {
        return;
    }
    switch (other->get_GeometryType()) {
    case GEOMETRY_LINE2D:
        GetCrossPoint(*static_cast<CGMTRLine2D*>(other), points);
        break;
    case GEOMETRY_ARC2D:
        // Computed on the arc's circle, so a segment and an arc give the same
        // points in the same order whichever of the two is asked.
        static_cast<const CGMTRArc2D*>(other)->GetCrossPointLine(*this, points);
        break;
    default:
        break;
    }
}

void CGMTRLine2D::GetCrossPoint(const CGMTRLine2D& other, CGMTRPoint2DCol& points) const {
    GetCrossPoint(const_cast<CGMTRLine2D&>(other), points);
}
