#include "CGMTRBaseGeo2DCol.h"

#include "collections/CollectionStorage.h"

namespace {

// Deletes the non-null entities of the array in index order.
void DeleteEntities(CGMTRBaseGeo2D* const* items, int count) {
    for (int i = 0; i < count; ++i)
        if (items[i] != nullptr)
            delete items[i];
}

// Fills (items, count, capacity), empty on entry, with clones of the source's
// entities in the same order; null entries stay null. False, with nothing
// held, when memory runs out.
bool CloneEntities(CGMTRBaseGeo2D**& items, int& count, int& capacity,
                   CGMTRBaseGeo2D* const* source, int n) {
    if (n == 0)
        return true;
    if (!gmtrrt::detail::Grow(items, count, capacity, n))
        return false;
    for (int i = 0; i < n; ++i)
        items[count++] = source[i] != nullptr ? source[i]->Clone() : nullptr;
    return true;
}

} // namespace

CGMTRBaseGeo2DCol::CGMTRBaseGeo2DCol() : m_items(nullptr), m_count(0), m_capacity(0) {}

CGMTRBaseGeo2DCol::CGMTRBaseGeo2DCol(const CGMTRBaseGeo2DCol& other)
    : m_items(nullptr), m_count(0), m_capacity(0) {
    CloneEntities(m_items, m_count, m_capacity, other.m_items, other.m_count);
}

CGMTRBaseGeo2DCol& CGMTRBaseGeo2DCol::operator=(const CGMTRBaseGeo2DCol& other) {
    if (this == &other)
        return *this;
    // Clone first, then drop the former entities: the source is untouched
    // whatever the two collections held.
    CGMTRBaseGeo2D** items = nullptr;
    int count = 0;
    int capacity = 0;
    const bool cloned = CloneEntities(items, count, capacity, other.m_items, other.m_count);
    Clear();
    gmtrrt::detail::Release(m_items, m_count, m_capacity);
    if (cloned) {
        m_items = items;
        m_count = count;
        m_capacity = capacity;
    }
    return *this;
}

CGMTRBaseGeo2DCol::~CGMTRBaseGeo2DCol() {
    Clear();
    gmtrrt::detail::Release(m_items, m_count, m_capacity);
}

int CGMTRBaseGeo2DCol::GetCount() {
    return m_count;
}

int CGMTRBaseGeo2DCol::Add(CGMTRBaseGeo2D* entity) {
    if (m_count == m_capacity &&
        !gmtrrt::detail::Grow(m_items, m_count, m_capacity, m_count + 1LL)) {
        // The collection owns the entity from this call on; it cannot keep it.
        delete entity;
        return 1;
    }
    m_items[m_count++] = entity;
    return 1;
}

CGMTRBaseGeo2D* CGMTRBaseGeo2DCol::get_Item(long index) {
    if (!gmtrrt::detail::IsValidIndex(index, m_count))
        return nullptr;
    return m_items[index];
}

void CGMTRBaseGeo2DCol::Clear() {
    // Empty the collection before deleting, so it is already empty while the
    // entities' destructors run; the array is kept for the next entries.
    const int count = m_count;
    m_count = 0;
    DeleteEntities(m_items, count);
}

int CGMTRBaseGeo2DCol::GetCount() const {
    return const_cast<CGMTRBaseGeo2DCol&>(*this).GetCount();
}

const CGMTRBaseGeo2D* CGMTRBaseGeo2DCol::get_Item(long index) const {
    return const_cast<CGMTRBaseGeo2DCol&>(*this).get_Item(index);
}
