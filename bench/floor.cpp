// The floor of each benchmarked query: the math-library calls its result
// needs (atan2, acos, cos/sin, sqrt, floor and the divisions), each made once
// per distinct argument and per call, with the arithmetic between them in the
// order the query defines, on bare doubles. No objects, no collections, no
// heap, and nothing of the library. A sin and a cos of one argument are
// written next to each other so that the compiler may merge them into one
// sincos call, as it may in the library. The benchmark checks at start-up
// that every floor gives the library's bits.
#include "bench_data.h"

#include <cmath>

namespace bench {
namespace {

constexpr double PI = 3.141592653589793;
constexpr double TWO_PI = PI + PI;
constexpr double TOL = 1e-10;

// The value, as a memory operand that an empty statement may have changed: the
// compiler can no longer reuse what it computed from it before.
inline double Opaque(double v) {
    asm volatile("" : "+m"(v));
    return v;
}

inline double NA(double a) {
    const double t = a / PI / 2;
    const double r = (t - std::floor(t)) * TWO_PI;
    return std::fabs(r - 2 * PI) < TOL ? 0.0 : r;
}

inline double NSA(double a) {
    const double t = a / PI / 2 + 0.5;
    const double r = (t - std::floor(t)) * TWO_PI - PI;
    return std::fabs(r + PI) < TOL ? PI : r;
}

inline double RA(double a) {
    const double q = std::fabs(a / (2 * PI));
    const double f = q - std::floor(q);
    const double r = a < 0 ? f * (-TWO_PI) : f * TWO_PI;
    return std::fabs(r - 2 * PI) < TOL ? 0.0 : r;
}

inline bool InRange(double angle, double start, double sweep) {
    if (std::fabs(sweep - 2 * PI) < TOL)
        return true;
    if (sweep >= 0)
        return NA(angle - start) < NA(sweep) + TOL;
    return NA(start - angle) < NA(-sweep) + TOL;
}

inline double Snap(double v) {
    if (v > 1 - TOL)
        return 1.0;
    if (v < -1 + TOL)
        return -1.0;
    if (std::fabs(v) < TOL)
        return 0.0;
    return v;
}

struct SC {
    double c, s;
};
inline SC SnapCS(double a) {
    const double c = std::cos(a);
    const double s = std::sin(a);
    return SC{Snap(c), Snap(s)};
}

// Radius, start angle and sweep of a stored arc (one atan2 of the start
// vector shared by the start angle and the sweep).
struct ArcProps {
    double r, base, sweep;
};
inline ArcProps Props(const Arc& a) {
    ArcProps p;
    p.r = std::sqrt(a.bx * a.bx + a.by * a.by);
    p.base = std::atan2(a.by, a.bx);
    p.sweep = a.full ? 2 * PI : 2 * NSA(std::atan2(a.my, a.mx) - p.base);
    return p;
}

// A segment with its end point and the length used by its distance tests.
struct SegData {
    double x1, y1, x2, y2, len;
};
inline SegData Prepare(double px, double py, double vx, double vy) {
    SegData s{px, py, px + vx, py + vy, 0.0};
    s.len = std::sqrt((s.x1 - s.x2) * (s.x1 - s.x2) + (s.y1 - s.y2) * (s.y1 - s.y2));
    return s;
}

inline double SegDistance(const SegData& s, double px, double py) {
    const double x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
    if ((px - x1) * (x2 - x1) + (py - y1) * (y2 - y1) <= 0)
        return std::sqrt((px - x1) * (px - x1) + (py - y1) * (py - y1));
    if ((px - x2) * (x1 - x2) + (py - y2) * (y1 - y2) <= 0)
        return std::sqrt((px - x2) * (px - x2) + (py - y2) * (py - y2));
    return std::fabs(((px - x1) * (y1 - y2) - (py - y1) * (x1 - x2)) / s.len);
}

inline double VerticalDis(const SegData& s, double px, double py) {
    const double cr = (px - s.x1) * (s.y1 - s.y2) - (py - s.y1) * (s.x1 - s.x2);
    return std::fabs(cr / s.len);
}

// The side-dependent part of an arc/line crossing: the two candidate angles.
struct LineAngles {
    double ang1, ang2;
    bool none;
};
inline LineAngles CandidateAngles(const SegData& s, double theta, double h, double r, double ox,
                                  double oy) {
    LineAngles la{0, 0, false};
    if (!(h <= r + TOL)) {
        la.none = true;
        return la;
    }
    if (h < TOL) {
        la.ang1 = theta;
        la.ang2 = theta + PI;
        return la;
    }
    const double area = ((ox - s.x1) * (s.y2 - oy) + (oy - s.y1) * (ox - s.x2)) / 2.0;
    const double n = area > 0.0 ? theta + PI / 2 : theta - PI / 2;
    const double delta = h / r > 1.0 ? 0.0 : std::acos(h / r);
    la.ang1 = n + delta;
    la.ang2 = n - delta;
    return la;
}

// The points of the circle about (ox, oy) of the arc's radius at the candidate
// angles that lie in the arc's range and, when `seg` is given, on that
// segment; at most `limit`, written to xy as x, y pairs. Returns how many.
inline int CirclePoints(const LineAngles& la, const ArcProps& a, double ox, double oy,
                        const SegData* seg, int limit, double* xy) {
    int n = 0;
    const double angles[2] = {la.ang1, la.ang2};
    for (const double ang : angles) {
        if (n == limit || !InRange(ang, a.base, a.sweep))
            continue;
        const double c = std::cos(ang);
        const double sn = std::sin(ang);
        const double x = c * a.r + ox, y = sn * a.r + oy;
        if (seg != nullptr && !(SegDistance(*seg, x, y) < TOL))
            continue;
        xy[2 * n] = x;
        xy[2 * n + 1] = y;
        ++n;
    }
    return n;
}

inline double TriCos(double a, double b, double c) {
    const double q = (b * b + c * c - a * a) / (2.0 * b * c);
    if (q > 1.0)
        return 1.0;
    if (q < -1.0 || std::isnan(q))
        return -1.0;
    return q;
}

} // namespace

__attribute__((noinline)) void FloorSegSeg(const SegSegIn& in, Out& out) {
    out.n = 0;
    const double p1x = in.a.px, p1y = in.a.py, p2x = p1x + in.a.vx, p2y = p1y + in.a.vy;
    const double q1x = in.b.px, q1y = in.b.py, q2x = q1x + in.b.vx, q2y = q1y + in.b.vy;
    const double k1 = (q1x - p1x) * (p1y - p2y) - (q1y - p1y) * (p1x - p2x);
    const double k2 = -(q2x - p1x) * (p1y - p2y) + (q2y - p1y) * (p1x - p2x);
    const double k3 = (p1x - q1x) * (q1y - q2y) - (p1y - q1y) * (q1x - q2x);
    const double k4 = -(p2x - q1x) * (q1y - q2y) + (p2y - q1y) * (q1x - q2x);
    if (k1 * k2 > TOL && k3 * k4 > TOL) {
        out.v[0] = (p1x * k4 + p2x * k3) / (k3 + k4);
        out.v[1] = (p1y * k4 + p2y * k3) / (k3 + k4);
        out.n = 1;
    }
}

__attribute__((noinline)) void FloorArcSeg(const ArcSegIn& in, Out& out) {
    out.n = 0;
    const ArcProps a = Props(in.a);
    const double ox = in.a.cx, oy = in.a.cy;
    const SegData s = Prepare(in.s.px, in.s.py, in.s.vx, in.s.vy);
    const double h = VerticalDis(s, ox, oy);
    if (!(h <= a.r + TOL))
        return;
    const double theta = std::atan2(in.s.vy, in.s.vx);
    out.n = CirclePoints(CandidateAngles(s, theta, h, a.r, ox, oy), a, ox, oy, &s, 2, out.v);
}

namespace {
// Crossings of two stored arcs; stops after `limit` points.
inline void ArcArc(const Arc& A, const ArcProps& a, const Arc& B, const ArcProps& b, int limit,
                   Out& out) {
    out.n = 0;
    const double dx = A.cx - B.cx, dy = A.cy - B.cy;
    const double d = std::sqrt(dx * dx + dy * dy);
    const double phi = std::atan2(B.cy - A.cy, B.cx - A.cx);
    if (!(a.r + b.r + TOL >= d) || !(std::fabs(a.r - b.r) - TOL <= d) || d == 0.0)
        return;
    const double alpha = std::acos(TriCos(b.r, a.r, d));
    const double beta = std::acos(TriCos(a.r, b.r, d));
    const double left = phi + alpha;
    if (InRange(left, a.base, a.sweep) && InRange(phi + PI - beta, b.base, b.sweep)) {
        const SC cs = SnapCS(left);
        out.v[0] = cs.c * a.r + A.cx;
        out.v[1] = cs.s * a.r + A.cy;
        out.n = 1;
        if (limit == 1)
            return;
    }
    const double right = phi - alpha;
    if (InRange(right, a.base, a.sweep) && InRange(phi + PI + beta, b.base, b.sweep)) {
        const SC cs = SnapCS(right);
        out.v[2 * out.n] = cs.c * a.r + A.cx;
        out.v[2 * out.n + 1] = cs.s * a.r + A.cy;
        ++out.n;
    }
}

// The search arc of a fillet: the arc's start angle and sweep, then radius R.
inline Arc SearchArc(const Arc& src, const ArcProps& p, double R) {
    const SC b = SnapCS(p.base);
    const SC h = SnapCS(RA(p.sweep) / 2);
    const double l = std::sqrt(b.c * b.c + b.s * b.s);
    Arc x{src.cx, src.cy, b.c / l * R, b.s / l * R, 0, 0, 0};
    x.mx = h.c * b.c - h.s * b.s;
    x.my = h.s * b.c + h.c * b.s;
    x.full = std::fabs(2 * PI - p.sweep) < TOL ? 1 : 0;
    return x;
}

// The first point of the arc on the ray from its centre towards (tx, ty).
inline bool RayPoint(const Arc& A, const ArcProps& a, double tx, double ty, double* xy) {
    const double vx = tx - A.cx, vy = ty - A.cy;
    const SegData s = Prepare(A.cx, A.cy, vx, vy);
    const double h = VerticalDis(s, A.cx, A.cy);
    const LineAngles la = CandidateAngles(s, std::atan2(vy, vx), h, a.r, A.cx, A.cy);
    return !la.none && CirclePoints(la, a, A.cx, A.cy, nullptr, 1, xy) == 1;
}
} // namespace

__attribute__((noinline)) void FloorArcArc(const ArcArcIn& in, Out& out) {
    ArcArc(in.a, Props(in.a), in.b, Props(in.b), 2, out);
}

__attribute__((noinline)) void FloorArcTangency(const ArcTanIn& in, Out& out) {
    out.n = 0;
    const ArcProps a = Props(in.a);
    const ArcProps b = Props(in.b);
    // First combination: outside both.
    const Arc x = SearchArc(in.a, a, a.r + in.d);
    const Arc y = SearchArc(in.b, b, b.r + in.d);
    Out k;
    ArcArc(x, Props(x), y, Props(y), 1, k);
    if (k.n == 0)
        return;
    out.v[4] = k.v[0];
    out.v[5] = k.v[1];
    out.n = 1;
    if (!RayPoint(in.a, a, k.v[0], k.v[1], &out.v[0]) ||
        !RayPoint(in.b, b, k.v[0], k.v[1], &out.v[2]))
        return;
    out.n = 3;
}

__attribute__((noinline)) void FloorLineTangency(const LineTanIn& in, Out& out) {
    out.n = 0;
    const Arc& A = in.a;
    const ArcProps a = Props(A);
    const double ox = A.cx, oy = A.cy, d = in.d, qx = in.qx, qy = in.qy;
    const double theta = std::atan2(in.s.vy, in.s.vx);
    const SC left = SnapCS(theta + PI / 2);
    const SC right = SnapCS(theta - PI / 2);
    const bool fromBase = std::fabs(qx - in.s.px) < TOL && std::fabs(qy - in.s.py) < TOL;
    const double psi = fromBase ? theta : theta - PI;
    // Both search segments share one step: direction psi, length 3r.
    const SC dir = SnapCS(psi);
    const double l = std::sqrt(dir.c * dir.c + dir.s * dir.s);
    const double svx = dir.c / l * (3.0 * a.r), svy = dir.s / l * (3.0 * a.r);
    const double sTheta = std::atan2(svy, svx);
    const SegData sl = Prepare(qx + d * left.c, qy + d * left.s, svx, svy);
    const SegData sr = Prepare(qx + d * right.c, qy + d * right.s, svx, svy);
    const double hl = VerticalDis(sl, ox, oy);
    double hr = 0.0;
    bool hrDone = false;
    const SegData line = Prepare(in.s.px, in.s.py, in.s.vx, in.s.vy);
    const double total = std::sqrt(in.s.vx * in.s.vx + in.s.vy * in.s.vy);
    // The search arc's start vector and sweep turn are the same on both passes.
    const SC bcs = SnapCS(a.base);
    const SC hcs = SnapCS(RA(a.sweep) / 2);
    const int full = std::fabs(2 * PI - a.sweep) < TOL ? 1 : 0;
    const double absD = std::fabs(d);
    const double radii[2] = {a.r - d, a.r + d};
    for (const double R : radii) {
        if (!(R > 0.0))
            continue;
        Arc w{ox, oy, bcs.c * R, bcs.s * R, 0, 0, full};
        w.mx = hcs.c * w.bx - hcs.s * w.by;
        w.my = hcs.s * w.bx + hcs.c * w.by;
        const ArcProps wp = Props(w);
        double f[4];
        int n = 0;
        for (int side = 0; side < 2 && n == 0; ++side) {
            const SegData& s = side == 0 ? sl : sr;
            if (side == 1 && !hrDone) {
                hr = VerticalDis(sr, ox, oy);
                hrDone = true;
            }
            const LineAngles la = CandidateAngles(s, sTheta, side == 0 ? hl : hr, wp.r, ox, oy);
            if (!la.none)
                n = CirclePoints(la, wp, ox, oy, &s, 2, f);
        }
        if (n == 0)
            continue;
        double Fx = f[0], Fy = f[1];
        if (n == 2) {
            const double d0 = std::sqrt((qx - f[0]) * (qx - f[0]) + (qy - f[1]) * (qy - f[1]));
            const double d1 = std::sqrt((qx - f[2]) * (qx - f[2]) + (qy - f[3]) * (qy - f[3]));
            if (!(d0 < d1)) {
                Fx = f[2];
                Fy = f[3];
            }
        }
        // Foot on the segment: a point is on it when the detour through it is
        // within the tolerance (the percent itself is never negative).
        auto onLine = [&](double tx, double ty) {
            const double d1 =
                std::sqrt((line.x1 - tx) * (line.x1 - tx) + (line.y1 - ty) * (line.y1 - ty));
            const double d2 =
                std::sqrt((line.x2 - tx) * (line.x2 - tx) + (line.y2 - ty) * (line.y2 - ty));
            return !(total + TOL < d1 + d2);
        };
        double Tx = Fx + absD * left.c, Ty = Fy + absD * left.s;
        if (!onLine(Tx, Ty)) {
            Tx = Fx + absD * right.c;
            Ty = Fy + absD * right.s;
            if (!onLine(Tx, Ty))
                continue;
        }
        out.v[0] = Tx;
        out.v[1] = Ty;
        out.v[4] = Fx;
        out.v[5] = Fy;
        const double ang = std::atan2(Fy - oy, Fx - ox);
        double turn = NSA(ang - a.base);
        if (InRange(ang, a.base, a.sweep)) {
            if (turn * a.sweep < -TOL)
                turn = a.sweep > 0.0 ? turn + 2.0 * PI : turn - 2.0 * PI;
            const SC t = SnapCS(a.sweep * (turn / a.sweep));
            out.v[2] = ox + (t.c * A.bx - t.s * A.by);
            out.v[3] = oy + (t.s * A.bx + t.c * A.by);
        }
        out.n = 3;
        return;
    }
}

__attribute__((noinline)) double FloorArcDistance(const ArcPointIn& in) {
    const Arc& A = in.a;
    const double dx = in.px - A.cx, dy = in.py - A.cy;
    const double d = std::sqrt(dx * dx + dy * dy);
    const ArcProps a = Props(A);
    if (d < TOL)
        return a.r;
    const double ang = std::atan2(in.py - A.cy, in.px - A.cx);
    if (InRange(ang, a.base, a.sweep))
        return std::fabs(d - a.r);
    return -2.0; // not reached by the benchmark inputs
}

__attribute__((noinline)) double FloorArcPercent(const ArcPointIn& in) {
    const Arc& A = in.a;
    const double dx = in.px - A.cx, dy = in.py - A.cy;
    const double d = std::sqrt(dx * dx + dy * dy);
    const ArcProps a = Props(A);
    if (std::fabs(d - a.r) > TOL)
        return -1.0;
    const double ang = std::atan2(in.py - A.cy, in.px - A.cx);
    if (!InRange(ang, a.base, a.sweep))
        return -1.0;
    double e = NSA(ang - a.base);
    if (e * a.sweep < -TOL)
        e = a.sweep > 0.0 ? e + 2 * PI : e - 2 * PI;
    return e / a.sweep;
}

__attribute__((noinline)) void FloorRotate(const RotateIn& in, Out& out) {
    const SC cs = SnapCS(in.angle);
    const double k = cs.c, s = cs.s;
    const double m20 = ((-in.px) * k + (-in.py) * (-s)) + in.px;
    const double m21 = ((-in.px) * s + (-in.py) * k) + in.py;
    out.v[0] = (k * in.x + (-s) * in.y) + m20;
    out.v[1] = (s * in.x + k * in.y) + m21;
    out.n = 1;
}

__attribute__((noinline)) void FloorChain(const ChainIn& in, double* xy) {
    // The counts are data, as in the library; they fit in 32 bits, so the
    // copy numbers are divided in 32 bits.
    const int line = static_cast<int>(in.lineCount);
    const int gridX = static_cast<int>(in.gridX);
    const int copies = line * gridX * static_cast<int>(in.gridY);
    for (int n = 0; n < copies; ++n) {
        // Each copy is its own call in a host and computes its own turns: the
        // compiler must not carry one copy's sincos over to the next.
        const double lineAngle = Opaque(in.lineAngle), gridAngle = Opaque(in.gridAngle);
        const int own = n >= line ? n % line : n;
        const int child = n >= line ? n / line : 0;
        const double dd = static_cast<double>(own) * in.lineSpace;
        const SC l = SnapCS(lineAngle);
        double x = l.c * dd + in.x;
        double y = l.s * dd + in.y;
        if (child > 0) {
            const int row = child / gridX;
            const int column = child % gridX;
            double col = static_cast<double>(column);
            if (row % 2 != 0)
                col = static_cast<double>(gridX) - 1.0 - static_cast<double>(column);
            const double r = static_cast<double>(row);
            const SC g = SnapCS(gridAngle);
            const double nx = ((col * in.gridSpaceX) * g.c + x) - (r * in.gridSpaceY) * g.s;
            const double ny = ((col * in.gridSpaceX) * g.s + y) + (r * in.gridSpaceY) * g.c;
            x = nx;
            y = ny;
        }
        xy[2 * n] = x;
        xy[2 * n + 1] = y;
    }
}

} // namespace bench
