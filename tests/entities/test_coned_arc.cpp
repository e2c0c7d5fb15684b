// Joining two arcs of one circle into their union.
#include "support/TestSupport.h"

namespace {

double Deg(double d) {
    return d * GMTR_PI / 180.0;
}

// Every field of the arc equals the other's exactly.
void ExpectSameFields(const CGMTRArc2D& a, const CGMTRArc2D& b) {
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&a) + sizeof(void*),
                          reinterpret_cast<const char*>(&b) + sizeof(void*),
                          6 * sizeof(double) + 4),
              0);
}

// One configuration in degrees and its union; an expected sweep of 0 means
// the result arc is left untouched, 360 a full circle.
const struct Case {
    const char* name;
    double startA, sweepA, startB, sweepB;
    int joined;
    double start, sweep;
} kCases[] = {
    {"overlap", 0, 90, 45, 90, 1, 0, 135},
    {"overlap of arcs under a radian", 0, 30, 20, 30, 1, 0, 50},
    {"apart", 0, 90, 180, 90, 0, 0, 0},
    {"opposite directions", 0, 90, 180, -90, 1, 0, 180},
    {"other inside", 0, 180, 45, 45, 1, 0, 180},
    {"this inside", 45, 45, 0, 180, 1, 0, 180},
    {"both clockwise", 90, -90, 45, -90, 1, 90, -135},
    {"clockwise leads", 0, 45, 135, -135, 1, 135, -135},
    {"cover the circle", 0, 270, 180, 270, 1, 0, 360},
    {"identical", 30, 120, 30, 120, 0, 30, 120},
    {"same points reversed", 0, 90, 90, -90, 0, 0, 90},
    {"zero-length arc inside", 0, 90, 45, 0, 1, 0, 90},
};

// One case on the circle (cx, cy, r), turned by `offset` degrees, mirrored in x
// when `mirror`, into a third arc (target 0), this arc (1) or the other (2).
void RunCase(const Case& c, double cx, double cy, double r, double offset, bool mirror,
             int target) {
    const double m = mirror ? -1.0 : 1.0;
    CGMTRArc2D a = MakeArc(cx, cy, r, Deg(m * c.startA + offset), Deg(m * c.sweepA));
    CGMTRArc2D b = MakeArc(cx, cy, r, Deg(m * c.startB + offset), Deg(m * c.sweepB));
    CGMTRArc2D copy = MakeArc(cx, cy, 3 * r, 1.0, 0.5); // its radius must stay
    CGMTRArc2D& result = target == 0 ? copy : target == 1 ? a : b;
    const CGMTRArc2D before = result;
    EXPECT_EQ(a.GetConedArc(b, result), c.joined);
    if (c.sweep == 0) {
        ExpectSameFields(result, before);
        return;
    }
    const double radius = target == 0 ? 3 * r : r;
    EXPECT_NEAR(result.GetRadius(), radius, 1e-12 * radius);
    ExpectAt(result.GetBasePoint(), cx, cy, 0);
    // Either arc may lend a full circle its start.
    const double start = c.sweep == 360 ? result.GetBaseAngle() : Deg(m * c.start + offset);
    EXPECT_NEAR(NormalizeSignedAngle(result.GetBaseAngle() - start), 0, 1e-9);
    EXPECT_NEAR(result.GetSweepAngle(), c.sweep == 360 ? GMTR_2PI : Deg(m * c.sweep), 1e-9);
}

} // namespace

TEST(ConedArc, ConfigurationsInBothDirectionsAnywhereWithAnyResultArc) {
    for (const Case& c : kCases)
        for (double offset : {0.0, -170.0})
            for (bool mirror : {false, true})
                for (int target : {0, 1, 2}) {
                    SCOPED_TRACE(testing::Message() << c.name << offset << mirror << target);
                    RunCase(c, 0, 0, 10, offset, mirror, target);
                    RunCase(c, 1e6 + 0.25, -2e6, 250, offset, mirror, target);
                }
}

// Centres (by the sum of their coordinate differences) and radii agree and
// the arcs touch, each within the tolerance, whichever arc is asked; else
// nothing is joined and the result is untouched. NaN input must not crash.
TEST(ConedArc, OnlyArcsOfOneCircleThatTouchAreJoined) {
    const double q = GMTR_HALF_PI, nan = std::nan("");
    const struct {
        double cx, cy, r, start;
        int joined;
    } rows[] = {{0, -1e-9, 10, Deg(45), 0},       {0, 0, 5, Deg(45), 0},
                {0.99e-10, 0, 10, Deg(45), 1},    {0.6e-10, 0.6e-10, 10, Deg(45), 0},
                {0, 0, 10 + 0.5e-10, Deg(45), 1}, {0, 0, 10 + 1e-9, Deg(45), 0},
                {0, 0, 10, q + 2e-10, 0},         {0, 0, 10, q + 0.5e-10, 1},
                {nan, 0, 10, Deg(45), 0}};
    const CGMTRArc2D a = MakeArc(0, 0, 10, 0, q);
    for (const auto& r : rows) {
        for (bool thisFirst : {true, false}) {
            const CGMTRArc2D b = MakeArc(r.cx, r.cy, r.r, r.start, q);
            CGMTRArc2D one = thisFirst ? a : b, two = thisFirst ? b : a, result = a;
            EXPECT_EQ(one.GetConedArc(two, result), r.joined)
                << r.cx << " " << r.r << " " << r.start;
            if (r.joined == 0) {
                ExpectSameFields(result, a);
            } else if (r.start > 1) { // the arcs 0.5e-10 apart: their union
                EXPECT_NEAR(result.GetSweepAngle(), GMTR_PI + 0.5e-10, GMTR_TOL);
            }
        }
    }
    CGMTRArc2D one = a, nanSweep = MakeArc(0, 0, 10, 0, nan), z1 = MakeArc(0, 0, 0, 0, 1), z2 = z1;
    one.GetConedArc(nanSweep, one);
    z1.GetConedArc(z2, z1);
    // Arcs that hold each other's ends: with bases and sweeps within the
    // tolerance together they are the same arc and nothing is joined; just
    // beyond it they are two arcs that go all the way round.
    for (double off : {0.4e-10, 0.8e-10}) {
        CGMTRArc2D first = MakeArc(0, 0, 10, 0, 1.0), second = MakeArc(0, 0, 10, off, 1.0 - off);
        CGMTRArc2D result = first;
        EXPECT_EQ(second.GetConedArc(first, result), off > 0.5e-10 ? 1 : 0) << off;
        EXPECT_EQ(first.GetConedArc(second, result), off > 0.5e-10 ? 1 : 0) << off;
        EXPECT_EQ(result.GetSweepAngle(), off > 0.5e-10 ? GMTR_2PI : first.GetSweepAngle());
    }
}
