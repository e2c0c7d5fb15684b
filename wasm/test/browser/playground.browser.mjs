// The playground in a real browser: Debian's chromium, driven through
// puppeteer-core, loads the page from a server on 127.0.0.1 and as the
// self-contained file, drags handles with the mouse, and checks the readout
// against the native library's answers for the same state (the program built
// from wasm/native in the same build). A screenshot goes to the build folder.
import {after, before, test} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {pathToFileURL} from 'node:url';
import puppeteer from 'puppeteer-core';
import {startServer} from '../../tools/serve.mjs';

const web = process.env.GMTRRT_WEB_DIR;
const reference = process.env.GMTRRT_REFERENCE;
const shots = process.env.GMTRRT_SCREENSHOT_DIR ?? tmpdir();
if (!web || !reference) throw new Error('run through ctest: GMTRRT_WEB_DIR and GMTRRT_REFERENCE are unset');

// Two crossings, a fillet at the corner, overlapping arcs, a chain of 12.
const STATE = 'seg=-30,150,210,-70&arc=0,0,120,-0.3,2.2&b=1.2,1.4&q=210,-70&d=25&leave=1' +
    '&p=-250,-130&rep=L:0,35,4;S:-150,-40,0.5235987755982988,3';

let server;
let base;
let browser;
let profile;

before(async () => {
    ({server, url: base} = await startServer(web));
    profile = mkdtempSync(join(tmpdir(), 'gmtrrt-chromium-'));
    browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
});

after(async () => {
    await browser?.close();
    server?.close();
    if (profile) rmSync(profile, {recursive: true, force: true});
});

async function open(url) {
    const page = await browser.newPage();
    const problems = [];
    page.on('console', (m) => { if (m.type() === 'error' || m.type() === 'warn') problems.push(m.text()); });
    page.on('pageerror', (e) => problems.push(String(e)));
    page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
    await page.setViewport({width: 1280, height: 1000});
    await page.goto(url, {waitUntil: 'load'});
    await page.waitForSelector('body[data-ready="1"]', {timeout: 10000});
    return {page, problems};
}

const readout = (page) => page.$$eval('#readout tr', (rows) =>
    Object.fromEntries(rows.map((r) => [r.dataset.key, r.querySelector('td').textContent])));
const hashState = async (page) => decodeURIComponent(await page.evaluate(() => location.hash.slice(1)));
const numbers = (text) => (text.match(/-?Infinity|NaN|-?(\d+\.?\d*|\.\d+)(e[-+]?\d+)?/g) ?? []).map(Number);
const native = (state) => JSON.parse(execFileSync(reference, [state], {encoding: 'utf8'}));

// wasm's sin, cos, acos and atan2 may differ from the C library's in the
// last bit, so values agree to a relative 1e-9, not bit for bit.
function assertClose(actual, expected, what) {
    assert.equal(actual.length, expected.length, `${what}: ${actual} against ${expected}`);
    actual.forEach((a, i) => {
        const e = expected[i];
        const ok = a === e || Math.abs(a - e) <= 1e-9 * Math.max(1, Math.abs(a), Math.abs(e));
        assert.ok(ok, `${what}[${i}]: page ${a}, native ${e}`);
    });
}

function assertMatchesNative(shown, state) {
    const lib = native(state);
    assertClose(numbers(shown.crossings), lib.crossings, 'crossings');
    assertClose(numbers(shown.fillet), lib.fillet, 'fillet');
    const joined = shown.union.startsWith('joined');
    assert.equal(lib.unionCode, joined ? 1 : 0, `union: ${shown.union}`);
    if (!shown.union.startsWith('not joined')) assertClose(numbers(shown.union), lib.union, 'union');
    assertClose(numbers(shown.junction), lib.junction, 'junction');
    assert.equal(Number(shown.count), lib.count);
    assertClose(numbers(shown.copies), lib.copies, 'copies');
    return lib;
}

async function drag(page, handle, dx, dy) {
    const box = await (await page.$(`[data-handle="${handle}"]`)).boundingBox();
    const x = box.x + box.width / 2;
    const y = box.y + box.height / 2;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + dx, y + dy, {steps: 8});
    await page.mouse.up();
}

test('the served page loads without console errors and shows the native answers', async () => {
    const {page, problems} = await open(`${base}playground/#${STATE}`);
    const shown = await readout(page);
    const lib = assertMatchesNative(shown, STATE);
    assert.equal(lib.crossings.length, 4, 'the test view has two crossings');
    assert.equal(lib.fillet.length, 6, 'and a fillet');
    assert.equal(lib.count, 12);
    assert.deepEqual(problems, []);
    await page.close();
});

test('dragging handles changes the drawing and the readout to the native answers', async () => {
    const {page, problems} = await open(`${base}playground/#${STATE}`);
    const drawingBefore = await page.$eval('#view', (v) => v.innerHTML);
    const before = await readout(page);

    await drag(page, 'seg-b', -40, 25);
    let state = await hashState(page);
    assert.notEqual(state, STATE);
    assert.match(state, /seg=-30,150,170,-95&/, 'the end point followed the mouse (screen y runs down, world y up)');
    let shown = await readout(page);
    assert.notEqual(shown.crossings, before.crossings);
    assertMatchesNative(shown, state);
    assert.notEqual(await page.$eval('#view', (v) => v.innerHTML), drawingBefore);

    // The sweep handle, the corner point and the fillet radius slider.
    await drag(page, 'arc-e', -110, 110);
    await drag(page, 'q', -6, 4);
    await page.focus('#fillet');
    for (let i = 0; i < 6; ++i) await page.keyboard.press('ArrowLeft');
    state = await hashState(page);
    assert.match(state, /&d=22&/);
    shown = await readout(page);
    assert.notEqual(shown.union, before.union);
    assertMatchesNative(shown, state);

    // The chain editor: five copies along the line, then a grid of 3 x 2
    // appended after the turning arc.
    const count = (await page.$$('#chain .pattern:first-child input'))[2];
    await count.click({clickCount: 3});
    await count.type('5');
    await page.keyboard.press('Tab');
    await page.click('#add-pattern');
    state = await hashState(page);
    assert.match(state, /&rep=L:0,35,5;S:[^;]*;G:30,30,3,2,0$/);
    assert.equal(assertMatchesNative(await readout(page), state).count, 5 * 3 * 6);

    await page.screenshot({path: join(shots, 'playground.png')});
    assert.deepEqual(problems, []);
    await page.close();
});

test('the self-contained page opens from the file system and agrees with the served one', async () => {
    const served = await open(`${base}playground/#${STATE}`);
    const file = await open(`${pathToFileURL(join(web, 'gmtrrt-playground.html'))}#${STATE}`);
    assert.deepEqual(await readout(file.page), await readout(served.page));
    assert.deepEqual(file.problems, []);
    await served.page.close();
    await file.page.close();
});
