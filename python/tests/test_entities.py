"""Entities against the library's semantics, answer first: build the expected
crossing or fillet circle, derive the inputs from it, and check that what comes
back lies on (or touches) both entities."""
import math

import pytest

import gmtrrt as g
from conftest import arc, near


def test_keyword_arc_does_not_depend_on_the_order_of_its_settings():
    a = g.Arc2D(sweep=math.pi / 2, start=math.pi, radius=5, center=(1, 1))
    b = g.Arc2D(center=(1, 1), radius=5, start=math.pi, sweep=math.pi / 2)
    assert a == b
    assert a.sweep_angle == pytest.approx(math.pi / 2)
    assert near(a.get_start_point(), (-4, 1)) and near(a.get_end_point(), (1, -4))
    assert g.Arc2D() == g.Arc2D.from_vectors((0, 0), (1, 0), (1, 0))   # the C++ default
    full = g.Arc2D(radius=3, start=1.0, sweep=g.TWO_PI)
    assert full.full_circle and full.sweep_angle == g.TWO_PI
    assert near(full.get_end_point(), full.get_start_point())
    assert not g.Arc2D(radius=3, sweep=-g.TWO_PI).full_circle        # -2pi reduces to 0


def test_full_circle_flag_survives_other_setters_and_copies():
    a = g.Arc2D(radius=2, sweep=g.TWO_PI)
    a.mid_vector = (0, 1)                       # the flag outlives other setters
    a.base_point = (5, 5)
    assert a.sweep_angle == g.TWO_PI and a.full_circle
    assert g.Arc2D.from_vectors(**{"center": (5, 5), "base_vector": a.base_vector,
                                   "mid_vector": (0, 1), "full_circle": True}) == a
    a.sweep_angle = 1.0
    assert not a.full_circle


@pytest.mark.parametrize("angle_deg", [0, 37, 90, 181, 300])
@pytest.mark.parametrize("direction_deg", [10, 90, 135])
def test_a_crossing_lies_on_both_entities(angle_deg, direction_deg):
    crossing = (3.0, -2.0)
    t = math.radians(angle_deg)
    centre = (crossing[0] - 7 * math.cos(t), crossing[1] - 7 * math.sin(t))
    circle_arc = arc(centre, 7, angle_deg - 30, 60)                 # crossing mid-arc
    d = math.radians(direction_deg)
    line = g.Line2D((crossing[0] - 4 * math.cos(d), crossing[1] - 4 * math.sin(d)),
                    (crossing[0] + 6 * math.cos(d), crossing[1] + 6 * math.sin(d)))
    for hits in (circle_arc.f_get_cross_point(line), line.f_get_cross_point(circle_arc),
                 circle_arc.get_cross_point_line(line)):
        assert any(near(p, crossing, 1e-9) for p in hits)
        for p in hits:
            assert circle_arc.distance(p) < 1e-9 and line.distance(p) < 1e-9
    assert line.f_get_cross_point(circle_arc) == circle_arc.f_get_cross_point(line)


def test_segment_crossings_and_the_infinite_line_query():
    a = g.Line2D((0, 0), (10, 10))
    assert a.get_cross_point(g.Line2D((0, 10), (10, 0))) == [g.Point2D(5, 5)]
    assert a.get_cross_point(g.Line2D((10, 10), (20, 0))) == []      # shared end point
    assert a.get_cross_point_ex(g.Line2D((0, 1), (10, 11))) is None  # parallel
    assert a.get_cross_point_ex(g.Line2D((20, 0), (30, -10))) == (10, 10)  # lines, not segments
    circle = g.Arc2D(radius=2, sweep=g.TWO_PI)
    chord = g.Line2D((0, 1), (1, 1))
    assert circle.get_cross_point_line(chord) == []
    ex = circle.get_cross_point_line_ex(chord)
    assert near(ex[0], (-math.sqrt(3), 1)) and near(ex[1], (math.sqrt(3), 1))
    assert g.Line2D((0, 0), (0, 0)).f_get_cross_point(circle) == []   # zero length: nothing
    assert circle.f_get_cross_point(None) == []


def test_two_circles_cross_left_of_the_centre_line_first():
    a = g.Arc2D(radius=2, sweep=g.TWO_PI)
    b = g.Arc2D(center=(2, 0), radius=2, sweep=g.TWO_PI)
    first, second = a.get_cross_point_arc(b)
    assert near(first, (1, math.sqrt(3))) and near(second, (1, -math.sqrt(3)))


@pytest.mark.parametrize("radius,d", [(2.0, 1.0), (10.0, 2.0), (5.0, 0.5)])
def test_line_fillet_touches_the_segment_and_the_arc(radius, d):
    # Expected answer first: outside a full circle, tangent to the x axis above
    # it, so the centre lies d above the axis at distance radius + d from O.
    centre = (math.sqrt((radius + d) ** 2 - d ** 2), d)
    circle = g.Arc2D(radius=radius, sweep=g.TWO_PI)
    segment = g.Line2D((radius, 0), (3 * radius + 3 * d, 0))
    f = circle.line_tangency_distance(segment, (radius, 0), d)
    assert near(f.center, centre, 1e-9)
    assert segment.distance(f.on_line) < 1e-9 and circle.distance(f.on_arc) < 1e-9
    assert f.center.distance2d(f.on_line) == pytest.approx(d)
    assert f.center.distance2d(f.on_arc) == pytest.approx(d)
    # The same segment given the other way round: q is its end, the left side
    # of its direction is -y, so the answer is the mirror image.
    back = g.Line2D(segment.end_point, segment.base_point)
    m = circle.line_tangency_distance(back, (radius, 0), d)
    assert near(m.center, (centre[0], -d), 1e-9)


def test_line_fillet_that_does_not_exist_is_none():
    circle = g.Arc2D(radius=2, sweep=g.TWO_PI)
    short = g.Line2D((2, 0), (2.5, 0))            # the foot falls beyond its end
    assert circle.line_tangency_distance(short, (2, 0), 1.0) is None
    assert circle.line_tangency_distance(short, (2, 0), float("nan")) is None


@pytest.mark.parametrize("turn", [1, -1])
def test_corner_fillet_rounds_the_corner_of_two_segments(turn):
    # Corner at (3, 4); legs leaving it along +x and at +-60 degrees; the
    # circle of radius 1 touches each leg at 1 / tan(30 deg) from the corner.
    corner = (3, 4)
    a = g.Line2D((13, 4), corner)
    b = g.Line2D(corner, (3 + 5, 4 + turn * 5 * math.sqrt(3)))
    f = a.line_tangency_distance(b, corner, 1.0)
    t = 1 / math.tan(math.radians(30))
    assert near(f.on_this, (3 + t, 4), 1e-12)
    assert near(f.center, (3 + t, 4 + turn), 1e-12)
    assert abs(b.distance(f.center) - 1.0) < 1e-12
    assert a.line_tangency_distance(b, corner, 50.0) is None  # does not fit


def test_arc_fillet_touches_both_arcs_or_is_none():
    a = g.Arc2D(radius=1, sweep=g.TWO_PI)
    b = g.Arc2D(center=(3, 0), radius=1, sweep=g.TWO_PI)
    f = a.arc_tangency_distance(b, 1.0)
    assert near(f.center, (1.5, math.sqrt(1.75)))   # 2 away from both centres, left side
    assert near(f.on_this, (0.75, math.sqrt(1.75) / 2))
    assert near(f.on_other, (2.25, math.sqrt(1.75) / 2))
    for entity, touch in ((a, f.on_this), (b, f.on_other)):
        assert entity.distance(touch) < 1e-12 and f.center.distance2d(touch) == pytest.approx(1)
    far = g.Arc2D(center=(30, 0), radius=1, sweep=g.TWO_PI)
    assert a.arc_tangency_distance(far, 1.0) is None
    touching = a.arc_tangency_distance(g.Arc2D(center=(4, 0), radius=1, sweep=g.TWO_PI), 1.0)
    assert near(touching.center, (2, 0)) and near(touching.on_other, (3, 0))


def test_arc_fillet_with_only_a_centre_reports_no_touching_points():
    # The search circles (radius 3 about the origin, 6 about (9, 0)) touch at
    # (3, 0), the end of the other arc. The centre comes back within rounding
    # of that point, but its direction from the other arc's centre falls
    # 1e-8 rad beyond the arc's end, so the library writes only the centre.
    circle = g.Arc2D(radius=2, sweep=g.TWO_PI)
    other = g.Arc2D(center=(9, 0), radius=5, start=-math.pi / 3, sweep=-2 * math.pi / 3)
    f = circle.arc_tangency_distance(other, 1.0)
    assert f.on_this is None and f.on_other is None
    assert near(f.center, (3, 0), 1e-7)


@pytest.mark.parametrize("a,b,expected", [
    ((0, 90), (45, 90), (0, 135)),
    ((0, 90), (90, 90), (0, 180)),
    ((0, 90), (180, -90), (0, 180)),
    ((45, 45), (0, 180), (0, 180)),                 # the longer arc leads
    ((90, -90), (45, -90), (90, -135)),
])
def test_union_of_arcs_of_one_circle(a, b, expected):
    first, second = arc((1, 2), 5, *a), arc((1, 2), 5, *b)
    joined = first.get_coned_arc(second)
    assert math.degrees(g.normalize_signed_angle(joined.base_angle)) == pytest.approx(expected[0])
    assert math.degrees(joined.sweep_angle) == pytest.approx(expected[1])
    assert joined.radius == pytest.approx(5) and near(joined.base_point, (1, 2))


def test_union_none_untouched_and_same_arc_cases():
    a = arc((0, 0), 5, 0, 90)
    assert a.get_coned_arc(arc((0, 0), 5, 180, 90)) is None          # do not meet
    assert a.get_coned_arc(arc((1e-9, 0), 5, 0, 90)) is None         # other circle
    assert a.get_coned_arc(arc((0, 0), 5, 0, 90)) == a               # the same arc
    whole = arc((0, 0), 5, 0, 270).get_coned_arc(arc((0, 0), 5, 180, 270))
    assert whole.full_circle
    # The C++ form: the result arc is written in place and the code returned.
    result = arc((0, 0), 5, 10, 10)
    assert a.get_coned_arc(arc((0, 0), 5, 180, 90), result) == 0
    assert result == arc((0, 0), 5, 10, 10)                          # untouched
    assert a.get_coned_arc(arc((0, 0), 5, 0, 90), result) == 0
    assert result.base_angle == pytest.approx(0) and result.sweep_angle == pytest.approx(g.HALF_PI)
    assert a.get_coned_arc(arc((0, 0), 5, 45, 90), a) == 1           # this arc as result
    assert math.degrees(a.sweep_angle) == pytest.approx(135)


def test_junction_angles():
    s1, s2 = g.Line2D((0, 0), (10, 0)), g.Line2D((0, 0), (0, 10))
    assert s1.get_line_line_angle(s2, (0, 0), 1) == pytest.approx((0, math.pi / 2))
    assert s1.get_line_line_angle(s2, (0, 0), 0) == pytest.approx((math.pi, -math.pi / 2))
    q = g.Arc2D(radius=10, sweep=math.pi / 2)
    angles = g.Line2D((10, 0), (20, 0)).get_line_arc_angle(q, (10, 0), 1)
    assert angles.this_angle == 0 and angles.other_angle == pytest.approx(math.pi / 2)
    assert q.get_arc_arc_angle(q, (0, 10), 0) == pytest.approx((math.pi, math.pi))


def test_entity_queries_and_bounding_box(quarter):
    box = quarter.get_rect_box()
    assert (box.max_x, box.max_y, box.min_y) == (10, 10, 0) and box.min_x == pytest.approx(0)
    assert quarter.point_to_percent((0, -10)) == -1.0
    assert quarter.point_to_percent((0, 10)) == 1.0
    assert quarter.distance_to_percent(1, 2.5 * math.pi / 2) == pytest.approx(0.75)
    assert quarter.geometry_type == g.GeometryType.ARC2D
    assert isinstance(quarter.clone(), g.Arc2D) and quarter.clone() == quarter
    line = g.Line2D((0, 0), (4, 0))
    line.line_length = 8
    assert tuple(line.end_point) == (8.0, 0.0)
    line.base_angle = math.pi / 2
    assert tuple(line.end_point) == (0.0, 8.0)
    assert line.distance_to_percent(2, 1.0) == -1.0
    with pytest.raises(TypeError):
        g.BaseGeo2D()
