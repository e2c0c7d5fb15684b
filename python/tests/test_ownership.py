"""Entities in a BaseGeo2DCol and patterns in a repeat chain are never shared
with Python objects, so no order of del, reassignment, clear or garbage
collection can free one twice or reach a freed one. CI runs the suite under
valgrind as well."""
import copy
import gc
import pickle
import random

import gmtrrt as g


def test_added_entities_are_copies_that_outlive_their_python_objects():
    col = g.BaseGeo2DCol()
    line = g.Line2D((0, 0), (1, 0))
    col.add(line)
    col.add(line)                                   # the same object twice is fine
    line.end_point = (5, 5)                         # the collection holds its own copy
    del line
    gc.collect()
    assert col[0].end_point == (1, 0) and col[1] == col[0]
    item = col[0]
    col.clear()
    del col
    gc.collect()
    assert item.end_point == (1, 0)                 # the item never pointed into it


def test_collection_copies_are_deep():
    col = g.BaseGeo2DCol([g.Arc2D(radius=3), g.Line2D()])
    clones = [copy.copy(col), copy.deepcopy(col), pickle.loads(pickle.dumps(col))]
    del col
    gc.collect()
    assert len({repr(c) for c in clones}) == 1 and len(clones[0]) == 2
    clones[0].clear()
    assert len(clones[1]) == 2


def test_random_adds_deletes_and_collections_under_gc():
    rng = random.Random(17)
    cols = [g.BaseGeo2DCol() for _ in range(4)]
    loose = []
    for step in range(2000):
        kind = rng.randrange(6)
        if kind == 0:
            loose.append(g.Arc2D(radius=rng.random() + 0.1, sweep=1.0))
        elif kind == 1 and loose:
            rng.choice(cols).add(loose.pop(rng.randrange(len(loose))))
        elif kind == 2:
            c = rng.choice(cols)
            if len(c):
                loose.append(c[rng.randrange(-len(c), len(c))])
        elif kind == 3:
            cols[rng.randrange(4)] = copy.copy(rng.choice(cols))
        elif kind == 4:
            rng.choice(cols).clear()
        elif step % 100 == 0:
            gc.collect()
    for c in cols:
        for e in c:
            assert e.distance((0, 0)) >= 0
    del cols
    gc.collect()
    assert all(e.f_get_start_point() is not None for e in loose)


def test_repeat_chains_hold_copies():
    grid = g.RepeatGrid(30, 25, 2, 3, 0)
    pair = g.RepeatLine2D(0, 12, 2)
    pair.set_repeat(grid)
    grid.repeat_x = 50                              # the chain keeps its own grid
    del grid
    gc.collect()
    assert pair.count == 12
    rest = pair.get_repeat()                        # a new chain owned by Python
    del pair
    gc.collect()
    assert isinstance(rest, g.RepeatGrid) and rest.count == 6


def test_chaining_a_pattern_to_itself_and_removing_links():
    p = g.RepeatLine2D(0, 1, 2)
    p.set_repeat(p)                                 # a copy of itself is appended
    p.set_repeat(p)                                 # now 4 deep
    assert p.count == 16
    p.set_repeat(None)                              # removes the last pattern
    assert p.count == 8
    for _ in range(5):
        p.set_repeat(None)                          # never removes p itself
    assert p.count == 2 and p.get_repeat() is None
    chain = g.RepeatArc2D((0, 0), 0.5, 3, repeat=g.RepeatArcSymmetry2D((1, 1), 0.1, 2))
    clone = chain.clone()
    del chain
    gc.collect()
    assert type(clone.get_repeat()) is g.RepeatArcSymmetry2D and clone.count == 6


def test_batch_functions_work_on_copies():
    col = g.BaseGeo2DCol([g.Line2D((0, -1), (0, 1))])
    hits = g.cross_points(g.Line2D((-1, 0), (1, 0)), col)
    del col
    gc.collect()
    assert hits.points.tolist() == [[0.0, 0.0]]
