"""Pictures: _repr_svg_ and write_svg give well-formed SVG with the expected
elements; the matplotlib helper draws when matplotlib is installed."""
import math
import xml.etree.ElementTree as ET

import pytest

import gmtrrt as g

SVG = "{http://www.w3.org/2000/svg}"

ITEMS = [
    g.Line2D((0, 0), (10, 5)),
    g.Arc2D(center=(1, 1), radius=4, start=0.3, sweep=-2.0),
    g.Arc2D(radius=2, sweep=g.TWO_PI),
    g.Point2DCol([(0, 0), (3, 4), (5, -1)]),
    g.BaseGeo2DCol([g.Line2D(), None, g.Arc2D(radius=3, sweep=1)]),
    g.PointValueCol([g.PointValue(1, 2, (3.5, 0))], used_value_count=1),
    g.HVRect(0, 0, 4, 2),
    g.RepeatLine2D(0, 2, 3, repeat=g.RepeatGrid(10, 10, 2, 2, 0.2)),
    g.RepeatArc2D((0, 0), math.pi / 3, 6),
    g.Arc2D(radius=0.0),                          # degenerate: nothing to draw but no error
    g.Point2DCol(),
]


@pytest.mark.parametrize("item", ITEMS, ids=lambda i: type(i).__name__)
def test_repr_svg_is_well_formed(item):
    root = ET.fromstring(item._repr_svg_())
    assert root.tag == SVG + "svg" and float(root.get("width")) > 0


def test_write_svg_draws_direction_arrows_points_and_labels(tmp_path):
    circle = g.Arc2D(radius=5, sweep=g.TWO_PI)
    cut = g.Line2D((-8, 1), (8, 2))
    path = g.write_svg(tmp_path / "part.svg", circle, g.Styled(cut, "cut & <line>", color="red"),
                       circle.f_get_cross_point(cut), (1, 1), g.Vector2D(2, 2),
                       circle.line_tangency_distance(g.Line2D((5, 0), (12, 0)), (5, 0), 1),
                       title="demo")
    root = ET.parse(path).getroot()
    markers = root.findall(f"{SVG}defs/{SVG}marker")
    lines = root.findall(f"{SVG}polyline")
    assert markers and sum(1 for p in lines if p.get("marker-end")) == 3
    assert "cut & <line>" in [t.text for t in root.iter(f"{SVG}text")]
    assert any(p.get("stroke") == "red" for p in lines)
    assert len(root.findall(f"{SVG}circle")) >= 2 + 1 + 3   # crossings, point, fillet dots


def test_non_finite_geometry_is_left_out_and_unknown_items_are_refused():
    nan_line = g.Line2D((float("nan"), 0), (1, 1))
    ET.fromstring(g.svg_document(nan_line, g.Point2D(float("inf"), 0)))
    with pytest.raises(TypeError, match="cannot draw"):
        g.svg_document(g.Point3D())


def test_matplotlib_helper_draws_onto_axes():
    matplotlib = pytest.importorskip("matplotlib")
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    fig, ax = plt.subplots()
    assert g.plot(ax, *ITEMS[:8]) is ax
    assert ax.lines and ax.patches
    fig.savefig(__import__("io").BytesIO(), format="png")
    plt.close(fig)
