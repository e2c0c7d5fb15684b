// Fuzz target for the three collections. Random edit sequences run on two
// collections of each kind, each shadowed by a std::vector model; after every
// step the collection must agree with its model in count, order and values
// (bit for bit), every call must return what the model predicts (1/0, null),
// and bad indices must change nothing. Entity collections are filled with
// probe segments that log their destruction, so the order and the number of
// deletions on Clear, assignment and destruction are checked too; the
// sanitizers report any double delete or leak.
#include "FuzzInput.h"

#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRPointValueCol.h"
#include "CGMTRVector2D.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace fuzz;

namespace {

// Collections never grow past this many entries, whatever the input asks.
constexpr long kMaxCount = 256;

// An index that is usually near the valid range and sometimes anywhere.
long ReadIndex(FuzzInput& in, long count) {
    if (in.Choice(4) == 0)
        return in.Long();
    return in.SmallInt(-2, 2) + (in.Bool() ? 0 : count);
}

bool InRange(long index, long count) {
    return index >= 0 && index < count;
}

// Copies of collection `which` are independent of it: a copy (checked, then
// changed by `change`), an assignment to the other collection (its model
// follows), an assignment to itself.
template <class Col, class Model, class Check, class Change>
void Copies(FuzzInput& in, Col* cols, Model* models, unsigned which, Check check, Change change) {
    Col& col = cols[which];
    switch (in.Choice(3)) {
    case 0: {
        Col copy(col);
        check(copy, models[which]);
        change(copy);
        break;
    }
    case 1:
        cols[1 - which] = col;
        models[1 - which] = models[which];
        break;
    default: {
        Col& alias = col;
        FUZZ_CHECK(&(col = alias) == &col);
        break;
    }
    }
}

// ---- Points ----------------------------------------------------------------

void CheckPoints(const CGMTRPoint2DCol& col, const std::vector<CGMTRPoint2D>& model) {
    FUZZ_CHECK(col.GetCount() == static_cast<int>(model.size()));
    FUZZ_CHECK(col.IsEmpty() == (model.empty() ? 1 : 0));
    for (std::size_t i = 0; i < model.size(); ++i) {
        CGMTRPoint2D p(Sentinel(), Sentinel());
        FUZZ_CHECK(col.get_Item(static_cast<long>(i), p) == 1);
        FUZZ_CHECK(Same(p, model[i]));
    }
}

void EditPoints(FuzzInput& in, CGMTRPoint2DCol* cols, std::vector<CGMTRPoint2D>* models) {
    const unsigned which = in.Choice(2);
    CGMTRPoint2DCol& col = cols[which];
    std::vector<CGMTRPoint2D>& model = models[which];
    const long count = static_cast<long>(model.size());
    switch (in.Choice(9)) {
    case 0:
    case 1: {
        if (count >= kMaxCount)
            break;
        const double x = in.Double(), y = in.Double();
        FUZZ_CHECK(col.Add(CGMTRPoint2D(x, y)) == 1);
        model.emplace_back(x, y);
        break;
    }
    case 2: {
        if (count >= kMaxCount)
            break;
        const long index = ReadIndex(in, count);
        const double x = in.Double(), y = in.Double();
        col.Insert(index, CGMTRPoint2D(x, y));
        if (index >= 0 && index <= count)
            model.insert(model.begin() + index, CGMTRPoint2D(x, y));
        break;
    }
    case 3: {
        const long index = ReadIndex(in, count);
        col.Remove(index);
        if (InRange(index, count))
            model.erase(model.begin() + index);
        break;
    }
    case 4: {
        const long index = ReadIndex(in, count);
        CGMTRPoint2D out(Sentinel(), Sentinel());
        const int got = col.get_Item(index, out);
        FUZZ_CHECK(got == (InRange(index, count) ? 1 : 0));
        FUZZ_CHECK(Same(out, got ? model[static_cast<std::size_t>(index)]
                                 : CGMTRPoint2D(Sentinel(), Sentinel())));
        break;
    }
    case 5: {
        const long index = ReadIndex(in, count);
        const double x = in.Double(), y = in.Double();
        const int put = col.put_Item(index, CGMTRPoint2D(x, y));
        FUZZ_CHECK(put == (InRange(index, count) ? 1 : 0));
        if (put)
            model[static_cast<std::size_t>(index)] = CGMTRPoint2D(x, y);
        break;
    }
    case 6:
        col.Clear();
        model.clear();
        break;
    case 7: {
        // AppendList, from the other collection or from itself.
        const unsigned from = in.Choice(2);
        const std::vector<CGMTRPoint2D> source = models[from];
        if (count + static_cast<long>(source.size()) > kMaxCount)
            break;
        col.AppendList(cols[from]);
        model.insert(model.end(), source.begin(), source.end());
        break;
    }
    default:
        Copies(in, cols, models, which, CheckPoints,
               [](CGMTRPoint2DCol& copy) { copy.Add(CGMTRPoint2D()); });
        break;
    }
    CheckPoints(col, model);
}

// ---- Entities --------------------------------------------------------------

std::vector<int>* g_deleted = nullptr; // ids of probes in the order deleted

// A segment that logs its id when deleted. Its Clone is the plain segment's,
// so copies made by a collection are not probes.
class ProbeLine : public CGMTRLine2D {
public:
    ProbeLine(int id, const CGMTRPoint2D& p1, const CGMTRPoint2D& p2)
        : CGMTRLine2D(p1, p2), id_(id) {}
    ~ProbeLine() override { g_deleted->push_back(id_); }

private:
    int id_;
};

// What the model knows of one entry: null, or the kind and fields of the
// entity, and the probe id (-1 for entities that are not probes).
struct Entry {
    bool null = true;
    tagGMTRGeometryType kind = GEOMETRY_LINE2D;
    CGMTRPoint2D point;
    CGMTRVector2D vector;
    CGMTRVector2D mid;
    double sweep = 0.0;
    int probe = -1;
    const CGMTRBaseGeo2D* pointer = nullptr;
};

Entry Describe(CGMTRBaseGeo2D* e) {
    Entry entry;
    if (e == nullptr)
        return entry;
    entry.null = false;
    entry.kind = e->get_GeometryType();
    entry.pointer = e;
    if (entry.kind == GEOMETRY_LINE2D) {
        const CGMTRLine2D* line = static_cast<const CGMTRLine2D*>(e);
        entry.point = line->get_BasePoint();
        entry.vector = line->get_BaseVector();
    } else {
        const CGMTRArc2D* arc = static_cast<const CGMTRArc2D*>(e);
        entry.point = arc->GetBasePoint();
        entry.vector = arc->GetBaseVector();
        entry.mid = arc->GetMidVector();
        entry.sweep = arc->GetSweepAngle();
    }
    return entry;
}

bool SameFields(const Entry& a, const Entry& b) {
    return a.null == b.null &&
           (a.null ||
            (a.kind == b.kind && Same(a.point, b.point) && SameBits(a.vector.X(), b.vector.X()) &&
             SameBits(a.vector.Y(), b.vector.Y()) && SameBits(a.mid.X(), b.mid.X()) &&
             SameBits(a.mid.Y(), b.mid.Y()) && SameBits(a.sweep, b.sweep)));
}

void CheckEntities(CGMTRBaseGeo2DCol& col, const std::vector<Entry>& model) {
    FUZZ_CHECK(col.GetCount() == static_cast<int>(model.size()));
    for (std::size_t i = 0; i < model.size(); ++i) {
        CGMTRBaseGeo2D* e = col.get_Item(static_cast<long>(i));
        FUZZ_CHECK(SameFields(Describe(e), model[i]));
        FUZZ_CHECK(e == model[i].pointer);
    }
}

// The ids of the probes among the entries, in index order: what deleting them
// all must log.
std::vector<int> Probes(const std::vector<Entry>& model) {
    std::vector<int> ids;
    for (const Entry& e : model)
        if (!e.null && e.probe >= 0)
            ids.push_back(e.probe);
    return ids;
}

// The model of a copy: the same fields at new (non-null, distinct) pointers,
// none of them a probe.
std::vector<Entry> CopyModel(CGMTRBaseGeo2DCol& copy, const std::vector<Entry>& source) {
    std::vector<Entry> model = source;
    for (std::size_t i = 0; i < model.size(); ++i) {
        CGMTRBaseGeo2D* e = copy.get_Item(static_cast<long>(i));
        if (!source[i].null)
            FUZZ_CHECK(e != nullptr && e != source[i].pointer);
        model[i].pointer = e;
        model[i].probe = -1;
    }
    return model;
}

CGMTRBaseGeo2D* MakeEntity(FuzzInput& in, int& nextProbe, Entry& entry) {
    const double a = in.Double(), b = in.Double(), c = in.Double(), d = in.Double();
    CGMTRBaseGeo2D* e = nullptr;
    int probe = -1;
    switch (in.Choice(4)) {
    case 0:
        break; // null
    case 1:
        probe = nextProbe++;
        e = new ProbeLine(probe, CGMTRPoint2D(a, b), CGMTRPoint2D(c, d));
        break;
    case 2:
        e = new CGMTRLine2D(CGMTRPoint2D(a, b), CGMTRVector2D(c, d));
        break;
    default: {
        CGMTRArc2D* arc = new CGMTRArc2D();
        arc->PutBasePoint(CGMTRPoint2D(a, b));
        arc->PutBaseVector(CGMTRVector2D(c, d));
        arc->PutSweepAngle(in.Double());
        e = arc;
        break;
    }
    }
    entry = Describe(e);
    entry.probe = probe;
    return e;
}

void EditEntities(FuzzInput& in, CGMTRBaseGeo2DCol* cols, std::vector<Entry>* models,
                  int& nextProbe) {
    const unsigned which = in.Choice(2);
    CGMTRBaseGeo2DCol& col = cols[which];
    std::vector<Entry>& model = models[which];
    const long count = static_cast<long>(model.size());
    switch (in.Choice(6)) {
    case 0:
    case 1: {
        if (count >= kMaxCount)
            break;
        Entry entry;
        CGMTRBaseGeo2D* e = MakeEntity(in, nextProbe, entry);
        FUZZ_CHECK(col.Add(e) == 1);
        model.push_back(entry);
        break;
    }
    case 2: {
        const long index = ReadIndex(in, count);
        CGMTRBaseGeo2D* e = col.get_Item(index);
        if (InRange(index, count))
            FUZZ_CHECK(e == model[static_cast<std::size_t>(index)].pointer);
        else
            FUZZ_CHECK(e == nullptr);
        break;
    }
    case 3: {
        const std::vector<int> expect = Probes(model);
        g_deleted->clear();
        col.Clear();
        FUZZ_CHECK(*g_deleted == expect);
        model.clear();
        break;
    }
    case 4: {
        // Copy construction: clones, then the copy goes away on its own.
        const std::vector<int> none;
        g_deleted->clear();
        {
            CGMTRBaseGeo2DCol copy(col);
            const std::vector<Entry> copyModel = CopyModel(copy, model);
            CheckEntities(copy, copyModel);
        }
        FUZZ_CHECK(*g_deleted == none);
        break;
    }
    default: {
        // Assignment, from the other collection or from itself.
        CGMTRBaseGeo2DCol& target = cols[1 - which];
        std::vector<Entry>& targetModel = models[1 - which];
        g_deleted->clear();
        if (in.Bool()) {
            CGMTRBaseGeo2DCol& alias = col;
            FUZZ_CHECK(&(col = alias) == &col);
            FUZZ_CHECK(g_deleted->empty());
        } else {
            const std::vector<int> expect = Probes(targetModel);
            FUZZ_CHECK(&(target = col) == &target);
            FUZZ_CHECK(*g_deleted == expect);
            targetModel = CopyModel(target, model);
            CheckEntities(target, targetModel);
        }
        break;
    }
    }
    CheckEntities(col, model);
}

// ---- Point-value records ----------------------------------------------------

tagGMTRPointValue ReadRecord(FuzzInput& in) {
    tagGMTRPointValue r;
    r.x = in.Double();
    r.y = in.Double();
    for (float& v : r.value) {
        const std::uint32_t bits = static_cast<std::uint32_t>(in.U64());
        std::memcpy(&v, &bits, sizeof v);
    }
    return r;
}

bool SameRecord(const tagGMTRPointValue& a, const tagGMTRPointValue& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

tagGMTRPointValue SentinelRecord() {
    tagGMTRPointValue r;
    std::memset(&r, 0xA5, sizeof r);
    return r;
}

// What the model knows of a record collection.
struct Records {
    std::vector<tagGMTRPointValue> items;
    int used = 0;
};

void CheckRecords(CGMTRPointValueCol& col, const Records& records) {
    const std::vector<tagGMTRPointValue>& model = records.items;
    FUZZ_CHECK(col.GetCount() == static_cast<int>(model.size()));
    FUZZ_CHECK(col.GetUsedValueCount() == records.used);
    for (std::size_t i = 0; i < model.size(); ++i) {
        tagGMTRPointValue r = SentinelRecord();
        FUZZ_CHECK(col.get_Item(static_cast<long>(i), r) == 1);
        FUZZ_CHECK(SameRecord(r, model[i]));
    }
}

void EditRecords(FuzzInput& in, CGMTRPointValueCol* cols, Records* models) {
    const unsigned which = in.Choice(2);
    CGMTRPointValueCol& col = cols[which];
    std::vector<tagGMTRPointValue>& model = models[which].items;
    const long count = static_cast<long>(model.size());
    switch (in.Choice(7)) {
    case 0:
    case 1: {
        if (count >= kMaxCount)
            break;
        tagGMTRPointValue r = ReadRecord(in);
        const tagGMTRPointValue copy = r;
        FUZZ_CHECK(col.Add(r) == 1);
        FUZZ_CHECK(SameRecord(r, copy)); // only read
        model.push_back(copy);
        break;
    }
    case 2: {
        const long index = ReadIndex(in, count);
        tagGMTRPointValue r = SentinelRecord();
        const int got = col.get_Item(index, r);
        FUZZ_CHECK(got == (InRange(index, count) ? 1 : 0));
        FUZZ_CHECK(SameRecord(r, got ? model[static_cast<std::size_t>(index)] : SentinelRecord()));
        break;
    }
    case 3: {
        const long index = ReadIndex(in, count);
        tagGMTRPointValue r = ReadRecord(in);
        const tagGMTRPointValue copy = r;
        const int put = col.put_Item(index, r);
        FUZZ_CHECK(put == (InRange(index, count) ? 1 : 0));
        FUZZ_CHECK(SameRecord(r, copy));
        if (put)
            model[static_cast<std::size_t>(index)] = copy;
        break;
    }
    case 4:
        col.Clear();
        model.clear();
        break;
    case 5: {
        const int n = static_cast<int>(in.Long());
        col.SetUsedValueCount(n);
        models[which].used = n;
        break;
    }
    default:
        Copies(in, cols, models, which, CheckRecords, [](CGMTRPointValueCol&) {});
        break;
    }
    CheckRecords(col, models[which]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::vector<int> deleted;
    g_deleted = &deleted;
    int nextProbe = 0;
    std::vector<Entry> entityModels[2];
    {
        CGMTRPoint2DCol points[2];
        std::vector<CGMTRPoint2D> pointModels[2];
        CGMTRBaseGeo2DCol entities[2];
        CGMTRPointValueCol records[2];
        Records recordModels[2];
        for (int step = 0; step < 96 && !in.Empty(); ++step) {
            switch (in.Choice(3)) {
            case 0:
                EditPoints(in, points, pointModels);
                break;
            case 1:
                EditEntities(in, entities, entityModels, nextProbe);
                break;
            default:
                EditRecords(in, records, recordModels);
                break;
            }
        }
        deleted.clear();
    }
    // The array is destroyed from its last element: the probes of the second
    // collection go first, then those of the first, each in index order.
    std::vector<int> expect = Probes(entityModels[1]);
    const std::vector<int> first = Probes(entityModels[0]);
    expect.insert(expect.end(), first.begin(), first.end());
    FUZZ_CHECK(deleted == expect);
    g_deleted = nullptr;
    return 0;
}
