#include "CGMTRTransform3D.h"

#include "CGMTRPoint3D.h"

#include <cmath>

namespace {
// v M for a row vector, with the same rounding as a point multiplied by M.
inline CGMTRVector3D Times(CGMTRVector3D const& v, CGMTRMatrix3D const& m) {
    CGMTRPoint3D p(v.X(), v.Y(), v.Z());
    p *= m;
    return CGMTRVector3D(p.X(), p.Y(), p.Z());
}
} // namespace

CGMTRTransform3D::CGMTRTransform3D() = default;
CGMTRTransform3D::CGMTRTransform3D(CGMTRVector3D const& v, CGMTRRotate3D const& r)
    : vector(v), rotate(r) {}

CGMTRVector3D const& CGMTRTransform3D::GetVector() const {
    return vector;
}
void CGMTRTransform3D::SetVector(CGMTRVector3D const& v) {
    vector = v;
}
CGMTRRotate3D const& CGMTRTransform3D::GetRotate() const {
    return rotate;
}
void CGMTRTransform3D::SetRotate(CGMTRRotate3D const& r) {
    rotate = r;
}

void CGMTRTransform3D::Transfer(CGMTRVector3D const& w) {
    vector += w;
}

void CGMTRTransform3D::Rotate(CGMTRRotate3D const& q) {
    // (p R + v) Q = p (R Q) + v Q. Copy q's matrix first: q may be our own
    // rotation, which changes below.
    const CGMTRMatrix3D Q(q.GetMatrix());
    vector = Times(vector, Q);
    rotate *= CGMTRRotate3D(Q);
}

void CGMTRTransform3D::RotateForPoint(CGMTRRotate3D const& q, CGMTRPoint3D const& centre) {
    // ((p R + v) - c) Q + c = p (R Q) + ((v - c) Q + c): the translation moves
    // the way a point rotated about c does.
    const CGMTRRotate3D Q(q);
    CGMTRPoint3D t(vector.X(), vector.Y(), vector.Z());
    t.RotateForPoint(Q, centre);
    vector = CGMTRVector3D(t.X(), t.Y(), t.Z());
    rotate *= Q;
}

void CGMTRTransform3D::Inverse() {
    // q = p R + v  gives  p = (q - v) R^-1 = q R^-1 - v R^-1.
    CGMTRRotate3D inv(rotate);
    CGMTRMatrix3D check(inv.GetMatrix());
    if (std::fabs(check.GetDeterminant()) < GMTR_TOL)
        return; // not invertible: keep the whole transform as it was
    inv.Inverse();
    const CGMTRVector3D w = Times(vector, inv.GetMatrix());
    vector = CGMTRVector3D(-w.X(), -w.Y(), -w.Z());
    rotate = inv;
}
