// Building an arc in one step from centre, radius, start angle and sweep.
#include "support/TestSupport.h"

#include <limits>

// The constructor makes the arc the setters make (centre, radius, start
// angle, then sweep) bit for bit: ordinary, quarter-turn, full-circle,
// reduced, reversed and degenerate values, near the origin and far from it.
TEST(ArcConstruction, EqualsTheSettersInTheirOrder) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[][3] = {{10, 0.3, 1.2},      {10, GMTR_HALF_PI, -GMTR_PI},
                                {2, -3.0, GMTR_2PI}, {2, 1.0, GMTR_2PI - 0.5e-10},
                                {5, 0.0, -GMTR_2PI}, {5, 7.0, 3 * GMTR_PI},
                                {-4, 0.5, 1.0},      {0, 0.5, 1.0},
                                {nan, 1.0, 1.0},     {3, 1.0, nan}};
    for (const CGMTRPoint2D& c : {P(0, 0), P(1e6, -3)}) {
        for (const auto& v : values) {
            SCOPED_TRACE(testing::Message() << v[0] << ", " << v[1] << ", " << v[2]);
            const CGMTRArc2D made(c, v[0], v[1], v[2]);
            CGMTRArc2D set;
            set.PutBasePoint(c);
            set.PutRadius(v[0]);
            set.PutBaseAngle(v[1]);
            set.PutSweepAngle(v[2]);
            ExpectSame(made.GetBasePoint(), set.GetBasePoint());
            ExpectSame(made.GetBaseVector(), set.GetBaseVector());
            ExpectSame(made.GetMidVector(), set.GetMidVector());
            ExpectSame(made.GetSweepAngle(), set.GetSweepAngle()); // the full-circle flag too
        }
    }
}
