// Classes derived from the segment and the arc passed to the arc's crossing
// and fillet queries: the queries read their geometry but ask their own
// virtual members (the segment's Distance and PointToPercent, the arc's
// PercentToPoint), so an override changes the answer.
#include "support/TestSupport.h"

namespace {
// A segment that counts its whole infinite line as its extent.
class EndlessLine : public CGMTRLine2D {
public:
    using CGMTRLine2D::CGMTRLine2D;
    double Distance(const CGMTRPoint2D& p) const override { return GetVerticalDis(p); }
    double PointToPercent(const CGMTRPoint2D& p) const override {
        const CGMTRVector2D v = get_BaseVector();
        const double along =
            (p.X() - get_BasePoint().X()) * v.X() + (p.Y() - get_BasePoint().Y()) * v.Y();
        return GetVerticalDis(p) < GMTR_TOL ? along / (v.X() * v.X() + v.Y() * v.Y()) : -1.0;
    }
};
const CGMTRArc2D kCircle = MakeArc(0, 0, 2, 0, GMTR_2PI);
} // namespace

// Both crossings of the circle lie beyond the ends of the segment from (0, 1)
// to (1, 1): the plain segment has none, the endless one both, whichever of
// the two entities is asked.
TEST(DerivedSegment, ArcCrossingsAskTheSegmentsOwnDistance) {
    const CGMTRLine2D plain = Seg(0, 1, 1, 1);
    EndlessLine endless(P(0, 1), P(1, 1));
    CGMTRArc2D circle = kCircle;
    CGMTRPoint2DCol none, direct, fromArc, fromLine;
    circle.GetCrossPointLine(plain, none);
    circle.GetCrossPointLine(endless, direct);
    circle.FGetCrossPoint(&endless, fromArc);
    endless.FGetCrossPoint(&circle, fromLine);
    EXPECT_EQ(none.GetCount(), 0);
    const double s3 = std::sqrt(3.0);
    for (const CGMTRPoint2DCol* col : {&direct, &fromArc, &fromLine})
        ExpectPoints(*col, {P(-s3, 1), P(s3, 1)});
}

// The foot of every fillet lies beyond the end of the segment from (2, 0) to
// (2.5, 0): the plain segment gets none, the endless one the fillet its line
// would give, and the touching point on the arc is the arc's own
// PercentToPoint, here overridden to mark it.
TEST(DerivedSegment, LineFilletAsksTheSegmentsOwnPercentAndTheArcsPercentToPoint) {
    struct MarkedArc : CGMTRArc2D {
        CGMTRPoint2D PercentToPoint(const double& t) const override { return P(100 + t, 100); }
    } arc;
    static_cast<CGMTRArc2D&>(arc) = kCircle;
    const CGMTRPoint2D unset(-7, -7), q(2, 0);
    CGMTRPoint2D onLine = unset, onArc = unset, centre = unset;
    arc.LineTangencyDistance(Seg(2, 0, 2.5, 0), q, 1.0, onLine, onArc, centre);
    ExpectAt(centre, -7, -7, 0);
    arc.LineTangencyDistance(EndlessLine(P(2, 0), P(2.5, 0)), q, 1.0, onLine, onArc, centre);
    // The circle of radius 1 at (2 sqrt 2, 1) touches the arc in the direction
    // atan(1 / (2 sqrt 2)), along the full circle's sweep of 2 pi.
    const double s2 = std::sqrt(2.0);
    ExpectAt(onLine, 2 * s2, 0);
    ExpectAt(onArc, 100 + std::atan2(1.0, 2 * s2) / GMTR_2PI, 100);
    ExpectAt(centre, 2 * s2, 1);
}
