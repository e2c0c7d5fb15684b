/// @file
/// CGMTRCoorMatrix: a plane coordinate system given by an axis exchange, a
/// turn and a shift of the origin.
#ifndef GMTRRT_CGMTRCOORMATRIX_H
#define GMTRRT_CGMTRCOORMATRIX_H

#include "CGMTRMatrix2D.h"
#include "CGMTRVector2D.h"
#include "GMTRRT.h"

/// A point is carried into world coordinates by first exchanging x and y
/// (when the exchange flag is 1), then turning it counter-clockwise about the
/// origin by the rotation (radians), then shifting it by the transfer. The
/// default is the identity system: transfer (0, 0), flag 0, rotation 0. Plain
/// value: no heap, no virtual functions.
class GMTRRT_API CGMTRCoorMatrix {
public:
    /// Transfer (0, 0), exchange flag 0, rotation 0.0.
    CGMTRCoorMatrix();
    /// Exchange flag, rotation in radians and transfer, in that order.
    CGMTRCoorMatrix(int inverse, double rotation, CGMTRVector2D const& transfer);
    /// A copy of the flag, the rotation and the transfer.
    CGMTRCoorMatrix(CGMTRCoorMatrix const& other) = default;
    /// Copies the flag, the rotation and the transfer; returns this object.
    CGMTRCoorMatrix& operator=(CGMTRCoorMatrix const& other);
    /// Does nothing: the object owns no resources.
    ~CGMTRCoorMatrix() = default;

    /// The axis exchange flag (meant to be 0 or 1).
    int GetIsInverse() const;
    /// Stores the flag as given, without check.
    void SetsInverse(int inverse);
    /// The rotation in radians.
    double GetRotate() const;
    /// Sets the rotation in radians, counter-clockwise; kept as given.
    void SetRotate(double const& rotation);
    /// A reference to the stored transfer; it shows later SetTransfer calls.
    CGMTRVector2D const& GetTransfer() const;
    /// Sets the shift of the origin, applied after the exchange and the turn.
    void SetTransfer(CGMTRVector2D const& transfer);
    /// Back to the identity system.
    void Reset();

    /// 1 when the system differs from the identity: a non-zero flag (any
    /// value, not only 1), a transfer of length at least GMTR_TOL, or a
    /// rotation not within GMTR_TOL of 0 (a full turn counts as transformed);
    /// else 0.
    int IsTransformed();
    /// The equivalent matrix: exchange of x and y (only for the flag value
    /// 1; other non-zero values exchange nothing), then the turn (snapped
    /// cosine and sine), then the shift.
    CGMTRMatrix2D GetTrMatrix();

    /// @name Const forms
    /// The read-only members above that are not const operations, callable on
    /// const objects and temporaries. Each runs the same code as its non-const
    /// form and gives the same bits.
    ///@{
    /// Const form of IsTransformed.
    int IsTransformed() const;
    /// Const form of GetTrMatrix.
    CGMTRMatrix2D GetTrMatrix() const;
    ///@}

private:
    CGMTRVector2D transfer;
    int inverse;
    double rotation;
};

#endif // GMTRRT_CGMTRCOORMATRIX_H
