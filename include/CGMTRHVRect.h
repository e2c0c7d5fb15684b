/// @file
/// CGMTRHVRect: an axis-aligned rectangle used as a bounding box.
#ifndef GMTRRT_CGMTRHVRECT_H
#define GMTRRT_CGMTRHVRECT_H

#include "CGMTRPoint2D.h"
#include "GMTRRT.h"

class CGMTRMatrix2D;
class CGMTRTransform2D;

/// Rectangle with horizontal and vertical edges, kept as left, bottom, right
/// and top. The y axis points up: top is the larger y and TopLeft is
/// (left, top). The default is the degenerate rectangle (0, 0, 0, 0); there
/// is no empty state. Constructors and setters store what they are given
/// without sorting; SortCorners sorts. Contains, Combine, <, >, & and
/// Intersect expect sorted rectangles (left <= right, bottom <= top) and give
/// unsorted ones whatever their comparisons produce. All tests are exact
/// except == and !=, which use GMTR_TOL. Plain value: four doubles.
class GMTRRT_API CGMTRHVRect {
public:
    /// (0, 0, 0, 0).
    CGMTRHVRect();
    /// The four fields as given, in this order; not sorted.
    CGMTRHVRect(double left, double bottom, double right, double top);
    /// left, bottom from `p1` and right, top from `p2`; not sorted.
    CGMTRHVRect(CGMTRPoint2D& p1, CGMTRPoint2D& p2);
    /// A copy of the four fields.
    CGMTRHVRect(CGMTRHVRect const& other) = default;
    /// Copies the four fields; returns this rectangle.
    CGMTRHVRect& operator=(CGMTRHVRect const& other) = default;
    /// Does nothing: the rectangle owns no resources.
    ~CGMTRHVRect() = default;

    /// Sets the four fields as given, in this order; not sorted.
    void Bounds(double left, double bottom, double right, double top);
    /// Writes the four fields; a null pointer is skipped.
    void Bounds(double* left, double* bottom, double* right, double* top) const;
    /// lb = (left, bottom), rt = (right, top).
    void Bounds(CGMTRPoint2D& lb, CGMTRPoint2D& rt) const;
    /// As above through pointers; a null pointer is skipped.
    void Bounds(CGMTRPoint2D* lb, CGMTRPoint2D* rt) const;

    /// The left edge (smallest x of a sorted rectangle).
    double Left() const;
    /// The bottom edge (smallest y of a sorted rectangle).
    double Bottom() const;
    /// The right edge (largest x of a sorted rectangle).
    double Right() const;
    /// The top edge (largest y of a sorted rectangle).
    double Top() const;
    /// Sets the left edge as given; not sorted.
    void Left(double v);
    /// Sets the bottom edge as given; not sorted.
    void Bottom(double v);
    /// Sets the right edge as given; not sorted.
    void Right(double v);
    /// Sets the top edge as given; not sorted.
    void Top(double v);

    /// The new point (left, top).
    CGMTRPoint2D TopLeft();
    /// The new point (right, top).
    CGMTRPoint2D TopRight();
    /// The new point (left, bottom).
    CGMTRPoint2D BottomLeft();
    /// The new point (right, bottom).
    CGMTRPoint2D BottomRight();
    /// ((left + right) / 2, (bottom + top) / 2).
    CGMTRPoint2D Center();
    /// right - left (negative when unsorted).
    double Width() const;
    /// top - bottom (negative when unsorted).
    double Height() const;
    /// Writes width and height; neither pointer may be null.
    void Size(double* width, double* height) const;

    /// Swaps left/right and bottom/top where they are out of order.
    void SortCorners();
    /// Sets the sorted rectangle spanned by two corner points.
    void SortCorners(CGMTRPoint2D& p1, CGMTRPoint2D& p2);
    /// Scales about the centre by the factor f: 1 keeps the rectangle, 2
    /// doubles width and height, 0 collapses it to its centre, a negative f
    /// leaves it unsorted.
    void Grow(double f);
    /// Widens each side to `other`'s where that extends further; a default
    /// rectangle therefore always keeps the origin in the union.
    void Combine(CGMTRHVRect& other);
    /// Replaces the rectangle by the sorted bounding box of its four corners
    /// transformed by `m` (larger than the image under a rotation).
    void MatrixTransform(CGMTRMatrix2D const& m);
    /// MatrixTransform with the transform's matrix.
    void Transform(CGMTRTransform2D const& t);

    /// left <= p.x <= right and bottom <= p.y <= top: edges count as inside.
    bool Contains(CGMTRPoint2D const& p) const;
    /// IsEqualValue on left, right, bottom and top.
    bool operator==(CGMTRHVRect const& b) const;
    /// The negation of operator==.
    bool operator!=(CGMTRHVRect const& b) const;
    /// This rectangle lies inside `b`; edges may coincide.
    bool operator<(CGMTRHVRect const& b) const;
    /// `b` lies strictly inside this rectangle (no edge may coincide), so
    /// a > b is not the same as b < a.
    bool operator>(CGMTRHVRect const& b) const;
    /// The closed rectangles overlap; touching at an edge or corner counts.
    bool operator&(CGMTRHVRect const& b) const;
    /// When the rectangles overlap (as &), writes the overlap rectangle to
    /// `out` (degenerate when they only touch) and returns true; otherwise
    /// returns false and leaves `out` untouched.
    bool Intersect(CGMTRHVRect b, CGMTRHVRect& out) const;

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// From two corner points, not sorted (as the non-const form).
    CGMTRHVRect(CGMTRPoint2D const& p1, CGMTRPoint2D const& p2);
    /// Const form of TopLeft.
    CGMTRPoint2D TopLeft() const;
    /// Const form of TopRight.
    CGMTRPoint2D TopRight() const;
    /// Const form of BottomLeft.
    CGMTRPoint2D BottomLeft() const;
    /// Const form of BottomRight.
    CGMTRPoint2D BottomRight() const;
    /// Const form of Center.
    CGMTRPoint2D Center() const;
    /// Const form of SortCorners.
    void SortCorners(CGMTRPoint2D const& p1, CGMTRPoint2D const& p2);
    /// Const form of Combine.
    void Combine(CGMTRHVRect const& other);
    ///@}

private:
    double left;
    double bottom;
    double right;
    double top;
};

#endif // GMTRRT_CGMTRHVRECT_H
