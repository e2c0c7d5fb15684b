// Arc intersections with arcs, segments and infinite lines at the tolerance
// boundaries.
#include "support/TestSupport.h"

TEST(ArcIntersections, FixedCasesOrderAndTolerances) {
    CGMTRPoint2DCol col;
    col.Add(P(7, 7)); // earlier content is kept
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, GMTR_2PI), b = MakeArc(2, 0, 2, 0, GMTR_2PI);
    a.GetCrossPointArc(b, col);
    ExpectPoints(col, {P(7, 7), P(1, std::sqrt(3.0)), P(1, -std::sqrt(3.0))});
    // Touching from outside and inside gives the point twice; just apart or
    // just inside, nothing; a touching point outside a range, nothing; one
    // circle, nothing (arcs of one circle overlap rather than cross).
    const struct {
        double cx, rb, start, count, tx;
    } cases[] = {{2 + 0.5e-10, 1, 0, 2, 1}, {2 + 2e-10, 1, 0, 0, 0}, {2, 3, 0, 2, -1},
                 {2 - 2e-10, 3, 0, 0, 0},   {2, 1, 0.1, 0, 0},       {0, 1, 0, 0, 0}};
    for (const auto& c : cases) {
        CGMTRArc2D u = MakeArc(0, 0, 1, c.start, c.start == 0 ? GMTR_2PI : 3.0);
        CGMTRArc2D v = MakeArc(c.cx, 0, c.rb, 0, GMTR_2PI);
        CGMTRPoint2DCol touch;
        u.GetCrossPointArc(v, touch);
        ASSERT_EQ(touch.GetCount(), c.count) << c.cx;
        for (const CGMTRPoint2D& p : Points(touch))
            ExpectAt(p, c.tx, 0);
    }

    CGMTRPoint2DCol through, seg, line;
    a.GetCrossPointLine(Seg(-5, 0, 5, 0), through); // in the segment's direction
    a.GetCrossPointLine(Seg(5, 0, -5, 0), through);
    ExpectPoints(through, {P(2, 0), P(-2, 0), P(-2, 0), P(2, 0)});
    // A crossing just past a segment's end counts within the tolerance only.
    for (double gap : {0.5e-10, 2e-10}) {
        CGMTRPoint2DCol ends;
        a.GetCrossPointLine(Seg(-5, 0, 2 - gap, 0), ends);
        EXPECT_EQ(ends.GetCount(), gap < 1e-10 ? 2 : 1) << gap;
    }
    CGMTRLine2D shortSeg = Seg(0, 1, 1, 1); // both crossings beyond its ends
    a.GetCrossPointLine(shortSeg, seg);
    a.GetCrossPointLineEx(shortSeg, line);
    ExpectPoints(line, {P(-std::sqrt(3.0), 1), P(std::sqrt(3.0), 1)});
    // Tangency within the tolerance gives the point twice, beyond it nothing.
    for (double off : {0.5e-10, 2e-10}) {
        CGMTRLine2D tangent = Seg(-3, 2 + off, 3, 2 + off);
        CGMTRPoint2DCol twice;
        a.GetCrossPointLine(tangent, twice);
        a.GetCrossPointLineEx(tangent, twice);
        ExpectPoints(twice, std::vector<CGMTRPoint2D>(off < 1e-10 ? 4 : 0, P(0, 2)));
    }
    for (CGMTRLine2D dot : {Seg(2, 0, 2, 0), Seg(0, 0, 0, 0)}) { // zero length
        a.GetCrossPointLine(dot, seg);
        a.GetCrossPointLineEx(dot, seg);
    }
    EXPECT_EQ(seg.GetCount(), 0); // nothing from the short or the zero-length segments
}
