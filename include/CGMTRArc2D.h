/// @file
/// CGMTRArc2D: the directed circular arc of the plane geometry.
#ifndef GMTRRT_CGMTRARC2D_H
#define GMTRRT_CGMTRARC2D_H

#include "CGMTRBaseGeo2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

class CGMTRLine2D;
class CGMTRPoint2DCol;

/// A directed arc of a circle: a centre (BasePoint), the radius vector from
/// the centre to the start point (BaseVector: its length is the radius, its
/// direction the start angle) and a signed sweep (radians, positive
/// counter-clockwise). The sweep is not stored as a number: MidVector points
/// from the centre towards the mid point of the arc (the start vector turned
/// by half the sweep; only its direction counts), and FullCircle marks the one
/// sweep, 2pi, that a half angle cannot tell from zero.
///
/// The sweep read back is 2 * NormalizeSignedAngle(angle from BaseVector to
/// MidVector), in (-2pi, 2pi], or exactly 2pi while FullCircle is set.
/// FullCircle is written only by PutSweepAngle, copying and assignment; every
/// other setter keeps it.
///
/// The default arc has centre (0, 0), BaseVector (1, 0), MidVector (1, 0) and
/// no full-circle flag: radius 1, start angle 0, sweep 0.
///
/// Percents run from the start point (0.0) to the end point (1.0) along the
/// arc; lengths along the arc are |sweep| * radius. Nothing is validated: a
/// zero radius, a zero MidVector or a zero sweep is kept as data and gives the
/// IEEE non-finite values of the formulas that divide by it.
///
/// A plain value that owns nothing. Several read-only queries are not const
/// operations (the library's binary interface fixes that); none of them
/// changes the arc.
class GMTRRT_API CGMTRArc2D : public CGMTRBaseGeo2D {
public:
    /// The default arc described above.
    CGMTRArc2D();
    /// Copies all four fields, the full-circle flag included.
    CGMTRArc2D(const CGMTRArc2D& other);
    /// The arc with centre `centre`, radius `radius`, start angle `startAngle`
    /// and signed sweep `sweep` (radians, positive counter-clockwise), in one
    /// step, so that no order of setters can be got wrong. It is the arc that
    /// PutBasePoint(centre), PutRadius(radius), PutBaseAngle(startAngle) and
    /// PutSweepAngle(sweep) make of a default arc, in that order, bit for bit:
    /// the start vector is turned with the snapped cosine and sine (quarter
    /// turns are exact), the sweep is reduced as PutSweepAngle reduces it, and
    /// a sweep within GMTR_TOL of 2pi makes a full circle. A negative radius
    /// gives the arc of radius |radius| (the start angle decides the
    /// direction); a zero radius gives the NaN start vector PutRadius gives.
    CGMTRArc2D(const CGMTRPoint2D& centre, double radius, double startAngle, double sweep);
    /// Copies all four fields; returns *this.
    CGMTRArc2D& operator=(const CGMTRArc2D& other);
    /// Nothing to release.
    virtual ~CGMTRArc2D();

    // ---- Properties -------------------------------------------------------

    /// The radius: the length of BaseVector.
    double GetRadius() const;
    /// Rescales BaseVector to length r (normalise, then multiply); the start
    /// direction, centre, MidVector and flag are kept. A zero BaseVector
    /// becomes (NaN, NaN); a negative r reverses the start direction.
    void PutRadius(const double& r);
    /// A copy of the radius vector from the centre to the start point.
    CGMTRVector2D GetBaseVector() const;
    /// Replaces BaseVector only; the sweep then follows from the new start
    /// direction and the unchanged MidVector (or stays 2pi while the flag is
    /// set).
    void PutBaseVector(const CGMTRVector2D& v);
    /// A copy of the direction from the centre towards the mid point.
    CGMTRVector2D GetMidVector() const;
    /// Replaces MidVector only; the sweep then follows from BaseVector and the
    /// new MidVector (or stays 2pi while the flag is set).
    void PutMidVector(const CGMTRVector2D& v);
    /// The signed sweep in radians, in (-2pi, 2pi]; exactly 2pi for a full
    /// circle.
    double GetSweepAngle() const;
    /// Sets the sweep, keeping the start vector. The value is reduced modulo
    /// a full turn with its sign kept (3pi reads back pi, -2pi reads back 0);
    /// a value within GMTR_TOL of +2pi makes a full circle (flag set, end
    /// point equal to the start point). Any other value clears the flag.
    void PutSweepAngle(const double& s);
    /// The start angle, atan2 of BaseVector, in [-pi, pi].
    double GetBaseAngle() const;
    /// Turns the arc about its centre so that it starts at angle a (radians),
    /// keeping radius and sweep.
    void PutBaseAngle(const double& a);
    /// A copy of the centre.
    CGMTRPoint2D GetBasePoint() const;
    /// Moves the arc to a new centre; its vectors are kept.
    void PutBasePoint(const CGMTRPoint2D& p);
    /// Centre + BaseVector.
    CGMTRPoint2D GetStartPoint() const;
    /// Centre + BaseVector mirrored across MidVector ((NaN, NaN) for a zero
    /// MidVector).
    CGMTRPoint2D GetEndPoint() const;

    // ---- Queries (only GetNearestPoint is a const operation) ---------------

    /// Distance from the point to the full circle.
    double GetVerticalDis(const CGMTRPoint2D& p);
    /// The point of the full circle on the ray from the centre through p
    /// (with snapped cosine and sine); for p at the centre, centre + (r, 0).
    CGMTRPoint2D GetVerticalPoint(const CGMTRPoint2D& p);
    /// 1 when GetVerticalPoint(p) lies on the arc, else 0.
    int CheckVerticalPointInRange(const CGMTRPoint2D& p);
    /// 1 when the direction a (radians, any representation) lies on the arc
    /// (GMTR_TOL slack at both ends; every direction for a full circle).
    int CheckAngleRange(const double& a);
    /// |sweep| * radius * t; no range check on t.
    double PercentToDistance(const double& t);
    /// The point of the arc nearest to p: the radial projection when its
    /// direction lies on the arc, otherwise the nearer end (the start on a
    /// tie, and the start point for p at the centre).
    CGMTRPoint2D GetNearestPoint(const CGMTRPoint2D& p) const;

    // ---- Intersections ------------------------------------------------------

    /// @name Intersections
    /// Each appends 0, 1 or 2 points to the caller's collection and never
    /// removes what it already holds. Points are computed on this arc's circle.
    ///@{

    /// Crossings of this arc with another arc (only read). The point to the
    /// left of the directed line from this centre to the other centre comes
    /// first. Touching circles give the touching point twice when it lies on
    /// both arcs. Circles with exactly the same centre give no points: equal
    /// circles overlap rather than cross (arcs of one circle have no crossing
    /// points) and the direction between the centres is undefined. Radii or
    /// centres that are not numbers give no points either.
    void GetCrossPointArc(CGMTRArc2D& other, CGMTRPoint2DCol& points) const;
    /// Points common to this arc and the segment. A line within GMTR_TOL of
    /// tangency gives the tangent point twice (when it passes the filters);
    /// a zero-length segment gives nothing.
    void GetCrossPointLine(const CGMTRLine2D& line, CGMTRPoint2DCol& points) const;
    /// Points common to this arc and the infinite line through the segment
    /// (only read); a zero-length segment gives nothing.
    void GetCrossPointLineEx(CGMTRLine2D& line, CGMTRPoint2DCol& points);
    ///@}

    // ---- Fillets ------------------------------------------------------------

    /// Places a circle of radius d touching this arc and the other arc (only
    /// read), within both arcs' angular ranges. Outputs: onThis = touching
    /// point on this arc, onOther = touching point on the other arc, centre =
    /// centre of the tangent circle. Radius combinations are tried in the
    /// order outside both, inside both, inside this/outside the other,
    /// outside this/inside the other; of two candidate centres the one to the
    /// left of the line from this centre to the other centre is taken.
    /// Nothing is written when no combination gives a centre; only `centre`
    /// is written when a touching point cannot be found on one of the arcs.
    /// A combination whose search radius (radius + d or radius - d of either
    /// arc) is not positive is skipped: a circle of radius d >= r cannot lie
    /// inside a circle of radius r. So a d larger than an arc's radius only
    /// finds fillets outside that arc. A negative d acts as a fillet of
    /// radius |d| with the inside and outside combinations exchanged; a d
    /// that is not a number writes nothing.
    void ArcTangencyDistance(CGMTRArc2D& other, const double& d, CGMTRPoint2D& onThis,
                             CGMTRPoint2D& onOther, CGMTRPoint2D& centre);
    /// Places a circle of radius d touching this arc and the segment near the
    /// junction point q (where arc and segment meet, normally an end of the
    /// segment). The tangent circle inside this arc's circle is tried first,
    /// then outside; the left side of the segment is preferred; of two
    /// candidate centres the one nearer q is taken; the foot on the segment
    /// must lie on the segment. Outputs: onLine = touching point on the
    /// segment, onArc = touching point on this arc, centre = centre of the
    /// tangent circle. All three are written, or none.
    /// A pass whose search radius (r - d or r + d) is not positive is
    /// skipped: a circle of radius d >= r cannot lie inside this arc's
    /// circle, so a d larger than the radius only finds fillets outside the
    /// arc. A negative d acts as a fillet of radius |d| with both preferences
    /// exchanged (outside first, right side first); a d that is not a number
    /// writes nothing. If rounding puts the centre's direction just outside
    /// the arc's range, onArc is still the circle's point in that direction.
    void LineTangencyDistance(const CGMTRLine2D& line, const CGMTRPoint2D& q, const double& d,
                              CGMTRPoint2D& onLine, CGMTRPoint2D& onArc, CGMTRPoint2D& centre);

    // ---- Joining and junctions ----------------------------------------------

    /// Joins this arc and `other` (same centre and radius, meeting or
    /// overlapping) into their union, written as start angle and sweep into
    /// `result` (its centre and radius are not touched; it may be this arc or
    /// `other`). 1 when joined; 0 when the circles differ or the arcs do not
    /// meet (result untouched), or when they are the same arc (result then
    /// holds that common start angle and sweep).
    int GetConedArc(CGMTRArc2D& other, CGMTRArc2D& result);
    /// Directions (radians, in (-pi, pi]) of this arc and of `other` at their
    /// common end point p, written to thisAngle and otherAngle. A nonzero
    /// `leaving` gives the direction moving from p into each arc, zero the
    /// direction arriving at p. An arc counts p as its start point when both
    /// coordinates agree within GMTR_TOL, otherwise as its end point.
    void GetArcArcAngle(const CGMTRArc2D& other, const CGMTRPoint2D& p, double& thisAngle,
                        double& otherAngle, int leaving) const;

    // ---- Entity interface (slot order) --------------------------------------

    /// GEOMETRY_ARC2D.
    tagGMTRGeometryType get_GeometryType() const override;
    /// GetStartPoint().
    CGMTRPoint2D FGetStartPoint() const override;
    /// GetEndPoint().
    CGMTRPoint2D FGetEndPoint() const override;
    /// The point at half the sweep, from the plain cos and sin of
    /// start angle + sweep / 2.
    CGMTRPoint2D FGetMidPoint() const override;
    /// Distance(p), called through the virtual table.
    double FDistance(const CGMTRPoint2D& p) const override;
    /// GetNearestPoint(p).
    CGMTRPoint2D FGetNearestPoint(const CGMTRPoint2D& p) const override;
    /// A new copy (owned by the caller), or null if allocation fails.
    CGMTRBaseGeo2D* Clone() const override;
    /// Deletes this arc, which must have been created with new.
    void Release() override;
    /// GetCrossPointLine for a segment, GetCrossPointArc for an arc; nothing
    /// for any other kind. Appends to the caller's collection.
    void FGetCrossPoint(CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const override;
    /// The forms for a pointer to a const entity and for a null literal.
    using CGMTRBaseGeo2D::FGetCrossPoint;
    /// Bounding box: smallest x, largest x, largest y, smallest y. An extreme
    /// of the circle is used where its direction (0, pi/2, pi, -pi/2) lies on
    /// the arc, otherwise the extreme of the start and end points (from plain
    /// cos and sin).
    void GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const override;
    /// Distance from p to the arc itself: |d - r| when the direction of p
    /// lies on the arc, otherwise the distance to the nearer end; r for p at
    /// the centre.
    double Distance(const CGMTRPoint2D& p) const override;
    /// Percent of the point `length` along the arc from the start (from == 0)
    /// or from the end (any other value); -1.0 when the length is negative or
    /// longer than the arc. An arc of zero length gives NaN for length 0.
    double DistanceToPercent(const short& from, const double& length) const override;
    /// Percent of a point on the arc (within GMTR_TOL of the circle, its
    /// direction in range); -1.0 otherwise. On a full circle the result lies
    /// in [0, 1).
    double PointToPercent(const CGMTRPoint2D& p) const override;
    /// The start vector turned by sweep * t, added to the centre; t outside
    /// [0, 1] continues around the circle.
    CGMTRPoint2D PercentToPoint(const double& t) const override;

    // ---- Const forms ----------------------------------------------------------

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const arcs, with the other arc or segment taken as const where it is
    /// only read. Each runs the same code as its non-const form and gives the
    /// same bits. GetConedArc's result may still be this arc (the object must
    /// then not be const itself).
    ///@{
    /// Const form of GetVerticalDis.
    double GetVerticalDis(const CGMTRPoint2D& p) const;
    /// Const form of GetVerticalPoint.
    CGMTRPoint2D GetVerticalPoint(const CGMTRPoint2D& p) const;
    /// Const form of CheckVerticalPointInRange.
    int CheckVerticalPointInRange(const CGMTRPoint2D& p) const;
    /// Const form of CheckAngleRange.
    int CheckAngleRange(const double& a) const;
    /// Const form of PercentToDistance.
    double PercentToDistance(const double& t) const;
    /// Const form of GetCrossPointArc.
    void GetCrossPointArc(const CGMTRArc2D& other, CGMTRPoint2DCol& points) const;
    /// Const form of GetCrossPointLineEx.
    void GetCrossPointLineEx(const CGMTRLine2D& line, CGMTRPoint2DCol& points) const;
    /// Const form of ArcTangencyDistance.
    void ArcTangencyDistance(const CGMTRArc2D& other, const double& d, CGMTRPoint2D& onThis,
                             CGMTRPoint2D& onOther, CGMTRPoint2D& centre) const;
    /// Const form of LineTangencyDistance.
    void LineTangencyDistance(const CGMTRLine2D& line, const CGMTRPoint2D& q, const double& d,
                              CGMTRPoint2D& onLine, CGMTRPoint2D& onArc,
                              CGMTRPoint2D& centre) const;
    /// Const form of GetConedArc.
    int GetConedArc(const CGMTRArc2D& other, CGMTRArc2D& result) const;
    ///@}

private:
    CGMTRVector2D MidVector;
    CGMTRPoint2D BasePoint;
    CGMTRVector2D BaseVector;
    int FullCircle;
};

#endif // GMTRRT_CGMTRARC2D_H
