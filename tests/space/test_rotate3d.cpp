// Rotations from three angles and rigid transforms built from them.
#include "CGMTRTransform3D.h"
#include "support/TestSupport.h"

#include <random>

static_assert(sizeof(CGMTRRotate3D) == 72 && sizeof(CGMTRTransform3D) == 96 &&
                  std::is_standard_layout<CGMTRTransform3D>::value,
              "plain values holding their fields only");

namespace {
CGMTRRotate3D Defined(double a, double b, double c) {
    CGMTRRotate3D r;
    r.Define(a, b, c);
    return r;
}
struct Random {
    std::mt19937_64 gen{20240517};
    double U(double m) { return std::uniform_real_distribution<double>(-m, m)(gen); }
    CGMTRPoint3D Far() { return CGMTRPoint3D(U(1e6), U(1e6), U(1e6)); }
};
void ExpectNear(const CGMTRPoint3D& p, const CGMTRPoint3D& q, double tol) {
    ExpectAt(p, q.X(), q.Y(), q.Z(), tol);
}
} // namespace

// Define: +z leans by c towards azimuth a and the turn adds b; the tilt axis
// (sin a, -cos a, 0) is only turned. Transforms are checked far from the origin.
TEST(Rotate3D, DefinedRotationsAndRandomTransforms) {
    Random rnd;
    for (int n = 0; n < 100; ++n) {
        const double a = rnd.U(10), b = rnd.U(10), c = rnd.U(10), s = std::sin(c);
        const CGMTRRotate3D P = Defined(a, b, c), Q = Defined(rnd.U(10), rnd.U(10), rnd.U(10));
        EXPECT_EQ(CGMTRMatrix3D(P.GetMatrix()).IsOrthogonal(), 1);
        EXPECT_NEAR(CGMTRMatrix3D(P.GetMatrix()).GetDeterminant(), 1.0, 1e-14);
        CGMTRPoint3D z(0, 0, 1), u(std::sin(a), -std::cos(a), 0);
        z.Rotate(P);
        u.Rotate(P);
        ExpectNear(z, CGMTRPoint3D(s * std::cos(a + b), s * std::sin(a + b), std::cos(c)), 1e-13);
        ExpectNear(u, CGMTRPoint3D(std::sin(a + b), -std::cos(a + b), 0), 1e-13);
        const CGMTRPoint3D p0 = rnd.Far(), c0 = rnd.Far();
        CGMTRTransform3D t(CGMTRVector3D(rnd.U(1e6), rnd.U(1e6), rnd.U(1e6)), P);
        CGMTRPoint3D mapped(p0), seq(p0), once(p0);
        mapped.TransForm(t);
        seq.Rotate(P);
        ExpectNear(mapped, seq + t.GetVector(), 1e-6); // rotation first, then translation
        seq.Rotate(Q);
        CGMTRRotate3D PQ(P);
        PQ *= Q;
        once.Rotate(PQ);
        ExpectNear(once, seq, 1e-6);
        t.Rotate(Q); // moves act after the transform: Q about the origin, then about c0
        t.RotateForPoint(Q, c0);
        mapped.Rotate(Q);
        CGMTRPoint3D w = mapped - c0, image(p0);
        w.Rotate(Q);
        mapped.RotateForPoint(Q, c0);
        ExpectNear(mapped, w + c0, 1e-6);
        image.TransForm(t);
        ExpectNear(image, mapped, 3e-6);
        t.Inverse();
        image.TransForm(t);
        ExpectNear(image, p0, 3e-6);
    }
}

TEST(Transform3D, FieldOrderAliasedArgumentsAndDegenerateInput) {
    CGMTRTransform3D t;
    t.SetVector(CGMTRVector3D(0.5, 0, 0));
    EXPECT_EQ(reinterpret_cast<const double*>(&t)[3], 1.0); // translation, then rotation
    CGMTRRotate3D r = Defined(0, 0.25, 0);
    r *= r; // the argument may be the rotation itself
    t.Transfer(CGMTRVector3D(0.5, 0, 0));
    t.SetRotate(r);
    t.Rotate(t.GetRotate()); // its own rotation: v turns by 0.5
    CGMTRPoint3D o;
    o.TransForm(t);
    ExpectNear(o, CGMTRPoint3D(std::cos(0.5), std::sin(0.5), 0), 1e-15);
    r.SetMatrix(CGMTRMatrix3D(1, 0, 0, 0, 1e-11, 0, 0, 0, 1));
    r.Inverse(); // singular: the rotation and a transform holding it stay unchanged
    CGMTRTransform3D flat(CGMTRVector3D(1, 2, 3), r);
    flat.Inverse();
    EXPECT_EQ(flat.GetVector().X(), 1.0);
    EXPECT_EQ(flat.GetRotate().GetMatrix().GetSingleValue(1, 1), 1e-11);
    CGMTRTransform3D bad(CGMTRVector3D(NAN, 0, 0), Defined(NAN, 1, 2));
    bad.RotateForPoint(Defined(INFINITY, 0, 0), CGMTRPoint3D(NAN, 0, 0));
    bad.Inverse();
    o.TransForm(bad);
    EXPECT_TRUE(std::isnan(o.X()));
}
