// Axis-aligned rectangle: unsorted storage, inclusion, overlaps, transformed boxes.
#include "CGMTRHVRect.h"
#include "CGMTRTransform2D.h"
#include "support/TestSupport.h"

#include <random>

static_assert(sizeof(CGMTRHVRect) == 32 && std::is_trivially_copyable<CGMTRHVRect>::value,
              "plain value of four doubles, copied without a call into the library");

namespace {
using R = CGMTRHVRect;
} // namespace

TEST(HVRect, StoresUnsortedSortsOnRequestGrowsAndCombines) {
    CGMTRPoint2D p1(3, 3), p2(1, 1);
    R d, far(5, 5, 6, 6), q(1, 2, 4, 8), r(p1, p2), s, g2(0, 1, 2, 5), g0(g2), gn(g2);
    EXPECT_TRUE(d.Contains(P(0, 0)));
    EXPECT_FALSE(d.Contains(P(1e-300, 0)));
    ExpectSame(r, R(3, 3, 1, 1));
    EXPECT_EQ(r.Width(), -2);
    d.Combine(far);
    r.SortCorners();
    s.SortCorners(p1, p2);
    double w, h, l = -1, t = -1; // y up: top is the larger y
    q.Size(&w, &h);
    q.Bounds(&l, nullptr, nullptr, &t); // null pointers are skipped
    ExpectAt(q.TopLeft(), 1, 8, 0);
    ExpectAt(q.Center(), 2.5, 5, 0);
    ExpectAt(P(w, h), 3, 6, 0);
    ExpectAt(P(l, t), 1, 8, 0);
    ExpectSame(r, R(1, 1, 3, 3));
    ExpectSame(s, R(1, 1, 3, 3));
    ExpectSame(d, R(0, 0, 6, 6));
    g2.Grow(2); // about the centre (1, 3)
    g0.Grow(0);
    gn.Grow(-1);
    ExpectSame(g2, R(-1, -1, 3, 7));
    ExpectSame(g0, R(1, 3, 1, 3));
    ExpectSame(gn, R(2, 5, 0, 1));
}

TEST(HVRect, ContainmentComparisonsAndOverlap) {
    const R a(0, 0, 1, 1), inner(0.25, 0.25, 0.75, 0.75), edge(0, 0.25, 0.75, 0.75);
    EXPECT_TRUE(a.Contains(P(0, 1)));
    EXPECT_FALSE(a.Contains(P(-1e-12, 0.5)));
    EXPECT_FALSE(a.Contains(P(0.5, 1 + 1e-12)));
    // One row per pair: ==, <, > and & of a with b.
    const struct {
        R b;
        bool eq, lt, gt, overlap;
    } rows[] = {
        {a, true, true, false, true},
        {R(0.5e-10, 0, 1, 1), true, false, false, true},
        {R(2e-10, 0, 1, 1), false, false, false, true},
        {inner, false, false, true, true},
        {edge, false, false, false, true},
        {R(1, 1, 2, 2), false, false, false, true}, // touching corners overlap
        {R(-2, 0, -1e-12, 1), false, false, false, false},
        {R(0, 2, 1, 3), false, false, false, false},
        {R(0, -3, 1, -2), false, false, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::PrintToString(r.b));
        EXPECT_EQ(a == r.b, r.eq);
        EXPECT_EQ(a != r.b, !r.eq);
        EXPECT_EQ(a < r.b, r.lt);
        EXPECT_EQ(a > r.b, r.gt);
        EXPECT_EQ(a & r.b, r.overlap);
    }
    EXPECT_TRUE(inner < a);
    EXPECT_TRUE(edge < a);
    R out, tall(1, 0, 3, 3), in(1, 1, 3, 3), kept(9, 8, 7, 6), self(0, 0, 2, 2);
    EXPECT_TRUE(a.Intersect(R(1, 0, 2, 1), out));
    ExpectSame(out, R(1, 0, 1, 1));
    EXPECT_TRUE(tall.Intersect(in, out));
    EXPECT_TRUE(in.Intersect(tall, out));
    ExpectSame(out, R(1, 1, 3, 3));
    EXPECT_FALSE(a.Intersect(R(2, 2, 3, 3), kept));
    ExpectSame(kept, R(9, 8, 7, 6));
    EXPECT_TRUE(self.Intersect(R(1, -1, 3, 1), self)); // the output may be this rectangle
    ExpectSame(self, R(1, 0, 2, 1));
    CGMTRMatrix2D m;
    m.SetToScale(std::nan(""));
    self.MatrixTransform(m); // non-finite box, no crash
    EXPECT_TRUE(std::isnan(self.Left()));
    EXPECT_FALSE(self.Contains(P(0, 0)));
}

TEST(HVRect, BoundingBoxOfTransformedRectangle) {
    std::mt19937 rng(7u);
    std::uniform_real_distribution<double> u(-5, 5), ang(-7, 7);
    for (int trial = 0; trial < 100; ++trial) {
        const double off = (trial % 2) ? 1e6 : 0.0, l = off + u(rng), b = off + u(rng);
        R r(l, b, l + 1 + std::fabs(u(rng)), b + 1 + std::fabs(u(rng)));
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
