/// @file
/// CGMTRPoint2D: a plane position of two doubles.
#ifndef GMTRRT_CGMTRPOINT2D_H
#define GMTRRT_CGMTRPOINT2D_H

#include "GMTRRT.h"

class CGMTRVector2D;
class CGMTRMatrix2D;

/// A plain value of two doubles (x, y); the default is the origin.
/// Equality is tolerant (IsSamePoint: the sum of both coordinate differences
/// below GMTR_TOL); operator< is a tolerant lexicographic order. Division by
/// exactly 0.0 is skipped silently. The moves (Rotate, RotateForPoint,
/// Transfer, Scale, Mirror) build one CGMTRMatrix2D and apply it. Angles are
/// radians, counter-clockwise positive. The two-operand operators return a
/// new point; point +/- point gives a point, not a vector.
///
/// Trivially copyable: copying, assigning and destroying a point are inline
/// and never call into the shared library, so points can be held in arrays
/// and copied with memcpy. The constructors from coordinates, the coordinate
/// access and the transform by a matrix are defined in the headers too, so a
/// host runs them inline; the library exports each of them by name as well.
class GMTRRT_API CGMTRPoint2D {
public:
    /// The origin (0, 0).
    GMTRRT_INLINE CGMTRPoint2D() : x(0.0), y(0.0) {}
    /// The point (x, y).
    GMTRRT_INLINE CGMTRPoint2D(double const& x_, double const& y_) : x(x_), y(y_) {}
    /// A copy of both coordinates.
    CGMTRPoint2D(CGMTRPoint2D const& other) = default;
    /// The tip of the vector placed at the origin.
    CGMTRPoint2D(CGMTRVector2D const& v);
    /// Copies both coordinates; returns this point.
    CGMTRPoint2D& operator=(CGMTRPoint2D const& other) = default;
    /// Does nothing: the point owns no resources.
    ~CGMTRPoint2D() = default;

    /// The x coordinate.
    GMTRRT_INLINE double X() const { return x; }
    /// The y coordinate.
    GMTRRT_INLINE double Y() const { return y; }
    /// Sets the x coordinate.
    GMTRRT_INLINE void X(double const& x_) { x = x_; }
    /// Sets the y coordinate.
    GMTRRT_INLINE void Y(double const& y_) { y = y_; }
    /// Writes x and y through the two pointers (both must be valid).
    GMTRRT_INLINE void Components(double* px, double* py) {
        *px = x;
        *py = y;
    }
    /// Sets both coordinates.
    GMTRRT_INLINE void Components(double x_, double y_) {
        x = x_;
        y = y_;
    }

    /// 1 when IsSamePoint holds.
    int operator==(CGMTRPoint2D const& q);
    /// The negation of operator==.
    int operator!=(CGMTRPoint2D const& q);
    /// Tolerant lexicographic order: x first (when x differ by at least
    /// GMTR_TOL), otherwise y. Not transitive for points closer than GMTR_TOL.
    bool operator<(CGMTRPoint2D const& q) const;
    /// Euclidean distance.
    double Distance2D(CGMTRPoint2D const& q) const;

    /// (-x, -y).
    CGMTRPoint2D operator-();
    /// (x + q.x, y + q.y).
    CGMTRPoint2D operator+(CGMTRPoint2D const& q);
    /// (x - q.x, y - q.y), a point.
    CGMTRPoint2D operator-(CGMTRPoint2D const& q);
    /// This point moved by v.
    CGMTRPoint2D operator+(CGMTRVector2D const& v);
    /// This point moved back by v.
    CGMTRPoint2D operator-(CGMTRVector2D const& v);
    /// (x + d, y + d).
    CGMTRPoint2D operator+(double const& d);
    /// (x - d, y - d).
    CGMTRPoint2D operator-(double const& d);
    /// (x * d, y * d).
    CGMTRPoint2D operator*(double const& d);
    /// An unchanged copy when d is exactly 0.0.
    CGMTRPoint2D operator/(double const& d);
    /// Adds q coordinate by coordinate.
    void operator+=(CGMTRPoint2D const& q);
    /// Subtracts q coordinate by coordinate.
    void operator-=(CGMTRPoint2D const& q);
    /// Moves the point by v.
    void operator+=(CGMTRVector2D const& v);
    /// Moves the point back by v.
    void operator-=(CGMTRVector2D const& v);
    /// Adds d to both coordinates.
    void operator+=(double const& d);
    /// Subtracts d from both coordinates.
    void operator-=(double const& d);
    /// Multiplies both coordinates by d.
    void operator*=(double const& d);
    /// No change when d is exactly 0.0.
    void operator/=(double const& d);
    /// (x, y, 1) * M, divided by the homogeneous w (not tested for 0).
    /// Defined below, after the matrix.
    GMTRRT_INLINE void operator*=(CGMTRMatrix2D const& m);

    /// Turns about the origin, counter-clockwise by the angle.
    void Rotate(double const& angle);
    /// Turns about the centre, counter-clockwise by the angle. Defined below
    /// (a host runs it inline; the cosine and sine are still the C
    /// library's, at run time).
    GMTRRT_INLINE void RotateForPoint(CGMTRPoint2D const& centre, double const& angle);
    /// Translates by v.
    void Transfer(CGMTRVector2D const& v);
    /// Scales the distance from the centre by the factor (a negative factor
    /// also turns the point through pi about the centre).
    void Scale(CGMTRPoint2D const& centre, double const& factor);
    /// Reflects across the line through the point along the direction (any
    /// length; a zero direction gives the horizontal line through the point).
    void Mirror(CGMTRPoint2D const& point, CGMTRVector2D const& direction);

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const points and temporaries (such as `line.get_BasePoint() + v`).
    /// Each runs the same code as its non-const form and gives the same bits.
    ///@{
    /// Const form of Components.
    void Components(double* x, double* y) const;
    /// Const form of operator==.
    int operator==(CGMTRPoint2D const& q) const;
    /// Const form of operator!=.
    int operator!=(CGMTRPoint2D const& q) const;
    /// Const form of operator-.
    CGMTRPoint2D operator-() const;
    /// Const form of operator+.
    CGMTRPoint2D operator+(CGMTRPoint2D const& q) const;
    /// Const form of operator-.
    CGMTRPoint2D operator-(CGMTRPoint2D const& q) const;
    /// Const form of operator+.
    CGMTRPoint2D operator+(CGMTRVector2D const& v) const;
    /// Const form of operator-.
    CGMTRPoint2D operator-(CGMTRVector2D const& v) const;
    /// Const form of operator+.
    CGMTRPoint2D operator+(double const& d) const;
    /// Const form of operator-.
    CGMTRPoint2D operator-(double const& d) const;
    /// Const form of operator*.
    CGMTRPoint2D operator*(double const& d) const;
    /// Const form of operator/.
    CGMTRPoint2D operator/(double const& d) const;
    ///@}

private:
    double x;
    double y;
};

#include "CGMTRMatrix2D.h"

// (x, y, 1) times the matrix, divided by the homogeneous weight; dividing by
// exactly 1 changes no bits, so the affine case skips it. The products are
// summed in this order and never contracted into fused multiply-adds (hosts
// built with GCC or Clang get -ffp-contract=off from the package), so a host
// running this inline gets the library's bits.
inline void CGMTRPoint2D::operator*=(CGMTRMatrix2D const& m) {
    const double nx =
        m.GetSingleValue(0, 0) * x + m.GetSingleValue(1, 0) * y + m.GetSingleValue(2, 0);
    const double ny =
        m.GetSingleValue(0, 1) * x + m.GetSingleValue(1, 1) * y + m.GetSingleValue(2, 1);
    const double w =
        m.GetSingleValue(0, 2) * x + m.GetSingleValue(1, 2) * y + m.GetSingleValue(2, 2);
    if (w == 1.0) {
        x = nx;
        y = ny;
        return;
    }
    x = nx / w;
    y = ny / w;
}

// Defined after the point's transform, which the vector's uses (a Windows host
// must see a member of an imported class defined before it is used).
#include "CGMTRVector2D.h"

/// @cond INTERNAL
namespace gmtrrt {
namespace detail {

// The turn of (qx, qy) about (px, py) by the snapped cosine k and sine s, in
// the generic case (see RotateByGeneric, whose sOrOne this takes) with a
// finite point: there the matrix's weight column is (0, 0, 1), the weight is
// exactly 1, and the new coordinates are the two products with the matrix
// entries, in the same order. (qx - qx) + (qy - qy) is +0 for a finite point
// and NaN otherwise. False, writing nothing, in every other case.
inline bool TurnGeneric(double k, double s, double px, double py, double qx, double qy,
                        double sOrOne, double& x, double& y) {
    const double ns = -s;
    const double t = (-px) * k + (-py) * ns;
    const double u = (-px) * s + (-py) * k;
    const double nx = k * qx + ns * qy + (t + px);
    const double ny = s * qx + k * qy + (u + py);
    if (!FiniteNonZero((t * u) * sOrOne) || !((qx - qx) + (qy - qy) == 0.0))
        return false;
    x = nx;
    y = ny;
    return true;
}

// The rotation matrix's entries when the cosine c or sine s of the angle
// snaps, or the entries are not generic: snapped, then generic or as the
// three steps build it. (Entries rather than a matrix, so that the caller's
// matrix never has its address taken on the common path.)
GMTRRT_DETAIL_RARE inline void RotateByRare(double c, double s, double px, double py, double angle,
                                            double (&e)[3][3]) {
    const double k = Snap(c);
    const double sn = Snap(s);
    if (RotateByGeneric(k, sn, px, py, e, sn))
        return;
    CGMTRMatrix2D m;
    m.SetToTransfer(CGMTRVector2D(-px, -py));
    m.Rotate(angle);
    m.Transfer(CGMTRVector2D(px, py));
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            e[i][j] = m.GetSingleValue(i, j);
}

// The turn of (qx, qy) about a centre when the cosine c or sine s snaps, or
// the matrix or the point is not generic: snapped, then in place or through
// the whole matrix. Returned by value, in registers.
GMTRRT_DETAIL_RARE inline CGMTRPoint2D TurnRare(double c, double s, double px, double py, double qx,
                                                double qy, double angle) {
    double x;
    double y;
    const double k = Snap(c);
    const double sn = Snap(s);
    if (TurnGeneric(k, sn, px, py, qx, qy, sn, x, y))
        return CGMTRPoint2D(x, y);
    double e[3][3];
    RotateByRare(c, s, px, py, angle, e);
    CGMTRPoint2D q(qx, qy);
    q *= CGMTRMatrix2D(e[0][0], e[0][1], e[0][2], e[1][0], e[1][1], e[1][2], e[2][0], e[2][1],
                       e[2][2]);
    return q;
}

} // namespace detail
} // namespace gmtrrt
/// @endcond

// T(-p) * R(angle) * T(p). The common case, a cosine and sine that do not
// snap and generic entries, is written out here; the rest is out of line.
inline void CGMTRMatrix2D::SetToRotateBy(CGMTRPoint2D const& p, double const& angle) {
    double c;
    double s;
    gmtrrt::detail::RunTimeCosSin(angle, c, s);
    double px = p.X();
    double py = p.Y();
    gmtrrt::detail::KeepUntil(c, px, py);
    if (gmtrrt::detail::Unsnapped(c, s) && gmtrrt::detail::RotateByGeneric(c, s, px, py, m, 1.0))
        return;
    double e[3][3];
    gmtrrt::detail::RotateByRare(c, s, px, py, angle, e);
    *this = CGMTRMatrix2D(e[0][0], e[0][1], e[0][2], e[1][0], e[1][1], e[1][2], e[2][0], e[2][1],
                          e[2][2]);
}

// The turn about the centre: the same bits as building the matrix with
// SetToRotateBy and applying it. The common case is written out here; the
// rest is out of line.
inline void CGMTRPoint2D::RotateForPoint(CGMTRPoint2D const& centre, double const& angle) {
    double c;
    double s;
    gmtrrt::detail::RunTimeCosSin(angle, c, s);
    double px = centre.X();
    double py = centre.Y();
    double qx = x;
    double qy = y;
    gmtrrt::detail::KeepUntil(c, px, py, qx, qy);
    if (gmtrrt::detail::Unsnapped(c, s) &&
        gmtrrt::detail::TurnGeneric(c, s, px, py, qx, qy, 1.0, x, y))
        return;
    *this = gmtrrt::detail::TurnRare(c, s, px, py, qx, qy, angle);
}

#endif // GMTRRT_CGMTRPOINT2D_H
