// Space vector and point: arithmetic, tolerant equality, zero divisors.
#include "CGMTRPoint3D.h"
#include "CGMTRVector3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();

template <class T> bool Is(const T& p, double x, double y, double z) {
    return p.X() == x && p.Y() == y && p.Z() == z;
}
} // namespace

TEST(Space3DValues, PlainLayout) {
    static_assert(sizeof(CGMTRVector3D) == 24 && sizeof(CGMTRPoint3D) == 24, "three doubles");
    static_assert(!std::is_polymorphic<CGMTRVector3D>::value, "no vtable");
    static_assert(!std::is_polymorphic<CGMTRPoint3D>::value, "no vtable");
    static_assert(std::is_standard_layout<CGMTRVector3D>::value, "plain fields");
    static_assert(std::is_standard_layout<CGMTRPoint3D>::value, "plain fields");
    const CGMTRPoint3D p(1, 2, 3);
    const double* f = reinterpret_cast<const double*>(&p);
    EXPECT_TRUE(f[0] == 1 && f[1] == 2 && f[2] == 3);
}

TEST(Vector3D, LengthNormalizeAndZeroVector) {
    CGMTRVector3D v;
    EXPECT_TRUE(Is(v, 0, 0, 0));
    EXPECT_EQ(v.IsZeroLengh(), 1);
    EXPECT_EQ(v.IsUnit(), 0);
    v.Normalize(); // no direction: stays the zero vector instead of NaN
    EXPECT_TRUE(Is(v, 0, 0, 0));

    CGMTRVector3D w(3, 4, 0), far(1e6, -2e6, 3e6), bad(kNaN, 1, 0);
    EXPECT_EQ(w.Length(), 5.0);
    w.Normalize();
    far.Normalize();
    bad.Normalize();
    EXPECT_TRUE(w == CGMTRVector3D(0.6, 0.8, 0.0));
    EXPECT_EQ(w.IsUnit(), 1);
    EXPECT_EQ(far.IsUnit(), 1);
    EXPECT_TRUE(std::isnan(bad.X()));
    EXPECT_EQ(CGMTRVector3D(0.5e-10, 0, 0).IsZeroLengh(), 1);
    EXPECT_EQ(CGMTRVector3D(0, 0, 1e-10).IsZeroLengh(), 0); // strict at the tolerance
}

TEST(Vector3D, CompoundOperatorsAndEquality) {
    CGMTRVector3D v(1, 1, 1), o;
    v += 2.0;
    EXPECT_TRUE(Is(v, 3, 3, 3));
    v -= CGMTRVector3D(1, 2, 3);
    v *= -2.0;
    v /= 4.0;
    v /= 0.0; // a zero divisor is skipped, as for the point
    EXPECT_TRUE(Is(v, -1, -0.5, 0));
    EXPECT_EQ(v == CGMTRVector3D(-1 + 0.5e-10, -0.5, -0.5e-10), 1);
    EXPECT_EQ(o == CGMTRVector3D(0, 1e-10, 0), 0); // exactly the tolerance: unequal
    EXPECT_EQ(o != CGMTRVector3D(0, 1e-10, 0), 1);
    EXPECT_EQ(o != CGMTRVector3D(kNaN, 0, 0), 1);
}

TEST(Point3D, ToleranceOfEquality) {
    CGMTRPoint3D p(1, 2, 3), o;
    EXPECT_EQ(p == CGMTRPoint3D(1 + 5e-11, 2 + 5e-11, 3 + 5e-11), 1);
    EXPECT_EQ(p != CGMTRPoint3D(1 + 5e-11, 2 + 5e-11, 3 + 5e-11), 0);
    EXPECT_EQ(p == CGMTRPoint3D(1, 2 + 2e-10, 3), 0);
    EXPECT_EQ(p != CGMTRPoint3D(1, 2 + 2e-10, 3), 1);
    EXPECT_EQ(o == CGMTRPoint3D(0, 0, -1e-10), 0); // exactly the tolerance
    EXPECT_EQ(o != CGMTRPoint3D(0, 0, -1e-10), 1);
    // Far from the origin one step of the double already exceeds the tolerance.
    CGMTRPoint3D f(1e6, 1e6, 1e6);
    EXPECT_EQ(f == CGMTRPoint3D(std::nextafter(1e6, 2e6), 1e6, 1e6), 0);
    // NaN is neither equal nor unequal.
    EXPECT_EQ(o == CGMTRPoint3D(kNaN, 0, 0), 0);
    EXPECT_EQ(o != CGMTRPoint3D(kNaN, 0, 0), 0);
}

TEST(Point3D, ArithmeticAndZeroDivisor) {
    const CGMTRPoint3D p(1, 2, 3);
    const CGMTRVector3D v(10, 20, 30);
    EXPECT_TRUE(Is(-p, -1, -2, -3));
    EXPECT_TRUE(Is(p - 1.0, 0, 1, 2));
    EXPECT_TRUE(Is(p + v - CGMTRVector3D(0, 0, 30), 11, 22, 3));
    EXPECT_TRUE(Is(p + p - CGMTRPoint3D(0, 0, 6), 2, 4, 0));
    EXPECT_TRUE(Is(p * 2.0 / 4.0, 0.5, 1, 1.5));
    EXPECT_TRUE(Is(p / 0.0, 1, 2, 3));
    EXPECT_EQ((p / std::ldexp(1.0, -1000)).X(), std::ldexp(1.0, 1000)); // tiny divisors are used
    EXPECT_TRUE(Is(p, 1, 2, 3));

    CGMTRPoint3D s(1, 2, 3);
    s /= 0.0;
    s *= 4.0;
    s /= 2.0;
    s -= 2.0;
    s += CGMTRPoint3D(1, 1, 1);
    s -= CGMTRVector3D(1, 3, 5);
    s.Transfer(CGMTRVector3D(0, 0, 1));
    EXPECT_TRUE(Is(s, 0, 0, 1));
}

TEST(Point3D, Distance) {
    CGMTRPoint3D o, p(1, 2, 2), a(1e6, -1e6, 1e6);
    EXPECT_EQ(o.Distance3D(p), 3.0);
    EXPECT_EQ(p.Distance3D(o), 3.0);
    EXPECT_EQ(a.Distance3D(CGMTRPoint3D(1e6 + 1, -1e6 + 2, 1e6 - 2)), 3.0);
}
