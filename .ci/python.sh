#!/usr/bin/env bash
# CI of the Python module: installs the Debian packages it needs, installs the
# module with the README's pip command into a fresh virtual environment (built
# with warnings as errors), imports it from another directory, runs the pytest
# suite, runs it again under valgrind memcheck (every binding path, the
# ownership tests among them), and runs the example that draws the demo part. Exits non-zero on any failure and prints
# its own elapsed time.
#
# Debian packages: cmake g++ make python3 python3-dev python3-venv python3-pip
# python3-setuptools python3-wheel python3-numpy python3-pytest pybind11-dev
# valgrind
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)
trap 'echo "python CI: $(( $(date +%s) - started )) s"' EXIT

. .ci/packages.sh
ensure_packages cmake g++ make python3 python3-dev python3-venv python3-pip python3-setuptools \
  python3-wheel python3-numpy python3-pytest pybind11-dev valgrind

work=build/ci-python
rm -rf "$work" python/build
mkdir -p "$work"
venv="$root/$work/venv"
outside=$(mktemp -d)
trap 'rm -rf "$outside"; echo "python CI: $(( $(date +%s) - started )) s"' EXIT

echo "== virtual environment with Debian's Python and its packages"
/usr/bin/python3 -m venv --system-site-packages "$venv"

echo "== README install command (warnings are errors)"
install_cmd=$(grep -m1 -E "^python -m pip install " README.md || true)
if [ -z "$install_cmd" ]; then
  echo "README.md has no pip install command" >&2
  exit 1
fi
echo "+ $install_cmd"
GMTRRT_CMAKE_ARGS=-DGMTRRT_WERROR=ON PATH="$venv/bin:$PATH" bash -c "$install_cmd"

echo "== import from another directory"
(cd "$outside" && "$venv/bin/python" -c "import gmtrrt; print('gmtrrt from', gmtrrt.__file__)")

echo "== pytest"
(cd "$outside" && "$venv/bin/python" -m pytest -q -p no:cacheprovider "$root/python/tests")

# The GIL test times a batch over 4 million points; it checks threads, not
# memory, and other tests run the same batch code, so memcheck skips it.
echo "== pytest under valgrind memcheck (Python's allocator off, so every block is checked)"
(cd "$outside" && PYTHONMALLOC=malloc valgrind --error-exitcode=1 --leak-check=no \
  --suppressions="$root/python/tests/valgrind.supp" --log-file="$root/$work/valgrind.log" \
  "$venv/bin/python" -m pytest -q -p no:cacheprovider -k "not other_threads" \
  "$root/python/tests") || {
  grep -vE '^==[0-9]+== *$' "$work/valgrind.log" | tail -n 60
  exit 1
}
grep -E 'ERROR SUMMARY' "$work/valgrind.log" | tail -n 1

echo "== example: the demo part"
(cd "$outside" && "$venv/bin/python" "$root/examples/python/demo_part.py" -o "$root/$work/demo_part.svg")
/usr/bin/python3 -c "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" \
  "$work/demo_part.svg"
echo "demo_part.svg is well-formed"

echo "== python CI passed"
