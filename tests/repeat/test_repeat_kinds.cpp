// Single patterns: the placements and count rules of each kind on its own.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "support/TestSupport.h"

#include <cstddef>
#include <limits>

// The fields follow the base's table pointer, next pointer and count in their
// defined order at natural alignment, whatever the width of `long`.
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

// Quarter turns and axis-parallel steps are exact; the plain arc carries a
// point other than its reference point by the reference point's move.
TEST(RepeatKinds, PlacementsOfSingleCopies) {
    CGMTRRepeatLine2D ahead, back, up;
    ahead.ConstructRepeatLine(0, 10, 3);
    back.ConstructRepeatLine(0, -10, 3);
    up.ConstructRepeatLine(-GMTR_HALF_PI, -10, 3);
    CGMTRRepeatArcSymmetry2D sym, far;
    sym.ConstructRepeatArc(0, 0, GMTR_HALF_PI, 4);
    far.ConstructRepeatArc(1e6, -1e6, -0.5, 4);
    CGMTRRepeatArc2D plain, plainCw, shifted, plainFar;
    plain.ConstructRepeatArc(0, 0, GMTR_HALF_PI, 4);
    plainCw.ConstructRepeatArc(0, 0, -GMTR_HALF_PI, 4);
    shifted.ConstructRepeatArc(1, 0, GMTR_HALF_PI, 4);
    plainFar.ConstructRepeatArc(1e6 + 0.1, -3e6 + 0.3, 0.37, 4);
    CGMTRRepeatGrid flat, turned;
    flat.ConstructRepeatGrid(10, 5, 3, 2, 0);
    turned.ConstructRepeatGrid(10, 5, 3, 2, -GMTR_HALF_PI);
    const struct {
        CGMTRRepeat& pattern;
        long copy;
        CGMTRPoint2D p, ref;
        double x, y;
    } rows[] = {
        {ahead, 2, P(1, 2), P(0, 0), 21, 2},
        {back, 2, P(1, 2), P(0, 0), -19, 2},
        {up, 2, P(1e6 + 0.1, -1e6), P(0, 0), 1e6 + 0.1, -1e6 + 20},
        {sym, 1, P(10, 0), P(99, 99), 0, 10},
        {sym, 2, P(10, 0), P(99, 99), -10, 0},
        {plain, 1, P(10, 0), P(10, 0), 0, 10},
        {plain, 1, P(12, 1), P(10, 0), 2, 11},
        {plain, 1, P(12, 0), P(10, 0), 2, 10}, // same y as the reference: still carried
        {plainCw, 1, P(12, 1), P(10, 0), 2, -9},
        {shifted, 1, P(12, 1), P(10, 0), 3, 10},
        {flat, 1, P(0, 0), P(0, 0), 10, 0},
        {flat, 3, P(0, 0), P(0, 0), 20, 5},  // odd rows run back
        {flat, 7, P(0, 0), P(0, 0), 10, 10}, // past the last row, row 2 runs forward again
        {turned, 4, P(1e6, 1e6), P(0, 0), 1e6 + 5, 1e6 - 10},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "type " << r.pattern.GetRepeatType() << " copy "
                                        << r.copy << " of " << testing::PrintToString(r.p));
        ExpectAt(r.pattern.GetRepeatPoint(r.copy, r.p, r.ref), r.x, r.y, 0);
    }
    EXPECT_EQ(sym.GetRepeatAngle(2, 0.1), 0.1 + GMTR_PI);
    EXPECT_EQ(plain.GetRepeatAngle(2, 0.7), 0.7);
    // Oblique clockwise steps round a far origin stay on the circle; copy 0 of
    // the plain arc stays exactly in place.
    ExpectAt(far.GetRepeatPoint(3, {1e6 + 7, -1e6}, {}), 1e6 + 7 * std::cos(-1.5),
             -1e6 + 7 * std::sin(-1.5), 1e-8);
    ExpectAt(plainFar.GetRepeatPoint(0, {0.7, 1e6 + 0.9}, {1e6 + 3.3, 1.1}), 0.7, 1e6 + 0.9, 0);
}

// A grid's count is columns x rows as a 32-bit product, whatever PutCount says.
TEST(RepeatKinds, GridCountFollowsTheRepeatNumbers) {
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
    ExpectAt(g.GetRepeatPoint(5, {1, 2}, {}), 1, 2, 0);
    g.PutRepeatX(-1); // odd column counts don't crash
    EXPECT_TRUE(std::isfinite(g.GetRepeatPoint(std::numeric_limits<long>::min(), {}, {}).X()));
}
