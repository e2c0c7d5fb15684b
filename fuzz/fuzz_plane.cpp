// Fuzz target for the plane value types: the shared numeric functions,
// vectors, points, matrices, step-by-step transforms, rectangles and
// coordinate systems. A random sequence of steps runs on a small set of
// objects, and every step checks a contract that holds for every input:
// results of tests are 0 or 1, normalised angles land in their ranges,
// division of a point by zero and Inverse of a singular matrix change nothing,
// outputs documented as untouched stay untouched, builders replace or append
// exactly their transform, and aliasing an operand gives the same bits as a
// copy of it.
#include "FuzzInput.h"

#include "CGMTRCoorMatrix.h"
#include "CGMTRHVRect.h"
#include "CGMTRTransform2D.h"
#include "GMTRRT.h"

#include <cmath>
#include <cstdint>

using namespace fuzz;

namespace {

bool Same(const CGMTRHVRect& a, const CGMTRHVRect& b) {
    return SameBits(a.Left(), b.Left()) && SameBits(a.Bottom(), b.Bottom()) &&
           SameBits(a.Right(), b.Right()) && SameBits(a.Top(), b.Top());
}
using fuzz::Same;

void FuzzNumeric(FuzzInput& in) {
    const double a = in.Double();
    const double b = in.Double();
    if (std::isfinite(a)) {
        const double n = NormalizeAngle(a), s = NormalizeSignedAngle(a), r = ReduceAngle(a);
        FUZZ_CHECK(n >= 0.0 && n < GMTR_2PI);
        FUZZ_CHECK(s > -GMTR_PI && s <= GMTR_PI);
        FUZZ_CHECK(std::fabs(r) <= GMTR_2PI);
        FUZZ_CHECK(!(a > 0 && r < 0) && !(a < 0 && r > 0));
        FUZZ_CHECK(SnapCos(a) >= -1.0 && SnapCos(a) <= 1.0);
        FUZZ_CHECK(SnapSin(a) >= -1.0 && SnapSin(a) <= 1.0);
    }
    // A full counter-clockwise turn contains every direction, NaN included.
    FUZZ_CHECK(IsAngleInRange(a, b, GMTR_2PI));
}

void FuzzVector(FuzzInput& in, CGMTRVector2D* v) {
    CGMTRVector2D& a = v[in.Choice(2)];
    CGMTRVector2D& b = v[in.Choice(2)];
    switch (in.Choice(6)) {
    case 0:
        a = Read2<CGMTRVector2D>(in);
        break;
    case 1: {
        double x = Sentinel(), y = Sentinel();
        a.Components(&x, &y);
        FUZZ_CHECK(SameBits(x, a.X()) && SameBits(y, a.Y()));
        const double nx = in.Double(), ny = in.Double();
        a.Components(nx, ny);
        FUZZ_CHECK(SameBits(a.X(), nx) && SameBits(a.Y(), ny));
        break;
    }
    case 2:
        FUZZ_CHECK(IsBit(a.IsUnit()) && IsBit(a.IsZeroLengh()));
        FUZZ_CHECK(IsBit(a.IsOrthogonalTo(b)) && IsBit(a.IsParallelTo(b)));
        FUZZ_CHECK(IsBit(a == b) && IsBit(a != b) && (a == b) + (a != b) == 1);
        break;
    case 3: {
        // The mirror axis may be the vector itself: same bits as a copy of it.
        CGMTRVector2D copy = a;
        const CGMTRVector2D axis = a;
        copy.Mirror(axis);
        a.Mirror(a);
        FUZZ_CHECK(Same(a, copy));
        const CGMTRVector2D o = a.Orthogonal();
        FUZZ_CHECK(SameBits(o.X(), -a.Y()) && SameBits(o.Y(), a.X()));
        break;
    }
    case 4:
        CheckCompoundThroughAlias(in, a, a);
        break;
    default: {
        // Two-operand arithmetic leaves both operands alone.
        const CGMTRVector2D a0 = a, b0 = b;
        (void)(a + b);
        (void)(a - b);
        (void)(a * 2.0);
        (void)(-a);
        FUZZ_CHECK(Same(a, a0) && Same(b, b0));
        break;
    }
    }
}

void FuzzPoint(FuzzInput& in, CGMTRPoint2D* p) {
    CGMTRPoint2D& a = p[in.Choice(2)];
    CGMTRPoint2D& b = p[in.Choice(2)];
    switch (in.Choice(6)) {
    case 0:
        a = Read2<CGMTRPoint2D>(in);
        break;
    case 1: {
        double x = Sentinel(), y = Sentinel();
        a.Components(&x, &y);
        FUZZ_CHECK(SameBits(x, a.X()) && SameBits(y, a.Y()));
        break;
    }
    case 2:
        FUZZ_CHECK(IsBit(a == b) && IsBit(a != b) && (a == b) + (a != b) == 1);
        break;
    case 3: {
        // Division by a zero of either sign changes nothing.
        const CGMTRPoint2D before = a;
        const double zero = in.Bool() ? 0.0 : -0.0;
        FUZZ_CHECK(Same(a / zero, before));
        a /= zero;
        FUZZ_CHECK(Same(a, before));
        break;
    }
    case 4:
        CheckCompoundThroughAlias(in, a, a);
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
        FUZZ_CHECK(Same(a, copy));
        break;
    }
    }
}

// Builds one of the six transforms into `replace` with its SetTo... builder
// and appends it to `append` with the plain builder.
void Builder(FuzzInput& in, CGMTRMatrix2D& replace, CGMTRMatrix2D& append, CGMTRPoint2D* p,
             CGMTRVector2D* v) {
    const CGMTRPoint2D& c = p[in.Choice(2)];
    const CGMTRVector2D& w = v[in.Choice(2)];
    const double d = in.Double();
    switch (in.Choice(6)) {
    case 0:
        replace.SetToTransfer(w);
        append.Transfer(w);
        break;
    case 1:
        replace.SetToRotate(d);
        append.Rotate(d);
        break;
    case 2:
        replace.SetToRotateBy(c, d);
        append.RotateBy(c, d);
        break;
    case 3:
        replace.SetToScale(d);
        append.Scale(d);
        break;
    case 4:
        replace.SetToScaleBy(c, d);
        append.ScaleBy(c, d);
        break;
    default:
        replace.SetToMirror(c, w);
        append.Mirror(c, w);
        break;
    }
}

void FuzzMatrix(FuzzInput& in, CGMTRMatrix2D* m, CGMTRPoint2D* p, CGMTRVector2D* v) {
    CGMTRMatrix2D& a = m[in.Choice(2)];
    CGMTRMatrix2D& b = m[in.Choice(2)];
    switch (in.Choice(7)) {
    case 0:
        a = ReadMatrix<CGMTRMatrix2D>(in);
        break;
    case 1: {
        const short i = Index3(in), j = Index3(in);
        const double value = in.Double();
        a.SetSingleValue(i, j, value);
        FUZZ_CHECK(SameBits(a.GetSingleValue(i, j), value));
        break;
    }
    case 2: {
        const CGMTRMatrix2D a0 = a, b0 = b;
        const CGMTRMatrix2D product = a * b;
        FUZZ_CHECK(Same(a, a0) && Same(b, b0));
        // Multiplying in place by itself gives the same bits as by a copy.
        CGMTRMatrix2D copy = a;
        copy *= b0;
        a *= b;
        FUZZ_CHECK(Same(a, copy) && Same(a, product));
        break;
    }
    case 3: {
        FUZZ_CHECK(IsBit(a.IsOrthogonal()));
        const short i = in.Short(), j = in.Short();
        const double r = a.ProductOfRow(i, j);
        if (i < 0 || i > 2 || j < 0 || j > 2)
            FUZZ_CHECK(SameBits(r, 0.0));
        break;
    }
    case 4: {
        const CGMTRMatrix2D before = a;
        const double det = a.GetDeterminant();
        a.Inverse();
        if (std::fabs(det) < GMTR_TOL)
            FUZZ_CHECK(Same(a, before));
        break;
    }
    case 5: {
        // A SetTo... builder leaves no trace of the former matrix, and the
        // plain builder appends that same matrix: this = this * B.
        CGMTRMatrix2D fresh;
        const CGMTRMatrix2D before = a;
        FuzzInput again = in;
        Builder(in, fresh, a, p, v);
        CGMTRMatrix2D replaced = b, unused;
        Builder(again, replaced, unused, p, v);
        FUZZ_CHECK(Same(replaced, fresh));
        FUZZ_CHECK(Same(a, CGMTRMatrix2D(before) * fresh));
        break;
    }
    default: {
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
    }
}

void FuzzRect(FuzzInput& in, CGMTRHVRect* r) {
    CGMTRHVRect& a = r[in.Choice(2)];
    CGMTRHVRect& b = r[in.Choice(2)];
    switch (in.Choice(7)) {
    case 0: {
        const double l = in.Double(), bo = in.Double(), ri = in.Double(), to = in.Double();
        a = CGMTRHVRect(l, bo, ri, to);
        FUZZ_CHECK(SameBits(a.Left(), l) && SameBits(a.Bottom(), bo) && SameBits(a.Right(), ri) &&
                   SameBits(a.Top(), to));
        break;
    }
    case 1: {
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
        double w = Sentinel(), h = Sentinel();
        a.Size(&w, &h);
        FUZZ_CHECK(SameBits(w, a.Width()) && SameBits(h, a.Height()));
        break;
    }
    case 2:
        // Sorted unless a NaN makes the comparisons false.
        if (in.Bool()) {
            a.SortCorners();
        } else {
            CGMTRPoint2D p1 = Read2<CGMTRPoint2D>(in), p2 = Read2<CGMTRPoint2D>(in);
            a.SortCorners(p1, p2);
        }
        FUZZ_CHECK(!(a.Left() > a.Right()) && !(a.Bottom() > a.Top()));
        break;
    case 3: {
        // Combining with itself changes nothing for ordered values.
        const CGMTRHVRect before = a;
        a.Combine(a);
        if (!std::isnan(a.Left()) && !std::isnan(a.Right()) && !std::isnan(a.Bottom()) &&
            !std::isnan(a.Top()))
            FUZZ_CHECK(Same(a, before));
        a.Combine(b);
        break;
    }
    case 4:
        FUZZ_CHECK((a == b) != (a != b));
        break;
    default: {
        // Intersect answers as & does and leaves `out` alone when false.
        CGMTRHVRect out(Sentinel(), Sentinel(), Sentinel(), Sentinel());
        const CGMTRHVRect untouched = out;
        const bool found = a.Intersect(b, out);
        FUZZ_CHECK(found == (a & b));
        if (!found)
            FUZZ_CHECK(Same(out, untouched));
        // The output may be either operand.
        CGMTRHVRect self = a;
        const CGMTRHVRect other = b;
        CGMTRHVRect expect = a;
        const bool f1 = self.Intersect(other, expect);
        const bool f2 = self.Intersect(other, self);
        FUZZ_CHECK(f1 == f2 && Same(self, expect));
        break;
    }
    }
}

void FuzzTransform(FuzzInput& in, CGMTRTransform2D& t, CGMTRMatrix2D* m, CGMTRPoint2D* p,
                   CGMTRVector2D* v) {
    switch (in.Choice(5)) {
    case 0: {
        const CGMTRMatrix2D given = m[in.Choice(2)];
        t.SetTrMatrix2D(given);
        FUZZ_CHECK(Same(t.GetTrMatrix2D(), given));
        break;
    }
    case 1:
        t.Reset();
        FUZZ_CHECK(Same(t.GetTrMatrix2D(), CGMTRMatrix2D()));
        break;
    case 2:
        // Steps that GetComponent can take apart again.
        switch (in.Choice(4)) {
        case 0:
            t.Mirror(p[in.Choice(2)], v[in.Choice(2)]);
            break;
        case 1:
            t.Scale(p[in.Choice(2)], in.Double());
            break;
        case 2:
            t.Rotate(p[in.Choice(2)], in.Double());
            break;
        default:
            t.Transfer(v[in.Choice(2)]);
            break;
        }
        break;
    case 3: {
        CGMTRTransform2D copy(t);
        FUZZ_CHECK(Same(copy.GetTrMatrix2D(), t.GetTrMatrix2D()));
        CGMTRTransform2D assigned;
        assigned = t;
        FUZZ_CHECK(Same(assigned.GetTrMatrix2D(), t.GetTrMatrix2D()));
        CGMTRTransform2D& alias = t;
        t = alias;
        FUZZ_CHECK(Same(t.GetTrMatrix2D(), copy.GetTrMatrix2D()));
        break;
    }
    default: {
        double scale = Sentinel(), rotation = Sentinel();
        int mirror = -7;
        CGMTRVector2D transfer(Sentinel(), Sentinel());
        const int result = t.GetComponent(&scale, &rotation, &mirror, &transfer);
        FUZZ_CHECK(IsBit(result) && IsBit(mirror));
        FUZZ_CHECK(!SameBits(scale, Sentinel()));
        // The rotation is written exactly when the matrix could be taken apart.
        FUZZ_CHECK(SameBits(rotation, Sentinel()) == (result == 0));
        if (result == 1 && std::isfinite(rotation))
            FUZZ_CHECK(rotation > -GMTR_PI && rotation <= GMTR_PI);
        break;
    }
    }
}

void FuzzCoor(FuzzInput& in, CGMTRCoorMatrix& c, CGMTRVector2D* v) {
    switch (in.Choice(4)) {
    case 0: {
        const int flag = static_cast<int>(in.Long());
        const double rotation = in.Double();
        c = CGMTRCoorMatrix(flag, rotation, v[in.Choice(2)]);
        FUZZ_CHECK(c.GetIsInverse() == flag && SameBits(c.GetRotate(), rotation));
        break;
    }
    case 1: {
        // The transfer reference follows later changes.
        const CGMTRVector2D& ref = c.GetTransfer();
        const CGMTRVector2D next = v[in.Choice(2)];
        c.SetTransfer(next);
        FUZZ_CHECK(Same(ref, next));
        break;
    }
    case 2:
        c.Reset();
        FUZZ_CHECK(c.IsTransformed() == 0);
        break;
    default: {
        FUZZ_CHECK(IsBit(c.IsTransformed()));
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
            FuzzVector(in, v);
            break;
        case 2:
            FuzzPoint(in, p);
            break;
        case 3:
            FuzzMatrix(in, m, p, v);
            break;
        case 4:
            FuzzRect(in, r);
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
