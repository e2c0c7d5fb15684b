#!/usr/bin/env bash
# WebAssembly build: installs what a fresh machine lacks (Debian's emscripten
# and chromium; puppeteer-core from the npm lock file), then runs the wasm
# workflow preset: the module, the playground and its self-contained page,
# the native reference program, the Node tests and the browser test.
# Exits non-zero on any failure and prints its own elapsed time.
#
# Debian packages needed: cmake make g++ emscripten chromium (Node.js >= 18
# with npm comes with the machine).
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
report() { echo "wasm: $1 after $(($(date +%s) - started)) s"; }
trap 'report "FAILED"' ERR

. .ci/packages.sh
ensure_packages cmake make g++ emscripten chromium

echo "== npm ci (wasm/)"
(cd wasm && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)

echo "== cmake --workflow --preset wasm"
cmake --workflow --preset wasm

ls -l build/wasm/web/gmtrrt/gmtrrt-core.wasm build/wasm/web/gmtrrt/gmtrrt-core.mjs \
  build/wasm/web/gmtrrt-playground.html build/wasm/playground.png
report "passed"
