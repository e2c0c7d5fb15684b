/// @file
/// CGMTRRepeat: the abstract repeat pattern, the chain of patterns it owns
/// and the enumeration of pattern kinds.
#ifndef GMTRRT_CGMTRREPEAT_H
#define GMTRRT_CGMTRREPEAT_H

#include "CGMTRPoint2D.h"
#include "GMTRRT.h"

namespace gmtrrt {
namespace detail {
struct ChainWalk;
} // namespace detail
} // namespace gmtrrt

/// The kind of a repeat pattern, as GetRepeatType reports it.
enum tagGMTRRepeatType {
    REPEAT_LINE2D = 0,         ///< CGMTRRepeatLine2D
    REPEAT_ARC2D = 1,          ///< CGMTRRepeatArc2D
    REPEAT_ARC_SYMMETRY2D = 2, ///< CGMTRRepeatArcSymmetry2D
    REPEAT_GRID = 3            ///< CGMTRRepeatGrid
};

/// A repeat pattern places numbered copies of a point. A pattern may own a
/// next pattern, which repeats every copy the first one makes, and so on down
/// a chain; the chain's copies are numbered 0 to GetCount() - 1.
///
/// Copy numbers: the first pattern's own number varies fastest. A global
/// number N is split by a pattern of own count c into its own number N mod c
/// and the number N div c handed to the next pattern (see GetChildIndex).
///
/// Ownership: a pattern owns its next pattern and, through it, the rest of the
/// chain, and deletes it on destruction. SetRepeat stores a copy of its
/// argument; GetRepeat and Clone return new chains that the caller owns and
/// deletes through the virtual destructor. No two patterns ever own the same
/// next pattern, and since every pattern entering a chain is a fresh copy, a
/// chain can never contain itself.
///
/// Copy numbers outside [0, GetCount() - 1] are well defined:
///  * a negative number goes unchanged to the first pattern's own placement;
///  * the last pattern of a chain (and any pattern of own count 0) never
///    splits: it places by the whole number it receives, so numbers past the
///    end of the chain extrapolate the last pattern's own placement (a line
///    keeps stepping, an arc keeps turning, a grid adds further rows).
///
/// Placements (GetRepeatPoint, GetRepeatPoint2, GetRepeatAngle) allocate
/// nothing. Angles are radians, counter-clockwise positive; none is
/// normalised. No operation is const.
///
/// The order of the virtual operations below is part of the binary interface.
class GMTRRT_API CGMTRRepeat {
public:
    /// No next pattern, own count 0.
    CGMTRRepeat();
    /// Deletes the next pattern and with it the rest of the chain.
    virtual ~CGMTRRepeat();

    /// Sets the own count (the grid ignores it and keeps its columns times
    /// rows).
    virtual void PutCount(long count) = 0;
    /// The angle of copy `index` of an element whose angle is `angle`. Kinds
    /// that do not turn what they place hand the angle down the chain
    /// unchanged; the symmetric arc adds its turn.
    virtual double GetRepeatAngle(long index, double angle);
    /// Non-null: a copy of `repeat` and its own chain (made with its Clone) is
    /// appended after the last pattern of this chain; the caller keeps
    /// `repeat`. Null: the last pattern of the chain is deleted; this pattern
    /// itself is never removed, and a pattern without a next one is left as
    /// it is. Nothing changes if the copy cannot be made.
    virtual void SetRepeat(CGMTRRepeat* repeat);
    /// A new copy of the next pattern and the chain after it, owned by the
    /// caller; null when this pattern is the last one (or no copy could be
    /// made).
    virtual CGMTRRepeat* GetRepeat();
    /// The kind of this pattern.
    virtual tagGMTRRepeatType GetRepeatType() = 0;

protected:
    /// A new pattern of the same kind with the same parameters and own count
    /// and no next pattern; null when it cannot be allocated.
    virtual CGMTRRepeat* GetSelfCopy() = 0;
    /// Places the point (x, y) by this pattern's own copy number `index`,
    /// writing the result to (outX, outY); `ref` is the reference point. The
    /// outputs may alias the inputs.
    virtual void GetOutputPt(long index, const double& x, const double& y, double& outX,
                             double& outY, const CGMTRPoint2D& ref) = 0;

public:
    /// The number of copies of the whole chain: the own count when there is no
    /// next pattern or the next pattern's chain makes no copies, otherwise the
    /// own count times the next pattern's GetCount(). An own count of 0 makes
    /// the chain's count 0. The product wraps around on overflow.
    long GetCount();
    /// The own count of this pattern alone.
    long GetCurrentCount();
    /// The position of copy `index` of `point`; `ref` is the reference point,
    /// handed unchanged to every pattern of the chain.
    CGMTRPoint2D GetRepeatPoint(long index, const CGMTRPoint2D& point, const CGMTRPoint2D& ref);
    /// The same placement on bare coordinates: x and y are only read; the
    /// result is written through outX and outY (a null pointer skips that
    /// coordinate). The outputs may point at x and y.
    void GetRepeatPoint2(long index, double& x, double& y, double* outX, double* outY,
                         const CGMTRPoint2D& ref);
    /// A new, independent copy of this pattern and its whole chain, owned by
    /// the caller; null when any copy could not be allocated (nothing leaks).
    CGMTRRepeat* Clone();

    /// @name Const forms
    /// The read-only members above, callable on a const pattern (a chain a
    /// host shares read-only). None of them changes the chain: each runs the
    /// same code as its non-const form, virtual calls included, and gives the
    /// same bits. GetRepeatPoint2's const form also takes x and y as values.
    ///@{
    /// Const form of GetCount.
    long GetCount() const;
    /// Const form of GetCurrentCount.
    long GetCurrentCount() const;
    /// Const form of GetRepeatPoint.
    CGMTRPoint2D GetRepeatPoint(long index, const CGMTRPoint2D& point,
                                const CGMTRPoint2D& ref) const;
    /// Const form of GetRepeatPoint2.
    void GetRepeatPoint2(long index, const double& x, const double& y, double* outX, double* outY,
                         const CGMTRPoint2D& ref) const;
    /// Const form of GetRepeatAngle.
    double GetRepeatAngle(long index, double angle) const;
    /// Const form of GetRepeat.
    CGMTRRepeat* GetRepeat() const;
    /// Const form of GetRepeatType.
    tagGMTRRepeatType GetRepeatType() const;
    /// Const form of Clone.
    CGMTRRepeat* Clone() const;
    ///@}

protected:
    /// Deep copy for the kinds: copies the own count and a Clone of the
    /// other's chain (no next pattern when that copy cannot be made). Not
    /// public, so that a pattern of one kind cannot be sliced into another.
    CGMTRRepeat(const CGMTRRepeat& other);
    /// Deep assignment for the kinds: replaces the own count and the chain by
    /// copies of the other's; self-assignment is a no-op. The old chain is
    /// deleted only after the new one has been copied.
    CGMTRRepeat& operator=(const CGMTRRepeat& other);

    /// Splits the global copy number `index` into this pattern's own number
    /// and the number handed to the next pattern. With a non-zero own count c
    /// and index >= c (signed comparison): own = index % c, child = index / c
    /// (truncating towards zero); otherwise own = index, child = 0. A pattern
    /// with own count 0 or without a next pattern does not split: own = index,
    /// child = 0.
    void GetChildIndex(long index, long& own, long& child);

    /// The library's placement walks the chain through it.
    friend struct gmtrrt::detail::ChainWalk;
    /// The next pattern of the chain, owned; null when this is the last.
    CGMTRRepeat* m_pNext;
    /// The number of copies this pattern alone makes.
    long m_nCount;
};

#endif // GMTRRT_CGMTRREPEAT_H
