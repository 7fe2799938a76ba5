#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test twice: once in a normal gcc build, and
# once in a clang build with AddressSanitizer and UndefinedBehaviorSanitizer
# (warnings fail that build, so the tree stays warning-free with clang too).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# The game's own build (the one ./run.sh starts).
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
(cd build && ctest --output-on-failure -j 2)

# Unoptimised, with line tables only: enough for the sanitizers' reports to
# name files and lines, and much quicker to build than full debug information.
scripts/build.sh build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
    "-DCMAKE_CXX_FLAGS=-Werror -gline-tables-only" -DORVANTA_SANITIZE=ON -DORVANTA_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j 2)
