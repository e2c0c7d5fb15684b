// Fillets between an arc and another arc or a segment.
#include "support/TestSupport.h"

#include <random>

namespace {
// The three outputs, pre-filled with a sentinel to tell what was written.
struct Fillet {
    CGMTRPoint2D first{-777, 888}, second{-777, 888}, centre{-777, 888};
    bool NoneWritten() const {
        return IsAt(first, -777, 888) && IsAt(second, -777, 888) && IsAt(centre, -777, 888);
    }
    Fillet() = default;
    Fillet(CGMTRArc2D& a, CGMTRArc2D& b, double d) {
        a.ArcTangencyDistance(b, d, first, second, centre);
    }
    Fillet(CGMTRArc2D& a, const CGMTRLine2D& line, const CGMTRPoint2D& q, double d) {
        a.LineTangencyDistance(line, q, d, first, second, centre);
    }
    void Expect(double x1, double y1, double x2, double y2, double cx, double cy) const {
        ExpectAt(first, x1, y1);
        ExpectAt(second, x2, y2);
        ExpectAt(centre, cx, cy);
    }
};

} // namespace

TEST(Tangency, FixedAndRandomFilletsTouchBothEntities) {
    CGMTRArc2D a = MakeArc(0, 0, 1, 0, GMTR_2PI), b = MakeArc(3, 0, 1, 0, GMTR_2PI);
    CGMTRArc2D next = MakeArc(4, 0, 1, 0, GMTR_2PI), far = MakeArc(10, 0, 1, 0, GMTR_2PI);
    CGMTRArc2D six = MakeArc(6, 0, 1, 0, GMTR_2PI), circle = MakeArc(0, 0, 2, 0, GMTR_2PI);
    const double h = std::sqrt(1.75), r7 = std::sqrt(7.0), s2 = std::sqrt(2.0);
    Fillet(a, b, 1.0).Expect(0.75, h / 2, 2.25, h / 2, 1.5, h);
    // d = 1, and d = -1 through the inside combination; too far or NaN: nothing.
    for (double d : {1.0, -1.0, std::nan("")}) {
        const Fillet g = Fillet(a, next, d);
        if (!std::isnan(d))
            g.Expect(1, 0, 3, 0, 2, 0);
        EXPECT_EQ(g.NoneWritten(), std::isnan(d));
        EXPECT_TRUE(Fillet(a, far, d).NoneWritten()) << d;
    }
    Fillet(a, six, 3.0).Expect(0.75, r7 / 4, 5.25, r7 / 4, 3, r7); // d > both radii: outside
    // Either way along the segment, the fillet lies on the segment's left.
    for (double side : {1.0, -1.0}) {
        const Fillet g = Fillet(circle, side > 0 ? Seg(2, 0, 6, 0) : Seg(6, 0, 2, 0), P(2, 0), 1);
        g.Expect(2 * s2, 0, 4 * s2 / 3, side * 2 / 3, 2 * s2, side);
    }
    // Foot beyond the end, d not a number: nothing. d > radius: outside only.
    EXPECT_TRUE(Fillet(circle, Seg(2, 0, 2.5, 0), P(2, 0), 1.0).NoneWritten());
    EXPECT_TRUE(Fillet(circle, Seg(2, 0, 12, 0), P(2, 0), std::nan("")).NoneWritten());
    Fillet(circle, Seg(2, 0, 12, 0), P(2, 0), 3.0).Expect(4, 0, 1.6, 1.2, 4, 3);
    // Random: built around a tangent circle (centre c, radius d), a fillet
    // touching both entities must be found.
    std::mt19937_64 rng(77);
    std::uniform_real_distribution<double> u01(0.0, 1.0);
    auto uni = [&](double lo, double hi) { return lo + (hi - lo) * u01(rng); };
    auto sign = [&]() { return u01(rng) < 0.5 ? -1.0 : 1.0; };
    // An arc of radius r centred `dist` from c in direction t + pi, t well inside it.
    auto arcAt = [&](const CGMTRPoint2D& c, double r, double dist, double t) {
        const double sw = sign() * uni(0.4, 3.0);
        return MakeArc(c.X() - dist * std::cos(t), c.Y() - dist * std::sin(t), r,
                       t - sw * uni(0.1, 0.9), sw);
    };
    auto onEither = [](double dist, double r, double d) {
        return std::fabs(dist - (r + d)) < 1e-9 || std::fabs(dist - std::fabs(r - d)) < 1e-9;
    };
    for (int iter = 0; iter < 200; ++iter) {
        const CGMTRPoint2D c(uni(-1e6, 1e6) * (iter % 2), uni(-1e6, 1e6) * (iter % 2));
        const double d = uni(0.2, 3.0), r = uni(0.5, 8.0), t = uni(-GMTR_PI, GMTR_PI);
        // Touching from outside or, when larger, from inside.
        CGMTRArc2D arc = arcAt(c, r, (r > d && u01(rng) < 0.5) ? r - d : r + d, t);
        Fillet f;
        if (iter % 4 < 2) {
            const double r2 = uni(0.5, 8.0);
            CGMTRArc2D other = arcAt(c, r2, r2 + d, t + sign() * uni(0.5, 2.5));
            f = Fillet(arc, other, d);
            EXPECT_TRUE(onEither(f.centre.Distance2D(other.GetBasePoint()), r2, d)) << iter;
            EXPECT_LT(other.Distance(f.second), 1e-9);
        } else {
            // A tangent from q past the foot and past the search length 3r.
            const double theta = uni(-GMTR_PI, GMTR_PI), side = sign();
            const double ux = std::cos(theta), uy = std::sin(theta);
            const double back = uni(0.05, 2.0) * r, len = back + 3 * r + uni(0.5, 4.0);
            const CGMTRPoint2D q(c.X() + side * d * uy - back * ux,
                                 c.Y() - side * d * ux - back * uy);
            const CGMTRLine2D fwd(q, CGMTRVector2D(len * ux, len * uy));
            const CGMTRLine2D seg = iter % 8 < 6 ? fwd : CGMTRLine2D(fwd.get_EndPoint(), q);
            f = Fillet(arc, seg, q, d);
            EXPECT_NEAR(seg.GetVerticalDis(f.centre), d, 1e-9);
            EXPECT_LT(seg.Distance(f.first), 1e-9);
        }
        ASSERT_FALSE(f.NoneWritten()) << iter;
        EXPECT_TRUE(onEither(f.centre.Distance2D(arc.GetBasePoint()), r, d)) << iter;
        EXPECT_LT(arc.Distance(iter % 4 < 2 ? f.first : f.second), 1e-9);
        EXPECT_NEAR(f.first.Distance2D(f.centre), d, 1e-9);
        EXPECT_NEAR(f.second.Distance2D(f.centre), d, 1e-9);
    }
}
