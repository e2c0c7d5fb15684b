#include "CGMTRPointValueCol.h"

#include "collections/CollectionStorage.h"

static_assert(sizeof(tagGMTRPointValue) == 24, "a point-value record is 24 bytes");

using gmtrrt::detail::IsValidIndex;

CGMTRPointValueCol::CGMTRPointValueCol()
    : m_records(nullptr), m_count(0), m_capacity(0), m_usedValueCount(0) {}

CGMTRPointValueCol::CGMTRPointValueCol(const CGMTRPointValueCol& other)
    : m_records(nullptr), m_count(0), m_capacity(0), m_usedValueCount(other.m_usedValueCount) {
    gmtrrt::detail::Assign(m_records, m_count, m_capacity, other.m_records, other.m_count);
}

CGMTRPointValueCol& CGMTRPointValueCol::operator=(const CGMTRPointValueCol& other) {
    if (this == &other)
        return *this;
    if (!gmtrrt::detail::Assign(m_records, m_count, m_capacity, other.m_records, other.m_count))
        m_count = 0;
    m_usedValueCount = other.m_usedValueCount;
    return *this;
}

CGMTRPointValueCol::~CGMTRPointValueCol() {
    gmtrrt::detail::Release(m_records, m_count, m_capacity);
}

void CGMTRPointValueCol::SetUsedValueCount(int count) {
    m_usedValueCount = count;
}

int CGMTRPointValueCol::GetUsedValueCount() const {
    return m_usedValueCount;
}

int CGMTRPointValueCol::GetCount() {
    return m_count;
}

int CGMTRPointValueCol::Add(tagGMTRPointValue& record) {
    const tagGMTRPointValue copy = record; // the record may be one of this collection's
    if (m_count == m_capacity &&
        !gmtrrt::detail::Grow(m_records, m_count, m_capacity, m_count + 1LL))
        return 1;
    m_records[m_count++] = copy;
    return 1;
}

int CGMTRPointValueCol::get_Item(long index, tagGMTRPointValue& record) {
    if (!IsValidIndex(index, m_count))
        return 0;
    record = m_records[index];
    return 1;
}

int CGMTRPointValueCol::put_Item(long index, tagGMTRPointValue& record) {
    if (!IsValidIndex(index, m_count))
        return 0;
    m_records[index] = record;
    return 1;
}

void CGMTRPointValueCol::Clear() {
    m_count = 0;
}

int CGMTRPointValueCol::GetCount() const {
    return const_cast<CGMTRPointValueCol&>(*this).GetCount();
}

int CGMTRPointValueCol::get_Item(long index, tagGMTRPointValue& record) const {
    return const_cast<CGMTRPointValueCol&>(*this).get_Item(index, record);
}

int CGMTRPointValueCol::Add(const tagGMTRPointValue& record) {
    return Add(const_cast<tagGMTRPointValue&>(record));
}

int CGMTRPointValueCol::put_Item(long index, const tagGMTRPointValue& record) {
    return put_Item(index, const_cast<tagGMTRPointValue&>(record));
}
