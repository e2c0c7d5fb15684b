// Loads the built module for the Node tests: GMTRRT_WEB_DIR (set by ctest)
// or build/wasm/web of this source tree.
import {join} from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';

const web = process.env.GMTRRT_WEB_DIR ?? fileURLToPath(new URL('../../build/wasm/web', import.meta.url));
const {default: loadGMTRRT} = await import(pathToFileURL(join(web, 'gmtrrt', 'gmtrrt.mjs')).href);

export const g = await loadGMTRRT();

// Values computed along different paths agree to a few units in the last
// place; 1e-12 relative is far below anything the library decides by.
export function near(actual, expected, what = '', tol = 1e-12) {
    const scale = Math.max(1, Math.abs(expected));
    if (!(Math.abs(actual - expected) <= tol * scale))
        throw new Error(`${what} ${actual} is not ${expected}`);
}
export function nearPoint(actual, expected, what = '', tol = 1e-12) {
    near(actual.x, expected.x, `${what} x`, tol);
    near(actual.y, expected.y, `${what} y`, tol);
}

// Runs `body` with the objects it makes and deletes them afterwards.
export function using(...args) {
    const body = args.pop();
    try {
        return body(...args);
    } finally {
        for (const o of args) if (!o.isDeleted()) o.delete();
    }
}
