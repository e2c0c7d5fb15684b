"""gmtrrt: plane geometry for CAD/CAM scripts, on top of the GMTRRT C++ library.

Points, vectors, matrices, transforms and rectangles; directed segments and
arcs with intersections, fillets, arc unions and junction angles; collections
of points, entities and point-value records; chained repeat patterns; a small
space family. Every class wraps the C++ class of the same name with the prefix
CGMTR dropped (``Arc2D`` wraps ``CGMTRArc2D``), members are in snake_case and
``Get``/``Put`` pairs are properties; each docstring names the C++ member it
wraps.

Results come back as values: a list of points for intersections, a named
tuple for several outputs, and None where the library leaves its outputs
untouched (no fillet, parallel lines, arcs that do not meet). Angles are
radians, counter-clockwise positive; the one tolerance is ``TOL`` = 1e-10.

Every entity, collection, rectangle and repeat pattern draws itself in a
notebook (``_repr_svg_``); ``write_svg`` writes any mix of them to a file and
``plot`` draws them onto a matplotlib Axes. The batch functions
``transform_points``, ``repeat_points``, ``cross_points`` and
``cross_segments`` work on numpy arrays without holding the GIL.
"""
from ._gmtrrt import (  # noqa: F401
    HALF_PI,
    PI,
    TOL,
    TWO_PI,
    Arc2D,
    ArcFillet,
    BaseGeo2D,
    BaseGeo2DCol,
    CoorMatrix,
    CornerFillet,
    Crossings,
    GeometryType,
    HVRect,
    JunctionAngles,
    Line2D,
    LineFillet,
    Matrix2D,
    Matrix3D,
    Point2D,
    Point2DCol,
    Point3D,
    PointValue,
    PointValueCol,
    RectBox,
    Repeat,
    RepeatArc2D,
    RepeatArcSymmetry2D,
    RepeatGrid,
    RepeatLine2D,
    RepeatType,
    Rotate3D,
    Transform2D,
    Transform3D,
    TransformComponents,
    Vector2D,
    Vector3D,
    cross_points,
    cross_segments,
    get_direction_angle,
    is_angle_in_range,
    is_equal_value,
    is_same_point,
    normalize_angle,
    normalize_signed_angle,
    reduce_angle,
    repeat_points,
    snap_cos,
    snap_sin,
    transform_points,
)
from .drawing import Styled, plot, svg_document, write_svg
from .drawing import _repr_svg_

__version__ = "1.0.0"

__all__ = [
    "HALF_PI", "PI", "TOL", "TWO_PI",
    "Arc2D", "ArcFillet", "BaseGeo2D", "BaseGeo2DCol", "CoorMatrix", "CornerFillet", "Crossings",
    "GeometryType", "HVRect", "JunctionAngles", "Line2D", "LineFillet", "Matrix2D", "Matrix3D",
    "Point2D", "Point2DCol", "Point3D", "PointValue", "PointValueCol", "RectBox", "Repeat",
    "RepeatArc2D", "RepeatArcSymmetry2D", "RepeatGrid", "RepeatLine2D", "RepeatType",
    "Rotate3D", "Transform2D", "Transform3D", "TransformComponents", "Vector2D", "Vector3D",
    "cross_points", "cross_segments", "get_direction_angle", "is_angle_in_range",
    "is_equal_value", "is_same_point", "normalize_angle", "normalize_signed_angle",
    "reduce_angle", "repeat_points", "snap_cos", "snap_sin", "transform_points",
    "Styled", "plot", "svg_document", "write_svg",
]

# Pictures in notebooks: entities, collections, rectangles and repeat chains.
for _cls in (BaseGeo2D, Point2DCol, BaseGeo2DCol, PointValueCol, HVRect, Repeat):
    _cls._repr_svg_ = _repr_svg_


# The two transform classes have no C++ equality; compare what they hold.
def _same_state(self, other):
    """Exactly the same stored values, read as for pickling (CGMTRTransform2D::GetTrMatrix2D;
    CGMTRCoorMatrix::GetIsInverse, GetRotate, GetTransfer)."""
    if type(self) is not type(other):
        return NotImplemented
    return self.__getstate__() == other.__getstate__()


for _cls in (Transform2D, CoorMatrix):
    _cls.__eq__ = _same_state
    _cls.__hash__ = None
del _cls
