// Directions of two entities at the point where they meet.
#include "support/TestSupport.h"

namespace {
// The two angles (this entity's, the other's) as the x and y of a point.
template <class A, class B, class Query>
CGMTRPoint2D Angles(Query query, const A& a, const B& b, const CGMTRPoint2D& p, int leaving) {
    double first = -99, second = -99;
    (a.*query)(b, p, first, second, leaving);
    return P(first, second);
}
const auto LineLine = &CGMTRLine2D::GetLineLineAngle;
const auto LineArc = &CGMTRLine2D::GetLineArcAngle;
const auto ArcArc = &CGMTRArc2D::GetArcArcAngle;
} // namespace

// Segments S1 (0, 0)-(10, 0), S2 (0, 0)-(0, 10), S3 (10, 0)-(10, 10), S4
// (10, 0)-(20, 0); quarter arcs of radius 10 round the origin from (10, 0),
// counter-clockwise (Q) and clockwise (C); at the origin and far from it.
TEST(JunctionAngles, EveryEndInBothSenses) {
    const double h = GMTR_HALF_PI, pi = GMTR_PI;
    for (double o : {0.0, 1e6}) {
        const CGMTRLine2D s1 = Seg(o, o, o + 10, o), s2 = Seg(o, o, o, o + 10);
        const CGMTRLine2D s3 = Seg(o + 10, o, o + 10, o + 10), s4 = Seg(o + 10, o, o + 20, o);
        const CGMTRArc2D q = MakeArc(o, o, 10, 0, h), c = MakeArc(o, o, 10, 0, -h);
        const CGMTRPoint2D origin(o, o), start(o + 10, o), top(o, o + 10), bottom(o, o - 10);
        const struct {
            const char* name;
            CGMTRPoint2D got;
            double first, second;
        } rows[] = {
            {"S1 S2 at their start, leaving", Angles(LineLine, s1, s2, origin, 1), 0, h},
            {"S1 S2 at their start, arriving", Angles(LineLine, s1, s2, origin, 0), pi, -h},
            {"S1 end S3 start, leaving", Angles(LineLine, s1, s3, start, 1), pi, h},
            {"S1 end S3 start, arriving", Angles(LineLine, s1, s3, start, 0), 0, -h},
            {"S4 Q at their start, leaving", Angles(LineArc, s4, q, start, 1), 0, h},
            {"S4 Q at their start, arriving", Angles(LineArc, s4, q, start, 0), pi, -h},
            {"S4 C at their start, leaving", Angles(LineArc, s4, c, start, 1), 0, -h},
            {"S4 C at their start, arriving", Angles(LineArc, s4, c, start, 0), pi, h},
            {"Q C at their start, leaving", Angles(ArcArc, q, c, start, 1), h, -h},
            {"Q C at their start, arriving", Angles(ArcArc, q, c, start, 0), -h, h},
            {"Q end S2 end, leaving", Angles(ArcArc, q, q, top, 1), 0, 0},
            {"Q end, arriving", Angles(ArcArc, q, q, top, 0), pi, pi},
            {"C end, leaving", Angles(ArcArc, c, c, bottom, 1), 0, 0},
            {"C end, arriving", Angles(ArcArc, c, c, bottom, 0), pi, pi},
        };
        for (const auto& r : rows) {
            SCOPED_TRACE(testing::Message() << r.name << (o != 0 ? ", far" : ""));
            ExpectAt(r.got, r.first, r.second);
        }
    }
}

TEST(JunctionAngles, StartTestAndZeroSweepArcs) {
    const CGMTRLine2D up(P(0, 0), P(0, 10)), other(P(-5, 0), P(0, 0));
    // The start test is per coordinate: both within the tolerance (not their
    // sum) is the start, a difference of exactly the tolerance is the end.
    EXPECT_EQ(Angles(LineLine, up, other, P(0.9e-10, 0.9e-10), 1).X(), GMTR_HALF_PI);
    EXPECT_EQ(Angles(LineLine, up, other, P(1e-10, 0), 1).X(), -GMTR_HALF_PI);
    ExpectAt(Angles(LineLine, up, other, P(3, 3), 1), -GMTR_HALF_PI, GMTR_PI, 0); // on neither
    // At the end, a zero sweep is counter-clockwise for the segment query and
    // clockwise for the arc one; at the start the sign test is s >= 0 in both.
    const CGMTRArc2D flat = MakeArc(0, 0, 2, 0, 0.0);
    EXPECT_EQ(Angles(LineArc, up, flat, P(7, 7), 1).Y(), -GMTR_HALF_PI);
    EXPECT_EQ(Angles(ArcArc, flat, flat, P(7, 7), 1).X(), GMTR_HALF_PI);
    EXPECT_EQ(Angles(LineArc, up, flat, P(2, 0), 1).Y(), GMTR_HALF_PI);
    EXPECT_EQ(Angles(ArcArc, flat, flat, P(2, 0), 1).X(), GMTR_HALF_PI);
}
