#include "CGMTRRotate3D.h"

#include <cmath>

CGMTRRotate3D::CGMTRRotate3D() = default;
CGMTRRotate3D::CGMTRRotate3D(CGMTRMatrix3D const& m) : matrix(m) {}

CGMTRMatrix3D const& CGMTRRotate3D::GetMatrix() const {
    return matrix;
}

void CGMTRRotate3D::SetMatrix(CGMTRMatrix3D const& m) {
    matrix = m;
}

void CGMTRRotate3D::Define(double const& a, double const& b, double const& c) {
    // Plain cosine and sine, each taken once.
    const double ca = std::cos(a), sa = std::sin(a);
    const double cb = std::cos(b), sb = std::sin(b);
    const double cc = std::cos(c), sc = std::sin(c);

    // Tilt by c about the horizontal axis (sin a, -cos a, 0).
    const double t01 = sa * ca * (cc - 1);
    const double t[3][3] = {{sa * sa + ca * ca * cc, t01, -ca * sc},
                            {t01, ca * ca + sa * sa * cc, -sa * sc},
                            {ca * sc, sa * sc, cc}};

    // Product with the turn about z, S = ((cb, sb, 0), (-sb, cb, 0), (0, 0, 1)),
    // written out with S's known entries. The zero and one terms are kept so
    // that every entry rounds (signed zeros and NaN included) exactly as the
    // general product summed from 0.0 in the order k = 0, 1, 2.
    const double nsb = -sb;
    for (short i = 0; i < 3; ++i) {
        const double t0 = t[i][0], t1 = t[i][1], t2 = t[i][2];
        matrix.SetSingleValue(i, 0, 0.0 + t0 * cb + t1 * nsb + t2 * 0.0);
        matrix.SetSingleValue(i, 1, 0.0 + t0 * sb + t1 * cb + t2 * 0.0);
        matrix.SetSingleValue(i, 2, 0.0 + t0 * 0.0 + t1 * 0.0 + t2);
    }
}

void CGMTRRotate3D::Inverse() {
    matrix.Inverse();
}

void CGMTRRotate3D::operator*=(CGMTRRotate3D const& q) {
    matrix *= q.matrix;
}
