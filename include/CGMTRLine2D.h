/// @file
/// CGMTRLine2D: the directed straight segment of the plane geometry.
#ifndef GMTRRT_CGMTRLINE2D_H
#define GMTRRT_CGMTRLINE2D_H

#include "CGMTRBaseGeo2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

class CGMTRArc2D;
class CGMTRPoint2DCol;

/// A directed segment stored as a base point (the start) plus a base vector
/// (the step from the start to the end point). Moving the base point moves the
/// whole segment; its direction and length stay. Any vector is accepted, the
/// zero vector included (a zero-length segment). The default segment runs from
/// (0, 0) along the unit vector (1, 0).
///
/// Angles are radians, counter-clockwise from +x. A "percent" is the fraction
/// of the length from the start point (0.0) to the end point (1.0); -1.0 is
/// the one answer for a point off the segment or a length out of range.
///
/// Nothing checks for a zero-length segment: divisions by its zero length give
/// IEEE results (GetVerticalDis is NaN, GetVerticalPoint is (NaN, NaN),
/// put_LineLength leaves a NaN vector), while Distance, GetNearestPoint,
/// GetRectBox, GetMidPoint and PercentToPoint stay well defined (the base
/// point).
class GMTRRT_API CGMTRLine2D : public CGMTRBaseGeo2D {
public:
    /// From (0, 0) along (1, 0).
    CGMTRLine2D();
    /// From p1 to p2.
    CGMTRLine2D(const CGMTRPoint2D& p1, const CGMTRPoint2D& p2);
    /// From the base point along the vector.
    CGMTRLine2D(const CGMTRPoint2D& basePoint, const CGMTRVector2D& baseVector);
    /// A copy of the base point and the base vector.
    CGMTRLine2D(const CGMTRLine2D& other);
    /// Copies the base point and the base vector; returns this segment.
    CGMTRLine2D& operator=(const CGMTRLine2D& other);
    /// Nothing to release: the segment owns no other object.
    virtual ~CGMTRLine2D();

    // Properties. Every setter changes only what its comment says.

    /// The start point.
    const CGMTRPoint2D& get_BasePoint() const;
    /// Moves the start point; the vector is kept, so the end point moves too.
    void put_BasePoint(const CGMTRPoint2D& point);
    /// BasePoint + BaseVector.
    CGMTRPoint2D get_EndPoint() const;
    /// Moves the end point only: BaseVector = point - BasePoint.
    void put_EndPoint(const CGMTRPoint2D& point);
    /// A copy of the step from the start to the end point.
    CGMTRVector2D get_BaseVector() const;
    /// Replaces the step; the start point stays.
    void put_BaseVector(const CGMTRVector2D& vector);
    /// Direction angle atan2(y, x) of the step, in [-pi, pi].
    double get_BaseAngle() const;
    /// Turns the segment about its start point to the angle, keeping its
    /// length; quarter turns are exact (snapped cosine and sine).
    void put_BaseAngle(const double& angle);
    /// Length of the step.
    double get_LineLength() const;
    /// Rescales the step to the length, keeping its direction (a negative
    /// length reverses it). On a zero-length segment the step becomes NaN.
    void put_LineLength(const double& length);

    // Queries.

    /// The point halfway along, in polar form from the start point with
    /// snapped cosine and sine (exact for axis-parallel segments).
    CGMTRPoint2D GetMidPoint() const;
    /// Distance from the point to the infinite line through the segment.
    double GetVerticalDis(const CGMTRPoint2D& point) const;
    /// Foot of the perpendicular from the point on the infinite line (may lie
    /// outside the segment).
    CGMTRPoint2D GetVerticalPoint(const CGMTRPoint2D& point) const;
    /// 1 when that foot lies on the segment (its PointToPercent, called
    /// through the virtual table, is not -1.0), else 0.
    int CheckVerticalPointInRange(const CGMTRPoint2D& point) const;
    /// The point of the segment nearest to the point: the start point, the
    /// end point or the foot of the perpendicular.
    CGMTRPoint2D GetNearestPoint(const CGMTRPoint2D& point) const;

    // Intersections.

    /// Appends the proper crossing point of the two segments (0 or 1 point).
    /// Each segment must have the other's end points strictly on opposite
    /// sides: touching, shared end points, parallel and collinear segments
    /// give nothing. The products of the side tests are compared with
    /// GMTR_TOL unscaled, so very short segments give no point. The collection
    /// is never cleared.
    void GetCrossPoint(CGMTRLine2D& other, CGMTRPoint2DCol& points) const;
    /// Crossing of the two infinite lines. Shared end points are tested first
    /// (start/start, start/end, end/start, end/end): a shared point is the
    /// answer unless the two segments leave it in the same direction along
    /// one line (overlap, result 0). Otherwise parallel lines (|det| <
    /// GMTR_TOL) give 0. Returns 1 with `point` written, or 0 with `point`
    /// left untouched.
    int GetCrossPointEx(const CGMTRLine2D& other, CGMTRPoint2D& point) const;

    /// @name Junction angles
    /// The directions of two entities where they meet. `point` is the
    /// junction, expected to be an end point of both entities; an entity
    /// counts as starting there when both coordinates of its start point are
    /// within GMTR_TOL of it (each on its own), otherwise as ending there, so
    /// a point on neither gives the end directions. A nonzero `leaving` gives
    /// the direction in which one moves from the junction into each entity,
    /// zero the direction in which one arrives at it (the leaving direction
    /// turned by a half turn). Both outputs are always written, in radians in
    /// (-pi, pi]; a direction of -pi comes out as +pi.
    ///@{

    /// This segment's direction into `thisAngle`, the other's into
    /// `otherAngle`.
    void GetLineLineAngle(const CGMTRLine2D& other, const CGMTRPoint2D& point, double& thisAngle,
                          double& otherAngle, int leaving) const;
    /// This segment's direction into `thisAngle`, the arc's tangent direction
    /// into `arcAngle` (a zero-sweep arc counts as counter-clockwise).
    void GetLineArcAngle(const CGMTRArc2D& arc, const CGMTRPoint2D& point, double& thisAngle,
                         double& arcAngle, int leaving) const;
    ///@}

    // Fillet.

    /// The corner fillet between this segment and `other`: the circle of
    /// radius d that touches both segments, at points on them (their ends
    /// included, within GMTR_TOL of length).
    ///
    /// Two crossing lines make four corners; `corner` chooses the one to
    /// round: the circle lies on the same side of each line as `corner`. For
    /// a line that passes within GMTR_TOL of `corner` (the usual call, with
    /// the segments' common end point), the side is the one where the other
    /// segment's end farther from `corner` lies, so the fillet rounds the
    /// angle between the two segments as they leave that point, whichever
    /// way each segment is directed and whichever way the outline turns.
    ///
    /// Returns 1 and writes onThis and onOther (the touching points on this
    /// segment and on `other`) and centre. Returns 0 and writes nothing when
    /// d is not a positive number, the lines are parallel (within GMTR_TOL
    /// for the sine of the angle between them) or either segment has zero
    /// length, the side cannot be decided (`corner` on both lines and the
    /// other segment along its line), or a touching point falls outside its
    /// segment (the radius does not fit).
    int LineTangencyDistance(const CGMTRLine2D& other, const CGMTRPoint2D& corner, const double& d,
                             CGMTRPoint2D& onThis, CGMTRPoint2D& onOther,
                             CGMTRPoint2D& centre) const;

    // Entity interface, in slot order.

    /// GEOMETRY_LINE2D.
    virtual tagGMTRGeometryType get_GeometryType() const override;
    /// A copy of the base point.
    virtual CGMTRPoint2D FGetStartPoint() const override;
    /// get_EndPoint().
    virtual CGMTRPoint2D FGetEndPoint() const override;
    /// GetMidPoint().
    virtual CGMTRPoint2D FGetMidPoint() const override;
    /// Distance, called through the virtual table.
    virtual double FDistance(const CGMTRPoint2D& point) const override;
    /// GetNearestPoint().
    virtual CGMTRPoint2D FGetNearestPoint(const CGMTRPoint2D& point) const override;
    /// A new copy (owned by the caller; release it with Release).
    virtual CGMTRBaseGeo2D* Clone() const override;
    /// Deletes this segment, which must come from new.
    virtual void Release() override;
    /// Segment: GetCrossPoint. Arc: the arc's GetCrossPointLine with this
    /// segment, so either side gives the same points in the same order.
    /// Null or any other kind: nothing. Appends, never clears.
    virtual void FGetCrossPoint(CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const override;
    /// The forms for a pointer to a const entity and for a null literal.
    using CGMTRBaseGeo2D::FGetCrossPoint;
    /// Smallest x, largest x, largest y, smallest y of the two end points.
    virtual void GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const override;
    /// Distance from the point to the segment itself (not its line).
    virtual double Distance(const CGMTRPoint2D& point) const override;
    /// `from` 0: length measured from the start; 1: from the end; any other
    /// value gives -1.0, as does a length below 0 or above the segment's
    /// length. The result is always measured from the start point.
    virtual double DistanceToPercent(const short& from, const double& length) const override;
    /// Percent of a point whose detour d(start) + d(end) - length is at most
    /// GMTR_TOL; -1.0 otherwise.
    virtual double PointToPercent(const CGMTRPoint2D& point) const override;
    /// BasePoint + percent * BaseVector; no clamping.
    virtual CGMTRPoint2D PercentToPoint(const double& percent) const override;

    /// GetCrossPoint with the other segment taken as const (it is only read):
    /// the same code and the same point.
    void GetCrossPoint(const CGMTRLine2D& other, CGMTRPoint2DCol& points) const;

private:
    CGMTRPoint2D BasePoint;
    CGMTRVector2D BaseVector;
};

#endif // GMTRRT_CGMTRLINE2D_H
