// Opens the generated user guide and API reference in a real browser (Debian's
// chromium, driven through puppeteer-core) and fails when a page shows a
// problem a reader would see:
//   * an image (<img> or the <object> Doxygen uses for SVG) that does not load,
//   * an internal link to a page or anchor that does not exist,
//   * a console error, an uncaught exception, or a request that fails.
// The pages come from a small server on 127.0.0.1, so that the browser treats
// them as one site (an SVG <object> on a file: URL is opaque to the page).
// A screenshot of the guide's first page and one of the demo picture are saved.
//
// usage: node check-pages.mjs HTML_DIR SCREENSHOT_DIR
import {createServer} from 'node:http';
import {existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync, statSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {extname, join, normalize, resolve} from 'node:path';
import puppeteer from 'puppeteer-core';

const [htmlDir, shotDir] = process.argv.slice(2).map((p) => resolve(p));
if (!htmlDir || !shotDir) {
    console.error('usage: node check-pages.mjs HTML_DIR SCREENSHOT_DIR');
    process.exit(2);
}

// The guide's pages are found by following its links from guide.html; the
// reference's main pages and a few class pages are named here.
const START = ['guide.html', 'index.html', 'annotated.html', 'classes.html', 'files.html',
               'functions.html', 'pages.html', 'classCGMTRArc2D.html', 'classCGMTRLine2D.html',
               'classCGMTRRepeat.html', 'demo.svg'];
const GUIDE_ROOT = 'guide.html';

const TYPES = {'.html': 'text/html', '.css': 'text/css', '.js': 'text/javascript',
               '.svg': 'image/svg+xml', '.png': 'image/png', '.json': 'application/json'};

function startServer(root) {
    const server = createServer((req, res) => {
        const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
        if (path === '/favicon.ico') { // asked for by the browser, not by the pages
            res.writeHead(204).end();
            return;
        }
        const file = join(root, path);
        if (!file.startsWith(root) || !existsSync(file) || !statSync(file).isFile()) {
            res.writeHead(404).end();
            return;
        }
        res.writeHead(200, {'content-type': TYPES[extname(file)] ?? 'application/octet-stream'});
        res.end(readFileSync(file));
    });
    return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

const server = await startServer(htmlDir);
const base = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), 'gmtrrt-docs-chromium-'));
const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

const problems = [];
const anchors = new Map();    // page -> ids found on it
const links = [];             // [from page, target page, anchor]

async function visit(name) {
    const page = await browser.newPage();
    const report = (what) => problems.push(`${name}: ${what}`);
    page.on('console', (m) => { if (m.type() === 'error') report(`console error: ${m.text()}`); });
    page.on('pageerror', (e) => report(`uncaught: ${e}`));
    page.on('requestfailed', (r) => report(`request failed: ${r.url()}`));
    page.on('response', (r) => { if (r.status() >= 400) report(`HTTP ${r.status()}: ${r.url()}`); });
    await page.setViewport({width: 1280, height: 900});
    await page.goto(base + name, {waitUntil: 'networkidle0'});
    const found = await page.evaluate(async () => {
        // Wait for every <object> to load its document.
        const objects = [...document.querySelectorAll('object')];
        await Promise.all(objects.map((o) => o.contentDocument?.readyState === 'complete'
            ? null : new Promise((done) => { o.addEventListener('load', done); setTimeout(done, 3000); })));
        return {
            ids: [...document.querySelectorAll('[id], a[name]')].map((e) => e.id || e.name),
            links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
            brokenImages: [...document.images]
                .filter((i) => !i.complete || i.naturalWidth === 0).map((i) => i.src),
            brokenObjects: objects.filter((o) => {
                const root = o.contentDocument?.documentElement;
                return !root || root.nodeName.toLowerCase() !== 'svg' ||
                    !(o.getBoundingClientRect().width > 0);
            }).map((o) => o.data),
            isSvg: document.documentElement.nodeName.toLowerCase() === 'svg',
        };
    });
    for (const src of found.brokenImages) report(`image does not load: ${src}`);
    for (const src of found.brokenObjects) report(`SVG figure does not load: ${src}`);
    anchors.set(name, new Set(found.ids));
    for (const href of found.links) {
        if (!href.startsWith(base)) continue; // external (doxygen.org) links are not followed
        const url = new URL(href);
        links.push([name, url.pathname.slice(1) || 'index.html', url.hash.slice(1)]);
    }
    return {page, found};
}

// The guide and every page it links to (its subpages and the recipes), plus
// the reference's main pages.
const queue = [...START];
const seen = new Set();
const guidePages = new Set([GUIDE_ROOT]);
while (queue.length > 0) {
    const name = queue.shift();
    if (seen.has(name)) continue;
    seen.add(name);
    const {page, found} = await visit(name);
    if (name === GUIDE_ROOT) {
        mkdirSync(shotDir, {recursive: true});
        await page.screenshot({path: join(shotDir, 'guide.png')});
    }
    if (name === 'demo.svg') {
        if (!found.isSvg) problems.push('demo.svg: not an SVG document');
        await page.screenshot({path: join(shotDir, 'demo.png')});
    }
    // Follow the guide's own pages: links from a guide page to another page
    // that is not part of the class reference.
    if (guidePages.has(name)) {
        for (const [from, target] of links) {
            if (from !== name || seen.has(target) || !target.endsWith('.html')) continue;
            if (/^(class|struct|dir_|files|annotated|functions|globals|index)/.test(target) ||
                target.endsWith('_8h.html') || target.endsWith('_source.html')) continue;
            guidePages.add(target);
            queue.push(target);
        }
    }
    await page.close();
}

// Every internal link names an existing file, and an anchor that exists on
// the pages that were opened.
for (const [from, target, hash] of links) {
    if (!existsSync(join(htmlDir, target))) {
        problems.push(`${from}: broken link to ${target}`);
    } else if (hash && anchors.has(target) && !anchors.get(target).has(hash)) {
        problems.push(`${from}: broken link to ${target}#${hash}`);
    }
}

await browser.close();
server.close();
rmSync(profile, {recursive: true, force: true});

const unique = [...new Set(problems)];
console.log(`opened ${seen.size} pages (${guidePages.size} of the guide), checked ${links.length} internal links`);
if (unique.length > 0) {
    for (const p of unique) console.error(`PROBLEM ${p}`);
    console.error(`${unique.length} problems`);
    process.exit(1);
}
console.log(`no problems; screenshots in ${shotDir}`);
