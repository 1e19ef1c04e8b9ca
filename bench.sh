#!/usr/bin/env bash
# Builds the benchmarks in their own Release folder and runs them.
# Arguments go to the benchmark program, e.g. --benchmark_filter=REGEX.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

rollkeep_install_packages
rollkeep_configure build-bench Release -DROLLKEEP_BENCH=ON
rollkeep_compile build-bench rollkeep_bench

export QT_QPA_PLATFORM=offscreen
exec build-bench/bench/rollkeep_bench "$@"
