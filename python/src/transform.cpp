// Plane matrices and transforms: Matrix2D, Transform2D and CoorMatrix.
#include "common.h"

#include "CGMTRCoorMatrix.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRTransform2D.h"

#include <pybind11/numpy.h>

#include <memory>

namespace gmtrpy {

namespace {

using M = CGMTRMatrix2D;

py::tuple matrix_values(const M& mat) {
    py::tuple t(9);
    for (short i = 0; i < 3; ++i)
        for (short j = 0; j < 3; ++j)
            t[static_cast<size_t>(i * 3 + j)] = mat.GetSingleValue(i, j);
    return t;
}

M matrix_from_values(const py::sequence& s) {
    if (py::len(s) != 9)
        throw py::type_error("Matrix2D expects 9 values, got " + std::to_string(py::len(s)));
    M mat;
    for (short k = 0; k < 9; ++k)
        mat.SetSingleValue(k / 3, k % 3, s[static_cast<size_t>(k)].cast<double>());
    return mat;
}

std::string matrix_repr(const M& mat) {
    std::string s = "Matrix2D(";
    for (short k = 0; k < 9; ++k)
        s += (k ? ", " : "") + fmt(mat.GetSingleValue(k / 3, k % 3));
    return s + ")";
}

std::pair<short, short> matrix_key(const py::tuple& key) {
    if (key.size() != 2)
        throw py::type_error("a matrix index is a pair (row, column)");
    return {check_matrix_index(key[0].cast<long>()), check_matrix_index(key[1].cast<long>())};
}

void bind_matrix() {
    auto c = existing<M>();
    c.def(py::init<>(), "The identity. Wraps CGMTRMatrix2D::CGMTRMatrix2D().")
        .def(py::init<const double&, const double&, const double&, const double&, const double&,
                      const double&, const double&, const double&, const double&>(),
             "m00"_a, "m01"_a, "m02"_a, "m10"_a, "m11"_a, "m12"_a, "m20"_a, "m21"_a, "m22"_a,
             "The nine values row by row. Wraps CGMTRMatrix2D::CGMTRMatrix2D(double x9).")
        .def_static(
            "from_array",
            [](const py::array_t<double, py::array::c_style | py::array::forcecast>& a) {
                if (a.ndim() != 2 || a.shape(0) != 3 || a.shape(1) != 3)
                    throw py::value_error("Matrix2D.from_array expects a (3, 3) array");
                auto r = a.unchecked<2>();
                M mat;
                for (short i = 0; i < 3; ++i)
                    for (short j = 0; j < 3; ++j)
                        mat.SetSingleValue(i, j, r(i, j));
                return mat;
            },
            "array"_a, "A matrix from a (3, 3) array. Uses CGMTRMatrix2D::SetSingleValue.")
        .def(
            "to_array",
            [](const M& mat) {
                py::array_t<double> a({3, 3});
                auto w = a.mutable_unchecked<2>();
                for (short i = 0; i < 3; ++i)
                    for (short j = 0; j < 3; ++j)
                        w(i, j) = mat.GetSingleValue(i, j);
                return a;
            },
            "The nine values as a (3, 3) float64 array. Uses CGMTRMatrix2D::GetSingleValue.")
        .def(
            "get_single_value",
            [](const M& mat, long i, long j) {
                return mat.GetSingleValue(check_matrix_index(i), check_matrix_index(j));
            },
            "i"_a, "j"_a,
            "m[i][j]; IndexError outside 0 to 2. Wraps CGMTRMatrix2D::GetSingleValue.")
        .def(
            "set_single_value",
            [](M& mat, long i, long j, double v) {
                mat.SetSingleValue(check_matrix_index(i), check_matrix_index(j), v);
            },
            "i"_a, "j"_a, "value"_a,
            "m[i][j] = value; IndexError outside 0 to 2. Wraps CGMTRMatrix2D::SetSingleValue.")
        .def(
            "__getitem__",
            [](const M& mat, const py::tuple& key) {
                auto ij = matrix_key(key);
                return mat.GetSingleValue(ij.first, ij.second);
            },
            "key"_a, "m[i, j]. Wraps CGMTRMatrix2D::GetSingleValue.")
        .def(
            "__setitem__",
            [](M& mat, const py::tuple& key, double v) {
                auto ij = matrix_key(key);
                mat.SetSingleValue(ij.first, ij.second, v);
            },
            "key"_a, "value"_a, "m[i, j] = value. Wraps CGMTRMatrix2D::SetSingleValue.")
        .def("reset", &M::Reset, "Back to the identity. Wraps CGMTRMatrix2D::Reset.")
        .def(
            "__mul__", [](M& a, const M& b) { return a * b; }, py::is_operator(),
            "A * B: A first, then B. Wraps CGMTRMatrix2D::operator*.")
        .def(
            "__imul__",
            [](M& a, const M& b) -> M& {
                a *= b;
                return a;
            },
            py::is_operator(), "A = A * B. Wraps CGMTRMatrix2D::operator*=.")
        .def("get_determinant", const_fn(&M::GetDeterminant),
             "The determinant. Wraps CGMTRMatrix2D::GetDeterminant.")
        .def(
            "get_sub_det",
            [](M& mat, long i, long j) {
                return mat.GetSubDet(check_matrix_index(i), check_matrix_index(j));
            },
            "i"_a, "j"_a,
            "Signed cofactor of (i, j); IndexError outside 0 to 2. Wraps CGMTRMatrix2D::GetSubDet.")
        .def("product_of_row", const_fn(&M::ProductOfRow), "i"_a, "j"_a,
             "Dot product of rows i and j (0.0 for a bad index). Wraps "
             "CGMTRMatrix2D::ProductOfRow.")
        .def("is_orthogonal", const_fn(&M::IsOrthogonal),
             "1 when the rows are orthonormal within TOL. Wraps CGMTRMatrix2D::IsOrthogonal.")
        .def("inverse", &M::Inverse,
             "Replaces the matrix by its inverse; a singular one stays. Wraps "
             "CGMTRMatrix2D::Inverse.")
        .def("set_to_transfer", &M::SetToTransfer, "vector"_a,
             "The translation. Wraps CGMTRMatrix2D::SetToTransfer.")
        .def("transfer", &M::Transfer, "vector"_a,
             "Appends a translation. Wraps CGMTRMatrix2D::Transfer.")
        .def("set_to_rotate", &M::SetToRotate, "angle"_a,
             "The rotation about the origin. Wraps CGMTRMatrix2D::SetToRotate.")
        .def("rotate", &M::Rotate, "angle"_a,
             "Appends a rotation about the origin. Wraps CGMTRMatrix2D::Rotate.")
        .def("set_to_rotate_by", &M::SetToRotateBy, "point"_a, "angle"_a,
             "The rotation about the point. Wraps CGMTRMatrix2D::SetToRotateBy.")
        .def("rotate_by", &M::RotateBy, "point"_a, "angle"_a,
             "Appends a rotation about the point. Wraps CGMTRMatrix2D::RotateBy.")
        .def("set_to_scale", &M::SetToScale, "factor"_a,
             "The scaling about the origin. Wraps CGMTRMatrix2D::SetToScale.")
        .def("scale", &M::Scale, "factor"_a,
             "Appends a scaling about the origin. Wraps CGMTRMatrix2D::Scale.")
        .def("set_to_scale_by", &M::SetToScaleBy, "point"_a, "factor"_a,
             "The scaling about the point. Wraps CGMTRMatrix2D::SetToScaleBy.")
        .def("scale_by", &M::ScaleBy, "point"_a, "factor"_a,
             "Appends a scaling about the point. Wraps CGMTRMatrix2D::ScaleBy.")
        .def("set_to_mirror", &M::SetToMirror, "point"_a, "direction"_a,
             "The reflection across the line through the point along the direction. Wraps "
             "CGMTRMatrix2D::SetToMirror.")
        .def("mirror", &M::Mirror, "point"_a, "direction"_a,
             "Appends that reflection. Wraps CGMTRMatrix2D::Mirror.")
        .def(
            "__eq__",
            [](const M& a, const M& b) { return matrix_values(a).equal(matrix_values(b)); },
            py::is_operator(),
            "Exactly the same nine values (CGMTRMatrix2D::GetSingleValue); the library defines "
            "no tolerant matrix equality.")
        .def("__repr__", &matrix_repr, "Matrix2D(m00, ..., m22) (CGMTRMatrix2D::GetSingleValue).")
        .def(py::pickle([](const M& mat) { return matrix_values(mat); },
                        [](const py::tuple& t) { return matrix_from_values(t); }));
    add_copy<M>(c);
}

using T = CGMTRTransform2D;

// The transform's copy constructor takes a non-const reference, so it can be
// neither copied nor moved from a temporary: every new transform is made on
// the heap and handed to Python as its owner.
std::unique_ptr<T> transform_from(const M& mat) {
    auto t = std::make_unique<T>();
    t->SetTrMatrix2D(mat);
    return t;
}

std::unique_ptr<T> transform_copy(T& t) {
    return std::make_unique<T>(t);
}

void bind_transform2d() {
    auto c = existing<T>();
    c.def(py::init<>(), "The identity. Wraps CGMTRTransform2D::CGMTRTransform2D().")
        .def(py::init(&transform_from), "matrix"_a,
             "A transform holding the matrix. Wraps CGMTRTransform2D::SetTrMatrix2D.")
        .def_property(
            "tr_matrix2d", [](T& t) { return t.GetTrMatrix2D(); },
            [](T& t, const M& mat) { t.SetTrMatrix2D(mat); },
            "A copy of the accumulated matrix. Wraps CGMTRTransform2D::GetTrMatrix2D / "
            "SetTrMatrix2D.")
        .def("reset", &T::Reset, "Back to the identity. Wraps CGMTRTransform2D::Reset.")
        .def(
            "mirror", [](T& t, CGMTRPoint2D p, CGMTRVector2D v) { t.Mirror(p, v); }, "point"_a,
            "direction"_a,
            "Appends the reflection across the line through the point. Wraps "
            "CGMTRTransform2D::Mirror.")
        .def(
            "scale", [](T& t, CGMTRPoint2D p, double f) { t.Scale(p, f); }, "center"_a, "factor"_a,
            "Appends a scaling about the centre. Wraps CGMTRTransform2D::Scale.")
        .def(
            "rotate", [](T& t, CGMTRPoint2D p, double a) { t.Rotate(p, a); }, "center"_a, "angle"_a,
            "Appends a turn about the centre. Wraps CGMTRTransform2D::Rotate.")
        .def(
            "transfer", [](T& t, CGMTRVector2D v) { t.Transfer(v); }, "vector"_a,
            "Appends a translation. Wraps CGMTRTransform2D::Transfer.")
        .def(
            "get_component",
            [](T& t) {
                double scale = 0.0, rotation = 0.0;
                int mirror = 0;
                CGMTRVector2D transfer;
                const int ok = t.GetComponent(&scale, &rotation, &mirror, &transfer);
                py::object rot = ok ? py::object(py::float_(rotation)) : py::object(py::none());
                return result_type(Result::TransformComponents)(scale, rot, mirror, transfer);
            },
            "TransformComponents(scale, rotation, mirror, transfer); rotation is None for a "
            "singular linear part. Wraps CGMTRTransform2D::GetComponent.")
        .def("__copy__", &transform_copy, "A copy (C++ copy constructor).")
        .def(
            "__deepcopy__", [](T& t, py::dict) { return transform_copy(t); }, "memo"_a,
            "A copy (C++ copy constructor).")
        .def(
            "__repr__", [](T& t) { return "Transform2D(" + matrix_repr(t.GetTrMatrix2D()) + ")"; },
            "Transform2D(Matrix2D(...)) (CGMTRTransform2D::GetTrMatrix2D).")
        .def(py::pickle([](T& t) { return matrix_values(t.GetTrMatrix2D()); },
                        [](const py::tuple& v) { return transform_from(matrix_from_values(v)); }));
}

using C = CGMTRCoorMatrix;

void bind_coor() {
    auto c = existing<C>();
    c.def(py::init<>(), "The identity system. Wraps CGMTRCoorMatrix::CGMTRCoorMatrix().")
        .def(py::init<int, double, const CGMTRVector2D&>(), "inverse"_a, "rotation"_a, "transfer"_a,
             "Exchange flag, rotation (radians) and transfer. Wraps "
             "CGMTRCoorMatrix::CGMTRCoorMatrix(int, double, CGMTRVector2D).")
        .def_property("is_inverse", &C::GetIsInverse, &C::SetsInverse,
                      "The axis exchange flag. Wraps CGMTRCoorMatrix::GetIsInverse / SetsInverse.")
        .def_property(
            "rotation", &C::GetRotate, [](C& c, double r) { c.SetRotate(r); },
            "The rotation in radians. Wraps CGMTRCoorMatrix::GetRotate / SetRotate.")
        .def_property(
            "transfer", [](const C& c) { return CGMTRVector2D(c.GetTransfer()); }, &C::SetTransfer,
            "A copy of the shift of the origin. Wraps CGMTRCoorMatrix::GetTransfer / "
            "SetTransfer.")
        .def("reset", &C::Reset, "Back to the identity. Wraps CGMTRCoorMatrix::Reset.")
        .def("is_transformed", const_fn(&C::IsTransformed),
             "1 when the system differs from the identity. Wraps "
             "CGMTRCoorMatrix::IsTransformed.")
        .def("get_tr_matrix", const_fn(&C::GetTrMatrix),
             "The equivalent matrix. Wraps CGMTRCoorMatrix::GetTrMatrix.")
        .def(
            "__repr__",
            [](const C& c) {
                return "CoorMatrix(" + std::to_string(c.GetIsInverse()) + ", " +
                       fmt(c.GetRotate()) + ", " + fmt_vector(c.GetTransfer()) + ")";
            },
            "CoorMatrix(inverse, rotation, (x, y)) (CGMTRCoorMatrix getters).")
        .def(py::pickle(
            [](const C& c) {
                return py::make_tuple(c.GetIsInverse(), c.GetRotate(), c.GetTransfer().X(),
                                      c.GetTransfer().Y());
            },
            [](const py::tuple& t) {
                return C(t[0].cast<int>(), t[1].cast<double>(),
                         CGMTRVector2D(t[2].cast<double>(), t[3].cast<double>()));
            }));
    add_copy<C>(c);
}

} // namespace

void declare_transform(py::module_& m) {
    py::class_<M>(m, "Matrix2D",
                  "3x3 homogeneous plane matrix for row vectors: (x', y', w) = (x, y, 1) * M, "
                  "translation in row 2; A *= B applies B after A. Wraps CGMTRMatrix2D.\n\n"
                  "Index with m[i, j]; indices outside 0 to 2 raise IndexError.");
    py::class_<T>(m, "Transform2D",
                  "A plane transform built step by step; each step acts after the earlier ones. "
                  "Wraps CGMTRTransform2D.");
    py::class_<C>(m, "CoorMatrix",
                  "A plane coordinate system: optional exchange of x and y, a turn, then a shift. "
                  "Wraps CGMTRCoorMatrix.");
}

void define_transform(py::module_&) {
    bind_matrix();
    bind_transform2d();
    bind_coor();
}

} // namespace gmtrpy
