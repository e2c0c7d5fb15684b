// The query paths of the segment and arc intersections, the fillets, the arc's
// distance and percent, a rotation about a point and the placement of every
// copy of a repeat chain allocate nothing: the global allocation functions are
// replaced here by counting ones. The result collections are given their
// storage before counting starts, as a host that reuses them would.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>

namespace {
bool g_counting = false;
long g_allocations = 0;

void* Allocate(std::size_t n) {
    if (g_counting)
        ++g_allocations;
    if (void* p = std::malloc(n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t n) {
    return Allocate(n);
}
void* operator new[](std::size_t n) {
    return Allocate(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    if (g_counting)
        ++g_allocations;
    return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    if (g_counting)
        ++g_allocations;
    return std::malloc(n == 0 ? 1 : n);
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

CGMTRArc2D Arc(double cx, double cy, double r, double base, double sweep) {
    CGMTRArc2D a;
    a.PutBasePoint(CGMTRPoint2D(cx, cy));
    a.PutBaseVector(CGMTRVector2D(r, 0.0));
    a.PutBaseAngle(base);
    a.PutSweepAngle(sweep);
    return a;
}

TEST(NoAllocation, QueryPathsAllocateNothing) {
    const CGMTRLine2D s1(CGMTRPoint2D(0, 0), CGMTRPoint2D(10, 0));
    CGMTRLine2D s2(CGMTRPoint2D(5, -5), CGMTRPoint2D(5, 5));
    const CGMTRLine2D chord(CGMTRPoint2D(-5, 1), CGMTRPoint2D(5, 1));
    CGMTRArc2D a = Arc(0, 0, 2, 0, 2 * GMTR_PI);
    CGMTRArc2D b = Arc(2, 0, 2, 0, 2 * GMTR_PI);
    CGMTRArc2D far = Arc(5, 0, 1, 0, 2 * GMTR_PI);
    const CGMTRLine2D leg(CGMTRPoint2D(2, 0), CGMTRPoint2D(6, 0));
    CGMTRRepeatLine2D chain;
    chain.ConstructRepeatLine(0.3, 4.0, 5);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(2.0, 3.0, 3, 2, 0.7);
    chain.SetRepeat(&grid);

    CGMTRPoint2DCol col;
    for (int i = 0; i < 8; ++i)
        col.Add(CGMTRPoint2D());
    col.Clear();

    g_counting = true;
    s1.GetCrossPoint(s2, col);
    a.GetCrossPointLine(chord, col);
    a.GetCrossPointArc(b, col);
    s1.FGetCrossPoint(&a, col);
    CGMTRPoint2D p1, p2, p3, q1, q2, q3;
    a.LineTangencyDistance(leg, CGMTRPoint2D(2, 0), 1.0, p1, p2, p3);
    a.ArcTangencyDistance(far, 1.0, q1, q2, q3);
    const double d = a.Distance(CGMTRPoint2D(3, 1));
    const double t = a.PointToPercent(CGMTRPoint2D(0, 2));
    CGMTRMatrix2D m;
    m.SetToRotateBy(CGMTRPoint2D(1, 1), 0.5);
    CGMTRPoint2D moved(3, 4);
    moved *= m;
    double x = 1.0, y = 2.0, rx = 0.0, ry = 0.0;
    for (long n = 0; n < chain.GetCount(); ++n)
        chain.GetRepeatPoint2(n, x, y, &rx, &ry, CGMTRPoint2D(1, 2));
    g_counting = false;

    EXPECT_EQ(g_allocations, 0);
    // The work was done: points found, fillets written, values computed.
    EXPECT_EQ(col.GetCount(), 6);
    EXPECT_NEAR(p3.X(), 2 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(q3.X(), 3.0, 1e-12);
    EXPECT_NEAR(d, std::sqrt(10.0) - 2, 1e-12);
    EXPECT_NEAR(t, 0.25, 1e-12);
    EXPECT_NE(rx, 0.0);
}

} // namespace
