// CGMTRVector2D: a plane direction or displacement of two doubles.
#ifndef GMTRRT_CGMTRVECTOR2D_H
#define GMTRRT_CGMTRVECTOR2D_H

#include "GMTRRT.h"

class CGMTRPoint2D;
class CGMTRMatrix2D;

/// A plain value of two doubles (x, y). The default is the unit vector (1, 0),
/// not the zero vector. Nothing checks for zero length: Normalize, Magnitude,
/// Mirror across a zero axis and division by 0.0 give IEEE non-finite
/// components; test IsZeroLengh first where a zero vector can occur.
/// Tests return int 1/0; compound operators return nothing.
class GMTRRT_API CGMTRVector2D {
public:
    /// The unit vector (1, 0).
    CGMTRVector2D();
    CGMTRVector2D(double const& x, double const& y);
    CGMTRVector2D(CGMTRVector2D const& other);
    CGMTRVector2D& operator=(CGMTRVector2D const& other);
    ~CGMTRVector2D();

    double X() const;
    double Y() const;
    void X(double x);
    void Y(double y);
    /// Writes x and y through the two pointers (both must be valid).
    void Components(double* x, double* y) const;
    void Components(double x, double y);
    /// This = to - from.
    void SetVector(CGMTRPoint2D const& from, CGMTRPoint2D const& to);

    /// sqrt(x*x + y*y).
    double Length() const;
    /// x*x + y*y.
    double LengthSquare();
    double DotProduct(CGMTRVector2D const& v) const;
    /// x*v.y - y*v.x: positive when v lies counter-clockwise of this vector.
    double CrossProduct(CGMTRVector2D const& v) const;
    /// atan2(y, x), in [-pi, pi].
    double Angle() const;
    /// v.Angle() - Angle(), not normalised (range [-2pi, 2pi]).
    double AngleTo(CGMTRVector2D const& v) const;
    int IsUnit() const;
    /// 1 when Length() < GMTR_TOL.
    int IsZeroLengh() const;
    /// 1 when |dot product| < GMTR_TOL (raw, not normalised).
    int IsOrthogonalTo(CGMTRVector2D const& v) const;
    /// 1 when |cross product| < GMTR_TOL (raw, not normalised); opposite
    /// directions are parallel too.
    int IsParallelTo(CGMTRVector2D const& v) const;

    /// Scales to length L (a negative L reverses the direction); returns L.
    double Magnitude(double L);
    /// Divides both components by the length.
    void Normalize();
    /// Turns counter-clockwise by the angle through the snapped rotation
    /// matrix, so quarter turns are exact.
    void Rotate(double angle);
    /// Reflects across the line through the origin along the axis (any length).
    void Mirror(CGMTRVector2D const& axis);
    /// Transforms by the matrix; its translation cancels.
    void operator*=(CGMTRMatrix2D const& m);

    /// (-y, x): this vector turned by +pi/2.
    CGMTRVector2D Orthogonal();

    CGMTRVector2D operator-();
    CGMTRVector2D operator+(CGMTRVector2D const& v);
    CGMTRVector2D operator-(CGMTRVector2D const& v);
    CGMTRVector2D operator+(double d);
    CGMTRVector2D operator-(double d);
    CGMTRVector2D operator*(double d);
    /// No test of d: division by 0.0 gives non-finite components.
    CGMTRVector2D operator/(double d);
    void operator+=(CGMTRVector2D const& v);
    void operator-=(CGMTRVector2D const& v);
    void operator+=(double d);
    void operator-=(double d);
    void operator*=(double d);
    void operator/=(double d);
    /// 1 when both components are equal within GMTR_TOL.
    int operator==(CGMTRVector2D const& v);
    int operator!=(CGMTRVector2D const& v);

private:
    double x;
    double y;
};

#endif // GMTRRT_CGMTRVECTOR2D_H
