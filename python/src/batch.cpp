// Batch functions over numpy arrays. Each one copies what it reads from
// Python objects (matrix, pattern, entities) while it holds the GIL, then
// runs the library over the whole array with the GIL released, so other
// Python threads keep running and nothing it uses can change under it.
#include "common.h"

#include "CGMTRBaseGeo2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRLine2D.h"
#include "CGMTRMatrix2D.h"
#include "CGMTRRepeat.h"

#include <pybind11/numpy.h>

#include <memory>
#include <vector>

namespace gmtrpy {

namespace {

using In = py::array_t<double, py::array::c_style | py::array::forcecast>;
using B = CGMTRBaseGeo2D;

void expect_columns(const In& a, py::ssize_t columns, const char* what) {
    if (a.ndim() != 2 || a.shape(1) != columns)
        throw py::value_error(std::string(what) + " expects an (n, " + std::to_string(columns) +
                              ") array");
}

py::array_t<double> transform_points(const In& points, const CGMTRMatrix2D& matrix) {
    expect_columns(points, 2, "transform_points");
    const py::ssize_t n = points.shape(0);
    py::array_t<double> out({n, static_cast<py::ssize_t>(2)});
    const double* in = points.data();
    double* o = out.mutable_data();
    const CGMTRMatrix2D m(matrix);
    {
        py::gil_scoped_release unlocked;
        for (py::ssize_t i = 0; i < n; ++i) {
            CGMTRPoint2D p(in[2 * i], in[2 * i + 1]);
            p *= m;
            o[2 * i] = p.X();
            o[2 * i + 1] = p.Y();
        }
    }
    return out;
}

py::array_t<double> repeat_points(CGMTRRepeat& pattern, const CGMTRPoint2D& point,
                                  const py::object& ref) {
    const CGMTRPoint2D reference = ref.is_none() ? point : ref.cast<CGMTRPoint2D>();
    std::unique_ptr<CGMTRRepeat> chain(pattern.Clone());
    if (!chain)
        throw std::bad_alloc();
    const long count = chain->GetCount();
    const py::ssize_t n = count > 0 ? count : 0;
    py::array_t<double> out({n, static_cast<py::ssize_t>(2)});
    double* o = out.mutable_data();
    double x = point.X(), y = point.Y();
    {
        py::gil_scoped_release unlocked;
        for (py::ssize_t i = 0; i < n; ++i)
            chain->GetRepeatPoint2(static_cast<long>(i), x, y, &o[2 * i], &o[2 * i + 1], reference);
    }
    return out;
}

// Crossings of `entity` with each of `others`, gathered without the GIL.
py::object crossings(const B& entity, const std::vector<const B*>& others) {
    std::unique_ptr<B> self(entity.Clone());
    if (!self)
        throw std::bad_alloc();
    std::vector<double> xy;
    std::vector<std::int64_t> index;
    {
        py::gil_scoped_release unlocked;
        CGMTRPoint2DCol hits;
        for (size_t k = 0; k < others.size(); ++k) {
            hits.Clear();
            self->FGetCrossPoint(const_cast<B*>(others[k]), hits);
            for (int i = 0; i < hits.GetCount(); ++i) {
                CGMTRPoint2D p;
                hits.get_Item(i, p);
                xy.push_back(p.X());
                xy.push_back(p.Y());
                index.push_back(static_cast<std::int64_t>(k));
            }
        }
    }
    const py::ssize_t m = static_cast<py::ssize_t>(index.size());
    py::array_t<double> points({m, static_cast<py::ssize_t>(2)});
    py::array_t<std::int64_t> indices(m);
    std::copy(xy.begin(), xy.end(), points.mutable_data());
    std::copy(index.begin(), index.end(), indices.mutable_data());
    return result_type(Result::Crossings)(points, indices);
}

py::object cross_points(const B& entity, const py::iterable& others) {
    // Copies of the other entities: the loop then reads nothing that Python
    // code could change or free while the GIL is released.
    std::vector<std::unique_ptr<B>> copies;
    std::vector<const B*> items;
    for (py::handle h : others) {
        const B* e = h.is_none() ? nullptr : h.cast<const B*>();
        if (e) {
            copies.emplace_back(e->Clone());
            if (!copies.back())
                throw std::bad_alloc();
        }
        items.push_back(e ? copies.back().get() : nullptr);
    }
    return crossings(entity, items);
}

py::object cross_segments(const B& entity, const In& segments) {
    expect_columns(segments, 4, "cross_segments");
    const py::ssize_t n = segments.shape(0);
    const double* s = segments.data();
    std::vector<CGMTRLine2D> lines;
    lines.reserve(static_cast<size_t>(n));
    for (py::ssize_t i = 0; i < n; ++i)
        lines.emplace_back(CGMTRPoint2D(s[4 * i], s[4 * i + 1]),
                           CGMTRPoint2D(s[4 * i + 2], s[4 * i + 3]));
    std::vector<const B*> items;
    items.reserve(lines.size());
    for (const CGMTRLine2D& l : lines)
        items.push_back(&l);
    return crossings(entity, items);
}

} // namespace

void define_batch(py::module_& m) {
    m.def("transform_points", &transform_points, "points"_a, "matrix"_a,
          "Each row (x, y) of an (n, 2) array moved by the matrix, as a new (n, 2) float64 "
          "array; runs without the GIL. Uses CGMTRPoint2D::operator*=(CGMTRMatrix2D).");
    m.def("repeat_points", &repeat_points, "pattern"_a, "point"_a, "ref"_a = py::none(),
          "Every copy 0 to pattern.count - 1 of the point placed by the pattern and its chain, "
          "as a (count, 2) float64 array; `ref` is the reference point (the point itself when "
          "omitted). Runs without the GIL on a copy of the chain. Uses "
          "CGMTRRepeat::GetRepeatPoint2.");
    m.def("cross_points", &cross_points, "entity"_a, "others"_a,
          "Crossings(points, indices) of the entity with each entity of `others` (a sequence "
          "or a BaseGeo2DCol), in order; runs without the GIL on copies. Uses "
          "CGMTRBaseGeo2D::FGetCrossPoint.");
    m.def("cross_segments", &cross_segments, "entity"_a, "segments"_a,
          "Crossings(points, indices) of the entity with each segment (x0, y0, x1, y1) of an "
          "(n, 4) array; runs without the GIL. Uses CGMTRLine2D::CGMTRLine2D(CGMTRPoint2D, "
          "CGMTRPoint2D) and CGMTRBaseGeo2D::FGetCrossPoint.");
}

} // namespace gmtrpy
