// The rotation of the benchmark inputs through Boost.Geometry's transform
// strategies, made for the query: the point moved to the origin, turned, and
// moved back (three 3x3 matrix applications; composing the matrices first
// costs two matrix products more). Defined inline in its headers.
//
// What it computes differently from the library: its rotation turns clockwise
// for a positive angle (so it is given the negated angle), with the plain
// cosine and sine; the results agree to rounding.
#include "peers.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/version.hpp>

namespace bench {

#define GMTRRT_STRINGIFY2(x) #x
#define GMTRRT_STRINGIFY(x) GMTRRT_STRINGIFY2(x)
const char* const kBoostName =
    "Boost.Geometry " GMTRRT_STRINGIFY(BOOST_VERSION) " (translate and rotate transformers)";

void BoostRotate(std::size_t i, Out& out) {
    namespace bg = boost::geometry;
    namespace tr = bg::strategy::transform;
    using Point = bg::model::d2::point_xy<double>;
    const RotateIn& in = GetInputs().rotate[i];
    const tr::translate_transformer<double, 2, 2> toOrigin(-in.px, -in.py), back(in.px, in.py);
    const tr::rotate_transformer<bg::radian, double, 2, 2> turn(-in.angle);
    Point p(in.x, in.y), q, r;
    bg::transform(p, q, toOrigin);
    bg::transform(q, r, turn);
    bg::transform(r, p, back);
    out.v[0] = p.x();
    out.v[1] = p.y();
    out.n = 1;
}

} // namespace bench
