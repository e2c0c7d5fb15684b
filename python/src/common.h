// Shared helpers of the gmtrrt Python module: value formatting for __repr__,
// named result types, detection of outputs that a call left untouched, and the
// copy and index conventions every binding follows.
#ifndef GMTRRT_PY_COMMON_H
#define GMTRRT_PY_COMMON_H

#include <pybind11/pybind11.h>

#include "CGMTRPoint2D.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRVector2D.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace py = pybind11;
using namespace pybind11::literals;

namespace gmtrpy {

// Two registration functions per area of the library. The module's init
// function first declares every class (so that each signature in a docstring
// names the Python class of its arguments), then defines their members.
void declare_plane(py::module_& m);
void declare_transform(py::module_& m);
void declare_entities(py::module_& m);
void declare_collections(py::module_& m);
void declare_repeat(py::module_& m);
void declare_space(py::module_& m);
void define_plane(py::module_& m);
void define_transform(py::module_& m);
void define_entities(py::module_& m);
void define_collections(py::module_& m);
void define_repeat(py::module_& m);
void define_space(py::module_& m);
void define_batch(py::module_& m);

// The class object of a type declared earlier, to add members to.
template <class T, class... Options> py::class_<T, Options...> existing() {
    return py::reinterpret_borrow<py::class_<T, Options...>>(py::type::of<T>());
}

// A float as Python source that evaluates back to the same value:
// repr() for finite values, float('nan') / float('inf') otherwise.
std::string fmt(double v);
// "(x, y)" with fmt'd coordinates.
std::string fmt_xy(double x, double y);
inline std::string fmt_point(const CGMTRPoint2D& p) {
    return fmt_xy(p.X(), p.Y());
}
inline std::string fmt_vector(const CGMTRVector2D& v) {
    return fmt_xy(v.X(), v.Y());
}

// The const form of a member. Beside many read-only members that are not
// const operations the library offers a const form; naming the member then
// names both, and this picks the const one (which gives the same results).
template <class R, class C, class... A> constexpr auto const_fn(R (C::*member)(A...) const) {
    return member;
}

// The points of a collection as a Python list of Point2D.
py::list to_list(const CGMTRPoint2DCol& points);

// Named tuple types returned by queries with several outputs. They are created
// once at import (make_result_types) and live as attributes of the module.
enum class Result {
    RectBox,
    LineFillet,
    ArcFillet,
    CornerFillet,
    JunctionAngles,
    TransformComponents,
    Crossings
};
void make_result_types(py::module_& m);
py::handle result_type(Result which);

// Outputs that the library writes only on success are primed with a NaN whose
// payload arithmetic does not produce; an output still holding it bit for bit
// after the call was not written. Callers confirm a match with a second
// sentinel (see written_twice), so even an input carrying the same payload
// cannot fool the test.
inline double sentinel_value(int k) {
    const std::uint64_t bits = 0x7ff8'6d74'7272'0000ull + static_cast<std::uint64_t>(k);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
inline CGMTRPoint2D sentinel_point(int k) {
    return CGMTRPoint2D(sentinel_value(k), sentinel_value(k));
}
inline bool same_bits(const CGMTRPoint2D& a, const CGMTRPoint2D& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Python index (negative counts from the end) to a C++ index; IndexError when
// it lies outside [0, count).
long check_index(long index, long count);

// Matrix indices 0 to 2, checked because the library does not check them.
short check_matrix_index(long index);

// __copy__ and __deepcopy__ through the C++ copy constructor.
template <class T, class Cls> void add_copy(Cls& cls) {
    cls.def(
        "__copy__", [](const T& self) { return T(self); }, "A copy (C++ copy constructor).");
    cls.def(
        "__deepcopy__", [](const T& self, py::dict) { return T(self); }, "memo"_a,
        "A copy (C++ copy constructor); the value owns no Python objects.");
}

} // namespace gmtrpy

#endif // GMTRRT_PY_COMMON_H
