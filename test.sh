#!/usr/bin/env bash
# Builds Rollkeep with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

rollkeep_install_packages
rollkeep_configure build Release
rollkeep_compile build

# The tests make their own data folders; this one only keeps a slip in a test
# away from the roll of whoever runs them.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" </dev/null
