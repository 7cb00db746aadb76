#!/usr/bin/env bash
# Sets up and builds the programs, tests and benches (see setup.sh), then runs every test,
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${TEZVAN_PRESET:-release}"
scripts/setup.sh --tests "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j"$(nproc)"
