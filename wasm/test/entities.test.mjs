// Segments and arcs through the module: each case builds the answer first
// (a crossing point, a tangent circle, a union) and derives the inputs from
// it, then checks what the module returns against it.
import {test} from 'node:test';
import assert from 'node:assert/strict';
import {g, near, nearPoint, using} from './load.mjs';

const P = (x, y) => ({x, y});
const lerp = (a, b, t) => P(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
const onCircle = (c, r, a) => P(c.x + r * Math.cos(a), c.y + r * Math.sin(a));
const deg = (d) => (d * Math.PI) / 180;

test('the README example: crossings of a cutting line and a quarter arc, a fillet centre or null', () => {
    using(new g.Arc(P(0, 0), 10, 0, g.HALF_PI), new g.Line(P(0, 0), P(20, 20)),
          new g.Line(P(10, 0), P(30, 0)), (arc, cut, edge) => {
        const hits = cut.crossPoints(arc);
        assert.equal(hits.length, 1);
        nearPoint(hits[0], P(10 * Math.SQRT1_2, 10 * Math.SQRT1_2));
        // A circle of radius 2 above the edge and outside the arc: its centre
        // is 2 above y = 0 and 12 from the arc's centre.
        const f = arc.lineFillet(edge, P(10, 0), 2);
        nearPoint(f.centre, P(Math.sqrt(140), 2), 'centre');
        nearPoint(f.onLine, P(Math.sqrt(140), 0), 'on the edge');
        nearPoint(f.onArc, P((10 / 12) * Math.sqrt(140), (10 / 12) * 2), 'on the arc');
        assert.equal(arc.lineFillet(edge, P(10, 0), 50), null);
        assert.equal(arc.lineFillet(edge, P(10, 0), NaN), null);
    });
});

test('the corner fillet between two segments touches both, or is null', () => {
    // Corner (0, 0) between +x and +y: the circle of radius 2 sits at (2, 2).
    using(new g.Line(P(10, 0), P(0, 0)), new g.Line(P(0, 0), P(0, 10)), (a, b) => {
        const f = a.lineFillet(b, P(0, 0), 2);
        nearPoint(f.centre, P(2, 2), 'centre');
        nearPoint(f.onThis, P(2, 0), 'on this');
        nearPoint(f.onOther, P(0, 2), 'on the other');
        assert.equal(a.lineFillet(b, P(0, 0), 20), null);
    });
});

test('a segment through two points of an arc crosses it there, whichever entity is asked', () => {
    const c = P(3, -2);
    const r = 7;
    const p1 = onCircle(c, r, 0.4);
    const p2 = onCircle(c, r, 2.1);
    using(new g.Arc(c, r, 0, 2.5), new g.Line(lerp(p1, p2, -0.2), lerp(p1, p2, 1.2)), (arc, line) => {
        const hits = line.crossPoints(arc);
        assert.equal(hits.length, 2);
        const [first, second] = Math.hypot(hits[0].x - p1.x, hits[0].y - p1.y) < 1e-9 ? hits : [hits[1], hits[0]];
        nearPoint(first, p1);
        nearPoint(second, p2);
        assert.deepEqual(arc.crossPoints(line), hits);
        assert.deepEqual(arc.crossLine(line), hits);
        // Ending the segment between the points keeps only the first; the
        // infinite line through it still meets both.
        line.setEndPoint(lerp(p1, p2, 0.5));
        assert.equal(line.crossPoints(arc).length, 1);
        nearPoint(line.crossPoints(arc)[0], p1);
        assert.equal(arc.crossInfiniteLine(line).length, 2);
        // An arc that stops before the second point drops it.
        arc.sweepAngle = 1.0;
        assert.equal(arc.crossInfiniteLine(line).length, 1);
    });
});

test('two circles through a chosen point cross there first (left of the line of centres), then at its mirror', () => {
    const x = P(2, 5);
    const cB = P(6, 1);
    using(new g.Arc(P(0, 0), Math.hypot(x.x, x.y), 0, g.TWO_PI),
          new g.Arc(cB, Math.hypot(x.x - cB.x, x.y - cB.y), 0, g.TWO_PI), (a, b) => {
        const hits = a.crossArc(b);
        assert.equal(hits.length, 2);
        nearPoint(hits[0], x);
        nearPoint(hits[1], P(130 / 37, -151 / 37)); // x mirrored across the line of centres
        a.baseAngle = Math.atan2(x.y, x.x) - 0.1;
        a.sweepAngle = 0.2;
        assert.equal(a.crossPoints(b).length, 1);
        nearPoint(a.crossPoints(b)[0], x);
    });
});

test('a line touching a circle gives the touching point twice; 2e-10 farther away nothing', () => {
    using(new g.Arc(P(0, 0), 5, 0, g.TWO_PI), new g.Line(P(-10, 5), P(10, 5)), (circle, line) => {
        const hits = line.crossPoints(circle);
        assert.equal(hits.length, 2);
        hits.forEach((h) => nearPoint(h, P(0, 5)));
        line.basePoint = P(-10, 5 + 2e-10);
        line.setEndPoint(P(10, 5 + 2e-10));
        assert.deepEqual(line.crossPoints(circle), []);
    });
});

test('segment crossings: proper crossings only; the line crossing is a point or null', () => {
    using(new g.Line(P(0, 0), P(10, 0)), new g.Line(P(5, -5), P(5, 5)), new g.Line(P(5, 0), P(5, 5)),
          new g.Line(P(0, 1), P(10, 1)), new g.Line(P(0, 0), P(5, 0)), new g.Line(P(0, 0), P(0, 10)),
          (s, cross, touch, parallel, overlap, corner) => {
        assert.deepEqual(s.crossPoint(cross), [P(5, 0)]);
        assert.deepEqual(s.crossPoint(touch), []);
        assert.deepEqual(s.crossPointEx(touch), P(5, 0));
        assert.equal(s.crossPointEx(parallel), null);
        assert.equal(s.crossPointEx(overlap), null); // leaves the shared point the same way
        assert.deepEqual(s.crossPointEx(corner), P(0, 0));
    });
});

test('appendCrossPoints adds to what the list holds and never clears it', () => {
    using(new g.Arc(P(0, 0), 1, 0, g.TWO_PI), new g.Line(P(-2, 0), P(2, 0)), new g.PointList(), (c, l, list) => {
        list.add(P(9, 9));
        assert.equal(l.appendCrossPoints(c, list), 2);
        assert.equal(l.appendCrossPoints(null, list), 0);
        assert.equal(list.count, 3);
        assert.deepEqual(list.item(0), P(9, 9));
    });
});

test('a fillet between a segment and an arc touches both and lies at its radius from each', () => {
    // Arc of radius 40 about the origin from 10° to 100°; the segment leaves
    // its start point at 30° below the tangent.
    using(new g.Arc(P(0, 0), 40, deg(10), deg(90)), (arc) => {
        const start = arc.startPoint();
        const dir = deg(10) - deg(60);
        using(new g.Line(start, P(start.x + 80 * Math.cos(dir), start.y + 80 * Math.sin(dir))), (seg) => {
            const d = 6;
            const f = arc.lineFillet(seg, start, d);
            assert.notEqual(f, null);
            near(seg.verticalDistance(f.centre), d, 'centre to the line');
            const fromCentre = Math.hypot(f.centre.x, f.centre.y);
            assert.ok(Math.abs(fromCentre - 34) < 1e-9 || Math.abs(fromCentre - 46) < 1e-9, `${fromCentre}`);
            assert.notEqual(seg.pointToPercent(f.onLine), -1, 'foot on the segment');
            near(Math.hypot(f.onArc.x, f.onArc.y), 40, 'on the arc');
            near(Math.hypot(f.onLine.x - f.centre.x, f.onLine.y - f.centre.y), d, 'touching the segment');
        });
    });
});

test('a fillet between two arcs: touching circles, the meeting of search circles, or null', () => {
    using(new g.Arc(P(0, 0), 1, 0, g.TWO_PI), new g.Arc(P(3, 0), 1, 0, g.TWO_PI),
          new g.Arc(P(4, 0), 1, 0, g.TWO_PI), new g.Arc(P(9, 0), 1, 0, g.TWO_PI), (a, b, c, far) => {
        const f = a.arcFillet(b, 1);
        const h = Math.sqrt(1.75);
        nearPoint(f.centre, P(1.5, h));
        nearPoint(f.onThis, P(0.75, h / 2));
        nearPoint(f.onOther, P(2.25, h / 2));
        const touching = a.arcFillet(c, 1);
        nearPoint(touching.centre, P(2, 0));
        nearPoint(touching.onThis, P(1, 0));
        nearPoint(touching.onOther, P(3, 0));
        assert.equal(a.arcFillet(far, 1), null);
    });
});

test('the union of two arcs on one circle: joined, the same arc, or not joined', () => {
    const c = P(1, 2);
    const arc = (start, sweep) => new g.Arc(c, 5, deg(start), deg(sweep));
    const union = (a, b) => using(arc(...a), arc(...b), (x, y) => x.union(y));
    const expect = (u, start, sweep, same = false) => {
        assert.equal(u.same, same);
        near(u.startAngle, deg(start), 'start');
        near(u.sweep, deg(sweep), 'sweep');
    };
    expect(union([0, 90], [45, 90]), 0, 135);
    expect(union([0, 90], [90, 90]), 0, 180);
    expect(union([0, 90], [180, -90]), 0, 180);
    expect(union([45, 45], [0, 180]), 0, 180);
    expect(union([90, -90], [45, -90]), 90, -135);
    expect(union([0, 270], [180, 270]), 0, 360);
    expect(union([0, 90], [0, 90]), 0, 90, true);
    assert.equal(union([0, 90], [180, 90]), null);
    using(arc(0, 90), new g.Arc(c, 5 + 1e-9, deg(45), deg(90)), (a, b) => assert.equal(a.union(b), null));
});

test('conedArc leaves the result alone for separate arcs and rewrites it for the same arc', () => {
    using(new g.Arc(P(0, 0), 5, 0, 1), new g.Arc(P(0, 0), 5, 3, 1), new g.Arc(P(0, 0), 5, 2, 0.5), (a, b, result) => {
        assert.equal(a.conedArc(b, result), 0);
        assert.equal(result.baseAngle, 2);
        assert.equal(result.sweepAngle, 0.5);
        assert.equal(a.conedArc(a, result), 0);
        near(result.baseAngle, 0);
        near(result.sweepAngle, 1);
        b.baseAngle = 0.5;
        assert.equal(a.conedArc(b, a), 1); // the result may be this arc
        near(a.sweepAngle, 1.5);
    });
});

test('junction angles: leaving and arriving directions at a shared end point', () => {
    using(new g.Line(P(0, 0), P(10, 0)), new g.Line(P(0, 0), P(0, 10)), new g.Line(P(10, 0), P(20, 0)),
          new g.Arc(P(0, 0), 10, 0, g.HALF_PI), new g.Arc(P(0, 0), 10, 0, -g.HALF_PI), (s1, s2, s4, q, cw) => {
        assert.deepEqual(s1.lineLineAngles(s2, P(0, 0), true), {thisAngle: 0, otherAngle: g.HALF_PI});
        assert.deepEqual(s1.lineLineAngles(s2, P(0, 0), 0), {thisAngle: g.PI, otherAngle: -g.HALF_PI});
        assert.deepEqual(s4.lineArcAngles(q, P(10, 0), 1), {thisAngle: 0, otherAngle: g.HALF_PI});
        const end = q.arcArcAngles(q, q.endPoint(), 0);
        near(end.thisAngle, g.PI);
        const start = cw.arcArcAngles(cw, P(10, 0), 1);
        near(start.thisAngle, -g.HALF_PI);
    });
});

test('entity interface: kinds, clones, percents, boxes', () => {
    using(new g.Line(P(5, 7), P(1, 9)), new g.Arc(P(0, 0), 10, 0, g.HALF_PI), (line, arc) => {
        assert.equal(line.kind, g.GeometryType.LINE2D);
        assert.equal(arc.kind, g.GeometryType.ARC2D);
        assert.deepEqual(line.rectBox(), {minX: 1, maxX: 5, maxY: 9, minY: 7});
        using(arc.clone(), (copy) => {
            assert.ok(copy instanceof g.Arc);
            copy.radius = 3;
            assert.equal(arc.radius, 10);
        });
        assert.equal(arc.pointToPercent(P(0, -10)), -1);
        near(arc.distanceToPercent(1, 2.5 * Math.PI / 2), 0.75);
        near(line.distance(P(5, 7)), 0);
        assert.deepEqual(line.percentToPoint(0.5), line.midPoint());
    });
});
