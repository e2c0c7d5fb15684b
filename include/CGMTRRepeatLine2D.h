/// @file
/// CGMTRRepeatLine2D: copies at equal steps along a straight direction.
#ifndef GMTRRT_CGMTRREPEATLINE2D_H
#define GMTRRT_CGMTRREPEATLINE2D_H

#include "CGMTRRepeat.h"

/// Copy i lies i * repeat space away from the point, in the direction of the
/// line angle: (x + SnapCos(angle) * d, y + SnapSin(angle) * d) with
/// d = i * space, so axis-parallel lines keep the other coordinate exact.
/// Copy 0 is the point itself; the reference point is not used and what is
/// placed is not turned. A new pattern has space 0, angle 0, own count 0.
///
/// Copying a pattern copies its whole chain (see CGMTRRepeat); the copy and
/// the source never share a next pattern.
class GMTRRT_API CGMTRRepeatLine2D : public CGMTRRepeat {
public:
    /// Repeat space 0, line angle 0, own count 0, no next pattern.
    CGMTRRepeatLine2D();
    /// A deep copy: parameters, own count and a copy of the chain.
    CGMTRRepeatLine2D(const CGMTRRepeatLine2D& other);
    /// Replaces parameters, own count and chain by copies of the other's;
    /// self-assignment is a no-op.
    CGMTRRepeatLine2D& operator=(const CGMTRRepeatLine2D& other);
    /// Deletes the next pattern and with it the rest of the chain.
    ~CGMTRRepeatLine2D() override;

    /// Sets the own count, without any check.
    void PutCount(long count) override;
    /// REPEAT_LINE2D.
    tagGMTRRepeatType GetRepeatType() override;
    /// The const forms of the base (GetRepeatType, GetRepeatAngle).
    using CGMTRRepeat::GetRepeatAngle;
    using CGMTRRepeat::GetRepeatType;

    /// Sets the line angle (radians, counter-clockwise from +x), the repeat
    /// space (coordinate units; negative steps against the angle) and the
    /// own count. The chain is not touched.
    void ConstructRepeatLine(double angle, double space, long count);
    /// The direction of the steps in radians; stored as given.
    double GetLineAngle();
    /// Sets the line angle in radians, counter-clockwise from +x; any value
    /// is kept as given.
    void PutLineAngle(double angle);
    /// The distance between neighbouring copies; stored as given.
    double GetRepeatSpace();
    /// Sets the repeat space (coordinate units; a negative space steps
    /// against the line angle), without any check.
    void PutRepeatSpace(double space);

    /// @name Const forms
    /// The getters above as const operations (same values).
    ///@{
    /// Const form of GetLineAngle.
    double GetLineAngle() const;
    /// Const form of GetRepeatSpace.
    double GetRepeatSpace() const;
    ///@}

protected:
    /// A new linear pattern with this one's angle, space and own count and
    /// no next pattern; null when it cannot be allocated.
    CGMTRRepeat* GetSelfCopy() override;
    /// Moves (x, y) by index * repeat space along the line angle; `ref` is
    /// not used.
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override;

private:
    double m_dRepeatSpace;
    double m_dLineAngle;
};

#endif // GMTRRT_CGMTRREPEATLINE2D_H
