#!/usr/bin/env bash
# Builds the benchmarks in a release build and runs them all.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLEXO_TESTS=OFF -DPLEXO_BENCH=ON
cmake --build build/bench -j "$(nproc)"
for b in build/bench/bench/*/bench_*; do
    [ -x "$b" ] && "$b"
done
