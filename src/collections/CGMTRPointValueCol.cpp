#include "CGMTRPointValueCol.h"

#include <cstddef>

static_assert(sizeof(tagGMTRPointValue) == 24, "a point-value record is 24 bytes");

namespace {
bool IsValidIndex(long index, std::size_t count) {
    return index >= 0 && static_cast<unsigned long>(index) < count;
}
} // namespace

CGMTRPointValueCol::CGMTRPointValueCol() : m_usedValueCount(0) {}

CGMTRPointValueCol::CGMTRPointValueCol(const CGMTRPointValueCol& other) = default;

CGMTRPointValueCol& CGMTRPointValueCol::operator=(const CGMTRPointValueCol& other) {
    if (this != &other) {
        m_records = other.m_records;
        m_usedValueCount = other.m_usedValueCount;
    }
    return *this;
}

CGMTRPointValueCol::~CGMTRPointValueCol() = default;

void CGMTRPointValueCol::SetUsedValueCount(int count) {
    m_usedValueCount = count;
}

int CGMTRPointValueCol::GetUsedValueCount() const {
    return m_usedValueCount;
}

int CGMTRPointValueCol::GetCount() {
    return static_cast<int>(m_records.size());
}

int CGMTRPointValueCol::Add(tagGMTRPointValue& record) {
    m_records.push_back(record);
    return 1;
}

int CGMTRPointValueCol::get_Item(long index, tagGMTRPointValue& record) {
    if (!IsValidIndex(index, m_records.size()))
        return 0;
    record = m_records[static_cast<std::size_t>(index)];
    return 1;
}

int CGMTRPointValueCol::put_Item(long index, tagGMTRPointValue& record) {
    if (!IsValidIndex(index, m_records.size()))
        return 0;
    m_records[static_cast<std::size_t>(index)] = record;
    return 1;
}

void CGMTRPointValueCol::Clear() {
    m_records.clear();
}
