/// @file
/// CGMTRTransform3D: a rigid transform of space, rotation then translation.
#ifndef GMTRRT_CGMTRTRANSFORM3D_H
#define GMTRRT_CGMTRTRANSFORM3D_H

#include "CGMTRRotate3D.h"
#include "CGMTRVector3D.h"
#include "GMTRRT.h"

class CGMTRPoint3D;

/// A translation v (CGMTRVector3D) followed in memory by a rotation R
/// (CGMTRRotate3D), nothing else. It maps a point p to p R + v: rotation
/// first, then translation. The default is the identity map. The moves below
/// change the map itself so that applying the changed transform equals
/// applying the old one and then the move.
class GMTRRT_API CGMTRTransform3D {
public:
    /// Translation (0, 0, 0), identity rotation.
    CGMTRTransform3D();
    /// Copies of the translation and the rotation.
    CGMTRTransform3D(CGMTRVector3D const& v, CGMTRRotate3D const& r);
    /// A copy of the translation and the rotation.
    CGMTRTransform3D(CGMTRTransform3D const& other) = default;
    /// Copies the translation and the rotation; returns this transform.
    CGMTRTransform3D& operator=(CGMTRTransform3D const& other) = default;

    /// The translation v; the reference stays valid as long as this
    /// transform.
    CGMTRVector3D const& GetVector() const;
    /// Replaces the translation; the rotation stays.
    void SetVector(CGMTRVector3D const& v);
    /// The rotation R; the reference stays valid as long as this transform.
    CGMTRRotate3D const& GetRotate() const;
    /// Replaces the rotation (not checked); the translation stays.
    void SetRotate(CGMTRRotate3D const& r);
    /// Adds w to the translation: the map becomes p R + (v + w).
    void Transfer(CGMTRVector3D const& w);

    /// Rotates the whole transform about the origin after it: the map becomes
    /// (p R + v) Q, that is R becomes R Q and v becomes v Q.
    void Rotate(CGMTRRotate3D const& q);
    /// Rotates the whole transform about the centre c after it: the map
    /// becomes ((p R + v) - c) Q + c, that is R becomes R Q and v becomes
    /// (v - c) Q + c. Points that the old transform sent to c still go there.
    void RotateForPoint(CGMTRRotate3D const& q, CGMTRPoint3D const& centre);
    /// Replaces the map by its inverse q -> (q - v) R^-1: R becomes R^-1 (the
    /// rotation's Inverse) and v becomes -(v R^-1). A transform followed by
    /// its inverse is the identity within rounding. When R is singular
    /// (|det| < GMTR_TOL) the whole transform is left unchanged.
    void Inverse();

private:
    CGMTRVector3D vector;
    CGMTRRotate3D rotate;
};

#endif // GMTRRT_CGMTRTRANSFORM3D_H
