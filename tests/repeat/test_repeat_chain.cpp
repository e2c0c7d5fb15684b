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
void* operator new[](std::size_t n) {
    return operator new(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    ++g_allocations;
    return std::malloc(n ? n : 1);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return operator new(n, std::nothrow);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {
// Four single patterns of mixed kinds, turning clockwise when sign < 0.
struct Four {
    CGMTRRepeatLine2D line;
    CGMTRRepeatArcSymmetry2D sym;
    CGMTRRepeatGrid grid;
    CGMTRRepeatArc2D arc;
    explicit Four(double sign, double far) {
        line.ConstructRepeatLine(sign * 0.4, 2.5, 3);
        sym.ConstructRepeatArc(far + 1, far - 2, sign * GMTR_HALF_PI, 4);
        grid.ConstructRepeatGrid(3, 7, 3, 2, sign * 0.25);
        arc.ConstructRepeatArc(far - 5, far + 3, sign * 0.3, 5);
    }
    CGMTRRepeat* singles[4] = {&line, &sym, &grid, &arc};
};

// The chain line -> sym -> grid -> arc built with SetRepeat.
CGMTRRepeatLine2D MakeChain(Four& f) {
    CGMTRRepeatLine2D head(f.line);
    for (int k = 1; k < 4; ++k)
        head.SetRepeat(f.singles[k]);
    return head;
}
} // namespace

TEST(RepeatChain, CountsOfChains) {
    CGMTRRepeatLine2D a, b;
    a.ConstructRepeatLine(0, 1, 4);
    EXPECT_EQ(a.GetCount(), 4);
    a.PutCount(3);
    b.ConstructRepeatLine(0, 1, 0);
    a.SetRepeat(&b); // a next pattern without copies is ignored
    EXPECT_EQ(a.GetCount(), 3);
    b.PutCount(5);
    a.PutCount(0); // but no own copies make the chain empty
    b.SetRepeat(&a);
    EXPECT_EQ(b.GetCount(), 5);
    EXPECT_EQ(a.GetCount(), 0);
}

TEST(RepeatChain, NumbersSplitFirstPatternFastest) {
    // Answer first: a 3 x 2 block of (1, 1) moved by 10 in x and 5 in y,
    // then turned a half turn about the origin.
    CGMTRRepeatLine2D head;
    head.ConstructRepeatLine(0, 10, 3);
    CGMTRRepeatLine2D up;
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
            CGMTRRepeatLine2D head = MakeChain(f);
            ASSERT_EQ(head.GetCount(), 3 * 4 * 6 * 5);
            const CGMTRPoint2D p(far + 4, far - 1), ref(far + 6, far + 2);
            for (long n = 0; n < head.GetCount(); ++n) {
                // Split n by hand and apply each single pattern in turn; a
                // pattern whose remaining number is 0 is not consulted.
                CGMTRPoint2D expect = p;
                double angle = 0.25;
                long rest = n;
                for (CGMTRRepeat* s : f.singles) {
                    const long c = s->GetCurrentCount();
                    expect = s->GetRepeatPoint(rest % c, expect, ref);
                    angle = s->GetRepeatAngle(rest % c, angle);
                    rest /= c;
                    if (rest == 0)
                        break;
                }
                const CGMTRPoint2D q = head.GetRepeatPoint(n, p, ref);
                ASSERT_EQ(q.X(), expect.X()) << n;
                ASSERT_EQ(q.Y(), expect.Y()) << n;
                ASSERT_EQ(head.GetRepeatAngle(n, 0.25), angle) << n;
            }
        }
    }
}

TEST(RepeatChain, PlacementAllocatesNothingAndAcceptsAliasedOutputs) {
    Four f(1.0, 1e6);
    CGMTRRepeatLine2D head = MakeChain(f);
    const CGMTRPoint2D ref(3, 4);
    const long before = g_allocations;
    double sum = 0;
    for (long n = 0; n < head.GetCount(); ++n) {
        double x = 1, y = 2, ox = 0, oy = 0;
        head.GetRepeatPoint2(n, x, y, &ox, &oy, ref);
        sum += head.GetRepeatPoint(n, {1, 2}, ref).X() + ox + oy + head.GetRepeatAngle(n, 0);
    }
    EXPECT_EQ(g_allocations, before);
    EXPECT_TRUE(std::isfinite(sum));
    delete head.Clone(); // the counter does see the library's allocations
    EXPECT_EQ(g_allocations, before + 4);

    const CGMTRPoint2D q = head.GetRepeatPoint(77, {1, 2}, ref);
    double x = 1, y = 2;
    head.GetRepeatPoint2(77, x, y, &x, &y, ref);
    EXPECT_EQ(x, q.X());
    EXPECT_EQ(y, q.Y());
    double z = 9;
    head.GetRepeatPoint2(77, x, y, nullptr, &z, ref); // a null output is skipped
    EXPECT_EQ(x, q.X());
}

TEST(RepeatChain, OutOfRangeNumbersExtrapolateTheLastPattern) {
    CGMTRRepeatLine2D a, b;
    a.ConstructRepeatLine(0, 1, 3);
    EXPECT_EQ(a.GetRepeatPoint(5, {}, {}).X(), 5);   // no next: no split
    EXPECT_EQ(a.GetRepeatPoint(-2, {}, {}).X(), -2); // negative: own placement
    b.ConstructRepeatLine(GMTR_HALF_PI, 1, 2);
    a.SetRepeat(&b);
    const CGMTRPoint2D q = a.GetRepeatPoint(7, {}, {}); // own 1, then 2 on b
    EXPECT_EQ(q.X(), 1);
    EXPECT_EQ(q.Y(), 2);
    a.PutCount(0); // no copies: the whole number stays with a
    EXPECT_EQ(a.GetRepeatPoint(3, {}, {}).X(), 3);
    EXPECT_EQ(a.GetRepeatPoint(3, {}, {}).Y(), 0);

    Four f(-1.0, 1e6);
    CGMTRRepeatLine2D head = MakeChain(f);
    for (long n : {std::numeric_limits<long>::max(), std::numeric_limits<long>::min(), 360L}) {
        EXPECT_TRUE(std::isfinite(head.GetRepeatPoint(n, {1, 2}, {}).X()));
        EXPECT_TRUE(std::isfinite(head.GetRepeatAngle(n, 0)));
    }
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

    CGMTRRepeat* n1 = a.GetRepeat();
    CGMTRRepeat* n1again = a.GetRepeat();
    ASSERT_NE(n1, nullptr);
    EXPECT_NE(n1, n1again);
    EXPECT_EQ(n1->GetRepeatType(), REPEAT_GRID);
    EXPECT_EQ(n1->GetCount(), 15);
    CGMTRRepeat* n2 = n1->GetRepeat();
    ASSERT_NE(n2, nullptr);
    EXPECT_EQ(n2->GetRepeatType(), REPEAT_ARC2D);
    EXPECT_EQ(n2->GetRepeat(), nullptr);
    delete n1;
    delete n1again;
    delete n2;

    a.SetRepeat(nullptr);
    EXPECT_EQ(a.GetCount(), 6);
    a.SetRepeat(nullptr);
    EXPECT_EQ(a.GetCount(), 2);
    a.SetRepeat(nullptr); // the pattern itself is never removed
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.GetRepeat(), nullptr);

    // Appending a pattern to its own chain appends a copy, never a cycle.
    a.SetRepeat(&a);
    EXPECT_EQ(a.GetCount(), 4);
    a.SetRepeat(&a);
    EXPECT_EQ(a.GetCount(), 16);
}

TEST(RepeatChain, ClonesAndCopiesAreIndependent) {
    Four f(1.0, 0.0);
    auto* src = new CGMTRRepeatLine2D(MakeChain(f));
    const CGMTRPoint2D at = src->GetRepeatPoint(200, {1, 2}, {3, 4});
    CGMTRRepeat* clone = src->Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetRepeatType(), REPEAT_LINE2D);
    clone->SetRepeat(nullptr);
    clone->PutCount(1);
    EXPECT_EQ(src->GetCount(), 360);
    CGMTRRepeat* again = src->Clone();
    delete src;
    EXPECT_EQ(again->GetCount(), 360);
    EXPECT_EQ(again->GetRepeatPoint(200, {1, 2}, {3, 4}).X(), at.X());
    EXPECT_EQ(clone->GetCount(), 24);
    delete clone;
    delete again;

    // Copy construction and assignment copy the chain (no shared owner).
    CGMTRRepeatGrid g;
    g.ConstructRepeatGrid(1, 2, 3, 2, 0);
    g.SetRepeat(&f.sym);
    CGMTRRepeatGrid h(g);
    h.SetRepeat(nullptr);
    EXPECT_EQ(g.GetCount(), 24);
    EXPECT_EQ(h.GetCount(), 6);
    h.SetRepeat(&f.arc);
    h = g; // replaces h's chain without leaking it
    EXPECT_EQ(h.GetCount(), 24);
    h = *&h;
    EXPECT_EQ(h.GetRepeatX(), 3);
    CGMTRRepeatArcSymmetry2D s(f.sym), t;
    s.SetRepeat(&g);
    t = s;
    EXPECT_EQ(t.GetCount(), 96);
    EXPECT_EQ(t.GetRepeatAngle(1, 0), GMTR_HALF_PI);
}

TEST(RepeatChain, LongChainsCopyAndUnwindCleanly) {
    CGMTRRepeatLine2D line;
    line.ConstructRepeatLine(0.1, 1, 1);
    CGMTRRepeatArcSymmetry2D sym;
    sym.ConstructRepeatArc(1, 1, 0.2, 2);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(1, 1, 1, 1, 0);
    CGMTRRepeat* kinds[3] = {&line, &sym, &grid};
    auto* head = new CGMTRRepeatArc2D;
    head->ConstructRepeatArc(0, 0, 0.5, 2);
    for (int k = 1; k < 50; ++k)
        head->SetRepeat(kinds[k % 3]);
    const long count = head->GetCount(); // 2 * 2^17 from the symmetric arcs
    EXPECT_EQ(count, 1L << 18);
    CGMTRRepeat* clone = head->Clone();
    CGMTRRepeat* next = head->GetRepeat();
    CGMTRRepeatArc2D copy(*head);
    const CGMTRPoint2D at = head->GetRepeatPoint(count - 1, {5, 5}, {1, 1});
    const double turn = head->GetRepeatAngle(count - 1, 0);
    delete head;
    EXPECT_EQ(clone->GetCount(), count);
    EXPECT_EQ(copy.GetCount(), count);
    EXPECT_EQ(next->GetCount(), count / 2);
    EXPECT_EQ(clone->GetRepeatPoint(count - 1, {5, 5}, {1, 1}).Y(), at.Y());
    EXPECT_EQ(clone->GetRepeatAngle(count - 1, 0), turn);
    for (int k = 0; k < 49; ++k)
        clone->SetRepeat(nullptr);
    EXPECT_EQ(clone->GetRepeat(), nullptr);
    EXPECT_EQ(clone->GetCount(), 2);
    delete clone;
    delete next;
}
