// Each listed query of the library against its floor (floor.cpp), on the same
// fixed inputs cycled through a few thousand cases. Before the benchmarks run,
// every floor is checked to give the library's results bit for bit, so the two
// sides of each pair compute the same thing.
#include "bench_data.h"

#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <benchmark/benchmark.h>

#ifdef GMTRRT_BENCH_PEERS
#include "peers.h"
#include <algorithm>
#include <cmath>
#endif

#include <chrono>

#include <cstdio>
#include <cstring>
#include <memory>
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

// ---- The library side of each pair -----------------------------------------

// In the timed loops the crossings accumulate in the host's collection, which
// is emptied every kClearEvery queries; its storage is reserved beforehand, so
// no query allocates.
constexpr std::size_t kClearEvery = 32;

void Reserve(CGMTRPoint2DCol& col) {
    for (std::size_t k = 0; k < 4 * kClearEvery; ++k)
        col.Add(CGMTRPoint2D());
    col.Clear();
}

void OursSegSeg(std::size_t i, CGMTRPoint2DCol& col, bool clear = true) {
    const Objects& o = GetObjects();
    if (clear)
        col.Clear();
    Objects::SegmentPair& pair = const_cast<Objects::SegmentPair&>(o.segSeg[i]);
    pair.a.GetCrossPoint(pair.b, col);
}

void OursArcSeg(std::size_t i, CGMTRPoint2DCol& col, bool clear = true) {
    const Objects& o = GetObjects();
    if (clear)
        col.Clear();
    o.arcSegArc[i].GetCrossPointLine(o.arcSegLine[i], col);
}

void OursArcArc(std::size_t i, CGMTRPoint2DCol& col, bool clear = true) {
    const Objects& o = GetObjects();
    if (clear)
        col.Clear();
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

// The host keeps one matrix and rebuilds it for every rotation (the builder
// replaces all nine entries), and one point that it sets to each input point
// before moving it; centres and points are its own objects.
void OursRotate(std::size_t i, CGMTRMatrix2D& m, CGMTRPoint2D& p) {
    const Objects& o = GetObjects();
    const Objects::Rotation& r = o.rotate[i];
    m.SetToRotateBy(r.centre, r.angle);
    p = r.point;
    p *= m;
}

// The same rotation as one call: the point's own turn about a centre, which
// builds that matrix and applies it inside the library.
void OursRotateForPoint(std::size_t i, CGMTRPoint2D& p) {
    const Objects& o = GetObjects();
    const Objects::Rotation& r = o.rotate[i];
    p = r.point;
    p.RotateForPoint(r.centre, r.angle);
}

void OursChain(std::size_t i, double* xy) {
    CGMTRRepeatLine2D& chain = *GetObjects().chain[i];
    const ChainIn& in = GetInputs().chain[i];
    double x = in.x, y = in.y;
    const CGMTRPoint2D ref(in.x, in.y);
    const long copies = chain.GetCount();
    for (long n = 0; n < copies; ++n)
        chain.GetRepeatPoint2(n, x, y, &xy[2 * n], &xy[2 * n + 1], ref);
}

// ---- Bit-for-bit agreement of the two sides ---------------------------------

int g_mismatches = 0;

void Expect(const char* op, std::size_t i, const double* a, const double* b, int n) {
    if (std::memcmp(a, b, sizeof(double) * static_cast<std::size_t>(n)) != 0) {
        if (g_mismatches < 10)
            std::fprintf(stderr, "floor and library differ: %s input %zu\n", op, i);
        ++g_mismatches;
    }
}

void ExpectCol(const char* op, std::size_t i, const CGMTRPoint2DCol& col, const Out& f) {
    double got[4] = {0, 0, 0, 0};
    for (int k = 0; k < col.GetCount() && k < 2; ++k) {
        CGMTRPoint2D p;
        col.get_Item(k, p);
        got[2 * k] = p.X();
        got[2 * k + 1] = p.Y();
    }
    if (col.GetCount() != f.n) {
        std::fprintf(stderr, "floor and library differ in count: %s input %zu (%d, %d)\n", op, i,
                     col.GetCount(), f.n);
        ++g_mismatches;
        return;
    }
    Expect(op, i, got, f.v, 2 * f.n);
}

void ExpectThree(const char* op, std::size_t i, const CGMTRPoint2D* p, const Out& f) {
    const double got[6] = {p[0].X(), p[0].Y(), p[1].X(), p[1].Y(), p[2].X(), p[2].Y()};
    if (f.n != 3) {
        std::fprintf(stderr, "floor found no fillet: %s input %zu\n", op, i);
        ++g_mismatches;
        return;
    }
    Expect(op, i, got, f.v, 6);
}

int CheckAgreement() {
    const Inputs& in = GetInputs();
    CGMTRPoint2DCol col;
    for (std::size_t i = 0; i < kInputs; ++i) {
        Out f{};
        OursSegSeg(i, col);
        FloorSegSeg(in.segSeg[i], f);
        ExpectCol("SegSeg", i, col, f);
        if (f.n != 1)
            ++g_mismatches;
        OursArcSeg(i, col);
        FloorArcSeg(in.arcSeg[i], f);
        ExpectCol("ArcSeg", i, col, f);
        if (f.n != 2)
            ++g_mismatches;
        OursArcArc(i, col);
        FloorArcArc(in.arcArc[i], f);
        ExpectCol("ArcArc", i, col, f);
        if (f.n != 2)
            ++g_mismatches;
        CGMTRPoint2D p[3];
        OursLineTangency(i, p);
        FloorLineTangency(in.lineTan[i], f);
        ExpectThree("LineTangency", i, p, f);
        OursArcTangency(i, p);
        FloorArcTangency(in.arcTan[i], f);
        ExpectThree("ArcTangency", i, p, f);
        const double d1 = OursArcDistance(i), d2 = FloorArcDistance(in.arcDistance[i]);
        Expect("ArcDistance", i, &d1, &d2, 1);
        const double p1 = OursArcPercent(i), p2 = FloorArcPercent(in.arcPercent[i]);
        Expect("ArcPercent", i, &p1, &p2, 1);
        if (p2 == -1.0)
            ++g_mismatches;
        CGMTRMatrix2D m;
        CGMTRPoint2D r;
        OursRotate(i, m, r);
        FloorRotate(in.rotate[i], f);
        const double rr[2] = {r.X(), r.Y()};
        Expect("Rotate", i, rr, f.v, 2);
        CGMTRPoint2D r2;
        OursRotateForPoint(i, r2);
        const double rr2[2] = {r2.X(), r2.Y()};
        Expect("RotateForPoint", i, rr2, f.v, 2);
        double a[2 * kChainCopies], b[2 * kChainCopies];
        OursChain(i, a);
        FloorChain(in.chain[i], b);
        Expect("Chain", i, a, b, 2 * kChainCopies);
    }
    return g_mismatches;
}

// ---- Benchmarks ---------------------------------------------------------------

template <typename F> void Loop(benchmark::State& state, F f) {
    std::size_t i = 0;
    for (auto _ : state) {
        f(i & kMask);
        ++i;
    }
}

void BM_SegSeg_Ours(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Loop(s, [&](std::size_t i) {
        OursSegSeg(i, col, (i % kClearEvery) == 0);
        benchmark::DoNotOptimize(col);
    });
}
void BM_SegSeg_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorSegSeg(GetInputs().segSeg[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_ArcSeg_Ours(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Loop(s, [&](std::size_t i) {
        OursArcSeg(i, col, (i % kClearEvery) == 0);
        benchmark::DoNotOptimize(col);
    });
}
void BM_ArcSeg_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorArcSeg(GetInputs().arcSeg[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_ArcArc_Ours(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Loop(s, [&](std::size_t i) {
        OursArcArc(i, col, (i % kClearEvery) == 0);
        benchmark::DoNotOptimize(col);
    });
}
void BM_ArcArc_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorArcArc(GetInputs().arcArc[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_LineTangency_Ours(benchmark::State& s) {
    CGMTRPoint2D p[3];
    Loop(s, [&](std::size_t i) {
        OursLineTangency(i, p);
        benchmark::DoNotOptimize(p);
    });
}
void BM_LineTangency_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorLineTangency(GetInputs().lineTan[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_ArcTangency_Ours(benchmark::State& s) {
    CGMTRPoint2D p[3];
    Loop(s, [&](std::size_t i) {
        OursArcTangency(i, p);
        benchmark::DoNotOptimize(p);
    });
}
void BM_ArcTangency_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorArcTangency(GetInputs().arcTan[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_ArcDistance_Ours(benchmark::State& s) {
    Loop(s, [&](std::size_t i) { benchmark::DoNotOptimize(OursArcDistance(i)); });
}
void BM_ArcDistance_Floor(benchmark::State& s) {
    Loop(s, [&](std::size_t i) {
        benchmark::DoNotOptimize(FloorArcDistance(GetInputs().arcDistance[i]));
    });
}
void BM_ArcPointToPercent_Ours(benchmark::State& s) {
    Loop(s, [&](std::size_t i) { benchmark::DoNotOptimize(OursArcPercent(i)); });
}
void BM_ArcPointToPercent_Floor(benchmark::State& s) {
    Loop(s, [&](std::size_t i) {
        benchmark::DoNotOptimize(FloorArcPercent(GetInputs().arcPercent[i]));
    });
}
void BM_RotateByTransform_Ours(benchmark::State& s) {
    CGMTRMatrix2D m;
    CGMTRPoint2D p;
    Loop(s, [&](std::size_t i) {
        OursRotate(i, m, p);
        benchmark::DoNotOptimize(p);
    });
}
void BM_RotateByTransform_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorRotate(GetInputs().rotate[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_RotateForPoint_Ours(benchmark::State& s) {
    CGMTRPoint2D p;
    Loop(s, [&](std::size_t i) {
        OursRotateForPoint(i, p);
        benchmark::DoNotOptimize(p);
    });
}
void BM_RotateForPoint_Floor(benchmark::State& s) {
    Out f;
    Loop(s, [&](std::size_t i) {
        FloorRotate(GetInputs().rotate[i], f);
        benchmark::DoNotOptimize(f);
    });
}
void BM_RepeatChain_Ours(benchmark::State& s) {
    double xy[2 * kChainCopies];
    Loop(s, [&](std::size_t i) {
        OursChain(i, xy);
        benchmark::DoNotOptimize(xy);
    });
}
void BM_RepeatChain_Floor(benchmark::State& s) {
    double xy[2 * kChainCopies];
    Loop(s, [&](std::size_t i) {
        FloorChain(GetInputs().chain[i], xy);
        benchmark::DoNotOptimize(xy);
    });
}

// Paired measurement for a shared, noisy machine: each iteration times a block
// of inputs through the library and then the same block through the floor,
// so both sides run microseconds apart under the same conditions. The
// counters give the time per input of each side and their ratio.
template <typename O, typename F> void Paired(benchmark::State& state, O ours, F floor) {
    constexpr std::size_t kBlock = 128;
    using Clock = std::chrono::steady_clock;
    double oursNs = 0.0, floorNs = 0.0;
    std::size_t start = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (std::size_t k = 0; k < kBlock; ++k)
            ours((start + k) & kMask);
        const auto t1 = Clock::now();
        for (std::size_t k = 0; k < kBlock; ++k)
            floor((start + k) & kMask);
        const auto t2 = Clock::now();
        oursNs += std::chrono::duration<double, std::nano>(t1 - t0).count();
        floorNs += std::chrono::duration<double, std::nano>(t2 - t1).count();
        start += kBlock;
    }
    const double n = static_cast<double>(state.iterations()) * kBlock;
    state.counters["ours_ns"] = oursNs / n;
    state.counters["floor_ns"] = floorNs / n;
    state.counters["ratio"] = oursNs / floorNs;
}

void BM_SegSeg_Pair(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursSegSeg(i, col, (i % kClearEvery) == 0);
            benchmark::DoNotOptimize(col);
        },
        [&](std::size_t i) {
            FloorSegSeg(GetInputs().segSeg[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_ArcSeg_Pair(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursArcSeg(i, col, (i % kClearEvery) == 0);
            benchmark::DoNotOptimize(col);
        },
        [&](std::size_t i) {
            FloorArcSeg(GetInputs().arcSeg[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_ArcArc_Pair(benchmark::State& s) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursArcArc(i, col, (i % kClearEvery) == 0);
            benchmark::DoNotOptimize(col);
        },
        [&](std::size_t i) {
            FloorArcArc(GetInputs().arcArc[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_LineTangency_Pair(benchmark::State& s) {
    CGMTRPoint2D p[3];
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursLineTangency(i, p);
            benchmark::DoNotOptimize(p);
        },
        [&](std::size_t i) {
            FloorLineTangency(GetInputs().lineTan[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_ArcTangency_Pair(benchmark::State& s) {
    CGMTRPoint2D p[3];
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursArcTangency(i, p);
            benchmark::DoNotOptimize(p);
        },
        [&](std::size_t i) {
            FloorArcTangency(GetInputs().arcTan[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_ArcDistance_Pair(benchmark::State& s) {
    Paired(
        s, [&](std::size_t i) { benchmark::DoNotOptimize(OursArcDistance(i)); },
        [&](std::size_t i) {
            benchmark::DoNotOptimize(FloorArcDistance(GetInputs().arcDistance[i]));
        });
}
void BM_ArcPointToPercent_Pair(benchmark::State& s) {
    Paired(
        s, [&](std::size_t i) { benchmark::DoNotOptimize(OursArcPercent(i)); },
        [&](std::size_t i) {
            benchmark::DoNotOptimize(FloorArcPercent(GetInputs().arcPercent[i]));
        });
}
void BM_RotateByTransform_Pair(benchmark::State& s) {
    CGMTRMatrix2D m;
    CGMTRPoint2D p;
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursRotate(i, m, p);
            benchmark::DoNotOptimize(p);
        },
        [&](std::size_t i) {
            FloorRotate(GetInputs().rotate[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_RotateForPoint_Pair(benchmark::State& s) {
    CGMTRPoint2D p;
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            OursRotateForPoint(i, p);
            benchmark::DoNotOptimize(p);
        },
        [&](std::size_t i) {
            FloorRotate(GetInputs().rotate[i], f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_RepeatChain_Pair(benchmark::State& s) {
    double xy[2 * kChainCopies];
    Paired(
        s,
        [&](std::size_t i) {
            OursChain(i, xy);
            benchmark::DoNotOptimize(xy);
        },
        [&](std::size_t i) {
            FloorChain(GetInputs().chain[i], xy);
            benchmark::DoNotOptimize(xy);
        });
}

#ifdef GMTRRT_BENCH_PEERS
// The peer against the library, paired the same way: the counters ours_ns,
// floor_ns and ratio hold ours, the peer and ours / peer.
template <typename O, typename P> void PeerPaired(benchmark::State& s, O ours, P peer) {
    CGMTRPoint2DCol col;
    Reserve(col);
    Out f;
    Paired(
        s,
        [&](std::size_t i) {
            ours(i, col, (i % kClearEvery) == 0);
            benchmark::DoNotOptimize(col);
        },
        [&](std::size_t i) {
            peer(i, f);
            benchmark::DoNotOptimize(f);
        });
}
void BM_SegSeg_PeerPair(benchmark::State& s) {
    PeerPaired(s, OursSegSeg, PeerSegSeg);
}
void BM_ArcSeg_PeerPair(benchmark::State& s) {
    PeerPaired(s, OursArcSeg, PeerArcSeg);
}
void BM_ArcArc_PeerPair(benchmark::State& s) {
    PeerPaired(s, OursArcArc, PeerArcArc);
}
BENCHMARK(BM_SegSeg_PeerPair);
BENCHMARK(BM_ArcSeg_PeerPair);
BENCHMARK(BM_ArcArc_PeerPair);

// The peer finds the same number of points as the library, each near one of
// the library's; returns the number of inputs where it does not.
int CheckPeer() {
    const Inputs& in = GetInputs();
    int bad = 0;
    double worst = 0.0;
    auto compare = [&](const Out& ours, const Out& peer) {
        if (ours.n != peer.n)
            return false;
        for (int a = 0; a < ours.n; ++a) {
            const double x = ours.v[2 * a], y = ours.v[2 * a + 1];
            const double scale = std::max(1.0, std::fabs(x) + std::fabs(y));
            double best = INFINITY;
            for (int b = 0; b < peer.n; ++b)
                best =
                    std::min(best, std::fabs(peer.v[2 * b] - x) + std::fabs(peer.v[2 * b + 1] - y));
            worst = std::max(worst, best / scale);
            if (!(best <= 1e-6 * scale))
                return false;
        }
        return true;
    };
    for (std::size_t i = 0; i < kInputs; ++i) {
        Out f, p;
        FloorSegSeg(in.segSeg[i], f);
        PeerSegSeg(i, p);
        bad += compare(f, p) ? 0 : 1;
        FloorArcSeg(in.arcSeg[i], f);
        PeerArcSeg(i, p);
        bad += compare(f, p) ? 0 : 1;
        FloorArcArc(in.arcArc[i], f);
        PeerArcArc(i, p);
        bad += compare(f, p) ? 0 : 1;
    }
    std::fprintf(stderr, "peer: %s; largest distance from the library's points %.2g (relative)\n",
                 kPeerName, worst);
    return bad;
}
#endif

BENCHMARK(BM_SegSeg_Ours);
BENCHMARK(BM_SegSeg_Floor);
BENCHMARK(BM_ArcSeg_Ours);
BENCHMARK(BM_ArcSeg_Floor);
BENCHMARK(BM_ArcArc_Ours);
BENCHMARK(BM_ArcArc_Floor);
BENCHMARK(BM_LineTangency_Ours);
BENCHMARK(BM_LineTangency_Floor);
BENCHMARK(BM_ArcTangency_Ours);
BENCHMARK(BM_ArcTangency_Floor);
BENCHMARK(BM_ArcDistance_Ours);
BENCHMARK(BM_ArcDistance_Floor);
BENCHMARK(BM_ArcPointToPercent_Ours);
BENCHMARK(BM_ArcPointToPercent_Floor);
BENCHMARK(BM_RotateByTransform_Ours);
BENCHMARK(BM_RotateByTransform_Floor);
BENCHMARK(BM_RotateForPoint_Ours);
BENCHMARK(BM_RotateForPoint_Floor);
BENCHMARK(BM_RepeatChain_Ours);
BENCHMARK(BM_RepeatChain_Floor);
BENCHMARK(BM_SegSeg_Pair);
BENCHMARK(BM_ArcSeg_Pair);
BENCHMARK(BM_ArcArc_Pair);
BENCHMARK(BM_LineTangency_Pair);
BENCHMARK(BM_ArcTangency_Pair);
BENCHMARK(BM_ArcDistance_Pair);
BENCHMARK(BM_ArcPointToPercent_Pair);
BENCHMARK(BM_RotateByTransform_Pair);
BENCHMARK(BM_RotateForPoint_Pair);
BENCHMARK(BM_RepeatChain_Pair);

} // namespace

int main(int argc, char** argv) {
    GetObjects();
    const int bad = CheckAgreement();
    if (bad != 0) {
        std::fprintf(stderr, "%d results of the floor differ from the library's\n", bad);
        return 1;
    }
#ifdef GMTRRT_BENCH_PEERS
    BuildPeerObjects();
    const int peerBad = CheckPeer();
    if (peerBad != 0) {
        std::fprintf(stderr, "%d results of the peer differ from the library's\n", peerBad);
        return 1;
    }
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
