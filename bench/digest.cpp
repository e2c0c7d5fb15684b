// Prints a bit-exact digest of many query results over seeded inputs, one
// line per group. Run it before and after a change to the library: equal
// lines mean bit-identical results. Inputs mix generic values near the origin
// and around 1e6 with special ones (zeros of both signs, quarter turns,
// infinities, NaN).
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <random>
#include <string>

namespace {

std::map<int, std::uint64_t> g_lines; // per call site, printed with --lines

struct Digest {
    std::uint64_t h = 1469598103934665603ull;
    void Add(double v, int line = __builtin_LINE()) {
        std::uint64_t& l = g_lines.emplace(line, 1469598103934665603ull).first->second;
        // Every NaN counts as one value: the sign and payload of a NaN follow
        // the operand order the compiler picks and carry no meaning.
        if (std::isnan(v))
            v = std::numeric_limits<double>::quiet_NaN();
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        l = (l ^ bits) * 1099511628211ull;
        for (int i = 0; i < 8; ++i) {
            h ^= (bits >> (8 * i)) & 0xff;
            h *= 1099511628211ull;
        }
    }
    void Add(const CGMTRPoint2D& p, int line = __builtin_LINE()) {
        Add(p.X(), line);
        Add(p.Y(), line);
    }
    void Add(const CGMTRPoint2DCol& c, int line = __builtin_LINE()) {
        Add(static_cast<double>(c.GetCount()), line);
        for (int i = 0; i < c.GetCount(); ++i) {
            CGMTRPoint2D p;
            c.get_Item(i, p);
            Add(p, line);
        }
    }
};

std::mt19937_64 gen(7);

double Uniform(double lo, double hi) {
    return lo + (hi - lo) * (static_cast<double>(gen() >> 11) * 0x1.0p-53);
}

// Mostly generic values; now and then a special one.
double Val(double lo, double hi) {
    const unsigned k = static_cast<unsigned>(gen() % 64);
    switch (k) {
    case 0:
        return 0.0;
    case 1:
        return -0.0;
    case 2:
        return std::numeric_limits<double>::infinity();
    case 3:
        return std::numeric_limits<double>::quiet_NaN();
    case 4:
        return GMTR_HALF_PI;
    case 5:
        return -GMTR_PI;
    case 6:
        return 1.0;
    case 7:
        return std::round(Uniform(lo, hi));
    case 8:
        return 1e6 + Uniform(lo, hi);
    default:
        return Uniform(lo, hi);
    }
}

CGMTRArc2D RandomArc() {
    CGMTRArc2D a;
    a.PutBasePoint(CGMTRPoint2D(Val(-10, 10), Val(-10, 10)));
    a.PutBaseVector(CGMTRVector2D(Val(-5, 5), Val(-5, 5)));
    const unsigned k = static_cast<unsigned>(gen() % 8);
    a.PutSweepAngle(k == 0 ? 2 * GMTR_PI : Val(-7, 7));
    return a;
}

CGMTRLine2D RandomLine() {
    return CGMTRLine2D(CGMTRPoint2D(Val(-10, 10), Val(-10, 10)),
                       CGMTRPoint2D(Val(-10, 10), Val(-10, 10)));
}

} // namespace

int main(int argc, char** argv) {
    const bool lines = argc > 1 && std::string(argv[1]) == "--lines";
    const int n = 200000;
    Digest seg, arcq, cross, tangency, matrix, repeat;
    for (int i = 0; i < n; ++i) {
        CGMTRLine2D l1 = RandomLine(), l2 = RandomLine();
        CGMTRArc2D a1 = RandomArc(), a2 = RandomArc();
        const CGMTRPoint2D p(Val(-10, 10), Val(-10, 10));
        const double t = Val(-1, 2);

        seg.Add(l1.get_EndPoint());
        seg.Add(l1.GetMidPoint());
        seg.Add(l1.GetVerticalDis(p));
        seg.Add(l1.GetVerticalPoint(p));
        seg.Add(l1.GetNearestPoint(p));
        seg.Add(l1.Distance(p));
        seg.Add(l1.PointToPercent(p));
        seg.Add(l1.PercentToPoint(t));
        seg.Add(l1.DistanceToPercent(0, t));
        CGMTRPoint2D ex(9, 9);
        seg.Add(l1.GetCrossPointEx(l2, ex));
        seg.Add(ex);

        arcq.Add(a1.GetRadius());
        arcq.Add(a1.GetBaseAngle());
        arcq.Add(a1.GetSweepAngle());
        arcq.Add(a1.GetStartPoint());
        arcq.Add(a1.GetEndPoint());
        arcq.Add(a1.FGetMidPoint());
        arcq.Add(a1.GetNearestPoint(p));
        arcq.Add(a1.Distance(p));
        arcq.Add(a1.PointToPercent(p));
        arcq.Add(a1.PercentToPoint(t));
        arcq.Add(a1.DistanceToPercent(0, t));
        arcq.Add(a1.GetVerticalPoint(p));
        arcq.Add(a1.CheckVerticalPointInRange(p));
        double b[4];
        a1.GetRectBox(b[0], b[1], b[2], b[3]);
        for (double v : b)
            arcq.Add(v);
        CGMTRArc2D a3(a1);
        a3.PutBaseAngle(t);
        a3.PutRadius(Val(0, 5));
        arcq.Add(a3.GetBaseVector().X());
        arcq.Add(a3.GetBaseVector().Y());
        arcq.Add(a3.GetMidVector().X());
        arcq.Add(a3.GetMidVector().Y());

        CGMTRPoint2DCol col;
        l1.GetCrossPoint(l2, col);
        a1.GetCrossPointLine(l1, col);
        a1.GetCrossPointLineEx(l2, col);
        a1.GetCrossPointArc(a2, col);
        l1.FGetCrossPoint(&a1, col);
        a2.FGetCrossPoint(&a1, col);
        cross.Add(col);

        const double d = Val(0, 3);
        CGMTRPoint2D o1(7, 7), o2(8, 8), o3(9, 9);
        a1.ArcTangencyDistance(a2, d, o1, o2, o3);
        tangency.Add(o1);
        tangency.Add(o2);
        tangency.Add(o3);
        const CGMTRPoint2D q = (i % 2 == 0) ? l1.get_BasePoint() : l1.get_EndPoint();
        CGMTRPoint2D s1(7, 7), s2(8, 8), s3(9, 9);
        a1.LineTangencyDistance(l1, q, d, s1, s2, s3);
        tangency.Add(s1);
        tangency.Add(s2);
        tangency.Add(s3);

        CGMTRMatrix2D m;
        m.SetToRotateBy(p, t);
        CGMTRPoint2D r(Val(-10, 10), Val(-10, 10));
        CGMTRPoint2D r2(r);
        r *= m;
        matrix.Add(r);
        for (short ii = 0; ii < 3; ++ii)
            for (short jj = 0; jj < 3; ++jj)
                matrix.Add(m.GetSingleValue(ii, jj));
        r2.RotateForPoint(p, t);
        matrix.Add(r2);
        CGMTRVector2D v(Val(-5, 5), Val(-5, 5));
        v.Rotate(t);
        matrix.Add(v.X());
        matrix.Add(v.Y());
        CGMTRPoint2D tr(p);
        tr.Transfer(v);
        matrix.Add(tr);
        CGMTRMatrix2D m2;
        m2.SetToRotate(t);
        m2.RotateBy(p, Val(-7, 7));
        for (short ii = 0; ii < 3; ++ii)
            for (short jj = 0; jj < 3; ++jj)
                matrix.Add(m2.GetSingleValue(ii, jj));

        if (i % 10 == 0) {
            CGMTRRepeatLine2D line;
            line.ConstructRepeatLine(Val(-4, 4), Val(-20, 20), 5);
            CGMTRRepeatGrid grid;
            grid.ConstructRepeatGrid(Val(-9, 9), Val(-9, 9), 3, 2, Val(-4, 4));
            CGMTRRepeatArcSymmetry2D sym;
            sym.ConstructRepeatArc(Val(-9, 9), Val(-9, 9), Val(-2, 2), 4);
            CGMTRRepeatArc2D arc;
            arc.ConstructRepeatArc(Val(-9, 9), Val(-9, 9), Val(-2, 2), 2);
            line.SetRepeat(&grid);
            line.SetRepeat(&sym);
            line.SetRepeat(&arc);
            for (long k = 0; k < line.GetCount(); ++k) {
                repeat.Add(line.GetRepeatPoint(k, p, (k % 2) ? p : o1));
                repeat.Add(line.GetRepeatAngle(k, t));
            }
        }
    }
    std::printf("segment   %016llx\n", static_cast<unsigned long long>(seg.h));
    std::printf("arc       %016llx\n", static_cast<unsigned long long>(arcq.h));
    std::printf("crossings %016llx\n", static_cast<unsigned long long>(cross.h));
    std::printf("tangency  %016llx\n", static_cast<unsigned long long>(tangency.h));
    std::printf("matrix    %016llx\n", static_cast<unsigned long long>(matrix.h));
    std::printf("repeat    %016llx\n", static_cast<unsigned long long>(repeat.h));
    if (lines)
        for (const auto& l : g_lines)
            std::printf("line %4d %016llx\n", l.first, static_cast<unsigned long long>(l.second));
    return 0;
}
