// The entity collection owns what it holds: each entity is deleted exactly
// once, null entries are kept and skipped, copies clone.
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRPoint2DCol.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A minimal entity that records its own destruction (by id, in order) and how
// many times it was cloned.
class Probe : public CGMTRBaseGeo2D {
public:
    Probe(int id, std::vector<int>* log) : m_id(id), m_log(log) {}
    Probe(const Probe& other) = default;
    ~Probe() override {
        if (m_log != nullptr)
            m_log->push_back(m_id);
    }
    int Id() const { return m_id; }

    tagGMTRGeometryType get_GeometryType() const override { return GEOMETRY_LINE2D; }
    CGMTRPoint2D FGetStartPoint() const override { return CGMTRPoint2D(m_id, 0); }
    CGMTRPoint2D FGetEndPoint() const override { return CGMTRPoint2D(m_id, 1); }
    CGMTRPoint2D FGetMidPoint() const override { return CGMTRPoint2D(m_id, 0.5); }
    double FDistance(const CGMTRPoint2D& p) const override { return Distance(p); }
    CGMTRPoint2D FGetNearestPoint(const CGMTRPoint2D& p) const override { return p; }
    CGMTRBaseGeo2D* Clone() const override {
        ++s_clones;
        return new Probe(*this);
    }
    void Release() override { delete this; }
    void FGetCrossPoint(CGMTRBaseGeo2D*, CGMTRPoint2DCol&) const override {}
    void GetRectBox(double& minX, double& maxX, double& maxY, double& minY) const override {
        minX = maxX = m_id;
        minY = 0;
        maxY = 1;
    }
    double Distance(const CGMTRPoint2D&) const override { return 0.0; }
    double DistanceToPercent(const short&, const double&) const override { return -1.0; }
    double PointToPercent(const CGMTRPoint2D&) const override { return -1.0; }
    CGMTRPoint2D PercentToPoint(const double& t) const override { return CGMTRPoint2D(m_id, t); }

    static int s_clones;

private:
    int m_id;
    std::vector<int>* m_log;
};
int Probe::s_clones = 0;

int IdAt(CGMTRBaseGeo2DCol& col, long i) {
    const Probe* p = dynamic_cast<const Probe*>(col.get_Item(i));
    return p != nullptr ? p->Id() : -1;
}

} // namespace

TEST(BaseGeo2DCol, AddAppendsInOrderAndTakesNullEntries) {
    std::vector<int> log;
    CGMTRBaseGeo2DCol col;
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(col.Add(new Probe(1, &log)), 1);
    EXPECT_EQ(col.Add(nullptr), 1);
    EXPECT_EQ(col.Add(new Probe(3, &log)), 1);
    ASSERT_EQ(col.GetCount(), 3);
    EXPECT_EQ(IdAt(col, 0), 1);
    EXPECT_EQ(col.get_Item(1), nullptr);
    EXPECT_EQ(IdAt(col, col.GetCount() - 1), 3);
    // get_Item lends: the same pointer twice, nothing deleted.
    EXPECT_EQ(col.get_Item(0), col.get_Item(0));
    EXPECT_TRUE(log.empty());
}

TEST(BaseGeo2DCol, ClearDeletesEachEntityOnceInIndexOrder) {
    std::vector<int> log;
    CGMTRBaseGeo2DCol col;
    col.Add(new Probe(7, &log));
    col.Add(nullptr);
    col.Add(new Probe(5, &log));
    col.Add(new Probe(9, &log));
    col.Clear();
    EXPECT_EQ(col.GetCount(), 0);
    EXPECT_EQ(log, (std::vector<int>{7, 5, 9}));
    col.Clear(); // nothing left to delete
    EXPECT_EQ(log.size(), 3u);
    col.Add(new Probe(2, &log));
    EXPECT_EQ(col.GetCount(), 1);
    EXPECT_EQ(IdAt(col, 0), 2);
}

TEST(BaseGeo2DCol, DestructionDeletesLikeClear) {
    std::vector<int> log;
    {
        CGMTRBaseGeo2DCol col;
        col.Add(new Probe(1, &log));
        col.Add(nullptr);
        col.Add(new Probe(2, &log));
    }
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    { CGMTRBaseGeo2DCol empty; }
    EXPECT_EQ(log.size(), 2u);
}

TEST(BaseGeo2DCol, BadIndicesGiveNullAndChangeNothing) {
    std::vector<int> log;
    CGMTRBaseGeo2DCol col;
    EXPECT_EQ(col.get_Item(0), nullptr);
    EXPECT_EQ(col.get_Item(-1), nullptr);
    col.Add(new Probe(1, &log));
    EXPECT_EQ(col.get_Item(1), nullptr);
    EXPECT_EQ(col.get_Item(-1), nullptr);
    EXPECT_EQ(col.get_Item(2147483647L), nullptr);
    EXPECT_EQ(col.GetCount(), 1);
    EXPECT_EQ(IdAt(col, 0), 1);
    EXPECT_TRUE(log.empty());
}

TEST(BaseGeo2DCol, CopyConstructorClonesSoEachSideDeletesItsOwn) {
    std::vector<int> log;
    Probe::s_clones = 0;
    CGMTRBaseGeo2DCol source;
    source.Add(new Probe(1, &log));
    source.Add(nullptr);
    source.Add(new Probe(2, &log));
    {
        CGMTRBaseGeo2DCol copy(source);
        EXPECT_EQ(Probe::s_clones, 2);
        ASSERT_EQ(copy.GetCount(), 3);
        EXPECT_EQ(IdAt(copy, 0), 1);
        EXPECT_EQ(copy.get_Item(1), nullptr);
        EXPECT_EQ(IdAt(copy, 2), 2);
        EXPECT_NE(copy.get_Item(0), source.get_Item(0));
        EXPECT_NE(copy.get_Item(2), source.get_Item(2));
    }
    // The copy deleted its clones; the source's entities are still alive.
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    EXPECT_EQ(IdAt(source, 0), 1);
    EXPECT_EQ(IdAt(source, 2), 2);
    source.Clear();
    EXPECT_EQ(log, (std::vector<int>{1, 2, 1, 2}));
}

TEST(BaseGeo2DCol, AssignmentClonesAndDeletesTheFormerEntities) {
    std::vector<int> log;
    CGMTRBaseGeo2DCol source;
    source.Add(new Probe(10, &log));
    source.Add(new Probe(11, &log));
    CGMTRBaseGeo2DCol target;
    target.Add(new Probe(20, &log));
    target.Add(nullptr);
    target.Add(new Probe(21, &log));

    CGMTRBaseGeo2DCol& result = (target = source);
    EXPECT_EQ(&result, &target);
    EXPECT_EQ(log, (std::vector<int>{20, 21}));
    ASSERT_EQ(target.GetCount(), 2);
    EXPECT_EQ(IdAt(target, 0), 10);
    EXPECT_EQ(IdAt(target, 1), 11);
    EXPECT_NE(target.get_Item(0), source.get_Item(0));

    // Clearing one side leaves the other's entities intact.
    source.Clear();
    EXPECT_EQ(log, (std::vector<int>{20, 21, 10, 11}));
    EXPECT_EQ(IdAt(target, 1), 11);

    // Assigning an empty collection empties the target.
    target = source;
    EXPECT_EQ(target.GetCount(), 0);
    EXPECT_EQ(log, (std::vector<int>{20, 21, 10, 11, 10, 11}));
}

TEST(BaseGeo2DCol, SelfAssignmentChangesNothing) {
    std::vector<int> log;
    Probe::s_clones = 0;
    CGMTRBaseGeo2DCol col;
    col.Add(new Probe(1, &log));
    CGMTRBaseGeo2D* held = col.get_Item(0);
    CGMTRBaseGeo2DCol& alias = col;
    col = alias;
    EXPECT_EQ(col.GetCount(), 1);
    EXPECT_EQ(col.get_Item(0), held);
    EXPECT_EQ(Probe::s_clones, 0);
    EXPECT_TRUE(log.empty());
}

TEST(BaseGeo2DCol, ManyEntitiesAreAllFreed) {
    std::vector<int> log;
    CGMTRBaseGeo2DCol col;
    for (int i = 0; i < 1000; ++i)
        col.Add(i % 7 == 0 ? nullptr : new Probe(i, &log));
    EXPECT_EQ(col.GetCount(), 1000);
    EXPECT_EQ(IdAt(col, 999), 999);
    col.Clear();
    EXPECT_EQ(log.size(), 1000u - 143u);
    for (std::size_t k = 1; k < log.size(); ++k)
        EXPECT_LT(log[k - 1], log[k]);
}
