// Several threads run the read-only queries at once on shared objects that
// nobody writes, as the library allows: crossings and fillets into each
// thread's own outputs, distances, nearest points and percents, repeat
// placements through one shared chain. Each must get what one thread alone
// gets, bit for bit; a ThreadSanitizer build also reports a query that writes
// to what it shares.
#include "CGMTRMatrix2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "support/TestSupport.h"

#include <atomic>
#include <thread>

namespace {
// Built before the threads start; afterwards only read.
struct Shared {
    CGMTRLine2D s1 = Seg(0, 0, 10, 0), s2 = Seg(5, -5, 5, 5), oblique = Seg(-3, -1, 4, 2.5);
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, GMTR_2PI), b = MakeArc(2, 0, 2, 0.3, 4.0),
               cw = MakeArc(1, -1, 3, 2.0, -2.5), part = MakeArc(0, 0, 2, 1.0, 1.5);
    CGMTRBaseGeo2D* all[6] = {&s1, &oblique, &a, &b, &cw, &part};
    CGMTRRepeatLine2D chain;
    CGMTRMatrix2D turn;
    Shared() {
        CGMTRRepeatGrid grid;
        CGMTRRepeatArcSymmetry2D sym;
        chain.ConstructRepeatLine(0.3, 4.0, 3);
        grid.ConstructRepeatGrid(2, 3, 3, 2, 0.7);
        sym.ConstructRepeatArc(-1, 0, -0.9, 2);
        chain.SetRepeat(&grid);
        chain.SetRepeat(&sym);
        turn.SetToRotateBy(P(1, 2), 0.8);
    }
};

// Every result of one round of queries, in a fixed order.
std::vector<double> Round(Shared& s) {
    CGMTRPoint2DCol col; // this thread's own
    s.s1.GetCrossPoint(s.s2, col);
    s.a.GetCrossPointArc(s.b, col);
    s.cw.GetCrossPointArc(s.part, col);
    s.a.GetCrossPointLine(s.oblique, col);
    s.oblique.FGetCrossPoint(&s.cw, col);
    s.b.FGetCrossPoint(&s.a, col);
    CGMTRPoint2D f[6];
    s.a.ArcTangencyDistance(s.b, 0.5, f[0], f[1], f[2]);
    s.a.LineTangencyDistance(Seg(2, 0, 6, 0), P(2, 0), 1.0, f[3], f[4], f[5]);
    for (const CGMTRPoint2D& p : f)
        col.Add(p);
    for (int k = 0; k < 40; ++k) {
        const CGMTRPoint2D q(std::cos(0.7 * k) * 0.15 * k, std::sin(1.3 * k) * 0.12 * k);
        for (CGMTRBaseGeo2D* e : s.all) {
            col.Add(e->FGetNearestPoint(q));
            col.Add(P(e->Distance(q), e->PointToPercent(e->PercentToPoint(0.025 * k))));
            col.Add(P(e->DistanceToPercent(k % 2, 0.1 * k), s.cw.GetVerticalDis(q)));
        }
        CGMTRPoint2D moved(q);
        moved *= s.turn;
        col.Add(moved);
    }
    for (long n = 0; n < s.chain.GetCount() + 5; ++n) {
        double x = 1.5, y = -0.5;
        s.chain.GetRepeatPoint2(n, x, y, &x, &y, P(2, 2));
        col.Add(P(x, y));
        col.Add(s.chain.GetRepeatPoint(n, P(2, 2), P(2, 2)));
        col.Add(P(s.chain.GetRepeatAngle(n, 0.25), 0));
    }
    CGMTRArc2D joined = s.part;
    double t1 = 0, t2 = 0;
    s.cw.GetArcArcAngle(s.b, s.cw.GetEndPoint(), t1, t2, 1);
    col.Add(P(t1, t2));
    col.Add(P(s.a.GetConedArc(s.part, joined), joined.GetSweepAngle()));
    std::vector<double> out;
    for (const CGMTRPoint2D& p : Points(col))
        out.insert(out.end(), {p.X(), p.Y()});
    return out;
}

bool Same(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}
} // namespace

TEST(Threads, ConcurrentReadOnlyQueriesGiveWhatOneThreadGets) {
    Shared shared;
    const std::vector<double> reference = Round(shared);
    ASSERT_GT(reference.size(), 1000u);
    // The threads share nothing but the start signal: a counter they all
    // updated would order their queries and hide a write from the sanitizer.
    constexpr int kThreads = 4, kRounds = 50;
    std::atomic<bool> go{false};
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            while (!go.load())
                std::this_thread::yield();
            for (int r = 0; r < kRounds; ++r)
                mismatches[static_cast<size_t>(t)] += !Same(Round(shared), reference);
        });
    go = true;
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
    EXPECT_TRUE(Same(Round(shared), reference)); // and the shared objects are as they were
}
