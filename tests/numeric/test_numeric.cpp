// The tolerance rule and the angle functions at their boundaries.
#include "support/TestSupport.h"

#include <limits>

namespace {
const double kNaN = std::numeric_limits<double>::quiet_NaN(), kPi = GMTR_PI;
} // namespace

// A difference of exactly the tolerance is not equal, at any magnitude; NaN
// equals nothing. Points (the sum of both differences) are checked with Point2D.
TEST(Numeric, ToleranceIsStrictAndAbsolute) {
    EXPECT_FALSE(IsEqualValue(0, 1e-10));
    EXPECT_TRUE(IsEqualValue(0, 0.99e-10));
    EXPECT_FALSE(IsEqualValue(-3, -3 - 1e-10));
    EXPECT_FALSE(IsEqualValue(kNaN, kNaN));
    EXPECT_FALSE(IsSamePoint(0, 0, -0.6e-10, -0.6e-10)); // both differences as magnitudes
}

// One row per input: the exact result (same bits, signed zero and NaN
// included) when tol is 0, else within tol.
TEST(Numeric, AngleFunctionsAtTheirBoundaries) {
    using Fn = double (*)(const double&);
    const struct {
        const char* name;
        Fn fn;
        double in, want, tol;
    } rows[] = {
        {"NormalizeAngle", NormalizeAngle, GMTR_2PI - 1e-11, 0.0, 0},
        {"NormalizeAngle", NormalizeAngle, -1e-9, GMTR_2PI - 1e-9, 1e-15},
        {"NormalizeSignedAngle", NormalizeSignedAngle, -kPi, kPi, 0},
        {"NormalizeSignedAngle", NormalizeSignedAngle, -kPi + 0.5e-10, kPi, 0},
        {"NormalizeSignedAngle", NormalizeSignedAngle, 1.5 * kPi, -0.5 * kPi, 1e-15},
        {"ReduceAngle", ReduceAngle, -2.5 * kPi, -0.5 * kPi, 1e-15},
        {"ReduceAngle", ReduceAngle, GMTR_2PI, 0.0, 0},
        {"ReduceAngle", ReduceAngle, -GMTR_2PI, -0.0, 0}, // the sign is kept
        {"ReduceAngle", ReduceAngle, -GMTR_2PI + 1e-12, -GMTR_2PI + 1e-12, 1e-15},
        {"SnapCos", SnapCos, GMTR_HALF_PI, 0.0, 0},
        {"SnapCos", SnapCos, kPi - 1e-6, -1.0, 0}, // within the tolerance of -1
        {"SnapSin", SnapSin, GMTR_HALF_PI + 1e-6, 1.0, 0},
        {"SnapCos", SnapCos, 1.0, std::cos(1.0), 0},
        {"SnapCos", SnapCos, kNaN, kNaN, 0},
        {"SnapSin", SnapSin, 0.5e-10, 0.0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.name << "(" << r.in << ")");
        const double got = r.fn(r.in);
        if (r.tol == 0)
            ExpectSame(got, r.want);
        else
            EXPECT_NEAR(got, r.want, r.tol);
    }
    EXPECT_EQ(GetDirectionAngle(1, 1, -1, 1), kPi);
    EXPECT_EQ(GetDirectionAngle(2, 2, 2, 2), 0.0);
    EXPECT_EQ(GetDirectionAngle(0, 0, -1, -0.0), -kPi);
}

// The slack lies before the start (the snap of the normalised difference) and
// after the end (the added tolerance); a clockwise full turn is no full circle.
TEST(Numeric, IsAngleInRangeInBothDirections) {
    const double s = 0.3;
    const struct {
        double angle, start, sweep;
        bool in;
    } rows[] = {
        {kNaN, s, GMTR_2PI, true},     {s - 0.5e-10, s, 1, true},
        {s - 2e-10, s, 1, false},      {s + 1 + 0.5e-10, s, 1, true},
        {s + 1 + 2e-10, s, 1, false},  {s - 1 - 0.5e-10, s, -1, true},
        {s - 1 - 2e-10, s, -1, false}, {1 + 0.5e-10, 1, -GMTR_2PI, true},
        {1.5, 1, -GMTR_2PI, false},    {s + 2 * GMTR_2PI + 0.5, s, 1, true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(IsAngleInRange(r.angle, r.start, r.sweep), r.in)
            << r.angle << " from " << r.start << " by " << r.sweep;
}
