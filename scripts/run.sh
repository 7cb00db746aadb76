#!/usr/bin/env bash
# Sets up and builds the two programs alone (see setup.sh), then starts tezvan, or tezvan2
# when asked:
#   scripts/run.sh            starts tezvan
#   scripts/run.sh tezvan2    starts tezvan2 (from its own folder, where its samples lie)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${TEZVAN_PRESET:-run}"
scripts/setup.sh "$preset"
case "${1:-tezvan}" in
  tezvan2) shift || true; cd "build/$preset/tezvan2" && exec ./tezvan2 "$@" ;;
  tezvan) shift || true; exec "build/$preset/tezvan/tezvan" "$@" ;;
  *) exec "build/$preset/tezvan/tezvan" "$@" ;;
esac
