// Plane point: tolerant equality and order, division by zero, in-place moves.
#include "support/TestSupport.h"

static_assert(sizeof(CGMTRPoint2D) == 16 && std::is_standard_layout<CGMTRPoint2D>::value &&
                  std::is_trivially_copyable<CGMTRPoint2D>::value,
              "plain value of two doubles, copied without a call into the library");

TEST(Point2D, EqualityAndOrderAtTheTolerance) {
    CGMTRPoint2D o, p(1, 2);
    EXPECT_EQ(p == P(1 + 0.4e-10, 2 - 0.4e-10), 1); // the sum of both differences counts
    EXPECT_EQ(o != P(0.6e-10, 0.6e-10), 1);
    EXPECT_EQ(o == P(0.6e-10, -0.6e-10), 0);
    EXPECT_EQ(p != P(1, 2 + 1e-10), 1);
    const struct {
        CGMTRPoint2D a, b;
        bool less;
    } rows[] = {
        {P(0, 5), P(0.5e-10, 1), false}, // x within the tolerance: y decides
        {P(0.5e-10, 1), P(0, 5), true},
        {P(0, 0), P(0, 1e-10), true}, // a y gap of exactly the tolerance orders
        {P(1, 0), P(1, 0.5e-10), false},
        {P(-1e-10, 9), P(0, 0), true}, // so does an x gap
        {P(std::nan(""), 0), P(0, 0), false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.a < r.b, r.less)
            << testing::PrintToString(r.a) << " < " << testing::PrintToString(r.b);
}

TEST(Point2D, ArithmeticAndDivisionByExactlyZero) {
    CGMTRPoint2D p(1, 2), q(1, 2), c(1, 1), d(1, 2);
    q /= 0.0;
    c += P(2, 3);
    c -= CGMTRVector2D(1, 2);
    c *= 3.0;
    c -= 1.0;
    d -= P(3, 7);
    d += CGMTRVector2D(5, 11);
    d += 1.0;
    d /= 2.0;
    const struct {
        const char* what;
        CGMTRPoint2D got;
        double x, y;
    } rows[] = {
        {"p / 0", p / 0.0, 1, 2},
        {"p / -0", p / -0.0, 1, 2},
        {"/= 0", q, 1, 2},
        {"+= point, -= vector, *=, -= number", c, 5, 5},
        {"-= point, += vector, += number, /=", d, 2, 3.5},
        {"+ number, - vector", P(2, 3) + 1.0 - CGMTRVector2D(1, 2), 2, 2},
        {"+ vector, + point, - point", P(2, 3) + CGMTRVector2D(1, 1) + P(1, 1) - P(0, 2), 4, 3},
        {"negated * number - number", -(P(2, 3) * 2.0 - 1.0), -3, -5}};
    for (const auto& r : rows)
        ExpectAt(r.got, r.x, r.y, 0);
    EXPECT_GT((p / 1e-300).Y(), 1.99e300);
    EXPECT_EQ(P(0, 0).Distance2D(P(3, 4)), 5.0);
}

TEST(Point2D, MovesAreExactOnQuarterTurns) {
    CGMTRPoint2D p(1, 0), q(2, 1), f(1e6 + 2, 1e6 + 1), s(3, 1), t(1, 1), z(2, 3);
    p.Rotate(GMTR_PI);
    q.RotateForPoint(P(1, 1), GMTR_HALF_PI);
    f.RotateForPoint(P(1e6 + 1, 1e6 + 1), -GMTR_HALF_PI);
    s.Scale(P(1, 1), -1.0);
    t.Transfer(CGMTRVector2D(-2, 5));
    z.Mirror(P(0, 1), CGMTRVector2D(0, 0)); // a zero direction mirrors horizontally
    ExpectAt(p, -1, 0, 0);
    ExpectAt(q, 1, 2, 0);
    ExpectAt(f, 1e6 + 1, 1e6, 0);
    ExpectAt(s, -1, 1, 0);
    ExpectAt(t, -1, 6, 0);
    ExpectAt(z, 2, -1, 0);
    CGMTRPoint2D n(std::nan(""), 1);
    n.Rotate(n.X());
    EXPECT_EQ(n == n, 0);
    EXPECT_TRUE(std::isnan(n.X()));
}
