#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz in the checked build (scripts/checked-build.sh), replays every
# seed (tests/fuzz/seeds/<target>/) and every input that once failed
# (tests/fuzz/regressions/<target>/), then fuzzes each target for a number of seconds, several
# targets at a time.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]     default: 20 seconds, every target
#
# FUZZ_JOBS    targets run at the same time (default: the number of cores)
# FUZZ_BUILD   build folder (default: build/checked, the one scripts/test.sh uses)
# FUZZ_NICE    set to 1 to run the targets under nice
# New inputs the fuzzer finds go to $FUZZ_BUILD/corpus/<target>/, failing ones to
# $FUZZ_BUILD/findings/; logs to $FUZZ_BUILD/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}
shift || true
build=${FUZZ_BUILD:-build/checked}
jobs=${FUZZ_JOBS:-$(nproc)}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS [TARGET...]]" >&2; exit 2; }

scripts/setup.sh
started=$SECONDS
source scripts/checked-build.sh
configure_checked_build "$build"
cmake --build "$build" --target velmaro_fuzzers -j "$jobs"
echo "fuzz targets built in $((SECONDS - started)) s"

targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^velmaro_fuzzer(\([a-z_0-9]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi

mkdir -p "$build/logs" "$build/findings"
export build seconds root
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/fuzz/lsan.supp}
# The targets that draw run the window layer without a display.
export QT_QPA_PLATFORM=offscreen
nice_prefix=""
[[ "${FUZZ_NICE:-0}" == 1 ]] && nice_prefix="nice -n 10"
export nice_prefix

# One target: replay its committed inputs, then fuzz it. Prints one summary line.
run_target() {
  local target=$1
  local program="$build/tests/fuzz/$target"
  local log="$build/logs/$target.log"
  local corpus="$build/corpus/$target"
  local replay=()
  for folder in "$root/tests/fuzz/seeds/$target" "$root/tests/fuzz/regressions/$target"; do
    [[ -d "$folder" ]] && replay+=("$folder")
  done
  mkdir -p "$corpus"
  local options=(-timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1
                 "-artifact_prefix=$root/$build/findings/$target-")
  : >"$log"
  if ((${#replay[@]})) && ! $nice_prefix "$program" "${options[@]}" -runs=0 "${replay[@]}" >>"$log" 2>&1; then
    echo "FAIL $target: a committed input fails (log: $log)"
    return 1
  fi
  if ((seconds > 0)) &&
     ! $nice_prefix "$program" "${options[@]}" -max_total_time="$seconds" "$corpus" "${replay[@]}" >>"$log" 2>&1; then
    echo "FAIL $target: new finding in $build/findings/ (log: $log)"
    return 1
  fi
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "ok   $target: ${runs:-0} executions in ${seconds} s"
}
export -f run_target

started=$SECONDS
status=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target "$@"' _ {} || status=1
if ((status)); then
  for log in "$build"/logs/*.log; do
    grep -q -E "ERROR: (libFuzzer|AddressSanitizer|UndefinedBehaviorSanitizer)|check failed|runtime error" "$log" || continue
    echo "---- $log"
    grep -E -A30 "ERROR:|check failed|runtime error" "$log" | head -60
  done
fi
echo "fuzzing took $((SECONDS - started)) s for ${#targets[@]} targets"
exit $status
