// Chains of patterns: numbering, composition, ownership, copies and
// allocation-free placement.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <new>

// Count every allocation of the process, the library's included.
namespace {
long g_allocations = 0;
}
void* operator new(std::size_t n) {
    ++g_allocations;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    ++g_allocations;
    return std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {
// Four single patterns of mixed kinds, turning clockwise when sign < 0, and
// the chain line -> symmetric arc -> grid -> arc built from them.
struct Four {
    CGMTRRepeatLine2D line;
    CGMTRRepeatArcSymmetry2D sym;
    CGMTRRepeatGrid grid;
    CGMTRRepeatArc2D arc;
    CGMTRRepeat* singles[4] = {&line, &sym, &grid, &arc};
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

TEST(RepeatChain, CountsAndNumberingFirstPatternFastest) {
    CGMTRRepeatLine2D a, b;
    a.ConstructRepeatLine(0, 1, 3);
    a.SetRepeat(&b); // 3 then 0: the empty next pattern is ignored
    EXPECT_EQ(a.GetCount(), 3);
    b.ConstructRepeatLine(0, 1, 5);
    a.PutCount(0);
    b.SetRepeat(&a);                                     // 5 then 0 then 0
    EXPECT_TRUE(b.GetCount() == 5 && a.GetCount() == 0); // 0 then 0: no copies at all

    // Answer first: a 3 x 2 block of (1, 1) stepped by 10 in x and 5 in y,
    // then turned a half turn about the origin.
    CGMTRRepeatLine2D head, up;
    head.ConstructRepeatLine(0, 10, 3);
    up.ConstructRepeatLine(GMTR_HALF_PI, 5, 2);
    CGMTRRepeatArcSymmetry2D half;
    half.ConstructRepeatArc(0, 0, GMTR_PI, 2);
    head.SetRepeat(&up);
    head.SetRepeat(&half);
    ASSERT_EQ(head.GetCount(), 12);
    for (long n = 0; n < 12; ++n) {
        const double sign = n / 6 ? -1.0 : 1.0;
        const CGMTRPoint2D q = head.GetRepeatPoint(n, {1, 1}, {});
        EXPECT_EQ(q.X(), sign * (1 + 10.0 * (n % 3))) << n;
        EXPECT_EQ(q.Y(), sign * (1 + 5.0 * (n / 3 % 2))) << n;
        EXPECT_EQ(head.GetRepeatAngle(n, 0.5), n / 6 ? 0.5 + GMTR_PI : 0.5) << n;
    }
}

TEST(RepeatChain, MixedChainsComposeTheSinglePlacements) {
    for (double sign : {1.0, -1.0}) {
        for (double far : {0.0, 1e6}) {
            Four f(sign, far);
            ASSERT_EQ(f.chain.GetCount(), 3 * 4 * 6 * 5);
            const CGMTRPoint2D p(far + 4, far - 1), ref(far + 6, far + 2);
            for (long n = 0; n < f.chain.GetCount(); ++n) {
                // Split n by hand and apply each single pattern in turn; a
                // pattern whose remaining number is 0 is not consulted.
                CGMTRPoint2D expect = p;
                double angle = 0.25;
                for (long k = 0, rest = n; k < 4 && (k == 0 || rest > 0); ++k) {
                    const long c = f.singles[k]->GetCurrentCount();
                    expect = f.singles[k]->GetRepeatPoint(rest % c, expect, ref);
                    angle = f.singles[k]->GetRepeatAngle(rest % c, angle);
                    rest /= c;
                }
                const CGMTRPoint2D q = f.chain.GetRepeatPoint(n, p, ref);
                ASSERT_TRUE(q.X() == expect.X() && q.Y() == expect.Y()) << n;
                ASSERT_EQ(f.chain.GetRepeatAngle(n, 0.25), angle) << n;
            }
        }
    }
}

TEST(RepeatChain, PlacementAllocatesNothing) {
    Four f(1.0, 1e6);
    const CGMTRPoint2D ref(3, 4);
    const long before = g_allocations;
    double sum = 0;
    for (long n = 0; n < f.chain.GetCount(); ++n) {
        double x = 1, y = 2;
        f.chain.GetRepeatPoint2(n, x, y, &x, &y, ref); // outputs may alias inputs
        sum += f.chain.GetRepeatPoint(n, {1, 2}, ref).X() - x + f.chain.GetRepeatAngle(n, 0);
    }
    EXPECT_EQ(g_allocations, before);
    delete f.chain.Clone(); // the counter does see the library's allocations
    EXPECT_EQ(g_allocations, before + 4);
    EXPECT_TRUE(std::isfinite(sum));
}

TEST(RepeatChain, OutOfRangeNumbersExtrapolateTheLastPattern) {
    CGMTRRepeatLine2D a, b;
    a.ConstructRepeatLine(0, 1, 3);
    EXPECT_EQ(a.GetRepeatPoint(5, {}, {}).X(), 5);   // no next: no split
    EXPECT_EQ(a.GetRepeatPoint(-2, {}, {}).X(), -2); // negative: own placement
    b.ConstructRepeatLine(GMTR_HALF_PI, 1, 2);
    a.SetRepeat(&b);
    EXPECT_EQ(a.GetRepeatPoint(7, {}, {}).Y(), 2); // own 1, then 2 on b
    a.PutCount(0);                                 // no copies: the whole number stays with a
    EXPECT_EQ(a.GetRepeatPoint(3, {}, {}).X(), 3);
    Four f(-1.0, 1e6);
    for (long n : {std::numeric_limits<long>::max(), std::numeric_limits<long>::min(), 360L})
        EXPECT_TRUE(std::isfinite(f.chain.GetRepeatPoint(n, {1, 2}, {}).X() +
                                  f.chain.GetRepeatAngle(n, 0)));
}

TEST(RepeatChain, SetRepeatAppendsCopiesAndRemovesTheLast) {
    CGMTRRepeatLine2D a;
    a.ConstructRepeatLine(0, 1, 2);
    auto* g = new CGMTRRepeatGrid;
    g->ConstructRepeatGrid(1, 1, 3, 1, 0);
    a.SetRepeat(g);
    delete g; // the chain holds its own copy
    CGMTRRepeatArc2D c;
    c.ConstructRepeatArc(0, 0, 1, 5);
    a.SetRepeat(&c);
    EXPECT_EQ(a.GetCount(), 30);
    CGMTRRepeat *n1 = a.GetRepeat(), *n2 = n1->GetRepeat(), *n1again = a.GetRepeat();
    EXPECT_TRUE(n1 != n1again && n1->GetRepeatType() == REPEAT_GRID && n1->GetCount() == 15);
    EXPECT_TRUE(n2->GetRepeatType() == REPEAT_ARC2D && n2->GetRepeat() == nullptr);
    delete n1;
    delete n1again;
    delete n2;
    for (long expect : {6, 2, 2}) { // the pattern itself is never removed
        a.SetRepeat(nullptr);
        EXPECT_EQ(a.GetCount(), expect);
    }
    // Appending a pattern to its own chain appends a copy, never a cycle.
    a.SetRepeat(&a);
    a.SetRepeat(&a);
    EXPECT_EQ(a.GetCount(), 16);
}

TEST(RepeatChain, ClonesAndCopiesAreIndependent) {
    Four f(1.0, 0.0);
    auto* src = new CGMTRRepeatLine2D(f.chain);
    const CGMTRPoint2D at = src->GetRepeatPoint(200, {1, 2}, {3, 4});
    CGMTRRepeat* clone = src->Clone();
    clone->SetRepeat(nullptr);
    clone->PutCount(1);
    EXPECT_EQ(src->GetCount(), 360);
    CGMTRRepeat* again = src->Clone();
    delete src;
    EXPECT_TRUE(again->GetRepeatType() == REPEAT_LINE2D && clone->GetCount() == 24);
    EXPECT_EQ(again->GetRepeatPoint(200, {1, 2}, {3, 4}).X(), at.X());
    delete clone;
    delete again;
    // Copy construction and assignment copy the chain (no shared owner).
    CGMTRRepeatGrid h(f.grid);
    h.SetRepeat(&f.arc);
    h = f.grid; // drops h's own chain without leaking it
    h = *&h;
    EXPECT_EQ(h.GetCount(), 6);
    CGMTRRepeatArcSymmetry2D s(f.sym), t;
    s.SetRepeat(&h);
    t = s;
    s.SetRepeat(nullptr);
    EXPECT_TRUE(t.GetCount() == 24 && t.GetRepeatAngle(1, 0) == GMTR_HALF_PI);
    // A long chain copies and unwinds without leaks or deep recursion trouble.
    f.line.PutCount(1);
    f.sym.PutCount(2);
    auto* head = new CGMTRRepeatArc2D(f.arc);
    for (int k = 1; k < 50; ++k)
        head->SetRepeat(f.singles[k % 3]); // 17 arcs of 2 copies, 16 grids of 6
    CGMTRRepeat* copy = head->Clone();
    const long count = head->GetCount();
    const CGMTRPoint2D last = head->GetRepeatPoint(count - 1, {5, 5}, {1, 1});
    delete head;
    EXPECT_EQ(copy->GetRepeatPoint(count - 1, {5, 5}, {1, 1}).Y(), last.Y());
    for (int k = 0; k < 49; ++k)
        copy->SetRepeat(nullptr);
    EXPECT_EQ(copy->GetCount(), 5);
    delete copy;
}
