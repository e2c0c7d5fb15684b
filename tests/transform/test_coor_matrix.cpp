// Coordinate-system matrix: exchange, then turn, then shift; IsTransformed.
#include "CGMTRCoorMatrix.h"
#include "support/TestSupport.h"

#include <random>

static_assert(sizeof(CGMTRCoorMatrix) == 32 && !std::is_polymorphic<CGMTRCoorMatrix>::value,
              "plain value: vector, int (padded), double");

TEST(CoorMatrix, ExchangeThenTurnThenShift) {
    std::mt19937 rng(99u); // random systems agree with moving the point step by step
    std::uniform_real_distribution<double> u(-10, 10), ang(-7, 7);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0, a = ang(rng), x = u(rng), y = u(rng);
        const int inv = trial % 3; // only 1 exchanges the axes, not 2
        CGMTRVector2D shift(off + u(rng), off + u(rng));
        CGMTRPoint2D want = inv == 1 ? P(y, x) : P(x, y), got(x, y);
        CGMTRCoorMatrix c(inv, a, shift), assigned;
        assigned = c;
        got *= assigned.GetTrMatrix();
        want.Rotate(a);
        want.Transfer(shift);
        ExpectAt(got, want.X(), want.Y(), 1e-9);
    }
}

// Any non-zero exchange flag counts; the shift by its length, the turn
// compared with 0 only.
TEST(CoorMatrix, IsTransformedAtTheTolerance) {
    const CGMTRVector2D none(0, 0);
    const struct {
        int inv;
        double rot;
        CGMTRVector2D shift;
        int want;
    } rows[] = {
        {0, 0, none, 0},
        {2, 0, none, 1},
        {0, 0.5e-10, none, 0},
        {0, -1e-10, none, 1},
        {0, GMTR_2PI, none, 1},
        {0, 0, CGMTRVector2D(0.5e-10, 0.5e-10), 0},
        {0, 0, CGMTRVector2D(0, 1e-10), 1},
    };
    for (const auto& r : rows) {
        CGMTRCoorMatrix c(r.inv, r.rot, r.shift);
        EXPECT_EQ(c.IsTransformed(), r.want)
            << r.inv << " " << r.rot << " " << testing::PrintToString(r.shift);
        c.Reset();
        EXPECT_EQ(c.IsTransformed(), 0);
    }
    EXPECT_EQ(CGMTRCoorMatrix().IsTransformed(), 0);
}
