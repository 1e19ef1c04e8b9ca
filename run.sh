#!/usr/bin/env bash
# Builds Rollkeep in Release and starts it. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

rollkeep_install_packages
rollkeep_configure build Release
rollkeep_compile build rollkeep

program=build/Rollkeep/bin/rollkeep
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "run: no display found, so Rollkeep runs on a virtual X server (Xvfb) you cannot see" >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
