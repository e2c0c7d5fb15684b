/// @file
/// CGMTRPoint3D: a location in space of three doubles.
#ifndef GMTRRT_CGMTRPOINT3D_H
#define GMTRRT_CGMTRPOINT3D_H

#include "GMTRRT.h"

class CGMTRVector3D;
class CGMTRMatrix3D;
class CGMTRRotate3D;
class CGMTRTransform3D;

/// A plain value of three doubles (x, y, z), in this order and nothing else;
/// the default is the origin. The operators that return a point leave this
/// one unchanged. Division by exactly 0.0 (either sign) is skipped silently.
/// Points are row vectors: multiplying by a matrix M gives (x, y, z) M, so
/// (1, 0, 0) becomes the first row of M. Equality is tolerant per field
/// (|other - this| < GMTR_TOL, strict). Trivially copyable: copies and
/// assignment are inline and never call into the shared library.
class GMTRRT_API CGMTRPoint3D {
public:
    /// The origin.
    CGMTRPoint3D();
    /// The point (x, y, z).
    CGMTRPoint3D(double const& x, double const& y, double const& z);
    /// A copy of the three fields.
    CGMTRPoint3D(CGMTRPoint3D const& other) = default;
    /// Copies the three fields; returns this point.
    CGMTRPoint3D& operator=(CGMTRPoint3D const& other) = default;

    /// (-x, -y, -z).
    CGMTRPoint3D operator-() const;
    /// (x - d, y - d, z - d).
    CGMTRPoint3D operator-(double const& d) const;
    /// This point minus q, field by field.
    CGMTRPoint3D operator-(CGMTRPoint3D const& q) const;
    /// This point moved back by v.
    CGMTRPoint3D operator-(CGMTRVector3D const& v) const;
    /// The field-by-field sum.
    CGMTRPoint3D operator+(CGMTRPoint3D const& q) const;
    /// This point moved by v.
    CGMTRPoint3D operator+(CGMTRVector3D const& v) const;
    /// (x + d, y + d, z + d).
    CGMTRPoint3D operator+(double const& d) const;
    /// (x * d, y * d, z * d).
    CGMTRPoint3D operator*(double const& d) const;
    /// (x / d, y / d, z / d); an unchanged copy when d is exactly 0.0.
    CGMTRPoint3D operator/(double const& d) const;

    /// Adds d to each field.
    void operator+=(double const& d);
    /// Subtracts d from each field.
    void operator-=(double const& d);
    /// Adds q field by field.
    void operator+=(CGMTRPoint3D const& q);
    /// Subtracts q field by field.
    void operator-=(CGMTRPoint3D const& q);
    /// Moves the point by v.
    void operator+=(CGMTRVector3D const& v);
    /// Moves the point back by v.
    void operator-=(CGMTRVector3D const& v);
    /// Multiplies each field by d.
    void operator*=(double const& d);
    /// Divides each field by d; no change when d is exactly 0.0.
    void operator/=(double const& d);
    /// The point becomes (x, y, z) M, all three results from the old fields.
    void operator*=(CGMTRMatrix3D const& m);

    /// 1 when |q - this| < GMTR_TOL for each of x, y and z, else 0.
    int operator==(CGMTRPoint3D const& q);
    /// 1 when |q - this| >= GMTR_TOL for some field, else 0. Not simply the
    /// negation of operator==: a NaN field makes both operators give 0.
    int operator!=(CGMTRPoint3D const& q);
    /// Euclidean distance to q.
    double Distance3D(CGMTRPoint3D const& q);
    /// Moves the point by v (as operator+= with the vector).
    void Transfer(CGMTRVector3D const& v);

    /// Rotates about the origin: p becomes p R, R the rotation's matrix.
    void Rotate(CGMTRRotate3D const& r);
    /// Rotates about the centre: subtracts it, rotates, adds it back. The
    /// centre itself is a fixed point.
    void RotateForPoint(CGMTRRotate3D const& r, CGMTRPoint3D const& centre);
    /// Applies the rigid transform: rotation first, then translation, so p
    /// becomes p R + v.
    void TransForm(CGMTRTransform3D const& t);

    /// The x coordinate.
    double X() const;
    /// The y coordinate.
    double Y() const;
    /// The z coordinate.
    double Z() const;
    /// Sets the x coordinate.
    void X(double const& x);
    /// Sets the y coordinate.
    void Y(double const& y);
    /// Sets the z coordinate.
    void Z(double const& z);

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of operator==.
    int operator==(CGMTRPoint3D const& q) const;
    /// Const form of operator!=.
    int operator!=(CGMTRPoint3D const& q) const;
    /// Const form of Distance3D.
    double Distance3D(CGMTRPoint3D const& q) const;
    ///@}

private:
    double x;
    double y;
    double z;
};

#endif // GMTRRT_CGMTRPOINT3D_H
