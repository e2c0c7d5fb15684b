"""The shipped type stub describes exactly the module's public names and members,
and every docstring names the C++ member it wraps."""
import ast
import inspect
import runpy
from pathlib import Path

import pytest

import gmtrrt as g

PACKAGE = Path(g.__file__).resolve().parent
TOOLS = Path(__file__).resolve().parents[1] / "tools" / "make_stub.py"
SHARED = ("IsEqualValue", "IsSamePoint", "NormalizeAngle", "NormalizeSignedAngle", "ReduceAngle",
          "GetDirectionAngle", "SnapCos", "SnapSin", "IsAngleInRange")


def stub_tree():
    return ast.parse((PACKAGE / "__init__.pyi").read_text())


def public_members(cls):
    names = set()
    for klass in cls.__mro__:
        if klass.__module__.startswith("gmtrrt"):
            names |= {n for n in vars(klass) if not n.startswith("_") or n == "_repr_svg_"}
    return names


def test_package_ships_the_stub_and_py_typed():
    assert (PACKAGE / "py.typed").is_file()
    assert (PACKAGE / "__init__.pyi").is_file()


def test_stub_names_every_public_name_and_member():
    tree = stub_tree()
    top = {}
    for node in tree.body:
        if isinstance(node, (ast.ClassDef, ast.FunctionDef)):
            top[node.name] = node
        elif isinstance(node, ast.AnnAssign):
            top[node.target.id] = node
    public = {n for n in top if not n.startswith("_")} - {"__version__"}
    assert public == set(g.__all__)
    for name in g.__all__:
        obj = getattr(g, name)
        if not isinstance(obj, type) or hasattr(obj, "__members__") or issubclass(obj, tuple):
            continue
        stubbed = set()
        node = top[name]
        bases = [top[b.id] for b in node.bases if isinstance(b, ast.Name) and b.id in top]
        for klass in [node] + bases + [top[b.id] for base in bases for b in base.bases
                                       if isinstance(b, ast.Name) and b.id in top]:
            stubbed |= {n.name for n in klass.body if isinstance(n, ast.FunctionDef)}
            stubbed |= {n.target.id for n in klass.body if isinstance(n, ast.AnnAssign)}
        missing = public_members(obj) - stubbed
        assert not missing, f"{name}: not in the stub: {sorted(missing)}"
        extra = {n for n in stubbed if not n.startswith("_")} - public_members(obj)
        assert not extra, f"{name}: in the stub only: {sorted(extra)}"


@pytest.mark.skipif(not TOOLS.is_file(), reason="needs the source tree's tools/")
def test_stub_is_what_the_generator_makes_of_the_module():
    generator = runpy.run_path(str(TOOLS))
    assert generator["build"]() == (PACKAGE / "__init__.pyi").read_text()


def test_every_docstring_names_the_cpp_member_it_wraps():
    undocumented = []
    for name in g.__all__:
        obj = getattr(g, name)
        if name.isupper() or getattr(obj, "__module__", "").startswith("gmtrrt.drawing") or (
                isinstance(obj, type) and issubclass(obj, tuple)):
            continue                  # constants, pictures and result tuples are Python's own
        items = [(name, obj)]
        if isinstance(obj, type) and not hasattr(obj, "__members__"):
            abstract = obj in (g.BaseGeo2D, g.Repeat)
            items += [(f"{name}.{m}", getattr(obj, m)) for m in vars(obj)
                      if (not m.startswith("_") or m in ("__init__", "__eq__", "__repr__"))
                      and not (abstract and m == "__init__")]
        for label, item in items:
            doc = inspect.getdoc(item) or ""
            if not ("CGMTR" in doc or "tagGMTR" in doc or any(f in doc for f in SHARED)):
                undocumented.append(label)
    assert not undocumented
