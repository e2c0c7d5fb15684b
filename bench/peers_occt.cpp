// The rotation of the benchmark inputs through OpenCASCADE's plane transform:
// a gp_Trsf2d made for the query, set to the rotation about the centre, and
// applied to the point. Its classes are defined inline in its headers.
//
// What it computes differently from the library: the plain cosine and sine
// (no snapping of quarter turns), and the point as a rotation of its offset
// from the centre; the results agree to rounding.
#include "peers.h"

#include <Standard_Version.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Trsf2d.hxx>

namespace bench {

const char* const kOcctName = "OpenCASCADE " OCC_VERSION_COMPLETE " (gp_Trsf2d)";

void OcctRotate(std::size_t i, Out& out) {
    const RotateIn& in = GetInputs().rotate[i];
    gp_Trsf2d t;
    t.SetRotation(gp_Pnt2d(in.px, in.py), in.angle);
    gp_Pnt2d p(in.x, in.y);
    p.Transform(t);
    out.v[0] = p.X();
    out.v[1] = p.Y();
    out.n = 1;
}

} // namespace bench
