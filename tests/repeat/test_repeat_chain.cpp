// Chains of patterns: numbering, composition, ownership and copies.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include "support/TestSupport.h"

#include <cmath>
#include <limits>

namespace {
// Mixed single patterns (clockwise when sign < 0) and the chain of all four.
struct Four {
    CGMTRRepeatLine2D line;
    CGMTRRepeatArc2D arc;
    CGMTRRepeatArcSymmetry2D sym;
    CGMTRRepeatGrid grid;
    CGMTRRepeat* singles[4] = {&line, &arc, &sym, &grid}; // in the order of their types
    CGMTRRepeatLine2D chain;
    Four(double sign, double far) {
        line.ConstructRepeatLine(sign * 0.4, 2.5, 3);
        sym.ConstructRepeatArc(far + 1, far - 2, sign * GMTR_HALF_PI, 4);
        grid.ConstructRepeatGrid(3, 7, 3, 2, sign * 0.25);
        arc.ConstructRepeatArc(far - 5, far + 3, sign * 0.3, 5);
        chain = line;
        for (int k = 1; k < 4; ++k)
            chain.SetRepeat(singles[k]);
    }
};
} // namespace

// The first pattern varies fastest; a pattern whose remaining number is 0 is not consulted.
TEST(RepeatChain, MixedChainsComposeTheSinglePlacements) {
    for (double sign : {1.0, -1.0}) {
        for (double far : {0.0, 1e6}) {
            Four f(sign, far);
            ASSERT_EQ(f.chain.GetCount(), 3 * 4 * 6 * 5);
            const CGMTRPoint2D p(far + 4, far - 1), ref(far + 6, far + 2);
            for (long n = 0; n < f.chain.GetCount(); ++n) {
                CGMTRPoint2D expect = p;
                double angle = 0.25;
                for (long k = 0, rest = n; k < 4 && (k == 0 || rest > 0); ++k) {
                    const long c = f.singles[k]->GetCurrentCount();
                    expect = f.singles[k]->GetRepeatPoint(rest % c, expect, ref);
                    angle = f.singles[k]->GetRepeatAngle(rest % c, angle);
                    rest /= c;
                }
                double x = p.X(), y = p.Y();
                f.chain.GetRepeatPoint2(n, x, y, &x, &y, ref); // outputs may alias inputs
                SCOPED_TRACE(n);
                ExpectAt(f.chain.GetRepeatPoint(n, p, ref), expect.X(), expect.Y(), 0);
                ExpectAt(P(x, y), expect.X(), expect.Y(), 0);
                EXPECT_EQ(f.chain.GetRepeatAngle(n, 0.25), angle);
            }
        }
    }
}

// Numbers past either end extrapolate; the count is a `long` product that wraps
// at the platform's width (65536 x 65537 copies count 65536 where long has 32 bits).
TEST(RepeatChain, OutOfRangeNumbersExtrapolateTheLastPattern) {
    CGMTRRepeatLine2D a, b;
    a.ConstructRepeatLine(0, 1, 3);
    a.SetRepeat(&b); // 3 then 0: the empty next pattern is ignored
    EXPECT_EQ(a.GetCount(), 3);
    a.SetRepeat(nullptr);
    EXPECT_EQ(a.GetRepeatPoint(-2, {}, {}).X(), -2); // negative, no next: own placement
    b.ConstructRepeatLine(GMTR_HALF_PI, 1, 2);
    a.SetRepeat(&b);
    EXPECT_EQ(a.GetRepeatPoint(7, {}, {}).Y(), 2); // own 1, then 2 on b
    a.PutCount(0);                                 // no copies: the whole number stays with a
    EXPECT_EQ(a.GetRepeatPoint(3, {}, {}).X(), 3);
    Four f(-1.0, 1e6);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(f.singles[k]->GetRepeatType(), k);
    for (long n : {std::numeric_limits<long>::max(), std::numeric_limits<long>::min()}) {
        EXPECT_TRUE(std::isfinite(f.chain.GetRepeatPoint(n, {1, 2}, {}).X()));
        EXPECT_TRUE(std::isfinite(f.chain.GetRepeatAngle(n, 0)));
    }
    SCOPED_TRACE(testing::Message() << "long has " << 8 * sizeof(long) << " bits");
    a.PutCount(65536);
    b.PutCount(65537);
    a.SetRepeat(nullptr);
    a.SetRepeat(&b);
    EXPECT_EQ(static_cast<long long>(a.GetCount()), sizeof(long) == 8 ? 4295032832LL : 65536LL);
}

// SetRepeat, GetRepeat, Clone and copies each own a chain of their own.
TEST(RepeatChain, SetRepeatGetRepeatCloneAndCopiesOwnIndependentChains) {
    Four f(1.0, 0.0); // counts: arc 5, symmetric arc 4, grid 6
    CGMTRRepeatLine2D a;
    a.ConstructRepeatLine(0, 1, 2);
    a.SetRepeat(&f.grid); // the chain holds copies, the caller keeps its patterns
    a.SetRepeat(&f.arc);
    CGMTRRepeat *n1 = a.GetRepeat(), *n1again = a.GetRepeat(); // a new copy on every call
    EXPECT_NE(n1, n1again);
    EXPECT_EQ(n1->GetCount(), 30);
    delete n1;
    delete n1again;
    CGMTRRepeat* clone = a.Clone();
    for (long expect : {12, 2, 2}) { // the pattern itself is never removed
        a.SetRepeat(nullptr);
        EXPECT_EQ(a.GetCount(), expect);
    }
    a.SetRepeat(&a); // appending a pattern to its own chain appends a copy, no cycle
    a.SetRepeat(&a);
    EXPECT_EQ(a.GetCount(), 16);
    EXPECT_EQ(clone->GetCount(), 60);
    delete clone;
    CGMTRRepeatGrid h(f.grid);
    h.SetRepeat(&f.arc);
    h = f.grid; // copies copy the chain; assignment drops the old one
    h = *&h;
    CGMTRRepeatArcSymmetry2D s(f.sym), t;
    s.SetRepeat(&h);
    t = s;
    CGMTRRepeatArcSymmetry2D u(t); // a copy of a chained pattern owns a copy of its chain
    s.SetRepeat(nullptr);
    EXPECT_EQ(h.GetCount(), 6);
    EXPECT_EQ(t.GetCount(), 24);
    EXPECT_EQ(u.GetCount(), 24);
}
