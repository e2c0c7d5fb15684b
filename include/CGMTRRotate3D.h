/// @file
/// CGMTRRotate3D: a rotation of space held as a 3x3 matrix.
#ifndef GMTRRT_CGMTRROTATE3D_H
#define GMTRRT_CGMTRROTATE3D_H

#include "CGMTRMatrix3D.h"
#include "GMTRRT.h"

/// One CGMTRMatrix3D and nothing else; the default is the identity. A point p
/// rotated by it becomes p R (row vector on the left). Matrices given through
/// the constructor or SetMatrix are kept as they are, without any check that
/// they are rotations.
class GMTRRT_API CGMTRRotate3D {
public:
    /// The identity.
    CGMTRRotate3D();
    /// A rotation holding a copy of the matrix (not checked).
    CGMTRRotate3D(CGMTRMatrix3D const& m);
    /// A copy of the other rotation's matrix.
    CGMTRRotate3D(CGMTRRotate3D const& other) = default;
    /// Copies the other rotation's matrix; returns this rotation.
    CGMTRRotate3D& operator=(CGMTRRotate3D const& other) = default;

    /// The matrix R; the reference stays valid as long as this rotation.
    CGMTRMatrix3D const& GetMatrix() const;
    /// Replaces the matrix (not checked).
    void SetMatrix(CGMTRMatrix3D const& m);
    /// Replaces the matrix by T S, angles in radians, with the plain cos/sin:
    /// T turns by c about the horizontal axis (sin a, -cos a, 0), tipping the
    /// +z axis towards the horizontal direction at angle a from +x; S then
    /// turns counter-clockwise by b about the z axis. The result is
    /// orthogonal with determinant 1 (within rounding). Non-finite angles give
    /// NaN entries.
    void Define(double const& a, double const& b, double const& c);
    /// The matrix's own inverse; a singular matrix (|det| < GMTR_TOL) stays.
    void Inverse();
    /// R becomes (R)(Q): rotating by the result rotates by this rotation first
    /// and by q second. q may be this rotation.
    void operator*=(CGMTRRotate3D const& q);

private:
    CGMTRMatrix3D matrix;
};

#endif // GMTRRT_CGMTRROTATE3D_H
