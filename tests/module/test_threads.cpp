// Several threads run the read-only queries at once on shared objects that
// nobody writes, which the library allows: crossings and fillets into each
// thread's own outputs, distances, nearest points and percents, repeat
// placements through one shared chain, collection reads. Each thread must get
// what one thread alone gets, bit for bit; a ThreadSanitizer build also
// checks that no query writes to what it shares.
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRTransform3D.h"
#include "support/TestSupport.h"

#include <atomic>
#include <thread>

namespace {

// Built once before the threads start; afterwards only read.
struct Shared {
    CGMTRLine2D s1 = Seg(0, 0, 10, 0), s2 = Seg(5, -5, 5, 5), oblique = Seg(-3, -1, 4, 2.5);
    CGMTRArc2D a = MakeArc(0, 0, 2, 0, GMTR_2PI), b = MakeArc(2, 0, 2, 0.3, 4.0),
               cw = MakeArc(1, -1, 3, 2.0, -2.5), part = MakeArc(0, 0, 2, 1.0, 1.5);
    CGMTRRepeatLine2D chain;
    CGMTRPoint2DCol points;
    CGMTRBaseGeo2DCol entities;
    CGMTRMatrix2D turn;
    CGMTRTransform3D move;
    Shared() {
        CGMTRRepeatGrid grid;
        CGMTRRepeatArc2D arc;
        CGMTRRepeatArcSymmetry2D sym;
        chain.ConstructRepeatLine(0.3, 4.0, 3);
        grid.ConstructRepeatGrid(2, 3, 3, 2, 0.7);
        arc.ConstructRepeatArc(1, 2, 0.4, 3);
        sym.ConstructRepeatArc(-1, 0, -0.9, 2);
        chain.SetRepeat(&grid);
        chain.SetRepeat(&arc);
        chain.SetRepeat(&sym);
        for (int i = 0; i < 20; ++i)
            points.Add(P(0.37 * i - 3, 1.5 - 0.21 * i * i / 4));
        for (CGMTRBaseGeo2D* e :
             {static_cast<CGMTRBaseGeo2D*>(&s1), static_cast<CGMTRBaseGeo2D*>(&oblique),
              static_cast<CGMTRBaseGeo2D*>(&b), static_cast<CGMTRBaseGeo2D*>(&cw)})
            entities.Add(e->Clone());
        turn.SetToRotateBy(P(1, 2), 0.8);
        CGMTRRotate3D r;
        r.Define(0.3, -1.1, 0.6);
        move = CGMTRTransform3D(CGMTRVector3D(1, -2, 3), r);
    }
};

// Every result of one round of queries, in a fixed order.
std::vector<double> Round(Shared& s) {
    std::vector<double> out;
    auto put = [&out](const CGMTRPoint2D& p) {
        out.push_back(p.X());
        out.push_back(p.Y());
    };
    CGMTRPoint2DCol col; // this thread's own
    s.s1.GetCrossPoint(s.s2, col);
    s.a.GetCrossPointArc(s.b, col);
    s.cw.GetCrossPointArc(s.part, col);
    s.a.GetCrossPointLine(s.oblique, col);
    s.a.GetCrossPointLineEx(s.oblique, col);
    s.oblique.FGetCrossPoint(&s.cw, col);
    s.b.FGetCrossPoint(&s.a, col);
    for (const CGMTRPoint2D& p : Points(col))
        put(p);
    CGMTRPoint2D f1, f2, f3, g1, g2, g3, j;
    s.a.ArcTangencyDistance(s.b, 0.5, f1, f2, f3);
    s.a.LineTangencyDistance(Seg(2, 0, 6, 0), P(2, 0), 1.0, g1, g2, g3);
    for (const CGMTRPoint2D& p : {f1, f2, f3, g1, g2, g3})
        put(p);
    CGMTRArc2D joined = s.part;
    out.push_back(s.a.GetConedArc(s.part, joined));
    double t1 = 0, t2 = 0;
    s.cw.GetArcArcAngle(s.b, s.cw.GetEndPoint(), t1, t2, 1);
    out.insert(out.end(), {t1, t2, joined.GetSweepAngle()});
    CGMTRBaseGeo2D* const all[] = {&s.s1, &s.oblique, &s.a, &s.b, &s.cw, &s.part};
    for (int k = 0; k < 40; ++k) {
        const CGMTRPoint2D q(std::cos(0.7 * k) * 0.15 * k, std::sin(1.3 * k) * 0.12 * k);
        for (CGMTRBaseGeo2D* e : all) {
            out.push_back(e->Distance(q));
            put(e->FGetNearestPoint(q));
            out.push_back(e->PointToPercent(e->PercentToPoint(0.025 * k)));
            out.push_back(e->DistanceToPercent(k % 2, 0.1 * k));
        }
        out.push_back(s.cw.GetVerticalDis(q));
        out.push_back(s.cw.CheckAngleRange(0.2 * k));
        out.push_back(s.oblique.GetVerticalDis(q));
        CGMTRPoint2D moved(q);
        moved *= s.turn;
        put(moved);
    }
    for (long n = 0; n < s.chain.GetCount() + 5; ++n) {
        double x = 1.5, y = -0.5;
        s.chain.GetRepeatPoint2(n, x, y, &x, &y, P(2, 2));
        out.insert(out.end(), {x, y, s.chain.GetRepeatAngle(n, 0.25)});
        put(s.chain.GetRepeatPoint(n, P(2, 2), P(2, 2)));
    }
    for (long i = 0; i < s.points.GetCount(); ++i) {
        s.points.get_Item(i, j);
        put(j);
    }
    for (long i = 0; i < s.entities.GetCount(); ++i)
        put(s.entities.get_Item(i)->FGetMidPoint());
    CGMTRPoint3D p3(1, 2, 3);
    p3.TransForm(s.move);
    out.insert(out.end(), {p3.X(), p3.Y(), p3.Z()});
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
            int wrong = 0;
            for (int r = 0; r < kRounds; ++r)
                wrong += !Same(Round(shared), reference);
            mismatches[static_cast<size_t>(t)] = wrong;
        });
    go = true;
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
    EXPECT_TRUE(Same(Round(shared), reference)); // and the shared objects are as they were
}
