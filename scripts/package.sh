#!/usr/bin/env bash
# Sets up and builds the two programs alone (see setup.sh), then their Debian package:
#   scripts/package.sh      writes build/run/tezvan_VERSION_ARCH.deb and, beside it, the
#                           programs' debug symbols tezvan-dbgsym_VERSION_ARCH.deb; prints their paths
# Install it with: sudo apt-get install ./build/run/tezvan_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${TEZVAN_PRESET:-run}"
scripts/setup.sh "$preset"
cd "build/$preset"
rm -f tezvan*_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
ls "$PWD"/tezvan*_*.deb
