/// @file
/// CGMTRTransform2D: a plane transform built step by step and read back as a
/// matrix or as its components.
#ifndef GMTRRT_CGMTRTRANSFORM2D_H
#define GMTRRT_CGMTRTRANSFORM2D_H

#include "CGMTRMatrix2D.h"
#include "GMTRRT.h"

class CGMTRPoint2D;
class CGMTRVector2D;

/// One accumulated CGMTRMatrix2D (row vectors, translation in row 2). Every
/// step is appended after the steps already taken, so points are moved by
/// the steps in the order in which they were called. A new transform is the
/// identity. Angles are radians, counter-clockwise positive. Plain value: no
/// heap, no virtual functions.
class GMTRRT_API CGMTRTransform2D {
public:
    /// The identity.
    CGMTRTransform2D();
    /// Copy of the other transform's matrix.
    CGMTRTransform2D(CGMTRTransform2D& other);
    /// Copies the other transform's matrix; returns nothing.
    void operator=(CGMTRTransform2D& other);
    /// Does nothing: the transform owns no resources.
    ~CGMTRTransform2D();

    /// Replaces the accumulated matrix by `matrix`.
    void SetTrMatrix2D(CGMTRMatrix2D matrix);
    /// A copy of the accumulated matrix.
    CGMTRMatrix2D GetTrMatrix2D();
    /// Back to the identity.
    void Reset();

    /// Appends the reflection across the line through `point` along
    /// `direction` (any length; a zero direction means the horizontal line).
    void Mirror(CGMTRPoint2D& point, CGMTRVector2D& direction);
    /// Appends uniform scaling about `centre` by `factor`.
    void Scale(CGMTRPoint2D& centre, double factor);
    /// Appends the counter-clockwise turn about `centre` by `angle` radians.
    void Rotate(CGMTRPoint2D& centre, double angle);
    /// Appends the translation by `v`.
    void Transfer(CGMTRVector2D& v);

    /// Splits the transform into its components; no pointer may be null.
    ///  * `transfer`: the translation row (m20, m21) of the matrix.
    ///  * `mirror`: 1 when the linear part reverses orientation (its
    ///    determinant is below 0.0), else 0.
    ///  * `scale`: |determinant| of the linear part, the factor by which the
    ///    transform multiplies areas (one Scale by f gives f*f).
    ///  * `rotation`: the direction, in (-pi, pi], in which the transform
    ///    sends the +x axis: atan2(m01, m00). Exact -pi is reported as +pi.
    ///    For a similarity transform the matrix then equals the product
    ///    `F * R(rotation) * S(sqrt(scale)) * T(transfer)`, where F is the
    ///    reflection in the x axis when mirror is 1 (the identity otherwise),
    ///    R the turn about the origin, S the uniform scaling and T the shift,
    ///    so a transform built from turns and positive scalings gives back
    ///    the sum of its turns (reduced to (-pi, pi]), a negative scale factor
    ///    adds a half turn, and a reflection across a line through the origin
    ///    at angle phi reports 2 * phi.
    /// Returns 1, or 0 when IsEqualValue(scale, 0.0) (a singular linear
    /// part): `rotation` is then left untouched while transfer, mirror and
    /// scale have already been written. A NaN matrix gives NaN outputs and 1.
    int GetComponent(double* scale, double* rotation, int* mirror, CGMTRVector2D* transfer);

    /// @name Const forms
    /// The members above whose arguments are only read, taking them as const
    /// (so a const transform can be copied and const points and vectors
    /// passed), and the read-only members as const operations. Each runs the
    /// same code as its non-const form and gives the same bits.
    ///@{
    /// The same as the constructor above, from const arguments.
    CGMTRTransform2D(CGMTRTransform2D const& other);
    /// Const form of operator=.
    void operator=(CGMTRTransform2D const& other);
    /// Const form of GetTrMatrix2D.
    CGMTRMatrix2D GetTrMatrix2D() const;
    /// Const form of Mirror.
    void Mirror(CGMTRPoint2D const& point, CGMTRVector2D const& direction);
    /// Const form of Scale.
    void Scale(CGMTRPoint2D const& centre, double factor);
    /// Const form of Rotate.
    void Rotate(CGMTRPoint2D const& centre, double angle);
    /// Const form of Transfer.
    void Transfer(CGMTRVector2D const& v);
    /// Const form of GetComponent.
    int GetComponent(double* scale, double* rotation, int* mirror, CGMTRVector2D* transfer) const;
    ///@}

private:
    CGMTRMatrix2D matrix;
};

#endif // GMTRRT_CGMTRTRANSFORM2D_H
