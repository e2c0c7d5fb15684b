// Single patterns: the placements and count rules of each kind on their own.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>

namespace {
// Exact comparison: quarter turns and axis-parallel steps must not round.
void ExpectAt(CGMTRRepeat& r, long i, CGMTRPoint2D p, CGMTRPoint2D ref, double x, double y) {
    const CGMTRPoint2D q = r.GetRepeatPoint(i, p, ref);
    EXPECT_EQ(q.X(), x) << "copy " << i;
    EXPECT_EQ(q.Y(), y) << "copy " << i;
}
} // namespace

// The fields come in their defined order after the base's table pointer, next
// pointer and count, each at its natural alignment. `long` is 64 bits on
// Linux and 32 on Windows: the base is 24 bytes on both (4 bytes of padding
// after the count on Windows), and the grid's two repeat numbers take 16 or 8.
namespace {
constexpr std::size_t AlignUp(std::size_t n, std::size_t a) {
    return (n + a - 1) / a * a;
}
constexpr std::size_t kBase = AlignUp(2 * sizeof(void*) + sizeof(long), alignof(double));
} // namespace
static_assert(sizeof(CGMTRRepeatLine2D) == kBase + 2 * sizeof(double), "angle, space");
static_assert(sizeof(CGMTRRepeatArcSymmetry2D) == kBase + 3 * sizeof(double), "origin, angle");
static_assert(sizeof(CGMTRRepeatGrid) ==
                  AlignUp(kBase + 3 * sizeof(double) + 2 * sizeof(long), alignof(void*)),
              "spaces, angle, then the two repeat numbers");

TEST(RepeatLine, StepsAlongTheAngleInBothDirections) {
    CGMTRRepeatLine2D l;
    l.ConstructRepeatLine(0.0, 10.0, 3);
    ExpectAt(l, 2, {1, 2}, {}, 21, 2);
    l.PutRepeatSpace(-10.0); // against the angle
    ExpectAt(l, 2, {1, 2}, {}, -19, 2);
    l.PutLineAngle(-GMTR_HALF_PI); // a quarter turn far out keeps x exact; still backwards
    ExpectAt(l, 2, {1e6 + 0.1, -1e6}, {}, 1e6 + 0.1, -1e6 + 20);
}

TEST(RepeatArc, SymmetricArcTurnsPointAndAnglePlainArcMovesWithoutTurning) {
    CGMTRRepeatArcSymmetry2D s;
    CGMTRRepeatArc2D a;
    s.ConstructRepeatArc(0, 0, GMTR_HALF_PI, 4);
    a.ConstructRepeatArc(0, 0, GMTR_HALF_PI, 4);
    // Both take the point (the plain arc: its reference point) round the origin.
    const double expect[4][2] = {{10, 0}, {0, 10}, {-10, 0}, {0, -10}};
    for (long i = 0; i < 4; ++i) {
        ExpectAt(s, i, {10, 0}, {99, 99}, expect[i][0], expect[i][1]);
        ExpectAt(a, i, {10, 0}, {10, 0}, expect[i][0], expect[i][1]);
        EXPECT_EQ(a.GetRepeatAngle(i, 0.7), 0.7);
    }
    EXPECT_EQ(s.GetRepeatAngle(2, 0.1), 0.1 + GMTR_PI);
    ExpectAt(a, 1, {12, 1}, {10, 0}, 2, 11); // the offset from the reference point is kept
    a.PutSpaceAngle(-GMTR_HALF_PI);
    ExpectAt(a, 1, {12, 1}, {10, 0}, 2, -9);
    // Oblique clockwise steps round a far origin stay on the circle; copy 0 of the
    // plain arc stays exactly in place.
    s.ConstructRepeatArc(1e6, -1e6, -0.5, 4);
    const CGMTRPoint2D q = s.GetRepeatPoint(3, {1e6 + 7, -1e6}, {});
    EXPECT_LT(q.Distance2D({1e6 + 7 * std::cos(-1.5), -1e6 + 7 * std::sin(-1.5)}), 1e-8);
    a.ConstructRepeatArc(1e6 + 0.1, -3e6 + 0.3, 0.37, 5);
    ExpectAt(a, 0, {0.7, 1e6 + 0.9}, {1e6 + 3.3, 1.1}, 0.7, 1e6 + 0.9);
}

TEST(RepeatGrid, SerpentineOrderAndTurnedGrid) {
    CGMTRRepeatGrid g;
    g.ConstructRepeatGrid(10, 5, 3, 2, 0);
    const double expect[6][2] = {{0, 0}, {10, 0}, {20, 0}, {20, 5}, {10, 5}, {0, 5}};
    for (long i = 0; i < 6; ++i)
        ExpectAt(g, i, {}, {}, expect[i][0], expect[i][1]);
    ExpectAt(g, 7, {}, {}, 10, 10); // past the last row, row 2 runs forward again
    g.PutBaseAngle(-GMTR_HALF_PI);  // clockwise-turned grid, far out
    ExpectAt(g, 4, {1e6, 1e6}, {}, 1e6 + 5, 1e6 - 10);
}

TEST(RepeatGrid, CountFollowsTheRepeatNumbers) {
    CGMTRRepeatGrid g;
    g.PutRepeatY(3);
    g.PutRepeatX(4);
    g.PutCount(7); // the count follows the grid, not PutCount
    EXPECT_EQ(g.GetCurrentCount(), 12);
    g.PutRepeatX(1 << 16);
    g.PutRepeatY(1 << 15); // 2^31 wraps as a 32-bit signed product
    EXPECT_EQ(g.GetCurrentCount(), -2147483647L - 1);
    g.ConstructRepeatGrid(10, 5, 0, 3, 0); // no columns: no copies, the point stays
    EXPECT_EQ(g.GetCount(), 0);
    ExpectAt(g, 5, {1, 2}, {}, 1, 2);
    g.PutRepeatX(-1); // odd column counts don't crash
    EXPECT_TRUE(std::isfinite(g.GetRepeatPoint(std::numeric_limits<long>::min(), {}, {}).X()));
}
