#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Orvanta.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Orvanta on a virtual display (Xvfb)." >&2
    exec xvfb-run -a -s "-screen 0 1024x768x24" build/bin/orvanta "$@"
fi
exec build/bin/orvanta "$@"
