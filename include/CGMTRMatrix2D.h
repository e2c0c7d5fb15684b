/// @file
/// CGMTRMatrix2D: a 3x3 homogeneous plane transform for row vectors.
#ifndef GMTRRT_CGMTRMATRIX2D_H
#define GMTRRT_CGMTRMATRIX2D_H

#include "GMTRRT.h"

class CGMTRPoint2D;
class CGMTRVector2D;

/// Nine doubles m[i][j] kept row by row. A point is the row vector (x, y, 1)
/// multiplied on the left: (x', y', w) = (x, y, 1) * M, so the translation is
/// in row 2. Composition reads left to right: A *= B sets A = A * B, so B acts
/// after what A already held. The SetTo... builders replace the matrix; the
/// plain builders append their transform. Rotations use the snapped cosine and
/// sine, so quarter turns are exact. Angles are radians, counter-clockwise
/// positive. The default is the identity.
///
/// The constructors and the element access are defined in this header, so a
/// host runs them inline; the library exports them by name as well.
class GMTRRT_API CGMTRMatrix2D {
public:
    /// The identity.
    GMTRRT_INLINE CGMTRMatrix2D() : m{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}} {}
    /// The nine values in storage order m00, m01, m02, m10, ..., m22.
    GMTRRT_INLINE CGMTRMatrix2D(double const& m00, double const& m01, double const& m02,
                                double const& m10, double const& m11, double const& m12,
                                double const& m20, double const& m21, double const& m22)
        : m{{m00, m01, m02}, {m10, m11, m12}, {m20, m21, m22}} {}
    /// A copy of the nine values.
    CGMTRMatrix2D(CGMTRMatrix2D const& other) = default;
    /// Copies the nine values; returns nothing.
    GMTRRT_INLINE void operator=(CGMTRMatrix2D other) {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = other.m[i][j];
    }
    /// Does nothing: the matrix owns no resources.
    ~CGMTRMatrix2D() = default;

    /// m[i][j]; indices are not checked (pass 0 to 2).
    GMTRRT_INLINE double GetSingleValue(short i, short j) const { return m[i][j]; }
    /// m[i][j] = value; indices are not checked (pass 0 to 2).
    GMTRRT_INLINE void SetSingleValue(short i, short j, double const& value) { m[i][j] = value; }
    /// The identity.
    GMTRRT_INLINE void Reset() {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = i == j ? 1.0 : 0.0;
    }

    /// this * B; this matrix is unchanged.
    CGMTRMatrix2D operator*(CGMTRMatrix2D B);
    /// this = this * B (B may be this matrix itself).
    void operator*=(CGMTRMatrix2D const& B);

    /// The determinant, by expansion along row 0; the matrix is unchanged.
    double GetDeterminant();
    /// Signed cofactor of element (i, j); indices must lie in 0 to 2.
    double GetSubDet(short i, short j);
    /// Dot product of rows i and j; 0.0 when an index is outside 0 to 2.
    double ProductOfRow(short i, short j);
    /// 1 when the three rows are orthonormal within GMTR_TOL (a deviation of
    /// exactly GMTR_TOL is accepted); a translation makes it 0.
    int IsOrthogonal();
    /// Replaces the matrix by its inverse; a singular matrix
    /// (|determinant| < GMTR_TOL) is left unchanged.
    void Inverse();

    /// Replaces the matrix by the translation by v (row 2 = v.x, v.y, 1).
    void SetToTransfer(CGMTRVector2D const& v);
    /// Appends the translation by v: this = this * T(v).
    void Transfer(CGMTRVector2D const& v);
    /// Replaces the matrix by the counter-clockwise rotation about the
    /// origin by the angle in radians.
    void SetToRotate(double const& angle);
    /// Appends the counter-clockwise rotation about the origin:
    /// this = this * R(angle).
    void Rotate(double const& angle);
    /// Replaces the matrix by the rotation about point p: T(-p) * R(a) * T(p).
    /// Defined in CGMTRPoint2D.h (a host runs it inline; the cosine and sine
    /// are still the C library's, at run time).
    GMTRRT_INLINE void SetToRotateBy(CGMTRPoint2D const& p, double const& angle);
    /// Appends the rotation about point p: this = this * (T(-p) * R(a) * T(p)).
    void RotateBy(CGMTRPoint2D const& p, double const& angle);
    /// Replaces the matrix by the uniform scaling about the origin.
    void SetToScale(double const& factor);
    /// Appends the uniform scaling about the origin: this = this * S(factor).
    void Scale(double const& factor);
    /// Replaces the matrix by the uniform scaling about point p:
    /// T(-p) * S(f) * T(p).
    void SetToScaleBy(CGMTRPoint2D const& p, double const& factor);
    /// Appends the uniform scaling about point p:
    /// this = this * (T(-p) * S(f) * T(p)).
    void ScaleBy(CGMTRPoint2D const& p, double const& factor);
    /// Replaces the matrix by the reflection across the line through p along
    /// direction v (any length; a zero direction gives the horizontal line
    /// through p).
    void SetToMirror(CGMTRPoint2D const& p, CGMTRVector2D const& v);
    /// Appends that reflection: this = this * (reflection across the line
    /// through p along v).
    void Mirror(CGMTRPoint2D const& p, CGMTRVector2D const& v);

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of operator*.
    CGMTRMatrix2D operator*(CGMTRMatrix2D B) const;
    /// Const form of GetDeterminant.
    double GetDeterminant() const;
    /// Const form of GetSubDet.
    double GetSubDet(short i, short j) const;
    /// Const form of ProductOfRow.
    double ProductOfRow(short i, short j) const;
    /// Const form of IsOrthogonal.
    int IsOrthogonal() const;
    ///@}

private:
    double m[3][3];
};

/// @cond INTERNAL
namespace gmtrrt {
namespace detail {

// T(-p) * R * T(p) for the snapped cosine k and sine s, written into m when
// the inputs are generic: then the full 3x3 products reduce exactly, bit for
// bit, to the entries k, s, -s, k, t + px, u + py. Generic means s, t and u
// finite and non-zero, which one product tests: (t * u) * sOrOne, where a
// caller that knows s to be finite and non-zero passes 1 for sOrOne.
// Otherwise m is untouched and the result is false.
inline bool RotateByGeneric(double k, double s, double px, double py, double (&m)[3][3],
                            double sOrOne) {
    const double ns = -s;
    const double t = (-px) * k + (-py) * ns;
    const double u = (-px) * s + (-py) * k;
    if (!FiniteNonZero((t * u) * sOrOne))
        return false;
    m[0][0] = k;
    m[0][1] = s;
    m[0][2] = 0.0;
    m[1][0] = ns;
    m[1][1] = k;
    m[1][2] = 0.0;
    m[2][0] = t + px;
    m[2][1] = u + py;
    m[2][2] = 1.0;
    return true;
}

} // namespace detail
} // namespace gmtrrt
/// @endcond

// The inline members that read points and vectors are defined there.
#include "CGMTRPoint2D.h"

#endif // GMTRRT_CGMTRMATRIX2D_H
