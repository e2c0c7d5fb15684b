// The const forms of read-only members: callable on const objects and
// temporaries, they forward to the members they stand beside. One call each
// on values that tell the members apart catches a form forwarding to the
// wrong member.
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRCoorMatrix.h"
#include "CGMTRMatrix3D.h"
#include "CGMTRPointValueCol.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatLine2D.h"
#include "CGMTRTransform2D.h"
#include "support/TestSupport.h"

// The member on the mutable object and its const form on a const reference
// to the same object.
#define SAME(object, call)                                                                         \
    ExpectSame((object).call, static_cast<const decltype(object)&>(object).call)

TEST(ConstForms, ValuesAndTransformsGiveTheSameBits) {
    CGMTRPoint2D p(3, -4);
    CGMTRVector2D v(-2, 7);
    SAME(p, operator+(P(2.5, 1)));
    SAME(p, operator-(P(2.5, 1)));
    SAME(p, operator+(v));
    SAME(p, operator-(v));
    SAME(p, operator*(2.5));
    SAME(p, operator/(2.5));
    SAME(p, operator-());
    SAME(p, operator==(P(3 + 1e-11, -4)));
    SAME(v, operator+(CGMTRVector2D(2.5, 1)));
    SAME(v, operator/(2.5));
    SAME(v, Orthogonal());
    SAME(v, LengthSquare());
    SAME(v, operator!=(CGMTRVector2D(-2, 2.5)));
    CGMTRMatrix2D m(1, 2, 0, -3, 4, 0, 5, -6, 1);
    SAME(m, GetDeterminant());
    SAME(m, GetSubDet(2, 1));
    SAME(m, ProductOfRow(0, 3));
    CGMTRMatrix3D s(1, 2, 3, 0, 1, 4, 5, 6, 0);
    SAME(s, GetSubDet(1, 2));
    CGMTRPoint3D a(1, 2, 3);
    SAME(a, Distance3D(CGMTRPoint3D(1, 2, 3 + 5e-11)));
    CGMTRCoorMatrix sys(1, GMTR_HALF_PI, CGMTRVector2D(10, 0));
    SAME(sys, IsTransformed());
    CGMTRHVRect r(1, 2, 3, 5);
    SAME(r, Center());
    SAME(r, TopLeft());
    // A transform built from const arguments and copied from a const one.
    const CGMTRPoint2D centre(1, 1);
    const CGMTRVector2D axis(1, 2);
    CGMTRTransform2D t;
    t.Rotate(centre, 0.7);
    t.Mirror(centre, axis);
    const CGMTRTransform2D copy(static_cast<const CGMTRTransform2D&>(t));
    ExpectMatrix(t.GetTrMatrix2D(), copy.GetTrMatrix2D(), 0);
}

TEST(ConstForms, EntitiesCollectionsAndChainsReadThroughConst) {
    CGMTRArc2D arc = MakeArc(0, 0, 2, 0, GMTR_2PI), other = MakeArc(2, 0, 2, 0.3, 4.0);
    SAME(arc, GetVerticalPoint(P(-1, -4)));
    SAME(other, PercentToDistance(-0.5));
    CGMTRPoint2DCol viaMutable, viaConst;
    arc.GetCrossPointArc(other, viaMutable);
    static_cast<const CGMTRArc2D&>(arc).GetCrossPointArc(static_cast<const CGMTRArc2D&>(other),
                                                         viaConst);
    // The polymorphic crossing through a pointer to const.
    const CGMTRBaseGeo2D* constOther = &other;
    Seg(-5, 1, 5, 1).FGetCrossPoint(constOther, viaConst);
    Seg(-5, 1, 5, 1).FGetCrossPoint(&other, viaMutable);
    ASSERT_EQ(viaConst.GetCount(), 4);
    const std::vector<CGMTRPoint2D> a = Points(viaMutable), b = Points(viaConst);
    for (size_t i = 0; i < a.size(); ++i)
        ExpectSame(a[i], b[i]);

    CGMTRPointValueCol values;
    const tagGMTRPointValue record{1, 2, {3, 4}};
    values.Add(record);
    tagGMTRPointValue out{};
    EXPECT_EQ(static_cast<const CGMTRPointValueCol&>(values).get_Item(0, out), 1);
    ExpectSame(out, record);

    // A chain shared read-only, copy numbers past both ends included.
    CGMTRRepeatLine2D chain;
    chain.ConstructRepeatLine(0.3, 4.0, 5);
    CGMTRRepeatArcSymmetry2D turn;
    turn.ConstructRepeatArc(1e6 + 1, -2, 0.4, 3);
    chain.SetRepeat(&turn);
    const CGMTRRepeat& cc = chain;
    EXPECT_EQ(cc.GetCount(), 15);
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
}
