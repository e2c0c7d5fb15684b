/// @file
/// CGMTRPoint2DCol: the ordered, growable collection of plane points.
#ifndef GMTRRT_CGMTRPOINT2DCOL_H
#define GMTRRT_CGMTRPOINT2DCOL_H

#include "CGMTRPoint2D.h"
#include "GMTRRT.h"

namespace gmtrrt {
namespace detail {
struct PointAppender;
} // namespace detail
} // namespace gmtrrt

/// Points held by value in the order they were added, 0-based `long` indices.
/// Nothing merges, sorts or compares points. Every intersection query appends
/// to a collection of this type and never clears it.
///
/// Bad indices never crash: get_Item and put_Item return 0 and change nothing
/// (get_Item leaves its output point untouched); Insert outside [0, GetCount()]
/// and Remove outside [0, GetCount() - 1] do nothing. AppendList with the
/// collection itself appends a copy of the points it held before the call.
///
/// The layout is a plain array, its count and its capacity: no
/// standard-library type, so hosts built with any runtime see the same
/// object. Only the library allocates and frees the array; when memory runs
/// out, a point that cannot be stored is dropped (the count does not grow)
/// and a copy or assignment leaves an empty collection; nothing throws. The
/// members that only read the array or reset the count (GetCount, IsEmpty,
/// get_Item, Clear) are defined in this header, so a host runs them inline;
/// the library exports them by name as well.
class GMTRRT_API CGMTRPoint2DCol {
public:
    /// An empty collection.
    CGMTRPoint2DCol();
    /// A collection holding copies of the other's points, in its order.
    CGMTRPoint2DCol(const CGMTRPoint2DCol& other);
    /// Replaces every point by copies of the other's points, in its order;
    /// assigning a collection to itself changes nothing. Returns *this.
    CGMTRPoint2DCol& operator=(const CGMTRPoint2DCol& other);
    /// Releases the points and their storage.
    ~CGMTRPoint2DCol();

    /// The number of points held.
    GMTRRT_INLINE int GetCount() const { return m_count; }
    /// 1 when the collection holds no point.
    GMTRRT_INLINE int IsEmpty() const { return m_count == 0 ? 1 : 0; }
    /// Appends a copy after the last point; returns 1.
    int Add(const CGMTRPoint2D& point);
    /// Puts a copy at the index (0 to GetCount(); GetCount() appends).
    void Insert(long index, const CGMTRPoint2D& point);
    /// Removes the point at the index; later points move down by one.
    void Remove(long index);
    /// Copies the point at the index into `point`; 1, or 0 for a bad index.
    GMTRRT_INLINE int get_Item(long index, CGMTRPoint2D& point) const {
        if (index < 0 || index >= m_count)
            return 0;
        point = m_points[index];
        return 1;
    }
    /// Overwrites the point at the index; 1, or 0 for a bad index.
    int put_Item(long index, const CGMTRPoint2D& point);
    /// Removes every point; the count becomes 0 (the storage is kept for the
    /// next points).
    GMTRRT_INLINE void Clear() { m_count = 0; }
    /// Appends copies of the other collection's points in its order; the
    /// other collection is not changed.
    void AppendList(const CGMTRPoint2DCol& other);

private:
    /// The library's own queries append their results through it.
    friend struct gmtrrt::detail::PointAppender;
    CGMTRPoint2D* m_points; ///< the points, allocated by the library; null when none
    int m_count;            ///< the number of points held
    int m_capacity;         ///< the number of points the array can hold
};

#endif // GMTRRT_CGMTRPOINT2DCOL_H
