// Joining two arcs of one circle into their union.
#include "support/TestSupport.h"

#include <algorithm>
#include <random>
#include <utility>

namespace {

double Deg(double d) {
    return d * GMTR_PI / 180.0;
}

// Every field of the arc equals the other's exactly.
void ExpectSameFields(const CGMTRArc2D& a, const CGMTRArc2D& b) {
    ExpectAt(a.GetBasePoint(), b.GetBasePoint().X(), b.GetBasePoint().Y(), 0);
    ExpectAt(CGMTRPoint2D(a.GetBaseVector()), b.GetBaseVector().X(), b.GetBaseVector().Y(), 0);
    ExpectAt(CGMTRPoint2D(a.GetMidVector()), b.GetMidVector().X(), b.GetMidVector().Y(), 0);
    EXPECT_EQ(a.GetSweepAngle(), b.GetSweepAngle());
}

void ExpectAngle(double actual, double expected) {
    EXPECT_NEAR(NormalizeSignedAngle(actual - expected), 0.0, 1e-9) << actual << " vs " << expected;
}

// One configuration, in degrees, with the expected answer; a zero expected
// sweep means the result arc is left untouched, 360 a full circle.
struct Case {
    const char* name;
    double startA, sweepA, startB, sweepB;
    int joined;
    double start, sweep;
};

const Case kCases[] = {
    {"overlap", 0, 90, 45, 90, 1, 0, 135},
    {"touching", 0, 90, 90, 90, 1, 0, 180},
    {"apart", 0, 90, 180, 90, 0, 0, 0},
    {"opposite directions", 0, 90, 180, -90, 1, 0, 180},
    {"other inside", 0, 180, 45, 45, 1, 0, 180},
    {"this inside", 45, 45, 0, 180, 1, 0, 180},
    {"both clockwise", 90, -90, 45, -90, 1, 90, -135},
    {"clockwise leads", 0, 45, 135, -135, 1, 135, -135},
    {"cover the circle", 0, 270, 180, 270, 1, 0, 360},
    {"cover, opposite directions", 0, 270, 180, -270, 1, 0, 360},
    {"identical", 30, 120, 30, 120, 0, 30, 120},
    {"same points reversed", 0, 90, 90, -90, 0, 0, 90},
    {"zero-length arc inside", 0, 90, 45, 0, 1, 0, 90},
};

enum class Target { Copy, This, Other };

// Runs one case with the centre (cx, cy), radius r, every angle turned by
// `offset` degrees and, when `mirror`, reflected across the x axis.
void RunCase(const Case& c, double cx, double cy, double r, double offset, bool mirror,
             Target target) {
    const double m = mirror ? -1.0 : 1.0;
    CGMTRArc2D a = MakeArc(cx, cy, r, Deg(m * c.startA + offset), Deg(m * c.sweepA));
    CGMTRArc2D b = MakeArc(cx, cy, r, Deg(m * c.startB + offset), Deg(m * c.sweepB));
    CGMTRArc2D copy = MakeArc(cx, cy, 3 * r, 1.0, 0.5); // its radius must stay
    CGMTRArc2D& result = target == Target::Copy ? copy : target == Target::This ? a : b;
    const CGMTRArc2D before = result;
    EXPECT_EQ(a.GetConedArc(b, result), c.joined);
    if (c.sweep == 0) {
        ExpectSameFields(result, before);
        return;
    }
    const double radius = target == Target::Copy ? 3 * r : r;
    EXPECT_NEAR(result.GetRadius(), radius, 1e-12 * radius);
    ExpectAt(result.GetBasePoint(), cx, cy, 0);
    if (c.sweep == 360) { // either arc may lend the full circle its start
        const double s = result.GetBaseAngle(), sa = Deg(m * c.startA + offset);
        EXPECT_LT(std::min(std::fabs(NormalizeSignedAngle(s - sa)),
                           std::fabs(NormalizeSignedAngle(s - Deg(m * c.startB + offset)))),
                  1e-9);
        EXPECT_EQ(result.GetSweepAngle(), 2 * GMTR_PI);
        return;
    }
    ExpectAngle(result.GetBaseAngle(), Deg(m * c.start + offset));
    EXPECT_NEAR(result.GetSweepAngle(), Deg(m * c.sweep), 1e-9);
}

} // namespace

TEST(ConedArc, ConfigurationsInBothDirectionsAnywhereWithAnyResultArc) {
    for (const Case& c : kCases)
        for (double offset : {0.0, -170.0})
            for (bool mirror : {false, true})
                for (Target t : {Target::Copy, Target::This, Target::Other}) {
                    SCOPED_TRACE(testing::Message() << c.name << offset << mirror << int(t));
                    RunCase(c, 0, 0, 10, offset, mirror, t);
                    RunCase(c, 1e6 + 0.25, -2e6, 250, offset, mirror, t);
                }
}

TEST(ConedArc, OnlyArcsOfOneCircleThatTouchAreJoined) {
    const CGMTRArc2D a = MakeArc(0, 0, 10, 0, Deg(90));
    auto join = [&](double cx, double cy, double r) {
        CGMTRArc2D thisArc = a, other = MakeArc(cx, cy, r, Deg(45), Deg(90));
        CGMTRArc2D result = a;
        const int joined = thisArc.GetConedArc(other, result);
        if (joined == 0)
            ExpectSameFields(result, a);
        return joined;
    };
    EXPECT_TRUE(join(0, 0, 10) == 1 && join(0, -1e-9, 10) == 0 && join(0, 0, 5) == 0);
    EXPECT_EQ(join(0.99e-10, 0, 10), 1); // centres: the sum of differences counts
    EXPECT_EQ(join(0.6e-10, 0.6e-10, 10), 0);
    EXPECT_TRUE(join(0, 0, 10 + 0.5e-10) == 1 && join(0, 0, 10 + 1e-9) == 0);
    // Arcs of one circle touch only within the tolerance.
    CGMTRArc2D b = MakeArc(0, 0, 1, 0, GMTR_HALF_PI), result = b;
    CGMTRArc2D gap = MakeArc(0, 0, 1, GMTR_HALF_PI + 2e-10, GMTR_HALF_PI);
    CGMTRArc2D near = MakeArc(0, 0, 1, GMTR_HALF_PI + 0.5e-10, GMTR_HALF_PI);
    EXPECT_EQ(b.GetConedArc(gap, result), 0);
    ExpectSameFields(result, b);
    EXPECT_EQ(b.GetConedArc(near, result), 1);
    EXPECT_NEAR(result.GetSweepAngle(), GMTR_PI + 0.5e-10, GMTR_TOL);
}

TEST(ConedArc, UnionOfRandomOverlappingPieces) {
    // Answer first: cut two overlapping pieces of random direction from a union.
    std::mt19937 gen(12345);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 100; ++i) {
        const double u0 = (unit(gen) * 2 - 1) * GMTR_PI;
        const double su = (0.2 + 1.6 * unit(gen)) * GMTR_PI * (unit(gen) < 0.5 ? 1 : -1);
        const double t2 = 0.05 + 0.4 * unit(gen), t1 = t2 + 0.05 + 0.45 * unit(gen);
        double a0 = u0, a1 = u0 + t1 * su, b0 = u0 + t2 * su, b1 = u0 + su;
        const bool flipA = unit(gen) < 0.5, flipB = unit(gen) < 0.5;
        std::swap(a0, flipA ? a1 : a0);
        std::swap(b0, flipB ? b1 : b0);
        CGMTRArc2D a = MakeArc(-3e5, 7e5, 40, a0, a1 - a0), result = a,
                   b = MakeArc(-3e5, 7e5, 40, b0, b1 - b0);
        ASSERT_EQ(a.GetConedArc(b, result), 1) << i;
        // The union runs the way the longer piece runs.
        const bool reversed = std::fabs(a1 - a0) >= std::fabs(b1 - b0) ? flipA : flipB;
        ExpectAngle(result.GetBaseAngle(), reversed ? u0 + su : u0);
        EXPECT_NEAR(result.GetSweepAngle(), reversed ? -su : su, 1e-9);
    }
}

TEST(ConedArc, DegenerateArcsDoNotCrash) {
    const double nan = std::nan("");
    CGMTRArc2D a = MakeArc(0, 0, 1, 0, 1);
    CGMTRArc2D bad = MakeArc(nan, 0, 1, 0, 1);
    CGMTRArc2D result = a;
    EXPECT_EQ(a.GetConedArc(bad, result), 0);
    EXPECT_EQ(bad.GetConedArc(a, result), 0);
    ExpectSameFields(result, a);
    // Only the absence of a crash (and of sanitizer reports) matters below.
    CGMTRArc2D nanSweep = MakeArc(0, 0, 1, 0, nan), z1 = MakeArc(0, 0, 0, 0, 1), z2 = z1;
    a.GetConedArc(nanSweep, result);
    z1.GetConedArc(z2, z1);
}
