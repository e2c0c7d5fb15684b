/// @file
/// CGMTRVector2D: a plane direction or displacement of two doubles.
#ifndef GMTRRT_CGMTRVECTOR2D_H
#define GMTRRT_CGMTRVECTOR2D_H

#include "GMTRRT.h"

class CGMTRPoint2D;
class CGMTRMatrix2D;

/// A plain value of two doubles (x, y). The default is the unit vector (1, 0),
/// not the zero vector. Nothing checks for zero length: Normalize, Magnitude,
/// Mirror across a zero axis and division by 0.0 give IEEE non-finite
/// components; test IsZeroLengh first where a zero vector can occur.
/// Tests return int 1/0; compound operators return nothing. Angles are
/// radians, counter-clockwise positive.
///
/// Trivially copyable: copying, assigning and destroying a vector are inline
/// and never call into the shared library. The constructors, the component
/// access and the transform by a matrix are defined in the headers too, so a
/// host runs them inline; the library exports each of them by name as well.
class GMTRRT_API CGMTRVector2D {
public:
    /// The unit vector (1, 0).
    GMTRRT_INLINE CGMTRVector2D() : x(1.0), y(0.0) {}
    /// The vector (x, y).
    GMTRRT_INLINE CGMTRVector2D(double const& x_, double const& y_) : x(x_), y(y_) {}
    /// A copy of both components.
    CGMTRVector2D(CGMTRVector2D const& other) = default;
    /// Copies both components; returns this vector.
    CGMTRVector2D& operator=(CGMTRVector2D const& other) = default;
    /// Does nothing: the vector owns no resources.
    ~CGMTRVector2D() = default;

    /// The x component.
    GMTRRT_INLINE double X() const { return x; }
    /// The y component.
    GMTRRT_INLINE double Y() const { return y; }
    /// Sets the x component.
    GMTRRT_INLINE void X(double x_) { x = x_; }
    /// Sets the y component.
    GMTRRT_INLINE void Y(double y_) { y = y_; }
    /// Writes x and y through the two pointers (both must be valid).
    GMTRRT_INLINE void Components(double* px, double* py) const {
        *px = x;
        *py = y;
    }
    /// Sets both components.
    GMTRRT_INLINE void Components(double x_, double y_) {
        x = x_;
        y = y_;
    }
    /// This = to - from.
    void SetVector(CGMTRPoint2D const& from, CGMTRPoint2D const& to);

    /// sqrt(x*x + y*y).
    double Length() const;
    /// x*x + y*y.
    double LengthSquare();
    /// x*v.x + y*v.y.
    double DotProduct(CGMTRVector2D const& v) const;
    /// x*v.y - y*v.x: positive when v lies counter-clockwise of this vector.
    double CrossProduct(CGMTRVector2D const& v) const;
    /// atan2(y, x), in [-pi, pi].
    double Angle() const;
    /// v.Angle() - Angle(), not normalised (range [-2pi, 2pi]); pass it
    /// through NormalizeSignedAngle for a turn in (-pi, pi].
    double AngleTo(CGMTRVector2D const& v) const;
    /// 1 when the length differs from 1.0 by less than GMTR_TOL.
    int IsUnit() const;
    /// 1 when Length() < GMTR_TOL.
    int IsZeroLengh() const;
    /// 1 when |dot product| < GMTR_TOL (raw, not normalised, so the test
    /// grows stricter with the lengths of the vectors).
    int IsOrthogonalTo(CGMTRVector2D const& v) const;
    /// 1 when |cross product| < GMTR_TOL (raw, not normalised); opposite
    /// directions are parallel too.
    int IsParallelTo(CGMTRVector2D const& v) const;

    /// Scales to length L (a negative L reverses the direction); returns L,
    /// not the old length. A zero vector becomes non-finite.
    double Magnitude(double L);
    /// Divides both components by the length; a zero vector becomes NaN.
    void Normalize();
    /// Turns counter-clockwise by the angle (radians) through the snapped
    /// rotation matrix, so quarter turns are exact.
    void Rotate(double angle);
    /// Reflects across the line through the origin along the axis (any
    /// length; a zero axis gives non-finite components).
    void Mirror(CGMTRVector2D const& axis);
    /// Transforms by the matrix; its translation cancels, so the vector is
    /// only turned, scaled or mirrored. Defined below, after the point.
    GMTRRT_INLINE void operator*=(CGMTRMatrix2D const& m);

    /// (-y, x): this vector turned by +pi/2; this vector is unchanged.
    CGMTRVector2D Orthogonal();

    /// (-x, -y).
    CGMTRVector2D operator-();
    /// (x + v.x, y + v.y).
    CGMTRVector2D operator+(CGMTRVector2D const& v);
    /// (x - v.x, y - v.y).
    CGMTRVector2D operator-(CGMTRVector2D const& v);
    /// (x + d, y + d).
    CGMTRVector2D operator+(double d);
    /// (x - d, y - d).
    CGMTRVector2D operator-(double d);
    /// (x * d, y * d).
    CGMTRVector2D operator*(double d);
    /// No test of d: division by 0.0 gives non-finite components.
    CGMTRVector2D operator/(double d);
    /// Adds v component by component.
    void operator+=(CGMTRVector2D const& v);
    /// Subtracts v component by component.
    void operator-=(CGMTRVector2D const& v);
    /// Adds d to both components.
    void operator+=(double d);
    /// Subtracts d from both components.
    void operator-=(double d);
    /// Multiplies both components by d.
    void operator*=(double d);
    /// Divides both components by d; no test of d, so 0.0 gives non-finite
    /// components.
    void operator/=(double d);
    /// 1 when both components are equal within GMTR_TOL, each on its own.
    int operator==(CGMTRVector2D const& v);
    /// The negation of operator==.
    int operator!=(CGMTRVector2D const& v);

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const vectors and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of LengthSquare.
    double LengthSquare() const;
    /// Const form of Orthogonal.
    CGMTRVector2D Orthogonal() const;
    /// Const form of operator-.
    CGMTRVector2D operator-() const;
    /// Const form of operator+.
    CGMTRVector2D operator+(CGMTRVector2D const& v) const;
    /// Const form of operator-.
    CGMTRVector2D operator-(CGMTRVector2D const& v) const;
    /// Const form of operator+.
    CGMTRVector2D operator+(double d) const;
    /// Const form of operator-.
    CGMTRVector2D operator-(double d) const;
    /// Const form of operator*.
    CGMTRVector2D operator*(double d) const;
    /// Const form of operator/.
    CGMTRVector2D operator/(double d) const;
    /// Const form of operator==.
    int operator==(CGMTRVector2D const& v) const;
    /// Const form of operator!=.
    int operator!=(CGMTRVector2D const& v) const;
    ///@}

private:
    double x;
    double y;
};

#include "CGMTRPoint2D.h"

// The images of the tip and of the origin under the matrix, subtracted.
inline void CGMTRVector2D::operator*=(CGMTRMatrix2D const& m) {
    CGMTRPoint2D tip(x, y);
    CGMTRPoint2D origin(0.0, 0.0);
    tip *= m;
    origin *= m;
    x = tip.X() - origin.X();
    y = tip.Y() - origin.Y();
}

#endif // GMTRRT_CGMTRVECTOR2D_H
