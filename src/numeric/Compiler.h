// Internal to the library: compiler-specific attributes behind one name each,
// so the sources build with any C++17 compiler. Where a compiler has no such
// attribute the macro is empty and only speed can differ, never a result.
#ifndef GMTRRT_NUMERIC_COMPILER_H
#define GMTRRT_NUMERIC_COMPILER_H

#if defined(__GNUC__) || defined(__clang__)
#define GMTRRT_NOINLINE __attribute__((noinline))
#define GMTRRT_ALWAYS_INLINE inline __attribute__((always_inline))
#define GMTRRT_USED __attribute__((used))
#elif defined(_MSC_VER)
#define GMTRRT_NOINLINE __declspec(noinline)
#define GMTRRT_ALWAYS_INLINE __forceinline
#define GMTRRT_USED
#else
#define GMTRRT_NOINLINE
#define GMTRRT_ALWAYS_INLINE inline
#define GMTRRT_USED
#endif

#endif // GMTRRT_NUMERIC_COMPILER_H
