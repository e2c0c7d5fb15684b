#include "CGMTRTransform2D.h"

#include "CGMTRPoint2D.h"
#include "CGMTRVector2D.h"

#include <cmath>

CGMTRTransform2D::CGMTRTransform2D() = default;

CGMTRTransform2D::CGMTRTransform2D(CGMTRTransform2D& other) : matrix(other.matrix) {}

void CGMTRTransform2D::operator=(CGMTRTransform2D& other) {
    matrix = other.matrix;
}

CGMTRTransform2D::~CGMTRTransform2D() = default;

void CGMTRTransform2D::SetTrMatrix2D(CGMTRMatrix2D m) {
    matrix = m;
}

CGMTRMatrix2D CGMTRTransform2D::GetTrMatrix2D() {
    return matrix;
}

void CGMTRTransform2D::Reset() {
    matrix.Reset();
}

// Each step works on a copy of the matrix and stores the copy back.
void CGMTRTransform2D::Mirror(CGMTRPoint2D& point, CGMTRVector2D& direction) {
    CGMTRMatrix2D m(matrix);
    m.Mirror(point, direction);
    matrix = m;
}

void CGMTRTransform2D::Scale(CGMTRPoint2D& centre, double factor) {
    CGMTRMatrix2D m(matrix);
    m.ScaleBy(centre, factor);
    matrix = m;
}

void CGMTRTransform2D::Rotate(CGMTRPoint2D& centre, double angle) {
    CGMTRMatrix2D m(matrix);
    m.RotateBy(centre, angle);
    matrix = m;
}

void CGMTRTransform2D::Transfer(CGMTRVector2D& v) {
    CGMTRMatrix2D m(matrix);
    m.Transfer(v);
    matrix = m;
}

int CGMTRTransform2D::GetComponent(double* scale, double* rotation, int* mirror,
                                   CGMTRVector2D* transfer) {
    CGMTRMatrix2D m(matrix);
    transfer->Components(m.GetSingleValue(2, 0), m.GetSingleValue(2, 1));
    m.SetSingleValue(2, 0, 0.0);
    const double d = m.GetDeterminant();
    *mirror = (d < 0.0) ? 1 : 0;
    *scale = std::fabs(d);
    if (IsEqualValue(*scale, 0.0))
        return 0;
    // Dividing row 0 by the linear scale sqrt(scale) does not change its
    // direction, so the angle is taken from the row itself; this also keeps
    // huge entries from overflowing in the division.
    double a = std::atan2(m.GetSingleValue(0, 1), m.GetSingleValue(0, 0));
    if (a == -GMTR_PI)
        a = GMTR_PI;
    *rotation = a;
    return 1;
}

// Const forms: the same members with arguments and this transform only read.
CGMTRTransform2D::CGMTRTransform2D(CGMTRTransform2D const& other)
    : CGMTRTransform2D(const_cast<CGMTRTransform2D&>(other)) {}
void CGMTRTransform2D::operator=(CGMTRTransform2D const& other) {
    *this = const_cast<CGMTRTransform2D&>(other);
}
CGMTRMatrix2D CGMTRTransform2D::GetTrMatrix2D() const {
    return const_cast<CGMTRTransform2D&>(*this).GetTrMatrix2D();
}
void CGMTRTransform2D::Mirror(CGMTRPoint2D const& point, CGMTRVector2D const& direction) {
    Mirror(const_cast<CGMTRPoint2D&>(point), const_cast<CGMTRVector2D&>(direction));
}
void CGMTRTransform2D::Scale(CGMTRPoint2D const& centre, double factor) {
    Scale(const_cast<CGMTRPoint2D&>(centre), factor);
}
void CGMTRTransform2D::Rotate(CGMTRPoint2D const& centre, double angle) {
    Rotate(const_cast<CGMTRPoint2D&>(centre), angle);
}
void CGMTRTransform2D::Transfer(CGMTRVector2D const& v) {
    Transfer(const_cast<CGMTRVector2D&>(v));
}
int CGMTRTransform2D::GetComponent(double* scale, double* rotation, int* mirror,
                                   CGMTRVector2D* transfer) const {
    return const_cast<CGMTRTransform2D&>(*this).GetComponent(scale, rotation, mirror, transfer);
}
