/// @file
/// CGMTRMatrix3D: a 3x3 matrix of the space family, for row vectors.
#ifndef GMTRRT_CGMTRMATRIX3D_H
#define GMTRRT_CGMTRMATRIX3D_H

#include "GMTRRT.h"

/// Nine doubles m[r][c], stored row by row (m00, m01, m02, m10, ..., m22) and
/// nothing else; the default is the identity. Points are row vectors
/// multiplied on the left: p' = p M, so a product A B acts as A first and B
/// second. Row and column numbers are short values 0 to 2; only ProductOfRow
/// checks them. Products sum each entry from 0.0 in the order k = 0, 1, 2.
class GMTRRT_API CGMTRMatrix3D {
public:
    /// The identity.
    CGMTRMatrix3D();
    /// The nine entries row by row.
    CGMTRMatrix3D(double const& m00, double const& m01, double const& m02, double const& m10,
                  double const& m11, double const& m12, double const& m20, double const& m21,
                  double const& m22);
    /// A copy of the nine entries.
    CGMTRMatrix3D(CGMTRMatrix3D const& other) = default;
    /// Copies the nine entries; returns this matrix.
    CGMTRMatrix3D& operator=(CGMTRMatrix3D const& other) = default;

    /// The product (this)(B); this matrix is unchanged.
    CGMTRMatrix3D operator*(CGMTRMatrix3D B) const;
    /// this = (this)(B). B is read completely first, so B may be this matrix.
    void operator*=(CGMTRMatrix3D const& B);

    /// Dot product of rows i and j; 0.0 when i or j lies outside 0 to 2.
    double ProductOfRow(short i, short j);
    /// 1 when every row has squared length within GMTR_TOL of 1 and every pair
    /// of rows has a dot product within GMTR_TOL of 0. Only a deviation above
    /// the tolerance fails, so a deviation of exactly GMTR_TOL still passes;
    /// for the same reason NaN entries are not rejected.
    int IsOrthogonal();
    /// The determinant, by expansion along the first row.
    double GetDeterminant();
    /// Signed cofactor of entry (i, j), from the cyclically following rows and
    /// columns; i and j are not checked and must lie in 0 to 2.
    double GetSubDet(short i, short j);
    /// Replaces the matrix by its inverse (transposed cofactors over the
    /// determinant). When |determinant| < GMTR_TOL (strict) the matrix is left
    /// unchanged and nothing is reported: test GetDeterminant first if needed.
    void Inverse();

    /// Sets all nine entries, row by row.
    void SetMatrixValue(double const& m00, double const& m01, double const& m02, double const& m10,
                        double const& m11, double const& m12, double const& m20, double const& m21,
                        double const& m22);
    /// m[i][j] = value; i and j are not checked (pass 0 to 2).
    void SetSingleValue(short i, short j, double const& value);
    /// m[i][j]; i and j are not checked (pass 0 to 2).
    double GetSingleValue(short i, short j) const;

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of ProductOfRow.
    double ProductOfRow(short i, short j) const;
    /// Const form of IsOrthogonal.
    int IsOrthogonal() const;
    /// Const form of GetDeterminant.
    double GetDeterminant() const;
    /// Const form of GetSubDet.
    double GetSubDet(short i, short j) const;
    ///@}

private:
    double m[3][3];
};

#endif // GMTRRT_CGMTRMATRIX3D_H
