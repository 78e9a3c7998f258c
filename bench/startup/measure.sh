#!/usr/bin/env bash
# Start-up of the configurator against a minimal Qt Widgets program showing one window of the
# main window's size: both end right after their first window is painted on the screen. Runs
# them alternately N times under Xvfb (offscreen when Xvfb is missing) and prints the medians
# of the wall times and their ratio.
#
#   bench/startup/measure.sh [BUILD_DIR] [N]      (defaults: build/startup-bench, 31)
#
# BUILD_DIR is configured as a Release build when it has no build files yet.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."
source bench/startup/measure_common.sh
build=${1:-build/startup-bench}
runs=${2:-31}
if [[ "${MEASURE_STARTUP_INNER:-}" != 1 ]]; then
    build_targets "$build" startup_velmaro startup_reference_window
fi
build=$(realpath "$build")
run_on_a_display "$self" "$build" "$runs"

# Wall time of one run in microseconds.
time_run() {
    local start end
    start=$EPOCHREALTIME
    "$1" >/dev/null 2>&1 || { echo "$1 failed" >&2; exit 1; }
    end=$EPOCHREALTIME
    echo $(( (${end/./} - ${start/./}) ))
}

# The program folder holds MASTER, PROJECTS and the settings file; run from a copy of it so the
# build folder is left alone.
folder="$build/bench/startup"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
use_runtime_folder_in "$work"
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
echo "velmaro to painted main window: median $(in_ms "$velmaro_median")"
echo "minimal Qt Widgets window:       median $(in_ms "$reference_median")"
print_ratio "$velmaro_median" "$reference_median"
