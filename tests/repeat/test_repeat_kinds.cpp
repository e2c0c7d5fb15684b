// Single patterns: the placements and count rules of each kind on their own.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// Exact comparison: quarter turns and axis-parallel steps must not round.
void ExpectAt(CGMTRRepeat& r, long i, CGMTRPoint2D p, CGMTRPoint2D ref, double x, double y) {
    const CGMTRPoint2D q = r.GetRepeatPoint(i, p, ref);
    EXPECT_EQ(q.X(), x) << "copy " << i;
    EXPECT_EQ(q.Y(), y) << "copy " << i;
}
} // namespace

// The fields come in their defined order after the base's next pointer and count.
static_assert(sizeof(CGMTRRepeatLine2D) == 2 * sizeof(void*) + sizeof(long) + 2 * sizeof(double));
static_assert(sizeof(CGMTRRepeatArcSymmetry2D) == 2 * sizeof(void*) + sizeof(long) + 24);
static_assert(sizeof(CGMTRRepeatGrid) == 2 * sizeof(void*) + 3 * sizeof(long) + 24);

TEST(RepeatLine, StepsAlongTheAngleInBothDirections) {
    CGMTRRepeatLine2D l;
    EXPECT_EQ(l.GetCurrentCount() + l.GetLineAngle() + l.GetRepeatSpace(), 0.0);
    l.ConstructRepeatLine(0.0, 10.0, 3);
    ExpectAt(l, 2, {1, 2}, {}, 21, 2);
    l.PutRepeatSpace(-10.0); // against the angle
    ExpectAt(l, 2, {1, 2}, {}, -19, 2);
    // Quarter turns far from the origin keep the other coordinate exact.
    l.ConstructRepeatLine(-GMTR_HALF_PI, 0.25, 5);
    ExpectAt(l, 4, {1e6 + 0.1, -1e6}, {}, 1e6 + 0.1, -1e6 - 1.0);
    l.ConstructRepeatLine(0.5, 3.0, 4);
    EXPECT_LT(l.GetRepeatPoint(3, {1e6, 1e6}, {})
                  .Distance2D({1e6 + 9 * std::cos(0.5), 1e6 + 9 * std::sin(0.5)}),
              1e-9);
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
    EXPECT_TRUE(s.GetRepeatAngle(2, 0.1) == 0.1 + GMTR_PI &&
                s.GetRepeatType() == REPEAT_ARC_SYMMETRY2D);
    // The plain arc keeps the offset from the reference point, both ways round.
    ExpectAt(a, 1, {12, 1}, {10, 0}, 2, 11);
    a.PutSpaceAngle(-GMTR_HALF_PI);
    ExpectAt(a, 1, {12, 1}, {10, 0}, 2, -9);
    s.ConstructRepeatArc(1e6, -1e6, -GMTR_HALF_PI, 4); // clockwise, around a far origin
    ExpectAt(s, 2, {1e6 + 10, -1e6 + 2}, {}, 1e6 - 10, -1e6 - 2);
    // Oblique steps stay on the circle; copy 0 of the plain arc stays exactly in place.
    const double step = GMTR_2PI / 12;
    s.ConstructRepeatArc(1e6, 2e6, step, 12);
    const CGMTRPoint2D p(1e6 + 7 * std::cos(0.3), 2e6 + 7 * std::sin(0.3));
    EXPECT_LT(s.GetRepeatPoint(5, p, {}).Distance2D(
                  {1e6 + 7 * std::cos(0.3 + step * 5), 2e6 + 7 * std::sin(0.3 + step * 5)}),
              1e-8);
    a.ConstructRepeatArc(1e6 + 0.1, -3e6 + 0.3, 0.37, 5);
    ExpectAt(a, 0, {0.7, 1e6 + 0.9}, {1e6 + 3.3, 1.1}, 0.7, 1e6 + 0.9);
    double x = 0, y = 0;
    CGMTRPoint2D o(-4.5, 1e6);
    a.SetOriginPt(o);
    a.GetOriginPt2(x, y);
    a.SetOriginPt2(3, 4);
    EXPECT_TRUE(x == -4.5 && y == 1e6 && a.GetOriginPt().X() == 3 && a.GetSpaceAngle() == 0.37);
}

TEST(RepeatGrid, SerpentineOrderAndTurnedGrid) {
    CGMTRRepeatGrid g;
    g.ConstructRepeatGrid(10, 5, 3, 2, 0);
    const double expect[6][2] = {{0, 0}, {10, 0}, {20, 0}, {20, 5}, {10, 5}, {0, 5}};
    for (long i = 0; i < 6; ++i)
        ExpectAt(g, i, {}, {}, expect[i][0], expect[i][1]);
    ExpectAt(g, 7, {}, {}, 10, 10); // past the last row, row 2 runs forward again
    g.PutBaseAngle(GMTR_HALF_PI);
    ExpectAt(g, 3, {}, {}, -5, 20);
    g.PutBaseAngle(-GMTR_HALF_PI); // clockwise-turned grid, far out
    ExpectAt(g, 4, {1e6, 1e6}, {}, 1e6 + 5, 1e6 - 10);
    // One row runs forward; one column runs straight along the grid's Y axis.
    g.ConstructRepeatGrid(2, 3, 4, 1, 0);
    ExpectAt(g, 3, {1, 1}, {}, 7, 1);
    g.ConstructRepeatGrid(2, 3, 1, 4, 0);
    ExpectAt(g, 3, {1, 1}, {}, 1, 10);
}

TEST(RepeatGrid, CountFollowsTheRepeatNumbers) {
    CGMTRRepeatGrid g;
    EXPECT_EQ(g.GetCurrentCount(), 0);
    g.PutRepeatY(3);
    g.PutRepeatX(4);
    g.PutCount(7); // the count follows the grid, not PutCount
    EXPECT_EQ(g.GetCurrentCount(), 12);
    g.PutRepeatX(1 << 16);
    g.PutRepeatY(1 << 15); // 2^31 wraps as a 32-bit signed product
    EXPECT_EQ(g.GetCurrentCount(), -2147483647L - 1);
    // No columns: no copies, and the point stays; odd column counts don't crash.
    g.ConstructRepeatGrid(10, 5, 0, 3, 0);
    EXPECT_EQ(g.GetCount(), 0);
    ExpectAt(g, 5, {1, 2}, {}, 1, 2);
    g.PutRepeatX(-1);
    EXPECT_TRUE(std::isfinite(g.GetRepeatPoint(std::numeric_limits<long>::min(), {}, {}).X()));
}
