// Rotations from three angles and rigid transforms: orthogonality, axis
// cases, composition order, moves of the whole transform and its inverse.
#include "CGMTRPoint3D.h"
#include "CGMTRRotate3D.h"
#include "CGMTRTransform3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <type_traits>

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// p lies within tol * max(1, scale) of (x, y, z).
::testing::AssertionResult Near(const CGMTRPoint3D& p, double x, double y, double z, double tol,
                                double scale = 1.0) {
    const double t = tol * std::fmax(1.0, scale);
    if (std::fabs(p.X() - x) <= t && std::fabs(p.Y() - y) <= t && std::fabs(p.Z() - z) <= t)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << p.X() << ", " << p.Y() << ", " << p.Z()
                                         << ") vs (" << x << ", " << y << ", " << z << ")";
}

CGMTRRotate3D Defined(double a, double b, double c) {
    CGMTRRotate3D r;
    r.Define(a, b, c);
    return r;
}

struct Random {
    std::mt19937_64 gen{20240517};
    double U(double m) { return std::uniform_real_distribution<double>(-m, m)(gen); }
    CGMTRPoint3D Point(double m) { return CGMTRPoint3D(U(m), U(m), U(m)); }
    CGMTRRotate3D Rotation() { return Defined(U(10), U(10), U(10)); }
};
} // namespace

TEST(Rotate3D, LayoutAndDefineIsAProperRotation) {
    static_assert(sizeof(CGMTRRotate3D) == 72 && sizeof(CGMTRTransform3D) == 96, "fields only");
    static_assert(!std::is_polymorphic<CGMTRTransform3D>::value, "no vtable");
    static_assert(std::is_standard_layout<CGMTRTransform3D>::value, "plain fields");
    CGMTRTransform3D t(CGMTRVector3D(1, 2, 3), CGMTRRotate3D());
    EXPECT_EQ(reinterpret_cast<const double*>(&t)[3], 1.0); // translation, then rotation
    // Rotation first, then translation.
    CGMTRPoint3D x(1, 0, 0);
    t.Transfer(CGMTRVector3D(1, 0, 0));
    t.SetRotate(Defined(0, GMTR_HALF_PI, 0));
    x.TransForm(t); // turned to (0, 1, 0) first, then moved by (2, 2, 3)
    EXPECT_TRUE(Near(x, 2, 3, 3, 1e-15));
    Random rnd;
    for (int n = 0; n < 100; ++n) {
        CGMTRMatrix3D m = rnd.Rotation().GetMatrix();
        ASSERT_TRUE(m.IsOrthogonal() == 1 && std::fabs(m.GetDeterminant() - 1.0) < 1e-14) << n;
    }
}

TEST(Rotate3D, DefineAxisCases) {
    CGMTRPoint3D z(0, 0, 1), x(1, 0, 0);
    z.Rotate(Defined(0, 0, GMTR_HALF_PI));
    x.Rotate(Defined(0, 0, GMTR_HALF_PI));
    EXPECT_TRUE(Near(z, 1, 0, 0, 1e-15) && Near(x, 0, 0, -1, 1e-15));
    // Random angles: +z leans by c towards azimuth a and the turn adds b; the
    // tilt axis (sin a, -cos a, 0) is only turned.
    Random rnd;
    for (int n = 0; n < 100; ++n) {
        const double a = rnd.U(10), b = rnd.U(10), c = rnd.U(10);
        CGMTRPoint3D zz(0, 0, 1), u(std::sin(a), -std::cos(a), 0);
        zz.Rotate(Defined(a, b, c)), u.Rotate(Defined(a, b, c));
        EXPECT_TRUE(Near(zz, std::sin(c) * std::cos(a + b), std::sin(c) * std::sin(a + b),
                         std::cos(c), 1e-13));
        EXPECT_TRUE(Near(u, std::sin(a + b), -std::cos(a + b), 0, 1e-13));
    }
}

TEST(Rotate3D, CompositionOrderInverseAndCentre) {
    Random rnd;
    for (int n = 0; n < 100; ++n) {
        const CGMTRRotate3D P = rnd.Rotation(), Q = rnd.Rotation();
        const CGMTRPoint3D p0 = rnd.Point(1e6), c0 = rnd.Point(1e6);
        CGMTRPoint3D seq(p0), once(p0), c(c0), about(p0);
        seq.Rotate(P), seq.Rotate(Q);
        CGMTRRotate3D PQ(P);
        PQ *= Q;
        once.Rotate(PQ);
        const bool composed = Near(once, seq.X(), seq.Y(), seq.Z(), 1e-12, 1e6);
        PQ.Inverse();
        once.Rotate(PQ);
        EXPECT_TRUE(composed && Near(once, p0.X(), p0.Y(), p0.Z(), 1e-12, 1e6));
        // About a centre: the centre stays, distances to it are kept.
        c.RotateForPoint(P, c);
        about.RotateForPoint(P, c0);
        EXPECT_TRUE(c == c0 &&
                    std::fabs(about.Distance3D(c0) - CGMTRPoint3D(p0).Distance3D(c0)) < 1e-9);
    }
    CGMTRRotate3D self = Defined(0, 0.25, 0), flat(CGMTRMatrix3D(1, 0, 0, 0, 1, 0, 0, 0, 0));
    self *= self; // the argument may be the rotation itself
    CGMTRPoint3D x(1, 0, 0);
    x.Rotate(self);
    EXPECT_TRUE(Near(x, std::cos(0.5), std::sin(0.5), 0, 1e-15));
    flat.Inverse(); // singular: unchanged
    EXPECT_EQ(flat.GetMatrix().GetSingleValue(2, 2), 0.0);
}

TEST(Transform3D, MovesActAfterTheTransformAndInverseUndoesIt) {
    Random rnd;
    for (int n = 0; n < 100; ++n) {
        const double m = (n % 2) ? 1e6 : 10.0, s = 3 * m;
        const CGMTRPoint3D v = rnd.Point(m), c = rnd.Point(m), p0 = rnd.Point(m);
        const CGMTRTransform3D t(CGMTRVector3D(v.X(), v.Y(), v.Z()), rnd.Rotation());
        const CGMTRRotate3D q = rnd.Rotation();
        CGMTRPoint3D mapped(p0);
        mapped.TransForm(t);
        CGMTRPoint3D rotated(mapped), about(mapped), viaR(p0), viaC(p0), back(mapped);
        rotated.Rotate(q);
        about.RotateForPoint(q, c);
        CGMTRTransform3D tr(t), tc(t), inv(t);
        tr.Rotate(q);
        tc.RotateForPoint(q, c);
        viaR.TransForm(tr);
        viaC.TransForm(tc);
        inv.Inverse();
        back.TransForm(inv);
        EXPECT_TRUE(Near(viaR, rotated.X(), rotated.Y(), rotated.Z(), 1e-12, s) &&
                    Near(viaC, about.X(), about.Y(), about.Z(), 1e-12, s) &&
                    Near(back, p0.X(), p0.Y(), p0.Z(), 1e-12, s));
    }
    CGMTRTransform3D self(CGMTRVector3D(1, 0, 0), Defined(0, 0.25, 0));
    self.Rotate(self.GetRotate()); // argument aliasing the transform's own rotation
    CGMTRPoint3D o;
    o.TransForm(self);
    EXPECT_TRUE(Near(o, std::cos(0.25), std::sin(0.25), 0, 1e-15));
}

TEST(Transform3D, DegenerateInputNeverCrashes) {
    const CGMTRMatrix3D thin(1, 0, 0, 0, 1e-11, 0, 0, 0, 1);
    CGMTRTransform3D flat(CGMTRVector3D(1, 2, 3), CGMTRRotate3D(thin));
    flat.Inverse(); // singular rotation: the whole transform stays
    EXPECT_EQ(flat.GetVector().X(), 1.0);
    EXPECT_EQ(flat.GetRotate().GetMatrix().GetSingleValue(1, 1), 1e-11);
    CGMTRTransform3D bad(CGMTRVector3D(kNaN, 0, 0), Defined(kNaN, 1, 2));
    bad.Rotate(Defined(INFINITY, 0, 0));
    bad.RotateForPoint(Defined(1, 2, 3), CGMTRPoint3D(kNaN, 0, 0));
    bad.Inverse();
    CGMTRPoint3D p(1, 2, 3);
    p.TransForm(bad);
    EXPECT_TRUE(std::isnan(p.X()));
}
