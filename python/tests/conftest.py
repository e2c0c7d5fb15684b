import math

import pytest

import gmtrrt as g


def near(p, q, tol=1e-9):
    """Two points (anything that unpacks to x, y) within tol in each coordinate."""
    (px, py), (qx, qy) = p, q
    return abs(px - qx) <= tol and abs(py - qy) <= tol


def arc(center, radius, start_deg, sweep_deg):
    return g.Arc2D(center=center, radius=radius, start=math.radians(start_deg),
                   sweep=math.radians(sweep_deg))


@pytest.fixture
def quarter():
    """Counter-clockwise quarter arc of radius 10 about the origin, (10, 0) to (0, 10)."""
    return g.Arc2D(center=(0, 0), radius=10, start=0, sweep=math.pi / 2)
