// The rectangle replaced by the bounding box of its image under a matrix or
// a transform.
#include "CGMTRHVRect.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRPoint2D.h"
#include "CGMTRTransform2D.h"

void CGMTRHVRect::MatrixTransform(CGMTRMatrix2D const& m) {
    CGMTRPoint2D corners[4] = {CGMTRPoint2D(left, bottom), CGMTRPoint2D(right, bottom),
                               CGMTRPoint2D(right, top), CGMTRPoint2D(left, top)};
    for (CGMTRPoint2D& c : corners)
        c *= m;
    left = right = corners[0].X();
    bottom = top = corners[0].Y();
    for (int i = 1; i < 4; ++i) {
        const double x = corners[i].X();
        const double y = corners[i].Y();
        if (x < left)
            left = x;
        if (x > right)
            right = x;
        if (y < bottom)
            bottom = y;
        if (y > top)
            top = y;
    }
}

void CGMTRHVRect::Transform(CGMTRTransform2D const& t) {
    // Reading the matrix changes nothing in the transform.
    MatrixTransform(const_cast<CGMTRTransform2D&>(t).GetTrMatrix2D());
}
