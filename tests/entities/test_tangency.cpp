// Fillets between an arc and another arc or a segment: which circle is
// chosen where several touch both entities, and random fillets built around
// a known tangent circle.
#include "support/TestSupport.h"

#include <random>

namespace {
const double kNaN = std::nan(""), kS2 = std::sqrt(2.0), kS3 = std::sqrt(3.0), kS7 = std::sqrt(7.0);
const CGMTRPoint2D kUnset(-777, 888);

// The three outputs in the order the query writes them, pre-filled with a
// sentinel to tell what was written ({} expects nothing written).
struct Fillet {
    CGMTRPoint2D first = kUnset, second = kUnset, centre = kUnset;
    bool NoneWritten() const {
        return SameBits(first, kUnset) && SameBits(second, kUnset) && SameBits(centre, kUnset);
    }
};
Fillet Of(CGMTRArc2D a, CGMTRArc2D b, double d) {
    Fillet f;
    a.ArcTangencyDistance(b, d, f.first, f.second, f.centre);
    return f;
}
Fillet Of(CGMTRArc2D a, const CGMTRLine2D& line, const CGMTRPoint2D& q, double d) {
    Fillet f;
    a.LineTangencyDistance(line, q, d, f.first, f.second, f.centre);
    return f;
}
Fillet Want(CGMTRPoint2D first, CGMTRPoint2D second, CGMTRPoint2D centre) {
    return {first, second, centre};
}
void ExpectFillet(const Fillet& got, const Fillet& want) {
    ExpectAt(got.first, want.first.X(), want.first.Y());
    ExpectAt(got.second, want.second.X(), want.second.Y());
    ExpectAt(got.centre, want.centre.X(), want.centre.Y());
}
CGMTRArc2D Circle(double cx, double cy, double r) {
    return MakeArc(cx, cy, r, 0, GMTR_2PI);
}
} // namespace

// Outside both circles first, then inside both, inside this and outside the
// other, outside this and inside the other; of two centres the one left of
// the line from this arc's centre to the other's. Outputs: on this arc, on
// the other, centre.
TEST(Tangency, ArcFilletTakesTheFirstCombinationThatYieldsACentre) {
    const double h = std::sqrt(1.75);
    const struct {
        const char* name;
        CGMTRArc2D a, b;
        double d;
        Fillet want;
    } rows[] = {
        {"outside both", Circle(0, 0, 1), Circle(3, 0, 1), 1,
         Want(P(0.75, h / 2), P(2.25, h / 2), P(1.5, h))},
        {"search circles touch", Circle(0, 0, 1), Circle(4, 0, 1), 1,
         Want(P(1, 0), P(3, 0), P(2, 0))},
        {"negative radius: inside both", Circle(0, 0, 1), Circle(4, 0, 1), -1,
         Want(P(1, 0), P(3, 0), P(2, 0))},
        {"radius beyond both arcs", Circle(0, 0, 1), Circle(6, 0, 1), 3,
         Want(P(0.75, kS7 / 4), P(5.25, kS7 / 4), P(3, kS7))},
        {"outside both before inside both", Circle(0, 0, 5), Circle(6, 0, 5), 1,
         Want(P(2.5, 2.5 * kS3), P(3.5, 2.5 * kS3), P(3, 3 * kS3))},
        // The other arc's range (130 to 230 degrees) rules out the centres
        // outside both; inside both comes before (1.33, 3.77), inside this
        // and outside the other.
        {"inside both before inside this only", MakeArc(0, 0, 5, -GMTR_HALF_PI, GMTR_PI),
         MakeArc(6, 0, 5, 13 * GMTR_PI / 18, 10 * GMTR_PI / 18), 1,
         Want(P(3.75, 1.25 * kS7), P(2.25, 1.25 * kS7), P(3, kS7))},
        {"too far apart", Circle(0, 0, 1), Circle(10, 0, 1), 1, {}},
        {"radius not a number", Circle(0, 0, 1), Circle(4, 0, 1), kNaN, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ExpectFillet(Of(r.a, r.b, r.d), r.want);
    }
}

// The pass inside this arc's circle comes first, then outside; on each pass
// the left side of the segment first, then the right; of two centres the one
// nearer the junction q; a pass whose foot misses the segment gives way to
// the next. Outputs: on the segment, on the arc, centre.
TEST(Tangency, LineFilletTakesTheFirstPassSideAndNearestCentre) {
    const struct {
        const char* name;
        CGMTRArc2D arc;
        CGMTRLine2D seg;
        CGMTRPoint2D q;
        double d;
        Fillet want;
    } rows[] = {
        {"outer pass, left side", Circle(0, 0, 2), Seg(2, 0, 6, 0), P(2, 0), 1,
         Want(P(2 * kS2, 0), P(4 * kS2 / 3, 2.0 / 3), P(2 * kS2, 1))},
        {"junction at the end: left is -y", Circle(0, 0, 2), Seg(6, 0, 2, 0), P(2, 0), 1,
         Want(P(2 * kS2, 0), P(4 * kS2 / 3, -2.0 / 3), P(2 * kS2, -1))},
        {"left side out of the arc's range: right", MakeArc(0, 0, 2, GMTR_PI, GMTR_PI),
         Seg(2, 0, 6, 0), P(2, 0), 1,
         Want(P(2 * kS2, 0), P(4 * kS2 / 3, -2.0 / 3), P(2 * kS2, -1))},
        {"inner pass, nearer of (4, -3) and (-4, -3)", Circle(0, 0, 8), Seg(8, 0, -20, 0), P(8, 0),
         3, Want(P(4, 0), P(6.4, -4.8), P(4, -3))},
        {"inner pass from the end", Circle(0, 0, 8), Seg(-20, 0, 8, 0), P(8, 0), 3,
         Want(P(4, 0), P(6.4, 4.8), P(4, 3))},
        {"inner foot beyond the end: outer pass", Circle(8, 1, 5), Seg(0, 0, 3, 0), P(0, 0), 1,
         Want(P(2, 0), P(3, 1), P(2, 1))},
        {"radius beyond the arc's: outer only", Circle(0, 0, 2), Seg(2, 0, 12, 0), P(2, 0), 3,
         Want(P(4, 0), P(1.6, 1.2), P(4, 3))},
        {"foot beyond the end on both passes", Circle(0, 0, 2), Seg(2, 0, 2.5, 0), P(2, 0), 1, {}},
        {"radius not a number", Circle(0, 0, 2), Seg(2, 0, 12, 0), P(2, 0), kNaN, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ExpectFillet(Of(r.arc, r.seg, r.q, r.d), r.want);
    }
}

// Random: built around a tangent circle (centre c, radius d), a fillet
// touching both entities must be found.
TEST(Tangency, RandomFilletsTouchBothEntities) {
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
            f = Of(arc, other, d);
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
            f = Of(arc, seg, q, d);
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
