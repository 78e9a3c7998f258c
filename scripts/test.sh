#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${VELMARO_TEST_BUILD:-build/test}
# Paths relative to the checkout, so another clone of the same sources reuses the compiler cache.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
# Line tables are all the sanitizers' reports need, and they keep the build much smaller.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DVELMARO_SANITIZE=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The fuzz targets: committed inputs replayed, then a short run of each.
scripts/fuzz.sh "${VELMARO_FUZZ_SECONDS:-10}"
