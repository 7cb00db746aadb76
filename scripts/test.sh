#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
preset="${TEZVAN_PRESET:-release}"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j"$(nproc)"
