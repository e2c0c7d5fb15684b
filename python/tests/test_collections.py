"""Collections as Python sequences, their C++ members, and numpy round trips."""
import pickle

import numpy as np
import pytest

import gmtrrt as g


def test_point_collection_is_a_sequence():
    col = g.Point2DCol([(0, 0), (1, 1), (2, 4)])
    assert len(col) == 3 and col[-1] == (2, 4) and [tuple(p) for p in col[::2]] == [(0, 0), (2, 4)]
    col[0] = (9, 9)
    del col[1]
    assert [tuple(p) for p in col] == [(9, 9), (2, 4)]
    for bad in (2, -3):
        with pytest.raises(IndexError):
            col[bad]
        with pytest.raises(IndexError):
            col[bad] = (0, 0)
    copy_of_item = col[0]
    copy_of_item.x = -1                           # items are copies
    assert col[0] == (9, 9)


def test_point_collection_keeps_the_cpp_members_and_their_codes():
    col = g.Point2DCol()
    assert col.add((1, 2)) == 1 and col.is_empty() == 0
    out = g.Point2D(7, 7)
    assert col.get_item(5, out) == 0 and out == (7, 7)  # bad index: untouched, 0
    assert col.get_item(0, out) == 1 and out == (1, 2)
    assert col.put_item(-1, (0, 0)) == 0
    col.insert(5, (3, 3))                         # outside [0, count]: nothing
    col.insert(0, (3, 3))
    col.remove(-1)                                # nothing
    col.append_list(col)                          # a copy of what it held
    assert [tuple(p) for p in col] == [(3, 3), (1, 2), (3, 3), (1, 2)]


def test_query_results_append_to_nothing_shared():
    circle = g.Arc2D(radius=1, sweep=g.TWO_PI)
    cut = g.Line2D((-2, 0), (2, 0))
    first = circle.f_get_cross_point(cut)
    first.append("not a point")                   # a plain list, owned by the caller
    assert len(circle.f_get_cross_point(cut)) == 2


def test_numpy_round_trip():
    a = np.array([[0.0, 1.5], [-2.0, 1e300], [np.nan, np.inf]])
    col = g.Point2DCol.from_array(a)
    assert len(col) == 3 and col[1] == (-2.0, 1e300)
    back = col.to_array()
    assert back.dtype == np.float64 and back.shape == (3, 2)
    np.testing.assert_array_equal(back, a)
    small = g.Point2DCol([(0.5, 1), (2, 3)])
    np.testing.assert_array_equal(np.asarray(small, dtype=np.float32), [[0.5, 1], [2, 3]])
    assert g.Point2DCol.from_array(np.arange(6, dtype=np.int32).reshape(3, 2))[2] == (4, 5)
    assert g.Point2DCol().to_array().shape == (0, 2)
    with pytest.raises(ValueError):
        g.Point2DCol.from_array(np.zeros((3, 3)))


def test_point_value_collection():
    col = g.PointValueCol([g.PointValue(1, 2, (0.1, 7))], used_value_count=1)
    col.add(g.PointValue(3, 4))
    assert len(col) == 2 and col[-1].x == 3.0
    assert col[0].value == pytest.approx((0.1, 7.0), rel=1e-7)   # stored as 32-bit floats
    record = g.PointValue()
    assert col.get_item(7, record) == 0 and record == g.PointValue()
    col[1] = g.PointValue(5, 6, (1, 2))
    with pytest.raises(IndexError):
        col[2]
    clone = pickle.loads(pickle.dumps(col))
    assert list(clone) == list(col) and clone.used_value_count == 1
    col.clear()
    assert len(col) == 0 and col.used_value_count == 1    # kept across clear


def test_entity_collection_sequence_and_null_entries():
    col = g.BaseGeo2DCol([g.Line2D((0, 0), (1, 0)), None, g.Arc2D(radius=2)])
    assert len(col) == 3 and col.get_count() == 3
    assert isinstance(col[0], g.Line2D) and col[1] is None and isinstance(col[-1], g.Arc2D)
    assert col.get_item(10) is None
    with pytest.raises(IndexError):
        col[3]
    assert [type(e).__name__ for e in col] == ["Line2D", "NoneType", "Arc2D"]
    assert repr(eval(repr(col), dict(vars(g)))) == repr(col)
