// The module's boundary: object lifetimes, bad arguments and degenerate
// numbers. A bad argument is a TypeError; a number of any value is a valid
// argument and never traps.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {g, using} from './load.mjs';

const P = (x, y) => ({x, y});

test('bad arguments throw TypeError before reaching the module', () => {
    using(new g.Line(P(0, 0), P(1, 0)), new g.Arc(), new g.PointList(), new g.RepeatLine(0, 1, 3),
          (line, arc, list, repeat) => {
        const bad = [
            () => line.distance(),                         // too few
            () => line.distance(P(1, 1), 2),               // too many
            () => line.distance({x: '1', y: 2}),           // not numbers
            () => line.distance(null),
            () => line.percentToPoint('0.5'),
            () => arc.crossArc(line),                      // wrong class
            () => arc.lineFillet(arc, P(0, 0), 1),
            () => line.crossPoints({}),
            () => list.item(1.5),                          // not an integer
            () => list.item(2 ** 31),                      // outside 32 bits
            () => line.distanceToPercent(40000, 1),        // outside 16 bits
            () => repeat.setCount(NaN),
            () => line.lineLineAngles(line, P(0, 0), 'yes'),
            () => { line.basePoint = [0, 0]; },
            () => { list.count = 3; },                     // read-only
            () => { repeat.count = 3; },
            () => new g.Line(P(0, 0)),
            () => new g.Arc(P(0, 0), 1, 0),
            () => new g.RepeatGrid(1, 1, 2.5, 2, 0),
            () => new g.Entity(),                          // abstract
            () => new g.Repeat(),
            () => g.Line(),                                // without new
            () => g.isSamePoint(P(0, 0)),
            () => g.Line.fromVector(P(0, 0), 1),
            () => g.Arc.prototype.union.call({}, arc),
        ];
        bad.forEach((f, i) => assert.throws(f, TypeError, `case ${i}: ${f}`));
    });
});

test('deleted objects cannot be used, passed or deleted again', () => {
    const arc = new g.Arc(P(0, 0), 1, 0, 1);
    const line = new g.Line(P(0, 0), P(1, 1));
    arc.delete();
    assert.ok(arc.isDeleted());
    assert.throws(() => arc.radius, TypeError);
    assert.throws(() => arc.startPoint(), TypeError);
    assert.throws(() => line.crossPoints(arc), TypeError);
    assert.throws(() => arc.delete(), TypeError);
    line.delete();
});

test('clones, copies and next patterns are new objects the caller deletes; deleting them leaves the source', () => {
    using(new g.Line(P(1, 2), P(3, 4)), (line) => {
        const copies = Array.from({length: 50}, () => line.clone());
        copies.forEach((c) => c.delete());
        assert.deepEqual(line.endPoint(), P(3, 4));
    });
    // Many objects made and freed leave the module working.
    for (let i = 0; i < 20000; ++i) new g.RepeatGrid(1, 1, 3, 3, 0).delete();
    using(new g.Arc(), (arc) => assert.equal(arc.radius, 1));
});

test('degenerate numbers are valid arguments: results follow the library, nothing traps', () => {
    const odd = [NaN, Infinity, -Infinity, 0, -0, 1e308, -1e-308];
    for (const v of odd) {
        using(new g.Arc(P(v, 0), v, v, v), new g.Line(P(0, v), P(v, 1)), (arc, line) => {
            for (const result of [arc.crossPoints(line), line.crossPoints(arc), arc.crossInfiniteLine(line)])
                assert.ok(Array.isArray(result));
            arc.lineFillet(line, P(v, v), v);
            arc.arcFillet(arc, v);
            arc.union(arc);
            arc.rectBox();
            line.crossPointEx(line);
            assert.equal(typeof arc.pointToPercent(P(v, v)), 'number');
        });
    }
    // Extreme counts and copy numbers stay within the library's own rules.
    using(new g.RepeatGrid(1, 1, -1, 2 ** 31 - 1, 0), new g.RepeatLine(0, 1, 0), (grid, line) => {
        grid.repeatPoint(-(2 ** 31), P(0, 0), P(0, 0));
        line.repeatPoint(2 ** 31 - 1, P(0, 0), P(0, 0));
        assert.equal(line.count, 0);
        assert.deepEqual(line.copies(P(0, 0), P(0, 0), 0), []);
    });
    assert.equal(g.normalizeSignedAngle(-Math.PI), Math.PI);
    assert.equal(g.isSamePoint(P(0, 0), P(0.6e-10, 0.6e-10)), false);
    assert.equal(g.snapCos(g.HALF_PI), 0);
});
