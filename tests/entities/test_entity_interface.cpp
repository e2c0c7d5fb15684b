// The polymorphic entity interface: virtual slot order, exported tables,
// copying, ownership and dispatch, for both entity kinds.
#include "support/SharedLibrary.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>

namespace {

// An entity of a kind neither concrete class knows, with its own answers.
template <class Base> class Spy : public Base {
public:
    tagGMTRGeometryType get_GeometryType() const override { return tagGMTRGeometryType(7); }
    double Distance(const CGMTRPoint2D&) const override { return 42.0; }
    double PointToPercent(const CGMTRPoint2D&) const override { return -1.0; }
};

} // namespace

TEST(EntityInterface, VirtualSlotOrderIsPinned) {
    const SharedLibrary lib(GMTRRT_LIBRARY_PATH);
    ASSERT_TRUE(lib.IsOpen()) << GMTRRT_LIBRARY_PATH;
    EXPECT_NE(lib.Symbol("_ZTV14CGMTRBaseGeo2D"), nullptr);
    CGMTRLine2D line;
    CGMTRArc2D arc;
    EXPECT_EQ(line.get_GeometryType(), GEOMETRY_LINE2D);
    EXPECT_EQ(arc.get_GeometryType(), GEOMETRY_ARC2D);
    const std::pair<const CGMTRBaseGeo2D*, std::string> kinds[] = {{&line, "11CGMTRLine2D"},
                                                                   {&arc, "10CGMTRArc2D"}};
    for (const auto& kind : kinds) {
        void* const* vt = *reinterpret_cast<void* const* const*>(kind.first);
        void* table = lib.Symbol("_ZTV" + kind.second);
        ASSERT_NE(table, nullptr) << kind.second;
        // The object points past the offset-to-top and type-information words.
        EXPECT_EQ(static_cast<const void*>(vt), static_cast<void**>(table) + 2) << kind.second;
        // The destructors, then the fourteen operations (K: a const member).
        int slot = 0;
        for (const char* s :
             {"D1Ev", "D0Ev", "K16get_GeometryTypeEv", "K14FGetStartPointEv", "K12FGetEndPointEv",
              "K12FGetMidPointEv", "K9FDistanceERK12CGMTRPoint2D",
              "K16FGetNearestPointERK12CGMTRPoint2D", "K5CloneEv", "7ReleaseEv",
              "K14FGetCrossPointEP14CGMTRBaseGeo2DR15CGMTRPoint2DCol", "K10GetRectBoxERdS0_S0_S0_",
              "K8DistanceERK12CGMTRPoint2D", "K17DistanceToPercentERKsRKd",
              "K14PointToPercentERK12CGMTRPoint2D", "K14PercentToPointERKd"}) {
            const std::string name =
                s[0] == 'K' ? "_ZNK" + kind.second + (s + 1) : "_ZN" + kind.second + s;
            EXPECT_EQ(vt[slot++], lib.Symbol(name)) << "slot " << slot - 1 << ": " << name;
        }
    }
}

TEST(EntityInterface, ClonesAndQueriesThroughTheBase) {
    CGMTRLine2D line(P(-4, 1), P(6, -3));
    CGMTRArc2D circle = MakeArc(1, 2, 3, 0.5, GMTR_2PI), arc = MakeArc(2, 1, 5, 1.0, -2.5);
    const size_t arcFields = 6 * sizeof(double) + sizeof(int); // no padding compared
    const std::pair<CGMTRBaseGeo2D*, size_t> cases[] = {
        {&line, 4 * sizeof(double)}, {&circle, arcFields}, {&arc, arcFields}};
    for (const auto& c : cases) {
        // A clone holds the same fields after the table pointer.
        CGMTRBaseGeo2D* copy = c.first->Clone();
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(copy) + sizeof(void*),
                              reinterpret_cast<const char*>(c.first) + sizeof(void*), c.second),
                  0);
        copy->Release();
        const CGMTRPoint2D q(7, -9);
        EXPECT_NEAR(c.first->Distance(q), q.Distance2D(c.first->FGetNearestPoint(q)), 1e-12);
        EXPECT_LT(c.first->PercentToPoint(0.0).Distance2D(c.first->FGetStartPoint()), 1e-12);
        EXPECT_LT(c.first->PercentToPoint(1.0).Distance2D(c.first->FGetEndPoint()), 1e-12);
        EXPECT_NEAR(c.first->PointToPercent(c.first->FGetMidPoint()), 0.5, 1e-9);
    }
    // The full-circle flag travels with a clone; the original stays independent.
    auto* full = static_cast<CGMTRArc2D*>(circle.Clone());
    full->PutBaseVector(CGMTRVector2D(0, 7));
    EXPECT_EQ(full->GetSweepAngle(), GMTR_2PI);
    EXPECT_NEAR(circle.GetRadius(), 3, 1e-15);
    full->Release();
}

TEST(EntityInterface, DispatchAndEveryPairFromEitherSide) {
    CGMTRLine2D h(P(-5, 0), P(5, 0)), v(P(0.5, -5), P(0.5, 5));
    CGMTRArc2D unit = MakeArc(0, 0, 1, 0, GMTR_2PI), wide = MakeArc(1, 0, 1.5, 0.3, GMTR_2PI);
    CGMTRBaseGeo2D* all[] = {&h, &v, &unit, &wide};
    // The library reaches an entity's own queries through the virtual table,
    // and crosses nothing with an entity of an unknown kind or none at all.
    Spy<CGMTRLine2D> spyLine; // from (0, 0) along (1, 0)
    Spy<CGMTRArc2D> spyArc;
    EXPECT_EQ(&(static_cast<CGMTRArc2D&>(spyArc) = unit), &spyArc);
    EXPECT_EQ(spyArc.GetSweepAngle(), GMTR_2PI); // the full-circle flag is assigned too
    EXPECT_EQ(spyLine.FDistance(P(5, 1)), 42.0);
    EXPECT_EQ(spyArc.FDistance(P(5, 1)), 42.0);
    EXPECT_EQ(spyLine.CheckVerticalPointInRange(P(0.5, 1)), 0);
    EXPECT_EQ(spyArc.CheckVerticalPointInRange(P(0.1, 0.2)), 0);
    for (int i = 0; i < 4; ++i) {
        CGMTRPoint2DCol none;
        all[i]->FGetCrossPoint(&spyLine, none);
        all[i]->FGetCrossPoint(nullptr, none);
        EXPECT_EQ(none.GetCount(), 0);
        for (int j = i + 1; j < 4; ++j) {
            CGMTRPoint2DCol ij, ji;
            all[i]->FGetCrossPoint(all[j], ij);
            all[j]->FGetCrossPoint(all[i], ji);
            const int expected = (i < 2 && j < 2) ? 1 : 2;
            ASSERT_EQ(ij.GetCount(), expected) << i << j;
            ASSERT_EQ(ji.GetCount(), expected) << i << j;
            const std::vector<CGMTRPoint2D> a = Points(ij), b = Points(ji);
            for (int k = 0; k < expected; ++k) {
                EXPECT_LT(all[i]->Distance(a[k]), 1e-12);
                EXPECT_LT(all[j]->Distance(a[k]), 1e-12);
                // A segment and an arc agree on the order; two arcs each put
                // the crossing left of the line between their centres first.
                const CGMTRPoint2D& other = b[i >= 2 ? 1 - k : k];
                ExpectAt(a[k], other.X(), other.Y());
            }
        }
    }
}
