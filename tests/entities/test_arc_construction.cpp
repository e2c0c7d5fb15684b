// Building an arc in one step from centre, radius, start angle and sweep.
#include "support/TestSupport.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {
// The arc the setters make, in the order that keeps every value.
CGMTRArc2D BySetters(const CGMTRPoint2D& c, double r, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(c);
    arc.PutRadius(r);
    arc.PutBaseAngle(start);
    arc.PutSweepAngle(sweep);
    return arc;
}
} // namespace

// The constructor makes the setters' arc bit for bit, full-circle flag
// included, for ordinary, quarter-turn, full-circle and degenerate values.
TEST(ArcConstruction, EqualsTheSettersBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[][3] = {{10, 0.3, 1.2},      {10, GMTR_HALF_PI, -GMTR_PI},
                                {2, -3.0, GMTR_2PI}, {2, 1.0, GMTR_2PI - 0.5e-10},
                                {5, 0.0, -GMTR_2PI}, {5, 7.0, 3 * GMTR_PI},
                                {-4, 0.5, 1.0},      {0, 0.5, 1.0},
                                {1e-300, 2.0, 0.1},  {nan, 1.0, 1.0},
                                {3, nan, 1.0},       {3, 1.0, nan}};
    for (const CGMTRPoint2D& c : {P(0, 0), P(1e6, -3)}) {
        for (const auto& v : values) {
            const CGMTRArc2D made(c, v[0], v[1], v[2]), set = BySetters(c, v[0], v[1], v[2]);
            SCOPED_TRACE(testing::Message()
                         << "r " << v[0] << ", start " << v[1] << ", sweep " << v[2]);
            EXPECT_PRED2(SamePointBits, CGMTRPoint2D(made.GetBaseVector()),
                         CGMTRPoint2D(set.GetBaseVector()));
            EXPECT_PRED2(SamePointBits, CGMTRPoint2D(made.GetMidVector()),
                         CGMTRPoint2D(set.GetMidVector()));
            EXPECT_PRED2(SamePointBits, made.GetBasePoint(), set.GetBasePoint());
            EXPECT_PRED2(SameBits, made.GetSweepAngle(), set.GetSweepAngle());
        }
    }
}

// The trap the constructor avoids: the sweep is kept relative to the start
// vector, so setting it before the start vector reverses a quarter arc.
TEST(ArcConstruction, AvoidsTheSetterOrderTrap) {
    const CGMTRArc2D made(P(0, 0), 10, GMTR_PI, GMTR_HALF_PI);
    ExpectAt(made.GetStartPoint(), -10, 0, 0.0);
    ExpectAt(made.GetEndPoint(), 0, -10, 1e-12);
    EXPECT_EQ(made.GetSweepAngle(), GMTR_HALF_PI);

    CGMTRArc2D trap;
    trap.PutSweepAngle(GMTR_HALF_PI);
    trap.PutBaseVector(CGMTRVector2D(-10, 0));                // the mid vector stays at 45 degrees
    EXPECT_NEAR(trap.GetSweepAngle(), -1.5 * GMTR_PI, 1e-12); // clockwise, three quarters
}
