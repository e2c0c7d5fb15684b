// Tangent directions of two entities where they meet at a common end point.
#include "CGMTRArc2D.h"
#include "CGMTRLine2D.h"
#include "GMTRRT.h"

#include <cmath>

namespace {

// The junction counts as the entity's start when each coordinate on its own
// lies within the tolerance (a per-coordinate test, not IsSamePoint).
bool StartsAt(const CGMTRPoint2D& start, const CGMTRPoint2D& junction) {
    return std::fabs(start.X() - junction.X()) < GMTR_TOL &&
           std::fabs(start.Y() - junction.Y()) < GMTR_TOL;
}

// A segment leaves its start along its direction angle t and arrives at its
// end along t; the other two cases are the half turn.
double LineDirection(const CGMTRLine2D& line, const CGMTRPoint2D& junction, int leaving) {
    const double t = line.get_BaseAngle();
    const bool atStart = StartsAt(line.get_BasePoint(), junction);
    if (atStart) {
        return leaving ? t : t - GMTR_PI;
    }
    return leaving ? t - GMTR_PI : t;
}

// An arc's tangent is perpendicular to its radius: at the start the radius
// at angle b, at the end the radius at angle b + s. `zeroSweepCcw` says
// whether a zero sweep counts as counter-clockwise at the end point.
double ArcDirection(const CGMTRArc2D& arc, const CGMTRPoint2D& junction, int leaving,
                    bool zeroSweepCcw) {
    const double b = arc.GetBaseAngle();
    const double s = arc.GetSweepAngle();
    if (StartsAt(arc.GetStartPoint(), junction)) {
        if (s >= 0) {
            return leaving ? b + GMTR_PI / 2 : b - GMTR_PI / 2;
        }
        return leaving ? b - GMTR_PI / 2 : b + GMTR_PI / 2;
    }
    const bool counterClockwise = zeroSweepCcw ? s >= 0 : s > 0;
    if (counterClockwise) {
        return leaving ? b + s - GMTR_PI / 2 : b + s + GMTR_PI / 2;
    }
    return leaving ? b + s + GMTR_PI / 2 : b + s - GMTR_PI / 2;
}

void StoreAngle(double& out, double angle) {
    out = angle;
    out = NormalizeSignedAngle(out);
}

} // namespace

void CGMTRLine2D::GetLineLineAngle(const CGMTRLine2D& other, const CGMTRPoint2D& point,
                                   double& thisAngle, double& otherAngle, int leaving) const {
    StoreAngle(thisAngle, LineDirection(*this, point, leaving));
    StoreAngle(otherAngle, LineDirection(other, point, leaving));
}

void CGMTRLine2D::GetLineArcAngle(const CGMTRArc2D& arc, const CGMTRPoint2D& point,
                                  double& thisAngle, double& arcAngle, int leaving) const {
    StoreAngle(thisAngle, LineDirection(*this, point, leaving));
    StoreAngle(arcAngle, ArcDirection(arc, point, leaving, true));
}

void CGMTRArc2D::GetArcArcAngle(const CGMTRArc2D& other, const CGMTRPoint2D& point,
                                double& thisAngle, double& otherAngle, int leaving) const {
    StoreAngle(thisAngle, ArcDirection(*this, point, leaving, false));
    StoreAngle(otherAngle, ArcDirection(other, point, leaving, false));
}
