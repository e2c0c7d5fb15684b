// Classes derived from the linear and grid patterns: wherever they stand in a
// chain their own GetOutputPt places them, though their type reports the base kind.
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "support/TestSupport.h"

namespace {
// The line's own placement moved 100 up per copy.
class UpwardLine : public CGMTRRepeatLine2D {
protected:
    CGMTRRepeat* GetSelfCopy() override {
        auto* copy = new UpwardLine;
        copy->ConstructRepeatLine(GetLineAngle(), GetRepeatSpace(), GetCurrentCount());
        return copy;
    }
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override {
        CGMTRRepeatLine2D::GetOutputPt(index, x, y, outX, outY, ref);
        outY += 100.0 * static_cast<double>(index);
    }
};

// The grid's own placement moved 1000 to the right.
class ShiftedGrid : public CGMTRRepeatGrid {
protected:
    CGMTRRepeat* GetSelfCopy() override {
        auto* copy = new ShiftedGrid;
        copy->ConstructRepeatGrid(GetSpaceX(), GetSpaceY(), GetRepeatX(), GetRepeatY(),
                                  GetBaseAngle());
        return copy;
    }
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override {
        CGMTRRepeatGrid::GetOutputPt(index, x, y, outX, outY, ref);
        outX += 1000.0;
    }
};

// Where copy n of (1, 2) lands: 3 of the upward line (10 along x), 2 x 2 of the
// shifted grid (10 by 5, serpentine), 2 of a plain line by 7; a pattern is
// consulted only while copies remain.
CGMTRPoint2D Expected(long n) {
    const double grid[4][2] = {{0, 0}, {10, 0}, {10, 5}, {0, 5}};
    const long i = n % 3, j = n / 3 % 4, k = n / 12;
    const double shift = n >= 3 ? 1000 : 0;
    return P(1 + 10.0 * i + grid[j][0] + shift + 7.0 * k, 2 + 100.0 * i + grid[j][1]);
}
} // namespace

TEST(DerivedPatterns, OverridesPlaceTheCopiesAtTheHeadAndInsideAChain) {
    UpwardLine head;
    head.ConstructRepeatLine(0.0, 10.0, 3);
    ShiftedGrid grid;
    grid.ConstructRepeatGrid(10, 5, 2, 2, 0);
    CGMTRRepeatLine2D last;
    last.ConstructRepeatLine(0.0, 7.0, 2);
    head.SetRepeat(&grid); // stored as copies made by GetSelfCopy
    head.SetRepeat(&last);
    CGMTRRepeat* clone = head.Clone();
    ASSERT_EQ(head.GetCount(), 24);
    EXPECT_EQ(head.GetRepeatType(), REPEAT_LINE2D);
    for (long n = 0; n < 24; ++n) {
        SCOPED_TRACE(n);
        const CGMTRPoint2D want = Expected(n);
        double x = 1, y = 2;
        head.GetRepeatPoint2(n, x, y, &x, &y, P(0, 0));
        ExpectAt(P(x, y), want.X(), want.Y(), 0);
        ExpectAt(clone->GetRepeatPoint(n, P(1, 2), P(0, 0)), want.X(), want.Y(), 0);
    }
    delete clone;
}
