"""Cost of one Python call into the library, and batch calls against Python loops.

usage: PYTHONPATH=<build>/python python3 tools/bench.py [-n 1000000]

Prints a Markdown table: per-call time of a few single calls, then for each
batch function the time over n items, the time of a Python loop doing the
same work item by item, and the ratio. Best of three runs each.
"""
import argparse
import math
import platform
import time
import timeit

import numpy as np

import gmtrrt as g


def best(fn, repeat=3):
    times = []
    for _ in range(repeat):
        t = time.perf_counter()
        fn()
        times.append(time.perf_counter() - t)
    return min(times)


def per_call(stmt, env, number=200_000):
    return min(timeit.repeat(stmt, globals=env, number=number, repeat=3)) / number


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-n", type=int, default=1_000_000)
    n = parser.parse_args().n

    a = g.Line2D((0, 0), (10, 10))
    b = g.Line2D((0, 10), (10, 0))
    circle = g.Arc2D(radius=5, sweep=g.TWO_PI)
    p = g.Point2D(1, 2)
    env = {"a": a, "b": b, "circle": circle, "p": p, "g": g}
    print(f"{platform.processor() or platform.machine()}, Python {platform.python_version()}, "
          f"numpy {np.__version__}\n")
    print("| single call | time per call |")
    print("|---|---|")
    for label, stmt in [
        ("`p.x` (property read, the floor of any call)", "p.x"),
        ("`a.get_cross_point(b)`: segment crossing, 1 point", "a.get_cross_point(b)"),
        ("`a.f_get_cross_point(circle)`: segment and circle, 2 points",
         "a.f_get_cross_point(circle)"),
        ("`circle.distance((3, 9))` with a tuple", "circle.distance((3, 9))"),
    ]:
        print(f"| {label} | {per_call(stmt, env) * 1e9:.0f} ns |")

    rng = np.random.default_rng(0)
    pts = rng.uniform(-100, 100, size=(n, 2))
    m = g.Matrix2D()
    m.set_to_rotate_by((1, 2), 0.3)
    m.scale(2.0)

    def loop_transform():
        out = np.empty_like(pts)
        for i, (x, y) in enumerate(pts.tolist()):
            q = g.Point2D(x, y)
            q *= m
            out[i] = q.x, q.y
        return out

    segs = np.concatenate([rng.uniform(-8, 8, size=(n, 2)), rng.uniform(-8, 8, size=(n, 2))], 1)

    def loop_cross():
        found = []
        for x0, y0, x1, y1 in segs.tolist():
            found.extend(circle.f_get_cross_point(g.Line2D((x0, y0), (x1, y1))))
        return found

    chain = g.RepeatLine2D(0, 1.0, 1000, repeat=g.RepeatGrid(2000, 3, 10, n // 10_000, 0.1))

    def loop_repeat():
        return [chain.get_repeat_point(i, (0, 0)) for i in range(chain.count)]

    print(f"\n| batch over {n:,} items | batch call | Python loop | ratio |")
    print("|---|---|---|---|")
    for label, batch, loop in [
        ("`transform_points(points, matrix)`", lambda: g.transform_points(pts, m), loop_transform),
        ("`cross_segments(circle, segments)`", lambda: g.cross_segments(circle, segs), loop_cross),
        ("`repeat_points(chain, point)`", lambda: g.repeat_points(chain, (0, 0)), loop_repeat),
    ]:
        tb = best(batch)
        tl = best(loop, repeat=1)
        print(f"| {label} | {tb * 1e3:.1f} ms ({n / tb / 1e6:.0f} M/s) | {tl * 1e3:.0f} ms "
              f"({n / tl / 1e6:.2f} M/s) | {tl / tb:.0f}x |")


if __name__ == "__main__":
    main()
