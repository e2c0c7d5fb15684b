// Step-by-step transform: steps in call order, split into translation, mirror, scale, turn.
#include "CGMTRTransform2D.h"
#include "support/TestSupport.h"

#include <random>

static_assert(sizeof(CGMTRTransform2D) == 72, "one matrix, no table of virtual functions");

namespace {
struct Parts {
    CGMTRVector2D transfer{-7, -7}; // sentinels, all set before `result` is computed
    double scale = -7, rotation = -7;
    int mirror = -7, result;
    explicit Parts(CGMTRTransform2D& t)
        : result(t.GetComponent(&scale, &rotation, &mirror, &transfer)) {}
};
CGMTRPoint2D Apply(CGMTRTransform2D& t, double x, double y) {
    CGMTRPoint2D p(x, y);
    p *= t.GetTrMatrix2D();
    return p;
}
} // namespace

TEST(Transform2D, StepsApplyInCallOrderAndSplit) {
    CGMTRTransform2D t;
    CGMTRVector2D shift(3, 4), diagonal(2, 2);
    CGMTRPoint2D origin;
    t.Transfer(shift);
    t.Rotate(origin, GMTR_HALF_PI);
    ExpectAt(Apply(t, 1, 0), -4, 4, 0); // shifted first, then turned exactly
    CGMTRTransform2D copy(t), s;
    s = copy;
    ExpectAt(Apply(s, 1, 0), -4, 4, 0);
    s.Reset();
    ExpectAt(Apply(s, 1, 0), 1, 0, 0);
    s.Mirror(origin, diagonal); // across y = x
    ExpectAt(Apply(s, 3, 1), 1, 3, 1e-15);
    s.SetTrMatrix2D(CGMTRMatrix2D(-1, -0.0, 0, 0, -1, 0, 0, 0, 1)); // atan2 gives -pi here
    EXPECT_EQ(Parts(s).rotation, GMTR_PI);                          // +pi, never -pi
}

TEST(Transform2D, SingularAndNonFiniteTransforms) {
    CGMTRTransform2D t;
    CGMTRPoint2D centre(2, 3);
    t.Scale(centre, 0.0);
    Parts p(t); // translation, mirror and scale are written, rotation is not
    EXPECT_EQ(p.result, 0);
    EXPECT_EQ(p.rotation, -7);
    ExpectAt(P(p.transfer.X(), p.transfer.Y()), 2, 3, 0);
    t.SetTrMatrix2D(CGMTRMatrix2D(1e-10, 0, 0, 0, 1, 0, 0, 0, 1)); // at the tolerance
    EXPECT_EQ(Parts(t).result, 1);
    t.Rotate(centre, std::nan("")); // NaN is not near zero: split, into NaN
    EXPECT_TRUE(std::isnan(Parts(t).rotation));
}

// Rounds of turn, scale and mirror, near and far out. Tracked from the geometry: turns add,
// a negative factor adds a half turn, a mirror across angle b maps rotation r to 2b - r,
// areas multiply, and the translation is the origin moved step by step.
TEST(Transform2D, ComponentsOfRandomCompositions) {
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> ang(-4, 4), u(-10, 10), fac(0.3, 3);
    for (int trial = 0; trial < 120; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0;
        CGMTRTransform2D t;
        double rot = 0, area = 1;
        CGMTRPoint2D image;
        for (int round = 0; round <= trial % 3; ++round) {
            CGMTRPoint2D p(off + u(rng), off + u(rng));
            const double a = ang(rng), b = ang(rng), f = (rng() % 2) ? fac(rng) : -fac(rng);
            CGMTRVector2D dir(2 * std::cos(b), 2 * std::sin(b));
            t.Rotate(p, a);
            image.RotateForPoint(p, a);
            t.Scale(p, f);
            image.Scale(p, f);
            area *= f * f;
            t.Mirror(p, dir);
            image.Mirror(p, dir);
            rot = 2 * b - (rot + a + (f < 0 ? GMTR_PI : 0));
        }
        Parts c(t);
        EXPECT_EQ(c.mirror, (trial % 3 + 1) % 2);
        EXPECT_NEAR(c.scale / area, 1.0, 1e-12);
        EXPECT_NEAR(NormalizeSignedAngle(c.rotation - rot), 0.0, 1e-9) << trial;
        EXPECT_GT(c.rotation, -GMTR_PI); // atan2 range, with -pi turned into +pi
        ExpectAt(P(c.transfer.X(), c.transfer.Y()), image.X(), image.Y(), 2e-9 * (1 + off));
    }
}
