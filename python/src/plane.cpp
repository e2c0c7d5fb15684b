// Plane value types: Point2D, Vector2D and HVRect.
#include "common.h"

#include <pybind11/operators.h>

#include "CGMTRHVRect.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRTransform2D.h"

namespace gmtrpy {

namespace {

double number(py::handle h) {
    const double v = PyFloat_AsDouble(h.ptr());
    if (v == -1.0 && PyErr_Occurred())
        throw py::error_already_set();
    return v;
}

// Points and vectors accept any sequence of two numbers; tuples and lists
// convert implicitly wherever a Point2D or Vector2D is expected.
template <class T> T from_pair(const py::sequence& s, const char* name) {
    if (py::len(s) != 2)
        throw py::type_error(std::string(name) + " expects a sequence of 2 numbers (x, y), got " +
                             std::to_string(py::len(s)) + " items");
    return T(number(s[0]), number(s[1]));
}

template <class T> double coordinate(const T& v, long i) {
    switch (i < 0 ? i + 2 : i) {
    case 0:
        return v.X();
    case 1:
        return v.Y();
    default:
        throw py::index_error("index out of range for 2 coordinates");
    }
}

void declare(py::module_& m) {
    py::class_<CGMTRPoint2D>(
        m, "Point2D",
        "A plane position (x, y); the default is the origin. Wraps CGMTRPoint2D.\n\n"
        "Unpacks like a tuple (x, y = p); tuples and lists of two numbers are "
        "accepted wherever a Point2D is expected. == is the library's tolerant "
        "comparison (sum of coordinate differences below TOL), so points are not "
        "hashable.");
    py::class_<CGMTRVector2D>(
        m, "Vector2D",
        "A plane direction or displacement (x, y); the default is (1, 0). Wraps "
        "CGMTRVector2D.\n\nUnpacks like a tuple; tuples and lists of two numbers are "
        "accepted wherever a Vector2D is expected. == compares each component within "
        "TOL. Nothing checks for zero length: normalising a zero vector gives NaN.");
    py::class_<CGMTRHVRect>(
        m, "HVRect",
        "Axis-aligned rectangle (left, bottom, right, top), y up; the default is (0, 0, 0, 0). "
        "Wraps CGMTRHVRect.\n\nNothing is sorted unless sort_corners() is called. == and != use "
        "TOL; <, > and & are containment and overlap tests, exact, for sorted rectangles.");
}

void bind_point() {
    using P = CGMTRPoint2D;
    auto c = existing<P>();
    c.def(py::init<>(), "The origin. Wraps CGMTRPoint2D::CGMTRPoint2D().")
        .def(py::init<const double&, const double&>(), "x"_a, "y"_a,
             "The point (x, y). Wraps CGMTRPoint2D::CGMTRPoint2D(double, double).")
        .def(py::init<const CGMTRVector2D&>(), "vector"_a,
             "The tip of the vector placed at the origin. Wraps "
             "CGMTRPoint2D::CGMTRPoint2D(CGMTRVector2D).")
        .def(py::init([](const py::sequence& s) { return from_pair<P>(s, "Point2D"); }), "xy"_a,
             "The point from a sequence (x, y). Builds a CGMTRPoint2D.")
        .def_property(
            "x", [](const P& o) { return o.X(); }, [](P& p, double v) { p.X(v); },
            "The x coordinate. Wraps CGMTRPoint2D::X.")
        .def_property(
            "y", [](const P& o) { return o.Y(); }, [](P& p, double v) { p.Y(v); },
            "The y coordinate. Wraps CGMTRPoint2D::Y.")
        .def(
            "components",
            [](P& p) {
                double x, y;
                p.Components(&x, &y);
                return py::make_tuple(x, y);
            },
            "(x, y) as a tuple. Wraps CGMTRPoint2D::Components(double*, double*).")
        .def(
            "components", [](P& p, double x, double y) { p.Components(x, y); }, "x"_a, "y"_a,
            "Sets both coordinates. Wraps CGMTRPoint2D::Components(double, double).")
        .def(
            "__eq__", [](P& a, const P& b) { return (a == b) != 0; }, py::is_operator(),
            "Tolerant: the sum of the coordinate differences is below TOL. Wraps "
            "CGMTRPoint2D::operator==.")
        .def(
            "__ne__", [](P& a, const P& b) { return (a != b) != 0; }, py::is_operator(),
            "Wraps CGMTRPoint2D::operator!=.")
        .def(
            "__lt__", [](const P& a, const P& b) { return a < b; }, py::is_operator(),
            "Tolerant lexicographic order, x first. Wraps CGMTRPoint2D::operator<.")
        .def("distance2d", &P::Distance2D, "other"_a,
             "Euclidean distance. Wraps CGMTRPoint2D::Distance2D.")
        .def(
            "__neg__", [](P& a) { return -a; }, "Wraps CGMTRPoint2D::operator-().")
        .def(
            "__add__", [](P& a, const P& b) { return a + b; }, py::is_operator(),
            "Point + point. Wraps CGMTRPoint2D::operator+(CGMTRPoint2D).")
        .def(
            "__add__", [](P& a, const CGMTRVector2D& v) { return a + v; }, py::is_operator(),
            "The point moved by the vector. Wraps CGMTRPoint2D::operator+(CGMTRVector2D).")
        .def(
            "__add__", [](P& a, double d) { return a + d; }, py::is_operator(),
            "(x + d, y + d). Wraps CGMTRPoint2D::operator+(double).")
        .def(
            "__sub__", [](P& a, const P& b) { return a - b; }, py::is_operator(),
            "Point - point, a point. Wraps CGMTRPoint2D::operator-(CGMTRPoint2D).")
        .def(
            "__sub__", [](P& a, const CGMTRVector2D& v) { return a - v; }, py::is_operator(),
            "The point moved back by the vector. Wraps CGMTRPoint2D::operator-(CGMTRVector2D).")
        .def(
            "__sub__", [](P& a, double d) { return a - d; }, py::is_operator(),
            "(x - d, y - d). Wraps CGMTRPoint2D::operator-(double).")
        .def(
            "__mul__", [](P& a, double d) { return a * d; }, py::is_operator(),
            "(x * d, y * d). Wraps CGMTRPoint2D::operator*(double).")
        .def(
            "__truediv__", [](P& a, double d) { return a / d; }, py::is_operator(),
            "(x / d, y / d); an unchanged copy for d == 0.0. Wraps CGMTRPoint2D::operator/.")
        .def(
            "__iadd__",
            [](P& a, const P& b) -> P& {
                a += b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator+=(CGMTRPoint2D).")
        .def(
            "__iadd__",
            [](P& a, const CGMTRVector2D& v) -> P& {
                a += v;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator+=(CGMTRVector2D).")
        .def(
            "__iadd__",
            [](P& a, double d) -> P& {
                a += d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator+=(double).")
        .def(
            "__isub__",
            [](P& a, const P& b) -> P& {
                a -= b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator-=(CGMTRPoint2D).")
        .def(
            "__isub__",
            [](P& a, const CGMTRVector2D& v) -> P& {
                a -= v;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator-=(CGMTRVector2D).")
        .def(
            "__isub__",
            [](P& a, double d) -> P& {
                a -= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator-=(double).")
        .def(
            "__imul__",
            [](P& a, double d) -> P& {
                a *= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint2D::operator*=(double).")
        .def(
            "__imul__",
            [](P& a, const CGMTRMatrix2D& mat) -> P& {
                a *= mat;
                return a;
            },
            py::is_operator(),
            "(x, y, 1) * M divided by w. Wraps CGMTRPoint2D::operator*=(CGMTRMatrix2D).")
        .def(
            "__itruediv__",
            [](P& a, double d) -> P& {
                a /= d;
                return a;
            },
            py::is_operator(), "No change for d == 0.0. Wraps CGMTRPoint2D::operator/=.")
        .def("rotate", &P::Rotate, "angle"_a,
             "Turns about the origin, counter-clockwise. Wraps CGMTRPoint2D::Rotate.")
        .def("rotate_for_point", &P::RotateForPoint, "center"_a, "angle"_a,
             "Turns about the centre. Wraps CGMTRPoint2D::RotateForPoint.")
        .def("transfer", &P::Transfer, "vector"_a,
             "Translates by the vector. Wraps CGMTRPoint2D::Transfer.")
        .def("scale", &P::Scale, "center"_a, "factor"_a,
             "Scales the distance from the centre. Wraps CGMTRPoint2D::Scale.")
        .def("mirror", &P::Mirror, "point"_a, "direction"_a,
             "Reflects across the line through the point along the direction. Wraps "
             "CGMTRPoint2D::Mirror.")
        .def(
            "__len__", [](const P&) { return 2; }, "2: a point unpacks as (x, y).")
        .def(
            "__getitem__", [](const P& p, long i) { return coordinate(p, i); }, "i"_a,
            "x for 0, y for 1 (CGMTRPoint2D::X, CGMTRPoint2D::Y).")
        .def(
            "__iter__", [](const P& p) { return py::iter(py::make_tuple(p.X(), p.Y())); },
            "Iterates x then y (CGMTRPoint2D::X, CGMTRPoint2D::Y).")
        .def(
            "__repr__", [](const P& p) { return "Point2D" + fmt_point(p); },
            "Point2D(x, y) (CGMTRPoint2D::X, CGMTRPoint2D::Y).")
        .def(py::pickle(
            [](const P& p) { return py::make_tuple(p.X(), p.Y()); },
            [](const py::tuple& t) { return P(t[0].cast<double>(), t[1].cast<double>()); }));
    add_copy<P>(c);
    py::implicitly_convertible<py::tuple, P>();
    py::implicitly_convertible<py::list, P>();
}

void bind_vector() {
    using V = CGMTRVector2D;
    auto c = existing<V>();
    c.def(py::init<>(), "The unit vector (1, 0). Wraps CGMTRVector2D::CGMTRVector2D().")
        .def(py::init<const double&, const double&>(), "x"_a, "y"_a,
             "The vector (x, y). Wraps CGMTRVector2D::CGMTRVector2D(double, double).")
        .def(py::init([](const py::sequence& s) { return from_pair<V>(s, "Vector2D"); }), "xy"_a,
             "The vector from a sequence (x, y). Builds a CGMTRVector2D.")
        .def_property(
            "x", [](const V& o) { return o.X(); }, [](V& v, double x) { v.X(x); },
            "The x component. Wraps CGMTRVector2D::X.")
        .def_property(
            "y", [](const V& o) { return o.Y(); }, [](V& v, double y) { v.Y(y); },
            "The y component. Wraps CGMTRVector2D::Y.")
        .def(
            "components",
            [](const V& v) {
                double x, y;
                v.Components(&x, &y);
                return py::make_tuple(x, y);
            },
            "(x, y) as a tuple. Wraps CGMTRVector2D::Components(double*, double*).")
        .def(
            "components", [](V& v, double x, double y) { v.Components(x, y); }, "x"_a, "y"_a,
            "Sets both components. Wraps CGMTRVector2D::Components(double, double).")
        .def("set_vector", &V::SetVector, "start"_a, "end"_a,
             "This = end - start. Wraps CGMTRVector2D::SetVector.")
        .def("length", &V::Length, "sqrt(x*x + y*y). Wraps CGMTRVector2D::Length.")
        .def("length_square", const_fn(&V::LengthSquare),
             "x*x + y*y. Wraps CGMTRVector2D::LengthSquare.")
        .def("dot_product", &V::DotProduct, "other"_a, "Wraps CGMTRVector2D::DotProduct.")
        .def("cross_product", &V::CrossProduct, "other"_a,
             "x*v.y - y*v.x. Wraps CGMTRVector2D::CrossProduct.")
        .def("angle", &V::Angle, "atan2(y, x). Wraps CGMTRVector2D::Angle.")
        .def("angle_to", &V::AngleTo, "other"_a,
             "other.angle() - angle(), not normalised. Wraps CGMTRVector2D::AngleTo.")
        .def("is_unit", &V::IsUnit,
             "1 when the length is 1 within TOL. Wraps CGMTRVector2D::IsUnit.")
        .def("is_zero_lengh", &V::IsZeroLengh,
             "1 when the length is below TOL. Wraps CGMTRVector2D::IsZeroLengh.")
        .def("is_orthogonal_to", &V::IsOrthogonalTo, "other"_a,
             "1 when |dot product| < TOL. Wraps CGMTRVector2D::IsOrthogonalTo.")
        .def("is_parallel_to", &V::IsParallelTo, "other"_a,
             "1 when |cross product| < TOL. Wraps CGMTRVector2D::IsParallelTo.")
        .def("magnitude", &V::Magnitude, "length"_a,
             "Scales to the length; returns it. Wraps CGMTRVector2D::Magnitude.")
        .def("normalize", &V::Normalize,
             "Divides by the length (NaN for a zero vector). Wraps CGMTRVector2D::Normalize.")
        .def("rotate", &V::Rotate, "angle"_a,
             "Turns counter-clockwise (quarter turns exact). Wraps CGMTRVector2D::Rotate.")
        .def("mirror", &V::Mirror, "axis"_a,
             "Reflects across the axis through the origin. Wraps CGMTRVector2D::Mirror.")
        .def("orthogonal", const_fn(&V::Orthogonal), "(-y, x). Wraps CGMTRVector2D::Orthogonal.")
        .def(
            "__eq__", [](V& a, const V& b) { return (a == b) != 0; }, py::is_operator(),
            "Each component within TOL. Wraps CGMTRVector2D::operator==.")
        .def(
            "__ne__", [](V& a, const V& b) { return (a != b) != 0; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator!=.")
        .def(
            "__neg__", [](V& a) { return -a; }, "Wraps CGMTRVector2D::operator-().")
        .def(
            "__add__", [](V& a, const V& b) { return a + b; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator+(CGMTRVector2D).")
        .def(
            "__add__", [](V& a, double d) { return a + d; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator+(double).")
        .def(
            "__sub__", [](V& a, const V& b) { return a - b; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator-(CGMTRVector2D).")
        .def(
            "__sub__", [](V& a, double d) { return a - d; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator-(double).")
        .def(
            "__mul__", [](V& a, double d) { return a * d; }, py::is_operator(),
            "Wraps CGMTRVector2D::operator*(double).")
        .def(
            "__truediv__", [](V& a, double d) { return a / d; }, py::is_operator(),
            "No test of d. Wraps CGMTRVector2D::operator/.")
        .def(
            "__iadd__",
            [](V& a, const V& b) -> V& {
                a += b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector2D::operator+=(CGMTRVector2D).")
        .def(
            "__iadd__",
            [](V& a, double d) -> V& {
                a += d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector2D::operator+=(double).")
        .def(
            "__isub__",
            [](V& a, const V& b) -> V& {
                a -= b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector2D::operator-=(CGMTRVector2D).")
        .def(
            "__isub__",
            [](V& a, double d) -> V& {
                a -= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector2D::operator-=(double).")
        .def(
            "__imul__",
            [](V& a, double d) -> V& {
                a *= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector2D::operator*=(double).")
        .def(
            "__imul__",
            [](V& a, const CGMTRMatrix2D& mat) -> V& {
                a *= mat;
                return a;
            },
            py::is_operator(),
            "Transforms by the matrix (its translation cancels). Wraps "
            "CGMTRVector2D::operator*=(CGMTRMatrix2D).")
        .def(
            "__itruediv__",
            [](V& a, double d) -> V& {
                a /= d;
                return a;
            },
            py::is_operator(), "No test of d. Wraps CGMTRVector2D::operator/=.")
        .def(
            "__len__", [](const V&) { return 2; }, "2: a vector unpacks as (x, y).")
        .def(
            "__getitem__", [](const V& v, long i) { return coordinate(v, i); }, "i"_a,
            "x for 0, y for 1 (CGMTRVector2D::X, CGMTRVector2D::Y).")
        .def(
            "__iter__", [](const V& v) { return py::iter(py::make_tuple(v.X(), v.Y())); },
            "Iterates x then y (CGMTRVector2D::X, CGMTRVector2D::Y).")
        .def(
            "__repr__", [](const V& v) { return "Vector2D" + fmt_vector(v); },
            "Vector2D(x, y) (CGMTRVector2D::X, CGMTRVector2D::Y).")
        .def(py::pickle(
            [](const V& v) { return py::make_tuple(v.X(), v.Y()); },
            [](const py::tuple& t) { return V(t[0].cast<double>(), t[1].cast<double>()); }));
    add_copy<V>(c);
    py::implicitly_convertible<py::tuple, V>();
    py::implicitly_convertible<py::list, V>();
}

void bind_rect() {
    using R = CGMTRHVRect;
    auto c = existing<R>();
    c.def(py::init<>(), "(0, 0, 0, 0). Wraps CGMTRHVRect::CGMTRHVRect().")
        .def(py::init<double, double, double, double>(), "left"_a, "bottom"_a, "right"_a, "top"_a,
             "The four edges as given, unsorted. Wraps CGMTRHVRect::CGMTRHVRect(double x4).")
        .def(py::init([](CGMTRPoint2D p1, CGMTRPoint2D p2) { return R(p1, p2); }), "p1"_a, "p2"_a,
             "left, bottom from p1 and right, top from p2, unsorted. Wraps "
             "CGMTRHVRect::CGMTRHVRect(CGMTRPoint2D&, CGMTRPoint2D&).")
        .def_property(
            "left", [](const R& o) { return o.Left(); }, [](R& r, double v) { r.Left(v); },
            "The left edge. Wraps CGMTRHVRect::Left.")
        .def_property(
            "bottom", [](const R& o) { return o.Bottom(); }, [](R& r, double v) { r.Bottom(v); },
            "The bottom edge. Wraps CGMTRHVRect::Bottom.")
        .def_property(
            "right", [](const R& o) { return o.Right(); }, [](R& r, double v) { r.Right(v); },
            "The right edge. Wraps CGMTRHVRect::Right.")
        .def_property(
            "top", [](const R& o) { return o.Top(); }, [](R& r, double v) { r.Top(v); },
            "The top edge. Wraps CGMTRHVRect::Top.")
        .def(
            "bounds",
            [](const R& r) {
                double l, b, rt, t;
                r.Bounds(&l, &b, &rt, &t);
                return py::make_tuple(l, b, rt, t);
            },
            "(left, bottom, right, top). Wraps CGMTRHVRect::Bounds(double*, ...).")
        .def(
            "bounds", [](R& r, double l, double b, double rt, double t) { r.Bounds(l, b, rt, t); },
            "left"_a, "bottom"_a, "right"_a, "top"_a,
            "Sets the four edges, unsorted. Wraps CGMTRHVRect::Bounds(double, ...).")
        .def(
            "bounds_points",
            [](const R& r) {
                CGMTRPoint2D lb, rt;
                r.Bounds(lb, rt);
                return py::make_tuple(lb, rt);
            },
            "((left, bottom), (right, top)) as points. Wraps "
            "CGMTRHVRect::Bounds(CGMTRPoint2D&, CGMTRPoint2D&).")
        .def("top_left", const_fn(&R::TopLeft), "(left, top). Wraps CGMTRHVRect::TopLeft.")
        .def("top_right", const_fn(&R::TopRight), "(right, top). Wraps CGMTRHVRect::TopRight.")
        .def("bottom_left", const_fn(&R::BottomLeft),
             "(left, bottom). Wraps CGMTRHVRect::BottomLeft.")
        .def("bottom_right", const_fn(&R::BottomRight),
             "(right, bottom). Wraps CGMTRHVRect::BottomRight.")
        .def("center", const_fn(&R::Center), "The centre point. Wraps CGMTRHVRect::Center.")
        .def("width", &R::Width, "right - left. Wraps CGMTRHVRect::Width.")
        .def("height", &R::Height, "top - bottom. Wraps CGMTRHVRect::Height.")
        .def(
            "size",
            [](const R& r) {
                double w, h;
                r.Size(&w, &h);
                return py::make_tuple(w, h);
            },
            "(width, height). Wraps CGMTRHVRect::Size.")
        .def(
            "sort_corners", [](R& r) { r.SortCorners(); },
            "Swaps edges that are out of order. Wraps CGMTRHVRect::SortCorners().")
        .def(
            "sort_corners", [](R& r, CGMTRPoint2D p1, CGMTRPoint2D p2) { r.SortCorners(p1, p2); },
            "p1"_a, "p2"_a,
            "The sorted rectangle spanned by two points. Wraps "
            "CGMTRHVRect::SortCorners(CGMTRPoint2D&, CGMTRPoint2D&).")
        .def("grow", &R::Grow, "factor"_a,
             "Scales about the centre by the factor. Wraps CGMTRHVRect::Grow.")
        .def(
            "combine", [](R& r, R other) { r.Combine(other); }, "other"_a,
            "Widens to cover the other rectangle. Wraps CGMTRHVRect::Combine.")
        .def("matrix_transform", &R::MatrixTransform, "matrix"_a,
             "The sorted box of the four transformed corners. Wraps "
             "CGMTRHVRect::MatrixTransform.")
        .def("transform", &R::Transform, "transform"_a,
             "matrix_transform with the transform's matrix. Wraps CGMTRHVRect::Transform.")
        .def("contains", &R::Contains, "point"_a,
             "Closed containment test. Wraps CGMTRHVRect::Contains.")
        .def(
            "__contains__", [](const R& r, const CGMTRPoint2D& p) { return r.Contains(p); },
            "point in rect, the closed test of CGMTRHVRect::Contains.")
        .def(
            "__eq__", [](const R& a, const R& b) { return (a == b) != 0; }, py::is_operator(),
            "Each edge within TOL. Wraps CGMTRHVRect::operator==.")
        .def(
            "__ne__", [](const R& a, const R& b) { return (a != b) != 0; }, py::is_operator(),
            "Wraps CGMTRHVRect::operator!=.")
        .def(
            "__lt__", [](const R& a, const R& b) { return a < b; }, py::is_operator(),
            "This rectangle lies inside the other. Wraps CGMTRHVRect::operator<.")
        .def(
            "__gt__", [](const R& a, const R& b) { return a > b; }, py::is_operator(),
            "The other lies strictly inside this one. Wraps CGMTRHVRect::operator>.")
        .def(
            "__and__", [](const R& a, const R& b) { return a & b; }, py::is_operator(),
            "The closed rectangles overlap (bool). Wraps CGMTRHVRect::operator&.")
        .def(
            "intersect",
            [](const R& a, const R& b) -> py::object {
                R out;
                if (!a.Intersect(b, out))
                    return py::none();
                return py::cast(out);
            },
            "other"_a,
            "The overlap rectangle, or None when the rectangles do not overlap. Wraps "
            "CGMTRHVRect::Intersect.")
        .def(
            "__repr__",
            [](const R& r) {
                return "HVRect(" + fmt(r.Left()) + ", " + fmt(r.Bottom()) + ", " + fmt(r.Right()) +
                       ", " + fmt(r.Top()) + ")";
            },
            "HVRect(left, bottom, right, top) (CGMTRHVRect::Bounds).")
        .def(py::pickle(
            [](const R& r) { return py::make_tuple(r.Left(), r.Bottom(), r.Right(), r.Top()); },
            [](const py::tuple& t) {
                return R(t[0].cast<double>(), t[1].cast<double>(), t[2].cast<double>(),
                         t[3].cast<double>());
            }));
    add_copy<R>(c);
}

} // namespace

void declare_plane(py::module_& m) {
    declare(m);
}

void define_plane(py::module_&) {
    bind_point();
    bind_vector();
    bind_rect();
}

} // namespace gmtrpy
