#!/usr/bin/env bash
# Installs what is missing, builds the configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${VELMARO_RUN_BUILD:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMARO_BENCHMARKS=OFF
cmake --build "$build" --target velmaro
exec "$build/app/velmaro"
