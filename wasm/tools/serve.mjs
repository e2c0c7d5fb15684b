// A static file server for the built web folder, on 127.0.0.1 only.
//
//   node wasm/tools/serve.mjs [FOLDER] [--port N]
//
// serves FOLDER (default: build/wasm/web of this source tree) and prints the
// playground's address. The browser test starts the same server in-process.
// Browsers will not load a module's .wasm from a file:// page, hence a server;
// the self-contained build (gmtrrt-playground.html) needs none.
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, resolve, sep} from 'node:path';
import {fileURLToPath} from 'node:url';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.json': 'application/json',
    '.png': 'image/png',
    '.ts': 'text/plain; charset=utf-8',
};

/** Serves `root` on 127.0.0.1; resolves to {server, url} once listening. */
export function startServer(root, port = 0) {
    const base = resolve(root);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        let file = normalize(join(base, path));
        if (file !== base && !file.startsWith(base + sep)) {
            response.writeHead(403).end();
            return;
        }
        if (path.endsWith('/')) file = join(file, 'index.html');
        try {
            const body = await readFile(file);
            response.writeHead(200, {
                'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': 'no-store',
            });
            response.end(body);
        } catch {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found');
        }
    });
    return new Promise((done, fail) => {
        server.once('error', fail);
        server.listen(port, '127.0.0.1', () => {
            done({server, url: `http://127.0.0.1:${server.address().port}/`});
        });
    });
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    const args = process.argv.slice(2);
    const portAt = args.indexOf('--port');
    const port = portAt >= 0 ? Number(args.splice(portAt, 2)[1]) : 8000;
    const root = args[0] ?? fileURLToPath(new URL('../../build/wasm/web', import.meta.url));
    const {url} = await startServer(root, port);
    console.log(`Serving ${root}`);
    console.log(`Playground: ${url}playground/`);
    console.log(`Self-contained page (opens without a server too): ${url}gmtrrt-playground.html`);
    console.log('Stop with Ctrl+C.');
}
