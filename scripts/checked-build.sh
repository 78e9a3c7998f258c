# Sourced by test.sh and fuzz.sh: configures the one checked build that serves both the tests and
# the fuzz targets, so the product's sources are compiled once for the two.
#   clang with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage
#   instrumentation; -O1 keeps the fuzz targets fast while stack traces stay readable; line tables
#   are all the sanitizers' reports need; each target compiled in batches (unity build); lld links.
configure_checked_build() {
  local build=$1
  # Paths relative to the checkout, so another clone of the same sources reuses the compiler cache.
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld \
    -DVELMARO_FUZZ=ON -DVELMARO_UNITY_BUILD=ON >/dev/null
}
