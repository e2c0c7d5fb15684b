// Fuzz target for the space family: vectors, points, 3x3 matrices, rotations
// and rigid transforms. A random sequence of steps runs on a few objects of
// each kind, and every step checks a contract that holds for every input:
// divisions by a zero of either sign and Normalize of a zero-length vector
// change nothing, Inverse of a singular matrix, rotation or transform changes
// nothing, operators that return a new value leave their operands alone,
// multiplying by itself gives the same bits as multiplying by a copy, tests
// answer 0 or 1, out-of-range row numbers give 0.0, every rotation built from
// finite angles is orthogonal with determinant 1, and a centre of rotation
// stays where it is.
#include "FuzzInput.h"

#include "CGMTRRotate3D.h"
#include "CGMTRTransform3D.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdint>

using namespace fuzz;

namespace {

bool Same(const CGMTRTransform3D& a, const CGMTRTransform3D& b) {
    return fuzz::Same(a.GetVector(), b.GetVector()) &&
           fuzz::Same(a.GetRotate().GetMatrix(), b.GetRotate().GetMatrix());
}
using fuzz::Same;

bool FiniteMatrix(const CGMTRMatrix3D& m) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!std::isfinite(m.GetSingleValue(i, j)))
                return false;
    return true;
}

// |determinant| below the tolerance: what Inverse leaves alone.
bool Singular(CGMTRMatrix3D m) {
    return std::fabs(m.GetDeterminant()) < GMTR_TOL;
}

void FuzzVector(FuzzInput& in, CGMTRVector3D* v) {
    CGMTRVector3D& a = v[in.Choice(2)];
    CGMTRVector3D& b = v[in.Choice(2)];
    switch (in.Choice(5)) {
    case 0:
        a = Read3<CGMTRVector3D>(in);
        break;
    case 1:
        CheckCompoundThroughAlias(in, a, b);
        break;
    case 2: {
        const CGMTRVector3D before = a;
        a /= in.Bool() ? 0.0 : -0.0;
        FUZZ_CHECK(Same(a, before));
        break;
    }
    case 3: {
        const CGMTRVector3D before = a;
        const double length = a.Length();
        a.Normalize();
        if (length == 0.0)
            FUZZ_CHECK(Same(a, before));
        break;
    }
    default: {
        FUZZ_CHECK(IsBit(a.IsUnit()) && IsBit(a.IsZeroLengh()));
        const int eq = a == b;
        const int ne = a != b;
        FUZZ_CHECK(IsBit(eq) && IsBit(ne) && eq + ne == 1);
        break;
    }
    }
}

void FuzzPoint(FuzzInput& in, CGMTRPoint3D* p, CGMTRVector3D* v, CGMTRRotate3D* r) {
    CGMTRPoint3D& a = p[in.Choice(2)];
    CGMTRPoint3D& b = p[in.Choice(2)];
    switch (in.Choice(6)) {
    case 0:
        a = Read3<CGMTRPoint3D>(in);
        break;
    case 1: {
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
        FUZZ_CHECK(Same(a, a0) && Same(b, b0));
        break;
    }
    case 2: {
        const CGMTRPoint3D before = a;
        const double zero = in.Bool() ? 0.0 : -0.0;
        FUZZ_CHECK(Same(a / zero, before));
        a /= zero;
        FUZZ_CHECK(Same(a, before));
        break;
    }
    case 3:
        CheckCompoundThroughAlias(in, a, b);
        break;
    case 4: {
        const int eq = a == b;
        const int ne = a != b;
        FUZZ_CHECK(IsBit(eq) && IsBit(ne) && eq + ne <= 1);
        break;
    }
    default: {
        // The centre of a rotation stays where it is.
        const CGMTRRotate3D& rot = r[in.Choice(2)];
        CGMTRPoint3D centre = b;
        const CGMTRPoint3D c0 = centre;
        centre.RotateForPoint(rot, c0);
        if (FiniteMatrix(rot.GetMatrix()) && Tame(1e300, {c0.X(), c0.Y(), c0.Z()}))
            FUZZ_CHECK(centre.X() == c0.X() && centre.Y() == c0.Y() && centre.Z() == c0.Z());
        break;
    }
    }
}

void FuzzMatrix(FuzzInput& in, CGMTRMatrix3D* m) {
    CGMTRMatrix3D& a = m[in.Choice(2)];
    CGMTRMatrix3D& b = m[in.Choice(2)];
    switch (in.Choice(7)) {
    case 0:
        a = ReadMatrix<CGMTRMatrix3D>(in);
        break;
    case 1: {
        double v[9];
        for (double& d : v)
            d = in.Double();
        a.SetMatrixValue(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
        FUZZ_CHECK(Same(a, CGMTRMatrix3D(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8])));
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
        FUZZ_CHECK(Same(a, a0) && Same(b, b0));
        CGMTRMatrix3D copy = a;
        copy *= b0;
        a *= b; // b may be a itself
        FUZZ_CHECK(Same(a, copy) && Same(a, product));
        break;
    }
    case 4: {
        FUZZ_CHECK(IsBit(a.IsOrthogonal()));
        const short i = in.Short(), j = in.Short();
        const double d = a.ProductOfRow(i, j);
        if (i < 0 || i > 2 || j < 0 || j > 2)
            FUZZ_CHECK(SameBits(d, 0.0));
        break;
    }
    default: {
        const CGMTRMatrix3D before = a;
        a.Inverse();
        if (Singular(before))
            FUZZ_CHECK(Same(a, before));
        break;
    }
    }
}

void FuzzRotate(FuzzInput& in, CGMTRRotate3D* r, CGMTRMatrix3D* m) {
    CGMTRRotate3D& a = r[in.Choice(2)];
    CGMTRRotate3D& b = r[in.Choice(2)];
    switch (in.Choice(4)) {
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
        FUZZ_CHECK(Same(a.GetMatrix(), given));
        break;
    }
    case 2: {
        const CGMTRMatrix3D before = a.GetMatrix();
        a.Inverse();
        if (Singular(before))
            FUZZ_CHECK(Same(a.GetMatrix(), before));
        break;
    }
    default: {
        CGMTRRotate3D copy = a;
        const CGMTRRotate3D other = b;
        copy *= other;
        a *= b; // b may be a itself
        FUZZ_CHECK(Same(a.GetMatrix(), copy.GetMatrix()));
        break;
    }
    }
}

void FuzzTransform(FuzzInput& in, CGMTRTransform3D* t, CGMTRVector3D* v, CGMTRRotate3D* r) {
    CGMTRTransform3D& a = t[in.Choice(2)];
    switch (in.Choice(3)) {
    case 0: {
        const CGMTRVector3D& w = v[in.Choice(2)];
        const CGMTRRotate3D& q = r[in.Choice(2)];
        a = CGMTRTransform3D(w, q);
        FUZZ_CHECK(Same(a.GetVector(), w) && Same(a.GetRotate().GetMatrix(), q.GetMatrix()));
        break;
    }
    case 1: {
        const CGMTRTransform3D before = a;
        a.Inverse();
        if (Singular(before.GetRotate().GetMatrix()))
            FUZZ_CHECK(Same(a, before));
        break;
    }
    default: {
        CGMTRTransform3D copy(a);
        FUZZ_CHECK(Same(copy, a));
        CGMTRTransform3D& alias = a;
        a = alias;
        FUZZ_CHECK(Same(copy, a));
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
            FuzzPoint(in, p, v, r);
            break;
        case 2:
            FuzzMatrix(in, m);
            break;
        case 3:
            FuzzRotate(in, r, m);
            break;
        default:
            FuzzTransform(in, t, v, r);
            break;
        }
    }
    return 0;
}
