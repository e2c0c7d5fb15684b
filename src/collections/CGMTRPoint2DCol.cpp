#include "CGMTRPoint2DCol.h"

#include "GMTRPoint2DColAppend.h"

#include <cstddef>

CGMTRPoint2DCol::CGMTRPoint2DCol() = default;
CGMTRPoint2DCol::CGMTRPoint2DCol(const CGMTRPoint2DCol& other) = default;

CGMTRPoint2DCol& CGMTRPoint2DCol::operator=(const CGMTRPoint2DCol& other) {
    if (this != &other)
        m_points = other.m_points;
    return *this;
}

CGMTRPoint2DCol::~CGMTRPoint2DCol() = default;

__attribute__((noinline)) void GMTRPoint2DColAppend::AppendGrowing(CGMTRPoint2DCol& col, double x,
                                                                   double y) {
    // The new element is made without arguments, so the growth path takes no
    // reference to (x, y); its default value is overwritten at once.
    col.m_points.emplace_back().Components(x, y);
}

int CGMTRPoint2DCol::GetCount() const {
    return static_cast<int>(m_points.size());
}
int CGMTRPoint2DCol::IsEmpty() const {
    return m_points.empty() ? 1 : 0;
}

int CGMTRPoint2DCol::Add(const CGMTRPoint2D& point) {
    GMTRPoint2DColAppend::Append(*this, point.X(), point.Y());
    return 1;
}

void CGMTRPoint2DCol::Insert(long index, const CGMTRPoint2D& point) {
    if (index < 0 || static_cast<unsigned long>(index) > m_points.size())
        return;
    m_points.insert(m_points.begin() + index, point);
}

void CGMTRPoint2DCol::Remove(long index) {
    if (index < 0 || static_cast<unsigned long>(index) >= m_points.size())
        return;
    m_points.erase(m_points.begin() + index);
}

int CGMTRPoint2DCol::get_Item(long index, CGMTRPoint2D& point) const {
    if (index < 0 || static_cast<unsigned long>(index) >= m_points.size())
        return 0;
    point = m_points[static_cast<std::size_t>(index)];
    return 1;
}

int CGMTRPoint2DCol::put_Item(long index, const CGMTRPoint2D& point) {
    if (index < 0 || static_cast<unsigned long>(index) >= m_points.size())
        return 0;
    m_points[static_cast<std::size_t>(index)] = point;
    return 1;
}

void CGMTRPoint2DCol::Clear() {
    m_points.clear();
}

void CGMTRPoint2DCol::AppendList(const CGMTRPoint2DCol& other) {
    if (&other == this) {
        // Appending to itself: take the points it holds now, once.
        const std::vector<CGMTRPoint2D>::size_type n = m_points.size();
        m_points.reserve(2 * n);
        for (std::vector<CGMTRPoint2D>::size_type i = 0; i < n; ++i)
            m_points.push_back(m_points[i]);
        return;
    }
    m_points.insert(m_points.end(), other.m_points.begin(), other.m_points.end());
}
