// Operations on a 3x3 matrix of doubles kept row by row, shared by the plane
// homogeneous matrix and the space matrix. Each formula is evaluated in one
// fixed order, so both classes round alike and results agree bit for bit.
// Private to the library.
#ifndef GMTRRT_NUMERIC_MATRIX33_H
#define GMTRRT_NUMERIC_MATRIX33_H

#include "GMTRRT.h"

#include <cmath>

namespace gmtrrt {
namespace detail {

// r = a * b, each entry summed from 0.0 in the order k = 0, 1, 2. r must not
// be a or b.
inline void Multiply33(const double a[3][3], const double b[3][3], double r[3][3]) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double s = 0.0;
            for (int k = 0; k < 3; ++k)
                s += a[i][k] * b[k][j];
            r[i][j] = s;
        }
    }
}

inline void Copy33(const double from[3][3], double to[3][3]) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            to[i][j] = from[i][j];
}

// Dot product of rows i and j; 0.0 for a row number outside 0 to 2.
inline double RowProduct33(const double m[3][3], short i, short j) {
    if (i < 0 || i > 2 || j < 0 || j > 2)
        return 0.0;
    return m[i][0] * m[j][0] + m[i][1] * m[j][1] + m[i][2] * m[j][2];
}

// 1 when the rows are orthonormal; only a deviation above GMTR_TOL fails.
inline int IsOrthonormal33(const double m[3][3]) {
    for (short i = 0; i < 3; ++i)
        if (std::fabs(1.0 - RowProduct33(m, i, i)) > GMTR_TOL)
            return 0;
    static const short pairs[3][2] = {{0, 1}, {1, 2}, {2, 0}};
    for (const auto& p : pairs)
        if (std::fabs(RowProduct33(m, p[0], p[1])) > GMTR_TOL)
            return 0;
    return 1;
}

// Expansion along row 0.
inline double Determinant33(const double m[3][3]) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) +
           m[0][1] * (m[2][0] * m[1][2] - m[1][0] * m[2][2]) +
           m[0][2] * (m[1][0] * m[2][1] - m[2][0] * m[1][1]);
}

// Cofactor of entry (i, j): the cyclic choice of rows and columns carries its
// sign. Row and column must lie in 0 to 2.
inline double Cofactor33(const double m[3][3], short i, short j) {
    const int i1 = (i + 1) % 3, i2 = (i + 2) % 3;
    const int j1 = (j + 1) % 3, j2 = (j + 2) % 3;
    return m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
}

// Replaces m by its inverse (transposed cofactors over the determinant); a
// matrix with |determinant| < GMTR_TOL is left unchanged.
inline void Invert33(double m[3][3]) {
    double copy[3][3];
    Copy33(m, copy);
    const double d = Determinant33(copy);
    if (std::fabs(d) < GMTR_TOL)
        return;
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            m[i][j] = Cofactor33(copy, j, i) / d;
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_NUMERIC_MATRIX33_H
