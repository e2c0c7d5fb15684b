// Repeat patterns: the abstract Repeat and its four kinds.
//
// A pattern owns the rest of its chain. set_repeat stores a copy of its
// argument (the library clones it), get_repeat and clone hand Python a new
// chain that Python then owns, so a script can never reach a pattern that a
// chain deletes, nor make two chains share one.
#include "common.h"

#include "CGMTRRepeat.h"
#include "CGMTRRepeatArc2D.h"
#include "CGMTRRepeatArcSymmetry2D.h"
#include "CGMTRRepeatGrid.h"
#include "CGMTRRepeatLine2D.h"

#include <memory>

namespace gmtrpy {

namespace {

using R = CGMTRRepeat;
using RL = CGMTRRepeatLine2D;
using RA = CGMTRRepeatArc2D;
using RS = CGMTRRepeatArcSymmetry2D;
using RG = CGMTRRepeatGrid;
using P = CGMTRPoint2D;

std::unique_ptr<R> owned(R* r) {
    return std::unique_ptr<R>(r);
}

std::unique_ptr<R> next_of(R& r) {
    return owned(r.GetRepeat());
}

std::unique_ptr<R> clone_of(R& r) {
    std::unique_ptr<R> copy = owned(r.Clone());
    if (!copy)
        throw std::bad_alloc();
    return copy;
}

// The pattern's own parameters, in the order of its constructor's keywords.
py::tuple own_params(R& r) {
    switch (r.GetRepeatType()) {
    case REPEAT_LINE2D: {
        auto& l = static_cast<RL&>(r);
        return py::make_tuple(l.GetLineAngle(), l.GetRepeatSpace());
    }
    case REPEAT_ARC2D:
    case REPEAT_ARC_SYMMETRY2D: {
        auto& a = static_cast<RA&>(r);
        double x = 0.0, y = 0.0;
        a.GetOriginPt2(x, y);
        return py::make_tuple(x, y, a.GetSpaceAngle());
    }
    case REPEAT_GRID: {
        auto& g = static_cast<RG&>(r);
        return py::make_tuple(g.GetSpaceX(), g.GetSpaceY(), g.GetRepeatX(), g.GetRepeatY(),
                              g.GetBaseAngle());
    }
    }
    return py::make_tuple();
}

// Kind, own parameters, own count and the same for the rest of the chain.
py::object chain_state(R& r) {
    std::unique_ptr<R> next = next_of(r);
    return py::make_tuple(static_cast<int>(r.GetRepeatType()), own_params(r), r.GetCurrentCount(),
                          next ? chain_state(*next) : py::object(py::none()));
}

void chain_after(R& r, const py::object& repeat) {
    if (!repeat.is_none())
        r.SetRepeat(repeat.cast<R*>());
}

std::string own_repr(R& r) {
    const py::tuple p = own_params(r);
    const std::string count = std::to_string(r.GetCurrentCount());
    switch (r.GetRepeatType()) {
    case REPEAT_LINE2D:
        return "RepeatLine2D(angle=" + fmt(p[0].cast<double>()) +
               ", space=" + fmt(p[1].cast<double>()) + ", count=" + count;
    case REPEAT_ARC2D:
    case REPEAT_ARC_SYMMETRY2D:
        return std::string(r.GetRepeatType() == REPEAT_ARC2D ? "RepeatArc2D"
                                                             : "RepeatArcSymmetry2D") +
               "(origin=" + fmt_xy(p[0].cast<double>(), p[1].cast<double>()) +
               ", space_angle=" + fmt(p[2].cast<double>()) + ", count=" + count;
    case REPEAT_GRID:
        return "RepeatGrid(space_x=" + fmt(p[0].cast<double>()) +
               ", space_y=" + fmt(p[1].cast<double>()) +
               ", repeat_x=" + std::to_string(p[2].cast<long>()) +
               ", repeat_y=" + std::to_string(p[3].cast<long>()) +
               ", base_angle=" + fmt(p[4].cast<double>());
    }
    return "Repeat(";
}

std::string chain_repr(R& r) {
    std::unique_ptr<R> next = next_of(r);
    return own_repr(r) + (next ? ", repeat=" + chain_repr(*next) : std::string()) + ")";
}

// Pickled state: own parameters, own count and the next pattern (a Python
// object pickled in its turn), or None.
py::tuple pickle_state(R& r) {
    std::unique_ptr<R> next = next_of(r);
    return py::make_tuple(own_params(r), r.GetCurrentCount(),
                          next ? py::cast(std::move(next)) : py::object(py::none()));
}

std::unique_ptr<RL> make_line(double angle, double space, long count, const py::object& repeat) {
    auto r = std::make_unique<RL>();
    r->ConstructRepeatLine(angle, space, count);
    chain_after(*r, repeat);
    return r;
}

template <class T>
std::unique_ptr<T> make_arc(const P& origin, double spaceAngle, long count,
                            const py::object& repeat) {
    auto r = std::make_unique<T>();
    r->ConstructRepeatArc(origin.X(), origin.Y(), spaceAngle, count);
    chain_after(*r, repeat);
    return r;
}

std::unique_ptr<RG> make_grid(double spaceX, double spaceY, long repeatX, long repeatY,
                              double baseAngle, const py::object& repeat) {
    auto r = std::make_unique<RG>();
    r->ConstructRepeatGrid(spaceX, spaceY, repeatX, repeatY, baseAngle);
    chain_after(*r, repeat);
    return r;
}

template <class T, class Cls, class Make> void add_pickle(Cls& c, Make make) {
    c.def(py::pickle([](T& r) { return pickle_state(r); },
                     [make](const py::tuple& t) {
                         return make(t[0].cast<py::tuple>(), t[1].cast<long>(), t[2]);
                     }));
}

void bind_base() {
    auto c = existing<R>();
    c.def_property_readonly("count", const_fn(&R::GetCount),
                            "Number of copies of the whole chain. Wraps CGMTRRepeat::GetCount.")
        .def_property("current_count", const_fn(&R::GetCurrentCount), &R::PutCount,
                      "Own count of this pattern alone (the grid ignores the setter). Wraps "
                      "CGMTRRepeat::GetCurrentCount / PutCount.")
        .def_property_readonly("repeat_type", const_fn(&R::GetRepeatType),
                               "The kind of this pattern. Wraps CGMTRRepeat::GetRepeatType.")
        .def("get_repeat_angle", const_fn(&R::GetRepeatAngle), "index"_a, "angle"_a,
             "The angle of copy `index` of an element at `angle`. Wraps "
             "CGMTRRepeat::GetRepeatAngle.")
        .def(
            "set_repeat", [](R& r, R* next) { r.SetRepeat(next); }, "repeat"_a.none(true),
            "Appends a copy of the pattern (and its chain) after the last pattern of this "
            "chain; the argument stays independent. None deletes the last pattern of the chain "
            "(never this one). Wraps CGMTRRepeat::SetRepeat.")
        .def("get_repeat", &next_of,
             "A new copy of the rest of the chain after this pattern, or None. Wraps "
             "CGMTRRepeat::GetRepeat.")
        .def("clone", &clone_of,
             "A new, independent copy of this pattern and its chain. Wraps CGMTRRepeat::Clone.")
        .def(
            "get_repeat_point",
            [](R& r, long index, const P& point, const py::object& ref) {
                const P reference = ref.is_none() ? point : ref.cast<P>();
                return r.GetRepeatPoint(index, point, reference);
            },
            "index"_a, "point"_a, "ref"_a = py::none(),
            "The position of copy `index` of the point; `ref` is the reference point (the point "
            "itself when omitted). Wraps CGMTRRepeat::GetRepeatPoint.")
        .def(
            "get_repeat_point2",
            [](R& r, long index, double x, double y, const py::object& ref) {
                const P reference = ref.is_none() ? P(x, y) : ref.cast<P>();
                double ox = 0.0, oy = 0.0;
                r.GetRepeatPoint2(index, x, y, &ox, &oy, reference);
                return py::make_tuple(ox, oy);
            },
            "index"_a, "x"_a, "y"_a, "ref"_a = py::none(),
            "get_repeat_point on bare coordinates, as a tuple (x, y). Wraps "
            "CGMTRRepeat::GetRepeatPoint2.")
        .def("__copy__", &clone_of, "A copy of the pattern and its chain (CGMTRRepeat::Clone).")
        .def(
            "__deepcopy__", [](R& r, py::dict) { return clone_of(r); }, "memo"_a,
            "A copy of the pattern and its chain (CGMTRRepeat::Clone).")
        .def(
            "__eq__", [](R& a, R& b) { return chain_state(a).equal(chain_state(b)); },
            py::is_operator(),
            "Same kinds, parameters and own counts all along the two chains, exactly (read with "
            "the getters and CGMTRRepeat::GetRepeat); the library defines no pattern equality.")
        .def("__repr__", &chain_repr,
             "The constructor call that rebuilds the pattern and its chain (getters and "
             "CGMTRRepeat::GetRepeat).");
}

void bind_line() {
    auto c = existing<RL, R>();
    c.def(py::init(&make_line), "angle"_a = 0.0, "space"_a = 0.0, "count"_a = 0,
          "repeat"_a = py::none(),
          "`count` copies `space` apart along the direction `angle`, then a copy of `repeat` "
          "chained after it. Wraps CGMTRRepeatLine2D::ConstructRepeatLine and "
          "CGMTRRepeat::SetRepeat.")
        .def("construct_repeat_line", &RL::ConstructRepeatLine, "angle"_a, "space"_a, "count"_a,
             "Sets angle, space and own count. Wraps CGMTRRepeatLine2D::ConstructRepeatLine.")
        .def_property("line_angle", const_fn(&RL::GetLineAngle), &RL::PutLineAngle,
                      "Direction of the steps. Wraps CGMTRRepeatLine2D::GetLineAngle / "
                      "PutLineAngle.")
        .def_property("repeat_space", const_fn(&RL::GetRepeatSpace), &RL::PutRepeatSpace,
                      "Distance between copies. Wraps CGMTRRepeatLine2D::GetRepeatSpace / "
                      "PutRepeatSpace.");
    add_pickle<RL>(c, [](const py::tuple& p, long count, const py::object& next) {
        return make_line(p[0].cast<double>(), p[1].cast<double>(), count, next);
    });
}

template <class T, class Base> void bind_arc_kind(const char* wraps) {
    auto c = existing<T, Base>();
    c.def(py::init(&make_arc<T>), "origin"_a = P(), "space_angle"_a = 0.0, "count"_a = 0,
          "repeat"_a = py::none(),
          (std::string("`count` copies turned by `space_angle` about `origin`, then a copy of "
                       "`repeat` chained after it. Wraps ") +
           wraps + "::ConstructRepeatArc and CGMTRRepeat::SetRepeat.")
              .c_str());
    add_pickle<T>(c, [](const py::tuple& p, long count, const py::object& next) {
        return make_arc<T>(P(p[0].cast<double>(), p[1].cast<double>()), p[2].cast<double>(), count,
                           next);
    });
}

void bind_arc() {
    auto c = existing<RA, R>();
    c.def("construct_repeat_arc", &RA::ConstructRepeatArc, "origin_x"_a, "origin_y"_a,
          "space_angle"_a, "count"_a,
          "Sets origin, space angle and own count. Wraps CGMTRRepeatArc2D::ConstructRepeatArc.")
        .def_property("space_angle", const_fn(&RA::GetSpaceAngle), &RA::PutSpaceAngle,
                      "Turn between copies. Wraps CGMTRRepeatArc2D::GetSpaceAngle / "
                      "PutSpaceAngle.")
        .def_property(
            "origin_pt", const_fn(&RA::GetOriginPt), [](RA& r, P p) { r.SetOriginPt(p); },
            "Centre of the rotation. Wraps CGMTRRepeatArc2D::GetOriginPt / SetOriginPt.")
        .def(
            "get_origin_pt2",
            [](RA& r) {
                double x = 0.0, y = 0.0;
                r.GetOriginPt2(x, y);
                return py::make_tuple(x, y);
            },
            "The origin as a tuple (x, y). Wraps CGMTRRepeatArc2D::GetOriginPt2.")
        .def("set_origin_pt2", &RA::SetOriginPt2, "x"_a, "y"_a,
             "Sets the origin. Wraps CGMTRRepeatArc2D::SetOriginPt2.");
    bind_arc_kind<RA, R>("CGMTRRepeatArc2D");
    bind_arc_kind<RS, RA>("CGMTRRepeatArcSymmetry2D");
}

void bind_grid() {
    auto c = existing<RG, R>();
    c.def(py::init(&make_grid), "space_x"_a = 0.0, "space_y"_a = 0.0, "repeat_x"_a = 0,
          "repeat_y"_a = 0, "base_angle"_a = 0.0, "repeat"_a = py::none(),
          "repeat_x columns `space_x` apart and repeat_y rows `space_y` apart on axes turned by "
          "`base_angle`, in serpentine order, then a copy of `repeat` chained after it. Wraps "
          "CGMTRRepeatGrid::ConstructRepeatGrid and CGMTRRepeat::SetRepeat.")
        .def("construct_repeat_grid", &RG::ConstructRepeatGrid, "space_x"_a, "space_y"_a,
             "repeat_x"_a, "repeat_y"_a, "base_angle"_a,
             "Sets the five parameters. Wraps CGMTRRepeatGrid::ConstructRepeatGrid.")
        .def_property("space_x", const_fn(&RG::GetSpaceX), &RG::PutSpaceX,
                      "Column spacing. Wraps CGMTRRepeatGrid::GetSpaceX / PutSpaceX.")
        .def_property("space_y", const_fn(&RG::GetSpaceY), &RG::PutSpaceY,
                      "Row spacing. Wraps CGMTRRepeatGrid::GetSpaceY / PutSpaceY.")
        .def_property("base_angle", const_fn(&RG::GetBaseAngle), &RG::PutBaseAngle,
                      "Direction of the grid's x axis. Wraps CGMTRRepeatGrid::GetBaseAngle / "
                      "PutBaseAngle.")
        .def_property("repeat_x", const_fn(&RG::GetRepeatX), &RG::PutRepeatX,
                      "Number of columns. Wraps CGMTRRepeatGrid::GetRepeatX / PutRepeatX.")
        .def_property("repeat_y", const_fn(&RG::GetRepeatY), &RG::PutRepeatY,
                      "Number of rows. Wraps CGMTRRepeatGrid::GetRepeatY / PutRepeatY.");
    add_pickle<RG>(c, [](const py::tuple& p, long, const py::object& next) {
        return make_grid(p[0].cast<double>(), p[1].cast<double>(), p[2].cast<long>(),
                         p[3].cast<long>(), p[4].cast<double>(), next);
    });
}

} // namespace

void declare_repeat(py::module_& m) {
    py::enum_<tagGMTRRepeatType>(m, "RepeatType",
                                 "The kind of a repeat pattern. Wraps tagGMTRRepeatType.")
        .value("LINE2D", REPEAT_LINE2D, "RepeatLine2D (REPEAT_LINE2D)")
        .value("ARC2D", REPEAT_ARC2D, "RepeatArc2D (REPEAT_ARC2D)")
        .value("ARC_SYMMETRY2D", REPEAT_ARC_SYMMETRY2D,
               "RepeatArcSymmetry2D (REPEAT_ARC_SYMMETRY2D)")
        .value("GRID", REPEAT_GRID, "RepeatGrid (REPEAT_GRID)");
    py::class_<R>(m, "Repeat",
                  "The abstract repeat pattern: numbered copies of a point, chained so that the "
                  "next pattern repeats every copy. Wraps CGMTRRepeat.");
    py::class_<RL, R>(m, "RepeatLine2D",
                      "Copies at equal steps along a direction. Wraps CGMTRRepeatLine2D.");
    py::class_<RA, R>(m, "RepeatArc2D",
                      "Copies around an origin that keep their orientation. Wraps "
                      "CGMTRRepeatArc2D.");
    py::class_<RS, RA>(m, "RepeatArcSymmetry2D",
                       "Copies around an origin that turn with the step. Wraps "
                       "CGMTRRepeatArcSymmetry2D.");
    py::class_<RG, R>(m, "RepeatGrid",
                      "Copies on a turned grid in serpentine order. Wraps CGMTRRepeatGrid.");
}

void define_repeat(py::module_&) {
    bind_base();
    bind_line();
    bind_arc();
    bind_grid();
}

} // namespace gmtrpy
