"""Repeat chains and the space family against positions computed here from the
documented placement rules (copy numbers, serpentine grid order, rotations)."""
import copy
import math
import pickle

import pytest

import gmtrrt as g
from conftest import near


def turn(p, about, angle):
    dx, dy = p[0] - about[0], p[1] - about[1]
    c, s = math.cos(angle), math.sin(angle)
    return (about[0] + c * dx - s * dy, about[1] + s * dx + c * dy)


def test_arc_copies_keep_orientation_and_symmetric_copies_turn():
    origin, ref, p = (1.0, 2.0), (4.0, 2.0), (5.0, 3.0)
    keep = g.RepeatArc2D(origin, 0.4, 5)
    sym = g.RepeatArcSymmetry2D(origin, 0.4, 5)
    for i in range(5):
        moved = turn(ref, origin, 0.4 * i)          # the reference point's displacement
        expected = (p[0] + moved[0] - ref[0], p[1] + moved[1] - ref[1])
        assert near(keep.get_repeat_point(i, p, ref), expected, 1e-12)
        assert near(sym.get_repeat_point(i, p, ref), turn(p, origin, 0.4 * i), 1e-12)
        assert keep.get_repeat_angle(i, 0.25) == 0.25
        assert sym.get_repeat_angle(i, 0.25) == pytest.approx(0.25 + 0.4 * i)
    assert keep.get_repeat_point(0, p, ref) == p     # copy 0 leaves a point where it is


def test_grid_is_serpentine_and_chains_number_the_first_pattern_fastest():
    nx, ny, sx, sy, b = 3, 2, 10.0, 4.0, 0.3
    u, v = (math.cos(b), math.sin(b)), (-math.sin(b), math.cos(b))
    grid = g.RepeatGrid(sx, sy, nx, ny, b)
    pair = g.RepeatLine2D(0.0, 1.0, 2, repeat=grid)
    assert pair.count == 2 * nx * ny and grid.count == nx * ny
    for n in range(pair.count):
        own, k = n % 2, n // 2
        row, col = divmod(k, nx)
        if row % 2:
            col = nx - 1 - col
        expected = (own + col * sx * u[0] + row * sy * v[0], col * sx * u[1] + row * sy * v[1])
        assert near(pair.get_repeat_point(n, (0, 0)), expected, 1e-12)
    assert near(pair.get_repeat_point2(1, 0, 0), (1, 0))


def test_counts_and_copy_numbers_outside_the_chain():
    line = g.RepeatLine2D(g.HALF_PI, 2.0, 3)
    assert tuple(line.get_repeat_point(-1, (0, 0))) == (0.0, -2.0)   # extrapolates backwards
    assert tuple(line.get_repeat_point(5, (0, 0))) == (0.0, 10.0)
    line.current_count = 0
    assert line.count == 0
    empty = g.RepeatGrid(1, 1, 0, 4, 0)
    assert empty.count == 0 and empty.get_repeat_point(3, (7, 7)) == (7, 7)
    grid = g.RepeatGrid(1, 1, 2, 3, 0)
    grid.current_count = 99                          # the grid keeps columns x rows
    assert grid.current_count == 6
    assert g.repeat_points(g.RepeatLine2D(count=-5), (0, 0)).shape == (0, 2)


def test_chains_round_trip_through_repr_pickle_and_copy():
    chain = g.RepeatArcSymmetry2D((1, -1), 0.25, 4, repeat=g.RepeatGrid(
        1.5, 2.5, 3, 2, 0.1, repeat=g.RepeatLine2D(0.2, 7.0, 2)))
    assert chain.count == 48 and chain.repeat_type == g.RepeatType.ARC_SYMMETRY2D
    for clone in (eval(repr(chain), dict(vars(g))), pickle.loads(pickle.dumps(chain)),
                  copy.deepcopy(chain), chain.clone()):
        assert clone == chain and clone is not chain
        assert type(clone.get_repeat().get_repeat()) is g.RepeatLine2D
    rest = chain.get_repeat()
    rest.space_x = 100.0                              # a copy: the chain is unchanged
    assert chain.get_repeat().space_x == 1.5
    assert chain != g.RepeatArcSymmetry2D((1, -1), 0.25, 4)


def test_space_rotations_and_rigid_transforms():
    r = g.Rotate3D()
    r.define(0.3, 1.1, 0.7)
    m = r.matrix
    assert m.is_orthogonal() == 1 and m.get_determinant() == pytest.approx(1.0)
    p = g.Point3D(1, 2, 3)
    q = copy.copy(p)
    q.rotate(r)
    back = copy.copy(r)
    back.inverse()
    q.rotate(back)
    assert q == p and q.distance3d(p) < 1e-12
    t = g.Transform3D((1, 2, 3), r)
    inverse = copy.copy(t)
    inverse.inverse()
    moved = copy.copy(p)
    moved.trans_form(t)
    moved.trans_form(inverse)
    assert moved == p
    nan = g.Point3D(float("nan"), 2, 3)
    assert not (nan == p) and not (nan != p)         # the library's NaN rule
    v = g.Vector3D(0, 0, 0)
    v.normalize()                                     # a zero vector stays zero
    assert tuple(v) == (0.0, 0.0, 0.0) and v.is_zero_lengh() == 1


def test_coordinate_system_exchanges_turns_then_shifts():
    c = g.CoorMatrix(1, g.HALF_PI, (5, 0))
    p = g.Point2D(1, 0)
    p *= c.get_tr_matrix()                            # (1, 0) -> (0, 1) -> (-1, 0) -> (4, 0)
    assert tuple(p) == (4.0, 0.0)
    assert c.is_transformed() == 1 and g.CoorMatrix().is_transformed() == 0
    assert pickle.loads(pickle.dumps(c)) == c
