// Collections and repeat chains through the module.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {g, nearPoint, using} from './load.mjs';

const P = (x, y) => ({x, y});

test('a point list keeps order, reports bad indices as null/false and appends a copy of itself', () => {
    using(new g.PointList(), (list) => {
        assert.ok(list.isEmpty());
        list.add(P(1, 1));
        list.add(P(3, 3));
        list.insert(1, P(2, 2));
        list.insert(9, P(9, 9)); // outside [0, count]: nothing
        assert.deepEqual(list.toArray(), [P(1, 1), P(2, 2), P(3, 3)]);
        assert.equal(list.item(3), null);
        assert.equal(list.item(-1), null);
        assert.equal(list.setItem(3, P(0, 0)), false);
        assert.equal(list.setItem(0, P(0, 0)), true);
        list.remove(1);
        list.appendList(list);
        assert.deepEqual(list.toArray(), [P(0, 0), P(3, 3), P(0, 0), P(3, 3)]);
        list.clear();
        assert.equal(list.count, 0);
    });
});

test('an entity list holds its own copies: the caller keeps and deletes what it passed and what it reads', () => {
    using(new g.EntityList(), new g.Arc(P(0, 0), 2, 0, 1), (list, arc) => {
        list.add(arc);
        list.add(null);
        arc.radius = 5; // the list's copy is not the caller's arc
        const item = list.item(0);
        assert.ok(item instanceof g.Arc);
        assert.equal(item.radius, 2);
        item.delete();
        assert.equal(list.item(1), null);
        assert.equal(list.item(7), null);
        using(list.copy(), (copy) => {
            list.clear();
            assert.equal(list.count, 0);
            assert.equal(copy.count, 2);
            using(copy.item(0), (again) => assert.equal(again.radius, 2));
        });
    });
});

test('a point-value list stores single-precision values and keeps its used count when cleared', () => {
    using(new g.PointValueList(), (list) => {
        list.usedValueCount = 2;
        list.add({x: 1, y: 2, values: [0.1, 3]});
        assert.deepEqual(list.item(0), {x: 1, y: 2, values: [Math.fround(0.1), 3]});
        assert.equal(list.setItem(1, {x: 0, y: 0, values: [0, 0]}), false);
        list.clear();
        assert.equal(list.count, 0);
        assert.equal(list.usedValueCount, 2);
    });
});

test('a chain of 3 then 2 numbers its copies with the first pattern varying fastest', () => {
    using(new g.RepeatLine(0, 10, 3), new g.RepeatLine(g.HALF_PI, 5, 2), (line, up) => {
        line.append(up);
        up.delete(); // the chain holds its own copy
        assert.equal(line.count, 6);
        assert.equal(line.ownCount, 3);
        assert.deepEqual(line.repeatPoint(2, P(1, 2), P(1, 2)), P(21, 2));
        assert.deepEqual(line.repeatPoint(4, P(1, 2), P(1, 2)), P(11, 7));
        const copies = line.copies(P(1, 2), P(1, 2), 0.25);
        assert.equal(copies.length, 6);
        copies.forEach((c, i) => {
            assert.equal(c.index, i);
            assert.deepEqual(c.point, line.repeatPoint(i, P(1, 2), P(1, 2)));
            assert.equal(c.angle, 0.25);
        });
        using(line.next(), (next) => {
            assert.ok(next instanceof g.RepeatLine);
            assert.equal(next.repeatSpace, 5);
        });
        line.removeLast();
        line.removeLast();
        assert.equal(line.count, 3);
        assert.equal(line.next(), null);
    });
});

test('a grid runs its rows back and forth and ignores setCount', () => {
    using(new g.RepeatGrid(10, 5, 3, 2, 0), new g.RepeatGrid(10, 5, 3, 2, g.HALF_PI), (grid, turned) => {
        const at = grid.copies(P(0, 0), P(0, 0), 0).map((c) => c.point);
        assert.deepEqual(at, [P(0, 0), P(10, 0), P(20, 0), P(20, 5), P(10, 5), P(0, 5)]);
        assert.deepEqual(turned.repeatPoint(3, P(0, 0), P(0, 0)), P(-5, 20));
        grid.setCount(7);
        grid.repeatX = 4;
        grid.repeatY = 3;
        assert.equal(grid.count, 12);
        assert.equal(grid.kind, g.RepeatType.GRID);
    });
});

test('arcs: the turning arc turns its copies, the plain arc moves them without turning', () => {
    using(new g.RepeatArcSymmetry(P(0, 0), g.HALF_PI, 4), new g.RepeatArc(P(0, 0), g.HALF_PI, 4), (sym, arc) => {
        const points = sym.copies(P(10, 0), P(10, 0), 0.1);
        assert.deepEqual(points.map((c) => c.point), [P(10, 0), P(0, 10), P(-10, 0), P(0, -10)]);
        assert.equal(points[2].angle, 0.1 + Math.PI);
        assert.equal(arc.repeatAngle(2, 0.1), 0.1);
        // A point beside the reference point moves with it, unturned.
        nearPoint(arc.repeatPoint(1, P(12, 1), P(10, 0)), P(2, 11));
        assert.equal(sym.kind, g.RepeatType.ARC_SYMMETRY2D);
    });
});

test('a cloned chain is independent of its source', () => {
    using(new g.RepeatLine(0, 1, 2), new g.RepeatGrid(1, 1, 2, 2, 0), (line, grid) => {
        line.append(grid);
        const copy = line.clone();
        line.removeLast();
        line.delete();
        assert.equal(copy.count, 8);
        copy.delete();
    });
});
