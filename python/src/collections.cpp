// Collections: Point2DCol, BaseGeo2DCol, PointValue and PointValueCol.
//
// All three are Python sequences: len, iteration, indexing with negative
// indices and IndexError for a bad index. The C++ members with their int
// results (get_item, put_item, ...) stay available under their own names.
#include "common.h"

#include "CGMTRBaseGeo2D.h"
#include "CGMTRBaseGeo2DCol.h"
#include "CGMTRPoint2DCol.h"
#include "CGMTRPointValueCol.h"

#include <pybind11/numpy.h>

#include <memory>

namespace gmtrpy {

namespace {

using P = CGMTRPoint2D;
using PC = CGMTRPoint2DCol;
using B = CGMTRBaseGeo2D;
using BC = CGMTRBaseGeo2DCol;
using PV = tagGMTRPointValue;
using VC = CGMTRPointValueCol;

// A slice of a sequence of `count` items as the list of its indices.
std::vector<long> slice_indices(const py::slice& s, long count) {
    size_t start, stop, step, length;
    if (!s.compute(static_cast<size_t>(count), &start, &stop, &step, &length))
        throw py::error_already_set();
    std::vector<long> out;
    for (size_t i = 0; i < length; ++i, start += step)
        out.push_back(static_cast<long>(start));
    return out;
}

// ---- Point2DCol ---------------------------------------------------------------

P point_at(const PC& c, long i) {
    P p;
    c.get_Item(i, p);
    return p;
}

PC points_from(const py::iterable& items) {
    PC c;
    for (py::handle h : items)
        c.Add(h.cast<P>());
    return c;
}

py::array_t<double> points_to_array(const PC& c) {
    const long n = c.GetCount();
    py::array_t<double> a({static_cast<py::ssize_t>(n), static_cast<py::ssize_t>(2)});
    auto w = a.mutable_unchecked<2>();
    for (long i = 0; i < n; ++i) {
        const P p = point_at(c, i);
        w(i, 0) = p.X();
        w(i, 1) = p.Y();
    }
    return a;
}

PC points_from_array(const py::array_t<double, py::array::c_style | py::array::forcecast>& a) {
    if (a.ndim() != 2 || a.shape(1) != 2)
        throw py::value_error("Point2DCol.from_array expects an (n, 2) array");
    auto r = a.unchecked<2>();
    PC c;
    for (py::ssize_t i = 0; i < r.shape(0); ++i)
        c.Add(P(r(i, 0), r(i, 1)));
    return c;
}

std::string points_repr(const PC& c) {
    std::string s = "Point2DCol([";
    for (long i = 0; i < c.GetCount(); ++i)
        s += (i ? ", " : "") + fmt_point(point_at(c, i));
    return s + "])";
}

void bind_points() {
    auto c = existing<PC>();
    c.def(py::init<>(), "An empty collection. Wraps CGMTRPoint2DCol::CGMTRPoint2DCol().")
        .def(py::init(&points_from), "points"_a,
             "A collection of the given points in order. Uses CGMTRPoint2DCol::Add.")
        .def_static("from_array", &points_from_array, "array"_a,
                    "A collection of the rows of an (n, 2) array. Uses CGMTRPoint2DCol::Add.")
        .def("to_array", &points_to_array,
             "The points as an (n, 2) float64 array. Uses CGMTRPoint2DCol::get_Item.")
        .def(
            "__array__",
            [](const PC& c, py::object dtype, py::object) -> py::object {
                py::object a = points_to_array(c);
                return dtype.is_none() ? a : a.attr("astype")(dtype);
            },
            "dtype"_a = py::none(), "copy"_a = py::none(),
            "numpy.asarray(collection): the (n, 2) array of to_array (CGMTRPoint2DCol::get_Item).")
        .def("get_count", const_fn(&PC::GetCount),
             "Number of points. Wraps CGMTRPoint2DCol::GetCount.")
        .def("is_empty", &PC::IsEmpty, "1 when empty. Wraps CGMTRPoint2DCol::IsEmpty.")
        .def("add", &PC::Add, "point"_a, "Appends a copy; returns 1. Wraps CGMTRPoint2DCol::Add.")
        .def("insert", &PC::Insert, "index"_a, "point"_a,
             "Inserts at the index (0 to count); other indices do nothing. Wraps "
             "CGMTRPoint2DCol::Insert.")
        .def("remove", &PC::Remove, "index"_a,
             "Removes the point at the index; a bad index does nothing. Wraps "
             "CGMTRPoint2DCol::Remove.")
        .def("get_item", &PC::get_Item, "index"_a, "point"_a,
             "Copies the point at the index into `point`; 1, or 0 for a bad index (point "
             "untouched). Wraps CGMTRPoint2DCol::get_Item.")
        .def("put_item", &PC::put_Item, "index"_a, "point"_a,
             "Overwrites the point at the index; 1, or 0 for a bad index. Wraps "
             "CGMTRPoint2DCol::put_Item.")
        .def("clear", &PC::Clear, "Removes every point. Wraps CGMTRPoint2DCol::Clear.")
        .def("append_list", &PC::AppendList, "other"_a,
             "Appends copies of the other's points. Wraps CGMTRPoint2DCol::AppendList.")
        .def(
            "__len__", [](const PC& c) { return c.GetCount(); },
            "Number of points (CGMTRPoint2DCol::GetCount).")
        .def(
            "__getitem__",
            [](const PC& c, long i) { return point_at(c, check_index(i, c.GetCount())); },
            "index"_a,
            "A copy of the point; IndexError for a bad index (CGMTRPoint2DCol::get_Item).")
        .def(
            "__getitem__",
            [](const PC& c, const py::slice& s) {
                py::list out;
                for (long i : slice_indices(s, c.GetCount()))
                    out.append(point_at(c, i));
                return out;
            },
            "index"_a, "A list of copies of the points in the slice (CGMTRPoint2DCol::get_Item).")
        .def(
            "__setitem__",
            [](PC& c, long i, const P& p) { c.put_Item(check_index(i, c.GetCount()), p); },
            "index"_a, "point"_a,
            "Overwrites a point; IndexError for a bad index "
            "(CGMTRPoint2DCol::put_Item).")
        .def(
            "__delitem__", [](PC& c, long i) { c.Remove(check_index(i, c.GetCount())); }, "index"_a,
            "Removes a point; IndexError for a bad index (CGMTRPoint2DCol::Remove).")
        .def(
            "__iter__", [](const PC& c) { return py::iter(to_list(c)); },
            "Iterates over copies of the points (CGMTRPoint2DCol::get_Item).")
        .def("__repr__", &points_repr, "Point2DCol([(x, y), ...]) (CGMTRPoint2DCol::get_Item).")
        .def(py::pickle(
            [](const PC& c) { return py::make_tuple(points_to_array(c).attr("tolist")()); },
            [](const py::tuple& t) { return points_from(t[0]); }));
    add_copy<PC>(c);
}

// ---- BaseGeo2DCol ---------------------------------------------------------------

// Entities go in and come out as copies (Clone): the collection owns its own
// entities and deletes them, and no Python object ever points into it, so no
// order of del, reassignment or garbage collection can free an entity twice
// or reach one that was freed.
B* owned_copy(const B* e) {
    if (!e)
        return nullptr;
    B* copy = e->Clone();
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

py::object entity_copy(const B* e) {
    if (!e)
        return py::none();
    return py::cast(std::unique_ptr<B>(owned_copy(e)));
}

BC entities_from(const py::iterable& items) {
    BC c;
    for (py::handle h : items)
        c.Add(owned_copy(h.is_none() ? nullptr : h.cast<const B*>()));
    return c;
}

void bind_entities_col() {
    auto c = existing<BC>();
    c.def(py::init<>(), "An empty collection. Wraps CGMTRBaseGeo2DCol::CGMTRBaseGeo2DCol().")
        .def(py::init(&entities_from), "entities"_a,
             "A collection of copies of the given entities (None gives a null entry). Uses "
             "CGMTRBaseGeo2DCol::Add with CGMTRBaseGeo2D::Clone.")
        .def("get_count", const_fn(&BC::GetCount),
             "Number of entries, null entries included. Wraps CGMTRBaseGeo2DCol::GetCount.")
        .def(
            "add", [](BC& c, const B* e) { return c.Add(owned_copy(e)); }, "entity"_a.none(true),
            "Appends a copy of the entity (made with Clone; the collection owns and deletes "
            "it, the Python object stays independent) or a null entry for None; returns 1. "
            "Wraps CGMTRBaseGeo2DCol::Add.")
        .def(
            "get_item", [](BC& c, long i) { return entity_copy(c.get_Item(i)); }, "index"_a,
            "A copy of the entity at the index, or None for a null entry or a bad index. Wraps "
            "CGMTRBaseGeo2DCol::get_Item.")
        .def("clear", &BC::Clear, "Deletes every entity. Wraps CGMTRBaseGeo2DCol::Clear.")
        .def(
            "__len__", [](BC& c) { return c.GetCount(); },
            "Number of entries (CGMTRBaseGeo2DCol::GetCount).")
        .def(
            "__getitem__",
            [](BC& c, long i) { return entity_copy(c.get_Item(check_index(i, c.GetCount()))); },
            "index"_a,
            "A copy of the entity (None for a null entry); IndexError for a bad index "
            "(CGMTRBaseGeo2DCol::get_Item).")
        .def(
            "__iter__",
            [](BC& c) {
                py::list out;
                for (long i = 0; i < c.GetCount(); ++i)
                    out.append(entity_copy(c.get_Item(i)));
                return py::iter(out);
            },
            "Iterates over copies of the entities (CGMTRBaseGeo2DCol::get_Item).")
        .def(
            "__repr__",
            [](BC& c) {
                std::string s = "BaseGeo2DCol([";
                for (long i = 0; i < c.GetCount(); ++i)
                    s += (i ? ", " : "") + std::string(py::repr(entity_copy(c.get_Item(i))));
                return s + "])";
            },
            "BaseGeo2DCol([...]) (CGMTRBaseGeo2DCol::get_Item).")
        .def(py::pickle(
            [](BC& c) {
                py::list out;
                for (long i = 0; i < c.GetCount(); ++i)
                    out.append(entity_copy(c.get_Item(i)));
                return py::make_tuple(out);
            },
            [](const py::tuple& t) { return entities_from(t[0]); }));
    add_copy<BC>(c);
}

// ---- PointValue and PointValueCol ------------------------------------------------

PV make_record(double x, double y, const py::sequence& value) {
    if (py::len(value) != 2)
        throw py::type_error("PointValue.value expects 2 numbers");
    PV r;
    r.x = x;
    r.y = y;
    r.value[0] = value[0].cast<float>();
    r.value[1] = value[1].cast<float>();
    return r;
}

py::tuple record_state(const PV& r) {
    return py::make_tuple(r.x, r.y, py::make_tuple(r.value[0], r.value[1]));
}

std::string record_repr(const PV& r) {
    return "PointValue(" + fmt(r.x) + ", " + fmt(r.y) + ", " + fmt_xy(r.value[0], r.value[1]) + ")";
}

PV record_at(VC& c, long i) {
    PV r{};
    c.get_Item(i, r);
    return r;
}

void bind_records() {
    auto r = existing<PV>();
    r.def(py::init(&make_record), "x"_a = 0.0, "y"_a = 0.0, "value"_a = py::make_tuple(0.0, 0.0),
          "A record: the point (x, y) and two single-precision values. Builds a "
          "tagGMTRPointValue.")
        .def_readwrite("x", &PV::x, "x coordinate (tagGMTRPointValue::x).")
        .def_readwrite("y", &PV::y, "y coordinate (tagGMTRPointValue::y).")
        .def_property(
            "value", [](const PV& v) { return py::make_tuple(v.value[0], v.value[1]); },
            [](PV& v, const py::sequence& s) { v = make_record(v.x, v.y, s); },
            "The two attached values as a tuple, stored as 32-bit floats "
            "(tagGMTRPointValue::value).")
        .def(
            "__eq__",
            [](const PV& a, const PV& b) { return record_state(a).equal(record_state(b)); },
            py::is_operator(), "Exactly the same fields (tagGMTRPointValue).")
        .def("__repr__", &record_repr, "PointValue(x, y, (v0, v1)) (tagGMTRPointValue).")
        .def(py::pickle(&record_state, [](const py::tuple& t) {
            return make_record(t[0].cast<double>(), t[1].cast<double>(), t[2]);
        }));
    add_copy<PV>(r);

    auto c = existing<VC>();
    c.def(py::init<>(),
          "Empty, used-value count 0. Wraps CGMTRPointValueCol::CGMTRPointValueCol().")
        .def_property("used_value_count", &VC::GetUsedValueCount, &VC::SetUsedValueCount,
                      "How many of each record's values are in use, stored for the host. Wraps "
                      "CGMTRPointValueCol::GetUsedValueCount / SetUsedValueCount.")
        .def("get_count", const_fn(&VC::GetCount),
             "Number of records. Wraps CGMTRPointValueCol::GetCount.")
        .def(
            "add", [](VC& c, PV r) { return c.Add(r); }, "record"_a,
            "Appends a copy; returns 1. Wraps CGMTRPointValueCol::Add.")
        .def("get_item", const_fn(&VC::get_Item), "index"_a, "record"_a,
             "Copies the record at the index into `record`; 1, or 0 for a bad index. Wraps "
             "CGMTRPointValueCol::get_Item.")
        .def(
            "put_item", [](VC& c, long i, PV r) { return c.put_Item(i, r); }, "index"_a, "record"_a,
            "Overwrites the record at the index; 1, or 0 for a bad index. Wraps "
            "CGMTRPointValueCol::put_Item.")
        .def("clear", &VC::Clear,
             "Removes every record; keeps the used-value count. Wraps CGMTRPointValueCol::Clear.")
        .def(
            "__len__", [](VC& c) { return c.GetCount(); },
            "Number of records (CGMTRPointValueCol::GetCount).")
        .def(
            "__getitem__", [](VC& c, long i) { return record_at(c, check_index(i, c.GetCount())); },
            "index"_a,
            "A copy of the record; IndexError for a bad index "
            "(CGMTRPointValueCol::get_Item).")
        .def(
            "__setitem__", [](VC& c, long i, PV r) { c.put_Item(check_index(i, c.GetCount()), r); },
            "index"_a, "record"_a,
            "Overwrites a record; IndexError for a bad index "
            "(CGMTRPointValueCol::put_Item).")
        .def(
            "__iter__",
            [](VC& c) {
                py::list out;
                for (long i = 0; i < c.GetCount(); ++i)
                    out.append(record_at(c, i));
                return py::iter(out);
            },
            "Iterates over copies of the records (CGMTRPointValueCol::get_Item).")
        .def(
            "__repr__",
            [](VC& c) {
                std::string s = "PointValueCol([";
                for (long i = 0; i < c.GetCount(); ++i)
                    s += (i ? ", " : "") + record_repr(record_at(c, i));
                return s + "], used_value_count=" + std::to_string(c.GetUsedValueCount()) + ")";
            },
            "PointValueCol([...], used_value_count=n) (CGMTRPointValueCol::get_Item).")
        .def(py::pickle(
            [](VC& c) {
                py::list out;
                for (long i = 0; i < c.GetCount(); ++i)
                    out.append(record_at(c, i));
                return py::make_tuple(out, c.GetUsedValueCount());
            },
            [](const py::tuple& t) {
                VC c;
                for (py::handle h : t[0])
                    c.Add(h.cast<PV&>());
                c.SetUsedValueCount(t[1].cast<int>());
                return c;
            }));
    c.def(py::init([](const py::iterable& records, int used) {
              VC out;
              for (py::handle h : records)
                  out.Add(h.cast<PV&>());
              out.SetUsedValueCount(used);
              return out;
          }),
          "records"_a, "used_value_count"_a = 0,
          "A collection of copies of the records. Uses CGMTRPointValueCol::Add and "
          "SetUsedValueCount.");
    add_copy<VC>(c);
}

} // namespace

void declare_collections(py::module_& m) {
    py::class_<PC>(m, "Point2DCol",
                   "Ordered, growable collection of points held by value; a sequence of Point2D "
                   "that converts to and from an (n, 2) numpy array. Wraps CGMTRPoint2DCol.");
    py::class_<BC>(m, "BaseGeo2DCol",
                   "Ordered collection of owned entities. add() stores a copy and indexing "
                   "returns copies, so the collection and Python never share an entity. Wraps "
                   "CGMTRBaseGeo2DCol.");
    py::class_<PV>(m, "PointValue",
                   "A point with two single-precision values. Wraps tagGMTRPointValue.");
    py::class_<VC>(m, "PointValueCol",
                   "Ordered collection of PointValue records plus a used-value count. Wraps "
                   "CGMTRPointValueCol.");
}

void define_collections(py::module_&) {
    bind_points();
    bind_entities_col();
    bind_records();
}

} // namespace gmtrpy
