#!/usr/bin/env bash
# Builds everything and runs every test: the native build with the Qt app,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# short benchmark run, and the Windows build under Wine. Installs what is
# missing on Debian or Ubuntu first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins fonts-dejavu-core
  xvfb xauth x11-utils xdotool imagemagick
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
  libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1
)

scripts/ensure-packages.sh "${packages[@]}"

jobs=$(nproc)

echo "== native build and tests"
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

echo "== the same under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== benchmarks (a short run to show they work)"
build/dev/bench/morwick_bench --benchmark_min_time=0.01

echo "== Windows build under Wine"
scripts/wine-tests.sh
