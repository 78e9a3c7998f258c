# Shared by the measuring scripts of bench/startup (sourced, not run).

# Configures BUILD_DIR as a Release build when it has no build files yet and builds TARGETS.
build_targets() {
    local build=$1
    shift
    [[ -f "$build/build.ninja" || -f "$build/Makefile" ]] ||
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" --target "$@" >/dev/null
}

# Runs the calling script again under Xvfb (once), or falls back to the offscreen platform.
run_on_a_display() {
    if [[ "${MEASURE_STARTUP_INNER:-}" == 1 ]]; then
        return
    fi
    export MEASURE_STARTUP_INNER=1
    if command -v xvfb-run >/dev/null; then
        exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    fi
    echo "xvfb-run not found: measuring on the offscreen platform" >&2
    export QT_QPA_PLATFORM=offscreen
}

# A private runtime folder for Qt inside FOLDER unless one is set.
use_runtime_folder_in() {
    if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
        export XDG_RUNTIME_DIR="$1/runtime"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# Microseconds as milliseconds with three decimals.
in_ms() {
    printf '%d.%03d ms' $(($1 / 1000)) $(($1 % 1000))
}

print_ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "ratio: %.2f\n", a / b }'
}
