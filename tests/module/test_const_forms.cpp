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

#include <limits>

// The member on the mutable object and its const form on a const reference
// to the same object.
#define SAME(object, call)                                                                         \
    ExpectSame((object).call, static_cast<const decltype(object)&>(object).call)

TEST(ConstForms, ValuesGiveTheSameBits) {
    for (double d : {2.5, -0.0, 0.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(d);
        CGMTRPoint2D p(3, -4);
        CGMTRVector2D v(-2, 7);
        SAME(p, operator+(P(d, 1)));
        SAME(p, operator-(P(d, 1)));
        SAME(p, operator+(v));
        SAME(p, operator-(v));
        SAME(p, operator*(d));
        SAME(p, operator/(d));
        SAME(p, operator-());
        SAME(p, operator==(P(3 + d * 1e-11, -4)));
        SAME(v, operator+(CGMTRVector2D(d, 1)));
        SAME(v, operator/(d));
        SAME(v, operator-());
        SAME(v, Orthogonal());
        SAME(v, LengthSquare());
        SAME(v, operator!=(CGMTRVector2D(-2, d)));
    }
    const CGMTRLine2D line(P(1, 2), P(4, 6)); // a temporary, as a host writes it
    ExpectSame(line.get_BasePoint() + line.get_BaseVector(), line.get_EndPoint());

    CGMTRMatrix2D m(1, 2, 0, -3, 4, 0, 5, -6, 1);
    SAME(m, GetDeterminant());
    SAME(m, GetSubDet(2, 1));
    SAME(m, ProductOfRow(0, 3));
    SAME(m, IsOrthogonal());
    CGMTRMatrix3D s(1, 2, 3, 0, 1, 4, 5, 6, 0);
    SAME(s, GetDeterminant());
    SAME(s, GetSubDet(1, 2));
    CGMTRPoint3D a(1, 2, 3);
    SAME(a, Distance3D(CGMTRPoint3D(1, 2, 3 + 5e-11)));
    SAME(a, operator==(CGMTRPoint3D(1, 2, 3 + 5e-11)));
    CGMTRCoorMatrix sys(1, GMTR_HALF_PI, CGMTRVector2D(10, 0));
    SAME(sys, IsTransformed());
    ExpectMatrix(sys.GetTrMatrix(), static_cast<const CGMTRCoorMatrix&>(sys).GetTrMatrix(), 0);
    CGMTRHVRect r(1, 2, 3, 5);
    SAME(r, Center());
    SAME(r, TopLeft());
    EXPECT_EQ(CGMTRHVRect(P(3, 3), P(1, 1)), CGMTRHVRect(3, 3, 1, 1)); // built from temporaries
}

// A transform built from const points and vectors, or copied from a const
// transform, equals the one the non-const forms build.
TEST(ConstForms, TransformsTakeConstArguments) {
    CGMTRPoint2D centre(1, 1);
    CGMTRVector2D axis(1, 2);
    CGMTRTransform2D t;
    t.Rotate(centre, 0.7);
    t.Mirror(centre, axis);
    const CGMTRPoint2D& cc = centre;
    const CGMTRVector2D& caxis = axis;
    CGMTRTransform2D u;
    u.Rotate(cc, 0.7);
    u.Mirror(cc, caxis);
    const CGMTRTransform2D& cu = u;
    const CGMTRTransform2D copy(cu);
    ExpectMatrix(t.GetTrMatrix2D(), copy.GetTrMatrix2D(), 0);
    double s1 = 0, s2 = 0, r1 = 0, r2 = 0;
    int m1 = 0, m2 = 0;
    CGMTRVector2D v1, v2;
    EXPECT_EQ(t.GetComponent(&s1, &r1, &m1, &v1), copy.GetComponent(&s2, &r2, &m2, &v2));
    ExpectSame(r1, r2);
}

TEST(ConstForms, EntitiesAndCollectionsReadThroughConst) {
    CGMTRArc2D arc = MakeArc(0, 0, 2, 0, GMTR_2PI), other = MakeArc(2, 0, 2, 0.3, 4.0);
    const CGMTRArc2D& carc = arc;
    SAME(arc, GetVerticalPoint(P(-1, -4)));
    SAME(other, PercentToDistance(-0.5));
    CGMTRPoint2DCol viaMutable, viaConst;
    arc.GetCrossPointArc(other, viaMutable);
    carc.GetCrossPointArc(static_cast<const CGMTRArc2D&>(other), viaConst);
    CGMTRPoint2D m[3], c[3];
    arc.LineTangencyDistance(Seg(2, 0, 6, 0), P(2, 0), 1.0, m[0], m[1], m[2]);
    carc.LineTangencyDistance(Seg(2, 0, 6, 0), P(2, 0), 1.0, c[0], c[1], c[2]);
    for (int k = 0; k < 3; ++k)
        ExpectSame(m[k], c[k]);
    // The polymorphic crossing through a pointer to const; a null literal adds nothing.
    const CGMTRBaseGeo2D* constOther = &other;
    Seg(-5, 1, 5, 1).FGetCrossPoint(constOther, viaConst);
    Seg(-5, 1, 5, 1).FGetCrossPoint(&other, viaMutable);
    arc.FGetCrossPoint(nullptr, viaConst);
    ASSERT_EQ(viaConst.GetCount(), viaMutable.GetCount());
    for (long i = 0; i < viaConst.GetCount(); ++i) {
        CGMTRPoint2D a, b;
        viaMutable.get_Item(i, a);
        viaConst.get_Item(i, b);
        ExpectSame(a, b);
    }

    CGMTRBaseGeo2DCol entities;
    entities.Add(new CGMTRLine2D(P(0, 0), P(1, 1)));
    const CGMTRBaseGeo2DCol& ce = entities;
    EXPECT_EQ(ce.GetCount(), 1);
    EXPECT_EQ(ce.get_Item(0), entities.get_Item(0));
    CGMTRPointValueCol values;
    const tagGMTRPointValue record{1, 2, {3, 4}};
    EXPECT_EQ(values.Add(record), 1);
    tagGMTRPointValue out{};
    EXPECT_EQ(static_cast<const CGMTRPointValueCol&>(values).get_Item(0, out), 1);
    ExpectSame(out, record);
}

// A chain shared read-only: every placement through the const forms, copy
// numbers past both ends included, and the kinds' getters.
TEST(ConstForms, RepeatChainsPlaceThroughConst) {
    CGMTRRepeatLine2D chain;
    chain.ConstructRepeatLine(0.3, 4.0, 5);
    CGMTRRepeatArcSymmetry2D turn;
    turn.ConstructRepeatArc(1e6 + 1, -2, 0.4, 3);
    chain.SetRepeat(&turn);
    const CGMTRRepeat& cc = chain;
    EXPECT_EQ(cc.GetCount(), 15);
    EXPECT_EQ(cc.GetRepeatType(), REPEAT_LINE2D);
    const CGMTRPoint2D point(1e6 + 3, 4);
    for (long n = -1; n <= 15; ++n) {
        SAME(chain, GetRepeatPoint(n, point, point));
        double x = point.X(), y = point.Y(), mx = 0, my = 0, cx = 0, cy = 0;
        chain.GetRepeatPoint2(n, x, y, &mx, &my, point);
        cc.GetRepeatPoint2(n, point.X(), point.Y(), &cx, &cy, point); // values, not variables
        ExpectSame(P(mx, my), P(cx, cy));
        SAME(chain, GetRepeatAngle(n, 0.25));
    }
    SAME(turn, GetOriginPt());
    EXPECT_EQ(static_cast<const CGMTRRepeatLine2D&>(chain).GetRepeatSpace(), 4.0);
    CGMTRRepeat* copy = cc.Clone();
    EXPECT_EQ(copy->GetCount(), 15);
    delete copy;
}
