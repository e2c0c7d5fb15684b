"""Value types: tuples in and out, tolerant comparisons, errors, repr, copy and pickle."""
import copy
import math
import pickle

import pytest

import gmtrrt as g

SAMPLES = [
    g.Point2D(1.5, -2.25), g.Vector2D(0.1, 3e-300), g.HVRect(0, 1, 2.5, 3),
    g.Matrix2D(1, 2, 3, 4, 5, 6, 7, 8, 9.5), g.CoorMatrix(1, 0.3, (4, 5)),
    g.Vector3D(1, 2, 3), g.Point3D(-1, 0.5, 1e10), g.Matrix3D(9, 8, 7, 6, 5, 4, 3, 2, 1),
    g.Rotate3D(g.Matrix3D(0, 1, 0, -1, 0, 0, 0, 0, 1)),
    g.Transform3D((1, 2, 3), g.Rotate3D(g.Matrix3D(0, 1, 0, -1, 0, 0, 0, 0, 1))),
    g.Line2D((0, 0), (10, 5)), g.Line2D((0.1, 0.2), vector=(0.3, 0.7)),
    g.Arc2D(center=(1, 2), radius=3, start=0.5, sweep=-2.0),
    g.Arc2D(radius=2, sweep=g.TWO_PI),
    g.Arc2D.from_vectors((0, 0), (3, 4), (-1, 7), full_circle=True),
    g.PointValue(1, 2, (0.5, -1.25)),
]


@pytest.mark.parametrize("obj", SAMPLES, ids=lambda o: type(o).__name__)
def test_repr_round_trips_and_copies_are_equal_and_independent(obj):
    namespace = vars(g)
    assert repr(eval(repr(obj), dict(namespace))) == repr(obj)
    for clone in (copy.copy(obj), copy.deepcopy(obj), pickle.loads(pickle.dumps(obj))):
        assert type(clone) is type(obj)
        assert repr(clone) == repr(obj)
        assert clone is not obj


def test_transform2d_and_non_finite_values_round_trip():
    t = g.Transform2D()
    t.rotate((1, 1), 0.3)
    t.scale((0, 0), float("nan"))
    assert repr(eval(repr(t), dict(vars(g)))) == repr(t)
    assert pickle.loads(pickle.dumps(t)) is not t
    assert repr(copy.deepcopy(t)) == repr(t)
    p = g.Point2D(float("inf"), float("-inf"))
    assert repr(eval(repr(p), dict(vars(g)))) == "Point2D(float('inf'), -float('inf'))"


def test_points_and_vectors_unpack_and_accept_pairs_everywhere():
    p = g.Point2D(3, 4)
    x, y = p
    assert (x, y) == (3.0, 4.0) and p[-1] == 4.0 and len(p) == 2
    assert list(g.Vector2D(1, 2)) == [1.0, 2.0]
    line = g.Line2D([0, 0], (6, 8))
    assert tuple(line.end_point) == (6.0, 8.0)
    assert line.distance((3, 4)) == 0.0
    p += (1, 1)
    assert tuple(p) == (4.0, 5.0)
    p *= g.Matrix2D(1, 0, 0, 0, 1, 0, 10, 20, 1)
    assert tuple(p) == (14.0, 25.0)
    with pytest.raises(IndexError):
        p[2]
    x, y, z = g.Point3D(1, 2, 3)
    assert (x, y, z) == (1.0, 2.0, 3.0)


def test_comparisons_follow_the_library_tolerance():
    origin = g.Point2D()
    assert origin == (0.4e-10, 0.4e-10)          # sum of differences below TOL
    assert origin != (0.6e-10, 0.6e-10)          # each below, sum not
    assert g.Vector2D(0, 0) == g.Vector2D(0.9e-10, 0.9e-10)   # component by component
    assert isinstance(origin == origin, bool)
    assert g.Point2D(0, 5) < g.Point2D(1, 0)
    assert g.Point2D(0, 5) < g.Point2D(0.5e-10, 6)  # x tied within TOL: y decides
    assert (origin == "abc") is False
    with pytest.raises(TypeError):
        hash(origin)


def test_wrong_argument_types_raise_type_error_naming_the_expected_type(quarter):
    with pytest.raises(TypeError, match="Point2D"):
        quarter.distance("origin")
    with pytest.raises(TypeError, match="Line2D"):
        quarter.get_cross_point_line(quarter)
    with pytest.raises(TypeError, match="2 numbers"):
        g.Point2D((1, 2, 3))
    with pytest.raises(TypeError, match="Matrix2D"):
        g.transform_points([[0.0, 0.0]], "identity")


def test_degenerate_values_come_through_as_defined():
    v = g.Vector2D(0, 0)
    v.normalize()
    assert all(math.isnan(c) for c in v)
    p = g.Point2D(1, 2)
    assert tuple(p / 0.0) == (1.0, 2.0)           # division by exactly zero is skipped
    m = g.Matrix2D(1, 2, 0, 2, 4, 0, 0, 0, 1)     # singular: inverse leaves it
    m.inverse()
    assert m == g.Matrix2D(1, 2, 0, 2, 4, 0, 0, 0, 1)
    zero = g.Line2D((1, 1), (1, 1))
    assert math.isnan(zero.get_vertical_dis((5, 5)))
    assert zero.distance((4, 5)) == 5.0


def test_matrix_indices_are_checked_and_row_vector_convention_holds():
    m = g.Matrix2D()
    m.set_to_rotate(math.pi / 2)
    m.transfer((10, 0))
    assert m[0, 1] == 1.0 and m.get_single_value(2, 0) == 10.0
    for bad in ((3, 0), (0, -1)):
        with pytest.raises(IndexError):
            m[bad]
        with pytest.raises(IndexError):
            m.get_sub_det(*bad)
    with pytest.raises(IndexError):
        g.Matrix3D().get_single_value(0, 3)
    p = g.Point2D(1, 0)
    p *= m                                         # turned first, then shifted
    assert tuple(p) == (10.0, 1.0)
    assert m.to_array().shape == (3, 3)
    assert g.Matrix2D.from_array(m.to_array()) == m


def test_transform_components_report_a_singular_rotation_as_none():
    t = g.Transform2D()
    t.rotate((0, 0), 0.5)
    t.scale((0, 0), 2.0)
    t.transfer((3, 4))
    parts = t.get_component()
    assert parts.rotation == pytest.approx(0.5) and parts.scale == pytest.approx(4.0)
    assert parts.mirror == 0 and tuple(parts.transfer) == pytest.approx((3, 4))
    t.scale((0, 0), 0.0)
    assert t.get_component().rotation is None


def test_rectangle_queries():
    r = g.HVRect((5, 5), (1, 2))                   # unsorted as given
    assert r.width() == -4.0
    r.sort_corners()
    assert r.bounds() == (1.0, 2.0, 5.0, 5.0)
    assert (3, 3) in r and r.contains((5, 5))
    assert r.intersect(g.HVRect(6, 6, 7, 7)) is None
    assert r.intersect(g.HVRect(4, 4, 9, 9)) == g.HVRect(4, 4, 5, 5)
    assert r & g.HVRect(5, 5, 6, 6)                # touching counts
    assert g.HVRect(2, 3, 4, 4) < r and not r > g.HVRect(1, 3, 4, 4)


def test_shared_functions():
    assert not g.is_equal_value(0.0, 1e-10) and g.is_equal_value(0.0, 0.99e-10)
    assert g.normalize_angle(-0.5 * math.pi) == pytest.approx(1.5 * math.pi)
    assert g.normalize_signed_angle(-math.pi) == math.pi
    assert math.copysign(1.0, g.reduce_angle(-g.TWO_PI)) == -1.0
    assert g.snap_cos(g.HALF_PI) == 0.0 and g.snap_sin(g.PI) == 0.0
    assert g.is_angle_in_range(5.0, 1.0, g.TWO_PI)
    assert not g.is_angle_in_range(1.5, 1.0, -1.0)
    assert g.get_direction_angle(0, 0, 0, 1) == g.HALF_PI
    assert not g.is_same_point(0, 0, 0.6e-10, 0.6e-10)
