// The module's init function, the shared constants and numeric functions, and
// the helpers declared in common.h.
#include "common.h"

#include "GMTRRT.h"

#include <cmath>
#include <cstdio>

namespace gmtrpy {

std::string fmt(double v) {
    if (std::isnan(v))
        return "float('nan')";
    if (std::isinf(v))
        return v > 0 ? "float('inf')" : "-float('inf')";
    // 17 significant digits always read back to the same double; Python's
    // own repr gives the shortest such text, which is nicer to read.
    return py::str(py::repr(py::float_(v)));
}

std::string fmt_xy(double x, double y) {
    return "(" + fmt(x) + ", " + fmt(y) + ")";
}

py::list to_list(const CGMTRPoint2DCol& points) {
    const int n = points.GetCount();
    py::list out(n);
    for (int i = 0; i < n; ++i) {
        CGMTRPoint2D p;
        points.get_Item(i, p);
        out[static_cast<size_t>(i)] = py::cast(p);
    }
    return out;
}

long check_index(long index, long count) {
    const long i = index < 0 ? index + count : index;
    if (i < 0 || i >= count)
        throw py::index_error("index " + std::to_string(index) + " out of range for " +
                              std::to_string(count) + " items");
    return i;
}

short check_matrix_index(long index) {
    if (index < 0 || index > 2)
        throw py::index_error("matrix index " + std::to_string(index) + " is not 0, 1 or 2");
    return static_cast<short>(index);
}

namespace {

struct ResultType {
    Result which;
    const char* name;
    const char* fields;
    const char* doc;
};

const ResultType kResults[] = {
    {Result::RectBox, "RectBox", "min_x max_x max_y min_y",
     "Bounding box of an entity, in the order CGMTRBaseGeo2D::GetRectBox writes it."},
    {Result::LineFillet, "LineFillet", "on_line on_arc center",
     "Fillet of CGMTRArc2D::LineTangencyDistance: the touching point on the segment, the "
     "touching point on the arc and the centre of the tangent circle."},
    {Result::ArcFillet, "ArcFillet", "on_this on_other center",
     "Fillet of CGMTRArc2D::ArcTangencyDistance: the touching points on this arc and on the "
     "other arc, and the centre of the tangent circle. When the centre exists but a touching "
     "point cannot be found, the library writes only the centre: on_this and on_other are "
     "then None."},
    {Result::CornerFillet, "CornerFillet", "on_this on_other center",
     "Fillet of CGMTRLine2D::LineTangencyDistance: the touching points on this segment and on "
     "the other segment, and the centre of the tangent circle."},
    {Result::JunctionAngles, "JunctionAngles", "this_angle other_angle",
     "Directions (radians, in (-pi, pi]) of two entities at their junction, from "
     "GetLineLineAngle, GetLineArcAngle or GetArcArcAngle."},
    {Result::TransformComponents, "TransformComponents", "scale rotation mirror transfer",
     "Components of a plane transform from CGMTRTransform2D::GetComponent. rotation is None "
     "when the linear part is singular (GetComponent returned 0 and left it untouched)."},
    {Result::Crossings, "Crossings", "points indices",
     "Crossing points of one entity with many: an (m, 2) float64 array of points and an (m,) "
     "int64 array with the index of the other entity each point belongs to."},
};

py::handle g_result_types[sizeof kResults / sizeof kResults[0]];

} // namespace

void make_result_types(py::module_& m) {
    py::object namedtuple = py::module_::import("collections").attr("namedtuple");
    for (const ResultType& result : kResults) {
        py::object type = namedtuple(result.name, result.fields);
        type.attr("__module__") = "gmtrrt";
        type.attr("__doc__") = result.doc;
        m.attr(result.name) = type;
        // The module attribute keeps the type alive for the module's lifetime.
        g_result_types[static_cast<int>(result.which)] = type;
    }
}

py::handle result_type(Result which) {
    return g_result_types[static_cast<int>(which)];
}

} // namespace gmtrpy

using namespace gmtrpy;

PYBIND11_MODULE(_gmtrrt, m) {
    m.doc() = "Binding of the GMTRRT plane geometry library (see the gmtrrt package).";

    m.attr("PI") = GMTR_PI;
    m.attr("TWO_PI") = GMTR_2PI;
    m.attr("HALF_PI") = GMTR_HALF_PI;
    m.attr("TOL") = GMTR_TOL;

    m.def(
        "is_equal_value", [](double a, double b) { return IsEqualValue(a, b); }, "a"_a, "b"_a,
        "True when |a - b| < TOL. Wraps IsEqualValue.");
    m.def(
        "is_same_point",
        [](double x1, double y1, double x2, double y2) { return IsSamePoint(x1, y1, x2, y2); },
        "x1"_a, "y1"_a, "x2"_a, "y2"_a,
        "True when |x2 - x1| + |y2 - y1| < TOL (the sum, not the Euclidean distance). Wraps "
        "IsSamePoint.");
    m.def(
        "normalize_angle", [](double a) { return NormalizeAngle(a); }, "a"_a,
        "The angle reduced to [0, 2pi); within TOL below 2pi gives 0. Wraps NormalizeAngle.");
    m.def(
        "normalize_signed_angle", [](double a) { return NormalizeSignedAngle(a); }, "a"_a,
        "The angle reduced to (-pi, pi]; -pi gives +pi. Wraps NormalizeSignedAngle.");
    m.def(
        "reduce_angle", [](double a) { return ReduceAngle(a); }, "a"_a,
        "Remainder by a full turn with the sign kept. Wraps ReduceAngle.");
    m.def(
        "get_direction_angle",
        [](double x1, double y1, double x2, double y2) {
            return GetDirectionAngle(x1, y1, x2, y2);
        },
        "x1"_a, "y1"_a, "x2"_a, "y2"_a,
        "atan2(y2 - y1, x2 - x1), not normalised. Wraps GetDirectionAngle.");
    m.def(
        "snap_cos", [](double a) { return SnapCos(a); }, "a"_a,
        "cos(a) snapped to exactly -1, 0 or 1 within TOL. Wraps SnapCos.");
    m.def(
        "snap_sin", [](double a) { return SnapSin(a); }, "a"_a,
        "sin(a) snapped to exactly -1, 0 or 1 within TOL. Wraps SnapSin.");
    m.def(
        "is_angle_in_range",
        [](double angle, double start, double sweep) {
            return IsAngleInRange(angle, start, sweep);
        },
        "angle"_a, "start"_a, "sweep"_a,
        "Whether the direction lies on the arc of directions from start turning by the signed "
        "sweep (TOL slack at both ends; a sweep of +2pi holds every direction). Wraps "
        "IsAngleInRange.");

    make_result_types(m);
    declare_plane(m);
    declare_transform(m);
    declare_entities(m);
    declare_collections(m);
    declare_repeat(m);
    declare_space(m);
    define_plane(m);
    define_transform(m);
    define_entities(m);
    define_collections(m);
    define_repeat(m);
    define_space(m);
    define_batch(m);
}
