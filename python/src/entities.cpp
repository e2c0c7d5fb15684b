// Plane entities: the abstract BaseGeo2D, Line2D and Arc2D.
//
// Queries that append to a CGMTRPoint2DCol return a list of points; queries
// with out-parameters return a tuple or a named result, and None where the
// library leaves its outputs untouched.
#include "common.h"

#include "CGMTRArc2D.h"
#include "CGMTRBaseGeo2D.h"
#include "CGMTRLine2D.h"
#include "CGMTRPoint2DCol.h"
#include "GMTRRT.h"

#include <cmath>
#include <functional>
#include <memory>

namespace gmtrpy {

namespace {

using B = CGMTRBaseGeo2D;
using L = CGMTRLine2D;
using A = CGMTRArc2D;
using P = CGMTRPoint2D;
using V = CGMTRVector2D;

template <class T> bool bits_equal(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// ---- Line2D state -----------------------------------------------------------

py::tuple line_state(const L& l) {
    const P& p = l.get_BasePoint();
    const V v = l.get_BaseVector();
    return py::make_tuple(p.X(), p.Y(), v.X(), v.Y());
}

L line_from_state(const py::tuple& t) {
    if (t.size() != 4)
        throw std::runtime_error("Line2D state has 4 values");
    return L(P(t[0].cast<double>(), t[1].cast<double>()),
             V(t[2].cast<double>(), t[3].cast<double>()));
}

std::string line_repr(const L& l) {
    const P start = l.get_BasePoint();
    const P end = l.get_EndPoint();
    // The two-point form reads best; it is used when it gives back exactly
    // the stored vector (end - start can round).
    if (bits_equal(L(start, end).get_BaseVector(), l.get_BaseVector()))
        return "Line2D(" + fmt_point(start) + ", " + fmt_point(end) + ")";
    return "Line2D(" + fmt_point(start) + ", vector=" + fmt_vector(l.get_BaseVector()) + ")";
}

// ---- Arc2D state --------------------------------------------------------------

// The full-circle flag is not readable directly: while it is set the sweep
// reads 2pi whatever the mid vector says, so a copy whose mid vector is made
// equal to its base vector (a zero sweep without the flag) still reads 2pi
// exactly when the flag is set.
bool full_circle(const A& a) {
    A probe(a);
    probe.PutMidVector(probe.GetBaseVector());
    return probe.GetSweepAngle() == GMTR_2PI;
}

A arc_make(const P& center, double radius, double start, double sweep) {
    // Start vector first (length, then direction), then the sweep: setting
    // the sweep last turns the mid vector from the final start vector.
    A a;
    a.PutBasePoint(center);
    a.PutRadius(radius);
    a.PutBaseAngle(start);
    a.PutSweepAngle(sweep);
    return a;
}

A arc_from_vectors(const P& center, const V& base, const V& mid, bool full) {
    // PutSweepAngle is the only setter of the full-circle flag; the mid
    // vector set after it keeps the flag.
    A a;
    a.PutBaseVector(base);
    a.PutSweepAngle(full ? GMTR_2PI : 0.0);
    a.PutMidVector(mid);
    a.PutBasePoint(center);
    return a;
}

bool arcs_identical(const A& a, const A& b) {
    return bits_equal(a.GetBasePoint(), b.GetBasePoint()) &&
           bits_equal(a.GetBaseVector(), b.GetBaseVector()) &&
           bits_equal(a.GetMidVector(), b.GetMidVector()) && full_circle(a) == full_circle(b);
}

py::tuple arc_state(const A& a) {
    const P c = a.GetBasePoint();
    const V b = a.GetBaseVector();
    const V m = a.GetMidVector();
    return py::make_tuple(c.X(), c.Y(), b.X(), b.Y(), m.X(), m.Y(), full_circle(a));
}

A arc_from_state(const py::tuple& t) {
    if (t.size() != 7)
        throw std::runtime_error("Arc2D state has 7 values");
    return arc_from_vectors(P(t[0].cast<double>(), t[1].cast<double>()),
                            V(t[2].cast<double>(), t[3].cast<double>()),
                            V(t[4].cast<double>(), t[5].cast<double>()), t[6].cast<bool>());
}

std::string arc_repr(const A& a) {
    const P c = a.GetBasePoint();
    const double r = a.GetRadius(), start = a.GetBaseAngle(), sweep = a.GetSweepAngle();
    if (arcs_identical(arc_make(c, r, start, sweep), a))
        return "Arc2D(center=" + fmt_point(c) + ", radius=" + fmt(r) + ", start=" + fmt(start) +
               ", sweep=" + fmt(sweep) + ")";
    return "Arc2D.from_vectors(center=" + fmt_point(c) +
           ", base_vector=" + fmt_vector(a.GetBaseVector()) +
           ", mid_vector=" + fmt_vector(a.GetMidVector()) +
           ", full_circle=" + (full_circle(a) ? "True" : "False") + ")";
}

// ---- Outputs written only on success --------------------------------------------

// Runs `call` on three output points primed with sentinel k, and reports
// which outputs it wrote. An output still equal to the first sentinel is
// checked again with a second one (see sentinel_value).
template <class Call> py::object fillet(Result type, Call call) {
    P first[3] = {sentinel_point(1), sentinel_point(1), sentinel_point(1)};
    call(first[0], first[1], first[2]);
    bool written[3];
    bool doubt = false;
    for (int i = 0; i < 3; ++i) {
        written[i] = !same_bits(first[i], sentinel_point(1));
        doubt = doubt || !written[i];
    }
    if (doubt) {
        P second[3] = {sentinel_point(2), sentinel_point(2), sentinel_point(2)};
        call(second[0], second[1], second[2]);
        for (int i = 0; i < 3; ++i)
            written[i] = written[i] || !same_bits(second[i], sentinel_point(2));
    }
    if (!written[0] && !written[1] && !written[2])
        return py::none();
    py::object out[3];
    for (int i = 0; i < 3; ++i)
        out[i] = written[i] ? py::cast(first[i]) : py::none();
    return result_type(type)(out[0], out[1], out[2]);
}

py::object coned_arc(A& self, A& other, py::object result) {
    if (!result.is_none())
        return py::int_(self.GetConedArc(other, result.cast<A&>()));
    A joined(self);
    if (self.GetConedArc(other, joined))
        return py::cast(joined);
    // 0 either leaves the result untouched (different circles, arcs that do
    // not meet) or rewrites it with the common start angle and sweep (the
    // same arc twice). A second result arc that starts 2 radians away from
    // this arc tells the two apart: only a rewrite moves it.
    const double b = self.GetBaseAngle();
    A probe;
    probe.PutBaseAngle(std::isfinite(b) ? b + 2.0 : 0.0);
    const A before(probe);
    self.GetConedArc(other, probe);
    if (arcs_identical(before, probe))
        return py::none();
    return py::cast(joined);
}

py::list cross(const std::function<void(CGMTRPoint2DCol&)>& call) {
    CGMTRPoint2DCol points;
    call(points);
    return to_list(points);
}

py::object angles(double a, double b) {
    return result_type(Result::JunctionAngles)(a, b);
}

void bind_base() {
    auto c = existing<B>();
    c.def_property_readonly("geometry_type", &B::get_GeometryType,
                            "GeometryType.LINE2D or GeometryType.ARC2D. Wraps "
                            "CGMTRBaseGeo2D::get_GeometryType.")
        .def("f_get_start_point", &B::FGetStartPoint,
             "The start point (percent 0). Wraps CGMTRBaseGeo2D::FGetStartPoint.")
        .def("f_get_end_point", &B::FGetEndPoint,
             "The end point (percent 1). Wraps CGMTRBaseGeo2D::FGetEndPoint.")
        .def("f_get_mid_point", &B::FGetMidPoint,
             "The point halfway along. Wraps CGMTRBaseGeo2D::FGetMidPoint.")
        .def("f_distance", &B::FDistance, "point"_a,
             "Distance from the point to the entity. Wraps CGMTRBaseGeo2D::FDistance.")
        .def("f_get_nearest_point", &B::FGetNearestPoint, "point"_a,
             "The entity's point nearest to the point. Wraps CGMTRBaseGeo2D::FGetNearestPoint.")
        .def(
            "clone",
            [](const B& e) {
                std::unique_ptr<B> copy(e.Clone());
                if (!copy)
                    throw std::bad_alloc();
                return copy;
            },
            "A new, independent copy of the same kind. Wraps CGMTRBaseGeo2D::Clone (Release is "
            "not offered: Python frees the copy).")
        .def(
            "f_get_cross_point",
            [](const B& e, B* other) {
                return cross([&](CGMTRPoint2DCol& pts) { e.FGetCrossPoint(other, pts); });
            },
            "other"_a.none(true),
            "Intersection points with another entity (none for None), as a list. Wraps "
            "CGMTRBaseGeo2D::FGetCrossPoint.")
        .def(
            "get_rect_box",
            [](const B& e) {
                double minX, maxX, maxY, minY;
                e.GetRectBox(minX, maxX, maxY, minY);
                return result_type(Result::RectBox)(minX, maxX, maxY, minY);
            },
            "RectBox(min_x, max_x, max_y, min_y). Wraps CGMTRBaseGeo2D::GetRectBox.")
        .def("distance", &B::Distance, "point"_a,
             "Distance to the entity itself. Wraps CGMTRBaseGeo2D::Distance.")
        .def("distance_to_percent", &B::DistanceToPercent, "from_"_a, "length"_a,
             "Percent of the point `length` along the entity from its start (from_=0) or end; "
             "-1.0 out of range. Wraps CGMTRBaseGeo2D::DistanceToPercent.")
        .def("point_to_percent", &B::PointToPercent, "point"_a,
             "Percent of a point on the entity, -1.0 off it. Wraps "
             "CGMTRBaseGeo2D::PointToPercent.")
        .def("percent_to_point", &B::PercentToPoint, "percent"_a,
             "The point at the percent (extrapolates outside [0, 1]). Wraps "
             "CGMTRBaseGeo2D::PercentToPoint.");
}

void bind_line() {
    auto c = existing<L, B>();
    c.def(py::init<>(), "From (0, 0) along (1, 0). Wraps CGMTRLine2D::CGMTRLine2D().")
        .def(py::init<const P&, const P&>(), "start"_a, "end"_a,
             "From start to end. Wraps CGMTRLine2D::CGMTRLine2D(CGMTRPoint2D, CGMTRPoint2D).")
        .def(py::init<const P&, const V&>(), "start"_a, "vector"_a,
             "From start along the vector. Wraps "
             "CGMTRLine2D::CGMTRLine2D(CGMTRPoint2D, CGMTRVector2D).")
        .def_property(
            "base_point", [](const L& l) { return P(l.get_BasePoint()); }, &L::put_BasePoint,
            "The start point; setting it moves the whole segment. Wraps "
            "CGMTRLine2D::get_BasePoint / put_BasePoint.")
        .def_property("end_point", &L::get_EndPoint, &L::put_EndPoint,
                      "The end point; setting it moves only the end. Wraps "
                      "CGMTRLine2D::get_EndPoint / put_EndPoint.")
        .def_property("base_vector", &L::get_BaseVector, &L::put_BaseVector,
                      "The step from start to end. Wraps CGMTRLine2D::get_BaseVector / "
                      "put_BaseVector.")
        .def_property(
            "base_angle", &L::get_BaseAngle, [](L& l, double a) { l.put_BaseAngle(a); },
            "Direction in radians; setting it turns about the start. Wraps "
            "CGMTRLine2D::get_BaseAngle / put_BaseAngle.")
        .def_property(
            "line_length", &L::get_LineLength, [](L& l, double len) { l.put_LineLength(len); },
            "Length; setting it keeps the direction. Wraps CGMTRLine2D::get_LineLength / "
            "put_LineLength.")
        .def("get_mid_point", &L::GetMidPoint,
             "The point halfway along. Wraps CGMTRLine2D::GetMidPoint.")
        .def("get_vertical_dis", const_fn(&L::GetVerticalDis), "point"_a,
             "Distance to the infinite line. Wraps CGMTRLine2D::GetVerticalDis.")
        .def("get_vertical_point", const_fn(&L::GetVerticalPoint), "point"_a,
             "Foot of the perpendicular on the infinite line. Wraps "
             "CGMTRLine2D::GetVerticalPoint.")
        .def("check_vertical_point_in_range", const_fn(&L::CheckVerticalPointInRange), "point"_a,
             "1 when that foot lies on the segment. Wraps "
             "CGMTRLine2D::CheckVerticalPointInRange.")
        .def("get_nearest_point", &L::GetNearestPoint, "point"_a,
             "The segment's point nearest to the point. Wraps CGMTRLine2D::GetNearestPoint.")
        .def(
            "get_cross_point",
            [](const L& l, L other) {
                return cross([&](CGMTRPoint2DCol& pts) { l.GetCrossPoint(other, pts); });
            },
            "other"_a,
            "The proper crossing of two segments as a list of 0 or 1 points (touching, shared "
            "ends and parallels give none). Wraps CGMTRLine2D::GetCrossPoint.")
        .def(
            "get_cross_point_ex",
            [](const L& l, const L& other) -> py::object {
                P p;
                if (!l.GetCrossPointEx(other, p))
                    return py::none();
                return py::cast(p);
            },
            "other"_a,
            "The crossing of the two infinite lines (or a shared end point), or None where the "
            "library returns 0 (parallel lines, overlap). Wraps CGMTRLine2D::GetCrossPointEx.")
        .def(
            "line_tangency_distance",
            [](const L& l, const L& other, const P& corner, double d) -> py::object {
                P onThis, onOther, centre;
                if (!l.LineTangencyDistance(other, corner, d, onThis, onOther, centre))
                    return py::none();
                return result_type(Result::CornerFillet)(onThis, onOther, centre);
            },
            "other"_a, "corner"_a, "distance"_a,
            "The corner fillet of radius `distance` between this segment and the other, in the "
            "corner that `corner` chooses (normally their common end point): "
            "CornerFillet(on_this, on_other, center), or None when it does not exist (the "
            "library returns 0 and writes nothing). Wraps CGMTRLine2D::LineTangencyDistance.")
        .def(
            "get_line_line_angle",
            [](const L& l, const L& other, const P& at, int leaving) {
                double a = 0.0, b = 0.0;
                l.GetLineLineAngle(other, at, a, b, leaving);
                return angles(a, b);
            },
            "other"_a, "point"_a, "leaving"_a,
            "JunctionAngles(this_angle, other_angle) at the common end point; leaving=1 for the "
            "directions away from it, 0 for the arriving ones. Wraps "
            "CGMTRLine2D::GetLineLineAngle.")
        .def(
            "get_line_arc_angle",
            [](const L& l, const A& arc, const P& at, int leaving) {
                double a = 0.0, b = 0.0;
                l.GetLineArcAngle(arc, at, a, b, leaving);
                return angles(a, b);
            },
            "arc"_a, "point"_a, "leaving"_a,
            "JunctionAngles(this_angle, other_angle) of this segment and the arc at their "
            "common end point. Wraps CGMTRLine2D::GetLineArcAngle.")
        .def(
            "__eq__", [](const L& a, const L& b) { return line_state(a).equal(line_state(b)); },
            py::is_operator(),
            "The same base point and base vector, exactly (CGMTRLine2D::get_BasePoint, "
            "get_BaseVector); the library defines no entity equality.")
        .def("__repr__", &line_repr,
             "Line2D(start, end), or Line2D(start, vector=...) when end - start would round "
             "(CGMTRLine2D::get_BasePoint, get_BaseVector).")
        .def(py::pickle(&line_state, &line_from_state));
    add_copy<L>(c);
}

void bind_arc() {
    auto c = existing<A, B>();
    c.def(py::init(&arc_make), "center"_a = P(), "radius"_a = 1.0, "start"_a = 0.0, "sweep"_a = 0.0,
          "The arc of the circle (center, radius) from the start angle turning by the signed "
          "sweep (radians). Built with CGMTRArc2D::PutBasePoint, PutRadius, PutBaseAngle, then "
          "PutSweepAngle, so the order of the keywords does not matter; a sweep of 2pi makes a "
          "full circle. The defaults give the C++ default arc.")
        .def_static("from_vectors", &arc_from_vectors, "center"_a, "base_vector"_a, "mid_vector"_a,
                    "full_circle"_a = false,
                    "The arc from its stored fields: centre, start radius vector, mid "
                    "direction vector and full-circle flag. Built with "
                    "CGMTRArc2D::PutBaseVector, PutSweepAngle, PutMidVector, PutBasePoint.")
        .def_property("radius", &A::GetRadius, &A::PutRadius,
                      "Length of the start vector. Wraps CGMTRArc2D::GetRadius / PutRadius.")
        .def_property("base_vector", &A::GetBaseVector, &A::PutBaseVector,
                      "Radius vector from the centre to the start point. Wraps "
                      "CGMTRArc2D::GetBaseVector / PutBaseVector.")
        .def_property("mid_vector", &A::GetMidVector, &A::PutMidVector,
                      "Direction from the centre to the mid point. Wraps "
                      "CGMTRArc2D::GetMidVector / PutMidVector.")
        .def_property("sweep_angle", &A::GetSweepAngle, &A::PutSweepAngle,
                      "Signed sweep in (-2pi, 2pi]; setting it keeps the start vector. Wraps "
                      "CGMTRArc2D::GetSweepAngle / PutSweepAngle.")
        .def_property("base_angle", const_fn(&A::GetBaseAngle), &A::PutBaseAngle,
                      "Start angle; setting it turns the arc about its centre. Wraps "
                      "CGMTRArc2D::GetBaseAngle / PutBaseAngle.")
        .def_property("base_point", &A::GetBasePoint, &A::PutBasePoint,
                      "The centre. Wraps CGMTRArc2D::GetBasePoint / PutBasePoint.")
        .def_property_readonly("full_circle", &full_circle,
                               "Whether the full-circle flag is set (the sweep then reads 2pi). "
                               "Read through CGMTRArc2D::PutMidVector and GetSweepAngle on a "
                               "copy.")
        .def("get_start_point", &A::GetStartPoint,
             "Centre + base vector. Wraps CGMTRArc2D::GetStartPoint.")
        .def("get_end_point", &A::GetEndPoint, "Wraps CGMTRArc2D::GetEndPoint.")
        .def("get_vertical_dis", const_fn(&A::GetVerticalDis), "point"_a,
             "Distance to the full circle. Wraps CGMTRArc2D::GetVerticalDis.")
        .def("get_vertical_point", const_fn(&A::GetVerticalPoint), "point"_a,
             "The circle's point on the ray from the centre. Wraps "
             "CGMTRArc2D::GetVerticalPoint.")
        .def("check_vertical_point_in_range", const_fn(&A::CheckVerticalPointInRange), "point"_a,
             "1 when that point lies on the arc. Wraps CGMTRArc2D::CheckVerticalPointInRange.")
        .def("check_angle_range", const_fn(&A::CheckAngleRange), "angle"_a,
             "1 when the direction lies on the arc. Wraps CGMTRArc2D::CheckAngleRange.")
        .def("percent_to_distance", const_fn(&A::PercentToDistance), "percent"_a,
             "|sweep| * radius * percent. Wraps CGMTRArc2D::PercentToDistance.")
        .def("get_nearest_point", &A::GetNearestPoint, "point"_a,
             "The arc's point nearest to the point. Wraps CGMTRArc2D::GetNearestPoint.")
        .def(
            "get_cross_point_arc",
            [](const A& a, A other) {
                return cross([&](CGMTRPoint2DCol& pts) { a.GetCrossPointArc(other, pts); });
            },
            "other"_a,
            "Crossings with another arc as a list of 0 to 2 points. Wraps "
            "CGMTRArc2D::GetCrossPointArc.")
        .def(
            "get_cross_point_line",
            [](const A& a, const L& line) {
                return cross([&](CGMTRPoint2DCol& pts) { a.GetCrossPointLine(line, pts); });
            },
            "line"_a,
            "Points common to the arc and the segment, as a list. Wraps "
            "CGMTRArc2D::GetCrossPointLine.")
        .def(
            "get_cross_point_line_ex",
            [](A& a, L line) {
                return cross([&](CGMTRPoint2DCol& pts) { a.GetCrossPointLineEx(line, pts); });
            },
            "line"_a,
            "Points common to the arc and the infinite line through the segment. Wraps "
            "CGMTRArc2D::GetCrossPointLineEx.")
        .def(
            "arc_tangency_distance",
            [](A& a, const A& other, double d) {
                A copy(other);
                return fillet(Result::ArcFillet, [&](P& onThis, P& onOther, P& centre) {
                    a.ArcTangencyDistance(copy, d, onThis, onOther, centre);
                });
            },
            "other"_a, "distance"_a,
            "The circle of radius `distance` touching this arc and the other: "
            "ArcFillet(on_this, on_other, center), None when no centre exists, and "
            "ArcFillet(None, None, center) when the library finds the centre but no touching "
            "point (it then writes only the centre). Wraps CGMTRArc2D::ArcTangencyDistance.")
        .def(
            "line_tangency_distance",
            [](A& a, const L& line, const P& q, double d) {
                return fillet(Result::LineFillet, [&](P& onLine, P& onArc, P& centre) {
                    a.LineTangencyDistance(line, q, d, onLine, onArc, centre);
                });
            },
            "line"_a, "junction"_a, "distance"_a,
            "The circle of radius `distance` touching this arc and the segment near the "
            "junction point: LineFillet(on_line, on_arc, center), or None when there is none "
            "(the library writes all three outputs or none). Wraps "
            "CGMTRArc2D::LineTangencyDistance.")
        .def("get_coned_arc", &coned_arc, "other"_a, "result"_a = py::none(),
             "Union of two arcs of one circle. Without `result`: a new Arc2D (this arc's centre "
             "and radius with the union's start angle and sweep), the common arc when both are "
             "the same arc, or None when the circles differ or the arcs do not meet. With "
             "`result`: the C++ call as it is, writing into that arc and returning 1 or 0. "
             "Wraps CGMTRArc2D::GetConedArc.")
        .def(
            "get_arc_arc_angle",
            [](const A& a, const A& other, const P& at, int leaving) {
                double x = 0.0, y = 0.0;
                a.GetArcArcAngle(other, at, x, y, leaving);
                return angles(x, y);
            },
            "other"_a, "point"_a, "leaving"_a,
            "JunctionAngles(this_angle, other_angle) of the two arcs at their common end point. "
            "Wraps CGMTRArc2D::GetArcArcAngle.")
        .def(
            "__eq__", [](const A& a, const A& b) { return arc_state(a).equal(arc_state(b)); },
            py::is_operator(),
            "The same centre, base vector, mid vector and full-circle flag, exactly "
            "(CGMTRArc2D getters); the library defines no entity equality.")
        .def("__repr__", &arc_repr,
             "Arc2D(center=..., radius=..., start=..., sweep=...) when that rebuilds the arc "
             "exactly, otherwise Arc2D.from_vectors(...) (CGMTRArc2D getters).")
        .def(py::pickle(&arc_state, &arc_from_state));
    add_copy<A>(c);
}

} // namespace

void declare_entities(py::module_& m) {
    py::enum_<tagGMTRGeometryType>(m, "GeometryType",
                                   "The kind of an entity. Wraps tagGMTRGeometryType.")
        .value("LINE2D", GEOMETRY_LINE2D, "Line2D (GEOMETRY_LINE2D)")
        .value("ARC2D", GEOMETRY_ARC2D, "Arc2D (GEOMETRY_ARC2D)");
    py::class_<B>(m, "BaseGeo2D",
                  "The abstract plane entity: a directed segment or arc running from its start "
                  "(percent 0) to its end (percent 1). Wraps CGMTRBaseGeo2D.");
    py::class_<L, B>(m, "Line2D",
                     "A directed segment: a base point (the start) plus a base vector (the step "
                     "to the end). Wraps CGMTRLine2D.");
    py::class_<A, B>(m, "Arc2D",
                     "A directed circular arc: centre, start radius vector and signed sweep "
                     "(radians, positive counter-clockwise). Wraps CGMTRArc2D.");
}

void define_entities(py::module_&) {
    bind_base();
    bind_line();
    bind_arc();
}

} // namespace gmtrpy
