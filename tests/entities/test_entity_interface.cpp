// The polymorphic entity interface: virtual slot order, exported tables,
// copying and dispatch, for both entity kinds.
#include "support/SharedLibrary.h"
#include "support/TestSupport.h"

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

// A clone holds the same fields after the table pointer (the arc's full-circle
// flag included) and is independent of its original; ends and middle agree
// with the percents.
TEST(EntityInterface, ClonesAndQueriesThroughTheBase) {
    CGMTRLine2D line(P(-4, 1), P(6, -3));
    CGMTRArc2D circle = MakeArc(1, 2, 3, 0.5, GMTR_2PI), arc = MakeArc(2, 1, 5, 1.0, -2.5);
    const size_t arcFields = 6 * sizeof(double) + sizeof(int); // no padding compared
    const std::pair<CGMTRBaseGeo2D*, size_t> cases[] = {
        {&line, 4 * sizeof(double)}, {&circle, arcFields}, {&arc, arcFields}};
    for (const auto& c : cases) {
        CGMTRBaseGeo2D* copy = c.first->Clone();
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(copy) + sizeof(void*),
                              reinterpret_cast<const char*>(c.first) + sizeof(void*), c.second),
                  0);
        EXPECT_EQ(copy->get_GeometryType(), c.first->get_GeometryType());
        copy->Release();
        EXPECT_LT(c.first->PercentToPoint(0.0).Distance2D(c.first->FGetStartPoint()), 1e-12);
        EXPECT_LT(c.first->PercentToPoint(1.0).Distance2D(c.first->FGetEndPoint()), 1e-12);
        EXPECT_NEAR(c.first->PointToPercent(c.first->FGetMidPoint()), 0.5, 1e-9);
    }
    auto* full = static_cast<CGMTRArc2D*>(circle.Clone());
    full->PutBaseVector(CGMTRVector2D(0, 7));
    EXPECT_EQ(full->GetSweepAngle(), GMTR_2PI);
    EXPECT_NEAR(circle.GetRadius(), 3, 1e-15);
    full->Release();
}

// The library reaches an entity's own queries through the virtual table, and
// crosses nothing with an entity of an unknown kind or none at all.
TEST(EntityInterface, DispatchThroughTheVirtualTable) {
    Spy<CGMTRLine2D> spyLine; // from (0, 0) along (1, 0)
    Spy<CGMTRArc2D> spyArc;
    CGMTRArc2D unit = MakeArc(0, 0, 1, 0, GMTR_2PI), wide = MakeArc(1, 0, 1.5, 0.3, GMTR_2PI);
    EXPECT_EQ(&(static_cast<CGMTRArc2D&>(spyArc) = unit), &spyArc);
    EXPECT_EQ(spyArc.GetSweepAngle(), GMTR_2PI); // the full-circle flag is assigned too
    EXPECT_EQ(spyLine.FDistance(P(5, 1)), 42.0);
    EXPECT_EQ(spyArc.FDistance(P(5, 1)), 42.0);
    EXPECT_EQ(spyLine.CheckVerticalPointInRange(P(0.5, 1)), 0);
    EXPECT_EQ(spyArc.CheckVerticalPointInRange(P(0.1, 0.2)), 0);
    CGMTRLine2D h = Seg(-5, 0, 5, 0);
    for (CGMTRBaseGeo2D* e :
         {static_cast<CGMTRBaseGeo2D*>(&h), static_cast<CGMTRBaseGeo2D*>(&unit)}) {
        CGMTRPoint2DCol none, two;
        e->FGetCrossPoint(&spyLine, none);
        e->FGetCrossPoint(&spyArc, none);
        e->FGetCrossPoint(nullptr, none);
        EXPECT_EQ(none.GetCount(), 0);
        e->FGetCrossPoint(&wide, two); // both kinds dispatch to the arc's queries
        EXPECT_EQ(two.GetCount(), 2);
    }
}
