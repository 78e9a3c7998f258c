#!/usr/bin/env bash
# The first paint of a large grid on a real window: the base grid against QTableWidget (same
# cells, sizes and window), from showing the window to its first picture on the screen. Runs
# both alternately N times under Xvfb (offscreen when Xvfb is missing) and prints the medians
# and their ratio.
#
#   bench/startup/measure_grid.sh [BUILD_DIR] [N] [ROWS]   (defaults: build/startup-bench, 31, 10000)
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."
source bench/startup/measure_common.sh
build=${1:-build/startup-bench}
runs=${2:-31}
rows=${3:-10000}
if [[ "${MEASURE_STARTUP_INNER:-}" != 1 ]]; then
    build_targets "$build" bench_grid_first_paint
fi
build=$(realpath "$build")
run_on_a_display "$self" "$build" "$runs" "$rows"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
use_runtime_folder_in "$work"
program="$build/bench/startup/bench_grid_first_paint"
"$program" grid "$rows" >/dev/null 2>&1
"$program" table "$rows" >/dev/null 2>&1
grid=()
table=()
for ((i = 0; i < runs; i++)); do
    grid+=("$("$program" grid "$rows" 2>/dev/null)")
    table+=("$("$program" table "$rows" 2>/dev/null)")
done
grid_median=$(printf '%s\n' "${grid[@]}" | median)
table_median=$(printf '%s\n' "${table[@]}" | median)
echo "runs: $runs, rows: $rows (${QT_QPA_PLATFORM:-xcb})"
echo "base grid, show to first paint:    median $(in_ms "$grid_median")"
echo "QTableWidget, show to first paint: median $(in_ms "$table_median")"
print_ratio "$grid_median" "$table_median"
