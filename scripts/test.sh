#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test and fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${VELMARO_TEST_BUILD:-build/checked}
source scripts/checked-build.sh
configure_checked_build "$build"
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The fuzz targets, built above: committed inputs replayed, then a short run of each.
FUZZ_BUILD=$build scripts/fuzz.sh "${VELMARO_FUZZ_SECONDS:-10}"
