#include "CGMTRPoint2DCol.h"

#include "collections/CollectionStorage.h"
#include "collections/PointAppend.h"
#include "numeric/Compiler.h"

#include <cstring>

using gmtrrt::detail::IsValidIndex;

CGMTRPoint2DCol::CGMTRPoint2DCol() : m_points(nullptr), m_count(0), m_capacity(0) {}

CGMTRPoint2DCol::CGMTRPoint2DCol(const CGMTRPoint2DCol& other)
    : m_points(nullptr), m_count(0), m_capacity(0) {
    gmtrrt::detail::Assign(m_points, m_count, m_capacity, other.m_points, other.m_count);
}

CGMTRPoint2DCol& CGMTRPoint2DCol::operator=(const CGMTRPoint2DCol& other) {
    if (this != &other &&
        !gmtrrt::detail::Assign(m_points, m_count, m_capacity, other.m_points, other.m_count))
        m_count = 0;
    return *this;
}

CGMTRPoint2DCol::~CGMTRPoint2DCol() {
    gmtrrt::detail::Release(m_points, m_count, m_capacity);
}

GMTRRT_NOINLINE void gmtrrt::detail::PointAppender::AppendGrowing(CGMTRPoint2DCol& col, double x,
                                                                  double y) {
    if (!gmtrrt::detail::Grow(col.m_points, col.m_count, col.m_capacity, col.m_count + 1LL))
        return;
    col.m_points[col.m_count++].Components(x, y);
}

int CGMTRPoint2DCol::Add(const CGMTRPoint2D& point) {
    gmtrrt::detail::PointAppender::Append(*this, point.X(), point.Y());
    return 1;
}

void CGMTRPoint2DCol::Insert(long index, const CGMTRPoint2D& point) {
    if (index < 0 || index > m_count)
        return;
    const CGMTRPoint2D copy = point; // the point may be one of this collection's
    if (m_count == m_capacity &&
        !gmtrrt::detail::Grow(m_points, m_count, m_capacity, m_count + 1LL))
        return;
    std::memmove(static_cast<void*>(m_points + index + 1), static_cast<void*>(m_points + index),
                 static_cast<std::size_t>(m_count - index) * sizeof(CGMTRPoint2D));
    m_points[index] = copy;
    ++m_count;
}

void CGMTRPoint2DCol::Remove(long index) {
    if (!IsValidIndex(index, m_count))
        return;
    std::memmove(static_cast<void*>(m_points + index), static_cast<void*>(m_points + index + 1),
                 static_cast<std::size_t>(m_count - index - 1) * sizeof(CGMTRPoint2D));
    --m_count;
}

int CGMTRPoint2DCol::put_Item(long index, const CGMTRPoint2D& point) {
    if (!IsValidIndex(index, m_count))
        return 0;
    m_points[index] = point;
    return 1;
}

void CGMTRPoint2DCol::AppendList(const CGMTRPoint2DCol& other) {
    // Read the source's count first: appending a collection to itself takes
    // the points it holds now, once.
    const int n = other.m_count;
    if (n == 0)
        return;
    const long long needed = static_cast<long long>(m_count) + n;
    if (needed > m_capacity && !gmtrrt::detail::Grow(m_points, m_count, m_capacity, needed))
        return;
    // Growing may have moved this array; when appending to itself the source
    // is that same array, so its address is taken only now.
    std::memcpy(static_cast<void*>(m_points + m_count), static_cast<const void*>(other.m_points),
                static_cast<std::size_t>(n) * sizeof(CGMTRPoint2D));
    m_count += n;
}
