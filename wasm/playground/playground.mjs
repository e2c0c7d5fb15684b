// The playground: a segment, two arcs on one circle, a corner point and a
// repeat chain, drawn with the library's answers for them. Everything shown
// is recomputed from the state (kept in the address after '#') on every
// change, with fresh library objects that are deleted again after drawing.
import loadGMTRRT from '../gmtrrt/gmtrrt.mjs';

const SVG = 'http://www.w3.org/2000/svg';
// World to screen: the world's origin sits at (ORIGIN_X, ORIGIN_Y) of the
// 760 x 560 view, one world unit per pixel, y pointing up.
const ORIGIN_X = 330;
const ORIGIN_Y = 300;
const MAX_COPIES_DRAWN = 2000;

const DEFAULT_STATE =
    'seg=-30,150,210,-70&arc=0,0,120,-0.3,2.2&b=1.2,1.4&q=210,-70&d=25&leave=1' +
    '&p=-250,-130&rep=L:0,35,4;S:-150,-40,0.5235987755982988,3';

const PATTERN_FIELDS = {
    L: {name: 'line', fields: [['angle°', 'deg'], ['spacing', 'num'], ['count', 'int']]},
    A: {name: 'arc (keeps angle)', fields: [['origin x', 'num'], ['origin y', 'num'], ['step°', 'deg'], ['count', 'int']]},
    S: {name: 'arc (turns)', fields: [['origin x', 'num'], ['origin y', 'num'], ['step°', 'deg'], ['count', 'int']]},
    G: {name: 'grid', fields: [['spacing x', 'num'], ['spacing y', 'num'], ['columns', 'int'], ['rows', 'int'], ['angle°', 'deg']]},
};

// ---- State ------------------------------------------------------------------

const num = (text) => {
    const v = Number(text);
    return Number.isFinite(v) ? v : null;
};
const list = (text, n) => {
    const values = String(text ?? '').split(',').map(num);
    return values.length === n && values.every((v) => v !== null) ? values : null;
};

function parseRepeat(text) {
    if (!text) return [];
    const chain = [];
    for (const item of text.split(';')) {
        const [kind, rest] = item.split(':');
        const form = PATTERN_FIELDS[kind];
        const values = form && list(rest, form.fields.length);
        if (!values || form.fields.some(([, type], i) => type === 'int' && !Number.isInteger(values[i])))
            return null;
        chain.push({kind, values});
    }
    return chain;
}

function parseState(hash) {
    const fields = Object.fromEntries(
        hash.replace(/^#/, '').split('&').filter((s) => s.includes('=')).map((s) => {
            const i = s.indexOf('=');
            return [decodeURIComponent(s.slice(0, i)), decodeURIComponent(s.slice(i + 1))];
        }));
    const state = {
        seg: list(fields.seg, 4), arc: list(fields.arc, 5), b: list(fields.b, 2), q: list(fields.q, 2),
        d: num(fields.d), leave: num(fields.leave), p: list(fields.p, 2), rep: parseRepeat(fields.rep),
    };
    return Object.values(state).every((v) => v !== null && v !== undefined) ? state : null;
}

function formatState(s) {
    const rep = s.rep.map((r) => `${r.kind}:${r.values.join(',')}`).join(';');
    return `seg=${s.seg.join(',')}&arc=${s.arc.join(',')}&b=${s.b.join(',')}&q=${s.q.join(',')}` +
        `&d=${s.d}&leave=${s.leave}&p=${s.p.join(',')}&rep=${rep}`;
}

// ---- Drawing helpers ----------------------------------------------------------

const sx = (x) => ORIGIN_X + x;
const sy = (y) => ORIGIN_Y - y;

function el(parent, name, attrs, text) {
    const node = document.createElementNS(SVG, name);
    for (const [k, v] of Object.entries(attrs)) node.setAttribute(k, v);
    if (text !== undefined) node.textContent = text;
    parent.appendChild(node);
    return node;
}

const pathOf = (points) =>
    points.map((p, i) => `${i ? 'L' : 'M'}${sx(p.x).toFixed(2)},${sy(p.y).toFixed(2)}`).join('');

function arcPoints(centre, radius, start, sweep, inflate = 0) {
    const n = Math.max(2, Math.ceil(Math.abs(sweep) * 40));
    const r = radius + inflate;
    return Array.from({length: n + 1}, (_, i) => {
        const a = start + (sweep * i) / n;
        return {x: centre.x + r * Math.cos(a), y: centre.y + r * Math.sin(a)};
    });
}

function arrow(parent, from, angle, length, cls) {
    const to = {x: from.x + length * Math.cos(angle), y: from.y + length * Math.sin(angle)};
    el(parent, 'line', {class: `junction ${cls}`, x1: sx(from.x), y1: sy(from.y), x2: sx(to.x), y2: sy(to.y)});
    const head = [-2.6, 2.6].map((t) => ({x: to.x + 9 * Math.cos(angle + t), y: to.y + 9 * Math.sin(angle + t)}));
    el(parent, 'path', {class: `junction ${cls}`, d: pathOf([head[0], to, head[1]])});
}

function arrowhead(parent, at, angle, cls) {
    const pts = [[0, 0], [-11, 5], [-11, -5]].map(([u, v]) => ({
        x: at.x + u * Math.cos(angle) - v * Math.sin(angle),
        y: at.y + u * Math.sin(angle) + v * Math.cos(angle),
    }));
    el(parent, 'path', {class: `arrowhead ${cls}`, d: pathOf(pts) + 'Z'});
}

// Exact values: the shortest text that reads back as the same double.
const n = (v) => String(v);
const pt = (p) => `(${n(p.x)}, ${n(p.y)})`;

// ---- The page -------------------------------------------------------------------

async function main() {
    const status = document.getElementById('status');
    let g;
    try {
        g = await loadGMTRRT();
    } catch (error) {
        status.textContent = `the module did not load: ${error}`;
        throw error;
    }
    const view = document.getElementById('view');
    const fillet = document.getElementById('fillet');
    const filletValue = document.getElementById('fillet-value');
    const leave = document.getElementById('leave');
    const chainBox = document.getElementById('chain');
    const readout = document.getElementById('readout');

    let state = parseState(location.hash) ?? parseState(DEFAULT_STATE);

    function commit() {
        history.replaceState(null, '', `#${formatState(state)}`);
        render();
    }

    // Library objects live for one computation and are deleted right after.
    function compute() {
        const [x1, y1, x2, y2] = state.seg;
        const [cx, cy, r, start, sweep] = state.arc;
        const centre = {x: cx, y: cy};
        const corner = {x: state.q[0], y: state.q[1]};
        const segment = new g.Line({x: x1, y: y1}, {x: x2, y: y2});
        const arc = new g.Arc(centre, r, start, sweep);
        const arcB = new g.Arc(centre, r, state.b[0], state.b[1]);
        let chain = null;
        try {
            for (const {kind, values: v} of state.rep) {
                const pattern =
                    kind === 'L' ? new g.RepeatLine(v[0], v[1], v[2]) :
                    kind === 'G' ? new g.RepeatGrid(v[0], v[1], v[2], v[3], v[4]) :
                    new (kind === 'A' ? g.RepeatArc : g.RepeatArcSymmetry)({x: v[0], y: v[1]}, v[2], v[3]);
                if (chain) {
                    chain.append(pattern); // stores a copy
                    pattern.delete();
                } else {
                    chain = pattern;
                }
            }
            const seed = {x: state.p[0], y: state.p[1]};
            const count = chain ? chain.count : 0;
            return {
                centre, corner, seed, count,
                arcStart: arc.startPoint(), arcEnd: arc.endPoint(), arcSweep: arc.sweepAngle,
                arcBase: arc.baseAngle, radius: arc.radius,
                bStart: arcB.startPoint(), bEnd: arcB.endPoint(), bSweep: arcB.sweepAngle, bBase: arcB.baseAngle,
                segStart: segment.startPoint(), segEnd: segment.endPoint(), segAngle: segment.baseAngle,
                crossings: segment.crossPoints(arc),
                fillet: arc.lineFillet(segment, corner, state.d),
                union: arc.union(arcB),
                junction: segment.lineArcAngles(arc, corner, state.leave),
                copies: count > 0 && count <= MAX_COPIES_DRAWN ? chain.copies(seed, seed, 0) : [],
            };
        } finally {
            segment.delete();
            arc.delete();
            arcB.delete();
            if (chain) chain.delete();
        }
    }

    function draw(res) {
        view.replaceChildren();
        el(view, 'line', {class: 'axis', x1: 0, y1: sy(0), x2: 760, y2: sy(0)});
        el(view, 'line', {class: 'axis', x1: sx(0), y1: 0, x2: sx(0), y2: 560});
        el(view, 'circle', {class: 'circle', cx: sx(res.centre.x), cy: sy(res.centre.y), r: Math.abs(res.radius)});
        if (res.union)
            el(view, 'path', {class: 'union', d: pathOf(arcPoints(res.centre, res.radius, res.union.startAngle, res.union.sweep, 9))});
        el(view, 'path', {class: 'arc-b', d: pathOf(arcPoints(res.centre, res.radius, res.bBase, res.bSweep))});
        el(view, 'path', {class: 'arc-a', d: pathOf(arcPoints(res.centre, res.radius, res.arcBase, res.arcSweep))});
        const endTangent = res.arcBase + res.arcSweep + (res.arcSweep >= 0 ? Math.PI / 2 : -Math.PI / 2);
        arrowhead(view, res.arcEnd, endTangent, 'a');
        el(view, 'line', {class: 'segment', x1: sx(res.segStart.x), y1: sy(res.segStart.y), x2: sx(res.segEnd.x), y2: sy(res.segEnd.y)});
        arrowhead(view, res.segEnd, res.segAngle, '');
        el(view, 'text', {class: 'label', x: sx(res.arcStart.x) + 8, y: sy(res.arcStart.y) + 14}, 'A');
        el(view, 'text', {class: 'label', x: sx(res.bStart.x) + 8, y: sy(res.bStart.y) - 6}, 'B');
        if (res.fillet) {
            const f = res.fillet;
            el(view, 'circle', {class: 'fillet', cx: sx(f.centre.x), cy: sy(f.centre.y), r: Math.abs(state.d)});
            for (const p of [f.centre, f.onLine, f.onArc]) el(view, 'circle', {class: 'touch', cx: sx(p.x), cy: sy(p.y), r: 3});
        }
        res.crossings.forEach((p, i) => {
            el(view, 'circle', {class: 'crossing', cx: sx(p.x), cy: sy(p.y), r: 5});
            el(view, 'text', {class: 'label', x: sx(p.x) + 7, y: sy(p.y) - 7}, `X${i + 1}`);
        });
        arrow(view, res.corner, res.junction.thisAngle, 55, 'seg');
        arrow(view, res.corner, res.junction.otherAngle, 55, 'arc');
        for (const c of res.copies) {
            const a = c.angle;
            const tri = [[9, 0], [-6, 5], [-6, -5]].map(([u, v]) => ({
                x: c.point.x + u * Math.cos(a) - v * Math.sin(a), y: c.point.y + u * Math.sin(a) + v * Math.cos(a)}));
            el(view, 'path', {class: 'copy', d: pathOf(tri) + 'Z'});
            el(view, 'text', {class: 'label copy-no', x: sx(c.point.x) + 6, y: sy(c.point.y) + 14}, String(c.index));
        }
        const handle = (id, p, cls) =>
            el(view, 'circle', {class: `handle ${cls}`, 'data-handle': id, cx: sx(p.x), cy: sy(p.y), r: 6});
        // The corner point lies under the others: it usually sits on an end.
        handle('q', res.corner, 'corner');
        handle('seg-a', res.segStart, '');
        handle('seg-b', res.segEnd, '');
        handle('arc-c', res.centre, 'a');
        handle('arc-s', res.arcStart, 'a');
        handle('arc-e', res.arcEnd, 'a');
        handle('b-s', res.bStart, 'b');
        handle('b-e', res.bEnd, 'b');
        handle('p', res.seed, 'seed');
    }

    function show(res) {
        const rows = [
            ['segment', `${pt(res.segStart)} → ${pt(res.segEnd)}`],
            ['arc A', `centre ${pt(res.centre)}, radius ${n(res.radius)}, start ${n(res.arcBase)}, sweep ${n(res.arcSweep)}`],
            ['arc B', `start ${n(res.bBase)}, sweep ${n(res.bSweep)}`],
            ['crossings', res.crossings.length ? res.crossings.map(pt).join('  ') : 'none'],
            ['fillet', res.fillet ?
                `centre ${pt(res.fillet.centre)}, on segment ${pt(res.fillet.onLine)}, on arc ${pt(res.fillet.onArc)}` :
                'none'],
            ['union', res.union ?
                `${res.union.same ? 'same arc' : 'joined'}: start ${n(res.union.startAngle)}, sweep ${n(res.union.sweep)}` :
                'not joined'],
            ['junction', `segment ${n(res.junction.thisAngle)}, arc ${n(res.junction.otherAngle)}`],
            ['count', String(res.count)],
            ['copies', res.copies.map((c) => `${c.index}: ${pt(c.point)} ∠ ${n(c.angle)}`).join('\n') ||
                (res.count > MAX_COPIES_DRAWN ? `more than ${MAX_COPIES_DRAWN}, not listed` : 'none')],
        ];
        readout.replaceChildren();
        for (const [key, text] of rows) {
            const tr = document.createElement('tr');
            tr.dataset.key = key;
            const th = document.createElement('th');
            th.textContent = key;
            const td = document.createElement('td');
            td.textContent = text;
            if (key === 'copies') {
                td.className = 'copies';
                td.style.whiteSpace = 'pre';
            }
            tr.append(th, td);
            readout.appendChild(tr);
        }
    }

    function render() {
        fillet.value = state.d;
        filletValue.textContent = n(state.d);
        leave.checked = state.leave !== 0;
        const res = compute();
        draw(res);
        show(res);
        status.textContent = '';
    }

    // ---- Repeat chain editor ----
    const toInput = (value, type) => (type === 'deg' ? +(value * 180 / Math.PI).toPrecision(12) : value);
    const fromInput = (value, type) => (type === 'deg' ? value * Math.PI / 180 : value);

    function buildChainEditor() {
        chainBox.replaceChildren();
        state.rep.forEach((pattern, index) => {
            const box = document.createElement('div');
            box.className = 'pattern';
            const kind = document.createElement('select');
            for (const [k, form] of Object.entries(PATTERN_FIELDS)) kind.add(new Option(form.name, k, false, k === pattern.kind));
            kind.addEventListener('change', () => {
                state.rep[index] = defaultPattern(kind.value);
                buildChainEditor();
                commit();
            });
            box.append(kind);
            PATTERN_FIELDS[pattern.kind].fields.forEach(([label, type], i) => {
                const lab = document.createElement('label');
                const input = document.createElement('input');
                input.type = 'number';
                input.step = type === 'int' ? '1' : 'any';
                input.value = toInput(pattern.values[i], type);
                input.addEventListener('change', () => {
                    let v = Number(input.value);
                    if (!Number.isFinite(v)) return;
                    if (type === 'int') v = Math.max(0, Math.min(500, Math.round(v)));
                    pattern.values[i] = fromInput(v, type);
                    commit();
                });
                lab.append(`${label} `, input);
                box.append(lab);
            });
            const remove = document.createElement('button');
            remove.type = 'button';
            remove.textContent = '×';
            remove.title = 'remove this pattern';
            remove.addEventListener('click', () => {
                state.rep.splice(index, 1);
                buildChainEditor();
                commit();
            });
            box.append(remove);
            chainBox.append(box);
        });
    }
    function defaultPattern(kind) {
        const values = {L: [0, 40, 3], A: [0, 0, Math.PI / 6, 4], S: [0, 0, Math.PI / 6, 4], G: [30, 30, 3, 2, 0]}[kind];
        return {kind, values: values.slice()};
    }
    document.getElementById('add-pattern').addEventListener('click', () => {
        state.rep.push(defaultPattern('G'));
        buildChainEditor();
        commit();
    });

    fillet.addEventListener('input', () => {
        state.d = Number(fillet.value);
        commit();
    });
    leave.addEventListener('change', () => {
        state.leave = leave.checked ? 1 : 0;
        commit();
    });
    // Reversing an arc keeps its end points and goes the other way round.
    const flip = (sweep) => (sweep > 0 ? sweep - 2 * Math.PI : sweep + 2 * Math.PI);
    document.getElementById('flip-a').addEventListener('click', () => {
        state.arc[4] = flip(state.arc[4]);
        commit();
    });
    document.getElementById('flip-b').addEventListener('click', () => {
        state.b[1] = flip(state.b[1]);
        commit();
    });

    // ---- Dragging ----
    const round = (v) => Math.round(v * 10) / 10;
    function worldPoint(event) {
        const m = view.getScreenCTM().inverse();
        const p = new DOMPoint(event.clientX, event.clientY).matrixTransform(m);
        return {x: round(p.x - ORIGIN_X), y: round(ORIGIN_Y - p.y)};
    }
    // The sweep keeps its direction: the end follows the pointer round the
    // circle, counter-clockwise for a positive sweep, clockwise otherwise.
    function sweepTo(start, sweep, angle) {
        return sweep >= 0 ? g.normalizeAngle(angle - start) : -g.normalizeAngle(start - angle);
    }
    const moves = {
        'seg-a': (w) => { state.seg[0] = w.x; state.seg[1] = w.y; },
        'seg-b': (w) => { state.seg[2] = w.x; state.seg[3] = w.y; },
        'arc-c': (w) => { state.arc[0] = w.x; state.arc[1] = w.y; },
        'arc-s': (w, c) => {
            state.arc[2] = Math.max(1, Math.hypot(w.x - c.x, w.y - c.y));
            state.arc[3] = g.directionAngle(c, w);
        },
        'arc-e': (w, c) => { state.arc[4] = sweepTo(state.arc[3], state.arc[4], g.directionAngle(c, w)); },
        'b-s': (w, c) => { state.b[0] = g.directionAngle(c, w); },
        'b-e': (w, c) => { state.b[1] = sweepTo(state.b[0], state.b[1], g.directionAngle(c, w)); },
        'q': (w) => { state.q = [w.x, w.y]; },
        'p': (w) => { state.p = [w.x, w.y]; },
    };
    let dragging = null;
    view.addEventListener('pointerdown', (event) => {
        const id = event.target.dataset?.handle;
        if (!id) return;
        dragging = id;
        view.setPointerCapture(event.pointerId);
        event.preventDefault();
    });
    view.addEventListener('pointermove', (event) => {
        if (!dragging) return;
        moves[dragging](worldPoint(event), {x: state.arc[0], y: state.arc[1]});
        commit();
    });
    const stop = () => { dragging = null; };
    view.addEventListener('pointerup', stop);
    view.addEventListener('pointercancel', stop);
    window.addEventListener('hashchange', () => {
        const next = parseState(location.hash);
        if (next) {
            state = next;
            buildChainEditor();
            render();
        }
    });

    buildChainEditor();
    commit();
    document.body.dataset.ready = '1';
}

main();
