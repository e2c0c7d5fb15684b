"""Batch functions give exactly what the per-object calls give, and release the GIL."""
import math
import threading
import time

import numpy as np
import pytest

import gmtrrt as g


def test_transform_points_matches_the_point_operator():
    rng = np.random.default_rng(3)
    pts = rng.uniform(-100, 100, size=(500, 2))
    m = g.Matrix2D()
    m.set_to_rotate_by((1, 2), 0.7)
    m.scale(1.5)
    m.set_single_value(0, 2, 1e-3)                  # a projective w to divide by
    out = g.transform_points(pts, m)
    for (x, y), row in zip(pts[:50], out[:50]):
        p = g.Point2D(x, y)
        p *= m
        assert tuple(row) == tuple(p)               # bit for bit
    assert g.transform_points(np.zeros((0, 2)), m).shape == (0, 2)
    assert g.transform_points([[1, 2]], g.Matrix2D()).tolist() == [[1.0, 2.0]]
    with pytest.raises(ValueError):
        g.transform_points(np.zeros(4), m)


@pytest.mark.parametrize("pattern", [
    g.RepeatLine2D(0.3, 2.0, 4, repeat=g.RepeatGrid(5, 6, 3, 2, 0.1)),
    g.RepeatArc2D((1, 1), math.pi / 3, 6, repeat=g.RepeatLine2D(0, 10, 2)),
    g.RepeatArcSymmetry2D((0, 0), 0.2, 5),
    g.RepeatGrid(1, 1, 0, 5, 0),                    # no copies
])
def test_repeat_points_places_every_copy_of_the_chain(pattern):
    point, ref = g.Point2D(4, 1), g.Point2D(2, 2)
    out = g.repeat_points(pattern, point, ref)
    assert out.shape == (max(pattern.count, 0), 2)
    for i, row in enumerate(out):
        assert tuple(row) == tuple(pattern.get_repeat_point(i, point, ref))


def test_crossings_of_one_entity_with_many():
    circle = g.Arc2D(radius=5, sweep=g.TWO_PI)
    others = [g.Line2D((-10, y), (10, y)) for y in (-6, -3, 0, 5.0, 8)]
    points, indices = g.cross_points(circle, others + [None])
    expected = [(k, p) for k, o in enumerate(others) for p in circle.f_get_cross_point(o)]
    assert indices.tolist() == [k for k, _ in expected]
    assert points.tolist() == [list(p) for _, p in expected]
    seg = np.array([[o.base_point.x, o.base_point.y, o.end_point.x, o.end_point.y]
                    for o in others])
    again = g.cross_segments(circle, seg)
    np.testing.assert_array_equal(again.points, points)
    np.testing.assert_array_equal(again.indices, indices)
    assert g.cross_points(circle, g.BaseGeo2DCol(others)).indices.tolist() == indices.tolist()


def test_batch_calls_run_while_other_threads_hold_the_interpreter():
    # A Python thread stamps the time as fast as it can while the main thread
    # is inside one long batch call. With the GIL held by the batch, no stamp
    # could fall in the middle of the call.
    pts = np.random.default_rng(1).uniform(size=(4_000_000, 2))
    m = g.Matrix2D()
    m.set_to_rotate(0.1)
    stamps = []
    stop = threading.Event()

    def stamp():
        while not stop.is_set():
            stamps.append(time.perf_counter())

    t = threading.Thread(target=stamp)
    t.start()
    while not stamps:
        time.sleep(0.001)
    start = time.perf_counter()
    g.transform_points(pts, m)
    end = time.perf_counter()
    stop.set()
    t.join()
    quarter = (end - start) / 4
    assert any(start + quarter < s < end - quarter for s in stamps)
