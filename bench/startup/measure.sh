#!/usr/bin/env bash
# Start-up of the configurator against a minimal Qt Widgets program showing one window of the
# main window's size: both end right after their first window is painted on the screen. Runs
# them alternately N times under Xvfb (offscreen when Xvfb is missing) and prints the medians
# of the wall times and their ratio.
#
#   bench/startup/measure.sh [BUILD_DIR] [N]      (defaults: build/startup-bench, 31)
#
# Configures BUILD_DIR as a Release build when it has no build files yet and builds the two
# programs in it.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."
build=${1:-build/startup-bench}
runs=${2:-31}
if [[ "${MEASURE_STARTUP_INNER:-}" != 1 ]]; then
    [[ -f "$build/build.ninja" || -f "$build/Makefile" ]] ||
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target startup_velmaro startup_reference_window >/dev/null
fi
build=$(realpath "$build")
folder="$build/bench/startup"

if [[ "${MEASURE_STARTUP_INNER:-}" != 1 ]]; then
    export MEASURE_STARTUP_INNER=1
    if command -v xvfb-run >/dev/null; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$self" "$build" "$runs"
    fi
    echo "xvfb-run not found: measuring on the offscreen platform" >&2
    export QT_QPA_PLATFORM=offscreen
fi
# Wall time of one run in microseconds.
time_run() {
    local start end
    start=$EPOCHREALTIME
    "$1" >/dev/null 2>&1 || { echo "$1 failed" >&2; exit 1; }
    end=$EPOCHREALTIME
    echo $(( (${end/./} - ${start/./}) ))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# The program folder holds MASTER, PROJECTS and the settings file; run from a copy of it so the
# build folder is left alone.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
cp "$folder/startup_velmaro" "$folder/startup_reference_window" "$work/"
[[ -d "$folder/LANGUAGE" ]] && cp -r "$folder/LANGUAGE" "$work/"

# One warm-up run each fills the file caches.
time_run "$work/startup_velmaro" >/dev/null
time_run "$work/startup_reference_window" >/dev/null
velmaro=()
reference=()
for ((i = 0; i < runs; i++)); do
    velmaro+=("$(time_run "$work/startup_velmaro")")
    reference+=("$(time_run "$work/startup_reference_window")")
done
velmaro_median=$(printf '%s\n' "${velmaro[@]}" | median)
reference_median=$(printf '%s\n' "${reference[@]}" | median)
echo "runs: $runs (${QT_QPA_PLATFORM:-xcb})"
echo "velmaro to painted main window: median $((velmaro_median / 1000)).$(printf '%03d' $((velmaro_median % 1000))) ms"
echo "minimal Qt Widgets window:       median $((reference_median / 1000)).$(printf '%03d' $((reference_median % 1000))) ms"
awk -v a="$velmaro_median" -v b="$reference_median" 'BEGIN { printf "ratio: %.2f\n", a / b }'
