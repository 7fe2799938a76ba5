#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, once in a clang
# build and once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j 2)

# The tree builds warning-free with clang too (warnings fail this build); no
# optimisation or debug information, to keep it quick, and no benchmarks.
scripts/build.sh build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS=-Werror -DORVANTA_BENCH=OFF
(cd build-clang && ctest --output-on-failure -j 2)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON -DORVANTA_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j 2)
