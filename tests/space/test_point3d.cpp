// Space vector and point: arithmetic, tolerant equality, zero divisors.
#include "CGMTRPoint3D.h"
#include "CGMTRVector3D.h"
#include "support/TestSupport.h"

static_assert(sizeof(CGMTRVector3D) == 24 && sizeof(CGMTRPoint3D) == 24 &&
                  std::is_standard_layout<CGMTRVector3D>::value &&
                  std::is_standard_layout<CGMTRPoint3D>::value &&
                  std::is_trivially_copyable<CGMTRVector3D>::value &&
                  std::is_trivially_copyable<CGMTRPoint3D>::value,
              "plain values of three doubles");

static const double kNaN = std::nan("");

TEST(Vector3D, LengthNormalizeOperatorsAndEquality) {
    CGMTRVector3D v, w(3, 4, 0), bad(kNaN, 1, 0), u(1, 1, 1);
    EXPECT_EQ(v.IsZeroLengh(), 1);
    EXPECT_EQ(v.IsUnit(), 0);
    EXPECT_EQ(w.Length(), 5.0);
    v.Normalize(); // no direction: stays the zero vector instead of NaN
    w.Normalize();
    bad.Normalize();
    ExpectAt(v, 0, 0, 0, 0);
    EXPECT_TRUE(w == CGMTRVector3D(0.6, 0.8, 0.0)) << testing::PrintToString(w);
    EXPECT_TRUE(std::isnan(bad.X()));
    EXPECT_EQ(CGMTRVector3D(0.5e-10, 0, 0).IsZeroLengh(), 1);
    EXPECT_EQ(CGMTRVector3D(0, 0, 1e-10).IsZeroLengh(), 0);
    u += 2.0;
    u -= CGMTRVector3D(1, 2, 3);
    u *= -0.5;
    u /= 0.0; // a zero divisor is skipped, as for the point
    ExpectAt(u, -1, -0.5, 0, 0);
    EXPECT_EQ(u == CGMTRVector3D(-1 + 0.5e-10, -0.5, -0.5e-10), 1);
    EXPECT_EQ(v != CGMTRVector3D(0, 1e-10, 0), 1);
    EXPECT_EQ(v != CGMTRVector3D(kNaN, 0, 0), 1);
    v.X(7); // each setter writes its own coordinate
    v.Y(8);
    v.Z(9);
    ExpectAt(v, 7, 8, 9, 0);
}

TEST(Point3D, EqualityArithmeticAndDistance) {
    CGMTRPoint3D p(1, 2, 3), o;
    EXPECT_EQ(p == CGMTRPoint3D(1 + 5e-11, 2 + 5e-11, 3 + 5e-11), 1);
    EXPECT_EQ(p != CGMTRPoint3D(1, 2 + 2e-10, 3), 1);
    EXPECT_EQ(o != CGMTRPoint3D(1e-10, 0, 0), 1); // per coordinate, strict
    EXPECT_EQ(o == CGMTRPoint3D(0, 1e-10, 0), 0);
    EXPECT_EQ(p != CGMTRPoint3D(1, 2, 3 + 0.5e-10), 0);
    EXPECT_EQ(o == CGMTRPoint3D(0, 0, -1e-10), 0);
    EXPECT_EQ(o == CGMTRPoint3D(kNaN, 0, 0), 0);
    EXPECT_EQ(o != CGMTRPoint3D(kNaN, 0, 0), 0);
    ExpectAt(-p, -1, -2, -3, 0);
    ExpectAt(p - 1.0, 0, 1, 2, 0);
    ExpectAt(p / 0.0, 1, 2, 3, 0);
    ExpectAt(p + CGMTRVector3D(10, 20, 30) - CGMTRVector3D(0, 0, 30), 11, 22, 3, 0);
    ExpectAt(p + p - CGMTRPoint3D(0, 0, 6), 2, 4, 0, 0);
    ExpectAt(p * 2.0 / 4.0 + 1.0, 1.5, 2, 2.5, 0);
    CGMTRPoint3D q(p);
    q *= 4.0;
    q /= 2.0;
    q += p;
    q -= CGMTRPoint3D(0, 1, 2);
    q -= CGMTRVector3D(1, 1, 1);
    q += 0.5;
    q -= 0.25;
    ExpectAt(q, 2.25, 4.25, 6.25, 0);
    CGMTRPoint3D far(1e6, -1e6, 1e6);
    EXPECT_EQ(far.Distance3D(CGMTRPoint3D(1e6 + 1, -1e6 + 2, 1e6 - 2)), 3.0);
}
