#include "CGMTRBaseGeo2DCol.h"

#include <cstddef>
#include <utility>

namespace {

// Deletes the non-null entities of the list in index order.
void DeleteEntities(std::vector<CGMTRBaseGeo2D*>& items) {
    for (CGMTRBaseGeo2D* entity : items)
        if (entity != nullptr)
            delete entity;
}

// Clones of the listed entities, in the same order; null entries stay null.
std::vector<CGMTRBaseGeo2D*> CloneEntities(const std::vector<CGMTRBaseGeo2D*>& items) {
    std::vector<CGMTRBaseGeo2D*> copies;
    copies.reserve(items.size());
    for (const CGMTRBaseGeo2D* entity : items)
        copies.push_back(entity != nullptr ? entity->Clone() : nullptr);
    return copies;
}

} // namespace

CGMTRBaseGeo2DCol::CGMTRBaseGeo2DCol() = default;

CGMTRBaseGeo2DCol::CGMTRBaseGeo2DCol(const CGMTRBaseGeo2DCol& other)
    : m_items(CloneEntities(other.m_items)) {}

CGMTRBaseGeo2DCol& CGMTRBaseGeo2DCol::operator=(const CGMTRBaseGeo2DCol& other) {
    if (this == &other)
        return *this;
    // Clone first, then drop the former entities: the source is untouched
    // whatever the two collections held.
    std::vector<CGMTRBaseGeo2D*> copies = CloneEntities(other.m_items);
    Clear();
    m_items.swap(copies);
    return *this;
}

CGMTRBaseGeo2DCol::~CGMTRBaseGeo2DCol() {
    Clear();
}

int CGMTRBaseGeo2DCol::GetCount() {
    return static_cast<int>(m_items.size());
}

int CGMTRBaseGeo2DCol::Add(CGMTRBaseGeo2D* entity) {
    m_items.push_back(entity);
    return 1;
}

CGMTRBaseGeo2D* CGMTRBaseGeo2DCol::get_Item(long index) {
    if (index < 0 || static_cast<unsigned long>(index) >= m_items.size())
        return nullptr;
    return m_items[static_cast<std::size_t>(index)];
}

void CGMTRBaseGeo2DCol::Clear() {
    // Detach the entries before deleting them, so the collection is already
    // empty while the entities' destructors run.
    std::vector<CGMTRBaseGeo2D*> held;
    held.swap(m_items);
    DeleteEntities(held);
}
