#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates best/, the best known plans the game ships as its par: the
# front orvanta-best finds with a fixed seed and a long run, in its own
# output format (front.json and plan-NNN.json).
#
#   scripts/regenerate-best.sh [BUILD_DIR]     (default: build)
#
# Run it after any change of the model that moves a plan's result (the test
# tst_frente_par then fails until the front is regenerated), and commit the
# folder. The same seed and evaluations give the same front whatever the
# machine's number of cores; two million evaluations take about a minute on
# two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
seed=1
evaluations=2000000

cmake --build "$build" --target orvanta-best
# orvanta-best replaces an earlier front of its own in place (front.json
# removed first, written last) and refuses a folder holding anything else.
"$build/bin/orvanta-best" --seed "$seed" --evaluations "$evaluations" --out best
# The build copies best/ beside the programs; the list of its files is read
# from front.json when CMake configures, which a changed front.json redoes.
