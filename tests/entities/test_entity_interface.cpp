// The polymorphic entity interface: virtual slot order, exported tables,
// copying, ownership and dispatch, for both entity kinds.
#include "support/TestSupport.h"

#include <dlfcn.h>

#include <cstring>
#include <random>
#include <string>

namespace {

void* Library() {
    static void* handle = dlopen(GMTRRT_LIBRARY_PATH, RTLD_NOW);
    return handle;
}

// Mangled names of the destructors and the fourteen operations, slot by slot.
std::vector<std::string> SlotSymbols(const std::string& cls) {
    return {"_ZN" + cls + "D1Ev",
            "_ZN" + cls + "D0Ev",
            "_ZNK" + cls + "16get_GeometryTypeEv",
            "_ZNK" + cls + "14FGetStartPointEv",
            "_ZNK" + cls + "12FGetEndPointEv",
            "_ZNK" + cls + "12FGetMidPointEv",
            "_ZNK" + cls + "9FDistanceERK12CGMTRPoint2D",
            "_ZNK" + cls + "16FGetNearestPointERK12CGMTRPoint2D",
            "_ZNK" + cls + "5CloneEv",
            "_ZN" + cls + "7ReleaseEv",
            "_ZNK" + cls + "14FGetCrossPointEP14CGMTRBaseGeo2DR15CGMTRPoint2DCol",
            "_ZNK" + cls + "10GetRectBoxERdS0_S0_S0_",
            "_ZNK" + cls + "8DistanceERK12CGMTRPoint2D",
            "_ZNK" + cls + "17DistanceToPercentERKsRKd",
            "_ZNK" + cls + "14PointToPercentERK12CGMTRPoint2D",
            "_ZNK" + cls + "14PercentToPointERKd"};
}

void ExpectLibraryVtable(const CGMTRBaseGeo2D& entity, const std::string& cls) {
    void* const* vt = *reinterpret_cast<void* const* const*>(&entity);
    void* table = dlsym(Library(), ("_ZTV" + cls).c_str());
    ASSERT_NE(table, nullptr) << cls;
    // The object points past the offset-to-top and type-information words.
    EXPECT_EQ(static_cast<const void*>(vt), static_cast<void**>(table) + 2) << cls;
    const std::vector<std::string> names = SlotSymbols(cls);
    for (size_t k = 0; k < names.size(); ++k) {
        void* fn = dlsym(Library(), names[k].c_str());
        ASSERT_NE(fn, nullptr) << names[k];
        EXPECT_EQ(vt[k], fn) << "slot " << k << " should hold " << names[k];
    }
}

// An entity of a kind neither concrete class knows.
class Stranger : public CGMTRLine2D {
public:
    tagGMTRGeometryType get_GeometryType() const override {
        return static_cast<tagGMTRGeometryType>(7);
    }
};

// Entities with their own distance and percent answers.
class SpyLine : public CGMTRLine2D {
public:
    SpyLine(const CGMTRPoint2D& a, const CGMTRPoint2D& b) : CGMTRLine2D(a, b) {}
    double Distance(const CGMTRPoint2D&) const override { return 42.0; }
    double PointToPercent(const CGMTRPoint2D&) const override { return -1.0; }
};

class SpyArc : public CGMTRArc2D {
public:
    explicit SpyArc(const CGMTRArc2D& a) : CGMTRArc2D(a) {}
    double Distance(const CGMTRPoint2D&) const override { return 42.0; }
    double PointToPercent(const CGMTRPoint2D&) const override { return -1.0; }
};

} // namespace

TEST(EntityInterface, VirtualSlotOrderIsPinned) {
    ASSERT_NE(Library(), nullptr) << dlerror();
    ExpectLibraryVtable(CGMTRLine2D(), "11CGMTRLine2D");
    ExpectLibraryVtable(CGMTRArc2D(), "10CGMTRArc2D");
    EXPECT_NE(dlsym(Library(), "_ZTV14CGMTRBaseGeo2D"), nullptr);
}

TEST(EntityInterface, KindsCopiesAndOwnership) {
    EXPECT_TRUE(CGMTRLine2D().get_GeometryType() == 0 && CGMTRArc2D().get_GeometryType() == 1);
    CGMTRLine2D line(P(1e6 + 1, -2), P(3, 1e6 + 4));
    CGMTRArc2D circle = MakeArc(1, 2, 3, 0.5, GMTR_2PI), arc = MakeArc(-1e6, 5, 2, -2.0, -1.25);
    for (const CGMTRBaseGeo2D* original :
         {static_cast<CGMTRBaseGeo2D*>(&line), static_cast<CGMTRBaseGeo2D*>(&circle),
          static_cast<CGMTRBaseGeo2D*>(&arc)}) {
        CGMTRBaseGeo2D* copy = original->Clone();
        ASSERT_TRUE(copy != nullptr && copy != original);
        EXPECT_EQ(copy->get_GeometryType(), original->get_GeometryType());
        // Every field after the table pointer is equal (no padding compared).
        const size_t fields = original->get_GeometryType() == GEOMETRY_LINE2D
                                  ? 4 * sizeof(double)
                                  : 6 * sizeof(double) + sizeof(int);
        EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(copy) + sizeof(void*),
                              reinterpret_cast<const char*>(original) + sizeof(void*), fields),
                  0);
        copy->Release();
    }
    // The full-circle flag travels with a clone; the original stays independent.
    auto* full = static_cast<CGMTRArc2D*>(circle.Clone());
    full->PutBaseVector(CGMTRVector2D(0, 7));
    EXPECT_TRUE(full->GetSweepAngle() == GMTR_2PI && std::fabs(circle.GetRadius() - 3) < 1e-15);
    full->Release();
    CGMTRLine2D lineTarget;
    CGMTRArc2D arcTarget;
    EXPECT_TRUE(&(lineTarget = line) == &lineTarget && &(arcTarget = circle) == &arcTarget);
    EXPECT_TRUE(lineTarget.get_EndPoint().Y() == line.get_EndPoint().Y() &&
                arcTarget.GetSweepAngle() == GMTR_2PI);
}

TEST(EntityInterface, BasePointerGivesTheConcreteAnswers) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> coord(-30.0, 30.0);
    CGMTRLine2D line(P(-4, 1), P(6, -3));
    CGMTRArc2D arc = MakeArc(2, 1, 5, 1.0, -2.5);
    for (const CGMTRBaseGeo2D* e :
         {static_cast<CGMTRBaseGeo2D*>(&line), static_cast<CGMTRBaseGeo2D*>(&arc)}) {
        for (int i = 0; i < 50; ++i) {
            const CGMTRPoint2D q(coord(rng), coord(rng));
            EXPECT_TRUE(e->FDistance(q) == e->Distance(q) &&
                        std::fabs(e->FDistance(q) - q.Distance2D(e->FGetNearestPoint(q))) < 1e-12);
        }
        // Percent 0 and 1 are the start and end; the mid point is percent 0.5.
        EXPECT_LT(e->PercentToPoint(0.0).Distance2D(e->FGetStartPoint()) +
                      e->PercentToPoint(1.0).Distance2D(e->FGetEndPoint()),
                  1e-12);
        EXPECT_NEAR(e->PointToPercent(e->FGetMidPoint()), 0.5, 1e-9);
    }
    // The library reaches an entity's own queries through the virtual table.
    SpyLine spyLine(P(0, 0), P(10, 0));
    SpyArc spyArc(MakeArc(0, 0, 10, 0, GMTR_HALF_PI));
    EXPECT_TRUE(spyLine.FDistance(P(5, 1)) == 42.0 && spyArc.FDistance(P(5, 1)) == 42.0);
    EXPECT_TRUE(spyLine.CheckVerticalPointInRange(P(5, 1)) == 0 &&
                spyArc.CheckVerticalPointInRange(P(3, 3)) == 0);
}

TEST(EntityInterface, EveryPairIntersectsFromEitherSide) {
    CGMTRLine2D h(P(-5, 0), P(5, 0)), v(P(0.5, -5), P(0.5, 5));
    CGMTRArc2D unit = MakeArc(0, 0, 1, 0, GMTR_2PI), wide = MakeArc(1, 0, 1.5, 0.3, GMTR_2PI);
    CGMTRBaseGeo2D* all[] = {&h, &v, &unit, &wide};
    Stranger stranger;
    for (int i = 0; i < 4; ++i) {
        CGMTRPoint2DCol none; // an unknown kind or no entity at all: nothing
        all[i]->FGetCrossPoint(&stranger, none);
        all[i]->FGetCrossPoint(nullptr, none);
        EXPECT_EQ(none.GetCount(), 0);
        for (int j = 0; j < 4; ++j) {
            if (i == j)
                continue;
            CGMTRPoint2DCol ij, ji;
            ij.Add(P(-99, -99)); // results are appended after existing points
            all[i]->FGetCrossPoint(all[j], ij);
            all[j]->FGetCrossPoint(all[i], ji);
            const int expected = (i < 2 && j < 2) ? 1 : 2;
            ASSERT_TRUE(ij.GetCount() == expected + 1 && ji.GetCount() == expected) << i << j;
            const std::vector<CGMTRPoint2D> a = Points(ij), b = Points(ji);
            EXPECT_EQ(a[0].X(), -99);
            for (int k = 0; k < expected; ++k) {
                EXPECT_TRUE(all[i]->Distance(a[k + 1]) < 1e-12 &&
                            all[j]->Distance(a[k + 1]) < 1e-12);
                // A segment and an arc agree on the order; two arcs each put
                // the crossing left of the line between their centres first.
                const CGMTRPoint2D& other = b[(i >= 2 && j >= 2) ? 1 - k : k];
                ExpectAt(a[k + 1], other.X(), other.Y());
            }
        }
    }
}
