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
/// and copied with memcpy.
class GMTRRT_API CGMTRPoint2D {
public:
    /// The origin (0, 0).
    CGMTRPoint2D();
    /// The point (x, y).
    CGMTRPoint2D(double const& x, double const& y);
    /// A copy of both coordinates.
    CGMTRPoint2D(CGMTRPoint2D const& other) = default;
    /// The tip of the vector placed at the origin.
    CGMTRPoint2D(CGMTRVector2D const& v);
    /// Copies both coordinates; returns this point.
    CGMTRPoint2D& operator=(CGMTRPoint2D const& other) = default;
    /// Does nothing: the point owns no resources.
    ~CGMTRPoint2D() = default;

    /// The x coordinate.
    double X() const;
    /// The y coordinate.
    double Y() const;
    /// Sets the x coordinate.
    void X(double const& x);
    /// Sets the y coordinate.
    void Y(double const& y);
    /// Writes x and y through the two pointers (both must be valid).
    void Components(double* x, double* y);
    /// Sets both coordinates.
    void Components(double x, double y);

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
    void operator*=(CGMTRMatrix2D const& m);

    /// Turns about the origin, counter-clockwise by the angle.
    void Rotate(double const& angle);
    /// Turns about the centre, counter-clockwise by the angle.
    void RotateForPoint(CGMTRPoint2D const& centre, double const& angle);
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

#endif // GMTRRT_CGMTRPOINT2D_H
