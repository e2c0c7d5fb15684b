// Helpers shared by the test programs: builders, one exact comparison and one
// "at this point" check.
#ifndef GMTRRT_TESTS_SUPPORT_TESTSUPPORT_H
#define GMTRRT_TESTS_SUPPORT_TESTSUPPORT_H

#include "CGMTRArc2D.h"
#include "CGMTRHVRect.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRPoint3D.h"
#include "CGMTRVector3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <type_traits>
#include <vector>

// gtest printers at full precision, so a near miss shows (a rectangle: left, bottom, right, top).
#define GMTRRT_TEST_PRINTER(Type, fields)                                                          \
    inline void PrintTo(const Type& v, std::ostream* os) {                                         \
        *os << std::setprecision(17) << "(" << fields << ")";                                      \
    }
GMTRRT_TEST_PRINTER(CGMTRPoint2D, v.X() << ", " << v.Y())
GMTRRT_TEST_PRINTER(CGMTRVector2D, v.X() << ", " << v.Y())
GMTRRT_TEST_PRINTER(CGMTRPoint3D, v.X() << ", " << v.Y() << ", " << v.Z())
GMTRRT_TEST_PRINTER(CGMTRVector3D, v.X() << ", " << v.Y() << ", " << v.Z())
GMTRRT_TEST_PRINTER(CGMTRHVRect, v.Left()
                                     << ", " << v.Bottom() << ", " << v.Right() << ", " << v.Top())
#undef GMTRRT_TEST_PRINTER

inline CGMTRPoint2D P(double x, double y) {
    return CGMTRPoint2D(x, y);
}

inline CGMTRLine2D Seg(double x1, double y1, double x2, double y2) {
    return CGMTRLine2D(P(x1, y1), P(x2, y2));
}

/// An arc with centre (cx, cy), radius r, start angle `start` and `sweep`.
inline CGMTRArc2D MakeArc(double cx, double cy, double r, double start, double sweep) {
    CGMTRArc2D arc;
    arc.PutBasePoint(P(cx, cy));
    arc.PutBaseVector(CGMTRVector2D(r * std::cos(start), r * std::sin(start)));
    arc.PutSweepAngle(sweep);
    return arc;
}

inline std::vector<CGMTRPoint2D> Points(const CGMTRPoint2DCol& col) {
    std::vector<CGMTRPoint2D> out(static_cast<size_t>(col.GetCount()));
    for (long i = 0; i < col.GetCount(); ++i)
        col.get_Item(i, out[static_cast<size_t>(i)]);
    return out;
}

/// The same bits; any NaN counts as one value.
inline bool SameBits(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}
inline bool SameBits(const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y());
}
/// Plain records and rectangles: the same bytes.
template <class T> bool SameBits(const T& a, const T& b) {
    static_assert(std::is_trivially_copyable<T>::value, "compared byte for byte");
    return std::memcmp(&a, &b, sizeof a) == 0;
}

/// The one exact comparison: a and b have the same bits.
template <class T> void ExpectSame(const T& a, const T& b) {
    EXPECT_TRUE(SameBits(a, b)) << testing::PrintToString(a) << " vs " << testing::PrintToString(b);
}

/// The one "at this point" check, for anything with X() and Y(): equal to
/// (x, y) when tol is 0, else within tol per coordinate.
template <class T> void ExpectAt(const T& p, double x, double y, double tol = 1e-12) {
    if (tol == 0.0) {
        EXPECT_TRUE(p.X() == x && p.Y() == y)
            << testing::PrintToString(p) << " vs " << x << ", " << y;
        return;
    }
    EXPECT_NEAR(p.X(), x, tol) << testing::PrintToString(p);
    EXPECT_NEAR(p.Y(), y, tol) << testing::PrintToString(p);
}
template <class T> void ExpectAt(const T& p, double x, double y, double z, double tol) {
    ExpectAt(p, x, y, tol);
    EXPECT_NEAR(p.Z(), z, tol) << testing::PrintToString(p);
}

/// Every entry of the two 3x3 matrices within tol (exactly when tol is 0).
template <class M> void ExpectMatrix(const M& a, const M& b, double tol) {
    for (short k = 0; k < 9; ++k)
        EXPECT_NEAR(a.GetSingleValue(k / 3, k % 3), b.GetSingleValue(k / 3, k % 3), tol) << k;
}

inline void ExpectPoints(const CGMTRPoint2DCol& col, const std::vector<CGMTRPoint2D>& expected,
                         double tol = 1e-12) {
    const std::vector<CGMTRPoint2D> got = Points(col);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i)
        ExpectAt(got[i], expected[i].X(), expected[i].Y(), tol);
}

#endif // GMTRRT_TESTS_SUPPORT_TESTSUPPORT_H
