// A tiny host program: turns a point a quarter turn with the library's matrix
// and exits 0 only when the result is exact.
#include <CGMTRMatrix2D.h>
#include <CGMTRPoint2D.h>
#include <GMTRRT.h>

#include <cstdio>

int main() {
    CGMTRMatrix2D m;
    m.SetToRotateBy(CGMTRPoint2D(1, 1), GMTR_HALF_PI);
    CGMTRPoint2D p(2, 1);
    p *= m;
    std::printf("(2, 1) turned about (1, 1): (%g, %g)\n", p.X(), p.Y());
    return (p.X() == 1.0 && p.Y() == 2.0) ? 0 : 1;
}
