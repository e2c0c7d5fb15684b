// Axis-aligned rectangle: unsorted storage, inclusion, overlaps, transformed boxes.
#include "CGMTRHVRect.h"
#include "CGMTRTransform2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <type_traits>

static_assert(sizeof(CGMTRHVRect) == 32 && !std::is_polymorphic<CGMTRHVRect>::value,
              "plain value of four doubles");

static bool Is(const CGMTRHVRect& r, double l, double b, double rt, double t) {
    return r.Left() == l && r.Bottom() == b && r.Right() == rt && r.Top() == t;
}

TEST(HVRect, StoresUnsortedSortsOnRequestGrowsAndCombines) {
    CGMTRPoint2D p1(3, 3), p2(1, 1);
    CGMTRHVRect d, far(5, 5, 6, 6), q(1, 2, 4, 8), r(p1, p2), s, g2(0, 0, 2, 2), g0(g2), gn(g2);
    EXPECT_TRUE(d.Contains(CGMTRPoint2D(0, 0)) && !d.Contains(CGMTRPoint2D(1e-300, 0)) &&
                Is(r, 3, 3, 1, 1) && r.Width() == -2);
    d.Combine(far), r.SortCorners(), s.SortCorners(p1, p2);
    double w, h, l = -1, t = -1;                        // y up: top is the larger y
    q.Size(&w, &h), q.Bounds(&l, nullptr, nullptr, &t); // null pointers are skipped
    EXPECT_TRUE(q.TopLeft() == CGMTRPoint2D(1, 8) && q.Center() == CGMTRPoint2D(2.5, 5) && w == 3 &&
                h == 6 && l == 1 && t == 8 && Is(r, 1, 1, 3, 3) && Is(s, 1, 1, 3, 3) &&
                Is(d, 0, 0, 6, 6));
    g2.Grow(2), g0.Grow(0), gn.Grow(-1);
    EXPECT_TRUE(Is(g2, -1, -1, 3, 3) && Is(g0, 1, 1, 1, 1) && Is(gn, 2, 2, 0, 0));
}

TEST(HVRect, ContainmentComparisonsAndOverlap) {
    CGMTRHVRect a(0, 0, 1, 1), b(a), inner(0.25, 0.25, 0.75, 0.75), edge(0, 0.25, 0.75, 0.75);
    EXPECT_TRUE(a.Contains(CGMTRPoint2D(0, 1)) && !a.Contains(CGMTRPoint2D(-1e-12, 0.5)) &&
                !a.Contains(CGMTRPoint2D(0.5, 1 + 1e-12)) && a == CGMTRHVRect(0.5e-10, 0, 1, 1));
    EXPECT_TRUE(a < b && !(a > b) && (a & b) && a == b && a > inner && inner < a && !(a < inner) &&
                edge < a && !(a > edge) && a != CGMTRHVRect(2e-10, 0, 1, 1));
    CGMTRHVRect out, tall(1, 0, 3, 3), in(1, 1, 3, 3), kept(9, 8, 7, 6), self(0, 0, 2, 2);
    EXPECT_TRUE(a.Intersect(CGMTRHVRect(1, 0, 2, 1), out) && Is(out, 1, 0, 1, 1) &&
                tall.Intersect(in, out) && in.Intersect(tall, out) && Is(out, 1, 1, 3, 3));
    EXPECT_TRUE(!a.Intersect(CGMTRHVRect(2, 2, 3, 3), kept) && Is(kept, 9, 8, 7, 6));
    EXPECT_TRUE((a & CGMTRHVRect(1, 1, 2, 2)) && !(a & CGMTRHVRect(-2, 0, -1e-12, 1))); // corners
    EXPECT_TRUE(self.Intersect(CGMTRHVRect(1, -1, 3, 1), self) && Is(self, 1, 0, 2, 1));
    CGMTRMatrix2D m;
    m.SetToScale(std::nan("")), a.MatrixTransform(m); // non-finite box, no crash
    EXPECT_TRUE(std::isnan(a.Left()) && !a.Contains(CGMTRPoint2D(0, 0)));
}

TEST(HVRect, BoundingBoxOfTransformedRectangle) {
    std::mt19937 rng(7u);
    std::uniform_real_distribution<double> u(-5, 5), ang(-7, 7);
    for (int trial = 0, sides = 0; trial < 100; ++trial, sides = 0) {
        const double off = (trial % 2) ? 1e6 : 0.0, l = off + u(rng), b = off + u(rng);
        CGMTRHVRect r(l, b, l + 1 + std::fabs(u(rng)), b + 1 + std::fabs(u(rng)));
        CGMTRTransform2D t;
        CGMTRPoint2D centre(off + u(rng), off + u(rng));
        t.Rotate(centre, ang(rng));
        CGMTRPoint2D corners[4] = {r.BottomLeft(), r.BottomRight(), r.TopRight(), r.TopLeft()};
        trial % 3 ? r.Transform(t) : r.MatrixTransform(t.GetTrMatrix2D());
        for (CGMTRPoint2D& c : corners)
            c *= t.GetTrMatrix2D(), sides |= !r.Contains(c) << 4 | (c.X() == r.Left()) |
                                             (c.X() == r.Right()) << 1 |
                                             (c.Y() == r.Bottom()) << 2 | (c.Y() == r.Top()) << 3;
        EXPECT_EQ(sides, 15) << trial; // all corners inside, each side reached
    }
}
