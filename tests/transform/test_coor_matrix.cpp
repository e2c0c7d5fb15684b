// Coordinate-system matrix: exchange, then turn, then shift; IsTransformed.
#include "CGMTRCoorMatrix.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRCoorMatrix) == 32 && !std::is_polymorphic<CGMTRCoorMatrix>::value,
              "plain value: vector, int (padded), double");

namespace {
CGMTRPoint2D Map(CGMTRCoorMatrix c, double x, double y) {
    CGMTRPoint2D p(x, y);
    p *= c.GetTrMatrix();
    return p;
}
} // namespace

TEST(CoorMatrix, ExchangeThenTurnThenShift) {
    const CGMTRVector2D zero(0, 0);
    EXPECT_TRUE(Map(CGMTRCoorMatrix(), 3, 4) == CGMTRPoint2D(3, 4));
    EXPECT_TRUE(Map(CGMTRCoorMatrix(1, 0, zero), 1, 2) == CGMTRPoint2D(2, 1));
    EXPECT_TRUE(Map(CGMTRCoorMatrix(1, GMTR_HALF_PI, CGMTRVector2D(10, 0)), 1, 0) ==
                CGMTRPoint2D(9, 0));
    EXPECT_TRUE(Map(CGMTRCoorMatrix(2, 0, zero), 1, 2) == CGMTRPoint2D(1, 2)); // no exchange
    std::mt19937 rng(99u); // random systems agree with moving the point step by step
    std::uniform_real_distribution<double> u(-10, 10), ang(-7, 7);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0, a = ang(rng), x = u(rng), y = u(rng);
        const int inv = trial % 3 == 0;
        CGMTRVector2D shift(off + u(rng), off + u(rng));
        CGMTRPoint2D want = inv ? CGMTRPoint2D(y, x) : CGMTRPoint2D(x, y),
                     got = Map(CGMTRCoorMatrix(inv, a, shift), x, y);
        want.Rotate(a);
        want.Transfer(shift);
        EXPECT_TRUE(std::fabs(got.X() - want.X()) < 1e-9 && std::fabs(got.Y() - want.Y()) < 1e-9);
    }
}

TEST(CoorMatrix, IsTransformedRulesAndAccessors) {
    CGMTRCoorMatrix c, d, e, f(2, 0, CGMTRVector2D(0, 0));
    const CGMTRVector2D& ref = c.GetTransfer();
    d.SetRotate(2e-10);
    e.SetRotate(GMTR_2PI); // compared with 0 only
    EXPECT_TRUE(c.IsTransformed() == 0 && d.IsTransformed() == 1 && e.IsTransformed() == 1 &&
                f.IsTransformed() == 1 && ref.X() == 0 && ref.Y() == 0);
    d.SetRotate(0.5e-10);
    c.SetTransfer(CGMTRVector2D(0.5e-10, 0.5e-10));
    EXPECT_TRUE(d.IsTransformed() == 0 && c.IsTransformed() == 0);
    c.SetTransfer(CGMTRVector2D(1e-10, 0));
    EXPECT_TRUE(c.IsTransformed() == 1 && ref.X() == 1e-10); // the reference follows

    CGMTRCoorMatrix src(1, 0.5, CGMTRVector2D(-1, 7)), copy(src), assigned;
    assigned = src;
    src.Reset();
    EXPECT_TRUE(src.IsTransformed() == 0 && src.GetRotate() == 0 && src.GetIsInverse() == 0);
    for (CGMTRCoorMatrix* k : {&copy, &assigned})
        EXPECT_TRUE(k->GetIsInverse() == 1 && k->GetRotate() == 0.5 && k->GetTransfer().X() == -1);
}
