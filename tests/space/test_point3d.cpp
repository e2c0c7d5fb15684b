// Space vector and point: arithmetic, tolerant equality, zero divisors.
#include "CGMTRPoint3D.h"
#include "CGMTRVector3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

static_assert(sizeof(CGMTRVector3D) == 24 && sizeof(CGMTRPoint3D) == 24 &&
                  !std::is_polymorphic<CGMTRVector3D>::value &&
                  !std::is_polymorphic<CGMTRPoint3D>::value &&
                  std::is_standard_layout<CGMTRPoint3D>::value,
              "plain values of three doubles");

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN();

template <class T> bool Is(const T& p, double x, double y, double z) {
    return p.X() == x && p.Y() == y && p.Z() == z;
}
} // namespace

TEST(Vector3D, LengthNormalizeOperatorsAndEquality) {
    CGMTRVector3D v, w(3, 4, 0), far(1e6, -2e6, 3e6), bad(kNaN, 1, 0);
    EXPECT_TRUE(Is(v, 0, 0, 0) && v.IsZeroLengh() == 1 && v.IsUnit() == 0);
    v.Normalize(); // no direction: stays the zero vector instead of NaN
    EXPECT_TRUE(Is(v, 0, 0, 0));
    EXPECT_EQ(w.Length(), 5.0);
    w.Normalize();
    far.Normalize();
    bad.Normalize();
    EXPECT_TRUE(w == CGMTRVector3D(0.6, 0.8, 0.0) && far.IsUnit() == 1 && std::isnan(bad.X()));
    EXPECT_EQ(CGMTRVector3D(0.5e-10, 0, 0).IsZeroLengh(), 1);
    EXPECT_EQ(CGMTRVector3D(0, 0, 1e-10).IsZeroLengh(), 0); // strict at the tolerance
    CGMTRVector3D u(1, 1, 1), o;
    u += 2.0;
    u -= CGMTRVector3D(1, 2, 3);
    u *= -2.0;
    u /= 4.0;
    u /= 0.0; // a zero divisor is skipped, as for the point
    EXPECT_TRUE(Is(u, -1, -0.5, 0));
    EXPECT_EQ(u == CGMTRVector3D(-1 + 0.5e-10, -0.5, -0.5e-10), 1);
    EXPECT_EQ(o != CGMTRVector3D(0, 1e-10, 0), 1); // exactly the tolerance: unequal
    EXPECT_EQ(o != CGMTRVector3D(kNaN, 0, 0), 1);
}

TEST(Point3D, EqualityArithmeticAndDistance) {
    CGMTRPoint3D p(1, 2, 3), o;
    const double* f = reinterpret_cast<const double*>(&p);
    EXPECT_TRUE(f[0] == 1 && f[1] == 2 && f[2] == 3);
    EXPECT_EQ(p == CGMTRPoint3D(1 + 5e-11, 2 + 5e-11, 3 + 5e-11), 1);
    EXPECT_EQ(p != CGMTRPoint3D(1, 2 + 2e-10, 3), 1);
    EXPECT_EQ(o == CGMTRPoint3D(0, 0, -1e-10), 0); // exactly the tolerance
    // Far out one step of the double already exceeds the tolerance.
    EXPECT_EQ(CGMTRPoint3D(1e6, 1e6, 1e6) == CGMTRPoint3D(std::nextafter(1e6, 2e6), 1e6, 1e6), 0);
    // NaN is neither equal nor unequal.
    EXPECT_TRUE((o == CGMTRPoint3D(kNaN, 0, 0)) == 0 && (o != CGMTRPoint3D(kNaN, 0, 0)) == 0);

    const CGMTRVector3D v(10, 20, 30);
    EXPECT_TRUE(Is(-p, -1, -2, -3) && Is(p - 1.0, 0, 1, 2));
    EXPECT_TRUE(Is(p + v - CGMTRVector3D(0, 0, 30), 11, 22, 3));
    EXPECT_TRUE(Is(p + p - CGMTRPoint3D(0, 0, 6), 2, 4, 0));
    EXPECT_TRUE(Is(p * 2.0 / 4.0, 0.5, 1, 1.5) && Is(p / 0.0, 1, 2, 3));
    EXPECT_EQ((p / std::ldexp(1.0, -1000)).X(), std::ldexp(1.0, 1000)); // tiny divisors are used
    CGMTRPoint3D s(1, 2, 3);
    s /= 0.0;
    s *= 4.0;
    s /= 2.0;
    s -= 2.0;
    s += CGMTRPoint3D(1, 1, 1);
    s -= CGMTRVector3D(1, 3, 5);
    s.Transfer(CGMTRVector3D(0, 0, 1));
    EXPECT_TRUE(Is(s, 0, 0, 1));
    EXPECT_EQ(CGMTRPoint3D(1, 2, 2).Distance3D(o), 3.0);
    EXPECT_EQ(CGMTRPoint3D(1e6, -1e6, 1e6).Distance3D(CGMTRPoint3D(1e6 + 1, -1e6 + 2, 1e6 - 2)),
              3.0);
}
