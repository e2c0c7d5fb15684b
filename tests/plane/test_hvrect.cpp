// Axis-aligned rectangle: unsorted storage, inclusion, overlaps, transformed boxes.
#include "CGMTRHVRect.h"
#include "CGMTRTransform2D.h"
#include "support/TestSupport.h"

#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRHVRect) == 32 && std::is_trivially_copyable<CGMTRHVRect>::value,
              "plain value of four doubles, copied without a call into the library");

static bool Is(const CGMTRHVRect& r, double l, double b, double rt, double t) {
    return r.Left() == l && r.Bottom() == b && r.Right() == rt && r.Top() == t;
}

TEST(HVRect, StoresUnsortedSortsOnRequestGrowsAndCombines) {
    CGMTRPoint2D p1(3, 3), p2(1, 1);
    CGMTRHVRect d, far(5, 5, 6, 6), q(1, 2, 4, 8), r(p1, p2), s, g2(0, 0, 2, 2), g0(g2), gn(g2);
    EXPECT_TRUE(d.Contains(CGMTRPoint2D(0, 0)));
    EXPECT_FALSE(d.Contains(CGMTRPoint2D(1e-300, 0)));
    EXPECT_PRED5(Is, r, 3, 3, 1, 1);
    EXPECT_EQ(r.Width(), -2);
    d.Combine(far);
    r.SortCorners();
    s.SortCorners(p1, p2);
    double w, h, l = -1, t = -1; // y up: top is the larger y
    q.Size(&w, &h);
    q.Bounds(&l, nullptr, nullptr, &t); // null pointers are skipped
    EXPECT_PRED3(IsAt, q.TopLeft(), 1, 8);
    EXPECT_PRED3(IsAt, q.Center(), 2.5, 5);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(l, 1);
    EXPECT_EQ(t, 8);
    EXPECT_PRED5(Is, r, 1, 1, 3, 3);
    EXPECT_PRED5(Is, s, 1, 1, 3, 3);
    EXPECT_PRED5(Is, d, 0, 0, 6, 6);
    g2.Grow(2);
    g0.Grow(0);
    gn.Grow(-1);
    EXPECT_PRED5(Is, g2, -1, -1, 3, 3);
    EXPECT_PRED5(Is, g0, 1, 1, 1, 1);
    EXPECT_PRED5(Is, gn, 2, 2, 0, 0);
}

TEST(HVRect, ContainmentComparisonsAndOverlap) {
    CGMTRHVRect a(0, 0, 1, 1), b(a), inner(0.25, 0.25, 0.75, 0.75), edge(0, 0.25, 0.75, 0.75);
    EXPECT_TRUE(a.Contains(CGMTRPoint2D(0, 1)));
    EXPECT_FALSE(a.Contains(CGMTRPoint2D(-1e-12, 0.5)));
    EXPECT_FALSE(a.Contains(CGMTRPoint2D(0.5, 1 + 1e-12)));
    EXPECT_EQ(a, CGMTRHVRect(0.5e-10, 0, 1, 1));
    EXPECT_LT(a, b);
    EXPECT_FALSE(a > b);
    EXPECT_TRUE(a & b);
    EXPECT_EQ(a, b);
    EXPECT_GT(a, inner);
    EXPECT_LT(inner, a);
    EXPECT_FALSE(a < inner);
    EXPECT_LT(edge, a);
    EXPECT_FALSE(a > edge);
    EXPECT_NE(a, CGMTRHVRect(2e-10, 0, 1, 1));
    CGMTRHVRect out, tall(1, 0, 3, 3), in(1, 1, 3, 3), kept(9, 8, 7, 6), self(0, 0, 2, 2);
    EXPECT_TRUE(a.Intersect(CGMTRHVRect(1, 0, 2, 1), out));
    EXPECT_PRED5(Is, out, 1, 0, 1, 1);
    EXPECT_TRUE(tall.Intersect(in, out));
    EXPECT_TRUE(in.Intersect(tall, out));
    EXPECT_PRED5(Is, out, 1, 1, 3, 3);
    EXPECT_FALSE(a.Intersect(CGMTRHVRect(2, 2, 3, 3), kept));
    EXPECT_PRED5(Is, kept, 9, 8, 7, 6);
    EXPECT_TRUE(a & CGMTRHVRect(1, 1, 2, 2)); // touching corners overlap
    EXPECT_FALSE(a & CGMTRHVRect(-2, 0, -1e-12, 1));
    EXPECT_TRUE(self.Intersect(CGMTRHVRect(1, -1, 3, 1), self));
    EXPECT_PRED5(Is, self, 1, 0, 2, 1);
    CGMTRMatrix2D m;
    m.SetToScale(std::nan(""));
    a.MatrixTransform(m); // non-finite box, no crash
    EXPECT_TRUE(std::isnan(a.Left()));
    EXPECT_FALSE(a.Contains(CGMTRPoint2D(0, 0)));
}

TEST(HVRect, BoundingBoxOfTransformedRectangle) {
    std::mt19937 rng(7u);
    std::uniform_real_distribution<double> u(-5, 5), ang(-7, 7);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0, l = off + u(rng), b = off + u(rng);
        CGMTRHVRect r(l, b, l + 1 + std::fabs(u(rng)), b + 1 + std::fabs(u(rng)));
        CGMTRTransform2D t;
        CGMTRPoint2D centre(off + u(rng), off + u(rng));
        t.Rotate(centre, ang(rng));
        CGMTRPoint2D corners[4] = {r.BottomLeft(), r.BottomRight(), r.TopRight(), r.TopLeft()};
        trial % 3 ? r.Transform(t) : r.MatrixTransform(t.GetTrMatrix2D());
        int sides = 0; // bit 4: a corner outside; bits 0-3: left, right, bottom, top reached
        for (CGMTRPoint2D& c : corners) {
            c *= t.GetTrMatrix2D();
            sides |= !r.Contains(c) << 4 | (c.X() == r.Left()) | (c.X() == r.Right()) << 1 |
                     (c.Y() == r.Bottom()) << 2 | (c.Y() == r.Top()) << 3;
        }
        EXPECT_EQ(sides, 15) << trial; // all corners inside, each side reached
    }
}
