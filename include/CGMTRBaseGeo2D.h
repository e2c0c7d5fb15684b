/// @file
/// CGMTRBaseGeo2D: the abstract plane entity (segment or arc) and the
/// enumeration of entity kinds.
#ifndef GMTRRT_CGMTRBASEGEO2D_H
#define GMTRRT_CGMTRBASEGEO2D_H

#include "CGMTRPoint2D.h"
#include "GMTRRT.h"

class CGMTRPoint2DCol;

/// The kind of an entity. No other value is produced.
enum tagGMTRGeometryType {
    GEOMETRY_LINE2D = 0, ///< CGMTRLine2D, the directed segment
    GEOMETRY_ARC2D = 1   ///< CGMTRArc2D, the directed circular arc
};

/// The polymorphic face of the two directed entity kinds, CGMTRLine2D and
/// CGMTRArc2D. Every entity runs from its start point to its end point; a
/// "percent" is the fraction of its length from the start (0.0) to the end
/// (1.0), and -1.0 is the one answer for a point off the entity or a length
/// out of range (compare with -1.0 exactly).
///
/// Ownership: an entity made by Clone (or by the host with new) belongs to
/// whoever holds the pointer until Release deletes it or a CGMTRBaseGeo2DCol
/// takes it over. Angles are radians, counter-clockwise positive.
///
/// The order of the virtual operations below is part of the binary interface:
/// the destructor first, then the fourteen operations in this order.
class GMTRRT_API CGMTRBaseGeo2D {
public:
    /// The base holds no data; only the derived kinds are instantiated.
    CGMTRBaseGeo2D();
    /// Copies nothing: the base holds no data.
    CGMTRBaseGeo2D(const CGMTRBaseGeo2D& other);
    /// Copies nothing; returns this entity.
    CGMTRBaseGeo2D& operator=(const CGMTRBaseGeo2D& other);
    /// Virtual, so that deleting through a base pointer destroys the whole
    /// entity.
    virtual ~CGMTRBaseGeo2D();

    /// GEOMETRY_LINE2D for a segment, GEOMETRY_ARC2D for an arc.
    virtual tagGMTRGeometryType get_GeometryType() const = 0;
    /// The point where the entity starts (percent 0.0).
    virtual CGMTRPoint2D FGetStartPoint() const = 0;
    /// The point where the entity ends (percent 1.0).
    virtual CGMTRPoint2D FGetEndPoint() const = 0;
    /// The point halfway along the entity.
    virtual CGMTRPoint2D FGetMidPoint() const = 0;
    /// The same value as Distance.
    virtual double FDistance(const CGMTRPoint2D& point) const = 0;
    /// The point of the entity itself (not of its infinite line or full
    /// circle) nearest to the point.
    virtual CGMTRPoint2D FGetNearestPoint(const CGMTRPoint2D& point) const = 0;
    /// A new entity of the same kind with equal fields (allocated with new;
    /// null if allocation fails). The caller owns it.
    virtual CGMTRBaseGeo2D* Clone() const = 0;
    /// Deletes this entity (which must come from new) through the virtual
    /// destructor; nothing may use it afterwards.
    virtual void Release() = 0;
    /// Appends the intersection points of this entity and `other` to `points`;
    /// nothing already in the collection is removed. At most two points are
    /// added (each kind states which contacts count); a null `other` adds
    /// nothing.
    virtual void FGetCrossPoint(CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const = 0;
    /// Bounding box, written in the order: smallest x, largest x, largest y,
    /// smallest y.
    virtual void GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const = 0;
    /// Distance from the point to the nearest point of the entity itself (not
    /// of its infinite line or full circle).
    virtual double Distance(const CGMTRPoint2D& point) const = 0;
    /// Percent of the point at `length` along the entity, measured from the
    /// start point (from == 0) or the end point; -1.0 when the length is
    /// negative or longer than the entity.
    virtual double DistanceToPercent(const short& from, const double& length) const = 0;
    /// Percent of a point on the entity; -1.0 when it is not on it.
    virtual double PointToPercent(const CGMTRPoint2D& point) const = 0;
    /// The point at the percent; values outside [0, 1] extrapolate.
    virtual CGMTRPoint2D PercentToPoint(const double& percent) const = 0;

    /// FGetCrossPoint with a pointer to a const entity (the other entity is
    /// only read): the same dispatch, the same points. Not virtual: kinds
    /// override the form above.
    void FGetCrossPoint(const CGMTRBaseGeo2D* other, CGMTRPoint2DCol& points) const;
    /// FGetCrossPoint with a null literal: adds nothing, as a null entity
    /// does (keeps `FGetCrossPoint(nullptr, points)` unambiguous).
    void FGetCrossPoint(decltype(nullptr) other, CGMTRPoint2DCol& points) const;
};

#endif // GMTRRT_CGMTRBASEGEO2D_H
