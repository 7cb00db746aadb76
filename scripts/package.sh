#!/usr/bin/env bash
# Sets up and builds the two programs alone (see setup.sh), then their Debian package:
#   scripts/package.sh      writes build/run/tezvan_VERSION_ARCH.deb and prints its path
# Install it with: sudo apt-get install ./build/run/tezvan_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${TEZVAN_PRESET:-run}"
scripts/setup.sh "$preset"
cd "build/$preset"
rm -f tezvan_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
ls "$PWD"/tezvan_*.deb
