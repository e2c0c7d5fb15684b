/// @file
/// CGMTRRepeatArc2D: copies around an origin that keep their orientation.
#ifndef GMTRRT_CGMTRREPEATARC2D_H
#define GMTRRT_CGMTRREPEATARC2D_H

#include "CGMTRRepeat.h"

/// Copy i lies i space angles further round the origin (counter-clockwise for
/// a positive space angle; radians, never normalised). The copies keep the
/// angle of what is placed: GetRepeatAngle hands the angle on unchanged.
///
/// Placement of copy i of a point p with reference point r: the reference
/// point is rotated about the origin by i space angles, and p is translated
/// by the same displacement r moved:
///   p' = p + (R(i) (r - o) - (r - o)),
/// so a point that is not the reference point moves with the reference point
/// without turning, and copy 0 leaves such a point exactly where it is. When p
/// is exactly r, the result is r rotated about the origin (GetChangePoint of
/// r), which for copy 0 gives r back within rounding.
/// Cosine and sine are snapped (SnapCos/SnapSin), so quarter turns land on
/// exact coordinates. A new pattern has origin (0, 0), space angle 0 and own
/// count 0.
///
/// Copying a pattern copies its whole chain (see CGMTRRepeat).
class GMTRRT_API CGMTRRepeatArc2D : public CGMTRRepeat {
public:
    /// Origin (0, 0), space angle 0, own count 0, no next pattern.
    CGMTRRepeatArc2D();
    /// A deep copy: parameters, own count and a copy of the chain.
    CGMTRRepeatArc2D(const CGMTRRepeatArc2D& other);
    /// Replaces parameters, own count and chain by copies of the other's;
    /// self-assignment is a no-op.
    CGMTRRepeatArc2D& operator=(const CGMTRRepeatArc2D& other);
    /// Deletes the next pattern and with it the rest of the chain.
    ~CGMTRRepeatArc2D() override;

    /// Sets the own count, without any check.
    void PutCount(long count) override;
    /// REPEAT_ARC2D.
    tagGMTRRepeatType GetRepeatType() override;
    /// The const forms of the base (GetRepeatType, GetRepeatAngle).
    using CGMTRRepeat::GetRepeatAngle;
    using CGMTRRepeat::GetRepeatType;

    /// Sets the origin (x, y), the space angle (radians, positive
    /// counter-clockwise) and the own count. The chain is not touched.
    void ConstructRepeatArc(double originX, double originY, double spaceAngle, long count);
    /// The turn between neighbouring copies in radians; stored as given.
    double GetSpaceAngle();
    /// Sets the space angle in radians (positive counter-clockwise); any value
    /// is kept as given.
    void PutSpaceAngle(double angle);
    /// A new point at the origin of the rotation.
    CGMTRPoint2D GetOriginPt();
    /// The origin takes the point's coordinates (the point is only read).
    void SetOriginPt(CGMTRPoint2D& origin);
    /// Writes the origin's coordinates.
    void GetOriginPt2(double& x, double& y);
    /// Sets the origin to (x, y).
    void SetOriginPt2(double x, double y);

    /// @name Const forms
    /// The getters above as const operations (same values); SetOriginPt also
    /// takes a const point.
    ///@{
    /// Const form of GetSpaceAngle.
    double GetSpaceAngle() const;
    /// Const form of GetOriginPt.
    CGMTRPoint2D GetOriginPt() const;
    /// Const form of GetOriginPt2.
    void GetOriginPt2(double& x, double& y) const;
    /// Const form of SetOriginPt.
    void SetOriginPt(const CGMTRPoint2D& origin);
    ///@}

protected:
    /// (x, y) rotated counter-clockwise about the origin by index * space
    /// angle, with the snapped cosine and sine. The outputs may alias the
    /// inputs.
    void GetChangePoint(long index, const double& x, const double& y, double& outX, double& outY);
    /// A new plain arc pattern with this one's origin, space angle and own
    /// count and no next pattern; null when it cannot be allocated.
    CGMTRRepeat* GetSelfCopy() override;
    /// Translates (x, y) by the displacement that copy `index` gives the
    /// reference point `ref`, without turning it; the reference point itself
    /// goes exactly to GetChangePoint of it.
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override;

private:
    double m_dOriginX;
    double m_dOriginY;
    double m_dSpaceAngle;
};

#endif // GMTRRT_CGMTRREPEATARC2D_H
