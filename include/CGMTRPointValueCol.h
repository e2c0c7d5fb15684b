/// @file
/// CGMTRPointValueCol: an ordered, growable collection of point-value records.
#ifndef GMTRRT_CGMTRPOINTVALUECOL_H
#define GMTRRT_CGMTRPOINTVALUECOL_H

#include "GMTRRT.h"

/// A plane point with up to two values attached to it, 24 bytes with no
/// padding: the coordinates as doubles, then two single-precision values.
/// The owning collection's used-value count tells the host how many of
/// `value` are in use (0, 1 or 2); the library never reads the fields. A
/// plain record: no constructors, copied as a whole.
struct GMTRRT_API tagGMTRPointValue {
    double x;       ///< x coordinate
    double y;       ///< y coordinate
    float value[2]; ///< attached values, the first `used-value count` in use
};

/// Records held by value in the order they were added, 0-based `long`
/// indices, plus the used-value count, which the collection stores for the
/// host and never acts on (a new collection has 0; Clear keeps it). A bad
/// index never crashes: get_Item and put_Item return 0 and change nothing
/// (get_Item leaves its output record untouched).
///
/// The layout is a plain array of records, its count and its capacity, then
/// the used-value count (no standard-library type); only the library
/// allocates and frees the array. When memory runs out, a record that cannot
/// be stored is dropped and a copy or assignment leaves no records; nothing
/// throws.
class GMTRRT_API CGMTRPointValueCol {
public:
    /// Empty, used-value count 0.
    CGMTRPointValueCol();
    /// Copies the records and the used-value count.
    CGMTRPointValueCol(const CGMTRPointValueCol& other);
    /// Replaces the records and the used-value count by the source's.
    CGMTRPointValueCol& operator=(const CGMTRPointValueCol& other);
    /// Releases the records.
    ~CGMTRPointValueCol();

    /// Stores the count without any check.
    void SetUsedValueCount(int count);
    /// The stored used-value count.
    int GetUsedValueCount() const;
    /// The number of records.
    int GetCount();
    /// Appends a copy of `record` (only read); returns 1.
    int Add(tagGMTRPointValue& record);
    /// Copies the record at the index into `record`; 1, or 0 for a bad index.
    int get_Item(long index, tagGMTRPointValue& record);
    /// Overwrites the record at the index with a copy of `record` (only
    /// read); 1, or 0 for a bad index.
    int put_Item(long index, tagGMTRPointValue& record);
    /// Removes every record; the used-value count is kept.
    void Clear();

    /// @name Const forms
    /// The read-only members as const operations, and Add and put_Item taking
    /// the record as const (it is only read): the same code and results.
    ///@{
    /// Const form of GetCount.
    int GetCount() const;
    /// Const form of get_Item.
    int get_Item(long index, tagGMTRPointValue& record) const;
    /// Const form of Add.
    int Add(const tagGMTRPointValue& record);
    /// Const form of put_Item.
    int put_Item(long index, const tagGMTRPointValue& record);
    ///@}

private:
    tagGMTRPointValue* m_records; ///< the records, allocated by the library; null when none
    int m_count;                  ///< the number of records
    int m_capacity;               ///< the number of records the array can hold
    int m_usedValueCount;         ///< stored for the host, never read by the library
};

#endif // GMTRRT_CGMTRPOINTVALUECOL_H
