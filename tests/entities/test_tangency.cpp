// Fillet circles between an arc and another arc or a segment: the listed
// configurations, untouched outputs on failure, radii larger than an arc's,
// and seeded configurations built backwards from a known tangent circle.
#include "support/TestSupport.h"

#include <random>

namespace {

const CGMTRPoint2D kSentinel(-777, 888);

// The three outputs, pre-filled with a sentinel to tell what was written.
struct Fillet {
    CGMTRPoint2D first{kSentinel}, second{kSentinel}, centre{kSentinel};
};

bool Untouched(const CGMTRPoint2D& p) {
    return p.X() == kSentinel.X() && p.Y() == kSentinel.Y();
}

bool NoneWritten(const Fillet& f) {
    return Untouched(f.first) && Untouched(f.second) && Untouched(f.centre);
}

void ExpectPoints3(const Fillet& f, double x1, double y1, double x2, double y2, double cx,
                   double cy) {
    ExpectAt(f.first, x1, y1);
    ExpectAt(f.second, x2, y2);
    ExpectAt(f.centre, cx, cy);
}
} // namespace

TEST(Tangency, ArcArcListedConfigurationsAndFailures) {
    CGMTRArc2D a = MakeArc(0, 0, 1, 0, 2 * GMTR_PI);
    CGMTRArc2D b = MakeArc(3, 0, 1, 0, 2 * GMTR_PI);
    Fillet f;
    a.ArcTangencyDistance(b, 1.0, f.first, f.second, f.centre);
    const double h = std::sqrt(1.75);
    ExpectPoints3(f, 0.75, h / 2, 2.25, h / 2, 1.5, h);
    CGMTRArc2D c = MakeArc(4, 0, 1, 0, 2 * GMTR_PI);
    // d = 1 touches both search circles; d = -1 reaches the same circle
    // through the inside combination, the outside one having radius 0.
    for (double d : {1.0, -1.0}) {
        Fillet g;
        a.ArcTangencyDistance(c, d, g.first, g.second, g.centre);
        ExpectPoints3(g, 1, 0, 3, 0, 2, 0);
    }

    // Too far apart for every combination, a radius larger than both arcs
    // (the inside combinations are skipped) and a radius that is not a
    // number: nothing is written.
    CGMTRArc2D far = MakeArc(10, 0, 1, 0, 2 * GMTR_PI);
    for (double d : {1.0, 3.0, std::nan("")}) {
        Fillet g;
        a.ArcTangencyDistance(far, d, g.first, g.second, g.centre);
        EXPECT_TRUE(NoneWritten(g)) << d;
    }
    // A radius larger than both arcs' still finds the outside fillet.
    CGMTRArc2D six = MakeArc(6, 0, 1, 0, 2 * GMTR_PI);
    Fillet big;
    a.ArcTangencyDistance(six, 3.0, big.first, big.second, big.centre);
    ExpectAt(big.centre, 3, std::sqrt(7.0));
    EXPECT_NEAR(big.first.Distance2D(big.centre), 3.0, 1e-12);
}

TEST(Tangency, ArcLineListedConfigurationsAndFailures) {
    CGMTRArc2D circle = MakeArc(0, 0, 2, 0, 2 * GMTR_PI);
    const double s2 = std::sqrt(2.0);
    for (int reversed = 0; reversed < 2; ++reversed) {
        CGMTRLine2D seg = reversed ? CGMTRLine2D(CGMTRPoint2D(6, 0), CGMTRPoint2D(2, 0))
                                   : CGMTRLine2D(CGMTRPoint2D(2, 0), CGMTRPoint2D(6, 0));
        const double side = reversed ? -1.0 : 1.0; // the left of the segment
        Fillet f;
        circle.LineTangencyDistance(seg, CGMTRPoint2D(2, 0), 1.0, f.first, f.second, f.centre);
        ExpectPoints3(f, 2 * s2, 0, 4 * s2 / 3, side * 2 / 3, 2 * s2, side);
    }

    // The foot falls beyond the segment's end in both passes: nothing.
    CGMTRLine2D tiny(CGMTRPoint2D(2, 0), CGMTRPoint2D(2.5, 0));
    Fillet none;
    circle.LineTangencyDistance(tiny, CGMTRPoint2D(2, 0), 1.0, none.first, none.second,
                                none.centre);
    EXPECT_TRUE(NoneWritten(none));

    // d larger than the radius: only the outside pass, a circle of radius 3
    // whose centre is 5 from the arc's centre.
    Fillet big;
    CGMTRLine2D seg(CGMTRPoint2D(2, 0), CGMTRPoint2D(12, 0));
    circle.LineTangencyDistance(seg, CGMTRPoint2D(2, 0), 3.0, big.first, big.second, big.centre);
    ExpectPoints3(big, 4, 0, 1.6, 1.2, 4, 3);
    Fillet nan;
    circle.LineTangencyDistance(seg, CGMTRPoint2D(2, 0), std::nan(""), nan.first, nan.second,
                                nan.centre);
    EXPECT_TRUE(NoneWritten(nan));
}

// Configurations built from a chosen tangent circle: whatever fillet is
// reported must touch both entities, and one must be reported.
TEST(Tangency, RandomFilletsBuiltBackwardsTouchBothEntities) {
    std::mt19937_64 rng(77);
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    auto uni = [&](double lo, double hi) { return lo + (hi - lo) * u01(rng); };
    auto sign = [&]() { return u01(rng) < 0.5 ? -1.0 : 1.0; };
    auto onEither = [](double dist, double r, double d) {
        return std::fabs(dist - (r + d)) < 1e-9 || std::fabs(dist - std::fabs(r - d)) < 1e-9;
    };
    for (int iter = 0; iter < 400; ++iter) {
        const double scale = iter % 2 == 0 ? 1e6 : 0.0;
        const CGMTRPoint2D c(uni(-scale, scale), uni(-scale, scale));
        const double d = uni(0.2, 3.0);
        // This arc, touching the circle from outside or (when larger) inside,
        // with the touching direction well inside its range.
        const double r = uni(0.5, 8.0), t = uni(-GMTR_PI, GMTR_PI);
        const double dist = (r > d && u01(rng) < 0.5) ? r - d : r + d;
        const CGMTRPoint2D o(c.X() - dist * std::cos(t), c.Y() - dist * std::sin(t));
        const double sw = sign() * uni(0.4, 3.0);
        CGMTRArc2D arc = MakeArc(o.X(), o.Y(), r, t - sw * uni(0.1, 0.9), sw);
        Fillet f;
        if (iter % 4 < 2) {
            const double r2 = uni(0.5, 8.0), t2 = t + sign() * uni(0.5, 2.5);
            const CGMTRPoint2D o2(c.X() - (r2 + d) * std::cos(t2), c.Y() - (r2 + d) * std::sin(t2));
            const double sw2 = sign() * uni(0.4, 3.0);
            CGMTRArc2D other = MakeArc(o2.X(), o2.Y(), r2, t2 - sw2 * uni(0.1, 0.9), sw2);
            arc.ArcTangencyDistance(other, d, f.first, f.second, f.centre);
            ASSERT_FALSE(Untouched(f.centre)) << iter;
            EXPECT_TRUE(onEither(f.centre.Distance2D(o2), r2, d)) << iter;
            EXPECT_LT(other.Distance(f.second), 1e-9);
        } else {
            // The segment runs from the junction q along a tangent of the
            // circle, past the foot and past the whole search length 3r (so
            // any candidate on the preferred side has its foot on it).
            const double theta = uni(-GMTR_PI, GMTR_PI), side = sign();
            const CGMTRPoint2D foot(c.X() + side * d * std::sin(theta),
                                    c.Y() - side * d * std::cos(theta));
            const double back = uni(0.05, 2.0) * r, ahead = 3 * r + uni(0.5, 4.0);
            const CGMTRPoint2D q(foot.X() - back * std::cos(theta),
                                 foot.Y() - back * std::sin(theta));
            const CGMTRPoint2D end(foot.X() + ahead * std::cos(theta),
                                   foot.Y() + ahead * std::sin(theta));
            CGMTRLine2D seg = iter % 8 < 6 ? CGMTRLine2D(q, end) : CGMTRLine2D(end, q);
            arc.LineTangencyDistance(seg, q, d, f.first, f.second, f.centre);
            ASSERT_FALSE(Untouched(f.centre)) << iter;
            EXPECT_NEAR(seg.GetVerticalDis(f.centre), d, 1e-9);
            EXPECT_LT(seg.Distance(f.first), 1e-9);
        }
        EXPECT_TRUE(onEither(f.centre.Distance2D(o), r, d)) << iter;
        EXPECT_LT(arc.Distance(iter % 4 < 2 ? f.first : f.second), 1e-9);
        EXPECT_NEAR(f.first.Distance2D(f.centre), d, 1e-9);
        EXPECT_NEAR(f.second.Distance2D(f.centre), d, 1e-9);
    }
}
