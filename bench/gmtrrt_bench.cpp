// Each listed query of the library against its floor (floor.cpp), and the
// host patterns (the calls a host makes around a query, written the plain
// way) against the floor of the same result, on fixed inputs cycled through a
// few thousand cases. Before the benchmarks run, every floor is checked to
// give the library's results bit for bit, so both sides of each pair compute
// the same thing; the optional peers (peers.h) are checked to find the same
// points.
#include "bench_data.h"
#include "peers.h"

#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace bench;

constexpr std::size_t kMask = kInputs - 1;

CGMTRArc2D ToArc(const Arc& a) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(a.cx, a.cy));
    arc.PutBaseVector(CGMTRVector2D(a.bx, a.by));
    arc.PutMidVector(CGMTRVector2D(a.mx, a.my));
    return arc;
}

CGMTRLine2D ToLine(const Seg& s) {
    return CGMTRLine2D(CGMTRPoint2D(s.px, s.py), CGMTRVector2D(s.vx, s.vy));
}

// Library objects built once from the inputs, so the timed loops only query.
struct Objects {
    // The two segments of one crossing side by side, as in the floor's input.
    struct SegmentPair {
        CGMTRLine2D a, b;
    };
    std::vector<SegmentPair> segSeg;
    std::vector<CGMTRLine2D> arcSegLine, lineTanLine;
    std::vector<CGMTRArc2D> arcSegArc, arcArcA, arcArcB, lineTanArc, arcTanA, arcTanB, distArc,
        pctArc;
    // One record per rotation, laid out like the floor's input (centre,
    // angle, point), so both sides read the same bytes per query.
    struct Rotation {
        CGMTRPoint2D centre;
        double angle;
        CGMTRPoint2D point;
    };
    std::vector<Rotation> rotate;
    std::vector<std::unique_ptr<CGMTRRepeatLine2D>> chain;
};

const Objects& GetObjects() {
    static const Objects objects = [] {
        const Inputs& in = GetInputs();
        Objects o;
        for (std::size_t i = 0; i < kInputs; ++i) {
            o.segSeg.push_back({ToLine(in.segSeg[i].a), ToLine(in.segSeg[i].b)});
            o.arcSegArc.push_back(ToArc(in.arcSeg[i].a));
            o.arcSegLine.push_back(ToLine(in.arcSeg[i].s));
            o.arcArcA.push_back(ToArc(in.arcArc[i].a));
            o.arcArcB.push_back(ToArc(in.arcArc[i].b));
            o.lineTanArc.push_back(ToArc(in.lineTan[i].a));
            o.lineTanLine.push_back(ToLine(in.lineTan[i].s));
            o.arcTanA.push_back(ToArc(in.arcTan[i].a));
            o.arcTanB.push_back(ToArc(in.arcTan[i].b));
            o.distArc.push_back(ToArc(in.arcDistance[i].a));
            o.pctArc.push_back(ToArc(in.arcPercent[i].a));
            const RotateIn& r = in.rotate[i];
            o.rotate.push_back({CGMTRPoint2D(r.px, r.py), r.angle, CGMTRPoint2D(r.x, r.y)});
            const ChainIn& c = in.chain[i];
            auto line = std::make_unique<CGMTRRepeatLine2D>();
            line->ConstructRepeatLine(c.lineAngle, c.lineSpace, c.lineCount);
            CGMTRRepeatGrid grid;
            grid.ConstructRepeatGrid(c.gridSpaceX, c.gridSpaceY, c.gridX, c.gridY, c.gridAngle);
            line->SetRepeat(&grid);
            o.chain.push_back(std::move(line));
        }
        return o;
    }();
    return objects;
}

// ---- The library side of each query -------------------------------------------

// In the timed loops the crossings accumulate in the host's collection, which
// is emptied every kClearEvery queries; its storage is reserved beforehand, so
// no query allocates.
constexpr std::size_t kClearEvery = 32;

void Reserve(CGMTRPoint2DCol& col) {
    for (std::size_t k = 0; k < 4 * kClearEvery; ++k)
        col.Add(CGMTRPoint2D());
    col.Clear();
}

void OursSegSeg(std::size_t i, CGMTRPoint2DCol& col) {
    Objects::SegmentPair& pair = const_cast<Objects::SegmentPair&>(GetObjects().segSeg[i]);
    pair.a.GetCrossPoint(pair.b, col);
}

void OursArcSeg(std::size_t i, CGMTRPoint2DCol& col) {
    GetObjects().arcSegArc[i].GetCrossPointLine(GetObjects().arcSegLine[i], col);
}

void OursArcArc(std::size_t i, CGMTRPoint2DCol& col) {
    const Objects& o = GetObjects();
    o.arcArcA[i].GetCrossPointArc(const_cast<CGMTRArc2D&>(o.arcArcB[i]), col);
}

void OursLineTangency(std::size_t i, CGMTRPoint2D* p) {
    const Objects& o = GetObjects();
    const LineTanIn& in = GetInputs().lineTan[i];
    const_cast<CGMTRArc2D&>(o.lineTanArc[i])
        .LineTangencyDistance(o.lineTanLine[i], CGMTRPoint2D(in.qx, in.qy), in.d, p[0], p[1], p[2]);
}

void OursArcTangency(std::size_t i, CGMTRPoint2D* p) {
    const Objects& o = GetObjects();
    const ArcTanIn& in = GetInputs().arcTan[i];
    const_cast<CGMTRArc2D&>(o.arcTanA[i])
        .ArcTangencyDistance(const_cast<CGMTRArc2D&>(o.arcTanB[i]), in.d, p[0], p[1], p[2]);
}

double OursArcDistance(std::size_t i) {
    const ArcPointIn& in = GetInputs().arcDistance[i];
    return GetObjects().distArc[i].Distance(CGMTRPoint2D(in.px, in.py));
}

double OursArcPercent(std::size_t i) {
    const ArcPointIn& in = GetInputs().arcPercent[i];
    return GetObjects().pctArc[i].PointToPercent(CGMTRPoint2D(in.px, in.py));
}

// ---- Operations: the library side and the floor side, with what a host keeps --
//
// Ours(i) and Floor(i) are timed; Agree(i) runs both on input i and tells
// whether they give the same bits.

bool SameBits(const double* a, const double* b, int n) {
    return std::memcmp(a, b, sizeof(double) * static_cast<std::size_t>(n)) == 0;
}

// The count and the first points of a collection, read as a host reads them.
// The count and each point of the collection, written into `o` as the floors
// write their results (only the slots that hold a point).
void ReadInto(const CGMTRPoint2DCol& col, Out& o) {
    o.n = col.GetCount();
    for (int k = 0; k < o.n && k < 3; ++k) {
        CGMTRPoint2D p;
        col.get_Item(k, p);
        o.v[2 * k] = p.X();
        o.v[2 * k + 1] = p.Y();
    }
}

Out Read(const CGMTRPoint2DCol& col) {
    Out o{};
    ReadInto(col, o);
    return o;
}

// The same number of points as the inputs were made for, at the same bits.
bool SameOut(const Out& ours, const Out& floor, int points) {
    return ours.n == points && floor.n == points && SameBits(ours.v, floor.v, 2 * points);
}

// A crossing appended to the host's collection; the floor gives `points` points.
template <auto ours, auto floor, auto field, int points> struct Crossing {
    CGMTRPoint2DCol col;
    Out f{};
    Crossing() { Reserve(col); }
    void Ours(std::size_t i) {
        if (i % kClearEvery == 0)
            col.Clear();
        ours(i, col);
        benchmark::DoNotOptimize(col);
    }
    void Floor(std::size_t i) {
        floor((GetInputs().*field)[i], f);
        benchmark::DoNotOptimize(f);
    }
    bool Agree(std::size_t i) {
        col.Clear();
        ours(i, col);
        floor((GetInputs().*field)[i], f);
        return SameOut(Read(col), f, points);
    }
};
using SegSeg = Crossing<OursSegSeg, FloorSegSeg, &Inputs::segSeg, 1>;
using ArcSeg = Crossing<OursArcSeg, FloorArcSeg, &Inputs::arcSeg, 2>;
using ArcArc = Crossing<OursArcArc, FloorArcArc, &Inputs::arcArc, 2>;

// A fillet: two touching points and the centre.
template <auto ours, auto floor, auto field> struct Fillet {
    CGMTRPoint2D p[3];
    Out f{};
    void Ours(std::size_t i) {
        ours(i, p);
        benchmark::DoNotOptimize(p);
    }
    void Floor(std::size_t i) {
        floor((GetInputs().*field)[i], f);
        benchmark::DoNotOptimize(f);
    }
    bool Agree(std::size_t i) {
        Ours(i);
        Floor(i);
        const Out o{{p[0].X(), p[0].Y(), p[1].X(), p[1].Y(), p[2].X(), p[2].Y()}, 3};
        return SameOut(o, f, 3);
    }
};
using LineTangency = Fillet<OursLineTangency, FloorLineTangency, &Inputs::lineTan>;
using ArcTangency = Fillet<OursArcTangency, FloorArcTangency, &Inputs::arcTan>;

// A distance or a percent (never negative on these inputs).
template <auto ours, auto floor, auto field> struct Scalar {
    void Ours(std::size_t i) { benchmark::DoNotOptimize(ours(i)); }
    void Floor(std::size_t i) { benchmark::DoNotOptimize(floor((GetInputs().*field)[i])); }
    bool Agree(std::size_t i) {
        const double o = ours(i), f = floor((GetInputs().*field)[i]);
        return f >= 0.0 && SameBits(&o, &f, 1);
    }
};
using ArcDistance = Scalar<OursArcDistance, FloorArcDistance, &Inputs::arcDistance>;
using ArcPointToPercent = Scalar<OursArcPercent, FloorArcPercent, &Inputs::arcPercent>;

// A rotation of one point about a centre, against the floor's rotation. Host
// runs it on input i and keeps what it got in `result`.
template <class Host> struct Rotation : Host {
    Out f{};
    void Ours(std::size_t i) {
        Host::Run(i);
        benchmark::DoNotOptimize(Host::result);
    }
    void Floor(std::size_t i) {
        FloorRotate(GetInputs().rotate[i], f);
        benchmark::DoNotOptimize(f);
    }
    bool Agree(std::size_t i) {
        Ours(i);
        Floor(i);
        return SameOut(Host::Get(), f, 1);
    }
};
// The host keeps one matrix and rebuilds it for every rotation (the builder
// replaces all nine entries), and one point that it sets to each input point
// before moving it; centres and points are its own objects.
struct KeptMatrix {
    CGMTRMatrix2D m;
    CGMTRPoint2D result;
    __attribute__((noinline)) void Run(std::size_t i) {
        const Objects::Rotation& r = GetObjects().rotate[i];
        m.SetToRotateBy(r.centre, r.angle);
        result = r.point;
        result *= m;
    }
    Out Get() const { return Out{{result.X(), result.Y()}, 1}; }
};
// The same rotation as one call: the point's own turn about a centre.
struct PointTurn {
    CGMTRPoint2D result;
    __attribute__((noinline)) void Run(std::size_t i) {
        const Objects::Rotation& r = GetObjects().rotate[i];
        result = r.point;
        result.RotateForPoint(r.centre, r.angle);
    }
    Out Get() const { return Out{{result.X(), result.Y()}, 1}; }
};
// Host patterns: the host holds its own coordinates, as the floor and the peers
// do; it makes the library's points (and a matrix) for the query and reads the
// coordinates of the result back.
struct MatrixPerQuery {
    Out result{};
    __attribute__((noinline)) void Run(std::size_t i) {
        const RotateIn& r = GetInputs().rotate[i];
        CGMTRMatrix2D m;
        m.SetToRotateBy(CGMTRPoint2D(r.px, r.py), r.angle);
        CGMTRPoint2D p(r.x, r.y);
        p *= m;
        // Only what the floor writes: two coordinates and the count.
        result.v[0] = p.X();
        result.v[1] = p.Y();
        result.n = 1;
    }
    Out Get() const { return result; }
};
struct TurnPerQuery {
    Out result{};
    __attribute__((noinline)) void Run(std::size_t i) {
        const RotateIn& r = GetInputs().rotate[i];
        CGMTRPoint2D p(r.x, r.y);
        p.RotateForPoint(CGMTRPoint2D(r.px, r.py), r.angle);
        // Only what the floor writes: two coordinates and the count.
        result.v[0] = p.X();
        result.v[1] = p.Y();
        result.n = 1;
    }
    Out Get() const { return result; }
};
using RotateByTransform = Rotation<KeptMatrix>;
using RotateForPoint = Rotation<PointTurn>;
using HostRotate = Rotation<MatrixPerQuery>;
using HostRotateForPoint = Rotation<TurnPerQuery>;

// Every copy of a line of 5 chained to a 3 x 2 grid, each placed by its own
// call: GetRepeatPoint2 on the bare coordinates, or (host pattern)
// GetRepeatPoint on the host's point.
template <bool host> struct Chain {
    double xy[2 * kChainCopies], f[2 * kChainCopies];
    void Ours(std::size_t i) {
        CGMTRRepeatLine2D& chain = *GetObjects().chain[i];
        const ChainIn& in = GetInputs().chain[i];
        double x = in.x, y = in.y;
        const CGMTRPoint2D point(in.x, in.y);
        const long copies = chain.GetCount();
        for (long n = 0; n < copies; ++n) {
            if (host) {
                const CGMTRPoint2D p = chain.GetRepeatPoint(n, point, point);
                xy[2 * n] = p.X();
                xy[2 * n + 1] = p.Y();
            } else {
                chain.GetRepeatPoint2(n, x, y, &xy[2 * n], &xy[2 * n + 1], point);
            }
        }
        benchmark::DoNotOptimize(xy);
    }
    void Floor(std::size_t i) {
        FloorChain(GetInputs().chain[i], f);
        benchmark::DoNotOptimize(f);
    }
    bool Agree(std::size_t i) {
        Ours(i);
        Floor(i);
        return SameBits(xy, f, 2 * kChainCopies);
    }
};
using RepeatChain = Chain<false>;
using HostRepeat = Chain<true>;

// Host pattern: the host empties its collection, asks for the crossing of two
// segments, then reads the count and each point back.
struct HostCrossing {
    CGMTRPoint2DCol col;
    Out o{}, f{};
    void Ours(std::size_t i) {
        col.Clear();
        OursSegSeg(i, col);
        ReadInto(col, o);
        benchmark::DoNotOptimize(o);
    }
    void Floor(std::size_t i) {
        FloorSegSeg(GetInputs().segSeg[i], f);
        benchmark::DoNotOptimize(f);
    }
    bool Agree(std::size_t i) {
        Ours(i);
        Floor(i);
        return SameOut(o, f, 1);
    }
};

// ---- Benchmarks -----------------------------------------------------------------

template <class Op> void BM_Ours(benchmark::State& state) {
    Op op;
    std::size_t i = 0;
    for (auto _ : state)
        op.Ours(i++ & kMask);
}

template <class Op> void BM_Floor(benchmark::State& state) {
    Op op;
    std::size_t i = 0;
    for (auto _ : state)
        op.Floor(i++ & kMask);
}

// Paired measurement for a shared, noisy machine: each iteration times a block
// of inputs through the library and then the same block through the other
// side, so both run microseconds apart under the same conditions. The counters
// give the time per input of each side and their ratio.
template <class O, class F> void Paired(benchmark::State& state, O ours, F other) {
    constexpr std::size_t kBlock = 128;
    using Clock = std::chrono::steady_clock;
    double oursNs = 0.0, otherNs = 0.0;
    std::size_t start = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (std::size_t k = 0; k < kBlock; ++k)
            ours((start + k) & kMask);
        const auto t1 = Clock::now();
        for (std::size_t k = 0; k < kBlock; ++k)
            other((start + k) & kMask);
        const auto t2 = Clock::now();
        oursNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        otherNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
        start += kBlock;
    }
    const double n = static_cast<double>(state.iterations()) * kBlock;
    state.counters["ours_ns"] = oursNs / n;
    state.counters["floor_ns"] = otherNs / n;
    state.counters["ratio"] = oursNs / otherNs;
}

template <class Op> void BM_Pair(benchmark::State& state) {
    Op op;
    Paired(
        state, [&](std::size_t i) { op.Ours(i); }, [&](std::size_t i) { op.Floor(i); });
}

template <class Op> int Disagreements(const char* name) {
    Op op;
    int bad = 0;
    for (std::size_t i = 0; i < kInputs; ++i) {
        if (op.Agree(i))
            continue;
        if (bad++ < 5)
            std::fprintf(stderr, "floor and library differ: %s input %zu\n", name, i);
    }
    return bad;
}

struct Operation {
    const char* name;
    void (*ours)(benchmark::State&);
    void (*floor)(benchmark::State&);
    void (*pair)(benchmark::State&);
    int (*disagreements)(const char*);
};

template <class Op> Operation Make(const char* name) {
    return {name, BM_Ours<Op>, BM_Floor<Op>, BM_Pair<Op>, Disagreements<Op>};
}

const Operation kOperations[] = {
    Make<SegSeg>("SegSeg"),
    Make<ArcSeg>("ArcSeg"),
    Make<ArcArc>("ArcArc"),
    Make<LineTangency>("LineTangency"),
    Make<ArcTangency>("ArcTangency"),
    Make<ArcDistance>("ArcDistance"),
    Make<ArcPointToPercent>("ArcPointToPercent"),
    Make<RotateByTransform>("RotateByTransform"),
    Make<RotateForPoint>("RotateForPoint"),
    Make<RepeatChain>("RepeatChain"),
    Make<HostCrossing>("HostCrossing"),
    Make<HostRotate>("HostRotate"),
    Make<HostRotateForPoint>("HostRotateForPoint"),
    Make<HostRepeat>("HostRepeat"),
};

// ---- Peers ------------------------------------------------------------------------

[[maybe_unused]] bool Near(const Out& ours, const Out& peer) {
    if (ours.n != peer.n)
        return false;
    for (int a = 0; a < ours.n; ++a) {
        const double x = ours.v[2 * a], y = ours.v[2 * a + 1];
        const double scale = std::max(1.0, std::fabs(x) + std::fabs(y));
        double best = INFINITY;
        for (int b = 0; b < peer.n; ++b)
            best = std::min(best, std::fabs(peer.v[2 * b] - x) + std::fabs(peer.v[2 * b + 1] - y));
        if (!(best <= 1e-6 * scale))
            return false;
    }
    return true;
}

// A peer on the job of an operation: checked first to find the floor's points
// (the library's bits) on every input, to 1e-6 of their size; then paired with
// the library side as above (the counters ours_ns, floor_ns and ratio hold
// ours, the peer and ours / peer). Returns the number of inputs it missed.
template <class Op> int AddPeer(const char* op, const char* peer, void (*run)(std::size_t, Out&)) {
    const std::string name = std::string("BM_") + op + "_Peer" + peer;
    int bad = 0;
    Op check;
    for (std::size_t i = 0; i < kInputs; ++i) {
        Out q{};
        check.Floor(i);
        run(i, q);
        if (!Near(check.f, q) && bad++ < 5)
            std::fprintf(stderr, "peer and library differ: %s input %zu\n", name.c_str(), i);
    }
    benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) {
        Op op;
        Out f{};
        Paired(
            state, [&](std::size_t i) { op.Ours(i); },
            [&](std::size_t i) {
                run(i, f);
                benchmark::DoNotOptimize(f);
            });
    });
    return bad;
}

int RegisterPeers() {
    int bad = 0;
#ifdef GMTRRT_BENCH_CGAL
    std::fprintf(stderr, "peer: %s\n", kCgalName);
    BuildCgalObjects();
    bad += AddPeer<SegSeg>("SegSeg", "CGAL", CgalSegSeg);
    bad += AddPeer<ArcSeg>("ArcSeg", "CGAL", CgalArcSeg);
    bad += AddPeer<ArcArc>("ArcArc", "CGAL", CgalArcArc);
    bad += AddPeer<HostCrossing>("HostCrossing", "CGAL", CgalSegSeg);
#endif
#ifdef GMTRRT_BENCH_OCCT
    std::fprintf(stderr, "peer: %s\n", kOcctName);
    bad += AddPeer<HostRotate>("HostRotate", "OpenCASCADE", OcctRotate);
    bad += AddPeer<HostRotateForPoint>("HostRotateForPoint", "OpenCASCADE", OcctRotate);
#endif
#ifdef GMTRRT_BENCH_BOOST
    std::fprintf(stderr, "peer: %s\n", kBoostName);
    bad += AddPeer<HostRotate>("HostRotate", "Boost", BoostRotate);
    bad += AddPeer<HostRotateForPoint>("HostRotateForPoint", "Boost", BoostRotate);
#endif
    return bad;
}

} // namespace

int main(int argc, char** argv) {
    GetObjects();
    int bad = 0;
    for (const Operation& op : kOperations)
        bad += op.disagreements(op.name);
    if (bad != 0) {
        std::fprintf(stderr, "%d results of the floor differ from the library's\n", bad);
        return 1;
    }
    for (const Operation& op : kOperations) {
        benchmark::RegisterBenchmark((std::string("BM_") + op.name + "_Ours").c_str(), op.ours);
        benchmark::RegisterBenchmark((std::string("BM_") + op.name + "_Floor").c_str(), op.floor);
    }
    for (const Operation& op : kOperations)
        benchmark::RegisterBenchmark((std::string("BM_") + op.name + "_Pair").c_str(), op.pair);
    if (RegisterPeers() != 0) {
        std::fprintf(stderr, "results of a peer differ from the library's\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
