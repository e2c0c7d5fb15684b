// Internal to the library: the storage of the three collections. Each keeps a
// plain array, its count and its capacity, so that no standard-library type
// sits in an exported class's layout, and only the library allocates and
// frees the array (hosts built with another runtime never free it). The held
// types are trivially copyable, so growing copies bytes. The array comes from
// the non-throwing global operator new: running out of memory is a result,
// not an exception, and a host that counts or replaces the global allocation
// functions sees the library's allocations too.
#ifndef GMTRRT_COLLECTIONS_COLLECTIONSTORAGE_H
#define GMTRRT_COLLECTIONS_COLLECTIONSTORAGE_H

#include <climits>
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>

namespace gmtrrt {
namespace detail {

/// Makes room for at least `needed` elements (needed > capacity), keeping the
/// first `count`, at least doubling the capacity so that appending stays
/// amortised constant time. False, with nothing changed, when the count cannot
/// grow or memory runs out.
template <class T> bool Grow(T*& data, int count, int& capacity, long long needed) {
    static_assert(std::is_trivially_copyable<T>::value, "collections hold plain values");
    if (needed > INT_MAX)
        return false;
    long long wanted = capacity < 8 ? 8 : 2LL * capacity;
    if (wanted > INT_MAX)
        wanted = INT_MAX;
    if (wanted < needed)
        wanted = needed;
    void* grown = ::operator new(static_cast<std::size_t>(wanted) * sizeof(T), std::nothrow);
    if (grown == nullptr)
        return false;
    if (count > 0)
        std::memcpy(grown, static_cast<const void*>(data),
                    static_cast<std::size_t>(count) * sizeof(T));
    ::operator delete(static_cast<void*>(data));
    data = static_cast<T*>(grown);
    capacity = static_cast<int>(wanted);
    return true;
}

/// Replaces (data, count, capacity) by a copy of `n` elements from `source`;
/// false, with nothing changed, when memory runs out. `source` may be `data`.
template <class T> bool Assign(T*& data, int& count, int& capacity, const T* source, int n) {
    if (n > capacity && !Grow(data, 0, capacity, n))
        return false;
    if (n > 0 && source != data)
        std::memcpy(static_cast<void*>(data), static_cast<const void*>(source),
                    static_cast<std::size_t>(n) * sizeof(T));
    count = n;
    return true;
}

/// Frees the array and leaves an empty collection.
template <class T> void Release(T*& data, int& count, int& capacity) {
    ::operator delete(static_cast<void*>(data));
    data = nullptr;
    count = 0;
    capacity = 0;
}

/// Whether `index` addresses one of the `count` elements.
inline bool IsValidIndex(long index, int count) {
    return index >= 0 && index < count;
}

} // namespace detail
} // namespace gmtrrt

#endif // GMTRRT_COLLECTIONS_COLLECTIONSTORAGE_H
