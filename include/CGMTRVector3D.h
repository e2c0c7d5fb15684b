/// @file
/// CGMTRVector3D: a displacement in space of three doubles.
#ifndef GMTRRT_CGMTRVECTOR3D_H
#define GMTRRT_CGMTRVECTOR3D_H

#include "GMTRRT.h"

/// A plain value of three doubles (x, y, z), in this order and nothing else.
/// The default is the zero vector (0, 0, 0), unlike the plane vector.
/// Equality is tolerant, field by field with IsEqualValue (strict GMTR_TOL).
/// Tests return int 1/0; compound operators return nothing. The vector offers
/// no operators that return a new vector and no dot or cross product; it is
/// the translation carrier of CGMTRTransform3D and the step of CGMTRPoint3D.
/// Trivially copyable: copies and assignment are inline and never call into
/// the shared library.
class GMTRRT_API CGMTRVector3D {
public:
    /// The zero vector.
    CGMTRVector3D();
    /// The vector (x, y, z).
    CGMTRVector3D(double const& x, double const& y, double const& z);
    /// A copy of the three fields.
    CGMTRVector3D(CGMTRVector3D const& other) = default;
    /// Copies the three fields; returns this vector.
    CGMTRVector3D& operator=(CGMTRVector3D const& other) = default;

    /// Adds d to each of x, y and z.
    void operator+=(double const& d);
    /// Adds v field by field.
    void operator+=(CGMTRVector3D const& v);
    /// Subtracts d from each of x, y and z.
    void operator-=(double const& d);
    /// Subtracts v field by field.
    void operator-=(CGMTRVector3D const& v);
    /// Multiplies each field by d (any d, NaN and infinities included).
    void operator*=(double d);
    /// Divides each field by d; a divisor of exactly 0.0 (either sign) leaves
    /// the vector unchanged, as the space point does. Any other divisor,
    /// however small, is used.
    void operator/=(double d);
    /// 1 when x, y and z each equal v's within GMTR_TOL (strict), else 0.
    /// A NaN field is never equal.
    int operator==(CGMTRVector3D const& v);
    /// The negation of operator==.
    int operator!=(CGMTRVector3D const& v);

    /// sqrt(x*x + y*y + z*z).
    double Length() const;
    /// 1 when the length differs from 1.0 by less than GMTR_TOL.
    int IsUnit() const;
    /// 1 when the length is less than GMTR_TOL.
    int IsZeroLengh() const;
    /// Divides x, y and z by the length (taken once before the divisions).
    /// A vector whose length is exactly 0.0 (the zero vector, or one so small
    /// that the squares underflow) is left unchanged rather than turned into
    /// NaN, so it stays a zero vector that IsZeroLengh reports; test
    /// IsZeroLengh first when a direction is required. Infinite or NaN fields
    /// give NaN fields.
    void Normalize();

    /// The x field.
    double X() const;
    /// The y field.
    double Y() const;
    /// The z field.
    double Z() const;
    /// Sets the x field.
    void X(double const& x);
    /// Sets the y field.
    void Y(double const& y);
    /// Sets the z field.
    void Z(double const& z);

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of operator==.
    int operator==(CGMTRVector3D const& v) const;
    /// Const form of operator!=.
    int operator!=(CGMTRVector3D const& v) const;
    ///@}

private:
    double x;
    double y;
    double z;
};

#endif // GMTRRT_CGMTRVECTOR3D_H
