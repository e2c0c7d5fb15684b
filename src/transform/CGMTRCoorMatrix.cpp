#include "CGMTRCoorMatrix.h"

CGMTRCoorMatrix::CGMTRCoorMatrix() : transfer(0.0, 0.0), inverse(0), rotation(0.0) {}

CGMTRCoorMatrix::CGMTRCoorMatrix(int inv, double rot, CGMTRVector2D const& shift)
    : transfer(shift), inverse(inv), rotation(rot) {}

CGMTRCoorMatrix& CGMTRCoorMatrix::operator=(CGMTRCoorMatrix const& other) {
    transfer = other.transfer;
    inverse = other.inverse;
    rotation = other.rotation;
    return *this;
}

int CGMTRCoorMatrix::GetIsInverse() const {
    return inverse;
}
void CGMTRCoorMatrix::SetsInverse(int inv) {
    inverse = inv;
}
double CGMTRCoorMatrix::GetRotate() const {
    return rotation;
}
void CGMTRCoorMatrix::SetRotate(double const& rot) {
    rotation = rot;
}
CGMTRVector2D const& CGMTRCoorMatrix::GetTransfer() const {
    return transfer;
}
void CGMTRCoorMatrix::SetTransfer(CGMTRVector2D const& shift) {
    transfer = shift;
}

void CGMTRCoorMatrix::Reset() {
    transfer.Components(0.0, 0.0);
    inverse = 0;
    rotation = 0.0;
}

int CGMTRCoorMatrix::IsTransformed() {
    if (inverse != 0)
        return 1;
    if (!transfer.IsZeroLengh())
        return 1;
    return IsEqualValue(rotation, 0.0) ? 0 : 1;
}

CGMTRMatrix2D CGMTRCoorMatrix::GetTrMatrix() {
    CGMTRMatrix2D m;
    if (inverse == 1) {
        // Exchanging x and y is the reflection across the line y = x.
        m.SetSingleValue(0, 0, 0.0);
        m.SetSingleValue(0, 1, 1.0);
        m.SetSingleValue(1, 0, 1.0);
        m.SetSingleValue(1, 1, 0.0);
    }
    m.Rotate(rotation);
    m.Transfer(transfer);
    return m;
}

// Const forms: the same members, called on a coordinate system that is not
// changed.
int CGMTRCoorMatrix::IsTransformed() const {
    return const_cast<CGMTRCoorMatrix&>(*this).IsTransformed();
}
CGMTRMatrix2D CGMTRCoorMatrix::GetTrMatrix() const {
    return const_cast<CGMTRCoorMatrix&>(*this).GetTrMatrix();
}
