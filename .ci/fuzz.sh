#!/usr/bin/env bash
# Coverage-guided fuzzing of the public interface: builds the libFuzzer
# targets of fuzz/ with clang (library and targets under AddressSanitizer +
# UndefinedBehaviorSanitizer, leak checking on), replays the committed seed
# corpus input by input, then fuzzes each target for a bounded time
# (FUZZ_SECONDS, default 60). The grown corpus goes to build/fuzz-corpus/<target>
# (kept between runs, so campaigns add up); fuzz/corpus/ is only read.
# Exits non-zero on any crash, sanitizer report, leak, timeout or failed
# contract check; the offending input is kept under the build directory.
#
# Debian packages needed: cmake make clang libclang-rt-14-dev
set -euo pipefail
cd "$(dirname "$0")/.."

. .ci/packages.sh
ensure_packages cmake make clang libclang-rt-14-dev

seconds="${FUZZ_SECONDS:-60}"
build=build/ci-fuzz
targets=(plane entities collections repeat space)

echo "== building the fuzz targets (clang, ASan + UBSan + libFuzzer) in $build"
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGMTRRT_BUILD_FUZZERS=ON \
  -DGMTRRT_BUILD_TESTS=OFF -DGMTRRT_BUILD_EXAMPLES=OFF -DGMTRRT_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
artifacts="$build/findings"
rm -rf "$artifacts"
mkdir -p "$artifacts"

passed=0
failed=0
for t in "${targets[@]}"; do
  bin="$build/fuzz/fuzz_$t"
  echo "== fuzz_$t: replaying fuzz/corpus/$t"
  if ! "$bin" -runs=0 -artifact_prefix="$artifacts/$t-" fuzz/corpus/"$t"/* \
       >"$build/replay_$t.log" 2>&1; then
    tail -n 40 "$build/replay_$t.log"
    echo "fuzz_$t: FAILED on the seed corpus (log: $build/replay_$t.log)"
    failed=$((failed + 1))
    continue
  fi
  echo "== fuzz_$t: fuzzing for ${seconds} s"
  # libFuzzer writes new inputs into the first folder and only reads the others.
  grown="build/fuzz-corpus/$t"
  mkdir -p "$grown"
  if "$bin" -max_total_time="$seconds" -max_len=512 -timeout=25 -print_final_stats=1 \
       -artifact_prefix="$artifacts/$t-" "$grown" fuzz/corpus/"$t" >"$build/fuzz_$t.log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' "$build/fuzz_$t.log" || true
    passed=$((passed + 1))
  else
    tail -n 60 "$build/fuzz_$t.log"
    echo "fuzz_$t: FINDING (log: $build/fuzz_$t.log, inputs: $artifacts/)"
    failed=$((failed + 1))
  fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
