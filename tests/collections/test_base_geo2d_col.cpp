// The entity collection owns its entities: each deleted once, nulls kept, copies clone.
#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "support/TestSupport.h"

static std::vector<int> g_deleted; // ids of deleted probes, in order
static int g_clones = 0;

// An arc that records its destruction and its clones.
class Probe : public CGMTRArc2D {
public:
    explicit Probe(int id) : id(id) {}
    ~Probe() override { g_deleted.push_back(id); }
    CGMTRBaseGeo2D* Clone() const override {
        ++g_clones;
        return new Probe(*this);
    }
    const int id;
};

using Ids = std::vector<int>;

// The ids of the held entities in index order, -1 for a null entry.
static Ids Held(CGMTRBaseGeo2DCol& col) {
    Ids ids;
    for (long i = 0; i < col.GetCount(); ++i) {
        const Probe* p = dynamic_cast<const Probe*>(col.get_Item(i));
        ids.push_back(p != nullptr ? p->id : -1);
    }
    return ids;
}

TEST(BaseGeo2DCol, HoldsInOrderAndDeletesEachEntityOnce) {
    g_deleted.clear();
    {
        CGMTRBaseGeo2DCol col;
        EXPECT_EQ(col.Add(new Probe(7)), 1);
        EXPECT_EQ(col.Add(nullptr), 1);
        col.Add(new Probe(5));
        col.Add(new Probe(9));
        EXPECT_EQ(Held(col), (Ids{7, -1, 5, 9}));
        EXPECT_EQ(g_deleted, Ids{});                              // get_Item only lends
        for (long bad : {4L, -1L, 2147483647L, -2147483647L - 1}) // bad indices: null
            EXPECT_EQ(col.get_Item(bad), nullptr) << bad;

        col.Clear(); // index order, null skipped
        EXPECT_EQ(col.GetCount(), 0);
        EXPECT_EQ(g_deleted, (Ids{7, 5, 9}));
        col.Clear();
        col.Add(new Probe(2));
        col.Add(nullptr);
        col.Add(new Probe(3));
    }
    EXPECT_EQ(g_deleted, (Ids{7, 5, 9, 2, 3})); // destruction deletes as Clear does
}

// Copy construction and assignment clone; self-assignment neither clones nor deletes.
TEST(BaseGeo2DCol, CopiesCloneSoNoEntityIsSharedOrLost) {
    g_deleted.clear();
    g_clones = 0;
    CGMTRBaseGeo2DCol source, target;
    source.Add(new Probe(1));
    source.Add(nullptr);
    source.Add(new Probe(2));
    {
        CGMTRBaseGeo2DCol copy(source);
        EXPECT_EQ(g_clones, 2);
        EXPECT_EQ(Held(copy), (Ids{1, -1, 2}));
        EXPECT_NE(copy.get_Item(0), source.get_Item(0));
    }
    EXPECT_EQ(g_deleted, (Ids{1, 2})); // only the clones went
    target.Add(new Probe(20));
    target.Add(new Probe(21));
    EXPECT_EQ(&(target = source), &target);
    EXPECT_EQ(g_deleted, (Ids{1, 2, 20, 21}));
    EXPECT_EQ(Held(target), (Ids{1, -1, 2}));
    CGMTRBaseGeo2D* held = target.get_Item(0);
    CGMTRBaseGeo2DCol& alias = target;
    target = alias;
    source.Clear();
    EXPECT_EQ(target.get_Item(0), held);
    EXPECT_EQ(g_clones, 4);
    target = source; // assigning an empty collection empties the target
    EXPECT_EQ(target.GetCount(), 0);
    EXPECT_EQ(g_deleted, (Ids{1, 2, 20, 21, 1, 2, 1, 2}));
}
