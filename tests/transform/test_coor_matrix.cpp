// Coordinate-system matrix: exchange, then turn, then shift; IsTransformed.
#include "CGMTRCoorMatrix.h"
#include "CGMTRPoint2D.h"

#include <gtest/gtest.h>

#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRCoorMatrix) == 32 && !std::is_polymorphic<CGMTRCoorMatrix>::value,
              "plain value: vector, int (padded), double");

TEST(CoorMatrix, ExchangeThenTurnThenShift) {
    std::mt19937 rng(99u); // random systems agree with moving the point step by step
    std::uniform_real_distribution<double> u(-10, 10), ang(-7, 7);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0, a = ang(rng), x = u(rng), y = u(rng);
        const int inv = trial % 3; // only 1 exchanges the axes
        CGMTRVector2D shift(off + u(rng), off + u(rng));
        CGMTRPoint2D want = inv == 1 ? CGMTRPoint2D(y, x) : CGMTRPoint2D(x, y), got(x, y);
        got *= CGMTRCoorMatrix(inv, a, shift).GetTrMatrix();
        want.Rotate(a);
        want.Transfer(shift);
        EXPECT_NEAR(got.X(), want.X(), 1e-9) << "trial " << trial;
        EXPECT_NEAR(got.Y(), want.Y(), 1e-9) << "trial " << trial;
    }
}

TEST(CoorMatrix, IsTransformedRulesCopiesAndReset) {
    CGMTRCoorMatrix c, d, e, f(2, 0.5, CGMTRVector2D(-1, 7));
    const CGMTRVector2D& ref = c.GetTransfer();
    d.SetRotate(0.5e-10);
    e.SetRotate(GMTR_2PI); // compared with 0 only
    c.SetTransfer(CGMTRVector2D(0.5e-10, 0.5e-10));
    EXPECT_EQ(c.IsTransformed(), 0);
    EXPECT_EQ(d.IsTransformed(), 0);
    EXPECT_EQ(e.IsTransformed(), 1);
    c.SetTransfer(CGMTRVector2D(1e-10, 0));
    EXPECT_EQ(c.IsTransformed(), 1);
    EXPECT_EQ(ref.X(), 1e-10); // the reference follows
    CGMTRCoorMatrix copy(f);
    e = f;
    f.Reset();
    EXPECT_EQ(f.IsTransformed(), 0);
    EXPECT_EQ(f.GetRotate(), 0);
    EXPECT_EQ(f.GetIsInverse(), 0);
    for (CGMTRCoorMatrix* k : {&copy, &e}) {
        EXPECT_EQ(k->GetIsInverse(), 2) << (k == &e ? "assigned" : "copy");
        EXPECT_EQ(k->GetRotate(), 0.5) << (k == &e ? "assigned" : "copy");
        EXPECT_EQ(k->GetTransfer().X(), -1) << (k == &e ? "assigned" : "copy");
    }
}
