// GMTRRT for JavaScript hosts: the entry module of the WebAssembly build.
//
//   import loadGMTRRT from 'gmtrrt';
//   const g = await loadGMTRRT();
//   const arc = new g.Arc({x: 0, y: 0}, 10, 0, g.HALF_PI);
//   ...
//   arc.delete();
//
// loadGMTRRT() instantiates the module (gmtrrt-core.mjs + gmtrrt-core.wasm)
// and returns the API described in gmtrrt.d.ts. Every method and constructor
// checks its arguments before it reaches the module: a wrong count, a wrong
// type, a non-integer count or index, or an object already deleted throws a
// TypeError, so no argument can reach the compiled code in a shape it does not
// expect.
import createGMTRRTCore from './gmtrrt-core.mjs';

const isNode =
    typeof process === 'object' && process !== null && typeof process.versions === 'object' &&
    process.versions !== null && typeof process.versions.node === 'string';

/**
 * Instantiates the module. `options` go to the emscripten loader
 * (for example `wasmBinary` or `locateFile`). Under Node the .wasm beside
 * this file is read from disk unless `wasmBinary` is given.
 */
export default async function loadGMTRRT(options = {}) {
    const settings = Object.assign({}, options);
    if (isNode && !settings.wasmBinary && !settings.locateFile) {
        const {readFile} = await import('node:fs/promises');
        settings.wasmBinary = await readFile(new URL('./gmtrrt-core.wasm', import.meta.url));
    }
    return checkedApi(await createGMTRRTCore(settings));
}

export {loadGMTRRT};

const INT32_MIN = -2147483648;
const INT32_MAX = 2147483647;

function describe(value) {
    if (value === null) return 'null';
    if (Array.isArray(value)) return 'an array';
    if (typeof value === 'object') {
        if (typeof value.isDeleted === 'function' && value.$$)
            return value.isDeleted() ? 'a deleted object' : `a ${value.$$.ptrType.registeredClass.name}`;
        return 'an object';
    }
    if (typeof value === 'string') return `the string ${JSON.stringify(value)}`;
    return `${typeof value} ${String(value)}`;
}

function isPointLike(v) {
    return v !== null && typeof v === 'object' && typeof v.x === 'number' && typeof v.y === 'number';
}

// Builds the public API over the raw embind module.
function checkedApi(core) {
    const live = (cls) => (v) => v instanceof cls && !v.isDeleted();
    const isInt = (v) => Number.isInteger(v) && v >= INT32_MIN && v <= INT32_MAX;
    // Argument kinds: a test, what the test expects, and an optional
    // conversion of the accepted value.
    const kinds = {
        number: {test: (v) => typeof v === 'number', what: 'a number'},
        int: {test: isInt, what: 'an integer in [-2^31, 2^31)'},
        short: {test: (v) => Number.isInteger(v) && v >= -32768 && v <= 32767,
                what: 'an integer in [-32768, 32767]'},
        flag: {test: (v) => typeof v === 'boolean' || isInt(v), what: 'a boolean or an integer',
               convert: (v) => (typeof v === 'boolean' ? Number(v) : v)},
        point: {test: isPointLike, what: 'a point {x, y} of numbers'},
        record: {test: (v) => isPointLike(v) && Array.isArray(v.values) && v.values.length === 2 &&
                     v.values.every((n) => typeof n === 'number'),
                 what: 'a record {x, y, values: [number, number]}'},
        line: {test: live(core.Line), what: 'a live Line'},
        arc: {test: live(core.Arc), what: 'a live Arc'},
        entity: {test: live(core.Entity), what: 'a live Line or Arc'},
        'entity?': {test: (v) => v === null || live(core.Entity)(v), what: 'a live Line, Arc or null'},
        repeat: {test: live(core.Repeat), what: 'a live repeat pattern'},
        pointList: {test: live(core.PointList), what: 'a live PointList'},
    };
    const parse = (sig) => (sig === '' ? [] : sig.split(' ').map((k) => {
        if (!kinds[k]) throw new Error(`unknown argument kind ${k}`);
        return kinds[k];
    }));

    function checkArgs(where, sig, args) {
        if (args.length !== sig.length)
            throw new TypeError(`${where}: expected ${sig.length} argument(s), got ${args.length}`);
        for (let i = 0; i < sig.length; ++i) {
            if (!sig[i].test(args[i]))
                throw new TypeError(`${where}: argument ${i + 1} must be ${sig[i].what}, not ${describe(args[i])}`);
            if (sig[i].convert) args[i] = sig[i].convert(args[i]);
        }
    }
    function checkSelf(self, cls, where) {
        if (!(self instanceof cls)) throw new TypeError(`${where}: called on ${describe(self)}`);
        if (self.isDeleted()) throw new TypeError(`${where}: the object has been deleted`);
    }

    function guardMethods(cls, className, methods) {
        const proto = cls.prototype;
        for (const [name, text] of Object.entries(methods)) {
            const raw = proto[name];
            if (typeof raw !== 'function') throw new Error(`${className}.${name} is not bound`);
            const sig = parse(text);
            const where = `${className}.${name}`;
            const checked = {[name](...args) {
                checkSelf(this, cls, where);
                checkArgs(where, sig, args);
                return raw.apply(this, args);
            }}[name];
            // A method whose name already exists up the prototype chain (clone)
            // dispatches through a table that embind keeps on the function.
            if (raw.overloadTable) checked.overloadTable = raw.overloadTable;
            proto[name] = checked;
        }
    }
    // Properties: a kind for a writable one, null for a read-only one.
    function guardProperties(cls, className, properties) {
        const proto = cls.prototype;
        for (const [name, text] of Object.entries(properties)) {
            const raw = Object.getOwnPropertyDescriptor(proto, name);
            if (!raw) throw new Error(`${className}.${name} is not bound`);
            const where = `${className}.${name}`;
            const sig = text === null ? null : parse(text);
            Object.defineProperty(proto, name, {
                configurable: true,
                enumerable: true,
                get() {
                    checkSelf(this, cls, where);
                    return raw.get.call(this);
                },
                set(value) {
                    checkSelf(this, cls, where);
                    if (sig === null) throw new TypeError(`${where} is read-only`);
                    const args = [value];
                    checkArgs(where, sig, args);
                    raw.set.call(this, args[0]);
                },
            });
        }
    }
    // A constructor that checks its arguments against one signature per
    // argument count; instances are the module's own objects.
    function checkedClass(cls, className, constructors, statics = {}) {
        const sigs = constructors.map(parse);
        const Checked = {[className]: function (...args) {
            if (!new.target) throw new TypeError(`${className} must be called with new`);
            const sig = sigs.find((s) => s.length === args.length);
            if (!sig) {
                const counts = sigs.map((s) => s.length).join(' or ');
                throw new TypeError(`${className}: expected ${counts} argument(s), got ${args.length}`);
            }
            checkArgs(className, sig, args);
            return new cls(...args);
        }}[className];
        Checked.prototype = cls.prototype;
        for (const [name, text] of Object.entries(statics)) {
            const sig = parse(text);
            const where = `${className}.${name}`;
            Checked[name] = (...args) => {
                checkArgs(where, sig, args);
                return cls[name](...args);
            };
        }
        return Checked;
    }
    function abstractClass(cls, className) {
        const Abstract = {[className]: function () {
            throw new TypeError(`${className} is abstract: construct one of its kinds`);
        }}[className];
        Abstract.prototype = cls.prototype;
        return Abstract;
    }

    // Deleting twice is a usage error like any other bad argument.
    const handleProto = Object.getPrototypeOf(core.Entity.prototype);
    const rawDelete = handleProto.delete;
    handleProto.delete = function () {
        if (this.isDeleted()) throw new TypeError('delete(): the object has already been deleted');
        return rawDelete.call(this);
    };

    guardMethods(core.Entity, 'Entity', {
        startPoint: '', endPoint: '', midPoint: '', distance: 'point', nearestPoint: 'point',
        clone: '', crossPoints: 'entity?', appendCrossPoints: 'entity? pointList', rectBox: '',
        distanceToPercent: 'short number', pointToPercent: 'point', percentToPoint: 'number',
    });
    guardProperties(core.Entity, 'Entity', {kind: null});

    guardMethods(core.Line, 'Line', {
        setEndPoint: 'point', verticalDistance: 'point', verticalPoint: 'point',
        verticalPointInRange: 'point', crossPoint: 'line', crossPointEx: 'line',
        lineFillet: 'line point number',
        lineLineAngles: 'line point flag', lineArcAngles: 'arc point flag',
    });
    guardProperties(core.Line, 'Line', {
        basePoint: 'point', baseVector: 'point', baseAngle: 'number', lineLength: 'number',
    });

    guardMethods(core.Arc, 'Arc', {
        verticalDistance: 'point', verticalPoint: 'point', verticalPointInRange: 'point',
        angleInRange: 'number', percentToDistance: 'number', crossArc: 'arc', crossLine: 'line',
        crossInfiniteLine: 'line', arcFillet: 'arc number', lineFillet: 'line point number',
        conedArc: 'arc arc', union: 'arc', arcArcAngles: 'arc point flag',
    });
    guardProperties(core.Arc, 'Arc', {
        centre: 'point', radius: 'number', baseVector: 'point', midVector: 'point',
        sweepAngle: 'number', baseAngle: 'number',
    });

    guardMethods(core.PointList, 'PointList', {
        isEmpty: '', add: 'point', insert: 'int point', remove: 'int', item: 'int',
        setItem: 'int point', clear: '', appendList: 'pointList', toArray: '',
    });
    guardProperties(core.PointList, 'PointList', {count: null});

    guardMethods(core.EntityList, 'EntityList', {add: 'entity?', item: 'int', clear: '', copy: ''});
    guardProperties(core.EntityList, 'EntityList', {count: null});

    guardMethods(core.PointValueList, 'PointValueList', {
        add: 'record', item: 'int', setItem: 'int record', clear: '',
    });
    guardProperties(core.PointValueList, 'PointValueList', {count: null, usedValueCount: 'int'});

    guardMethods(core.Repeat, 'Repeat', {
        setCount: 'int', repeatPoint: 'int point point', repeatAngle: 'int number',
        append: 'repeat', removeLast: '', next: '', clone: '', copies: 'point point number',
    });
    guardProperties(core.Repeat, 'Repeat', {kind: null, count: null, ownCount: null});
    guardProperties(core.RepeatLine, 'RepeatLine', {lineAngle: 'number', repeatSpace: 'number'});
    guardProperties(core.RepeatArc, 'RepeatArc', {origin: 'point', spaceAngle: 'number'});
    guardProperties(core.RepeatGrid, 'RepeatGrid', {
        spaceX: 'number', spaceY: 'number', baseAngle: 'number', repeatX: 'int', repeatY: 'int',
    });

    const plain = (name, text) => {
        const sig = parse(text);
        return (...args) => {
            checkArgs(name, sig, args);
            return core[name](...args);
        };
    };

    return Object.freeze({
        PI: core.PI,
        TWO_PI: core.TWO_PI,
        HALF_PI: core.HALF_PI,
        TOL: core.TOL,
        GeometryType: Object.freeze({LINE2D: 0, ARC2D: 1}),
        RepeatType: Object.freeze({LINE2D: 0, ARC2D: 1, ARC_SYMMETRY2D: 2, GRID: 3}),

        isEqualValue: plain('isEqualValue', 'number number'),
        isSamePoint: plain('isSamePoint', 'point point'),
        normalizeAngle: plain('normalizeAngle', 'number'),
        normalizeSignedAngle: plain('normalizeSignedAngle', 'number'),
        reduceAngle: plain('reduceAngle', 'number'),
        directionAngle: plain('directionAngle', 'point point'),
        snapCos: plain('snapCos', 'number'),
        snapSin: plain('snapSin', 'number'),
        isAngleInRange: plain('isAngleInRange', 'number number number'),

        Entity: abstractClass(core.Entity, 'Entity'),
        Line: checkedClass(core.Line, 'Line', ['', 'point point'], {fromVector: 'point point'}),
        Arc: checkedClass(core.Arc, 'Arc', ['', 'point number number number']),
        PointList: checkedClass(core.PointList, 'PointList', ['']),
        EntityList: checkedClass(core.EntityList, 'EntityList', ['']),
        PointValueList: checkedClass(core.PointValueList, 'PointValueList', ['']),
        Repeat: abstractClass(core.Repeat, 'Repeat'),
        RepeatLine: checkedClass(core.RepeatLine, 'RepeatLine', ['', 'number number int']),
        RepeatArc: checkedClass(core.RepeatArc, 'RepeatArc', ['', 'point number int']),
        RepeatArcSymmetry: checkedClass(core.RepeatArcSymmetry, 'RepeatArcSymmetry',
                                        ['', 'point number int']),
        RepeatGrid: checkedClass(core.RepeatGrid, 'RepeatGrid', ['', 'number number int int number']),
    });
}
