#!/usr/bin/env bash
# Builds the libFuzzer programs with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# in a build folder of their own and runs each target in turn for a set time, niced, one
# at a time.
#
#   tools/fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]
#
# Defaults: 600 seconds, every target. ORVANE_FUZZ_OPTIONS adds libFuzzer options. The committed corpus (tests/fuzz/corpus/<target>/)
# seeds each run; new inputs gather in build-fuzz/corpus/<target>/ and crashes in
# build-fuzz/crashes/<target>/. A crash worth keeping goes into the committed corpus once
# it is mended, where the corpus test runs it with every test run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="${ORVANE_FUZZ_BUILD:-$ROOT/build-fuzz}"
SECONDS_PER_TARGET="${1:-600}"
shift || true
# The one list of targets is the build's.
read -r -a ALL_TARGETS <<<"$(sed -n 's/^set(ORVANE_FUZZ_TARGETS \(.*\))$/\1/p' "$ROOT/tests/fuzz/CMakeLists.txt")"
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL_TARGETS[@]}")

command -v clang++ >/dev/null || { echo "clang++ is needed (Debian: clang)" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
flags+=" -fno-omit-frame-pointer -g"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DORVANE_LIBFUZZER=ON -DORVANE_BUILD_CONTENT=OFF -DORVANE_BUILD_BENCH=OFF >/dev/null
nice -n 19 cmake --build "$BUILD" --parallel 2 --target "${TARGETS[@]/#/fuzz_}"

# Qt reserves whatever a forged @Variant list in an INI file claims (gigabytes it never
# touches); where such a request fails, Qt goes on, as on a machine with little memory.
# Failing it at once keeps the sanitizer from spending seconds on its shadow.
export ASAN_OPTIONS="detect_leaks=0:allocator_may_return_null=1:max_allocation_size_mb=2048"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# The readers log every damaged input; at thousands of inputs a second that is noise.
export QT_LOGGING_RULES="*=false"
for target in "${TARGETS[@]}"; do
  corpus="$BUILD/corpus/$target"
  crashes="$BUILD/crashes/$target"
  log="$BUILD/logs/$target.log"
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  echo "== $target: ${SECONDS_PER_TARGET}s, log $log"
  # A crash ends the run early; the log and the crash file say what was found.
  set +e
  nice -n 19 "$BUILD/bin/fuzz_$target" "$corpus" "$ROOT/tests/fuzz/corpus/$target" \
    -max_total_time="$SECONDS_PER_TARGET" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$crashes/" ${ORVANE_FUZZ_OPTIONS:-} >"$log" 2>&1
  status=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "   exit $status, ${runs:-?} executions, crash files in $crashes: $(ls "$crashes" | wc -l)"
done
