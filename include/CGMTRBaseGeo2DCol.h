/// @file
/// CGMTRBaseGeo2DCol: an ordered, growable collection of owned plane entities.
#ifndef GMTRRT_CGMTRBASEGEO2DCOL_H
#define GMTRRT_CGMTRBASEGEO2DCOL_H

#include "CGMTRBaseGeo2D.h"
#include "GMTRRT.h"

/// Entities (segments and arcs) held by pointer, in the order they were added,
/// at 0-based `long` indices.
///
/// Ownership: every non-null pointer handed to Add belongs to the collection
/// from then on; Clear and the destructor delete each one exactly once,
/// through its virtual destructor, in index order. Add each entity only once,
/// and never Release or delete an entity the collection holds. Null pointers
/// may be stored: they count as entries and are skipped when deleting.
///
/// Copying clones: the copy constructor and assignment fill this collection
/// with new entities made by each source entity's Clone (a null entry, or a
/// Clone that yields null, stays a null entry), so two collections never hold
/// the same entity. Assignment deletes this collection's former entities after
/// the clones are made; assigning a collection to itself changes nothing.
///
/// Bad indices never crash: get_Item outside [0, GetCount() - 1] returns null
/// and changes nothing.
///
/// The layout is a plain array of pointers, its count and its capacity (no
/// standard-library type); only the library allocates and frees the array.
/// When memory runs out, Add deletes the entity it cannot store (the
/// collection had taken it over) and a copy or assignment leaves an empty
/// collection; nothing throws.
class GMTRRT_API CGMTRBaseGeo2DCol {
public:
    /// An empty collection.
    CGMTRBaseGeo2DCol();
    /// A collection of clones of the source's entities, in the source's order.
    CGMTRBaseGeo2DCol(const CGMTRBaseGeo2DCol& other);
    /// Replaces the entries by clones of the source's entities and deletes
    /// the former entities; no change on self-assignment. Returns *this.
    CGMTRBaseGeo2DCol& operator=(const CGMTRBaseGeo2DCol& other);
    /// Deletes every entity held, as Clear does.
    ~CGMTRBaseGeo2DCol();

    /// The number of entries, null entries included.
    int GetCount();
    /// Appends the pointer (null allowed) and takes ownership of the entity;
    /// returns 1.
    int Add(CGMTRBaseGeo2D* entity);
    /// The pointer stored at the index, lent: the collection keeps ownership
    /// and the pointer is valid until the next Clear, assignment or the
    /// collection's destruction. Null for a null entry or a bad index.
    CGMTRBaseGeo2D* get_Item(long index);
    /// Deletes every non-null entity, from index 0 upwards, then removes all
    /// entries; the count becomes 0.
    void Clear();

    /// @name Const forms
    /// GetCount and get_Item on a const collection: the same count, and the
    /// same entity lent as a pointer to const.
    ///@{
    /// Const form of GetCount.
    int GetCount() const;
    /// Const form of get_Item.
    const CGMTRBaseGeo2D* get_Item(long index) const;
    ///@}

private:
    CGMTRBaseGeo2D** m_items; ///< the entries, allocated by the library; null when none
    int m_count;              ///< the number of entries
    int m_capacity;           ///< the number of entries the array can hold
};

#endif // GMTRRT_CGMTRBASEGEO2DCOL_H
