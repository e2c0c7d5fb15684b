// Step-by-step transform: steps apply in call order; GetComponent splits the
// result into translation, mirror flag, area scale and rotation.
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRTransform2D.h"
#include "CGMTRVector2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRTransform2D) == 72 && !std::is_polymorphic<CGMTRTransform2D>::value,
              "plain value holding one matrix");

namespace {
struct Parts {
    double scale = -7, rotation = -7;
    int mirror = -7;
    CGMTRVector2D transfer{-7, -7}; // constructed before `result` is computed
    int result;
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
    CGMTRTransform2D t, s;
    Parts id(t);
    EXPECT_TRUE(id.result == 1 && id.scale == 1 && id.rotation == 0 && id.mirror == 0 &&
                id.transfer.X() == 0 && id.transfer.Y() == 0);
    CGMTRVector2D shift(3, 4), diagonal(2, 2);
    CGMTRPoint2D origin, centre(1, 1);
    t.Transfer(shift);
    t.Rotate(origin, GMTR_HALF_PI);
    Parts p(t);
    EXPECT_TRUE(Apply(t, 1, 0) == CGMTRPoint2D(-4, 4) && p.transfer.X() == -4 &&
                p.transfer.Y() == 3 && p.scale == 1 && p.rotation == GMTR_HALF_PI);
    s.Rotate(centre, GMTR_HALF_PI);
    EXPECT_TRUE(Apply(s, 2, 1) == CGMTRPoint2D(1, 2) && Apply(s, 1, 1) == CGMTRPoint2D(1, 1));
    s.Reset();
    s.Scale(centre, 2);
    Parts q(s);
    EXPECT_TRUE(Apply(s, 3, 1) == CGMTRPoint2D(5, 1) && q.scale == 4 && q.mirror == 0);
    t = s;
    EXPECT_TRUE(Apply(t, 3, 1) == CGMTRPoint2D(5, 1));

    s.SetTrMatrix2D(CGMTRMatrix2D());
    s.Mirror(origin, diagonal); // y = x sends +x to +y: rotation twice the line angle
    Parts m(s);
    EXPECT_TRUE(Apply(s, 3, 1) == CGMTRPoint2D(1, 3) && m.mirror == 1);
    EXPECT_NEAR(m.rotation, GMTR_HALF_PI, 1e-15);
    CGMTRTransform2D h(s);
    h.SetTrMatrix2D(CGMTRMatrix2D(-1, -0.0, 0, 0, -1, 0, 0, 0, 1));    // atan2 gives -pi here
    EXPECT_TRUE(Parts(h).rotation == GMTR_PI && Parts(h).mirror == 0); // +pi, never -pi
}

TEST(Transform2D, SingularAndNonFiniteTransforms) {
    CGMTRTransform2D t;
    CGMTRPoint2D centre(2, 3);
    t.Scale(centre, 0.0);
    Parts p(t); // translation, mirror and scale are written, rotation is not
    EXPECT_TRUE(p.result == 0 && p.rotation == -7 && p.scale == 0 && p.mirror == 0 &&
                p.transfer.X() == 2 && p.transfer.Y() == 3);
    t.SetTrMatrix2D(CGMTRMatrix2D(1e-10, 0, 0, 0, 1, 0, 0, 0, 1)); // at the tolerance
    EXPECT_EQ(Parts(t).result, 1);
    t.SetTrMatrix2D(CGMTRMatrix2D(0.99e-10, 0, 0, 0, 1, 0, 0, 0, 1));
    EXPECT_EQ(Parts(t).result, 0);
    t.Rotate(centre, std::nan(""));
    Parts n(t);
    EXPECT_TRUE(n.result == 1 && std::isnan(n.scale) && std::isnan(n.rotation) && n.mirror == 0);
}

// Expected components are tracked from the geometry: turns add, a negative
// factor adds a half turn, a reflection across a line at angle phi maps the
// rotation r to 2 phi - r and flips the flag, areas multiply, and the
// translation is the origin moved step by step.
TEST(Transform2D, ComponentsOfRandomCompositions) {
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<double> ang(-4, 4), u(-10, 10), fac(0.3, 3);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0;
        CGMTRTransform2D t;
        double rot = 0, area = 1;
        int mirror = 0;
        CGMTRPoint2D image;
        for (int step = 0; step < 5; ++step) {
            CGMTRPoint2D p(off + u(rng), off + u(rng));
            const double a = ang(rng), f = (rng() % 2) ? fac(rng) : -fac(rng);
            CGMTRVector2D v(u(rng), u(rng)), dir(2 * std::cos(a), 2 * std::sin(a));
            switch (rng() % 4) {
            case 0:
                t.Rotate(p, a), image.RotateForPoint(p, a), rot += a;
                break;
            case 1:
                t.Scale(p, f), image.Scale(p, f), area *= f * f, rot += f < 0 ? GMTR_PI : 0;
                break;
            case 2:
                t.Mirror(p, dir), image.Mirror(p, dir), rot = 2 * a - rot, mirror ^= 1;
                break;
            default:
                t.Transfer(v), image.Transfer(v);
            }
        }
        Parts c(t);
        EXPECT_TRUE(c.result == 1 && c.mirror == mirror && std::fabs(c.scale / area - 1) < 1e-12 &&
                    std::fabs(NormalizeSignedAngle(c.rotation - rot)) < 1e-9 &&
                    c.rotation > -GMTR_PI && c.rotation <= GMTR_PI)
            << trial;
        EXPECT_LT(std::hypot(c.transfer.X() - image.X(), c.transfer.Y() - image.Y()),
                  2e-9 * (1 + off));
        // The linear part is [x-axis mirror] * R(rotation) * S(sqrt(scale)).
        CGMTRMatrix2D rebuilt, m = t.GetTrMatrix2D();
        rebuilt.SetSingleValue(1, 1, c.mirror ? -1.0 : 1.0);
        rebuilt.Rotate(c.rotation);
        rebuilt.Scale(std::sqrt(c.scale));
        for (short k = 0; k < 4; ++k)
            EXPECT_NEAR(rebuilt.GetSingleValue(k / 2, k % 2), m.GetSingleValue(k / 2, k % 2), 1e-9);
    }
}
