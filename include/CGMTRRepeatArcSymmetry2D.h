/// @file
/// CGMTRRepeatArcSymmetry2D: copies around an origin that turn with the step.
#ifndef GMTRRT_CGMTRREPEATARCSYMMETRY2D_H
#define GMTRRT_CGMTRREPEATARCSYMMETRY2D_H

#include "CGMTRRepeatArc2D.h"

/// Copy i is the point itself rotated about the origin by i space angles (the
/// reference point is not used), and its angle grows by the same turn:
/// GetRepeatAngle adds own number * space angle before handing the angle down
/// the chain. Everything else, the count and the parameters included, is as
/// in CGMTRRepeatArc2D.
class GMTRRT_API CGMTRRepeatArcSymmetry2D : public CGMTRRepeatArc2D {
public:
    /// Origin (0, 0), space angle 0, own count 0, no next pattern.
    CGMTRRepeatArcSymmetry2D();
    /// A deep copy: parameters, own count and a copy of the chain.
    CGMTRRepeatArcSymmetry2D(const CGMTRRepeatArcSymmetry2D& other);
    /// Replaces parameters, own count and chain by copies of the other's;
    /// self-assignment is a no-op.
    CGMTRRepeatArcSymmetry2D& operator=(const CGMTRRepeatArcSymmetry2D& other);
    /// Deletes the next pattern and with it the rest of the chain.
    ~CGMTRRepeatArcSymmetry2D() override;

    /// own number * space angle + angle (radians, not normalised), then the
    /// rest of the chain's turn.
    double GetRepeatAngle(long index, double angle) override;
    /// REPEAT_ARC_SYMMETRY2D.
    tagGMTRRepeatType GetRepeatType() override;
    /// The const forms of the base (GetRepeatType, GetRepeatAngle).
    using CGMTRRepeatArc2D::GetRepeatAngle;
    using CGMTRRepeatArc2D::GetRepeatType;

protected:
    /// A new symmetric arc pattern with this one's origin, space angle and
    /// own count and no next pattern; null when it cannot be allocated.
    CGMTRRepeat* GetSelfCopy() override;
    /// (x, y) rotated about the origin by index space angles (GetChangePoint);
    /// `ref` is not used.
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override;
};

#endif // GMTRRT_CGMTRREPEATARCSYMMETRY2D_H
