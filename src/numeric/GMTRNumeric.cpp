// The shared numeric functions. Each is evaluated exactly in the order written
// so that results agree bit for bit across platforms with IEEE doubles.
#include "GMTRRT.h"

#include <cmath>

bool IsEqualValue(double const& a, double const& b) {
    return std::fabs(a - b) < GMTR_TOL;
}

bool IsSamePoint(double const& x1, double const& y1, double const& x2, double const& y2) {
    return std::fabs(x2 - x1) + std::fabs(y2 - y1) < GMTR_TOL;
}

double NormalizeAngle(double const& a) {
    const double t = a / GMTR_PI / 2;
    const double r = (t - std::floor(t)) * GMTR_2PI;
    if (std::fabs(r - 2 * GMTR_PI) < GMTR_TOL)
        return 0.0;
    return r;
}

double NormalizeSignedAngle(double const& a) {
    const double t = a / GMTR_PI / 2 + 0.5;
    const double r = (t - std::floor(t)) * GMTR_2PI - GMTR_PI;
    if (std::fabs(r + GMTR_PI) < GMTR_TOL)
        return GMTR_PI;
    return r;
}

double ReduceAngle(double const& a) {
    const double q = std::fabs(a / (2 * GMTR_PI));
    const double f = q - std::floor(q);
    const double r = a < 0 ? f * (-GMTR_2PI) : f * GMTR_2PI;
    if (std::fabs(r - 2 * GMTR_PI) < GMTR_TOL)
        return 0.0;
    return r;
}

double GetDirectionAngle(double const& x1, double const& y1, double const& x2, double const& y2) {
    return std::atan2(y2 - y1, x2 - x1);
}

namespace {
// Snaps a cosine or sine to the exact values -1, 0 and 1 of the quarter turns.
inline double Snap(double v) {
    if (v > 1 - GMTR_TOL)
        return 1.0;
    if (v < -1 + GMTR_TOL)
        return -1.0;
    if (std::fabs(v) < GMTR_TOL)
        return 0.0;
    return v;
}
} // namespace

double SnapCos(double const& a) {
    return Snap(std::cos(a));
}

double SnapSin(double const& a) {
    return Snap(std::sin(a));
}

bool IsAngleInRange(double const& angle, double const& start, double const& sweep) {
    if (std::fabs(sweep - 2 * GMTR_PI) < GMTR_TOL)
        return true;
    double d;
    double s;
    if (sweep >= 0) {
        d = NormalizeAngle(angle - start);
        s = NormalizeAngle(sweep);
    } else {
        d = NormalizeAngle(start - angle);
        s = NormalizeAngle(-sweep);
    }
    return d < s + GMTR_TOL;
}
