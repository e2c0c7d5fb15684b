// Type declarations of the GMTRRT WebAssembly module (gmtrrt.mjs).
//
// Lifetime: every class instance lives in the module's memory. An object made
// with `new`, or returned by clone(), copy(), next() or EntityList.item(),
// belongs to the caller and must be freed with delete(); JavaScript's garbage
// collector does not free it. Plain results (points, arrays, the objects
// returned by fillets, unions, angles, boxes) are ordinary JavaScript values
// and need nothing.
//
// Arguments are checked: a wrong count or type, a non-integer where an integer
// is expected, or an object already deleted throws a TypeError. Any number,
// NaN and infinities included, is a valid number argument; the library then
// answers as it does for such values (often NaN, -1 or no result).
//
// Angles are radians, counter-clockwise from +x. Percents run from an
// entity's start (0) to its end (1); -1 means "not on the entity".

/** A plane point or vector. Results are always fresh objects. */
export interface Point {
    x: number;
    y: number;
}
export type Vector = Point;

/** Functions that need no object. */
export interface GMTRRT {
    readonly PI: number;
    readonly TWO_PI: number;
    readonly HALF_PI: number;
    /** The library's one absolute tolerance, 1e-10. */
    readonly TOL: number;
    readonly GeometryType: {readonly LINE2D: 0; readonly ARC2D: 1};
    readonly RepeatType: {readonly LINE2D: 0; readonly ARC2D: 1; readonly ARC_SYMMETRY2D: 2; readonly GRID: 3};

    isEqualValue(a: number, b: number): boolean;
    /** The sum of both coordinate differences below TOL. */
    isSamePoint(p: Point, q: Point): boolean;
    /** In [0, 2pi). */
    normalizeAngle(a: number): number;
    /** In (-pi, pi]. */
    normalizeSignedAngle(a: number): number;
    /** Remainder by a full turn with the sign kept. */
    reduceAngle(a: number): number;
    /** atan2 of the step from `from` to `to`. */
    directionAngle(from: Point, to: Point): number;
    snapCos(a: number): number;
    snapSin(a: number): number;
    isAngleInRange(angle: number, start: number, sweep: number): boolean;

    readonly Entity: abstract new () => Entity;
    readonly Line: LineConstructor;
    readonly Arc: ArcConstructor;
    readonly PointList: new () => PointList;
    readonly EntityList: new () => EntityList;
    readonly PointValueList: new () => PointValueList;
    readonly Repeat: abstract new () => Repeat;
    readonly RepeatLine: {
        new (): RepeatLine;
        /** Line angle, repeat space, own count. */
        new (lineAngle: number, repeatSpace: number, count: number): RepeatLine;
    };
    readonly RepeatArc: {
        new (): RepeatArc;
        new (origin: Point, spaceAngle: number, count: number): RepeatArc;
    };
    readonly RepeatArcSymmetry: {
        new (): RepeatArcSymmetry;
        new (origin: Point, spaceAngle: number, count: number): RepeatArcSymmetry;
    };
    readonly RepeatGrid: {
        new (): RepeatGrid;
        new (spaceX: number, spaceY: number, repeatX: number, repeatY: number, baseAngle: number): RepeatGrid;
    };
}

/** Loads and instantiates the module. Options go to the emscripten loader. */
export default function loadGMTRRT(options?: {wasmBinary?: ArrayBuffer | Uint8Array; locateFile?: (path: string, prefix: string) => string}): Promise<GMTRRT>;
export {loadGMTRRT};

/** Common to every object of the module. */
export interface Handle {
    /** Frees the object; using it afterwards throws a TypeError. */
    delete(): void;
    isDeleted(): boolean;
}

/** Both directions at a junction, in (-pi, pi]. */
export interface Angles {
    thisAngle: number;
    otherAngle: number;
}

/** A segment (kind 0) or an arc (kind 1). */
export interface Entity extends Handle {
    readonly kind: 0 | 1;
    startPoint(): Point;
    endPoint(): Point;
    midPoint(): Point;
    /** Distance to the entity itself (not its line or full circle). */
    distance(p: Point): number;
    nearestPoint(p: Point): Point;
    /** A new entity of the same kind; the caller deletes it. */
    clone(): Line | Arc;
    /** The crossing points with another entity (none for null), in the library's order. */
    crossPoints(other: Entity | null): Point[];
    /** Appends the crossing points to `list` (never cleared); returns how many were added. */
    appendCrossPoints(other: Entity | null, list: PointList): number;
    rectBox(): {minX: number; maxX: number; maxY: number; minY: number};
    /** `from` 0: the length is measured from the start; otherwise from the end. -1 when out of range. */
    distanceToPercent(from: number, length: number): number;
    /** -1 when the point is not on the entity. */
    pointToPercent(p: Point): number;
    /** No clamping: percents outside [0, 1] extrapolate. */
    percentToPoint(t: number): Point;
}

export interface LineConstructor {
    /** From (0, 0) to (1, 0). */
    new (): Line;
    new (from: Point, to: Point): Line;
    /** From a base point along a vector; the caller deletes the result. */
    fromVector(base: Point, vector: Vector): Line;
}

/** A directed segment: a base point and a base vector. */
export interface Line extends Entity {
    readonly kind: 0;
    /** Moving it keeps the vector, so the end point moves too. */
    basePoint: Point;
    baseVector: Vector;
    /** Setting it turns the segment about its base point, keeping its length. */
    baseAngle: number;
    /** Setting it keeps the direction. */
    lineLength: number;
    /** Moves the end point only. */
    setEndPoint(p: Point): void;
    /** Distance to the infinite line. */
    verticalDistance(p: Point): number;
    /** Foot of the perpendicular on the infinite line. */
    verticalPoint(p: Point): Point;
    verticalPointInRange(p: Point): boolean;
    /** The proper crossing of two segments: [] or [point]. Touching gives []. */
    crossPoint(other: Line): Point[];
    /** The crossing of the two infinite lines (shared end points first); null when there is none. */
    crossPointEx(other: Line): Point | null;
    /**
     * The corner fillet of radius `d` between this segment and `other`, in the corner that
     * `corner` chooses (normally their common end point); null when it does not exist.
     */
    lineFillet(other: Line, corner: Point, d: number): CornerFillet | null;
    /** Directions at the junction `p`; `leaving` true: moving away from p, false: arriving at it. */
    lineLineAngles(other: Line, p: Point, leaving: boolean | number): Angles;
    lineArcAngles(arc: Arc, p: Point, leaving: boolean | number): Angles;
}

export interface ArcConstructor {
    /** Centre (0, 0), radius 1, start angle 0, sweep 0. */
    new (): Arc;
    /** Set up in this order: centre, radius, start angle, sweep. */
    new (centre: Point, radius: number, startAngle: number, sweep: number): Arc;
}

/** Result of a fillet between an arc and a segment. */
export interface LineFillet {
    onLine: Point;
    onArc: Point;
    centre: Point;
}

/** Result of the corner fillet between two segments (Line.lineFillet). */
export interface CornerFillet {
    onThis: Point;
    onOther: Point;
    centre: Point;
}

/**
 * Result of a fillet between two arcs. When a centre is found but a touching
 * point cannot be placed on one of the arcs, only `centre` is set and the
 * touching points are null.
 */
export interface ArcFillet {
    centre: Point;
    onThis: Point | null;
    onOther: Point | null;
}

/** The union of two arcs on one circle, as the start angle and sweep of an arc on it. */
export interface ArcUnion {
    /** True when both arcs are the same arc (the library then reports "not joined"). */
    same: boolean;
    startAngle: number;
    sweep: number;
}

/** A directed arc: centre, radius vector to the start, signed sweep. */
export interface Arc extends Entity {
    readonly kind: 1;
    centre: Point;
    radius: number;
    baseVector: Vector;
    midVector: Vector;
    /** In (-2pi, 2pi]; 2pi for a full circle. Setting it keeps the start. */
    sweepAngle: number;
    /** Setting it turns the arc about its centre. */
    baseAngle: number;
    /** Distance to the full circle. */
    verticalDistance(p: Point): number;
    verticalPoint(p: Point): Point;
    verticalPointInRange(p: Point): boolean;
    angleInRange(angle: number): boolean;
    percentToDistance(t: number): number;
    crossArc(other: Arc): Point[];
    crossLine(line: Line): Point[];
    /** With the infinite line through the segment. */
    crossInfiniteLine(line: Line): Point[];
    /** A circle of radius d touching this arc and `other`; null when there is none. */
    arcFillet(other: Arc, d: number): ArcFillet | null;
    /** A circle of radius d touching this arc and the segment, searched from the corner point q; null when there is none. */
    lineFillet(line: Line, q: Point, d: number): LineFillet | null;
    /**
     * The library's own union call: 1 with the union written into `result`
     * (only its start angle and sweep; it may be this arc or `other`); 0 when
     * not joined (result untouched) or the same arc (result rewritten with it).
     */
    conedArc(other: Arc, result: Arc): 0 | 1;
    /** The union with `other`; null when they are on different circles or do not meet. */
    union(other: Arc): ArcUnion | null;
    arcArcAngles(other: Arc, p: Point, leaving: boolean | number): Angles;
}

/** An ordered list of points. Bad indices change nothing. */
export interface PointList extends Handle {
    readonly count: number;
    isEmpty(): boolean;
    add(p: Point): void;
    /** Index in [0, count]. */
    insert(index: number, p: Point): void;
    remove(index: number): void;
    /** null for a bad index. */
    item(index: number): Point | null;
    /** false for a bad index. */
    setItem(index: number, p: Point): boolean;
    clear(): void;
    appendList(other: PointList): void;
    toArray(): Point[];
}

/**
 * An ordered list of entities. It stores its own copies: add() copies the
 * entity (the caller keeps and deletes its own), item() returns a new copy
 * the caller deletes (null for a null entry or a bad index).
 */
export interface EntityList extends Handle {
    readonly count: number;
    add(entity: Entity | null): void;
    item(index: number): Line | Arc | null;
    clear(): void;
    /** A new list of copies; the caller deletes it. */
    copy(): EntityList;
}

/** A point with two single-precision values. */
export interface PointValue {
    x: number;
    y: number;
    values: [number, number];
}

export interface PointValueList extends Handle {
    readonly count: number;
    /** Stored for the host; kept by clear(). */
    usedValueCount: number;
    add(record: PointValue): void;
    item(index: number): PointValue | null;
    setItem(index: number, record: PointValue): boolean;
    clear(): void;
}

/** One copy of a repeat chain. */
export interface Copy {
    index: number;
    point: Point;
    angle: number;
}

/** A repeat pattern and the chain of patterns it owns. */
export interface Repeat extends Handle {
    readonly kind: 0 | 1 | 2 | 3;
    /** Copies of the whole chain. */
    readonly count: number;
    /** Copies of this pattern alone. */
    readonly ownCount: number;
    /** Has no effect on a grid. */
    setCount(count: number): void;
    /** Copy `index` of `point`; `ref` is the reference point. */
    repeatPoint(index: number, point: Point, ref: Point): Point;
    repeatAngle(index: number, angle: number): number;
    /** Appends a copy of `next` (and its chain) at the end of this chain; the caller keeps `next`. */
    append(next: Repeat): void;
    /** Deletes the last pattern of the chain (never this one). */
    removeLast(): void;
    /** A new copy of the next pattern and its chain, or null; the caller deletes it. */
    next(): Repeat | null;
    /** A new copy of the whole chain; the caller deletes it. */
    clone(): Repeat;
    /** Every copy of the chain: position and angle. */
    copies(point: Point, ref: Point, angle: number): Copy[];
}
export interface RepeatLine extends Repeat {
    lineAngle: number;
    repeatSpace: number;
}
export interface RepeatArc extends Repeat {
    origin: Point;
    spaceAngle: number;
}
export interface RepeatArcSymmetry extends RepeatArc {}
export interface RepeatGrid extends Repeat {
    spaceX: number;
    spaceY: number;
    baseAngle: number;
    repeatX: number;
    repeatY: number;
}
