#!/usr/bin/env bash
# Builds the Debian packages of a build folder and fails on any error or warning of lintian's,
# or on a program whose symbols the symbols' package does not hold under its build id.
#   lint_package.sh BUILD_DIR
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
report=$(lintian --pedantic --display-info --display-experimental "$out"/*.deb 2>&1) || true
echo "$report"
failed=0
grep -E '^[EW]: ' <<<"$report" >/dev/null && failed=1
if ls "$out"/tezvan-dbgsym_*.deb >/dev/null 2>&1; then
  dpkg-deb -x "$out"/tezvan_*.deb "$out/programs"
  dpkg-deb -x "$out"/tezvan-dbgsym_*.deb "$out/symbols"
  for program in "$out"/programs/usr/bin/*; do
    id=$(readelf --notes "$program" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    [ -f "$out/symbols/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] ||
      { echo "FAIL: no symbols for ${program##*/} (build id $id)"; failed=1; }
  done
fi
exit $failed
