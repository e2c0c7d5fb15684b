"""Pictures of gmtrrt objects: SVG text, SVG files and matplotlib axes.

Every item is first turned into a few primitives in model coordinates
(polylines, dots, rings, text, rectangles); the SVG writer and the matplotlib
helper only draw those. Entities are drawn through their own percent
parametrisation, with an arrow at the end point that shows their direction
and a small dot at the start. Model y points up; the SVG picture flips it.
"""
from __future__ import annotations

import math
import os
from dataclasses import dataclass, field
from collections.abc import Iterable
from typing import Any, List, Optional, Sequence, Tuple, Union
from xml.sax.saxutils import escape

from . import _gmtrrt as _g

__all__ = ["Styled", "svg_document", "write_svg", "plot"]

PALETTE = ("#1f4e79", "#c0392b", "#27ae60", "#8e44ad", "#e67e22", "#117a65", "#b9770e",
           "#2e86c1")

XY = Tuple[float, float]


class Styled:
    """An item to draw with its own label and look.

    ``label`` is written next to the item; ``color`` is any SVG colour;
    ``width`` the stroke width in pixels; ``dash`` an SVG dash pattern such as
    ``"6,3"``. For a repeat pattern, ``point`` is the point whose copies are
    drawn and ``ref`` the reference point (the point itself when omitted);
    ``numbers`` writes the copy or point numbers beside collections and
    patterns (default: when there are at most 60 of them). ``radius`` draws
    points as rings of that model radius instead of dots.
    """

    __slots__ = ("item", "label", "color", "width", "dash", "point", "ref", "numbers", "radius")

    def __init__(self, item: Any, label: Optional[str] = None, *, color: Optional[str] = None,
                 width: Optional[float] = None, dash: Optional[str] = None,
                 point: Any = None, ref: Any = None, numbers: Optional[bool] = None,
                 radius: Optional[float] = None) -> None:
        self.item = item
        self.label = label
        self.color = color
        self.width = width
        self.dash = dash
        self.point = point
        self.ref = ref
        self.numbers = numbers
        self.radius = radius

    def __repr__(self) -> str:
        return f"Styled({self.item!r}, label={self.label!r}, color={self.color!r})"


# ---- primitives -----------------------------------------------------------------


@dataclass
class _Polyline:
    points: List[XY]
    color: str
    width: float
    dash: Optional[str] = None
    arrow: bool = False
    title: Optional[str] = None


@dataclass
class _Dot:
    at: XY
    color: str
    size: float = 3.0  # pixels


@dataclass
class _Ring:
    at: XY
    radius: float  # model units
    color: str
    dash: Optional[str] = None


@dataclass
class _Text:
    at: XY
    text: str
    color: str
    size: float = 11.0  # pixels


@dataclass
class _Rect:
    corners: Tuple[float, float, float, float]  # left, bottom, right, top
    color: str
    width: float
    dash: Optional[str] = None


_Primitive = Union[_Polyline, _Dot, _Ring, _Text, _Rect]


def _finite(*values: float) -> bool:
    return all(math.isfinite(v) for v in values)


def _xy(p: Any) -> XY:
    x, y = p
    return float(x), float(y)


def _is_xy(item: Any) -> bool:
    return (isinstance(item, (tuple, list)) and len(item) == 2
            and all(isinstance(v, (int, float)) for v in item))


@dataclass
class _Look:
    color: str
    width: float = 1.6
    dash: Optional[str] = None
    label: Optional[str] = None
    numbers: Optional[bool] = None
    point: Any = None
    ref: Any = None
    radius: Optional[float] = None
    out: List[_Primitive] = field(default_factory=list)


def _entity(e: Any, look: _Look) -> None:
    start = _xy(e.f_get_start_point())
    if isinstance(e, _g.Arc2D):
        sweep = e.sweep_angle
        steps = max(4, int(math.ceil(abs(sweep) / (2 * math.pi) * 96))) if _finite(sweep) else 1
        pts = [_xy(e.percent_to_point(i / steps)) for i in range(steps + 1)]
    else:
        pts = [start, _xy(e.f_get_end_point())]
    pts = [p for p in pts if _finite(*p)]
    if len(pts) >= 2:
        look.out.append(_Polyline(pts, look.color, look.width, look.dash, True, repr(e)))
    if _finite(*start):
        look.out.append(_Dot(start, look.color, 2.2))
    if look.label:
        mid = _xy(e.f_get_mid_point())
        if _finite(*mid):
            look.out.append(_Text(mid, look.label, look.color))


def _points(points: Sequence[XY], look: _Look, texts: Optional[Sequence[str]] = None) -> None:
    numbered = look.numbers if look.numbers is not None else len(points) <= 60
    for i, p in enumerate(points):
        if not _finite(*p):
            continue
        if look.radius:
            look.out.append(_Ring(p, look.radius, look.color, look.dash))
        else:
            look.out.append(_Dot(p, look.color))
        text = texts[i] if texts is not None else (str(i) if numbered and len(points) > 1 else "")
        if text:
            look.out.append(_Text(p, text, look.color, 9.0))
    if look.label and points and _finite(*points[0]):
        look.out.append(_Text(points[0], look.label, look.color))


def _repeat(r: Any, look: _Look) -> None:
    point = look.point
    if point is None:
        # A point away from the rotation centre, so that an arc pattern shows
        # its circle of copies.
        point = (0.0, 0.0)
        if isinstance(r, _g.RepeatArc2D):
            ox, oy = r.get_origin_pt2()
            point = (ox + 1.0, oy) if ox == 0.0 and oy == 0.0 else (0.0, 0.0)
    copies = _g.repeat_points(r, point, look.ref)
    pts = [(float(x), float(y)) for x, y in copies]
    if len(pts) >= 2:
        look.out.append(_Polyline([p for p in pts if _finite(*p)], look.color, 0.6, "2,2"))
    _points(pts, look)


def _collect(item: Any, look: _Look) -> None:
    if isinstance(item, Styled):
        inner = _Look(item.color or look.color, item.width or look.width, item.dash or look.dash,
                      item.label, item.numbers, item.point, item.ref, item.radius, look.out)
        _collect(item.item, inner)
    elif isinstance(item, _g.BaseGeo2D):
        _entity(item, look)
    elif isinstance(item, _g.Point2D) or _is_xy(item):
        _points([_xy(item)], look)
    elif isinstance(item, _g.Vector2D):
        tip = _xy(item)
        if _finite(*tip):
            look.out.append(_Polyline([(0.0, 0.0), tip], look.color, look.width, look.dash, True,
                                      repr(item)))
    elif isinstance(item, _g.HVRect):
        look.out.append(_Rect(item.bounds(), look.color, look.width, look.dash or "4,3"))
        if look.label:
            look.out.append(_Text((item.left, item.top), look.label, look.color))
    elif isinstance(item, _g.Point2DCol):
        _points([_xy(p) for p in item], look)
    elif isinstance(item, _g.PointValueCol):
        used = max(0, min(2, item.used_value_count))
        records = list(item)
        texts = [", ".join(f"{v:g}" for v in rec.value[:used]) for rec in records]
        _points([(rec.x, rec.y) for rec in records], look, texts)
    elif isinstance(item, _g.PointValue):
        _points([(item.x, item.y)], look)
    elif isinstance(item, _g.BaseGeo2DCol):
        for i, e in enumerate(item):
            if e is not None:
                _entity(e, _Look(look.color, look.width, look.dash, look.label if i == 0 else None,
                                 out=look.out))
    elif isinstance(item, _g.Repeat):
        _repeat(item, look)
    elif isinstance(item, (_g.LineFillet, _g.ArcFillet)):
        centre = item.center
        touching = [p for p in item[:2] if p is not None]
        if centre is not None and touching:
            look.out.append(_Ring(_xy(centre), centre.distance2d(touching[0]), look.color,
                                  look.dash or "3,2"))
        _points([_xy(p) for p in item if p is not None], _Look(look.color, numbers=False,
                                                               label=look.label, out=look.out))
    elif isinstance(item, Iterable) and not isinstance(item, (str, bytes)):
        for sub in item:
            _collect(sub, look)
    else:
        raise TypeError(f"cannot draw {type(item).__name__}: expected an entity, a point, a "
                        "collection, an HVRect, a repeat pattern or a Styled item")


def _primitives(items: Sequence[Any]) -> List[_Primitive]:
    out: List[_Primitive] = []
    for i, item in enumerate(items):
        _collect(item, _Look(PALETTE[i % len(PALETTE)], out=out))
    return out


def _extent(prims: Sequence[_Primitive]) -> Tuple[float, float, float, float]:
    xs: List[float] = []
    ys: List[float] = []

    def add(x: float, y: float) -> None:
        if _finite(x, y):
            xs.append(x)
            ys.append(y)

    for p in prims:
        if isinstance(p, _Polyline):
            for x, y in p.points:
                add(x, y)
        elif isinstance(p, (_Dot, _Text)):
            add(*p.at)
        elif isinstance(p, _Ring):
            add(p.at[0] - p.radius, p.at[1] - p.radius)
            add(p.at[0] + p.radius, p.at[1] + p.radius)
        elif isinstance(p, _Rect):
            add(p.corners[0], p.corners[1])
            add(p.corners[2], p.corners[3])
    if not xs:
        return (-1.0, -1.0, 1.0, 1.0)
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    span = max(x1 - x0, y1 - y0, 1e-9)
    margin = 0.08 * span
    return (x0 - margin, y0 - margin, x1 + margin, y1 + margin)


# ---- SVG -----------------------------------------------------------------------


def _num(v: float) -> str:
    return f"{v:.2f}".rstrip("0").rstrip(".") if math.isfinite(v) else "0"


def svg_document(*items: Any, size: float = 480.0, title: Optional[str] = None,
                 background: str = "white") -> str:
    """The SVG text of a picture of the items.

    Items are entities, points, vectors, point / entity / point-value
    collections, rectangles, repeat patterns, fillet results, lists of any of
    these, and ``Styled`` wrappers that give one of them a label and a look.
    The longer side of the picture is ``size`` pixels.
    """
    prims = _primitives(items)
    x0, y0, x1, y1 = _extent(prims)
    scale = size / max(x1 - x0, y1 - y0)
    width, height = (x1 - x0) * scale, (y1 - y0) * scale

    def X(x: float) -> str:
        return _num((x - x0) * scale)

    def Y(y: float) -> str:
        return _num((y1 - y) * scale)

    colours = sorted({p.color for p in prims if isinstance(p, _Polyline) and p.arrow})
    markers = {c: f"gmtrrt-arrow-{i}" for i, c in enumerate(colours)}
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{_num(width)}" '
           f'height="{_num(height)}" viewBox="0 0 {_num(width)} {_num(height)}">']
    if title:
        out.append(f"<title>{escape(title)}</title>")
    if markers:
        out.append("<defs>")
        for colour, ident in markers.items():
            out.append(f'<marker id="{ident}" viewBox="0 0 10 10" refX="9" refY="5" '
                       'markerWidth="7" markerHeight="7" markerUnits="userSpaceOnUse" '
                       f'orient="auto-start-reverse"><path d="M0,0 L10,5 L0,10 z" '
                       f'fill="{escape(colour)}"/></marker>')
        out.append("</defs>")
    out.append(f'<rect width="100%" height="100%" fill="{escape(background)}"/>')
    for p in prims:
        if isinstance(p, _Polyline):
            pts = " ".join(f"{X(x)},{Y(y)}" for x, y in p.points)
            attrs = f'fill="none" stroke="{escape(p.color)}" stroke-width="{_num(p.width)}"'
            if p.dash:
                attrs += f' stroke-dasharray="{escape(p.dash)}"'
            if p.arrow:
                attrs += f' marker-end="url(#{markers[p.color]})"'
            body = f"<title>{escape(p.title)}</title>" if p.title else ""
            out.append(f'<polyline {attrs} points="{pts}">{body}</polyline>')
        elif isinstance(p, _Dot):
            out.append(f'<circle cx="{X(p.at[0])}" cy="{Y(p.at[1])}" r="{_num(p.size)}" '
                       f'fill="{escape(p.color)}"/>')
        elif isinstance(p, _Ring):
            if _finite(p.radius, *p.at):
                dash = f' stroke-dasharray="{escape(p.dash)}"' if p.dash else ""
                out.append(f'<circle cx="{X(p.at[0])}" cy="{Y(p.at[1])}" '
                           f'r="{_num(p.radius * scale)}" fill="none" '
                           f'stroke="{escape(p.color)}" stroke-width="1"{dash}/>')
        elif isinstance(p, _Text):
            out.append(f'<text x="{_num((p.at[0] - x0) * scale + 4)}" '
                       f'y="{_num((y1 - p.at[1]) * scale - 4)}" font-size="{_num(p.size)}" '
                       f'font-family="sans-serif" fill="{escape(p.color)}">'
                       f"{escape(p.text)}</text>")
        elif isinstance(p, _Rect):
            left, bottom, right, top = p.corners
            if _finite(left, bottom, right, top):
                lo_x, hi_x = sorted((left, right))
                lo_y, hi_y = sorted((bottom, top))
                dash = f' stroke-dasharray="{escape(p.dash)}"' if p.dash else ""
                out.append(f'<rect x="{X(lo_x)}" y="{Y(hi_y)}" '
                           f'width="{_num((hi_x - lo_x) * scale)}" '
                           f'height="{_num((hi_y - lo_y) * scale)}" fill="none" '
                           f'stroke="{escape(p.color)}" stroke-width="{_num(p.width)}"{dash}/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def write_svg(path: Union[str, "os.PathLike[str]"], *items: Any, size: float = 800.0,
              title: Optional[str] = None, background: str = "white") -> str:
    """Writes the picture of the items (see svg_document) to a file; returns the path."""
    text = svg_document(*items, size=size, title=title, background=background)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return os.fspath(path)


def _repr_svg_(self: Any) -> str:
    """The picture shown by Jupyter and other notebook front ends."""
    return svg_document(self, size=320.0)


# ---- matplotlib ---------------------------------------------------------------------


def plot(ax: Any, *items: Any) -> Any:
    """Draws the items (as for svg_document) onto a matplotlib Axes; returns the Axes.

    Needs matplotlib, which the module itself does not.
    """
    from matplotlib.patches import Circle, Rectangle

    prims = _primitives(items)
    for p in prims:
        if isinstance(p, _Polyline):
            xs = [x for x, _ in p.points]
            ys = [y for _, y in p.points]
            style = (0, tuple(float(v) for v in p.dash.split(","))) if p.dash else "solid"
            ax.plot(xs, ys, color=p.color, linewidth=p.width, linestyle=style)
            if p.arrow and len(p.points) >= 2:
                ax.annotate("", xy=p.points[-1], xytext=p.points[-2],
                            arrowprops=dict(arrowstyle="-|>", color=p.color, lw=p.width))
        elif isinstance(p, _Dot):
            ax.plot([p.at[0]], [p.at[1]], "o", color=p.color, markersize=p.size * 1.5)
        elif isinstance(p, _Ring):
            if _finite(p.radius, *p.at):
                ax.add_patch(Circle(p.at, p.radius, fill=False, edgecolor=p.color,
                                    linestyle="--" if p.dash else "-"))
        elif isinstance(p, _Text):
            ax.annotate(p.text, p.at, xytext=(3, 3), textcoords="offset points", color=p.color,
                        fontsize=p.size * 0.8)
        elif isinstance(p, _Rect):
            left, bottom, right, top = p.corners
            if _finite(left, bottom, right, top):
                ax.add_patch(Rectangle((min(left, right), min(bottom, top)), abs(right - left),
                                       abs(top - bottom), fill=False, edgecolor=p.color,
                                       linestyle="--" if p.dash else "-"))
    ax.set_aspect("equal")
    ax.autoscale_view()
    return ax

