// Fixed benchmark inputs. Every input of one operation takes the same path
// through the query (same branches, same number of candidates), so that each
// costs the same math-library calls; positions and sizes vary.
#include "bench_data.h"

#include "CGMTRArc2D.h"
#include "GMTRRT.h"

#include <cmath>
#include <random>

namespace bench {
namespace {

struct Rng {
    std::mt19937_64 gen;
    explicit Rng(unsigned long long seed) : gen(seed) {}
    double operator()(double lo, double hi) {
        return lo + (hi - lo) * (static_cast<double>(gen() >> 11) * 0x1.0p-53);
    }
    bool coin() { return (gen() & 1) != 0; }
};

// An arc of the given centre, radius, start angle and sweep, as stored.
Arc MakeArc(double cx, double cy, double r, double base, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(CGMTRPoint2D(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(r * std::cos(base), r * std::sin(base)));
    arc.PutSweepAngle(sweep);
    const CGMTRVector2D b = arc.GetBaseVector();
    const CGMTRVector2D m = arc.GetMidVector();
    return Arc{cx, cy, b.X(), b.Y(), m.X(), m.Y(), 0};
}

// An arc whose range covers [lo, hi] with a margin, travelled either way.
Arc ArcCovering(double cx, double cy, double r, double lo, double hi, double margin, bool ccw) {
    const double sweep = (hi - lo) + 2 * margin;
    return ccw ? MakeArc(cx, cy, r, lo - margin, sweep) : MakeArc(cx, cy, r, hi + margin, -sweep);
}

// Centres near the origin for half the inputs and around 1e6 for the rest.
double Far(Rng& g, int i) {
    return (i % 2 == 0) ? g(-100.0, 100.0) : 1e6 + g(-100.0, 100.0);
}

Inputs Generate() {
    Inputs in;
    Rng g(20240611);
    for (std::size_t i = 0; i < kInputs; ++i) {
        const int k = static_cast<int>(i);
        // Two segments crossing properly at X.
        {
            const double x = Far(g, k), y = Far(g, k);
            const double t1 = g(-GMTR_PI, GMTR_PI), t2 = t1 + g(0.3, GMTR_PI - 0.3);
            const double a1 = g(1, 10), b1 = g(1, 10), a2 = g(1, 10), b2 = g(1, 10);
            Seg s1{x - a1 * std::cos(t1), y - a1 * std::sin(t1), (a1 + b1) * std::cos(t1),
                   (a1 + b1) * std::sin(t1)};
            Seg s2{x - a2 * std::cos(t2), y - a2 * std::sin(t2), (a2 + b2) * std::cos(t2),
                   (a2 + b2) * std::sin(t2)};
            in.segSeg.push_back(SegSegIn{s1, s2});
        }
        // A segment crossing an arc twice, both points on both.
        {
            const double cx = Far(g, k), cy = Far(g, k), r = g(1, 10);
            const double h = r * g(0.2, 0.8), theta = g(-GMTR_PI, GMTR_PI);
            const double side = g.coin() ? 1.0 : -1.0;
            const double n = theta + side * GMTR_HALF_PI;
            const double delta = std::acos(h / r);
            const Arc arc = ArcCovering(cx, cy, r, n - delta, n + delta, 0.3, g.coin());
            const double fx = cx + h * std::cos(n), fy = cy + h * std::sin(n);
            const double len = 1.5 * r;
            Seg s{fx - len * std::cos(theta), fy - len * std::sin(theta), 2 * len * std::cos(theta),
                  2 * len * std::sin(theta)};
            in.arcSeg.push_back(ArcSegIn{arc, s});
        }
        // Two arcs crossing twice, both points on both.
        {
            const double cx = Far(g, k), cy = Far(g, k);
            const double ra = g(1, 10), rb = g(1, 10);
            const double dist = std::fabs(ra - rb) + (ra + rb - std::fabs(ra - rb)) * g(0.2, 0.8);
            const double phi = g(-GMTR_PI, GMTR_PI);
            const double bx = cx + dist * std::cos(phi), by = cy + dist * std::sin(phi);
            const double alpha = std::acos((ra * ra + dist * dist - rb * rb) / (2 * ra * dist));
            const double beta = std::acos((rb * rb + dist * dist - ra * ra) / (2 * rb * dist));
            const Arc a = ArcCovering(cx, cy, ra, phi - alpha, phi + alpha, 0.2, g.coin());
            const Arc b =
                ArcCovering(bx, by, rb, phi + GMTR_PI - beta, phi + GMTR_PI + beta, 0.2, g.coin());
            in.arcArc.push_back(ArcArcIn{a, b});
        }
        // A segment leaving an arc radially at q; the fillet lies outside the
        // arc's circle (the inner pass runs through and fails on the segment).
        // The arc's range is symmetric about q, so either end of the segment
        // as the junction takes the same path.
        {
            const double cx = Far(g, k), cy = Far(g, k), r = g(2, 10);
            const double phi = g(-GMTR_PI, GMTR_PI);
            const Arc arc = ArcCovering(cx, cy, r, phi, phi, 0.6, g.coin());
            const double qx = cx + r * std::cos(phi), qy = cy + r * std::sin(phi);
            const double len = 3 * r;
            const double ex = qx + len * std::cos(phi), ey = qy + len * std::sin(phi);
            // Either end of the segment may be the junction.
            const Seg s = g.coin() ? Seg{qx, qy, ex - qx, ey - qy} : Seg{ex, ey, qx - ex, qy - ey};
            in.lineTan.push_back(LineTanIn{arc, s, qx, qy, 0.3 * r});
        }
        // Two arcs apart; the fillet touching both from outside is found on the
        // first radius combination, and both touching points exist.
        {
            const double cx = Far(g, k), cy = Far(g, k);
            const double ra = g(1, 5), rb = g(1, 5), d = g(0.5, 2);
            const double dist = ra + rb + d, phi = g(-GMTR_PI, GMTR_PI);
            const double bx = cx + dist * std::cos(phi), by = cy + dist * std::sin(phi);
            const double sa = ra + d, sb = rb + d;
            const double alpha = std::acos((sa * sa + dist * dist - sb * sb) / (2 * sa * dist));
            const double beta = std::acos((sb * sb + dist * dist - sa * sa) / (2 * sb * dist));
            const Arc a = ArcCovering(cx, cy, ra, phi - alpha, phi + alpha, 0.3, g.coin());
            const Arc b =
                ArcCovering(bx, by, rb, phi + GMTR_PI - beta, phi + GMTR_PI + beta, 0.3, g.coin());
            in.arcTan.push_back(ArcTanIn{a, b, d});
        }
        // A point off the arc in its range (distance), and a point on it.
        {
            const double cx = Far(g, k), cy = Far(g, k), r = g(1, 10);
            const double base = g(-GMTR_PI, GMTR_PI), sweep = g(0.5, 5.5) * (g.coin() ? 1 : -1);
            const Arc arc = MakeArc(cx, cy, r, base, sweep);
            const double at = base + sweep * g(0.1, 0.9), dist = r * g(0.2, 3.0);
            in.arcDistance.push_back(
                ArcPointIn{arc, cx + dist * std::cos(at), cy + dist * std::sin(at)});
            const double on = base + sweep * g(0.1, 0.9);
            in.arcPercent.push_back(ArcPointIn{arc, cx + r * std::cos(on), cy + r * std::sin(on)});
        }
        // A rotation about a point, applied to another point.
        in.rotate.push_back(RotateIn{Far(g, k), Far(g, k), g(-10, 10), Far(g, k), Far(g, k)});
        // A line of 5 followed by a 3 x 2 grid.
        in.chain.push_back(ChainIn{kChainLine, kChainGridX, kChainGridY, g(-GMTR_PI, GMTR_PI),
                                   g(1, 20), g(1, 20), g(1, 20), g(-GMTR_PI, GMTR_PI), Far(g, k),
                                   Far(g, k)});
    }
    return in;
}

} // namespace

const Inputs& GetInputs() {
    static const Inputs inputs = Generate();
    return inputs;
}

} // namespace bench
