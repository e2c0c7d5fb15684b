// Tolerance rules and angle functions at their boundaries.
#include "GMTRRT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

static const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Numeric, ConstantsAndStrictTolerance) {
    EXPECT_EQ(GMTR_PI, 3.141592653589793);
    EXPECT_EQ(GMTR_2PI, 6.283185307179586);
    EXPECT_EQ(GMTR_HALF_PI, 1.5707963267948966);
    EXPECT_EQ(GMTR_TOL, 1e-10);
    EXPECT_FALSE(IsEqualValue(0.0, 1e-10));
    EXPECT_TRUE(IsEqualValue(1e6, 1e6 + 0.5e-10));
    EXPECT_FALSE(IsEqualValue(kNaN, kNaN));
    EXPECT_FALSE(IsSamePoint(0, 0, 0.6e-10, 0.6e-10));
    EXPECT_TRUE(IsSamePoint(0, 0, 0.99e-10, 0.0));
    EXPECT_FALSE(IsSamePoint(0, 0, 0.0, -1e-10));
}

TEST(Numeric, NormalizeAndReduce) {
    EXPECT_DOUBLE_EQ(NormalizeAngle(-0.5 * GMTR_PI), 1.5 * GMTR_PI);
    EXPECT_EQ(NormalizeAngle(GMTR_2PI - 1e-11), 0.0);
    const double r = NormalizeAngle(-1e-9);
    EXPECT_GT(r, GMTR_2PI - 2e-9);
    EXPECT_LT(r, GMTR_2PI);
    EXPECT_EQ(NormalizeSignedAngle(-GMTR_PI), GMTR_PI);
    EXPECT_DOUBLE_EQ(NormalizeSignedAngle(1.5 * GMTR_PI), -0.5 * GMTR_PI);
    EXPECT_EQ(NormalizeSignedAngle(-GMTR_PI + 0.5e-10), GMTR_PI);
    EXPECT_DOUBLE_EQ(ReduceAngle(-2.5 * GMTR_PI), -0.5 * GMTR_PI);
    const double negZero = ReduceAngle(-GMTR_2PI);
    EXPECT_EQ(negZero, 0.0);
    EXPECT_TRUE(std::signbit(negZero)) << "expected -0, got +0";
}

TEST(Numeric, DirectionAndSnappedTrigonometry) {
    EXPECT_EQ(GetDirectionAngle(1, 1, -1, 1), GMTR_PI);
    EXPECT_EQ(GetDirectionAngle(2, 2, 2, 2), 0.0);
    EXPECT_EQ(GetDirectionAngle(0, 0, -1, -0.0), -GMTR_PI);
    EXPECT_EQ(SnapCos(GMTR_HALF_PI), 0.0);
    EXPECT_EQ(SnapSin(GMTR_PI), 0.0);
    EXPECT_EQ(SnapSin(-GMTR_HALF_PI), -1.0);
    EXPECT_EQ(SnapCos(1.0), std::cos(1.0));
    EXPECT_EQ(SnapSin(0.5e-10), 0.0);
    EXPECT_TRUE(std::isnan(SnapCos(kNaN)));
}

TEST(Numeric, IsAngleInRangeBothDirections) {
    const double s = 0.3;
    for (double a : {-100.0, 3.0, kNaN})
        EXPECT_TRUE(IsAngleInRange(a, s, GMTR_2PI)) << a;
    EXPECT_TRUE(IsAngleInRange(s - 0.5e-10, s, 1.0));
    EXPECT_TRUE(IsAngleInRange(s + 1.0 + 0.5e-10, s, 1.0));
    EXPECT_FALSE(IsAngleInRange(s + 1.0 + 2e-10, s, 1.0));
    EXPECT_FALSE(IsAngleInRange(s - 2e-10, s, 1.0));
    EXPECT_TRUE(IsAngleInRange(s - 0.5, s, -1.0));
    EXPECT_FALSE(IsAngleInRange(s + 0.5, s, -1.0));
    EXPECT_TRUE(IsAngleInRange(s - 1.0 - 0.5e-10, s, -1.0));
    EXPECT_FALSE(IsAngleInRange(s - 1.0 - 2e-10, s, -1.0));
    // A clockwise full turn is not a full circle.
    EXPECT_TRUE(IsAngleInRange(1.0 + 0.5e-10, 1.0, -GMTR_2PI));
    EXPECT_FALSE(IsAngleInRange(1.5, 1.0, -GMTR_2PI));
    EXPECT_FALSE(IsAngleInRange(0.5, 1.0, -GMTR_2PI));
}
