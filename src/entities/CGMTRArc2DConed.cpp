// Joining two arcs of one circle into their union.
#include "CGMTRArc2D.h"

#include <cmath>

int CGMTRArc2D::GetConedArc(CGMTRArc2D& other, CGMTRArc2D& result) {
    // Everything of both arcs is read into locals before `result` is written,
    // so `result` may be this arc or `other`.
    CGMTRPoint2D centreA = GetBasePoint();
    const CGMTRPoint2D centreB = other.GetBasePoint();
    if (centreA != centreB)
        return 0;
    if (!IsEqualValue(GetRadius(), other.GetRadius()))
        return 0;

    const double baseA = GetBaseAngle();
    const double sweepA = GetSweepAngle();
    const double baseB = other.GetBaseAngle();
    const double sweepB = other.GetSweepAngle();

    // Which ends of each arc lie on the other (end angles passed unreduced).
    const int c1 = CheckAngleRange(baseB);
    const int c2 = CheckAngleRange(baseB + sweepB);
    const int c3 = other.CheckAngleRange(baseA);
    const int c4 = other.CheckAngleRange(baseA + sweepA);
    if (c1 != 1 && c2 != 1 && c3 != 1 && c4 != 1)
        return 0;

    // The longer arc leads (this arc on a tie); the other one is joined to it.
    const bool thisLeads = std::fabs(sweepB) <= std::fabs(sweepA);
    const double leadBase = thisLeads ? baseA : baseB;
    const double leadSweep = thisLeads ? sweepA : sweepB;
    const double joinedOwnBase = thisLeads ? baseB : baseA;
    const double joinedOwnSweep = thisLeads ? sweepB : sweepA;

    // Describe the joined arc in the leading arc's direction of travel: when
    // the directions differ (or a sweep is zero) take it from its other end.
    double joinedBase = joinedOwnBase;
    double joinedSweep = joinedOwnSweep;
    if (!(sweepA * sweepB > 0.0)) {
        joinedBase = NormalizeSignedAngle(joinedOwnBase + joinedOwnSweep);
        joinedSweep = -joinedOwnSweep;
    }

    // The union starts where the leading arc starts unless the joined arc's
    // start lies outside it, and ends likewise. The range tests use the
    // leading arc's own start angle and sweep, as its CheckAngleRange does.
    const double start = IsAngleInRange(joinedBase, leadBase, leadSweep) ? leadBase : joinedBase;
    const double joinedEnd = joinedBase + joinedSweep;
    double raw;
    if (IsAngleInRange(joinedEnd, leadBase, leadSweep))
        raw = leadBase + leadSweep - start;
    else
        raw = joinedBase + joinedSweep - start;
    // Note: a leading full circle gives raw = 2pi, which reduces to a sweep
    // of 0; the union of a full circle with an arc therefore reads back as a
    // zero-sweep arc at the circle's start: the sweep reduction is applied
    // the same way to every union.
    const double sweep = leadSweep > 0.0 ? NormalizeAngle(raw) : -NormalizeAngle(-raw);

    result.PutBaseAngle(start);
    result.PutSweepAngle(sweep);

    if (c1 == 1 && c2 == 1 && c3 == 1 && c4 == 1) {
        // Each arc holds both ends of the other: either the same arc, or two
        // arcs that together go all the way round.
        if (std::fabs(leadBase - joinedBase) + std::fabs(leadSweep - joinedSweep) < GMTR_TOL)
            return 0;
        result.PutSweepAngle(2 * GMTR_PI);
        return 1;
    }
    return 1;
}
