// The const forms of read-only members: callable on const objects and
// temporaries, they give the same bits as the members they stand beside.
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRCoorMatrix.h"
#include "CGMTRMatrix3D.h"
#include "CGMTRPointValueCol.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRTransform2D.h"
#include "support/TestSupport.h"

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every pair (mutable result, const result) has the same bits.
void ExpectSame(double a, double b, const char* what) {
    EXPECT_PRED2(SameBits, a, b) << what;
}
void ExpectSame(const CGMTRPoint2D& a, const CGMTRPoint2D& b, const char* what) {
    EXPECT_PRED2(SamePointBits, a, b) << what;
}
void ExpectSame(const CGMTRVector2D& a, const CGMTRVector2D& b, const char* what) {
    EXPECT_PRED2(SamePointBits, CGMTRPoint2D(a), CGMTRPoint2D(b)) << what;
}
void ExpectSame(CGMTRMatrix2D a, CGMTRMatrix2D b, const char* what) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            EXPECT_PRED2(SameBits, a.GetSingleValue(i, j), b.GetSingleValue(i, j))
                << what << " m" << i << j;
}

} // namespace

TEST(ConstForms, PlaneValuesGiveTheSameBits) {
    for (double d : {2.5, -0.0, 0.0, 1e-300, kNaN}) {
        CGMTRPoint2D p(3, -4), q(0.5e-10, 1);
        const CGMTRPoint2D& cp = p;
        CGMTRVector2D v(-2, 7), w(1e6, 1e-15);
        const CGMTRVector2D& cv = v;
        ExpectSame(p + q, cp + q, "point + point");
        ExpectSame(p - q, cp - q, "point - point");
        ExpectSame(p + v, cp + v, "point + vector");
        ExpectSame(p - v, cp - v, "point - vector");
        ExpectSame(p + d, cp + d, "point + d");
        ExpectSame(p - d, cp - d, "point - d");
        ExpectSame(p * d, cp * d, "point * d");
        ExpectSame(p / d, cp / d, "point / d"); // 0.0 and -0.0 leave the point
        ExpectSame(-p, -cp, "-point");
        EXPECT_EQ(p == q, cp == q);
        EXPECT_EQ(p != q, cp != q);
        double x = 0, y = 0;
        cp.Components(&x, &y);
        ExpectSame(CGMTRPoint2D(x, y), p, "components");

        ExpectSame(v + w, cv + w, "vector + vector");
        ExpectSame(v - w, cv - w, "vector - vector");
        ExpectSame(v + d, cv + d, "vector + d");
        ExpectSame(v - d, cv - d, "vector - d");
        ExpectSame(v * d, cv * d, "vector * d");
        ExpectSame(v / d, cv / d, "vector / d");
        ExpectSame(-v, -cv, "-vector");
        ExpectSame(v.Orthogonal(), cv.Orthogonal(), "orthogonal");
        ExpectSame(v.LengthSquare(), cv.LengthSquare(), "length square");
        EXPECT_EQ(v == w, cv == w);
        EXPECT_EQ(v != w, cv != w);
    }
    // A temporary, as a host writes it.
    const CGMTRLine2D line(P(1, 2), P(4, 6));
    ExpectSame(line.get_BasePoint() + line.get_BaseVector(), line.get_EndPoint(), "temporary");
}

TEST(ConstForms, MatricesTransformsAndRectanglesGiveTheSameBits) {
    CGMTRMatrix2D m(1, 2, 0, -3, 4, 0, 5, -6, 1), singular;
    singular.SetToScale(0.5e-5);
    for (CGMTRMatrix2D* a : {&m, &singular}) {
        const CGMTRMatrix2D& ca = *a;
        ExpectSame(*a * m, ca * m, "product");
        ExpectSame(a->GetDeterminant(), ca.GetDeterminant(), "determinant");
        ExpectSame(a->IsOrthogonal(), ca.IsOrthogonal(), "orthogonal");
        for (short i = -1; i < 4; ++i)
            ExpectSame(a->ProductOfRow(i, 1), ca.ProductOfRow(i, 1), "row product");
        ExpectSame(a->GetSubDet(2, 1), ca.GetSubDet(2, 1), "cofactor");
    }

    CGMTRMatrix3D s(1, 2, 3, 0, 1, 4, 5, 6, 0);
    const CGMTRMatrix3D& cs = s;
    ExpectSame(s.GetDeterminant(), cs.GetDeterminant(), "3D determinant");
    ExpectSame(s.GetSubDet(1, 2), cs.GetSubDet(1, 2), "3D cofactor");
    ExpectSame(s.ProductOfRow(0, 2), cs.ProductOfRow(0, 2), "3D row product");
    EXPECT_EQ(s.IsOrthogonal(), cs.IsOrthogonal());
    CGMTRPoint3D a(1, 2, 3), b(1, 2, 3 + 5e-11);
    const CGMTRPoint3D& ca = a;
    EXPECT_EQ(a == b, ca == b);
    EXPECT_EQ(a != b, ca != b);
    ExpectSame(a.Distance3D(b), ca.Distance3D(b), "3D distance");
    CGMTRVector3D u(1, 1, 1), u2(1, 1, 1 + 2e-10);
    const CGMTRVector3D& cu = u;
    EXPECT_EQ(u == u2, cu == u2);
    EXPECT_EQ(u != u2, cu != u2);

    // A transform built from const points and vectors, copied from a const
    // transform, equals the one built through the non-const forms.
    CGMTRPoint2D centre(1, 1);
    CGMTRVector2D axis(1, 2), shift(3, 4);
    CGMTRTransform2D t;
    t.Rotate(centre, 0.7);
    t.Scale(centre, -2.0);
    t.Mirror(centre, axis);
    t.Transfer(shift);
    const CGMTRPoint2D cc(1, 1);
    const CGMTRVector2D caxis(1, 2), cshift(3, 4);
    CGMTRTransform2D u3;
    u3.Rotate(cc, 0.7);
    u3.Scale(cc, -2.0);
    u3.Mirror(cc, caxis);
    u3.Transfer(cshift);
    const CGMTRTransform2D& ct = u3;
    CGMTRTransform2D copy(ct), assigned;
    assigned = ct;
    ExpectSame(t.GetTrMatrix2D(), ct.GetTrMatrix2D(), "transform");
    ExpectSame(t.GetTrMatrix2D(), copy.GetTrMatrix2D(), "copy of a const transform");
    ExpectSame(t.GetTrMatrix2D(), assigned.GetTrMatrix2D(), "assigned from a const transform");
    double s1 = 0, s2 = 0, r1 = 0, r2 = 0;
    int m1 = 0, m2 = 0;
    CGMTRVector2D v1, v2;
    EXPECT_EQ(t.GetComponent(&s1, &r1, &m1, &v1), ct.GetComponent(&s2, &r2, &m2, &v2));
    ExpectSame(s1, s2, "scale");
    ExpectSame(r1, r2, "rotation");
    EXPECT_EQ(m1, m2);
    ExpectSame(v1, v2, "transfer");

    CGMTRCoorMatrix sys(1, GMTR_HALF_PI, CGMTRVector2D(10, 0));
    const CGMTRCoorMatrix& csys = sys;
    EXPECT_EQ(sys.IsTransformed(), csys.IsTransformed());
    ExpectSame(sys.GetTrMatrix(), csys.GetTrMatrix(), "coordinate system");

    CGMTRPoint2D c1(3, 3), c2(1, 1);
    CGMTRHVRect r(c1, c2), sorted;
    const CGMTRHVRect cr(CGMTRPoint2D(3, 3), CGMTRPoint2D(1, 1));
    EXPECT_EQ(r, cr);
    ExpectSame(r.TopLeft(), cr.TopLeft(), "top left");
    ExpectSame(r.TopRight(), cr.TopRight(), "top right");
    ExpectSame(r.BottomLeft(), cr.BottomLeft(), "bottom left");
    ExpectSame(r.BottomRight(), cr.BottomRight(), "bottom right");
    ExpectSame(r.Center(), cr.Center(), "centre");
    sorted.SortCorners(CGMTRPoint2D(3, 3), CGMTRPoint2D(1, 1));
    EXPECT_EQ(sorted, CGMTRHVRect(1, 1, 3, 3));
    sorted.Combine(CGMTRHVRect(5, 5, 6, 6));
    EXPECT_EQ(sorted, CGMTRHVRect(1, 1, 6, 6));
}

TEST(ConstForms, EntitiesGiveTheSamePointsAndOutputs) {
    CGMTRArc2D arc = MakeArc(0, 0, 2, 0, GMTR_2PI), other = MakeArc(2, 0, 2, 0.3, 4.0);
    CGMTRArc2D far = MakeArc(5, 0, 1, 0, GMTR_2PI);
    CGMTRLine2D chord = Seg(-5, 1, 5, 1), leg = Seg(2, 0, 6, 0), cut = Seg(5, -5, 5, 5);
    const CGMTRArc2D& carc = arc;
    for (const CGMTRPoint2D& p : {P(3, 1), P(0, 0), P(-1, -4), P(kNaN, 1)}) {
        ExpectSame(arc.GetVerticalDis(p), carc.GetVerticalDis(p), "distance to the circle");
        ExpectSame(arc.GetVerticalPoint(p), carc.GetVerticalPoint(p), "radial projection");
        EXPECT_EQ(arc.CheckVerticalPointInRange(p), carc.CheckVerticalPointInRange(p));
    }
    for (double a : {0.0, 1.0, -7.0, kNaN}) {
        EXPECT_EQ(other.CheckAngleRange(a),
                  static_cast<const CGMTRArc2D&>(other).CheckAngleRange(a));
        ExpectSame(other.PercentToDistance(a),
                   static_cast<const CGMTRArc2D&>(other).PercentToDistance(a), "percent to length");
    }

    CGMTRPoint2DCol mutableHits, constHits;
    arc.GetCrossPointArc(other, mutableHits);
    carc.GetCrossPointArc(static_cast<const CGMTRArc2D&>(other), constHits);
    arc.GetCrossPointLineEx(chord, mutableHits);
    carc.GetCrossPointLineEx(static_cast<const CGMTRLine2D&>(chord), constHits);
    chord.GetCrossPoint(cut, mutableHits);
    chord.GetCrossPoint(static_cast<const CGMTRLine2D&>(cut), constHits);
    ASSERT_GE(mutableHits.GetCount(), 4);
    ASSERT_EQ(constHits.GetCount(), mutableHits.GetCount());
    for (long i = 0; i < mutableHits.GetCount(); ++i) {
        CGMTRPoint2D a, b;
        mutableHits.get_Item(i, a);
        constHits.get_Item(i, b);
        ExpectSame(a, b, "crossing");
    }

    CGMTRPoint2D m[3], c[3];
    arc.LineTangencyDistance(leg, P(2, 0), 1.0, m[0], m[1], m[2]);
    carc.LineTangencyDistance(leg, P(2, 0), 1.0, c[0], c[1], c[2]);
    for (int k = 0; k < 3; ++k)
        ExpectSame(m[k], c[k], "segment fillet");
    arc.ArcTangencyDistance(far, 1.0, m[0], m[1], m[2]);
    carc.ArcTangencyDistance(static_cast<const CGMTRArc2D&>(far), 1.0, c[0], c[1], c[2]);
    for (int k = 0; k < 3; ++k)
        ExpectSame(m[k], c[k], "arc fillet");

    CGMTRArc2D a = MakeArc(0, 0, 1, 0, GMTR_HALF_PI), b = MakeArc(0, 0, 1, 0.5, 1.0);
    CGMTRArc2D r1, r2;
    EXPECT_EQ(a.GetConedArc(b, r1), static_cast<const CGMTRArc2D&>(a).GetConedArc(b, r2));
    ExpectSame(r1.GetSweepAngle(), r2.GetSweepAngle(), "union sweep");
    ExpectSame(r1.GetBaseAngle(), r2.GetBaseAngle(), "union start");

    // The polymorphic crossing through a pointer to const dispatches the same
    // way; a null literal adds nothing.
    const CGMTRBaseGeo2D* constArc = &other;
    CGMTRPoint2DCol viaConst, viaMutable;
    chord.FGetCrossPoint(constArc, viaConst);
    chord.FGetCrossPoint(&other, viaMutable);
    chord.FGetCrossPoint(nullptr, viaConst);
    arc.FGetCrossPoint(nullptr, viaConst);
    EXPECT_EQ(viaConst.GetCount(), viaMutable.GetCount());
    EXPECT_GT(viaConst.GetCount(), 0);
}

TEST(ConstForms, CollectionsAndRepeatChainsReadThroughConst) {
    CGMTRBaseGeo2DCol entities;
    entities.Add(new CGMTRLine2D(P(0, 0), P(1, 1)));
    entities.Add(nullptr);
    const CGMTRBaseGeo2DCol& ce = entities;
    EXPECT_EQ(ce.GetCount(), 2);
    EXPECT_EQ(ce.get_Item(0), entities.get_Item(0));
    EXPECT_EQ(ce.get_Item(1), nullptr);
    EXPECT_EQ(ce.get_Item(2), nullptr);

    CGMTRPointValueCol values;
    const tagGMTRPointValue record{1, 2, {3, 4}};
    EXPECT_EQ(values.Add(record), 1);
    EXPECT_EQ(values.put_Item(0, record), 1);
    EXPECT_EQ(values.put_Item(1, record), 0);
    const CGMTRPointValueCol& cv = values;
    tagGMTRPointValue out{};
    EXPECT_EQ(cv.GetCount(), 1);
    EXPECT_EQ(cv.get_Item(0, out), 1);
    EXPECT_EQ(out.y, 2);
    EXPECT_EQ(cv.get_Item(1, out), 0);

    CGMTRRepeatLine2D chain;
    chain.ConstructRepeatLine(0.3, 4.0, 5);
    CGMTRRepeatArcSymmetry2D turn;
    turn.ConstructRepeatArc(1e6 + 1, -2, 0.4, 3);
    CGMTRRepeatGrid grid;
    grid.ConstructRepeatGrid(2, 3, 3, 2, GMTR_HALF_PI);
    chain.SetRepeat(&turn);
    chain.SetRepeat(&grid);
    const CGMTRRepeat& cc = chain;
    ASSERT_EQ(cc.GetCount(), chain.GetCount());
    EXPECT_EQ(cc.GetCurrentCount(), 5);
    EXPECT_EQ(cc.GetRepeatType(), REPEAT_LINE2D);
    const CGMTRPoint2D point(1e6 + 3, 4), ref(7, 8);
    for (long n = -1; n <= chain.GetCount(); ++n) {
        ExpectSame(chain.GetRepeatPoint(n, point, ref), cc.GetRepeatPoint(n, point, ref), "copy");
        double x = point.X(), y = point.Y(), mx = 0, my = 0, cx = 0, cy = 0;
        chain.GetRepeatPoint2(n, x, y, &mx, &my, ref);
        cc.GetRepeatPoint2(n, point.X(), point.Y(), &cx, &cy, ref); // values, not variables
        ExpectSame(CGMTRPoint2D(mx, my), CGMTRPoint2D(cx, cy), "bare copy");
        ExpectSame(chain.GetRepeatAngle(n, 0.25), cc.GetRepeatAngle(n, 0.25), "angle");
    }
    const CGMTRRepeatArcSymmetry2D& ct = turn;
    EXPECT_EQ(ct.GetRepeatType(), REPEAT_ARC_SYMMETRY2D);
    ExpectSame(turn.GetRepeatAngle(2, 0.1), ct.GetRepeatAngle(2, 0.1), "symmetric turn");
    ExpectSame(turn.GetOriginPt(), ct.GetOriginPt(), "origin");
    EXPECT_EQ(static_cast<const CGMTRRepeatGrid&>(grid).GetRepeatX(), 3);
    EXPECT_EQ(static_cast<const CGMTRRepeatLine2D&>(chain).GetRepeatSpace(), 4.0);
    CGMTRRepeat* copy = cc.Clone();
    CGMTRRepeat* next = cc.GetRepeat();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(copy->GetCount(), chain.GetCount());
    EXPECT_EQ(next->GetRepeatType(), REPEAT_ARC_SYMMETRY2D);
    delete copy;
    delete next;
}
