"""Writes gmtrrt/__init__.pyi from the built module.

The extension's signatures come from the docstrings pybind11 writes
("name(self: gmtrrt._gmtrrt.Point2D, x: float) -> float"); the few places where
the binding returns a general Python object (None or a value, a named tuple,
a list of points) are made precise by the table RETURNS below. Arguments typed
Point2D, Vector2D, Point3D or Vector3D also accept tuples and lists, which the
stub says through the _PointLike aliases. The Python parts of the package
(drawing) are described from their own annotations.

usage: PYTHONPATH=<build>/python python3 tools/make_stub.py [-o gmtrrt/__init__.pyi]
The test suite checks that the committed stub equals this script's output.
"""
import argparse
import inspect
import re
import sys
from pathlib import Path

import gmtrrt
from gmtrrt import _gmtrrt, drawing

# Return types the docstrings cannot give: "Class.member" -> type, or a list
# of full signatures (after "def ") for members with several forms.
RETURNS = {
    "Line2D.get_cross_point_ex": "Optional[Point2D]",
    "Line2D.get_cross_point": "list[Point2D]",
    "Line2D.line_tangency_distance": "Optional[CornerFillet]",
    "Line2D.get_line_line_angle": "JunctionAngles",
    "Line2D.get_line_arc_angle": "JunctionAngles",
    "BaseGeo2D.f_get_cross_point": "list[Point2D]",
    "BaseGeo2D.get_rect_box": "RectBox",
    "Arc2D.get_cross_point_arc": "list[Point2D]",
    "Arc2D.get_cross_point_line": "list[Point2D]",
    "Arc2D.get_cross_point_line_ex": "list[Point2D]",
    "Arc2D.arc_tangency_distance": "Optional[ArcFillet]",
    "Arc2D.line_tangency_distance": "Optional[LineFillet]",
    "Arc2D.get_arc_arc_angle": "JunctionAngles",
    "Arc2D.get_coned_arc": [
        "get_coned_arc(self, other: Arc2D) -> Optional[Arc2D]",
        "get_coned_arc(self, other: Arc2D, result: Arc2D) -> int",
    ],
    "HVRect.intersect": "Optional[HVRect]",
    "HVRect.bounds": [
        "bounds(self) -> tuple[float, float, float, float]",
        "bounds(self, left: float, bottom: float, right: float, top: float) -> None",
    ],
    "HVRect.bounds_points": "tuple[Point2D, Point2D]",
    "HVRect.size": "tuple[float, float]",
    "Point2D.components": [
        "components(self) -> tuple[float, float]",
        "components(self, x: float, y: float) -> None",
    ],
    "Vector2D.components": [
        "components(self) -> tuple[float, float]",
        "components(self, x: float, y: float) -> None",
    ],
    "Transform2D.get_component": "TransformComponents",
    "BaseGeo2DCol.get_item": "Optional[BaseGeo2D]",
    "BaseGeo2DCol.__getitem__": "Optional[BaseGeo2D]",
    "BaseGeo2DCol.__iter__": "Iterator[Optional[BaseGeo2D]]",
    "Point2DCol.__getitem__": [
        "__getitem__(self, index: int) -> Point2D",
        "__getitem__(self, index: slice) -> list[Point2D]",
    ],
    "Point2DCol.__iter__": "Iterator[Point2D]",
    "Point2DCol.__array__": [
        "__array__(self, dtype: Any = None, copy: Optional[bool] = None) -> "
        "numpy.typing.NDArray[Any]",
    ],
    "PointValueCol.__iter__": "Iterator[PointValue]",
    "Repeat.get_repeat": "Optional[Repeat]",
    "Repeat.get_repeat_point2": "tuple[float, float]",
    "RepeatArc2D.get_origin_pt2": "tuple[float, float]",
    "PointValue.value": "tuple[float, float]",
    "cross_points": [
        "cross_points(entity: BaseGeo2D, others: Iterable[Optional[BaseGeo2D]]) -> Crossings",
    ],
    "cross_segments": "Crossings",
}

# Parameter types the docstrings name loosely: "member:argument" or
# "*:argument" for every member -> type.
PARAMETERS = {
    "*:ref": "Optional[_PointLike]",
    "*:repeat": "Optional[Repeat]",
    "f_get_cross_point:other": "Optional[BaseGeo2D]",
    "add:entity": "Optional[BaseGeo2D]",
    "BaseGeo2DCol.__init__:entities": "Iterable[Optional[BaseGeo2D]]",
    "Point2DCol.__init__:points": "Iterable[_PointLike]",
    "PointValueCol.__init__:records": "Iterable[PointValue]",
    "PointValue.__init__:value": "Sequence[float]",
    "*:memo": "dict[int, Any]",
    "__getitem__:key": "tuple[int, int]",
    "__setitem__:key": "tuple[int, int]",
}

NAMED_TUPLES = {
    "RectBox": [("min_x", "float"), ("max_x", "float"), ("max_y", "float"), ("min_y", "float")],
    "LineFillet": [("on_line", "Point2D"), ("on_arc", "Point2D"), ("center", "Point2D")],
    "ArcFillet": [("on_this", "Optional[Point2D]"), ("on_other", "Optional[Point2D]"),
                  ("center", "Point2D")],
    "CornerFillet": [("on_this", "Point2D"), ("on_other", "Point2D"), ("center", "Point2D")],
    "JunctionAngles": [("this_angle", "float"), ("other_angle", "float")],
    "TransformComponents": [("scale", "float"), ("rotation", "Optional[float]"),
                            ("mirror", "int"), ("transfer", "Vector2D")],
    "Crossings": [("points", "numpy.typing.NDArray[numpy.float64]"),
                  ("indices", "numpy.typing.NDArray[numpy.int64]")],
}

LIKE = {"Point2D": "_PointLike", "Vector2D": "_VectorLike", "Point3D": "_Point3DLike",
        "Vector3D": "_Vector3DLike"}

HEADER = '''"""Type information for gmtrrt. Generated by tools/make_stub.py; do not edit."""
import os
from typing import Any, ClassVar, Iterable, Iterator, NamedTuple, Optional, Sequence, Union, overload

import numpy
import numpy.typing

_PointLike = Union[Point2D, tuple[float, float], Sequence[float]]
_VectorLike = Union[Vector2D, tuple[float, float], Sequence[float]]
_Point3DLike = Union[Point3D, tuple[float, float, float], Sequence[float]]
_Vector3DLike = Union[Vector3D, tuple[float, float, float], Sequence[float]]
_ArrayLike = numpy.typing.ArrayLike

PI: float
TWO_PI: float
HALF_PI: float
TOL: float
__version__: str
'''


def clean_type(t):
    t = t.strip()
    t = re.sub(r"gmtrrt\._gmtrrt\.", "", t)
    t = t.replace("numpy.ndarray[numpy.float64]", "numpy.typing.NDArray[numpy.float64]")
    t = re.sub(r"\bList\[", "list[", t)
    t = re.sub(r"\bTuple\[", "tuple[", t)
    return {"Iterator": "Iterator[float]", "Iterable": "Iterable[Any]", "object": "Any",
            "tuple": "tuple[Any, ...]", "list": "list[Any]", "dict": "dict[Any, Any]",
            "Sequence": "Sequence[float]", "sequence": "Sequence[float]",
            "iterable": "Iterable[Any]", "handle": "Any"}.get(t, t)


def split_params(text):
    """Splits 'a: A, b: B = x' at top-level commas."""
    parts, depth, cur = [], 0, ""
    for ch in text:
        if ch in "[(":
            depth += 1
        elif ch in "])":
            depth -= 1
        if ch == "," and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += ch
    if cur.strip():
        parts.append(cur.strip())
    return parts


def param_type(owner, member, name, raw):
    for key in (f"{owner}.{member}:{name}", f"{member}:{name}", f"*:{name}"):
        if key in PARAMETERS:
            return PARAMETERS[key]
    t = clean_type(raw)
    if t in ("numpy.typing.NDArray[numpy.float64]",):
        return "_ArrayLike"
    return LIKE.get(t, t)


def signatures(owner, member, doc):
    """The pybind11 signatures of a member as 'name(params) -> ret' strings."""
    key = f"{owner}.{member}" if owner else member
    override = RETURNS.get(key)
    if isinstance(override, list):
        return override
    out = []
    pattern = re.compile(r"^(?:\d+\. )?" + re.escape(member) + r"\((.*)\) -> (.*)$")
    for line in (doc or "").splitlines():
        m = pattern.match(line)
        if not m:
            continue
        params = []
        for p in split_params(m.group(1)):
            name, _, rest = p.partition(":")
            name = name.strip()
            if name == "self":
                params.append("self")
                continue
            typ, eq, default = rest.partition("=")
            typ = param_type(owner, member, name, typ)
            if eq:
                default = default.strip()
                if not re.fullmatch(r"-?[\d.]+|None|True|False", default):
                    default = "..."
                params.append(f"{name}: {typ} = {default}")
            else:
                params.append(f"{name}: {typ}")
        ret = clean_type(m.group(2))
        if isinstance(override, str):
            ret = override
        out.append(f"{member}({', '.join(params)}) -> {ret}")
    return out


def emit_function(lines, indent, sigs, static=False):
    for n, sig in enumerate(sigs):
        if len(sigs) > 1:
            # p *= matrix exists while p * matrix does not: the library's own
            # operator set, which the checker flags on the first overload.
            note = "  # type: ignore[misc]" if n == 0 and sig.startswith("__imul__") else ""
            lines.append(f"{indent}@overload{note}")
        if static:
            lines.append(f"{indent}@staticmethod")
        lines.append(f"{indent}def {sig}: ...")


def emit_enum(lines, name, cls):
    lines.append(f"class {name}:")
    for member in cls.__members__:
        lines.append(f"    {member}: ClassVar[{name}]")
    lines.append(f"    __members__: ClassVar[dict[str, {name}]]")
    lines.append("    def __init__(self, value: int) -> None: ...")
    lines.append("    @property")
    lines.append("    def name(self) -> str: ...")
    lines.append("    @property")
    lines.append("    def value(self) -> int: ...")
    lines.append("    def __int__(self) -> int: ...")
    lines.append("    def __index__(self) -> int: ...")
    lines.append("    def __eq__(self, other: object) -> bool: ...")
    lines.append("    def __hash__(self) -> int: ...")


def emit_class(lines, name, cls):
    bases = [b.__name__ for b in cls.__bases__ if b.__module__.startswith("gmtrrt")]
    lines.append(f"class {name}({', '.join(bases)}):" if bases else f"class {name}:")
    body = []
    for member, value in cls.__dict__.items():
        if member.startswith("_") and not member.endswith("_"):
            continue
        if member in ("__doc__", "__module__", "__dict__", "__weakref__", "__new__",
                      "__getstate__", "__setstate__", "__hash__"):
            continue
        if member == "__hash__" or value is None:
            continue
        key = f"{name}.{member}"
        if isinstance(value, property):
            m = re.search(r"-> (.*)$", (value.fget.__doc__ or "").strip().splitlines()[0])
            ret = RETURNS.get(key) or clean_type(m.group(1) if m else "Any")
            body.append("    @property")
            body.append(f"    def {member}(self) -> {ret}: ...")
            if value.fset is not None:
                setter = LIKE.get(ret, ret)
                if key == "PointValue.value":
                    setter = "Sequence[float]"
                body.append(f"    @{member}.setter")
                body.append(f"    def {member}(self, value: {setter}) -> None: ...")
        elif isinstance(value, staticmethod):
            emit_function(body, "    ", signatures(name, member, value.__func__.__doc__), True)
        elif inspect.isfunction(value):  # added by the package in Python
            if member == "_repr_svg_":
                body.append("    def _repr_svg_(self) -> str: ...")
            elif member == "__eq__":
                body.append("    def __eq__(self, other: object) -> bool: ...")
            else:
                emit_python_function(body, member, value, "    ")
        elif callable(value):
            sigs = signatures(name, member, value.__doc__)
            if member in ("__eq__", "__ne__"):
                sigs = [f"{member}(self, other: object) -> bool"]
            if not sigs and member == "__init__":
                continue  # abstract: pybind11's own __init__ raises TypeError
            if not sigs:
                raise SystemExit(f"no signature found for {key}")
            emit_function(body, "    ", sigs)
    lines.extend(body or ["    ..."])


def emit_python_function(lines, name, fn, indent=""):
    sig = inspect.signature(fn)
    params, star_done = [], False
    for p in sig.parameters.values():
        if p.kind is p.KEYWORD_ONLY and not star_done:
            params.append("*")
            star_done = True
        text = ("*" if p.kind is p.VAR_POSITIONAL else "") + p.name
        star_done = star_done or p.kind is p.VAR_POSITIONAL
        if p.annotation is not p.empty:
            text += ": " + str(p.annotation).replace("'", "").replace('"', "")
        if p.default is not p.empty:
            text += " = " + (repr(p.default) if isinstance(p.default, (int, float, str, bool))
                             or p.default is None else "...")
        params.append(text)
    ret = "" if sig.return_annotation is sig.empty else \
        " -> " + str(sig.return_annotation).strip("'\"")
    lines.append(f"{indent}def {name}({', '.join(params)}){ret}: ...")


def build():
    lines = [HEADER]
    for name in gmtrrt.__all__:
        obj = getattr(gmtrrt, name)
        if name in ("PI", "TWO_PI", "HALF_PI", "TOL"):
            continue
        if name in NAMED_TUPLES:
            lines.append(f"class {name}(NamedTuple):")
            lines.extend(f"    {field}: {typ}" for field, typ in NAMED_TUPLES[name])
        elif isinstance(obj, type) and hasattr(obj, "__members__"):
            emit_enum(lines, name, obj)
        elif isinstance(obj, type) and obj.__module__.startswith("gmtrrt._gmtrrt"):
            emit_class(lines, name, obj)
        elif obj is drawing.Styled:
            lines.append("class Styled:")
            lines.append("    item: Any")
            for slot in obj.__slots__[1:]:
                ann = "Optional[str]" if slot in ("label", "color", "dash") else (
                    "Optional[float]" if slot in ("width", "radius") else (
                        "Optional[bool]" if slot == "numbers" else "Any"))
                lines.append(f"    {slot}: {ann}")
            emit_python_function(lines, "__init__", obj.__init__, "    ")
            lines.append("    def __repr__(self) -> str: ...")
        elif callable(obj) and getattr(obj, "__module__", "") == "gmtrrt.drawing":
            emit_python_function(lines, name, obj)
        else:
            emit_function(lines, "", signatures(None, name, obj.__doc__))
        lines.append("")
    return "\n".join(lines).rstrip() + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-o", "--output",
                        default=str(Path(__file__).resolve().parents[1] / "gmtrrt" / "__init__.pyi"))
    args = parser.parse_args()
    Path(args.output).write_text(build(), encoding="utf-8")
    print(f"wrote {args.output}", file=sys.stderr)


if __name__ == "__main__":
    main()
