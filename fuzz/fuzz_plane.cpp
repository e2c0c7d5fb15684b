// Fuzz target for the plane value types: the shared numeric functions,
// vectors, points, matrices, step-by-step transforms, rectangles and
// coordinate systems. A random sequence of operations runs on a small set of
// objects; besides "no crash, no sanitizer report" it checks the contracts
// that hold for every input: results of tests are 0 or 1, division of a point
// by zero and Inverse of a singular matrix change nothing, outputs documented
// as untouched stay untouched, aliasing an operand gives the same bits as a
// copy of it, and the normalised angles land in their ranges.
#include "FuzzInput.h"

#include "CGMTRCoorMatrix.h"
#include "CGMTRHVRect.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRTransform2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdint>

using fuzz::CheckCompoundThroughAlias;
using fuzz::FuzzInput;
using fuzz::SameBits;
using fuzz::Sentinel;

namespace {

bool SameVector(const CGMTRVector2D& a, const CGMTRVector2D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y());
}

bool SamePoint(const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y());
}

bool SameMatrix(const CGMTRMatrix2D& a, const CGMTRMatrix2D& b) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!SameBits(a.GetSingleValue(i, j), b.GetSingleValue(i, j)))
                return false;
    return true;
}

bool SameRect(const CGMTRHVRect& a, const CGMTRHVRect& b) {
    return SameBits(a.Left(), b.Left()) && SameBits(a.Bottom(), b.Bottom()) &&
           SameBits(a.Right(), b.Right()) && SameBits(a.Top(), b.Top());
}

bool IsBit(int v) {
    return v == 0 || v == 1;
}

CGMTRVector2D ReadVector(FuzzInput& in) {
    const double x = in.Double();
    const double y = in.Double();
    return CGMTRVector2D(x, y);
}

CGMTRPoint2D ReadPoint(FuzzInput& in) {
    const double x = in.Double();
    const double y = in.Double();
    return CGMTRPoint2D(x, y);
}

CGMTRMatrix2D ReadMatrix(FuzzInput& in) {
    double v[9];
    for (double& d : v)
        d = in.Double();
    return CGMTRMatrix2D(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
}

short Index3(FuzzInput& in) {
    return static_cast<short>(in.Choice(3));
}

void FuzzNumeric(FuzzInput& in) {
    const double a = in.Double();
    const double b = in.Double();
    const double c = in.Double();
    const double d = in.Double();
    (void)IsEqualValue(a, b);
    (void)IsSamePoint(a, b, c, d);
    (void)GetDirectionAngle(a, b, c, d);
    const double n = NormalizeAngle(a);
    const double s = NormalizeSignedAngle(a);
    const double r = ReduceAngle(a);
    const double cs = SnapCos(a);
    const double sn = SnapSin(a);
    if (std::isfinite(a)) {
        FUZZ_CHECK(n >= 0.0 && n < GMTR_2PI);
        FUZZ_CHECK(s > -GMTR_PI && s <= GMTR_PI);
        FUZZ_CHECK(std::fabs(r) <= GMTR_2PI);
        FUZZ_CHECK(!(a > 0 && r < 0) && !(a < 0 && r > 0));
        FUZZ_CHECK(cs >= -1.0 && cs <= 1.0);
        FUZZ_CHECK(sn >= -1.0 && sn <= 1.0);
    }
    // A full counter-clockwise turn contains every direction, NaN included.
    FUZZ_CHECK(IsAngleInRange(a, b, GMTR_2PI));
    (void)IsAngleInRange(a, b, c);
}

void FuzzVector(FuzzInput& in, CGMTRVector2D* v, CGMTRMatrix2D* m) {
    CGMTRVector2D& a = v[in.Choice(2)];
    CGMTRVector2D& b = v[in.Choice(2)];
    switch (in.Choice(24)) {
    case 0:
        a = ReadVector(in);
        break;
    case 1: {
        double x = Sentinel(), y = Sentinel();
        a.Components(&x, &y);
        FUZZ_CHECK(SameBits(x, a.X()) && SameBits(y, a.Y()));
        const double nx = in.Double(), ny = in.Double();
        a.Components(nx, ny);
        FUZZ_CHECK(SameBits(a.X(), nx) && SameBits(a.Y(), ny));
        a.X(in.Double());
        a.Y(in.Double());
        break;
    }
    case 2: {
        const CGMTRPoint2D p = ReadPoint(in), q = ReadPoint(in);
        a.SetVector(p, q);
        break;
    }
    case 3:
        (void)a.Length();
        (void)a.LengthSquare();
        (void)a.DotProduct(b);
        (void)a.CrossProduct(b);
        (void)a.Angle();
        (void)a.AngleTo(b);
        break;
    case 4:
        FUZZ_CHECK(IsBit(a.IsUnit()));
        FUZZ_CHECK(IsBit(a.IsZeroLengh()));
        FUZZ_CHECK(IsBit(a.IsOrthogonalTo(b)));
        FUZZ_CHECK(IsBit(a.IsParallelTo(b)));
        FUZZ_CHECK(IsBit(a == b));
        FUZZ_CHECK(IsBit(a != b));
        FUZZ_CHECK((a == b) + (a != b) == 1);
        break;
    case 5:
        (void)a.Magnitude(in.Double());
        break;
    case 6:
        a.Normalize();
        break;
    case 7:
        a.Rotate(in.Double());
        break;
    case 8: {
        // The axis may be the vector itself: same bits as a copy of it.
        CGMTRVector2D copy = a;
        const CGMTRVector2D axis = a;
        copy.Mirror(axis);
        a.Mirror(a);
        FUZZ_CHECK(SameVector(a, copy));
        a.Mirror(b);
        break;
    }
    case 9:
        a *= m[in.Choice(2)];
        break;
    case 10: {
        const double x = a.X(), y = a.Y();
        const CGMTRVector2D o = a.Orthogonal();
        FUZZ_CHECK(SameBits(o.X(), -y) && SameBits(o.Y(), x));
        break;
    }
    case 11:
        a = -b;
        break;
    case 12:
        a = a + b;
        break;
    case 13:
        a = a - b;
        break;
    case 14:
        a = b + in.Double();
        break;
    case 15:
        a = b - in.Double();
        break;
    case 16:
        a = b * in.Double();
        break;
    case 17:
        a = b / in.Double();
        break;
    case 18: {
        // Compound operators with the operand being the object itself.
        CheckCompoundThroughAlias(in, a, a, [](const CGMTRVector2D& x, const CGMTRVector2D& y) {
            return SameVector(x, y);
        });
        break;
    }
    case 19:
        a += in.Double();
        break;
    case 20:
        a -= in.Double();
        break;
    case 21:
        a *= in.Double();
        break;
    case 22:
        a /= in.Double();
        break;
    default: {
        // Two-operand arithmetic leaves both operands alone.
        const CGMTRVector2D a0 = a, b0 = b;
        (void)(a + b);
        (void)(a - b);
        (void)(a * 2.0);
        (void)(-a);
        FUZZ_CHECK(SameVector(a, a0) && SameVector(b, b0));
        break;
    }
    }
}

void FuzzPoint(FuzzInput& in, CGMTRPoint2D* p, CGMTRVector2D* v, CGMTRMatrix2D* m) {
    CGMTRPoint2D& a = p[in.Choice(2)];
    CGMTRPoint2D& b = p[in.Choice(2)];
    switch (in.Choice(20)) {
    case 0:
        a = ReadPoint(in);
        break;
    case 1: {
        double x = Sentinel(), y = Sentinel();
        a.Components(&x, &y);
        FUZZ_CHECK(SameBits(x, a.X()) && SameBits(y, a.Y()));
        a.Components(in.Double(), in.Double());
        break;
    }
    case 2:
        a = CGMTRPoint2D(v[in.Choice(2)]);
        break;
    case 3: {
        FUZZ_CHECK(IsBit(a == b));
        FUZZ_CHECK(IsBit(a != b));
        FUZZ_CHECK((a == b) + (a != b) == 1);
        (void)(a < b);
        (void)a.Distance2D(b);
        break;
    }
    case 4: {
        // Division by a zero of either sign changes nothing.
        const CGMTRPoint2D before = a;
        const double zero = in.Bool() ? 0.0 : -0.0;
        const CGMTRPoint2D q = a / zero;
        FUZZ_CHECK(SamePoint(q, before));
        a /= zero;
        FUZZ_CHECK(SamePoint(a, before));
        break;
    }
    case 5:
        a = a / in.Double();
        break;
    case 6:
        a /= in.Double();
        break;
    case 7:
        a = -b;
        break;
    case 8:
        a = a + b;
        break;
    case 9:
        a = a - b;
        break;
    case 10:
        a = a + v[in.Choice(2)];
        break;
    case 11:
        a = a - v[in.Choice(2)];
        break;
    case 12: {
        const double d = in.Double();
        switch (in.Choice(4)) {
        case 0:
            a = b + d;
            break;
        case 1:
            a = b - d;
            break;
        case 2:
            a = b * d;
            break;
        default:
            a *= d;
            break;
        }
        break;
    }
    case 13: {
        CheckCompoundThroughAlias(
            in, a, a, [](const CGMTRPoint2D& x, const CGMTRPoint2D& y) { return SamePoint(x, y); });
        break;
    }
    case 14:
        if (in.Bool())
            a += v[in.Choice(2)];
        else
            a -= v[in.Choice(2)];
        break;
    case 15:
        if (in.Bool())
            a += in.Double();
        else
            a -= in.Double();
        break;
    case 16:
        a *= m[in.Choice(2)];
        break;
    case 17: {
        const double angle = in.Double();
        if (in.Bool())
            a.Rotate(angle);
        else
            a.RotateForPoint(b, angle);
        break;
    }
    case 18:
        switch (in.Choice(3)) {
        case 0:
            a.Transfer(v[in.Choice(2)]);
            break;
        case 1:
            a.Scale(b, in.Double());
            break;
        default:
            a.Mirror(b, v[in.Choice(2)]);
            break;
        }
        break;
    default: {
        // The centre of a move may be the point itself.
        CGMTRPoint2D copy = a;
        const CGMTRPoint2D centre = a;
        const double value = in.Double();
        if (in.Bool()) {
            copy.RotateForPoint(centre, value);
            a.RotateForPoint(a, value);
        } else {
            copy.Scale(centre, value);
            a.Scale(a, value);
        }
        FUZZ_CHECK(SamePoint(a, copy));
        break;
    }
    }
}

void FuzzMatrix(FuzzInput& in, CGMTRMatrix2D* m, CGMTRPoint2D* p, CGMTRVector2D* v) {
    CGMTRMatrix2D& a = m[in.Choice(2)];
    CGMTRMatrix2D& b = m[in.Choice(2)];
    switch (in.Choice(16)) {
    case 0:
        a = ReadMatrix(in);
        break;
    case 1: {
        const short i = Index3(in), j = Index3(in);
        const double value = in.Double();
        a.SetSingleValue(i, j, value);
        FUZZ_CHECK(SameBits(a.GetSingleValue(i, j), value));
        break;
    }
    case 2:
        a.Reset();
        break;
    case 3: {
        const CGMTRMatrix2D a0 = a, b0 = b;
        const CGMTRMatrix2D product = a * b;
        FUZZ_CHECK(SameMatrix(a, a0) && SameMatrix(b, b0));
        // Multiplying in place by itself gives the same bits as by a copy.
        CGMTRMatrix2D copy = a;
        const CGMTRMatrix2D other = b;
        copy *= other;
        a *= b;
        FUZZ_CHECK(SameMatrix(a, copy));
        FUZZ_CHECK(SameMatrix(a, product));
        break;
    }
    case 4: {
        (void)a.GetDeterminant();
        (void)a.GetSubDet(Index3(in), Index3(in));
        (void)a.ProductOfRow(Index3(in), Index3(in));
        FUZZ_CHECK(IsBit(a.IsOrthogonal()));
        break;
    }
    case 5: {
        const short i = in.Short(), j = in.Short();
        const double r = a.ProductOfRow(i, j);
        if (i < 0 || i > 2 || j < 0 || j > 2)
            FUZZ_CHECK(SameBits(r, 0.0));
        break;
    }
    case 6: {
        const CGMTRMatrix2D before = a;
        const double det = a.GetDeterminant();
        a.Inverse();
        if (std::fabs(det) < GMTR_TOL)
            FUZZ_CHECK(SameMatrix(a, before));
        break;
    }
    case 7:
        if (in.Bool())
            a.SetToTransfer(v[in.Choice(2)]);
        else
            a.Transfer(v[in.Choice(2)]);
        break;
    case 8:
        if (in.Bool())
            a.SetToRotate(in.Double());
        else
            a.Rotate(in.Double());
        break;
    case 9:
        if (in.Bool())
            a.SetToRotateBy(p[in.Choice(2)], in.Double());
        else
            a.RotateBy(p[in.Choice(2)], in.Double());
        break;
    case 10:
        if (in.Bool())
            a.SetToScale(in.Double());
        else
            a.Scale(in.Double());
        break;
    case 11:
        if (in.Bool())
            a.SetToScaleBy(p[in.Choice(2)], in.Double());
        else
            a.ScaleBy(p[in.Choice(2)], in.Double());
        break;
    case 12:
        if (in.Bool())
            a.SetToMirror(p[in.Choice(2)], v[in.Choice(2)]);
        else
            a.Mirror(p[in.Choice(2)], v[in.Choice(2)]);
        break;
    case 13: {
        // A SetTo... builder replaces: the former matrix leaves no trace.
        CGMTRMatrix2D fresh;
        const double angle = in.Double();
        fresh.SetToRotate(angle);
        a.SetToRotate(angle);
        FUZZ_CHECK(SameMatrix(a, fresh));
        break;
    }
    case 14: {
        // A quarter turn builds exact entries.
        const int k = static_cast<int>(in.Choice(9)) - 4;
        a.SetToRotate(k * GMTR_HALF_PI);
        for (short i = 0; i < 2; ++i)
            for (short j = 0; j < 2; ++j) {
                const double e = a.GetSingleValue(i, j);
                FUZZ_CHECK(e == 0.0 || e == 1.0 || e == -1.0);
            }
        break;
    }
    default:
        b = a;
        break;
    }
}

void FuzzRect(FuzzInput& in, CGMTRHVRect* r, CGMTRMatrix2D* m, CGMTRTransform2D& t,
              CGMTRPoint2D* p) {
    CGMTRHVRect& a = r[in.Choice(2)];
    CGMTRHVRect& b = r[in.Choice(2)];
    switch (in.Choice(14)) {
    case 0: {
        const double l = in.Double(), bo = in.Double(), ri = in.Double(), to = in.Double();
        a = CGMTRHVRect(l, bo, ri, to);
        FUZZ_CHECK(SameBits(a.Left(), l) && SameBits(a.Bottom(), bo) && SameBits(a.Right(), ri) &&
                   SameBits(a.Top(), to));
        break;
    }
    case 1:
        a = CGMTRHVRect(p[0], p[1]);
        break;
    case 2: {
        const double l = in.Double(), bo = in.Double(), ri = in.Double(), to = in.Double();
        a.Bounds(l, bo, ri, to);
        a.Left(in.Double());
        a.Bottom(in.Double());
        a.Right(in.Double());
        a.Top(in.Double());
        break;
    }
    case 3: {
        // Null pointers are skipped; the others receive the fields.
        double out[4] = {Sentinel(), Sentinel(), Sentinel(), Sentinel()};
        const unsigned mask = in.Choice(16);
        a.Bounds(mask & 1 ? &out[0] : nullptr, mask & 2 ? &out[1] : nullptr,
                 mask & 4 ? &out[2] : nullptr, mask & 8 ? &out[3] : nullptr);
        const double fields[4] = {a.Left(), a.Bottom(), a.Right(), a.Top()};
        for (int i = 0; i < 4; ++i)
            FUZZ_CHECK(SameBits(out[i], (mask >> i) & 1 ? fields[i] : Sentinel()));
        CGMTRPoint2D lb(Sentinel(), Sentinel()), rt(Sentinel(), Sentinel());
        a.Bounds(in.Bool() ? &lb : nullptr, in.Bool() ? &rt : nullptr);
        a.Bounds(lb, rt);
        FUZZ_CHECK(SameBits(lb.X(), a.Left()) && SameBits(rt.Y(), a.Top()));
        break;
    }
    case 4: {
        (void)a.TopLeft();
        (void)a.TopRight();
        (void)a.BottomLeft();
        (void)a.BottomRight();
        (void)a.Center();
        double w = Sentinel(), h = Sentinel();
        a.Size(&w, &h);
        FUZZ_CHECK(SameBits(w, a.Width()) && SameBits(h, a.Height()));
        break;
    }
    case 5: {
        a.SortCorners();
        // Sorted unless a NaN makes the comparisons false.
        FUZZ_CHECK(!(a.Left() > a.Right()) && !(a.Bottom() > a.Top()));
        break;
    }
    case 6: {
        CGMTRPoint2D p1 = ReadPoint(in), p2 = ReadPoint(in);
        a.SortCorners(p1, p2);
        FUZZ_CHECK(!(a.Left() > a.Right()) && !(a.Bottom() > a.Top()));
        break;
    }
    case 7:
        a.Grow(in.Double());
        break;
    case 8: {
        // Combining with itself changes nothing for ordered values.
        const CGMTRHVRect before = a;
        a.Combine(a);
        if (!std::isnan(a.Left()) && !std::isnan(a.Right()) && !std::isnan(a.Bottom()) &&
            !std::isnan(a.Top()))
            FUZZ_CHECK(SameRect(a, before));
        a.Combine(b);
        break;
    }
    case 9:
        a.MatrixTransform(m[in.Choice(2)]);
        break;
    case 10:
        a.Transform(t);
        break;
    case 11: {
        (void)a.Contains(p[in.Choice(2)]);
        (void)(a == b);
        (void)(a != b);
        (void)(a < b);
        (void)(a > b);
        FUZZ_CHECK((a == b) != (a != b));
        break;
    }
    default: {
        // Intersect answers as & does and leaves `out` alone when false.
        CGMTRHVRect out(Sentinel(), Sentinel(), Sentinel(), Sentinel());
        const CGMTRHVRect untouched = out;
        const bool overlap = a & b;
        const bool found = a.Intersect(b, out);
        FUZZ_CHECK(found == overlap);
        if (!found)
            FUZZ_CHECK(SameRect(out, untouched));
        // The output may be either operand.
        CGMTRHVRect self = a;
        const CGMTRHVRect other = b;
        CGMTRHVRect expect = a;
        const bool f1 = self.Intersect(other, expect);
        const bool f2 = self.Intersect(other, self);
        FUZZ_CHECK(f1 == f2 && SameRect(self, expect));
        break;
    }
    }
}

void FuzzTransform(FuzzInput& in, CGMTRTransform2D& t, CGMTRMatrix2D* m, CGMTRPoint2D* p,
                   CGMTRVector2D* v) {
    switch (in.Choice(9)) {
    case 0: {
        const CGMTRMatrix2D given = m[in.Choice(2)];
        t.SetTrMatrix2D(given);
        FUZZ_CHECK(SameMatrix(t.GetTrMatrix2D(), given));
        break;
    }
    case 1:
        t.Reset();
        FUZZ_CHECK(SameMatrix(t.GetTrMatrix2D(), CGMTRMatrix2D()));
        break;
    case 2:
        t.Mirror(p[in.Choice(2)], v[in.Choice(2)]);
        break;
    case 3:
        t.Scale(p[in.Choice(2)], in.Double());
        break;
    case 4:
        t.Rotate(p[in.Choice(2)], in.Double());
        break;
    case 5:
        t.Transfer(v[in.Choice(2)]);
        break;
    case 6: {
        CGMTRTransform2D copy(t);
        FUZZ_CHECK(SameMatrix(copy.GetTrMatrix2D(), t.GetTrMatrix2D()));
        CGMTRTransform2D assigned;
        assigned = t;
        FUZZ_CHECK(SameMatrix(assigned.GetTrMatrix2D(), t.GetTrMatrix2D()));
        CGMTRTransform2D& alias = t;
        const CGMTRMatrix2D before = t.GetTrMatrix2D();
        t = alias;
        FUZZ_CHECK(SameMatrix(t.GetTrMatrix2D(), before));
        break;
    }
    case 7:
        m[in.Choice(2)] = t.GetTrMatrix2D();
        break;
    default: {
        double scale = Sentinel(), rotation = Sentinel();
        int mirror = -7;
        CGMTRVector2D transfer(Sentinel(), Sentinel());
        const int result = t.GetComponent(&scale, &rotation, &mirror, &transfer);
        FUZZ_CHECK(IsBit(result));
        FUZZ_CHECK(IsBit(mirror));
        FUZZ_CHECK(!SameBits(scale, Sentinel()));
        if (result == 0) {
            FUZZ_CHECK(SameBits(rotation, Sentinel()));
        } else {
            FUZZ_CHECK(!SameBits(rotation, Sentinel()));
            if (std::isfinite(rotation))
                FUZZ_CHECK(rotation > -GMTR_PI && rotation <= GMTR_PI);
        }
        break;
    }
    }
}

void FuzzCoor(FuzzInput& in, CGMTRCoorMatrix& c, CGMTRVector2D* v) {
    switch (in.Choice(6)) {
    case 0: {
        const int flag = static_cast<int>(in.Long());
        const double rotation = in.Double();
        c = CGMTRCoorMatrix(flag, rotation, v[in.Choice(2)]);
        FUZZ_CHECK(c.GetIsInverse() == flag && SameBits(c.GetRotate(), rotation));
        break;
    }
    case 1:
        c.SetsInverse(in.Bool() ? static_cast<int>(in.Long()) : 1);
        break;
    case 2:
        c.SetRotate(in.Double());
        break;
    case 3: {
        // The transfer reference follows later changes.
        const CGMTRVector2D& ref = c.GetTransfer();
        const CGMTRVector2D next = v[in.Choice(2)];
        c.SetTransfer(next);
        FUZZ_CHECK(SameBits(ref.X(), next.X()) && SameBits(ref.Y(), next.Y()));
        break;
    }
    case 4:
        c.Reset();
        FUZZ_CHECK(c.IsTransformed() == 0);
        break;
    default: {
        FUZZ_CHECK(IsBit(c.IsTransformed()));
        const CGMTRMatrix2D mat = c.GetTrMatrix();
        (void)mat;
        CGMTRCoorMatrix copy(c);
        FUZZ_CHECK(copy.GetIsInverse() == c.GetIsInverse() &&
                   SameBits(copy.GetRotate(), c.GetRotate()));
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CGMTRVector2D v[2];
    CGMTRPoint2D p[2];
    CGMTRMatrix2D m[2];
    CGMTRHVRect r[2];
    CGMTRTransform2D t;
    CGMTRCoorMatrix c;
    for (int step = 0; step < 64 && !in.Empty(); ++step) {
        switch (in.Choice(7)) {
        case 0:
            FuzzNumeric(in);
            break;
        case 1:
            FuzzVector(in, v, m);
            break;
        case 2:
            FuzzPoint(in, p, v, m);
            break;
        case 3:
            FuzzMatrix(in, m, p, v);
            break;
        case 4:
            FuzzRect(in, r, m, t, p);
            break;
        case 5:
            FuzzTransform(in, t, m, p, v);
            break;
        default:
            FuzzCoor(in, c, v);
            break;
        }
    }
    return 0;
}
