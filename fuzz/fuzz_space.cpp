// Fuzz target for the space family: vectors, points, 3x3 matrices, rotations
// and rigid transforms. A random sequence of operations runs on a few objects
// of each kind. Checked on every input: divisions by a zero of either sign
// and Normalize of a zero-length vector change nothing, Inverse of a singular
// matrix, rotation or transform changes nothing, operators that return a new
// value leave their operands alone, multiplying by itself gives the same bits
// as multiplying by a copy, tests answer 0 or 1, out-of-range row numbers give
// 0.0, and every rotation built from finite angles is orthogonal with
// determinant 1.
#include "FuzzInput.h"

#include "CGMTRMatrix3D.h"
#include "CGMTRPoint3D.h"
#include "CGMTRRotate3D.h"
#include "CGMTRTransform3D.h"
#include "CGMTRVector3D.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdint>

using fuzz::CheckCompoundThroughAlias;
using fuzz::FuzzInput;
using fuzz::SameBits;

namespace {

bool IsBit(int v) {
    return v == 0 || v == 1;
}

bool SameVector(const CGMTRVector3D& a, const CGMTRVector3D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y()) && SameBits(a.Z(), b.Z());
}

bool SamePoint(const CGMTRPoint3D& a, const CGMTRPoint3D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y()) && SameBits(a.Z(), b.Z());
}

bool SameMatrix(const CGMTRMatrix3D& a, const CGMTRMatrix3D& b) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!SameBits(a.GetSingleValue(i, j), b.GetSingleValue(i, j)))
                return false;
    return true;
}

bool SameTransform(const CGMTRTransform3D& a, const CGMTRTransform3D& b) {
    return SameVector(a.GetVector(), b.GetVector()) &&
           SameMatrix(a.GetRotate().GetMatrix(), b.GetRotate().GetMatrix());
}

bool FiniteMatrix(const CGMTRMatrix3D& m) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!std::isfinite(m.GetSingleValue(i, j)))
                return false;
    return true;
}

CGMTRVector3D ReadVector(FuzzInput& in) {
    const double x = in.Double(), y = in.Double(), z = in.Double();
    return CGMTRVector3D(x, y, z);
}

CGMTRPoint3D ReadPoint(FuzzInput& in) {
    const double x = in.Double(), y = in.Double(), z = in.Double();
    return CGMTRPoint3D(x, y, z);
}

CGMTRMatrix3D ReadMatrix(FuzzInput& in) {
    double v[9];
    for (double& d : v)
        d = in.Double();
    return CGMTRMatrix3D(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
}

short Index3(FuzzInput& in) {
    return static_cast<short>(in.Choice(3));
}

void FuzzVector(FuzzInput& in, CGMTRVector3D* v) {
    CGMTRVector3D& a = v[in.Choice(2)];
    CGMTRVector3D& b = v[in.Choice(2)];
    switch (in.Choice(10)) {
    case 0:
        a = ReadVector(in);
        break;
    case 1:
        a.X(in.Double());
        a.Y(in.Double());
        a.Z(in.Double());
        break;
    case 2:
        if (in.Bool())
            a += in.Double();
        else
            a -= in.Double();
        break;
    case 3: {
        CheckCompoundThroughAlias(in, a, b, [](const CGMTRVector3D& x, const CGMTRVector3D& y) {
            return SameVector(x, y);
        });
        break;
    }
    case 4:
        a *= in.Double();
        break;
    case 5: {
        const CGMTRVector3D before = a;
        a /= in.Bool() ? 0.0 : -0.0;
        FUZZ_CHECK(SameVector(a, before));
        a /= in.Double();
        break;
    }
    case 6: {
        const CGMTRVector3D before = a;
        const double length = a.Length();
        a.Normalize();
        if (length == 0.0)
            FUZZ_CHECK(SameVector(a, before));
        break;
    }
    default: {
        FUZZ_CHECK(IsBit(a.IsUnit()));
        FUZZ_CHECK(IsBit(a.IsZeroLengh()));
        const int eq = a == b;
        const int ne = a != b;
        FUZZ_CHECK(IsBit(eq) && IsBit(ne) && eq + ne == 1);
        break;
    }
    }
}

void FuzzPoint(FuzzInput& in, CGMTRPoint3D* p, CGMTRVector3D* v, CGMTRMatrix3D* m, CGMTRRotate3D* r,
               CGMTRTransform3D* t) {
    CGMTRPoint3D& a = p[in.Choice(2)];
    CGMTRPoint3D& b = p[in.Choice(2)];
    switch (in.Choice(12)) {
    case 0:
        a = ReadPoint(in);
        break;
    case 1:
        a.X(in.Double());
        a.Y(in.Double());
        a.Z(in.Double());
        break;
    case 2: {
        // Operators that return a new point leave both operands alone.
        const CGMTRPoint3D a0 = a, b0 = b;
        const double d = in.Double();
        const CGMTRVector3D& w = v[in.Choice(2)];
        (void)(-a);
        (void)(a - d);
        (void)(a - b);
        (void)(a - w);
        (void)(a + b);
        (void)(a + w);
        (void)(a + d);
        (void)(a * d);
        (void)(a / d);
        FUZZ_CHECK(SamePoint(a, a0) && SamePoint(b, b0));
        break;
    }
    case 3: {
        const CGMTRPoint3D before = a;
        const double zero = in.Bool() ? 0.0 : -0.0;
        FUZZ_CHECK(SamePoint(a / zero, before));
        a /= zero;
        FUZZ_CHECK(SamePoint(a, before));
        break;
    }
    case 4: {
        const double d = in.Double();
        switch (in.Choice(4)) {
        case 0:
            a += d;
            break;
        case 1:
            a -= d;
            break;
        case 2:
            a *= d;
            break;
        default:
            a /= d;
            break;
        }
        break;
    }
    case 5: {
        CheckCompoundThroughAlias(
            in, a, b, [](const CGMTRPoint3D& x, const CGMTRPoint3D& y) { return SamePoint(x, y); });
        break;
    }
    case 6:
        switch (in.Choice(3)) {
        case 0:
            a += v[in.Choice(2)];
            break;
        case 1:
            a -= v[in.Choice(2)];
            break;
        default:
            a.Transfer(v[in.Choice(2)]);
            break;
        }
        break;
    case 7:
        a *= m[in.Choice(2)];
        break;
    case 8: {
        const int eq = a == b;
        const int ne = a != b;
        FUZZ_CHECK(IsBit(eq) && IsBit(ne) && eq + ne <= 1);
        (void)a.Distance3D(b);
        break;
    }
    case 9:
        a.Rotate(r[in.Choice(2)]);
        break;
    case 10: {
        // The centre of a rotation stays where it is.
        const CGMTRRotate3D& rot = r[in.Choice(2)];
        CGMTRPoint3D centre = b;
        const CGMTRPoint3D c0 = centre;
        centre.RotateForPoint(rot, c0);
        if (FiniteMatrix(rot.GetMatrix()) && fuzz::Tame(1e300, {c0.X(), c0.Y(), c0.Z()}))
            FUZZ_CHECK(centre.X() == c0.X() && centre.Y() == c0.Y() && centre.Z() == c0.Z());
        a.RotateForPoint(rot, b);
        break;
    }
    default:
        a.TransForm(t[in.Choice(2)]);
        break;
    }
}

void FuzzMatrix(FuzzInput& in, CGMTRMatrix3D* m) {
    CGMTRMatrix3D& a = m[in.Choice(2)];
    CGMTRMatrix3D& b = m[in.Choice(2)];
    switch (in.Choice(9)) {
    case 0:
        a = ReadMatrix(in);
        break;
    case 1: {
        double v[9];
        for (double& d : v)
            d = in.Double();
        a.SetMatrixValue(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        FUZZ_CHECK(
            SameMatrix(a, CGMTRMatrix3D(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8])));
        break;
    }
    case 2: {
        const short i = Index3(in), j = Index3(in);
        const double d = in.Double();
        a.SetSingleValue(i, j, d);
        FUZZ_CHECK(SameBits(a.GetSingleValue(i, j), d));
        break;
    }
    case 3: {
        const CGMTRMatrix3D a0 = a, b0 = b;
        const CGMTRMatrix3D product = a * b;
        FUZZ_CHECK(SameMatrix(a, a0) && SameMatrix(b, b0));
        CGMTRMatrix3D copy = a;
        copy *= b0;
        a *= b; // b may be a itself
        FUZZ_CHECK(SameMatrix(a, copy) && SameMatrix(a, product));
        break;
    }
    case 4: {
        const short i = in.Short(), j = in.Short();
        const double d = a.ProductOfRow(i, j);
        if (i < 0 || i > 2 || j < 0 || j > 2)
            FUZZ_CHECK(SameBits(d, 0.0));
        break;
    }
    case 5:
        FUZZ_CHECK(IsBit(a.IsOrthogonal()));
        (void)a.GetDeterminant();
        (void)a.GetSubDet(Index3(in), Index3(in));
        break;
    case 6: {
        const CGMTRMatrix3D before = a;
        const double det = a.GetDeterminant();
        a.Inverse();
        if (std::fabs(det) < GMTR_TOL)
            FUZZ_CHECK(SameMatrix(a, before));
        break;
    }
    default:
        b = a;
        break;
    }
}

void FuzzRotate(FuzzInput& in, CGMTRRotate3D* r, CGMTRMatrix3D* m) {
    CGMTRRotate3D& a = r[in.Choice(2)];
    CGMTRRotate3D& b = r[in.Choice(2)];
    switch (in.Choice(6)) {
    case 0: {
        const double x = in.Double(), y = in.Double(), z = in.Double();
        a.Define(x, y, z);
        if (std::isfinite(x) && std::isfinite(y) && std::isfinite(z)) {
            CGMTRMatrix3D mat = a.GetMatrix();
            FUZZ_CHECK(mat.IsOrthogonal() == 1);
            FUZZ_CHECK(std::fabs(mat.GetDeterminant() - 1.0) < 1e-9);
        }
        break;
    }
    case 1: {
        const CGMTRMatrix3D& given = m[in.Choice(2)];
        if (in.Bool())
            a.SetMatrix(given);
        else
            a = CGMTRRotate3D(given);
        FUZZ_CHECK(SameMatrix(a.GetMatrix(), given));
        break;
    }
    case 2: {
        const CGMTRMatrix3D before = a.GetMatrix();
        CGMTRMatrix3D probe = before;
        const double det = probe.GetDeterminant();
        a.Inverse();
        if (std::fabs(det) < GMTR_TOL)
            FUZZ_CHECK(SameMatrix(a.GetMatrix(), before));
        break;
    }
    case 3: {
        CGMTRRotate3D copy = a;
        const CGMTRRotate3D other = b;
        copy *= other;
        a *= b; // b may be a itself
        FUZZ_CHECK(SameMatrix(a.GetMatrix(), copy.GetMatrix()));
        break;
    }
    default:
        m[in.Choice(2)] = a.GetMatrix();
        break;
    }
}

void FuzzTransform(FuzzInput& in, CGMTRTransform3D* t, CGMTRVector3D* v, CGMTRRotate3D* r,
                   CGMTRPoint3D* p) {
    CGMTRTransform3D& a = t[in.Choice(2)];
    switch (in.Choice(8)) {
    case 0: {
        const CGMTRVector3D& w = v[in.Choice(2)];
        const CGMTRRotate3D& q = r[in.Choice(2)];
        a = CGMTRTransform3D(w, q);
        FUZZ_CHECK(SameVector(a.GetVector(), w) &&
                   SameMatrix(a.GetRotate().GetMatrix(), q.GetMatrix()));
        break;
    }
    case 1:
        a.SetVector(v[in.Choice(2)]);
        break;
    case 2:
        a.SetRotate(r[in.Choice(2)]);
        break;
    case 3:
        a.Transfer(v[in.Choice(2)]);
        break;
    case 4:
        a.Rotate(r[in.Choice(2)]);
        break;
    case 5:
        a.RotateForPoint(r[in.Choice(2)], p[in.Choice(2)]);
        break;
    case 6: {
        const CGMTRTransform3D before = a;
        CGMTRMatrix3D probe = a.GetRotate().GetMatrix();
        const double det = probe.GetDeterminant();
        a.Inverse();
        if (std::fabs(det) < GMTR_TOL)
            FUZZ_CHECK(SameTransform(a, before));
        break;
    }
    default: {
        CGMTRTransform3D copy(a);
        FUZZ_CHECK(SameTransform(copy, a));
        CGMTRTransform3D& alias = a;
        a = alias;
        FUZZ_CHECK(SameTransform(copy, a));
        t[1 - (&a - t)] = a;
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CGMTRVector3D v[2];
    CGMTRPoint3D p[2];
    CGMTRMatrix3D m[2];
    CGMTRRotate3D r[2];
    CGMTRTransform3D t[2];
    for (int step = 0; step < 64 && !in.Empty(); ++step) {
        switch (in.Choice(5)) {
        case 0:
            FuzzVector(in, v);
            break;
        case 1:
            FuzzPoint(in, p, v, m, r, t);
            break;
        case 2:
            FuzzMatrix(in, m);
            break;
        case 3:
            FuzzRotate(in, r, m);
            break;
        default:
            FuzzTransform(in, t, v, r, p);
            break;
        }
    }
    return 0;
}
