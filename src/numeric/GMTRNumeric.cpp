// The shared numeric functions. Each is evaluated exactly in the order written
// so that results agree bit for bit across platforms with IEEE doubles. The
// bodies live in GMTRNumericInline.h so that hot paths inside the library use
// the same code inline.
#include "GMTRRT.h"
#include "numeric/NumericInline.h"

#include <cmath>

bool IsEqualValue(double const& a, double const& b) {
    return std::fabs(a - b) < GMTR_TOL;
}

bool IsSamePoint(double const& x1, double const& y1, double const& x2, double const& y2) {
    return std::fabs(x2 - x1) + std::fabs(y2 - y1) < GMTR_TOL;
}

double NormalizeAngle(double const& a) {
    return gmtrrt::detail::NormalizeAngle(a);
}

double NormalizeSignedAngle(double const& a) {
    return gmtrrt::detail::NormalizeSignedAngle(a);
}

double ReduceAngle(double const& a) {
    return gmtrrt::detail::ReduceAngle(a);
}

double GetDirectionAngle(double const& x1, double const& y1, double const& x2, double const& y2) {
    return std::atan2(y2 - y1, x2 - x1);
}

double SnapCos(double const& a) {
    return gmtrrt::detail::Snap(std::cos(a));
}

double SnapSin(double const& a) {
    return gmtrrt::detail::Snap(std::sin(a));
}

bool IsAngleInRange(double const& angle, double const& start, double const& sweep) {
    return gmtrrt::detail::IsAngleInRange(angle, start, sweep);
}
