#!/usr/bin/env bash
# The user guide: builds it with the API reference (Doxygen; any warning
# fails), then opens the generated pages in headless Chromium through
# puppeteer-core (docs/check-pages.mjs): the guide and every page it links
# to, the reference's main pages and the demo picture. It fails on an image
# that does not load, a broken internal link or a console error, and saves
# screenshots of the guide's first page and of the demo picture as
# build/guide.png and build/demo.png.
#
# Installs what a fresh machine lacks: Debian's doxygen and chromium, and
# puppeteer-core from docs/package-lock.json (Node.js >= 18 with npm comes
# with the machine). Exits non-zero on any failure and prints its own time.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
report() { echo "docs: $1 after $(($(date +%s) - started)) s"; }
trap 'report "FAILED"' ERR

. .ci/packages.sh
ensure_packages doxygen chromium

echo "== doxygen Doxyfile"
rm -rf build/doc
mkdir -p build/doc
doxygen Doxyfile
if [ -s build/doc/warnings.log ]; then
  cat build/doc/warnings.log
  echo "doxygen reported warnings" >&2
  false
fi

echo "== npm ci (docs/)"
(cd docs && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)

echo "== the pages in headless Chromium"
node docs/check-pages.mjs build/doc/html build
ls -l build/guide.png build/demo.png
report "passed"
