#!/usr/bin/env bash
# Memory check of the whole test suite: builds the library and every test
# program in a plain Debug build (no sanitizers, which cannot run under
# valgrind) and runs each test program once under memcheck. Exits non-zero on
# any memory error, any definitely or indirectly lost byte, or a failing test.
#
# Debian packages needed: cmake make g++ libgtest-dev libgmock-dev valgrind
set -euo pipefail
cd "$(dirname "$0")/.."

. .ci/packages.sh
ensure_packages cmake make g++ libgtest-dev libgmock-dev valgrind

build=build/ci-valgrind
echo "== building the tests (Debug, no sanitizers) in $build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DGMTRRT_SANITIZE=OFF -DGMTRRT_BUILD_TESTS=ON \
  -DGMTRRT_BUILD_EXAMPLES=OFF -DGMTRRT_BUILD_FUZZERS=OFF >/dev/null
cmake --build "$build" -j2

mapfile -t programs < <(find "$build/tests" -maxdepth 1 -type f -executable -name '*_test_*' | sort)
if [ "${#programs[@]}" -eq 0 ]; then
  echo "no test programs found in $build/tests" >&2
  exit 1
fi

passed=0
failed=0
for prog in "${programs[@]}"; do
  name=$(basename "$prog")
  log="$build/valgrind_$name.log"
  # Test programs that count allocations replace operator new themselves:
  # memcheck then intercepts only the system allocator (which their
  # replacement calls), so the counts stay right and every block is tracked.
  if valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
       --show-leak-kinds=definite,indirect --track-origins=yes \
       --soname-synonyms=somalloc=nouserintercepts --log-file="$log" \
       "$prog" --gtest_brief=1 >"$build/output_$name.log" 2>&1; then
    summary=$(grep -E 'ERROR SUMMARY' "$log" | tail -n 1 | sed 's/^==[0-9]*== //')
    echo "ok    $name: $summary"
    passed=$((passed + 1))
  else
    echo "FAIL  $name"
    tail -n 30 "$build/output_$name.log"
    grep -vE '^==[0-9]+== *$' "$log" | tail -n 60
    failed=$((failed + 1))
  fi
done

echo "valgrind: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
