/// @file
/// CGMTRRepeatGrid: copies on a turned rectangular grid, in serpentine order.
#ifndef GMTRRT_CGMTRREPEATGRID_H
#define GMTRRT_CGMTRREPEATGRID_H

#include "CGMTRRepeat.h"

/// Copies on a grid of repeat X columns and repeat Y rows whose X axis points
/// along the base angle (radians, counter-clockwise from +x) and whose Y axis
/// is a quarter turn counter-clockwise from it. Copy i lies in row i / repeat X
/// and column i % repeat X, the column running backwards in odd rows, so that
/// consecutive copies are neighbours. Copy 0 is the point itself; the
/// reference point is not used and what is placed is not turned. Cosine and
/// sine of the base angle are snapped (SnapCos/SnapSin).
///
/// The own count always equals repeat X * repeat Y, taken as a 32-bit signed
/// product (it wraps around beyond that range); PutCount does nothing.
/// A grid with repeat X of 0 has no copies and leaves every point where it is
/// for any copy number. Copy numbers past the last row extrapolate further
/// rows. A new grid has every parameter 0.
///
/// Copying a grid copies its whole chain (see CGMTRRepeat).
class GMTRRT_API CGMTRRepeatGrid : public CGMTRRepeat {
public:
    /// Every parameter 0, own count 0, no next pattern.
    CGMTRRepeatGrid();
    /// A deep copy: parameters, own count and a copy of the chain.
    CGMTRRepeatGrid(const CGMTRRepeatGrid& other);
    /// Replaces parameters, own count and chain by copies of the other's;
    /// self-assignment is a no-op.
    CGMTRRepeatGrid& operator=(const CGMTRRepeatGrid& other);
    /// Deletes the next pattern and with it the rest of the chain.
    ~CGMTRRepeatGrid() override;

    /// No effect: the count follows the repeat numbers.
    void PutCount(long count) override;
    /// REPEAT_GRID.
    tagGMTRRepeatType GetRepeatType() override;
    /// The const forms of the base (GetRepeatType, GetRepeatAngle).
    using CGMTRRepeat::GetRepeatAngle;
    using CGMTRRepeat::GetRepeatType;

    /// Sets column spacing, row spacing, columns, rows and base angle, and
    /// recomputes the own count. The chain is not touched.
    void ConstructRepeatGrid(double spaceX, double spaceY, long repeatX, long repeatY,
                             double baseAngle);
    /// Distance between neighbouring columns, along the grid's X axis.
    double GetSpaceX();
    /// Sets the column spacing, without any check.
    void PutSpaceX(double space);
    /// Distance between neighbouring rows, along the grid's Y axis.
    double GetSpaceY();
    /// Sets the row spacing, without any check.
    void PutSpaceY(double space);
    /// Direction of the grid's X axis in radians; stored as given.
    double GetBaseAngle();
    /// Sets the direction of the grid's X axis in radians, counter-clockwise
    /// from +x; any value is kept as given.
    void PutBaseAngle(double angle);
    /// Number of columns (copies per row); the setter recomputes the count.
    long GetRepeatX();
    /// Sets the number of columns (not checked) and recomputes the own count.
    void PutRepeatX(long repeat);
    /// Number of rows; the setter recomputes the count.
    long GetRepeatY();
    /// Sets the number of rows (not checked) and recomputes the own count.
    void PutRepeatY(long repeat);

    /// @name Const forms
    /// The getters above as const operations (same values).
    ///@{
    /// Const form of GetSpaceX.
    double GetSpaceX() const;
    /// Const form of GetSpaceY.
    double GetSpaceY() const;
    /// Const form of GetBaseAngle.
    double GetBaseAngle() const;
    /// Const form of GetRepeatX.
    long GetRepeatX() const;
    /// Const form of GetRepeatY.
    long GetRepeatY() const;
    ///@}

protected:
    /// A new grid with this one's five parameters and no next pattern; null
    /// when it cannot be allocated.
    CGMTRRepeat* GetSelfCopy() override;
    /// Moves (x, y) to the grid position of copy `index` (serpentine order);
    /// `ref` is not used.
    void GetOutputPt(long index, const double& x, const double& y, double& outX, double& outY,
                     const CGMTRPoint2D& ref) override;

private:
    void UpdateCount();

    double m_dSpaceX;
    double m_dSpaceY;
    double m_dBaseAngle;
    long m_nRepeatX;
    long m_nRepeatY;
};

#endif // GMTRRT_CGMTRREPEATGRID_H
