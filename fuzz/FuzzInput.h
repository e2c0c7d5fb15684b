// FuzzInput: turns the fuzzer's bytes into the values a host might pass to the
// library; the check macro every fuzz target reports with; and the readers and
// bit-for-bit comparisons of the library's value types that the targets share.
//
// The values are biased towards the ones that break geometry code: NaN (quiet
// and with payloads), both infinities, both zeros, subnormals, the smallest
// and largest normal numbers, the tolerance 1e-10 and values just either side
// of it, exact quarter turns and their neighbours, coordinates near 1e6, and
// plain small numbers. Once the bytes run out every reader returns zero, so a
// target never reads past its input.
#ifndef GMTRRT_FUZZ_FUZZINPUT_H
#define GMTRRT_FUZZ_FUZZINPUT_H

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "CGMTRMatrix2D.h"
#include "CGMTRMatrix3D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRPoint3D.h"
#include "CGMTRVector2D.h"
#include "CGMTRVector3D.h"

/// Aborts with the failed condition and its place, so libFuzzer records the
/// input as a crash. Active in every build type.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s at %s:%d\n", #cond, __FILE__, __LINE__);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

/// The bit pattern of a double, for bit-for-bit comparisons (NaN payloads and
/// the sign of zero included).
inline std::uint64_t Bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

inline bool SameBits(double a, double b) {
    return Bits(a) == Bits(b);
}

/// A NaN with a payload no reader below ever produces: outputs pre-filled with
/// it and found unchanged were not written.
inline double Sentinel() {
    const std::uint64_t b = 0x7ff4dead0000beefULL;
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

/// True when every value is finite and no larger in magnitude than `limit`.
inline bool Tame(double limit, std::initializer_list<double> values) {
    for (double v : values)
        if (!(std::fabs(v) <= limit))
            return false;
    return true;
}

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    std::uint16_t U16() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }

    std::uint64_t U64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        return v;
    }

    /// A choice in [0, n), n >= 1.
    unsigned Choice(unsigned n) { return n <= 256 ? Byte() % n : U16() % n; }

    bool Bool() { return (Byte() & 1) != 0; }

    /// An integer in [lo, hi] (hi - lo below 65536).
    long SmallInt(long lo, long hi) {
        const unsigned long span = static_cast<unsigned long>(hi - lo) + 1;
        return lo + static_cast<long>(U16() % span);
    }

    /// A long biased to counts and copy numbers: small values, the ends of the
    /// 32- and 64-bit ranges and raw bits.
    long Long() {
        switch (Byte() % 12) {
        case 0:
            return 0;
        case 1:
            return -1;
        case 2:
            return LONG_MIN;
        case 3:
            return LONG_MAX;
        case 4:
            return INT32_MIN;
        case 5:
            return INT32_MAX;
        case 6:
            return static_cast<long>(static_cast<unsigned long>(INT32_MAX) +
                                     1); // LONG_MIN where long has 32 bits
        case 7:
            return static_cast<long>(U64());
        case 8:
            return -SmallInt(0, 64);
        case 9:
            return SmallInt(0, 65535);
        default:
            return SmallInt(0, 16);
        }
    }

    /// A short in the whole range, biased to 0, 1, 2 and their neighbours.
    short Short() {
        const std::uint8_t b = Byte();
        if (b < 200)
            return static_cast<short>(static_cast<int>(b % 6) - 1); // -1 .. 4
        return static_cast<short>(U16());
    }

    /// A double from the biased families described at the top of the file.
    double Double() {
        const std::uint8_t kind = Byte();
        switch (kind % 32) {
        case 0:
            return 0.0;
        case 1:
            return -0.0;
        case 2:
            return std::numeric_limits<double>::quiet_NaN();
        case 3:
            return -std::numeric_limits<double>::quiet_NaN();
        case 4:
            return std::numeric_limits<double>::infinity();
        case 5:
            return -std::numeric_limits<double>::infinity();
        case 6:
            return std::numeric_limits<double>::denorm_min() * (1 + Byte());
        case 7:
            return -std::numeric_limits<double>::denorm_min() * (1 + Byte());
        case 8:
            return DBL_MIN;
        case 9:
            return Byte() & 1 ? DBL_MAX : -DBL_MAX;
        case 10:
            return Byte() & 1 ? 1e300 : -1e300;
        case 11:
            return Byte() & 1 ? 1e-300 : -1e-300;
        case 12: // the tolerance and its neighbours, multiples of half of it
            return (static_cast<int>(Byte() % 9) - 4) * 0.5e-10;
        case 13:
            return std::nextafter(1e-10, Byte() & 1 ? 1.0 : 0.0);
        case 14: // exact quarter turns, -8 to 8
        case 15:
            return (static_cast<int>(Byte() % 17) - 8) * (3.141592653589793 / 2);
        case 16: { // one step either side of a quarter turn
            const double q = (static_cast<int>(Byte() % 9) - 4) * (3.141592653589793 / 2);
            return std::nextafter(q, Byte() & 1 ? 100.0 : -100.0);
        }
        case 17: // a quarter turn plus a tolerance-sized offset
            return (static_cast<int>(Byte() % 9) - 4) * (3.141592653589793 / 2) +
                   (static_cast<int>(Byte() % 7) - 3) * 0.5e-10;
        case 18: // far from the origin
        case 19:
            return (Byte() & 1 ? 1e6 : -1e6) + static_cast<std::int16_t>(U16()) / 64.0;
        case 20: { // raw bits: any double at all, except the sentinel
            double v;
            const std::uint64_t b = U64();
            std::memcpy(&v, &b, sizeof v);
            return SameBits(v, Sentinel()) ? 0.0 : v;
        }
        case 21:
            return static_cast<std::int16_t>(U16()) * 1e-6;
        case 22:
            return static_cast<std::int16_t>(U16()) * 1e3;
        case 23:
            return std::ldexp(1.0, static_cast<int>(Byte()) * 8 - 1024);
        default: // plain small values: integers and simple fractions
            return static_cast<std::int16_t>(U16()) / 256.0;
        }
    }

    /// A double from Double() that is finite and at most `limit` in magnitude
    /// (a plain small value otherwise); for checks of exact properties that
    /// only hold on tame input.
    double Finite(double limit) {
        const double v = Double();
        if (std::fabs(v) <= limit)
            return v;
        return static_cast<std::int8_t>(Byte()) / 4.0;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline bool IsBit(int v) {
    return v == 0 || v == 1;
}

// Bit-for-bit equality of the value types (NaN payloads and zero signs count).
inline bool Same(const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y());
}
inline bool Same(const CGMTRVector2D& a, const CGMTRVector2D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y());
}
inline bool Same(const CGMTRPoint3D& a, const CGMTRPoint3D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y()) && SameBits(a.Z(), b.Z());
}
inline bool Same(const CGMTRVector3D& a, const CGMTRVector3D& b) {
    return SameBits(a.X(), b.X()) && SameBits(a.Y(), b.Y()) && SameBits(a.Z(), b.Z());
}
template <class Matrix> bool SameMatrix(const Matrix& a, const Matrix& b) {
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            if (!SameBits(a.GetSingleValue(i, j), b.GetSingleValue(i, j)))
                return false;
    return true;
}
inline bool Same(const CGMTRMatrix2D& a, const CGMTRMatrix2D& b) {
    return SameMatrix(a, b);
}
inline bool Same(const CGMTRMatrix3D& a, const CGMTRMatrix3D& b) {
    return SameMatrix(a, b);
}

/// A point or vector of the plane (T with T(x, y)) or of space (T(x, y, z)),
/// its coordinates read in order.
template <class T> T Read2(FuzzInput& in) {
    const double x = in.Double();
    const double y = in.Double();
    return T(x, y);
}
template <class T> T Read3(FuzzInput& in) {
    const double x = in.Double();
    const double y = in.Double();
    const double z = in.Double();
    return T(x, y, z);
}

/// A matrix from nine values in storage order.
template <class Matrix> Matrix ReadMatrix(FuzzInput& in) {
    double v[9];
    for (double& d : v)
        d = in.Double();
    return Matrix(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
}

/// A row or column number in 0 to 2.
inline short Index3(FuzzInput& in) {
    return static_cast<short>(in.Choice(3));
}

/// Adds or subtracts `operand` (which may be `a` itself) through a reference
/// and checks that `a` ends up equal to a copy stepped by the operand's value:
/// a compound operator must read its operand before it writes.
template <class T> void CheckCompoundThroughAlias(FuzzInput& in, T& a, const T& operand) {
    T copy = a;
    const T value = operand;
    if (in.Bool()) {
        copy += value;
        a += operand;
    } else {
        copy -= value;
        a -= operand;
    }
    FUZZ_CHECK(Same(a, copy));
}

} // namespace fuzz

#endif // GMTRRT_FUZZ_FUZZINPUT_H
