// The space family: Vector3D, Point3D, Matrix3D, Rotate3D and Transform3D.
#include "common.h"

#include "CGMTRMatrix3D.h"
#include "CGMTRPoint3D.h"
#include "CGMTRRotate3D.h"
#include "CGMTRTransform3D.h"
#include "CGMTRVector3D.h"

namespace gmtrpy {

namespace {

using V3 = CGMTRVector3D;
using P3 = CGMTRPoint3D;
using M3 = CGMTRMatrix3D;
using R3 = CGMTRRotate3D;
using T3 = CGMTRTransform3D;

double number(py::handle h) {
    const double v = PyFloat_AsDouble(h.ptr());
    if (v == -1.0 && PyErr_Occurred())
        throw py::error_already_set();
    return v;
}

template <class T> T from_triple(const py::sequence& s, const char* name) {
    if (py::len(s) != 3)
        throw py::type_error(std::string(name) +
                             " expects a sequence of 3 numbers (x, y, z), got " +
                             std::to_string(py::len(s)) + " items");
    return T(number(s[0]), number(s[1]), number(s[2]));
}

template <class T> double field(const T& v, long i) {
    switch (i < 0 ? i + 3 : i) {
    case 0:
        return v.X();
    case 1:
        return v.Y();
    case 2:
        return v.Z();
    default:
        throw py::index_error("index out of range for 3 coordinates");
    }
}

template <class T> std::string xyz(const T& v) {
    return "(" + fmt(v.X()) + ", " + fmt(v.Y()) + ", " + fmt(v.Z()) + ")";
}

// Members shared by the space vector and point: fields, unpacking, repr and
// pickling.
template <class T, class Cls> void add_xyz(Cls& c, const char* name, const char* cls) {
    const std::string wraps = std::string(" Wraps ") + cls + "::";
    c.def(py::init<>(), ("The zero value." + wraps + cls + "().").c_str())
        .def(py::init<const double&, const double&, const double&>(), "x"_a, "y"_a, "z"_a,
             ("(x, y, z)." + wraps + cls + "(double x3).").c_str())
        .def(py::init([name](const py::sequence& s) { return from_triple<T>(s, name); }), "xyz"_a,
             (std::string("From a sequence (x, y, z). Builds a ") + cls + ".").c_str())
        .def_property(
            "x", [](const T& o) { return o.X(); }, [](T& v, double x) { v.X(x); },
            ("The x field." + wraps + "X.").c_str())
        .def_property(
            "y", [](const T& o) { return o.Y(); }, [](T& v, double y) { v.Y(y); },
            ("The y field." + wraps + "Y.").c_str())
        .def_property(
            "z", [](const T& o) { return o.Z(); }, [](T& v, double z) { v.Z(z); },
            ("The z field." + wraps + "Z.").c_str())
        .def(
            "__len__", [](const T&) { return 3; }, "3: unpacks as (x, y, z).")
        .def(
            "__getitem__", [](const T& v, long i) { return field(v, i); }, "i"_a,
            ("x, y or z for 0, 1, 2 (" + std::string(cls) + "::X, Y, Z).").c_str())
        .def(
            "__iter__", [](const T& v) { return py::iter(py::make_tuple(v.X(), v.Y(), v.Z())); },
            ("Iterates x, y, z (" + std::string(cls) + "::X, Y, Z).").c_str())
        .def(
            "__repr__", [name](const T& v) { return name + xyz(v); },
            ("Name(x, y, z) (" + std::string(cls) + "::X, Y, Z).").c_str())
        .def(py::pickle([](const T& v) { return py::make_tuple(v.X(), v.Y(), v.Z()); },
                        [](const py::tuple& t) {
                            return T(t[0].cast<double>(), t[1].cast<double>(), t[2].cast<double>());
                        }));
    add_copy<T>(c);
    py::implicitly_convertible<py::tuple, T>();
    py::implicitly_convertible<py::list, T>();
}

template <class M> py::tuple matrix_values(const M& m) {
    py::tuple t(9);
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            t[static_cast<size_t>(i * 3 + j)] = m.GetSingleValue(i, j);
    return t;
}

M3 matrix_from(const py::tuple& t) {
    if (t.size() != 9)
        throw py::type_error("Matrix3D expects 9 values");
    M3 m;
    for (short k = 0; k < 9; ++k)
        m.SetSingleValue(k / 3, k % 3, t[static_cast<size_t>(k)].cast<double>());
    return m;
}

std::string matrix_repr(const M3& m) {
    std::string s = "Matrix3D(";
    for (short k = 0; k < 9; ++k)
        s += (k ? ", " : "") + fmt(m.GetSingleValue(k / 3, k % 3));
    return s + ")";
}

void bind_vector() {
    auto c = existing<V3>();
    add_xyz<V3>(c, "Vector3D", "CGMTRVector3D");
    c.def(
         "__iadd__",
         [](V3& a, const V3& b) -> V3& {
             a += b;
             return a;
         },
         py::is_operator(), "Wraps CGMTRVector3D::operator+=(CGMTRVector3D).")
        .def(
            "__iadd__",
            [](V3& a, double d) -> V3& {
                a += d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector3D::operator+=(double).")
        .def(
            "__isub__",
            [](V3& a, const V3& b) -> V3& {
                a -= b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector3D::operator-=(CGMTRVector3D).")
        .def(
            "__isub__",
            [](V3& a, double d) -> V3& {
                a -= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector3D::operator-=(double).")
        .def(
            "__imul__",
            [](V3& a, double d) -> V3& {
                a *= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRVector3D::operator*=.")
        .def(
            "__itruediv__",
            [](V3& a, double d) -> V3& {
                a /= d;
                return a;
            },
            py::is_operator(), "No change for d == 0.0. Wraps CGMTRVector3D::operator/=.")
        .def(
            "__eq__", [](V3& a, const V3& b) { return (a == b) != 0; }, py::is_operator(),
            "Each field within TOL. Wraps CGMTRVector3D::operator==.")
        .def(
            "__ne__", [](V3& a, const V3& b) { return (a != b) != 0; }, py::is_operator(),
            "Wraps CGMTRVector3D::operator!=.")
        .def("length", &V3::Length, "Wraps CGMTRVector3D::Length.")
        .def("is_unit", &V3::IsUnit,
             "1 when the length is 1 within TOL. Wraps "
             "CGMTRVector3D::IsUnit.")
        .def("is_zero_lengh", &V3::IsZeroLengh,
             "1 when the length is below TOL. Wraps CGMTRVector3D::IsZeroLengh.")
        .def("normalize", &V3::Normalize,
             "Divides by the length; a zero vector stays. Wraps CGMTRVector3D::Normalize.");
}

void bind_point() {
    auto c = existing<P3>();
    add_xyz<P3>(c, "Point3D", "CGMTRPoint3D");
    c.def(
         "__neg__", [](const P3& a) { return -a; }, "Wraps CGMTRPoint3D::operator-().")
        .def(
            "__add__", [](const P3& a, const P3& b) { return a + b; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator+(CGMTRPoint3D).")
        .def(
            "__add__", [](const P3& a, const V3& v) { return a + v; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator+(CGMTRVector3D).")
        .def(
            "__add__", [](const P3& a, double d) { return a + d; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator+(double).")
        .def(
            "__sub__", [](const P3& a, const P3& b) { return a - b; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator-(CGMTRPoint3D).")
        .def(
            "__sub__", [](const P3& a, const V3& v) { return a - v; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator-(CGMTRVector3D).")
        .def(
            "__sub__", [](const P3& a, double d) { return a - d; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator-(double).")
        .def(
            "__mul__", [](const P3& a, double d) { return a * d; }, py::is_operator(),
            "Wraps CGMTRPoint3D::operator*(double).")
        .def(
            "__truediv__", [](const P3& a, double d) { return a / d; }, py::is_operator(),
            "Unchanged copy for d == 0.0. Wraps CGMTRPoint3D::operator/.")
        .def(
            "__iadd__",
            [](P3& a, const P3& b) -> P3& {
                a += b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator+=(CGMTRPoint3D).")
        .def(
            "__iadd__",
            [](P3& a, const V3& v) -> P3& {
                a += v;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator+=(CGMTRVector3D).")
        .def(
            "__iadd__",
            [](P3& a, double d) -> P3& {
                a += d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator+=(double).")
        .def(
            "__isub__",
            [](P3& a, const P3& b) -> P3& {
                a -= b;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator-=(CGMTRPoint3D).")
        .def(
            "__isub__",
            [](P3& a, const V3& v) -> P3& {
                a -= v;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator-=(CGMTRVector3D).")
        .def(
            "__isub__",
            [](P3& a, double d) -> P3& {
                a -= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator-=(double).")
        .def(
            "__imul__",
            [](P3& a, double d) -> P3& {
                a *= d;
                return a;
            },
            py::is_operator(), "Wraps CGMTRPoint3D::operator*=(double).")
        .def(
            "__imul__",
            [](P3& a, const M3& m) -> P3& {
                a *= m;
                return a;
            },
            py::is_operator(), "p = p M. Wraps CGMTRPoint3D::operator*=(CGMTRMatrix3D).")
        .def(
            "__itruediv__",
            [](P3& a, double d) -> P3& {
                a /= d;
                return a;
            },
            py::is_operator(), "No change for d == 0.0. Wraps CGMTRPoint3D::operator/=.")
        .def(
            "__eq__", [](P3& a, const P3& b) { return (a == b) != 0; }, py::is_operator(),
            "Each field within TOL. Wraps CGMTRPoint3D::operator==.")
        .def(
            "__ne__", [](P3& a, const P3& b) { return (a != b) != 0; }, py::is_operator(),
            "Some field differs by TOL or more (both == and != are false with NaN). Wraps "
            "CGMTRPoint3D::operator!=.")
        .def("distance3d", const_fn(&P3::Distance3D), "other"_a, "Wraps CGMTRPoint3D::Distance3D.")
        .def("transfer", &P3::Transfer, "vector"_a, "Wraps CGMTRPoint3D::Transfer.")
        .def("rotate", &P3::Rotate, "rotation"_a,
             "p = p R about the origin. Wraps CGMTRPoint3D::Rotate.")
        .def("rotate_for_point", &P3::RotateForPoint, "rotation"_a, "center"_a,
             "Rotates about the centre. Wraps CGMTRPoint3D::RotateForPoint.")
        .def("trans_form", &P3::TransForm, "transform"_a,
             "p = p R + v. Wraps CGMTRPoint3D::TransForm.");
}

std::pair<short, short> key_of(const py::tuple& key) {
    if (key.size() != 2)
        throw py::type_error("a matrix index is a pair (row, column)");
    return {check_matrix_index(key[0].cast<long>()), check_matrix_index(key[1].cast<long>())};
}

void bind_matrix() {
    auto c = existing<M3>();
    c.def(py::init<>(), "The identity. Wraps CGMTRMatrix3D::CGMTRMatrix3D().")
        .def(py::init<const double&, const double&, const double&, const double&, const double&,
                      const double&, const double&, const double&, const double&>(),
             "m00"_a, "m01"_a, "m02"_a, "m10"_a, "m11"_a, "m12"_a, "m20"_a, "m21"_a, "m22"_a,
             "The nine entries row by row. Wraps CGMTRMatrix3D::CGMTRMatrix3D(double x9).")
        .def(
            "__mul__", [](const M3& a, const M3& b) { return a * b; }, py::is_operator(),
            "A B: A first, then B. Wraps CGMTRMatrix3D::operator*.")
        .def(
            "__imul__",
            [](M3& a, const M3& b) -> M3& {
                a *= b;
                return a;
            },
            py::is_operator(), "A = A B. Wraps CGMTRMatrix3D::operator*=.")
        .def("product_of_row", const_fn(&M3::ProductOfRow), "i"_a, "j"_a,
             "Dot product of rows i and j (0.0 for a bad index). Wraps "
             "CGMTRMatrix3D::ProductOfRow.")
        .def("is_orthogonal", const_fn(&M3::IsOrthogonal), "Wraps CGMTRMatrix3D::IsOrthogonal.")
        .def("get_determinant", const_fn(&M3::GetDeterminant),
             "Wraps CGMTRMatrix3D::GetDeterminant.")
        .def(
            "get_sub_det",
            [](M3& m, long i, long j) {
                return m.GetSubDet(check_matrix_index(i), check_matrix_index(j));
            },
            "i"_a, "j"_a,
            "Signed cofactor; IndexError outside 0 to 2. Wraps CGMTRMatrix3D::GetSubDet.")
        .def("inverse", &M3::Inverse,
             "Replaces the matrix by its inverse; a singular one stays. Wraps "
             "CGMTRMatrix3D::Inverse.")
        .def("set_matrix_value", &M3::SetMatrixValue, "m00"_a, "m01"_a, "m02"_a, "m10"_a, "m11"_a,
             "m12"_a, "m20"_a, "m21"_a, "m22"_a,
             "Sets all nine entries. Wraps CGMTRMatrix3D::SetMatrixValue.")
        .def(
            "set_single_value",
            [](M3& m, long i, long j, double v) {
                m.SetSingleValue(check_matrix_index(i), check_matrix_index(j), v);
            },
            "i"_a, "j"_a, "value"_a,
            "m[i][j] = value; IndexError outside 0 to 2. Wraps CGMTRMatrix3D::SetSingleValue.")
        .def(
            "get_single_value",
            [](const M3& m, long i, long j) {
                return m.GetSingleValue(check_matrix_index(i), check_matrix_index(j));
            },
            "i"_a, "j"_a,
            "m[i][j]; IndexError outside 0 to 2. Wraps CGMTRMatrix3D::GetSingleValue.")
        .def(
            "__getitem__",
            [](const M3& m, const py::tuple& key) {
                auto ij = key_of(key);
                return m.GetSingleValue(ij.first, ij.second);
            },
            "key"_a, "m[i, j]. Wraps CGMTRMatrix3D::GetSingleValue.")
        .def(
            "__setitem__",
            [](M3& m, const py::tuple& key, double v) {
                auto ij = key_of(key);
                m.SetSingleValue(ij.first, ij.second, v);
            },
            "key"_a, "value"_a, "m[i, j] = value. Wraps CGMTRMatrix3D::SetSingleValue.")
        .def(
            "__eq__",
            [](const M3& a, const M3& b) { return matrix_values(a).equal(matrix_values(b)); },
            py::is_operator(), "Exactly the same entries (CGMTRMatrix3D::GetSingleValue).")
        .def("__repr__", &matrix_repr, "Matrix3D(m00, ..., m22) (CGMTRMatrix3D::GetSingleValue).")
        .def(py::pickle([](const M3& m) { return matrix_values(m); }, &matrix_from));
    add_copy<M3>(c);
}

void bind_rotate() {
    auto c = existing<R3>();
    c.def(py::init<>(), "The identity. Wraps CGMTRRotate3D::CGMTRRotate3D().")
        .def(py::init<const M3&>(), "matrix"_a,
             "A rotation holding the matrix (not checked). Wraps "
             "CGMTRRotate3D::CGMTRRotate3D(CGMTRMatrix3D).")
        .def_property(
            "matrix", [](const R3& r) { return M3(r.GetMatrix()); }, &R3::SetMatrix,
            "A copy of the matrix. Wraps CGMTRRotate3D::GetMatrix / SetMatrix.")
        .def("define", &R3::Define, "a"_a, "b"_a, "c"_a,
             "The rotation from three angles (radians). Wraps CGMTRRotate3D::Define.")
        .def("inverse", &R3::Inverse, "Wraps CGMTRRotate3D::Inverse.")
        .def(
            "__imul__",
            [](R3& a, const R3& b) -> R3& {
                a *= b;
                return a;
            },
            py::is_operator(), "This rotation, then the other. Wraps CGMTRRotate3D::operator*=.")
        .def(
            "__eq__",
            [](const R3& a, const R3& b) {
                return matrix_values(a.GetMatrix()).equal(matrix_values(b.GetMatrix()));
            },
            py::is_operator(), "Exactly the same matrix (CGMTRRotate3D::GetMatrix).")
        .def(
            "__repr__", [](const R3& r) { return "Rotate3D(" + matrix_repr(r.GetMatrix()) + ")"; },
            "Rotate3D(Matrix3D(...)) (CGMTRRotate3D::GetMatrix).")
        .def(py::pickle([](const R3& r) { return matrix_values(r.GetMatrix()); },
                        [](const py::tuple& t) { return R3(matrix_from(t)); }));
    add_copy<R3>(c);
}

void bind_transform() {
    auto c = existing<T3>();
    c.def(py::init<>(), "The identity map. Wraps CGMTRTransform3D::CGMTRTransform3D().")
        .def(py::init<const V3&, const R3&>(), "vector"_a, "rotation"_a,
             "p -> p R + v. Wraps CGMTRTransform3D::CGMTRTransform3D(CGMTRVector3D, "
             "CGMTRRotate3D).")
        .def_property(
            "vector", [](const T3& t) { return V3(t.GetVector()); }, &T3::SetVector,
            "A copy of the translation. Wraps CGMTRTransform3D::GetVector / SetVector.")
        .def_property(
            "rotation", [](const T3& t) { return R3(t.GetRotate()); }, &T3::SetRotate,
            "A copy of the rotation. Wraps CGMTRTransform3D::GetRotate / SetRotate.")
        .def("transfer", &T3::Transfer, "vector"_a,
             "Adds to the translation. Wraps CGMTRTransform3D::Transfer.")
        .def("rotate", &T3::Rotate, "rotation"_a,
             "Rotates the whole map about the origin after it. Wraps CGMTRTransform3D::Rotate.")
        .def("rotate_for_point", &T3::RotateForPoint, "rotation"_a, "center"_a,
             "Rotates the whole map about the centre after it. Wraps "
             "CGMTRTransform3D::RotateForPoint.")
        .def("inverse", &T3::Inverse, "The inverse map. Wraps CGMTRTransform3D::Inverse.")
        .def(
            "__eq__",
            [](const T3& a, const T3& b) {
                return py::make_tuple(xyz(a.GetVector()), matrix_values(a.GetRotate().GetMatrix()))
                    .equal(py::make_tuple(xyz(b.GetVector()),
                                          matrix_values(b.GetRotate().GetMatrix())));
            },
            py::is_operator(),
            "Exactly the same translation and rotation (CGMTRTransform3D::GetVector, "
            "GetRotate).")
        .def(
            "__repr__",
            [](const T3& t) {
                return "Transform3D(Vector3D" + xyz(t.GetVector()) + ", Rotate3D(" +
                       matrix_repr(t.GetRotate().GetMatrix()) + "))";
            },
            "Transform3D(Vector3D(...), Rotate3D(...)) (CGMTRTransform3D getters).")
        .def(py::pickle(
            [](const T3& t) {
                const V3& v = t.GetVector();
                return py::make_tuple(py::make_tuple(v.X(), v.Y(), v.Z()),
                                      matrix_values(t.GetRotate().GetMatrix()));
            },
            [](const py::tuple& s) {
                const py::tuple v = s[0].cast<py::tuple>();
                return T3(V3(v[0].cast<double>(), v[1].cast<double>(), v[2].cast<double>()),
                          R3(matrix_from(s[1].cast<py::tuple>())));
            }));
    add_copy<T3>(c);
}

} // namespace

void declare_space(py::module_& m) {
    py::class_<V3>(m, "Vector3D",
                   "A space displacement (x, y, z); the default is the zero vector. Wraps "
                   "CGMTRVector3D.");
    py::class_<P3>(m, "Point3D",
                   "A space location (x, y, z), a row vector: p * M. Wraps CGMTRPoint3D.");
    py::class_<M3>(m, "Matrix3D",
                   "3x3 matrix for row vectors (p' = p M); the default is the identity. Wraps "
                   "CGMTRMatrix3D.");
    py::class_<R3>(m, "Rotate3D", "A space rotation held as a matrix. Wraps CGMTRRotate3D.");
    py::class_<T3>(m, "Transform3D",
                   "A rigid map p -> p R + v: rotation, then translation. Wraps "
                   "CGMTRTransform3D.");
}

void define_space(py::module_&) {
    bind_vector();
    bind_point();
    bind_matrix();
    bind_rotate();
    bind_transform();
}

} // namespace gmtrpy
